// The four sides of the setup benchmark, each installing the same distribution folder and
// uninstalling it again: Mirel's own installer and uninstaller, the floor (FloorSetup.exe), and
// the peers built with the tools users know (an NSIS installer, a Windows Installer package);
// and variants that show where time goes: the floor without its boxes, the floor with the
// settings program's manifest, and Mirel uninstalled through its settings sheet. Unattended,
// Mirel (/quiet) races the floor without its boxes and the peers, which are silent anyway.
#pragma once

#include <string>
#include <vector>

namespace bench {

enum Side {
    kMirel,
    kFloor,
    kNsis,
    kMsi,
    kFloorSilent,
    kFloorManifest,
    kMirelThroughSheet,
    kMirelQuiet,
    kSideCount
};
// ASCII names, as they head the table's columns.
const char* SideName(Side side);

struct BenchFolders
{
    std::string root;       // the bench folder
    std::string tools;      // FloorSetup.exe, SetupSteps.exe
    std::string installed;  // the installation directory, as Mirel.DLL names it
};

// A distribution folder and the peers built from it.
struct Distribution
{
    std::string label;  // for the table: "real distribution", ...
    std::string key;    // for the chart's data: "real", ...
    std::string dist;   // installer.exe, Mirel.DLL and the rest
    std::string peers;  // nsis-setup.exe and mirel.msi of the same files
};

// One timed installation or uninstallation. Mirel's and the floor's are timed between their
// message boxes: process start to the first box, plus Yes to the closing box (through the sheet:
// process start to the sheet, the Uninstall button to its question, Yes to the closing box), so
// no think time is counted. The silent sides (the peers, the floor without its boxes, Mirel with
// /quiet) are timed from process start to the end of the last process.
struct Timing
{
    bool ok = false;
    double total = 0;
    std::vector<double> parts;  // Mirel and the floor: the intervals summed into total
    int processes = 0;          // the silent sides: processes started
    std::string failure;
};

Timing Install(Side side, const BenchFolders& folders, const Distribution& distribution);
Timing Uninstall(Side side, const BenchFolders& folders);

// What a side must have done, by name; the names of the checks that failed.
std::vector<std::string> InstallationMisses(const BenchFolders& folders,
                                            const Distribution& distribution);
std::vector<std::string> UninstallationLeftovers(const BenchFolders& folders);

// Every trace of any side's installation gone, so that the next side starts from a clean machine.
void ClearInstallation(const BenchFolders& folders);

}  // namespace bench
