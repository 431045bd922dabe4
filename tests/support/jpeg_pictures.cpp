#include "tests/support/jpeg_pictures.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace fixture {
namespace {

constexpr int kMaxSide = 65500; // the largest side a JPEG frame header allows

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Replaces libjpeg's exit() on errors with a jump back into Compress.
void JumpOnError(j_common_ptr info) {
    auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
    (*info->err->format_message)(info, trap->message);
    std::longjmp(trap->jump, 1);
}

// The only frame libjpeg can jump out of: it holds no C++ objects, so the jump skips no
// destructor. Returns false with trap->message set when the encoder fails.
bool Compress(jpeg_compress_struct* info, ErrorTrap* trap, const unsigned char* rgb, int width,
              int height, int quality, unsigned char** out, unsigned long* size) {
    if (setjmp(trap->jump) != 0) {
        return false;
    }
    jpeg_create_compress(info);
    jpeg_mem_dest(info, out, size);
    info->image_width = static_cast<JDIMENSION>(width);
    info->image_height = static_cast<JDIMENSION>(height);
    info->input_components = 3;
    info->in_color_space = JCS_RGB;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        JSAMPROW row = const_cast<unsigned char*>(rgb) + info->next_scanline * width * 3;
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    return true;
}

std::vector<unsigned char> PatternPixels(int width, int height) {
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool light = ((x / 8) + (y / 8)) % 2 == 0;
            rgb.push_back(static_cast<unsigned char>(x * 255 / width));
            rgb.push_back(static_cast<unsigned char>(y * 255 / height));
            rgb.push_back(light ? 220 : 40);
        }
    }
    return rgb;
}

struct FreeWithC {
    void operator()(unsigned char* buffer) const { std::free(buffer); }
};

std::vector<unsigned char> MarkedPixels(int width, int height) {
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool marked = 3 * x < width && 3 * y < height;
            rgb.insert(rgb.end(), {static_cast<unsigned char>(marked ? 255 : 128),
                                   static_cast<unsigned char>(marked ? 0 : 128),
                                   static_cast<unsigned char>(marked ? 0 : 128)});
        }
    }
    return rgb;
}

// The pixels encoded; the caller checked the size and the quality.
std::vector<std::uint8_t> Encoded(const std::vector<unsigned char>& rgb, int width, int height,
                                  int quality) {
    jpeg_compress_struct info{};
    ErrorTrap trap{};
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = JumpOnError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool encoded = Compress(&info, &trap, rgb.data(), width, height, quality, &buffer, &size);
    jpeg_destroy_compress(&info);
    const std::unique_ptr<unsigned char, FreeWithC> owned(buffer);
    if (!encoded) {
        throw std::runtime_error(std::string("cannot encode test picture: ") + trap.message);
    }
    return {buffer, buffer + size};
}

void CheckSize(int width, int height) {
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) {
        throw std::invalid_argument("picture size " + std::to_string(width) + "x" +
                                    std::to_string(height) + " outside 1..65500");
    }
}

} // namespace

std::vector<std::uint8_t> EncodeMarkedJpeg(int width, int height) {
    CheckSize(width, height);
    return Encoded(MarkedPixels(width, height), width, height, 85);
}

std::vector<std::uint8_t> EncodeJpeg(int width, int height, int quality) {
    CheckSize(width, height);
    if (quality < 1 || quality > 100) {
        throw std::invalid_argument("JPEG quality " + std::to_string(quality) + " outside 1..100");
    }
    return Encoded(PatternPixels(width, height), width, height, quality);
}

} // namespace fixture
