#include "bench/corpus_jpeg.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <jpeglib.h>
#include <stdexcept>

namespace bench {
namespace {

// A little-endian TIFF block written front to back; IFD data areas follow each IFD.
class TiffWriter {
public:
    struct Entry {
        std::uint16_t tag;
        std::uint16_t type;
        std::uint32_t count;
        std::vector<std::uint8_t> data; // placed behind the IFD when longer than 4 bytes
    };

    std::uint32_t Size() const { return static_cast<std::uint32_t>(bytes_.size()); }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

    void U16(std::uint16_t v) { bytes_.insert(bytes_.end(), {Lo(v), Hi(v)}); }
    void U32(std::uint32_t v) {
        U16(static_cast<std::uint16_t>(v & 0xFFFF));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    void PutU32(std::uint32_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    }

    // Writes the IFD at the current end; returns the offset of its next-IFD field.
    std::uint32_t Ifd(const std::vector<Entry>& entries) {
        const std::uint32_t start = Size();
        const std::uint32_t dataStart =
            start + 2 + 12 * static_cast<std::uint32_t>(entries.size()) + 4;
        std::uint32_t data = dataStart;
        U16(static_cast<std::uint16_t>(entries.size()));
        for (const Entry& entry : entries) {
            U16(entry.tag);
            U16(entry.type);
            U32(entry.count);
            if (entry.data.size() <= 4) {
                std::vector<std::uint8_t> field = entry.data;
                field.resize(4, 0);
                bytes_.insert(bytes_.end(), field.begin(), field.end());
            } else {
                U32(data);
                data += static_cast<std::uint32_t>(entry.data.size() + entry.data.size() % 2);
            }
        }
        const std::uint32_t next = Size();
        U32(0);
        for (const Entry& entry : entries) {
            if (entry.data.size() > 4) {
                bytes_.insert(bytes_.end(), entry.data.begin(), entry.data.end());
                if (entry.data.size() % 2 != 0) {
                    bytes_.push_back(0);
                }
            }
        }
        return next;
    }

private:
    static std::uint8_t Lo(std::uint16_t v) { return static_cast<std::uint8_t>(v & 0xFF); }
    static std::uint8_t Hi(std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); }
    std::vector<std::uint8_t> bytes_;
};

TiffWriter::Entry Ascii(std::uint16_t tag, const std::string& text, std::uint32_t count) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.resize(count, 0);
    return {tag, 2, count, data};
}

TiffWriter::Entry Short(std::uint16_t tag, std::uint16_t value) {
    return {tag,
            3,
            1,
            {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)}};
}

TiffWriter::Entry Long(std::uint16_t tag, std::uint32_t value) {
    return {tag,
            4,
            1,
            {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

TiffWriter::Entry Rational(std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator) {
    TiffWriter::Entry entry = Long(tag, numerator);
    const TiffWriter::Entry second = Long(tag, denominator);
    entry.type = 5;
    entry.data.insert(entry.data.end(), second.data.begin(), second.data.end());
    return entry;
}

} // namespace

std::vector<std::uint8_t> ExifSegment(std::uint32_t width, std::uint32_t height,
                                      const std::string& dateTime,
                                      const std::vector<std::uint8_t>& thumbnail) {
    TiffWriter tiff;
    tiff.Bytes() = {'I', 'I', 42, 0, 8, 0, 0, 0};
    // The Exif IFD's offset is known only after IFD0 and its data are written: patched below.
    const std::uint32_t ifd0Next = tiff.Ifd(
        {Ascii(0x010E, "", 32), Ascii(0x010F, "BENCHCAM", 9), Ascii(0x0110, "BC-12", 6),
         Short(0x0112, 1), Rational(0x011A, 72, 1), Rational(0x011B, 72, 1), Short(0x0128, 2),
         Ascii(0x0132, dateTime, 20), Short(0x0213, 2), Long(0x8769, 0)});
    const std::uint32_t exifOffsetField = ifd0Next - 4;
    tiff.PutU32(exifOffsetField, tiff.Size());
    tiff.Ifd({Rational(0x829A, 1, 125),
              Rational(0x829D, 56, 10),
              {0x9000, 7, 4, {'0', '2', '2', '0'}},
              Ascii(0x9003, dateTime, 20),
              Ascii(0x9004, dateTime, 20),
              {0x9101, 7, 4, {1, 2, 3, 0}},
              {0x9286, 7, 64, std::vector<std::uint8_t>(64, 0)},
              {0xA000, 7, 4, {'0', '1', '0', '0'}},
              Short(0xA001, 1),
              Short(0xA002, static_cast<std::uint16_t>(width)),
              Short(0xA003, static_cast<std::uint16_t>(height))});
    tiff.PutU32(ifd0Next, tiff.Size());
    const std::uint32_t ifd1 = tiff.Size();
    tiff.Ifd({Short(0x0103, 6), Rational(0x011A, 72, 1), Rational(0x011B, 72, 1), Short(0x0128, 2),
              Long(0x0201, 0), Long(0x0202, static_cast<std::uint32_t>(thumbnail.size()))});
    // JPEGInterchangeFormat is the fifth entry of IFD1.
    tiff.PutU32(ifd1 + 2 + 12 * 4 + 8, tiff.Size());
    tiff.Bytes().insert(tiff.Bytes().end(), thumbnail.begin(), thumbnail.end());

    static constexpr std::uint8_t kHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
    std::vector<std::uint8_t> segment(std::begin(kHeader), std::end(kHeader));
    segment.resize(sizeof kHeader + tiff.Bytes().size());
    std::copy(tiff.Bytes().begin(), tiff.Bytes().end(), segment.begin() + sizeof kHeader);
    if (segment.size() + 2 > 65535) {
        throw std::length_error("EXIF segment too large");
    }
    return segment;
}

std::vector<std::uint8_t> CameraJpeg(const exif::Image& picture, int quality,
                                     const std::vector<std::uint8_t>& app1) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors); // a failure ends this benchmark tool with libjpeg's message
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = picture.Width();
    info.image_height = picture.Height();
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.write_JFIF_header = FALSE;
    jpeg_start_compress(&info, TRUE);
    jpeg_write_marker(&info, JPEG_APP0 + 1, app1.data(), static_cast<unsigned>(app1.size()));
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<std::uint8_t*>(picture.Row(info.next_scanline).data());
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

} // namespace bench
