// Whole runs that convert: OK hands the dialog's values to the hatch engine,
// the exchange file is rewritten, and only then the settings are saved.
#include <gtest/gtest.h>

#include <string>

#include "exchange/EntityStore.h"
#include "exchange/ExchangeReader.h"
#include "hatch/ConversionRun.h"
#include "tests/ui/ProgramRun.h"

namespace rv17 {

namespace {

// What the engine writes for this selection and these values when run
// directly, without the dialog: the output the dialog must give.
std::string DirectConversion(std::string_view hostFile, const HatchSettings& settings) {
    TestFolder folder;
    const auto path = folder.Write("JWC_TEMP.TXT", hostFile);
    EntityStore store;
    InitialiseStore(store);
    ReadExchangeFile(store, path);
    ResetCurrentAttributes(store);
    EXPECT_EQ(ConversionRun(store, settings, path), ConversionOutcome::Saved);
    ReleaseStore(store);
    return ReadWholeFile(path).bytes;
}

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
    [](const testing::TestParamInfo<ConversionCase>& info) {
        return std::string(info.param.name);
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

}  // namespace

}  // namespace rv17
