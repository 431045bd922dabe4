#pragma once

// Stand-in for the Windows registry: keys below four roots holding typed values, kept in an
// SQLite database in the machine folder. Key and value names are CP932 text, compared without
// regard to case and stored in the case first written. Every write is one transaction, and
// several processes may use the same database at once. Failures come back as messages naming
// the database file; they are UTF-8 text for people, unlike the names and data.

#include "platform/result.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

namespace registry_detail {
class Database;
}

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// The platform's type numbers, which is how the database stores them.
enum class RegistryType : std::uint32_t { Sz = 1, ExpandSz = 2, Binary = 3, Dword = 4 };

// "HKEY_CURRENT_USER" ...
[[nodiscard]] std::string_view RegistryRootName(RegistryRoot root);
// "REG_SZ" ...
[[nodiscard]] std::string_view RegistryTypeName(RegistryType type);

// A value as the registry keeps it: its type and its bytes, exactly as written.
struct RegistryValue {
    RegistryType type = RegistryType::Sz;
    std::string data;

    // String values are stored without a terminating NUL.
    [[nodiscard]] static RegistryValue Sz(std::string_view text);
    [[nodiscard]] static RegistryValue ExpandSz(std::string_view text);
    [[nodiscard]] static RegistryValue Binary(std::string_view bytes);
    // Four bytes, little-endian.
    [[nodiscard]] static RegistryValue Dword(std::uint32_t number);

    // The text of a REG_SZ or REG_EXPAND_SZ value, up to its first NUL; none for other types.
    [[nodiscard]] std::optional<std::string> Text() const;
    // The number of a four-byte REG_DWORD value; none for other types and sizes.
    [[nodiscard]] std::optional<std::uint32_t> Number() const;

    bool operator==(const RegistryValue&) const = default;
};

struct NamedRegistryValue {
    std::string name;
    RegistryValue value;
};

// An open key. It stays bound to the key it was opened on: once that key is deleted, every
// operation on it fails, even if a key of the same name is created again.
class RegistryKey {
public:
    [[nodiscard]] RegistryRoot Root() const { return root_; }
    // The path as it was asked for.
    [[nodiscard]] const std::string& Path() const { return path_; }

    // None when the key has no value of that name. The empty name is the key's default value.
    [[nodiscard]] Result<std::optional<RegistryValue>> ReadValue(std::string_view name) const;
    // Creates or replaces the value; a replaced value keeps the case of its first name.
    [[nodiscard]] Status WriteValue(std::string_view name, const RegistryValue& value);
    // False when there was no such value.
    [[nodiscard]] Result<bool> DeleteValue(std::string_view name);

    // In the order they were first written.
    [[nodiscard]] Result<std::vector<NamedRegistryValue>> Values() const;
    // In the order of their folded names.
    [[nodiscard]] Result<std::vector<std::string>> SubKeyNames() const;

private:
    friend class Registry;
    RegistryKey(std::shared_ptr<registry_detail::Database> database, RegistryRoot root,
                std::string path, std::int64_t id);

    // "HKEY_CURRENT_USER\Software\..." as UTF-8, for messages.
    [[nodiscard]] std::string Describe() const;

    std::shared_ptr<registry_detail::Database> database_;
    RegistryRoot root_;
    std::string path_;
    std::int64_t id_;
};

class Registry {
public:
    // Opens the database file, creating it when absent. Fails, naming the file, when it cannot
    // be opened or is damaged; the file is then left as it was.
    [[nodiscard]] static Result<Registry> Open(const std::filesystem::path& databaseFile);
    // The database "registry.db" of the machine folder.
    [[nodiscard]] static Result<Registry> OpenMachine();

    [[nodiscard]] const std::filesystem::path& File() const;

    // Opens the key, creating it and any missing key above it.
    [[nodiscard]] Result<RegistryKey> CreateKey(RegistryRoot root, std::string_view path);
    // Opens an existing key; none when it does not exist.
    [[nodiscard]] Result<std::optional<RegistryKey>> OpenKey(RegistryRoot root,
                                                             std::string_view path) const;
    [[nodiscard]] Result<bool> KeyExists(RegistryRoot root, std::string_view path) const;
    // Deletes the key with all its sub-keys and values; false when there was no such key.
    // A root cannot be deleted.
    [[nodiscard]] Result<bool> DeleteKey(RegistryRoot root, std::string_view path);

private:
    explicit Registry(std::shared_ptr<registry_detail::Database> database);

    std::shared_ptr<registry_detail::Database> database_;
};

} // namespace platform
