// The main dialog's handlers: start-up, the OK decision, the preset list
// editing and shut-down.
#include "ui/Unit1.h"

#include <stdexcept>
#include <string>

#include "ui/CommaText.h"
#include "ui/InterfaceTexts.h"
#include "ui/IntervalMeaning.h"
#include "ui/Unit2.h"

namespace rv17 {

TForm1::TForm1(ui::Application& application, RunPhases& run)
    : window_(application.CreateDialogWindow(Design())),
      run_(run),
      ComboBox1(window_->ComboBoxNamed("ComboBox1")),
      ComboBox2(window_->ComboBoxNamed("ComboBox2")),
      ComboBox3(window_->ComboBoxNamed("ComboBox3")),
      ComboBox4(window_->ComboBoxNamed("ComboBox4")),
      ComboBox5(window_->ComboBoxNamed("ComboBox5")),
      CheckBox1(window_->CheckBoxNamed("CheckBox1")),
      CheckBox2(window_->CheckBoxNamed("CheckBox2")),
      CheckBox3(window_->CheckBoxNamed("CheckBox3")),
      CheckBox4(window_->CheckBoxNamed("CheckBox4")),
      Label2(window_->LabelNamed("Label2")),
      Label3(window_->LabelNamed("Label3")),
      Button2(window_->ButtonNamed("Button2")),
      PaintBox1(window_->CanvasNamed("PaintBox1")) {
    window_->MemoNamed("Memo1").SetLines(NotesLines());
    window_->SetOnShow([this] { FormShow(); });
    window_->SetOnClose([this] { FormClose(); });
    window_->ButtonNamed("Button1").SetOnClick([this] { Button1Click(); });
    Button2.SetOnClick([this] { Button2Click(); });
    window_->ButtonNamed("Button3").SetOnClick([this] { Button3Click(); });
    window_->ButtonNamed("Button4").SetOnClick([this] { Button4Click(); });
    window_->ButtonNamed("Button5").SetOnClick([this] { Button5Click(); });
    window_->ButtonNamed("Button6").SetOnClick([this] { Button6Click(); });
    for (ui::ComboBox* box : {&ComboBox1, &ComboBox2, &ComboBox3, &ComboBox4, &ComboBox5})
        box->SetOnChange([this] { SettingsChange(); });
    CheckBox1.SetOnClick([this] { SettingsChange(); });
    CheckBox2.SetOnClick([this] { SettingsChange(); });
    CheckBox3.SetOnClick([this] { CheckBox3Click(); });
    CheckBox4.SetOnClick([this] { SettingsChange(); });
}

TForm2& TForm1::Editor() const {
    if (editor_ == nullptr)
        throw std::logic_error("TForm1 is shown without its preset list editor");
    return *editor_;
}

void TForm1::FormShow() {
    run_.BeginStartUp();  // the executable's folder is known from the program's start
    FillFixedLists();
    run_.ReadSelection();
    SettingsFile loaded;
    loaded.editorPosition = Editor().Window().Position();
    LoadSettings(run_.SettingsPath(), loaded);
    ApplySettings(loaded);
    window_->SetPosition(stored_.mainPosition);
    ComboBox1.SetItems(CommaTextToItems(stored_.intervalList));
    ComboBox2.SetItems(CommaTextToItems(stored_.angleList));
    ComboBox5.SetItems(CommaTextToItems(stored_.widthList));
    rememberedAtStart_ = LoadRememberedState(run_.PreviewStatePath());
    CheckBox3.SetChecked(rememberedAtStart_.realSize);
    CheckBox4.SetChecked(rememberedAtStart_.joinTouching);
    Label2.SetText(
        Sjis(rememberedAtStart_.realSize ? texts::kRealSizeIntervalLabel : texts::kIntervalLabel));
    if (rememberedAtStart_.previewOpen) OpenPreview();
    ShowStatus();
}

namespace {

// The status line runs from the dialog's left edge to the notes panel, 335
// designed pixels: 47 half-width characters of 7 pixels in the dialog's 13-pixel font.
constexpr std::size_t kStatusLineBytes = 47;

}  // namespace

void TForm1::ShowStatus() {
    if (refusalShown_) return;
    std::string status = Sjis(texts::kSolidCountPrefix) + std::to_string(run_.SolidCount());
    if (!pane_) {
        const std::string meaning = ShortIntervalMeaningText(run_.Drawing(), ReadHatchSettings());
        if (!meaning.empty() && status.size() + 1 + meaning.size() <= kStatusLineBytes)
            status += " " + meaning;
    }
    Label3.SetText(status);
}

void TForm1::FillFixedLists() {
    ComboBox3.SetItems(ColourListEntries());
    ComboBox4.SetItems(LineTypeListEntries());
}

// The controls and the editor take their values at once; the main position
// and the lists are kept until start-up applies them.
void TForm1::ApplySettings(const SettingsFile& loaded) {
    stored_ = loaded;
    const HatchSettings& last = loaded.lastValues;
    ComboBox1.SetText(last.interval);
    ComboBox2.SetText(last.angleDegrees);
    ComboBox3.SetItemIndex(last.colourIndex);
    ComboBox4.SetItemIndex(last.lineTypeIndex);
    ComboBox5.SetText(last.width);
    CheckBox1.SetChecked(last.recolourNumberedSolids);
    CheckBox2.SetChecked(last.recolourSxfSolids);
    Editor().Window().SetPosition(loaded.editorPosition);
}

HatchSettings TForm1::ReadHatchSettings() const {
    HatchSettings settings;
    settings.interval = ComboBox1.Text();
    settings.angleDegrees = ComboBox2.Text();
    settings.colourIndex = ComboBox3.ItemIndex();
    settings.lineTypeIndex = ComboBox4.ItemIndex();
    settings.width = ComboBox5.Text();
    settings.recolourNumberedSolids = CheckBox1.Checked();
    settings.recolourSxfSolids = CheckBox2.Checked();
    settings.realSize = CheckBox3.Checked();
    settings.joinTouching = CheckBox4.Checked();
    return settings;
}

// Every refusal leaves the exchange file alone and the dialog open. After a
// conversion the dialog closes, even when saving failed: the host's file then
// stays as it was, and the user is told why. The wait cursor shows from OK
// until the dialog has closed or refused.
void TForm1::Button1Click() {
    window_->SetWaitCursor(true);
    lastConversion_ = run_.Convert(ReadHatchSettings());
    switch (lastConversion_.outcome) {
        case ConversionOutcome::SaveFailed:
            TellSaveFailed(run_.ExchangeFilePath(), lastConversion_.saveError,
                           UnsavedFile::ExchangeFile);
            window_->Close();
            return;
        case ConversionOutcome::Accepted:
        case ConversionOutcome::Saved:
            window_->Close();
            return;
        case ConversionOutcome::IntervalRefused:
            window_->SetWaitCursor(false);
            ComboBox1.SetFocus();
            return;
        case ConversionOutcome::WidthRefused:
            window_->SetWaitCursor(false);
            ComboBox5.SetFocus();
            return;
        case ConversionOutcome::NoSolidsRefused:
            Refuse(texts::kNoSolids, Button2);
            return;
        case ConversionOutcome::SweepTooLarge:
            Refuse(texts::kSweepTooLarge, ComboBox1);
            return;
        case ConversionOutcome::ReadFailed:
            // No value typed can help: only Cancel is left.
            RefuseWithMessage(
                ReadFailureMessage(run_.ExchangeFilePath(), lastConversion_.readError), Button2);
            return;
        case ConversionOutcome::OutOfMemory:
            RefuseWithMessage(Sjis(texts::kConversionOutOfMemory), ComboBox1);
            return;
        case ConversionOutcome::ExtentRefused:
            Refuse(texts::kExtentRefused, Button2);
            return;
        case ConversionOutcome::ReferenceTooFar:
            Refuse(texts::kReferenceTooFar, Button2);
            return;
    }
}

void TForm1::RefuseWithMessage(const std::string& shiftJisMessage, ui::Control& focus) {
    window_->SetWaitCursor(false);
    window_->ShowErrorMessage(window_->Caption(), shiftJisMessage);
    focus.SetFocus();
}

void TForm1::Refuse(std::string_view message, ui::Control& focus) {
    window_->SetWaitCursor(false);
    refusalShown_ = true;
    Label3.SetText(Sjis(message));
    Label3.SetFontColour(ui::Colour{255, 0, 0});
    focus.SetFocus();
}

void TForm1::Button2Click() { window_->Close(); }

void TForm1::Button3Click() { EditPresetList(ComboBox1, texts::kIntervalEditorCaption); }
void TForm1::Button4Click() { EditPresetList(ComboBox2, texts::kAngleEditorCaption); }
void TForm1::Button5Click() { EditPresetList(ComboBox5, texts::kWidthEditorCaption); }

void TForm1::Button6Click() {
    if (pane_) {
        ClosePreview();
    } else {
        OpenPreview();
    }
}

// The pane takes its copy of the selection here, before any OK can change the store.
void TForm1::OpenPreview() {
    window_->SetClientWidth(kClosedClientWidth + kPaneWidth);
    PaintBox1.SetVisible(true);
    pane_ = std::make_unique<PreviewPane>(PaintBox1, run_.Drawing(), kPaneWidth, kPaneHeight);
    pane_->Show(ReadHatchSettings());
    ShowStatus();
}

void TForm1::ClosePreview() {
    pane_.reset();
    PaintBox1.SetVisible(false);
    PaintBox1.SetLayers({});
    window_->SetClientWidth(kClosedClientWidth);
    ShowStatus();
}

void TForm1::SettingsChange() {
    if (pane_) pane_->Show(ReadHatchSettings());
    ShowStatus();
}

void TForm1::CheckBox3Click() {
    Label2.SetText(
        Sjis(CheckBox3.Checked() ? texts::kRealSizeIntervalLabel : texts::kIntervalLabel));
    SettingsChange();
}

void TForm1::EditPresetList(ui::ComboBox& box, std::string_view editorCaption) {
    TForm2& editor = Editor();
    editor.Window().SetCaption(Sjis(editorCaption));
    editor.SetInputText(box.Text());
    editor.SetListText(ItemsToCommaText(box.Items()));
    editor.ShowModal();
    if (editor.Accepted()) box.SetItems(CommaTextToItems(editor.ListText()));
}

SettingsFile TForm1::CollectSettings() const {
    SettingsFile settings = stored_;
    settings.lastValues = ReadHatchSettings();
    settings.editorPosition = Editor().Window().Position();
    return settings;
}

void TForm1::FormClose() {
    stored_.mainPosition = window_->Position();
    stored_.intervalList = ItemsToCommaText(ComboBox1.Items());
    stored_.angleList = ItemsToCommaText(ComboBox2.Items());
    stored_.widthList = ItemsToCommaText(ComboBox5.Items());
    // A failed save leaves the previous file in place; the program ends normally either way.
    settingsSaveError_ = SaveSettings(run_.SettingsPath(), CollectSettings());
    // Only a change is written, so a user who never opens the pane nor ticks
    // 実寸 or the joining box gets no file for them.
    const RememberedState now{pane_ != nullptr, CheckBox3.Checked(), CheckBox4.Checked()};
    if (now.previewOpen != rememberedAtStart_.previewOpen ||
        now.realSize != rememberedAtStart_.realSize ||
        now.joinTouching != rememberedAtStart_.joinTouching)
        previewStateSaveError_ = SaveRememberedState(run_.PreviewStatePath(), now);
    pane_.reset();
    if (settingsSaveError_)
        TellSaveFailed(run_.SettingsPath(), settingsSaveError_, UnsavedFile::SettingsFile);
    run_.EndShutDown();
}

void TForm1::TellSaveFailed(const std::filesystem::path& file, const std::error_code& error,
                            UnsavedFile which) {
    window_->ShowErrorMessage(window_->Caption(), SaveFailureMessage(file, error, which));
}

}  // namespace rv17
