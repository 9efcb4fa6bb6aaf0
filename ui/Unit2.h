// The preset list editor (TForm2): a small modal dialog in which the user
// edits one preset list of the main dialog and accepts or discards it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ui/CommaText.h"
#include "ui/Toolkit.h"

namespace rv17 {

class TForm2 {
public:
    // Creates the editor's window, hidden until ShowModal.
    explicit TForm2(ui::Application& application);
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    static ui::WindowDesign Design();
    ui::Window& Window() noexcept { return *window_; }

    // The caller's part of one use: the starting value of the input field and
    // the list as a comma text go in; after ShowModal the list comes back,
    // with Accepted() telling whether the user closed the editor with OK.
    void SetInputText(std::string_view text);
    void SetListText(std::string_view commaText) { listText_ = commaText; }
    const std::string& ListText() const noexcept { return listText_; }
    bool Accepted() const noexcept { return accepted_; }
    void ShowModal() { window_->ShowModal(); }

    // Event handlers, named after the controls that raise them.
    void FormShow();
    void Button1Click();  // add at the end
    void Button2Click();  // insert before the selected item
    void Button3Click();  // move the selected item up
    void Button4Click();  // move the selected item down
    void Button5Click();  // delete the selected item
    void Button6Click();  // accept and close
    void Button7Click();  // close without accepting
    void ListBox1DblClick();

private:
    // The input field without blanks and control characters.
    std::string Value() const;
    // Whether the value may join the list: not empty and not already in it.
    bool IsNewItem(const PresetList& items, std::string_view value) const;
    void MoveSelected(int step);

    std::unique_ptr<ui::Window> window_;
    ui::Edit& Edit1;
    ui::ListBox& ListBox1;
    std::string listText_;
    bool accepted_ = false;
};

}  // namespace rv17
