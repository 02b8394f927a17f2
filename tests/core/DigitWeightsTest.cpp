#include "autopick/DigitWeights.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>

namespace kazuyomi {
namespace {

struct TableFacts {
    std::string name;
    const PointTable* table;
    int32_t total;
    std::array<int32_t, 4> perPlace;      // ones, tens, hundreds, thousands
    std::array<int32_t, 10> perCandidate;
    std::map<int32_t, int> frequencies;   // value -> how many of the 400 entries hold it
    friend void PrintTo(const TableFacts& row, std::ostream* os) { *os << row.name; }
};

class WeightTable : public testing::TestWithParam<TableFacts> {};

TEST_P(WeightTable, SumsMatch)
{
    const PointTable& table = *GetParam().table;
    int32_t total = 0;
    std::array<int32_t, 4> perPlace{};
    std::array<int32_t, 10> perCandidate{};
    for (std::size_t candidate = 0; candidate < 10; ++candidate) {
        for (std::size_t place = 0; place < 4; ++place) {
            for (const int32_t entry : table[candidate][place]) {
                total += entry;
                perPlace[place] += entry;
                perCandidate[candidate] += entry;
            }
        }
    }
    EXPECT_EQ(total, GetParam().total);
    EXPECT_EQ(perPlace, GetParam().perPlace);
    EXPECT_EQ(perCandidate, GetParam().perCandidate);
}

TEST_P(WeightTable, HoldsOnlyItsValuesAndNoNegativeEntry)
{
    std::map<int32_t, int> frequencies;
    for (const auto& candidate : *GetParam().table) {
        for (const auto& place : candidate) {
            for (const int32_t entry : place) {
                EXPECT_GE(entry, 0);
                ++frequencies[entry];
            }
        }
    }
    EXPECT_EQ(frequencies, GetParam().frequencies);
}

INSTANTIATE_TEST_SUITE_P(DigitWeights, WeightTable,
    testing::Values(
        TableFacts{"ThreeAgo", &digitWeights.pointTable3Ago, 9760, {2510, 2525, 2400, 2325},
                   {900, 860, 1075, 1025, 900, 775, 1125, 925, 1125, 1050},
                   {{0, 208}, {10, 1}, {25, 67}, {50, 76}, {75, 29}, {100, 17}, {200, 2}}},
        TableFacts{"TwoAgo", &digitWeights.pointTable2Ago, 9800, {2600, 2175, 2625, 2400},
                   {1000, 1125, 975, 975, 1100, 825, 875, 1000, 1125, 800},
                   {{0, 204}, {25, 67}, {50, 88}, {75, 23}, {100, 16}, {200, 2}}},
        TableFacts{"Last", &digitWeights.pointTableLast, 9950, {2375, 2475, 2500, 2600},
                   {850, 1000, 975, 975, 1125, 1000, 1025, 1100, 950, 950},
                   {{0, 203}, {25, 70}, {50, 87}, {75, 18}, {100, 19}, {200, 3}}}),
    rowName<TableFacts>);

// table (0 three ago, 1 two ago, 2 last), candidate, place, drawn
using Where = std::tuple<int, std::size_t, std::size_t, std::size_t>;

std::set<Where> whereValue(int32_t value)
{
    const std::array<const PointTable*, 3> tables = {
        &digitWeights.pointTable3Ago, &digitWeights.pointTable2Ago, &digitWeights.pointTableLast};
    std::set<Where> found;
    for (int t = 0; t < 3; ++t) {
        for (std::size_t candidate = 0; candidate < 10; ++candidate) {
            for (std::size_t place = 0; place < 4; ++place) {
                for (std::size_t drawn = 0; drawn < 10; ++drawn) {
                    if ((*tables[static_cast<std::size_t>(t)])[candidate][place][drawn] == value) {
                        found.emplace(t, candidate, place, drawn);
                    }
                }
            }
        }
    }
    return found;
}

TEST(DigitWeights, TheSevenEntriesOf200)
{
    const std::set<Where> expected = {
        {0, 3, 2, 6}, {0, 9, 0, 6},
        {1, 1, 0, 5}, {1, 4, 2, 7},
        {2, 4, 2, 0}, {2, 7, 3, 0}, {2, 9, 1, 0}};
    EXPECT_EQ(whereValue(200), expected);
}

TEST(DigitWeights, TheSingleEntryOf10)
{
    const std::set<Where> expected = {{0, 1, 0, 5}};
    EXPECT_EQ(whereValue(10), expected);
}

// The best each digit can score: the sum of its twelve row maxima.
TEST(DigitWeights, HighestReachableScorePerDigit)
{
    const std::array<int32_t, 10> expected = {900, 1075, 975, 1100, 1150, 900, 900, 1050, 1000, 1225};
    std::array<int32_t, 10> highest{};
    for (const PointTable* table :
         {&digitWeights.pointTable3Ago, &digitWeights.pointTable2Ago, &digitWeights.pointTableLast}) {
        for (std::size_t candidate = 0; candidate < 10; ++candidate) {
            for (const auto& place : (*table)[candidate]) {
                int32_t best = 0;
                for (const int32_t entry : place) best = std::max(best, entry);
                highest[candidate] += best;
            }
        }
    }
    EXPECT_EQ(highest, expected);
}

}  // namespace
}  // namespace kazuyomi
