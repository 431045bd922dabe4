#include "exif/name_templates.h"

#include "exif/cp932_case.h"
#include "exif/summary_reading.h"
#include "exif/summary_values.h"
#include "platform/codepage.h"
#include "platform/file_error.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace exif {
namespace {

// A date no file has, for a source without any date: it sorts after every real one.
constexpr std::string_view kNoDate = "9999:99:99 99:99:99";

template <std::size_t N>
std::array<std::string, N> Cp932Choices(const std::string_view (&utf8)[N]) {
    std::array<std::string, N> choices;
    for (std::size_t i = 0; i < N; ++i) {
        choices[i] = Cp932(utf8[i]);
    }
    return choices;
}

// Characters `from` to `from + length - 1` of the date text "yyyy:mm:dd hh:nn:ss", counted from
// 1; whatever part a short text lacks stays empty.
std::string_view DatePiece(std::string_view date, std::size_t from, std::size_t length) {
    return from - 1 < date.size() ? date.substr(from - 1, length) : std::string_view();
}

// Replaces the first occurrence of token that starts on a character boundary, so a trail byte
// and the byte after it are never taken for a token.
bool ReplaceFirst(std::string& text, std::string_view token, std::string_view replacement) {
    for (std::size_t pos = 0; pos < text.size(); pos += platform::Cp932CharLength(text, pos)) {
        if (text.compare(pos, token.size(), token) == 0) {
            text.replace(pos, token.size(), replacement);
            return true;
        }
    }
    return false;
}

std::string DatePart(std::string pattern, std::string_view date) {
    // "YYYY" goes first, so that "YY" never takes half of a four-digit year. The list item
    // "MMDDYYY" is short of one Y: it means the four-digit year like its neighbours.
    if (!ReplaceFirst(pattern, "YYYY", DatePiece(date, 1, 4))) {
        ReplaceFirst(pattern, "YYY", DatePiece(date, 1, 4));
    }
    ReplaceFirst(pattern, "YY", DatePiece(date, 3, 2));
    ReplaceFirst(pattern, "MM", DatePiece(date, 6, 2));
    ReplaceFirst(pattern, "DD", DatePiece(date, 9, 2));
    return pattern;
}

std::string TimePart(std::string pattern, std::string_view date) {
    if (pattern == TimePatternChoices().front()) {
        return "";
    }
    ReplaceFirst(pattern, "HH", DatePiece(date, 12, 2));
    ReplaceFirst(pattern, "MM", DatePiece(date, 15, 2));
    ReplaceFirst(pattern, "SS", DatePiece(date, 18, 2));
    return pattern;
}

// A file name as CP932. Camera and generated names are plain ASCII, the same in both
// encodings; they skip the conversion, which a batch makes once per name and per file.
std::string NameText(const std::filesystem::path& name) {
    const std::string& native = name.native();
    const bool ascii = std::all_of(native.begin(), native.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? native : platform::PathToCp932(name);
}

std::int64_t HighestInName(const std::filesystem::path& name, std::string_view prefix, int digits) {
    const std::string text = NameText(name.filename());
    return Cp932StartsWithNoCase(text, prefix) ? NumberAfterPrefix(text, prefix.size(), digits) : 0;
}

std::int64_t HighestInFolder(const std::filesystem::path& folder, std::string_view prefix,
                             int digits) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error == std::errc::no_such_file_or_directory) {
        return 0;
    }
    std::int64_t highest = 0;
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code typeError;
        if (!entries->is_directory(typeError)) {
            highest = std::max(highest, HighestInName(entries->path(), prefix, digits));
        }
    }
    if (error) {
        throw platform::FileError("list the files of", folder, error.message());
    }
    return highest;
}

std::string SourceExtension(const std::filesystem::path& source) {
    return platform::PathToCp932(source.extension());
}

} // namespace

std::span<const std::string> DatePatternChoices() {
    static const auto choices = Cp932Choices<9>(
        {"YYYYMMDD", "MMDDYYY", "DDMMYYYY", "YYMMDD", "MMDDYY", "DDMMYY", "YYMM", "MMDD", "DDMM"});
    return choices;
}

std::span<const std::string> TimePatternChoices() {
    static const auto choices = Cp932Choices<9>({"時間なし", "HHMMSS", "HH時MM分SS秒", "HH.MM.SS",
                                                 "HHMM", "HH時MM分", "HH.MM", "HH", "HH時"});
    return choices;
}

std::string RunningNumber(std::int64_t number, int digits) {
    if (digits <= 0) {
        return FormatText("%lld", static_cast<long long>(number));
    }
    return FormatText("%0*lld", digits, static_cast<long long>(number));
}

std::int64_t NumberAfterPrefix(std::string_view name, std::size_t prefixLength, int digits) {
    const std::string_view rest = name.substr(prefixLength);
    std::size_t run = 0;
    while (run < rest.size() && rest[run] >= '0' && rest[run] <= '9') {
        ++run;
    }
    if (run == 0 || run < static_cast<std::size_t>(std::max(digits, 0))) {
        return 0;
    }
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + run, number);
    return error == std::errc() ? number : 0;
}

std::int64_t HighestNumber(const std::filesystem::path& folder, std::string_view prefix,
                           std::span<const std::filesystem::path> batchNames, int digits) {
    std::int64_t highest = HighestInFolder(folder, prefix, digits);
    // The batch's names are compared as the folder's are: a name handed out in upper case
    // still counts against a prefix typed in lower case.
    for (const std::filesystem::path& name : batchNames) {
        highest = std::max(highest, HighestInName(name, prefix, digits));
    }
    return highest;
}

std::string NamingDate(const std::filesystem::path& source) {
    std::string date = SummaryValue(LoadExifBlock(source), SummaryFieldId::ShotDate, source);
    return date.empty() ? std::string(kNoDate) : date;
}

std::filesystem::path MakeDateName(const std::filesystem::path& source,
                                   const std::filesystem::path& folder,
                                   std::span<const std::filesystem::path> batchNames,
                                   std::string_view /*prefix*/,
                                   const NameTemplateSettings& settings) {
    return MakeDateNameOn(NamingDate(source), source, folder, batchNames, settings);
}

std::filesystem::path MakeDateNameOn(std::string_view date, const std::filesystem::path& source,
                                     const std::filesystem::path& folder,
                                     std::span<const std::filesystem::path> batchNames,
                                     const NameTemplateSettings& settings) {
    std::string name = DatePart(settings.datePattern, date) + settings.dateSeparator +
                       TimePart(settings.timePattern, date) + settings.timeSeparator;
    if (settings.digits > 0) {
        const std::int64_t highest = HighestNumber(folder, name, batchNames, settings.digits);
        name += RunningNumber(highest + 1, settings.digits);
    }
    return platform::Cp932ToPath(Cp932ToLower(name + SourceExtension(source)));
}

std::filesystem::path MakeSequenceName(const std::filesystem::path& source,
                                       const std::filesystem::path& folder,
                                       std::span<const std::filesystem::path> batchNames,
                                       std::string_view prefix,
                                       const NameTemplateSettings& /*settings*/) {
    constexpr int kNameBytes = 8; // prefix and number fill the 8 bytes of a camera's file name
    const int digits = kNameBytes - static_cast<int>(std::min<std::size_t>(prefix.size(), 8));
    const std::int64_t highest = HighestNumber(folder, prefix, batchNames, digits);
    const std::string name =
        std::string(prefix) + RunningNumber(highest + 1, digits) + SourceExtension(source);
    return platform::Cp932ToPath(Cp932ToUpper(name));
}

std::filesystem::path KeepName(const std::filesystem::path& source,
                               const std::filesystem::path& /*folder*/,
                               std::span<const std::filesystem::path> /*batchNames*/,
                               std::string_view /*prefix*/,
                               const NameTemplateSettings& /*settings*/) {
    return source;
}

} // namespace exif
