// Application start: the title, the main dialog, then the preset list editor, then the event loop.
#include "app/ApplicationStart.h"

#include "app/RunSequence.h"
#include "ui/InterfaceTexts.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace rv17 {

void RunApplication(ui::Application& application, const std::filesystem::path& executablePath) {
    application.SetTitle(Sjis(texts::kMainCaption));
    RunSequence run(executablePath);
    TForm1 mainDialog(application, run);
    TForm2 presetEditor(application);
    mainDialog.UsePresetEditor(presetEditor);
    application.Run(mainDialog.Window());
}

}  // namespace rv17
