#include "pattern/Formatter.h"

#include "color/Rounding.h"
#include "color/StrictFloat.h"
#include "pattern/ComponentText.h"
#include "pattern/Placeholders.h"

#include <cstring>
#include <optional>

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

using PlaceholderCounts = std::array<std::size_t, 9>;

// Where the placeholders of a pattern stand, remembered for the usual short patterns so that the
// text is searched only once.
struct PlaceholderScan {
    PlaceholderCounts counts{};
    static constexpr std::size_t remembered = 16;
    struct Found {
        std::size_t position, component;
    };
    std::array<Found, remembered> found; // only the first `total` are set
    std::size_t total = 0;
};

// Which placeholder, if any, starts at `pos`.
std::optional<std::size_t> placeholderAt(std::string_view text, std::size_t pos) {
    if (text.size() - pos < placeholderLength || text[pos] != '{' || text[pos + 5] != '}')
        return std::nullopt;
    const std::string_view model = text.substr(pos + 1, 3);
    std::size_t first = 0;
    std::string_view letters;
    if (model == "hsb") {
        first = static_cast<std::size_t>(Component::hsbH);
        letters = "HSB";
    } else if (model == "hsl") {
        first = static_cast<std::size_t>(Component::hslH);
        letters = "HSL";
    } else if (model == "rgb") {
        first = static_cast<std::size_t>(Component::rgbR);
        letters = "RGB";
    } else {
        return std::nullopt;
    }
    const std::size_t index = letters.find(text[pos + 4]);
    if (index == std::string_view::npos) return std::nullopt;
    return first + index;
}

PlaceholderScan scanPlaceholders(std::string_view text) {
    PlaceholderScan scan;
    for (std::size_t pos = text.find('{'); pos != std::string_view::npos; pos = text.find('{', pos + 1)) {
        const auto c = placeholderAt(text, pos);
        if (!c) continue;
        ++scan.counts[*c];
        if (scan.total < PlaceholderScan::remembered) scan.found[scan.total] = {pos, *c};
        ++scan.total;
    }
    return scan;
}

// Placeholders are replaced one after the other, each over the text the previous ones left, so a
// rendered text could complete a later placeholder together with the literal text round it (a
// hexadecimal "b" in "{rg" "b" "B}", or an empty text). Braces never occur in a rendered text, so
// only a text of at most four placeholder letters can do that.
bool cannotFormPlaceholder(std::string_view text) {
    if (text.size() > 4) return true;
    constexpr std::string_view letters = "rgbRGBhsHSlL";
    return text.find_first_not_of(letters) != std::string_view::npos;
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

// The general way, for the rare texts that could form placeholders.
std::string replaceOneAfterTheOther(const ColorPattern& p, const std::array<double, 9>& fractions,
                                    std::array<std::string_view, 9> texts, const PlaceholderCounts& counts,
                                    std::array<NumberBuffer, 9>& buffers) {
    std::string result = p.patternString;
    std::string scratch;
    for (std::size_t c = 0; c < placeholders.size(); ++c) {
        // A placeholder absent from the pattern may still have been formed by an earlier text;
        // its own text has not been rendered yet then.
        if (counts[c] == 0) {
            if (result.find(placeholders[c]) == std::string::npos) continue;
            texts[c] = renderComponent(p.formats[c], fractions[c], buffers[c]);
        }
        replaceAll(result, placeholders[c], texts[c], scratch);
    }
    return result;
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
        // printf would read a precision as a minimum digit count; no spec asks for one.
        if (!isIntegerLetter(conversion->letter) || conversion->precision >= 0) return errorIn(buffer);
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
    const std::string_view pattern = p.patternString;
    const PlaceholderScan scan = scanPlaceholders(pattern);
    const PlaceholderCounts& counts = scan.counts;
    std::array<NumberBuffer, 9> buffers;
    std::array<std::string_view, 9> texts{};
    bool independent = true;
    std::size_t size = pattern.size();
    for (std::size_t c = 0; c < placeholders.size(); ++c) {
        if (counts[c] == 0) continue; // absent: rendering it would change nothing
        texts[c] = renderComponent(p.formats[c], fractions[c], buffers[c]);
        independent = independent && cannotFormPlaceholder(texts[c]);
        size = size - counts[c] * placeholderLength + counts[c] * texts[c].size();
    }
    if (!independent) return replaceOneAfterTheOther(p, fractions, texts, counts, buffers);
    // No text can form a placeholder, so one pass over the pattern gives the same result.
    std::string result;
    result.reserve(size);
    std::size_t copied = 0;
    const auto replaceAt = [&](std::size_t pos, std::size_t c) {
        result.append(pattern.substr(copied, pos - copied));
        result.append(texts[c]);
        copied = pos + placeholderLength;
    };
    if (scan.total <= PlaceholderScan::remembered) {
        for (std::size_t i = 0; i < scan.total; ++i)
            replaceAt(scan.found[i].position, scan.found[i].component);
    } else {
        for (std::size_t pos = pattern.find('{'); pos != std::string_view::npos;
             pos = pattern.find('{', pos + 1)) {
            const auto c = placeholderAt(pattern, pos);
            if (!c) continue;
            replaceAt(pos, *c);
            pos = copied - 1;
        }
    }
    result.append(pattern.substr(copied));
    return result;
}

} // namespace huex
