// Reads one CSS colour text a line from stdin and prints what parseCssColor makes of it: the sRGB
// fractions to the last bit, or "none".
#include "color/CssColor.h"

#include <cstdio>
#include <iostream>
#include <string>

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        const auto color = huex::parseCssColor(line);
        if (color)
            std::printf("%.17g %.17g %.17g\n", color->red, color->green, color->blue);
        else
            std::printf("none\n");
    }
    return 0;
}
