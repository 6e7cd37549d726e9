#include "settings/IniDocument.h"

#include "pattern/NumberScan.h"

#include <algorithm>

namespace huex {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string_view name) {
    std::string out(name);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

// Splits text at line ends and hands each non-empty trimmed line to `take`.
template <class Take> void forEachLine(std::string_view text, Take take) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = start;
        while (end < text.size() && !isLineEnd(text[end])) ++end;
        const std::string_view line = trimCSpace(text.substr(start, end - start));
        if (!line.empty()) take(line);
        start = end + 1;
    }
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

std::string storedProfileValue(std::string_view value) {
    std::string line(value);
    std::replace_if(line.begin(), line.end(), isLineEnd, ' ');
    // Blanks at the ends are dropped by the reader (non-ASCII bytes may start a blank of another
    // script), and so are quotes round the value: both are kept by one more pair of quotes.
    const auto unsafeEnd = [](char c) { return isCSpace(c) || static_cast<unsigned char>(c) >= 0x80; };
    if (!line.empty() &&
        (unsafeEnd(line.front()) || unsafeEnd(line.back()) || withoutQuotes(line).size() != line.size()))
        line = '"' + line + '"';
    return line;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    Section* current = nullptr;
    forEachLine(text, [&](std::string_view line) {
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name = trimCSpace(
                line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            // A repeated section is kept as it is but never read: the first of a name counts.
            document.sections_.push_back(Section{std::string(name), {}, {}});
            current = &document.sections_.back();
        } else if (current) {
            addLine(*current, line);
        }
    });
    return document;
}

void IniDocument::addLine(Section& section, std::string_view line) {
    Line entry;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        entry.key = line;
    } else {
        entry.key = trimCSpace(line.substr(0, equals));
        entry.value = trimCSpace(line.substr(equals + 1));
        entry.hasValue = true;
    }
    // A line without '=' names no value: the reader passes over it.
    if (entry.hasValue) section.firstLine.emplace(lowerCase(entry.key), section.lines.size());
    section.lines.push_back(std::move(entry));
}

const IniDocument::Line* IniDocument::findLine(const Section& section, std::string_view key) {
    const auto found = section.firstLine.find(lowerCase(key));
    return found == section.firstLine.end() ? nullptr : &section.lines[found->second];
}

IniDocument::Section* IniDocument::find(std::string_view name) {
    for (Section& s : sections_) {
        if (sameName(s.name, name)) return &s;
    }
    return nullptr;
}

const IniDocument::Section* IniDocument::find(std::string_view name) const {
    return const_cast<IniDocument*>(this)->find(name);
}

IniDocument::Section& IniDocument::findOrAdd(std::string_view name) {
    if (Section* s = find(name)) return *s;
    sections_.push_back(Section{std::string(name), {}, {}});
    return sections_.back();
}

std::optional<std::string> IniDocument::read(std::string_view section, std::string_view key) const {
    const Section* s = find(section);
    const Line* line = s ? findLine(*s, key) : nullptr;
    if (!line) return std::nullopt;
    return std::string(withoutQuotes(line->value));
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = findOrAdd(section);
    std::string stored = storedProfileValue(value);
    if (const Line* found = findLine(s, key)) {
        Line& line = s.lines[static_cast<std::size_t>(found - s.lines.data())];
        line.value = std::move(stored);
        line.hasValue = true;
        return;
    }
    s.firstLine.emplace(lowerCase(key), s.lines.size());
    s.lines.push_back(Line{std::string(key), std::move(stored), true});
}

std::string IniDocument::sectionLines(std::string_view section) const {
    std::string out;
    if (const Section* s = find(section)) {
        for (const Line& line : s->lines) {
            out += line.key;
            if (line.hasValue) out += '=' + line.value;
            out += '\0';
        }
    }
    return out;
}

std::vector<std::string> IniDocument::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) names.push_back(s.name);
    return names;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Section& s : sections_) {
        out += '[' + s.name + "]\r\n";
        for (const Line& line : s.lines) {
            out += line.key;
            if (line.hasValue) out += '=' + line.value;
            out += "\r\n";
        }
    }
    return out;
}

} // namespace huex
