// Per-click costs of the core: one evaluation of three draws, and one add with checks against
// a list, in its worst case (a full list that the entry duplicates nowhere, so every check runs
// over every slot) and when the entry is filed.

#include "autopick/DrawEvaluation.h"
#include "selfpick/ForecastAdd.h"
#include "selfpick/ForecastList.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using kazuyomi::AddOutcome;
using kazuyomi::ForecastList;

void evaluate(benchmark::State& state, std::string_view draw3Ago, std::string_view draw2Ago,
              std::string_view drawLast)
{
    for (auto _ : state) {
        std::optional<kazuyomi::DrawEvaluation> evaluation =
            kazuyomi::evaluateDraws(draw3Ago, draw2Ago, drawLast);
        benchmark::DoNotOptimize(evaluation);
    }
}

BENCHMARK_CAPTURE(evaluate, worked_1234_5678_9012, "1234", "5678", "9012");
BENCHMARK_CAPTURE(evaluate, worked_0000_0000_0000, "0000", "0000", "0000");
BENCHMARK_CAPTURE(evaluate, worked_3333_1111_6666, "3333", "1111", "6666");
BENCHMARK_CAPTURE(evaluate, no_result_first_empty, "", "5678", "9012");

// The window's slot labels stand behind the callback: it keeps the last text of every slot.
using Labels = std::array<std::string, 51>;

ForecastList makeList(Labels& labels)
{
    ForecastList list([&labels](int32_t slot, const std::string& text) {
        labels[static_cast<std::size_t>(slot)] = text;
    });
    list.initYoso();
    return list;
}

// Files four-digit forecasts 1000, 1001, ... that are no box duplicate of `entry` (nor of one
// another, which addYoso refuses anyway) until `count` slots are filled.
void fill(ForecastList& list, int32_t count, int32_t entry, benchmark::State& state)
{
    int32_t filled = 0;
    for (int32_t number = 1000; filled < count && number <= 9999; ++number) {
        if (kazuyomi::boxDigits(number) == kazuyomi::boxDigits(entry)) continue;
        if (kazuyomi::addYoso(list, std::to_string(number)).clearEntry) ++filled;
    }
    if (filled < count) state.SkipWithError("could not fill the list");
}

void addYosoFullList(benchmark::State& state)
{
    Labels labels;
    ForecastList list = makeList(labels);
    const std::string_view entry = "1234";
    fill(list, 50, 1234, state);
    const AddOutcome expected{"チェック結果：", false, false};
    if (kazuyomi::addYoso(list, entry) != expected) state.SkipWithError("not the full-list case");
    for (auto _ : state) {
        AddOutcome outcome = kazuyomi::addYoso(list, entry);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(addYosoFullList);

// Filed into slot `freeSlot` (1: an empty list; 50: the last free slot), with every check run
// over every slot. Emptying the slot again is one store inside the timed loop.
void addYosoFiled(benchmark::State& state)
{
    const auto freeSlot = static_cast<int32_t>(state.range(0));
    Labels labels;
    ForecastList list = makeList(labels);
    const std::string_view entry = "1234";
    fill(list, freeSlot - 1, 1234, state);
    const auto slot = static_cast<std::size_t>(freeSlot);
    const AddOutcome expected{"チェック結果：", false, true};
    if (kazuyomi::addYoso(list, entry) != expected || list.yosoNum[slot] != 1234) {
        state.SkipWithError("not the filed case");
    }
    list.yosoNum[slot] = ForecastList::empty;
    for (auto _ : state) {
        AddOutcome outcome = kazuyomi::addYoso(list, entry);
        benchmark::DoNotOptimize(outcome);
        list.yosoNum[slot] = ForecastList::empty;
    }
}
BENCHMARK(addYosoFiled)->Arg(1)->Arg(50);

}  // namespace
