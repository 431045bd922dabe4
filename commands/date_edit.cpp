#include "commands/date_edit.h"

#include "commands/date_shift.h"
#include "exif/exif_writer.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace commands {
namespace {

std::vector<const char*> TargetTags(const DateTargets& targets) {
    std::vector<const char*> tags;
    if (targets.dateTime) {
        tags.push_back("DateTime");
    }
    if (targets.dateTimeOriginal) {
        tags.push_back("DateTimeOriginal");
    }
    if (targets.dateTimeDigitized) {
        tags.push_back("DateTimeDigitized");
    }
    return tags;
}

std::string GivenDateText(const DateEditRequest& request) {
    char date[32];
    std::snprintf(date, sizeof date, "%04d:%02d:%02d", request.date.year, request.date.month,
                  request.date.day);
    return std::string(date) + " " + request.timeText;
}

// The new value of a file; nothing when a shift cannot be applied to its date.
std::optional<std::string> NewDate(const std::filesystem::path& file, const std::string& current,
                                   const DateEditRequest& request, std::int64_t shiftSeconds) {
    switch (request.source) {
    case DateSource::FileTime:
        return exif::FileDateText(file);
    case DateSource::Given:
        return GivenDateText(request);
    case DateSource::Shift:
        return ShiftDateText(current, shiftSeconds);
    }
    return std::nullopt;
}

std::string TagText(const exif::ExifBlock& block, const char* tag) {
    const auto entry = exif::FindEntry(block, exif::TagDictionary::Standard, tag);
    const auto value =
        entry ? exif::EntryValue(block, *entry, exif::ValuePart::Second) : std::nullopt;
    return value ? exif::TagValueText(*value) : "";
}

// What keeps a file from taking the new date as asked: the chosen tags it lacks, and a date
// longer than the shortest of their values. leftAlone when it has none of them.
struct DateShortfall {
    std::string reason; // UTF-8; empty when the file takes the date as asked
    bool leftAlone = false;
};

DateShortfall ShortfallOf(const exif::ExifBlock& block, const std::vector<const char*>& tags,
                          const std::string& date) {
    std::string missing;
    std::size_t room = date.size();
    std::size_t present = 0;
    for (const char* tag : tags) {
        const auto entry = exif::FindEntry(block, exif::TagDictionary::Standard, tag);
        if (!entry || (entry->type != exif::kAscii && entry->type != exif::kUndefined) ||
            entry->count == 0) {
            missing += (missing.empty() ? "no " : ", ") + std::string(tag);
            continue;
        }
        ++present;
        room = std::min<std::size_t>(room, entry->count - 1u);
    }
    std::string reason = missing.empty() ? "" : missing + " field";
    if (room < date.size()) {
        reason += (reason.empty() ? "" : "; ") + ("cut to " + std::to_string(room) + " bytes");
    }
    return {reason, present == 0 && !tags.empty()};
}

std::string BadShiftMessage(const std::string& text) {
    return "加算する時間「" + text +
           "」を読めません。\n[+|-][日数 ]時:分[:秒] の形で指定してください"
           "（例: +1 02:00、-09:30、+00:00:45）。";
}

} // namespace

BatchPlan PlanDateEdit(const Selection& files, const DateEditRequest& request,
                       std::int64_t shiftSeconds) {
    using platform::Utf8ToCp932;
    BatchPlan plan{Utf8ToCp932("元日付"), Utf8ToCp932("新日付"), Utf8ToCp932("日付修正"), {}};
    const std::vector<const char*> tags = TargetTags(request.targets);
    for (const std::filesystem::path& file : files) {
        const auto block =
            exif::IsJpegName(file) ? exif::LoadExifBlock(file) : std::optional<exif::ExifBlock>();
        if (!block) {
            plan.items.push_back(
                NotProcessedItem(file, exif::IsJpegName(file) ? "no EXIF data" : NotJpegReason()));
            continue;
        }
        const std::string current = TagText(*block, "DateTime");
        const std::optional<std::string> date = NewDate(file, current, request, shiftSeconds);
        if (!date) {
            plan.items.push_back(
                {PlannedRow{RowCaption(file), plan.progressText, current, current, false},
                 file,
                 {},
                 "no DateTime to shift"});
            continue;
        }
        const DateShortfall shortfall = ShortfallOf(*block, tags, *date);
        if (shortfall.leftAlone) {
            plan.items.push_back(NotProcessedItem(file, shortfall.reason));
            continue;
        }
        plan.items.push_back({PlannedRow{RowCaption(file), plan.progressText, current, *date, true},
                              file,
                              [file, tags, value = *date] {
                                  for (const char* tag : tags) {
                                      exif::WriteTagText(file, tag, value);
                                  }
                              },
                              shortfall.reason});
    }
    return plan;
}

std::optional<BatchReport> RunDateEdit(const Selection& files, const DateEditRequest& request,
                                       EditPorts ports) {
    std::int64_t shiftSeconds = 0;
    if (request.source == DateSource::Shift) {
        const std::optional<std::int64_t> shift = ParseTimeShift(request.shiftText);
        if (!shift) {
            ports.prompt.Tell(BadShiftMessage(request.shiftText));
            return std::nullopt;
        }
        shiftSeconds = *shift;
    }
    return RunEditBatch([&] { return PlanDateEdit(files, request, shiftSeconds); }, ports);
}

} // namespace commands
