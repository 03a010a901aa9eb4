#pragma once
// The settings dialog, Lumovane_P. For now its window alone: captioned "<ルモヴェイン>" so that
// further starts find it, fixed size, no task bar button.

#include "form.h"

namespace lumo {

class Lumovane_P final : public Form {
  public:
    Lumovane_P();
};

} // namespace lumo
