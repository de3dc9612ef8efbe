#pragma once
// Test helpers for the person database: rows written and read straight
// through SQL (not through the code under test), files' bytes, and running a
// test function again as an unprivileged user.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QtTest>
#include <unistd.h>
#include <vector>

#include "shell/database/person_fields.hpp"
#include "shell/database/person_file.hpp"

namespace kesora::testing {

using Row = QStringList;  // the seven fields, in column order

inline shell::PersonFields Fields(const Row& row) {
    shell::PersonFields fields;
    for (std::size_t i = 0; i < shell::kFieldCount; ++i)
        fields[i] = static_cast<qsizetype>(i) < row.size() ? row[static_cast<qsizetype>(i)] : QString("");
    return fields;
}

inline Row RowOf(const shell::PersonFields& fields) { return Row(fields.begin(), fields.end()); }

inline QString DatabaseIn(const QString& folder) { return QDir(folder).filePath(QString::fromUtf8(shell::kDatabaseFileName)); }

// A database made by the program's own creation step, holding `rows`.
inline bool MakeDatabase(const QString& path, const std::vector<Row>& rows) {
    shell::PersonFile file;
    if (file.open(path)) return false;
    for (const Row& row : rows)
        if (!file.insert(Fields(row))) return false;
    return true;
}

// The stored rows in key order, read with plain SQL.
inline std::vector<Row> StoredRows(const QString& path) {
    static int next = 0;
    const QString name = QStringLiteral("test-reader-%1").arg(next++);
    std::vector<Row> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) qFatal("cannot open %s", qPrintable(path));
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT \"氏名\", \"年\", \"月\", \"日\", \"時刻\", \"年代\", \"性別\" FROM \"データ\" ORDER BY id")))
            qFatal("cannot read %s: %s", qPrintable(path), qPrintable(q.lastError().text()));
        while (q.next()) {
            Row row;
            for (int i = 0; i < 7; ++i) row << q.value(i).toString();
            rows.push_back(row);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

// Runs `statements` on the file through a connection of its own.
inline bool RunSql(const QString& path, const QStringList& statements) {
    static int next = 0;
    const QString name = QStringLiteral("test-sql-%1").arg(next++);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString& sql : statements) ok = ok && q.exec(sql);
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// Makes every write that would store the name "ERR" fail inside SQLite.
inline bool RefuseTheNameErr(const QString& path) {
    return RunSql(path, {"CREATE TRIGGER refuse_update BEFORE UPDATE ON \"データ\" WHEN NEW.\"氏名\" = 'ERR' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END",
                         "CREATE TRIGGER refuse_insert BEFORE INSERT ON \"データ\" WHEN NEW.\"氏名\" = 'ERR' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END"});
}

inline QByteArray FileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

inline QStringList FolderListing(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Root writes into folders whatever their permission bits say, so a folder
// that cannot be written is tried as the unprivileged user "nobody": the
// current test function runs again in a child process under setpriv.
// Returns false (after failing or skipping the test) when the caller is root
// and must stop; true when the caller runs unprivileged and should go on.
inline bool RunUnprivileged(const char* testFunction) {
    if (geteuid() != 0) return true;
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        QTest::qSkip("root ignores folder permissions and setpriv is missing to run this as nobody",
                     __FILE__, __LINE__);
        return false;
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), QDir::tempPath());
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"),
                          QCoreApplication::applicationFilePath(), QString::fromLatin1(testFunction)});
    if (!child.waitForFinished(120000)) {
        QTest::qFail("the unprivileged run did not finish", __FILE__, __LINE__);
        return false;
    }
    const QByteArray output = child.readAll();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        QTest::qFail(("the unprivileged run failed:\n" + output).constData(), __FILE__, __LINE__);
    return false;
}

}  // namespace kesora::testing
