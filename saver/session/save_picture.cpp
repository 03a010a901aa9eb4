#include "save_picture.h"

#include "bmp_format.h"
#include "owner_only_security.h"
#include "replace_file.h"
#include "surface.h"

namespace lumo {

bool SavePicture(const Surface& surface, const std::string& path) {
    const int width = surface.WidthPixels();
    const int height = surface.HeightPixels();
    if (width <= 0 || height <= 0) {
        return false;
    }
    const std::vector<std::uint8_t> rows = surface.ReadRows24();
    // The surface and the reader must agree on the row padding, or the picture would shear.
    if (rows.size() != bmp::RowStride(24, width) * static_cast<std::uint64_t>(height)) {
        return false;
    }
    const auto headers = bmp::EncodeSnapshotHeaders(width, height);
    // A photo of the user's desktop, in a folder every account can read: only its own account
    // may open it. Without that protection it is not written at all (the stars are then flat).
    OwnerOnlySecurity ownerOnly;
    if (ownerOnly.Attributes() == nullptr) {
        return false;
    }
    return static_cast<bool>(ReplaceFileWith(
        path, {std::span<const std::uint8_t>(headers), std::span<const std::uint8_t>(rows)},
        ownerOnly.Attributes()));
}

} // namespace lumo
