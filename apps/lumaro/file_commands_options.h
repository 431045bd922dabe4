#pragma once

// What the file subcommands of lumaro share: their arguments and the ports that answer
// without windows (--dry-run prints the planned rows and declines, --yes answers every
// question with Yes; without it a file that exists is kept and a missing folder is not made).

#include "apps/lumaro/arguments.h"
#include "commands/console_ports.h"
#include "commands/file_command_ports.h"
#include "publish/publish_ports.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro_files {

using lumaro::Arguments;

// The command's own switches and options with a value; --dry-run, --yes and --no-header are
// always known. Nothing, with the reason on err, for an unknown option or a missing value.
[[nodiscard]] std::optional<Arguments> ParseFileArguments(std::string_view command,
                                                          std::span<const std::string> args,
                                                          lumaro::ArgumentRules rules,
                                                          std::ostream& err);

// The error stream as the file commands report to it: text is collected and passed on at the
// end of a line at most every tenth of a second, and at the end, so that a run over a thousand
// files does not make a system call for every word of its progress.
class ThrottledStream {
public:
    explicit ThrottledStream(std::ostream& target);
    ~ThrottledStream();
    ThrottledStream(const ThrottledStream&) = delete;
    ThrottledStream& operator=(const ThrottledStream&) = delete;

    [[nodiscard]] std::ostream& Stream() { return stream_; }

private:
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(std::ostream& target) : target_(target) {}
        void PassOn();

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* text, std::streamsize count) override;
        int sync() override;

    private:
        void LineEnded();

        std::ostream& target_;
        std::string pending_;
        std::chrono::steady_clock::time_point passed_{};
    };

    Buffer buffer_;
    std::ostream stream_;
};

// Messages on the error stream; the overwrite question answered Yes to all with --yes, else No.
// For a command whose rows name a destination (copy, move, rename), a dry run without --yes
// leaves unmarked, and tells, each row whose destination exists: the run would keep that file.
class ConsoleFilePorts : public commands::ConfirmPort,
                         public commands::FileMessagePort,
                         public commands::OverwriteQuestion {
public:
    ConsoleFilePorts(const Arguments& arguments, std::ostream& out, std::ostream& err,
                     bool rowsNameDestinations = false)
        : confirm_(out, arguments.Has("--dry-run"), !arguments.Has("--no-header")),
          progress_(err), err_(err), yes_(arguments.Has("--yes")),
          keepsExisting_(arguments.Has("--dry-run") && !yes_ && rowsNameDestinations) {}

    [[nodiscard]] commands::Confirmation Confirm(commands::ConfirmationList& list) override;

    void Tell(const std::string& message) override;
    [[nodiscard]] platform::OverwriteAnswer
    AskOverwrite(const std::filesystem::path& source,
                 const std::filesystem::path& destination) override;

    [[nodiscard]] commands::FileCommandPorts Ports() { return {*this, progress_, *this, *this}; }
    // Whether a dry run left a row unmarked for a destination that exists.
    [[nodiscard]] bool KeptInDryRun() const { return keptInDryRun_; }

private:
    commands::ConsoleConfirm confirm_;
    commands::ConsoleProgress progress_;
    std::ostream& err_;
    bool yes_;
    bool keepsExisting_;
    bool keptInDryRun_ = false;
};

// The album's and the listing's messages on the error stream, questions answered by --yes.
class ConsolePublishPort : public publish::PublishPort {
public:
    ConsolePublishPort(std::ostream& err, bool yes) : err_(err), yes_(yes) {}
    void Tell(const std::string& message) override;
    [[nodiscard]] bool Ask(const std::string& question) override;
    // Whether anything was told: a file the run could not handle as asked.
    [[nodiscard]] bool Told() const { return told_; }

private:
    std::ostream& err_;
    bool yes_;
    bool told_ = false;
};

// 1 when a file could not be handled or was kept, or the command was refused, else 0.
[[nodiscard]] int ExitStatus(const commands::FileCommandResult& result);

} // namespace lumaro_files
