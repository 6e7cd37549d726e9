// Bytes through the design token reader (and so the JSON reader); see PaletteReadCheck.h. Tokens
// written again keep every fraction to the last bit.
#include "PaletteReadCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    huex::checkPaletteReader(data, size, huex::readDesignTokens, huex::PaletteFormat::tokens);
    const huex::PaletteRead read = huex::readDesignTokens({data, size});
    if (!read.error.empty()) return 0;
    const huex::PaletteRead again =
        huex::readDesignTokens(writePalette(huex::PaletteFormat::tokens, read.colors));
    huex::requireFuzz(again.aliasTokens == 0 && again.unreadableTokens == 0, "written tokens skipped");
    for (std::size_t i = 0; i < read.colors.size(); ++i) {
        const huex::RgbColor &a = read.colors[i], &b = again.colors[i];
        huex::requireFuzz(a.red == b.red && a.green == b.green && a.blue == b.blue,
                          "written fraction changed");
    }
    return 0;
}
