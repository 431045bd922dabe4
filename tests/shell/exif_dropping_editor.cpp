// A stand-in for a picture editor that loses the EXIF data, for the launcher tests. It records
// how it was started, then saves the picture as such an editor does: SOI, a JFIF APP0 segment,
// a comment saying it was here, and the picture's other segments without its APP0/APP1.
//
//   exif_dropping_editor RECORD PICTURE [RELEASE]
//
// RECORD gets the working folder, one line per argument, and "exif: yes" or "exif: no" for what
// PICTURE held when the program started. With RELEASE, the program waits until that file exists
// before it saves, so a test can look at the launcher while the program still runs. Exits 2
// when PICTURE is not a JPEG file.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kJfifApp0[] = {0xFF, 0xE0, 0x00, 0x10, 'J',  'F',  'I',  'F',  0x00,
                                      0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00};
constexpr char kComment[] = "saved by exif_dropping_editor";

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool StartsWithExif(const Bytes& file) {
    return file.size() >= 10 && file[2] == 0xFF && file[3] == 0xE1 && file[6] == 'E' &&
           file[7] == 'x' && file[8] == 'i' && file[9] == 'f';
}

// Offset of the first segment after SOI that is neither APP0 nor APP1.
std::size_t AfterApplicationSegments(const Bytes& file) {
    std::size_t at = 2;
    while (at + 4 <= file.size() && file[at] == 0xFF &&
           (file[at + 1] == 0xE0 || file[at + 1] == 0xE1)) {
        at += 2 + (std::size_t{file[at + 2]} << 8 | file[at + 3]);
    }
    return at;
}

void WaitFor(const std::filesystem::path& release) {
    // Bounded, so a test that fails before releasing does not leave the program behind.
    for (int i = 0; i < 6000 && !std::filesystem::exists(release); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return 1;
    }
    const std::string picture = argv[2];
    const Bytes original = ReadAll(picture);
    {
        std::ofstream record(argv[1]);
        record << std::filesystem::current_path().string() << '\n';
        for (int i = 1; i < argc; ++i) {
            record << argv[i] << '\n';
        }
        record << "exif: " << (StartsWithExif(original) ? "yes" : "no") << '\n';
    }
    if (original.size() < 4 || original[0] != 0xFF || original[1] != 0xD8) {
        return 2;
    }
    if (argc > 3) {
        WaitFor(argv[3]);
    }
    Bytes saved{0xFF, 0xD8};
    saved.insert(saved.end(), std::begin(kJfifApp0), std::end(kJfifApp0));
    const std::size_t commentLength = sizeof kComment - 1 + 2;
    saved.insert(saved.end(), {0xFF, 0xFE, static_cast<std::uint8_t>(commentLength >> 8),
                               static_cast<std::uint8_t>(commentLength & 0xFF)});
    saved.insert(saved.end(), kComment, kComment + sizeof kComment - 1);
    const std::size_t rest = AfterApplicationSegments(original);
    if (rest < original.size()) {
        saved.insert(saved.end(), original.begin() + static_cast<std::ptrdiff_t>(rest),
                     original.end());
    }
    std::ofstream out(picture, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(saved.data()),
              static_cast<std::streamsize>(saved.size()));
    return out ? 0 : 3;
}
