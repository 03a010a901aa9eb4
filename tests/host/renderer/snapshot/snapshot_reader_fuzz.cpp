// Any byte string as a snapshot file: the reader must refuse or load it without reading or
// allocating beyond what the checked sizes allow.

#include "snapshot_reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumo::MemorySource source(data, size);
    const lumo::SnapshotImage image = lumo::ReadSnapshot(source);
    if (image.loaded()) {
        // Touch the whole block so that a size mismatch shows up under the sanitizers.
        volatile std::uint8_t sum = 0;
        for (std::size_t i = 0; i < image.layout.pixelBytes; ++i) {
            sum = static_cast<std::uint8_t>(sum + image.pixels[i]);
        }
        const std::uint64_t rows = static_cast<std::uint64_t>(
            image.layout.height < 0 ? -static_cast<std::int64_t>(image.layout.height)
                                    : image.layout.height);
        if (image.layout.pixelBytes < image.layout.stride * rows) {
            __builtin_trap();
        }
    }
    return 0;
}
