// A test application object: answers message boxes from a script and records what was shown.
#pragma once

#include "framework/WinApp.h"

#include <deque>
#include <string>
#include <vector>

struct ShownMessageBox
{
    std::string text;  // code page 932, as the program passed it
    UINT type;         // flags as the program passed them, before the default icon is added
};

class CScriptedApp : public CWinApp
{
public:
    CScriptedApp() : CWinApp("ScriptedApp") {}

    // Answers given in order; a box beyond the script is answered IDCANCEL and still recorded.
    void Answer(std::initializer_list<int> answers) { m_answers.assign(answers); }

    int DoMessageBox(const char* text, UINT type, UINT) override
    {
        shown.push_back({text, type});
        if (m_answers.empty())
            return IDCANCEL;
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    std::vector<ShownMessageBox> shown;

private:
    std::deque<int> m_answers;
};
