#include "settings/IniDocument.h"

#include "settings/FileText.h"

#include <algorithm>
#include <array>

namespace huex {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

// The same line end in static storage, so that lines copy without it.
std::string_view staticLineEnd(std::string_view end) {
    static constexpr std::array<std::string_view, 4> ends{"\r\n", "\n", "\r", std::string_view("\0", 1)};
    const auto* found = std::find(ends.begin(), ends.end(), end);
    return found == ends.end() ? std::string_view() : *found;
}

// What the profile reader trims from names and values: the platform's blanks in any script, and
// the old end-of-file mark Ctrl+Z.
bool isProfileBlank(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

std::size_t blankAtFront(std::string_view text) {
    std::size_t length = 0;
    return !text.empty() && isProfileBlank(nextCodePoint(text, length)) ? length : 0;
}

std::size_t blankAtBack(std::string_view text) {
    std::size_t start = text.size();
    for (int i = 0; i < 4 && start > 0; ++i) {
        if ((static_cast<unsigned char>(text[--start]) & 0xC0) != 0x80) break;
    }
    std::size_t length = 0;
    return start < text.size() && isProfileBlank(nextCodePoint(text.substr(start), length)) &&
                   start + length == text.size()
               ? length
               : 0;
}

std::string_view trimBlanks(std::string_view text) {
    for (std::size_t n = blankAtFront(text); n != 0; n = blankAtFront(text)) text.remove_prefix(n);
    for (std::size_t n = blankAtBack(text); n != 0; n = blankAtBack(text)) text.remove_suffix(n);
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
    std::size_t hash = 14695981039346656037ULL; // FNV-1a over the lower-case letters
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(lower(c))) * 1099511628211ULL;
    return hash;
}

bool IniDocument::SameName::operator()(std::string_view a, std::string_view b) const noexcept {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
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
    bool endFound = false;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = start;
        while (end < text.size() && !isLineEnd(text[end])) ++end;
        std::size_t next = end;
        if (next < text.size()) next += text.substr(next, 2) == "\r\n" ? 2 : 1;
        const std::string_view lineEnd = text.substr(end, next - end);
        if (!endFound && !lineEnd.empty() && lineEnd.front() != '\0') {
            document.lineEnd_ = staticLineEnd(lineEnd);
            endFound = true;
        }
        document.addLine(text.substr(start, end - start), lineEnd);
        start = next;
    }
    return document;
}

void IniDocument::addLine(std::string_view text, std::string_view end) {
    Line line{std::string(text), staticLineEnd(end)};
    const std::string_view trimmed = trimBlanks(text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        const std::string_view name =
            trimBlanks(trimmed.substr(1, close == std::string_view::npos ? close : close - 1));
        // A repeated section is kept as it is but never read: the first of a name counts.
        firstSection_.emplace(name, sections_.size());
        sections_.emplace_back();
    } else if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
        const std::string_view value = trimBlanks(text.substr(equals + 1));
        line.valueStart = static_cast<std::size_t>(value.data() - text.data());
        line.valueEnd = line.valueStart + value.size();
        Section& s = sections_.back();
        s.firstLine.emplace(trimBlanks(text.substr(0, equals)), s.lines.size());
        s.addAfter = s.lines.size();
    }
    // A line without '=' names no value: the reader passes over it.
    Section& s = sections_.back();
    s.lines.push_back(std::move(line));
    s.kept = s.lines.size();
}

IniDocument::Line* IniDocument::lastLine(Section& section) {
    if (section.lines.empty()) return nullptr;
    if (section.lines.size() > section.kept && section.addAfter + 1 == section.kept)
        return &section.lines.back();
    return &section.lines[section.kept - 1];
}

IniDocument::Section* IniDocument::find(std::string_view name) {
    const auto found = firstSection_.find(name);
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

const IniDocument::Section* IniDocument::find(std::string_view name) const {
    return const_cast<IniDocument*>(this)->find(name);
}

IniDocument::Section& IniDocument::add(std::string_view name) {
    Line* last = nullptr;
    for (auto s = sections_.rbegin(); s != sections_.rend() && !last; ++s) last = lastLine(*s);
    Section section;
    if (last) {
        if (last->end.empty()) last->end = lineEnd_;
        if (!trimBlanks(last->text).empty()) section.lines.push_back(Line{"", lineEnd_});
    }
    section.lines.push_back(Line{'[' + std::string(name) + ']', lineEnd_});
    section.kept = section.lines.size();
    section.addAfter = section.kept - 1;
    firstSection_.emplace(name, sections_.size());
    sections_.push_back(std::move(section));
    return sections_.back();
}

std::optional<std::string> IniDocument::read(std::string_view section, std::string_view key) const {
    const Section* s = find(section);
    if (!s) return std::nullopt;
    const auto found = s->firstLine.find(key);
    if (found == s->firstLine.end()) return std::nullopt;
    const Line& line = s->lines[found->second];
    return std::string(
        withoutQuotes(std::string_view(line.text).substr(line.valueStart, line.valueEnd - line.valueStart)));
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
    Section* found = find(section);
    Section& s = found ? *found : add(section);
    std::string stored = storedProfileValue(value);
    if (const auto at = s.firstLine.find(key); at != s.firstLine.end()) {
        Line& line = s.lines[at->second];
        const std::size_t length = line.valueEnd - line.valueStart;
        const std::string_view current = std::string_view(line.text).substr(line.valueStart, length);
        if (withoutQuotes(current) == withoutQuotes(stored)) return; // reads as the value already
        line.text.replace(line.valueStart, length, stored);
        line.valueEnd = line.valueStart + stored.size();
        return;
    }
    Line& before = s.lines.size() > s.kept ? s.lines.back() : s.lines[s.addAfter];
    if (before.end.empty()) before.end = lineEnd_;
    const std::size_t valueStart = key.size() + 1;
    Line line{std::string(key) + '=' + stored, lineEnd_, valueStart, valueStart + stored.size()};
    s.firstLine.emplace(key, s.lines.size());
    s.lines.push_back(std::move(line));
}

std::string IniDocument::text() const {
    std::string out;
    for (const Section& s : sections_) {
        const auto put = [&](std::size_t from, std::size_t to) {
            for (std::size_t i = from; i < to; ++i) {
                out += s.lines[i].text;
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
