#include "pattern/Parser.h"

#include "color/ColorNames.h"
#include "color/StrictFloat.h"
#include "pattern/ColorModels.h"
#include "pattern/NamePlaceholders.h"
#include "pattern/NumberScan.h"
#include "pattern/Placeholders.h"

#include <cmath>
#include <optional>

namespace huex {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Splits typed text into the three component texts; false when the text does not fit the pattern.
// The literal pieces round the components (prefix, separators, suffix) may hold name placeholders:
// each name skips any text, the empty text too, up to the first place where the literal text after
// it appears, or to the end of the text when nothing follows it.
class Splitter {
  public:
    Splitter(ColorPattern& p, std::string_view text) : p_(p), text_(text) {}

    bool split() {
        if (p_.prefixLength < 0) return false;
        const std::string_view prefix =
            std::string_view(p_.patternString).substr(0, static_cast<std::size_t>(p_.prefixLength));
        const std::string_view lead = literalLead(prefix);
        if (!text_.starts_with(lead)) return false;
        pos_ = lead.size();
        return skipNames(prefix, false) && takeSeparated(0, p_.separator1) &&
               takeSeparated(1, p_.separator2) && takeLast();
    }

  private:
    const ComponentFormat& format(std::size_t k) const {
        return p_.formats[static_cast<std::size_t>(p_.textOrder[k])];
    }

    void store(std::size_t k, std::size_t from, std::size_t to) {
        p_.componentTexts[modelSlot(p_.textOrder[k])].assign(text_.substr(from, to - from));
    }

    // A fixed-width component; false when the text is too short or the width is nonsense.
    bool takeFixed(std::size_t k, std::size_t& end) {
        const std::int32_t width = format(k).width;
        if (width < 0 || pos_ > text_.size() || static_cast<std::size_t>(width) > text_.size() - pos_)
            return false;
        end = pos_ + static_cast<std::size_t>(width);
        store(k, pos_, end);
        return true;
    }

    // The piece after its literal lead, from pos_: each name placeholder and the literal text after
    // it. A name last in the piece matches the empty text, or the rest of the text in the suffix.
    bool skipNames(std::string_view piece, bool isSuffix) {
        for (FoundName name = findNamePlaceholder(piece); name.position != npos;) {
            const std::size_t literalFrom = name.position + namePlaceholders[name.index].text.size();
            name = findNamePlaceholder(piece, literalFrom);
            const std::string_view literal = piece.substr(literalFrom, name.position - literalFrom);
            if (literal.empty()) {
                if (isSuffix && name.position == npos) pos_ = text_.size();
                continue;
            }
            const std::size_t found = text_.find(literal, pos_);
            if (found == npos) return false;
            pos_ = found + literal.size();
        }
        return true;
    }

    bool takeSeparated(std::size_t k, const std::string& separator) {
        const std::string_view lead = literalLead(separator);
        std::size_t end = 0;
        if (format(k).width != -1) {
            // The separator after a fixed-width component is skipped by its length, not compared.
            if (!takeFixed(k, end)) return false;
        } else {
            end = text_.find(lead, pos_);
            if (end == npos) return false;
            store(k, pos_, end);
        }
        pos_ = end + lead.size();
        return skipNames(separator, false);
    }

    bool takeLast() {
        const std::string_view lead = literalLead(p_.suffix);
        std::size_t end = 0;
        if (format(2).width != -1) {
            if (!takeFixed(2, end)) return false;
        } else {
            end = text_.find(lead, pos_);
            if (end == npos || end == pos_) end = text_.size();
            if (end < pos_) return false;
            store(2, pos_, end);
        }
        if (lead.size() == p_.suffix.size()) return text_.substr(end) == p_.suffix;
        // The rest holds the suffix's lead, then its names and their literal texts, to the end.
        if (!text_.substr(end).starts_with(lead)) return false;
        pos_ = end + lead.size();
        return skipNames(p_.suffix, true) && pos_ == text_.size();
    }

    ColorPattern& p_;
    std::string_view text_;
    std::size_t pos_ = 0;
};

int baseOf(char typeLetter) {
    switch (typeLetter) {
    case 'd':
    case 'D':
        return 10;
    case 'o':
    case 'O':
        return 8;
    case 'x':
    case 'X':
        return 16;
    case 'b':
    case 'B':
        return 2;
    case 'f':
    case 'F':
        return 0;
    default:
        return -1;
    }
}

// The component's number as its format reads it, or nothing when the text is not such a number.
// Signed components (a and b) may carry a minus sign in a decimal text too.
std::optional<double> readComponent(const ComponentFormat& f, std::string_view text, bool isSigned) {
    const int base = baseOf(f.typeLetter);
    if (base == 0) {
        const double v = readRealPrefix(text);
        if (!std::isfinite(v)) return std::nullopt;
        return v;
    }
    const bool negative = isSigned && base == 10 && !text.empty() && text.front() == '-';
    const auto n = readDigits(negative ? text.substr(1) : text, base);
    if (!n) return std::nullopt;
    return negative ? -static_cast<double>(*n) : static_cast<double>(*n);
}

bool contains(const std::string& text, Component c) {
    return text.find(placeholderOf(c)) != std::string::npos;
}

// Today's rule for the first three models: the pattern string, not the analysis, names the model.
std::optional<std::size_t> classicModel(const std::string& pattern) {
    if (contains(pattern, Component::rgbR)) return modelIndex(Component::rgbR);
    if (contains(pattern, Component::hsbH)) return modelIndex(Component::hsbH);
    if (contains(pattern, Component::hslH)) return modelIndex(Component::hslH);
    return std::nullopt;
}

std::optional<RgbColor> parse(ColorPattern& p, std::string_view text) {
    // A pattern of names alone reads its whole text as a name, its first name's list first.
    if (const auto list = namesOnlyList(p.patternString)) return colorFromName(text, *list);
    if (!Splitter(p, text).split()) return std::nullopt;
    const auto& formatOf = [&p](std::size_t k) -> const ComponentFormat& {
        return p.formats[static_cast<std::size_t>(p.textOrder[k])];
    };
    if ((formatOf(0).width == -1 && literalLead(p.separator1).empty()) ||
        (formatOf(1).width == -1 && literalLead(p.separator2).empty())) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < 3; ++k) {
        if (baseOf(formatOf(k).typeLetter) < 0) return std::nullopt;
    }
    const std::size_t analysed = modelIndex(p.textOrder[0]);
    const ColorModel& model = colorModels[analysed];
    Coords fraction{};
    for (std::size_t i = 0; i < 3; ++i) {
        const ComponentFormat& f = p.formats[analysed * 3 + i];
        const auto v = readComponent(f, p.componentTexts[i], model.isSigned[i]);
        if (!v) return std::nullopt;
        fraction[i] = f.rangeTo == f.rangeFrom ? 0 : (*v - f.rangeFrom) / (f.rangeTo - f.rangeFrom);
        // Written so that a NaN fraction (from a range with an infinite or NaN end) is refused too.
        const double lowest = model.isSigned[i] ? -1 : 0;
        if (!(fraction[i] >= lowest && fraction[i] <= 1)) return std::nullopt;
    }
    const auto chosen = analysed < classicModels ? classicModel(p.patternString) : analysed;
    if (!chosen) return std::nullopt;
    return colorModels[*chosen].color(fraction);
}

} // namespace

RgbColor parseColorText(ColorPattern& p, std::string_view text) {
    if (!p.valid) return {};
    p.parseFailed = false;
    const auto color = parse(p, text);
    if (!color) {
        p.parseFailed = true;
        return {};
    }
    return *color;
}

std::int32_t parseInteger(std::string_view text, int base) {
    return readDigits(text, base).value_or(0);
}

} // namespace huex
