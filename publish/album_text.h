#pragma once

// The text the album puts into its pages for one picture: the placeholders of the body and
// detail templates ("@image@", "@image_s@", "@html@", "@data@" and one per summary field) and
// their values. Every inserted value is HTML-escaped, so a comment in a photo cannot bring
// markup or script into the album; the "<BR>" between the values of "@data@" stays markup.
// Texts are CP932.

#include "exif/exif_block.h"

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace publish {

// "&", "<", ">" and '"' as character references. None of the four bytes can be the second byte
// of a double-byte character, so the text is escaped byte by byte.
[[nodiscard]] std::string EscapeHtml(std::string_view cp932);

// The "@data@" value of a file: for each of the fields (CP932 names, in order) that the file's
// class shows, name + blanks to 16 bytes + "：" + value + "<BR>", all on one line. A file
// without an Exif IFD shows the fields flagged for it, a file with an Exif IFD but no decoded
// maker note those flagged for that, a decoded maker note every field.
[[nodiscard]] std::string DataBlock(const std::optional<exif::ExifBlock>& block,
                                    const std::filesystem::path& file,
                                    std::span<const std::string> fields);

// One picture's values, worked out when a template first asks for them.
class PictureText {
public:
    // file: the source picture (folder + N); fields: the album's field list (CP932 names).
    // The field list is not copied: it must outlive the object.
    PictureText(std::filesystem::path file, std::span<const std::string> fields);
    PictureText(std::filesystem::path file, std::vector<std::string>&& fields) = delete;

    // Replaces in this order, each time every occurrence and each on character boundaries:
    // "@image@", "@image_s@", "@html@", "@data@", then the 25 field placeholders in table
    // order. A file name in a src or href attribute is percent-encoded as a link. Later replacements see what earlier ones put in. Throws platform::FileError when
    // the picture cannot be read for a value the line asks for.
    [[nodiscard]] std::string Fill(std::string line);

private:
    [[nodiscard]] const std::optional<exif::ExifBlock>& Block();
    // The file name a name placeholder stands for (CP932, not yet escaped).
    [[nodiscard]] std::string Name(std::size_t placeholder) const;
    // What a data or field placeholder stands for, escaped for HTML.
    [[nodiscard]] std::string Value(std::size_t placeholder);

    std::filesystem::path file_;
    std::span<const std::string> fields_;
    bool blockLoaded_ = false;
    std::optional<exif::ExifBlock> block_;
};

// Every occurrence of token that starts on a character boundary replaced by the text;
// nothing is searched again inside what was put in.
[[nodiscard]] std::string ReplaceAll(std::string_view text, std::string_view token,
                                     std::string_view replacement);

} // namespace publish
