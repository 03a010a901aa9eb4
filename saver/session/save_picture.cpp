#include "save_picture.h"

#include "bmp_format.h"
#include "owner_only_security.h"
#include "replace_file.h"
#include "surface.h"
#include "wide_text.h"

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

void RemoveSnapshot(const std::string& path) {
    const std::wstring photo = FromCp932(path);
    for (const std::wstring& file : {photo, TemporaryPathFor(photo)}) {
        const DWORD attributes = ::GetFileAttributesW(file.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            continue;
        }
        // Made read-only by someone: still a photo of a desktop, and ours to take away.
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            ::SetFileAttributesW(file.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
        }
        ::DeleteFileW(file.c_str());
    }
}

win::KernelHandle ShutOutSnapshot(const std::string& path) {
    // Read access, because only a handle that may read takes part in sharing; sharing nothing.
    return win::KernelHandle(::CreateFileW(FromCp932(path).c_str(), GENERIC_READ, 0, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace lumo
