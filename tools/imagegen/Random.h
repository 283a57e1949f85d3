// A small seeded generator: the artwork's textures must come out the same on every run and every machine, which
// the standard library's distributions do not promise.
#pragma once

#include <cstdint>

class Random
{
public:
    explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

    uint32_t next()
    {
        // xorshift64*
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
    }

    // Uniform in [0, 1).
    double unit() { return next() / 4294967296.0; }
    // Uniform in [-1, 1).
    double signedUnit() { return 2.0 * unit() - 1.0; }

private:
    uint64_t state_;
};
