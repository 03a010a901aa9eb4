#pragma once
// Measuring points of the saver's benchmark build (LUMO_BENCH): when the session's load steps
// end. In the shipped program they are empty and vanish.

namespace lumo::bench {

enum class SaverMark { LoadBegins, Captured, SnapshotWritten, RendererStarted, MusicStarted };

#ifdef LUMO_BENCH
void Mark(SaverMark mark);
#else
inline void Mark(SaverMark) {}
#endif

} // namespace lumo::bench
