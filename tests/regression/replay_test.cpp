// Every file of fuzz/corpus/<target>/ and fuzz/regressions/<target>/ run
// through its fuzz target's checks: a seed or an input that once failed must
// keep passing in the ordinary build.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/faults.h"
#include "fuzz/checks.h"
#include "fuzz/targets.h"

namespace {

namespace fs = std::filesystem;

const fs::path kFuzzDirectory = FUZZ_DIRECTORY;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> FilesOf(const fs::path& folder) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// One failure per file, naming the file and what broke.
void Replay(const fuzz::Target& target, const fs::path& file) {
    SCOPED_TRACE(file.string());
    try {
        target.run(ReadBytes(file));
    } catch (const fuzz::CheckFailure& failure) {
        ADD_FAILURE() << "property broken: " << failure.what();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "unexpected exception: " << e.what();
    }
}

class ReplayTest : public testing::TestWithParam<fuzz::Target> {};

TEST_P(ReplayTest, SeedsAndRegressionsPass) {
    const fuzz::Target& target = GetParam();
    const std::vector<fs::path> seeds = FilesOf(kFuzzDirectory / "corpus" / std::string(target.name));
    EXPECT_FALSE(seeds.empty()) << "no seed corpus for " << target.name;
    for (const auto& file : seeds) Replay(target, file);
    for (const auto& file : FilesOf(kFuzzDirectory / "regressions" / std::string(target.name))) Replay(target, file);
}

INSTANTIATE_TEST_SUITE_P(Targets, ReplayTest, testing::ValuesIn(fuzz::Targets().begin(), fuzz::Targets().end()),
                         [](const testing::TestParamInfo<fuzz::Target>& info) { return std::string(info.param.name); });

// A folder named after no target would never be replayed.
TEST(ReplayFolders, EveryFolderNamesATarget) {
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path root = kFuzzDirectory / kind;
        if (!fs::is_directory(root)) continue;
        for (const auto& entry : fs::directory_iterator(root)) {
            if (entry.is_directory()) {
                EXPECT_NE(fuzz::FindTarget(entry.path().filename().string()), nullptr) << entry.path();
            }
        }
    }
}

// The checks themselves must catch what they are there to catch.
TEST(ReplayChecks, BrokenPropertiesAreReported) {
    EXPECT_THROW(fuzz::CheckNumberTextForm(-0.0, "-0"), fuzz::CheckFailure);
    EXPECT_THROW(fuzz::CheckNumberTextForm(1e15, "1000000000000000"), fuzz::CheckFailure);
    EXPECT_THROW(fuzz::CheckNumberTextForm(0.00001, "0.00001"), fuzz::CheckFailure);
    EXPECT_THROW(fuzz::CheckNumberTextForm(1.0 / 3, "0.3333333333333333"), fuzz::CheckFailure);
    EXPECT_THROW(fuzz::CheckNumberTextForm(1.5, "1,5"), fuzz::CheckFailure);
    EXPECT_THROW(fuzz::CheckNumberTextForm(1e100, "1E+0100"), fuzz::CheckFailure);
    EXPECT_NO_THROW(fuzz::CheckNumberTextForm(1e100, "1E+100"));
    EXPECT_NO_THROW(fuzz::CheckNumberTextForm(0.000012345, "1.2345E-05"));

    fuzz::RecordingNotice notice;
    EXPECT_NO_THROW(notice(fuzz::kInvalidInnerVlan));
    EXPECT_THROW(notice("Please enter the Valid Inner VLAN"), fuzz::CheckFailure);
}

}  // namespace
