// The preview pane on the 10,000-solid drawing: from a change of value to the
// finished primitives on the canvas, as the user sees it after typing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "bench/HatchDrawing.h"
#include "exchange/ExchangeReader.h"
#include "ui/PreviewPane.h"
#include "ui/Unit1.h"
#include "ui/headless/HeadlessToolkit.h"

namespace rv17 {

namespace {

void BM_PreviewValueChange(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "rv17-pane-bench";
    std::filesystem::create_directories(folder);
    const auto file = folder / "JWC_TEMP.TXT";
    std::ofstream(file, std::ios::binary) << GenerateHatchDrawing();
    EntityStore store;
    InitialiseStore(store);
    if (!ReadExchangeFile(store, file)) state.SkipWithError("the drawing cannot be read");

    ui::headless::HeadlessApplication app;
    const auto window = app.CreateDialogWindow(TForm1::Design());
    auto& canvas = static_cast<ui::headless::HeadlessCanvas&>(window->CanvasNamed("PaintBox1"));
    PreviewPane pane(canvas, store, TForm1::kPaneWidth, TForm1::kPaneHeight);
    HatchSettings settings;
    settings.angleDegrees = "30";
    // Two intervals in turn, so that every change is a real one.
    const char* intervals[] = {"1", "1.5"};
    int turn = 0;
    std::size_t segments = 0;
    for (auto _ : state) {
        settings.interval = intervals[turn++ % 2];
        pane.Show(settings);
        pane.WaitUntilComputed();
        canvas.RunPosted();
        segments = canvas.Layers().size() > 1 ? canvas.Layers()[1]->items.size() : 0;
    }
    state.counters["segments"] = static_cast<double>(segments);
    ReleaseStore(store);
}
BENCHMARK(BM_PreviewValueChange)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace rv17

BENCHMARK_MAIN();
