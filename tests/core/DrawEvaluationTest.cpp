#include "autopick/DrawEvaluation.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace kazuyomi {
namespace {

using namespace std::string_literals;

// The suggestions are every choice of four of the seven best ranks, digits in rank order, the
// choices in lexicographic order of their rank positions.
void expectSuggestionsFromRanking(const DrawEvaluation& evaluation)
{
    const auto& ranking = evaluation.ranking;
    std::array<int, 10> rankOf{};
    for (std::size_t position = 0; position < ranking.size(); ++position) {
        rankOf[static_cast<std::size_t>(ranking[position])] = static_cast<int>(position);
    }

    std::set<std::string> distinct;
    std::array<int, 4> previous = {-1, -1, -1, -1};
    for (std::size_t k = 0; k < evaluation.suggestions.size(); ++k) {
        const std::string& text = evaluation.suggestions[k];
        SCOPED_TRACE("kai_" + std::to_string(k + 1) + " = " + text);
        ASSERT_EQ(text.size(), 4u);
        std::array<int, 4> positions{};
        for (std::size_t i = 0; i < 4; ++i) {
            ASSERT_TRUE(text[i] >= '0' && text[i] <= '9');
            positions[i] = rankOf[static_cast<std::size_t>(text[i] - '0')];
            EXPECT_LT(positions[i], 7) << "digit outside the seven best";
            if (i > 0) {
                EXPECT_LT(positions[i - 1], positions[i]) << "digits not in rank order";
            }
        }
        EXPECT_LT(previous, positions) << "not in lexicographic order";
        previous = positions;
        distinct.insert(text);
    }
    EXPECT_EQ(distinct.size(), 35u);

    const auto digits = [&](std::initializer_list<std::size_t> positions) {
        std::string text;
        for (const std::size_t p : positions) text += static_cast<char>('0' + ranking[p]);
        return text;
    };
    EXPECT_EQ(evaluation.suggestions.front(), digits({0, 1, 2, 3}));
    EXPECT_EQ(evaluation.suggestions.back(), digits({3, 4, 5, 6}));
}

struct WorkedCase {
    std::string name;
    std::string draw3Ago, draw2Ago, drawLast;
    std::array<int32_t, 10> points;
    std::array<int32_t, 10> ranking;
    std::map<int, std::string> labels;  // kai_NN -> text
    friend void PrintTo(const WorkedCase& row, std::ostream* os) { *os << row.name; }
};

class WorkedEvaluation : public testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedEvaluation, ScoresRanksAndSuggests)
{
    const WorkedCase& row = GetParam();
    const auto evaluation = evaluateDraws(row.draw3Ago, row.draw2Ago, row.drawLast);
    ASSERT_TRUE(evaluation.has_value());
    EXPECT_EQ(evaluation->points, row.points);
    EXPECT_EQ(evaluation->ranking, row.ranking);
    for (const auto& [label, text] : row.labels) {
        EXPECT_EQ(evaluation->suggestions[static_cast<std::size_t>(label - 1)], text) << "kai_" << label;
    }
    expectSuggestionsFromRanking(*evaluation);
}

TEST_P(WorkedEvaluation, SameDrawsGiveTheSameResult)
{
    const WorkedCase& row = GetParam();
    const auto first = evaluateDraws(row.draw3Ago, row.draw2Ago, row.drawLast);
    const auto second = evaluateDraws(row.draw3Ago, row.draw2Ago, row.drawLast);
    ASSERT_TRUE(first.has_value() && second.has_value());
    EXPECT_EQ(first->points, second->points);
    EXPECT_EQ(first->ranking, second->ranking);
    EXPECT_EQ(first->suggestions, second->suggestions);
}

INSTANTIATE_TEST_SUITE_P(DrawEvaluation, WorkedEvaluation,
    testing::Values(
        WorkedCase{"TiesRankLowerDigitFirst", "1234", "5678", "9012",
                   {275, 250, 100, 250, 375, 200, 575, 375, 325, 325},
                   {6, 4, 7, 8, 9, 0, 1, 3, 5, 2},
                   {{1, "6478"}, {10, "6401"}, {21, "4789"}, {31, "7890"}, {35, "8901"}}},
        WorkedCase{"AllZerosKeepsLeadingZero", "0000", "0000", "0000",
                   {600, 550, 650, 500, 800, 575, 600, 600, 475, 600},
                   {4, 2, 0, 6, 7, 9, 5, 1, 3, 8},
                   {{1, "4206"}, {21, "2067"}, {31, "0679"}}},
        WorkedCase{"AllNines", "9999", "9999", "9999",
                   {375, 325, 250, 225, 275, 275, 325, 375, 525, 225},
                   {8, 0, 7, 1, 6, 4, 5, 2, 3, 9},
                   {{1, "8071"}, {21, "0716"}, {35, "1645"}}},
        WorkedCase{"DigitScoringZeroRanksLast", "3333", "1111", "6666",
                   {200, 0, 300, 175, 150, 400, 225, 150, 250, 300},
                   {5, 2, 9, 8, 6, 0, 3, 4, 7, 1},
                   {{1, "5298"}, {35, "8603"}}}),
    rowName<WorkedCase>);

// Over many draws: the ranking is the digits by falling score, ties lower digit first, and the
// suggestions follow from it.
TEST(DrawEvaluation, RankingAndSuggestionsHoldForManyDraws)
{
    const std::array<std::string, 6> draws = {"0000", "1234", "9876", "5050", "0917", "4444"};
    for (const auto& a : draws) {
        for (const auto& b : draws) {
            for (const auto& c : draws) {
                SCOPED_TRACE(a + " " + b + " " + c);
                const auto evaluation = evaluateDraws(a, b, c);
                ASSERT_TRUE(evaluation.has_value());
                std::array<int32_t, 10> expected = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
                std::stable_sort(expected.begin(), expected.end(), [&](int32_t x, int32_t y) {
                    return evaluation->points[static_cast<std::size_t>(x)] >
                           evaluation->points[static_cast<std::size_t>(y)];
                });
                EXPECT_EQ(evaluation->ranking, expected);
                expectSuggestionsFromRanking(*evaluation);
            }
        }
    }
}

struct NoResultCase {
    std::string name;
    std::string text;
    friend void PrintTo(const NoResultCase& row, std::ostream* os) { *os << row.name; }
};

class NoResult : public testing::TestWithParam<NoResultCase> {};

TEST_P(NoResult, InAnyPosition)
{
    const std::string& bad = GetParam().text;
    EXPECT_FALSE(evaluateDraws(bad, "1234", "5678").has_value()) << "as 3回前";
    EXPECT_FALSE(evaluateDraws("1234", bad, "5678").has_value()) << "as 2回前";
    EXPECT_FALSE(evaluateDraws("1234", "5678", bad).has_value()) << "as 前回";
}

INSTANTIATE_TEST_SUITE_P(DrawEvaluation, NoResult,
    testing::Values(
        NoResultCase{"Empty", ""},
        NoResultCase{"OneDigit", "1"},
        NoResultCase{"ThreeDigits", "123"},
        NoResultCase{"Letter", "12a4"},
        NoResultCase{"Blank", "12 4"},
        NoResultCase{"Sign", "-123"},
        NoResultCase{"FullWidthDigits", "１２３４"},
        NoResultCase{"FiveDigits", "12345"},
        NoResultCase{"NulByte", "12\0"s "4"},
        NoResultCase{"InvalidUtf8", "\xFF\xFE\xC0\x80"},
        NoResultCase{"SlashJustBelowZero", "12/4"},
        NoResultCase{"ColonJustAboveNine", "12:4"}),
    rowName<NoResultCase>);

TEST(DrawEvaluation, NoResultWhenAllEmpty)
{
    EXPECT_FALSE(evaluateDraws("", "", "").has_value());
}

}  // namespace
}  // namespace kazuyomi
