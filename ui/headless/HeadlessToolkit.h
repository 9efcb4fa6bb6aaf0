// The toolkit kept in memory: windows and controls as plain state, driven by
// the moves a user makes and read back the way a user sees them.
//
// Nothing here blocks. Application::Run and Window::ShowModal play a script
// that a test registered beforehand; the script makes the user's moves and
// must leave the window closed, as a real user ends a modal loop.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Toolkit.h"

namespace rv17 {

namespace ui::headless {

class HeadlessWindow;
class HeadlessApplication;

// A message box as the user saw it; it was closed with its OK button.
struct ShownMessage {
    std::string caption;
    std::string text;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// State and design shared by every headless control. The list box and the
// canvas are here because tests read them back; the other kinds live in the
// toolkit's source.
class HeadlessControl {
public:
    HeadlessControl(HeadlessWindow& window, ControlDesign design)
        : window_(window), design_(std::move(design)) {}
    virtual ~HeadlessControl() = default;
    HeadlessControl(const HeadlessControl&) = delete;
    HeadlessControl& operator=(const HeadlessControl&) = delete;

    const ControlDesign& Design() const noexcept { return design_; }
    const std::string& Name() const noexcept { return design_.name; }

protected:
    void TakeFocus();

    HeadlessWindow& window_;
    ControlDesign design_;
};

// Refilling the items clears the selection and scrolls to the top, as a real
// list box does. The list shows as many whole rows as its designed height
// holds, one row of the font's height each; the top index is the first row.
class HeadlessListBox final : public ListBox, public HeadlessControl {
public:
    using HeadlessControl::HeadlessControl;
    void SetFocus() override { TakeFocus(); }
    void SetItems(const std::vector<std::string>& items) override;
    std::vector<std::string> Items() const override { return items_; }
    void SetItemIndex(int index) override;
    int ItemIndex() const override { return index_; }
    void SetOnDoubleClick(std::function<void()> handler) override {
        onDoubleClick_ = std::move(handler);
    }
    void InsertItem(int index, std::string_view text) override;
    void DeleteItem(int index) override;
    void ReplaceItem(int index, std::string_view text) override;
    int TopIndex() const override { return top_; }
    void SetTopIndex(int index) override;
    void MakeItemVisible(int index) override;

    int VisibleRows() const noexcept;
    bool InView(int index) const noexcept { return index >= top_ && index < top_ + VisibleRows(); }

private:
    friend class HeadlessWindow;
    int Count() const noexcept { return static_cast<int>(items_.size()); }
    void FireDoubleClick() const {
        if (onDoubleClick_) onDoubleClick_();
    }

    std::vector<std::string> items_;
    int index_ = -1;
    int top_ = 0;
    std::function<void()> onDoubleClick_;
};

// Keeps what it was given to paint. Tasks posted from other threads wait
// until the test runs them with RunPosted, as a message loop would.
class HeadlessCanvas final : public Canvas, public HeadlessControl {
public:
    using HeadlessControl::HeadlessControl;
    void SetFocus() override {}  // the canvas is not a tab stop
    void SetVisible(bool visible) override { visible_ = visible; }
    bool Visible() const override { return visible_; }
    void SetLayers(CanvasLayers layers) override { layers_ = std::move(layers); }
    const CanvasLayers& Layers() const override { return layers_; }
    void SetView(const CanvasView& view) override { view_ = view; }
    CanvasView View() const override { return view_; }
    void SetNote(std::string_view shiftJis) override { note_ = shiftJis; }
    std::string Note() const override { return note_; }
    void Post(std::function<void()> task) override;

    // Runs the tasks posted so far, in order; returns how many ran.
    std::size_t RunPosted();
    // The user's moves over the canvas.
    void Wheel(CanvasPoint at, double notches) const { Wheeled(at, notches); }
    void Drag(double dx, double dy) const { Dragged(dx, dy); }
    void DoubleClick() const { DoubleClicked(); }

private:
    bool visible_ = design_.visible;
    CanvasLayers layers_;
    CanvasView view_;
    std::string note_;
    std::mutex postedMutex_;
    std::vector<std::function<void()>> posted_;
};

// A window in memory. The moves below are the user's; each one refuses
// (std::logic_error) what a user could not do: acting on a closed window, on a
// window behind an open modal one, on a control the window lacks, or with a
// move that does not fit the control (typing into a button).
class HeadlessWindow final : public Window {
public:
    HeadlessWindow(HeadlessApplication& application, const WindowDesign& design);
    ~HeadlessWindow() override;

    // Toolkit interface, used by the dialogs.
    Label& LabelNamed(std::string_view name) override;
    ComboBox& ComboBoxNamed(std::string_view name) override;
    Button& ButtonNamed(std::string_view name) override;
    CheckBox& CheckBoxNamed(std::string_view name) override;
    Edit& EditNamed(std::string_view name) override;
    ListBox& ListBoxNamed(std::string_view name) override;
    Memo& MemoNamed(std::string_view name) override;
    Canvas& CanvasNamed(std::string_view name) override;
    void SetCaption(std::string_view caption) override { caption_ = caption; }
    std::string Caption() const override { return caption_; }
    void SetPosition(ScreenPosition position) override { position_ = position; }
    ScreenPosition Position() const override { return position_; }
    void SetClientWidth(int width) override { clientWidth_ = width; }
    void SetOnShow(std::function<void()> handler) override { onShow_ = std::move(handler); }
    void SetOnClose(std::function<void()> handler) override { onClose_ = std::move(handler); }
    void ShowModal() override;
    void Close() override;
    void ShowErrorMessage(std::string_view caption, std::string_view text) override;
    void SetWaitCursor(bool waiting) override { waitCursor_ = waiting; }

    // What the user sees.
    const WindowDesign& Design() const noexcept { return design_; }
    bool IsOpen() const noexcept { return open_; }
    int ClientWidth() const noexcept { return clientWidth_; }
    bool IsModal() const noexcept { return modal_; }
    // The name of the control that has the keyboard focus; empty when none has.
    const std::string& FocusedControl() const noexcept { return focused_; }
    // The message boxes shown over this window, in order.
    const std::vector<ShownMessage>& Messages() const noexcept { return messages_; }
    bool WaitCursorShown() const noexcept { return waitCursor_; }

    // The user's moves.
    // Replaces the text of an edit field or of an editable combo box's edit field.
    void Type(std::string_view control, std::string_view text);
    // Picks an item of a combo box (an editable box then shows its text) or of
    // a list box; a list box's item must be in view.
    void Choose(std::string_view control, int index);
    // A click: presses a button, toggles a check box, or puts the focus into a
    // field, list or the notes panel. Clicking a label does nothing.
    void Click(std::string_view control);
    // A double click on an item of a list box, which must be in view; index
    // -1 is the empty area below the items, which leaves the selection as it is.
    void DoubleClick(std::string_view listBox, int index);
    // Drags a list box's scroll bar until `topIndex` is the first item in view.
    void Scroll(std::string_view listBox, int topIndex);
    // Enter presses the focused button, or else the default button.
    void PressEnter();
    // Escape presses the cancel button.
    void PressEscape();
    // Tab and Shift+Tab follow the designed tab order, skipping kNoTabStop controls.
    void PressTab();
    void PressShiftTab();
    // Alt plus the letter marked with "&" in a button or check box caption
    // presses that button or toggles that box.
    void PressAccessKey(char key);
    // The close box of the title bar.
    void PressCloseBox();
    // Drags the window to a new place on the screen.
    void DragTo(ScreenPosition position);

    // Runs at the start of every close, before the close handler, so a test
    // can look at the files as they are the moment the window begins to close.
    void ObserveClosing(std::function<void()> observer) { closingObserver_ = std::move(observer); }

private:
    friend class HeadlessApplication;
    friend class HeadlessControl;
    void Open(bool modal);
    void FocusControl(const std::string& name) { focused_ = name; }
    template <class T>
    T& Find(std::string_view name) const;
    HeadlessControl& FindAny(std::string_view name) const;
    void RequireUsable() const;
    void MoveFocus(bool forward);
    std::vector<const HeadlessControl*> TabStops() const;

    HeadlessApplication& application_;
    WindowDesign design_;
    std::vector<std::unique_ptr<HeadlessControl>> controls_;
    std::string caption_;
    ScreenPosition position_;
    int clientWidth_ = design_.clientWidth;
    std::function<void()> onShow_;
    std::function<void()> onClose_;
    std::function<void()> closingObserver_;
    std::string focused_;
    bool open_ = false;
    bool modal_ = false;
    bool closing_ = false;  // while the close handler runs
    std::vector<ShownMessage> messages_;
    bool waitCursor_ = false;
};

class HeadlessApplication final : public Application {
public:
    using Script = std::function<void(HeadlessWindow&)>;

    HeadlessApplication() = default;
    HeadlessApplication(const HeadlessApplication&) = delete;
    HeadlessApplication& operator=(const HeadlessApplication&) = delete;

    void SetTitle(std::string_view title) override { title_ = title; }
    std::unique_ptr<Window> CreateDialogWindow(const WindowDesign& design) override;
    // Shows the main window (its show handler runs first), plays the run
    // script, and throws std::logic_error if the script left the window open.
    void Run(Window& mainWindow) override;

    // The user's moves for the whole life of the main window.
    void OnRun(Script script) { runScript_ = std::move(script); }
    // The user's moves for the next modal window; one script per ShowModal,
    // used in the order they were registered. A ShowModal without a script
    // waiting throws std::logic_error.
    void OnNextModal(Script script) { modalScripts_.push_back(std::move(script)); }
    std::size_t WaitingModalScripts() const noexcept { return modalScripts_.size(); }

    const std::string& Title() const noexcept { return title_; }
    // Windows in the order they were created, as long as they exist.
    const std::vector<HeadlessWindow*>& Windows() const noexcept { return windows_; }
    std::vector<HeadlessWindow*> OpenWindows() const;

private:
    friend class HeadlessWindow;
    // The innermost open modal window, or null.
    HeadlessWindow* ActiveModal() const;
    void Forget(HeadlessWindow& window);
    void PlayModal(HeadlessWindow& window);

    std::string title_;
    std::vector<HeadlessWindow*> windows_;
    std::vector<HeadlessWindow*> modalStack_;
    Script runScript_;
    std::deque<Script> modalScripts_;
};

}  // namespace ui::headless

}  // namespace rv17
