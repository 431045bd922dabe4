#include "apps/lumaro/file_commands_options.h"

#include "platform/codepage.h"

#include <ostream>

namespace lumaro_files {

std::optional<Arguments> ParseFileArguments(std::string_view command,
                                            std::span<const std::string> args,
                                            lumaro::ArgumentRules rules, std::ostream& err) {
    rules.flags.insert({"--dry-run", "--yes", "--no-header"});
    return lumaro::ParseArguments(command, args, rules, err);
}

ThrottledStream::ThrottledStream(std::ostream& target) : buffer_(target), stream_(&buffer_) {}

ThrottledStream::~ThrottledStream() {
    buffer_.PassOn();
}

void ThrottledStream::Buffer::PassOn() {
    if (!pending_.empty()) {
        target_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
        target_.flush();
        pending_.clear();
    }
    passed_ = std::chrono::steady_clock::now();
}

void ThrottledStream::Buffer::LineEnded() {
    constexpr auto kInterval = std::chrono::milliseconds(100);
    if (std::chrono::steady_clock::now() - passed_ >= kInterval) {
        PassOn();
    }
}

ThrottledStream::Buffer::int_type ThrottledStream::Buffer::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        pending_ += traits_type::to_char_type(c);
        if (traits_type::to_char_type(c) == '\n') {
            LineEnded();
        }
    }
    return traits_type::not_eof(c);
}

std::streamsize ThrottledStream::Buffer::xsputn(const char* text, std::streamsize count) {
    pending_.append(text, static_cast<std::size_t>(count));
    if (count > 0 && text[count - 1] == '\n') {
        LineEnded();
    }
    return count;
}

int ThrottledStream::Buffer::sync() {
    PassOn();
    return 0;
}

commands::Confirmation ConsoleFilePorts::Confirm(commands::ConfirmationList& list) {
    if (keepsExisting_) {
        for (commands::PlannedRow& row : list.Rows()) {
            const std::filesystem::path destination = platform::Cp932ToPath(row.newValue);
            std::error_code error;
            if (row.newValue != row.oldValue && std::filesystem::exists(destination, error)) {
                row.checked = false;
                keptInDryRun_ = true;
                err_ << "lumaro: kept " << destination.string()
                     << ", which exists (--yes replaces it)\n";
            }
        }
    }
    return confirm_.Confirm(list);
}

void ConsoleFilePorts::Tell(const std::string& message) {
    err_ << "lumaro: " << message << '\n';
}

platform::OverwriteAnswer ConsoleFilePorts::AskOverwrite(const std::filesystem::path& /*source*/,
                                                         const std::filesystem::path& destination) {
    if (yes_) {
        return platform::OverwriteAnswer::YesToAll;
    }
    err_ << "lumaro: kept " << destination.string() << ", which exists (--yes replaces it)\n";
    return platform::OverwriteAnswer::No;
}

void ConsolePublishPort::Tell(const std::string& message) {
    told_ = true;
    err_ << "lumaro: " << message << '\n';
}

bool ConsolePublishPort::Ask(const std::string& question) {
    err_ << "lumaro: " << question << (yes_ ? " yes\n" : " no (--yes answers yes)\n");
    return yes_;
}

int ExitStatus(const commands::FileCommandResult& result) {
    return result.end == commands::DialogEnd::StayOpen || result.failed > 0 || result.kept > 0
               ? 1
               : 0;
}

} // namespace lumaro_files
