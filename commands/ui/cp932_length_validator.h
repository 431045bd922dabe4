#pragma once

// An edit box limit counted in bytes of the system code page, as the space the camera reserved
// for a text is: "富士" takes 4 of them, "Fuji" 4 as well.

#include <QValidator>

namespace commands {

class Cp932LengthValidator : public QValidator {
public:
    explicit Cp932LengthValidator(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int& position) const override;
    // A negative limit is none.
    void SetMaxBytes(int maxBytes) { maxBytes_ = maxBytes; }
    [[nodiscard]] int MaxBytes() const { return maxBytes_; }

private:
    int maxBytes_ = -1;
};

} // namespace commands
