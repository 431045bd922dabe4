#pragma once

// The progress window with the hourglass cursor from its Start to its Finish.

#include "commands/batch_ports.h"

namespace commands {

class HourglassProgress : public ProgressPort {
public:
    explicit HourglassProgress(ProgressPort& window) : window_(window) {}
    ~HourglassProgress() override;
    HourglassProgress(const HourglassProgress&) = delete;
    HourglassProgress& operator=(const HourglassProgress&) = delete;

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
