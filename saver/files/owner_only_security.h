#pragma once
// A security descriptor for a file that only the account running the program may open: one
// entry granting the account's own SID full access, protected so that nothing is inherited from
// the folder. It is given to the file when the file is created, so the file is never readable by
// anyone else, not even for a moment.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace lumo {

class OwnerOnlySecurity {
  public:
    OwnerOnlySecurity();
    OwnerOnlySecurity(const OwnerOnlySecurity&) = delete; // the attributes point into it
    OwnerOnlySecurity& operator=(const OwnerOnlySecurity&) = delete;

    // Null when the account's SID or the descriptor could not be made.
    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }

  private:
    std::vector<std::uint8_t> user_; // TOKEN_USER, the SID inside it
    std::vector<std::uint8_t> acl_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool ready_ = false;
};

} // namespace lumo
