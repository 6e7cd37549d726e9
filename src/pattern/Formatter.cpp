#include "pattern/Formatter.h"

#include "color/Rounding.h"
#include "color/StrictFloat.h"
#include "pattern/ComponentText.h"
#include "pattern/Placeholders.h"

#include <cstring>

namespace huex {

namespace {

constexpr std::string_view errorText = "error";

std::string_view errorIn(NumberBuffer& buffer) {
    std::memcpy(buffer.data(), errorText.data(), errorText.size());
    return {buffer.data(), errorText.size()};
}

bool isIntegerLetter(char c) {
    return c == 'd' || c == 'D' || c == 'x' || c == 'X' || c == 'o' || c == 'O';
}

// Replaces every non-overlapping occurrence of `placeholder` in `text`, left to right; `scratch`
// is reused between calls so that repeated replacements do not allocate.
void replaceAll(std::string& text, std::string_view placeholder, std::string_view replacement,
                std::string& scratch) {
    std::size_t pos = text.find(placeholder);
    if (pos == std::string::npos) return;
    scratch.clear();
    std::size_t copied = 0;
    do {
        scratch.append(text, copied, pos - copied);
        scratch.append(replacement);
        copied = pos + placeholder.size();
        pos = text.find(placeholder, copied);
    } while (pos != std::string::npos);
    scratch.append(text, copied, std::string::npos);
    text.swap(scratch);
}

} // namespace

std::string_view renderComponent(const ComponentFormat& f, double fraction, NumberBuffer& buffer) {
    if (f.invalid) return errorIn(buffer);
    const double value = (f.rangeTo - f.rangeFrom) * fraction + f.rangeFrom;
    if (f.printfFormat.empty()) return {};
    // Formats made by parseFormatSpec always read back; one assembled by hand that does not, or
    // whose conversion does not suit its type letter, shows as an error rather than as garbage.
    const auto conversion = parsePrintfConversion(f.printfFormat);
    if (!conversion) return errorIn(buffer);
    std::size_t length = 0;
    switch (f.typeLetter) {
    case 'b':
    case 'B':
        if (conversion->letter != 'b' && conversion->letter != 'B') return errorIn(buffer);
        length = writeBinary(buffer, conversion->width, truncateToInt32(value + 0.5));
        break;
    case 'f':
    case 'F':
        if (conversion->letter != 'f' && conversion->letter != 'F') return errorIn(buffer);
        length = writeReal(buffer, *conversion, value);
        break;
    default:
        if (!isIntegerLetter(conversion->letter)) return errorIn(buffer);
        length = writeInteger(buffer, *conversion, truncateToInt32(value + 0.5));
        break;
    }
    return {buffer.data(), length};
}

std::string formatComponent(const ComponentFormat& f, double fraction) {
    NumberBuffer buffer;
    return std::string(renderComponent(f, fraction, buffer));
}

std::string formatColor(const ColorPattern& p, const RgbColor& rgb, const HsbColor& hsb) {
    const HslColor hsl = hsbToHsl(hsb);
    const std::array<double, 9> fractions{hsb.hue, hsb.saturation, hsb.brightness,
                                          hsl.hue, hsl.saturation, hsl.lightness,
                                          rgb.red, rgb.green,      rgb.blue};
    std::string result = p.patternString;
    std::string scratch;
    NumberBuffer buffer;
    // One placeholder after the other, each over the text the previous ones left: a rendered
    // number may complete a later placeholder (a hexadecimal "b" before "B}", say). Components
    // whose placeholder is absent are skipped, which changes nothing in the result.
    for (std::size_t c = 0; c < placeholders.size(); ++c) {
        if (result.find(placeholders[c]) == std::string::npos) continue;
        replaceAll(result, placeholders[c], renderComponent(p.formats[c], fractions[c], buffer), scratch);
    }
    return result;
}

} // namespace huex
