#include "platform/registry.h"

#include "platform/codepage.h"
#include "platform/machine_folder.h"
#include "platform/registry_database.h"
#include "platform/registry_names.h"

#include <utility>

namespace platform {
namespace {

using registry_detail::Database;
using registry_detail::DatabaseError;
using registry_detail::Statement;
using registry_detail::Transaction;

// Fixed row ids of the roots in the database.
std::int64_t RootId(RegistryRoot root) {
    return static_cast<std::int64_t>(root) + 1;
}

std::string DescribeKey(RegistryRoot root, std::string_view path) {
    std::string text(RegistryRootName(root));
    if (!path.empty()) {
        text += '\\';
        text += Cp932ToUtf8(path);
    }
    return text;
}

// "cannot <step> in registry <file>: <reason>"
Failure Fail(const Database& database, const std::string& step, const std::string& reason) {
    return Failure{"cannot " + step + " in registry " + database.File().string() + ": " + reason};
}

std::optional<std::int64_t> FindChild(Database& database, std::int64_t parent,
                                      std::string_view name) {
    Statement find(database, "SELECT id FROM registry_keys WHERE parent = ?1 AND folded = ?2");
    find.Bind(1, parent).Bind(2, FoldRegistryName(name));
    if (!find.Step()) {
        return std::nullopt;
    }
    return find.Integer(0);
}

std::int64_t AddChild(Database& database, std::int64_t parent, std::string_view name) {
    Statement add(database, "INSERT INTO registry_keys(parent, name, folded) VALUES(?1, ?2, ?3)");
    add.Bind(1, parent).Bind(2, name).Bind(3, FoldRegistryName(name));
    static_cast<void>(add.Step());
    return database.LastInsertId();
}

std::optional<std::int64_t> FindKey(Database& database, RegistryRoot root,
                                    const std::vector<std::string>& names) {
    std::int64_t id = RootId(root);
    for (const std::string& name : names) {
        const std::optional<std::int64_t> child = FindChild(database, id, name);
        if (!child) {
            return std::nullopt;
        }
        id = *child;
    }
    return id;
}

// Every operation on an open key first checks that the key is still there.
void RequireKey(Database& database, std::int64_t id) {
    Statement find(database, "SELECT 1 FROM registry_keys WHERE id = ?1");
    find.Bind(1, id);
    if (!find.Step()) {
        throw DatabaseError("the key has been deleted");
    }
}

Status CheckValueName(std::string_view name) {
    if (name.size() > kMaxValueNameLength) {
        return Failure{"the value name is longer than " + std::to_string(kMaxValueNameLength) +
                       " bytes"};
    }
    return {};
}

} // namespace

std::string_view RegistryRootName(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RegistryRoot::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RegistryRoot::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    case RegistryRoot::Users:
        return "HKEY_USERS";
    }
    return "HKEY_?";
}

std::string_view RegistryTypeName(RegistryType type) {
    switch (type) {
    case RegistryType::Sz:
        return "REG_SZ";
    case RegistryType::ExpandSz:
        return "REG_EXPAND_SZ";
    case RegistryType::Binary:
        return "REG_BINARY";
    case RegistryType::Dword:
        return "REG_DWORD";
    }
    return "REG_?";
}

RegistryValue RegistryValue::Sz(std::string_view text) {
    return {RegistryType::Sz, std::string(text)};
}

RegistryValue RegistryValue::ExpandSz(std::string_view text) {
    return {RegistryType::ExpandSz, std::string(text)};
}

RegistryValue RegistryValue::Binary(std::string_view bytes) {
    return {RegistryType::Binary, std::string(bytes)};
}

RegistryValue RegistryValue::Dword(std::uint32_t number) {
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    }
    return {RegistryType::Dword, std::move(bytes)};
}

std::optional<std::string> RegistryValue::Text() const {
    if (type != RegistryType::Sz && type != RegistryType::ExpandSz) {
        return std::nullopt;
    }
    return data.substr(0, data.find('\0'));
}

std::optional<std::uint32_t> RegistryValue::Number() const {
    if (type != RegistryType::Dword || data.size() != 4) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    }
    return number;
}

RegistryKey::RegistryKey(std::shared_ptr<registry_detail::Database> database, RegistryRoot root,
                         std::string path, std::int64_t id)
    : database_(std::move(database)), root_(root), path_(std::move(path)), id_(id) {}

std::string RegistryKey::Describe() const {
    return DescribeKey(root_, path_);
}

Result<std::optional<RegistryValue>> RegistryKey::ReadValue(std::string_view name) const {
    const std::string step = "read value \"" + Cp932ToUtf8(name) + "\" of " + Describe();
    try {
        Transaction transaction(*database_, Transaction::Kind::Read);
        RequireKey(*database_, id_);
        Statement read(*database_, "SELECT type, data FROM registry_values "
                                   "WHERE key = ?1 AND folded = ?2");
        read.Bind(1, id_).Bind(2, FoldRegistryName(name));
        std::optional<RegistryValue> value;
        if (read.Step()) {
            value = RegistryValue{static_cast<RegistryType>(read.Integer(0)), read.Bytes(1)};
        }
        return value;
    } catch (const DatabaseError& error) {
        return Fail(*database_, step, error.what());
    }
}

Status RegistryKey::WriteValue(std::string_view name, const RegistryValue& value) {
    const std::string step = "write value \"" + Cp932ToUtf8(name) + "\" of " + Describe();
    if (Status valid = CheckValueName(name); !valid) {
        return Fail(*database_, step, valid.Error());
    }
    try {
        Transaction transaction(*database_, Transaction::Kind::Write);
        RequireKey(*database_, id_);
        Statement write(*database_, "INSERT INTO registry_values(key, name, folded, type, data) "
                                    "VALUES(?1, ?2, ?3, ?4, ?5) ON CONFLICT(key, folded) "
                                    "DO UPDATE SET type = excluded.type, data = excluded.data");
        write.Bind(1, id_).Bind(2, name).Bind(3, FoldRegistryName(name));
        write.Bind(4, static_cast<std::int64_t>(value.type)).Bind(5, value.data);
        static_cast<void>(write.Step());
        transaction.Commit();
        return {};
    } catch (const DatabaseError& error) {
        return Fail(*database_, step, error.what());
    }
}

Result<bool> RegistryKey::DeleteValue(std::string_view name) {
    const std::string step = "delete value \"" + Cp932ToUtf8(name) + "\" of " + Describe();
    try {
        Transaction transaction(*database_, Transaction::Kind::Write);
        RequireKey(*database_, id_);
        Statement remove(*database_, "DELETE FROM registry_values WHERE key = ?1 AND folded = ?2");
        remove.Bind(1, id_).Bind(2, FoldRegistryName(name));
        static_cast<void>(remove.Step());
        const bool removed = database_->Changes() > 0;
        transaction.Commit();
        return removed;
    } catch (const DatabaseError& error) {
        return Fail(*database_, step, error.what());
    }
}

Result<std::vector<NamedRegistryValue>> RegistryKey::Values() const {
    try {
        Transaction transaction(*database_, Transaction::Kind::Read);
        RequireKey(*database_, id_);
        Statement list(*database_, "SELECT name, type, data FROM registry_values "
                                   "WHERE key = ?1 ORDER BY rowid");
        list.Bind(1, id_);
        std::vector<NamedRegistryValue> values;
        while (list.Step()) {
            values.push_back(
                {list.Bytes(0), {static_cast<RegistryType>(list.Integer(1)), list.Bytes(2)}});
        }
        return values;
    } catch (const DatabaseError& error) {
        return Fail(*database_, "list the values of " + Describe(), error.what());
    }
}

Result<std::vector<std::string>> RegistryKey::SubKeyNames() const {
    try {
        Transaction transaction(*database_, Transaction::Kind::Read);
        RequireKey(*database_, id_);
        Statement list(*database_,
                       "SELECT name FROM registry_keys WHERE parent = ?1 ORDER BY folded");
        list.Bind(1, id_);
        std::vector<std::string> names;
        while (list.Step()) {
            names.push_back(list.Bytes(0));
        }
        return names;
    } catch (const DatabaseError& error) {
        return Fail(*database_, "list the sub-keys of " + Describe(), error.what());
    }
}

Registry::Registry(std::shared_ptr<registry_detail::Database> database)
    : database_(std::move(database)) {}

Result<Registry> Registry::Open(const std::filesystem::path& databaseFile) {
    try {
        return Registry(std::make_shared<Database>(databaseFile));
    } catch (const DatabaseError& error) {
        return Failure{"cannot open registry " + databaseFile.string() + ": " + error.what()};
    }
}

Result<Registry> Registry::OpenMachine() {
    Result<std::filesystem::path> folder = MachineFolder();
    if (!folder) {
        return Failure{folder.Error()};
    }
    return Open(folder.Value() / "registry.db");
}

const std::filesystem::path& Registry::File() const {
    return database_->File();
}

Result<RegistryKey> Registry::CreateKey(RegistryRoot root, std::string_view path) {
    const std::string step = "create key " + DescribeKey(root, path);
    Result<std::vector<std::string>> names = SplitKeyPath(path);
    if (!names) {
        return Fail(*database_, step, names.Error());
    }
    try {
        Transaction transaction(*database_, Transaction::Kind::Write);
        std::int64_t id = RootId(root);
        for (const std::string& name : names.Value()) {
            const std::optional<std::int64_t> child = FindChild(*database_, id, name);
            id = child ? *child : AddChild(*database_, id, name);
        }
        transaction.Commit();
        return RegistryKey(database_, root, std::string(path), id);
    } catch (const DatabaseError& error) {
        return Fail(*database_, step, error.what());
    }
}

Result<std::optional<RegistryKey>> Registry::OpenKey(RegistryRoot root,
                                                     std::string_view path) const {
    const std::string step = "open key " + DescribeKey(root, path);
    Result<std::vector<std::string>> names = SplitKeyPath(path);
    if (!names) {
        return Fail(*database_, step, names.Error());
    }
    try {
        Transaction transaction(*database_, Transaction::Kind::Read);
        std::optional<RegistryKey> key;
        if (const std::optional<std::int64_t> id = FindKey(*database_, root, names.Value())) {
            key = RegistryKey(database_, root, std::string(path), *id);
        }
        return key;
    } catch (const DatabaseError& error) {
        return Fail(*database_, step, error.what());
    }
}

Result<bool> Registry::KeyExists(RegistryRoot root, std::string_view path) const {
    Result<std::optional<RegistryKey>> key = OpenKey(root, path);
    if (!key) {
        return Failure{key.Error()};
    }
    return key.Value().has_value();
}

Result<bool> Registry::DeleteKey(RegistryRoot root, std::string_view path) {
    const std::string step = "delete key " + DescribeKey(root, path);
    Result<std::vector<std::string>> names = SplitKeyPath(path);
    if (!names) {
        return Fail(*database_, step, names.Error());
    }
    if (names.Value().empty()) {
        return Fail(*database_, step, "a root cannot be deleted");
    }
    // The key and everything below it, found by walking down from the key.
    constexpr std::string_view kSubtree =
        "WITH RECURSIVE doomed(id) AS (SELECT ?1 UNION ALL "
        "SELECT k.id FROM registry_keys k JOIN doomed d ON k.parent = d.id) ";
    try {
        Transaction transaction(*database_, Transaction::Kind::Write);
        const std::optional<std::int64_t> id = FindKey(*database_, root, names.Value());
        if (!id) {
            return false;
        }
        Statement values(*database_,
                         std::string(kSubtree) + "DELETE FROM registry_values WHERE key IN doomed");
        static_cast<void>(values.Bind(1, *id).Step());
        Statement keys(*database_,
                       std::string(kSubtree) + "DELETE FROM registry_keys WHERE id IN doomed");
        static_cast<void>(keys.Bind(1, *id).Step());
        transaction.Commit();
        return true;
    } catch (const DatabaseError& error) {
        return Fail(*database_, step, error.what());
    }
}

} // namespace platform
