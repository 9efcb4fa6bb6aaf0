// Drawings whose layout, not their size, decides what a sweep costs, and the
// conversion of a file on a chosen number of threads, for measurements of
// peak memory and time with /usr/bin/time (scripts/bench-report.sh --layouts):
//
//     sweep_layouts write grid|row|stacked|far COUNT PATH
//     sweep_layouts convert PATH INTERVAL ANGLE THREADS
//
// grid: COUNT unit squares in a square grid; row: the same squares side by
// side along the hatch lines; stacked: COUNT triangles on COUNT circles, all
// in one place; far: two tiny triangles COUNT mm apart across the lines.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "exchange/ExchangeWriter.h"
#include "exchange/JwwGaibu.h"
#include "hatch/ConversionBuild.h"

namespace rv17 {

namespace {

constexpr const char* kHeader = "hq\r\nhp1 0 0\r\nlg0\r\nly0\r\nlc2\r\nlt1\r\nlw0\r\n";

void Square(std::string& text, long x, long y) {
    text += "sl " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + std::to_string(x + 1) +
            ' ' + std::to_string(y) + ' ' + std::to_string(x + 1) + ' ' + std::to_string(y + 1) +
            ' ' + std::to_string(x) + ' ' + std::to_string(y + 1) + "\r\n";
}

bool WriteLayout(const char* layout, long count, const char* path) {
    std::string text = kHeader;
    if (std::strcmp(layout, "grid") == 0) {
        long side = 1;
        while (side * side < count) ++side;
        for (long i = 0; i < count; ++i) Square(text, 2 * (i % side), 2 * (i / side));
    } else if (std::strcmp(layout, "row") == 0) {
        for (long i = 0; i < count; ++i) Square(text, 2 * i, 0);
    } else if (std::strcmp(layout, "stacked") == 0) {
        for (long i = 0; i < count; ++i) text += "sc 0 0 1 1 0 0 0 1\r\n";
        for (long i = 0; i < count; ++i) text += "sl -0.5 -0.5 0.5 -0.5 0 0.5\r\n";
    } else if (std::strcmp(layout, "far") == 0) {
        const std::string far = std::to_string(count);
        const std::string top = std::to_string(count + 1);
        text += "sl 0 0 1 0 0 1\r\n";
        text += "sl 0 " + far + " 1 " + far + " 0 " + top + "\r\n";
    } else {
        return false;
    }
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

// Read, convert and save as OK does, on the given number of threads.
int Convert(const char* path, const char* interval, const char* angle, unsigned threads) {
    EntityStore store;
    InitialiseStore(store);
    if (!ReadExchangeFile(store, path)) {
        std::fprintf(stderr, "sweep_layouts: %s cannot be read\n", path);
        return 1;
    }
    HatchSettings settings;
    settings.interval = interval;
    settings.angleDegrees = angle;
    ExchangeFileStream stream(std::string(path) + ".out");
    OutputWriter writer(store, stream);
    const ConversionResult result =
        BuildConversionOutput(writer, settings, SweepOptions{SweepMode::Indexed, threads, {}});
    if (result.outcome != ConversionOutcome::Accepted || stream.Finish()) {
        std::fprintf(stderr, "sweep_layouts: %s was not converted\n", path);
        return 1;
    }
    std::printf("%zu hatch segments\n", result.hatchSegments);
    ReleaseStore(store);
    return 0;
}

}  // namespace

}  // namespace rv17

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "write") == 0)
        return rv17::WriteLayout(argv[2], std::atol(argv[3]), argv[4]) ? 0 : 2;
    if (argc == 6 && std::strcmp(argv[1], "convert") == 0)
        return rv17::Convert(argv[2], argv[3], argv[4], static_cast<unsigned>(std::atoi(argv[5])));
    std::fprintf(stderr,
                 "usage: sweep_layouts write grid|row|stacked|far COUNT PATH\n"
                 "       sweep_layouts convert PATH INTERVAL ANGLE THREADS\n");
    return 2;
}
