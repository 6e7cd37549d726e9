// Reading design token files: colour tokens wherever they stand in the group tree.
#include "color/CssColor.h"
#include "palette/Json.h"
#include "palette/PaletteFiles.h"

#include <algorithm>
#include <array>
#include <optional>

namespace huex {

namespace {

// The colour spaces of a token's colour object, each read as the CSS text of the same name: the
// components of each come in the numbers CSS takes ("hsl": degrees, then 0..100).
constexpr std::array<std::string_view, 6> functionSpaces{"hsl", "hwb", "lab", "lch", "oklab", "oklch"};
constexpr std::array<std::string_view, 8> predefinedSpaces{
    "srgb", "srgb-linear", "display-p3", "a98-rgb", "prophoto-rgb", "rec2020", "xyz-d65", "xyz-d50"};

std::optional<std::string> cssOpening(std::string_view space) {
    const auto has = [&](const auto& list) {
        return std::find(list.begin(), list.end(), space) != list.end();
    };
    if (has(functionSpaces)) return std::string(space) + "(";
    if (has(predefinedSpaces)) return "color(" + std::string(space) + " ";
    return std::nullopt;
}

// The object's components written as CSS (the numbers as the file has them, so nothing is lost),
// or its hex when the colour space is one CSS does not know.
std::optional<RgbColor> colorObject(const JsonValue& value) {
    const JsonValue* space = value.member("colorSpace");
    const auto opening = space && space->isString() ? cssOpening(space->text) : std::nullopt;
    if (!opening) {
        const JsonValue* hex = value.member("hex");
        if (!hex || !hex->isString() || !hex->text.starts_with('#')) return std::nullopt;
        return parseCssColor(hex->text);
    }
    const JsonValue* components = value.member("components");
    if (!components || components->kind != JsonValue::Kind::array || components->items.size() != 3)
        return std::nullopt;
    std::string css = *opening;
    for (const JsonValue& c : components->items) {
        if (c.kind == JsonValue::Kind::number)
            css += c.text;
        else if (c.isString() && c.text == "none")
            css += "none";
        else
            return std::nullopt;
        css += ' ';
    }
    css.back() = ')';
    return parseCssColor(css);
}

void takeToken(const JsonValue& value, PaletteRead& read) {
    std::optional<RgbColor> color;
    if (value.isString()) {
        if (value.text.starts_with('{') && value.text.ends_with('}')) {
            ++read.aliasTokens;
            return;
        }
        color = parseCssColor(value.text);
    } else if (value.kind == JsonValue::Kind::object) {
        color = colorObject(value);
    }
    if (color)
        read.colors.push_back(*color);
    else
        ++read.unreadableTokens;
}

// A group's members are tokens (they have a value) and groups; "$"-names are properties, but for
// "$root", a group's own token.
void takeGroup(const JsonValue& group, std::string_view inheritedType, PaletteRead& read) {
    const JsonValue* ownType = group.member("$type");
    const std::string_view type =
        ownType && ownType->isString() ? std::string_view(ownType->text) : inheritedType;
    for (const JsonMember& m : group.members) {
        if ((m.key.starts_with('$') && m.key != "$root") || m.value.kind != JsonValue::Kind::object) continue;
        const JsonValue* value = m.value.member("$value");
        if (!value) {
            takeGroup(m.value, type, read);
            continue;
        }
        const JsonValue* tokenType = m.value.member("$type");
        if ((tokenType && tokenType->isString() ? std::string_view(tokenType->text) : type) == "color")
            takeToken(*value, read);
    }
}

} // namespace

PaletteRead readDesignTokens(std::span<const std::uint8_t> bytes) {
    PaletteRead read;
    if (bytes.size() > kMaxPaletteFileSize) {
        read.error = paletteError::tooLarge;
        return read;
    }
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const JsonDocument document = parseJson(text);
    if (!document.error.empty()) {
        read.error = document.error;
        return read;
    }
    takeGroup(document.root, "", read);
    if (read.colors.empty()) read.error = paletteError::noColor;
    return read;
}

} // namespace huex
