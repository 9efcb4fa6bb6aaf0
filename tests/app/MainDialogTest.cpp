// Whole runs of the main dialog that end without a conversion: start-up,
// the checks of OK, Cancel and the close box, the settings file across runs,
// the preset lists and the keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/ProgramRun.h"

namespace rv17 {

namespace {

using Items = std::vector<std::string>;

TEST(MainDialog, FirstRunShowsTheDefaultsAndSavesThemOnCancel) {
    ProgramFolder p;
    p.Run([](HeadlessWindow& w) {
        EXPECT_EQ(w.Caption(), Sj("rv17_ソリッド→ハッチ線"));
        EXPECT_EQ(w.Position(), (ui::ScreenPosition{100, 100}));
        EXPECT_EQ(Status(w), "選択ソリッド図形数：0");
        EXPECT_FALSE(StatusIsRed(w));
        EXPECT_EQ(w.FocusedControl(), "ComboBox1");
        ui::ComboBox& interval = w.ComboBoxNamed("ComboBox1");
        EXPECT_EQ(interval.Text(), "1");
        EXPECT_EQ(interval.Items(),
                  (Items{"0.3", "0.5", "1", "1.5", "2", "2.5", "3", "4", "5", "10"}));
        EXPECT_EQ(w.ComboBoxNamed("ComboBox2").Text(), "0");
        EXPECT_EQ(w.ComboBoxNamed("ComboBox2").Items().size(), 9u);
        EXPECT_EQ(ShiftJisToUtf8(w.ComboBoxNamed("ComboBox3").Text()), "現在線色");
        EXPECT_EQ(w.ComboBoxNamed("ComboBox3").Items().size(), 266u);
        EXPECT_EQ(ShiftJisToUtf8(w.ComboBoxNamed("ComboBox4").Text()), "現在線種");
        EXPECT_EQ(w.ComboBoxNamed("ComboBox4").Items().size(), 51u);
        EXPECT_EQ(w.ComboBoxNamed("ComboBox5").Text(), "-1");
        EXPECT_EQ(w.ComboBoxNamed("ComboBox5").Items().size(), 11u);
        EXPECT_FALSE(w.CheckBoxNamed("CheckBox1").Checked());
        EXPECT_FALSE(w.CheckBoxNamed("CheckBox2").Checked());
        EXPECT_EQ(w.MemoNamed("Memo1").Lines().size(), 79u);
        w.PressEscape();
    });
    EXPECT_FALSE(std::filesystem::exists(p.exchangeFile));
    EXPECT_EQ(p.SettingsBytes(),
              "100\r\n100\r\n193\r\n132\r\n"
              "0.3,0.5,1,1.5,2,2.5,3,4,5,10\r\n0,30,45,60,75,90,120,135,150\r\n"
              "-1,0,13,18,25,35,50,70,100,140,200\r\n"
              "1\r\n0\r\n0\r\n0\r\n-1\r\n0\r\n0\r\n");
}

TEST(MainDialog, WithoutAnExchangeFileOkIsRefusedAndNothingIsWritten) {
    ProgramFolder p;
    p.Run([](HeadlessWindow& w) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            w.Click("Button1");
            EXPECT_EQ(Status(w), "ソリッド図形が選択されていません");
            EXPECT_TRUE(StatusIsRed(w));
            EXPECT_EQ(w.FocusedControl(), "Button2");
            EXPECT_TRUE(w.IsOpen());
        }
        w.PressEnter();  // the focus is on Cancel now
        EXPECT_FALSE(w.IsOpen());
    });
    EXPECT_FALSE(std::filesystem::exists(p.exchangeFile));
    EXPECT_EQ(p.SettingsLines().size(), 14u);
}

TEST(MainDialog, StatusLineCountsOnlyHatchableSolids) {
    ProgramFolder p;
    std::string selection{kThreeSolids};
    for (int i = 0; i < 9; ++i) selection += "sl 0 0 4 0 4 4 0 4\r\n";
    selection += "se 0 0 5 1 0 0 0 0\r\n";
    p.WriteExchangeFile(selection);
    p.Run([](HeadlessWindow& w) {
        EXPECT_EQ(Status(w), "選択ソリッド図形数：12");
        w.PressCloseBox();
    });
}

struct CheckCase {
    const char* interval;
    const char* width;
    const char* focus;  // where OK leaves the focus
    bool refusedForNoSolids;
};

class OkChecks : public testing::TestWithParam<CheckCase> {};

// Without solids every value that passes both checks ends in the red refusal;
// a value that fails a check only moves the focus. The interval is checked
// before the width, and both before the solid count.
TEST_P(OkChecks, IntervalThenWidthThenSolidCount) {
    const CheckCase c = GetParam();
    ProgramFolder p;
    p.Run([&](HeadlessWindow& w) {
        w.Type("ComboBox1", c.interval);
        w.Type("ComboBox5", c.width);
        w.PressEnter();
        EXPECT_EQ(w.FocusedControl(), c.focus);
        EXPECT_EQ(StatusIsRed(w), c.refusedForNoSolids);
        EXPECT_EQ(Status(w), c.refusedForNoSolids ? "ソリッド図形が選択されていません"
                                                  : "選択ソリッド図形数：0");
        EXPECT_TRUE(w.IsOpen());
        w.PressEscape();
    });
    EXPECT_FALSE(std::filesystem::exists(p.exchangeFile));
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, OkChecks,
    testing::Values(
        CheckCase{"0.01", "-1", "Button2", true}, CheckCase{"100", "30000", "Button2", true},
        CheckCase{"1e1", "0", "Button2", true},
        CheckCase{"1", "abc", "Button2", true},  // a width that is no number counts as 0
        CheckCase{"0.0099", "-1", "ComboBox1", false},
        CheckCase{"100.001", "-1", "ComboBox1", false}, CheckCase{"abc", "-1", "ComboBox1", false},
        CheckCase{"1 ", "-1", "ComboBox1", false},
        CheckCase{"0", "-2", "ComboBox1", false},  // the interval is checked first
        CheckCase{"1", "-2", "ComboBox5", false}, CheckCase{"1", "30001", "ComboBox5", false},
        CheckCase{"1", "-99999999999", "ComboBox5", false}));  // no 0 from its overflow

TEST(MainDialog, CancelAndTheCloseBoxLeaveTheExchangeFileAsTheHostWroteIt) {
    const std::string hostFile =
        std::string(kThreeSolids) + "ch 0 0 1 0 \"\x95\x5C\x8E\xA6 text\r\n\x1A";
    const std::vector<HeadlessApplication::Script> endings{
        [](HeadlessWindow& w) { w.Click("Button2"); }, [](HeadlessWindow& w) { w.PressEscape(); },
        [](HeadlessWindow& w) { w.PressAccessKey('N'); },
        [](HeadlessWindow& w) { w.PressCloseBox(); }};
    for (const auto& ending : endings) {
        ProgramFolder p;
        p.WriteExchangeFile(hostFile);
        p.Run([&](HeadlessWindow& w) {
            w.Type("ComboBox1", "2.5");
            ending(w);
        });
        EXPECT_EQ(p.ExchangeBytes(), hostFile);
        ASSERT_EQ(p.SettingsLines().size(), 14u);
        EXPECT_EQ(p.SettingsLines()[7], "2.5");
        EXPECT_EQ(p.folder.FileCount(), 2u);  // no temporary file left behind
    }
}

TEST(MainDialog, ASecondRunStartsFromWhatTheFirstLeft) {
    ProgramFolder p;
    p.Run(
        [](HeadlessWindow& w) {
            w.DragTo({250, -60});
            w.Type("ComboBox1", "0.7");
            w.Choose("ComboBox2", 2);
            w.Choose("ComboBox3", 12);
            w.Choose("ComboBox4", 50);
            w.Type("ComboBox5", "25");
            w.Click("CheckBox1");
            w.Click("CheckBox2");
            w.Click("Button3");
            w.PressCloseBox();
        },
        {[](HeadlessWindow& editor) {
            editor.DragTo({5, 6});
            editor.Type("Edit1", "0.7 mm");
            editor.Click("Button1");
            editor.Click("Button6");
        }});
    p.Run(
        [](HeadlessWindow& w) {
            EXPECT_EQ(w.Position(), (ui::ScreenPosition{250, -60}));
            EXPECT_EQ(w.ComboBoxNamed("ComboBox1").Text(), "0.7");
            EXPECT_EQ(w.ComboBoxNamed("ComboBox1").Items().back(), "0.7mm");
            EXPECT_EQ(w.ComboBoxNamed("ComboBox2").Text(), "45");
            EXPECT_EQ(ShiftJisToUtf8(w.ComboBoxNamed("ComboBox3").Text()), "SXF/緑色");
            EXPECT_EQ(ShiftJisToUtf8(w.ComboBoxNamed("ComboBox4").Text()), "SXF-32");
            EXPECT_EQ(w.ComboBoxNamed("ComboBox5").Text(), "25");
            EXPECT_TRUE(w.CheckBoxNamed("CheckBox1").Checked());
            EXPECT_TRUE(w.CheckBoxNamed("CheckBox2").Checked());
            w.Click("Button4");
            w.PressEscape();
        },
        {[](HeadlessWindow& editor) {
            EXPECT_EQ(editor.Position(), (ui::ScreenPosition{5, 6}));
            editor.PressEscape();
        }});
    EXPECT_EQ(p.SettingsLines()[4], "0.3,0.5,1,1.5,2,2.5,3,4,5,10,0.7mm");
}

TEST(MainDialog, DamagedAndShortSettingsFiles) {
    ProgramFolder p;
    p.folder.Write("rv17.dat",
                   "-30000\r\n99999\r\n1\r\n2\r\n\r\n\"\"\r\n,\r\n1.5\r\n\r\n300\r\n-5\r\n");
    p.Run([](HeadlessWindow& w) {
        EXPECT_EQ(w.Position(), (ui::ScreenPosition{-30000, 99999}));  // applied as it is
        EXPECT_TRUE(w.ComboBoxNamed("ComboBox1").Items().empty());
        EXPECT_EQ(w.ComboBoxNamed("ComboBox2").Items(), (Items{""}));
        EXPECT_EQ(w.ComboBoxNamed("ComboBox5").Items(), (Items{"", ""}));
        EXPECT_EQ(w.ComboBoxNamed("ComboBox3").ItemIndex(), -1);  // no entry 300
        EXPECT_EQ(w.ComboBoxNamed("ComboBox4").ItemIndex(), -1);
        EXPECT_EQ(w.ComboBoxNamed("ComboBox5").Text(), "");  // missing lines read as empty
        EXPECT_FALSE(w.CheckBoxNamed("CheckBox1").Checked());
        w.PressEscape();
    });
    const auto lines = p.SettingsLines();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[9], "-1");
    EXPECT_EQ(lines[10], "-1");
    EXPECT_EQ(lines[5], "\"\"");
}

TEST(MainDialog, EditButtonsHandTheBoxToTheEditorAndTakeTheListOnlyWhenAccepted) {
    ProgramFolder p;
    Items shown;  // the box's items as the editor should receive them
    struct Use {
        const char* button;
        const char* box;
        const char* caption;
    };
    for (const Use use : {Use{"Button3", "ComboBox1", "間隔 一覧編集"},
                          Use{"Button4", "ComboBox2", "角度 一覧編集"},
                          Use{"Button5", "ComboBox5", "線幅 一覧編集"}}) {
        SCOPED_TRACE(use.button);
        p.Run(
            [&](HeadlessWindow& w) {
                ui::ComboBox& box = w.ComboBoxNamed(use.box);
                const Items before = box.Items();
                shown = before;
                w.Type(use.box, "7");
                w.Click(use.button);  // discarded
                EXPECT_EQ(box.Items(), before);
                w.Click(use.button);  // accepted with one item more
                EXPECT_EQ(box.Items().back(), "42");
                EXPECT_EQ(box.Items().size(), before.size() + 1);
                w.Click(use.button);  // accepted empty
                EXPECT_TRUE(box.Items().empty());
                EXPECT_EQ(box.Text(), "7");  // the box's own text is never changed
                w.PressEscape();
            },
            {[&](HeadlessWindow& editor) {
                 EXPECT_EQ(ShiftJisToUtf8(editor.Caption()), use.caption);
                 EXPECT_EQ(editor.EditNamed("Edit1").Text(), "7");
                 EXPECT_EQ(editor.ListBoxNamed("ListBox1").Items(), shown);
                 editor.Click("Button1");
                 editor.PressEscape();
             },
             [](HeadlessWindow& editor) {
                 editor.Type("Edit1", "42");
                 editor.Click("Button1");
                 editor.PressAccessKey('Y');
             },
             [](HeadlessWindow& editor) {
                 while (!editor.ListBoxNamed("ListBox1").Items().empty()) {
                     editor.Choose("ListBox1", 0);
                     editor.Click("Button5");
                 }
                 editor.Click("Button6");
             }});
    }
}

TEST(MainDialog, TabOrderSkipsTheNotesPanelAndEnterInItPressesOk) {
    ProgramFolder p;
    p.Run([](HeadlessWindow& w) {
        Items order;
        for (int i = 0; i < 16; ++i) {
            order.push_back(w.FocusedControl());
            w.PressTab();
        }
        EXPECT_EQ(order,
                  (Items{"ComboBox1", "Button3", "CheckBox3", "ComboBox2", "Button4", "ComboBox3",
                         "ComboBox4", "ComboBox5", "Button5", "CheckBox1", "CheckBox2", "CheckBox4",
                         "Button1", "Button2", "Button6", "ComboBox1"}));
        w.Click("Memo1");
        w.PressEnter();
        EXPECT_TRUE(StatusIsRed(w));  // OK was pressed: no solids
        w.PressEscape();
    });
}

TEST(MainDialog, AnAbsurdSweepIsRefusedAndNothingIsWritten) {
    ProgramFolder p;
    const std::string hostFile = "sl 0 0 1e15 0 0 1e15\r\n";
    p.WriteExchangeFile(hostFile);
    p.Run([](HeadlessWindow& w) {
        w.Type("ComboBox1", "0.01");
        w.Click("Button1");
        EXPECT_TRUE(w.IsOpen());
        EXPECT_EQ(Status(w), "ハッチ線が多すぎます。間隔を大きくして下さい");
        EXPECT_TRUE(StatusIsRed(w));
        EXPECT_EQ(w.FocusedControl(), "ComboBox1");
        w.PressEscape();
    });
    EXPECT_EQ(p.ExchangeBytes(), hostFile);
}

// A refusal that no interval mends names its cause: the drawing's extent, or
// the reference point.
TEST(MainDialog, ASweepRefusedForItsExtentOrReferencePointNamesTheCause) {
    const struct {
        std::string hostFile;
        const char* status;
    } cases[] = {
        {"sl -1e308 -1e308 1e308 -1e308 0 1e308\r\n",
         "図形の範囲が大きすぎてハッチングできません（間隔では解決できません）"},
        {"hp1 1e308 -1e308\r\nsl 0 0 10 0 5 8\r\n",
         "基準点が図形から離れすぎているためハッチングできません"},
    };
    for (const auto& c : cases) {
        ProgramFolder p;
        p.WriteExchangeFile(c.hostFile);
        p.Run([&](HeadlessWindow& w) {
            w.Type("ComboBox1", "0.5");
            w.Click("Button1");
            EXPECT_TRUE(w.IsOpen());
            EXPECT_EQ(Status(w), c.status);
            EXPECT_TRUE(StatusIsRed(w));
            w.PressEscape();
        });
        EXPECT_EQ(p.ExchangeBytes(), c.hostFile);
    }
}

TEST(MainDialog, AFailedSettingsSaveStillEndsTheRun) {
    ProgramFolder p;
    std::filesystem::create_directory(p.settingsFile);  // the file cannot be put in place
    p.Run([](HeadlessWindow& w) { w.PressEscape(); });
    EXPECT_TRUE(std::filesystem::is_directory(p.settingsFile));
    EXPECT_EQ(p.folder.FileCount(), 1u);
}

}  // namespace

}  // namespace rv17
