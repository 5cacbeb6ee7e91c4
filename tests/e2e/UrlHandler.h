// Test fixture piece: http and https addresses opened by the shell go to record_url.exe instead of
// a browser, so a test sees exactly what the program handed over and nothing reaches the network.
#pragma once

#include <string>
#include <vector>

class CUrlRecorder
{
public:
    // recorder: full path of record_url.exe. The handler is put back when this object ends.
    explicit CUrlRecorder(const std::string& recorder);
    ~CUrlRecorder();
    CUrlRecorder(const CUrlRecorder&) = delete;
    CUrlRecorder& operator=(const CUrlRecorder&) = delete;

    // The addresses opened so far, waiting up to the usual time for count of them.
    std::vector<std::string> WaitForAddresses(size_t count) const;

private:
    struct Scheme
    {
        const char* key;  // the scheme's open command under HKEY_CLASSES_ROOT
        std::string previousCommand;
        bool hadCommand;
    };
    std::string m_logPath;
    Scheme m_schemes[2];
};
