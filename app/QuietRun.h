// A run without a person (the /quiet switch): its message boxes are not shown but logged, and
// answered as an unattended run must go on.
#pragma once

#include "base/String.h"

#include <windows.h>

class CQuietRun
{
public:
    CQuietRun() : m_on(false), m_questionAskedAt(0) {}

    // From now on no box is shown; their texts go to the file logFile names (no log when empty).
    void Begin(const char* logFile);
    void End() { m_on = false; }
    bool IsOn() const { return m_on; }

    // The answer to a box that source would have shown: OK to a message, Yes to a question. The
    // same question asked again means that its Yes did not help (a browser still holds the old
    // module, say): it is answered Yes again after a pause for as long as the run's patience
    // lasts, then No, and the run ends as a user's No ends it. The text goes to the log with a
    // question's answer; a question repeated with the same answer is logged once.
    int Answer(const char* source, const char* text, UINT type);

private:
    void Log(const char* source, const char* text, const char* answer = "") const;

    bool m_on;
    CString m_logFile;
    CString m_question;       // the question last answered Yes
    DWORD m_questionAskedAt;  // when it was asked first
};
