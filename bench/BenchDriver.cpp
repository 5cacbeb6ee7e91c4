// Measures the program against its baselines and peers under Wine and prints the figures as
// Markdown tables, section by section ("#setup", "#parts", "#checks", "#other"); tools/bench lays
// out the folders, runs it and dresses the tables.
//   BenchDriver RUNS BENCH-FOLDER
// BENCH-FOLDER holds "real" and "50mib", each with "dist" (the distribution folder) and "peers"
// (nsis-setup.exe and mirel.msi built from it); "settings" (MirelSetup.exe, Mirel.DLL,
// BaselineSheet.exe) and "tools" (this program, FloorSetup.exe, FloorSetupManifest.exe,
// SetupSteps.exe, Mirel.DLL).
// The samples of the setup rows go to BENCH-FOLDER\samples.txt for the chart. Every figure is
// the median of RUNS runs after one warm-up run; the sides take turns in an order shuffled anew
// for every run, so drift of the machine reaches them alike, and so does whatever one side leaves
// the file system to do after it (a rotating order would put each side after the same other).
#include "bench/ProcessWatch.h"
#include "bench/SetupSides.h"
#include "support/Mirel.h"
#include "support/RecordFields.h"
#include "tests/common/StoreKit.h"
#include "tools/driver/Driver.h"
#include "tools/driver/ProgramTexts.h"

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using bench::Seconds;

const DWORD kStartTimeoutMs = 20000;
const DWORD kWorkTimeoutMs = 120000;
const int kStoreRounds = 100;    // round trips in one timed batch
const int kStoreBatches = 4;     // batches of each kind per run, interleaved
const double kFloorGoal = 1.10;  // Mirel at most this much slower than the floor
const double kPeerGoal = 1.00;   // Mirel faster than the faster peer

void Note(const std::string& text)
{
    std::fprintf(stderr, "bench: %s\n", text.c_str());
}

// --- Figures --------------------------------------------------------------------------------

// The counted values of one figure across runs.
struct Series
{
    std::vector<double> values;
    int failures = 0;

    bool Usable() const { return !values.empty() && failures == 0; }
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

// "123 ms (118..131)": median and range in milliseconds; tools/bench turns ".." into a dash.
std::string Milliseconds(const Series& series, const char* format = "%.0f")
{
    if (!series.Usable())
        return series.values.empty()
                   ? "n/a"
                   : "n/a (failed in " + std::to_string(series.failures) + " runs)";
    const auto range = std::minmax_element(series.values.begin(), series.values.end());
    return Format(format, Median(series.values) * 1000) + " ms (" +
           Format(format, *range.first * 1000) + ".." + Format(format, *range.second * 1000) + ")";
}

// A ratio of costs against its goal; ASCII only, as this program's narrow text is code page 932.
std::string Ratio(double ratio, double goal, bool strictlyBelow)
{
    if (ratio <= 0)
        return "n/a";
    const bool met = strictlyBelow ? ratio < goal : ratio <= goal;
    return Format("%.3f", ratio) + (met ? " met" : " **missed**");
}

// --- Start-up and the settings store (against their baselines, as before) -------------------

// Process start to the sheet's window visible; the peak working set with every page shown.
std::optional<double> StartUp(const std::string& exe, const std::string& folder, SIZE_T* peak)
{
    const double start = Seconds();
    driver::Program program(exe, folder);
    HWND sheet = bench::WaitForNewDialog(program.Pid(), {}, kStartTimeoutMs);
    const double shown = Seconds();
    if (sheet == nullptr || driver::Text(sheet) != kSheetCaption) {
        Note("no settings sheet from " + exe);
        return std::nullopt;
    }
    for (int page = 0; page < 4; ++page)
        driver::ShowPage(sheet, page);
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    *peak = ::GetProcessMemoryInfo(program.Handle(), &counters, sizeof(counters))
                ? counters.PeakWorkingSetSize
                : 0;
    driver::PressSheetButton(sheet, PSBTN_CANCEL);
    program.WaitForExit(kStartTimeoutMs);
    return shown - start;
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

// --- The setup's steps, timed inside Mirel's own code ---------------------------------------

// SetupSteps in a fresh process with the add-in installed: seconds of each step it times.
std::vector<std::pair<std::string, double>> SetupSteps(const bench::BenchFolders& folders,
                                                       const std::string& mode)
{
    std::vector<std::pair<std::string, double>> steps;
    const std::string output = folders.root + "\\steps.txt";
    ::DeleteFileA(output.c_str());
    driver::Program program(folders.tools + "\\SetupSteps.exe", folders.tools,
                            "\"" + output + "\"" + (mode.empty() ? "" : " " + mode));
    if (program.WaitForExit(kWorkTimeoutMs) != 0) {
        Note("SetupSteps " + mode + " failed");
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

// --- The setup rows -------------------------------------------------------------------------

enum Operation { kInstall, kUninstall, kOperationCount };
const char* const kOperationKeys[kOperationCount] = {"install", "uninstall"};
const char* const kSideKeys[bench::kSideCount] = {
    "mirel", "floor", "nsis", "msi", "floor-silent", "floor-manifest", "mirel-sheet", "mirel-quiet"};

// The sides this machine cannot run, by their keys in MIREL_BENCH_UNMEASURED (blank-separated):
// on a machine without 32-bit programs, the NSIS installer's stub.
bool IsUnmeasured(int side)
{
    const char* list = std::getenv("MIREL_BENCH_UNMEASURED");
    if (list == nullptr)
        return false;
    return (" " + std::string(list) + " ").find(" " + std::string(kSideKeys[side]) + " ") !=
           std::string::npos;
}

struct SideFigures
{
    Series total[kOperationCount];
    std::vector<Series> parts[kOperationCount];
    std::vector<double> processes[kOperationCount];
};

// Per distribution and side.
typedef std::vector<std::vector<SideFigures>> SetupFigures;

// How often each check failed, per side, and in how many runs it was made.
struct CheckTally
{
    std::map<std::string, int> failed[bench::kSideCount];
    int runs[bench::kSideCount] = {};
};

const char* const kInstallChecks[] = {"files", "desktop shortcut", "Programs shortcut",
                                      "registration", "list entry"};
const char* const kUninstallChecks[] = {"files", "shortcuts", "Programs folder", "registration",
                                        "list entry"};

void Record(Series& series, const bench::Timing& timing, std::vector<Series>& parts,
            std::vector<double>& processes)
{
    if (!timing.ok) {
        ++series.failures;
        Note(timing.failure);
        return;
    }
    series.values.push_back(timing.total);
    parts.resize(std::max(parts.size(), timing.parts.size()));
    for (size_t i = 0; i < timing.parts.size(); ++i)
        parts[i].values.push_back(timing.parts[i]);
    processes.push_back(timing.processes);
}

// One installation and uninstallation of a side, from a clean machine back to one.
void RunSide(bench::Side side, const bench::BenchFolders& folders,
             const bench::Distribution& distribution, bool counted, SideFigures& figures,
             CheckTally& checks)
{
    bench::ClearInstallation(folders);
    const bench::Timing installed = bench::Install(side, folders, distribution);
    std::vector<std::string> misses = bench::InstallationMisses(folders, distribution);
    bench::Timing uninstalled;
    if (installed.ok) {
        uninstalled = bench::Uninstall(side, folders);
        for (const std::string& leftover : bench::UninstallationLeftovers(folders))
            misses.push_back("removes " + leftover);
    } else {
        uninstalled.failure = "not installed";
    }
    bench::ClearInstallation(folders);
    if (!counted)
        return;
    Record(figures.total[kInstall], installed, figures.parts[kInstall],
           figures.processes[kInstall]);
    Record(figures.total[kUninstall], uninstalled, figures.parts[kUninstall],
           figures.processes[kUninstall]);
    ++checks.runs[side];
    for (const std::string& miss : misses)
        ++checks.failed[side][miss];
}

ULONGLONG FolderBytes(const std::string& folder)
{
    ULONGLONG bytes = 0;
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            bytes += (static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
    return bytes;
}

void PrintSetupTable(const std::vector<bench::Distribution>& distributions,
                     const SetupFigures& figures)
{
    std::printf("#setup\n");
    const char* const verbs[kOperationCount] = {"Installation", "Uninstallation"};
    // With its boxes against the floor with the same boxes; unattended against the floor without
    // them. The peers are silent in both.
    const struct
    {
        bench::Side mirel, floor;
        const char* how;
    } races[] = {{bench::kMirel, bench::kFloor, ""},
                 {bench::kMirelQuiet, bench::kFloorSilent, ", unattended"}};
    for (const auto& race : races) {
        for (size_t d = 0; d < distributions.size(); ++d) {
            for (int op = 0; op < kOperationCount; ++op) {
                const auto& sides = figures[d];
                const Series& mirel = sides[race.mirel].total[op];
                const Series& floor = sides[race.floor].total[op];
                const Series& nsis = sides[bench::kNsis].total[op];
                const Series& msi = sides[bench::kMsi].total[op];
                std::string row = std::string("| ") + verbs[op] + ", " + distributions[d].label +
                                  race.how;
                for (bench::Side side : {race.mirel, race.floor, bench::kNsis, bench::kMsi})
                    row += " | " + (IsUnmeasured(side) ? std::string("not measured here")
                                                       : Milliseconds(sides[side].total[op]));
                double floorRatio = 0, peerRatio = 0;
                if (mirel.Usable() && floor.Usable())
                    floorRatio = Median(mirel.values) / Median(floor.values);
                double fasterPeer = 0;
                if (nsis.Usable())
                    fasterPeer = Median(nsis.values);
                if (msi.Usable() && (fasterPeer == 0 || Median(msi.values) < fasterPeer))
                    fasterPeer = Median(msi.values);
                if (mirel.Usable() && fasterPeer > 0)
                    peerRatio = Median(mirel.values) / fasterPeer;
                row += " | " + Ratio(floorRatio, kFloorGoal, false) + " | " +
                       Ratio(peerRatio, kPeerGoal, true) + " |";
                std::printf("%s\n", row.c_str());
            }
        }
    }
}

void PrintPart(const std::string& measure, const Series& series, const char* format = "%.0f")
{
    std::printf("| %s | %s |\n", measure.c_str(), Milliseconds(series, format).c_str());
}

void PrintProcesses(const std::string& measure, const std::vector<double>& counts)
{
    if (counts.empty())
        return;
    const auto range = std::minmax_element(counts.begin(), counts.end());
    std::printf("| %s | %s |\n", measure.c_str(),
                (*range.first == *range.second
                     ? Format("%.0f", *range.first)
                     : Format("%.0f", *range.first) + ".." + Format("%.0f", *range.second))
                    .c_str());
}

void PrintParts(const std::vector<bench::Distribution>& distributions, const SetupFigures& figures,
                const std::map<std::string, Series>& steps)
{
    std::printf("#parts\n");
    for (size_t d = 0; d < distributions.size(); ++d) {
        const std::string of = ", " + distributions[d].label;
        const auto& mirel = figures[d][bench::kMirel];
        const auto& floor = figures[d][bench::kFloor];
        const auto& sheet = figures[d][bench::kMirelThroughSheet];
        for (int op = 0; op < kOperationCount; ++op) {
            const std::string verb = op == kInstall ? "installs" : "uninstalls";
            if (mirel.parts[op].size() == 2) {
                PrintPart("Mirel " + verb + of + ": process start to its question",
                          mirel.parts[op][0]);
                PrintPart("Mirel " + verb + of + ": Yes to its closing box", mirel.parts[op][1]);
            }
            if (floor.parts[op].size() == 2) {
                PrintPart("Floor " + verb + of + ": process start to its question",
                          floor.parts[op][0]);
                PrintPart("Floor " + verb + of + ": Yes to its closing box", floor.parts[op][1]);
            }
            const auto& manifest = figures[d][bench::kFloorManifest];
            if (manifest.parts[op].size() == 2)
                PrintPart("Floor with Mirel's manifest " + verb + of +
                              ": process start to its question",
                          manifest.parts[op][0]);
        }
        PrintPart("Mirel uninstalls through the Main page" + of + ", in all",
                  sheet.total[kUninstall]);
        if (sheet.parts[kUninstall].size() == 3) {
            PrintPart("of which process start to the sheet", sheet.parts[kUninstall][0]);
            PrintPart("of which the Uninstall button to the question", sheet.parts[kUninstall][1]);
            PrintPart("of which Yes to the completion message", sheet.parts[kUninstall][2]);
        }
        // Under Wine, saving a shell link also tries to start winemenubuilder (which the prefix
        // disables, so the attempt ends at once): the silent floor shows the count for the work.
        for (int side : {bench::kMirelQuiet, bench::kFloorSilent, bench::kNsis, bench::kMsi})
            for (int op = 0; op < kOperationCount; ++op)
                PrintProcesses(std::string(bench::SideName(static_cast<bench::Side>(side))) +
                                   (op == kInstall ? ": installs" : ": uninstalls") + of +
                                   ": processes started (count)",
                               figures[d][side].processes[op]);
    }
    const struct
    {
        const char* key;
        const char* title;
    } kSteps[] = {
        {"desktop-shortcut", "Mirel's step: desktop shortcut (enters COM, first shell link)"},
        {"programs-shortcut", "Mirel's step: Programs menu shortcut (enters COM again)"},
        {"shortcuts-one-apartment", "Both shortcuts by the same code in one COM apartment"},
        {"register", "Mirel's step: registration (Mirel.DLL by full path, DllRegisterServer)"},
        {"unregister", "Mirel's step: unregistration"},
        {"remove-shortcuts", "Mirel's step: removing both shortcuts"},
    };
    for (const auto& step : kSteps) {
        const auto found = steps.find(step.key);
        if (found != steps.end())
            PrintPart(step.title, found->second, "%.1f");
    }
}

void PrintChecks(const CheckTally& checks)
{
    std::printf("#checks\n");
    auto row = [&](const std::string& title, const std::string& key) {
        std::string line = "| " + title;
        for (int side : {bench::kMirel, bench::kMirelQuiet, bench::kFloor, bench::kFloorSilent,
                         bench::kNsis, bench::kMsi}) {
            const auto found = checks.failed[side].find(key);
            const int failed = found == checks.failed[side].end() ? 0 : found->second;
            const int runs = checks.runs[side];
            line += " | " + std::string(IsUnmeasured(side) ? "not measured here"
                                        : runs == 0            ? "n/a"
                                        : failed == 0 ? "yes"
                                        : failed == runs
                                            ? "**no**"
                                            : "**in " + std::to_string(runs - failed) + " of " +
                                                  std::to_string(runs) + " runs**");
        }
        std::printf("%s |\n", line.c_str());
    };
    for (const char* check : kInstallChecks)
        row(std::string("installs: ") + check, check);
    for (const char* check : kUninstallChecks)
        row(std::string("uninstalls: removes ") + check, std::string("removes ") + check);
}

void WriteSamples(const std::string& path, const std::vector<bench::Distribution>& distributions,
                  const SetupFigures& figures)
{
    FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr)
        return;
    // "label DIST TEXT" names a distribution; "sample OPERATION DIST SIDE SECONDS..." gives the
    // counted runs of one bar.
    for (size_t d = 0; d < distributions.size(); ++d)
        std::fprintf(out, "label %s %s\n", distributions[d].key.c_str(),
                     distributions[d].label.c_str());
    for (size_t d = 0; d < distributions.size(); ++d)
        for (int op = 0; op < kOperationCount; ++op)
            for (int side = 0; side < bench::kSideCount; ++side) {
                std::fprintf(out, "sample %s %s %s", kOperationKeys[op],
                             distributions[d].key.c_str(), kSideKeys[side]);
                for (double value : figures[d][side].total[op].values)
                    std::fprintf(out, " %.6f", value);
                std::fprintf(out, "\n");
            }
    std::fclose(out);
}

// One row of start-up, store or footprint: both figures, the cost ratio, the goal (none: 0).
void PrintBaselineRow(const std::string& measure, const std::string& product,
                      const std::string& baseline, double ratio, double goal)
{
    std::string goalText = "-";
    if (goal > 0)
        goalText = Format("<= %.2f", goal) + (ratio <= 0      ? ""
                                              : ratio <= goal ? " met"
                                                              : " **missed**");
    std::printf("| %s | %s | %s | %s | %s |\n", measure.c_str(), product.c_str(), baseline.c_str(),
                ratio > 0 ? Format("%.3f", ratio).c_str() : "n/a", goalText.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: BenchDriver RUNS BENCH-FOLDER\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string root = argv[2];
    bench::BenchFolders folders;
    folders.root = root;
    folders.tools = root + "\\tools";
    folders.installed = static_cast<const char*>(GetMirelDir());
    const std::string settings = root + "\\settings";

    std::vector<bench::Distribution> distributions;
    for (const char* key : {"real", "50mib"}) {
        bench::Distribution distribution;
        distribution.key = key;
        distribution.dist = root + "\\" + key + "\\dist";
        distribution.peers = root + "\\" + key + "\\peers";
        const double kib = FolderBytes(distribution.dist) / 1024.0;
        distribution.label =
            (std::strcmp(key, "real") == 0 ? "real distribution ("
                                           : "distribution with payload (") +
            Format(kib < 10240 ? "%.0f KiB" : "%.0f", kib < 10240 ? kib : kib / 1024) +
            (kib < 10240 ? ")" : " MiB)");
        distributions.push_back(distribution);
    }

    // A realistic store: every field set and a few highlight lines.
    CommonData seeded = storekit::DistinctRecord(1);
    seeded.strHighLight = "送料無料\r\n即決\r\n表示　ソフト\r\n";
    SaveCommonData(&seeded);

    Series startUp[2], store[2];
    std::vector<double> peaks[2];
    SetupFigures figures(distributions.size(), std::vector<SideFigures>(bench::kSideCount));
    CheckTally checks;
    std::map<std::string, Series> steps;
    std::mt19937 shuffler(12);  // the same orders in every bench run
    for (int run = 0; run <= runs; ++run) {
        const bool counted = run > 0;  // run 0 warms Wine's caches and the page cache
        std::fprintf(stderr, "bench: run %d of %d%s\n", run, runs, counted ? "" : " (warm-up)");

        for (int turn = 0; turn < 2; ++turn) {
            const int which = (turn + run) % 2;  // 0: Mirel, 1: the plain sheet
            SIZE_T peak = 0;
            const auto seconds =
                StartUp(settings + (which == 0 ? "\\MirelSetup.exe" : "\\BaselineSheet.exe"),
                        settings, &peak);
            if (!counted)
                continue;
            if (!seconds) {
                ++startUp[which].failures;
            } else {
                startUp[which].values.push_back(*seconds);
                if (peak > 0)
                    peaks[which].push_back(static_cast<double>(peak));
            }
        }

        for (size_t d = 0; d < distributions.size(); ++d) {
            std::vector<int> order(bench::kSideCount);
            for (int side = 0; side < bench::kSideCount; ++side)
                order[side] = side;
            std::shuffle(order.begin(), order.end(), shuffler);
            for (int side : order)
                if (!IsUnmeasured(side))
                    RunSide(static_cast<bench::Side>(side), folders, distributions[d], counted,
                        figures[d][side], checks);
        }

        // Mirel's own steps, each mode in a fresh process, on an installation the floor makes
        // untimed.
        bench::Install(bench::kFloorSilent, folders, distributions[0]);
        for (const char* mode : {"", "one-apartment"})
            for (const auto& step : SetupSteps(folders, mode))
                if (counted)
                    steps[step.first].values.push_back(step.second);
        bench::ClearInstallation(folders);

        // wineserver writes the registry to disk now and then; short interleaved batches keep
        // such a pause from weighing on one side only, and the median drops it.
        for (int batch = 0; batch < kStoreBatches; ++batch) {
            const double throughMirel = StoreThroughMirel(), raw = StoreRawCalls();
            if (counted) {
                store[0].values.push_back(throughMirel);
                store[1].values.push_back(raw);
            }
        }
    }

    PrintSetupTable(distributions, figures);
    PrintParts(distributions, figures, steps);
    PrintChecks(checks);
    WriteSamples(root + "\\samples.txt", distributions, figures);

    std::printf("#other\n");
    if (startUp[0].Usable() && startUp[1].Usable())
        PrintBaselineRow("Start-up: process start to the sheet visible", Milliseconds(startUp[0]),
                         Milliseconds(startUp[1]),
                         Median(startUp[0].values) / Median(startUp[1].values), 1.10);
    else
        PrintBaselineRow("Start-up: process start to the sheet visible", "n/a", "n/a", 0, 1.10);
    const double productRate = kStoreRounds / Median(store[0].values);
    const double baselineRate = kStoreRounds / Median(store[1].values);
    PrintBaselineRow("Settings store: load + save round trips per second",
                     Format("%.0f /s", productRate), Format("%.0f /s", baselineRate),
                     baselineRate / productRate, 0);
    if (!peaks[0].empty() && !peaks[1].empty())
        PrintBaselineRow("Peak working set, sheet open, every page shown",
                         Format("%.1f MiB", Median(peaks[0]) / 1048576.0),
                         Format("%.1f MiB", Median(peaks[1]) / 1048576.0),
                         Median(peaks[0]) / Median(peaks[1]), 0);
    storekit::DeleteStore();
    return 0;
}
