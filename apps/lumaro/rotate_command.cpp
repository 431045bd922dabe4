// lumaro rotate: lossless turns of JPEG files.

#include "commands/rotate_command.h"

#include "apps/lumaro/edit_commands.h"
#include "apps/lumaro/edit_commands_options.h"

#include <optional>

namespace {

using namespace lumaro_edit;
using exif::PixelTransform;

constexpr std::string_view kUsage =
    "rotate (--auto | 90 | 180 | 270 | --flip h|v) [--dry-run] FILE...";

std::optional<PixelTransform> TurnOfAngle(std::string_view angle) {
    if (angle == "90") {
        return PixelTransform::Rotate90;
    }
    if (angle == "180") {
        return PixelTransform::Rotate180;
    }
    if (angle == "270") {
        return PixelTransform::Rotate270;
    }
    return std::nullopt;
}

std::optional<PixelTransform> TurnOfFlip(std::string_view side) {
    if (side == "h") {
        return PixelTransform::MirrorHorizontal;
    }
    if (side == "v") {
        return PixelTransform::MirrorVertical;
    }
    return std::nullopt;
}

// The request and how many operands it took (the angle is the first operand); nothing for
// none or more than one way of turning.
std::optional<std::pair<exif::RotationRequest, std::size_t>>
RequestOf(const lumaro::Arguments& arguments) {
    const bool automatic = arguments.Has("--auto");
    const auto flip = arguments.Value("--flip");
    const auto angle =
        arguments.operands.empty() ? std::nullopt : TurnOfAngle(arguments.operands.front());
    if (static_cast<int>(automatic) + static_cast<int>(flip.has_value()) +
            static_cast<int>(angle.has_value()) !=
        1) {
        return std::nullopt;
    }
    if (automatic) {
        return std::pair{exif::RotationRequest{true, PixelTransform::None}, std::size_t{0}};
    }
    if (angle) {
        return std::pair{exif::RotationRequest{false, *angle}, std::size_t{1}};
    }
    const auto mirror = TurnOfFlip(*flip);
    if (!mirror) {
        return std::nullopt;
    }
    return std::pair{exif::RotationRequest{false, *mirror}, std::size_t{0}};
}

} // namespace

int RunRotateCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments = ParseEditArguments("rotate", args, {{"--auto"}, {"--flip"}}, err);
    const auto request = arguments ? RequestOf(*arguments) : std::nullopt;
    if (!request) {
        return Usage(err, kUsage);
    }
    const auto files = std::span(arguments->operands).subspan(request->second);
    if (lumaro::NamesNoFile(*arguments, files)) {
        return Usage(err, kUsage);
    }
    const auto gathered = lumaro::GatherFiles(*arguments, files, err);
    if (!gathered) {
        return 2;
    }
    ConsolePorts ports(*arguments, out, err);
    return WithSkips(
        ExitStatus(commands::RunRotations(gathered->files, request->first, ports.Edit()), err),
        *gathered);
}
