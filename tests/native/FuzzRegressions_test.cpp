// Every saved fuzz input (the seeds and every input that once broke a property) replayed
// through its target's entry point.
#include "tests/fuzz/FuzzTargets.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

void FuzzCheckFailed(const char* condition, const char* file, int line)
{
    throw std::runtime_error(std::string(file) + ":" + std::to_string(line) + ": " + condition);
}

namespace {

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != ".." && name[0] != '.')
                files.push_back(folder + "/" + name);
        }
        closedir(dir);
    }
    return files;
}

}  // namespace

TEST(FuzzRegressionsTest, SavedInputsKeepEveryProperty)
{
    size_t replayed = 0;
    for (size_t t = 0; t < kFuzzTargetCount; ++t) {
        const FuzzTarget& target = kFuzzTargets[t];
        for (const char* kind : {"seeds", "regressions"}) {
            for (const std::string& path :
                 FilesIn(std::string(MIREL_FUZZ_DIR) + "/" + kind + "/" + target.name)) {
                std::ifstream file(path, std::ios::binary);
                const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                              std::istreambuf_iterator<char>());
                try {
                    target.run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
                } catch (const std::exception& failure) {
                    ADD_FAILURE() << path << ": " << failure.what();
                }
                ++replayed;
            }
        }
    }
    EXPECT_GT(replayed, 0u) << "no seeds found under " << MIREL_FUZZ_DIR;
}
