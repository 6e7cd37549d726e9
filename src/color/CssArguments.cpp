#include "color/CssArguments.h"

#include <numbers>

namespace huex {

namespace {

// The angle units of CSS, as degrees.
std::optional<double> degreesPerUnit(std::string_view unit) {
    if (unit == "deg") return 1.0;
    if (unit == "grad") return 0.9;
    if (unit == "rad") return 180 / std::numbers::pi;
    if (unit == "turn") return 360.0;
    return std::nullopt;
}

std::optional<CssComponent> component(const CssToken& t) {
    using Kind = CssComponent::Kind;
    switch (t.kind) {
    case CssTokenKind::number:
        return CssComponent{Kind::number, t.value};
    case CssTokenKind::percentage:
        return CssComponent{Kind::percentage, t.value};
    case CssTokenKind::ident:
        if (t.name == "none") return CssComponent{Kind::none, 0};
        return std::nullopt;
    case CssTokenKind::dimension:
        if (const auto perUnit = degreesPerUnit(t.name)) return CssComponent{Kind::angle, t.value * *perUnit};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool isAlpha(const CssToken& t, bool noneAllowed) {
    return t.kind == CssTokenKind::number || t.kind == CssTokenKind::percentage ||
           (noneAllowed && t.kind == CssTokenKind::ident && t.name == "none");
}

std::optional<CssArguments> legacyForm(std::span<const CssToken> tokens) {
    // c , c , c  or  c , c , c , alpha
    if (tokens.size() != 5 && tokens.size() != 7) return std::nullopt;
    CssArguments out;
    out.legacy = true;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto c = component(tokens[2 * i]);
        if (!c || c->kind == CssComponent::Kind::none) return std::nullopt;
        if (i > 0 && tokens[2 * i - 1].kind != CssTokenKind::comma) return std::nullopt;
        out.components[i] = *c;
    }
    if (tokens.size() == 7 && (tokens[5].kind != CssTokenKind::comma || !isAlpha(tokens[6], false)))
        return std::nullopt;
    return out;
}

std::optional<CssArguments> modernForm(std::span<const CssToken> tokens) {
    // c c c  or  c c c / alpha
    if (tokens.size() != 3 && tokens.size() != 5) return std::nullopt;
    CssArguments out;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto c = component(tokens[i]);
        if (!c) return std::nullopt;
        out.components[i] = *c;
    }
    if (tokens.size() == 5 && (tokens[3].kind != CssTokenKind::slash || !isAlpha(tokens[4], true)))
        return std::nullopt;
    return out;
}

} // namespace

std::optional<CssArguments> readCssArguments(std::span<const CssToken> tokens, bool legacyAllowed) {
    if (legacyAllowed && tokens.size() > 1 && tokens[1].kind == CssTokenKind::comma)
        return legacyForm(tokens);
    return modernForm(tokens);
}

} // namespace huex
