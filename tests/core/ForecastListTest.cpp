#include "selfpick/ForecastList.h"

#include "RecordingList.h"
#include "RowName.h"
#include "TestTexts.h"
#include "toolkit/Convert.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kazuyomi {
namespace {

TEST(ForecastList, ReadsAsEmptyBeforeTheFirstReset)
{
    RecordingList recorded;
    for (std::size_t slot = 0; slot <= 50; ++slot) {
        EXPECT_EQ(recorded.list.yosoNum[slot], -1) << "slot " << slot;
        EXPECT_EQ(recorded.list.yosoKind[slot], 0) << "slot " << slot;
    }
    EXPECT_TRUE(recorded.calls.empty());
}

TEST(ForecastList, InitYosoEmptiesEverySlotAndShowsSlotsOneToFiftyInOrder)
{
    RecordingList recorded;
    recorded.list.initYoso();
    recorded.store(1, 1234, 1);
    recorded.store(50, 12, 0);
    recorded.list.yosoNum[0] = 7;  // no operation fills index 0, but the reset covers it too
    recorded.list.yosoKind[0] = 1;
    recorded.calls.clear();

    recorded.list.initYoso();

    for (std::size_t slot = 0; slot <= 50; ++slot) {
        EXPECT_EQ(recorded.list.yosoNum[slot], -1) << "slot " << slot;
        EXPECT_EQ(recorded.list.yosoKind[slot], 0) << "slot " << slot;
    }
    std::vector<RecordingList::Call> expected;
    for (int32_t slot = 1; slot <= 50; ++slot) expected.emplace_back(slot, emptyText(slot));
    EXPECT_EQ(recorded.calls, expected);
    EXPECT_EQ(recorded.calls.front().second, " 1: ----");
    EXPECT_EQ(recorded.calls.back().second, "50: ----");
}

struct ShowCase {
    std::string name;
    int32_t slot, number, kind;
    std::optional<std::string> shown;  // none: nothing shown
    friend void PrintTo(const ShowCase& row, std::ostream* os) { *os << row.name; }
};

class DspYoso : public testing::TestWithParam<ShowCase> {};

TEST_P(DspYoso, ShowsTheSlotTextAndStoresNothing)
{
    const ShowCase& row = GetParam();
    RecordingList recorded;
    recorded.list.initYoso();
    recorded.store(3, 456, 1);
    recorded.calls.clear();
    const RecordingList::State before = recorded.state();

    recorded.list.dspYoso(row.slot, row.number, row.kind);

    std::vector<RecordingList::Call> expected;
    if (row.shown) expected.emplace_back(row.slot, *row.shown);
    EXPECT_EQ(recorded.calls, expected);
    EXPECT_EQ(recorded.list.yosoNum, before.yosoNum);
    EXPECT_EQ(recorded.list.yosoKind, before.yosoKind);
}

INSTANTIATE_TEST_SUITE_P(ForecastList, DspYoso,
    testing::Values(
        ShowCase{"FourDigitKindPadsToFour", 3, 123, 1, " 3: 0123"},
        ShowCase{"ThreeDigitKindPadsToThree", 12, 45, 0, "12: 045"},
        ShowCase{"ThreeDigitFormNeverCuts", 7, 1234, 0, " 7: 1234"},
        ShowCase{"LastSlot", 50, 9999, 1, "50: 9999"},
        ShowCase{"MinusSignCountsTowardTheWidth", 9, -5, 1, " 9: -005"},
        ShowCase{"NegativeThreeDigitForm", 4, -12, 0, " 4: -12"},
        ShowCase{"KindTwoGivesThreeDigitForm", 5, 7, 2, " 5: 007"},
        ShowCase{"Int32MinFitsTheText", 1, INT_MIN, 1, " 1: -2147483648"},
        ShowCase{"SlotZeroShowsNothing", 0, 123, 0, std::nullopt},
        ShowCase{"Slot51ShowsNothing", 51, 123, 0, std::nullopt},
        ShowCase{"NegativeSlotShowsNothing", -1, 123, 0, std::nullopt},
        ShowCase{"Int32MinSlotShowsNothing", INT_MIN, 123, 1, std::nullopt}),
    rowName<ShowCase>);

// Every slot holds a forecast; odd slots, slot 7 among them, a four-digit one.
class DelYosoTest : public testing::Test {
protected:
    void SetUp() override
    {
        recorded.list.initYoso();
        for (int32_t slot = 1; slot <= 50; ++slot) {
            recorded.store(slot, slot * 111, static_cast<uint8_t>(slot % 2));
        }
        recorded.calls.clear();
        before = recorded.state();
    }

    void expectNothingChanged()
    {
        EXPECT_TRUE(recorded.calls.empty());
        expectSameState(before, recorded.state());
    }

    RecordingList recorded;
    RecordingList::State before;
};

struct DeleteCase {
    std::string name;
    std::string text;
    int32_t slot;  // the slot cleared; 0 for none
    friend void PrintTo(const DeleteCase& row, std::ostream* os) { *os << row.name; }
};

class DelYoso : public DelYosoTest, public testing::WithParamInterface<DeleteCase> {};

TEST_P(DelYoso, ClearsOnlyTheNamedSlot)
{
    const DeleteCase& row = GetParam();
    const bool cleared = recorded.list.delYoso(row.text);

    if (row.slot == 0) {
        EXPECT_FALSE(cleared);
        expectNothingChanged();
        return;
    }
    EXPECT_TRUE(cleared);
    RecordingList::State expected = before;
    const auto at = static_cast<std::size_t>(row.slot);
    expected.yosoNum[at] = -1;  // the kind stays
    expected.shown[at] = emptyText(row.slot);
    expectSameState(expected, recorded.state());
    EXPECT_EQ(recorded.calls, (std::vector<RecordingList::Call>{{row.slot, emptyText(row.slot)}}));
}

INSTANTIATE_TEST_SUITE_P(ForecastList, DelYoso,
    testing::Values(
        DeleteCase{"EmptyText", "", 0},
        DeleteCase{"Letter", "a", 0},
        DeleteCase{"LeadingBlank", " 5", 0},
        DeleteCase{"PlusSign", "+5", 0},
        DeleteCase{"MinusSign", "-1", 0},
        DeleteCase{"FullWidthDigit", "１", 0},
        DeleteCase{"Zero", "0", 0},
        DeleteCase{"DoubleZero", "00", 0},
        DeleteCase{"JustAboveLastSlot", "51", 0},
        DeleteCase{"NinetyNine", "99", 0},
        DeleteCase{"OneDigit", "5", 5},
        DeleteCase{"LeadingZero", "05", 5},
        DeleteCase{"FirstSlot", "1", 1},
        DeleteCase{"LastSlot", "50", 50},
        DeleteCase{"FourDigitSlotKeepsItsKind", "7", 7}),
    rowName<DeleteCase>);

TEST_F(DelYosoTest, DeletingAnEmptySlotShowsItsEmptyTextAgain)
{
    ASSERT_TRUE(recorded.list.delYoso("5"));
    recorded.calls.clear();
    before = recorded.state();

    EXPECT_TRUE(recorded.list.delYoso("5"));

    EXPECT_EQ(recorded.calls, (std::vector<RecordingList::Call>{{5, " 5: ----"}}));
    expectSameState(before, recorded.state());
}

struct RefusedSlotCase {
    std::string name;
    std::string text;
    friend void PrintTo(const RefusedSlotCase& row, std::ostream* os) { *os << row.name; }
};

class DelYosoRefuses : public DelYosoTest, public testing::WithParamInterface<RefusedSlotCase> {};

TEST_P(DelYosoRefuses, ThrowsAndChangesNothing)
{
    const std::string& text = GetParam().text;
    try {
        recorded.list.delYoso(text);
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), refusal(text));
    }
    expectNothingChanged();
}

INSTANTIATE_TEST_SUITE_P(ForecastList, DelYosoRefuses,
    testing::Values(
        RefusedSlotCase{"DigitThenLetter", "5a"},
        RefusedSlotCase{"DigitThenBlank", "5 "},
        RefusedSlotCase{"HexadecimalPrefix", "0x"},
        RefusedSlotCase{"DigitThenSign", "1-"},
        RefusedSlotCase{"DigitThenFullWidthDigit", "1１"}),
    rowName<RefusedSlotCase>);

}  // namespace
}  // namespace kazuyomi
