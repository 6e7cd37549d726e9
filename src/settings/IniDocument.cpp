#include "settings/IniDocument.h"

#include "pattern/NumberScan.h"

#include <algorithm>
#include <array>
#include <cstring>
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

// Room for the lines of a section the program adds: growing the vector one doubling at a time
// took a tenth of the time of a first save.
constexpr std::size_t kLinesReserved = 16;

bool isLineEnd(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

// The same line end in static storage, so that lines copy without it.
std::string_view staticLineEnd(std::string_view end) {
    static constexpr std::array<std::string_view, 4> ends{"\r\n", "\n", "\r", std::string_view("\0", 1)};
    const auto* found = std::find(ends.begin(), ends.end(), end);
    return found == ends.end() ? std::string_view() : *found;
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

} // namespace

std::size_t IniDocument::NameHash::operator()(std::string_view name) const noexcept {
    // FNV-1a with bit 5 set in every byte: names that differ only in ASCII letter case hash alike,
    // and the few other pairs this folds ('@' and '`', say) are told apart by SameName.
    std::size_t hash = 14695981039346656037ULL;
    for (const char c : name) hash = (hash ^ (static_cast<unsigned char>(c) | 0x20U)) * 1099511628211ULL;
    return hash;
}

bool IniDocument::SameName::operator()(std::string_view a, std::string_view b) const noexcept {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return x == y || lower(x) == lower(y); });
}

std::string storedProfileValue(std::string_view value) {
    std::string line(value);
    std::replace_if(line.begin(), line.end(), isLineEnd, ' ');
    // Only what the reader would change is kept by one more pair of quotes.
    if (trimBlanks(line).size() != line.size() || withoutQuotes(line).size() != line.size())
        line = '"' + line + '"';
    return line;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    document.text_ = text;
    document.sections_.reserve(1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '[')));
    bool endFound = false;
    for (std::size_t start = 0; start < text.size();) {
        // The copy ends in a NUL, which ends a line as well.
        const std::size_t end = start + std::strcspn(document.text_.c_str() + start, "\r\n");
        std::size_t next = end;
        if (next < text.size()) next += text.substr(next, 2) == "\r\n" ? 2 : 1;
        const std::string_view lineEnd = staticLineEnd(text.substr(end, next - end));
        if (!endFound && !lineEnd.empty() && lineEnd.front() != '\0') {
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

// The key's slot, or the free slot where it would go.
std::size_t IniDocument::slotOf(const Section& section, std::string_view key) const {
    const std::size_t mask = section.slots.size() - 1;
    for (std::size_t i = NameHash{}(key)&mask;; i = (i + 1) & mask) {
        const std::uint32_t line = section.slots[i];
        if (line == 0 || SameName{}(keyOf(section.lines[line - 1]), key)) return i;
    }
}

const IniDocument::Line* IniDocument::findLine(const Section& section, std::string_view key) const {
    if (section.slots.empty()) return nullptr;
    const std::uint32_t line = section.slots[slotOf(section, key)];
    return line == 0 ? nullptr : &section.lines[line - 1];
}

void IniDocument::index(Section& section, std::size_t line) {
    if ((section.keys + 1) * 2 > section.slots.size()) {
        const std::vector<std::uint32_t> old = std::exchange(
            section.slots, std::vector<std::uint32_t>(std::max<std::size_t>(16, section.slots.size() * 2)));
        for (const std::uint32_t kept : old) {
            if (kept != 0) section.slots[slotOf(section, keyOf(section.lines[kept - 1]))] = kept;
        }
    }
    std::uint32_t& slot = section.slots[slotOf(section, keyOf(section.lines[line]))];
    if (slot == 0) {
        slot = static_cast<std::uint32_t>(line + 1); // a later line of the same key is not read
        ++section.keys;
    }
}

void IniDocument::addLine(std::size_t start, std::size_t length, std::string_view end) {
    const Line line{start, length, end};
    const std::string_view text = lineText(line);
    const std::string_view trimmed = trimBlanks(text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        const std::string_view name =
            trimBlanks(trimmed.substr(1, close == std::string_view::npos ? close : close - 1));
        // A repeated section is kept as it is but never read: the first of a name counts.
        firstSection_.emplace(name, sections_.size());
        Section& section = sections_.emplace_back();
        section.lines.push_back(line);
        section.nameStart = static_cast<std::size_t>(name.data() - text_.data());
        section.nameLength = name.size();
    } else {
        Section& s = sections_.back();
        s.lines.push_back(describedLine(start, length, end));
        // A line without '=' names no value: the reader passes over it.
        if (s.lines.back().hasValue) {
            index(s, s.lines.size() - 1);
            s.addAfter = s.lines.size() - 1;
        }
    }
    sections_.back().kept = sections_.back().lines.size();
}

// The line at `start` in text_, with its key and value found.
IniDocument::Line IniDocument::describedLine(std::size_t start, std::size_t length,
                                             std::string_view end) const {
    Line line{start, length, end};
    const std::string_view text = lineText(line);
    if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
        const std::string_view key = trimBlanks(text.substr(0, equals));
        const std::string_view value = trimBlanks(text.substr(equals + 1));
        line.keyStart = static_cast<std::size_t>(key.data() - text.data());
        line.keyLength = key.size();
        line.valueStart = static_cast<std::size_t>(value.data() - text.data());
        line.valueEnd = line.valueStart + value.size();
        line.hasValue = true;
    }
    return line;
}

// A line of new text, put together at the end of text_.
IniDocument::Line IniDocument::newLine(std::initializer_list<std::string_view> parts, std::string_view end) {
    const std::size_t start = text_.size();
    for (const std::string_view part : parts) text_ += part;
    return describedLine(start, text_.size() - start, end);
}

IniDocument::Line* IniDocument::lastLine(Section& section) {
    if (section.lines.empty()) return nullptr;
    if (section.lines.size() > section.kept && section.addAfter + 1 == section.kept)
        return &section.lines.back();
    return &section.lines[section.kept - 1];
}

IniDocument::Section* IniDocument::find(std::string_view name) {
    if (lastFound_ != 0) {
        const Section& last = sections_[lastFound_];
        if (SameName{}(std::string_view(text_).substr(last.nameStart, last.nameLength), name))
            return &sections_[lastFound_];
    }
    const auto found = firstSection_.find(name);
    if (found == firstSection_.end()) return nullptr;
    lastFound_ = found->second;
    return &sections_[found->second];
}

const IniDocument::Section* IniDocument::find(std::string_view name) const {
    return const_cast<IniDocument*>(this)->find(name);
}

IniDocument::Section& IniDocument::add(std::string_view name) {
    Line* last = nullptr;
    for (auto s = sections_.rbegin(); s != sections_.rend() && !last; ++s) last = lastLine(*s);
    Section section;
    section.lines.reserve(kLinesReserved);
    if (last) {
        if (last->end.empty()) last->end = lineEnd_;
        if (!trimBlanks(lineText(*last)).empty()) section.lines.push_back(newLine({}, lineEnd_));
    }
    section.lines.push_back(newLine({"[", name, "]"}, lineEnd_));
    section.nameStart = section.lines.back().start + 1;
    section.nameLength = name.size();
    section.kept = section.lines.size();
    section.addAfter = section.kept - 1;
    firstSection_.emplace(name, sections_.size());
    sections_.push_back(std::move(section));
    return sections_.back();
}

std::optional<std::string> IniDocument::read(std::string_view section, std::string_view key) const {
    const Section* s = find(section);
    const Line* line = s ? findLine(*s, key) : nullptr;
    if (!line) return std::nullopt;
    return std::string(
        withoutQuotes(lineText(*line).substr(line->valueStart, line->valueEnd - line->valueStart)));
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
    Section* found = find(section);
    Section& s = found ? *found : add(section);
    const std::string stored = storedProfileValue(value);
    if (const Line* existing = findLine(s, key)) {
        Line& line = s.lines[static_cast<std::size_t>(existing - s.lines.data())];
        const std::string_view text = lineText(line);
        const std::string_view current = text.substr(line.valueStart, line.valueEnd - line.valueStart);
        if (withoutQuotes(current) == withoutQuotes(stored)) return; // reads as the value already
        // The new line is made of parts of text_: room first, so that they stay where they are.
        text_.reserve(text_.size() + line.length + stored.size());
        const std::string_view old = lineText(line);
        line = newLine({old.substr(0, line.valueStart), stored, old.substr(line.valueEnd)}, line.end);
        return;
    }
    Line& before = s.lines.size() > s.kept ? s.lines.back() : s.lines[s.addAfter];
    if (before.end.empty()) before.end = lineEnd_;
    s.lines.push_back(newLine({key, "=", stored}, lineEnd_));
    index(s, s.lines.size() - 1);
}

std::string IniDocument::text() const {
    std::string out;
    out.reserve(text_.size()); // about the size of the result: every line is in text_
    for (const Section& s : sections_) {
        const auto put = [&](std::size_t from, std::size_t to) {
            for (std::size_t i = from; i < to; ++i) {
                out += lineText(s.lines[i]);
                out += s.lines[i].end;
            }
        };
        // The lines read, with the added ones after the section's last key.
        const std::size_t split = s.kept == 0 ? 0 : s.addAfter + 1;
        put(0, split);
        put(s.kept, s.lines.size());
        put(split, s.kept);
    }
    return out;
}

} // namespace huex
