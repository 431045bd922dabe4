#include "commands/text_tag_edit.h"

#include "exif/exif_writer.h"
#include "exif/file_probes.h"
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

} // namespace

TextEditStart PrepareTextEdit(const Selection& files, TextTag tag) {
    const auto first = std::find_if(files.begin(), files.end(), exif::IsJpegName);
    if (first == files.end()) {
        return {};
    }
    const char* name = TextsOf(tag).tag;
    try {
        const std::uint32_t count = exif::ReadTagCount(*first, name);
        const int limit = count == 0 ? -1
                                     : static_cast<int>(std::min<std::uint32_t>(
                                           count - 1, std::numeric_limits<int>::max()));
        return {exif::ReadTagText(*first, name), limit};
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
            plan.items.push_back(NotProcessedItem(file));
            continue;
        }
        const PlannedRow row{RowCaption(file), plan.progressText,
                             exif::ReadTagText(file, texts.tag), text, true};
        plan.items.push_back(
            {row, file, [file, name = texts.tag, text] { exif::WriteTagText(file, name, text); }});
    }
    return plan;
}

BatchReport RunTextEdit(const Selection& files, TextTag tag, const std::string& text,
                        EditPorts ports) {
    return RunEditBatch([&] { return PlanTextEdit(files, tag, text); }, ports);
}

} // namespace commands
