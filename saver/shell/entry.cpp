#include "entry.h"

#include "command_line.h"
#include "program_folder.h"
#include "skip_on_error.h"

namespace lumo {

void Main(EntryHost& host) {
    std::string arguments;
    SkipOnError([&] { arguments = host.Arguments(); });
    const std::string mode = ModeLetter(arguments);

    // Both look-ups always run, so a dialog is found even when a session exists.
    bool sessionRuns = false;
    bool dialogOpen = false;
    SkipOnError([&] { sessionRuns = host.WindowExists(kSessionCaption); });
    SkipOnError([&] { dialogOpen = host.WindowExists(kDialogCaption); });
    if (sessionRuns || dialogOpen) {
        host.EndProgram();
    }

    if (mode == "P") {
        SkipOnError([&] { host.StartPreview(ParentWindowHandle(arguments)); });
        return;
    }

    SkipOnError([&] { host.CreateFolder(kSnapshotFolder); });
    std::wstring folder;
    SkipOnError([&] { folder = host.ProgramFolder(); });
    SkipOnError([&] { host.LoadSettings(folder); });

    bool rendererPresent = false;
    SkipOnError([&] { rendererPresent = host.FileExists(JoinPath(folder, kRendererFileName)); });
    if (!rendererPresent) {
        SkipOnError([&] { host.MessageBoxOk(kRendererMissingText, kProgramTitle); });
        host.EndProgram();
    }

    if (mode == "C") {
        SkipOnError([&] { host.ShowSettingsDialogModal(); });
        host.EndProgram();
    }

    if (mode != "S" && !arguments.empty()) {
        host.EndProgram();
    }

    if (mode == "S") {
        SkipOnError([&] { CursorCount = host.ShowCursor(false); });
    }

    SkipOnError([&] { host.LoadSessionForm(); });
}

} // namespace lumo
