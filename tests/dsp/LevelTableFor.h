// A table of level bounds for one exponent, built from levels computed one at a time.
#pragma once

#include <vector>

#include "effect/dsp/EnvelopeDetector.h"
#include "effect/dsp/LevelTable.h"

namespace testsignals
{
inline dsp::LevelTable levelTableFor(double a)
{
    std::vector<double> tops(dsp::LevelTable::kCells);
    std::vector<double> levels(tops.size());
    dsp::LevelTable::tops(0, dsp::LevelTable::kCells, tops.data());
    for (size_t i = 0; i < tops.size(); ++i)
        levels[i] = dsp::detectorLevel(tops[i], a);
    dsp::LevelTable table;
    table.set(a, 0, dsp::LevelTable::kCells, tops.data(), levels.data());
    return table;
}
}  // namespace testsignals
