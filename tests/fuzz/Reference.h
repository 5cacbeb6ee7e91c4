// Slow, plain models the fuzz targets compare the product's functions with: text in code page
// 932 split into whole characters, and a reader of the fuzzer's bytes.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

namespace reference {

// What a function taking a C string sees of text: the bytes before the first terminator.
std::string AsCString(const std::string& text);

// Lead bytes of code page 932, from its definition (not from the product's helper).
bool IsLead(unsigned char c);

// The text split into characters: a lead byte with a byte after it makes a pair, any other
// byte (a lone lead byte at the end included) stands alone.
std::vector<std::string> Characters(const std::string& text);

// Byte offsets at which the characters of text start.
std::vector<size_t> CharacterStarts(const std::string& text);

// Hands out the fuzzer's bytes as small values and texts; past the end it yields zeros and
// empty texts, so every input is a valid script.
class Input
{
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size), m_offset(0) {}

    bool AtEnd() const { return m_offset >= m_size; }
    uint8_t Byte();
    // A length byte, then that many bytes (fewer at the end of the input).
    std::string Text();
    // The rest of the input.
    std::string Rest();

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_offset;
};

// A copy of text in a heap block of exactly its length plus the terminator, so that the address
// sanitizer sees any read past the end.
class ExactText
{
public:
    explicit ExactText(const std::string& text);
    ~ExactText();
    ExactText(const ExactText&) = delete;
    ExactText& operator=(const ExactText&) = delete;
    const char* Get() const { return m_text; }

private:
    char* m_text;
};

}  // namespace reference
