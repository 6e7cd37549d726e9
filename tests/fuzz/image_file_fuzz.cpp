// Image file bytes -> capture -> bytes: nothing is read past the file's end, pixels the file covers
// whole come back in the written file, the rest are black, and the written file is always whole.
#include "settings/ImageFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huex;
    // A copy of exactly the input's length, so that AddressSanitizer sees any read past its end.
    const std::vector<std::uint8_t> file(data, data + size);
    std::vector<std::uint32_t> pixels(33 * 33, 0xDEADBEEF);
    readImageFile(file, pixels);
    const std::vector<std::uint8_t> written = imageFileBytes(pixels);
    if (written.size() != kImageFileSize) std::abort();
    for (std::size_t at = kImageHeaderSize; at < kImageFileSize; at += 4) {
        const bool covered = at + 4 <= size;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::uint8_t expected = covered ? file[at + i] : 0;
            if (written[at + i] != expected) std::abort();
        }
        if (written[at + 3] != 0) std::abort();
    }
    std::vector<std::uint32_t> back(33 * 33);
    readImageFile(written, back);
    if (back != pixels) std::abort();
    return 0;
}
