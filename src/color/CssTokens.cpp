#include "color/CssTokens.h"

#include "color/CssNumber.h"

namespace huex {

namespace {

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool isNewline(char c) {
    return c == '\n' || c == '\r' || c == '\f';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
bool isNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}
bool isNameChar(char c) {
    return isNameStart(c) || isDigit(c) || c == '-';
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    [[nodiscard]] bool atEnd() const { return pos_ >= text_.size(); }
    [[nodiscard]] char peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    [[nodiscard]] bool validEscape(std::size_t ahead = 0) const {
        return peek(ahead) == '\\' && pos_ + ahead + 1 < text_.size() && !isNewline(peek(ahead + 1));
    }
    [[nodiscard]] bool startsIdent() const {
        if (peek() == '-') return isNameStart(peek(1)) || peek(1) == '-' || validEscape(1);
        return isNameStart(peek()) || validEscape();
    }
    [[nodiscard]] bool startsNumber() const {
        std::size_t i = (peek() == '+' || peek() == '-') ? 1 : 0;
        if (isDigit(peek(i))) return true;
        return peek(i) == '.' && isDigit(peek(i + 1));
    }

    void skipWhiteSpaceAndComments() {
        while (!atEnd()) {
            if (isWhiteSpace(peek())) {
                ++pos_;
            } else if (peek() == '/' && peek(1) == '*') {
                const std::size_t end = text_.find("*/", pos_ + 2);
                pos_ = end == std::string_view::npos ? text_.size() : end + 2;
            } else {
                return;
            }
        }
    }

    CssToken next() {
        const char c = peek();
        if (startsNumber()) return numeric();
        if (startsIdent()) return identLike();
        ++pos_;
        switch (c) {
        case '#':
            if (isNameChar(peek()) || validEscape()) return {CssTokenKind::hash, 0, name()};
            return {};
        case ',':
            return {CssTokenKind::comma, 0, {}};
        case '/':
            return {CssTokenKind::slash, 0, {}};
        case ')':
            return {CssTokenKind::close, 0, {}};
        default:
            return {};
        }
    }

  private:
    // After a backslash that starts a valid escape: the escaped code point, kept only when ASCII.
    void escape(std::string& out) {
        if (atEnd()) {
            out += '\x80';
            return;
        }
        if (hexValue(peek()) < 0) {
            const char c = text_[pos_++];
            out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            return;
        }
        unsigned long code = 0;
        for (int digits = 0; digits < 6 && hexValue(peek()) >= 0; ++digits)
            code = code * 16 + static_cast<unsigned long>(hexValue(text_[pos_++]));
        if (isWhiteSpace(peek())) pos_ += (peek() == '\r' && peek(1) == '\n') ? 2 : 1;
        if (code == 0 || code >= 0x80) {
            out += '\x80';
            return;
        }
        const char ascii = static_cast<char>(code);
        out += (ascii >= 'A' && ascii <= 'Z') ? static_cast<char>(ascii - 'A' + 'a') : ascii;
    }

    std::string name() {
        std::string out;
        while (!atEnd()) {
            const char c = peek();
            if (isNameChar(c)) {
                out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
                ++pos_;
            } else if (validEscape()) {
                ++pos_;
                escape(out);
            } else {
                break;
            }
        }
        return out;
    }

    CssToken identLike() {
        std::string word = name();
        if (peek() == '(') {
            ++pos_;
            return {CssTokenKind::function, 0, std::move(word)};
        }
        return {CssTokenKind::ident, 0, std::move(word)};
    }

    CssToken numeric() {
        const std::size_t start = pos_;
        if (peek() == '+' || peek() == '-') ++pos_;
        while (isDigit(peek())) ++pos_;
        if (peek() == '.' && isDigit(peek(1))) {
            ++pos_;
            while (isDigit(peek())) ++pos_;
        }
        const char e = peek();
        if (e == 'e' || e == 'E') {
            const std::size_t sign = (peek(1) == '+' || peek(1) == '-') ? 1 : 0;
            if (isDigit(peek(1 + sign))) {
                pos_ += 1 + sign;
                while (isDigit(peek())) ++pos_;
            }
        }
        const double value = cssNumberValue(text_.substr(start, pos_ - start));
        if (startsIdent()) return {CssTokenKind::dimension, value, name()};
        if (peek() == '%') {
            ++pos_;
            return {CssTokenKind::percentage, value, {}};
        }
        return {CssTokenKind::number, value, {}};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::optional<std::vector<CssToken>> cssTokens(std::string_view text, std::size_t maxTokens) {
    std::vector<CssToken> tokens;
    Reader reader(text);
    for (reader.skipWhiteSpaceAndComments(); !reader.atEnd(); reader.skipWhiteSpaceAndComments()) {
        if (tokens.size() == maxTokens) return std::nullopt;
        tokens.push_back(reader.next());
    }
    return tokens;
}

} // namespace huex
