#pragma once

// What LumaroUty is started with: "--help" and "--version", answered before any window (so
// without a display), or the folders and files to open: the first names the folder shown
// (a file: its folder), and the files given in that folder are selected once it is listed.
// The desktop entry passes the files a file manager opens with the program ("%F").

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace shell {
class TFormMain;
}

namespace lumarouty {

enum class EarlyAnswer { None, Help, Version };

// --help or --version among the raw arguments, before "--".
[[nodiscard]] EarlyAnswer EarlyAnswerOf(int argc, char** argv);

void PrintHelp(std::ostream& out);
void PrintVersion(std::ostream& out);

struct StartPlace {
    std::optional<std::filesystem::path> folder;
    std::vector<std::filesystem::path> selected; // files of that folder, absolute
    std::string problem; // an unknown option, told before the window opens; empty when none
};

// The arguments left after the window system took its own (program name first).
[[nodiscard]] StartPlace StartPlaceOf(const std::vector<std::string>& arguments);

// Opens the folder at the first showing and selects the files once the list holds them.
void ApplyStartPlace(shell::TFormMain& form, const StartPlace& place);

} // namespace lumarouty
