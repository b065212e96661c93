#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Reads what an image file says about itself in its own header bytes,
// independently of any image library.
namespace image_headers {

enum class Kind { Unknown, Bmp, Gif, Jpeg };

struct ImageFacts {
    Kind kind = Kind::Unknown;
    int width = 0;
    int height = 0;
    // BMP: biBitCount and biCompression, colours in the palette.
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    int paletteColours = 0;
    // GIF: image descriptors in the file.
    int frames = 0;
    // JPEG: the start-of-frame marker (0xC0 for baseline) and its components.
    int startOfFrame = 0;
    int components = 0;
    std::vector<int> componentIds;
    std::string problem;  // empty when the header reads cleanly
};

std::vector<unsigned char> ReadBytes(const std::filesystem::path& file);
ImageFacts ReadFacts(const std::vector<unsigned char>& bytes);

}  // namespace image_headers
