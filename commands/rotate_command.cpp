#include "commands/rotate_command.h"

#include "commands/turn_ahead.h"

#include "exif/exif_block.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"

#include <array>
#include <memory>
#include <variant>

namespace commands {
namespace {

// What each turn is called in the rows, in the order of exif::PixelTransform; no turn of its
// own is the turn upright that --auto and the menu's automatic correction ask for.
constexpr std::array<const char*, 8> kTurnNames = {"向きを自動補正", "左右反転",     "180°回転",
                                                   "上下反転",       "対角線で反転", "右に90°回転",
                                                   "逆対角線で反転", "左に90°回転"};

// The Orientation value as the file holds it; "-" without one.
std::string OrientationText(const std::filesystem::path& file) {
    const std::string value = exif::ReadTagText(file, "Orientation");
    return value.empty() ? "-" : value;
}

BatchItem RotationItem(const std::filesystem::path& file, const exif::RotationRequest& request,
                       const std::string& action, const std::shared_ptr<TurnAhead>& ahead) {
    const auto planned = exif::PlanRotation(file, request);
    if (const auto* reason = std::get_if<std::string>(&planned)) {
        return NotProcessedItem(file, *reason);
    }
    const exif::RotationPlan plan = std::get<exif::RotationPlan>(planned);
    std::string after = plan.hasExif ? "1" : "-";
    if (plan.trimsEdges) {
        after += "（端のブロックを切り詰め）";
    }
    const PlannedRow row{RowCaption(file), action,
                         platform::Utf8ToCp932(plan.hasExif ? OrientationText(file) : "-"),
                         platform::Utf8ToCp932(after), true};
    const std::size_t index = ahead->Add(file, plan);
    return {row, file,
            [file, plan, index, ahead] {
                exif::WriteTurnedPicture(file, plan, ahead->Take(index));
            },
            {}};
}

} // namespace

BatchPlan PlanRotations(const Selection& files, const exif::RotationRequest& request) {
    using platform::Utf8ToCp932;
    BatchPlan plan{
        Utf8ToCp932("現在の向き"), Utf8ToCp932("回転後の向き"), Utf8ToCp932("回転中"), {}};
    const std::string action = Utf8ToCp932(kTurnNames[static_cast<std::size_t>(request.turn)]);
    const auto ahead = std::make_shared<TurnAhead>();
    for (const std::filesystem::path& file : files) {
        plan.items.push_back(exif::IsJpegName(file) ? RotationItem(file, request, action, ahead)
                                                    : NotProcessedItem(file, NotJpegReason()));
    }
    return plan;
}

BatchReport RunRotations(const Selection& files, const exif::RotationRequest& request,
                         EditPorts ports) {
    return RunEditBatch([&] { return PlanRotations(files, request); }, ports);
}

} // namespace commands
