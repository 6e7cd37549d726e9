// Palette file bytes through the gpl reader; see PaletteReadCheck.h.
#include "PaletteReadCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    huex::checkPaletteReader(data, size, huex::readGimpPalette, huex::PaletteFormat::gpl);
    return 0;
}
