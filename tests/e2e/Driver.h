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
    Program(const std::string& exePath, const std::string& workDir,
            const std::string& arguments = std::string());
    ~Program();
    Program(Program&& other) noexcept;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Pid() const { return m_pid; }
    HANDLE Handle() const { return m_process; }
    // The exit code, or STILL_ACTIVE when the program has not ended within timeoutMs.
    DWORD WaitForExit(DWORD timeoutMs = kWaitMs) const;
    bool IsRunning() const { return WaitForExit(0) == STILL_ACTIVE; }

private:
    HANDLE m_process;
    DWORD m_pid;
};

// The first visible top-level window of pid with this class ("#32770" for dialogs) and caption,
// or null after timeoutMs.
HWND WaitForWindow(DWORD pid, const char* className, const std::string& caption,
                   DWORD timeoutMs = kWaitMs);
// Waits until hWnd no longer exists; false after timeoutMs.
bool WaitForWindowGone(HWND hWnd, DWORD timeoutMs = kWaitMs);

// Window text of any window of any process, in code page 932.
std::string Text(HWND hWnd);
HWND Child(HWND parent, int controlId);

enum class Icon { None, Exclamation, Error, Information, Question, Unknown };

struct MessageBoxSeen
{
    HWND hWnd = nullptr;
    std::string caption;
    std::string text;
    std::vector<int> buttons;  // IDs of the buttons shown: IDOK, IDYES, ...
    Icon icon = Icon::None;
};

// The next message box of pid (a dialog without the given caption to ignore, normally the
// settings sheet), or a MessageBoxSeen with a null hWnd after timeoutMs.
MessageBoxSeen WaitForMessageBox(DWORD pid, const std::string& captionToIgnore,
                                 DWORD timeoutMs = kWaitMs);
// Presses one of a message box's buttons and waits until the box is gone.
bool Answer(const MessageBoxSeen& box, int buttonId);

// Clicks a button without waiting for what the click starts (a modal box would block a send).
void Click(HWND button);
// Sets an edit's text and tells its dialog, as typing would.
void TypeText(HWND edit, const std::wstring& text);
// Chooses a combo item and sends the CBN_SELCHANGE a user's choice sends.
void ChooseComboItem(HWND combo, int index);
int ComboSelection(HWND combo);
std::vector<std::string> ComboItems(HWND combo);
int CheckState(HWND button);

// Property sheets
void SelectPage(HWND sheet, int index);
HWND CurrentPage(HWND sheet);
std::vector<std::string> TabTexts(HWND sheet);
void PressSheetButton(HWND sheet, int psbtn);  // PSBTN_OK, PSBTN_CANCEL

// Pixels of a screen rectangle, row by row from the top, each 0x00RRGGBB.
std::vector<DWORD> ScreenPixels(const RECT& rect);

// Saves the window as it is on screen, as a BMP named name.bmp in the folder the environment
// variable MIREL_SCREENSHOTS names (nothing when it is unset). True when a file was written.
bool SaveScreenshot(HWND hWnd, const std::string& name);

// Helpers for files and folders of the test prefix.
bool CopyFolderFiles(const std::string& from, const std::string& to);
std::string EnvOrEmpty(const char* name);

}  // namespace driver
