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

std::string TagText(const exif::ExifBlock& block, const char* tag) {
    const auto entry = exif::FindEntry(block, exif::TagDictionary::Standard, tag);
    const auto value =
        entry ? exif::EntryValue(block, *entry, exif::ValuePart::Second) : std::nullopt;
    return value ? exif::TagValueText(*value) : "";
}

// The new value of each chosen tag the file has. A shift moves each tag's own date: DateTime is
// often the time a program last saved the file, which must never become the shooting date. A
// tag whose date cannot be shifted (a clockless camera's zeros) is left as it is.
struct TagDates {
    std::vector<std::pair<const char*, std::string>> values;
    std::string unshifted; // the tags left as they are, for the reason
};

TagDates NewDates(const std::filesystem::path& file, const exif::ExifBlock& block,
                  const std::vector<const char*>& tags, const DateEditRequest& request,
                  std::int64_t shiftSeconds) {
    TagDates dates;
    if (request.source != DateSource::Shift) {
        const std::string date = request.source == DateSource::FileTime
                                     ? exif::FileDateText(file)
                                     : GivenDateText(request);
        for (const char* tag : tags) {
            dates.values.emplace_back(tag, date);
        }
        return dates;
    }
    for (const char* tag : tags) {
        const std::string own = TagText(block, tag);
        if (own.empty()) {
            continue; // a missing tag is told with the others
        }
        if (auto shifted = ShiftDateText(own, shiftSeconds)) {
            dates.values.emplace_back(tag, std::move(*shifted));
        } else {
            dates.unshifted += (dates.unshifted.empty() ? "" : ", ") + std::string(tag);
        }
    }
    return dates;
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
        const TagDates dates = NewDates(file, *block, tags, request, shiftSeconds);
        if (dates.values.empty() && !dates.unshifted.empty()) {
            plan.items.push_back(
                {PlannedRow{RowCaption(file), plan.progressText, current, current, false},
                 file,
                 {},
                 "no date to shift in " + dates.unshifted});
            continue;
        }
        // The row shows DateTime, or the first tag that changes when the file has none.
        const auto& [shownTag, shownDate] =
            dates.values.empty() ? std::pair<const char*, std::string>{"DateTime", ""}
                                 : dates.values.front();
        const std::string shownOld = TagText(*block, shownTag);
        DateShortfall shortfall = ShortfallOf(*block, tags, shownDate);
        if (shortfall.leftAlone) {
            plan.items.push_back(NotProcessedItem(file, shortfall.reason));
            continue;
        }
        if (!dates.unshifted.empty()) {
            shortfall.reason += (shortfall.reason.empty() ? "" : "; ") +
                                ("no date to shift in " + dates.unshifted);
        }
        plan.items.push_back(
            {PlannedRow{RowCaption(file), plan.progressText, shownOld, shownDate, true},
             file,
             [file, values = dates.values] {
                 for (const auto& [tag, value] : values) {
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
