// Slow, plain models the fuzz targets compare the product's functions with.
#include "Reference.h"

#include <string.h>

namespace reference {

std::string AsCString(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

bool IsLead(unsigned char c)
{
    return (0x81 <= c && c <= 0x9F) || (0xE0 <= c && c <= 0xFC);
}

std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size();) {
        const size_t length =
            (IsLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

std::vector<size_t> CharacterStarts(const std::string& text)
{
    std::vector<size_t> starts;
    size_t offset = 0;
    for (const std::string& character : Characters(text)) {
        starts.push_back(offset);
        offset += character.size();
    }
    return starts;
}

uint8_t Input::Byte()
{
    return m_offset < m_size ? m_data[m_offset++] : 0;
}

std::string Input::Text()
{
    size_t length = Byte();
    if (length > m_size - m_offset)
        length = m_size - m_offset;
    std::string text(reinterpret_cast<const char*>(m_data + m_offset), length);
    m_offset += length;
    return text;
}

std::string Input::Rest()
{
    std::string text(reinterpret_cast<const char*>(m_data + m_offset), m_size - m_offset);
    m_offset = m_size;
    return text;
}

ExactText::ExactText(const std::string& text) : m_text(new char[text.size() + 1])
{
    memcpy(m_text, text.c_str(), text.size() + 1);
}

ExactText::~ExactText()
{
    delete[] m_text;
}

}  // namespace reference
