#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kazuyomi {

// The fifty numbered slots of one self-pick window. Index 0 only lets a slot number index the
// arrays directly: it is never filled and always reads as an empty slot.
class ForecastList {
public:
    using SlotTextSink = std::function<void(int32_t slot, const std::string& text)>;

    static constexpr int32_t firstSlot = 1;
    static constexpr int32_t lastSlot = 50;
    static constexpr int32_t empty = -1;

    explicit ForecastList(SlotTextSink setSlotText);

    // Empties every slot and shows every slot's empty text, slot 1 first.
    void initYoso();
    // Shows a forecast in a slot's text; stores nothing. Slots outside 1 to 50 show nothing.
    void dspYoso(int32_t slot, int32_t number, int32_t kind);
    // Empties the slot the text names. False when it names none; may throw EConvertError.
    bool delYoso(std::string_view slotText);

    std::array<int32_t, 51> yosoNum;  // -1 = empty
    std::array<uint8_t, 51> yosoKind; // 1 = four digits, 0 = three

private:
    SlotTextSink setSlotText;
};

}  // namespace kazuyomi
