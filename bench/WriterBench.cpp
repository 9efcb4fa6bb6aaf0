// Speed and memory of the writer on its hot path: the hatch lines of a large
// conversion (colour, "z1" and a segment each), and saving them.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "exchange/JwwGaibu.h"
#include "exchange/OutputWriter.h"
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

// An empty drawing and a writer that has written "hd".
struct BenchOutput {
    BenchOutput() {
        InitialiseStore(store);
        writer.Line("hd");
    }
    ~BenchOutput() { ReleaseStore(store); }
    BenchOutput(const BenchOutput&) = delete;
    BenchOutput& operator=(const BenchOutput&) = delete;

    EntityStore store;
    OutputWriter writer{store};
};

// Colour changes now and then, as when solids of different colours alternate.
void EmitHatchLines(OutputWriter& writer, const std::vector<double>& values, std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i * 4) & (kCoordinateTable - 1);
        EmitColour(writer, (i / 1000) % 2 == 0 ? 2 : 5);
        EmitZFlags(writer, 1);
        EmitLine(writer, values[at], values[at + 1], values[at + 2], values[at + 3]);
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
        auto output = std::make_unique<BenchOutput>();
        state.ResumeTiming();
        EmitHatchLines(output->writer, values, kHatchLines);
        state.PauseTiming();
        const OutputLines& lines = output->writer.Lines();
        heldPerLine = static_cast<double>(lines.HeldBytes()) / static_cast<double>(lines.Count());
        output.reset();
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
    BenchOutput output;
    EmitHatchLines(output.writer, values, kHatchLines);
    const OutputLines& lines = output.writer.Lines();
    const auto path = std::filesystem::temp_directory_path() / "rv17-writer-bench-JWC_TEMP.TXT";
    for (auto _ : state) {
        if (const std::error_code error = SaveExchangeFile(lines, path))
            state.SkipWithError(error.message().c_str());
    }
    std::error_code error;
    state.counters["file MB"] = static_cast<double>(std::filesystem::file_size(path, error)) / 1e6;
    state.counters["lines"] = static_cast<double>(lines.Count());
    state.counters["held bytes/line"] =
        static_cast<double>(lines.HeldBytes()) / static_cast<double>(lines.Count());
    std::filesystem::remove(path, error);
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
        auto output = std::make_unique<BenchOutput>();
        EmitHatchLines(output->writer, values, kHatchLines);
        if (const std::error_code error = SaveExchangeFile(output->writer.Lines(), path))
            state.SkipWithError(error.message().c_str());
        lines = output->writer.Lines().Count();
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
