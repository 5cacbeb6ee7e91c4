#!/usr/bin/env python3
"""Plants realistic faults in the product, one at a time, and records which tests catch each.

Run by hand from the repository's root, never by CI (it takes a while: a rebuild and the whole
suite per fault):   tools/plant-faults.py [fault-id ...]
Each fault is a small edit of one product file, found by its name; the edit must apply exactly
once. The product is restored after every fault, also when the run is interrupted. Prints one
line per fault: its id, what it breaks, and the tests that failed ("NOT CAUGHT" when none did).
"""
import os, re, subprocess, sys, glob

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PRODUCT = ('base', 'framework', 'support', 'setup', 'sheet', 'app', 'res')

# id, what the fault does, [(file name, exact old text, new text), ...]
FAULTS = [
    ('filter2-field', 'a Filter 2 list bound to the wrong field',
     [('PPFilter2.cpp', '{IDC_F2_REGION, &CommonData::nRegion}',
       '{IDC_F2_REGION, &CommonData::nBidderLimit}')]),
    ('threshold-enable', 'a threshold field enabled when its box is unchecked',
     [('PPFilter1.cpp', 'checked != BST_UNCHECKED', 'checked == BST_UNCHECKED')]),
    ('rating-rule', 'no selection in the rating list disables the colour controls',
     [('PPFilter1.cpp', 'if (rating == kRatingNotExtracted)', 'if (rating != 1)')]),
    ('minus-sign', 'a negative threshold read as positive',
     [('NumberField.cpp', 'negative ? -magnitude : magnitude', 'magnitude')]),
    ('trail-byte-blank', 'the highlight clean-up walks bytes and takes a trail byte for a blank',
     [('HighLightText.cpp', 'const size_t step = CharLength(p);',
       "const size_t step = (p[0] == '\\x81' && p[1] == '\\x40') ? 2 : 1;")]),
    ('highlight-limit', 'the highlight field takes 4096 bytes',
     [('PPHighLight.cpp', 'kHighLightTextLimit = 2048', 'kHighLightTextLimit = 4096')]),
    ('main-normalise', 'the Main page stores the display position the wrong way round',
     [('PPMain.cpp', 'IDC_MAIN_DISP_BEFORE) == BST_CHECKED ? 0 : 1',
       'IDC_MAIN_DISP_BEFORE) == BST_CHECKED ? 1 : 0')]),
    ('store-type', 'a value of the wrong type is loaded',
     [('RegistryKey.h', 'type != REG_DWORD || size != sizeof(read)', 'size != sizeof(read)')]),
    ('store-field-missing', 'a reserved field is not stored',
     [('RecordFields.cpp', 'FIELD(nReserved5),', '')]),
    ('cancel-saves', 'closing the sheet counts as OK',
     [('PropertySheet.cpp', 'propertySheetResult > 0 ? IDOK : IDCANCEL',
       'propertySheetResult >= 0 ? IDOK : IDCANCEL')]),
    ('lists-empty', 'the drop-down lists are not filled from the templates',
     [('Dialog.cpp', 'if (record.message != kDialogInitComboAddString)',
       'if (record.message == kDialogInitComboAddString)')]),
    ('single-copy', 'a second copy starts',
     [('MirelSetupApp.cpp', 'if (::GetLastError() == ERROR_ALREADY_EXISTS)', 'if (false)')]),
    ('installer-case', 'only "installer.exe" in lower case installs',
     [('SetupPaths.cpp', 'return CompareNamesIgnoreCase(fileName, kInstallerName) == 0;',
       'return strcmp(fileName, kInstallerName) == 0;')]),
    ('last-backslash', 'the last backslash is searched byte by byte',
     [('Mbcs.cpp', '''    int found = -1;
    for (const char* p = text; *p != '\\0'; p += CharLength(p)) {''', '''    int found = -1;
    for (const char* p = text; *p != '\\0'; ++p) {''')]),
    ('copy-source-cwd', 'the installer copies its current directory',
     [('Installer.cpp', 'InstallFiles(WorkingDirectoryOf(path))', 'InstallFiles(".")')]),
    ('copy-failure-success', 'a failed copy is reported as success',
     [('Installer.cpp', 'if (!failed.IsEmpty()) {', 'if (false) {')]),
    ('old-module-loud', 'an old module refusing its unregistration alarms the upgrade',
     [('AddInRegistration.cpp', 'RunEntryPoint(kUnregister.entryPoint) == Outcome::NotLoaded',
       'RunEntryPoint(kUnregister.entryPoint) != Outcome::Done')]),
    ('best-fit-names', 'names are listed through the code page\'s best fit',
     [('TextConversion.h', 'DWORD flags = WC_NO_BEST_FIT_CHARS;', 'DWORD flags = 0;'),
      ('TextConversion.h', 'return back.IsValid() && wcscmp(back.Get(), wide) == 0;', 'return true;'),
      ('ExactNames.cpp', ' && IsPlainEntryName(m_name)', '')]),
    ('shortcut-workdir', 'a shortcut without its working directory',
     [('Shortcuts.cpp', 'link->SetWorkingDirectory(workingDirectory);', '')]),
    ('registration-value', 'the add-in registered with the wrong threading model',
     [('Registration.cpp', '"ThreadingModel", REG_SZ, "Apartment"', '"ThreadingModel", REG_SZ, "Both"')]),
    ('file-left-behind', 'files in use are neither deleted nor scheduled',
     [('Uninstaller.cpp', 'held.LeaveAllToRestart(directory, removal);', '')]),
    ('restart-takes-reinstall', 'held files are scheduled under their own names',
     [('Uninstaller.cpp', 'if (::MoveFileExA(path, unique, MOVEFILE_REPLACE_EXISTING)) {',
       'if (::DeleteFileA(unique) && ::MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {\n'
       '            removal.restartNeeded = true;\n            return;\n        }\n        if (false) {')]),
    ('registration-orphaned', 'a module that cannot be loaded leaves the add-in registered',
     [('AddInRegistration.cpp', 'const HMODULE own = ImportedSupportLibrary();',
       'const HMODULE own = nullptr;')]),
    ('entry-removed-first', 'the list entry goes although the removal is to be repeated',
     [('Uninstaller.cpp', 'repeatable ? !HasUninstallEntry() : RemoveUninstallEntry()',
       'RemoveUninstallEntry()')]),
    ('shortcuts-per-user', 'the shortcuts go to the installing user\'s own folders',
     [('Installer.cpp', '{CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_PROGRAMS}',
       '{CSIDL_DESKTOP, CSIDL_PROGRAMS}')]),
    ('shortcut-failure-success', 'a missing shortcut is reported as success',
     [('Installer.cpp', 'if (!failed.IsEmpty() || !shortcutsFailed.IsEmpty() || registered == 0)',
       'if (!failed.IsEmpty() || registered == 0)')]),
    ('uninstall-exit', 'the uninstaller ends with exit code 0',
     [('Uninstaller.cpp', 'exit(-1);', 'exit(0);')]),
    ('uninstall-string', 'the list entry\'s uninstall command without quotes',
     [('UninstallEntry.cpp', 'StrFormat("\\"%s\\" /uninstall"', 'StrFormat("%s /uninstall"')]),
    ('factory-unload', 'a held class factory lets the module unload',
     [('AddInFactory.cpp', '    ModuleLock();\n    return', '    return')]),
    ('desktop-shell', 'the link labels miss the desktop shell and open the address elevated',
     [('DesktopShell.cpp', 'SWC_DESKTOP', 'SWC_BROWSER')]),
]


def product_file(name):
    hits = [p for folder in PRODUCT for p in glob.glob(os.path.join(ROOT, folder, '**', name),
                                                       recursive=True)]
    if len(hits) != 1:
        sys.exit(f'plant-faults: {name} found {len(hits)} times')
    return hits[0]


def run(command):
    result = subprocess.run(['bash', '-c', command], cwd=ROOT, capture_output=True)
    return result.returncode, (result.stdout + result.stderr).decode('utf-8', 'replace')


# The suite without what a planted fault cannot change (the packages, the reproducibility and
# release checks): native tests, then every Windows test under Wine in a prefix of its own, on
# the Windows build the machine runs (the 64-bit test build where 32-bit programs cannot run).
SUITE = """
set -u
status=0
ctest --test-dir build/native --output-on-failure || status=1
source tools/wine-env.sh
trap wine_env_leave EXIT
kind=$(wine_build_kind) || exit 2
wine_use "$kind"
xvfb_start >/dev/null && wine_env_enter build/wine-faults >/dev/null 2>&1 || exit 2
ctest --test-dir "$(wine_build_dir "$kind")" --output-on-failure --timeout 600 || status=1
exit $status
"""
# The Windows build the suite runs: tools/build's name for it.
BUILD = """source tools/wine-env.sh && kind=$(wine_build_kind) && dir=$(wine_build_dir "$kind") &&
tools/build "${dir#build/}" >/dev/null 2>&1 && tools/build native >/dev/null 2>&1"""


def failed_tests(output):
    names = set(re.findall(r'^\[  FAILED  \] (\S+?)(?: \(|,|$)', output, re.M))
    names |= {'layers' for _ in re.findall(r'Test +#\d+: layers \.+\*+Failed', output)}
    if re.search(r'\*\*\*(Failed|Timeout|Exception)', output) and not names:
        names.add('(a test program crashed or timed out)')
    return sorted(names)


def main():
    chosen = [f for f in FAULTS if len(sys.argv) == 1 or f[0] in sys.argv[1:]]
    run('rm -rf build/wine-faults')
    for fault_id, what, edits in chosen:
        originals = {}
        try:
            for name, old, new in edits:
                path = product_file(name)
                text = originals.setdefault(path, open(path, encoding='utf-8').read())
                current = open(path, encoding='utf-8').read()
                if current.count(old) != 1:
                    sys.exit(f'plant-faults: {fault_id}: the text to change is not once in {name}')
                open(path, 'w', encoding='utf-8').write(current.replace(old, new))
            built, _ = run(BUILD)
            if built != 0:
                print(f'{fault_id:24} {what}: does not build (the compiler catches it)', flush=True)
                continue
            _, output = run(SUITE)
            caught = failed_tests(output)
            print(f'{fault_id:24} {what}: {", ".join(caught) if caught else "NOT CAUGHT"}',
                  flush=True)
        finally:
            for path, text in originals.items():
                open(path, 'w', encoding='utf-8').write(text)
    run(BUILD)


if __name__ == '__main__':
    main()
