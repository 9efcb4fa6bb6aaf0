// The main dialog's window and controls as designed, in pixels of the client area.
#include "ui/InterfaceTexts.h"
#include "ui/SettingsFile.h"
#include "ui/Unit1.h"

namespace rv17 {

namespace {

using ui::ControlKind;

ui::ControlDesign Control(const char* name, ControlKind kind, ui::Rect bounds, int tabOrder,
                          std::string_view caption = {}) {
    ui::ControlDesign control;
    control.name = name;
    control.kind = kind;
    control.bounds = bounds;
    control.tabOrder = tabOrder;
    control.caption = Sjis(caption);
    return control;
}

// The five boxes take numbers and list entries only, so the input method editor is off.
ui::ControlDesign Box(const char* name, ControlKind kind, ui::Rect bounds, int tabOrder) {
    ui::ControlDesign control = Control(name, kind, bounds, tabOrder);
    control.imeDisabled = true;
    return control;
}

// The three list edit buttons use a slightly smaller font to fit their height.
ui::ControlDesign EditButton(const char* name, int top, int tabOrder) {
    ui::ControlDesign control =
        Control(name, ControlKind::Button, {216, top, 57, 22}, tabOrder, texts::kEditButton);
    control.fontHeight = 12;
    return control;
}

// Two lines spanning the second and third rows, right of the angle's edit button
// and the colour list, in a font one pixel smaller than the edit buttons' so
// that プレビュー fits on one line.
ui::ControlDesign PreviewButton() {
    ui::ControlDesign control =
        Control("Button6", ControlKind::Button, {275, 31, 68, 46}, 14, texts::kPreviewButton);
    control.fontHeight = 11;
    control.multiline = true;
    return control;
}

}  // namespace

ui::WindowDesign TForm1::Design() {
    ui::WindowDesign design;
    design.caption = Sjis(texts::kMainCaption);
    design.clientWidth = kClosedClientWidth;
    design.clientHeight = kPaneHeight;
    design.position = kDefaultMainPosition;
    design.minimiseBox = true;
    design.background = ui::WindowBackground::White;
    design.fontName = Sjis(texts::kFontName);

    design.controls = {
        Control("Label2", ControlKind::Label, {8, 12, 84, 13}, ui::kNoTabStop,
                texts::kIntervalLabel),
        Box("ComboBox1", ControlKind::EditableComboBox, {96, 8, 113, 21}, 0),
        EditButton("Button3", 7, 1),
        // Beside the interval's edit button: ticked, the interval is in real size.
        Control("CheckBox3", ControlKind::CheckBox, {277, 10, 66, 17}, 2, texts::kRealSize),
        Control("Label1", ControlKind::Label, {8, 36, 84, 13}, ui::kNoTabStop, texts::kAngleLabel),
        Box("ComboBox2", ControlKind::EditableComboBox, {96, 32, 113, 21}, 3),
        EditButton("Button4", 31, 4),
        Control("Label5", ControlKind::Label, {8, 60, 42, 13}, ui::kNoTabStop, texts::kColourLabel),
        Box("ComboBox3", ControlKind::DropDownList, {96, 56, 177, 21}, 5),
        Control("Label6", ControlKind::Label, {8, 84, 42, 13}, ui::kNoTabStop,
                texts::kLineTypeLabel),
        Box("ComboBox4", ControlKind::DropDownList, {96, 80, 177, 21}, 6),
        Control("Label7", ControlKind::Label, {8, 108, 42, 13}, ui::kNoTabStop, texts::kWidthLabel),
        Box("ComboBox5", ControlKind::EditableComboBox, {96, 104, 113, 21}, 7),
        EditButton("Button5", 103, 8),
        Control("CheckBox1", ControlKind::CheckBox, {8, 128, 335, 17}, 9, texts::kRecolourNumbered),
        Control("CheckBox2", ControlKind::CheckBox, {8, 152, 335, 17}, 10, texts::kRecolourSxf),
        // Below the two recolouring boxes; the rows after it move down by one.
        Control("CheckBox4", ControlKind::CheckBox, {8, 176, 335, 17}, 11, texts::kJoinTouching),
        Control("Label3", ControlKind::Label, {8, 200, 42, 13}, ui::kNoTabStop,
                texts::kStatusDesignText),
        Control("Button1", ControlKind::Button, {24, 224, 137, 33}, 12, texts::kOk),
        Control("Button2", ControlKind::Button, {184, 224, 137, 33}, 13, texts::kCancel),
        // Read only and skipped by Tab, so Enter in it still presses OK.
        Control("Memo1", ControlKind::Memo, {344, 0, 193, 257}, ui::kNoTabStop),
        // In the free space right of the three edit buttons, last in the tab order.
        PreviewButton(),
        // Beside the notes panel; the window widens by its width while it is shown.
        Control("PaintBox1", ControlKind::Canvas, {kClosedClientWidth, 0, kPaneWidth, kPaneHeight},
                ui::kNoTabStop),
    };
    design.controls[18].isDefault = true;                        // Button1, OK
    design.controls[19].isCancel = true;                         // Button2, Cancel
    design.controls[20].background = ui::Colour{187, 235, 244};  // Memo1
    design.controls[22].visible = false;                         // PaintBox1
    return design;
}

}  // namespace rv17
