#pragma once

#include "selfpick/ForecastList.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kazuyomi {

// The result label's text before every add with checks and after every filed forecast.
inline constexpr const char* checkResultText = "チェック結果：";

// What the self-pick window shows after an add.
struct AddOutcome {
    std::optional<std::string> resultText; // none: dspResult unchanged
    std::optional<bool> soredemoEnabled;   // none: soredemo unchanged
    bool clearEntry = false;

    bool operator==(const AddOutcome&) const = default;
};

// The number's digits in ascending order, -1 standing for a missing thousands digit.
std::array<int32_t, 4> boxDigits(int32_t number);

// Files the entry after the length, straight-duplicate and box-duplicate checks.
// Throws EConvertError, with the list unchanged, when the entry is not a whole number.
AddOutcome addYoso(ForecastList& list, std::string_view entry);

// Files the entry without any check. An entry the user has not changed since the program last
// set it is not filed; the button only goes off. Throws EConvertError, with the list unchanged, when the entry is not a whole number.
AddOutcome addSoredemo(ForecastList& list, std::string_view entry, bool modified);

}  // namespace kazuyomi
