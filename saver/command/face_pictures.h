#pragma once
// The six face pictures, decoded once from the program's resources and shared by every button.

#include "command_view.h"
#include "picture.h"

namespace lumo {

// Throws std::runtime_error when the program carries no such picture.
const Picture& FacePicture(Face face);

} // namespace lumo
