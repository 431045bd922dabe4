#include "setup/associations.h"

#include "platform/registry.h"
#include "setup/messages.h"

namespace setup {
namespace {

using platform::RegistryRoot;
using platform::RegistryValue;

platform::Status WriteDefault(platform::Registry& registry, const std::string& key,
                              const std::string& value) {
    platform::Result<platform::RegistryKey> opened =
        registry.CreateKey(RegistryRoot::ClassesRoot, key);
    if (!opened) {
        return platform::Failure{opened.Error()};
    }
    return opened.Value().WriteValue("", RegistryValue::Sz(value));
}

// The default value of "." + ext: its file type before this install; empty when none.
platform::Result<std::string> CurrentFileType(const platform::Registry& registry,
                                              const std::string& extension) {
    platform::Result<std::optional<platform::RegistryKey>> key =
        registry.OpenKey(RegistryRoot::ClassesRoot, "." + extension);
    if (!key) {
        return platform::Failure{key.Error()};
    }
    if (!key.Value()) {
        return std::string();
    }
    platform::Result<std::optional<RegistryValue>> value = key.Value()->ReadValue("");
    if (!value) {
        return platform::Failure{value.Error()};
    }
    return value.Value() ? value.Value()->Text().value_or("") : std::string();
}

platform::Status Associate(InstallRun& run, const Association& association) {
    platform::Result<platform::Registry> registry = platform::Registry::OpenMachine();
    if (!registry) {
        return platform::Failure{registry.Error()};
    }
    if (!HoldsExtension(run.lists.restoreRelate, association.extension)) {
        platform::Result<std::string> previous =
            CurrentFileType(registry.Value(), association.extension);
        if (!previous) {
            return platform::Failure{previous.Error()};
        }
        run.RecordRelate(association.extension, previous.Value());
    }
    const std::string type = association.FileType();
    const std::pair<std::string, std::string> writes[] = {
        {"." + association.extension, type},
        {type, association.description},
        {type + "\\DefaultIcon", association.icon},
        {type + "\\shell\\" + association.verb + "\\command", association.command},
    };
    for (const auto& [key, value] : writes) {
        if (platform::Status written = WriteDefault(registry.Value(), key, value); !written) {
            return written;
        }
    }
    return {};
}

} // namespace

Association PlanAssociation(const RelateEntry& entry, const PathMacros& macros) {
    Association association;
    association.extension = entry.extension;
    association.description = entry.description;
    association.verb = ExpandPathMacros(entry.verb, macros);
    association.program = ExpandPathMacros(entry.program, macros);
    association.command = association.program.find(' ') != std::string::npos
                              ? "\"" + association.program + "\""
                              : association.program;
    for (const std::string& argument : entry.arguments) {
        const std::string expanded = ExpandPathMacros(argument, macros);
        if (!expanded.empty()) {
            association.command += " " + expanded;
        }
    }
    association.icon = association.program + "," + ExpandPathMacros(entry.iconIndex, macros);
    return association;
}

Flow SetAssociations(InstallRun& run) {
    for (const RelateEntry& entry : run.script.relate) {
        run.Show(Cp932Text(text::kSettingAssociation));
        const Association association = PlanAssociation(entry, run.macros);
        const Answer answer = run.Ask({Cp932Text(text::kAssociateBefore) + association.extension +
                                           Cp932Text(text::kAssociateMiddle) + association.program +
                                           Cp932Text(text::kAssociateAfter),
                                       Cp932Text(text::kAssociateTitle), MessageIcon::Question,
                                       MessageButtons::YesNo, QuestionTopic::General});
        if (answer == Answer::Yes) {
            if (platform::Status done = Associate(run, association); !done) {
                run.report.AddFailure(report_tag::kRelate, "." + association.extension,
                                      done.Error());
            }
        }
        if (run.EndStep() == Flow::Stop) {
            return Flow::Stop;
        }
    }
    return Flow::Go;
}

} // namespace setup
