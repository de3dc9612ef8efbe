#pragma once
// The person database file over SQLite: opening it (creating it when
// missing), and reading and writing rows by their hidden key. Every write is
// one committed transaction; values are always bound, never spliced into SQL.
//
// A running Kesora keeps the file locked for as long as it has it open, so a
// second Kesora (or any other program) cannot change it behind the first one's
// views; the second one is told so and works on without the database.

#include <QSqlError>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "shell/database/person_fields.hpp"

namespace kesora::shell {

enum class OpenFailure {
    NoDriver,        // Qt's SQLite driver is not installed
    CannotCreate,    // missing, and could not be made in the folder
    FolderReadOnly,  // the folder refuses new files (SQLite keeps its log beside the file)
    FileReadOnly,
    Unreadable,
    NotAFile,        // a folder or device carries the name
    EmptyFile,
    NotADatabase,    // not an SQLite file at all
    OtherProgram,    // an SQLite file, but not one of ours
    Damaged,         // ours, but SQLite cannot read it
    InUse,           // locked by another running Kesora or another program
};

// A read: `failed` when SQLite reported an error, else the row if there is one.
struct Lookup {
    bool failed = false;
    std::optional<StoredPerson> person;
};

class PersonFile {
public:
    PersonFile();
    ~PersonFile();
    PersonFile(const PersonFile&) = delete;
    PersonFile& operator=(const PersonFile&) = delete;

    // Opens the file at `path`, creating it with its table when there is no
    // file of that name. A file that is there but not ours is left untouched.
    std::optional<OpenFailure> open(const QString& path);
    void close();
    bool isOpen() const;
    const QString& path() const { return path_; }

    // Rows in key order. -1 when the count failed.
    int count();
    Lookup first();
    Lookup last();
    Lookup after(qint64 id);
    Lookup before(qint64 id);
    Lookup at(int row);
    // Up to `limit` rows from position `offset`; nullopt when the read failed.
    std::optional<std::vector<StoredPerson>> rows(int offset, int limit);

    // Each a committed transaction; false (nullopt) when nothing was written.
    std::optional<qint64> insert(const PersonFields& fields);
    bool update(qint64 id, const PersonFields& fields);
    bool remove(qint64 id);

    const QSqlError& lastError() const { return lastError_; }

private:
    struct Connection;
    std::optional<OpenFailure> claim();
    bool write(const std::function<bool()>& step);

    QString path_;
    std::unique_ptr<Connection> connection_;
    QSqlError lastError_;
};

// The application id SQLite keeps in the file's header marks a Kesora file.
inline constexpr int kPersonFileApplicationId = 0x4B53524B;  // "KSRK"

}  // namespace kesora::shell
