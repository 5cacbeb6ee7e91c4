// Drives the real program from another process, as a user would. Every wait is bounded.
#include "tools/driver/Driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <fstream>
#include <set>
#include <stdexcept>
#include <stdlib.h>

namespace driver {

namespace {

const DWORD kPollMs = 25;

struct WindowQuery
{
    DWORD pid;
    const char* className;
    const std::string* caption;
    HWND found;
};

// A visible window of the query's process; of its class and caption unless they are null.
BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    WindowQuery* query = reinterpret_cast<WindowQuery*>(lParam);
    DWORD pid = 0;
    char className[64] = {};
    ::GetWindowThreadProcessId(hWnd, &pid);
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (pid != query->pid || !::IsWindowVisible(hWnd) ||
        (query->className != nullptr &&
         (strcmp(className, query->className) != 0 || Text(hWnd) != *query->caption)))
        return TRUE;
    query->found = hWnd;
    return FALSE;
}

// The processes whose program file is named fileName.
std::set<DWORD> ProcessesNamed(const std::string& fileName)
{
    std::set<DWORD> pids;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return pids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32First(snapshot, &entry); more;
         more = ::Process32Next(snapshot, &entry)) {
        if (_stricmp(entry.szExeFile, fileName.c_str()) == 0)
            pids.insert(entry.th32ProcessID);
    }
    ::CloseHandle(snapshot);
    return pids;
}

}  // namespace

Program::Program(const std::string& exePath, const std::string& workDir,
                 const std::string& arguments, const char* unixLocale)
    : m_process(nullptr), m_pid(0)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::string commandLine = "\"" + exePath + "\" " + arguments;
    if (unixLocale == nullptr) {
        if (!::CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                              workDir.c_str(), &startup, &info))
            throw std::runtime_error("cannot start " + exePath);
        ::CloseHandle(info.hThread);
        m_process = info.hProcess;
        m_pid = info.dwProcessId;
        return;
    }
    // Wine gives no handle to a Unix process: the program is found by its file name.
    const std::string fileName = exePath.substr(exePath.find_last_of('\\') + 1);
    const std::set<DWORD> before = ProcessesNamed(fileName);
    commandLine = std::string("/usr/bin/env LC_ALL=") + unixLocale + " wine " + commandLine;
    if (!::CreateProcessA("Z:\\usr\\bin\\env", &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          workDir.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + exePath + " through Unix");
    for (HANDLE handle : {info.hProcess, info.hThread}) {
        if (handle != nullptr)
            ::CloseHandle(handle);
    }
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < kWaitMs;
         ::Sleep(kPollMs)) {
        for (const DWORD pid : ProcessesNamed(fileName)) {
            if (before.count(pid) != 0)
                continue;
            m_process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE,
                                      FALSE, pid);
            m_pid = pid;
            if (m_process != nullptr)
                return;
        }
    }
    throw std::runtime_error("no process of " + exePath + " started through Unix");
}

Program::~Program()
{
    if (WaitForExit(0) == STILL_ACTIVE) {
        ::TerminateProcess(m_process, 99);
        ::WaitForSingleObject(m_process, kWaitMs);
    }
    ::CloseHandle(m_process);
}

DWORD Program::WaitForExit(DWORD timeoutMs) const
{
    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(m_process, &code);
    return code;
}

HWND WaitForWindow(DWORD pid, const char* className, const std::string& caption, DWORD timeoutMs)
{
    for (const DWORD start = ::GetTickCount();; ::Sleep(kPollMs)) {
        WindowQuery query = {pid, className, &caption, nullptr};
        ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
        if (query.found != nullptr || ::GetTickCount() - start >= timeoutMs)
            return query.found;
    }
}

DWORD WaitForExitWatchingWindows(const Program& program, DWORD timeoutMs, bool* windowShown)
{
    *windowShown = false;
    for (const DWORD start = ::GetTickCount();;) {
        WindowQuery query = {program.Pid(), nullptr, nullptr, nullptr};
        ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
        *windowShown = *windowShown || query.found != nullptr;
        const DWORD code = program.WaitForExit(kPollMs);
        if (code != STILL_ACTIVE || ::GetTickCount() - start >= timeoutMs)
            return code;
    }
}

bool WaitForWindowGone(HWND hWnd, DWORD timeoutMs)
{
    for (const DWORD start = ::GetTickCount(); ::IsWindow(hWnd); ::Sleep(kPollMs)) {
        if (::GetTickCount() - start >= timeoutMs)
            return false;
    }
    return true;
}

std::string Text(HWND hWnd)
{
    // Sent with a time-out: the window's program may be busy or gone.
    char text[4096] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 3000, &copied);
    return text;
}

MessageBoxSeen WaitForMessageBox(DWORD pid, const std::string& caption, DWORD timeoutMs)
{
    MessageBoxSeen seen;
    seen.hWnd = WaitForWindow(pid, "#32770", caption, timeoutMs);
    if (seen.hWnd == nullptr)
        return seen;
    seen.text = Text(::GetDlgItem(seen.hWnd, 0xFFFF));  // the box's text control
    for (HWND child = ::GetWindow(seen.hWnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        ::GetClassNameA(child, className, sizeof(className));
        if (strcmp(className, "Button") == 0 && ::IsWindowVisible(child))
            seen.buttons.push_back(::GetDlgCtrlID(child));
    }
    return seen;
}

bool Answer(const MessageBoxSeen& box, int buttonId)
{
    HWND button = ::GetDlgItem(box.hWnd, buttonId);
    if (button == nullptr)
        return false;
    Click(button);
    return WaitForWindowGone(box.hWnd);
}

void Click(HWND button)
{
    ::PostMessageA(button, BM_CLICK, 0, 0);
}

HWND ShowPage(HWND sheet, int index)
{
    ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void PressSheetButton(HWND sheet, int psbtn)
{
    // Posted: a sent PSM_PRESSBUTTON leaves the sheet open under Wine.
    ::PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(psbtn), 0);
}

void SaveScreenshot(HWND hWnd, const std::string& name)
{
    const char* folder = getenv("MIREL_SCREENSHOTS");
    if (folder == nullptr)
        return;
    ::CreateDirectoryA(folder, nullptr);
    ::SetForegroundWindow(hWnd);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = rect.right - rect.left;
    info.biHeight = rect.bottom - rect.top;  // bottom-up, the usual BMP order
    info.biPlanes = 1;
    info.biBitCount = 24;
    // The window as it is on screen once two looks a tenth of a second apart agree: painted, and
    // the paint shown (Wine shows it a moment after). At most a second.
    std::vector<BYTE> pixels, before;
    for (int look = 0; look < 10 && (look < 2 || pixels != before); ++look, ::Sleep(100)) {
        before.swap(pixels);
        pixels.assign(((info.biWidth * 3 + 3) / 4) * 4 * info.biHeight, 0);
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, info.biWidth, info.biHeight);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, info.biWidth, info.biHeight, screen, rect.left, rect.top, SRCCOPY);
        ::SelectObject(memory, old);
        ::GetDIBits(memory, bitmap, 0, info.biHeight, pixels.data(),
                    reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
    }
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(reinterpret_cast<const char*>(pixels.data()), pixels.size());
}

}  // namespace driver
