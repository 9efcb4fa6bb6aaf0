// The command line of rv17-hatch: parsing, and the tool run in-process.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/TestFolder.h"
#include "tests/support/ToolRun.h"
#include "tools/CommandLine.h"

namespace rv17 {

namespace {

struct ParseCase {
    std::vector<std::string> arguments;
    ToolAction action;
    std::string inputFile;
    std::string error;  // a part of the expected message; empty when none
};

class CommandLineParse : public testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineParse, GivesActionFileOrError) {
    const ParseCase& c = GetParam();
    const CommandLineResult result = ParseCommandLine(c.arguments);
    std::string listing;
    for (const auto& argument : c.arguments) listing.append("\"").append(argument).append("\" ");
    if (c.error.empty()) {
        EXPECT_TRUE(result.Ok()) << listing << result.error;
        EXPECT_EQ(result.commandLine.action, c.action) << listing;
        EXPECT_EQ(result.commandLine.inputFile, c.inputFile) << listing;
    } else {
        EXPECT_FALSE(result.Ok()) << listing;
        EXPECT_NE(result.error.find(c.error), std::string::npos)
            << listing << "gave: " << result.error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineParse,
    testing::Values(
        ParseCase{{"--count", "a.txt"}, ToolAction::Count, "a.txt", ""},
        ParseCase{{"a.txt", "--count"}, ToolAction::Count, "a.txt", ""},
        ParseCase{{"--count", "--", "--odd name"}, ToolAction::Count, "--odd name", ""},
        ParseCase{{"--count", "-"}, ToolAction::Count, "-", ""},
        ParseCase{{"a.txt"}, ToolAction::Convert, "a.txt", ""},
        ParseCase{{"--interval", "0.5", "a.txt", "-o", "b.txt"}, ToolAction::Convert, "a.txt", ""},
        ParseCase{{"--angle=-30", "--colour", "-1", "a"}, ToolAction::Convert, "a", ""},
        ParseCase{{"--line-type=50", "--colour=265", "a"}, ToolAction::Convert, "a", ""},
        ParseCase{{"--help"}, ToolAction::Help, "", ""},
        ParseCase{{"--bogus", "--help"}, ToolAction::Help, "", ""},
        ParseCase{{"--version", "x", "y"}, ToolAction::Version, "", ""},
        ParseCase{{}, ToolAction::None, "", "no exchange file"},
        ParseCase{{"--count"}, ToolAction::None, "", "no exchange file"},
        ParseCase{{"--interval", "2"}, ToolAction::None, "", "no exchange file"},
        ParseCase{{"--count", "a", "b"}, ToolAction::None, "", "more than one file"},
        ParseCase{{"--count", "--bogus", "a"}, ToolAction::None, "", "unknown option '--bogus'"},
        ParseCase{{"--count=yes", "a"}, ToolAction::None, "", "takes no value"},
        ParseCase{{"--recolour-sxf=1", "a"}, ToolAction::None, "", "takes no value"},
        ParseCase{{"-c", "a"}, ToolAction::None, "", "unknown option '-c'"},
        ParseCase{{"a", "--interval"}, ToolAction::None, "", "option '--interval' needs a value"},
        ParseCase{{"a", "-o"}, ToolAction::None, "", "option '-o' needs a value"},
        ParseCase{{"--colour", "red", "a"},
                  ToolAction::None,
                  "",
                  "option '--colour' takes a list entry from -1 to 265, not 'red'"},
        ParseCase{{"--colour", "266", "a"}, ToolAction::None, "", "from -1 to 265, not '266'"},
        ParseCase{{"--colour", "-2", "a"}, ToolAction::None, "", "not '-2'"},
        ParseCase{{"--colour", "$1A", "a"}, ToolAction::None, "", "not '$1A'"},
        ParseCase{{"--colour", " 3", "a"}, ToolAction::None, "", "not ' 3'"},
        ParseCase{{"--line-type=51", "a"},
                  ToolAction::None,
                  "",
                  "option '--line-type' takes a list entry from -1 to 50, not '51'"},
        ParseCase{{"--line-type=", "a"}, ToolAction::None, "", "not ''"}));

TEST(CommandLineParse, ConversionOptionsAreKeptAsGiven) {
    const CommandLineResult result =
        ParseCommandLine({"--interval", " 0.5", "--angle=abc", "--colour", "12", "--line-type",
                          "-1", "--width", "0x10", "--recolour-sxf", "--real-size", "--join",
                          "--settings", "rv17.dat", "-o", "out.txt", "in.txt"});
    ASSERT_TRUE(result.Ok()) << result.error;
    const CommandLine& c = result.commandLine;
    EXPECT_EQ(c.action, ToolAction::Convert);
    EXPECT_EQ(c.inputFile, "in.txt");
    EXPECT_EQ(c.outputFile, "out.txt");
    EXPECT_EQ(c.settingsFile, "rv17.dat");
    EXPECT_EQ(c.hatch.interval, " 0.5");
    EXPECT_EQ(c.hatch.angle, "abc");
    EXPECT_EQ(c.hatch.colourIndex, 12);
    EXPECT_EQ(c.hatch.lineTypeIndex, -1);
    EXPECT_EQ(c.hatch.width, "0x10");
    EXPECT_FALSE(c.hatch.recolourNumbered);
    EXPECT_TRUE(c.hatch.recolourSxf);
    EXPECT_TRUE(c.hatch.realSize);
    EXPECT_TRUE(c.hatch.join);

    const CommandLine plain = ParseCommandLine({"in.txt"}).commandLine;
    EXPECT_FALSE(plain.hatch.interval || plain.hatch.angle || plain.hatch.width ||
                 plain.hatch.colourIndex || plain.hatch.lineTypeIndex || plain.hatch.realSize ||
                 plain.hatch.join);
    EXPECT_TRUE(plain.outputFile.empty());
}

TEST(HatchTool, CountsTheSolidsOfTheExampleAndOfTheReductions) {
    const std::filesystem::path examples(RV17_EXAMPLES_DIR);
    const std::filesystem::path data(RV17_TEST_DATA_DIR);
    const ToolRun example = RunTool({"--count", (examples / "JWC_TEMP.TXT").string()});
    EXPECT_EQ(example.exitCode, kExitOk);
    EXPECT_EQ(example.output.out, "15\nscale 1/10 (layer group 0), coordinates in real size\n");
    EXPECT_EQ(example.output.err, "");
    const ToolRun reductions =
        RunTool({(data / "exchange" / "sl_reductions.txt").string(), "--count"});
    EXPECT_EQ(reductions.output.out, "11\nscale 1/1 (layer group 0), coordinates in real size\n");
}

TEST(HatchTool, CountTellsTheScaleOfTheHatchsGroupAndTheCoordinates) {
    TestFolder folder;
    const struct {
        const char* hostFile;
        const char* scaleLine;
    } cases[] = {
        {"bz\r\nhs 1 1 1 50 1 1 1 1 1 1 1 1 1 1 1 1\r\nlg3\r\nsl 0 0 5 0 0 5\r\n",
         "scale 1/50 (layer group 3), coordinates in paper millimetres (\"bz\")\n"},
        {"hs 2.5 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nsl 0 0 5 0 0 5\r\n",
         "scale 1/2.5 (layer group 0), coordinates in real size\n"},
        {"hs 0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n",
         "scale 1/1 (layer group 0), coordinates in real size\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool({"--count", folder.Write("in.txt", c.hostFile).string()});
        EXPECT_EQ(run.exitCode, kExitOk) << c.hostFile;
        EXPECT_EQ(run.output.out.substr(run.output.out.find('\n') + 1), c.scaleLine) << c.hostFile;
    }
}

TEST(HatchTool, CountOfAnEmptyFileIsZero) {
    TestFolder folder;
    const ToolRun run = RunTool({"--count", folder.Write("empty.txt", "").string()});
    EXPECT_EQ(run.exitCode, kExitOk);
    EXPECT_EQ(run.output.out.substr(0, 2), "0\n");
}

TEST(HatchTool, ReadsAFileWithAJapaneseName) {
    TestFolder folder;
    const std::filesystem::path path =
        folder.Path() / std::filesystem::path(u8"\u56f3\u9762 1.txt");
    std::ofstream(path, std::ios::binary) << "lc10 255\r\nsl 0 0 5 0 0 5\r\n";
    const std::u8string utf8 = path.u8string();
    const ToolRun run = RunTool({"--count", std::string(utf8.begin(), utf8.end())});
    EXPECT_EQ(run.exitCode, kExitOk) << run.output.err;
    EXPECT_EQ(run.output.out.substr(0, 2), "1\n");
}

TEST(HatchTool, MissingFileNamesThePathAndTheReason) {
    TestFolder folder;
    const std::string path = (folder.Path() / "nothing here.txt").string();
    const ToolRun run = RunTool({"--count", path});
    EXPECT_EQ(run.exitCode, kExitFileError);
    EXPECT_EQ(run.output.out, "");
    EXPECT_NE(run.output.err.find("'" + path + "'"), std::string::npos) << run.output.err;
    const std::string reason = std::make_error_code(std::errc::no_such_file_or_directory).message();
    EXPECT_NE(run.output.err.find(reason), std::string::npos) << run.output.err;
}

TEST(HatchTool, UsageErrorsExitWithTwoAndShowTheUsage) {
    const ToolRun run = RunTool({"--count"});
    EXPECT_EQ(run.exitCode, kExitUsage);
    EXPECT_EQ(run.output.out, "");
    EXPECT_EQ(run.output.err.rfind("rv17-hatch: no exchange file given\n", 0), 0u)
        << run.output.err;
    EXPECT_NE(run.output.err.find(UsageText()), std::string::npos);
}

TEST(HatchTool, HelpAndVersion) {
    EXPECT_EQ(RunTool({"--help"}).output.out, UsageText());
    const ToolRun version = RunTool({"--version"});
    EXPECT_EQ(version.exitCode, kExitOk);
    EXPECT_EQ(version.output.out, std::string("rv17-hatch ") + RV17_VERSION + "\n");
}

}  // namespace

}  // namespace rv17
