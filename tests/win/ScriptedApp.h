// An application object whose message boxes are answered from a script and recorded, and the
// program's start-up routine run in this process with a script that plays the user.
#pragma once

#include "framework/WinApp.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct ShownMessageBox
{
    std::string text;  // code page 932, as the program passed it
    UINT type;         // flags as the program passed them
};

// Base: CWinApp, or the program's own application class. A box beyond the script is answered
// IDOK.
template <class Base>
class CScripted : public Base
{
public:
    int DoMessageBox(const char* text, UINT type, UINT) override
    {
        shown.push_back({text, type});
        const int answer = answers.empty() ? IDOK : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }

    std::vector<ShownMessageBox> shown;
    std::deque<int> answers;
};

typedef CScripted<CWinApp> CScriptedApp;

// Runs app's start-up routine; once the settings sheet is up, script plays the user inside the
// sheet's modal loop. A sheet the script leaves open is cancelled after a while, as a failure,
// so that a test never hangs.
void RunWithSheet(CWinApp& app, std::function<void(HWND sheet)> script);
