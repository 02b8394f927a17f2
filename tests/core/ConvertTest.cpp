#include "toolkit/Convert.h"

#include "RowName.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

namespace kazuyomi {
namespace {

using namespace std::string_literals;

struct AcceptedCase {
    std::string name;
    std::string text;
    int32_t value;
    friend void PrintTo(const AcceptedCase& row, std::ostream* os) { *os << row.name; }
};

class StrToIntAccepts : public testing::TestWithParam<AcceptedCase> {};

TEST_P(StrToIntAccepts, GivesTheValue)
{
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Convert, StrToIntAccepts,
    testing::Values(
        AcceptedCase{"Zero", "0", 0},
        AcceptedCase{"LeadingZeros", "007", 7},
        AcceptedCase{"MinusZero", "-0", 0},
        AcceptedCase{"PlusSign", "+5", 5},
        AcceptedCase{"MinusSign", "-12", -12},
        AcceptedCase{"Int32Max", "2147483647", 2147483647},
        AcceptedCase{"Int32Min", "-2147483648", INT32_MIN},
        AcceptedCase{"ManyLeadingZerosInRange", "000000000000000000002147483647", 2147483647}),
    rowName<AcceptedCase>);

struct RefusedCase {
    std::string name;
    std::string text;
    friend void PrintTo(const RefusedCase& row, std::ostream* os) { *os << row.name; }
};

class StrToIntRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(StrToIntRefuses, ThrowsWithTheWholeTextInTheMessage)
{
    const std::string& text = GetParam().text;
    try {
        StrToInt(text);
        FAIL() << "converted";
    } catch (const EConvertError& error) {
        // what() is a C string: for a text holding a NUL it ends there.
        EXPECT_STREQ(error.what(), refusal(text).c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Convert, StrToIntRefuses,
    testing::Values(
        RefusedCase{"Empty", ""},
        RefusedCase{"MinusAlone", "-"},
        RefusedCase{"PlusAlone", "+"},
        RefusedCase{"TwoSigns", "+-5"},
        RefusedCase{"LeadingBlank", " 5"},
        RefusedCase{"TrailingBlank", "5 "},
        RefusedCase{"Letters", "abc"},
        RefusedCase{"DigitThenLetter", "5a"},
        RefusedCase{"Hexadecimal", "0x1F"},
        RefusedCase{"DecimalPoint", "1.0"},
        RefusedCase{"FullWidthDigits", "１２"},
        RefusedCase{"OneAboveInt32Max", "2147483648"},
        RefusedCase{"OneBelowInt32Min", "-2147483649"},
        RefusedCase{"FarAboveInt32Max", "99999999999999999999"},
        RefusedCase{"ThousandDigits", std::string(1000, '9')},
        RefusedCase{"PercentS", "%s"},
        RefusedCase{"PercentN", "1%n"},
        RefusedCase{"NulInside", "1\0"s "2"},
        RefusedCase{"InvalidUtf8", "\xFF\xFE"}),
    rowName<RefusedCase>);

struct LengthCase {
    std::string name;
    std::string utf8;
    std::size_t bytes;
    friend void PrintTo(const LengthCase& row, std::ostream* os) { *os << row.name; }
};

class Cp932Length : public testing::TestWithParam<LengthCase> {};

TEST_P(Cp932Length, CountsCodePage932Bytes)
{
    EXPECT_EQ(cp932Length(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Convert, Cp932Length,
    testing::Values(
        LengthCase{"Empty", "", 0},
        LengthCase{"AsciiOneEach", "12a-", 4},
        LengthCase{"NulIsAscii", "\0"s "5", 2},
        LengthCase{"HalfWidthKatakanaOneEach", "ｴﾗｰ", 3},
        LengthCase{"JustBelowHalfWidthKatakanaU_FF60", "\xEF\xBD\xA0", 2},
        LengthCase{"FirstHalfWidthKatakanaU_FF61", "\xEF\xBD\xA1", 1},
        LengthCase{"LastHalfWidthKatakanaU_FF9F", "\xEF\xBE\x9F", 1},
        LengthCase{"JustAboveHalfWidthKatakanaU_FFA0", "\xEF\xBE\xA0", 2},
        LengthCase{"FirstTwoByteUtf8U_0080", "\xC2\x80", 2},
        LengthCase{"Kana", "あ", 2},
        LengthCase{"Kanji", "重複", 4},
        LengthCase{"FullWidthDigits", "１２", 4},
        LengthCase{"EmojiOfFourUtf8Bytes", "😀", 2},
        LengthCase{"Mixed", "1ｴ２😀", 6},
        LengthCase{"StrayContinuationByte", "1\x80" "2", 3},
        LengthCase{"LeadByteCutShortAtEnd", "\xE3\x81", 2},
        LengthCase{"LeadByteCutShortByAscii", "\xE3\x81" "a", 3},
        LengthCase{"OverlongSlash", "\xC0\xAF", 2},
        LengthCase{"OverlongThreeByte", "\xE0\x80\xAF", 3},
        LengthCase{"EncodedSurrogate", "\xED\xA0\x80", 3},
        LengthCase{"AboveU_10FFFF", "\xF4\x90\x80\x80", 4},
        LengthCase{"ByteFF", "\xFF", 1}),
    rowName<LengthCase>);

}  // namespace
}  // namespace kazuyomi
