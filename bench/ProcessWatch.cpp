// How the benchmark times other programs.
#include "bench/ProcessWatch.h"

#include "tools/driver/Driver.h"

#include <algorithm>
#include <cstring>

namespace bench {

namespace {

struct DialogQuery
{
    DWORD pid;
    const std::vector<HWND>* known;
    HWND found;
};

// Only the class and visibility are asked, which sends the window no message: the process
// may be busy copying files, and a sent message would wait for it.
BOOL CALLBACK MatchNewDialog(HWND hWnd, LPARAM lParam)
{
    DialogQuery* query = reinterpret_cast<DialogQuery*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != query->pid || !::IsWindowVisible(hWnd))
        return TRUE;
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (std::strcmp(className, "#32770") != 0 ||
        std::find(query->known->begin(), query->known->end(), hWnd) != query->known->end())
        return TRUE;
    query->found = hWnd;
    return FALSE;
}

}  // namespace

double Seconds()
{
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0)
        ::QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND WaitForNewDialog(DWORD pid, const std::vector<HWND>& known, DWORD timeoutMs)
{
    const double end = Seconds() + timeoutMs / 1000.0;
    for (;;) {
        DialogQuery query = {pid, &known, nullptr};
        ::EnumWindows(&MatchNewDialog, reinterpret_cast<LPARAM>(&query));
        if (query.found != nullptr)
            return query.found;
        if (Seconds() > end)
            return nullptr;
        ::Sleep(1);
    }
}

double Press(HWND box, int buttonId)
{
    const double now = Seconds();
    driver::Click(::GetDlgItem(box, buttonId));
    return now;
}

std::string BoxText(HWND box)
{
    return driver::Text(::GetDlgItem(box, 0xFFFF));
}

// The process starts suspended and joins a job before it runs, so that no process it starts
// escapes the count; the job's completion port says when the last of them has ended.
TreeRun RunTree(const std::string& commandLine, const std::string& workDir, DWORD timeoutMs)
{
    TreeRun run;
    HANDLE job = ::CreateJobObjectA(nullptr, nullptr);
    HANDLE port = ::CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association = {job, port};
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;
    const double start = Seconds();
    if (job == nullptr || port == nullptr ||
        !::SetInformationJobObject(job, JobObjectAssociateCompletionPortInformation, &association,
                                   sizeof(association)) ||
        !::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                          workDir.c_str(), &startup, &info)) {
        if (port != nullptr)
            ::CloseHandle(port);
        if (job != nullptr)
            ::CloseHandle(job);
        return run;
    }
    if (!::AssignProcessToJobObject(job, info.hProcess)) {
        ::TerminateProcess(info.hProcess, 1);
    } else {
        ::ResumeThread(info.hThread);
        const double end = start + timeoutMs / 1000.0;
        for (;;) {
            DWORD message = 0;
            ULONG_PTR key = 0;
            LPOVERLAPPED detail = nullptr;
            const double left = end - Seconds();
            if (left <= 0 || !::GetQueuedCompletionStatus(port, &message, &key, &detail,
                                                          static_cast<DWORD>(left * 1000) + 1))
                break;
            if (message == JOB_OBJECT_MSG_NEW_PROCESS)
                ++run.processes;
            if (message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) {
                run.seconds = Seconds() - start;
                run.ended = true;
                break;
            }
        }
        if (!run.ended)
            ::TerminateJobObject(job, 1);
    }
    ::WaitForSingleObject(info.hProcess, 5000);
    ::GetExitCodeProcess(info.hProcess, &run.exitCode);
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    ::CloseHandle(port);
    ::CloseHandle(job);
    return run;
}

}  // namespace bench
