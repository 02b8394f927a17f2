#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kazuyomi {

struct DrawEvaluation {
    std::array<int32_t, 10> points;          // index = digit
    std::array<int32_t, 10> ranking;         // digits, best first
    std::array<std::string, 35> suggestions; // four digits each, in label order
};

// Scores the ten digits from the winning numbers of the last three draws, thousands digit first.
// No result unless each text is exactly four ASCII digits; an empty text is the common case.
std::optional<DrawEvaluation> evaluateDraws(std::string_view draw3Ago, std::string_view draw2Ago,
                                            std::string_view drawLast);

}  // namespace kazuyomi
