// Palette file bytes through the colour code reader; see PaletteReadCheck.h.
#include "PaletteReadCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    huex::checkPaletteReader(data, size, huex::readColorCodes, huex::PaletteFormat::css);
    return 0;
}
