#pragma once
// Measuring points for the benchmark build. In the shipped program they are empty and vanish;
// the benchmark build (LUMO_BENCH) records them and writes a report when the program ends.

namespace lumo::bench {

#ifdef LUMO_BENCH
void OnEntry();
void OnSnapshotRead(double seconds);
void OnTextureBuilt(double seconds, bool textured);
void OnFrameDrawn(float frameSeconds);
void OnExit();
double Now(); // seconds on the performance counter
#else
inline void OnEntry() {}
inline void OnSnapshotRead(double) {}
inline void OnTextureBuilt(double, bool) {}
inline void OnFrameDrawn(float) {}
inline void OnExit() {}
inline double Now() {
    return 0.0;
}
#endif

} // namespace lumo::bench
