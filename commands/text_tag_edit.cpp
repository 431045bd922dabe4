#include "commands/text_tag_edit.h"

#include "exif/exif_writer.h"
#include "exif/file_probes.h"
#include "exif/user_comment.h"
#include "platform/codepage.h"
#include "platform/file_error.h"

#include <algorithm>
#include <limits>

namespace commands {
namespace {

struct TextTagTexts {
    const char* tag;
    const char* action; // UTF-8
    const char* oldCaption;
    const char* newCaption;
};

TextTagTexts TextsOf(TextTag tag) {
    if (tag == TextTag::Title) {
        return {"ImageDescription", "画像タイトル修正", "旧タイトル", "新タイトル"};
    }
    return {"UserComment", "コメント修正", "旧コメント", "新コメント"};
}

// What a file holds of the tag: its current value and the room for a new text, or why it
// cannot take one.
struct FieldState {
    std::string current; // CP932
    std::size_t room = 0;
    std::string problem; // UTF-8; empty when the field takes a text
};

FieldState StateOf(const std::filesystem::path& file, TextTag tag) {
    const auto block = exif::LoadExifBlock(file);
    if (!block) {
        return {"", 0, "no EXIF data"};
    }
    const std::string name = TextsOf(tag).tag;
    const auto entry = exif::FindEntry(*block, exif::TagDictionary::Standard, name);
    if (!entry) {
        return {"", 0, "no " + name + " field"};
    }
    if ((entry->type != exif::kAscii && entry->type != exif::kUndefined) || entry->count < 2) {
        return {"", 0, "no room for a text in its " + name + " field"};
    }
    if (tag == TextTag::Title) {
        const auto value = exif::EntryValue(*block, *entry, exif::ValuePart::Second);
        return {value ? exif::TagValueText(*value) : "", entry->count - 1u, ""};
    }
    // The character code comes first, then the text.
    if (entry->count - 1u <= exif::kUserCommentCodeSize) {
        return {"", 0, "no room for a text in its " + name + " field"};
    }
    return {exif::ReadUserComment(*block).value_or(""),
            entry->count - 1u - exif::kUserCommentCodeSize, ""};
}

std::string StoredText(TextTag tag, const std::string& text) {
    return tag == TextTag::Comment ? exif::EncodeUserComment(text) : text;
}

} // namespace

TextEditStart PrepareTextEdit(const Selection& files, TextTag tag) {
    const auto first = std::find_if(files.begin(), files.end(), exif::IsJpegName);
    if (first == files.end()) {
        return {};
    }
    try {
        const FieldState state = StateOf(*first, tag);
        if (!state.problem.empty()) {
            return {};
        }
        return {state.current, static_cast<int>(std::min<std::size_t>(
                                   state.room, std::numeric_limits<int>::max()))};
    } catch (const platform::FileError&) {
        // A file that cannot be read offers nothing to start from; the run will name it.
        return {};
    }
}

BatchPlan PlanTextEdit(const Selection& files, TextTag tag, const std::string& text) {
    const TextTagTexts texts = TextsOf(tag);
    using platform::Utf8ToCp932;
    BatchPlan plan{Utf8ToCp932(texts.oldCaption),
                   Utf8ToCp932(texts.newCaption),
                   Utf8ToCp932(texts.action),
                   {}};
    for (const std::filesystem::path& file : files) {
        if (!exif::IsJpegName(file)) {
            plan.items.push_back(NotProcessedItem(file, NotJpegReason()));
            continue;
        }
        const FieldState state = StateOf(file, tag);
        if (!state.problem.empty()) {
            plan.items.push_back(NotProcessedItem(file, state.problem));
            continue;
        }
        const std::size_t fitted = platform::Cp932FittedLength(text, state.room);
        const PlannedRow row{RowCaption(file), plan.progressText, state.current, text, true};
        plan.items.push_back(
            {row, file,
             [file, name = texts.tag, stored = StoredText(tag, text)] {
                 exif::WriteTagText(file, name, stored);
             },
             fitted < text.size() ? "cut to " + std::to_string(fitted) + " bytes" : ""});
    }
    return plan;
}

BatchReport RunTextEdit(const Selection& files, TextTag tag, const std::string& text,
                        EditPorts ports) {
    return RunEditBatch([&] { return PlanTextEdit(files, tag, text); }, ports);
}

} // namespace commands
