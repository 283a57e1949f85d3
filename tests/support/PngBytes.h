// PNG bytes of an image, through the backend's own writer, so the decoder reads them back as it reads the product's
// images. Test support.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "gui/IOffscreenSurface.h"
#include "gui/RgbaImage.h"

namespace testsupport {

inline std::vector<uint8_t> pngBytes(const RgbaImage& image, const std::string& name)
{
    // Test cases run in processes of their own, several at once: the file name must be this process's own.
    static const std::string unique = std::to_string(std::random_device{}());
    static int counter = 0;
    const std::string path =
        ::testing::TempDir() + "qor_" + name + "_" + unique + "_" + std::to_string(++counter) + ".png";
    std::vector<uint8_t> bytes;
    if (!writePngFile(image, path))
        return bytes;
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    in.close();
    std::remove(path.c_str());
    return bytes;
}

}  // namespace testsupport
