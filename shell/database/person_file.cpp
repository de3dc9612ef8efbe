#include "shell/database/person_file.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryFile>
#include <QUrl>
#include <atomic>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace kesora::shell {

namespace {

constexpr const char* kDriver = "QSQLITE";
// Long enough to ride out a moment's lock by a backup tool; a second Kesora
// never lets go, so waiting longer would only delay its message.
constexpr const char* kConnectOptions = "QSQLITE_BUSY_TIMEOUT=1000";
constexpr char kSqliteMagic[] = "SQLite format 3";  // with its NUL: the first 16 bytes

// SQLite's primary result codes that decide how an open failed.
constexpr int kBusy = 5, kLocked = 6, kReadOnly = 8, kCantOpen = 14, kNotADb = 26;

QString Quoted(const char* identifier) { return QLatin1Char('"') + QString::fromUtf8(identifier) + QLatin1Char('"'); }

QString ColumnList() {
    QStringList columns;
    for (const char* name : kFieldNames) columns << Quoted(name);
    return columns.join(QStringLiteral(", "));
}

QString Select(const QString& tail) {
    return QStringLiteral("SELECT id, %1 FROM %2 %3").arg(ColumnList(), Quoted(kTableName), tail);
}

QString CreateTableSql() {
    QStringList columns{QStringLiteral("id INTEGER PRIMARY KEY")};
    for (const char* name : kFieldNames) columns << Quoted(name) + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(Quoted(kTableName), columns.join(QStringLiteral(", ")));
}

// A null QString would be bound as SQL NULL; the boxes' empty text is ''.
QString NonNull(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }

int PrimaryCode(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xFF; }

OpenFailure Classify(const QSqlError& error) {
    switch (PrimaryCode(error)) {
    case kBusy:
    case kLocked:
        return OpenFailure::InUse;
    case kNotADb:
        return OpenFailure::NotADatabase;
    case kReadOnly:
        return OpenFailure::FileReadOnly;
    case kCantOpen:
        return OpenFailure::FolderReadOnly;
    default:
        return OpenFailure::Damaged;
    }
}

QString NewConnectionName() {
    static std::atomic<int> next{0};
    return QStringLiteral("kesora-persons-%1").arg(next++);
}

// Opens nothing for writing and leaves the file as it is.
std::optional<OpenFailure> CheckHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return OpenFailure::Unreadable;
    if (file.size() == 0) return OpenFailure::EmptyFile;
    const QByteArray head = file.read(sizeof kSqliteMagic);
    if (head != QByteArray(kSqliteMagic, sizeof kSqliteMagic)) return OpenFailure::NotADatabase;
    return std::nullopt;
}

std::optional<OpenFailure> CheckWritable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return OpenFailure::FileReadOnly;
    QTemporaryFile probe(QFileInfo(path).dir().filePath(QStringLiteral(".kesora-probe-XXXXXX")));
    if (!probe.open()) return OpenFailure::FolderReadOnly;
    return std::nullopt;
}

// Makes a rename in `folder` survive a power cut.
void SyncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void RemoveWithLogs(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) QFile::remove(path + QLatin1String(suffix));
}

// The new file is built under a scratch name and renamed into place, so the
// name never shows a half-made file, whatever stops the program meanwhile.
std::optional<OpenFailure> CreatePersonFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.dir().exists()) return OpenFailure::CannotCreate;
    static std::atomic<int> attempt{0};
    const QString scratch = QStringLiteral("%1.new-%2-%3").arg(path).arg(QCoreApplication::applicationPid()).arg(attempt++);
    RemoveWithLogs(scratch);
    {
        QFile probe(scratch);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return OpenFailure::FolderReadOnly;
    }
    const QString name = NewConnectionName();
    bool made = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), name);
        db.setDatabaseName(scratch);
        if (db.open()) {
            QSqlQuery q(db);
            made = db.transaction() &&
                   q.exec(QStringLiteral("PRAGMA application_id = %1").arg(kPersonFileApplicationId)) &&
                   q.exec(CreateTableSql()) && db.commit();
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    // QFile::rename never replaces: a file of that name that appeared meanwhile is opened as found.
    if (made && QFile::rename(scratch, path)) {
        SyncFolder(info.absolutePath());
        return std::nullopt;
    }
    RemoveWithLogs(scratch);
    return made && QFileInfo::exists(path) ? std::nullopt : std::optional(OpenFailure::CannotCreate);
}

}  // namespace

struct PersonFile::Connection {
    explicit Connection(const QString& path) : name(NewConnectionName()) {
        db = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), name);
        // mode=rw: SQLite opens the file as found and never creates one.
        db.setDatabaseName(QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded()) + QStringLiteral("?mode=rw"));
        db.setConnectOptions(QString::fromLatin1(kConnectOptions) + QStringLiteral(";QSQLITE_OPEN_URI"));
    }
    ~Connection() {
        queries.clear();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlQuery& prepared(const QString& sql) {
        auto found = queries.find(sql);
        if (found == queries.end()) {
            found = queries.emplace(sql, QSqlQuery(db)).first;
            found->second.setForwardOnly(true);
            found->second.prepare(sql);
        }
        return found->second;
    }

    QString name;
    QSqlDatabase db;
    std::map<QString, QSqlQuery> queries;
};

PersonFile::PersonFile() = default;
PersonFile::~PersonFile() { close(); }

bool PersonFile::isOpen() const { return connection_ != nullptr; }

void PersonFile::close() { connection_.reset(); }

std::optional<OpenFailure> PersonFile::open(const QString& path) {
    close();
    path_ = path;
    if (!QSqlDatabase::isDriverAvailable(QString::fromLatin1(kDriver))) return OpenFailure::NoDriver;
    const QFileInfo info(path);
    if (!info.exists()) {
        if (const auto failure = CreatePersonFile(path)) return failure;
    } else if (!info.isFile()) {
        return OpenFailure::NotAFile;
    }
    if (const auto failure = CheckHeader(path)) return failure;
    // SQLite would find out only at the first write, and then not say which.
    if (const auto failure = CheckWritable(path)) return failure;

    connection_ = std::make_unique<Connection>(path);
    if (!connection_->db.open()) {
        lastError_ = connection_->db.lastError();
        close();
        return Classify(lastError_);
    }
    if (const auto failure = claim()) {
        close();
        return failure;
    }
    if (count() < 0) {
        close();
        return Classify(lastError_);
    }
    return std::nullopt;
}

// Takes the lock for the whole run, checks that the file is ours, and only
// then changes anything about it.
std::optional<OpenFailure> PersonFile::claim() {
    QSqlQuery q(connection_->db);
    const auto failed = [&] {
        lastError_ = q.lastError();
        return Classify(lastError_);
    };
    // Kept after the first transaction: nobody else reads or writes the file while it is open here.
    if (!q.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"))) return failed();
    if (!q.exec(QStringLiteral("BEGIN EXCLUSIVE"))) return failed();
    int applicationId = 0;
    QStringList columns;
    if (!q.exec(QStringLiteral("PRAGMA application_id"))) return failed();
    if (q.next()) applicationId = q.value(0).toInt();
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Quoted(kTableName)))) return failed();
    while (q.next()) columns << q.value(1).toString();
    if (!q.exec(QStringLiteral("COMMIT"))) return failed();

    QStringList expected{QStringLiteral("id")};
    for (const char* name : kFieldNames) expected << QString::fromUtf8(name);
    if (applicationId != kPersonFileApplicationId || columns != expected) return OpenFailure::OtherProgram;

    // One log write per commit, and a commit survives a power cut.
    if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !q.exec(QStringLiteral("PRAGMA synchronous = FULL")))
        return failed();
    return std::nullopt;
}

int PersonFile::count() {
    if (!connection_) return -1;
    QSqlQuery& q = connection_->prepared(QStringLiteral("SELECT COUNT(*) FROM %1").arg(Quoted(kTableName)));
    if (!q.exec() || !q.next()) {
        lastError_ = q.lastError();
        q.finish();
        return -1;
    }
    const int n = q.value(0).toInt();
    q.finish();
    return n;
}

namespace {

StoredPerson RowOf(const QSqlQuery& q) {
    StoredPerson person;
    person.id = q.value(0).toLongLong();
    for (std::size_t i = 0; i < kFieldCount; ++i) person.fields[i] = NonNull(q.value(static_cast<int>(i) + 1).toString());
    return person;
}

}  // namespace

namespace {

Lookup RunLookup(QSqlQuery& q, QSqlError& lastError) {
    Lookup result;
    if (!q.exec()) {
        lastError = q.lastError();
        result.failed = true;
    } else if (q.next()) {
        result.person = RowOf(q);
    } else if (q.lastError().isValid()) {
        lastError = q.lastError();
        result.failed = true;
    }
    q.finish();
    return result;
}

}  // namespace

Lookup PersonFile::at(int row) {
    if (row < 0) return {};
    if (!connection_) return {.failed = true};
    QSqlQuery& q = connection_->prepared(Select(QStringLiteral("ORDER BY id LIMIT 1 OFFSET ?")));
    q.bindValue(0, row);
    return RunLookup(q, lastError_);
}

Lookup PersonFile::first() {
    if (!connection_) return {.failed = true};
    return RunLookup(connection_->prepared(Select(QStringLiteral("ORDER BY id LIMIT 1"))), lastError_);
}

Lookup PersonFile::last() {
    if (!connection_) return {.failed = true};
    return RunLookup(connection_->prepared(Select(QStringLiteral("ORDER BY id DESC LIMIT 1"))), lastError_);
}

Lookup PersonFile::after(qint64 id) {
    if (!connection_) return {.failed = true};
    QSqlQuery& q = connection_->prepared(Select(QStringLiteral("WHERE id > ? ORDER BY id LIMIT 1")));
    q.bindValue(0, id);
    return RunLookup(q, lastError_);
}

Lookup PersonFile::before(qint64 id) {
    if (!connection_) return {.failed = true};
    QSqlQuery& q = connection_->prepared(Select(QStringLiteral("WHERE id < ? ORDER BY id DESC LIMIT 1")));
    q.bindValue(0, id);
    return RunLookup(q, lastError_);
}

std::optional<std::vector<StoredPerson>> PersonFile::rows(int offset, int limit) {
    if (!connection_) return std::nullopt;
    QSqlQuery& q = connection_->prepared(Select(QStringLiteral("ORDER BY id LIMIT ? OFFSET ?")));
    q.bindValue(0, limit);
    q.bindValue(1, offset);
    if (!q.exec()) {
        lastError_ = q.lastError();
        q.finish();
        return std::nullopt;
    }
    std::vector<StoredPerson> found;
    while (q.next()) found.push_back(RowOf(q));
    const bool failed = q.lastError().isValid();
    if (failed) lastError_ = q.lastError();
    q.finish();
    if (failed) return std::nullopt;
    return found;
}

bool PersonFile::write(const std::function<bool()>& step) {
    if (!connection_) return false;
    QSqlDatabase& db = connection_->db;
    if (!db.transaction()) {
        lastError_ = db.lastError();
        return false;
    }
    if (!step()) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        lastError_ = db.lastError();
        db.rollback();
        return false;
    }
    return true;
}

std::optional<qint64> PersonFile::insert(const PersonFields& fields) {
    qint64 id = 0;
    const bool written = write([&] {
        QSqlQuery& q = connection_->prepared(QStringLiteral("INSERT INTO %1 (%2) VALUES (?, ?, ?, ?, ?, ?, ?)")
                                                 .arg(Quoted(kTableName), ColumnList()));
        for (std::size_t i = 0; i < kFieldCount; ++i) q.bindValue(static_cast<int>(i), NonNull(fields[i]));
        const bool ok = q.exec();
        if (ok) id = q.lastInsertId().toLongLong();
        else lastError_ = q.lastError();
        q.finish();
        return ok;
    });
    if (!written) return std::nullopt;
    return id;
}

bool PersonFile::update(qint64 id, const PersonFields& fields) {
    return write([&] {
        QStringList assignments;
        for (const char* name : kFieldNames) assignments << Quoted(name) + QStringLiteral(" = ?");
        QSqlQuery& q = connection_->prepared(
            QStringLiteral("UPDATE %1 SET %2 WHERE id = ?").arg(Quoted(kTableName), assignments.join(QStringLiteral(", "))));
        for (std::size_t i = 0; i < kFieldCount; ++i) q.bindValue(static_cast<int>(i), NonNull(fields[i]));
        q.bindValue(static_cast<int>(kFieldCount), id);
        const bool ok = q.exec() && q.numRowsAffected() == 1;
        if (!ok) lastError_ = q.lastError();
        q.finish();
        return ok;
    });
}

bool PersonFile::remove(qint64 id) {
    return write([&] {
        QSqlQuery& q = connection_->prepared(QStringLiteral("DELETE FROM %1 WHERE id = ?").arg(Quoted(kTableName)));
        q.bindValue(0, id);
        const bool ok = q.exec() && q.numRowsAffected() == 1;
        if (!ok) lastError_ = q.lastError();
        q.finish();
        return ok;
    });
}

}  // namespace kesora::shell
