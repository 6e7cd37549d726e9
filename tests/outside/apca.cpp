// Reads colour pairs "text r g b  background r g b" (bytes), one a line, and writes for each
// its Lc, the value's text and its verdict, as the contrast window shows them; apca.mjs compares
// them with the APCA author's own library.
#include "color/Contrast.h"

#include <cstdio>

int main() {
    int tr = 0, tg = 0, tb = 0, br = 0, bg = 0, bb = 0;
    while (std::scanf("%d %d %d %d %d %d", &tr, &tg, &tb, &br, &bg, &bb) == 6) {
        auto byte = [](int v) { return static_cast<std::uint8_t>(v & 0xFF); };
        const double lc = huex::apcaContrast({byte(tr), byte(tg), byte(tb)}, {byte(br), byte(bg), byte(bb)});
        std::printf("%.17g\t%s\t%s\n", lc, huex::apcaText(lc).c_str(), huex::apcaVerdictText(lc).c_str());
    }
    return 0;
}
