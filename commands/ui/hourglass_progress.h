#pragma once

// The hourglass cursor for as long as a run shows its progress window.

#include "commands/batch_ports.h"

namespace commands {

class HourglassProgress : public ProgressPort {
public:
    explicit HourglassProgress(ProgressPort& window) : window_(window) {}
    void Start(int maximum) override;
    void SetTexts(const std::string& action, const std::string& source,
                  const std::string& destination) override {
        window_.SetTexts(action, source, destination);
    }
    void Step() override { window_.Step(); }
    void Finish() override;

private:
    ProgressPort& window_;
    bool waiting_ = false;
};

} // namespace commands
