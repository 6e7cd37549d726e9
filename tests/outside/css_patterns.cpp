// Reads sRGB fractions "r g b", one colour a line, and writes the texts of the first-start
// patterns for each, tab-separated in list order; css_patterns.mjs reads them with Color.js.
#include "pattern/CssPatterns.h"
#include "pattern/Formatter.h"

#include <cstdio>

int main() {
    const std::vector<huex::ColorPattern> patterns = huex::cssPatterns();
    huex::RgbColor c;
    while (std::scanf("%lf %lf %lf", &c.red, &c.green, &c.blue) == 3) {
        for (std::size_t i = 0; i < patterns.size(); ++i)
            std::printf("%s%c", huex::formatColor(patterns[i], c, huex::rgbToHsb(c)).c_str(),
                        i + 1 < patterns.size() ? '\t' : '\n');
    }
    return 0;
}
