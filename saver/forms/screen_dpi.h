#pragma once
// The screen's dots per inch that forms lay out with: the system's DPI, as the program declares
// itself aware of it (without that declaration Windows answers 96 and stretches the windows).

namespace lumo {

int ScreenDpi();

} // namespace lumo
