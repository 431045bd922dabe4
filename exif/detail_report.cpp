#include "exif/detail_report.h"

#include "exif/ifd_walk.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>

namespace exif {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view ShortTypeName(std::uint16_t type) {
    static constexpr std::array<std::string_view, 13> kNames{
        "", "B", "A", "S", "L", "R", "SB", "U", "SS", "SL", "SR", "F", "D"};
    return type >= 1 && type < kNames.size() ? kNames[type] : "?";
}

[[gnu::format(printf, 2, 3)]] void AppendFormat(std::string& out, const char* format, ...) {
    char buffer[64];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    out.append(buffer, static_cast<std::size_t>(std::clamp(length, 0, 63)));
}

// Each of the `count` values of an array at the entry's offset, as " value($hex)"; nothing
// when the array does not lie inside the block.
void AppendArray(std::string& line, const ExifBlock& block, const IfdEntry& entry,
                 std::uint64_t valueSize, bool isSigned) {
    const ByteView bytes = block.View(entry);
    if (!bytes.Contains(entry.value, std::uint64_t{entry.count} * valueSize)) {
        return;
    }
    for (std::uint64_t i = 0; i < entry.count; ++i) {
        const std::uint64_t at = entry.value + i * valueSize;
        const std::uint32_t raw = valueSize == 2 ? *bytes.U16(at) : *bytes.U32(at);
        if (!isSigned) {
            AppendFormat(line, " %u($%x)", raw, raw);
            continue;
        }
        const std::int32_t value =
            valueSize == 2 ? static_cast<std::int16_t>(raw) : static_cast<std::int32_t>(raw);
        AppendFormat(line, " %d($%x)", value, static_cast<std::uint32_t>(value));
    }
}

// The first rational at the entry's offset as " num/den", both signed 32-bit.
void AppendRational(std::string& line, const ExifBlock& block, const IfdEntry& entry) {
    const auto numerator = block.View(entry).U32(entry.value);
    const auto denominator = block.View(entry).U32(std::uint64_t{entry.value} + 4);
    if (numerator && denominator) {
        AppendFormat(line, " %d/%d", static_cast<std::int32_t>(*numerator),
                     static_cast<std::int32_t>(*denominator));
    }
}

void AppendText(std::string& line, const ExifBlock& block, const IfdEntry& entry) {
    if (const auto value = EntryValue(block, entry, ValuePart::First)) {
        line += ' ';
        line += TagValueText(*value);
    }
}

void AppendValues(std::string& line, const ExifBlock& block, const IfdEntry& entry) {
    const std::uint32_t low = InlineShort(block, entry, 0).value_or(0);
    const std::uint32_t high = InlineShort(block, entry, 1).value_or(0);
    switch (entry.type) {
    case kAscii:
        return AppendText(line, block, entry);
    case kShort:
    case kSShort:
        // One or two values inside the entry print as plain numbers, never sign-extended.
        if (entry.count == 1 || entry.count == 2) {
            AppendFormat(line, entry.type == kShort ? " %u" : " %d", low);
            if (entry.count == 2) {
                AppendFormat(line, entry.type == kShort ? " %u" : " %d", high);
            }
            return;
        }
        return AppendArray(line, block, entry, 2, entry.type == kSShort);
    case kLong:
        if (entry.count == 1) {
            return AppendFormat(line, " %u", entry.value);
        }
        return AppendArray(line, block, entry, 4, false);
    case kSLong:
        if (entry.count == 1) {
            return AppendFormat(line, " %d", static_cast<std::int32_t>(entry.value));
        }
        return AppendArray(line, block, entry, 4, true);
    case kRational:
    case kSRational:
        return AppendRational(line, block, entry);
    case kSByte:
        return AppendFormat(line, " %d", static_cast<std::int32_t>(ByteValuesField(block, entry)));
    case kByte:
    case kUndefined:
        return AppendFormat(line, " $%x", ByteValuesField(block, entry));
    default: // FLOAT, DOUBLE and unknown types show the value field as a number
        return AppendFormat(line, " $%x", entry.value);
    }
}

void AppendSection(std::string& report, std::string_view title, const ExifBlock& block,
                   TagDictionary dictionary, const std::vector<IfdEntry>& entries) {
    report += title;
    report += kLineEnd;
    for (const IfdEntry& entry : entries) {
        report += FormatEntryLine(block, dictionary, entry);
        report += kLineEnd;
    }
}

} // namespace

std::string FormatEntryLine(const ExifBlock& block, TagDictionary dictionary,
                            const IfdEntry& entry) {
    std::string line(TagNameOf(dictionary, entry.tag));
    if (line.empty()) {
        AppendFormat(line, "$%x", entry.tag);
    }
    line += '(';
    line += ShortTypeName(entry.type);
    AppendFormat(line, ":%u):", entry.count);
    AppendValues(line, block, entry);
    return line;
}

std::string BuildDetailReport(const std::optional<ExifBlock>& block) {
    if (!block) {
        return "";
    }
    std::string report;
    const IfdChain chain = WalkIfdChain(*block);
    for (const auto& entries : chain.ifds) {
        AppendSection(report, "== IFD ==", *block, TagDictionary::Standard, entries);
    }
    if (chain.exifIfdOffset && block->View().U16(*chain.exifIfdOffset)) {
        AppendSection(report, "== Exif ==", *block, TagDictionary::Standard,
                      IfdEntriesAt(block->View(), *chain.exifIfdOffset));
    }
    const MakerNoteKind kind = GetMakerNoteKind(*block);
    const auto& makerNote = block->MakerNoteIfd();
    if (makerNote && block->View().U16(makerNote->offset)) {
        const auto dictionary = static_cast<TagDictionary>(static_cast<int>(kind));
        AppendSection(report, "== MakerNote ==", *block, dictionary,
                      IfdEntriesAt(block->View().InOrder(makerNote->order), makerNote->offset));
    }
    return report;
}

} // namespace exif
