// Fuzz target of the settings file reader: any bytes are loaded as the
// settings file; saving what was loaded and loading it again must give the
// same values and the same file, the preset lists must survive being read and
// written as comma texts, and the dialog's last values must lead a conversion
// of a small drawing to a refusal or to an output with finite numbers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "exchange/ExchangeReader.h"
#include "exchange/FileAccess.h"
#include "exchange/JwwGaibu.h"
#include "hatch/ConversionBuild.h"
#include "hatch/ConversionRun.h"
#include "tests/support/TestFolder.h"
#include "ui/CommaText.h"
#include "ui/SettingsFile.h"

namespace rv17 {

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool SameSettings(const SettingsFile& a, const SettingsFile& b) {
    const HatchSettings& x = a.lastValues;
    const HatchSettings& y = b.lastValues;
    return a.mainPosition == b.mainPosition && a.editorPosition == b.editorPosition &&
           a.intervalList == b.intervalList && a.angleList == b.angleList &&
           a.widthList == b.widthList && x.interval == y.interval &&
           x.angleDegrees == y.angleDegrees && x.colourIndex == y.colourIndex &&
           x.lineTypeIndex == y.lineTypeIndex && x.width == y.width &&
           x.recolourNumberedSolids == y.recolourNumberedSolids &&
           x.recolourSxfSolids == y.recolourSxfSolids;
}

// Items read from a comma text are written so that they read back the same.
void CheckCommaText(std::string_view text) {
    const PresetList items = CommaTextToItems(text);
    Require(CommaTextToItems(ItemsToCommaText(items)) == items);
}

// Each solid kind once, small enough that the finest interval stays quick.
constexpr std::string_view kDrawing =
    "hp1 0.3 0.7\n"
    "lc10 255\n"
    "sl 0 0 10 0 2 7\n"
    "lc3\n"
    "sl 12 0 20 1 19 6 13 5\n"
    "lc105\n"
    "sc 30 3 4 0.5 0.2 0 0 1\n"
    "so 45 3 4 1 0 0 3 2\n";

void CheckConversionOfDrawing(const HatchSettings& settings) {
    // Most inputs repeat the values of an earlier one; each is converted once.
    static std::set<std::string> converted;
    std::string key = settings.interval + '\n' + settings.angleDegrees + '\n' + settings.width +
                      '\n' + std::to_string(settings.colourIndex) + ' ' +
                      std::to_string(settings.lineTypeIndex) + ' ' +
                      std::to_string(settings.recolourNumberedSolids) +
                      std::to_string(settings.recolourSxfSolids);
    if (!converted.insert(std::move(key)).second) return;
    EntityStore store;
    InitialiseStore(store);
    ParseExchangeText(store, kDrawing);
    if (CheckConversion(store, settings) == ConversionOutcome::Accepted) {
        OutputWriter writer(store);
        Require(BuildConversionOutput(writer, settings).outcome == ConversionOutcome::Accepted);
        const OutputLines& lines = writer.Lines();
        Require(lines.Count() > 0 && lines.Line(0) == "hd");
        for (std::size_t i = 0; i < lines.Count(); ++i) {
            const std::string_view line = lines.Line(i);
            Require(line.find("NAN") == std::string_view::npos &&
                    line.find("INF") == std::string_view::npos);
        }
    }
    ReleaseStore(store);
}

}  // namespace

}  // namespace rv17

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rv17;
    static const TestFolder folder;
    const auto path =
        folder.Write("rv17.dat", std::string_view(reinterpret_cast<const char*>(data), size));

    SettingsFile loaded;
    LoadSettings(path, loaded);
    Require(SaveSettings(path, loaded) == std::error_code{});
    const std::string written = ReadWholeFile(path).bytes;
    SettingsFile again;
    again.editorPosition = {-7, -7};  // to be replaced by the file's own
    LoadSettings(path, again);
    Require(SameSettings(loaded, again));
    Require(SaveSettings(path, again) == std::error_code{});
    Require(ReadWholeFile(path).bytes == written && folder.FileCount() == 1);

    CheckCommaText(loaded.intervalList);
    CheckCommaText(loaded.angleList);
    CheckCommaText(loaded.widthList);

    const std::optional<HatchSettings> values = LoadHatchSettings(path);
    Require(values.has_value());
    CheckConversionOfDrawing(*values);
    return 0;
}
