#include "pattern/ComponentFormat.h"

#include "pattern/NumberFormat.h"
#include "pattern/NumberScan.h"

namespace huex {

namespace {

// "*" or plain decimal digits (leading zeros allowed) worth at most maxFieldWidth; the bound keeps
// a typed width or precision from asking for megabytes of padding.
bool isFieldText(std::string_view text) {
    if (text == "*") return true;
    if (text.empty()) return false;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > maxFieldWidth) return false;
    }
    return true;
}

int fieldValue(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

std::string_view between(std::string_view s, std::size_t from, std::size_t to) {
    return trimCSpace(s.substr(from, to - from));
}

} // namespace

ComponentFormat::ComponentFormat(std::string_view spec) {
    parseFormatSpec(*this, spec);
}

bool parseFormatSpec(ComponentFormat& f, std::string_view spec) {
    constexpr auto npos = std::string_view::npos;
    f.specText.assign(spec);
    f.invalid = true;
    if (spec.empty()) return false;

    const std::size_t open = spec.find('{');
    if (open == npos) return false;
    const std::size_t bar1 = spec.find('|', open);
    if (bar1 == npos) return false;

    const std::string_view type = between(spec, open + 1, bar1);
    f.typeLetter = type.empty() ? '\0' : type.front();

    const std::size_t from = bar1 + 1;
    const std::size_t colon = from < spec.size() ? spec.find(':', from) : npos;
    std::size_t bar2 = npos;
    if (colon != npos) {
        f.rangeFrom = readRealPrefix(between(spec, from, colon));
        bar2 = spec.find('|', colon + 1);
        if (bar2 == npos) return false;
        f.rangeTo = readRealPrefix(between(spec, colon + 1, bar2));
    } else {
        f.rangeFrom = 0;
        bar2 = spec.find('|', from);
        if (bar2 == npos) return false;
        f.rangeTo = readRealPrefix(between(spec, from, bar2));
    }

    const std::size_t dot = spec.find('.', bar2 + 1);
    if (dot == npos) return false;
    const std::string_view width = between(spec, bar2 + 1, dot);
    if (!isFieldText(width)) return false;
    std::string widthPart;
    if (width == "*") {
        f.width = -1;
    } else {
        f.width = fieldValue(width);
        widthPart.reserve(width.size() + 1);
        widthPart += '0';
        widthPart += width;
    }

    const std::size_t close = spec.find('}', dot + 1);
    if (close == npos) return false;
    const std::string_view precision = between(spec, dot + 1, close);
    const bool real = f.typeLetter == 'f';
    if (real && !isFieldText(precision)) return false;
    const bool withPrecision = real && precision != "0" && precision != "*";

    if (!isConversionLetter(f.typeLetter)) return false;
    f.printfFormat.assign(1, '%');
    f.printfFormat += widthPart;
    if (withPrecision) {
        f.printfFormat += '.';
        f.printfFormat += precision;
    }
    f.printfFormat += f.typeLetter;
    f.invalid = false;
    return true;
}

} // namespace huex
