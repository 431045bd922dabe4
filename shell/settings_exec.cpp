#include "shell/settings_exec.h"

namespace shell {
namespace {

std::string_view FieldWord(ExecField field) {
    switch (field) {
    case ExecField::Title:
        return "Title";
    case ExecField::Program:
        return "Program";
    case ExecField::Param:
        return "Param";
    case ExecField::Work:
        return "Work";
    case ExecField::Exif:
        return "Exif";
    }
    return "";
}

} // namespace

std::string ExecValueName(ExecField field, int index) {
    std::string name(FieldWord(field));
    name += static_cast<char>('A' + index);
    return name;
}

ExecOptions ParseExecOptions(std::string_view letters) {
    const auto has = [&](char letter) { return letters.find(letter) != std::string_view::npos; };
    return {has('E'), has('T'), has('D'), has('M')};
}

std::string FormatExecOptions(const ExecOptions& options) {
    std::string letters;
    if (options.restoreExif) {
        letters += 'E';
    }
    if (options.createThumbnail) {
        letters += 'T';
    }
    if (options.stripExif) {
        letters += 'D';
    }
    if (options.maximize) {
        letters += 'M';
    }
    return letters;
}

ExecTable ReadExecTable(const SettingsStore& store) {
    ExecTable table;
    for (int index = 0; index < kExecEntryCount; ++index) {
        const auto read = [&](ExecField field) {
            return store.ReadString(kExecSection, ExecValueName(field, index), "");
        };
        ExecEntry& entry = table[static_cast<std::size_t>(index)];
        entry.title = read(ExecField::Title);
        entry.program = read(ExecField::Program);
        entry.param = read(ExecField::Param);
        entry.work = read(ExecField::Work);
        entry.options = ParseExecOptions(read(ExecField::Exif));
    }
    return table;
}

platform::Status WriteExecTable(SettingsStore& store, const ExecTable& table) {
    platform::Status first;
    for (int index = 0; index < kExecEntryCount; ++index) {
        const ExecEntry& entry = table[static_cast<std::size_t>(index)];
        const std::string texts[] = {entry.title, entry.program, entry.param, entry.work,
                                     FormatExecOptions(entry.options)};
        for (std::size_t i = 0; i < kExecFields.size(); ++i) {
            platform::Status written =
                store.WriteString(kExecSection, ExecValueName(kExecFields[i], index), texts[i]);
            if (!written && first) {
                first = written;
            }
        }
    }
    return first;
}

} // namespace shell
