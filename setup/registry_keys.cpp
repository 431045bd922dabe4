#include "setup/registry_keys.h"

#include "setup/text_primitives.h"

namespace setup {

platform::RegistryRoot RootOfToken(std::string_view token) {
    if (token == "(Class)") {
        return platform::RegistryRoot::ClassesRoot;
    }
    if (token == "(Local)") {
        return platform::RegistryRoot::LocalMachine;
    }
    if (token == "(Users)") {
        return platform::RegistryRoot::Users;
    }
    return platform::RegistryRoot::CurrentUser;
}

std::string TrimKeyPath(std::string_view path) {
    while (StartsWithDelimiter(path)) {
        path.remove_prefix(1);
    }
    while (EndsWithDelimiter(path)) {
        path.remove_suffix(1);
    }
    return std::string(path);
}

RootedKey ParseRootedKey(std::string_view text) {
    const bool hasToken = (!text.empty() && text.front() == '(') ||
                          (text.size() >= kRootTokenLength && text[kRootTokenLength - 1] == ')');
    if (!hasToken) {
        return {platform::RegistryRoot::CurrentUser, TrimKeyPath(text)};
    }
    const std::string_view token = text.substr(0, kRootTokenLength);
    const std::string_view key =
        text.size() > kRootTokenLength ? text.substr(kRootTokenLength) : std::string_view();
    return {RootOfToken(token), TrimKeyPath(key)};
}

RootedKey ParseUninstallRootedKey(std::string_view text) {
    const bool hasToken =
        text.size() >= kRootTokenLength && text.front() == '(' && text[kRootTokenLength - 1] == ')';
    if (!hasToken) {
        return {platform::RegistryRoot::CurrentUser, TrimKeyPath(text)};
    }
    return {RootOfToken(text.substr(0, kRootTokenLength)),
            TrimKeyPath(text.substr(kRootTokenLength))};
}

} // namespace setup
