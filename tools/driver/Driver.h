// Drives the real program from another process, as a user would: starts it, finds its windows,
// clicks, reads texts, answers message boxes and saves screenshots. Every wait is bounded.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

const DWORD kWaitMs = 10000;

// A started program; one still running when this object ends is terminated, so a failed test
// never leaves a copy behind that holds the single-instance mutex.
class Program
{
public:
    // Under Wine a process takes its system code page from the Unix locale when Wine starts it
    // from Unix, and from its parent otherwise: a program given unixLocale ("hi_IN.UTF-8" makes
    // the code page UTF-8) is started through Unix with that locale.
    Program(const std::string& exePath, const std::string& workDir,
            const std::string& arguments = std::string(), const char* unixLocale = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Pid() const { return m_pid; }
    HANDLE Handle() const { return m_process; }
    // The exit code, or STILL_ACTIVE when the program has not ended within timeoutMs.
    DWORD WaitForExit(DWORD timeoutMs = kWaitMs) const;

private:
    HANDLE m_process;
    DWORD m_pid;
};

// The first visible top-level window of pid with this class ("#32770" for dialogs) and caption,
// or null after timeoutMs.
HWND WaitForWindow(DWORD pid, const char* className, const std::string& caption,
                   DWORD timeoutMs = kWaitMs);
// Waits for program to end, looking for its windows meanwhile: its exit code, or STILL_ACTIVE
// after timeoutMs; windowShown tells whether a visible top-level window of it came up.
DWORD WaitForExitWatchingWindows(const Program& program, DWORD timeoutMs, bool* windowShown);
// Waits until hWnd no longer exists; false after timeoutMs.
bool WaitForWindowGone(HWND hWnd, DWORD timeoutMs = kWaitMs);
// Window text of any window of any process, in code page 932.
std::string Text(HWND hWnd);

struct MessageBoxSeen
{
    HWND hWnd = nullptr;
    std::string text;
    std::vector<int> buttons;  // IDs of the buttons shown: IDOK, IDYES, ...
};
// The next message box of pid, captioned caption, or one with a null hWnd after timeoutMs.
MessageBoxSeen WaitForMessageBox(DWORD pid, const std::string& caption, DWORD timeoutMs = kWaitMs);
// Presses one of a message box's buttons and waits until the box is gone.
bool Answer(const MessageBoxSeen& box, int buttonId);

// Clicks a button without waiting for what the click starts (a modal box would block a send).
void Click(HWND button);
// The page of a property sheet at index, shown.
HWND ShowPage(HWND sheet, int index);
void PressSheetButton(HWND sheet, int psbtn);  // PSBTN_OK, PSBTN_CANCEL

// Saves the window as it is on screen, as name.bmp in the folder MIREL_SCREENSHOTS names
// (nothing when it is unset).
void SaveScreenshot(HWND hWnd, const std::string& name);

}  // namespace driver
