// Drives the real program from another process, as a user would. Every wait is bounded.
#include "Driver.h"

#include <commctrl.h>

#include <stdexcept>

namespace driver {

namespace {

const DWORD kPollMs = 25;
const UINT kSendTimeoutMs = 3000;

std::string ClassOf(HWND hWnd)
{
    char name[64] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    return name;
}

DWORD ProcessOf(HWND hWnd)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    return pid;
}

struct WindowQuery
{
    DWORD pid;
    const char* className;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    WindowQuery* query = reinterpret_cast<WindowQuery*>(lParam);
    if (ProcessOf(hWnd) != query->pid || !::IsWindowVisible(hWnd) ||
        ClassOf(hWnd) != query->className || Text(hWnd) != *query->caption)
        return TRUE;
    query->found = hWnd;
    return FALSE;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// Pixels drawn by paint into a bitmap like the screen's, row by row from the top, each
// 0x00RRGGBB.
template <class Paint>
std::vector<DWORD> DrawnPixels(int width, int height, Paint paint)
{
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    paint(memory, screen);
    ::SelectObject(memory, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ::GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    for (DWORD& p : pixels)
        p &= 0x00FFFFFF;
    return pixels;
}

// The system icon drawn over a background of one colour, as the message box draws it.
std::vector<DWORD> RenderIcon(LPCSTR iconId, int width, int height, DWORD background)
{
    return DrawnPixels(width, height, [&](HDC memory, HDC) {
        HBRUSH brush = ::CreateSolidBrush(
            RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
        RECT all = {0, 0, width, height};
        ::FillRect(memory, &all, brush);
        ::DeleteObject(brush);
        ::DrawIconEx(memory, 0, 0, ::LoadIconA(nullptr, iconId), 0, 0, 0, nullptr, DI_NORMAL);
    });
}

}  // namespace

std::vector<DWORD> ScreenPixels(const RECT& rect)
{
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    return DrawnPixels(width, height, [&](HDC memory, HDC screen) {
        ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    });
}

namespace {

// Which system icon the box shows: its icon control's pixels against each candidate drawn here.
Icon IdentifyIcon(HWND box)
{
    HWND iconControl = nullptr;
    for (HWND child : Children(box)) {
        if (ClassOf(child) == "Static" && ::IsWindowVisible(child) &&
            (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            iconControl = child;
    }
    if (iconControl == nullptr)
        return Icon::None;
    RECT rect;
    ::GetWindowRect(iconControl, &rect);
    const int size = ::GetSystemMetrics(SM_CXICON);
    rect.right = rect.left + size;
    rect.bottom = rect.top + size;
    const std::vector<DWORD> shown = ScreenPixels(rect);
    const struct
    {
        LPCSTR id;
        Icon icon;
    } candidates[] = {
        {IDI_EXCLAMATION, Icon::Exclamation},
        {IDI_HAND, Icon::Error},
        {IDI_ASTERISK, Icon::Information},
        {IDI_QUESTION, Icon::Question},
    };
    for (const auto& candidate : candidates) {
        if (RenderIcon(candidate.id, size, size, shown[0]) == shown)
            return candidate.icon;
    }
    return Icon::Unknown;
}

bool WritePixelsAsBmp(const std::vector<DWORD>& pixels, int width, int height,
                      const std::string& path)
{
    const int rowBytes = ((width * 3 + 3) / 4) * 4;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;  // bottom-up, the usual BMP order
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(rowBytes) * height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<unsigned char> data(info.biSizeImage);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = data.data() + static_cast<size_t>(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const DWORD p = pixels[static_cast<size_t>(y) * width + x];
            row[x * 3 + 0] = static_cast<unsigned char>(p & 0xFF);
            row[x * 3 + 1] = static_cast<unsigned char>((p >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<unsigned char>((p >> 16) & 0xFF);
        }
    }
    HANDLE out = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = ::WriteFile(out, &file, sizeof(file), &written, nullptr) &&
              ::WriteFile(out, &info, sizeof(info), &written, nullptr) &&
              ::WriteFile(out, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    ::CloseHandle(out);
    return ok;
}

}  // namespace

Program::Program(const std::string& exePath, const std::string& workDir,
                 const std::string& arguments)
    : m_process(nullptr), m_pid(0)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    if (!::CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          workDir.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + exePath);
    ::CloseHandle(info.hThread);
    m_process = info.hProcess;
    m_pid = info.dwProcessId;
}

Program::Program(Program&& other) noexcept : m_process(other.m_process), m_pid(other.m_pid)
{
    other.m_process = nullptr;
}

Program::~Program()
{
    if (m_process == nullptr)
        return;
    if (IsRunning()) {
        ::TerminateProcess(m_process, 99);
        ::WaitForSingleObject(m_process, kWaitMs);
    }
    ::CloseHandle(m_process);
}

DWORD Program::WaitForExit(DWORD timeoutMs) const
{
    if (::WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process, &code);
    return code;
}

HWND WaitForWindow(DWORD pid, const char* className, const std::string& caption, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        WindowQuery query = {pid, className, &caption, nullptr};
        ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&query));
        if (query.found != nullptr)
            return query.found;
        if (::GetTickCount() - start >= timeoutMs)
            return nullptr;
        ::Sleep(kPollMs);
    }
}

bool WaitForWindowGone(HWND hWnd, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (::IsWindow(hWnd)) {
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(kPollMs);
    }
    return true;
}

std::string Text(HWND hWnd)
{
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               &length))
        return std::string();
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(hWnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                          SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

HWND Child(HWND parent, int controlId)
{
    return ::GetDlgItem(parent, controlId);
}

MessageBoxSeen WaitForMessageBox(DWORD pid, const std::string& caption, DWORD timeoutMs)
{
    MessageBoxSeen seen;
    HWND box = WaitForWindow(pid, "#32770", caption, timeoutMs);
    if (box == nullptr)
        return seen;
    ::Sleep(150);  // let it paint before its icon is read from the screen
    seen.hWnd = box;
    seen.caption = caption;
    seen.text = Text(Child(box, 0xFFFF));
    for (HWND child : Children(box)) {
        if (ClassOf(child) == "Button" && ::IsWindowVisible(child))
            seen.buttons.push_back(::GetDlgCtrlID(child));
    }
    seen.icon = IdentifyIcon(box);
    return seen;
}

bool Answer(const MessageBoxSeen& box, int buttonId)
{
    HWND button = Child(box.hWnd, buttonId);
    if (button == nullptr)
        return false;
    Click(button);
    return WaitForWindowGone(box.hWnd);
}

void Click(HWND button)
{
    ::PostMessageA(button, BM_CLICK, 0, 0);
}

void TypeText(HWND edit, const std::wstring& text)
{
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ChooseComboItem(HWND combo, int index)
{
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
}

int ComboSelection(HWND combo)
{
    return static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

std::vector<std::string> ComboItems(HWND combo)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        // The wide text crosses processes intact; this process's code page makes it 932 again.
        wchar_t wide[256] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
        char narrow[512] = {};
        ::WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof(narrow), nullptr, nullptr);
        items.push_back(narrow);
    }
    return items;
}

int CheckState(HWND button)
{
    return static_cast<int>(::SendMessageA(button, BM_GETCHECK, 0, 0));
}

void SelectPage(HWND sheet, int index)
{
    ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

HWND CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::vector<std::string> TabTexts(HWND sheet)
{
    std::vector<std::string> texts;
    HWND tab = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    DWORD pid = ProcessOf(sheet);
    HANDLE process =
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (tab == nullptr || process == nullptr)
        return texts;
    // The tab control reads and writes its item through a pointer, which must lie in its own
    // process: the request and the text buffer are placed there.
    const SIZE_T textSize = 256;
    char* remote = static_cast<char*>(
        ::VirtualAllocEx(process, nullptr, sizeof(TCITEMA) + textSize, MEM_COMMIT, PAGE_READWRITE));
    const int count = static_cast<int>(::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count && remote != nullptr; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = remote + sizeof(TCITEMA);
        item.cchTextMax = static_cast<int>(textSize);
        ::WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
        ::SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(remote));
        char text[256] = {};
        ::ReadProcessMemory(process, remote + sizeof(TCITEMA), text, sizeof(text) - 1, nullptr);
        texts.push_back(text);
    }
    if (remote != nullptr)
        ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    ::CloseHandle(process);
    return texts;
}

void PressSheetButton(HWND sheet, int psbtn)
{
    // Posted: a sent PSM_PRESSBUTTON leaves the sheet open under Wine.
    ::PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(psbtn), 0);
}

bool SaveScreenshot(HWND hWnd, const std::string& name)
{
    const std::string folder = EnvOrEmpty("MIREL_SCREENSHOTS");
    if (folder.empty())
        return false;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::SetForegroundWindow(hWnd);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::Sleep(300);
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    return WritePixelsAsBmp(ScreenPixels(rect), rect.right - rect.left, rect.bottom - rect.top,
                            folder + "\\" + name + ".bmp");
}

bool CopyFolderFiles(const std::string& from, const std::string& to)
{
    ::CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((from + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ok &= ::CopyFileA((from + "\\" + entry.cFileName).c_str(),
                              (to + "\\" + entry.cFileName).c_str(), FALSE) != FALSE;
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
    return ok;
}

std::string EnvOrEmpty(const char* name)
{
    char value[1024] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof(value));
    return length > 0 && length < sizeof(value) ? std::string(value) : std::string();
}

}  // namespace driver
