// The headless toolkit: windows, controls and the user's moves as plain state.
#include "ui/headless/HeadlessToolkit.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "geometry/TextConversions.h"

namespace rv17 {

namespace ui::headless {

namespace {

[[noreturn]] void Refuse(const std::string& what) {
    throw std::logic_error("headless toolkit: " + what);
}

class HeadlessLabel final : public Label, public HeadlessControl {
public:
    using HeadlessControl::HeadlessControl;
    void SetFocus() override {}  // a label never takes the focus
    void SetText(std::string_view text) override { text_ = text; }
    std::string Text() const override { return text_; }
    void SetFontColour(Colour colour) override { colour_ = colour; }
    Colour FontColour() const override { return colour_; }

private:
    std::string text_ = design_.caption;
    Colour colour_ = kWindowTextColour;
};

// Both the editable combo box and the drop-down list.
class HeadlessComboBox final : public ComboBox, public HeadlessControl {
public:
    using HeadlessControl::HeadlessControl;
    void SetFocus() override { TakeFocus(); }
    void SetItems(const std::vector<std::string>& items) override;
    std::vector<std::string> Items() const override { return items_; }
    void SetItemIndex(int index) override;
    int ItemIndex() const override { return index_; }
    void SetText(std::string_view text) override;
    std::string Text() const override;
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }

    bool IsEditable() const noexcept { return design_.kind == ControlKind::EditableComboBox; }
    void FireChange() const {
        if (onChange_) onChange_();
    }

private:
    std::function<void()> onChange_;
    std::vector<std::string> items_;
    int index_ = -1;
    std::string text_ = design_.caption;  // the edit field of an editable box
};

class HeadlessButton final : public Button, public HeadlessControl {
public:
    using HeadlessControl::HeadlessControl;
    void SetFocus() override { TakeFocus(); }
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void Press() const {
        if (onClick_) onClick_();
    }

private:
    std::function<void()> onClick_;
};

class HeadlessCheckBox final : public CheckBox, public HeadlessControl {
public:
    using HeadlessControl::HeadlessControl;
    void SetFocus() override { TakeFocus(); }
    void SetChecked(bool checked) override { checked_ = checked; }
    bool Checked() const override { return checked_; }
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void Toggle() {
        checked_ = !checked_;
        if (onClick_) onClick_();
    }

private:
    bool checked_ = false;
    std::function<void()> onClick_;
};

class HeadlessEdit final : public Edit, public HeadlessControl {
public:
    using HeadlessControl::HeadlessControl;
    void SetFocus() override { TakeFocus(); }
    void SetText(std::string_view text) override { text_ = text; }
    std::string Text() const override { return text_; }

private:
    std::string text_ = design_.caption;
};

class HeadlessMemo final : public Memo, public HeadlessControl {
public:
    using HeadlessControl::HeadlessControl;
    void SetFocus() override { TakeFocus(); }
    void SetLines(const std::vector<std::string>& lines) override { lines_ = lines; }
    std::vector<std::string> Lines() const override { return lines_; }

private:
    std::vector<std::string> lines_;
};

void HeadlessComboBox::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    index_ = -1;
}

void HeadlessComboBox::SetItemIndex(int index) {
    index_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (IsEditable() && index_ >= 0) text_ = items_[static_cast<std::size_t>(index_)];
}

void HeadlessComboBox::SetText(std::string_view text) {
    if (IsEditable()) {
        text_ = text;
        index_ = -1;
        return;
    }
    const auto found = std::find(items_.begin(), items_.end(), text);
    index_ = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

std::string HeadlessComboBox::Text() const {
    if (IsEditable()) return text_;
    return index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : std::string();
}

std::unique_ptr<HeadlessControl> MakeControl(HeadlessWindow& window, const ControlDesign& design) {
    switch (design.kind) {
        case ControlKind::Label:
            return std::make_unique<HeadlessLabel>(window, design);
        case ControlKind::EditableComboBox:
        case ControlKind::DropDownList:
            return std::make_unique<HeadlessComboBox>(window, design);
        case ControlKind::Button:
            return std::make_unique<HeadlessButton>(window, design);
        case ControlKind::CheckBox:
            return std::make_unique<HeadlessCheckBox>(window, design);
        case ControlKind::Edit:
            return std::make_unique<HeadlessEdit>(window, design);
        case ControlKind::ListBox:
            return std::make_unique<HeadlessListBox>(window, design);
        case ControlKind::Memo:
            return std::make_unique<HeadlessMemo>(window, design);
        case ControlKind::Canvas:
            return std::make_unique<HeadlessCanvas>(window, design);
    }
    Refuse("unknown control kind for " + design.name);
}

// The letter after the "&" of a caption ("ＯＫ(&Y)" gives 'Y'); 0 when there is none.
char AccessKeyOf(std::string_view caption) {
    const auto amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) return 0;
    return UpperCaseAscii(caption[amp + 1]);
}

}  // namespace

void HeadlessControl::TakeFocus() { window_.FocusControl(design_.name); }

void HeadlessCanvas::Post(std::function<void()> task) {
    const std::lock_guard lock(postedMutex_);
    posted_.push_back(std::move(task));
}

std::size_t HeadlessCanvas::RunPosted() {
    std::vector<std::function<void()>> tasks;
    {
        const std::lock_guard lock(postedMutex_);
        tasks.swap(posted_);
    }
    for (auto& task : tasks) task();
    return tasks.size();
}

void HeadlessListBox::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    index_ = -1;
    top_ = 0;
}

void HeadlessListBox::SetItemIndex(int index) {
    index_ = index >= 0 && index < Count() ? index : -1;
    if (index_ >= 0) MakeItemVisible(index_);
}

int HeadlessListBox::VisibleRows() const noexcept {
    // The sunken edge takes two pixels on each side.
    constexpr int kEdges = 4;
    const int rowHeight = std::max(1, design_.fontHeight);
    return std::max(1, (design_.bounds.height - kEdges) / rowHeight);
}

void HeadlessListBox::InsertItem(int index, std::string_view text) {
    if (index < 0 || index > Count()) return;
    items_.insert(items_.begin() + index, std::string(text));
    if (index_ >= index) ++index_;
    SetTopIndex(top_);
}

void HeadlessListBox::DeleteItem(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    if (index_ == index)
        index_ = -1;
    else if (index_ > index)
        --index_;
    SetTopIndex(top_);
}

void HeadlessListBox::ReplaceItem(int index, std::string_view text) {
    if (index >= 0 && index < Count()) items_[static_cast<std::size_t>(index)] = text;
}

void HeadlessListBox::SetTopIndex(int index) {
    // Once the last item is in view the list scrolls no further.
    top_ = std::clamp(index, 0, std::max(0, Count() - VisibleRows()));
}

void HeadlessListBox::MakeItemVisible(int index) {
    if (index < 0 || index >= Count()) return;
    if (index < top_)
        SetTopIndex(index);
    else if (index >= top_ + VisibleRows())
        SetTopIndex(index - VisibleRows() + 1);
}

HeadlessWindow::HeadlessWindow(HeadlessApplication& application, const WindowDesign& design)
    : application_(application),
      design_(design),
      caption_(design.caption),
      position_(design.position) {
    for (const ControlDesign& control : design.controls) {
        const bool taken =
            std::any_of(controls_.begin(), controls_.end(),
                        [&](const auto& existing) { return existing->Name() == control.name; });
        if (taken) Refuse("two controls named " + control.name);
        controls_.push_back(MakeControl(*this, control));
    }
}

HeadlessWindow::~HeadlessWindow() { application_.Forget(*this); }

template <class T>
T& HeadlessWindow::Find(std::string_view name) const {
    auto* control = dynamic_cast<T*>(&FindAny(name));
    if (control == nullptr) Refuse(std::string(name) + " is not a control of the asked kind");
    return *control;
}

Label& HeadlessWindow::LabelNamed(std::string_view name) { return Find<HeadlessLabel>(name); }
ComboBox& HeadlessWindow::ComboBoxNamed(std::string_view name) {
    return Find<HeadlessComboBox>(name);
}
Button& HeadlessWindow::ButtonNamed(std::string_view name) { return Find<HeadlessButton>(name); }
CheckBox& HeadlessWindow::CheckBoxNamed(std::string_view name) {
    return Find<HeadlessCheckBox>(name);
}
Edit& HeadlessWindow::EditNamed(std::string_view name) { return Find<HeadlessEdit>(name); }
ListBox& HeadlessWindow::ListBoxNamed(std::string_view name) { return Find<HeadlessListBox>(name); }
Memo& HeadlessWindow::MemoNamed(std::string_view name) { return Find<HeadlessMemo>(name); }
Canvas& HeadlessWindow::CanvasNamed(std::string_view name) { return Find<HeadlessCanvas>(name); }

HeadlessControl& HeadlessWindow::FindAny(std::string_view name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) return *control;
    }
    Refuse("no control named " + std::string(name) + " in " + design_.caption);
}

void HeadlessWindow::Open(bool modal) {
    open_ = true;
    modal_ = modal;
    const auto stops = TabStops();
    focused_ = stops.empty() ? std::string() : stops.front()->Name();
    if (onShow_) onShow_();
}

void HeadlessWindow::ShowModal() {
    if (open_) Refuse(caption_ + " is already open");
    application_.PlayModal(*this);
}

void HeadlessWindow::Close() {
    if (!open_) return;
    if (closingObserver_) closingObserver_();
    open_ = false;
    closing_ = true;
    if (onClose_) onClose_();
    closing_ = false;
}

// Shown from an event handler, or from the close handler while the window
// still stands; the user closes the box at once.
void HeadlessWindow::ShowErrorMessage(std::string_view caption, std::string_view text) {
    if (!open_ && !closing_) Refuse(caption_ + " shows a message while it is not open");
    messages_.push_back({std::string(caption), std::string(text)});
}

void HeadlessWindow::RequireUsable() const {
    if (!open_) Refuse(caption_ + " is not open");
    const HeadlessWindow* modal = application_.ActiveModal();
    if (modal != nullptr && modal != this)
        Refuse(caption_ + " is behind the modal window " + modal->Caption());
}

void HeadlessWindow::Type(std::string_view control, std::string_view text) {
    RequireUsable();
    HeadlessControl& target = FindAny(control);
    if (auto* edit = dynamic_cast<HeadlessEdit*>(&target)) {
        edit->SetFocus();
        edit->SetText(text);
        return;
    }
    auto* combo = dynamic_cast<HeadlessComboBox*>(&target);
    if (combo == nullptr || !combo->IsEditable())
        Refuse("cannot type into " + std::string(control));
    combo->SetFocus();
    combo->SetText(text);
    combo->FireChange();
}

void HeadlessWindow::Choose(std::string_view control, int index) {
    RequireUsable();
    HeadlessControl& target = FindAny(control);
    if (auto* combo = dynamic_cast<HeadlessComboBox*>(&target)) {
        if (index < 0 || index >= static_cast<int>(combo->Items().size()))
            Refuse("no such entry in " + target.Name());
        combo->SetFocus();
        combo->SetItemIndex(index);
        combo->FireChange();
        return;
    }
    auto* list = dynamic_cast<HeadlessListBox*>(&target);
    if (list == nullptr) Refuse("cannot choose an entry of " + target.Name());
    if (index < 0 || index >= list->Count()) Refuse("no such item in " + target.Name());
    if (!list->InView(index)) Refuse("the item is out of view in " + target.Name());
    list->SetFocus();
    list->SetItemIndex(index);
}

void HeadlessWindow::Click(std::string_view control) {
    RequireUsable();
    HeadlessControl& target = FindAny(control);
    if (auto* button = dynamic_cast<HeadlessButton*>(&target)) {
        button->SetFocus();
        button->Press();
    } else if (auto* box = dynamic_cast<HeadlessCheckBox*>(&target)) {
        box->SetFocus();
        box->Toggle();
    } else if (dynamic_cast<HeadlessLabel*>(&target) == nullptr) {
        FocusControl(target.Name());
    }
}

void HeadlessWindow::DoubleClick(std::string_view listBox, int index) {
    RequireUsable();
    auto& list = Find<HeadlessListBox>(listBox);
    if (index < -1 || index >= list.Count()) Refuse("no such item in " + list.Name());
    if (index >= 0 && !list.InView(index)) Refuse("the item is out of view in " + list.Name());
    list.SetFocus();
    if (index >= 0) list.SetItemIndex(index);
    list.FireDoubleClick();
}

void HeadlessWindow::Scroll(std::string_view listBox, int topIndex) {
    RequireUsable();
    Find<HeadlessListBox>(listBox).SetTopIndex(topIndex);
}

void HeadlessWindow::PressEnter() {
    RequireUsable();
    if (!focused_.empty()) {
        if (auto* button = dynamic_cast<HeadlessButton*>(&FindAny(focused_))) {
            button->Press();
            return;
        }
    }
    for (const auto& control : controls_) {
        if (control->Design().kind == ControlKind::Button && control->Design().isDefault) {
            static_cast<const HeadlessButton&>(*control).Press();
            return;
        }
    }
}

void HeadlessWindow::PressEscape() {
    RequireUsable();
    for (const auto& control : controls_) {
        if (control->Design().kind == ControlKind::Button && control->Design().isCancel) {
            static_cast<const HeadlessButton&>(*control).Press();
            return;
        }
    }
}

void HeadlessWindow::PressAccessKey(char key) {
    RequireUsable();
    for (const auto& control : controls_) {
        const ControlKind kind = control->Design().kind;
        if ((kind == ControlKind::Button || kind == ControlKind::CheckBox) &&
            AccessKeyOf(control->Design().caption) == UpperCaseAscii(key)) {
            Click(control->Name());
            return;
        }
    }
}

std::vector<const HeadlessControl*> HeadlessWindow::TabStops() const {
    std::vector<const HeadlessControl*> stops;
    for (const auto& control : controls_) {
        if (control->Design().tabOrder != kNoTabStop &&
            control->Design().kind != ControlKind::Label) {
            stops.push_back(control.get());
        }
    }
    std::stable_sort(stops.begin(), stops.end(), [](const auto* a, const auto* b) {
        return a->Design().tabOrder < b->Design().tabOrder;
    });
    return stops;
}

void HeadlessWindow::MoveFocus(bool forward) {
    RequireUsable();
    const auto stops = TabStops();
    if (stops.empty()) return;
    const auto current = std::find_if(stops.begin(), stops.end(),
                                      [&](const auto* c) { return c->Name() == focused_; });
    const std::size_t count = stops.size();
    std::size_t next = 0;
    if (current == stops.end()) {
        next = forward ? 0 : count - 1;
    } else {
        const auto at = static_cast<std::size_t>(current - stops.begin());
        next = forward ? (at + 1) % count : (at + count - 1) % count;
    }
    focused_ = stops[next]->Name();
}

void HeadlessWindow::PressTab() { MoveFocus(true); }
void HeadlessWindow::PressShiftTab() { MoveFocus(false); }

void HeadlessWindow::PressCloseBox() {
    RequireUsable();
    Close();
}

void HeadlessWindow::DragTo(ScreenPosition position) {
    RequireUsable();
    position_ = position;
}

std::unique_ptr<Window> HeadlessApplication::CreateDialogWindow(const WindowDesign& design) {
    auto window = std::make_unique<HeadlessWindow>(*this, design);
    windows_.push_back(window.get());
    return window;
}

void HeadlessApplication::Run(Window& mainWindow) {
    auto* window = dynamic_cast<HeadlessWindow*>(&mainWindow);
    if (window == nullptr) Refuse("Run needs a window of this application");
    window->Open(false);
    if (runScript_) runScript_(*window);
    if (window->IsOpen()) Refuse("the run script left the main window open");
}

void HeadlessApplication::PlayModal(HeadlessWindow& window) {
    if (modalScripts_.empty()) Refuse("no script waits for the modal window " + window.Caption());
    Script script = std::move(modalScripts_.front());
    modalScripts_.pop_front();
    modalStack_.push_back(&window);
    // The stack must be unwound even when a script throws, or every later move would be refused.
    struct PopOnExit {
        std::vector<HeadlessWindow*>& stack;
        ~PopOnExit() { stack.pop_back(); }
    } popOnExit{modalStack_};
    window.Open(true);
    script(window);
    if (window.IsOpen()) Refuse("the script left the modal window " + window.Caption() + " open");
}

std::vector<HeadlessWindow*> HeadlessApplication::OpenWindows() const {
    std::vector<HeadlessWindow*> open;
    std::copy_if(windows_.begin(), windows_.end(), std::back_inserter(open),
                 [](auto* w) { return w->IsOpen(); });
    return open;
}

HeadlessWindow* HeadlessApplication::ActiveModal() const {
    return modalStack_.empty() ? nullptr : modalStack_.back();
}

void HeadlessApplication::Forget(HeadlessWindow& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &window),
                      modalStack_.end());
}

}  // namespace ui::headless

}  // namespace rv17
