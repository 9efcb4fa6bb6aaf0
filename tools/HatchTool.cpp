// rv17-hatch: reads an exchange file into the entity store, and converts it
// or reports on it.
#include "tools/HatchTool.h"

#include <charconv>
#include <filesystem>
#include <new>
#include <system_error>

#include "exchange/FileAccess.h"
#include "exchange/JwwGaibu.h"
#include "exchange/NumberText.h"
#include "hatch/ConversionRun.h"
#include "hatch/DrawingScale.h"
#include "hatch/SweepPlan.h"
#include "tools/CommandArguments.h"
#include "tools/CommandLine.h"
#include "tools/QuotedText.h"
#include "tools/preview/ToolPreview.h"
#include "ui/SettingsFile.h"

namespace rv17 {

namespace {

constexpr std::string_view kToolName = "rv17-hatch";

template <class Integer>
std::string Decimal(Integer value) {
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, static_cast<std::size_t>(end - digits));
}

int Fail(ToolOutput& output, int exitCode, std::string_view message) {
    output.err += std::string(kToolName) + ": " + std::string(message) + "\n";
    return exitCode;
}

// The store read from the file; released when the run ends.
class LoadedDrawing {
public:
    LoadedDrawing() { InitialiseStore(store_); }
    ~LoadedDrawing() { ReleaseStore(store_); }
    LoadedDrawing(const LoadedDrawing&) = delete;
    LoadedDrawing& operator=(const LoadedDrawing&) = delete;

    bool Read(const std::string& file, std::error_code& error) {
        return ReadExchangeFile(store_, PathFromArgument(file), error);
    }
    EntityStore& Store() noexcept { return store_; }

private:
    EntityStore store_;
};

// The command line's options over the values in settings.
void ApplyOptions(const HatchOptions& given, HatchSettings& settings) {
    if (given.interval) settings.interval = *given.interval;
    if (given.angle) settings.angleDegrees = *given.angle;
    if (given.colourIndex) settings.colourIndex = *given.colourIndex;
    if (given.lineTypeIndex) settings.lineTypeIndex = *given.lineTypeIndex;
    if (given.width) settings.width = *given.width;
    if (given.recolourNumbered) settings.recolourNumberedSolids = true;
    if (given.recolourSxf) settings.recolourSxfSolids = true;
    if (given.realSize) settings.realSize = true;
    if (given.join) settings.joinTouching = true;
}

// "scale 1/100 (layer group 0), coordinates in real size": what a typed
// interval becomes on this file.
std::string ScaleLine(const EntityStore& store) {
    char digits[kMaxRealTextBytes];
    char* end = AppendRealText(digits, HatchGroupScale(store));
    return "scale 1/" + std::string(digits, static_cast<std::size_t>(end - digits)) +
           " (layer group " + Decimal(store.initial.initialLayerGroup) + "), coordinates in " +
           (CoordinatesOnPaper(store) ? "paper millimetres (\"bz\")" : "real size") + "\n";
}

// The file's name without its folders, for the picture's captions.
std::string_view BaseName(std::string_view path) noexcept {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Draws the picture that --svg asks for, if any: both panels when saved is the
// saved conversion of the store, the drawing before alone when it is nullptr.
// The exit code 1 when the picture cannot be written, otherwise 0.
int DrawPicture(const CommandLine& commandLine, const EntityStore& store,
                const HatchSettings& settings, const ConversionResult* saved,
                ToolOutput& toolOutput) {
    if (commandLine.pictureFile.empty()) return kExitOk;
    const PreviewInput input{store,
                             saved != nullptr ? &saved->heldLines : nullptr,
                             saved != nullptr ? saved->firstSweepLine : 0,
                             BaseName(commandLine.inputFile),
                             settings.interval,
                             settings.angleDegrees};
    std::string failure;
    try {
        failure = WriteToolPreview(
            PathFromArgument(commandLine.pictureFile), commandLine.pictureFile, input,
            saved != nullptr ? ToolConversion::Saved : ToolConversion::NotConverted);
    } catch (const std::bad_alloc&) {
        // The conversion may be saved by now; only the picture is lost.
        failure = "not enough memory to draw " + Quoted(commandLine.pictureFile);
    }
    if (!failure.empty()) return Fail(toolOutput, kExitFileError, failure);
    toolOutput.out += "picture drawn to " + Quoted(commandLine.pictureFile) + "\n";
    return kExitOk;
}

int CountSolids(const CommandLine& commandLine, ToolOutput& output) {
    LoadedDrawing drawing;
    std::error_code error;
    if (!drawing.Read(commandLine.inputFile, error)) {
        return Fail(
            output, kExitFileError,
            std::string("cannot read ") + Quoted(commandLine.inputFile) + ": " + error.message());
    }
    output.out += Decimal(SolidCount(drawing.Store())) + "\n";
    output.out += ScaleLine(drawing.Store());
    // The captions show the options as given; --count reads no settings file.
    HatchSettings settings;
    ApplyOptions(commandLine.hatch, settings);
    return DrawPicture(commandLine, drawing.Store(), settings, nullptr, output);
}

// The dialog's values: its defaults, or the settings file's, with the command
// line's options over them.
bool GatherSettings(const CommandLine& commandLine, HatchSettings& settings, ToolOutput& output) {
    if (!commandLine.settingsFile.empty()) {
        const std::filesystem::path path = PathFromArgument(commandLine.settingsFile);
        const std::optional<HatchSettings> saved = LoadHatchSettings(path);
        if (!saved) {
            Fail(output, kExitFileError,
                 std::string("cannot read settings ") + Quoted(commandLine.settingsFile) + ": " +
                     std::make_error_code(std::errc::no_such_file_or_directory).message());
            return false;
        }
        settings = *saved;
    }
    ApplyOptions(commandLine.hatch, settings);
    return true;
}

// The message and exit code of a conversion that was not saved.
int Failure(const CommandLine& commandLine, const std::string& target,
            const HatchSettings& settings, const ConversionResult& result, ToolOutput& output) {
    switch (result.outcome) {
        case ConversionOutcome::Accepted:
        case ConversionOutcome::Saved:
            return kExitOk;
        case ConversionOutcome::SaveFailed:
            return Fail(output, kExitFileError,
                        "cannot write " + Quoted(target) + ": " + result.saveError.message());
        case ConversionOutcome::ReadFailed:
            return Fail(output, kExitFileError,
                        "cannot read " + Quoted(commandLine.inputFile) + ": " +
                            result.readError.message() + "; nothing written");
        case ConversionOutcome::OutOfMemory:
            return Fail(output, kExitStopped,
                        "not enough memory to convert " + Quoted(commandLine.inputFile) +
                            "; nothing written");
        case ConversionOutcome::IntervalRefused:
            return Fail(output, kExitUsage,
                        std::string("--interval ") + Quoted(settings.interval) +
                            " is not a number from 0.01 to 100");
        case ConversionOutcome::WidthRefused:
            return Fail(output, kExitUsage,
                        std::string("--width ") + Quoted(settings.width) +
                            " is not a whole number from -1 to 30000");
        case ConversionOutcome::NoSolidsRefused:
            return Fail(
                output, kExitNoSolids,
                Quoted(commandLine.inputFile) +
                    " holds no solid to hatch (triangle, quadrilateral, circular or ring solid); "
                    "nothing written");
        case ConversionOutcome::SweepTooLarge:
            return Fail(output, kExitUsage,
                        std::string("--interval ") + Quoted(settings.interval) +
                            " is too small for the drawing: more than " + Decimal(kMaxHatchLines) +
                            " hatch lines would be needed; choose a larger interval");
        case ConversionOutcome::ExtentRefused:
            return Fail(
                output, kExitUsage,
                "the drawing's extent is not a finite size: its solids cannot be hatched at "
                "any interval; nothing written");
        case ConversionOutcome::ReferenceTooFar:
            return Fail(output, kExitUsage,
                        "the reference point (indicated point 1) lies too far from the drawing "
                        "to align the hatch lines to it; nothing written");
    }
    return kExitUsage;
}

int Convert(const CommandLine& commandLine, ToolOutput& output) {
    HatchSettings settings;
    if (!GatherSettings(commandLine, settings, output)) return kExitFileError;
    LoadedDrawing drawing;
    std::error_code error;
    if (!drawing.Read(commandLine.inputFile, error)) {
        return Fail(output, kExitFileError,
                    std::string("cannot read ") + Quoted(commandLine.inputFile) + ": " +
                        error.message() + "; nothing written");
    }
    const EntityStore& store = drawing.Store();

    const std::string& target =
        commandLine.outputFile.empty() ? commandLine.inputFile : commandLine.outputFile;
    // The picture needs the output lines; without one they go straight to the file.
    const OutputHolding holding =
        commandLine.pictureFile.empty() ? OutputHolding::Streamed : OutputHolding::Held;
    RemoveStaleTemporaries(PathFromArgument(target));
    const ConversionResult result =
        ConversionRun(store, settings, PathFromArgument(target), holding);
    if (result.outcome != ConversionOutcome::Saved) {
        // A refused or failed conversion still draws the drawing as it is.
        const int failed = Failure(commandLine, target, settings, result, output);
        DrawPicture(commandLine, store, settings, nullptr, output);
        return failed;
    }
    output.out += Decimal(result.solids) + " solids, " + Decimal(result.hatchSegments) +
                  " hatch segments written to " + Quoted(target) + "\n";
    return DrawPicture(commandLine, store, settings, &result, output);
}

}  // namespace

int RunHatchTool(const std::vector<std::string>& arguments, ToolOutput& output) {
    const CommandLineResult parsed = ParseCommandLine(arguments);
    if (!parsed.Ok()) {
        Fail(output, kExitUsage, parsed.error);
        output.err += UsageText();
        return kExitUsage;
    }
    switch (parsed.commandLine.action) {
        case ToolAction::Help:
            output.out += UsageText();
            return kExitOk;
        case ToolAction::Version:
            output.out += std::string(kToolName) + " " + RV17_VERSION + "\n";
            return kExitOk;
        case ToolAction::Count:
            return CountSolids(parsed.commandLine, output);
        case ToolAction::Convert:
            return Convert(parsed.commandLine, output);
        case ToolAction::None:
            break;
    }
    return kExitUsage;
}

}  // namespace rv17
