#pragma once

// Plain second readings of the conversions, written apart from the core so that the targets can
// compare the two.

#include "fuzz/FuzzCheck.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace kazuyomi::fuzz {

// Optional '+' or '-', then one or more ASCII digits, the value within int32.
KAZUYOMI_FUZZ_CHECK inline std::optional<int32_t> referenceWholeNumber(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    constexpr uint64_t maxPositive = std::numeric_limits<int32_t>::max();
    if (magnitude > maxPositive + (negative ? 1 : 0)) return std::nullopt;
    const auto value = static_cast<int64_t>(magnitude);
    return static_cast<int32_t>(negative ? -value : value);
}

// Whether an exception's what() is the refusal message for the text. what() is a C string, so a
// text with a NUL byte shows only up to it.
KAZUYOMI_FUZZ_CHECK inline bool isRefusalMessage(const char* what, std::string_view text)
{
    const std::string message = "'" + std::string(text) + "' は整数ではありません";
    return std::string_view(what) == std::string_view(message).substr(0, message.find('\0'));
}

// Code-page-932 bytes of a UTF-8 text, reading the well-formed sequences by the byte ranges of
// the Unicode standard's table: a sequence counts 1 when ASCII or half-width katakana
// (U+FF61..U+FF9F), 2 otherwise, and a byte that starts no well-formed sequence counts 1.
KAZUYOMI_FUZZ_CHECK inline std::size_t referenceCp932Length(std::string_view text)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto within = [](unsigned char b, unsigned lo, unsigned hi) {
        return b >= lo && b <= hi;
    };
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char b0 = at(i);
        const std::size_t left = text.size() - i;
        std::size_t length = 0;
        if (b0 <= 0x7F) {
            length = 1;
        } else if (within(b0, 0xC2, 0xDF)) {
            if (left >= 2 && within(at(i + 1), 0x80, 0xBF)) length = 2;
        } else if (within(b0, 0xE0, 0xEF)) {
            const unsigned lo = b0 == 0xE0 ? 0xA0 : 0x80;
            const unsigned hi = b0 == 0xED ? 0x9F : 0xBF;
            if (left >= 3 && within(at(i + 1), lo, hi) && within(at(i + 2), 0x80, 0xBF)) length = 3;
        } else if (within(b0, 0xF0, 0xF4)) {
            const unsigned lo = b0 == 0xF0 ? 0x90 : 0x80;
            const unsigned hi = b0 == 0xF4 ? 0x8F : 0xBF;
            if (left >= 4 && within(at(i + 1), lo, hi) && within(at(i + 2), 0x80, 0xBF) &&
                within(at(i + 3), 0x80, 0xBF)) {
                length = 4;
            }
        }
        if (length == 0) {
            ++count;
            ++i;
            continue;
        }
        // Half-width katakana: EF BD A1..BF and EF BE 80..9F.
        const bool halfWidth = length == 3 && b0 == 0xEF &&
                               ((at(i + 1) == 0xBD && at(i + 2) >= 0xA1) ||
                                (at(i + 1) == 0xBE && at(i + 2) <= 0x9F));
        count += length == 1 || halfWidth ? 1 : 2;
        i += length;
    }
    return count;
}

}  // namespace kazuyomi::fuzz
