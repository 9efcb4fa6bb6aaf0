// The whole conversion of a large drawing (read, convert, save) and the two
// sweeps compared on it: 10,000 solids hatched at 0.5 mm and 30 degrees.
// Run with --write-drawing PATH [SOLIDS] to write the drawing (10,000 solids
// unless told otherwise) for measurements of the real tool.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/HatchDrawing.h"
#include "exchange/JwwGaibu.h"
#include "hatch/ConversionBuild.h"
#include "hatch/ConversionRun.h"

namespace rv17 {

namespace {

HatchSettings BenchSettings() {
    HatchSettings settings;
    settings.interval = "0.5";
    settings.angleDegrees = "30";
    return settings;
}

// The drawing as a file in a folder of its own, written once.
const std::filesystem::path& DrawingFile() {
    static const std::filesystem::path path = [] {
        const auto folder = std::filesystem::temp_directory_path() / "rv17-hatch-bench";
        std::filesystem::create_directories(folder);
        const auto file = folder / "JWC_TEMP.TXT";
        std::ofstream(file, std::ios::binary) << GenerateHatchDrawing();
        return file;
    }();
    return path;
}

double PeakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

// Read, convert, save: what one OK costs.
void BM_ConvertDrawingEndToEnd(benchmark::State& state) {
    const auto input = DrawingFile();
    const auto output = input.parent_path() / "hatched.txt";
    const HatchSettings settings = BenchSettings();
    std::size_t segments = 0;
    for (auto _ : state) {
        EntityStore store;
        InitialiseStore(store);
        if (!ReadExchangeFile(store, input)) state.SkipWithError("the drawing cannot be read");
        const ConversionResult result = ConversionRun(store, settings, output);
        if (result.outcome != ConversionOutcome::Saved) {
            state.SkipWithError("the conversion was not saved");
            break;
        }
        segments = result.hatchSegments;
        ReleaseStore(store);
    }
    state.counters["segments"] = static_cast<double>(segments);
    state.counters["peakRssBytesPerSegment"] = PeakResidentBytes() / static_cast<double>(segments);
}
BENCHMARK(BM_ConvertDrawingEndToEnd)->Unit(benchmark::kMillisecond);

// The conversion without reading and saving, with the sweep chosen by the
// first argument, touching pieces joined by the second.
void BM_BuildOutput(benchmark::State& state) {
    const SweepMode mode = state.range(0) == 0 ? SweepMode::Literal : SweepMode::Indexed;
    HatchSettings settings = BenchSettings();
    settings.joinTouching = state.range(1) != 0;
    EntityStore store;
    InitialiseStore(store);
    if (!ReadExchangeFile(store, DrawingFile())) state.SkipWithError("the drawing cannot be read");
    std::size_t segments = 0;
    for (auto _ : state) {
        OutputWriter writer(store);
        segments = BuildConversionOutput(writer, settings, SweepOptions{mode, 1, {}}).hatchSegments;
        state.PauseTiming();
        writer.TakeLines();  // freed outside the time taken
        state.ResumeTiming();
    }
    state.counters["segments"] = static_cast<double>(segments);
    ReleaseStore(store);
}
BENCHMARK(BM_BuildOutput)
    ->ArgNames({"indexed", "join"})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildOutput)
    ->ArgNames({"indexed", "join"})
    ->Args({0, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// The writer's share of a conversion: the same colours, "z1" lines and
// pieces written without any sweep, for comparing the sweeps' own costs.
void BM_WritePiecesOnly(benchmark::State& state) {
    struct Piece {
        std::int32_t colour;
        double x1, y1, x2, y2;
    };
    std::vector<Piece> pieces;
    {
        EntityStore store;
        InitialiseStore(store);
        if (!ReadExchangeFile(store, DrawingFile()))
            state.SkipWithError("the drawing cannot be read");
        OutputWriter writer(store);
        const ConversionResult build = BuildConversionOutput(writer, BenchSettings());
        std::int32_t colour = 0;
        for (std::size_t i = build.firstSweepLine; i < writer.Lines().Count(); ++i) {
            const std::string line(writer.Lines().Line(i));
            if (line.rfind("lc", 0) == 0) {
                colour = std::atoi(line.c_str() + 2);
            } else if (line != "z1") {
                Piece piece{colour, 0, 0, 0, 0};
                std::sscanf(line.c_str(), "%lf %lf %lf %lf", &piece.x1, &piece.y1, &piece.x2,
                            &piece.y2);
                pieces.push_back(piece);
            }
        }
        ReleaseStore(store);
    }
    for (auto _ : state) {
        EntityStore store;
        InitialiseStore(store);
        OutputWriter writer(store);
        for (const Piece& p : pieces) {
            EmitColour(writer, p.colour);
            EmitZFlags(writer, 1);
            EmitLine(writer, p.x1, p.y1, p.x2, p.y2);
        }
        benchmark::DoNotOptimize(writer.Lines().Count());
        ReleaseStore(store);
    }
    state.counters["segments"] = static_cast<double>(pieces.size());
}
BENCHMARK(BM_WritePiecesOnly)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace rv17

int main(int argc, char** argv) {
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--write-drawing") == 0) {
        std::ofstream out(argv[2], std::ios::binary);
        out << rv17::GenerateHatchDrawing(argc == 4 ? std::atoi(argv[3]) : 10'000);
        return out ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
