// The preset list editor's handlers.
#include "ui/Unit2.h"

#include <algorithm>

#include "geometry/TextConversions.h"
#include "ui/InterfaceTexts.h"
#include "ui/SettingsFile.h"

namespace rv17 {

namespace {

// Equal apart from the letter case of single-byte letters; double-byte
// characters must match byte for byte.
bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return UpperCaseAscii(a) == UpperCaseAscii(b);
}

}  // namespace

TForm2::TForm2(ui::Application& application)
    : window_(application.CreateDialogWindow(Design())),
      Edit1(window_->EditNamed("Edit1")),
      ListBox1(window_->ListBoxNamed("ListBox1")) {
    window_->SetOnShow([this] { FormShow(); });
    window_->ButtonNamed("Button1").SetOnClick([this] { Button1Click(); });
    window_->ButtonNamed("Button2").SetOnClick([this] { Button2Click(); });
    window_->ButtonNamed("Button3").SetOnClick([this] { Button3Click(); });
    window_->ButtonNamed("Button4").SetOnClick([this] { Button4Click(); });
    window_->ButtonNamed("Button5").SetOnClick([this] { Button5Click(); });
    window_->ButtonNamed("Button6").SetOnClick([this] { Button6Click(); });
    window_->ButtonNamed("Button7").SetOnClick([this] { Button7Click(); });
    ListBox1.SetOnDoubleClick([this] { ListBox1DblClick(); });
}

ui::WindowDesign TForm2::Design() {
    using ui::ControlKind;
    ui::WindowDesign design;
    design.caption = Sjis(texts::kEditorDesignCaption);
    design.clientWidth = 266;
    design.clientHeight = 257;
    design.position = kEditorDesignedPosition;
    design.minimiseBox = false;
    design.background = ui::WindowBackground::ButtonFace;
    design.fontName = Sjis(texts::kFontName);
    const auto button = [](const char* name, int top, int tabOrder, std::string_view caption) {
        return ui::ControlDesign{.name = name,
                                 .kind = ControlKind::Button,
                                 .bounds = {184, top, 75, 25},
                                 .tabOrder = tabOrder,
                                 .caption = Sjis(caption)};
    };
    design.controls = {
        // The three lists hold numbers, so the input method editor is off.
        {.name = "Edit1",
         .kind = ControlKind::Edit,
         .bounds = {8, 8, 169, 21},
         .tabOrder = 0,
         .caption = {},
         .imeDisabled = true},
        {.name = "ListBox1",
         .kind = ControlKind::ListBox,
         .bounds = {8, 32, 169, 217},
         .tabOrder = 1,
         .caption = {}},
        button("Button1", 8, 2, texts::kAdd),
        button("Button2", 40, 3, texts::kInsert),
        button("Button3", 72, 4, texts::kUp),
        button("Button4", 104, 5, texts::kDown),
        button("Button5", 136, 6, texts::kDelete),
        button("Button6", 192, 7, texts::kEditorOk),
        button("Button7", 224, 8, texts::kEditorCancel),
    };
    design.controls[7].isDefault = true;  // Enter accepts
    design.controls[8].isCancel = true;   // Escape discards
    return design;
}

void TForm2::SetInputText(std::string_view text) { Edit1.SetText(text); }

std::string TForm2::Value() const { return RemoveBlanks(Edit1.Text()); }

bool TForm2::IsNewItem(const PresetList& items, std::string_view value) const {
    if (value.empty()) return false;
    return std::none_of(items.begin(), items.end(),
                        [&](const std::string& item) { return SameTextIgnoringCase(item, value); });
}

void TForm2::FormShow() {
    accepted_ = false;
    ListBox1.SetItems(CommaTextToItems(listText_));
    ListBox1.SetItemIndex(-1);
    Edit1.SetFocus();
}

// The list box is changed item by item, never emptied and refilled, so that it
// keeps its place: the first item in view stays where it is unless the item
// the action touched has to be scrolled into view.

void TForm2::Button1Click() {
    const std::string value = Value();
    const PresetList items = ListBox1.Items();
    if (!IsNewItem(items, value)) return;
    // The new last item is not scrolled to: the user keeps the part of the
    // list they are looking at, as the list box shows it after an append.
    ListBox1.InsertItem(static_cast<int>(items.size()), value);
}

void TForm2::Button2Click() {
    const std::string value = Value();
    const PresetList items = ListBox1.Items();
    if (!IsNewItem(items, value)) return;
    const int selected = ListBox1.ItemIndex();
    if (items.empty() || selected < 0) {
        ListBox1.InsertItem(static_cast<int>(items.size()), value);
        return;
    }
    // The selection stays with the item that was selected, now one place
    // lower; both it and the new item above it are brought into view.
    ListBox1.InsertItem(selected, value);
    ListBox1.MakeItemVisible(selected + 1);
    ListBox1.MakeItemVisible(selected);
}

void TForm2::MoveSelected(int step) {
    const PresetList items = ListBox1.Items();
    const int selected = ListBox1.ItemIndex();
    const int target = selected + step;
    if (items.empty() || selected < 0 || target < 0 || target >= static_cast<int>(items.size()))
        return;
    ListBox1.ReplaceItem(target, items[static_cast<std::size_t>(selected)]);
    ListBox1.ReplaceItem(selected, items[static_cast<std::size_t>(target)]);
    ListBox1.SetItemIndex(target);
    ListBox1.MakeItemVisible(target);
}

void TForm2::Button3Click() { MoveSelected(-1); }
void TForm2::Button4Click() { MoveSelected(+1); }

void TForm2::Button5Click() {
    const PresetList items = ListBox1.Items();
    const int selected = ListBox1.ItemIndex();
    if (items.empty() || selected < 0) return;
    // A list box has no selection after its selected item is deleted; the
    // place where it stood stays in view.
    ListBox1.DeleteItem(selected);
    const int remaining = static_cast<int>(items.size()) - 1;
    if (remaining > 0) ListBox1.MakeItemVisible(std::min(selected, remaining - 1));
}

void TForm2::Button6Click() {
    accepted_ = true;
    listText_ = ItemsToCommaText(ListBox1.Items());
    window_->Close();
}

void TForm2::Button7Click() { window_->Close(); }

void TForm2::ListBox1DblClick() {
    const PresetList items = ListBox1.Items();
    const int selected = ListBox1.ItemIndex();
    if (items.empty() || selected < 0) return;
    Edit1.SetText(items[static_cast<std::size_t>(selected)]);
}

}  // namespace rv17
