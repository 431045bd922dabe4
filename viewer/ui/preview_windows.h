#pragma once

// The preview command's windows for the program: a new TPreviewDlg per picture, and a message
// box when a file cannot be shown.

#include "viewer/preview_walk.h"

class QWidget;

namespace viewer {

class PreviewWindows : public PreviewDisplay {
public:
    // The windows and messages are owned by `parent` (may be null) while they are shown.
    explicit PreviewWindows(QWidget* parent);

    [[nodiscard]] PreviewScreen Screen() override;
    [[nodiscard]] PreviewResult Show(const exif::Image& picture, const PreviewLayout& layout,
                                     const std::string& caption) override;
    void ReportError(const std::string& message) override;

private:
    QWidget* parent_;
};

} // namespace viewer
