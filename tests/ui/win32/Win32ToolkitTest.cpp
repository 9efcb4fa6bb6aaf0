// The Win32 toolkit on a design with every control kind: texts, items,
// selections and positions through the toolkit interface, and Tab, Enter,
// Escape, access keys, modal showing and colours through the real dialog
// manager. Runs under Wine's null display driver, so no screen is needed.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/DisplayScale.h"
#include "ui/Unit2.h"
#include "ui/win32/ScreenPlacement.h"
#include "ui/win32/Win32Controls.h"
#include "ui/win32/Win32Toolkit.h"

namespace rv17 {

namespace {

using ui::ControlKind;

// "間隔" and "ＯＫ(&Y)" style texts as Shift-JIS bytes.
const std::string kInterval = "\x8A\xD4\x8A\x75";
const std::string kCaption = "rv17_\x83\x5C\x83\x8A\x83\x62\x83\x68";  // rv17_ソリッド
const std::string kFontName = "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E";  // ＭＳ ゴシック

ui::WindowDesign TestDesign() {
    ui::WindowDesign design;
    design.caption = kCaption;
    design.clientWidth = 400;
    design.clientHeight = 260;
    design.position = {120, 90};
    design.minimiseBox = true;
    design.fontName = kFontName;
    auto add = [&design](std::string name, ControlKind kind, ui::Rect bounds, int tabOrder,
                         std::string caption = "") {
        ui::ControlDesign control;
        control.name = std::move(name);
        control.kind = kind;
        control.bounds = bounds;
        control.tabOrder = tabOrder;
        control.caption = std::move(caption);
        design.controls.push_back(control);
        return &design.controls.back();
    };
    add("Label1", ControlKind::Label, {8, 12, 84, 13}, ui::kNoTabStop, kInterval);
    // Declared out of tab order on purpose: Tab must follow tabOrder, not the list.
    add("Edit1", ControlKind::Edit, {96, 140, 120, 21}, 3);
    add("ComboBox1", ControlKind::EditableComboBox, {96, 8, 113, 21}, 0)->imeDisabled = true;
    add("ComboBox2", ControlKind::DropDownList, {96, 32, 177, 21}, 1)->imeDisabled = true;
    add("CheckBox1", ControlKind::CheckBox, {8, 60, 200, 17}, 2, "Check");
    add("ListBox1", ControlKind::ListBox, {8, 84, 80, 60}, 4);
    auto* ok = add("Button1", ControlKind::Button, {24, 200, 137, 33}, 5, "OK(&Y)");
    ok->isDefault = true;
    auto* cancel = add("Button2", ControlKind::Button, {184, 200, 137, 33}, 6, "Cancel(&N)");
    cancel->isCancel = true;
    add("Button3", ControlKind::Button, {216, 7, 57, 22}, 7, "Edit")->fontHeight = 12;
    auto* memo = add("Memo1", ControlKind::Memo, {300, 0, 100, 233}, ui::kNoTabStop);
    memo->background = {187, 235, 244};
    return design;
}

HWND HandleOf(ui::Control& control) {
    return dynamic_cast<ui::win32::NativeControl&>(control).Handle();
}

RECT ClientRectOf(HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class Win32ToolkitTest : public ::testing::Test {
protected:
    std::unique_ptr<ui::Application> application = ui::win32::CreateWin32Application();
    std::unique_ptr<ui::Window> window = application->CreateDialogWindow(TestDesign());
    HWND Dialog() { return ::GetParent(HandleOf(window->ButtonNamed("Button1"))); }
    void ExpectLayoutFor(int dpi);
};

TEST_F(Win32ToolkitTest, WindowHasTheDesignedClientSizeCaptionAndFrame) {
    RECT client{};
    ::GetClientRect(Dialog(), &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 260);
    EXPECT_EQ(window->Caption(), kCaption);
    EXPECT_EQ(window->Position(), (ui::ScreenPosition{120, 90}));
    const LONG_PTR style = ::GetWindowLongPtrW(Dialog(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the dialog must not be resizable";
}

TEST_F(Win32ToolkitTest, ControlsStandAtTheirDesignedPixels) { ExpectLayoutFor(ui::kDesignDpi); }

// Every control at its designed bounds and font height scaled to `dpi`, in a
// client area of the designed size scaled.
void Win32ToolkitTest::ExpectLayoutFor(int dpi) {
    RECT client{};
    ::GetClientRect(Dialog(), &client);
    EXPECT_EQ(client.right, ui::ScaleForDpi(400, dpi));
    EXPECT_EQ(client.bottom, ui::ScaleForDpi(260, dpi));
    for (const ui::ControlDesign& designed : TestDesign().controls) {
        ui::ControlDesign control = designed;
        control.bounds = ui::ScaleForDpi(designed.bounds, dpi);
        control.fontHeight = ui::ScaleForDpi(designed.fontHeight, dpi);
        SCOPED_TRACE(control.name);
        HWND handle = nullptr;
        switch (control.kind) {
            case ControlKind::Label:
                handle = HandleOf(window->LabelNamed(control.name));
                break;
            case ControlKind::EditableComboBox:
            case ControlKind::DropDownList:
                handle = HandleOf(window->ComboBoxNamed(control.name));
                break;
            case ControlKind::Button:
                handle = HandleOf(window->ButtonNamed(control.name));
                break;
            case ControlKind::CheckBox:
                handle = HandleOf(window->CheckBoxNamed(control.name));
                break;
            case ControlKind::Edit:
                handle = HandleOf(window->EditNamed(control.name));
                break;
            case ControlKind::ListBox:
                handle = HandleOf(window->ListBoxNamed(control.name));
                break;
            case ControlKind::Memo:
                handle = HandleOf(window->MemoNamed(control.name));
                break;
            case ControlKind::Canvas:
                handle = HandleOf(window->CanvasNamed(control.name));
                break;
        }
        const RECT rect = ClientRectOf(handle);
        EXPECT_EQ(rect.left, control.bounds.left);
        EXPECT_EQ(rect.top, control.bounds.top);
        // A label is as wide as its text; a combo box's closed height is set
        // through its selection field.
        if (control.kind != ControlKind::Label) {
            EXPECT_EQ(rect.right - rect.left, control.bounds.width);
        }
        EXPECT_EQ(rect.bottom - rect.top, control.bounds.height);
        LOGFONTW font{};
        ::GetObjectW(reinterpret_cast<HGDIOBJ>(::SendMessageW(handle, WM_GETFONT, 0, 0)),
                     sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -control.fontHeight);
    }
}

TEST_F(Win32ToolkitTest, DpiChangeLaysTheWindowOutAgainFromTheDesign) {
    // As Windows reports a drag onto a monitor at 150 % and back: the new dpi
    // and the rectangle it suggests, whose top-left the window takes.
    const auto changeDpi = [this](int dpi, RECT suggested) {
        ::SendMessageW(Dialog(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
    };
    window->LabelNamed("Label1").SetText(kInterval + kInterval);
    changeDpi(144, {300, 200, 900, 600});
    EXPECT_EQ(window->Position(), (ui::ScreenPosition{300, 200}));
    ExpectLayoutFor(144);
    const RECT label = ClientRectOf(HandleOf(window->LabelNamed("Label1")));
    changeDpi(96, {250, 150, 650, 450});
    EXPECT_EQ(window->Position(), (ui::ScreenPosition{250, 150}));
    ExpectLayoutFor(96);
    const RECT labelAt96 = ClientRectOf(HandleOf(window->LabelNamed("Label1")));
    EXPECT_GT(label.right - label.left, labelAt96.right - labelAt96.left)
        << "a label fits its text in the larger font";
}

TEST_F(Win32ToolkitTest, LabelGrowsWithItsText) {
    ui::Label& label = window->LabelNamed("Label1");
    const RECT before = ClientRectOf(HandleOf(label));
    label.SetText(kInterval + kInterval + kInterval);
    const RECT after = ClientRectOf(HandleOf(label));
    EXPECT_EQ(label.Text(), kInterval + kInterval + kInterval);
    EXPECT_GT(after.right - after.left, 2 * (before.right - before.left));
    EXPECT_EQ(after.left, before.left);
}

TEST_F(Win32ToolkitTest, ShiftJisTextsSurviveEveryControl) {
    const std::string text = kInterval + "(1.5)\x83\x6E";
    window->SetCaption(text);
    EXPECT_EQ(window->Caption(), text);
    window->EditNamed("Edit1").SetText(text);
    EXPECT_EQ(window->EditNamed("Edit1").Text(), text);
    window->ComboBoxNamed("ComboBox1").SetText(text);
    EXPECT_EQ(window->ComboBoxNamed("ComboBox1").Text(), text);
    const std::vector<std::string> lines{text, "", "\x81\x40", "last"};
    window->MemoNamed("Memo1").SetLines(lines);
    EXPECT_EQ(window->MemoNamed("Memo1").Lines(), lines);
}

TEST_F(Win32ToolkitTest, EditableComboBoxKeepsItsTextWhenItemsAreReplaced) {
    ui::ComboBox& box = window->ComboBoxNamed("ComboBox1");
    box.SetText("2.5");
    box.SetItems({"0.3", "1", kInterval});
    EXPECT_EQ(box.Text(), "2.5");
    EXPECT_EQ(box.Items(), (std::vector<std::string>{"0.3", "1", kInterval}));
    box.SetItemIndex(2);
    EXPECT_EQ(box.ItemIndex(), 2);
    EXPECT_EQ(box.Text(), kInterval);
    box.SetItems({});
    EXPECT_TRUE(box.Items().empty());
    EXPECT_EQ(box.Text(), kInterval);
}

TEST_F(Win32ToolkitTest, IndexesOutsideTheItemsLeaveNoSelection) {
    struct Case {
        int index;
        int expected;
    };
    for (const Case& c :
         {Case{0, 0}, Case{2, 2}, Case{3, -1}, Case{300, -1}, Case{-1, -1}, Case{-7, -1}}) {
        SCOPED_TRACE(c.index);
        ui::ComboBox& list = window->ComboBoxNamed("ComboBox2");
        list.SetItems({"a", "b", "c"});
        list.SetItemIndex(1);
        list.SetItemIndex(c.index);
        EXPECT_EQ(list.ItemIndex(), c.expected);
        ui::ListBox& listBox = window->ListBoxNamed("ListBox1");
        listBox.SetItems({"a", "b", "c"});
        listBox.SetItemIndex(1);
        listBox.SetItemIndex(c.index);
        EXPECT_EQ(listBox.ItemIndex(), c.expected);
    }
}

TEST_F(Win32ToolkitTest, DropDownListShowsOnlyItsItems) {
    ui::ComboBox& list = window->ComboBoxNamed("ComboBox2");
    list.SetItems({"x", kInterval});
    list.SetText(kInterval);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.Text(), kInterval);
    list.SetText("not an item");
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Text(), "");
}

TEST_F(Win32ToolkitTest, CheckBoxAndListBoxHoldTheirState) {
    ui::CheckBox& check = window->CheckBoxNamed("CheckBox1");
    check.SetChecked(true);
    EXPECT_TRUE(check.Checked());
    check.SetChecked(false);
    EXPECT_FALSE(check.Checked());
    ui::ListBox& list = window->ListBoxNamed("ListBox1");
    list.SetItems({"1", "2", kInterval});
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"1", "2", kInterval}));
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(Win32ToolkitTest, LookingUpAMissingNameOrTheWrongKindThrows) {
    EXPECT_THROW(window->ButtonNamed("Button9"), std::logic_error);
    EXPECT_THROW(window->ButtonNamed("Edit1"), std::logic_error);
    EXPECT_THROW(window->ComboBoxNamed("ListBox1"), std::logic_error);
    EXPECT_NO_THROW(window->ComboBoxNamed("ComboBox2"));
}

TEST_F(Win32ToolkitTest, TabVisitsTheControlsInTabOrderAndSkipsTheMemo) {
    const std::vector<std::string> expected{"ComboBox1", "ComboBox2", "CheckBox1", "Edit1",
                                            "ListBox1",  "Button1",   "Button2",   "Button3"};
    std::vector<HWND> handles;
    handles.push_back(HandleOf(window->ComboBoxNamed("ComboBox1")));
    handles.push_back(HandleOf(window->ComboBoxNamed("ComboBox2")));
    handles.push_back(HandleOf(window->CheckBoxNamed("CheckBox1")));
    handles.push_back(HandleOf(window->EditNamed("Edit1")));
    handles.push_back(HandleOf(window->ListBoxNamed("ListBox1")));
    handles.push_back(HandleOf(window->ButtonNamed("Button1")));
    handles.push_back(HandleOf(window->ButtonNamed("Button2")));
    handles.push_back(HandleOf(window->ButtonNamed("Button3")));
    // The dialog manager's own traversal, the one Tab uses.
    HWND current = ::GetNextDlgTabItem(Dialog(), nullptr, FALSE);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(current, handles[i]) << "tab stop " << i << " should be " << expected[i];
        current = ::GetNextDlgTabItem(Dialog(), current, FALSE);
    }
    EXPECT_EQ(current, handles.front()) << "Tab wraps round past the memo";
}

TEST_F(Win32ToolkitTest, StatusColourAndMemoBackgroundReachThePainting) {
    window->LabelNamed("Label1").SetFontColour({255, 0, 0});
    EXPECT_EQ(window->LabelNamed("Label1").FontColour(), (ui::Colour{255, 0, 0}));
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::SendMessageW(Dialog(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(HandleOf(window->LabelNamed("Label1"))));
    EXPECT_EQ(::GetTextColor(dc), RGB(255, 0, 0));
    EXPECT_EQ(::GetBkColor(dc), RGB(255, 255, 255));
    ::SendMessageW(Dialog(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(HandleOf(window->MemoNamed("Memo1"))));
    EXPECT_EQ(::GetBkColor(dc), RGB(187, 235, 244));
    EXPECT_EQ(::GetTextColor(dc), RGB(0, 0, 0));
    ::DeleteDC(dc);
}

// A key press as the message loop would receive it for `target`.
struct KeyCase {
    const char* name;
    const char* target;  // control that has the keyboard focus
    UINT message;
    WPARAM key;
    LPARAM flags;
    const char* pressed;  // button expected to be pressed
};

class Win32ToolkitKeyTest : public Win32ToolkitTest,
                            public ::testing::WithParamInterface<KeyCase> {};

constexpr LPARAM kAltDown = 1 << 29;

TEST_P(Win32ToolkitKeyTest, KeyPressesTheButtonItStandsFor) {
    const KeyCase& key = GetParam();
    std::string pressed;
    for (const char* name : {"Button1", "Button2", "Button3"}) {
        window->ButtonNamed(name).SetOnClick([&pressed, name, this] {
            pressed = name;
            window->Close();
        });
    }
    int closeCount = 0;
    window->SetOnClose([&closeCount] { ++closeCount; });
    HWND target = nullptr;
    const std::string targetName = key.target;
    if (targetName == "Memo1") target = HandleOf(window->MemoNamed("Memo1"));
    if (targetName == "Edit1") target = HandleOf(window->EditNamed("Edit1"));
    if (targetName == "ListBox1") target = HandleOf(window->ListBoxNamed("ListBox1"));
    window->SetOnShow([target, &key] { ::PostMessageW(target, key.message, key.key, key.flags); });
    application->Run(*window);
    EXPECT_EQ(pressed, key.pressed);
    EXPECT_EQ(closeCount, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Win32ToolkitKeyTest,
    ::testing::Values(KeyCase{"EnterInEdit", "Edit1", WM_KEYDOWN, VK_RETURN, 0, "Button1"},
                      KeyCase{"EscapeInEdit", "Edit1", WM_KEYDOWN, VK_ESCAPE, 0, "Button2"},
                      KeyCase{"EnterInMemo", "Memo1", WM_KEYDOWN, VK_RETURN, 0, "Button1"},
                      KeyCase{"EscapeInMemo", "Memo1", WM_KEYDOWN, VK_ESCAPE, 0, "Button2"},
                      KeyCase{"EnterInListBox", "ListBox1", WM_KEYDOWN, VK_RETURN, 0, "Button1"},
                      KeyCase{"AltY", "Edit1", WM_SYSCHAR, 'y', kAltDown, "Button1"},
                      KeyCase{"AltN", "Memo1", WM_SYSCHAR, 'n', kAltDown, "Button2"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Win32ToolkitTest, CloseBoxClosesWithoutPressingCancel) {
    bool cancelPressed = false;
    int closeCount = 0;
    window->ButtonNamed("Button2").SetOnClick([&cancelPressed] { cancelPressed = true; });
    window->SetOnClose([&closeCount] { ++closeCount; });
    window->SetOnShow([this] { ::PostMessageW(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); });
    application->Run(*window);
    EXPECT_FALSE(cancelPressed);
    EXPECT_EQ(closeCount, 1);
}

TEST_F(Win32ToolkitTest, FocusSetBeforeShowingIsAppliedOnShow) {
    HWND focusAtClick = nullptr;
    window->ButtonNamed("Button1").SetOnClick([&focusAtClick, this] {
        focusAtClick = ::GetFocus();
        window->Close();
    });
    window->SetOnShow([this] {
        window->EditNamed("Edit1").SetFocus();
        // Enter does not move the focus; it presses the default button.
        ::PostMessageW(HandleOf(window->EditNamed("Edit1")), WM_KEYDOWN, VK_RETURN, 0);
    });
    application->Run(*window);
    EXPECT_EQ(focusAtClick, HandleOf(window->EditNamed("Edit1")));
}

TEST_F(Win32ToolkitTest, EditorIsModalOverTheMainWindow) {
    ui::WindowDesign editorDesign;
    editorDesign.caption = "Form2";
    editorDesign.clientWidth = 266;
    editorDesign.clientHeight = 257;
    editorDesign.position = {193, 132};
    editorDesign.background = ui::WindowBackground::ButtonFace;
    editorDesign.fontName = kFontName;
    ui::ControlDesign edit;
    edit.name = "Edit1";
    edit.kind = ControlKind::Edit;
    edit.bounds = {8, 8, 169, 21};
    edit.tabOrder = 0;
    ui::ControlDesign cancel;
    cancel.name = "Button7";
    cancel.kind = ControlKind::Button;
    cancel.bounds = {184, 224, 75, 25};
    cancel.tabOrder = 1;
    cancel.caption = "Cancel";
    cancel.isCancel = true;
    editorDesign.controls = {edit, cancel};
    auto editor = application->CreateDialogWindow(editorDesign);
    HWND editorHandle = ::GetParent(HandleOf(editor->EditNamed("Edit1")));
    EXPECT_EQ(::GetWindow(editorHandle, GW_OWNER), Dialog());
    EXPECT_FALSE(::GetWindowLongPtrW(editorHandle, GWL_STYLE) & WS_MINIMIZEBOX);

    bool ownerEnabledWhileOpen = true;
    HWND focusWhileOpen = nullptr;
    int editorCloses = 0;
    editor->SetOnShow([&] {
        editor->EditNamed("Edit1").SetFocus();
        ::PostMessageW(HandleOf(editor->EditNamed("Edit1")), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    editor->ButtonNamed("Button7").SetOnClick([&] {
        ownerEnabledWhileOpen = ::IsWindowEnabled(Dialog()) != FALSE;
        focusWhileOpen = ::GetFocus();
        editor->Close();
    });
    editor->SetOnClose([&editorCloses] { ++editorCloses; });
    bool ownerEnabledAfter = false;
    bool editorVisibleAfter = true;
    window->ButtonNamed("Button3").SetOnClick([&] {
        editor->ShowModal();
        ownerEnabledAfter = ::IsWindowEnabled(Dialog()) != FALSE;
        editorVisibleAfter = ::IsWindowVisible(editorHandle) != FALSE;
        window->Close();
    });
    window->SetOnShow(
        [this] { ::PostMessageW(HandleOf(window->ButtonNamed("Button3")), BM_CLICK, 0, 0); });
    application->Run(*window);
    EXPECT_FALSE(ownerEnabledWhileOpen);
    EXPECT_EQ(focusWhileOpen, HandleOf(editor->EditNamed("Edit1")));
    EXPECT_EQ(editorCloses, 1);
    EXPECT_TRUE(ownerEnabledAfter);
    EXPECT_FALSE(editorVisibleAfter);
}

TEST_F(Win32ToolkitTest, PositionOffEveryMonitorIsShownInReachButReportedAsStored) {
    window->SetPosition({-5000, -4000});
    RECT shownAt{};
    ui::ScreenPosition reported;
    ui::ScreenPosition afterUserMove;
    window->ButtonNamed("Button1").SetOnClick([&] {
        ::GetWindowRect(Dialog(), &shownAt);
        reported = window->Position();
        ::SetWindowPos(Dialog(), nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        afterUserMove = window->Position();
        window->Close();
    });
    window->SetOnShow(
        [this] { ::PostMessageW(HandleOf(window->ButtonNamed("Button1")), BM_CLICK, 0, 0); });
    application->Run(*window);
    const std::vector<RECT> areas = ui::win32::MonitorWorkAreas();
    ASSERT_FALSE(areas.empty());
    EXPECT_TRUE(ui::win32::IsCaptionReachable(shownAt, 20, areas))
        << "shown at " << shownAt.left << "," << shownAt.top;
    EXPECT_EQ(reported, (ui::ScreenPosition{-5000, -4000}));
    EXPECT_EQ(afterUserMove, (ui::ScreenPosition{30, 40}));
}

// While the window is busy, the wait cursor shows over it and over each of
// its controls, which ask the dialog first; afterwards the normal one again.
TEST_F(Win32ToolkitTest, WaitCursorShowsOverTheWindowAndItsControls) {
    const HCURSOR wait = ::LoadCursorW(nullptr, IDC_WAIT);
    const auto cursorOver = [](HWND target) {
        ::SetCursor(nullptr);
        ::SendMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    };
    window->SetWaitCursor(true);
    EXPECT_EQ(::GetCursor(), wait);
    EXPECT_EQ(cursorOver(Dialog()), wait);
    EXPECT_EQ(cursorOver(HandleOf(window->ListBoxNamed("ListBox1"))), wait);
    EXPECT_EQ(cursorOver(HandleOf(window->EditNamed("Edit1"))), wait);
    window->SetWaitCursor(false);
    EXPECT_NE(cursorOver(HandleOf(window->ListBoxNamed("ListBox1"))), wait);
}

TEST_F(Win32ToolkitTest, ExceptionInAHandlerLeavesTheLoopInsteadOfCrossingWin32) {
    window->ButtonNamed("Button1").SetOnClick([] { throw std::runtime_error("handler failed"); });
    window->SetOnShow(
        [this] { ::PostMessageW(HandleOf(window->ButtonNamed("Button1")), BM_CLICK, 0, 0); });
    EXPECT_THROW(application->Run(*window), std::runtime_error);
}

// The preset list editor on real controls keeps the list's place, item by
// item: its top index, selection and items after each action, and a list box
// that holds the 16 rows the headless toolkit models.
TEST(Win32PresetEditor, ListKeepsItsTopItemThroughAddInsertMoveAndDelete) {
    const auto application = ui::win32::CreateWin32Application();
    TForm2 form(*application);
    std::string listText = "1";
    std::vector<std::string> items{"1"};
    for (int i = 2; i <= 30; ++i) {
        listText += "," + std::to_string(i);
        items.push_back(std::to_string(i));
    }
    form.SetListText(listText);
    form.FormShow();
    ui::ListBox& listBox = form.Window().ListBoxNamed("ListBox1");
    HWND list = HandleOf(listBox);
    const auto top = [list] { return ::SendMessageW(list, LB_GETTOPINDEX, 0, 0); };
    ::SendMessageW(list, LB_SETTOPINDEX, 29, 0);
    ASSERT_EQ(top(), 30 - 16) << "rows in view differ from the headless model";
    ::SendMessageW(list, LB_SETTOPINDEX, 10, 0);
    listBox.SetItemIndex(12);

    form.SetInputText("31");
    form.Button1Click();
    EXPECT_EQ(top(), 10);
    EXPECT_EQ(listBox.ItemIndex(), 12);
    form.SetInputText("x");
    form.Button2Click();
    EXPECT_EQ(top(), 10);
    EXPECT_EQ(listBox.ItemIndex(), 13);
    form.Button4Click();
    EXPECT_EQ(top(), 10);
    EXPECT_EQ(listBox.ItemIndex(), 14);
    form.Button5Click();
    EXPECT_EQ(top(), 10);
    EXPECT_EQ(listBox.ItemIndex(), -1);
    items.push_back("31");
    items.insert(items.begin() + 12, "x");
    items.erase(items.begin() + 13);  // "13", moved down a place and deleted
    EXPECT_EQ(listBox.Items(), items);
}

struct PlacementCase {
    const char* name;
    RECT window;
    POINT expected;
};

TEST(ScreenPlacement, KeepsTheTitleBarOnAMonitor) {
    // Two monitors side by side, the left one with a taskbar at its bottom.
    const std::vector<RECT> areas{{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};
    const PlacementCase cases[] = {
        {"on the first monitor", {100, 100, 659, 382}, {100, 100}},
        {"on the second monitor", {2000, 50, 2559, 332}, {2000, 50}},
        {"partly off but grabbable", {1800, 300, 2359, 582}, {1800, 300}},
        {"left of every monitor", {-5000, 100, -4441, 382}, {0, 100}},
        {"right of every monitor", {4000, 900, 4559, 1182}, {2641, 742}},
        {"below every monitor", {300, 2000, 859, 2282}, {300, 758}},
        {"title bar above the top", {300, -100, 859, 182}, {300, 0}},
        {"title bar left with too small a grip", {-540, 100, 19, 382}, {0, 100}},
        {"minimised-style far corner", {-32000, -32000, -31841, -31973}, {0, 0}},
    };
    for (const PlacementCase& c : cases) {
        const POINT result = ui::win32::ReachableTopLeft(c.window, 26, areas);
        EXPECT_EQ(result.x, c.expected.x) << c.name;
        EXPECT_EQ(result.y, c.expected.y) << c.name;
    }
}

TEST(ScreenPlacement, WindowLargerThanTheWorkAreaKeepsItsCornerInside) {
    const std::vector<RECT> areas{{0, 0, 800, 600}};
    const POINT result = ui::win32::ReachableTopLeft({-3000, -3000, -2000, -2200}, 26, areas);
    EXPECT_EQ(result.x, 0);
    EXPECT_EQ(result.y, 0);
}

}  // namespace

}  // namespace rv17
