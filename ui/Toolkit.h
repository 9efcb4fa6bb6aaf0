// The small windowing interface the two dialogs are written against. It offers
// exactly what they use; ui/win32 maps it onto real controls, ui/headless
// keeps it as plain state for tests and tools. All texts are Shift-JIS bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rv17 {

namespace ui {

class Canvas;

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kWindowTextColour{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

// A window's outer top-left corner in screen pixels, as the settings file stores it.
struct ScreenPosition {
    std::int32_t left = 0;
    std::int32_t top = 0;
    friend bool operator==(const ScreenPosition&, const ScreenPosition&) = default;
};

// Pixels within a window's client area, as designed for a 96-dpi display; the
// Win32 toolkit scales them to the dpi of the monitor (ui/DisplayScale.h).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind {
    Label,             // static text, grows with its text
    EditableComboBox,  // free text plus a drop-down list of items
    DropDownList,      // a choice among items only
    Button,
    CheckBox,
    Edit,     // single-line text field
    ListBox,  // single selection
    Memo,     // read-only multi-line text with a vertical scroll bar
    Canvas,   // a painted drawing (ui/Canvas.h)
};

inline constexpr int kNoTabStop = -1;

struct ControlDesign {
    std::string name;  // "ComboBox1", the name the dialog code uses
    ControlKind kind = ControlKind::Label;
    Rect bounds;
    int tabOrder = kNoTabStop;
    std::string caption;     // Shift-JIS; "&" marks the access key of buttons
    int fontHeight = 13;     // pixels at 96 dpi
    bool isDefault = false;  // pressed by Enter
    bool isCancel = false;   // pressed by Escape
    bool imeDisabled = false;
    Colour background = kWhite;  // used by Memo
    bool visible = true;         // a hidden control is shown by its interface (Canvas)
    bool multiline = false;      // a button whose caption holds a line break
};

enum class WindowBackground { White, ButtonFace };

struct WindowDesign {
    std::string caption;  // Shift-JIS
    int clientWidth = 0;
    int clientHeight = 0;
    ScreenPosition position;
    bool minimiseBox = false;  // the main dialog has one, the editor does not
    WindowBackground background = WindowBackground::White;
    std::string fontName;  // Shift-JIS, "ＭＳ ゴシック"
    std::vector<ControlDesign> controls;
};

class Control {
public:
    virtual ~Control() = default;
    virtual void SetFocus() = 0;
};

class Label : public Control {
public:
    virtual void SetText(std::string_view text) = 0;
    virtual std::string Text() const = 0;
    virtual void SetFontColour(Colour colour) = 0;
    virtual Colour FontColour() const = 0;
};

// Editable combo boxes and drop-down lists. Replacing the items keeps the text
// of an editable box; the item index is -1 when nothing is selected. Setting
// an index outside the items leaves the box without a selection.
class ComboBox : public Control {
public:
    virtual void SetItems(const std::vector<std::string>& items) = 0;
    virtual std::vector<std::string> Items() const = 0;
    virtual void SetItemIndex(int index) = 0;
    virtual int ItemIndex() const = 0;
    virtual void SetText(std::string_view text) = 0;
    virtual std::string Text() const = 0;
    // Runs after the user changed the text: each key typed, each entry chosen.
    // Changes made through this interface do not run it.
    virtual void SetOnChange(std::function<void()> handler) = 0;
};

class Button : public Control {
public:
    virtual void SetOnClick(std::function<void()> handler) = 0;
};

class CheckBox : public Control {
public:
    virtual void SetChecked(bool checked) = 0;
    virtual bool Checked() const = 0;
    // Runs after the user toggled the box.
    virtual void SetOnClick(std::function<void()> handler) = 0;
};

class Edit : public Control {
public:
    virtual void SetText(std::string_view text) = 0;
    virtual std::string Text() const = 0;
};

class ListBox : public Control {
public:
    virtual void SetItems(const std::vector<std::string>& items) = 0;  // scrolls to the top
    virtual std::vector<std::string> Items() const = 0;
    // -1 clears the selection; a selected item is scrolled into view.
    virtual void SetItemIndex(int index) = 0;
    virtual int ItemIndex() const = 0;
    virtual void SetOnDoubleClick(std::function<void()> handler) = 0;

    // Item by item, so that the list neither flickers nor jumps: each of these
    // keeps the top index (the first item in view) as far as the items allow,
    // and the selection stays with its item, as a list box keeps it. An index
    // outside the items changes nothing.
    // Inserting at the number of items appends.
    virtual void InsertItem(int index, std::string_view text) = 0;
    virtual void DeleteItem(int index) = 0;  // deleting the selected item leaves none
    virtual void ReplaceItem(int index, std::string_view text) = 0;
    virtual int TopIndex() const = 0;
    virtual void SetTopIndex(int index) = 0;
    // Scrolls as little as needed for the item to be wholly in view.
    virtual void MakeItemVisible(int index) = 0;
};

class Memo : public Control {
public:
    virtual void SetLines(const std::vector<std::string>& lines) = 0;
    virtual std::vector<std::string> Lines() const = 0;
};

// A dialog window built from a WindowDesign. Controls are looked up by their
// design name; asking for a name the design lacks, or for the wrong kind, is a
// programming error and throws std::logic_error.
class Window {
public:
    virtual ~Window() = default;

    virtual Label& LabelNamed(std::string_view name) = 0;
    virtual ComboBox& ComboBoxNamed(std::string_view name) = 0;
    virtual Button& ButtonNamed(std::string_view name) = 0;
    virtual CheckBox& CheckBoxNamed(std::string_view name) = 0;
    virtual Edit& EditNamed(std::string_view name) = 0;
    virtual ListBox& ListBoxNamed(std::string_view name) = 0;
    virtual Memo& MemoNamed(std::string_view name) = 0;
    virtual Canvas& CanvasNamed(std::string_view name) = 0;

    virtual void SetCaption(std::string_view caption) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetPosition(ScreenPosition position) = 0;
    virtual ScreenPosition Position() const = 0;
    // Widens or narrows the client area to `width` designed pixels, to the
    // right; a window that would then leave its monitor's work area moves
    // left just enough.
    virtual void SetClientWidth(int width) = 0;

    // Runs when the window is about to be shown (before the user sees it).
    virtual void SetOnShow(std::function<void()> handler) = 0;
    // Runs once when the window closes, whichever way it closes.
    virtual void SetOnClose(std::function<void()> handler) = 0;

    // Shows the window modally over the main window and returns once it has closed.
    virtual void ShowModal() = 0;
    // Closes the window (runs the close handler); closing the main window ends the application.
    virtual void Close() = 0;

    // Telling the user of a failure and of a long step.
    // A modal message box over this window with the error icon, `caption` as
    // its title and an OK button; returns once the user has closed it. It may
    // be shown from the close handler, while the window still stands.
    virtual void ShowErrorMessage(std::string_view caption, std::string_view text) = 0;
    // The wait cursor over this window while a long step keeps it busy, or
    // the normal cursor again.
    virtual void SetWaitCursor(bool waiting) = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual void SetTitle(std::string_view title) = 0;
    virtual std::unique_ptr<Window> CreateDialogWindow(const WindowDesign& design) = 0;
    // Shows the main window and runs until it has closed.
    virtual void Run(Window& mainWindow) = 0;
};

}  // namespace ui

}  // namespace rv17
