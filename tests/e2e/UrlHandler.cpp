// Test fixture piece: http and https addresses opened by the shell go to record_url.exe.
#include "UrlHandler.h"

#include "Driver.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

namespace {

bool ReadCommand(const char* key, std::string* command)
{
    char value[1024] = {};
    LONG size = sizeof(value);
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, key, value, &size) != ERROR_SUCCESS)
        return false;
    *command = value;
    return true;
}

void WriteCommand(const char* key, const std::string& command)
{
    if (::RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, command.c_str(),
                       static_cast<DWORD>(command.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot set the http handler");
}

}  // namespace

CUrlRecorder::CUrlRecorder(const std::string& recorder)
    : m_schemes{{"http\\shell\\open\\command", std::string(), false},
                {"https\\shell\\open\\command", std::string(), false}}
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    m_logPath = std::string(temp) + "mirel-urls.log";
    ::DeleteFileA(m_logPath.c_str());
    // The log on the command line: the handler may be started by the desktop shell's process,
    // whose environment is not the program's.
    for (Scheme& scheme : m_schemes) {
        scheme.hadCommand = ReadCommand(scheme.key, &scheme.previousCommand);
        WriteCommand(scheme.key, "\"" + recorder + "\" \"" + m_logPath + "\" \"%1\"");
    }
}

CUrlRecorder::~CUrlRecorder()
{
    for (const Scheme& scheme : m_schemes) {
        if (scheme.hadCommand)
            WriteCommand(scheme.key, scheme.previousCommand);
        else
            ::RegDeleteKeyA(HKEY_CLASSES_ROOT, scheme.key);
    }
    ::DeleteFileA(m_logPath.c_str());
}

std::vector<std::string> CUrlRecorder::WaitForAddresses(size_t count) const
{
    std::vector<std::string> addresses;
    const DWORD start = ::GetTickCount();
    do {
        addresses.clear();
        std::ifstream log(m_logPath.c_str(), std::ios::binary);
        for (std::string line; std::getline(log, line);)
            addresses.push_back(line);
        if (addresses.size() >= count)
            break;
        ::Sleep(50);
    } while (::GetTickCount() - start < driver::kWaitMs);
    return addresses;
}
