#pragma once

#include "selfpick/ForecastList.h"
#include "TestTexts.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kazuyomi {

// A forecast list wired to a callback that keeps every text it is given, as the self-pick window
// keeps them in its slot labels.
class RecordingList {
public:
    using Call = std::pair<int32_t, std::string>;

    struct State {
        std::array<int32_t, 51> yosoNum;
        std::array<uint8_t, 51> yosoKind;
        std::array<std::string, 51> shown;
    };

    RecordingList()
        : list([this](int32_t slot, const std::string& text) {
              calls.emplace_back(slot, text);
              if (slot >= 0 && slot <= ForecastList::lastSlot) shown[static_cast<std::size_t>(slot)] = text;
          })
    {
    }
    RecordingList(const RecordingList&) = delete;
    RecordingList& operator=(const RecordingList&) = delete;

    // Puts a forecast into a slot the way an add does: show it, then store it.
    void store(int32_t slot, int32_t number, uint8_t kind)
    {
        list.dspYoso(slot, number, kind);
        list.yosoNum[static_cast<std::size_t>(slot)] = number;
        list.yosoKind[static_cast<std::size_t>(slot)] = kind;
    }

    State state() const { return {list.yosoNum, list.yosoKind, shown}; }

    std::vector<Call> calls;
    std::array<std::string, 51> shown;
    ForecastList list;
};

inline void expectSameState(const RecordingList::State& expected, const RecordingList::State& actual)
{
    EXPECT_EQ(expected.yosoNum, actual.yosoNum);
    EXPECT_EQ(expected.yosoKind, actual.yosoKind);
    EXPECT_EQ(expected.shown, actual.shown);
}

}  // namespace kazuyomi
