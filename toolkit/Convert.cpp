#include "toolkit/Convert.h"

#include <limits>
#include <string>

namespace kazuyomi {

namespace {

[[noreturn]] void refuse(std::string_view text)
{
    // The text is data here, never a format.
    std::string message;
    message.reserve(text.size() + 32);
    message += '\'';
    message += text;
    message += "' は整数ではありません";
    throw EConvertError(message);
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the valid UTF-8 sequence that starts text[at] and its code point, or 0 when the
// bytes there are not one (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut).
std::size_t decodeUtf8(std::string_view text, std::size_t at, char32_t& codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0u) != 0x80u) return 0;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF) return 0;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
    return length;
}

}  // namespace

int32_t StrToInt(std::string_view text)
{
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) at = 1;
    if (at == text.size()) refuse(text);

    // Accumulate as a negative value so that the minimum of int32 fits too.
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
    int64_t value = 0;
    for (; at < text.size(); ++at) {
        if (!isAsciiDigit(text[at])) refuse(text);
        value = value * 10 - (text[at] - '0');
        if (value < lowest) refuse(text);
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<int32_t>::max()) refuse(text);
    }
    return static_cast<int32_t>(value);
}

std::size_t cp932Length(std::string_view utf8)
{
    std::size_t bytes = 0;
    std::size_t at = 0;
    while (at < utf8.size()) {
        char32_t codePoint = 0;
        const std::size_t length = decodeUtf8(utf8, at, codePoint);
        if (length == 0) {
            ++bytes;
            ++at;
            continue;
        }
        const bool singleByte = codePoint <= 0x7F || (codePoint >= 0xFF61 && codePoint <= 0xFF9F);
        bytes += singleByte ? 1 : 2;
        at += length;
    }
    return bytes;
}

}  // namespace kazuyomi
