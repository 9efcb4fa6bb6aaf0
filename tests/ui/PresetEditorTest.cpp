// The preset list editor (TForm2) driven through the headless toolkit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Unit2.h"
#include "ui/headless/HeadlessToolkit.h"

namespace rv17 {

namespace {

using ui::headless::HeadlessApplication;
using ui::headless::HeadlessWindow;
using Items = std::vector<std::string>;

struct Editor {
    HeadlessApplication app;
    TForm2 form{app};

    // One use of the editor, as the main dialog makes it.
    void Use(std::string_view input, std::string_view listText,
             const HeadlessApplication::Script& moves) {
        form.SetInputText(input);
        form.SetListText(listText);
        app.OnNextModal(moves);
        form.ShowModal();
    }
};

Items ListOf(HeadlessWindow& w) { return w.ListBoxNamed("ListBox1").Items(); }
int Selected(HeadlessWindow& w) { return w.ListBoxNamed("ListBox1").ItemIndex(); }
std::string Input(HeadlessWindow& w) { return w.EditNamed("Edit1").Text(); }

TEST(PresetEditor, EachShowStartsAfreshFromTheCallersList) {
    Editor e;
    e.Use("1", "a,b", [](HeadlessWindow& w) { w.Click("Button6"); });
    ASSERT_TRUE(e.form.Accepted());
    e.Use("2.5", R"("x y",z)", [&](HeadlessWindow& w) {
        EXPECT_FALSE(e.form.Accepted());
        EXPECT_EQ(ListOf(w), (Items{"x y", "z"}));
        EXPECT_EQ(Selected(w), -1);
        EXPECT_EQ(w.FocusedControl(), "Edit1");
        EXPECT_EQ(Input(w), "2.5");
        w.PressCloseBox();
    });
    EXPECT_FALSE(e.form.Accepted());
}

TEST(PresetEditor, AddAppendsTheValueWithoutBlanksUnlessItIsThereInAnyLetterCase) {
    Editor e;
    e.Use("", "1,ab,\x83\x41", [](HeadlessWindow& w) {
        w.Type("Edit1", " 2.5 ");
        w.Click("Button1");
        EXPECT_EQ(Input(w), " 2.5 ");  // the input field is left as typed
        w.Click("Button1");
        w.Type("Edit1", "AB");
        w.PressAccessKey('A');
        w.Type("Edit1", " \x81\x40\t");  // blanks only, the full-width blank among them
        w.Click("Button1");
        w.Type("Edit1",
               "\x83\x61");  // "ヂ": its second byte is a small a, yet it differs from "ア"
        w.Click("Button1");
        w.Type("Edit1", "2.5x");
        w.Choose("ListBox1", 1);
        w.Click("Button1");
        EXPECT_EQ(Selected(w), 1);  // adding leaves the selection alone
        w.Click("Button6");
    });
    EXPECT_TRUE(e.form.Accepted());
    EXPECT_EQ(e.form.ListText(), "1,ab,\x83\x41,2.5,\x83\x61,2.5x");
}

TEST(PresetEditor, InsertPutsTheValueBeforeTheSelectedItemOrAtTheEnd) {
    Editor e;
    e.Use("", "a,b,c,d", [](HeadlessWindow& w) {
        w.Type("Edit1", "x");
        w.Click("Button2");  // nothing selected: appended
        w.Choose("ListBox1", 2);
        w.Type("Edit1", "y");
        w.Click("Button2");
        EXPECT_EQ(ListOf(w), (Items{"a", "b", "y", "c", "d", "x"}));
        EXPECT_EQ(Selected(w), 3);  // still "c"
        w.Type("Edit1", "C");
        w.Click("Button2");  // a duplicate
        w.Click("Button6");
    });
    EXPECT_EQ(e.form.ListText(), "a,b,y,c,d,x");
    e.Use("first", "", [](HeadlessWindow& w) {
        w.Click("Button2");
        w.Click("Button6");
    });
    EXPECT_EQ(e.form.ListText(), "first");
}

TEST(PresetEditor, UpAndDownMoveTheSelectedItemByOnePlace) {
    Editor e;
    e.Use("", "a,b,c", [](HeadlessWindow& w) {
        w.Click("Button3");  // nothing selected
        w.Click("Button4");
        w.Choose("ListBox1", 0);
        w.Click("Button3");  // the first cannot go up
        w.Click("Button4");
        EXPECT_EQ(ListOf(w), (Items{"b", "a", "c"}));
        EXPECT_EQ(Selected(w), 1);
        w.Click("Button4");
        w.Click("Button4");  // the last cannot go down
        EXPECT_EQ(ListOf(w), (Items{"b", "c", "a"}));
        EXPECT_EQ(Selected(w), 2);
        w.Click("Button3");
        EXPECT_EQ(ListOf(w), (Items{"b", "a", "c"}));
        EXPECT_EQ(Selected(w), 1);
        w.Click("Button6");
    });
    EXPECT_EQ(e.form.ListText(), "b,a,c");
}

TEST(PresetEditor, DeletingEveryItemHandsBackAnEmptyList) {
    Editor e;
    e.Use("", "a,b", [](HeadlessWindow& w) {
        w.Click("Button5");  // nothing selected
        EXPECT_EQ(ListOf(w).size(), 2u);
        w.Choose("ListBox1", 1);
        w.Click("Button5");
        EXPECT_EQ(Selected(w), -1);
        w.Click("Button5");
        w.Choose("ListBox1", 0);
        w.Click("Button5");
        w.Click("Button5");  // an empty list
        w.PressAccessKey('y');
    });
    EXPECT_TRUE(e.form.Accepted());
    EXPECT_EQ(e.form.ListText(), "");
}

TEST(PresetEditor, DoubleClickCopiesTheItemIntoTheInputField) {
    Editor e;
    e.Use("typed", "10,20", [](HeadlessWindow& w) {
        w.DoubleClick("ListBox1", -1);  // below the items, nothing selected
        EXPECT_EQ(Input(w), "typed");
        w.DoubleClick("ListBox1", 1);
        EXPECT_EQ(Input(w), "20");
        w.Click("Button7");
    });
}

TEST(PresetEditor, EnterInTheInputFieldAcceptsTheListUnchanged) {
    Editor e;
    e.Use("", R"("0.3","0.5")", [](HeadlessWindow& w) {
        w.Type("Edit1", "7");
        w.PressEnter();
    });
    EXPECT_TRUE(e.form.Accepted());
    EXPECT_EQ(e.form.ListText(), "0.3,0.5");
}

TEST(PresetEditor, EscapeCancelAndTheCloseBoxDiscardEveryChange) {
    for (const auto close : {+[](HeadlessWindow& w) { w.PressEscape(); },
                             +[](HeadlessWindow& w) { w.Click("Button7"); },
                             +[](HeadlessWindow& w) { w.PressAccessKey('n'); },
                             +[](HeadlessWindow& w) { w.PressCloseBox(); }}) {
        Editor e;
        e.Use("9", "a,b", [&](HeadlessWindow& w) {
            w.Click("Button1");
            w.Choose("ListBox1", 0);
            w.Click("Button5");
            close(w);
        });
        EXPECT_FALSE(e.form.Accepted());
        EXPECT_EQ(e.form.ListText(), "a,b");
    }
}

// With 30 items, 16 in view, scrolled: each action changes the list in place.
// The first item in view stays unless the item the action touched (and the
// selection) must be scrolled into view; refilling would scroll to the top.
TEST(PresetEditor, ActionsKeepTheListsPlaceAndShowTheItemTheyTouched) {
    struct Case {
        const char* action;
        int selected;
        int top;
        char accessKey;
        int topAfter;
        int selectedAfter;
    };
    const Case cases[] = {
        {"add", 12, 10, 'A', 10, 12},
        {"add on the last page", 20, 14, 'A', 14, 20},
        {"insert", 12, 10, 'I', 10, 13},
        {"insert on the bottom row", 25, 10, 'I', 11, 26},
        {"up", 15, 10, 'U', 10, 14},
        {"up from the top row", 10, 10, 'U', 9, 9},
        {"down from the bottom row", 25, 10, 'D', 11, 26},
        {"delete", 15, 5, 'E', 5, -1},
        {"delete on the last page", 20, 14, 'E', 13, -1},
    };
    std::string thirty = "0";
    for (int i = 1; i < 30; ++i) thirty += "," + std::to_string(i);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        Editor e;
        e.Use("new", thirty, [&](HeadlessWindow& w) {
            auto& list = dynamic_cast<ui::headless::HeadlessListBox&>(w.ListBoxNamed("ListBox1"));
            ASSERT_EQ(list.VisibleRows(), 16);
            w.Scroll("ListBox1", c.selected);
            w.Choose("ListBox1", c.selected);
            w.Scroll("ListBox1", c.top);
            w.PressAccessKey(c.accessKey);
            EXPECT_EQ(list.TopIndex(), c.topAfter);
            EXPECT_EQ(Selected(w), c.selectedAfter);
            if (c.selectedAfter >= 0) {
                EXPECT_TRUE(list.InView(c.selectedAfter));
            }
            w.PressEscape();
        });
    }
}

TEST(PresetEditor, TabVisitsInputListThenTheButtons) {
    Editor e;
    e.Use("", "", [](HeadlessWindow& w) {
        std::vector<std::string> order;
        for (int i = 0; i < 9; ++i) {
            order.push_back(w.FocusedControl());
            w.PressTab();
        }
        EXPECT_EQ(order, (Items{"Edit1", "ListBox1", "Button1", "Button2", "Button3", "Button4",
                                "Button5", "Button6", "Button7"}));
        EXPECT_EQ(w.FocusedControl(), "Edit1");
        w.PressEscape();
    });
}

}  // namespace

}  // namespace rv17
