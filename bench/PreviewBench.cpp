// Speed and size of the preview picture for a conversion with 200,000 hatch
// segments: the whole picture written to a file, the picture alone, and the
// reading back of the output that it starts with.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

#include "drawing/ConvertedDrawing.h"
#include "exchange/JwwGaibu.h"
#include "exchange/OutputWriter.h"
#include "geometry/Pi.h"
#include "tools/preview/SvgPreview.h"

namespace rv17 {

namespace {

constexpr int kSolids = 2'000;
constexpr int kSegmentsPerSolid = 100;  // 200,000 hatch segments in all

// Quadrilaterals spread over 1000 x 1000 in eight colours, each crossed by 100
// hatch segments at 30 degrees, with coordinates of full double precision as a
// sweep computes them.
struct BenchConversion {
    std::unique_ptr<EntityStore> store;
    OutputLines output;
    std::size_t firstHatchLine = 0;
};

BenchConversion ConvertedDrawingWithHatch() {
    auto store = std::make_unique<EntityStore>();
    InitialiseStore(*store);
    CurrentAttributes current;
    for (int i = 0; i < kSolids; ++i) {
        current.colour = 1 + i % 8;
        auto& quad = AddEntity<EntityKind::QuadSolid>(*store, current);
        const double x = 13.7 * (i % 71) + 0.123456789;
        const double y = 21.3 * (i / 71) + 0.987654321;
        quad.x1 = x, quad.y1 = y, quad.x2 = x + 10.5, quad.y2 = y;
        quad.x3 = x + 10.5, quad.y3 = y + 12.25, quad.x4 = x, quad.y4 = y + 12.25;
    }
    OutputWriter writer(*store);
    writer.Line("hd");
    WriteBackEntities(writer);
    const std::size_t firstHatchLine = writer.Lines().Count();
    const double slope = std::tan(30.0 * kPi / 180.0);
    for (int i = 0; i < kSolids; ++i) {
        const auto& quad = store->quadSolids[static_cast<std::size_t>(i)];
        for (int k = 0; k < kSegmentsPerSolid; ++k) {
            const double y = quad.y1 + 0.0912345678 * (k + 0.5);
            EmitColour(writer, quad.header.colour);
            EmitZFlags(writer, 1);
            EmitLine(writer, quad.x1, y, quad.x2, y + 10.5 * slope);
        }
    }
    OutputLines output = writer.TakeLines();
    return {std::move(store), std::move(output), firstHatchLine};
}

class CountingSink final : public SvgSink {
public:
    std::size_t bytes = 0;
    void Accept(std::string_view text) override { bytes += text.size(); }
};

PreviewInput Input(const BenchConversion& conversion) {
    const EntityStore& store = *conversion.store;
    return PreviewInput{store, &conversion.output, conversion.firstHatchLine, "BENCH.TXT", "0.5",
                        "30"};
}

void BM_WritePreviewFile(benchmark::State& state) {
    const BenchConversion conversion = ConvertedDrawingWithHatch();
    const auto path = std::filesystem::temp_directory_path() / "rv17-preview-bench.svg";
    for (auto _ : state) {
        if (const std::error_code error = WritePreviewSvg(path, Input(conversion)))
            state.SkipWithError(error.message().c_str());
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.counters["hatch_segments"] = kSolids * kSegmentsPerSolid;
    std::filesystem::remove(path);
}
BENCHMARK(BM_WritePreviewFile)->Unit(benchmark::kMillisecond);

void BM_RenderPreview(benchmark::State& state) {
    const BenchConversion conversion = ConvertedDrawingWithHatch();
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingSink sink;
        RenderPreviewSvg(Input(conversion), sink);
        bytes = sink.bytes;
    }
    state.counters["picture_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_RenderPreview)->Unit(benchmark::kMillisecond);

void BM_ReadConvertedDrawing(benchmark::State& state) {
    const BenchConversion conversion = ConvertedDrawingWithHatch();
    const EntityStore& store = *conversion.store;
    for (auto _ : state) {
        ConvertedDrawing converted =
            ReadConvertedDrawing(store, conversion.output, conversion.firstHatchLine);
        benchmark::DoNotOptimize(converted.hatch.Count());
        ReleaseStore(*converted.store);
    }
}
BENCHMARK(BM_ReadConvertedDrawing)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace rv17

BENCHMARK_MAIN();
