#include "setup/path_macros.h"

#include "setup/text_primitives.h"

namespace setup {

std::string ReplaceMacro(std::string_view s, std::string_view macro, std::string_view value) {
    std::string result;
    const bool valueEndsWithDelimiter = EndsWithDelimiter(value);
    while (const std::size_t position = PosNoCase(macro, s)) {
        result.append(s.substr(0, position - 1));
        result.append(value);
        s.remove_prefix(position - 1 + macro.size());
        if (valueEndsWithDelimiter && StartsWithDelimiter(s)) {
            s.remove_prefix(1);
        }
    }
    result.append(s);
    return result;
}

PathMacros::PathMacros() {
    values_.fill("\\");
    values_[static_cast<std::size_t>(Macro::App)] = std::string(MacroName(Macro::App));
    values_[static_cast<std::size_t>(Macro::Set)].clear();
}

void PathMacros::Set(Macro macro, std::string_view folder) {
    values_[static_cast<std::size_t>(macro)] = AddPathDelimiter(folder, PathSide::Bottom);
}

void PathMacros::SetInstallFolder(std::string_view folder) {
    Set(Macro::App, folder);
    Set(Macro::Set, DriveOf(Value(Macro::App)));
}

std::string ExpandPathMacros(std::string_view s, const PathMacros& macros) {
    std::string expanded(s);
    for (std::size_t i = 0; i < kMacroCount; ++i) {
        expanded = ReplaceMacro(expanded, kMacroNames[i], macros.Value(static_cast<Macro>(i)));
    }
    return expanded;
}

std::string DriveOf(std::string_view path) {
    return std::string(path.substr(0, 2)) + "\\";
}

} // namespace setup
