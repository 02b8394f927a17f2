#pragma once

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace kazuyomi::uitest {

// The soak's own account of one self-pick window's list, result label and それでも追加: a short
// restatement of the list rules, sharing no code with the program. It is fed the entry texts as
// the window hands them over and the entry's modified flag as the edit box keeps it.
class ForecastShadow {
public:
    enum class Outcome {
        // 追加＞＞
        Filed,
        TooShort,
        StraightDuplicate,
        EmptyValue, // -1 stands in every empty slot, so it is refused like a straight duplicate
                    // where it would be filed
        BoxWarning,
        NoEmptySlot,
        ConversionError,
        // それでも追加
        AnywayFiled,
        AnywayNotModified,
        AnywayNoEmptySlot,
        AnywayEmptyValue,
        AnywayConversionError,
        AnywayDisabled, // a press on the disabled button: nothing happens
        // 削除
        DeleteClearedForecast,
        DeleteClearedEmptySlot,
        DeleteIgnored,
        DeleteConversionError,
    };
    static constexpr int outcomeCount = int(Outcome::DeleteConversionError) + 1;

    static inline const QString emptyResult = QStringLiteral("チェック結果：");
    static inline const QString tooShort = QStringLiteral("チェック結果：【ｴﾗｰ】桁数不足");
    static inline const QString straightError = QStringLiteral("チェック結果：【ｴﾗｰ】ｽﾄﾚｰﾄ重複");
    static inline const QString boxWarning = QStringLiteral("チェック結果：【警告】ﾎﾞｯｸｽ重複");

    ForecastShadow()
    {
        number.fill(empty);
        kind.fill(0);
    }

    // 追加＞＞ with the forecast entry's text.
    Outcome add(const QString& entry)
    {
        result = emptyResult;
        soredemo = false;
        if (cp932Bytes(entry) <= 2) {
            result = tooShort;
            return Outcome::TooShort;
        }
        const std::optional<int32_t> value = wholeNumber(entry);
        if (!value) return Outcome::ConversionError;
        const int32_t n = *value;
        const int k = kindOf(entry);
        for (int slot = 1; slot <= 50; ++slot) {
            if (number[slot] == n && kind[slot] == k) {
                result = straightError;
                return Outcome::StraightDuplicate;
            }
        }
        const std::array<int32_t, 4> key = boxKey(n, k);
        for (int slot = 0; slot <= 50; ++slot) {
            if (boxKey(number[slot], kind[slot]) == key) {
                result = boxWarning;
                soredemo = true;
                return Outcome::BoxWarning;
            }
        }
        const int slot = firstEmptySlot();
        if (slot == 0) return Outcome::NoEmptySlot;
        if (n == empty) {
            result = straightError;
            return Outcome::EmptyValue;
        }
        number[slot] = n;
        kind[slot] = k;
        return Outcome::Filed;
    }

    // それでも追加 with the forecast entry's text and modified flag.
    Outcome addAnyway(const QString& entry, bool modified)
    {
        if (!soredemo) return Outcome::AnywayDisabled;
        if (!modified) {
            soredemo = false;
            return Outcome::AnywayNotModified;
        }
        const std::optional<int32_t> value = wholeNumber(entry);
        if (!value) return Outcome::AnywayConversionError;
        const int slot = firstEmptySlot();
        if (slot == 0) return Outcome::AnywayNoEmptySlot;
        if (*value == empty) {
            result = straightError;
            soredemo = false;
            return Outcome::AnywayEmptyValue;
        }
        number[slot] = *value;
        kind[slot] = kindOf(entry);
        result = emptyResult;
        soredemo = false;
        return Outcome::AnywayFiled;
    }

    // 削除 with the slot-number entry's text.
    Outcome remove(const QString& slotText)
    {
        if (slotText.isEmpty() || !isAsciiDigit(slotText.front())) return Outcome::DeleteIgnored;
        const std::optional<int32_t> value = wholeNumber(slotText);
        if (!value) return Outcome::DeleteConversionError;
        if (*value < 1 || *value > 50) return Outcome::DeleteIgnored;
        const bool held = number[*value] != empty;
        number[*value] = empty; // the kind stays
        return held ? Outcome::DeleteClearedForecast : Outcome::DeleteClearedEmptySlot;
    }

    static bool clearsForecastEntry(Outcome outcome)
    {
        return outcome == Outcome::Filed || outcome == Outcome::AnywayFiled;
    }
    static bool clearsSlotEntry(Outcome outcome)
    {
        return outcome == Outcome::DeleteClearedForecast || outcome == Outcome::DeleteClearedEmptySlot;
    }
    static bool raisesConversionError(Outcome outcome)
    {
        return outcome == Outcome::ConversionError || outcome == Outcome::AnywayConversionError ||
               outcome == Outcome::DeleteConversionError;
    }

    QString slotText(int slot) const
    {
        if (number[slot] == empty) return QString::asprintf("%2d: ----", slot);
        return QString::asprintf(kind[slot] == 1 ? "%2d: %04d" : "%2d: %03d", slot, int(number[slot]));
    }

    int filledSlots() const
    {
        return int(std::count_if(number.begin() + 1, number.end(), [](int32_t n) { return n != empty; }));
    }

    // A forecast that the list holds, as a user would type it again; none when the list is empty.
    std::optional<QString> heldForecast(unsigned pick) const
    {
        const int filled = filledSlots();
        if (filled == 0) return std::nullopt;
        int wanted = int(pick % unsigned(filled));
        for (int slot = 1; slot <= 50; ++slot) {
            if (number[slot] == empty) continue;
            if (wanted-- == 0) return QString::asprintf(kind[slot] == 1 ? "%04d" : "%03d", int(number[slot]));
        }
        return std::nullopt;
    }

    // Optional sign, then one or more ASCII digits, the value in 32 bits.
    static std::optional<int32_t> wholeNumber(const QString& text)
    {
        qsizetype at = 0;
        const bool negative = text.startsWith(QLatin1Char('-'));
        if (negative || text.startsWith(QLatin1Char('+'))) at = 1;
        if (at == text.size()) return std::nullopt;
        int64_t value = 0;
        for (; at < text.size(); ++at) {
            if (!isAsciiDigit(text[at])) return std::nullopt;
            value = value * 10 + (text[at].unicode() - u'0');
            if (value > int64_t(INT32_MAX) + 1) return std::nullopt;
        }
        if (negative) value = -value;
        if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
        return int32_t(value);
    }

    // Bytes in code page 932: one for ASCII and half-width katakana, two for anything else.
    static int cp932Bytes(const QString& text)
    {
        int bytes = 0;
        for (const char32_t c : text.toUcs4()) bytes += (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
        return bytes;
    }

    std::array<int32_t, 51> number{}; // -1: empty; slot 0 is never filled
    std::array<int, 51> kind{};       // 1: four digits
    QString result = emptyResult;     // what dspResult shows
    bool soredemo = false;            // whether それでも追加 is enabled

private:
    static constexpr int32_t empty = -1;

    static bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

    // Four digits when a fourth character is there and is a digit.
    static int kindOf(const QString& entry) { return entry.size() >= 4 && isAsciiDigit(entry[3]) ? 1 : 0; }

    // The digits in ascending order, -1 for a missing thousands digit; a four-digit forecast
    // counts its leading zero instead.
    static std::array<int32_t, 4> boxKey(int32_t n, int k)
    {
        const int32_t thousands = n / 1000;
        std::array<int32_t, 4> key{thousands == 0 ? -1 : thousands, (n / 100) % 10, (n / 10) % 10, n % 10};
        std::sort(key.begin(), key.end());
        if (k == 1 && thousands == 0) key[0] = 0;
        return key;
    }

    int firstEmptySlot() const
    {
        for (int slot = 1; slot <= 50; ++slot) {
            if (number[slot] == empty) return slot;
        }
        return 0;
    }
};

}  // namespace kazuyomi::uitest
