// How long a tool window takes to open: made from its form, shown, and its first events handled.
// Run it under the window system it is meant for (e.g. Xvfb with QT_QPA_PLATFORM=xcb).

#include "autopick/Unit4.h"
#include "selfpick/Unit5.h"
#include "toolkit/TApplication.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

template <class Window>
void BM_OpenWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<Window>();
        window->Show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.get());

        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_OpenWindow<kazuyomi::TOmakase2>)->Name("BM_OpenAutoPickWindow")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindow<kazuyomi::TJiriki2>)->Name("BM_OpenSelfPickWindow")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    kazuyomi::TApplication application(argc, argv);
    application.Initialize();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
