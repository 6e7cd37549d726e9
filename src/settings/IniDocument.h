#pragma once
// The settings file as the platform's profile functions see it, in memory: sections of key=value
// lines, names matched without regard to ASCII letter case, the first section of a name and the
// first key with a value winning. Reading follows the profile functions (blanks round a value
// dropped, then one pair of enclosing quotes). Every character of the text is kept: writing a key
// changes its value and nothing else, so comments, blank lines, keys and sections this program
// does not know, and repeated sections come back as they were. Text is UTF-8.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace huex {

class IniDocument {
  public:
    // A whole file. Lines end at CR LF, CR, LF or NUL; lines before the first section header
    // belong to no section.
    static IniDocument parse(std::string_view text);

    // The value as the profile functions read it; nothing when the section or key is missing.
    [[nodiscard]] std::optional<std::string> read(std::string_view section, std::string_view key) const;
    // Sets the value of the first matching key of the first section of that name; a value that
    // already reads back as `value` stays as it is written. A key new to the section follows its
    // last key (new keys in the order they are written), a new section goes at the end. Line
    // breaks and NULs in the value become blanks: a value is one line.
    void write(std::string_view section, std::string_view key, std::string_view value);

    // The whole document as file text; new lines end as the file's first line does (CR LF in a
    // new file).
    [[nodiscard]] std::string text() const;

  private:
    // Names match without regard to ASCII letter case, and are looked up without a copy.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const noexcept;
    };
    struct SameName {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const noexcept;
    };

    // Positions are offsets into text_, which holds the file and, after it, every line written.
    struct Line {
        std::size_t start = 0, length = 0;
        std::string_view end;                     // as in the file (static text); empty at the very end
        std::size_t keyStart = 0, keyLength = 0;  // within the line, blanks round it excluded
        std::size_t valueStart = 0, valueEnd = 0; // likewise; both 0 on a line without '='
        bool hasValue = false;
    };
    struct Section {
        std::vector<Line> lines;  // header first (after a blank line for a section we add)
        std::size_t kept = 0;     // lines read from the file; lines added follow them
        std::size_t addAfter = 0; // the added lines go after this one of the kept lines
        // The first line of each key, by the key's hash: open addressing over line number + 1.
        std::vector<std::uint32_t> slots;
        std::size_t keys = 0;
        std::size_t nameStart = 0, nameLength = 0; // the name in text_, brackets and blanks left out
    };
    [[nodiscard]] std::string_view lineText(const Line& line) const;
    [[nodiscard]] std::string_view keyOf(const Line& line) const;
    [[nodiscard]] std::size_t slotOf(const Section& section, std::string_view key) const;
    [[nodiscard]] const Line* findLine(const Section& section, std::string_view key) const;
    void index(Section& section, std::size_t line);
    [[nodiscard]] Line describedLine(std::size_t start, std::size_t length, std::string_view end) const;
    Line newLine(std::initializer_list<std::string_view> parts, std::string_view end);
    Section* find(std::string_view name);
    [[nodiscard]] const Section* find(std::string_view name) const;
    Section& add(std::string_view name);
    void addLine(std::size_t start, std::size_t length, std::string_view end);
    static Line* lastLine(Section& section);

    std::string text_;
    std::vector<Section> sections_ = std::vector<Section>(1); // first: the lines before any header
    std::unordered_map<std::string, std::size_t, NameHash, SameName> firstSection_;
    std::string_view lineEnd_ = "\r\n";
    // The section found last: the settings are read and written a section at a time.
    mutable std::size_t lastFound_ = 0;
};

// How a value is written to the file so that reading gives it back: one line, and enclosed in
// double quotes when the reader would otherwise drop blanks or quotes at its ends.
std::string storedProfileValue(std::string_view value);

} // namespace huex
