#include "exif/imaging_jpeg.h"

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <fcntl.h>
#include <jerror.h>
#include <jpeglib.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace exif {
namespace {

constexpr int kQuality = 85;
constexpr int kFullScale = 8; // scale n/8, n = 1..8
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 28;
constexpr std::uint64_t kMaxFileBytes = std::uint64_t{1} << 30;
constexpr int kRowsPerCall = 16;

// libjpeg's error manager with the place to jump back to; libjpeg sees only the first member.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr common) {
    std::longjmp(reinterpret_cast<ErrorJump*>(common->err)->jump, 1);
}

// Corrupt-data warnings are not shown: the picture is used as far as it decodes.
void Silence(j_common_ptr) {}

void InstallErrors(ErrorJump& errors) {
    jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    errors.manager.output_message = Silence;
}

// The only place where libjpeg may jump to. Neither this frame nor the steps' frames hold
// anything with a destructor, so the jump skips no clean-up; it becomes a false result.
bool RunGuarded(ErrorJump& errors, void (*step)(void*), void* context) {
    if (setjmp(errors.jump) != 0) {
        return false;
    }
    step(context);
    return true;
}

// The steps below are plain C: libjpeg calls and writes into buffers allocated beforehand.

void CreateDecompressStep(void* context) {
    jpeg_create_decompress(static_cast<jpeg_decompress_struct*>(context));
}

struct HeaderStep {
    jpeg_decompress_struct* info;
    const std::uint8_t* bytes;
    std::size_t size;
};

void ReadHeaderStep(void* context) {
    auto* step = static_cast<HeaderStep*>(context);
    jpeg_mem_src(step->info, step->bytes, static_cast<unsigned long>(step->size));
    jpeg_read_header(step->info, TRUE);
}

void CalcDimensionsStep(void* context) {
    jpeg_calc_output_dimensions(static_cast<jpeg_decompress_struct*>(context));
}

struct DecodeStep {
    jpeg_decompress_struct* info;
    std::uint8_t* pixels;
    std::size_t stride;
    JDIMENSION width;
    JDIMENSION height;
    bool sizeMatched;
};

void DecodeRowsStep(void* context) {
    auto* step = static_cast<DecodeStep*>(context);
    jpeg_start_decompress(step->info);
    step->sizeMatched = step->info->output_width == step->width &&
                        step->info->output_height == step->height &&
                        step->info->output_components == 3;
    if (!step->sizeMatched) {
        return;
    }
    JSAMPROW rows[kRowsPerCall];
    while (step->info->output_scanline < step->height) {
        const JDIMENSION first = step->info->output_scanline;
        for (int i = 0; i < kRowsPerCall; ++i) {
            const JDIMENSION y = first + static_cast<JDIMENSION>(i) < step->height
                                     ? first + static_cast<JDIMENSION>(i)
                                     : step->height - 1;
            rows[i] = step->pixels + y * step->stride;
        }
        jpeg_read_scanlines(step->info, rows, kRowsPerCall);
    }
    jpeg_finish_decompress(step->info);
}

// Reads the whole file into the buffer, which keeps its size between files so that it is
// allocated once; returns the file's size, nothing when it cannot be read.
std::optional<std::size_t> ReadWholeFile(const std::filesystem::path& path,
                                         std::vector<std::uint8_t>& buffer) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat status {};
    std::optional<std::size_t> size;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
        static_cast<std::uint64_t>(status.st_size) <= kMaxFileBytes) {
        size = static_cast<std::size_t>(status.st_size);
    }
    if (size && buffer.size() < *size) {
        buffer.resize(*size);
    }
    std::size_t done = 0;
    while (size && done < *size) {
        const ssize_t got =
            ::pread(fd, buffer.data() + done, *size - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            size = std::nullopt;
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return size;
}

// The smallest n for which the picture scaled by n/8 still covers `wanted`, as libjpeg rounds.
int ScaleNumerator(PictureSize full, PictureSize wanted) {
    for (int n = 1; n < kFullScale; ++n) {
        const std::uint64_t width = (std::uint64_t{full.width} * n + kFullScale - 1) / kFullScale;
        const std::uint64_t height = (std::uint64_t{full.height} * n + kFullScale - 1) / kFullScale;
        if (width >= wanted.width && height >= wanted.height) {
            return n;
        }
    }
    return kFullScale;
}

} // namespace

struct JpegDecoder::State {
    jpeg_decompress_struct info{};
    ErrorJump errors{};
    std::vector<std::uint8_t> input; // the compressed file, reused between files
};

JpegDecoder::JpegDecoder() : state_(std::make_unique<State>()) {
    InstallErrors(state_->errors);
    state_->info.err = &state_->errors.manager;
    if (!RunGuarded(state_->errors, CreateDecompressStep, &state_->info)) {
        throw std::bad_alloc();
    }
}

JpegDecoder::~JpegDecoder() {
    jpeg_destroy_decompress(&state_->info);
}

std::optional<PictureSize> JpegDecoder::Open(const std::filesystem::path& path) {
    jpeg_abort_decompress(&state_->info);
    const auto size = ReadWholeFile(path, state_->input);
    if (!size) {
        return std::nullopt;
    }
    return ReadHeader(*size);
}

std::optional<PictureSize> JpegDecoder::Open(std::span<const std::uint8_t> jpeg) {
    jpeg_abort_decompress(&state_->info);
    if (jpeg.empty() || jpeg.size() > kMaxFileBytes) {
        return std::nullopt;
    }
    if (state_->input.size() < jpeg.size()) {
        state_->input.resize(jpeg.size());
    }
    std::copy(jpeg.begin(), jpeg.end(), state_->input.begin());
    return ReadHeader(jpeg.size());
}

std::optional<PictureSize> JpegDecoder::ReadHeader(std::size_t size) {
    HeaderStep step{&state_->info, state_->input.data(), size};
    if (!RunGuarded(state_->errors, ReadHeaderStep, &step)) {
        return std::nullopt;
    }
    return PictureSize{state_->info.image_width, state_->info.image_height};
}

std::optional<Image> JpegDecoder::Decode(PictureSize wanted) {
    jpeg_decompress_struct& info = state_->info;
    const PictureSize full{info.image_width, info.image_height};
    const int numerator = ScaleNumerator(full, wanted);
    info.scale_num = static_cast<unsigned>(numerator);
    info.scale_denom = kFullScale;
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_ISLOW;
    // A reduced picture is averaged down further, so plain chroma replication is as good as
    // the smoother interpolation and cheaper.
    info.do_fancy_upsampling = numerator == kFullScale ? TRUE : FALSE;
    if (!RunGuarded(state_->errors, CalcDimensionsStep, &info) ||
        std::uint64_t{info.output_width} * info.output_height > kMaxPixels) {
        jpeg_abort_decompress(&info);
        return std::nullopt;
    }
    const std::size_t stride = std::size_t{info.output_width} * 3;
    std::vector<std::uint8_t> rgb(stride * info.output_height);
    DecodeStep step{&info, rgb.data(), stride, info.output_width, info.output_height, false};
    const bool decoded = RunGuarded(state_->errors, DecodeRowsStep, &step) && step.sizeMatched;
    jpeg_abort_decompress(&info);
    if (!decoded) {
        return std::nullopt;
    }
    return Image(step.width, step.height, std::move(rgb));
}

namespace {

constexpr std::size_t kOutputChunk = 1 << 14;

// A libjpeg destination that collects the encoded bytes in a vector.
struct VectorDestination {
    jpeg_destination_mgr manager;
    std::vector<std::uint8_t>* bytes;
    JOCTET chunk[kOutputChunk];
};

bool Append(std::vector<std::uint8_t>& bytes, const JOCTET* data, std::size_t size) noexcept {
    try {
        bytes.insert(bytes.end(), data, data + size);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void StartChunk(j_compress_ptr info) {
    auto* destination = reinterpret_cast<VectorDestination*>(info->dest);
    destination->manager.next_output_byte = destination->chunk;
    destination->manager.free_in_buffer = kOutputChunk;
}

void FlushChunk(j_compress_ptr info, std::size_t size) {
    auto* destination = reinterpret_cast<VectorDestination*>(info->dest);
    if (!Append(*destination->bytes, destination->chunk, size)) {
        info->err->msg_code = JERR_OUT_OF_MEMORY;
        info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
    }
}

boolean EmptyChunk(j_compress_ptr info) {
    FlushChunk(info, kOutputChunk);
    StartChunk(info);
    return TRUE;
}

void TerminateChunks(j_compress_ptr info) {
    FlushChunk(info, kOutputChunk - info->dest->free_in_buffer);
}

struct EncodeStep {
    jpeg_compress_struct* info;
    VectorDestination* destination;
    const std::uint8_t* pixels;
    JDIMENSION width;
    JDIMENSION height;
};

void EncodeRowsStep(void* context) {
    auto* step = static_cast<EncodeStep*>(context);
    jpeg_compress_struct* info = step->info;
    jpeg_create_compress(info);
    info->dest = &step->destination->manager;
    info->image_width = step->width;
    info->image_height = step->height;
    info->input_components = 3;
    info->in_color_space = JCS_RGB;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, kQuality, TRUE);
    jpeg_start_compress(info, TRUE);
    const std::size_t stride = std::size_t{step->width} * 3;
    while (info->next_scanline < step->height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW row = const_cast<std::uint8_t*>(step->pixels + info->next_scanline * stride);
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
}

struct RecodeStep {
    jpeg_decompress_struct* source;
    jpeg_compress_struct* output;
    VectorDestination* destination;
    const std::uint8_t* bytes;
    std::size_t size;
};

void RecodeCoefficientsStep(void* context) {
    auto* step = static_cast<RecodeStep*>(context);
    jpeg_create_decompress(step->source);
    jpeg_mem_src(step->source, step->bytes, static_cast<unsigned long>(step->size));
    jpeg_read_header(step->source, TRUE);
    jvirt_barray_ptr* coefficients = jpeg_read_coefficients(step->source);
    jpeg_create_compress(step->output);
    step->output->dest = &step->destination->manager;
    jpeg_copy_critical_parameters(step->source, step->output);
    step->output->optimize_coding = TRUE;
    jpeg_write_coefficients(step->output, coefficients);
    jpeg_finish_compress(step->output);
    jpeg_finish_decompress(step->source);
}

std::unique_ptr<VectorDestination> DestinationInto(std::vector<std::uint8_t>& bytes) {
    auto destination = std::make_unique<VectorDestination>();
    destination->manager.init_destination = StartChunk;
    destination->manager.empty_output_buffer = EmptyChunk;
    destination->manager.term_destination = TerminateChunks;
    destination->bytes = &bytes;
    return destination;
}

} // namespace

std::optional<std::vector<std::uint8_t>> RecodeWithOwnTables(std::span<const std::uint8_t> jpeg) {
    if (jpeg.empty() || jpeg.size() > kMaxFileBytes) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    const auto destination = DestinationInto(bytes);
    jpeg_decompress_struct source{};
    jpeg_compress_struct output{};
    ErrorJump errors{};
    InstallErrors(errors);
    source.err = &errors.manager;
    output.err = &errors.manager;
    RecodeStep step{&source, &output, destination.get(), jpeg.data(), jpeg.size()};
    const bool recoded = RunGuarded(errors, RecodeCoefficientsStep, &step);
    jpeg_destroy_compress(&output);
    jpeg_destroy_decompress(&source);
    if (!recoded || errors.manager.num_warnings != 0) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Image& image) {
    if (image.Width() == 0 || image.Height() == 0 || image.Width() > JPEG_MAX_DIMENSION ||
        image.Height() > JPEG_MAX_DIMENSION) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    const auto destination = DestinationInto(bytes);
    jpeg_compress_struct info{};
    ErrorJump errors{};
    InstallErrors(errors);
    info.err = &errors.manager;
    EncodeStep step{&info, destination.get(), image.Pixels().data(), image.Width(), image.Height()};
    const bool encoded = RunGuarded(errors, EncodeRowsStep, &step);
    jpeg_destroy_compress(&info);
    if (!encoded) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace exif
