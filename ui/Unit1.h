// The main dialog (TForm1): the number of selected solids, the hatch
// settings, the three preset lists and the notes panel. Its show, OK, Cancel
// and close events drive the run's phases.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "hatch/ConversionResult.h"
#include "hatch/HatchSettings.h"
#include "ui/PreviewPane.h"
#include "ui/PreviewStateFile.h"
#include "ui/RunPhases.h"
#include "ui/SaveFailureMessage.h"
#include "ui/SettingsFile.h"
#include "ui/Toolkit.h"

namespace rv17 {

class TForm2;

class TForm1 {
public:
    // Creates the main window; it is shown by the application's Run.
    TForm1(ui::Application& application, RunPhases& run);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    static ui::WindowDesign Design();
    ui::Window& Window() noexcept { return *window_; }
    // The preset list editor, created after the main dialog; needed before the window is shown.
    void UsePresetEditor(TForm2& editor) noexcept { editor_ = &editor; }

    // Event handlers, named after the controls that raise them.
    void FormShow();
    void FormClose();
    void Button1Click();  // OK
    void Button2Click();  // Cancel
    void Button3Click();  // edit the interval list
    void Button4Click();  // edit the angle list
    void Button5Click();  // edit the width list
    void Button6Click();  // open or close the preview pane
    // Any of the five boxes or the check boxes but 実寸 changed by the user.
    void SettingsChange();
    // 実寸: the interval is in real-size millimetres.
    void CheckBox3Click();

    // The preview pane's size in designed pixels, and the client width with it closed.
    static constexpr int kPaneWidth = 400;
    static constexpr int kPaneHeight = 267;
    static constexpr int kClosedClientWidth = 543;
    bool PreviewOpen() const noexcept { return pane_ != nullptr; }

    // The values a conversion takes from the controls.
    HatchSettings ReadHatchSettings() const;

    // What the last OK did (with the save's error when the exchange file could
    // not be written) and why the settings could not be saved at close.
    const ConversionResult& LastConversion() const noexcept { return lastConversion_; }
    const std::error_code& SettingsSaveError() const noexcept { return settingsSaveError_; }
    const std::error_code& PreviewStateSaveError() const noexcept { return previewStateSaveError_; }

private:
    TForm2& Editor() const;
    void FillFixedLists();
    void ApplySettings(const SettingsFile& loaded);
    SettingsFile CollectSettings() const;
    void EditPresetList(ui::ComboBox& box, std::string_view editorCaption);
    // Shows a refusal in red in the status line and puts the focus where the user can act.
    void Refuse(std::string_view message, ui::Control& focus);
    // The solid count and, while the pane is closed and there is room, what
    // the interval means on this drawing. A refusal, once shown, stays.
    void ShowStatus();
    // Tells the user in a message box why OK converts nothing, and puts the
    // focus where the user can act; the dialog stays open.
    void RefuseWithMessage(const std::string& shiftJisMessage, ui::Control& focus);
    void OpenPreview();
    void ClosePreview();
    // Tells the user in a message box that `file` could not be written, and why.
    void TellSaveFailed(const std::filesystem::path& file, const std::error_code& error,
                        UnsavedFile which);

    std::unique_ptr<ui::Window> window_;
    RunPhases& run_;
    TForm2* editor_ = nullptr;
    ConversionResult lastConversion_;
    std::error_code settingsSaveError_;
    std::error_code previewStateSaveError_;
    bool refusalShown_ = false;
    RememberedState rememberedAtStart_;
    // The main position and the three lists between loading and applying
    // them, and again between taking them from the dialog and saving them.
    SettingsFile stored_;

    ui::ComboBox& ComboBox1;  // interval
    ui::ComboBox& ComboBox2;  // angle
    ui::ComboBox& ComboBox3;  // colour list
    ui::ComboBox& ComboBox4;  // line-type list
    ui::ComboBox& ComboBox5;  // width
    ui::CheckBox& CheckBox1;
    ui::CheckBox& CheckBox2;
    ui::CheckBox& CheckBox3;  // 実寸
    ui::CheckBox& CheckBox4;  // join touching and overlapping pieces
    ui::Label& Label2;        // the interval's label, which says 図寸 or 実寸
    ui::Label& Label3;        // status line
    ui::Button& Button2;
    ui::Canvas& PaintBox1;  // the preview pane
    // Declared last: its worker ends before the controls it draws on go.
    std::unique_ptr<PreviewPane> pane_;
};

}  // namespace rv17
