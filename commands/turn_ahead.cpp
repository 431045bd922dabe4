#include "commands/turn_ahead.h"

#include "platform/file_error.h"

namespace commands {

std::size_t TurnAhead::Add(const std::filesystem::path& file, const exif::RotationPlan& plan) {
    files_.emplace_back(file, plan);
    return files_.size() - 1;
}

void TurnAhead::Start(std::size_t index) {
    if (index >= files_.size() || started_.contains(index)) {
        return;
    }
    const auto& [file, plan] = files_[index];
    started_.emplace(index, std::async(std::launch::async, exif::TurnPicture, file, plan));
}

exif::TurnedPicture TurnAhead::Take(std::size_t index) {
    Start(index);
    Start(index + 1);
    auto node = started_.extract(index);
    try {
        return node.mapped().get();
    } catch (const platform::FileError&) {
        // Read while another program was still writing it, perhaps: the file as it is now decides.
        return exif::TurnPicture(files_[index].first, files_[index].second);
    }
}

} // namespace commands
