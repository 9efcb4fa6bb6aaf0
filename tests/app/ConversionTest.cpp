// Whole runs that convert: OK hands the dialog's values to the hatch engine,
// the exchange file is rewritten, and only then the settings are saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "app/RunSequence.h"
#include "tests/app/ProgramRun.h"
#include "tests/support/DirectConversion.h"
#include "tests/support/InjectedReadFailure.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace rv17 {

namespace {

struct ConversionCase {
    const char* name;
    HeadlessApplication::Script moves;  // made before OK
    HatchSettings expected;
};

class Conversions : public testing::TestWithParam<ConversionCase> {};

TEST_P(Conversions, OkConvertsWithTheValuesInTheDialog) {
    const ConversionCase& c = GetParam();
    ProgramFolder p;
    p.WriteExchangeFile(kThreeSolids);
    p.Run([&](HeadlessWindow& w) {
        c.moves(w);
        w.Click("Button1");
        EXPECT_FALSE(w.IsOpen());
    });
    const std::string output = p.ExchangeBytes();
    EXPECT_EQ(output.substr(0, 4), "hd\r\n");
    EXPECT_EQ(output, DirectConversion(kThreeSolids, c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Values, Conversions,
    testing::Values(ConversionCase{"Defaults", [](HeadlessWindow&) {}, HatchSettings{}},
                    ConversionCase{"Changed",
                                   [](HeadlessWindow& w) {
                                       w.Type("ComboBox1", "0.5");
                                       w.Choose("ComboBox2", 1);
                                       w.Choose("ComboBox3", 3);
                                       w.Choose("ComboBox4", 2);
                                       w.Type("ComboBox5", "25");
                                       w.Click("CheckBox1");
                                       w.Click("CheckBox2");
                                   },
                                   HatchSettings{"0.5", "30", 3, 2, "25", true, true}},
                    ConversionCase{"SmallestInterval",
                                   [](HeadlessWindow& w) { w.Type("ComboBox1", "0.01"); },
                                   HatchSettings{"0.01", "0", 0, 0, "-1", false, false}},
                    ConversionCase{"LargestIntervalAndWidth",
                                   [](HeadlessWindow& w) {
                                       w.Type("ComboBox1", "100");
                                       w.Type("ComboBox5", "30000");
                                   },
                                   HatchSettings{"100", "0", 0, 0, "30000", false, false}},
                    ConversionCase{"WidthThatIsNoNumber",
                                   [](HeadlessWindow& w) { w.Type("ComboBox5", "thin"); },
                                   HatchSettings{"1", "0", 0, 0, "thin", false, false}}),
    [](const testing::TestParamInfo<ConversionCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(Conversion, TheExchangeFileIsWrittenBeforeTheSettingsAreSaved) {
    ProgramFolder p;
    p.WriteExchangeFile(kThreeSolids);
    bool observed = false;
    p.Run([&](HeadlessWindow& w) {
        w.ObserveClosing([&] {
            observed = true;
            EXPECT_EQ(p.ExchangeBytes().substr(0, 4), "hd\r\n");
            EXPECT_FALSE(std::filesystem::exists(p.settingsFile));
        });
        w.Type("ComboBox1", "3");
        w.PressEnter();
    });
    EXPECT_TRUE(observed);
    ASSERT_EQ(p.SettingsLines().size(), 14u);
    EXPECT_EQ(p.SettingsLines()[7], "3");
}

TEST(Conversion, AHostFileWithoutSolidsIsNeverRewritten) {
    ProgramFolder p;
    const std::string hostFile = "lc1\r\n0 0 10 10\r\nsl 0 0 10 0\r\nse 0 0 5 1 0 0 0 0\r\n";
    p.WriteExchangeFile(hostFile);
    p.Run([](HeadlessWindow& w) {
        EXPECT_EQ(Status(w), "選択ソリッド図形数：0");
        w.PressEnter();
        EXPECT_EQ(Status(w), "ソリッド図形が選択されていません");
        w.PressEnter();  // the focus is on Cancel
    });
    EXPECT_EQ(p.ExchangeBytes(), hostFile);
}

// Once read, the host's file becomes a folder that no file can replace.
void MakeTheExchangeFileUnreplaceable(const ProgramFolder& p) {
    std::filesystem::remove(p.exchangeFile);
    std::filesystem::create_directories(p.exchangeFile / "inside");
}

// The message names the file and ends with what its failure means; the
// reason between depends on the system (tested on its own).
void ExpectSaveFailureMessage(const ui::headless::ShownMessage& shown, std::string_view file,
                              std::string_view consequence) {
    EXPECT_EQ(ShiftJisToUtf8(shown.caption), "rv17_ソリッド→ハッチ線");
    const std::string text = ShiftJisToUtf8(shown.text);
    EXPECT_TRUE(text.starts_with(std::string(file) + " に書き込めませんでした（")) << text;
    EXPECT_TRUE(text.ends_with(consequence)) << text;
}

// Both saves fail: the dialog keeps their reasons, and the user is told of
// each once, the exchange file's first.
TEST(Conversion, EachFailedSaveIsToldOnceAndItsReasonKept) {
    ProgramFolder p;
    p.WriteExchangeFile(kThreeSolids);
    std::filesystem::create_directory(p.settingsFile);
    HeadlessApplication app;
    RunSequence run(p.executable);
    TForm1 mainDialog(app, run);
    TForm2 presetEditor(app);
    mainDialog.UsePresetEditor(presetEditor);
    app.OnRun([&](HeadlessWindow& w) {
        MakeTheExchangeFileUnreplaceable(p);
        w.Click("Button1");
        EXPECT_FALSE(w.IsOpen());
        ASSERT_EQ(w.Messages().size(), 2u);
        ExpectSaveFailureMessage(w.Messages()[0], "JWC_TEMP.TXT", "。図面は変更されません。");
        ExpectSaveFailureMessage(w.Messages()[1], "rv17.dat", "。今回の設定は保存されません。");
    });
    app.Run(mainDialog.Window());

    const ConversionResult& conversion = mainDialog.LastConversion();
    EXPECT_EQ(conversion.outcome, ConversionOutcome::SaveFailed);
    EXPECT_NE(conversion.saveError, std::error_code());
    EXPECT_EQ(conversion.solids, 3);
    EXPECT_NE(mainDialog.SettingsSaveError(), std::error_code());
    EXPECT_TRUE(std::filesystem::is_directory(p.exchangeFile / "inside"));
    EXPECT_EQ(p.folder.FileCount(), 2u) << "no temporary file is left";
}

TEST(Conversion, AFailedExchangeSaveIsToldAndTheSettingsAreStillSaved) {
    ProgramFolder p;
    p.WriteExchangeFile(kThreeSolids);
    p.Run([&](HeadlessWindow& w) {
        MakeTheExchangeFileUnreplaceable(p);
        w.Type("ComboBox1", "2");
        w.Click("Button1");
        ASSERT_EQ(w.Messages().size(), 1u);
        ExpectSaveFailureMessage(w.Messages()[0], "JWC_TEMP.TXT", "。図面は変更されません。");
    });
    EXPECT_TRUE(std::filesystem::is_directory(p.exchangeFile / "inside"));
    ASSERT_EQ(p.SettingsLines().size(), 14u);
    EXPECT_EQ(p.SettingsLines()[7], "2");
}

TEST(Conversion, AFailedSettingsSaveIsToldOnceAndTheConversionKept) {
    ProgramFolder p;
    p.WriteExchangeFile(kThreeSolids);
    std::filesystem::create_directories(p.settingsFile / "inside");
    p.Run([&](HeadlessWindow& w) {
        w.Click("Button1");
        ASSERT_EQ(w.Messages().size(), 1u);
        ExpectSaveFailureMessage(w.Messages()[0], "rv17.dat", "。今回の設定は保存されません。");
    });
    EXPECT_EQ(p.ExchangeBytes(), DirectConversion(kThreeSolids, HatchSettings{}));
}

struct ReadFailureCase {
    std::errc reason;
    const char* told;  // UTF-8
};

class ReadFailures : public testing::TestWithParam<ReadFailureCase> {};

// The disk fails halfway through the host's file: what was read is only part
// of the selection, so OK refuses, every time, and says why; the host's file
// stays as it was, and closing still saves the settings.
TEST_P(ReadFailures, OkRefusesToWriteBackAPartlyReadSelection) {
    ProgramFolder p;
    std::string hostFile;
    while (hostFile.size() < 600000) hostFile += kThreeSolids;
    p.WriteExchangeFile(hostFile);
    const InjectedReadFailure failure(300000, GetParam().reason);
    const std::string told = std::string("JWC_TEMP.TXT を読み込めませんでした（") +
                             GetParam().told + "）。図面は変更されません。";
    p.Run([&](HeadlessWindow& w) {
        for (const char* interval : {"1", "2"}) {
            w.Type("ComboBox1", interval);
            w.Click("Button1");
            EXPECT_TRUE(w.IsOpen());
            EXPECT_FALSE(w.WaitCursorShown());
            ASSERT_FALSE(w.Messages().empty());
            EXPECT_EQ(ShiftJisToUtf8(w.Messages().back().text), told);
        }
        EXPECT_EQ(w.Messages().size(), 2u);
        w.PressEnter();  // the focus is on Cancel
        EXPECT_FALSE(w.IsOpen());
    });
    EXPECT_EQ(p.ExchangeBytes(), hostFile);
    for (const auto& entry : std::filesystem::directory_iterator(p.folder.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
    ASSERT_EQ(p.SettingsLines().size(), 14u);
    EXPECT_EQ(p.SettingsLines()[7], "2");
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, ReadFailures,
    testing::Values(ReadFailureCase{std::errc::io_error, "ディスクから読み込めませんでした"},
                    ReadFailureCase{std::errc::not_enough_memory, "メモリが足りません"}));

// The dialog is busy from OK until it has closed; a refusal hands it back.
TEST(Conversion, TheWaitCursorShowsFromOkUntilTheDialogCloses) {
    ProgramFolder p;
    p.WriteExchangeFile(kThreeSolids);
    bool observed = false;
    p.Run([&](HeadlessWindow& w) {
        for (const char* refused : {"0", "100.001"}) {
            w.Type("ComboBox1", refused);
            w.Click("Button1");
            EXPECT_FALSE(w.WaitCursorShown()) << refused;
        }
        w.Type("ComboBox1", "1");
        w.ObserveClosing([&] {
            observed = true;
            EXPECT_TRUE(w.WaitCursorShown());
        });
        w.Click("Button1");
        EXPECT_TRUE(w.Messages().empty());
    });
    EXPECT_TRUE(observed);

    p.WriteExchangeFile("0 0 10 10\r\n");
    p.Run([](HeadlessWindow& w) {
        w.Click("Button1");
        EXPECT_EQ(Status(w), "ソリッド図形が選択されていません");
        EXPECT_FALSE(w.WaitCursorShown());
        w.PressEscape();
    });
}

}  // namespace

}  // namespace rv17
