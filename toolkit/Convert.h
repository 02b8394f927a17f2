#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace kazuyomi {

// Raised by the whole-number conversion for a text that is not a whole number.
struct EConvertError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An optional "+" or "-" followed by one or more ASCII digits whose value fits in 32 bits;
// any other text throws EConvertError("'<text>' は整数ではありません").
int32_t StrToInt(std::string_view text);

// Bytes the UTF-8 text takes in code page 932: one for ASCII and half-width katakana, two for
// any other character, one for each byte that is not part of a valid UTF-8 sequence.
std::size_t cp932Length(std::string_view utf8);

}  // namespace kazuyomi
