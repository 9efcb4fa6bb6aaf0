// The fixed interface texts: list contents and order, the notes panel, and
// their Shift-JIS form on this platform.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/InterfaceTexts.h"
#include "ui/ShiftJis.h"

namespace rv17 {

namespace {

struct Entry {
    std::size_t index;
    const char* utf8;
};

void ExpectEntries(const std::vector<std::string>& list, std::initializer_list<Entry> expected) {
    for (const Entry& entry : expected) {
        ASSERT_LT(entry.index, list.size());
        EXPECT_EQ(ShiftJisToUtf8(list[entry.index]), entry.utf8) << "entry " << entry.index;
    }
}

TEST(InterfaceTexts, ColourListInTableOrder) {
    const auto list = ColourListEntries();
    EXPECT_EQ(list.size(), static_cast<std::size_t>(kColourEntryCount));
    ExpectEntries(list, {{0, "現在線色"},
                         {1, "線色1"},
                         {8, "線色8"},
                         {9, "補助線色"},
                         {10, "SXF/黒色"},
                         {18, "SXF/濃紫色"},
                         {25, "SXF/暗灰色"},
                         {26, "SXF-17"},
                         {265, "SXF-256"}});
}

TEST(InterfaceTexts, LineTypeListInTableOrder) {
    const auto list = LineTypeListEntries();
    EXPECT_EQ(list.size(), static_cast<std::size_t>(kLineTypeEntryCount));
    ExpectEntries(list, {{0, "現在線種"},
                         {1, "実線"},
                         {8, "二点鎖線2"},
                         {9, "補助線種"},
                         {10, "ランダム線1"},
                         {14, "ランダム線5"},
                         {15, "倍長線種1"},
                         {18, "倍長線種4"},
                         {19, "SXF/実線"},
                         {34, "SXF/(予約)"},
                         {35, "SXF-17"},
                         {50, "SXF-32"}});
}

TEST(InterfaceTexts, NotesPanelHasItsSeventyNineLines) {
    const auto lines = NotesLines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kNotesLineCount));
    ExpectEntries(lines, {{0, "選択したソリッド図形"},
                          {5, "　"},
                          {16, "（入力範囲：0.01～100）"},
                          {24, "ハッチング角度を[°]単位"},
                          {75, "　Jw_cadのインストール・"},
                          {78, "　場合があります。"}});
    EXPECT_EQ(lines[5], "\x81\x40");  // a line of one full-width blank
}

// The characters most likely to be mapped differently by two code page
// tables: the wave dash, the degree sign, the arrow and half-width katakana.
TEST(InterfaceTexts, ShiftJisBytesOfTheAwkwardCharacters) {
    EXPECT_EQ(Sjis(texts::kMainCaption),
              "rv17_\x83\x5C\x83\x8A\x83\x62\x83\x68\x81\xA8\x83\x6E\x83\x62\x83\x60\x90\xFC");
    EXPECT_EQ(Sjis("～"), "\x81\x60");
    EXPECT_EQ(Sjis(texts::kAngleLabel), "\x8A\x70\x93\x78( \x81\x8B )\x81\x46");
    EXPECT_EQ(Sjis(texts::kEditorCancel), "\xB7\xAC\xDD\xBE\xD9(&N)");
    EXPECT_EQ(Sjis(texts::kFontName), "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");
}

// No fixed text may lose a character on its way into Shift-JIS.
TEST(InterfaceTexts, EveryTextHasAShiftJisForm) {
    std::vector<std::string> all = NotesLines();
    for (const auto& list : {ColourListEntries(), LineTypeListEntries()})
        all.insert(all.end(), list.begin(), list.end());
    for (const std::string_view text : {texts::kMainCaption,
                                        texts::kIntervalLabel,
                                        texts::kAngleLabel,
                                        texts::kColourLabel,
                                        texts::kLineTypeLabel,
                                        texts::kWidthLabel,
                                        texts::kEditButton,
                                        texts::kRecolourNumbered,
                                        texts::kRecolourSxf,
                                        texts::kOk,
                                        texts::kCancel,
                                        texts::kSolidCountPrefix,
                                        texts::kNoSolids,
                                        texts::kSweepTooLarge,
                                        texts::kIntervalEditorCaption,
                                        texts::kAngleEditorCaption,
                                        texts::kWidthEditorCaption,
                                        texts::kAdd,
                                        texts::kInsert,
                                        texts::kUp,
                                        texts::kDown,
                                        texts::kDelete,
                                        texts::kEditorOk,
                                        texts::kEditorCancel}) {
        all.push_back(Sjis(text));
    }
    for (const std::string& text : all) {
        EXPECT_EQ(text.find('?'), std::string::npos) << ShiftJisToUtf8(text);
        EXPECT_EQ(Sjis(ShiftJisToUtf8(text)), text);
    }
}

}  // namespace

}  // namespace rv17
