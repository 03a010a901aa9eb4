// The renderer's entry: it reads no command line, no settings and no registry.

#include "bench_hooks.h"
#include "renderer_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    lumo::bench::OnEntry();
    int exitCode = 0;
    try {
        exitCode = lumo::RunRenderer(instance);
    } catch (...) {
        exitCode = 0;
    }
    lumo::bench::OnExit();
    return exitCode;
}
