// The two dialogs' designs: what the Win32 toolkit builds them from.
#include <gtest/gtest.h>

#include <string>

#include "ui/DisplayScale.h"
#include "ui/InterfaceTexts.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace rv17 {

namespace {

// "name left top width height taborder fontheight" for every control, in creation order.
std::string Row(const ui::ControlDesign& c) {
    return c.name + " " + std::to_string(c.bounds.left) + " " + std::to_string(c.bounds.top) + " " +
           std::to_string(c.bounds.width) + " " + std::to_string(c.bounds.height) + " " +
           (c.tabOrder == ui::kNoTabStop ? std::string("-") : std::to_string(c.tabOrder)) + " " +
           std::to_string(c.fontHeight);
}

std::vector<std::string> Rows(const ui::WindowDesign& design) {
    std::vector<std::string> rows;
    for (const auto& control : design.controls) rows.push_back(Row(control));
    return rows;
}

const ui::ControlDesign& Named(const ui::WindowDesign& design, std::string_view name) {
    for (const auto& control : design.controls) {
        if (control.name == name) return control;
    }
    throw std::logic_error("no control " + std::string(name));
}

TEST(DialogDesign, MainDialogLayout) {
    const ui::WindowDesign d = TForm1::Design();
    EXPECT_EQ(d.caption, Sjis(texts::kMainCaption));
    EXPECT_EQ(d.clientWidth, 543);
    EXPECT_EQ(d.clientHeight, 267);
    EXPECT_TRUE(d.minimiseBox);
    EXPECT_EQ(d.background, ui::WindowBackground::White);
    EXPECT_EQ(d.fontName, "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_EQ(Rows(d), (std::vector<std::string>{
                           "Label2 8 12 84 13 - 13",       "ComboBox1 96 8 113 21 0 13",
                           "Button3 216 7 57 22 1 12",     "CheckBox3 277 10 66 17 2 13",
                           "Label1 8 36 84 13 - 13",       "ComboBox2 96 32 113 21 3 13",
                           "Button4 216 31 57 22 4 12",    "Label5 8 60 42 13 - 13",
                           "ComboBox3 96 56 177 21 5 13",  "Label6 8 84 42 13 - 13",
                           "ComboBox4 96 80 177 21 6 13",  "Label7 8 108 42 13 - 13",
                           "ComboBox5 96 104 113 21 7 13", "Button5 216 103 57 22 8 12",
                           "CheckBox1 8 128 335 17 9 13",  "CheckBox2 8 152 335 17 10 13",
                           "CheckBox4 8 176 335 17 11 13", "Label3 8 200 42 13 - 13",
                           "Button1 24 224 137 33 12 13",  "Button2 184 224 137 33 13 13",
                           "Memo1 344 0 193 257 - 13",     "Button6 275 31 68 46 14 11",
                           "PaintBox1 543 0 400 267 - 13"}));
    // No two controls overlap, and each lies inside the client area (the
    // pane in the part the window gains while it is shown).
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
        const ui::Rect& a = d.controls[i].bounds;
        EXPECT_LE(a.top + a.height, d.clientHeight) << d.controls[i].name;
        EXPECT_LE(a.left + a.width, d.clientWidth + TForm1::kPaneWidth) << d.controls[i].name;
        for (std::size_t j = i + 1; j < d.controls.size(); ++j) {
            const ui::Rect& b = d.controls[j].bounds;
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << d.controls[i].name << " overlaps " << d.controls[j].name;
        }
    }
    // Every access key of the dialog belongs to one control only.
    std::string keys;
    for (const auto& control : d.controls) {
        const auto amp = control.caption.find('&');
        if (amp == std::string::npos) continue;
        const char key = control.caption[amp + 1];
        EXPECT_EQ(keys.find(key), std::string::npos) << control.name << " repeats " << key;
        keys += key;
    }
    EXPECT_EQ(keys.size(), 5u);
    EXPECT_TRUE(Named(d, "Button1").isDefault);
    EXPECT_TRUE(Named(d, "Button2").isCancel);
    EXPECT_EQ(Named(d, "Memo1").background, (ui::Colour{187, 235, 244}));
    EXPECT_EQ(Named(d, "ComboBox3").kind, ui::ControlKind::DropDownList);
    EXPECT_EQ(Named(d, "ComboBox5").kind, ui::ControlKind::EditableComboBox);
    for (const char* box : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"}) {
        EXPECT_TRUE(Named(d, box).imeDisabled) << box;
    }
    EXPECT_TRUE(Named(TForm2::Design(), "Edit1").imeDisabled);
}

TEST(DialogDesign, PresetEditorLayout) {
    const ui::WindowDesign d = TForm2::Design();
    EXPECT_EQ(d.caption, "Form2");
    EXPECT_EQ(d.clientWidth, 266);
    EXPECT_EQ(d.clientHeight, 257);
    EXPECT_EQ(d.position, (ui::ScreenPosition{193, 132}));
    EXPECT_FALSE(d.minimiseBox);
    EXPECT_EQ(d.background, ui::WindowBackground::ButtonFace);
    EXPECT_EQ(Rows(d),
              (std::vector<std::string>{"Edit1 8 8 169 21 0 13", "ListBox1 8 32 169 217 1 13",
                                        "Button1 184 8 75 25 2 13", "Button2 184 40 75 25 3 13",
                                        "Button3 184 72 75 25 4 13", "Button4 184 104 75 25 5 13",
                                        "Button5 184 136 75 25 6 13", "Button6 184 192 75 25 7 13",
                                        "Button7 184 224 75 25 8 13"}));
    EXPECT_TRUE(Named(d, "Button6").isDefault);
    EXPECT_TRUE(Named(d, "Button7").isCancel);
    EXPECT_EQ(Named(d, "Button7").caption, "\xB7\xAC\xDD\xBE\xD9(&N)");
}

// On a denser display each designed value is scaled on its own and rounded
// once, halves up; at 96 dpi the designs are laid out exactly as drawn.
TEST(DialogDesign, LayoutsScaleWithTheDisplayDpi) {
    const ui::WindowDesign main = ui::ScaledDesign(TForm1::Design(), 144);
    EXPECT_EQ(main.clientWidth, 815);
    EXPECT_EQ(main.clientHeight, 401);
    EXPECT_EQ(main.position, TForm1::Design().position) << "a place on the screen is not a size";
    EXPECT_EQ(Row(Named(main, "Memo1")), "Memo1 516 0 290 386 - 20");
    EXPECT_EQ(Row(Named(main, "Button3")), "Button3 324 11 86 33 1 18");
    const ui::WindowDesign editor = ui::ScaledDesign(TForm2::Design(), 144);
    EXPECT_EQ(editor.clientWidth, 399);
    EXPECT_EQ(editor.clientHeight, 386);
    EXPECT_EQ(Row(Named(editor, "ListBox1")), "ListBox1 12 48 254 326 1 20");
    const ui::WindowDesign at125 = ui::ScaledDesign(TForm1::Design(), 120);
    EXPECT_EQ(at125.clientWidth, 679);
    EXPECT_EQ(at125.clientHeight, 334);
    EXPECT_EQ(Row(Named(at125, "Label2")), "Label2 10 15 105 16 - 16");
    for (const ui::WindowDesign& design : {TForm1::Design(), TForm2::Design()}) {
        const ui::WindowDesign same = ui::ScaledDesign(design, ui::kDesignDpi);
        EXPECT_EQ(same.clientWidth, design.clientWidth);
        EXPECT_EQ(same.clientHeight, design.clientHeight);
        EXPECT_EQ(Rows(same), Rows(design));
    }
}

}  // namespace

}  // namespace rv17
