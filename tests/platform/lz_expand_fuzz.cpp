// libFuzzer entry: any bytes, as a file on the distribution medium, must be recognised or not
// as compressed, named, and expanded or refused without writing outside the target; a refused
// expansion leaves no target behind.

#include "platform/lz_expand.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    static const fs::path folder = [] {
        fs::path made =
            fs::temp_directory_path() / ("lumaro-fuzz-lz-" + std::to_string(::getpid()));
        fs::create_directories(made);
        return made;
    }();
    const fs::path source = folder / "SETUP.EX_";
    const fs::path target = folder / "SETUP.EXE";
    {
        std::ofstream out(source, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    (void)platform::IsLzCompressed(source);
    (void)platform::ExpandedFileName(source);
    fs::remove(target);
    if (!platform::LzCopy(source, target) && fs::exists(target)) {
        std::abort(); // a failed expansion left a target behind
    }
    return 0;
}
