#pragma once
// The settings file as the platform's profile functions see it, in memory: sections of key=value
// lines, names matched without regard to ASCII letter case, the first section of a name and the
// first key with a value winning. Reading
// follows the profile functions (blanks round a value dropped, then one pair of enclosing quotes);
// writing stores a value so that such a reading gives it back unchanged. Text is UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace huex {

class IniDocument {
  public:
    // A whole file. Lines end at CR, LF or NUL; lines before the first section header are ignored.
    // Every line is kept, so that writing the document back loses nothing.
    static IniDocument parse(std::string_view text);

    // The value as the profile functions read it; nothing when the section or key is missing.
    [[nodiscard]] std::optional<std::string> read(std::string_view section, std::string_view key) const;
    // Replaces the value of the first matching key, or appends the key to the section (appended to
    // the document when missing). Line breaks and NULs in the value become blanks: a value is one line.
    void write(std::string_view section, std::string_view key, std::string_view value);

    // The lines of a section, each ended by a NUL (the form the section functions take).
    [[nodiscard]] std::string sectionLines(std::string_view section) const;
    [[nodiscard]] std::vector<std::string> sectionNames() const;
    // The whole document as file text, CR LF line ends.
    [[nodiscard]] std::string text() const;

  private:
    struct Line {
        std::string key;   // trimmed; the whole line for a line without '='
        std::string value; // as stored in the file, trimmed
        bool hasValue = false;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> firstLine; // by lower-case key
    };
    Section* find(std::string_view name);
    [[nodiscard]] const Section* find(std::string_view name) const;
    Section& findOrAdd(std::string_view name);
    static void addLine(Section& section, std::string_view line);
    static const Line* findLine(const Section& section, std::string_view key);

    std::vector<Section> sections_;
};

// How a value is written to the file so that reading gives it back: one line, and enclosed in
// double quotes when the reader would otherwise drop blanks or quotes at its ends.
std::string storedProfileValue(std::string_view value);

} // namespace huex
