#pragma once
// The loop's wait for the next frame: until the first monitor's frame is due or until a message
// comes, whichever is first, so that Esc, the display's state and the system's messages never wait
// for a frame. It waits on a waitable timer, of high resolution where the system has one; the
// system's timer rate is left alone, as raising it costs the whole machine power.

#include "win32_handles.h"

#include <windows.h>

#include <cstdint>

namespace lumo {

class FrameWait {
  public:
    // Without any timer the wait's own time-out serves, in the grain of the system's clock.
    FrameWait();

    // Waits `ticks` of a counter of `countFrequency` at most; returns at once when a message is
    // in the queue, seen before or not.
    void Wait(std::int64_t ticks, std::int64_t countFrequency) const;
    // Until a message comes, however long.
    static void WaitForMessage();

  private:
    win::KernelHandle timer_;
};

} // namespace lumo
