#pragma once

// A second, plain reading of the forecast list and its two adds: what each step must do to the
// slots, what it must show and what it must return.

#include "fuzz/FuzzCheck.h"
#include "fuzz/Reference.h"
#include "selfpick/ForecastAdd.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kazuyomi::fuzz {

inline const std::string resultStart = "チェック結果：";
inline const std::string resultTooShort = "チェック結果：【ｴﾗｰ】桁数不足";
inline const std::string resultStraight = "チェック結果：【ｴﾗｰ】ｽﾄﾚｰﾄ重複";
inline const std::string resultBox = "チェック結果：【警告】ﾎﾞｯｸｽ重複";

KAZUYOMI_FUZZ_CHECK inline std::string slotText(int32_t slot, int32_t number, int32_t kind)
{
    char text[32];
    std::snprintf(text, sizeof text, kind == 1 ? "%2d: %04d" : "%2d: %03d", static_cast<int>(slot),
                  static_cast<int>(number));
    return text;
}

// Slots 1 to 50 only; formatted once.
KAZUYOMI_FUZZ_CHECK inline const std::string& emptySlotText(int32_t slot)
{
    static const std::array<std::string, 51> texts = [] {
        std::array<std::string, 51> made;
        for (int i = 1; i <= 50; ++i) {
            char text[16];
            std::snprintf(text, sizeof text, "%2d: ----", i);
            made[static_cast<std::size_t>(i)] = text;
        }
        return made;
    }();
    return texts[static_cast<std::size_t>(slot)];
}

class ForecastModel {
public:
    static constexpr int32_t empty = -1;

    // What one step must give. `shownSlot` is the one slot whose text the step shows (0: none).
    struct Expected {
        bool refused = false; // EConvertError
        AddOutcome outcome;   // the adds
        bool deleted = false; // delYoso
        int32_t shownSlot = 0;
    };

    ForecastModel() { initYoso(); }

    KAZUYOMI_FUZZ_CHECK void initYoso()
    {
        number.fill(empty);
        kind.fill(0);
        for (int32_t slot = 1; slot <= 50; ++slot) shown[at(slot)] = emptySlotText(slot);
    }

    KAZUYOMI_FUZZ_CHECK Expected addYoso(std::string_view entry)
    {
        Expected expected;
        if (referenceCp932Length(entry) <= 2) {
            expected.outcome = {resultTooShort, false, false};
            return expected;
        }
        const std::optional<int32_t> value = referenceWholeNumber(entry);
        if (!value) {
            expected.refused = true;
            return expected;
        }
        const int32_t entryKind = kindOf(entry);
        for (int32_t slot = 1; slot <= 50; ++slot) {
            if (number[at(slot)] == *value && kind[at(slot)] == entryKind) {
                expected.outcome = {resultStraight, false, false};
                return expected;
            }
        }
        const std::array<int32_t, 4> key = forecastKey(*value, entryKind);
        for (int32_t slot = 0; slot <= 50; ++slot) {
            if (forecastKey(number[at(slot)], kind[at(slot)]) == key) {
                expected.outcome = {resultBox, true, false};
                return expected;
            }
        }
        return file(expected, *value, entryKind, {resultStart, false, false});
    }

    KAZUYOMI_FUZZ_CHECK Expected addSoredemo(std::string_view entry, bool modified)
    {
        Expected expected;
        if (!modified) {
            expected.outcome = {std::nullopt, false, false};
            return expected;
        }
        const std::optional<int32_t> value = referenceWholeNumber(entry);
        if (!value) {
            expected.refused = true;
            return expected;
        }
        return file(expected, *value, kindOf(entry), {});
    }

    KAZUYOMI_FUZZ_CHECK Expected delYoso(std::string_view text)
    {
        Expected expected;
        if (text.empty() || text.front() < '0' || text.front() > '9') return expected;
        const std::optional<int32_t> slot = referenceWholeNumber(text);
        if (!slot) {
            expected.refused = true;
            return expected;
        }
        if (*slot < 1 || *slot > 50) return expected;
        number[at(*slot)] = empty;
        shown[at(*slot)] = emptySlotText(*slot);
        expected.deleted = true;
        expected.shownSlot = *slot;
        return expected;
    }

    std::array<int32_t, 51> number{};
    std::array<uint8_t, 51> kind{};
    std::array<std::string, 51> shown; // the text each slot shows; index 0 unused

private:
    static std::size_t at(int32_t slot) { return static_cast<std::size_t>(slot); }

    KAZUYOMI_FUZZ_CHECK static int32_t kindOf(std::string_view entry)
    {
        return entry.size() >= 4 && entry[3] >= '0' && entry[3] <= '9' ? 1 : 0;
    }

    // Digits by truncating division, an exchange sort, then a four-digit forecast's leading zero.
    KAZUYOMI_FUZZ_CHECK static std::array<int32_t, 4> forecastKey(int32_t value,
                                                                  int32_t forecastKind)
    {
        std::array<int32_t, 4> key = {value / 1000 == 0 ? -1 : value / 1000, value / 100 % 10,
                                      value / 10 % 10, value % 10};
        for (std::size_t i = 0; i < 3; ++i) {
            for (std::size_t j = i + 1; j < 4; ++j) {
                if (key[i] > key[j]) std::swap(key[i], key[j]);
            }
        }
        if (forecastKind == 1 && value / 1000 == 0) key[0] = 0;
        return key;
    }

    // The lowest empty slot takes the forecast; `full` is the outcome when there is none. The
    // empty value is never stored: it would show a forecast that the slot does not hold.
    KAZUYOMI_FUZZ_CHECK Expected file(Expected expected, int32_t value, int32_t forecastKind,
                                      const AddOutcome& full)
    {
        for (int32_t slot = 1; slot <= 50; ++slot) {
            if (number[at(slot)] != empty) continue;
            if (value == empty) {
                expected.outcome = {resultStraight, false, false};
                return expected;
            }
            number[at(slot)] = value;
            kind[at(slot)] = static_cast<uint8_t>(forecastKind);
            shown[at(slot)] = slotText(slot, value, forecastKind);
            expected.outcome = {resultStart, false, true};
            expected.shownSlot = slot;
            return expected;
        }
        expected.outcome = full;
        return expected;
    }
};

}  // namespace kazuyomi::fuzz
