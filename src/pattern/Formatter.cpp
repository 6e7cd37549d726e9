#include "pattern/Formatter.h"

#include "color/Rounding.h"
#include "color/StrictFloat.h"
#include "pattern/ColorModels.h"
#include "pattern/ComponentText.h"
#include "pattern/NamePlaceholders.h"
#include "pattern/Placeholders.h"

#include <algorithm>
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

// Placeholders are numbered by Component, then the name placeholders follow.
constexpr std::size_t placeholderCount = componentCount + namePlaceholders.size();
constexpr bool isName(std::size_t placeholder) {
    return placeholder >= componentCount;
}
constexpr std::string_view placeholderText(std::size_t placeholder) {
    return isName(placeholder) ? namePlaceholders[placeholder - componentCount].text
                               : placeholders[placeholder];
}

// Where the placeholders of a pattern stand, remembered for the usual short patterns so that the
// text is searched only once.
struct PlaceholderScan {
    std::uint32_t present = 0; // a bit for each placeholder that occurs
    static constexpr std::size_t remembered = 16;
    struct Found {
        std::size_t position, component;
    };
    std::array<Found, remembered> found; // only the first `total` are set
    std::size_t total = 0;
    std::size_t braces = 0; // opening braces, of placeholders or not
};
static_assert(placeholderCount <= 32);

constexpr std::uint32_t bitOf(std::size_t component) {
    return std::uint32_t{1} << component;
}

// The first eight characters of a text as one number, the first in the lowest byte.
constexpr std::uint64_t firstEight(std::string_view text) {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < 8 && i < text.size(); ++i)
        word |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    return word;
}

// The models whose names begin with each letter, so a brace is tried against a few at most, and
// each model's brace and name as one number, so that a candidate is one comparison.
struct ModelsByLetter {
    static constexpr std::size_t most = 3, none = modelCount;
    std::array<std::array<std::size_t, most>, 128> models{};
    std::array<std::uint64_t, modelCount> names{}, nameMasks{};

    constexpr ModelsByLetter() {
        for (auto& list : models) list.fill(none);
        for (std::size_t m = 0; m < modelCount; ++m) {
            auto& list = models[static_cast<unsigned char>(placeholders[m * 3][1])];
            std::size_t free = 0;
            while (list[free] != none) ++free; // no letter begins more names than `most`
            list[free] = m;
            const std::string_view first = placeholders[m * 3];
            static_assert(longestPlaceholder <= 8 + 2);
            nameMasks[m] = ~std::uint64_t{0} >> (8 * (8 - (first.size() - 2)));
            names[m] = firstEight(first) & nameMasks[m];
        }
    }
};
constexpr ModelsByLetter modelsByLetter;

// The placeholder starting at `pos`, if one does.
std::optional<std::size_t> placeholderAt(std::string_view text, std::size_t pos) {
    const std::string_view rest = text.substr(pos);
    if (rest.size() < shortestPlaceholder || rest[0] != '{') return std::nullopt;
    const auto letter = static_cast<unsigned char>(rest[1]);
    if (letter >= modelsByLetter.models.size()) return std::nullopt;
    const std::uint64_t word = firstEight(rest);
    for (const std::size_t m : modelsByLetter.models[letter]) {
        if (m == ModelsByLetter::none) break;
        const std::size_t base = m * 3;
        const std::size_t length = placeholders[base].size();
        // The brace and the model's name, then the component's letter and the closing brace.
        if ((word & modelsByLetter.nameMasks[m]) != modelsByLetter.names[m] || rest.size() < length ||
            rest[length - 1] != '}')
            continue;
        for (std::size_t k = 0; k < 3; ++k) {
            if (placeholders[base + k][length - 2] == rest[length - 2]) return base + k;
        }
    }
    if (const auto name = namePlaceholderAt(text, pos)) return componentCount + *name;
    return std::nullopt;
}

PlaceholderScan scanPlaceholders(std::string_view text) {
    PlaceholderScan scan;
    for (std::size_t pos = text.find('{'); pos != std::string_view::npos; pos = text.find('{', pos + 1)) {
        ++scan.braces;
        const auto c = placeholderAt(text, pos);
        if (!c) continue;
        scan.present |= bitOf(*c);
        if (scan.total < PlaceholderScan::remembered) scan.found[scan.total] = {pos, *c};
        ++scan.total;
    }
    return scan;
}

// The texts of the components a pattern uses, each rendered once and only when needed, with the
// fractions of each model worked out once: a drag renders both slots every frame.
class ComponentTexts {
  public:
    ComponentTexts(const ColorPattern& p, const RgbColor& rgb, const HsbColor& hsb)
        : p_(p), rgb_(rgb), hsb_(hsb) {}

    std::string_view of(std::size_t component) {
        if (isName(component)) return nameOf(component - componentCount);
        if ((rendered_ & bitOf(component)) == 0) {
            const std::size_t model = component / 3;
            if ((known_ & bitOf(model)) == 0) {
                fractions_[model] = colorModels[model].fractions(rgb_, hsb_);
                known_ |= bitOf(model);
            }
            lengths_[component] =
                renderComponent(p_.formats[component], fractions_[model][component % 3], buffers_[component])
                    .size();
            rendered_ |= bitOf(component);
        }
        return {buffers_[component].data(), lengths_[component]};
    }

  private:
    // The nearest name of a list, with the colour's point in OKLab worked out once for all three.
    std::string_view nameOf(std::size_t k) {
        if (!oklabKnown_) {
            oklab_ = oklabOfColor(rgb_);
            oklabKnown_ = true;
        }
        const NameList list = namePlaceholders[k].list;
        const ColorName& name = nearestColorNameAt(list, oklab_);
        if (list != NameList::css || rgbToColorref(rgb_) == name.color) return name.name;
        // "~" before a CSS name whose bytes are not the colour's.
        std::size_t length = 0;
        cssName_[length++] = '~';
        const std::size_t copied = std::min(name.name.size(), cssName_.size() - length);
        std::memcpy(cssName_.data() + length, name.name.data(), copied);
        return {cssName_.data(), length + copied};
    }

    const ColorPattern& p_;
    const RgbColor& rgb_;
    const HsbColor& hsb_;
    bool oklabKnown_ = false;
    Coords oklab_;
    std::array<char, 32> cssName_; // the longest CSS name has 20 letters
    // Only the entries whose bit is set are ever read, so none is initialised.
    std::uint32_t rendered_ = 0, known_ = 0;
    std::array<Coords, modelCount> fractions_;
    std::array<std::size_t, componentCount> lengths_;
    std::array<NumberBuffer, componentCount> buffers_;
};

// Placeholders are replaced one after the other, each over the text the previous ones left, so a
// rendered text could complete a later placeholder together with the literal text round it (a
// hexadecimal "b" in "{rg" "b" "B}", a "3" in "{p" "3" "R}", or an empty text). Braces never occur
// in a rendered text, so only a short text of placeholder characters can do that, and only after a
// brace that opens no placeholder.
bool cannotFormPlaceholder(std::string_view text) {
    if (text.size() > std::max(longestPlaceholder, longestNamePlaceholder) - 2) return true;
    constexpr std::string_view characters = "abcghkloprswHSBLRGWAC3eimuN";
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
std::string replaceOneAfterTheOther(const ColorPattern& p, std::uint32_t present, ComponentTexts& texts) {
    std::string result = p.patternString;
    std::string scratch;
    for (std::size_t c = 0; c < placeholderCount; ++c) {
        // A placeholder absent from the pattern may still have been formed by an earlier text; the
        // names, which come last, are written only where the pattern holds them.
        if ((present & bitOf(c)) == 0 && (isName(c) || result.find(placeholders[c]) == std::string::npos))
            continue;
        replaceAll(result, placeholderText(c), texts.of(c), scratch);
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
    ComponentTexts texts(p, rgb, hsb);
    const std::string_view pattern = p.patternString;
    const PlaceholderScan scan = scanPlaceholders(pattern);
    if (scan.total > PlaceholderScan::remembered) return replaceOneAfterTheOther(p, scan.present, texts);
    const bool strayBrace = scan.braces > scan.total;
    bool independent = true;
    std::size_t size = pattern.size();
    for (std::size_t i = 0; independent && i < scan.total; ++i) {
        const std::size_t c = scan.found[i].component;
        const std::string_view text = texts.of(c);
        independent = !strayBrace || cannotFormPlaceholder(text);
        size = size - placeholderText(c).size() + text.size();
    }
    if (!independent) return replaceOneAfterTheOther(p, scan.present, texts);
    // No text can form a placeholder, so one pass over the pattern gives the same result.
    std::string result;
    result.reserve(size);
    std::size_t copied = 0;
    for (std::size_t i = 0; i < scan.total; ++i) {
        const auto [position, c] = scan.found[i];
        result.append(pattern.substr(copied, position - copied));
        result.append(texts.of(c));
        copied = position + placeholderText(c).size();
    }
    result.append(pattern.substr(copied));
    return result;
}

} // namespace huex
