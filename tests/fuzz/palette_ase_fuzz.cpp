// Palette file bytes through the ase reader; see PaletteReadCheck.h.
#include "PaletteReadCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    huex::checkPaletteReader(data, size, huex::readSwatchExchange, huex::PaletteFormat::ase);
    return 0;
}
