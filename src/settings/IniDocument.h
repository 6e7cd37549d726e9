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
#include <vector>

namespace huex {

class IniDocument {
  public:
    // A whole file. Lines end at CR LF, CR, LF or NUL; lines before the first section header
    // belong to no section.
    static IniDocument parse(std::string_view text);

    // The value as the profile functions read it; nothing when the section or key is missing. The
    // text stays valid until the next write.
    [[nodiscard]] std::optional<std::string_view> read(std::string_view section, std::string_view key) const;
    // Sets the value of the first matching key of the first section of that name; a value that
    // already reads back as `value` stays as it is written. A key new to the section follows its
    // last key (new keys in the order they are written), a new section goes at the end. Line
    // breaks and NULs in the value become blanks: a value is one line.
    void write(std::string_view section, std::string_view key, std::string_view value);

    [[nodiscard]] bool hasSection(std::string_view section) const { return find(section) != nullptr; }
    // The first section of that name loses its keys (its header, comments and blank lines stay):
    // what is written to it next follows its header in the order it is written.
    void clearSection(std::string_view section);

    // The whole document as file text; new lines end as the file's first line does (CR LF in a
    // new file).
    [[nodiscard]] std::string text() const;

  private:
    // Positions are offsets into text_, which holds the file and, after it, every line written
    // (a settings file is read only up to some megabytes, so 32 bits are room enough). All lines
    // sit in one vector and the names in two hash tables, so that a file costs a few allocations
    // rather than some for every section.
    struct Line {
        std::uint32_t start = 0, length = 0;
        std::uint32_t keyStart = 0, keyLength = 0;  // within the line, blanks round it excluded
        std::uint32_t valueStart = 0, valueEnd = 0; // likewise; both 0 on a line without '='
        std::uint32_t section = 0;
        std::uint32_t nextAdded = 0; // the section's next added line + 1, 0 after the last
        std::uint8_t end = 0;        // index into the line ends; 0: none (the very end)
        bool hasValue = false;
    };
    struct Section {
        // lines_[first, kept): the lines read from the file (header first); for a section this
        // program adds, its header (after a blank line).
        std::uint32_t first = 0, kept = 0;
        std::uint32_t addAfter = 0;                  // added lines follow this one of lines_
        std::uint32_t firstAdded = 0, lastAdded = 0; // indices into lines_ + 1; 0: none
        std::uint32_t nameStart = 0, nameLength = 0; // in text_, brackets and blanks left out
    };
    [[nodiscard]] std::string_view lineText(const Line& line) const;
    [[nodiscard]] std::string_view keyOf(const Line& line) const;
    [[nodiscard]] std::string_view nameOf(const Section& section) const;
    [[nodiscard]] std::size_t keySlot(std::uint32_t section, std::string_view key) const;
    [[nodiscard]] std::size_t sectionSlot(std::string_view name) const;
    [[nodiscard]] const Line* findLine(std::uint32_t section, std::string_view key) const;
    void indexKey(std::uint32_t line);
    void indexSection(std::uint32_t section);
    [[nodiscard]] Line describedLine(std::size_t start, std::size_t length, std::uint8_t end) const;
    Line newLine(std::initializer_list<std::string_view> parts, std::uint8_t end);
    [[nodiscard]] const Section* find(std::string_view name) const;
    std::uint32_t add(std::string_view name);
    void addLine(std::size_t start, std::size_t length, std::uint8_t end);
    void appendToSection(std::uint32_t section, const Line& line);
    [[nodiscard]] Line* lastLine();
    void putSection(std::string& out, const Section& section) const;

    std::string text_;
    std::vector<Line> lines_;
    std::vector<Section> sections_ = std::vector<Section>(1); // first: the lines before any header
    // Open addressing, 0 for a free slot: the first line of each key (index + 1) by section and
    // key, and the first section of each name (index + 1) by name.
    std::vector<std::uint32_t> keySlots_, sectionSlots_;
    std::size_t keys_ = 0, names_ = 0;
    std::uint8_t lineEnd_ = 1; // CR LF
    // The section found last: the settings are read and written a section at a time.
    mutable std::uint32_t lastFound_ = 0;
};

// How a value is written to the file so that reading gives it back: one line, and enclosed in
// double quotes when the reader would otherwise drop blanks or quotes at its ends.
std::string storedProfileValue(std::string_view value);

} // namespace huex
