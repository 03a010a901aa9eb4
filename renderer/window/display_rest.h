#pragma once
// Rest while the display is off: a star field nobody can see is not drawn, and the animation
// does not run on in the dark, so it goes on where it stopped when the display comes back. The
// system reports the display's state as a number: 0 off, 1 on, 2 dimmed (the older monitor
// power notice knows only 0 and 1). A dimmed display is still seen, so it is drawn; a number
// the system may add later changes nothing.

#include <cstdint>

namespace lumo {

class DisplayRest {
  public:
    enum class Change : std::uint8_t { None, WentDark, CameBack };

    // Takes a reported state; on CameBack the caller resumes every frame clock at `now`.
    Change Report(std::uint32_t state) {
        const bool dark = state == kOff;
        const bool known = state == kOff || state == kOn || state == kDimmed;
        if (!known || dark == dark_) {
            return Change::None;
        }
        dark_ = dark;
        return dark ? Change::WentDark : Change::CameBack;
    }

    bool dark() const { return dark_; }

    static constexpr std::uint32_t kOff = 0;
    static constexpr std::uint32_t kOn = 1;
    static constexpr std::uint32_t kDimmed = 2;

  private:
    bool dark_ = false;
};

} // namespace lumo
