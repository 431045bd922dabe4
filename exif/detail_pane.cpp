#include "exif/detail_pane.h"

#include "exif/detail_report.h"
#include "exif/summary_fields.h"
#include "exif/summary_reading.h"
#include "exif/summary_values.h"

namespace exif {
namespace {

// Which fields a file shows in the pane.
enum class PaneClass {
    NoExif,    // no Exif IFD (or no block at all)
    ExifOnly,  // an Exif IFD, no decoded maker note
    MakerNote, // a decoded maker note: every chosen field
};

PaneClass ClassOf(const std::optional<ExifBlock>& block) {
    if (!block || !FindEntry(*block, TagDictionary::Standard, "ExifOffset")) {
        return PaneClass::NoExif;
    }
    return GetMakerNoteKind(*block) == MakerNoteKind::None ? PaneClass::ExifOnly
                                                           : PaneClass::MakerNote;
}

bool Shows(PaneClass paneClass, const SummaryField& field) {
    switch (paneClass) {
    case PaneClass::NoExif:
        return field.showWithoutExif;
    case PaneClass::ExifOnly:
        return field.showWithExif;
    case PaneClass::MakerNote:
        return true;
    }
    return true;
}

// Name and filler take 16 bytes, the width of eight full-width characters; the filler is cut
// from a run of seven full-width blanks.
std::string PaddedName(const std::string& name) {
    constexpr std::size_t kNameColumn = 16;
    static const std::string blanks = Cp932("　　　　　　　");
    const std::size_t filler = name.size() < kNameColumn ? kNameColumn - name.size() : 0;
    return name + blanks.substr(0, filler);
}

} // namespace

bool PaneShowsField(const std::optional<ExifBlock>& block, const SummaryField& field) {
    return Shows(ClassOf(block), field);
}

std::string BuildDetailPaneText(const std::filesystem::path& path,
                                std::span<const std::string> chosenFields, bool showDump) {
    const std::optional<ExifBlock> block = LoadExifBlock(path);
    const PaneClass paneClass = ClassOf(block);
    static const std::string colon = Cp932("：");
    std::string text;
    for (const std::string& name : chosenFields) {
        const int index = SummaryFieldIndex(name);
        if (index == 0) {
            continue;
        }
        const SummaryField& field = SummaryFieldOf(static_cast<SummaryFieldId>(index));
        if (Shows(paneClass, field)) {
            text += PaddedName(field.name) + colon + SummaryValue(block, field.id, path) + "\r\n";
        }
    }
    if (showDump) {
        text += BuildDetailReport(block);
    }
    return text;
}

} // namespace exif
