#pragma once

#include <span>
#include <string>
#include <vector>

#include "image_headers.h"

// The agreed picture files of orvane: name, format, pixel size and depth.
namespace expected_assets {

struct ExpectedAsset {
    const char* file;
    image_headers::Kind kind;
    int width;
    int height;
    int bmpBits = 0;  // 24 or 8 for a BMP
};

std::span<const ExpectedAsset> ExpectedAssets();

// What in `facts` breaks the agreement; empty when the file is as agreed.
std::vector<std::string> Mismatches(const image_headers::ImageFacts& facts, const ExpectedAsset& expected);

}  // namespace expected_assets
