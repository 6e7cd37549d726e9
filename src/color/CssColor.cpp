#include "color/CssColor.h"

#include "color/CssColorFunctions.h"
#include "color/CssNamedColors.h"
#include "color/CssTokens.h"

namespace huex {

namespace {

// The longest colour, color(xyz-d50 1 2 3 / 4) or rgba(1, 2, 3, 4), is a dozen tokens or fewer.
constexpr std::size_t maxTokens = 16;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// #rgb, #rgba, #rrggbb or #rrggbbaa (`digits` already in lower case).
std::optional<RgbColor> hexColor(std::string_view digits) {
    for (const char c : digits)
        if (hexDigit(c) < 0) return std::nullopt;
    const std::size_t n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8) return std::nullopt;
    const bool shortForm = n < 6;
    const auto channel = [&](std::size_t i) {
        const int value =
            shortForm ? hexDigit(digits[i]) * 17 : hexDigit(digits[2 * i]) * 16 + hexDigit(digits[2 * i + 1]);
        return static_cast<double>(value) / 255;
    };
    return RgbColor{channel(0), channel(1), channel(2)};
}

} // namespace

std::optional<RgbColor> parseCssColor(std::string_view text) {
    const auto tokens = cssTokens(text, maxTokens);
    if (!tokens || tokens->empty()) return std::nullopt;
    const CssToken& first = tokens->front();
    if (tokens->size() == 1 && first.kind == CssTokenKind::hash) return hexColor(first.name);
    if (tokens->size() == 1 && first.kind == CssTokenKind::ident) return namedCssColor(first.name);
    if (first.kind != CssTokenKind::function) return std::nullopt;
    // At the end of the text a function closes by itself, as in a style sheet.
    std::span<const CssToken> arguments(*tokens);
    arguments = arguments.subspan(1);
    if (!arguments.empty() && arguments.back().kind == CssTokenKind::close)
        arguments = arguments.first(arguments.size() - 1);
    return cssColorFunction(first.name, arguments);
}

} // namespace huex
