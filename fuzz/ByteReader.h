#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kazuyomi::fuzz {

// Reads a fuzzer's input front to back. Past the end every byte reads as 0 and every text as
// empty, so a decoder needs no bounds checks of its own.
class ByteReader {
public:
    explicit ByteReader(const uint8_t* data, std::size_t size)
        : rest(reinterpret_cast<const char*>(data), size)
    {
    }

    bool empty() const { return rest.empty(); }

    uint8_t byte()
    {
        if (rest.empty()) return 0;
        const auto value = static_cast<uint8_t>(rest.front());
        rest.remove_prefix(1);
        return value;
    }

    std::string_view take(std::size_t length)
    {
        const std::string_view text = rest.substr(0, length);
        rest.remove_prefix(text.size());
        return text;
    }

    std::string_view remainder() { return take(rest.size()); }

    // The length is the sum of its bytes up to and including the first byte below 0xFF, so any
    // length can be written and the text itself may hold any byte.
    std::string_view lengthPrefixed()
    {
        std::size_t length = 0;
        while (!rest.empty()) {
            const uint8_t part = byte();
            length += part;
            if (part != 0xFF) break;
        }
        return take(length);
    }

private:
    std::string_view rest;
};

}  // namespace kazuyomi::fuzz
