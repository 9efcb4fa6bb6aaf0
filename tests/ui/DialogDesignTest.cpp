// The two dialogs' designs: what the Win32 toolkit builds them from.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/DisplayScale.h"
#include "ui/InterfaceTexts.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace rv17 {

namespace {

const ui::ControlDesign& Named(const ui::WindowDesign& design, std::string_view name) {
    for (const auto& control : design.controls) {
        if (control.name == name) return control;
    }
    throw std::logic_error("no control " + std::string(name));
}

// The controls that take the focus by Tab, in the order Tab visits them.
std::vector<std::string> TabStops(const ui::WindowDesign& design) {
    std::vector<const ui::ControlDesign*> stops;
    for (const auto& control : design.controls) {
        if (control.tabOrder != ui::kNoTabStop) stops.push_back(&control);
    }
    std::sort(stops.begin(), stops.end(),
              [](const auto* a, const auto* b) { return a->tabOrder < b->tabOrder; });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        EXPECT_EQ(stops[i]->tabOrder, static_cast<int>(i))
            << stops[i]->name << ": a gap or a repeat";
        names.push_back(stops[i]->name);
    }
    return names;
}

// What holds for any laid-out design: every control inside the client area
// (widened by extraWidth for a pane shown beside it), no two overlapping, and
// each access key marking one control only. Returns the access keys.
std::string ExpectSoundLayout(const ui::WindowDesign& d, int extraWidth) {
    std::string keys;
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
        const auto& a = d.controls[i].bounds;
        EXPECT_LE(a.top + a.height, d.clientHeight) << d.controls[i].name;
        EXPECT_LE(a.left + a.width, d.clientWidth + extraWidth) << d.controls[i].name;
        for (std::size_t j = i + 1; j < d.controls.size(); ++j) {
            const auto& b = d.controls[j].bounds;
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << d.controls[i].name << " overlaps " << d.controls[j].name;
        }
        const std::string& caption = d.controls[i].caption;
        const auto amp = caption.find('&');
        if (amp == std::string::npos || amp + 1 == caption.size()) continue;
        const char key = caption[amp + 1];
        EXPECT_EQ(keys.find(key), std::string::npos) << d.controls[i].name << " repeats " << key;
        keys += key;
    }
    return keys;
}

TEST(DialogDesign, MainDialog) {
    const ui::WindowDesign d = TForm1::Design();
    EXPECT_EQ(d.caption, Sjis(texts::kMainCaption));
    EXPECT_EQ(d.clientWidth, 543);
    EXPECT_EQ(d.clientHeight, 267);
    EXPECT_TRUE(d.minimiseBox);
    EXPECT_EQ(d.background, ui::WindowBackground::White);
    EXPECT_EQ(d.fontName, "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_EQ(ExpectSoundLayout(d, TForm1::kPaneWidth).size(), 5u);
    // The pane fills the part the window gains while it is shown.
    const auto& pane = Named(d, "PaintBox1").bounds;
    EXPECT_TRUE(pane.left == d.clientWidth && pane.top == 0 && pane.width == TForm1::kPaneWidth &&
                pane.height == TForm1::kPaneHeight);
    EXPECT_EQ(TabStops(d), (std::vector<std::string>{
                               "ComboBox1", "Button3", "CheckBox3", "ComboBox2", "Button4",
                               "ComboBox3", "ComboBox4", "ComboBox5", "Button5", "CheckBox1",
                               "CheckBox2", "CheckBox4", "Button1", "Button2", "Button6"}));
    EXPECT_TRUE(Named(d, "Button1").isDefault);
    EXPECT_TRUE(Named(d, "Button2").isCancel);
    EXPECT_EQ(Named(d, "Memo1").background, (ui::Colour{187, 235, 244}));
    EXPECT_EQ(Named(d, "ComboBox3").kind, ui::ControlKind::DropDownList);
    EXPECT_EQ(Named(d, "ComboBox5").kind, ui::ControlKind::EditableComboBox);
    for (const char* box : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"}) {
        EXPECT_TRUE(Named(d, box).imeDisabled) << box;
    }
}

TEST(DialogDesign, PresetEditor) {
    const ui::WindowDesign d = TForm2::Design();
    EXPECT_EQ(d.caption, "Form2");
    EXPECT_EQ(d.clientWidth, 266);
    EXPECT_EQ(d.clientHeight, 257);
    EXPECT_EQ(d.position, (ui::ScreenPosition{193, 132}));
    EXPECT_FALSE(d.minimiseBox);
    EXPECT_EQ(d.background, ui::WindowBackground::ButtonFace);
    ExpectSoundLayout(d, 0);
    EXPECT_EQ(TabStops(d),
              (std::vector<std::string>{"Edit1", "ListBox1", "Button1", "Button2", "Button3",
                                        "Button4", "Button5", "Button6", "Button7"}));
    EXPECT_TRUE(Named(d, "Edit1").imeDisabled);
    EXPECT_TRUE(Named(d, "Button6").isDefault);
    EXPECT_TRUE(Named(d, "Button7").isCancel);
    EXPECT_EQ(Named(d, "Button7").caption, "\xB7\xAC\xDD\xBE\xD9(&N)");
}

// On a denser display each designed value is scaled on its own and rounded
// once, halves up, so a design stays sound at every density; at 96 dpi the
// designs are laid out exactly as drawn.
TEST(DialogDesign, LayoutsScaleWithTheDisplayDpi) {
    struct Case {
        int dpi, mainWidth, mainHeight, editorWidth, editorHeight;
    };
    for (const Case& c : {Case{96, 543, 267, 266, 257}, Case{120, 679, 334, 333, 321},
                          Case{144, 815, 401, 399, 386}}) {
        const ui::WindowDesign main = ui::ScaledDesign(TForm1::Design(), c.dpi);
        const ui::WindowDesign editor = ui::ScaledDesign(TForm2::Design(), c.dpi);
        EXPECT_EQ(std::vector<int>({main.clientWidth, main.clientHeight, editor.clientWidth,
                                    editor.clientHeight}),
                  std::vector<int>({c.mainWidth, c.mainHeight, c.editorWidth, c.editorHeight}))
            << c.dpi << " dpi";
        EXPECT_EQ(main.position, TForm1::Design().position)
            << "a place on the screen is not a size";
        ExpectSoundLayout(main, ui::ScaleForDpi(TForm1::kPaneWidth, c.dpi));
        ExpectSoundLayout(editor, 0);
    }
    EXPECT_EQ(Named(ui::ScaledDesign(TForm1::Design(), 144), "Memo1").fontHeight, 20);
}

}  // namespace

}  // namespace rv17
