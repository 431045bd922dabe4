#pragma once

// The album's and the listing's messages and questions as message boxes with the caption
// "LumaroUty" and the question icon, owned by the dialog in front.

#include "publish/publish_ports.h"

class QWidget;

namespace publish {

class PublishMessageBox : public PublishPort {
public:
    explicit PublishMessageBox(QWidget* parent) : parent_(parent) {}
    void Tell(const std::string& message) override;
    [[nodiscard]] bool Ask(const std::string& question) override;

private:
    QWidget* parent_;
};

} // namespace publish
