#include "settings/IniDocument.h"

#include "pattern/NumberScan.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <utility>

namespace huex {

namespace {

// ASCII letters to lower case by table: names are compared and hashed a great deal.
constexpr std::array<unsigned char, 256> kLowerCase = [] {
    std::array<unsigned char, 256> table{};
    for (std::size_t c = 0; c < table.size(); ++c)
        table[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return table;
}();

unsigned char lower(char c) {
    return kLowerCase[static_cast<unsigned char>(c)];
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

// Line ends by number, so that a line holds one byte for its end; 0 is none (the file's end).
constexpr std::array<std::string_view, 5> kLineEnds{"", "\r\n", "\n", "\r", std::string_view("\0", 1)};
constexpr std::uint8_t kNoEnd = 0, kNul = 4;

// The line end that starts at `at`.
std::uint8_t lineEndAt(std::string_view text, std::size_t at) {
    if (at == text.size()) return kNoEnd;
    switch (text[at]) {
    case '\r':
        return at + 1 < text.size() && text[at + 1] == '\n' ? 1 : 3;
    case '\n':
        return 2;
    default:
        return kNul;
    }
}

// What the profile reader trims from names and values: ASCII blanks and the old end-of-file mark
// Ctrl+Z. Blanks of other scripts (no-break space, ideographic space) are kept.
bool isProfileBlank(char c) {
    return isCSpace(c) || c == '\x1A';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isProfileBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

// The profile reader drops one pair of matching quotes round a value.
std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Names match without regard to ASCII letter case. FNV-1a with bit 5 set in every byte: names
// that differ only in letter case hash alike, and the few other pairs this folds ('@' and '`',
// say) are told apart by sameName.
std::size_t nameHash(std::string_view name) {
    std::size_t hash = 14695981039346656037ULL;
    for (const char c : name) hash = (hash ^ (static_cast<unsigned char>(c) | 0x20U)) * 1099511628211ULL;
    return hash;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return x == y || lower(x) == lower(y); });
}

std::size_t keyHash(std::uint32_t section, std::string_view key) {
    return nameHash(key) ^ ((section + 1ULL) * 0x9E3779B97F4A7C15ULL);
}

// Room for what a save adds to a file: the lines of the keys and sections new to it.
constexpr std::size_t kLinesAdded = 128;

// A table of at least twice as many slots as entries, a power of two.
std::size_t slotCount(std::size_t entries) {
    std::size_t slots = 16;
    while (slots < entries * 2) slots *= 2;
    return slots;
}

// Makes room for one more entry in a table of `entries`, keeping it at most half full.
template <class HashOf> void makeRoom(std::vector<std::uint32_t>& slots, std::size_t entries, HashOf hashOf) {
    if ((entries + 1) * 2 <= slots.size()) return;
    const std::vector<std::uint32_t> old =
        std::exchange(slots, std::vector<std::uint32_t>(slotCount(entries + 1)));
    const std::size_t mask = slots.size() - 1;
    for (const std::uint32_t value : old) {
        if (value == 0) continue;
        std::size_t i = hashOf(value) & mask;
        while (slots[i] != 0) i = (i + 1) & mask;
        slots[i] = value;
    }
}

// Whether the reader would give back something else than `value` written as it is.
bool needsStoring(std::string_view value) {
    return std::any_of(value.begin(), value.end(), isLineEnd) || trimBlanks(value).size() != value.size() ||
           withoutQuotes(value).size() != value.size();
}

} // namespace

std::string storedProfileValue(std::string_view value) {
    std::string line(value);
    if (!needsStoring(value)) return line;
    std::replace_if(line.begin(), line.end(), isLineEnd, ' ');
    // Only what the reader would change is kept by one more pair of quotes.
    if (trimBlanks(line).size() != line.size() || withoutQuotes(line).size() != line.size())
        line = '"' + line + '"';
    return line;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    document.text_ = text;
    // Every line ends in a line end but the last, every key line holds a '=' and every header a '['.
    std::size_t lines = 1, keys = 0, sections = 1;
    for (const char c : text) {
        lines += isLineEnd(c) ? 1 : 0;
        keys += c == '=' ? 1 : 0;
        sections += c == '[' ? 1 : 0;
    }
    document.lines_.reserve(lines + kLinesAdded);
    document.keySlots_.resize(slotCount(keys + kLinesAdded));
    document.sections_.reserve(sections + 16);
    document.sectionSlots_.resize(slotCount(sections + 16));
    bool endFound = false;
    for (std::size_t start = 0; start < text.size();) {
        // The copy ends in a NUL, which ends a line as well.
        const std::size_t end = start + std::strcspn(document.text_.c_str() + start, "\r\n");
        const std::uint8_t lineEnd = lineEndAt(text, end);
        const std::size_t next = end + kLineEnds[lineEnd].size();
        if (!endFound && lineEnd != kNoEnd && lineEnd != kNul) {
            document.lineEnd_ = lineEnd;
            endFound = true;
        }
        document.addLine(start, end - start, lineEnd);
        start = next;
    }
    return document;
}

std::string_view IniDocument::lineText(const Line& line) const {
    return std::string_view(text_).substr(line.start, line.length);
}

std::string_view IniDocument::keyOf(const Line& line) const {
    return lineText(line).substr(line.keyStart, line.keyLength);
}

std::string_view IniDocument::nameOf(const Section& section) const {
    return std::string_view(text_).substr(section.nameStart, section.nameLength);
}

// The slot of the section's key, or the free slot where it would go.
std::size_t IniDocument::keySlot(std::uint32_t section, std::string_view key) const {
    const std::size_t mask = keySlots_.size() - 1;
    for (std::size_t i = keyHash(section, key) & mask;; i = (i + 1) & mask) {
        const std::uint32_t line = keySlots_[i];
        if (line == 0) return i;
        const Line& found = lines_[line - 1];
        if (found.section == section && sameName(keyOf(found), key)) return i;
    }
}

std::size_t IniDocument::sectionSlot(std::string_view name) const {
    const std::size_t mask = sectionSlots_.size() - 1;
    for (std::size_t i = nameHash(name) & mask;; i = (i + 1) & mask) {
        const std::uint32_t section = sectionSlots_[i];
        if (section == 0 || sameName(nameOf(sections_[section - 1]), name)) return i;
    }
}

const IniDocument::Line* IniDocument::findLine(std::uint32_t section, std::string_view key) const {
    const std::uint32_t line = keySlots_[keySlot(section, key)];
    return line == 0 ? nullptr : &lines_[line - 1];
}

void IniDocument::indexKey(std::uint32_t line) {
    makeRoom(keySlots_, keys_,
             [&](std::uint32_t l) { return keyHash(lines_[l - 1].section, keyOf(lines_[l - 1])); });
    const Line& added = lines_[line];
    std::uint32_t& slot = keySlots_[keySlot(added.section, keyOf(added))];
    if (slot == 0) {
        slot = line + 1; // a later line of the same key is not read
        ++keys_;
    }
}

void IniDocument::indexSection(std::uint32_t section) {
    makeRoom(sectionSlots_, names_, [&](std::uint32_t s) { return nameHash(nameOf(sections_[s - 1])); });
    std::uint32_t& slot = sectionSlots_[sectionSlot(nameOf(sections_[section]))];
    if (slot == 0) {
        slot = section + 1; // a repeated section is kept as it is but never read
        ++names_;
    }
}

void IniDocument::addLine(std::size_t start, std::size_t length, std::uint8_t end) {
    const auto number = static_cast<std::uint32_t>(lines_.size());
    Line line = describedLine(start, length, end);
    const std::string_view trimmed = trimBlanks(lineText(line));
    if (!trimmed.empty() && trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        const std::string_view name =
            trimBlanks(trimmed.substr(1, close == std::string_view::npos ? close : close - 1));
        line.hasValue = false; // a header names no key
        const auto section = static_cast<std::uint32_t>(sections_.size());
        line.section = section;
        Section& s = sections_.emplace_back();
        s.first = s.addAfter = number;
        s.nameStart = static_cast<std::uint32_t>(name.data() - text_.data());
        s.nameLength = static_cast<std::uint32_t>(name.size());
        indexSection(section);
    } else {
        line.section = static_cast<std::uint32_t>(sections_.size() - 1);
    }
    lines_.push_back(line);
    Section& s = sections_.back();
    s.kept = number + 1;
    // A line without '=' names no value: the reader passes over it.
    if (line.hasValue) {
        indexKey(number);
        s.addAfter = number;
    }
}

// The line at `start` in text_, with its key and value found.
IniDocument::Line IniDocument::describedLine(std::size_t start, std::size_t length, std::uint8_t end) const {
    Line line{static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(length)};
    line.end = end;
    const std::string_view text = lineText(line);
    if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
        const std::string_view key = trimBlanks(text.substr(0, equals));
        const std::string_view value = trimBlanks(text.substr(equals + 1));
        line.keyStart = static_cast<std::uint32_t>(key.data() - text.data());
        line.keyLength = static_cast<std::uint32_t>(key.size());
        line.valueStart = static_cast<std::uint32_t>(value.data() - text.data());
        line.valueEnd = static_cast<std::uint32_t>(line.valueStart + value.size());
        line.hasValue = true;
    }
    return line;
}

// A line of new text, put together at the end of text_.
IniDocument::Line IniDocument::newLine(std::initializer_list<std::string_view> parts, std::uint8_t end) {
    const std::size_t start = text_.size();
    for (const std::string_view part : parts) text_ += part;
    return describedLine(start, text_.size() - start, end);
}

// The document's last line as text() puts it; nothing in an empty document.
IniDocument::Line* IniDocument::lastLine() {
    const Section& s = sections_.back();
    if (s.lastAdded != 0 && s.addAfter + 1 == s.kept) return &lines_[s.lastAdded - 1];
    return s.kept > s.first ? &lines_[s.kept - 1] : nullptr;
}

const IniDocument::Section* IniDocument::find(std::string_view name) const {
    if (lastFound_ != 0 && sameName(nameOf(sections_[lastFound_]), name)) return &sections_[lastFound_];
    const std::uint32_t found = sectionSlots_.empty() ? 0 : sectionSlots_[sectionSlot(name)];
    if (found == 0) return nullptr;
    lastFound_ = found - 1;
    return &sections_[lastFound_];
}

std::uint32_t IniDocument::add(std::string_view name) {
    const auto section = static_cast<std::uint32_t>(sections_.size());
    const auto first = static_cast<std::uint32_t>(lines_.size());
    if (Line* last = lastLine()) {
        if (last->end == kNoEnd) last->end = lineEnd_;
        if (!trimBlanks(lineText(*last)).empty()) lines_.push_back(newLine({}, lineEnd_));
    }
    lines_.push_back(newLine({"[", name, "]"}, lineEnd_));
    lines_.back().hasValue = false;
    Section& s = sections_.emplace_back();
    s.first = first;
    s.kept = static_cast<std::uint32_t>(lines_.size());
    s.addAfter = s.kept - 1;
    s.nameStart = lines_.back().start + 1;
    s.nameLength = static_cast<std::uint32_t>(name.size());
    for (std::uint32_t i = first; i < s.kept; ++i) lines_[i].section = section;
    indexSection(section);
    return section;
}

// A new line of the section, after its last added one (or after its last key).
void IniDocument::appendToSection(std::uint32_t section, const Line& line) {
    const auto number = static_cast<std::uint32_t>(lines_.size());
    lines_.push_back(line);
    lines_.back().section = section;
    Section& s = sections_[section];
    if (s.lastAdded != 0)
        lines_[s.lastAdded - 1].nextAdded = number + 1;
    else
        s.firstAdded = number + 1;
    s.lastAdded = number + 1;
    indexKey(number);
}

std::optional<std::string_view> IniDocument::read(std::string_view section, std::string_view key) const {
    const Section* s = find(section);
    const Line* line =
        s && !keySlots_.empty() ? findLine(static_cast<std::uint32_t>(s - sections_.data()), key) : nullptr;
    if (!line) return std::nullopt;
    return withoutQuotes(lineText(*line).substr(line->valueStart, line->valueEnd - line->valueStart));
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
    const Section* found = find(section);
    const std::uint32_t number = found ? static_cast<std::uint32_t>(found - sections_.data()) : add(section);
    if (keySlots_.empty()) keySlots_.resize(slotCount(kLinesAdded));
    // Most values are stored as they are. A value read from this document is copied first: the
    // text it lies in moves as lines are added.
    const bool inText = std::less_equal<>{}(text_.data(), value.data()) &&
                        std::less<>{}(value.data(), text_.data() + text_.size());
    std::string copy;
    const std::string_view stored =
        needsStoring(value) || inText ? std::string_view(copy = storedProfileValue(value)) : value;
    if (const Line* existing = findLine(number, key)) {
        Line& line = lines_[static_cast<std::size_t>(existing - lines_.data())];
        const std::string_view text = lineText(line);
        const std::string_view current = text.substr(line.valueStart, line.valueEnd - line.valueStart);
        if (withoutQuotes(current) == withoutQuotes(stored)) return; // reads as the value already
        // The new line is made of parts of text_: room first, so that they stay where they are.
        text_.reserve(text_.size() + line.length + stored.size());
        const std::string_view old = lineText(line);
        Line rewritten =
            newLine({old.substr(0, line.valueStart), stored, old.substr(line.valueEnd)}, line.end);
        rewritten.section = line.section;
        rewritten.nextAdded = line.nextAdded;
        line = rewritten;
        return;
    }
    Section& s = sections_[number];
    Line& before = lines_[s.lastAdded != 0 ? s.lastAdded - 1 : s.addAfter];
    if (before.end == kNoEnd) before.end = lineEnd_;
    appendToSection(number, newLine({key, "=", stored}, lineEnd_));
}

void IniDocument::putSection(std::string& out, const Section& section) const {
    const auto put = [&](const Line& line) {
        out += lineText(line);
        out += kLineEnds[line.end];
    };
    for (std::uint32_t i = section.first; i < section.kept; ++i) {
        put(lines_[i]);
        // The lines added follow the section's last key.
        if (i == section.addAfter) {
            for (std::uint32_t added = section.firstAdded; added != 0; added = lines_[added - 1].nextAdded)
                put(lines_[added - 1]);
        }
    }
}

void IniDocument::clearSection(std::string_view section) {
    const Section* cleared = find(section);
    if (!cleared) return;
    // Rare (a save's few sections written whole): the text without the section's keys is read
    // again, which keeps the line tables as simple as a fresh read leaves them. Lines without a
    // value (comments, blank lines) stay, as everywhere.
    std::string out;
    out.reserve(text_.size());
    for (const Section& s : sections_) {
        if (&s != cleared) {
            putSection(out, s);
            continue;
        }
        for (std::uint32_t i = s.first; i < s.kept; ++i) {
            const Line& line = lines_[i];
            if (line.hasValue) continue;
            out += lineText(line);
            out += kLineEnds[line.end];
        }
    }
    const std::uint8_t lineEnd = lineEnd_;
    *this = parse(out);
    lineEnd_ = lineEnd;
}

std::string IniDocument::text() const {
    std::string out;
    out.reserve(text_.size()); // about the size of the result: every line is in text_
    for (const Section& s : sections_) putSection(out, s);
    return out;
}

} // namespace huex
