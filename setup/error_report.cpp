#include "setup/error_report.h"

#include "platform/codepage.h"
#include "setup/text_primitives.h"

namespace setup {

void ErrorReport::Add(std::string_view tag, std::string_view subject, std::string_view reason) {
    text_.append(tag).append(subject).append(kCrLf).append(reason).append(kCrLf);
    ++failureCount_;
}

void ErrorReport::AddSystemError(std::string_view tag, std::string_view subject,
                                 platform::SystemError code) {
    Add(tag, subject, SystemErrorText(code));
}

void ErrorReport::AddFailure(std::string_view tag, std::string_view subject,
                             std::string_view utf8Message) {
    Add(tag, subject, platform::Utf8ToCp932(utf8Message) + std::string(kCrLf));
}

} // namespace setup
