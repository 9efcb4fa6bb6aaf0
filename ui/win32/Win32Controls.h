// The toolkit's controls as thin wrappers of Win32 child windows. Each wrapper
// converts texts with code page 932 and keeps only what Win32 does not hold
// itself (click handlers, a label's font colour).
#pragma once

#include <windows.h>

#include "ui/Toolkit.h"

namespace rv17 {

namespace ui::win32 {

// What a control needs from the dialog that holds it.
class ControlHost {
public:
    virtual ~ControlHost() = default;
    // Gives the keyboard focus to `control` now, or when the dialog is shown.
    virtual void MoveFocusTo(HWND control) = 0;
};

// The Win32 side of every control: its window and the notifications that the
// dialog forwards to it from WM_COMMAND.
class NativeControl {
public:
    NativeControl(ControlHost& host, HWND handle) : host_(host), handle_(handle) {}
    virtual ~NativeControl() = default;
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    HWND Handle() const { return handle_; }
    virtual ui::Control& Interface() = 0;
    // A WM_COMMAND notification code sent by this control.
    virtual void OnNotify(WORD /*code*/) {}

protected:
    void FocusThis() { host_.MoveFocusTo(handle_); }
    std::string WindowText() const;
    void SetWindowText(std::string_view text);

private:
    ControlHost& host_;
    HWND handle_;
};

template <class Interface>
class ControlOf : public Interface, public NativeControl {
public:
    using NativeControl::NativeControl;
    ui::Control& Interface() override { return *this; }
    void SetFocus() override { FocusThis(); }
};

class Win32Label final : public ControlOf<ui::Label> {
public:
    using ControlOf::ControlOf;
    void SetText(std::string_view text) override;
    std::string Text() const override { return WindowText(); }
    void SetFontColour(Colour colour) override;
    Colour FontColour() const override { return colour_; }
    // Sizes the label to its text, as a label that grows with its text does.
    void FitToText();

private:
    Colour colour_ = kWindowTextColour;
};

class Win32ComboBox final : public ControlOf<ui::ComboBox> {
public:
    Win32ComboBox(ControlHost& host, HWND handle, bool editable)
        : ControlOf(host, handle), editable_(editable) {}
    void SetItems(const std::vector<std::string>& items) override;
    std::vector<std::string> Items() const override;
    void SetItemIndex(int index) override;
    int ItemIndex() const override;
    void SetText(std::string_view text) override;
    std::string Text() const override { return WindowText(); }
    void SetOnChange(std::function<void()> handler) override { onChange_ = std::move(handler); }
    void OnNotify(WORD code) override;

private:
    bool editable_;
    std::function<void()> onChange_;
};

class Win32Button final : public ControlOf<ui::Button> {
public:
    using ControlOf::ControlOf;
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void OnNotify(WORD code) override;
    void Click();

private:
    std::function<void()> onClick_;
};

class Win32CheckBox final : public ControlOf<ui::CheckBox> {
public:
    using ControlOf::ControlOf;
    void SetChecked(bool checked) override;
    bool Checked() const override;
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void OnNotify(WORD code) override;

private:
    std::function<void()> onClick_;
};

class Win32Edit final : public ControlOf<ui::Edit> {
public:
    using ControlOf::ControlOf;
    void SetText(std::string_view text) override { SetWindowText(text); }
    std::string Text() const override { return WindowText(); }
};

class Win32ListBox final : public ControlOf<ui::ListBox> {
public:
    using ControlOf::ControlOf;
    void SetItems(const std::vector<std::string>& items) override;
    std::vector<std::string> Items() const override;
    void SetItemIndex(int index) override;
    int ItemIndex() const override;
    void SetOnDoubleClick(std::function<void()> handler) override {
        onDoubleClick_ = std::move(handler);
    }
    void InsertItem(int index, std::string_view text) override;
    void DeleteItem(int index) override;
    void ReplaceItem(int index, std::string_view text) override;
    int TopIndex() const override;
    void SetTopIndex(int index) override;
    void MakeItemVisible(int index) override;
    void OnNotify(WORD code) override;

private:
    int Count() const;
    // Runs an item-level change, then puts back the top index and leaves the
    // selection on `selectionAfter`, whatever the list box did with them.
    template <class Change>
    void ChangeInPlace(int selectionAfter, Change change);

    std::function<void()> onDoubleClick_;
};

class Win32Memo final : public ControlOf<ui::Memo> {
public:
    Win32Memo(ControlHost& host, HWND handle);
    void SetLines(const std::vector<std::string>& lines) override;
    std::vector<std::string> Lines() const override;
};

}  // namespace ui::win32

}  // namespace rv17
