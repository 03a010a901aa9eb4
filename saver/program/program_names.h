#pragma once
// The saver's own names that more than one of its windows use, in code page 932 (the Windows
// side hands them over as UTF-16): the captions that mark a running session or an open settings
// window, the program's title and the renderer's file name.

namespace lumo {

inline constexpr char kSessionCaption[] = "Lumovane_Main";
inline constexpr char kDialogCaption[] =
    "<\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93>"; // <ルモヴェイン>
inline constexpr char kProgramTitle[] =
    "\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93"; // ルモヴェイン
inline constexpr char kRendererFileName[] =
    "\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93.dll"; // ルモヴェイン.dll

} // namespace lumo
