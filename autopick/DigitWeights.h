#pragma once

#include <array>
#include <cstdint>

namespace kazuyomi {

// Points a candidate digit earns when a digit was drawn at a place:
// table[candidate][place][drawn], place 0 the ones up to 3 the thousands.
using PointTable = std::array<std::array<std::array<int32_t, 10>, 4>, 10>;

// One table for each of the last three draws. No entry is negative.
struct DigitWeights {
    PointTable pointTable3Ago;
    PointTable pointTable2Ago;
    PointTable pointTableLast;
};

extern const DigitWeights digitWeights;

}  // namespace kazuyomi
