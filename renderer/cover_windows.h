#pragma once
// Black windows over every monitor but the primary one, where the star field is: while the scene
// runs, no other screen may keep showing the user's mail and documents.

#include <windows.h>

namespace lumo {

// Covers each monitor other than the primary with a black window owned by `scene`, so that the
// covers go when the scene's window goes. They have a class of their own and no title: the
// saver's watch looks for the scene's title and must find the scene alone. Esc (or the close
// command) on a cover is handed to the scene, which ends as if it had been pressed there.
void CoverOtherMonitors(HINSTANCE instance, HWND scene);

} // namespace lumo
