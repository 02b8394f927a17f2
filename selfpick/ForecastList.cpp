#include "selfpick/ForecastList.h"

#include "toolkit/Convert.h"

#include <cstdio>
#include <utility>

namespace kazuyomi {

namespace {

std::string emptySlotText(int32_t slot)
{
    char text[16];
    std::snprintf(text, sizeof text, "%2d: ----", static_cast<int>(slot));
    return text;
}

}  // namespace

ForecastList::ForecastList(SlotTextSink setSlotText)
    : setSlotText(std::move(setSlotText))
{
    // Well defined even before the owner's first reset; nothing is shown yet.
    yosoNum.fill(empty);
    yosoKind.fill(0);
}

void ForecastList::initYoso()
{
    yosoNum.fill(empty);
    yosoKind.fill(0);
    for (int32_t slot = firstSlot; slot <= lastSlot; ++slot) setSlotText(slot, emptySlotText(slot));
}

void ForecastList::dspYoso(int32_t slot, int32_t number, int32_t kind)
{
    if (slot < firstSlot || slot > lastSlot) return;
    char text[32];
    std::snprintf(text, sizeof text, kind == 1 ? "%2d: %04d" : "%2d: %03d", static_cast<int>(slot),
                  static_cast<int>(number));
    setSlotText(slot, text);
}

bool ForecastList::delYoso(std::string_view slotText)
{
    if (slotText.empty()) return false;
    if (slotText.front() < '0' || slotText.front() > '9') return false;
    const int32_t slot = StrToInt(slotText);
    if (slot < firstSlot || slot > lastSlot) return false;
    // The kind stays: an emptied slot still takes part in the box check with it.
    yosoNum[static_cast<std::size_t>(slot)] = empty;
    setSlotText(slot, emptySlotText(slot));
    return true;
}

}  // namespace kazuyomi
