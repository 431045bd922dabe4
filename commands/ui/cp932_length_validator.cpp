#include "commands/ui/cp932_length_validator.h"

#include "platform/codepage.h"

namespace commands {

QValidator::State Cp932LengthValidator::validate(QString& input, int& /*position*/) const {
    if (maxBytes_ < 0) {
        return Acceptable;
    }
    const std::size_t bytes = platform::Utf8ToCp932(input.toStdString()).size();
    return bytes <= static_cast<std::size_t>(maxBytes_) ? Acceptable : Invalid;
}

} // namespace commands
