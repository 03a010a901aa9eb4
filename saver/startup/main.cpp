// The saver program: the entry decides which window runs, then the message loop serves it
// until the last form is gone.

#include "application.h"
#include "entry.h"
#include "form.h"
#include "win32_entry_host.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    try {
        static lumo::Win32ProgramServices program;
        lumo::Win32EntryHost host(program);
        lumo::Main(host, program);
        // A session form that could not be made leaves nothing to wait for; without this the
        // process would sit invisible, holding the hidden cursor.
        if (lumo::Form::LoadedCount() == 0) {
            return 0;
        }
        lumo::app::RunMessageLoop();
    } catch (...) {
        // Nothing to report to: the saver shows no error texts of its own.
    }
    return 0;
}
