// Fuzz target of a whole conversion: the first bytes choose the dialog's
// values, the rest is the exchange file. The file is read, converted and saved
// as the program does it, then read again. A refused run must leave the file
// as it was; a saved file must start with "hd", hold no number that is not
// finite, and give back every written-back figure as it was read, in order;
// and the literal sweep must write the same lines as the indexed one. The
// same run is then made again with the disk failing, and then with memory
// running out, at a point the input chooses: the program must refuse and
// leave the file exactly as it was.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <new>
#include <string>
#include <string_view>

#include "app/RunSequence.h"
#include "exchange/ExchangeReader.h"
#include "exchange/ExchangeWriter.h"
#include "exchange/FileAccess.h"
#include "exchange/JwwGaibu.h"
#include "geometry/TextConversions.h"
#include "hatch/ConversionBuild.h"
#include "hatch/ConversionRun.h"
#include "hatch/HatchParameters.h"
#include "hatch/SolidBounds.h"
#include "hatch/SweepOrigin.h"
#include "tests/support/InjectedReadFailure.h"
#include "tests/support/TestFolder.h"

namespace {

// Every allocation of the process is counted; when a countdown is armed, the
// allocation that brings it to zero fails as an exhausted heap would.
std::atomic<std::uint64_t> allocationsMade{0};
std::atomic<std::int64_t> allocationsBeforeFailure{-1};

void* Allocate(std::size_t size) {
    ++allocationsMade;
    if (allocationsBeforeFailure.load(std::memory_order_relaxed) >= 0 &&
        allocationsBeforeFailure.fetch_sub(1) == 0) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace rv17 {

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The dialog's values from the first bytes: texts from small tables that hold
// ordinary values, the limits, values just beyond them and text that is no
// number; list entries over their whole range and beyond.
constexpr std::size_t kSettingsBytes = 6;
constexpr const char* kIntervals[16] = {"1",     "0.3",   "0.5", "2", "0.01", "100", "7.25", "0.05",
                                        "0.009", "100.5", "",    "x", "1e1",  "-1",  " 3",   "0.7"};
constexpr const char* kAngles[32] = {
    "0",        "30",          "45",      "90",       "-17.5", "400",    "135", "1e300",
    "-1e300",   "4e7",         "89.9999", "180",      "1e16",  "abc",    "",    "0.001",
    "60",       "-90",         "270",     "359.9999", "1e9",   "-45",    "0.5", "3e7",
    "33554433", "-33554431.5", "720",     "1E2",      "+15",   "1e-300", "7.5", "22.5"};
constexpr const char* kWidths[8] = {"-1", "0", "13", "30000", "30001", "-2", "w", "35"};

HatchSettings ChosenSettings(const std::uint8_t* bytes) {
    HatchSettings settings;
    settings.interval = kIntervals[bytes[0] % 16];
    settings.angleDegrees = kAngles[bytes[1] % 32];
    settings.colourIndex = static_cast<std::int32_t>(bytes[2]) * 2 - 200;
    settings.lineTypeIndex = static_cast<std::int32_t>(bytes[3]) - 60;
    settings.width = kWidths[bytes[4] % 8];
    settings.recolourNumberedSolids = (bytes[5] & 1) != 0;
    settings.recolourSxfSolids = (bytes[5] & 2) != 0;
    settings.realSize = (bytes[5] & 4) != 0;
    settings.joinTouching = (bytes[5] & 8) != 0;
    return settings;
}

// A sweep whose lines times solids exceed this would make a slow input, not a
// finding; such inputs are left out (the refusal of larger sweeps still runs).
constexpr double kMaxLineOffers = 20000.0;

bool WithinBudget(const EntityStore& store, const HatchSettings& settings) {
    const SweepPlan plan = PlanSweepOfStore(store, DeriveHatchParameters(store, settings));
    if (plan.tooLarge) return true;
    const double lines = 1.0 + static_cast<double>(plan.forwardLines + plan.backwardLines);
    return lines * std::max(1, SolidCount(store)) <= kMaxLineOffers;
}

// Equal up to the 15 significant digits the writer keeps.
bool Near(double a, double b) {
    return a == b || std::fabs(a - b) <= 1e-14 * std::max(std::fabs(a), std::fabs(b)) + 1e-300;
}

bool AllNear(std::initializer_list<double> a, std::initializer_list<double> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), Near);
}

bool SameLayer(const EntityHeader& a, const EntityHeader& b) {
    return a.layerGroup == b.layerGroup && a.layer == b.layer;
}

bool SamePen(const EntityHeader& a, const EntityHeader& b) {
    return SameLayer(a, b) && a.colour == b.colour && a.lineType == b.lineType;
}

bool SameLine(const LineRecord& a, const LineRecord& b) {
    return AllNear({a.x1, a.y1, a.x2, a.y2}, {b.x1, b.y1, b.x2, b.y2});
}

bool SameTextPlace(const TextRecord& a, const TextRecord& b) {
    return AllNear({a.x, a.y, a.dx, a.dy}, {b.x, b.y, b.dx, b.dy});
}

// The figure as read and as read back from the saved file: the same kind,
// place, size and text, on the same layer. Attributes that the writer
// normalises (widths, codes, font names) are not compared.
bool SameFigure(const EntityStore& a, EntityOrderEntry ea, const EntityStore& b,
                EntityOrderEntry eb) {
    if (ea.kind != eb.kind) return false;
    const auto i = static_cast<std::size_t>(ea.index);
    const auto j = static_cast<std::size_t>(eb.index);
    switch (ea.kind) {
        case EntityKind::Line:
            return SamePen(a.lines[i].header, b.lines[j].header) &&
                   SameLine(a.lines[i], b.lines[j]);
        case EntityKind::Circle: {
            const CircleRecord &r = a.circles[i], &s = b.circles[j];
            return SamePen(r.header, s.header) &&
                   AllNear({r.cx, r.cy, r.radius}, {s.cx, s.cy, s.radius});
        }
        case EntityKind::Arc: {
            const ArcRecord &r = a.arcs[i], &s = b.arcs[j];
            return SamePen(r.header, s.header) &&
                   AllNear(
                       {r.cx, r.cy, r.radius, r.arcValue4, r.arcValue5, r.arcValue6, r.arcValue7},
                       {s.cx, s.cy, s.radius, s.arcValue4, s.arcValue5, s.arcValue6, s.arcValue7});
        }
        case EntityKind::Text: {
            const TextRecord &r = a.texts[i], &s = b.texts[j];
            return SameLayer(r.header, s.header) && SameTextPlace(r, s) &&
                   r.text.View() == s.text.View();
        }
        case EntityKind::Point: {
            const PointRecord &r = a.points[i], &s = b.points[j];
            return SameLayer(r.header, s.header) && AllNear({r.x, r.y}, {s.x, s.y});
        }
        case EntityKind::PointEx: {
            const PointExRecord &r = a.pointExs[i], &s = b.pointExs[j];
            return SameLayer(r.header, s.header) &&
                   AllNear({r.x, r.y, r.param4}, {s.x, s.y, s.param4});
        }
        case EntityKind::Dimension: {
            const DimensionRecord &r = a.dimensions[i], &s = b.dimensions[j];
            // An empty text is written as the measured length.
            const bool textKept = RemoveBlanks(r.text.text.View()).empty() ||
                                  r.text.text.View() == s.text.text.View();
            return SameLayer(r.header, s.header) && SameLine(r.line, s.line) &&
                   SameTextPlace(r.text, s.text) && textKept;
        }
        case EntityKind::SolidSegment: {
            const SolidSegmentRecord &r = a.solidSegments[i], &s = b.solidSegments[j];
            return SameLayer(r.header, s.header) &&
                   AllNear({r.x1, r.y1, r.x2, r.y2}, {s.x1, s.y1, s.x2, s.y2});
        }
        case EntityKind::SeCircleSolid: {
            // Written back on layer 1 of its own layer group.
            const CircleSolidRecord &r = a.seCircleSolids[i], &s = b.seCircleSolids[j];
            return r.header.layerGroup == s.header.layerGroup && s.header.layer == 1 &&
                   r.solidMode == s.solidMode &&
                   AllNear({r.cx, r.cy, r.radius, r.flatness, r.tilt, r.startAngle, r.arcAngle},
                           {s.cx, s.cy, s.radius, s.flatness, s.tilt, s.startAngle, s.arcAngle});
        }
        default:
            return false;
    }
}

bool WrittenBack(EntityKind kind) { return kind != EntityKind::Block && !IsHatchableKind(kind); }

// Within the solids' bounds, up to the rounding of the pieces' ends.
bool WithinBounds(const PlaneBox& b, double x, double y) {
    const double margin =
        1e-6 + 1e-9 * std::max({std::fabs(b.minX), std::fabs(b.maxX), std::fabs(b.minY),
                                std::fabs(b.maxY), b.maxX - b.minX, b.maxY - b.minY});
    return x >= b.minX - margin && x <= b.maxX + margin && y >= b.minY - margin &&
           y <= b.maxY + margin;
}

// Every figure read back stands for the next written-back figure of the
// original that it equals (a figure whose geometry the writer refuses is
// passed over); only hatch lines follow the last of them, each within the
// bounds of the solids.
void CheckFiguresReadBack(const EntityStore& original, const EntityStore& saved) {
    std::size_t next = 0;
    const std::size_t savedCount = saved.EntityOrder.Count();
    for (std::size_t i = 0; i < original.EntityOrder.Count() && next < savedCount; ++i) {
        const EntityOrderEntry entry = original.EntityOrder[i];
        if (!WrittenBack(entry.kind)) continue;
        if (SameFigure(original, entry, saved, saved.EntityOrder[next])) ++next;
    }
    const PlaneBox bounds = BuildSolidBounds(original);
    for (; next < savedCount; ++next) {
        const EntityOrderEntry entry = saved.EntityOrder[next];
        Require(entry.kind == EntityKind::Line);
        const LineRecord& piece = saved.lines[static_cast<std::size_t>(entry.index)];
        Require(WithinBounds(bounds, piece.x1, piece.y1) &&
                WithinBounds(bounds, piece.x2, piece.y2));
    }
}

// No number of the file may be "nan" or "inf": every line but the texts
// (after a double quote) and the font names.
void CheckNumbersFinite(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string line(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.rfind("cn$", 0) == 0) continue;
        line = line.substr(0, line.find('"'));
        for (char& c : line) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        Require(line.find("nan") == std::string::npos && line.find("inf") == std::string::npos);
    }
}

// The same conversion with the literal sweep, its output held and saved the
// way the preview and the SVG picture keep it, must give the bytes that the
// streamed save wrote.
void CheckLiteralSweep(std::string_view input, const HatchSettings& settings,
                       std::string_view streamed, const TestFolder& folder) {
    static EntityStore literal;
    InitialiseStore(literal);
    ParseExchangeText(literal, input);
    OutputWriter writer(literal);
    BuildConversionOutput(writer, settings, SweepOptions{SweepMode::Literal, 1, {}});
    const auto path = folder.Path() / "literal.txt";
    Require(!SaveExchangeFile(writer.Lines(), path));
    const FileContents held = ReadWholeFile(path);
    Require(held.complete && held.bytes == streamed);
    std::filesystem::remove(path);
    ReleaseStore(literal);
}

// A number from the input's bytes, to choose where a failure strikes.
std::uint64_t InputHash(std::string_view input) {
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : input) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    return hash;
}

// One use of the program on the host's file at path, as the dialog runs it
// up to OK: the outcome of OK, or OutOfMemory when memory ran out where only
// the program's entry catches it (which tells the user and writes nothing).
ConversionOutcome ProgramRun(const std::filesystem::path& path, const HatchSettings& settings) {
    try {
        RunSequence run(path.parent_path() / "rv17.exe");
        run.BeginStartUp();
        run.ReadSelection();
        const ConversionOutcome outcome = run.Convert(settings).outcome;
        run.EndShutDown();
        return outcome;
    } catch (const std::bad_alloc&) {
        return ConversionOutcome::OutOfMemory;
    }
}

// The disk fails at a byte of the file that the input chooses: OK refuses.
void CheckReadFailure(std::string_view input, const HatchSettings& settings,
                      const TestFolder& folder) {
    if (input.empty()) return;
    const auto path = folder.Write("JWC_TEMP.TXT", input);
    {
        const InjectedReadFailure failure(InputHash(input) % input.size(), std::errc::io_error);
        Require(ProgramRun(path, settings) == ConversionOutcome::ReadFailed);
    }
    const FileContents after = ReadWholeFile(path);
    Require(after.complete && after.bytes == input && folder.FileCount() == 1);
}

// Memory runs out at an allocation that the input chooses among those of a
// whole run: the run refuses, whether reading or converting met it, and the
// file stays as it was. Only the tidying of stale temporary files goes on
// without the memory it asked for; the run must then write what it writes
// with memory to spare.
void CheckAllocationFailure(std::string_view input, const HatchSettings& settings,
                            const TestFolder& folder) {
    const auto path = folder.Write("JWC_TEMP.TXT", input);
    const std::uint64_t before = allocationsMade;
    const ConversionOutcome whole = ProgramRun(path, settings);
    const std::uint64_t allocations = allocationsMade - before;
    const std::string wholeBytes = ReadWholeFile(path).bytes;
    folder.Write("JWC_TEMP.TXT", input);
    if (allocations == 0) return;
    allocationsBeforeFailure = static_cast<std::int64_t>(InputHash(input) % allocations);
    const ConversionOutcome outcome = ProgramRun(path, settings);
    const bool struck = allocationsBeforeFailure.exchange(-1) < 0;
    const bool refused =
        outcome == ConversionOutcome::ReadFailed || outcome == ConversionOutcome::OutOfMemory;
    // Without the failure (a run of threads may allocate less the second
    // time), the run ends as it did.
    Require(refused ? struck : outcome == whole);
    const FileContents after = ReadWholeFile(path);
    Require(after.complete && folder.FileCount() == 1);
    Require(after.bytes == (outcome == ConversionOutcome::Saved ? wholeBytes : input));
}

}  // namespace

}  // namespace rv17

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rv17;
    if (size < kSettingsBytes) return 0;
    static const TestFolder folder;
    static EntityStore original;
    static EntityStore saved;
    const HatchSettings settings = ChosenSettings(data);
    const std::string_view input(reinterpret_cast<const char*>(data) + kSettingsBytes,
                                 size - kSettingsBytes);
    const auto path = folder.Write("JWC_TEMP.TXT", input);

    InitialiseStore(original);
    Require(ReadExchangeFile(original, path));
    if (!WithinBudget(original, settings)) {
        ReleaseStore(original);
        return 0;
    }
    const ConversionResult result = ConversionRun(original, settings, path);
    const FileContents after = ReadWholeFile(path);
    Require(after.complete && folder.FileCount() == 1);
    if (result.outcome != ConversionOutcome::Saved) {
        Require(result.outcome != ConversionOutcome::SaveFailed);
        Require(after.bytes == input);
        ReleaseStore(original);
        CheckReadFailure(input, settings, folder);
        CheckAllocationFailure(input, settings, folder);
        return 0;
    }
    Require(after.bytes.rfind("hd\r\n", 0) == 0);
    CheckLiteralSweep(input, settings, after.bytes, folder);
    CheckNumbersFinite(after.bytes);
    InitialiseStore(saved);
    ParseExchangeText(saved, after.bytes);
    CheckFiguresReadBack(original, saved);
    ReleaseStore(saved);
    ReleaseStore(original);
    CheckReadFailure(input, settings, folder);
    CheckAllocationFailure(input, settings, folder);
    return 0;
}
