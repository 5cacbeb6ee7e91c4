// A run without a person (the /quiet switch): its message boxes are not shown but logged, and
// answered as an unattended run must go on.
#include "app/QuietRun.h"

#include "framework/TextLog.h"

namespace {

// How long an unattended run waits for what a user would be asked to do (closing the browsers),
// and how often it looks again meanwhile.
const DWORD kPatienceMs = 10000;
const DWORD kPauseMs = 500;

const char kAnsweredYes[] = " → はい";
const char kAnsweredNo[] = " → いいえ";

}  // namespace

void CQuietRun::Begin(const char* logFile)
{
    m_on = true;
    m_logFile = logFile;
}

int CQuietRun::Answer(const char* source, const char* text, UINT type)
{
    const UINT buttons = type & MB_TYPEMASK;
    if (buttons != MB_YESNO && buttons != MB_YESNOCANCEL) {
        Log(source, text);
        return IDOK;
    }
    if (m_question == text) {
        if (::GetTickCount() - m_questionAskedAt >= kPatienceMs) {
            m_question = "";
            Log(source, text, kAnsweredNo);
            return IDNO;
        }
        ::Sleep(kPauseMs);
        return IDYES;
    }
    m_question = text;
    m_questionAskedAt = ::GetTickCount();
    Log(source, text, kAnsweredYes);
    return IDYES;
}

void CQuietRun::Log(const char* source, const char* text, const char* answer) const
{
    // A log that cannot be written changes nothing else.
    if (m_logFile.IsEmpty())
        return;
    CString entry(text);
    entry += answer;
    AppendLogEntry(m_logFile, source, entry);
}
