// Renders shared between builds: the native build writes them (QOR_REFERENCE_MODE=write), the Windows builds,
// run under Wine, compare against them (QOR_REFERENCE_MODE=compare). QOR_REFERENCE_DIR names the folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace referencefiles
{
inline std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Little-endian float64 samples, the same on every build.
inline std::vector<uint8_t> asBytes(const std::vector<double>& samples)
{
    std::vector<uint8_t> bytes(samples.size() * 8);
    for (size_t i = 0; i < samples.size(); ++i)
    {
        uint64_t bits;
        std::memcpy(&bits, &samples[i], 8);
        for (int b = 0; b < 8; ++b)
            bytes[i * 8 + b] = static_cast<uint8_t>(bits >> (8 * b));
    }
    return bytes;
}

inline std::vector<double> asSamples(const std::vector<uint8_t>& bytes)
{
    std::vector<double> samples(bytes.size() / 8);
    for (size_t i = 0; i < samples.size(); ++i)
    {
        uint64_t bits = 0;
        for (int b = 0; b < 8; ++b)
            bits |= uint64_t(bytes[i * 8 + b]) << (8 * b);
        std::memcpy(&samples[i], &bits, 8);
    }
    return samples;
}

inline bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

inline std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The folder and mode from the environment; empty when the run shares no renders.
struct Exchange
{
    std::string mode = environment("QOR_REFERENCE_MODE");
    std::string directory = environment("QOR_REFERENCE_DIR");

    bool active() const { return !mode.empty() && !directory.empty(); }

    // Writes or compares; answers the reference when comparing.
    std::vector<uint8_t> operator()(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        const std::string path = directory + "/" + name;
        if (mode == "write")
        {
            EXPECT_TRUE(writeFile(path, bytes)) << path;
            return bytes;
        }
        std::vector<uint8_t> reference = readFile(path);
        EXPECT_FALSE(reference.empty()) << "missing reference " << path;
        return reference;
    }

    std::vector<double> samples(const std::string& name, const std::vector<double>& values) const
    {
        return asSamples((*this)(name, asBytes(values)));
    }
};
}  // namespace referencefiles
