// Speed and memory of the writer on its hot path: the hatch lines of a large
// conversion (colour, "z1" and a segment each), and saving them.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "exchange/JwwGaibu.h"
#include "geometry/Pi.h"

namespace rv17 {

namespace {

constexpr std::int64_t kHatchLines = 5'000'000;
constexpr std::size_t kCoordinateTable = 1 << 16;

// Coordinates with 15 significant digits, as in "123.456789012345".
std::vector<double> FifteenDigitCoordinates() {
    std::vector<double> values(kCoordinateTable);
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = std::round((123.456789012345 + 0.731 * static_cast<double>(i)) * 1e12) / 1e12;
    }
    return values;
}

// Coordinates as a sweep at 30 degrees computes them: full 17-digit doubles.
std::vector<double> SweptCoordinates() {
    std::vector<double> values(kCoordinateTable);
    const double angle = 30.0 / 180.0 * kPi;
    double y = -250.0;
    for (std::size_t i = 0; i < values.size(); i += 2) {
        y += 0.7 * std::cos(angle + 1.5707963267948966);
        values[i] = 123.456 + 40.0 * std::cos(angle) + static_cast<double>(i % 97) * 0.01;
        values[i + 1] = y * std::sin(angle) + 17.0;
    }
    return values;
}

std::vector<double> Coordinates(std::int64_t kind) {
    return kind == 0 ? FifteenDigitCoordinates() : SweptCoordinates();
}

void PrepareStore(EntityStore& store) {
    InitialiseStore(store);
    ResetCurrentAttributes(store);
    AppendOutputLine(store, "hd");
}

// Colour changes now and then, as when solids of different colours alternate.
void EmitHatchLines(EntityStore& store, const std::vector<double>& values, std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i * 4) & (kCoordinateTable - 1);
        EmitColour(store, (i / 1000) % 2 == 0 ? 2 : 5);
        EmitZFlags(store, 1);
        EmitLine(store, values[at], values[at + 1], values[at + 2], values[at + 3]);
    }
}

double PeakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

void BM_FormatReal(benchmark::State& state) {
    const std::vector<double> values = Coordinates(state.range(0));
    char buffer[kMaxRealTextBytes];
    std::size_t i = 0;
    for (auto _ : state) {
        char* end = AppendRealText(buffer, values[i++ & (kCoordinateTable - 1)]);
        benchmark::DoNotOptimize(end);
        benchmark::ClobberMemory();
    }
    state.counters["numbers/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FormatReal)->Arg(0)->Arg(1)->ArgName("swept");

void BM_EmitHatchLines(benchmark::State& state) {
    const std::vector<double> values = Coordinates(state.range(0));
    double heldPerLine = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        EntityStore store;
        PrepareStore(store);
        state.ResumeTiming();
        EmitHatchLines(store, values, kHatchLines);
        state.PauseTiming();
        heldPerLine = static_cast<double>(store.outputLines.HeldBytes()) /
                      static_cast<double>(store.outputLines.Count());
        ReleaseStore(store);
        state.ResumeTiming();
    }
    state.counters["numbers/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * kHatchLines * 4), benchmark::Counter::kIsRate);
    state.counters["held bytes/line"] = heldPerLine;
}
BENCHMARK(BM_EmitHatchLines)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("swept")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_SaveHatchLines(benchmark::State& state) {
    const std::vector<double> values = Coordinates(1);
    EntityStore store;
    PrepareStore(store);
    EmitHatchLines(store, values, kHatchLines);
    const auto path = std::filesystem::temp_directory_path() / "rv17-writer-bench-JWC_TEMP.TXT";
    for (auto _ : state) {
        if (const std::error_code error = SaveExchangeFile(store, path))
            state.SkipWithError(error.message().c_str());
    }
    std::error_code error;
    state.counters["file MB"] = static_cast<double>(std::filesystem::file_size(path, error)) / 1e6;
    state.counters["lines"] = static_cast<double>(store.outputLines.Count());
    state.counters["held bytes/line"] = static_cast<double>(store.outputLines.HeldBytes()) /
                                        static_cast<double>(store.outputLines.Count());
    std::filesystem::remove(path, error);
    ReleaseStore(store);
}
BENCHMARK(BM_SaveHatchLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// Emitting and saving in one go, with the peak resident memory of the process
// per output line (run alone: --benchmark_filter=BM_EmitAndSave).
void BM_EmitAndSave(benchmark::State& state) {
    const std::vector<double> values = Coordinates(1);
    const auto path = std::filesystem::temp_directory_path() / "rv17-writer-bench-JWC_TEMP.TXT";
    const double residentBefore = PeakResidentBytes();
    std::size_t lines = 0;
    for (auto _ : state) {
        EntityStore store;
        PrepareStore(store);
        EmitHatchLines(store, values, kHatchLines);
        if (const std::error_code error = SaveExchangeFile(store, path))
            state.SkipWithError(error.message().c_str());
        lines = store.outputLines.Count();
        ReleaseStore(store);
    }
    std::error_code error;
    std::filesystem::remove(path, error);
    state.counters["numbers/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * kHatchLines * 4), benchmark::Counter::kIsRate);
    state.counters["peak RSS growth bytes/line"] =
        (PeakResidentBytes() - residentBefore) / static_cast<double>(lines);
    state.counters["peak RSS MB"] = PeakResidentBytes() / 1e6;
}
BENCHMARK(BM_EmitAndSave)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

}  // namespace rv17

BENCHMARK_MAIN();
