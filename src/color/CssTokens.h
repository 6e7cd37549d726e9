#pragma once
// The tokens of a CSS colour text: CSS's own tokenizer, reduced to what a colour can hold. White
// space and comments are dropped (a colour's grammar never needs them once the tokens are apart).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace huex {

enum class CssTokenKind { ident, function, hash, number, percentage, dimension, comma, slash, close, other };

struct CssToken {
    CssTokenKind kind = CssTokenKind::other;
    double value = 0; // number, percentage (as written, 50% is 50) and dimension
    // Ident, function name, hash name or dimension unit, escapes resolved and ASCII letters in lower
    // case. A non-ASCII code point stays as bytes of 0x80 and above, which no colour word holds.
    std::string name;
};

// nullopt when the text holds more than `maxTokens` tokens: no colour is that long, and the bound
// keeps the work for any input small. An unclosed comment or function ends with the text, as in CSS.
std::optional<std::vector<CssToken>> cssTokens(std::string_view text, std::size_t maxTokens);

} // namespace huex
