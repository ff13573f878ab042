#include "IniText.h"

#include <algorithm>

namespace bacc::ini {

namespace {

// One line of the file: [begin, contentEnd) is its text without the line end, [begin, end) the whole
// line with its line end, if any.
struct Line {
    size_t begin = 0;
    size_t contentEnd = 0;
    size_t end = 0;
    bool hasNewline = false;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Case folding for single-byte (Latin-1) text.
unsigned char Fold(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 32);
    }
    return c;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Fold(static_cast<unsigned char>(x)) == Fold(static_cast<unsigned char>(y));
           });
}

class LineReader {
public:
    explicit LineReader(std::string_view content) : content_(content) {}

    bool Next(Line& line) {
        if (position_ >= content_.size()) {
            return false;
        }
        line.begin = position_;
        const size_t newline = content_.find('\n', position_);
        if (newline == std::string_view::npos) {
            line.end = content_.size();
            line.contentEnd = content_.size();
            line.hasNewline = false;
        } else {
            line.end = newline + 1;
            line.contentEnd = newline;
            line.hasNewline = true;
        }
        if (line.contentEnd > line.begin && content_[line.contentEnd - 1] == '\r') {
            --line.contentEnd;
        }
        position_ = line.end;
        return true;
    }

private:
    std::string_view content_;
    size_t position_ = 0;
};

std::string_view Text(std::string_view content, const Line& line) {
    return content.substr(line.begin, line.contentEnd - line.begin);
}

// The name of a section header line ("[name]", blanks allowed around it), or nothing.
std::optional<std::string_view> SectionName(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    text.remove_prefix(1);
    const size_t close = text.find(']');
    return close == std::string_view::npos ? text : text.substr(0, close);
}

bool IsBlankLine(std::string_view text) {
    return Trim(text).empty();
}

// Offset of the "=" of a key line whose name is key, or npos.
size_t KeyEquals(std::string_view text, std::string_view key) {
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos || !SameName(text.substr(0, equals), key)) {
        return std::string_view::npos;
    }
    return equals;
}

std::string_view UpToLineBreak(std::string_view text) {
    const size_t cut = text.find_first_of(std::string_view("\r\n\0", 3));
    return cut == std::string_view::npos ? text : text.substr(0, cut);
}

std::string_view LineEndStyle(std::string_view content) {
    const size_t newline = content.find('\n');
    if (newline != std::string_view::npos && newline > 0 && content[newline - 1] == '\r') {
        return "\r\n";
    }
    return "\n";
}

} // namespace

std::optional<std::string> Lookup(std::string_view content, std::string_view section, std::string_view key) {
    LineReader reader(content);
    Line line;
    bool inSection = false;
    bool sectionSeen = false;
    while (reader.Next(line)) {
        const std::string_view text = Text(content, line);
        if (const auto name = SectionName(text)) {
            if (inSection) {
                return std::nullopt; // only the first section of that name counts
            }
            inSection = !sectionSeen && SameName(*name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection) {
            continue;
        }
        const size_t equals = KeyEquals(text, key);
        if (equals != std::string_view::npos) {
            // A NUL ends the value, as it ends a C string.
            std::string_view value = text.substr(equals + 1);
            value = value.substr(0, value.find('\0'));
            return std::string(value.substr(0, std::min(value.size(), MaxValueLength)));
        }
    }
    return std::nullopt;
}

namespace {

// What an edit does to the content: the bytes at .. at + length become text.
struct Change {
    size_t at = 0;
    size_t length = 0;
    std::string text;
};

Change ChangeFor(std::string_view content, std::string_view section, std::string_view key,
                 std::string_view value) {
    value = UpToLineBreak(value);
    key = UpToLineBreak(key);
    section = UpToLineBreak(section);
    const std::string_view eol = LineEndStyle(content);

    LineReader reader(content);
    Line line;
    bool inSection = false;
    size_t insertAt = std::string_view::npos; // after the last non-blank line of the section
    bool insertNeedsBreak = false;
    while (reader.Next(line)) {
        const std::string_view text = Text(content, line);
        if (const auto name = SectionName(text)) {
            if (inSection) {
                break;
            }
            if (SameName(*name, section)) {
                inSection = true;
                insertAt = line.end;
                insertNeedsBreak = !line.hasNewline;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        const size_t equals = KeyEquals(text, key);
        if (equals != std::string_view::npos) {
            const size_t at = line.begin + equals + 1;
            return {at, line.contentEnd - at, std::string(value)};
        }
        if (!IsBlankLine(text)) {
            insertAt = line.end;
            insertNeedsBreak = !line.hasNewline;
        }
    }

    std::string added;
    if (inSection) {
        if (insertNeedsBreak) {
            // The section ends the file without a final line feed: the new line goes after it. A carriage
            // return that ends the file is already read as that line's end, so a line feed after it
            // makes the pair a CRLF and the line keeps every byte; the new last line ends as the old did.
            const bool endsInReturn = content.back() == '\r';
            added.append(endsInReturn ? "\n" : eol).append(key).append("=").append(value);
            if (endsInReturn) {
                added.append("\r");
            }
            return {content.size(), 0, added};
        }
        added.append(key).append("=").append(value).append(eol);
        return {insertAt, 0, added};
    }

    if (!content.empty() && content.back() != '\n') {
        added.append(content.back() == '\r' ? "\n" : eol);
    }
    added.append("[").append(section).append("]").append(eol);
    added.append(key).append("=").append(value).append(eol);
    return {content.size(), 0, added};
}

} // namespace

std::string Edit(std::string_view content, std::string_view section, std::string_view key,
                 std::string_view value) {
    std::string result(content);
    EditInPlace(result, section, key, value);
    return result;
}

bool EditInPlace(std::string& content, std::string_view section, std::string_view key,
                 std::string_view value) {
    const Change change = ChangeFor(content, section, key, value);
    if (change.length == change.text.size() && content.compare(change.at, change.length, change.text) == 0) {
        return false;
    }
    content.replace(change.at, change.length, change.text);
    return true;
}

} // namespace bacc::ini
