#include "pattern/Formatter.h"

#include "color/Rounding.h"
#include "color/StrictFloat.h"
#include "pattern/ColorModels.h"
#include "pattern/ComponentText.h"
#include "pattern/Placeholders.h"

#include <cmath>
#include <cstring>
#include <optional>

namespace huex {

namespace {

constexpr std::string_view errorText = "error";

std::string_view errorIn(NumberBuffer& buffer) {
    std::memcpy(buffer.data(), errorText.data(), errorText.size());
    return {buffer.data(), errorText.size()};
}

// Half away from zero, so -20.7 is -21 as 20.7 is 21.
std::int32_t roundToInt32(double value) {
    return truncateToInt32(value < 0 ? value - 0.5 : value + 0.5);
}

bool showsZero(std::string_view text) {
    return text.find_first_of("123456789") == std::string_view::npos &&
           text.find_first_of("0") != std::string_view::npos;
}

bool isIntegerLetter(char c) {
    return c == 'd' || c == 'D' || c == 'x' || c == 'X' || c == 'o' || c == 'O';
}

using PlaceholderCounts = std::array<std::size_t, componentCount>;

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

// The component of a placeholder's inner name ("rgbR"), if it is one.
std::optional<std::size_t> componentNamed(std::string_view name) {
    const char letter = name.back();
    const std::string_view model = name.substr(0, name.size() - 1);
    for (std::size_t m = 0; m < modelCount; ++m) {
        const std::size_t base = m * 3;
        const std::string_view first = placeholders[base];
        if (first.size() != name.size() + 2 || first.substr(1, model.size()) != model) continue;
        for (std::size_t k = 0; k < 3; ++k) {
            if (placeholders[base + k][name.size()] == letter) return base + k;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// Which placeholder, if any, starts at `pos`.
std::optional<std::size_t> placeholderAt(std::string_view text, std::size_t pos) {
    if (text[pos] != '{') return std::nullopt;
    const std::size_t close = text.find('}', pos + 1);
    if (close == std::string_view::npos) return std::nullopt;
    const std::size_t length = close - pos + 1;
    if (length < shortestPlaceholder || length > longestPlaceholder) return std::nullopt;
    return componentNamed(text.substr(pos + 1, length - 2));
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

// The fractions of the models a pattern uses, each model worked out once and only when needed: a
// drag renders both slots every frame.
class Fractions {
  public:
    Fractions(const RgbColor& rgb, const HsbColor& hsb) : rgb_(rgb), hsb_(hsb) {}

    double of(std::size_t component) {
        const std::size_t model = component / 3;
        if (!known_[model]) {
            values_[model] = colorModels[model].fractions(rgb_, hsb_);
            known_[model] = true;
        }
        return values_[model][component % 3];
    }

  private:
    const RgbColor& rgb_;
    const HsbColor& hsb_;
    std::array<Coords, modelCount> values_{};
    std::array<bool, modelCount> known_{};
};

// Placeholders are replaced one after the other, each over the text the previous ones left, so a
// rendered text could complete a later placeholder together with the literal text round it (a
// hexadecimal "b" in "{rg" "b" "B}", a "3" in "{p" "3" "R}", or an empty text). Braces never occur
// in a rendered text, so only a short text of placeholder characters can do that.
bool cannotFormPlaceholder(std::string_view text) {
    if (text.size() > longestPlaceholder - 2) return true;
    constexpr std::string_view characters = "abcghkloprswHSBLRGWAC3";
    return text.find_first_not_of(characters) != std::string_view::npos;
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
std::string replaceOneAfterTheOther(const ColorPattern& p, Fractions& fractions,
                                    std::array<std::string_view, componentCount> texts,
                                    const PlaceholderCounts& counts,
                                    std::array<NumberBuffer, componentCount>& buffers) {
    std::string result = p.patternString;
    std::string scratch;
    for (std::size_t c = 0; c < placeholders.size(); ++c) {
        // A placeholder absent from the pattern may still have been formed by an earlier text;
        // its own text has not been rendered yet then.
        if (counts[c] == 0) {
            if (result.find(placeholders[c]) == std::string::npos) continue;
            texts[c] = renderComponent(p.formats[c], fractions.of(c), buffers[c]);
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
        length = writeBinary(buffer, conversion->width, roundToInt32(value));
        break;
    case 'f':
    case 'F':
        if (conversion->letter != 'f' && conversion->letter != 'F') return errorIn(buffer);
        length = writeReal(buffer, *conversion, value);
        // A negative value too small to show is written as zero is, without a minus sign.
        if (std::signbit(value) && showsZero({buffer.data(), length}))
            length = writeReal(buffer, *conversion, 0.0);
        break;
    default:
        // printf would read a precision as a minimum digit count; no spec asks for one.
        if (!isIntegerLetter(conversion->letter) || conversion->precision >= 0) return errorIn(buffer);
        length = writeInteger(buffer, *conversion, roundToInt32(value));
        break;
    }
    return {buffer.data(), length};
}

std::string formatComponent(const ComponentFormat& f, double fraction) {
    NumberBuffer buffer;
    return std::string(renderComponent(f, fraction, buffer));
}

std::string formatColor(const ColorPattern& p, const RgbColor& rgb, const HsbColor& hsb) {
    Fractions fractions(rgb, hsb);
    const std::string_view pattern = p.patternString;
    const PlaceholderScan scan = scanPlaceholders(pattern);
    const PlaceholderCounts& counts = scan.counts;
    std::array<NumberBuffer, componentCount> buffers;
    std::array<std::string_view, componentCount> texts{};
    bool independent = true;
    std::size_t size = pattern.size();
    for (std::size_t c = 0; c < placeholders.size(); ++c) {
        if (counts[c] == 0) continue; // absent: rendering it would change nothing
        texts[c] = renderComponent(p.formats[c], fractions.of(c), buffers[c]);
        independent = independent && cannotFormPlaceholder(texts[c]);
        size = size - counts[c] * placeholders[c].size() + counts[c] * texts[c].size();
    }
    if (!independent) return replaceOneAfterTheOther(p, fractions, texts, counts, buffers);
    // No text can form a placeholder, so one pass over the pattern gives the same result.
    std::string result;
    result.reserve(size);
    std::size_t copied = 0;
    const auto replaceAt = [&](std::size_t pos, std::size_t c) {
        result.append(pattern.substr(copied, pos - copied));
        result.append(texts[c]);
        copied = pos + placeholders[c].size();
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
