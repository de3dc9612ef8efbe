// The person database file: creation, exact values through bound parameters,
// files that are not ours left untouched, locking, unwritable folders, and
// failed writes.
#include <QtTest>

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "shell/database/person_file.hpp"
#include "tests/database/person_rows.hpp"

using namespace kesora;
using namespace kesora::testing;
using shell::OpenFailure;
using shell::PersonFile;

Q_DECLARE_METATYPE(shell::OpenFailure)

namespace {

const Row kSomeone{"山田太郎", "５９", "２", "４", "11時～13時", "昭和", ""};

QString Outcome(const std::optional<OpenFailure>& failure) {
    if (!failure) return QStringLiteral("opened");
    switch (*failure) {
    case OpenFailure::NoDriver: return QStringLiteral("NoDriver");
    case OpenFailure::CannotCreate: return QStringLiteral("CannotCreate");
    case OpenFailure::FolderReadOnly: return QStringLiteral("FolderReadOnly");
    case OpenFailure::FileReadOnly: return QStringLiteral("FileReadOnly");
    case OpenFailure::Unreadable: return QStringLiteral("Unreadable");
    case OpenFailure::NotAFile: return QStringLiteral("NotAFile");
    case OpenFailure::EmptyFile: return QStringLiteral("EmptyFile");
    case OpenFailure::NotADatabase: return QStringLiteral("NotADatabase");
    case OpenFailure::OtherProgram: return QStringLiteral("OtherProgram");
    case OpenFailure::Damaged: return QStringLiteral("Damaged");
    case OpenFailure::InUse: return QStringLiteral("InUse");
    }
    return QStringLiteral("?");
}

// Gives the folders back their write permission, so they can be removed.
struct WritableAgain {
    QStringList paths;
    ~WritableAgain() {
        for (const QString& path : paths) chmod(QFile::encodeName(path).constData(), 0755);
    }
};

int ApplicationId(const QString& path) {
    static int next = 0;
    const QString name = QStringLiteral("test-id-%1").arg(next++);
    int id = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA application_id")) && q.next()) id = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return id;
}

}  // namespace

class TestPersonFile : public QObject {
    Q_OBJECT

private slots:
    void createsTheFileWithItsTableWhenMissing() {
        QTemporaryDir folder;
        const QString path = DatabaseIn(folder.path());
        {
            PersonFile file;
            QCOMPARE(Outcome(file.open(path)), QString("opened"));
            QCOMPARE(file.count(), 0);
            QVERIFY(!file.first().failed);
            QVERIFY(!file.first().person);
        }
        QCOMPARE(ApplicationId(path), shell::kPersonFileApplicationId);
        QVERIFY(StoredRows(path).empty());
        // Nothing but the database is left beside it once closed.
        QCOMPARE(FolderListing(folder.path()), QStringList{QString::fromUtf8(shell::kDatabaseFileName)});
    }

    void valuesComeBackExactly_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes") << QString("O'Brien \"Bob\" ''");
        QTest::newRow("SQL in a name") << QString("x'); DROP TABLE \"データ\"; --");
        QTest::newRow("semicolons") << QString(";;;");
        QTest::newRow("10,000 characters") << QString(10000, QChar(u'漢'));
        QTest::newRow("emoji") << QString("👨‍👩‍👧 🐉 ✎");
        QTest::newRow("full-width digits") << QString("５９");
        QTest::newRow("placeholder") << QString("年");
        QTest::newRow("empty") << QString("");
        QTest::newRow("line breaks") << QString("a\r\nb\nc");
        QTest::newRow("NUL inside") << QString::fromUtf16(u"a\0b", 3);
        QTest::newRow("blanks around") << QString("　 x 　");
    }
    void valuesComeBackExactly() {
        QFETCH(QString, text);
        QTemporaryDir folder;
        const QString path = DatabaseIn(folder.path());
        const Row inserted{text, text, "１", text, "時刻", text, text};
        const Row updated{"after", text, text, "２", text, "西暦", text};
        {
            PersonFile file;
            QCOMPARE(Outcome(file.open(path)), QString("opened"));
            const auto first = file.insert(Fields(inserted));
            QVERIFY(first);
            QVERIFY(file.insert(Fields(inserted)));
            QVERIFY(file.update(*first, Fields(updated)));
        }
        const std::vector<Row> expected{updated, inserted};
        QCOMPARE(StoredRows(path), expected);
        PersonFile reopened;
        QCOMPARE(Outcome(reopened.open(path)), QString("opened"));
        const auto rows = reopened.rows(0, 10);
        QVERIFY(rows);
        QCOMPARE(rows->size(), 2u);
        QCOMPARE(RowOf(rows->at(0).fields), updated);
        QCOMPARE(RowOf(rows->at(1).fields), inserted);
        // An empty text is stored as text, not as a missing value.
        if (text.isEmpty()) QVERIFY(!rows->at(1).fields[0].isNull());
    }

    void readsFollowTheKeyOrder() {
        QTemporaryDir folder;
        const QString path = DatabaseIn(folder.path());
        PersonFile file;
        QCOMPARE(Outcome(file.open(path)), QString("opened"));
        std::vector<qint64> ids;
        for (const char* name : {"A", "B", "C", "D"}) ids.push_back(*file.insert(Fields({name})));
        QVERIFY(file.remove(ids[1]));
        QCOMPARE(file.count(), 3);
        QCOMPARE(file.first().person->fields[0], QString("A"));
        QCOMPARE(file.last().person->fields[0], QString("D"));
        // After and before a deleted key: its neighbours.
        QCOMPARE(file.after(ids[1]).person->fields[0], QString("C"));
        QCOMPARE(file.before(ids[1]).person->fields[0], QString("A"));
        QVERIFY(!file.after(ids[3]).person);
        QVERIFY(!file.before(ids[0]).person);
        QCOMPARE(file.at(2).person->fields[0], QString("D"));
        QVERIFY(!file.at(3).person);
        QVERIFY(!file.at(3).failed);
        QCOMPARE(file.rows(1, 5)->size(), 2u);
        QVERIFY(!file.remove(ids[1]));  // already gone: nothing was deleted
    }

    void fileThatIsNotOursIsLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<OpenFailure>("failure");
        QTest::newRow("random bytes") << "random" << OpenFailure::NotADatabase;
        QTest::newRow("empty file") << "empty" << OpenFailure::EmptyFile;
        QTest::newRow("text file") << "text" << OpenFailure::NotADatabase;
        QTest::newRow("another program's database") << "foreign" << OpenFailure::OtherProgram;
        QTest::newRow("same table, not marked as ours") << "lookalike" << OpenFailure::OtherProgram;
        QTest::newRow("our file cut short") << "truncated" << OpenFailure::Damaged;
        QTest::newRow("a folder of that name") << "folder" << OpenFailure::NotAFile;
    }
    void fileThatIsNotOursIsLeftAlone() {
        QFETCH(QString, kind);
        QFETCH(OpenFailure, failure);
        QTemporaryDir folder;
        const QString path = DatabaseIn(folder.path());
        const auto writeBytes = [&](const QByteArray& bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        if (kind == "random") {
            QByteArray bytes(8192, '\0');
            QRandomGenerator generator(42);
            for (char& c : bytes) c = static_cast<char>(generator.bounded(256));
            writeBytes(bytes);
        } else if (kind == "empty") {
            writeBytes({});
        } else if (kind == "text") {
            writeBytes("氏名,年,月\r\n山田,59,2\r\n");
        } else if (kind == "foreign") {
            QVERIFY(RunSql(path, {"CREATE TABLE notes (body TEXT)", "INSERT INTO notes VALUES ('keep me')"}));
        } else if (kind == "lookalike") {
            QVERIFY(RunSql(path, {"CREATE TABLE \"データ\" (id INTEGER PRIMARY KEY, \"氏名\" TEXT, \"年\" TEXT, \"月\" TEXT, "
                                  "\"日\" TEXT, \"時刻\" TEXT, \"年代\" TEXT, \"性別\" TEXT)"}));
        } else if (kind == "truncated") {
            std::vector<Row> many(400, kSomeone);
            QVERIFY(MakeDatabase(path, many));
            QVERIFY(QFile::resize(path, 3 * 4096));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        }
        const QByteArray before = FileDigest(path);
        const QStringList listing = FolderListing(folder.path());

        PersonFile file;
        QCOMPARE(Outcome(file.open(path)), Outcome(failure));
        QVERIFY(!file.isOpen());
        QCOMPARE(FileDigest(path), before);
        QCOMPARE(FolderListing(folder.path()), listing);
    }

    void secondOpenerIsToldTheFileIsInUse() {
        QTemporaryDir folder;
        const QString path = DatabaseIn(folder.path());
        QVERIFY(MakeDatabase(path, {kSomeone}));
        PersonFile first;
        QCOMPARE(Outcome(first.open(path)), QString("opened"));
        {
            PersonFile second;
            QCOMPARE(Outcome(second.open(path)), QString("InUse"));
        }
        // The holder is not disturbed by the attempt.
        QVERIFY(first.insert(Fields({"後の人"})));
        QCOMPARE(first.count(), 2);
        first.close();
        PersonFile later;
        QCOMPARE(Outcome(later.open(path)), QString("opened"));
        QCOMPARE(later.count(), 2);
    }

    void unwritableFolder() {
        if (!RunUnprivileged("unwritableFolder")) return;
        QTemporaryDir missing, existing, readOnlyFile;
        QVERIFY(MakeDatabase(DatabaseIn(existing.path()), {kSomeone}));
        QVERIFY(MakeDatabase(DatabaseIn(readOnlyFile.path()), {kSomeone}));
        WritableAgain restore{{missing.path(), existing.path()}};
        QVERIFY(chmod(QFile::encodeName(missing.path()).constData(), 0555) == 0);
        QVERIFY(chmod(QFile::encodeName(existing.path()).constData(), 0555) == 0);
        QVERIFY(chmod(QFile::encodeName(DatabaseIn(readOnlyFile.path())).constData(), 0444) == 0);
        const QByteArray existingBytes = FileDigest(DatabaseIn(existing.path()));

        PersonFile file;
        QCOMPARE(Outcome(file.open(DatabaseIn(missing.path()))), QString("FolderReadOnly"));
        QVERIFY(FolderListing(missing.path()).isEmpty());
        QCOMPARE(Outcome(file.open(DatabaseIn(existing.path()))), QString("FolderReadOnly"));
        QCOMPARE(FileDigest(DatabaseIn(existing.path())), existingBytes);
        QCOMPARE(Outcome(file.open(DatabaseIn(readOnlyFile.path()))), QString("FileReadOnly"));
    }

    void failedWriteChangesNothingAndLeavesNoTransactionOpen() {
        QTemporaryDir folder;
        const QString path = DatabaseIn(folder.path());
        QVERIFY(MakeDatabase(path, {kSomeone}));
        QVERIFY(RefuseTheNameErr(path));
        {
            PersonFile file;
            QCOMPARE(Outcome(file.open(path)), QString("opened"));
            const qint64 id = file.first().person->id;
            QVERIFY(!file.update(id, Fields({"ERR"})));
            QVERIFY(file.lastError().isValid());
            QVERIFY(file.update(id, Fields({"直した"})));
        }
        QCOMPARE(StoredRows(path), (std::vector<Row>{Row{"直した", "", "", "", "", "", ""}}));
    }
};

QTEST_GUILESS_MAIN(TestPersonFile)
#include "test_person_file.moc"
