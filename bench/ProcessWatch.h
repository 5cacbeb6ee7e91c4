// How the benchmark times other programs: a clock, the arrival of a program's next dialog, and
// the end of a program together with every process it starts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// Seconds on the performance counter.
double Seconds();

// The first visible dialog of pid that is none of known, polled every millisecond, so the time
// it appears is read to about a millisecond; null after timeoutMs.
HWND WaitForNewDialog(DWORD pid, const std::vector<HWND>& known, DWORD timeoutMs);

// Clicks a button of a box the way a user does and returns the time of the click.
double Press(HWND box, int buttonId);

// The text of a message box.
std::string BoxText(HWND box);

// A command run to its end, with every process it starts (an uninstaller that copies itself
// away and starts the copy, msiexec's helpers): seconds from just before the start to the end
// of the last of them, and how many processes that was.
struct TreeRun
{
    bool ended = false;
    double seconds = 0;
    int processes = 0;
    DWORD exitCode = 0;  // of the first process
};
TreeRun RunTree(const std::string& commandLine, const std::string& workDir, DWORD timeoutMs);

}  // namespace bench
