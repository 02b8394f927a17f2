#include "selfpick/ForecastAdd.h"

#include "RecordingList.h"
#include "RowName.h"
#include "TestTexts.h"
#include "toolkit/Convert.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kazuyomi {

void PrintTo(const AddOutcome& outcome, std::ostream* os)
{
    *os << "{resultText " << (outcome.resultText ? '"' + *outcome.resultText + '"' : "none")
        << ", soredemoEnabled "
        << (outcome.soredemoEnabled ? (*outcome.soredemoEnabled ? "true" : "false") : "none")
        << ", clearEntry " << (outcome.clearEntry ? "true" : "false") << "}";
}

namespace {

const AddOutcome tooShort{"チェック結果：【ｴﾗｰ】桁数不足", false, false};
const AddOutcome straight{"チェック結果：【ｴﾗｰ】ｽﾄﾚｰﾄ重複", false, false};
const AddOutcome box{"チェック結果：【警告】ﾎﾞｯｸｽ重複", true, false};
const AddOutcome noEmptySlot{"チェック結果：", false, false};
const AddOutcome filed{"チェック結果：", false, true};
const AddOutcome notModified{std::nullopt, false, false};
const AddOutcome anywayNoEmptySlot{std::nullopt, std::nullopt, false};

struct BoxCase {
    std::string name;
    int32_t number;
    std::array<int32_t, 4> key;
    friend void PrintTo(const BoxCase& row, std::ostream* os) { *os << row.name; }
};

class BoxDigits : public testing::TestWithParam<BoxCase> {};

TEST_P(BoxDigits, SortsTheDigits)
{
    EXPECT_EQ(boxDigits(GetParam().number), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(ForecastAdd, BoxDigits,
    testing::Values(
        BoxCase{"ThreeDigitsHaveNoThousands", 123, {-1, 1, 2, 3}},
        BoxCase{"TrailingZeroIsADigit", 1230, {0, 1, 2, 3}},
        BoxCase{"FourDigitsSorted", 4321, {1, 2, 3, 4}},
        BoxCase{"Zero", 0, {-1, 0, 0, 0}},
        BoxCase{"EmptyValue", -1, {-1, -1, 0, 0}},
        BoxCase{"NegativeDigitsAreNegative", -12, {-2, -1, -1, 0}},
        // Whole quotient above the thousands: 2147483, 6, 4, 7.
        BoxCase{"Int32Max", INT_MAX, {4, 6, 7, 2147483}},
        // -2147483, -6, -4, -8.
        BoxCase{"Int32Min", INT_MIN, {-2147483, -8, -6, -4}}),
    rowName<BoxCase>);

enum class Add { Checked, Anyway };

struct Forecast {
    int32_t number;
    uint8_t kind;
};

struct Filed {
    int32_t slot;
    int32_t number;
    uint8_t kind;
    std::string shown;
};

// A list holding the given forecasts from slot 1 on; a full one has the rest filled with the
// three-digit forecasts 100 + slot. A listed empty value is a slot emptied by a delete after it
// held a forecast of that kind.
void prepare(RecordingList& recorded, const std::vector<Forecast>& listed, bool full)
{
    recorded.list.initYoso();
    int32_t slot = 1;
    for (const Forecast& forecast : listed) {
        if (forecast.number == ForecastList::empty) {
            recorded.store(slot, 1000, forecast.kind);
            ASSERT_TRUE(recorded.list.delYoso(std::to_string(slot)));
        } else {
            recorded.store(slot, forecast.number, forecast.kind);
        }
        ++slot;
    }
    for (; full && slot <= 50; ++slot) recorded.store(slot, 100 + slot, 0);
    recorded.calls.clear();
}

AddOutcome run(RecordingList& recorded, Add add, const std::string& entry, bool modified)
{
    return add == Add::Checked ? addYoso(recorded.list, entry)
                               : addSoredemo(recorded.list, entry, modified);
}

struct AddCase {
    std::string name;
    std::vector<Forecast> listed;
    bool full;
    Add add;
    std::string entry;
    bool modified;
    AddOutcome outcome;
    std::optional<Filed> filed;  // none: the list stays as it was
    friend void PrintTo(const AddCase& row, std::ostream* os) { *os << row.name; }
};

class Adding : public testing::TestWithParam<AddCase> {};

TEST_P(Adding, GivesTheOutcomeAndFilesAtMostOneSlot)
{
    const AddCase& row = GetParam();
    RecordingList recorded;
    prepare(recorded, row.listed, row.full);
    RecordingList::State expected = recorded.state();

    EXPECT_EQ(run(recorded, row.add, row.entry, row.modified), row.outcome);

    std::vector<RecordingList::Call> calls;
    if (row.filed) {
        const auto at = static_cast<std::size_t>(row.filed->slot);
        expected.yosoNum[at] = row.filed->number;
        expected.yosoKind[at] = row.filed->kind;
        expected.shown[at] = row.filed->shown;
        calls.emplace_back(row.filed->slot, row.filed->shown);
    }
    expectSameState(expected, recorded.state());
    EXPECT_EQ(recorded.calls, calls);
}

const std::vector<Forecast> fresh;
const std::vector<Forecast> holding123 = {{123, 0}};

INSTANTIATE_TEST_SUITE_P(OutcomeTable, Adding,
    testing::Values(
        AddCase{"TwoBytesAreTooShort", fresh, false, Add::Checked, "12", false, tooShort, {}},
        AddCase{"StraightDuplicate", holding123, false, Add::Checked, "123", false, straight, {}},
        AddCase{"BoxDuplicate", holding123, false, Add::Checked, "321", false, box, {}},
        AddCase{"NoEmptySlot", fresh, true, Add::Checked, "5678", false, noEmptySlot, {}},
        AddCase{"Filed", fresh, false, Add::Checked, "123", false, filed,
                Filed{1, 123, 0, " 1: 123"}},
        AddCase{"AnywayNotModified", holding123, false, Add::Anyway, "321", false, notModified, {}},
        AddCase{"AnywayNoEmptySlot", fresh, true, Add::Anyway, "5678", true, anywayNoEmptySlot, {}},
        AddCase{"AnywayFiled", holding123, false, Add::Anyway, "321", true, filed,
                Filed{2, 321, 0, " 2: 321"}}),
    rowName<AddCase>);

INSTANTIATE_TEST_SUITE_P(EdgeCases, Adding,
    testing::Values(
        AddCase{"EmptyEntryIsTooShort", fresh, false, Add::Checked, "", false, tooShort, {}},
        AddCase{"TwoHalfWidthKatakanaAreTwoBytes", fresh, false, Add::Checked, "ｴﾗ", false, tooShort, {}},
        AddCase{"OneFullWidthCharacterIsTwoBytes", fresh, false, Add::Checked, "あ", false, tooShort, {}},
        AddCase{"LeadingZeroBoxOfTrailingZero", {{1230, 1}}, false, Add::Checked, "0123", false, box, {}},
        AddCase{"TwoLeadingZerosBoxOfTwoTrailingZeros", {{1200, 1}}, false, Add::Checked, "0012", false,
                box, {}},
        AddCase{"ThreeDigitIsNoBoxOfFourDigit", {{12, 1}}, false, Add::Checked, "012", false, filed,
                Filed{2, 12, 0, " 2: 012"}},
        AddCase{"StraightWinsOverBox", {{1234, 1}}, false, Add::Checked, "1234", false, straight, {}},
        AddCase{"NegativeFiledAsThreeDigit", fresh, false, Add::Checked, "-12", false, filed,
                Filed{1, -12, 0, " 1: -12"}},
        AddCase{"SignedFourCharactersAreFourDigitKind", fresh, false, Add::Checked, "+123", false, filed,
                Filed{1, 123, 1, " 1: 0123"}},
        AddCase{"MinusOneEqualsTheEmptyValue", fresh, false, Add::Checked, "-01", false, straight, {}},
        // The empty value cannot be filed: it would show a forecast the list does not hold. It is
        // refused only where it would be stored, so every check before that answers as usual.
        AddCase{"FourDigitEmptyValueIsRefusedWhereItWouldBeFiled", fresh, false, Add::Checked, "-001",
                false, straight, {}},
        AddCase{"AnywayRefusesTheEmptyValue", fresh, false, Add::Anyway, "-1", true, straight, {}},
        AddCase{"EmptyValueOnFullListIsABoxOfSlotZero", fresh, true, Add::Checked, "-01", false, box, {}},
        // Slot 1 is empty but last held a four-digit forecast, so no straight duplicate of «-01».
        AddCase{"EmptyValueBesideFourDigitEmptySlotIsABoxOfSlotZero", {{-1, 1}}, true, Add::Checked,
                "-01", false, box, {}},
        AddCase{"FourDigitEmptyValueOnFullListFindsNoEmptySlot", fresh, true, Add::Checked, "-001", false,
                noEmptySlot, {}},
        AddCase{"AnywayEmptyValueOnFullListChangesNothing", fresh, true, Add::Anyway, "-01", true,
                anywayNoEmptySlot, {}},
        AddCase{"BoxOfTheEmptyValueWarnsOnFullList", fresh, true, Add::Checked, "-10", false, box, {}},
        AddCase{"BoxDuplicateWarnsOnFullList", fresh, true, Add::Checked, "201", false, box, {}},
        AddCase{"AnywayFilesStraightDuplicate", holding123, false, Add::Anyway, "123", true, filed,
                Filed{2, 123, 0, " 2: 123"}},
        AddCase{"AnywayOneCharacterIsThreeDigitKind", fresh, false, Add::Anyway, "5", true, filed,
                Filed{1, 5, 0, " 1: 005"}},
        AddCase{"AnywayTwoCharactersAreThreeDigitKind", fresh, false, Add::Anyway, "12", true, filed,
                Filed{1, 12, 0, " 1: 012"}}),
    rowName<AddCase>);

struct RefusedCase {
    std::string name;
    bool full;
    Add add;
    std::string entry;
    friend void PrintTo(const RefusedCase& row, std::ostream* os) { *os << row.name; }
};

class AddingRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(AddingRefused, ThrowsAndChangesNothing)
{
    const RefusedCase& row = GetParam();
    RecordingList recorded;
    prepare(recorded, holding123, row.full);
    const RecordingList::State before = recorded.state();

    try {
        run(recorded, row.add, row.entry, true);
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), refusal(row.entry));
    }
    expectSameState(before, recorded.state());
    EXPECT_TRUE(recorded.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(ForecastAdd, AddingRefused,
    testing::Values(
        RefusedCase{"Letters", false, Add::Checked, "abc"},
        RefusedCase{"FullWidthDigitsPassTheLengthTest", false, Add::Checked, "１２"},
        RefusedCase{"HalfWidthKatakana", false, Add::Checked, "ｴﾗｰ"},
        RefusedCase{"DigitsThenLetter", false, Add::Checked, "12a"},
        RefusedCase{"FormatDirectivesStayLiteral", false, Add::Checked, "%n%s"},
        RefusedCase{"AnywayEmptyEntry", false, Add::Anyway, ""},
        RefusedCase{"AnywayEmptyEntryOnFullList", true, Add::Anyway, ""},
        RefusedCase{"AnywayLetters", false, Add::Anyway, "1a"}),
    rowName<RefusedCase>);

// Runs one add after another on the same list.
class AddingInTurn : public testing::Test {
protected:
    void SetUp() override { recorded.list.initYoso(); }

    void expectFiled(const AddOutcome& outcome, int32_t slot, int32_t number, uint8_t kind,
                     const std::string& shown)
    {
        EXPECT_EQ(outcome, filed);
        const auto at = static_cast<std::size_t>(slot);
        EXPECT_EQ(recorded.list.yosoNum[at], number) << "slot " << slot;
        EXPECT_EQ(recorded.list.yosoKind[at], kind) << "slot " << slot;
        EXPECT_EQ(recorded.shown[at], shown) << "slot " << slot;
    }

    RecordingList recorded;
};

TEST_F(AddingInTurn, ThreeDigitForecastThenItsDuplicatesThenTheFourDigitKind)
{
    expectFiled(addYoso(recorded.list, "123"), 1, 123, 0, " 1: 123");
    EXPECT_EQ(addYoso(recorded.list, "123"), straight);
    EXPECT_EQ(addYoso(recorded.list, "321"), box);
    expectFiled(addYoso(recorded.list, "0123"), 2, 123, 1, " 2: 0123");
}

TEST_F(AddingInTurn, AddAnywayAfterTheWarningKeepsTheFourDigitKind)
{
    expectFiled(addYoso(recorded.list, "1230"), 1, 1230, 1, " 1: 1230");
    EXPECT_EQ(addYoso(recorded.list, "0123"), box);
    expectFiled(addSoredemo(recorded.list, "0123", true), 2, 123, 1, " 2: 0123");
    EXPECT_EQ(addYoso(recorded.list, "0123"), straight);
    expectFiled(addYoso(recorded.list, "123"), 3, 123, 0, " 3: 123");
}

TEST_F(AddingInTurn, DeletedSlotIsFilledBeforeHigherEmptySlots)
{
    for (const char* entry : {"111", "222", "333"}) ASSERT_EQ(addYoso(recorded.list, entry), filed);
    ASSERT_TRUE(recorded.list.delYoso("2"));
    expectFiled(addYoso(recorded.list, "444"), 2, 444, 0, " 2: 444");
    expectFiled(addSoredemo(recorded.list, "555", true), 4, 555, 0, " 4: 555");
}

}  // namespace
}  // namespace kazuyomi
