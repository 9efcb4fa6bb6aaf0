// The 実寸 box and the scale the dialog shows, in whole runs on drawings at
// 1/100: the label, the spacing OK writes, the status line and what the next
// start remembers.
#include <gtest/gtest.h>

#include <string>

#include "tests/app/ProgramRun.h"
#include "tests/support/DirectConversion.h"

namespace rv17 {

namespace {

// A 36 mm square on paper: a 3.6 m room at 1/100, as the launchers' "bz" has the host write it.
constexpr std::string_view kRoomOnPaper =
    "bz\r\nhs 100 100 100 100 100 100 100 100 100 100 100 100 100 100 100 100\r\n"
    "sl 0 0 36 0 36 36 0 36\r\n";

std::string IntervalLabel(HeadlessWindow& w) {
    return ShiftJisToUtf8(w.LabelNamed("Label2").Text());
}

HatchSettings Typed(const char* interval, bool realSize) {
    HatchSettings settings;
    settings.interval = interval;
    settings.realSize = realSize;
    return settings;
}

TEST(RealSizeBox, TickedTheIntervalIsRealSizeAndTheNextStartRemembersIt) {
    ProgramFolder p;
    const auto iniFile = p.folder.Path() / "rv17.ini";
    p.WriteExchangeFile(kRoomOnPaper);
    p.Run([](HeadlessWindow& w) {
        EXPECT_FALSE(w.CheckBoxNamed("CheckBox3").Checked());
        EXPECT_EQ(IntervalLabel(w), "間隔(図寸)：");
        EXPECT_EQ(Status(w), "選択ソリッド図形数：1 S=1/100 図寸1＝実寸100mm");
        w.PressAccessKey('J');
        EXPECT_TRUE(w.CheckBoxNamed("CheckBox3").Checked());
        EXPECT_EQ(IntervalLabel(w), "間隔(実寸)：");
        EXPECT_EQ(Status(w), "選択ソリッド図形数：1 S=1/100 図寸0.01＝実寸1mm");
        w.Type("ComboBox1", "100");
        EXPECT_EQ(Status(w), "選択ソリッド図形数：1 S=1/100 図寸1＝実寸100mm");
        w.Click("Button1");
    });
    // 100 mm in real size are the 1 mm on paper of an unticked box.
    EXPECT_EQ(p.ExchangeBytes(), DirectConversion(kRoomOnPaper, Typed("100", true)));
    EXPECT_EQ(p.ExchangeBytes(), DirectConversion(kRoomOnPaper, Typed("1", false)));
    EXPECT_NE(p.ExchangeBytes().find("\r\n0 19 36 19\r\n"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(iniFile).bytes, "[Preview]\r\nOpen=0\r\n[Interval]\r\nRealSize=1\r\n");
    EXPECT_EQ(p.SettingsLines().size(), 14u);

    p.WriteExchangeFile(kRoomOnPaper);
    p.Run([](HeadlessWindow& w) {
        EXPECT_TRUE(w.CheckBoxNamed("CheckBox3").Checked());
        EXPECT_EQ(IntervalLabel(w), "間隔(実寸)：");
        EXPECT_EQ(w.ComboBoxNamed("ComboBox1").Text(), "100");
        w.Click("CheckBox3");
        EXPECT_EQ(IntervalLabel(w), "間隔(図寸)：");
        w.PressEscape();
    });
    EXPECT_EQ(ReadWholeFile(iniFile).bytes, "[Preview]\r\nOpen=0\r\n[Interval]\r\nRealSize=0\r\n");
    EXPECT_EQ(p.ExchangeBytes(), kRoomOnPaper);
}

// The status line has room for the scale only with the pane closed, whose
// note shows it in full; at 1/1 there is nothing to tell.
TEST(RealSizeBox, TheStatusLineShowsTheScaleWhileThePaneIsClosed) {
    ProgramFolder p;
    p.WriteExchangeFile(kRoomOnPaper);
    p.Run([](HeadlessWindow& w) {
        w.PressAccessKey('P');
        EXPECT_EQ(Status(w), "選択ソリッド図形数：1");
        w.PressAccessKey('P');
        EXPECT_EQ(Status(w), "選択ソリッド図形数：1 S=1/100 図寸1＝実寸100mm");
        w.Type("ComboBox1", "0");  // refused by OK: nothing to tell
        EXPECT_EQ(Status(w), "選択ソリッド図形数：1");
        w.PressEscape();
    });
    p.WriteExchangeFile("sl 0 0 36 0 36 36 0 36\r\n");
    p.Run([](HeadlessWindow& w) {
        EXPECT_EQ(Status(w), "選択ソリッド図形数：1");
        w.PressEscape();
    });
}

}  // namespace

}  // namespace rv17
