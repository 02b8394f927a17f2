#include "autopick/DrawEvaluation.h"

#include "autopick/DigitWeights.h"

#include <algorithm>

namespace kazuyomi {

namespace {

constexpr std::size_t drawLength = 4;
constexpr int rankedForSuggestions = 7;

bool isDraw(std::string_view text)
{
    return text.size() == drawLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Position 1 of the text is the thousands (place 3), position 4 the ones (place 0).
void addDraw(std::array<int32_t, 10>& points, const PointTable& table, std::string_view draw)
{
    for (std::size_t candidate = 0; candidate < points.size(); ++candidate) {
        for (std::size_t position = 0; position < drawLength; ++position) {
            const std::size_t place = drawLength - 1 - position;
            const auto drawn = static_cast<std::size_t>(draw[position] - '0');
            points[candidate] += table[candidate][place][drawn];
        }
    }
}

// Selection passes: the highest remaining score wins, the lower digit on a tie. Scores are never
// negative, so -1 marks a digit as taken.
std::array<int32_t, 10> rank(const std::array<int32_t, 10>& points)
{
    std::array<int32_t, 10> work = points;
    std::array<int32_t, 10> ranking{};
    for (std::size_t pass = 0; pass < ranking.size(); ++pass) {
        std::size_t best = 0;
        for (std::size_t digit = 0; digit < work.size(); ++digit) {
            if (work[best] < work[digit]) best = digit;
        }
        ranking[pass] = static_cast<int32_t>(best);
        work[best] = -1;
    }
    return ranking;
}

char digitChar(int32_t digit) { return static_cast<char>('0' + digit); }

// Every choice of four of the seven best ranks, in lexicographic order, digits in rank order.
void suggest(const std::array<int32_t, 10>& ranking, std::array<std::string, 35>& suggestions)
{
    std::size_t next = 0;
    for (int p1 = 0; p1 < rankedForSuggestions; ++p1) {
        for (int p2 = p1 + 1; p2 < rankedForSuggestions; ++p2) {
            for (int p3 = p2 + 1; p3 < rankedForSuggestions; ++p3) {
                for (int p4 = p3 + 1; p4 < rankedForSuggestions; ++p4) {
                    // The "%04d" text of the number these four digits make, without the cost of
                    // formatting it 35 times.
                    suggestions[next++] = {digitChar(ranking[p1]), digitChar(ranking[p2]),
                                           digitChar(ranking[p3]), digitChar(ranking[p4])};
                }
            }
        }
    }
}

}  // namespace

std::optional<DrawEvaluation> evaluateDraws(std::string_view draw3Ago, std::string_view draw2Ago,
                                            std::string_view drawLast)
{
    if (!isDraw(draw3Ago) || !isDraw(draw2Ago) || !isDraw(drawLast)) return std::nullopt;

    // Filled where it is returned: 35 texts are not worth copying.
    std::optional<DrawEvaluation> result(std::in_place);
    DrawEvaluation& evaluation = *result;
    evaluation.points.fill(0);
    addDraw(evaluation.points, digitWeights.pointTable3Ago, draw3Ago);
    addDraw(evaluation.points, digitWeights.pointTable2Ago, draw2Ago);
    addDraw(evaluation.points, digitWeights.pointTableLast, drawLast);
    evaluation.ranking = rank(evaluation.points);
    suggest(evaluation.ranking, evaluation.suggestions);
    return result;
}

}  // namespace kazuyomi
