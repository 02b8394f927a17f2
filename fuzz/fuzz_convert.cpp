// The whole-number conversion and the code-page-932 length on arbitrary bytes.

#include "fuzz/FuzzCheck.h"
#include "fuzz/Reference.h"
#include "toolkit/Convert.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using kazuyomi::fuzz::require;

KAZUYOMI_FUZZ_CHECK void checkWholeNumber(std::string_view text)
{
    const std::optional<int32_t> expected = kazuyomi::fuzz::referenceWholeNumber(text);
    try {
        const int32_t value = kazuyomi::StrToInt(text);
        require(expected.has_value(), "StrToInt accepts only a sign and ASCII digits in int32");
        require(value == *expected, "StrToInt gives the value of the digits");
    } catch (const kazuyomi::EConvertError& error) {
        require(!expected.has_value(), "StrToInt refuses only what is no int32 whole number");
        require(kazuyomi::fuzz::isRefusalMessage(error.what(), text),
                "EConvertError reads '<text>' は整数ではありません");
    } catch (...) {
        require(false, "StrToInt throws nothing but EConvertError");
    }
}

KAZUYOMI_FUZZ_CHECK bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

KAZUYOMI_FUZZ_CHECK void checkCp932Length(std::string_view text)
{
    const std::size_t length = kazuyomi::cp932Length(text);
    require(length == kazuyomi::fuzz::referenceCp932Length(text),
            "cp932Length counts 1 for ASCII, half-width katakana and stray bytes, 2 for the rest");
    // Every byte counts at most 1, a sequence of n bytes (n <= 4) at least 1.
    require(length <= text.size(), "cp932Length is at most the UTF-8 length");
    require(length * 4 >= text.size(), "cp932Length is at least a quarter of the UTF-8 length");
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
        require(length == text.size(), "cp932Length of ASCII is its length");
    }

    // A byte that is no continuation byte never lies inside a well-formed sequence, so the
    // text splits there without changing the count. Long inputs try a few splits only.
    const auto additiveAt = [&](std::size_t split) {
        if (split < text.size() && isContinuation(text[split])) return;
        require(kazuyomi::cp932Length(text.substr(0, split)) +
                        kazuyomi::cp932Length(text.substr(split)) ==
                    length,
                "cp932Length adds up over a split before a lead byte");
    };
    if (text.size() <= 64) {
        for (std::size_t split = 0; split <= text.size(); ++split) additiveAt(split);
    } else {
        additiveAt(static_cast<unsigned char>(text[0]) % text.size());
        additiveAt(text.size() / 2);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkWholeNumber(text);
    checkCp932Length(text);
    return 0;
}
