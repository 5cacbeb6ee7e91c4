// Measures the program against its baselines under Wine and prints the figures as rows of a
// Markdown table; tools/bench lays out the folders and runs it.
//   BenchDriver RUNS BENCH-FOLDER
// BENCH-FOLDER holds the folders "dist" (installer.exe, Mirel.DLL and the payload files),
// "bare-dist" (installer.exe and Mirel.DLL alone),
// "settings" (MirelSetup.exe, Mirel.DLL, BaselineSheet.exe) and "tools" (this program,
// BaselineFiles.exe, SetupSteps.exe, Mirel.DLL). Every figure is the median of RUNS runs after one warm-up run; product and
// baseline take turns, so drift of the machine reaches both alike.
#include "tests/e2e/Driver.h"
#include "support/Mirel.h"
#include "support/RecordFields.h"
#include "tests/common/SetupKit.h"
#include "tests/common/StoreKit.h"

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kSheetCaption[] = "ミレルセットアップ";
const char kInstalledAppName[] = "MirelSetup";
const char kInstallerAppName[] = "installer";
const char kInstallSuccess[] = "インストールが正常に終了しました。";
const char kUninstallDone[] = "アンインストールが完了しました。";
const int kUninstallButton = 1006;
const DWORD kStartTimeoutMs = 20000;
const DWORD kWorkTimeoutMs = 120000;  // 50 MB copied under Wine takes well under this
const int kStoreRounds = 100;         // round trips in one timed batch
const int kStoreBatches = 4;          // batches of each kind per run, interleaved

double Seconds()
{
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0)
        ::QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Note(const std::string& text)
{
    std::fprintf(stderr, "bench: %s\n", text.c_str());
}

// --- Windows of another process -------------------------------------------------------------

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

// The first visible dialog of pid that is none of known, polled every millisecond so that the
// time it appears is read to about a millisecond; null after timeoutMs.
HWND WaitForNewDialog(DWORD pid, const std::vector<HWND>& known, DWORD timeoutMs)
{
    const double end = Seconds() + timeoutMs / 1000.0;
    for (;;) {
        DialogQuery query = { pid, &known, nullptr };
        ::EnumWindows(&MatchNewDialog, reinterpret_cast<LPARAM>(&query));
        if (query.found != nullptr)
            return query.found;
        if (Seconds() > end)
            return nullptr;
        ::Sleep(1);
    }
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

std::string BoxText(HWND box)
{
    return driver::Text(driver::Child(box, 0xFFFF));
}

// Presses a button of a box the way a user does; the clock starts here.
double Press(HWND box, int buttonId)
{
    const double now = Seconds();
    driver::Click(driver::Child(box, buttonId));
    return now;
}

// Ends whatever the program still shows and waits for it to end.
void Finish(const driver::Program& program, HWND box)
{
    if (box != nullptr)
        driver::Click(driver::Child(box, IDOK));
    program.WaitForExit(kStartTimeoutMs);
}

// --- The measurements -----------------------------------------------------------------------

struct Folders
{
    std::string root, dist, bareDist, settings, tools, baselineCopy, installed;
};

// Process start to the sheet's window visible; the peak working set with every page shown.
std::optional<double> StartUp(const std::string& exe, const std::string& folder, SIZE_T* peak)
{
    const double start = Seconds();
    driver::Program program(exe, folder);
    HWND sheet = WaitForNewDialog(program.Pid(), {}, kStartTimeoutMs);
    const double shown = Seconds();
    if (sheet == nullptr || driver::Text(sheet) != kSheetCaption) {
        Note("no settings sheet from " + exe);
        return std::nullopt;
    }
    if (peak != nullptr) {
        for (int page = 0; page < 4; ++page)
            driver::ShowPage(sheet, page);
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof(counters);
        *peak = ::GetProcessMemoryInfo(program.Handle(), &counters, sizeof(counters))
                    ? counters.PeakWorkingSetSize
                    : 0;
    }
    driver::PressSheetButton(sheet, PSBTN_CANCEL);
    program.WaitForExit(kStartTimeoutMs);
    return shown - start;
}

// The installer of the distribution folder dist from Yes at its confirmation to its success
// message.
std::optional<double> Install(const Folders& folders, const std::string& dist)
{
    setupkit::RemoveTree(folders.installed);
    driver::Program program(dist + "\\installer.exe", dist);
    HWND ask = WaitForNewDialog(program.Pid(), {}, kStartTimeoutMs);
    if (ask == nullptr || driver::Text(ask) != kInstallerAppName) {
        Note("installer.exe showed no installer confirmation (is the installer in this build?)");
        if (ask != nullptr)
            driver::PressSheetButton(ask, PSBTN_CANCEL);
        program.WaitForExit(kStartTimeoutMs);
        return std::nullopt;
    }
    const double start = Press(ask, IDYES);
    HWND done = WaitForNewDialog(program.Pid(), { ask }, kWorkTimeoutMs);
    const double end = Seconds();
    const bool succeeded = done != nullptr && StartsWith(BoxText(done), kInstallSuccess);
    if (!succeeded)
        Note("the installer did not report success");
    Finish(program, done);
    return succeeded ? std::optional<double>(end - start) : std::nullopt;
}

// The uninstaller, reached through the Main page of the installed program, from Yes at its
// question to its completion message.
std::optional<double> Uninstall(const Folders& folders)
{
    driver::Program program(folders.installed + "\\MirelSetup.exe", folders.installed);
    HWND sheet = WaitForNewDialog(program.Pid(), {}, kStartTimeoutMs);
    HWND page = sheet != nullptr ? driver::ShowPage(sheet, 0) : nullptr;
    HWND button = page != nullptr ? driver::Child(page, kUninstallButton) : nullptr;
    if (button == nullptr) {
        Note("the installed program has no uninstall button (is the Main page in this build?)");
        if (sheet != nullptr)
            driver::PressSheetButton(sheet, PSBTN_CANCEL);
        program.WaitForExit(kStartTimeoutMs);
        return std::nullopt;
    }
    driver::Click(button);
    HWND ask = WaitForNewDialog(program.Pid(), { sheet }, kStartTimeoutMs);
    if (ask == nullptr || driver::Text(ask) != kInstalledAppName) {
        Note("no uninstall question");
        return std::nullopt;
    }
    const double start = Press(ask, IDYES);
    HWND done = WaitForNewDialog(program.Pid(), { sheet, ask }, kWorkTimeoutMs);
    const double end = Seconds();
    const bool completed = done != nullptr && StartsWith(BoxText(done), kUninstallDone);
    if (!completed)
        Note("the uninstaller did not report completion");
    Finish(program, done);
    // The running program's own file and its DLL stay behind, as they do on Windows.
    setupkit::RemoveTree(folders.installed);
    return completed ? std::optional<double>(end - start) : std::nullopt;
}

// SetupSteps in the installed state: seconds of each step it times, by name.
std::vector<std::pair<std::string, double>> SetupSteps(const Folders& folders)
{
    std::vector<std::pair<std::string, double>> steps;
    const std::string output = folders.root + "\\steps.txt";
    ::DeleteFileA(output.c_str());
    driver::Program program(folders.tools + "\\SetupSteps.exe", folders.tools, "\"" + output + "\"");
    if (program.WaitForExit(kWorkTimeoutMs) != 0) {
        Note("SetupSteps failed");
        return steps;
    }
    if (FILE* in = std::fopen(output.c_str(), "r")) {
        char name[64];
        double seconds;
        while (std::fscanf(in, "%63s %lf", name, &seconds) == 2)
            steps.emplace_back(name, seconds);
        std::fclose(in);
    }
    return steps;
}

// BaselineFiles from Yes at its question to its closing box.
std::optional<double> BaselineLoop(const Folders& folders, const std::string& verb,
                                   const std::string& target, const std::string& workDir)
{
    driver::Program program(folders.tools + "\\BaselineFiles.exe", workDir,
                            verb + " \"" + target + "\"");
    HWND ask = WaitForNewDialog(program.Pid(), {}, kStartTimeoutMs);
    if (ask == nullptr) {
        Note("BaselineFiles showed no question");
        return std::nullopt;
    }
    const double start = Press(ask, IDYES);
    HWND done = WaitForNewDialog(program.Pid(), { ask }, kWorkTimeoutMs);
    const double end = Seconds();
    Finish(program, done);
    return done != nullptr ? std::optional<double>(end - start) : std::nullopt;
}

std::optional<double> BaselineCopy(const Folders& folders, const std::string& dist)
{
    setupkit::RemoveTree(folders.baselineCopy);
    return BaselineLoop(folders, "copy", folders.baselineCopy, dist);
}

std::optional<double> BaselineDelete(const Folders& folders)
{
    auto seconds = BaselineLoop(folders, "delete", folders.baselineCopy, folders.root);
    setupkit::RemoveTree(folders.baselineCopy);
    return seconds;
}

// kStoreRounds round trips through Mirel.DLL: load the record, save it.
double StoreThroughMirel()
{
    CommonData data;
    const double start = Seconds();
    for (int round = 0; round < kStoreRounds; ++round) {
        LoadCommonData(&data);
        SaveCommonData(&data);
    }
    return Seconds() - start;
}

// The same number of registry reads and writes on a key opened once: per round one read of
// every integer value, two of the text (its size, then the bytes), and one write of each value.
double StoreRawCalls()
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 0;
    std::vector<char> text(4096);
    const double start = Seconds();
    for (int round = 0; round < kStoreRounds; ++round) {
        DWORD values[64] = {};
        for (size_t i = 0; i < kIntegerFieldCount; ++i) {
            DWORD size = sizeof(DWORD);
            ::RegQueryValueExA(key, kIntegerFields[i].name, nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&values[i]), &size);
        }
        DWORD textSize = 0;
        ::RegQueryValueExA(key, kHighLightValueName, nullptr, nullptr, nullptr, &textSize);
        textSize = static_cast<DWORD>(text.size());
        ::RegQueryValueExA(key, kHighLightValueName, nullptr, nullptr,
                           reinterpret_cast<BYTE*>(text.data()), &textSize);
        for (size_t i = 0; i < kIntegerFieldCount; ++i)
            ::RegSetValueExA(key, kIntegerFields[i].name, 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&values[i]), sizeof(DWORD));
        ::RegSetValueExA(key, kHighLightValueName, 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(text.data()), textSize);
    }
    const double elapsed = Seconds() - start;
    ::RegCloseKey(key);
    return elapsed;
}

// --- Figures --------------------------------------------------------------------------------

struct Samples
{
    std::vector<double> product, baseline;
    bool failed = false;

    void Add(std::vector<double>& into, const std::optional<double>& value, bool counted)
    {
        if (!value)
            failed = true;
        else if (counted)
            into.push_back(*value);
    }
};

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

// One row: the measure, both figures, the cost ratio (Mirel over baseline), the goal (none: 0).
void PrintRow(const std::string& measure, const std::string& product, const std::string& baseline,
              double ratio, double goal)
{
    // A negative ratio: the row has no baseline to compare with.
    // Three decimals, so that a ratio shown as 1.05 is never reported as missing 1.05.
    std::string ratioText = ratio > 0 ? Format("%.3f", ratio) : ratio < 0 ? "-" : "n/a";
    // ASCII only: this program's narrow text is code page 932; tools/bench dresses the table.
    std::string goalText = "-";
    if (goal > 0)
        goalText = Format("<= %.2f", goal) + (ratio <= 0 ? "" : ratio <= goal ? " met" : " **missed**");
    std::printf("| %s | %s | %s | %s | %s |\n", measure.c_str(), product.c_str(),
                baseline.c_str(), ratioText.c_str(), goalText.c_str());
    std::fflush(stdout);
}

void PrintTimeRow(const std::string& measure, const Samples& samples, double goal)
{
    if (samples.product.empty() || samples.baseline.empty() || samples.failed) {
        const std::string baseline = samples.baseline.empty()
                                         ? "n/a"
                                         : Format("%.0f ms", Median(samples.baseline) * 1000);
        PrintRow(measure, "n/a", baseline, 0, goal);
        return;
    }
    const double product = Median(samples.product), baseline = Median(samples.baseline);
    PrintRow(measure, Format("%.0f ms", product * 1000), Format("%.0f ms", baseline * 1000),
             product / baseline, goal);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: BenchDriver RUNS BENCH-FOLDER\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    Folders folders;
    folders.root = argv[2];
    folders.dist = folders.root + "\\dist";
    folders.bareDist = folders.root + "\\bare-dist";
    folders.settings = folders.root + "\\settings";
    folders.tools = folders.root + "\\tools";
    folders.baselineCopy = folders.root + "\\copy";
    folders.installed = static_cast<const char*>(GetMirelDir());

    // A realistic store: every field set and a few highlight lines.
    CommonData seeded = storekit::DistinctRecord(1);
    seeded.strHighLight = "送料無料\r\n即決\r\n表示　ソフト\r\n";
    SaveCommonData(&seeded);

    // The bare distribution (installer.exe and Mirel.DLL alone) shows what an installation and
    // an uninstallation cost beyond their files: shortcuts, registration, the listing.
    Samples startUp, install, uninstall, bareInstall, bareUninstall, store;
    std::vector<std::string> stepNames;
    std::vector<std::vector<double>> stepSeconds;
    std::vector<double> productPeak, baselinePeak;
    for (int run = 0; run <= runs; ++run) {
        const bool counted = run > 0;  // run 0 warms Wine's caches and the page cache
        const bool productFirst = run % 2 == 0;
        std::fprintf(stderr, "bench: run %d of %d%s\n", run, runs, counted ? "" : " (warm-up)");

        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == productFirst) {
                SIZE_T peak = 0;
                startUp.Add(startUp.product,
                            StartUp(folders.settings + "\\MirelSetup.exe", folders.settings, &peak),
                            counted);
                if (counted && peak > 0)
                    productPeak.push_back(static_cast<double>(peak));
                const auto installed = Install(folders, folders.dist);
                install.Add(install.product, installed, counted);
                uninstall.Add(uninstall.product,
                              installed ? Uninstall(folders) : std::optional<double>(), counted);
                const auto bareInstalled = Install(folders, folders.bareDist);
                bareInstall.Add(bareInstall.product, bareInstalled, counted);
                if (bareInstalled && counted) {
                    for (const auto& step : SetupSteps(folders)) {
                        const size_t at = std::find(stepNames.begin(), stepNames.end(), step.first) -
                                          stepNames.begin();
                        if (at == stepNames.size()) {
                            stepNames.push_back(step.first);
                            stepSeconds.emplace_back();
                        }
                        stepSeconds[at].push_back(step.second);
                    }
                }
                bareUninstall.Add(bareUninstall.product,
                                  bareInstalled ? Uninstall(folders) : std::optional<double>(),
                                  counted);
            } else {
                SIZE_T peak = 0;
                startUp.Add(startUp.baseline,
                            StartUp(folders.settings + "\\BaselineSheet.exe", folders.settings, &peak),
                            counted);
                if (counted && peak > 0)
                    baselinePeak.push_back(static_cast<double>(peak));
                install.Add(install.baseline, BaselineCopy(folders, folders.dist), counted);
                uninstall.Add(uninstall.baseline, BaselineDelete(folders), counted);
                bareInstall.Add(bareInstall.baseline, BaselineCopy(folders, folders.bareDist),
                                counted);
                bareUninstall.Add(bareUninstall.baseline, BaselineDelete(folders), counted);
            }
        }
        // wineserver writes the registry to disk now and then; short interleaved batches keep
        // such a pause from weighing on one side only, and the median drops it.
        for (int batch = 0; batch < kStoreBatches; ++batch) {
            store.Add(store.product, StoreThroughMirel(), counted);
            store.Add(store.baseline, StoreRawCalls(), counted);
        }
    }

    PrintTimeRow("Start-up: process start to the sheet visible", startUp, 1.10);
    PrintTimeRow("Installation: Yes to the success message", install, 1.05);
    PrintTimeRow("Uninstallation: Yes to the completion message", uninstall, 1.05);
    // The steps SetupSteps timed, each under the operation that takes it.
    auto printStep = [&](const char* name, const char* title) {
        const size_t at = std::find(stepNames.begin(), stepNames.end(), name) - stepNames.begin();
        PrintRow(title, at < stepNames.size() ? Format("%.1f ms", Median(stepSeconds[at]) * 1000) : "n/a",
                 "-", -1, 0);
    };
    PrintTimeRow("Installation of installer.exe and Mirel.DLL alone", bareInstall, 0);
    printStep("desktop-shortcut", "of which: desktop shortcut (enters COM, first shell link)");
    printStep("programs-shortcut", "of which: Programs menu shortcut");
    printStep("register", "of which: registration (Mirel.DLL by full path, DllRegisterServer)");
    PrintTimeRow("Uninstallation of that", bareUninstall, 0);
    printStep("unregister", "of which: unregistration");
    printStep("remove-shortcuts", "of which: removing both shortcuts");
    const double productRate = kStoreRounds / Median(store.product);
    const double baselineRate = kStoreRounds / Median(store.baseline);
    PrintRow("Settings store: load + save round trips per second",
             Format("%.0f /s", productRate), Format("%.0f /s", baselineRate),
             baselineRate / productRate, 0);
    if (!productPeak.empty() && !baselinePeak.empty())
        PrintRow("Peak working set, sheet open, every page shown",
                 Format("%.1f MiB", Median(productPeak) / 1048576.0),
                 Format("%.1f MiB", Median(baselinePeak) / 1048576.0),
                 Median(productPeak) / Median(baselinePeak), 0);
    else
        PrintRow("Peak working set, sheet open, every page shown", "n/a", "n/a", 0, 0);
    storekit::DeleteStore();
    return 0;
}
