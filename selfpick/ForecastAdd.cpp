#include "selfpick/ForecastAdd.h"

#include "toolkit/Convert.h"

#include <algorithm>
#include <cstddef>

namespace kazuyomi {

namespace {

const char* const resultTooShort = "チェック結果：【ｴﾗｰ】桁数不足";
const char* const resultStraight = "チェック結果：【ｴﾗｰ】ｽﾄﾚｰﾄ重複";
const char* const resultBox = "チェック結果：【警告】ﾎﾞｯｸｽ重複";

constexpr std::size_t shortestEntry = 3; // code-page-932 bytes

// Four-digit (1) when a fourth character is there and is a digit. Only asked of texts that
// converted, which are ASCII, so characters and bytes agree.
int32_t kindOf(std::string_view entry)
{
    return entry.size() >= 4 && entry[3] >= '0' && entry[3] <= '9' ? 1 : 0;
}

// A four-digit forecast counts its leading zero, so «0123» and «1230» share a key while «123»
// keeps the -1 of its missing thousands digit.
std::array<int32_t, 4> forecastKey(int32_t number, int32_t kind)
{
    std::array<int32_t, 4> key = boxDigits(number);
    if (kind == 1 && number / 1000 == 0) key[0] = 0;
    return key;
}

int32_t firstEmptySlot(const ForecastList& list)
{
    for (int32_t slot = ForecastList::firstSlot; slot <= ForecastList::lastSlot; ++slot) {
        if (list.yosoNum[static_cast<std::size_t>(slot)] == ForecastList::empty) return slot;
    }
    return 0;
}

// The empty value stands in every empty slot, whatever kind it has: filing it would show a
// forecast that the list does not hold, and the next add would write over it. It is refused here,
// where it would be stored, so that every check before this answers for it as for any number.
AddOutcome file(ForecastList& list, int32_t slot, int32_t number, int32_t kind)
{
    if (number == ForecastList::empty) return {resultStraight, false, false};
    list.dspYoso(slot, number, kind);
    list.yosoNum[static_cast<std::size_t>(slot)] = number;
    list.yosoKind[static_cast<std::size_t>(slot)] = static_cast<uint8_t>(kind);
    return {checkResultText, false, true};
}

}  // namespace

std::array<int32_t, 4> boxDigits(int32_t number)
{
    const int32_t thousands = number / 1000;
    std::array<int32_t, 4> key = {thousands == 0 ? -1 : thousands, (number / 100) % 10,
                                  (number / 10) % 10, number % 10};
    std::sort(key.begin(), key.end());
    return key;
}

AddOutcome addYoso(ForecastList& list, std::string_view entry)
{
    if (cp932Length(entry) < shortestEntry) return {resultTooShort, false, false};

    const int32_t number = StrToInt(entry);
    const int32_t kind = kindOf(entry);

    for (int32_t slot = ForecastList::firstSlot; slot <= ForecastList::lastSlot; ++slot) {
        const auto at = static_cast<std::size_t>(slot);
        if (list.yosoNum[at] == number && list.yosoKind[at] == kind) {
            return {resultStraight, false, false};
        }
    }

    // Slot 0 and the empty slots take part with the empty value and their kind.
    const std::array<int32_t, 4> key = forecastKey(number, kind);
    for (std::size_t slot = 0; slot < list.yosoNum.size(); ++slot) {
        if (forecastKey(list.yosoNum[slot], list.yosoKind[slot]) == key) {
            return {resultBox, true, false};
        }
    }

    const int32_t slot = firstEmptySlot(list);
    if (slot == 0) return {checkResultText, false, false};
    return file(list, slot, number, kind);
}

AddOutcome addSoredemo(ForecastList& list, std::string_view entry, bool modified)
{
    if (!modified) return {std::nullopt, false, false};

    const int32_t number = StrToInt(entry);
    const int32_t kind = kindOf(entry);

    const int32_t slot = firstEmptySlot(list);
    if (slot == 0) return {};
    return file(list, slot, number, kind);
}

}  // namespace kazuyomi
