// Read-and-parse throughput of the exchange-file reader on a generated file of
// one million mixed entity lines, and the number of heap allocations it makes.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "bench/AllocationCounter.h"
#include "exchange/JwwGaibu.h"

namespace rv17 {

namespace {

constexpr int kEntityLines = 1'000'000;

void AppendNumber(std::string& out, double value) {
    char digits[32];
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 3);
    out.append("  ");
    out.append(digits, end);
}

// A drawing in the host's style: attribute lines now and then, and a mix of
// line segments, solids, circles, texts and points with real coordinates.
std::string GenerateDrawing() {
    std::mt19937 random(17);
    std::uniform_real_distribution<double> coordinate(-5000.0, 5000.0);
    std::string out =
        "hq\r\nhs  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1\r\nlg0\r\nly0\r\nlc1\r\n#\r\n";
    out.reserve(std::size_t{64} * kEntityLines);
    for (int i = 0; i < kEntityLines; ++i) {
        const int pick = static_cast<int>(random() % 100);
        if (i % 50 == 0) out += "ly" + std::to_string(i / 50 % 16) + "\r\nlc10  8421504\r\n";
        if (pick < 45) {
            out += ' ';
            for (int k = 0; k < 4; ++k) AppendNumber(out, coordinate(random));
        } else if (pick < 65) {
            out += "sl";
            for (int k = 0; k < (pick < 55 ? 6 : 8); ++k) AppendNumber(out, coordinate(random));
        } else if (pick < 75) {
            out += "ci";
            for (int k = 0; k < 3; ++k) AppendNumber(out, coordinate(random));
        } else if (pick < 82) {
            out += "sc";
            for (int k = 0; k < 7; ++k) AppendNumber(out, coordinate(random));
            out += "  1";
        } else if (pick < 88) {
            out += "so";
            for (int k = 0; k < 8; ++k) AppendNumber(out, coordinate(random));
        } else if (pick < 95) {
            out += "ch";
            for (int k = 0; k < 2; ++k) AppendNumber(out, coordinate(random));
            out += "  1  0  \"\x95\xBD\x96\xCA\x90\x7D text ";
            out += std::to_string(i);
        } else {
            out += "pt";
            for (int k = 0; k < 2; ++k) AppendNumber(out, coordinate(random));
        }
        out += "\r\n";
    }
    return out;
}

const std::string& Drawing() {
    static const std::string drawing = GenerateDrawing();
    return drawing;
}

// The drawing written once to a temporary file, removed when the program ends.
class DrawingFile {
public:
    DrawingFile()
        : path_(std::filesystem::temp_directory_path() /
                ("rv17-reader-bench-" + std::to_string(std::random_device{}()) + ".txt")) {
        std::ofstream out(path_, std::ios::binary);
        out.write(Drawing().data(), static_cast<std::streamsize>(Drawing().size()));
    }
    ~DrawingFile() {
        std::error_code error;
        std::filesystem::remove(path_, error);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

const DrawingFile& File() {
    static const DrawingFile file;
    return file;
}

void ReportCounters(benchmark::State& state, std::size_t allocations, std::size_t entities) {
    const double iterations = static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Drawing().size()));
    state.counters["entities"] = static_cast<double>(entities);
    state.counters["allocations"] = static_cast<double>(allocations) / iterations;
    state.counters["allocsPerEntity"] =
        static_cast<double>(allocations) / iterations / static_cast<double>(entities);
}

void BM_ReadExchangeFile(benchmark::State& state) {
    const std::filesystem::path& path = File().Path();
    EntityStore store;
    std::size_t allocations = 0;
    std::size_t entities = 0;
    for (auto _ : state) {
        InitialiseStore(store);
        const std::size_t before = AllocationCount();
        const bool read = ReadExchangeFile(store, path);
        allocations += AllocationCount() - before;
        benchmark::DoNotOptimize(read);
        entities = store.EntityOrder.Count();
    }
    ReleaseStore(store);
    ReportCounters(state, allocations, entities);
}
BENCHMARK(BM_ReadExchangeFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ParseExchangeText(benchmark::State& state) {
    const std::string& text = Drawing();
    EntityStore store;
    std::size_t allocations = 0;
    std::size_t entities = 0;
    for (auto _ : state) {
        InitialiseStore(store);
        const std::size_t before = AllocationCount();
        ParseExchangeText(store, text);
        allocations += AllocationCount() - before;
        entities = store.EntityOrder.Count();
    }
    ReleaseStore(store);
    ReportCounters(state, allocations, entities);
}
BENCHMARK(BM_ParseExchangeText)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

}  // namespace rv17

BENCHMARK_MAIN();
