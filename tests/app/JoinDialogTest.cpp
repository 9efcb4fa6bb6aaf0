// The joining box in whole runs: OK writes what the conversion writes with
// joining, and the next start remembers the box in rv17.ini alone.
#include <gtest/gtest.h>

#include <string>

#include "tests/app/ProgramRun.h"
#include "tests/support/DirectConversion.h"

namespace rv17 {

namespace {

// Two rooms that share a wall.
constexpr std::string_view kTwoRooms = "sl 0 0 36 0 36 36 0 36\r\nsl 36 0 72 0 72 36 36 36\r\n";

TEST(JoinBox, TickedOkJoinsAndTheNextStartRemembersIt) {
    ProgramFolder p;
    const auto iniFile = p.folder.Path() / "rv17.ini";
    p.WriteExchangeFile(kTwoRooms);
    p.Run([](HeadlessWindow& w) {
        EXPECT_FALSE(w.CheckBoxNamed("CheckBox4").Checked());
        w.PressAccessKey('T');
        EXPECT_TRUE(w.CheckBoxNamed("CheckBox4").Checked());
        w.Click("Button1");
    });
    HatchSettings joined;
    joined.joinTouching = true;
    EXPECT_EQ(p.ExchangeBytes(), DirectConversion(kTwoRooms, joined));
    EXPECT_NE(p.ExchangeBytes().find("\r\n0 18 72 18\r\n"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(iniFile).bytes,
              "[Preview]\r\nOpen=0\r\n[Interval]\r\nRealSize=0\r\n[Hatch]\r\nJoin=1\r\n");
    EXPECT_EQ(p.SettingsLines().size(), 14u);

    p.WriteExchangeFile(kTwoRooms);
    p.Run([](HeadlessWindow& w) {
        EXPECT_TRUE(w.CheckBoxNamed("CheckBox4").Checked());
        w.Click("CheckBox4");
        w.Click("Button1");
    });
    EXPECT_EQ(p.ExchangeBytes(), DirectConversion(kTwoRooms, HatchSettings{}));
    EXPECT_EQ(ReadWholeFile(iniFile).bytes, "[Preview]\r\nOpen=0\r\n[Interval]\r\nRealSize=0\r\n");
}

}  // namespace

}  // namespace rv17
