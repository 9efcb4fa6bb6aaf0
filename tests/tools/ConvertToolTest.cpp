// rv17-hatch converting: the same bytes as the dialog's OK for the same
// values, the settings file under the options, and every refusal with its
// exit status and message, leaving the files as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/FileAccess.h"
#include "tests/support/DirectConversion.h"
#include "tests/support/InjectedReadFailure.h"
#include "tests/support/TestFolder.h"
#include "tests/support/ToolRun.h"

namespace rv17 {

namespace {

constexpr std::string_view kThreeSolids =
    "lg0\r\nly0\r\nlc2\r\nlt1\r\nlw0\r\n"
    "sl 0 0 10 0 5 8\r\n"
    "sl 20 0 30 0 30 10 20 10\r\n"
    "lc3\r\n"
    "sc 45 5 5 1 0 0 0 1\r\n"
    "0 20 50 20\r\n"
    "sl 0 30 10 30\r\n";

std::string Text(const std::filesystem::path& path) { return path.string(); }

struct ValuesCase {
    const char* name;
    std::vector<std::string> options;
    HatchSettings settings;
};

class ToolValues : public testing::TestWithParam<ValuesCase> {};

TEST_P(ToolValues, WritesWhatTheDialogWrites) {
    const ValuesCase& c = GetParam();
    TestFolder folder;
    const auto input = folder.Write("JWC_TEMP.TXT", kThreeSolids);
    std::vector<std::string> arguments = c.options;
    arguments.push_back(Text(input));
    const ToolRun run = RunTool(arguments);
    ASSERT_EQ(run.exitCode, kExitOk) << run.output.err;
    EXPECT_EQ(run.output.err, "");
    EXPECT_NE(run.output.out.find("3 solids, "), std::string::npos) << run.output.out;
    EXPECT_NE(run.output.out.find(std::string("'") + Text(input) + "'"), std::string::npos)
        << run.output.out;
    EXPECT_EQ(ReadWholeFile(input).bytes, DirectConversion(kThreeSolids, c.settings));
    EXPECT_EQ(folder.FileCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolValues,
    testing::Values(ValuesCase{"Defaults", {}, HatchSettings{}},
                    ValuesCase{
                        "AllValues",
                        {"--interval", "0.5", "--angle", "30", "--colour", "3", "--line-type", "2",
                         "--width", "25", "--recolour-numbered", "--recolour-sxf"},
                        HatchSettings{"0.5", "30", 3, 2, "25", true, true}},
                    ValuesCase{"NoSelections",
                               {"--colour=-1", "--line-type=-1", "--angle=-405"},
                               HatchSettings{"1", "-405", -1, -1, "-1", false, false}},
                    ValuesCase{"TextsAsTyped",
                               {"--interval", " 2.5", "--angle", "north", "--width", "thin"},
                               HatchSettings{" 2.5", "north", 0, 0, "thin", false, false}},
                    ValuesCase{"SxfEntries",
                               {"--colour", "265", "--line-type", "50", "--recolour-sxf"},
                               HatchSettings{"1", "0", 265, 50, "-1", false, true}}),
    [](const testing::TestParamInfo<ValuesCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(ToolOutputFile, OutputLeavesTheInputAlone) {
    TestFolder folder;
    const auto input = folder.Write("JWC_TEMP.TXT", kThreeSolids);
    const auto output = folder.Path() / "hatched.txt";
    const ToolRun run = RunTool({Text(input), "-o", Text(output), "--interval=2"});
    ASSERT_EQ(run.exitCode, kExitOk) << run.output.err;
    EXPECT_EQ(ReadWholeFile(input).bytes, kThreeSolids);
    HatchSettings settings;
    settings.interval = "2";
    EXPECT_EQ(ReadWholeFile(output).bytes, DirectConversion(kThreeSolids, settings));
    EXPECT_EQ(folder.FileCount(), 2u);
}

// On a 1/100 drawing in real-size coordinates, 100 real-size millimetres are
// the 1 paper millimetre of the default, and both are what the dialog writes.
TEST(ToolRealSize, DoesWhatTheDialogsBoxDoes) {
    const std::string hostFile =
        "hs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nsl 0 0 3600 0 3600 3600 0 3600\r\n";
    TestFolder folder;
    const auto input = folder.Write("JWC_TEMP.TXT", hostFile);
    const auto real = folder.Path() / "real.txt";
    const auto paper = folder.Path() / "paper.txt";
    ASSERT_EQ(RunTool({Text(input), "--real-size", "--interval=100", "-o", Text(real)}).exitCode,
              kExitOk);
    ASSERT_EQ(RunTool({Text(input), "-o", Text(paper)}).exitCode, kExitOk);
    HatchSettings settings;
    settings.interval = "100";
    settings.realSize = true;
    EXPECT_EQ(ReadWholeFile(real).bytes, DirectConversion(hostFile, settings));
    EXPECT_EQ(ReadWholeFile(real).bytes, ReadWholeFile(paper).bytes);
    EXPECT_NE(ReadWholeFile(real).bytes.find("\r\n0 1900 3600 1900\r\n"), std::string::npos);
}

// Two squares that share an edge: one segment a line with --join, as the
// dialog's box writes it, and two without.
TEST(ToolJoin, DoesWhatTheDialogsBoxDoes) {
    const std::string hostFile = "sl 0 0 10 0 10 10 0 10\r\nsl 10 0 20 0 20 10 10 10\r\n";
    TestFolder folder;
    const auto input = folder.Write("JWC_TEMP.TXT", hostFile);
    const auto joined = folder.Path() / "joined.txt";
    const ToolRun run = RunTool({Text(input), "--join", "-o", Text(joined)});
    ASSERT_EQ(run.exitCode, kExitOk) << run.output.err;
    EXPECT_NE(run.output.out.find("9 hatch segments"), std::string::npos) << run.output.out;
    HatchSettings settings;
    settings.joinTouching = true;
    EXPECT_EQ(ReadWholeFile(joined).bytes, DirectConversion(hostFile, settings));
    EXPECT_NE(ReadWholeFile(joined).bytes.find("\r\n0 1 20 1\r\n"), std::string::npos);
    EXPECT_NE(ReadWholeFile(joined).bytes, DirectConversion(hostFile, HatchSettings{}));
}

// The settings file of the dialog: 14 lines, the last values from the eighth.
std::string SettingsFileText(const char* interval, const char* angle, const char* colour,
                             const char* lineType, const char* width, const char* numbered,
                             const char* sxf) {
    return std::string("100\r\n100\r\n193\r\n132\r\n\"1\"\r\n\"0\"\r\n\"-1\"\r\n") + interval +
           "\r\n" + angle + "\r\n" + colour + "\r\n" + lineType + "\r\n" + width + "\r\n" +
           numbered + "\r\n" + sxf + "\r\n";
}

TEST(ToolSettingsFile, GivesTheDialogsLastValuesAndTheOptionsWin) {
    struct SettingsCase {
        const char* name;
        std::vector<std::string> options;
        HatchSettings expected;
    };
    const SettingsCase cases[] = {
        {"FromTheFile", {}, HatchSettings{"0.5", "30", 3, 2, "25", true, true}},
        {"IntervalGiven", {"--interval", "2"}, HatchSettings{"2", "30", 3, 2, "25", true, true}},
        {"AllGiven",
         {"--interval", "3", "--angle", "45", "--colour", "0", "--line-type", "0", "--width", "-1"},
         HatchSettings{"3", "45", 0, 0, "-1", true, true}},
    };
    for (const SettingsCase& c : cases) {
        TestFolder folder;
        const auto input = folder.Write("JWC_TEMP.TXT", kThreeSolids);
        const auto settings =
            folder.Write("rv17.dat", SettingsFileText("0.5", "30", "3", "2", "25", "1", "TRUE"));
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), {"--settings", Text(settings), Text(input)});
        const ToolRun run = RunTool(arguments);
        ASSERT_EQ(run.exitCode, kExitOk) << c.name << ": " << run.output.err;
        EXPECT_EQ(ReadWholeFile(input).bytes, DirectConversion(kThreeSolids, c.expected)) << c.name;
    }
}

TEST(ToolSettingsFile, ListEntriesBeyondTheListsAreNoSelection) {
    TestFolder folder;
    const auto input = folder.Write("JWC_TEMP.TXT", kThreeSolids);
    const auto settings =
        folder.Write("rv17.dat", SettingsFileText("1", "0", "999", "51", "-1", "0", "0"));
    const ToolRun run = RunTool({"--settings", Text(settings), Text(input)});
    ASSERT_EQ(run.exitCode, kExitOk) << run.output.err;
    EXPECT_EQ(ReadWholeFile(input).bytes,
              DirectConversion(kThreeSolids, HatchSettings{"1", "0", -1, -1, "-1", false, false}));
}

struct FailureCase {
    const char* name;
    std::string_view hostFile;
    std::vector<std::string> options;  // before the file; an "@" stands for the test's folder
    int exitCode;
    std::vector<std::string> messageParts;
};

class ToolFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(ToolFailures, ExitWithTheStatusAndWriteNothing) {
    const FailureCase& c = GetParam();
    TestFolder folder;
    const auto input = folder.Write("JWC_TEMP.TXT", c.hostFile);
    const auto inFolder = [&](std::string text) {
        if (const auto at = text.find('@'); at != std::string::npos)
            text.replace(at, 1, Text(folder.Path()));
        return text;
    };
    std::vector<std::string> arguments;
    for (const std::string& option : c.options) arguments.push_back(inFolder(option));
    arguments.push_back(Text(input));
    const ToolRun run = RunTool(arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.output.err;
    EXPECT_EQ(run.output.out, "") << c.name;
    EXPECT_EQ(run.output.err.rfind("rv17-hatch: ", 0), 0u) << c.name << ": " << run.output.err;
    for (const std::string& part : c.messageParts) {
        EXPECT_NE(run.output.err.find(inFolder(part)), std::string::npos)
            << c.name << ": " << run.output.err;
    }
    EXPECT_EQ(ReadWholeFile(input).bytes, c.hostFile) << c.name;
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1u) << c.name;
}

const std::string kMissingReason =
    std::make_error_code(std::errc::no_such_file_or_directory).message();

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolFailures,
    testing::Values(
        FailureCase{"IntervalTooSmall",
                    kThreeSolids,
                    {"--interval", "0.001"},
                    kExitUsage,
                    {"--interval '0.001'", "0.01 to 100"}},
        FailureCase{"IntervalNotANumber",
                    kThreeSolids,
                    {"--interval=1 mm"},
                    kExitUsage,
                    {"'1 mm'", "0.01 to 100"}},
        FailureCase{"WidthTooLarge",
                    kThreeSolids,
                    {"--width", "30001"},
                    kExitUsage,
                    {"--width '30001'", "-1 to 30000"}},
        FailureCase{"WidthBeyondTheIntegerRange",
                    kThreeSolids,
                    {"--width", "-99999999999"},
                    kExitUsage,
                    {"--width '-99999999999'", "-1 to 30000"}},
        FailureCase{"ExtentBeyondTheReals",
                    "sl -1e308 -1e308 1e308 -1e308 0 1e308\r\n",
                    {},
                    kExitUsage,
                    {"extent is not a finite size"}},
        FailureCase{"ReferencePointBeyondReach",
                    "hp1 1e308 -1e308\r\nsl 0 0 10 0 5 8\r\n",
                    {"--interval", "0.5"},
                    kExitUsage,
                    {"reference point", "nothing written"}},
        FailureCase{"IntervalBeforeSolids",
                    "0 0 10 10\r\n",
                    {"--interval", "200"},
                    kExitUsage,
                    {"--interval"}},
        FailureCase{
            "WidthBeforeSolids", "0 0 10 10\r\n", {"--width", "-2"}, kExitUsage, {"--width '-2'"}},
        FailureCase{"NoSolids",
                    "0 0 10 10\r\nsl 0 0 5 5\r\nse 0 0 5 1 0 0 0 0\r\n",
                    {},
                    kExitNoSolids,
                    {"no solid"}},
        FailureCase{"EmptyFile", "", {}, kExitNoSolids, {"no solid"}},
        FailureCase{"SweepTooLarge",
                    "sl 0 0 1e15 0 0 1e15\r\n",
                    {"--interval", "0.01"},
                    kExitUsage,
                    {"--interval '0.01'", "larger interval"}},
        FailureCase{"ColourNotAnIndex",
                    kThreeSolids,
                    {"--colour", "blue"},
                    kExitUsage,
                    {"--colour", "'blue'"}},
        FailureCase{"OutputInAMissingFolder",
                    kThreeSolids,
                    {"-o", "@/no such folder/out.txt"},
                    kExitFileError,
                    {"cannot write '@/no such folder/out.txt': "}},
        FailureCase{
            "OutputIsAFolder", kThreeSolids, {"-o", "@"}, kExitFileError, {"cannot write '@': "}},
        FailureCase{"SettingsFileMissing",
                    kThreeSolids,
                    {"--settings", "@/none.dat"},
                    kExitFileError,
                    {"cannot read settings '@/none.dat': ", kMissingReason}}),
    [](const testing::TestParamInfo<FailureCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(ToolFailures, AnUnreadableFileNamesThePathAndTheReason) {
    TestFolder folder;
    const std::string path = Text(folder.Path() / "JWC_TEMP.TXT");
    const ToolRun run = RunTool({"--interval", "2", path});
    EXPECT_EQ(run.exitCode, kExitFileError);
    EXPECT_NE(run.output.err.find(std::string("cannot read '") + path + "': " + kMissingReason),
              std::string::npos)
        << run.output.err;
    EXPECT_EQ(folder.FileCount(), 0u);
}

// A read that fails partway converts nothing, in place or into another file.
TEST(ToolFailures, AReadThatFailsPartwayWritesNothing) {
    TestFolder folder;
    std::string drawing;
    while (drawing.size() < 600000) drawing += kThreeSolids;
    const auto input = folder.Write("JWC_TEMP.TXT", drawing);
    for (const std::vector<std::string>& target :
         {std::vector<std::string>{}, {"-o", Text(folder.Path() / "out.txt")}}) {
        const InjectedReadFailure failure(300000, std::errc::io_error);
        std::vector<std::string> arguments = target;
        arguments.push_back(Text(input));
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, kExitFileError);
        EXPECT_NE(run.output.err.find("cannot read '" + Text(input) +
                                      "': " + std::make_error_code(std::errc::io_error).message() +
                                      "; nothing written"),
                  std::string::npos)
            << run.output.err;
        EXPECT_EQ(ReadWholeFile(input).bytes, drawing);
        EXPECT_EQ(folder.FileCount(), 1u);
    }
}

TEST(ToolFailures, TheSaveFailureGivesTheSystemsReason) {
    TestFolder folder;
    const auto input = folder.Write("JWC_TEMP.TXT", kThreeSolids);
    const std::string output = Text(folder.Path() / "missing" / "out.txt");
    const ToolRun run = RunTool({Text(input), "-o", output});
    EXPECT_EQ(run.exitCode, kExitFileError);
    EXPECT_NE(run.output.err.find(kMissingReason), std::string::npos) << run.output.err;
}

}  // namespace

}  // namespace rv17
