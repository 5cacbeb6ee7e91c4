// Test fixture of the setup end to end.
#include "tests/e2e/SetupTest.h"

#include "tests/common/SetupKit.h"

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

const std::vector<int> kOk = {IDOK};
const std::vector<int> kYesNo = {IDYES, IDNO};
const std::vector<int> kYesNoCancel = {IDYES, IDNO, IDCANCEL};
const char kAnsweredYes[] = "はい";
const char kAnsweredNo[] = "いいえ";

namespace {
const char kTestRoot[] = "C:\\mirel-e2e";
}

void SetupTest::SetUp()
{
    const char* built = getenv("MIREL_DIST");
    ASSERT_NE(nullptr, built) << "MIREL_DIST names the distribution folder";
    setupkit::RemoveInstallation();
    setupkit::RemoveTree(kTestRoot);
    m_dist = std::string(kTestRoot) + "\\dist";
    m_elsewhere = std::string(kTestRoot) + "\\elsewhere";
    m_log = std::string(kTestRoot) + "\\記録 setup.log";
    for (const std::string& folder :
         {std::string(kTestRoot), m_dist, m_dist + "\\docs", m_elsewhere})
        ::CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : {"installer.exe", "Mirel.DLL"})
        ASSERT_TRUE(::CopyFileA((std::string(built) + "\\" + name).c_str(),
                                (m_dist + "\\" + name).c_str(), FALSE));
    setupkit::WriteFileText(m_dist + "\\readme.txt", "readme of the distribution");
    setupkit::WriteFileText(m_elsewhere + "\\unrelated.txt", "unrelated");
}

void SetupTest::TearDown()
{
    setupkit::RemoveInstallation();
    setupkit::RemoveTree(kTestRoot);
}

driver::Program SetupTest::StartInstaller(const std::string& name, const std::string& arguments,
                                          const char* unixLocale) const
{
    if (name.empty())
        return driver::Program(m_dist + "\\installer.exe", m_elsewhere, arguments, unixLocale);
    const std::string folder = std::string(kTestRoot) + "\\named";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CopyFileA((m_dist + "\\Mirel.DLL").c_str(), (folder + "\\Mirel.DLL").c_str(), FALSE);
    ::CopyFileA((m_dist + "\\installer.exe").c_str(), (folder + "\\" + name).c_str(), FALSE);
    return driver::Program(folder + "\\" + name, m_elsewhere, arguments, unixLocale);
}

driver::Program SetupTest::StartInstalled(const std::string& arguments)
{
    return driver::Program(setupkit::InstalledFile("MirelSetup.exe"), setupkit::InstallDirectory(),
                           arguments);
}

bool SetupTest::Answer(const driver::Program& program, const char* caption, const std::string& text,
                       const std::vector<int>& buttons, int answer, const char* screenshot)
{
    const driver::MessageBoxSeen box = driver::WaitForMessageBox(program.Pid(), caption);
    EXPECT_NE(nullptr, box.hWnd) << "no box with " << text;
    EXPECT_EQ(text, box.text);
    EXPECT_EQ(buttons, box.buttons) << text;
    if (box.hWnd != nullptr && screenshot != nullptr)
        driver::SaveScreenshot(box.hWnd, screenshot);
    return box.hWnd != nullptr && box.text == text && driver::Answer(box, answer);
}

void SetupTest::InstallAsUser() const
{
    driver::Program installer = StartInstaller();
    ASSERT_TRUE(Answer(installer, kInstallerAppName, kConfirmText, kYesNoCancel, IDYES));
    ASSERT_TRUE(Answer(installer, kInstallerAppName, kSuccessText, kOk, IDOK));
    ASSERT_EQ(0u, installer.WaitForExit());
}

DWORD SetupTest::ExitOfQuietRun(const driver::Program& program, DWORD timeoutMs)
{
    bool windowShown = false;
    const DWORD status = driver::WaitForExitWatchingWindows(program, timeoutMs, &windowShown);
    EXPECT_FALSE(windowShown) << "a quiet run showed a window";
    return status;
}

std::vector<std::string> SetupTest::LogEntries() const
{
    // UTF-8 to the code page of the expectations.
    const std::string utf8 = setupkit::ReadFileText(m_log);
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                      static_cast<int>(utf8.size()), &wide[0],
                                      static_cast<int>(wide.size())));
    std::string text(wide.size() * 2, '\0');
    text.resize(::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                      &text[0], static_cast<int>(text.size()), nullptr, nullptr));
    EXPECT_EQ(utf8.empty(), text.empty()) << "the log is no UTF-8";

    std::vector<std::string> entries;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        EXPECT_NE(std::string::npos, end) << "the log's last line has no end";
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        start = end == std::string::npos ? text.size() : end + 2;
        // "YYYY-MM-DD hh:mm:ss" and a tab; a line without it is kept whole.
        const char* kTimePattern = "dddd-dd-dd dd:dd:dd\t";
        bool timed = line.size() > strlen(kTimePattern);
        for (size_t i = 0; timed && kTimePattern[i] != '\0'; ++i)
            timed = kTimePattern[i] == 'd' ? isdigit(static_cast<unsigned char>(line[i])) != 0
                                           : line[i] == kTimePattern[i];
        entries.push_back(timed ? line.substr(strlen(kTimePattern)) : line);
    }
    return entries;
}

std::string Entry(const char* program, const std::string& text, const char* answer)
{
    std::string entry = std::string(program) + "\t" + text;
    for (char& c : entry)
        if (c == '\r' || c == '\n')
            c = ' ';
    return answer != nullptr ? entry + " → " + answer : entry;
}

std::string Printf(const char* format, const std::string& first, const std::string& second)
{
    char text[4096];
    snprintf(text, sizeof(text), format, first.c_str(), second.c_str());
    return text;
}

std::string IncompleteText(const std::string& leftovers, bool stillRegistered,
                           const std::string& after)
{
    return kUninstallIncompleteText + std::string(stillRegistered ? kStillRegisteredText : "") +
           (leftovers.empty() ? std::string()
                              : Printf(kLeftoversFormat, setupkit::InstallDirectory(), leftovers)) +
           after + kUninstallWhatToDoText;
}
