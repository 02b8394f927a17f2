// The draw evaluation on three arbitrary texts.
//
// Input: the first text's length, the first text, the second text's length, the second text,
// then the third text as the rest (lengths as ByteReader::lengthPrefixed reads them).

#include "autopick/DigitWeights.h"
#include "autopick/DrawEvaluation.h"
#include "fuzz/ByteReader.h"
#include "fuzz/FuzzCheck.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

using kazuyomi::fuzz::require;

constexpr std::array<int32_t, 10> highestPoints = {900, 1075, 975, 1100, 1150,
                                                   900, 900,  1050, 1000, 1225};

KAZUYOMI_FUZZ_CHECK bool isDraw(std::string_view text)
{
    return text.size() == 4 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Character 1 is the thousands (place 3), character 4 the ones (place 0).
KAZUYOMI_FUZZ_CHECK int32_t twelveEntries(std::size_t candidate,
                                          const std::array<std::string_view, 3>& draws)
{
    const std::array<const kazuyomi::PointTable*, 3> tables = {
        &kazuyomi::digitWeights.pointTable3Ago, &kazuyomi::digitWeights.pointTable2Ago,
        &kazuyomi::digitWeights.pointTableLast};
    int32_t sum = 0;
    for (std::size_t draw = 0; draw < 3; ++draw) {
        for (std::size_t character = 0; character < 4; ++character) {
            const auto drawn = static_cast<std::size_t>(draws[draw][character] - '0');
            sum += (*tables[draw])[candidate][3 - character][drawn];
        }
    }
    return sum;
}

KAZUYOMI_FUZZ_CHECK void checkEvaluation(const kazuyomi::DrawEvaluation& evaluation,
                                         const std::array<std::string_view, 3>& draws)
{
    for (std::size_t digit = 0; digit < 10; ++digit) {
        const int32_t points = evaluation.points[digit];
        require(points == twelveEntries(digit, draws),
                "a score is the sum of its twelve table entries");
        require(points >= 0 && points <= 1225, "every score lies within 0..1225");
        require(points <= highestPoints[digit], "no score exceeds its digit's highest");
    }

    std::array<bool, 10> ranked{};
    for (const int32_t digit : evaluation.ranking) {
        require(digit >= 0 && digit <= 9, "the ranking holds digits");
        require(!ranked[static_cast<std::size_t>(digit)], "the ranking holds every digit once");
        ranked[static_cast<std::size_t>(digit)] = true;
    }
    for (std::size_t i = 1; i < 10; ++i) {
        const int32_t before = evaluation.ranking[i - 1];
        const int32_t after = evaluation.ranking[i];
        const int32_t pointsBefore = evaluation.points[static_cast<std::size_t>(before)];
        const int32_t pointsAfter = evaluation.points[static_cast<std::size_t>(after)];
        require(pointsBefore > pointsAfter || (pointsBefore == pointsAfter && before < after),
                "the ranking runs by descending score, the lower digit first on a tie");
    }

    // Rank position of every digit, to read a suggestion back as four positions.
    std::array<std::size_t, 10> position{};
    for (std::size_t i = 0; i < 10; ++i) {
        position[static_cast<std::size_t>(evaluation.ranking[i])] = i;
    }
    std::array<std::size_t, 4> previous{};
    for (std::size_t k = 0; k < evaluation.suggestions.size(); ++k) {
        const std::string_view suggestion = evaluation.suggestions[k];
        require(isDraw(suggestion), "a suggestion is four digit characters");
        std::array<bool, 10> used{};
        std::array<std::size_t, 4> positions{};
        for (std::size_t place = 0; place < 4; ++place) {
            const auto digit = static_cast<std::size_t>(suggestion[place] - '0');
            require(!used[digit], "a suggestion has four different digits");
            used[digit] = true;
            positions[place] = position[digit];
            require(positions[place] < 7, "a suggestion uses the seven best-ranked digits");
            require(place == 0 || positions[place - 1] < positions[place],
                    "a suggestion's digits stand in rank order");
        }
        // Increasing position tuples are distinct suggestions, so 35 of them are every choice.
        require(k == 0 || previous < positions,
                "the suggestions are distinct, in lexicographic order of rank positions");
        previous = positions;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    kazuyomi::fuzz::ByteReader input(data, size);
    const std::string_view draw3Ago = input.lengthPrefixed();
    const std::string_view draw2Ago = input.lengthPrefixed();
    const std::string_view drawLast = input.remainder();

    const std::optional<kazuyomi::DrawEvaluation> evaluation =
        kazuyomi::evaluateDraws(draw3Ago, draw2Ago, drawLast);
    require(evaluation.has_value() == (isDraw(draw3Ago) && isDraw(draw2Ago) && isDraw(drawLast)),
            "a result exists exactly when each text is four ASCII digits");
    if (evaluation) checkEvaluation(*evaluation, {draw3Ago, draw2Ago, drawLast});
    return 0;
}
