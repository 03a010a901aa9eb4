#include "entry.h"

#include "command_line.h"
#include "program_folder.h"
#include "skip_on_error.h"

namespace lumo {

void Main(EntryHost& host, ProgramServices& program) {
    std::string arguments;
    SkipOnError([&] { arguments = host.Arguments(); });
    const std::string mode = ModeLetter(arguments);

    // Both look-ups always run, so a dialog is found even when a session exists.
    bool sessionRuns = false;
    bool dialogOpen = false;
    SkipOnError([&] { sessionRuns = program.WindowExists(kSessionCaption); });
    SkipOnError([&] { dialogOpen = program.WindowExists(kDialogCaption); });
    if (sessionRuns || dialogOpen) {
        program.EndProgram();
    }

    if (mode == kPreviewMode) {
        SkipOnError([&] { host.StartPreview(ParentWindowHandle(arguments)); });
        return;
    }

    SkipOnError([&] { host.CreateFolder(kSnapshotFolder); });
    SessionStart start;
    std::wstring folder;
    SkipOnError([&] { folder = host.ProgramFolder(); });
    SkipOnError([&] { start.settings = host.LoadSettings(folder); });

    bool rendererPresent = false;
    SkipOnError([&] {
        start.rendererPath = JoinPath(folder, kRendererFileName);
        rendererPresent = host.FileExists(start.rendererPath);
    });
    if (!rendererPresent) {
        SkipOnError([&] { host.MessageBoxOk(kRendererMissingText, kProgramTitle); });
        program.EndProgram();
    }

    if (mode == kSettingsMode) {
        SkipOnError([&] { host.ShowSettingsDialogModal(start.settings, folder); });
        program.EndProgram();
    }

    if (mode != kSessionMode && !arguments.empty()) {
        program.EndProgram();
    }

    // An empty command line runs the session with the cursor left as it is, and gives nothing
    // back at the end.
    if (mode == kSessionMode) {
        SkipOnError([&] {
            start.cursorCount = program.ShowCursor(0);
            start.restoreCursor = true;
        });
    }

    SkipOnError([&] { host.LoadSessionForm(start); });
}

} // namespace lumo
