// Runs the picture generator itself: the same bytes on every run, every file
// in its agreed format, and --only for a quick subset.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

#include "expected_assets.h"
#include "image_headers.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGenerator = PICTURE_GENERATOR;

class GeneratorRun : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("picture_generator_test_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    // The generator's exit status.
    int Run(const fs::path& output, const std::string& extra = {}) const {
        const std::string command = "QT_QPA_PLATFORM=offscreen '" + kGenerator.string() + "' '" + output.string() + "' " +
                                    extra + " >'" + (root_ / "log").string() + "' 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static std::set<std::string> FilesIn(const fs::path& dir) {
        std::set<std::string> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir)) files.insert(entry.path().filename().string());
        return files;
    }

    fs::path root_;
};

TEST_F(GeneratorRun, TwoRunsWriteTheSameBytesInTheAgreedFormats) {
    ASSERT_EQ(Run(root_ / "first"), 0);
    ASSERT_EQ(Run(root_ / "second"), 0);
    std::set<std::string> agreed;
    for (const expected_assets::ExpectedAsset& asset : expected_assets::ExpectedAssets()) {
        agreed.insert(asset.file);
        const auto first = image_headers::ReadBytes(root_ / "first" / asset.file);
        const auto second = image_headers::ReadBytes(root_ / "second" / asset.file);
        ASSERT_FALSE(first.empty()) << asset.file;
        EXPECT_TRUE(first == second) << asset.file << " differs between runs";
        const auto mismatches = expected_assets::Mismatches(image_headers::ReadFacts(first), asset);
        EXPECT_TRUE(mismatches.empty()) << asset.file << ": " << (mismatches.empty() ? "" : mismatches.front());
    }
    EXPECT_EQ(FilesIn(root_ / "first"), agreed);
}

TEST_F(GeneratorRun, OnlyWritesTheNamedFiles) {
    ASSERT_EQ(Run(root_ / "some", "--only form6.bmp,picture1.gif"), 0);
    EXPECT_EQ(FilesIn(root_ / "some"), (std::set<std::string>{"form6.bmp", "picture1.gif"}));
}

TEST_F(GeneratorRun, RefusesAnUnknownPictureName) {
    EXPECT_NE(Run(root_ / "none", "--only form1.bmp"), 0);
    EXPECT_FALSE(fs::exists(root_ / "none" / "form1.bmp"));
}

}  // namespace
