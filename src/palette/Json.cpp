#include "palette/Json.h"

#include <algorithm>
#include <cstdint>

namespace huex {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    JsonDocument document() {
        JsonDocument doc;
        skipSpaces();
        if (value(doc.root, 0)) {
            skipSpaces();
            if (at_ < text_.size()) fail("неверный JSON");
        }
        if (!error_.empty()) {
            const auto line =
                1 + std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(at_), '\n');
            doc = {};
            doc.error = error_ + " в строке " + std::to_string(line);
        }
        return doc;
    }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::string error_;

    bool fail(std::string_view why) {
        if (error_.empty()) error_ = why;
        return false;
    }
    [[nodiscard]] char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    bool take(char c) {
        if (peek() != c || at_ >= text_.size()) return false;
        ++at_;
        return true;
    }
    void skipSpaces() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool value(JsonValue& out, int depth) {
        if (depth >= kMaxJsonDepth) return fail("вложенность JSON глубже " + std::to_string(kMaxJsonDepth));
        switch (peek()) {
        case '{':
            return object(out, depth);
        case '[':
            return array(out, depth);
        case '"':
            out.kind = JsonValue::Kind::string;
            return string(out.text);
        case 't':
            out.kind = JsonValue::Kind::boolean;
            out.boolean = true;
            return word("true");
        case 'f':
            out.kind = JsonValue::Kind::boolean;
            return word("false");
        case 'n':
            return word("null");
        default:
            out.kind = JsonValue::Kind::number;
            return number(out.text);
        }
    }

    bool word(std::string_view w) {
        if (text_.substr(at_, w.size()) != w) return fail("неверный JSON");
        at_ += w.size();
        return true;
    }

    bool digits() {
        const std::size_t start = at_;
        while (isDigit(peek()) && at_ < text_.size()) ++at_;
        return at_ > start;
    }

    bool number(std::string& out) {
        const std::size_t start = at_;
        take('-');
        if (!take('0') && !digits()) return fail("неверный JSON");
        if (take('.') && !digits()) return fail("неверный JSON");
        if (take('e') || take('E')) {
            if (!take('+')) take('-');
            if (!digits()) return fail("неверный JSON");
        }
        out = text_.substr(start, at_ - start);
        return true;
    }

    bool hex4(std::uint32_t& code) {
        if (at_ + 4 > text_.size()) return fail("незакрытая строка JSON");
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            const int v = isDigit(c)             ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
            if (v < 0) return fail("неверный JSON");
            code = code * 16 + static_cast<std::uint32_t>(v);
        }
        return true;
    }

    bool escape(std::string& out) {
        if (at_ >= text_.size()) return fail("незакрытая строка JSON");
        const char c = text_[at_++];
        constexpr std::string_view from = "\"\\/bfnrt", to = "\"\\/\b\f\n\r\t";
        if (const std::size_t i = from.find(c); i != std::string_view::npos) {
            out += to[i];
            return true;
        }
        if (c != 'u') return fail("неверный JSON");
        std::uint32_t code = 0;
        if (!hex4(code)) return false;
        // A lone half of a surrogate pair stands for no character: it becomes U+FFFD.
        if (code >= 0xD800 && code < 0xDC00 && text_.substr(at_, 2) == "\\u") {
            at_ += 2;
            std::uint32_t low = 0;
            if (!hex4(low)) return false;
            code =
                low >= 0xDC00 && low < 0xE000 ? 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00) : 0xFFFD;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        appendUtf8(out, code);
        return true;
    }

    bool string(std::string& out) {
        ++at_; // the opening quote
        while (true) {
            if (at_ >= text_.size()) return fail("незакрытая строка JSON");
            const char c = text_[at_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return fail("незакрытая строка JSON");
            if (c != '\\')
                out += c;
            else if (!escape(out))
                return false;
        }
    }

    bool array(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::array;
        ++at_;
        skipSpaces();
        if (take(']')) return true;
        while (true) {
            skipSpaces();
            if (!value(out.items.emplace_back(), depth + 1)) return false;
            skipSpaces();
            if (take(']')) return true;
            if (!take(',')) return fail("неверный JSON");
        }
    }

    bool object(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::object;
        ++at_;
        skipSpaces();
        if (take('}')) return true;
        while (true) {
            skipSpaces();
            if (peek() != '"' || at_ >= text_.size()) return fail("неверный JSON");
            JsonMember& m = out.members.emplace_back();
            if (!string(m.key)) return false;
            skipSpaces();
            if (!take(':')) return fail("неверный JSON");
            skipSpaces();
            if (!value(m.value, depth + 1)) return false;
            skipSpaces();
            if (take('}')) return true;
            if (!take(',')) return fail("неверный JSON");
        }
    }
};

} // namespace

const JsonValue* JsonValue::member(std::string_view key) const {
    for (const JsonMember& m : members)
        if (m.key == key) return &m.value;
    return nullptr;
}

JsonDocument parseJson(std::string_view text) {
    return Parser(text).document();
}

} // namespace huex
