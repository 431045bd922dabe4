#include "platform/profile_ini.h"

#include "platform/codepage.h"
#include "platform/text_case.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <unordered_set>

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNewLine = "\r\n";
constexpr std::size_t kNone = std::string_view::npos;

// One line of the file and the line end it had ("\r\n", "\n" or none for the last line).
struct Line {
    std::string text;
    std::string ending;
};

using Lines = std::vector<Line>;

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == kNone) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The first place of a one-byte character, never inside a double-byte character.
std::size_t FindCharacter(std::string_view text, char wanted) {
    for (std::size_t pos = 0; pos < text.size(); pos += Cp932CharLength(text, pos)) {
        if (text[pos] == wanted) {
            return pos;
        }
    }
    return kNone;
}

// The name of a section header line ("[name]", blanks allowed around the name); none for
// other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[') {
        return std::nullopt;
    }
    const std::string_view inside = trimmed.substr(1);
    return TrimBlanks(inside.substr(0, FindCharacter(inside, ']')));
}

// The key of a "key=value" line; none for comments and lines without "=".
std::optional<std::string_view> KeyName(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') {
        return std::nullopt;
    }
    const std::size_t equals = FindCharacter(trimmed, '=');
    if (equals == kNone) {
        return std::nullopt;
    }
    return TrimBlanks(trimmed.substr(0, equals));
}

std::string_view KeyValue(std::string_view line) {
    std::string_view value = TrimBlanks(line.substr(FindCharacter(line, '=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

Lines SplitLines(std::string_view bytes) {
    Lines lines;
    while (!bytes.empty()) {
        const std::size_t feed = bytes.find('\n');
        std::string_view text = bytes.substr(0, feed);
        std::string_view ending;
        if (feed != kNone) {
            const bool carriageReturn = !text.empty() && text.back() == '\r';
            if (carriageReturn) {
                text.remove_suffix(1);
            }
            ending = carriageReturn ? "\r\n" : "\n";
        }
        lines.push_back({std::string(text), std::string(ending)});
        bytes = feed == kNone ? std::string_view() : bytes.substr(feed + 1);
    }
    return lines;
}

// The file's lines; none when the file does not exist.
Result<std::optional<Lines>> LoadLines(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        std::error_code error;
        if (!fs::exists(file, error) && !error) {
            return std::optional<Lines>();
        }
        return Failure{"cannot read profile " + file.string() + ": " + std::strerror(errno)};
    }
    const std::string bytes{std::istreambuf_iterator<char>(stream),
                            std::istreambuf_iterator<char>()};
    if (stream.bad()) {
        return Failure{"cannot read profile " + file.string() + ": read error"};
    }
    return std::optional<Lines>(SplitLines(bytes));
}

// Lines of an existing, readable file; no lines otherwise, which is what a reader sees.
Lines LinesForReading(const fs::path& file) {
    Result<std::optional<Lines>> lines = LoadLines(file);
    return lines && lines.Value() ? std::move(*lines.Value()) : Lines();
}

Status SaveLines(const Lines& lines, const fs::path& file) {
    struct Closer {
        void operator()(std::FILE* stream) const { std::fclose(stream); }
    };
    std::unique_ptr<std::FILE, Closer> stream(std::fopen(file.c_str(), "wb"));
    if (!stream) {
        return Failure{"cannot write profile " + file.string() + ": " + std::strerror(errno)};
    }
    for (const Line& line : lines) {
        if (std::fwrite(line.text.data(), 1, line.text.size(), stream.get()) != line.text.size() ||
            std::fwrite(line.ending.data(), 1, line.ending.size(), stream.get()) !=
                line.ending.size()) {
            return Failure{"cannot write profile " + file.string() + ": " + std::strerror(errno)};
        }
    }
    if (std::fclose(stream.release()) != 0) {
        return Failure{"cannot write profile " + file.string() + ": " + std::strerror(errno)};
    }
    return {};
}

// Index of the first header of the section; kNone when absent.
std::size_t FindSection(const Lines& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i].text);
        if (name && EqualNoCase(*name, section)) {
            return i;
        }
    }
    return kNone;
}

// Index of the line after the section that starts at header: the next header or the end.
std::size_t SectionEnd(const Lines& lines, std::size_t header) {
    std::size_t end = header + 1;
    while (end < lines.size() && !SectionName(lines[end].text)) {
        ++end;
    }
    return end;
}

std::size_t FindKey(const Lines& lines, std::size_t header, std::string_view key) {
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = KeyName(lines[i].text);
        if (name && EqualNoCase(*name, key)) {
            return i;
        }
    }
    return kNone;
}

// Puts a new line before index `at`; the line before it gets a line end if it had none.
void InsertLine(Lines& lines, std::size_t at, std::string text) {
    if (at > 0 && lines[at - 1].ending.empty()) {
        lines[at - 1].ending = kNewLine;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                 Line{std::move(text), std::string(kNewLine)});
}

void SetKey(Lines& lines, std::string_view section, std::string_view key, std::string_view value) {
    const std::size_t header = FindSection(lines, section);
    if (header == kNone) {
        if (!lines.empty() && !TrimBlanks(lines.back().text).empty()) {
            InsertLine(lines, lines.size(), "");
        }
        // Held first: g++ 12 takes "[" + a temporary string for an overlapping copy.
        const std::string name(section);
        InsertLine(lines, lines.size(), "[" + name + "]");
        InsertLine(lines, lines.size(), std::string(key) + "=" + std::string(value));
        return;
    }
    if (const std::size_t found = FindKey(lines, header, key); found != kNone) {
        lines[found].text = std::string(*KeyName(lines[found].text)) + "=" + std::string(value);
        return;
    }
    std::size_t after = header;
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (!TrimBlanks(lines[i].text).empty()) {
            after = i;
        }
    }
    InsertLine(lines, after + 1, std::string(key) + "=" + std::string(value));
}

} // namespace

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, const fs::path& file) {
    const Lines lines = LinesForReading(file);
    const std::size_t header = FindSection(lines, section);
    if (header == kNone) {
        return std::string(fallback);
    }
    const std::size_t found = FindKey(lines, header, key);
    return std::string(found == kNone ? fallback : KeyValue(lines[found].text));
}

std::unordered_map<std::string, std::string>
ReadProfileSection(std::string_view section, const fs::path& file, SectionRepeats repeats) {
    std::unordered_map<std::string, std::string> values;
    std::unordered_set<std::string> keysOfThisSection;
    bool inSection = false;
    bool seenSection = false;
    for (const Line& line : LinesForReading(file)) {
        if (const auto name = SectionName(line.text)) {
            const bool match = EqualNoCase(*name, section);
            if (match && seenSection && repeats == SectionRepeats::FirstOnly) {
                break;
            }
            inSection = match;
            seenSection = seenSection || match;
            keysOfThisSection.clear();
            continue;
        }
        const auto key = inSection ? KeyName(line.text) : std::nullopt;
        if (key && keysOfThisSection.insert(UpperAscii(*key)).second) {
            values[UpperAscii(*key)] = std::string(KeyValue(line.text));
        }
    }
    return values;
}

std::vector<std::string> ReadProfileKeys(std::string_view section, const fs::path& file) {
    const Lines lines = LinesForReading(file);
    std::vector<std::string> keys;
    const std::size_t header = FindSection(lines, section);
    if (header == kNone) {
        return keys;
    }
    const std::size_t end = SectionEnd(lines, header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (const auto name = KeyName(lines[i].text)) {
            keys.emplace_back(*name);
        }
    }
    return keys;
}

std::vector<std::string> ReadProfileSections(const fs::path& file) {
    std::vector<std::string> sections;
    for (const Line& line : LinesForReading(file)) {
        if (const auto name = SectionName(line.text)) {
            sections.emplace_back(*name);
        }
    }
    return sections;
}

Status WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                          const fs::path& file) {
    Result<std::optional<Lines>> loaded = LoadLines(file);
    if (!loaded) {
        return Failure{loaded.Error()};
    }
    Lines lines = loaded.Value() ? std::move(*loaded.Value()) : Lines();
    SetKey(lines, section, key, value);
    return SaveLines(lines, file);
}

Status DeleteProfileKey(std::string_view section, std::string_view key, const fs::path& file) {
    Result<std::optional<Lines>> loaded = LoadLines(file);
    if (!loaded || !loaded.Value()) {
        return loaded ? Status() : Status(Failure{loaded.Error()});
    }
    Lines& lines = *loaded.Value();
    const std::size_t header = FindSection(lines, section);
    const std::size_t found = header == kNone ? kNone : FindKey(lines, header, key);
    if (found == kNone) {
        return {};
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(found));
    return SaveLines(lines, file);
}

Status DeleteProfileSection(std::string_view section, const fs::path& file) {
    Result<std::optional<Lines>> loaded = LoadLines(file);
    if (!loaded || !loaded.Value()) {
        return loaded ? Status() : Status(Failure{loaded.Error()});
    }
    Lines& lines = *loaded.Value();
    const std::size_t header = FindSection(lines, section);
    if (header == kNone) {
        return {};
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header),
                lines.begin() + static_cast<std::ptrdiff_t>(SectionEnd(lines, header)));
    return SaveLines(lines, file);
}

} // namespace platform
