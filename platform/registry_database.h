#pragma once

// The SQLite file behind the registry: opening it safely for several processes, statements and
// transactions. Used only by registry.cpp; failures are DatabaseError, which the registry turns
// into messages naming the file.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::registry_detail {

class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Database {
public:
    // Opens the file, creating it when absent, switches it to write-ahead logging, checks that
    // it is whole and creates the tables. Throws DatabaseError with the reason.
    explicit Database(const std::filesystem::path& file);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    [[nodiscard]] const std::filesystem::path& File() const { return file_; }
    [[nodiscard]] sqlite3* Handle() const { return handle_; }

    // Runs statements that return no rows.
    void Execute(const char* sql);
    [[nodiscard]] std::int64_t LastInsertId() const;
    [[nodiscard]] int Changes() const;

    // SQLite's reason for the last failure on this connection.
    [[nodiscard]] std::string LastError() const;

private:
    Database(const std::filesystem::path& file, int openFlags);
    static void CreateWhole(const std::filesystem::path& file);
    void Connect(int openFlags);
    void CheckWhole();

    std::filesystem::path file_;
    sqlite3* handle_ = nullptr;
};

class Statement {
public:
    Statement(Database& database, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1. Text is bound as a blob: names and data are CP932 bytes.
    Statement& Bind(int index, std::int64_t number);
    Statement& Bind(int index, std::string_view bytes);

    // True while there is a row to read.
    [[nodiscard]] bool Step();
    [[nodiscard]] std::int64_t Integer(int column) const;
    [[nodiscard]] std::string Bytes(int column) const;

private:
    Database& database_;
    sqlite3_stmt* statement_ = nullptr;
};

// One transaction; rolled back unless committed. A writing transaction takes the write lock at
// once, so two writers queue on the busy timeout instead of failing half-way.
class Transaction {
public:
    enum class Kind { Read, Write };
    Transaction(Database& database, Kind kind);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

private:
    Database& database_;
    bool open_ = true;
};

} // namespace platform::registry_detail
