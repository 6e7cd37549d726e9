#pragma once
// A small JSON reader for palette files: any bytes give either the document or where it went
// wrong, within a fixed nesting depth, so that no file can exhaust the stack.
#include <string>
#include <string_view>
#include <vector>

namespace huex {

struct JsonMember;

struct JsonValue {
    enum class Kind { null, boolean, number, string, array, object };
    Kind kind = Kind::null;
    bool boolean = false;
    std::string text; // a string's characters (UTF-8), or a number as the file writes it
    std::vector<JsonValue> items;
    std::vector<JsonMember> members; // in file order, repeated keys kept

    // The first member named `key`, or null (also for anything not an object).
    [[nodiscard]] const JsonValue* member(std::string_view key) const;
    [[nodiscard]] bool isString() const { return kind == Kind::string; }
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

inline constexpr int kMaxJsonDepth = 64;

struct JsonDocument {
    JsonValue root;
    std::string error; // empty when the text was read; else what was wrong, and on which line
};

JsonDocument parseJson(std::string_view text);

} // namespace huex
