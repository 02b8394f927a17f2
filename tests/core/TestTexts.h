#pragma once

#include <cstdint>
#include <string>

namespace kazuyomi {

// The empty-slot text of a slot, " 1: ----" to "50: ----".
inline std::string emptyText(int32_t slot)
{
    return (slot < 10 ? " " : "") + std::to_string(slot) + ": ----";
}

// The message of the conversion error for a text.
inline std::string refusal(const std::string& text)
{
    return "'" + text + "' は整数ではありません";
}

}  // namespace kazuyomi
