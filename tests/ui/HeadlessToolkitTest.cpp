// The headless toolkit: the user's moves, what they reach, and what a user could not do.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/headless/HeadlessToolkit.h"

namespace rv17 {

namespace {

using namespace ui;
using ui::headless::HeadlessApplication;
using ui::headless::HeadlessWindow;

ControlDesign Make(const char* name, ControlKind kind, int tabOrder, const char* caption = "") {
    ControlDesign control;
    control.name = name;
    control.kind = kind;
    control.tabOrder = tabOrder;
    control.caption = caption;
    return control;
}

// Tab orders deliberately differ from the order of creation.
WindowDesign TestDesign() {
    WindowDesign design;
    design.caption = "Test";
    design.position = {30, 40};
    design.controls = {
        Make("Status", ControlKind::Label, kNoTabStop, "ready"),
        Make("Name", ControlKind::Edit, 0),
        Make("Box", ControlKind::EditableComboBox, 2),
        Make("List", ControlKind::DropDownList, 1),
        Make("Notes", ControlKind::Memo, kNoTabStop),
        Make("Ok", ControlKind::Button, 3, "O&K"),
        Make("Cancel", ControlKind::Button, 4, "&Cancel"),
        Make("Other", ControlKind::Button, 5, "Ot&her"),
        Make("Tick", ControlKind::CheckBox, 6),
        Make("Items", ControlKind::ListBox, 7),
    };
    design.controls[5].isDefault = true;
    design.controls[6].isCancel = true;
    design.controls[9].bounds = {8, 8, 100, 56};  // four rows of 13 pixels in view
    return design;
}

// A window whose buttons record their presses; closing it is left to the test.
struct Fixture {
    HeadlessApplication app;
    std::unique_ptr<Window> window = app.CreateDialogWindow(TestDesign());
    std::vector<std::string> pressed;
    HeadlessWindow& Headless() { return static_cast<HeadlessWindow&>(*window); }

    Fixture() {
        for (const char* name : {"Ok", "Cancel", "Other"}) {
            window->ButtonNamed(name).SetOnClick([this, name] { pressed.emplace_back(name); });
        }
    }
    // Runs the script as the user's moves while the window is the main window, then closes it.
    void Play(const std::function<void(HeadlessWindow&)>& script) {
        app.OnRun([&](HeadlessWindow& w) {
            script(w);
            if (w.IsOpen()) w.PressCloseBox();
        });
        app.Run(*window);
    }
};

TEST(HeadlessToolkit, TabFollowsTheDesignedOrderAndSkipsControlsWithoutTabStop) {
    Fixture f;
    f.Play([](HeadlessWindow& w) {
        std::vector<std::string> forward{w.FocusedControl()};
        for (int i = 0; i < 8; ++i) {
            w.PressTab();
            forward.push_back(w.FocusedControl());
        }
        EXPECT_EQ(forward, (std::vector<std::string>{"Name", "List", "Box", "Ok", "Cancel", "Other",
                                                     "Tick", "Items", "Name"}));
        w.PressShiftTab();
        EXPECT_EQ(w.FocusedControl(), "Items");
        w.Click("Notes");  // a click reaches the notes panel, Tab never does
        EXPECT_EQ(w.FocusedControl(), "Notes");
        w.PressTab();
        EXPECT_EQ(w.FocusedControl(), "Name");
        w.Click("Status");  // labels take no focus
        EXPECT_EQ(w.FocusedControl(), "Name");
    });
}

TEST(HeadlessToolkit, EnterPressesTheFocusedButtonOrElseTheDefaultOne) {
    Fixture f;
    f.Play([](HeadlessWindow& w) {
        w.PressEnter();  // focus in the edit field
        w.Click("Notes");
        w.PressEnter();
        w.PressTab();  // from the notes panel to the first tab stop
        for (int i = 0; i < 5; ++i) w.PressTab();
        ASSERT_EQ(w.FocusedControl(), "Other");
        w.PressEnter();
        w.PressEscape();
        w.PressAccessKey('h');
        w.PressAccessKey('k');
        w.PressAccessKey('z');  // no such access key: nothing
    });
    EXPECT_EQ(f.pressed, (std::vector<std::string>{"Ok", "Ok", "Other", "Cancel", "Other", "Ok"}));
}

TEST(HeadlessToolkit, ComboBoxesKeepOrDeriveTheirTextAsRealOnesDo) {
    Fixture f;
    ComboBox& box = f.window->ComboBoxNamed("Box");
    ComboBox& list = f.window->ComboBoxNamed("List");
    box.SetText("typed");
    box.SetItems({"a", "b"});
    EXPECT_EQ(box.Text(), "typed");  // new items keep the edit text
    list.SetItems({"x", "y"});
    list.SetItemIndex(5);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    f.Play([&](HeadlessWindow& w) {
        w.Choose("Box", 1);
        EXPECT_EQ(box.Text(), "b");
        EXPECT_EQ(box.ItemIndex(), 1);
        w.Type("Box", "1.25");
        EXPECT_EQ(box.Text(), "1.25");
        EXPECT_EQ(box.ItemIndex(), -1);
        w.Choose("List", 1);
        EXPECT_EQ(list.Text(), "y");
        EXPECT_EQ(w.FocusedControl(), "List");
        EXPECT_THROW(w.Type("List", "z"), std::logic_error);  // a drop-down list takes no typing
        EXPECT_THROW(w.Choose("List", 2), std::logic_error);
        EXPECT_THROW(w.Type("Ok", "z"), std::logic_error);
        EXPECT_THROW(w.Click("NoSuchControl"), std::logic_error);
    });
}

TEST(HeadlessToolkit, ListBoxSelectionAndDoubleClicks) {
    Fixture f;
    ListBox& items = f.window->ListBoxNamed("Items");
    std::vector<int> seen;
    items.SetOnDoubleClick([&] { seen.push_back(items.ItemIndex()); });
    items.SetItems({"a", "b", "c"});
    items.SetItemIndex(2);
    items.SetItems({"a", "b"});
    EXPECT_EQ(items.ItemIndex(), -1);  // refilling clears the selection
    f.Play([&](HeadlessWindow& w) {
        w.DoubleClick("Items", -1);  // the empty area: no selection appears
        w.DoubleClick("Items", 1);
        w.DoubleClick("Items", -1);  // the selection stays
        EXPECT_THROW(w.DoubleClick("Items", 2), std::logic_error);
    });
    EXPECT_EQ(seen, (std::vector<int>{-1, 1, 1}));
}

TEST(HeadlessToolkit, CheckBoxesToggleAndLabelsChangeColour) {
    Fixture f;
    Label& status = f.window->LabelNamed("Status");
    EXPECT_EQ(status.Text(), "ready");
    EXPECT_EQ(status.FontColour(), kWindowTextColour);
    status.SetFontColour({255, 0, 0});
    EXPECT_EQ(status.FontColour(), (Colour{255, 0, 0}));
    f.Play([&](HeadlessWindow& w) {
        w.Click("Tick");
        EXPECT_TRUE(f.window->CheckBoxNamed("Tick").Checked());
        w.Click("Tick");
        EXPECT_FALSE(f.window->CheckBoxNamed("Tick").Checked());
    });
    EXPECT_THROW(f.window->EditNamed("Tick"), std::logic_error);  // the wrong kind
}

TEST(HeadlessToolkit, RunShowsPlaysAndClosesOnceAndRefusesMovesOnAClosedWindow) {
    Fixture f;
    std::vector<std::string> events;
    f.window->SetOnShow([&] { events.emplace_back("show"); });
    f.window->SetOnClose([&] { events.emplace_back("close"); });
    f.Headless().ObserveClosing([&] { events.emplace_back("closing"); });
    f.window->ButtonNamed("Cancel").SetOnClick([&] { f.window->Close(); });
    f.app.OnRun([&](HeadlessWindow& w) {
        events.emplace_back("script");
        EXPECT_EQ(w.Position(), (ScreenPosition{30, 40}));
        EXPECT_EQ(f.app.OpenWindows().size(), 1u);
        w.PressEscape();
        w.Close();  // a second close does nothing
        EXPECT_THROW(w.PressEnter(), std::logic_error);
    });
    f.app.Run(*f.window);
    EXPECT_EQ(events, (std::vector<std::string>{"show", "script", "closing", "close"}));
    EXPECT_TRUE(f.app.OpenWindows().empty());
}

TEST(HeadlessToolkit, RunRefusesAScriptThatLeavesTheMainWindowOpen) {
    Fixture f;
    f.app.OnRun([](HeadlessWindow&) {});
    EXPECT_THROW(f.app.Run(*f.window), std::logic_error);
}

TEST(HeadlessToolkit, ModalWindowsPlayTheirScriptsInOrderAndBlockTheirOwner) {
    Fixture f;
    WindowDesign editorDesign = TestDesign();
    editorDesign.caption = "Editor";
    auto editor = f.app.CreateDialogWindow(editorDesign);
    editor->SetOnShow([&] { editor->EditNamed("Name").SetText("shown"); });
    editor->ButtonNamed("Ok").SetOnClick([&] { editor->Close(); });
    f.window->ButtonNamed("Other").SetOnClick([&] { editor->ShowModal(); });

    std::vector<std::string> seen;
    f.app.OnNextModal([&](HeadlessWindow& w) {
        seen.push_back(w.Caption() + ":" + w.EditNamed("Name").Text());
        EXPECT_TRUE(w.IsModal());
        EXPECT_THROW(f.Headless().PressEnter(), std::logic_error);  // the owner is blocked
        w.PressEnter();
    });
    f.app.OnNextModal([&](HeadlessWindow& w) {
        seen.emplace_back("second");
        w.PressCloseBox();
    });
    f.app.OnNextModal([&](HeadlessWindow&) { seen.emplace_back("left open"); });
    f.Play([&](HeadlessWindow& w) {
        w.Click("Other");
        w.Click("Other");
        EXPECT_THROW(w.Click("Other"), std::logic_error);  // the third script leaves it open
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"Editor:shown", "second", "left open"}));
    EXPECT_EQ(f.app.WaitingModalScripts(), 0u);
    editor->Close();
    EXPECT_THROW(f.Play([](HeadlessWindow& w) { w.Click("Other"); }),
                 std::logic_error);  // no script waits
}

}  // namespace

}  // namespace rv17
