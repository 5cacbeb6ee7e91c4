// The setup's name and path decisions against models built on the path split into characters:
// the file name of a path, the installer's name, a shortcut's working directory, and whether a
// directory is fit for the installer to fill and the uninstaller to empty.
#include "FuzzTargets.h"
#include "Reference.h"
#include "setup/SetupPaths.h"

#include <ctype.h>

namespace {

bool IsSeparator(const std::string& character)
{
    return character == "\\" || character == "/";
}

std::string Join(const std::vector<std::string>& characters, size_t from, size_t to)
{
    std::string text;
    for (size_t i = from; i < to && i < characters.size(); ++i)
        text += characters[i];
    return text;
}

std::string ReferenceFileName(const std::string& path)
{
    const std::vector<std::string> characters = reference::Characters(path);
    size_t start = 0;
    for (size_t i = 0; i < characters.size(); ++i) {
        if (IsSeparator(characters[i]))
            start = i + 1;
    }
    return Join(characters, start, characters.size());
}

bool ReferenceIsInstallerName(const std::string& name)
{
    std::string folded = name;
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    // Only single-byte characters can spell the name, so folding every byte is safe when the
    // result is compared with it whole.
    return folded == "installer.exe" && reference::Characters(name).size() == name.size();
}

std::string ReferenceWorkingDirectory(const std::string& target)
{
    const std::vector<std::string> characters = reference::Characters(target);
    for (size_t i = characters.size(); i-- > 0;) {
        if (characters[i] == "\\")
            return Join(characters, 0, i);
    }
    return target;
}

// "X:\" or "\\server\share\" (its parts separated by backslashes only), then one or more folder
// names, separated by "\" or "/", none empty or ending in a dot or blank.
bool ReferenceIsUsable(const std::string& directory)
{
    const std::vector<std::string> c = reference::Characters(directory);
    auto at = [&](size_t i) { return i < c.size() ? c[i] : std::string(); };
    size_t rest;
    if (at(0).size() == 1 && isalpha(static_cast<unsigned char>(at(0)[0])) && at(1) == ":" &&
        at(2) == "\\") {
        rest = 3;
    } else if (at(0) == "\\" && at(1) == "\\") {
        size_t i = 2;
        size_t server = 0;
        while (i < c.size() && c[i] != "\\")
            ++i, ++server;
        if (server == 0 || i >= c.size())
            return false;
        size_t share = 0;
        for (++i; i < c.size() && c[i] != "\\"; ++i)
            ++share;
        if (share == 0 || i >= c.size())
            return false;
        rest = i + 1;
    } else {
        return false;
    }
    if (rest >= c.size())
        return false;
    std::string part;
    for (size_t i = rest; i <= c.size(); ++i) {
        if (i == c.size() || IsSeparator(c[i])) {
            if (part.empty() || part.back() == '.' || part.back() == ' ')
                return false;
            part.clear();
        } else {
            part += c[i];
        }
    }
    return true;
}

}  // namespace

void FuzzSetupPaths(const uint8_t* data, size_t size)
{
    const std::string path =
        reference::AsCString(std::string(reinterpret_cast<const char*>(data), size));
    const reference::ExactText exact(path);
    FUZZ_CHECK(ReferenceFileName(path) == static_cast<const char*>(FileNameOfPath(exact.Get())));
    FUZZ_CHECK(IsInstallerName(exact.Get()) == ReferenceIsInstallerName(path));
    FUZZ_CHECK(ReferenceWorkingDirectory(path) ==
               static_cast<const char*>(WorkingDirectoryOf(exact.Get())));
    FUZZ_CHECK(IsUsableInstallationDirectory(exact.Get()) == ReferenceIsUsable(path));
}
