#include "platform/registry_database.h"

#include <cerrno>
#include <cstring>
#include <sqlite3.h>
#include <system_error>
#include <unistd.h>

namespace platform::registry_detail {
namespace {

// Long enough for the other process to finish any write of this registry, which are all small.
constexpr int kBusyTimeoutMilliseconds = 10000;

// Key ids are never reused (AUTOINCREMENT), so an open key whose key was deleted and created
// again notices. The four roots have fixed ids in the order of RegistryRoot.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS registry_keys(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    parent INTEGER NOT NULL,
    name BLOB NOT NULL,
    folded BLOB NOT NULL,
    UNIQUE(parent, folded));
CREATE TABLE IF NOT EXISTS registry_values(
    key INTEGER NOT NULL,
    name BLOB NOT NULL,
    folded BLOB NOT NULL,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    PRIMARY KEY(key, folded));
INSERT OR IGNORE INTO registry_keys(id, parent, name, folded) VALUES
    (1, 0, 'HKEY_CLASSES_ROOT', 'HKEY_CLASSES_ROOT'),
    (2, 0, 'HKEY_CURRENT_USER', 'HKEY_CURRENT_USER'),
    (3, 0, 'HKEY_LOCAL_MACHINE', 'HKEY_LOCAL_MACHINE'),
    (4, 0, 'HKEY_USERS', 'HKEY_USERS');
)sql";

} // namespace

Database::Database(const std::filesystem::path& file) : file_(file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error) && !error) {
        CreateWhole(file);
    }
    Connect(SQLITE_OPEN_READWRITE);
}

Database::Database(const std::filesystem::path& file, int openFlags) : file_(file) {
    Connect(openFlags);
}

void Database::CreateWhole(const std::filesystem::path& file) {
    // Made under a name of this process's own and linked into place, so nobody ever opens it
    // half made: two processes turning one empty file into a write-ahead-log database at the
    // same moment lose each other's first writes. link() fails when another process won.
    const std::filesystem::path draft = file.string() + ".new-" + std::to_string(getpid());
    std::error_code ignored;
    try {
        const Database made(draft, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    } catch (const DatabaseError&) {
        std::filesystem::remove(draft, ignored);
        throw;
    }
    const int linked = link(draft.c_str(), file.c_str());
    const int reason = errno;
    std::filesystem::remove(draft, ignored);
    if (linked != 0 && reason != EEXIST) {
        throw DatabaseError(std::string("cannot put the new database in place: ") +
                            std::strerror(reason));
    }
}

void Database::Connect(int openFlags) {
    const int opened = sqlite3_open_v2(file_.c_str(), &handle_, openFlags, nullptr);
    if (opened != SQLITE_OK) {
        const std::string reason = handle_ != nullptr ? LastError() : sqlite3_errstr(opened);
        sqlite3_close(handle_);
        throw DatabaseError(reason);
    }
    try {
        sqlite3_busy_timeout(handle_, kBusyTimeoutMilliseconds);
        // Readers and one writer at a time in several processes; NORMAL is durable in this
        // mode except for the last writes before a power cut.
        Execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
        CheckWhole();
        Transaction schema(*this, Transaction::Kind::Write);
        Execute(kSchema);
        schema.Commit();
    } catch (...) {
        sqlite3_close(handle_);
        throw;
    }
}

Database::~Database() {
    sqlite3_close(handle_);
}

void Database::CheckWhole() {
    Statement check(*this, "PRAGMA quick_check");
    if (check.Step()) {
        const std::string verdict = check.Bytes(0);
        if (verdict != "ok") {
            throw DatabaseError("the database is damaged (" + verdict + ")");
        }
    }
}

void Database::Execute(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(handle_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string reason = message != nullptr ? message : LastError();
        sqlite3_free(message);
        throw DatabaseError(reason);
    }
}

std::int64_t Database::LastInsertId() const {
    return sqlite3_last_insert_rowid(handle_);
}

int Database::Changes() const {
    return sqlite3_changes(handle_);
}

std::string Database::LastError() const {
    return sqlite3_errmsg(handle_);
}

Statement::Statement(Database& database, std::string_view sql) : database_(database) {
    if (sqlite3_prepare_v2(database.Handle(), sql.data(), static_cast<int>(sql.size()), &statement_,
                           nullptr) != SQLITE_OK) {
        throw DatabaseError(database.LastError());
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement& Statement::Bind(int index, std::int64_t number) {
    if (sqlite3_bind_int64(statement_, index, number) != SQLITE_OK) {
        throw DatabaseError(database_.LastError());
    }
    return *this;
}

Statement& Statement::Bind(int index, std::string_view bytes) {
    // A zero-length blob needs a non-null pointer, or SQLite binds NULL.
    static const char empty = 0;
    const char* data = bytes.empty() ? &empty : bytes.data();
    if (sqlite3_bind_blob64(statement_, index, data, bytes.size(), SQLITE_TRANSIENT) != SQLITE_OK) {
        throw DatabaseError(database_.LastError());
    }
    return *this;
}

bool Statement::Step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) {
        return true;
    }
    if (result == SQLITE_DONE) {
        return false;
    }
    throw DatabaseError(database_.LastError());
}

std::int64_t Statement::Integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string Statement::Bytes(int column) const {
    const void* data = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    if (data == nullptr || size <= 0) {
        return {};
    }
    return std::string(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

Transaction::Transaction(Database& database, Kind kind) : database_(database) {
    database.Execute(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction() {
    if (open_) {
        // Nothing of the failed step is kept; a failing rollback leaves SQLite to undo it.
        sqlite3_exec(database_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::Commit() {
    database_.Execute("COMMIT");
    open_ = false;
}

} // namespace platform::registry_detail
