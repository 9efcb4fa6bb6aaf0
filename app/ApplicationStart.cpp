// Application start: the title, the main dialog, then the preset list editor, then the event loop.
#include "ApplicationStart.h"

#include "InterfaceTexts.h"
#include "RunSequence.h"
#include "Unit1.h"
#include "Unit2.h"

void RunApplication(ui::Application& application, const std::filesystem::path& executablePath) {
    application.SetTitle(Sjis(texts::kMainCaption));
    RunSequence run(executablePath);
    TForm1 mainDialog(application, run);
    TForm2 presetEditor(application);
    mainDialog.UsePresetEditor(presetEditor);
    application.Run(mainDialog.Window());
}
