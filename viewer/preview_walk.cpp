#include "viewer/preview_walk.h"

#include "exif/upright_picture.h"

namespace viewer {
namespace {

// Decodes and shows one row; none when the file is not a JPEG picture the decoder reads.
std::optional<PreviewResult> ShowRow(const PreviewRow& row, const PreviewSettings& settings,
                                     exif::UprightDecoder& decoder,
                                     PreviewDisplay& display) {
    const std::optional<exif::PictureSize> full = decoder.Open(row.path);
    if (!full) {
        display.ReportError("cannot show " + row.path.string() +
                            ": the file cannot be read as a JPEG picture");
        return std::nullopt;
    }
    // The window takes the picture's upright size. libjpeg limits both sides to 65500, so they
    // fit an int.
    const PixelSize picture{static_cast<int>(full->width), static_cast<int>(full->height)};
    const PreviewScreen screen = display.Screen();
    const PreviewLayout layout = LayoutFor(settings, picture, screen.screen, screen.frame);
    const std::optional<exif::Image> decoded =
        decoder.Decode({static_cast<std::uint32_t>(layout.client.width),
                        static_cast<std::uint32_t>(layout.client.height)});
    if (!decoded) {
        display.ReportError("cannot show " + row.path.string() +
                            ": the JPEG picture data cannot be decoded");
        return std::nullopt;
    }
    return display.Show(*decoded, layout, PreviewCaption(row.path, layout));
}

} // namespace

std::optional<std::size_t> FindSelectedRow(std::span<const PreviewRow> rows, std::ptrdiff_t from,
                                           int direction) {
    const auto count = static_cast<std::ptrdiff_t>(rows.size());
    for (std::ptrdiff_t i = from; i >= 0 && i < count; i += direction) {
        if (rows[static_cast<std::size_t>(i)].selected) {
            return static_cast<std::size_t>(i);
        }
    }
    return std::nullopt;
}

void RunPreview(std::span<const PreviewRow> rows, const PreviewSettings& settings,
                PreviewDisplay& display) {
    exif::UprightDecoder decoder;
    std::ptrdiff_t from = 0;
    int direction = +1;
    while (const std::optional<std::size_t> row = FindSelectedRow(rows, from, direction)) {
        const std::optional<PreviewResult> result = ShowRow(rows[*row], settings, decoder, display);
        if (!result || *result == PreviewResult::Stop) {
            return;
        }
        direction = *result == PreviewResult::Next ? +1 : -1;
        from = static_cast<std::ptrdiff_t>(*row) + direction;
    }
}

} // namespace viewer
