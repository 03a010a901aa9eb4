#pragma once
// What passes between the two programs, and nothing else does: the desktop photograph that the
// saver writes and the renderer reads, and the renderer's window, which the saver watches for.
// Both programs build from this one file, so the two sides cannot drift apart.

namespace lumo {

inline constexpr char kSnapshotFolder[] = "C:\\v_olka";
inline constexpr char SnapshotPath[] = "C:\\v_olka\\Lumovane.bmp";

// The renderer's window is registered and titled with the same name; the saver looks for the
// title alone, the setup program for the class (to send it Esc before it replaces the programs).
inline constexpr char kRendererWindowTitle[] = "Lumovane_VC";
inline constexpr const char* kRendererWindowClass = kRendererWindowTitle;

} // namespace lumo
