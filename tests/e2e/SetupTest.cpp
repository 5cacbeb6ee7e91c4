// Test fixture of the setup end to end.
#include "tests/e2e/SetupTest.h"

#include "tests/common/SetupKit.h"

#include <regex>
#include <sstream>
#include <stdio.h>
#include <stdlib.h>

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

void SetupTest::Uninstall(const driver::Program& program, const std::vector<std::string>& boxes,
                          const char* lastBoxScreenshot, const char* questionScreenshot)
{
    ASSERT_TRUE(Answer(program, kSettingsAppName, kConfirmUninstallText, kYesNo, IDYES,
                       questionScreenshot));
    for (const std::string& box : boxes) {
        ASSERT_TRUE(Answer(program, kSettingsAppName, box, kOk, IDOK,
                           &box == &boxes.back() ? lastBoxScreenshot : nullptr));
    }
    EXPECT_EQ(0xFFFFFFFFu, program.WaitForExit());
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
    EXPECT_EQ(utf8.empty(), wide.empty()) << "the log is no UTF-8";
    std::string text(wide.size() * 2, '\0');
    text.resize(::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                      &text[0], static_cast<int>(text.size()), nullptr, nullptr));
    // Lines that end in CR LF, each after its time and a tab; any other line is kept whole (the
    // test's own without its CR).
    static const std::regex timed("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\t(.*)\r");
    std::vector<std::string> entries;
    std::istringstream lines(text);
    std::smatch match;
    for (std::string line; std::getline(lines, line);)
        entries.push_back(std::regex_match(line, match, timed) ? match[1].str()
                                                               : line.substr(0, line.find('\r')));
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
