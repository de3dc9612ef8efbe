// The record set: moves, the end of the table, new records, deletion, edits
// written when the current record changes, and its two events.
#include <QtTest>

#include <QTemporaryDir>

#include "shell/database/record_set.hpp"
#include "tests/database/person_rows.hpp"

using namespace kesora;
using namespace kesora::testing;
using shell::Field;
using shell::PersonFile;
using shell::RecordSet;

namespace {

// Three people A, B, C in a fresh file, opened, with the events counted in order.
struct Table {
    QTemporaryDir folder;
    PersonFile file;
    std::unique_ptr<RecordSet> records;
    QStringList events;

    explicit Table(const std::vector<Row>& rows = {{"A", "１"}, {"B", "２"}, {"C", "３"}}, bool refuseErr = false) {
        if (!MakeDatabase(path(), rows)) qFatal("cannot make the test database");
        if (refuseErr && !RefuseTheNameErr(path())) qFatal("cannot add the refusing trigger");
        if (file.open(path())) qFatal("cannot open the test database");
        records = std::make_unique<RecordSet>(file);
        QObject::connect(records.get(), &RecordSet::currentChanged, [this] { events << "shown"; });
        QObject::connect(records.get(), &RecordSet::repositioned, [this] { events << "repositioned"; });
        QObject::connect(records.get(), &RecordSet::rowWritten, [this](int row) { events << QString("written %1").arg(row); });
        QObject::connect(records.get(), &RecordSet::errorOccurred, [this] { events << "error"; });
    }
    QString path() const { return DatabaseIn(folder.path()); }
    QString current() const { return records->hasCurrent() ? records->field(Field::Name) : QString("-"); }
    std::vector<Row> stored() {
        file.close();
        return StoredRows(path());
    }
    bool run(const QString& step) {
        if (step == "start") return records->start();
        if (step == "first") return records->moveFirst();
        if (step == "last") return records->moveLast();
        if (step == "next") return records->moveNext();
        if (step == "previous") return records->movePrevious();
        if (step == "delete") return records->deleteCurrent();
        if (step == "new") return records->addNew();
        if (step.startsWith("to")) return records->moveTo(step.mid(2).toInt());
        qFatal("unknown step %s", qPrintable(step));
    }
};

}  // namespace

class TestRecordSet : public QObject {
    Q_OBJECT

private slots:
    void moves_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("current");  // "-": no current record
        QTest::addColumn<int>("row");
        QTest::newRow("start shows the first") << "start" << "A" << 0;
        QTest::newRow("next twice") << "start next next" << "C" << 2;
        QTest::newRow("next past the last") << "start last next" << "-" << -1;
        QTest::newRow("next again past the end") << "start last next next" << "-" << -1;
        QTest::newRow("previous from past the end") << "start last next previous" << "C" << 2;
        QTest::newRow("previous before the first") << "start previous" << "-" << -1;
        QTest::newRow("next from before the first") << "start previous next" << "A" << 0;
        QTest::newRow("to a row") << "start to2 previous" << "B" << 1;
        QTest::newRow("after a delete, none") << "start next delete" << "-" << -1;
        QTest::newRow("delete, then next") << "start next delete next" << "C" << 1;
        QTest::newRow("delete, then previous") << "start next delete previous" << "A" << 0;
        QTest::newRow("delete the last, next, previous") << "start last delete next previous" << "B" << 1;
        QTest::newRow("delete the only row left") << "start delete next delete next delete next previous" << "-" << -1;
    }
    void moves() {
        QFETCH(QString, steps);
        QFETCH(QString, current);
        QFETCH(int, row);
        Table t;
        for (const QString& step : steps.split(' ')) QVERIFY2(t.run(step), qPrintable(step));
        QCOMPARE(t.current(), current);
        QCOMPARE(t.records->currentRow(), row);
        if (current == "-") {
            for (const QString& field : t.records->fields()) QCOMPARE(field, QString());
        }
        QVERIFY(!t.events.contains("error"));
    }

    void startOnAnEmptyTableAnnouncesNothing() {
        Table t(std::vector<Row>{});
        QVERIFY(t.records->start());
        QVERIFY(!t.records->hasCurrent());
        QVERIFY(t.events.isEmpty());
        QVERIFY(t.records->onFirst());
        QVERIFY(t.records->onLast());
    }

    void everyMoveShowsThenRepositions() {
        Table t;
        QVERIFY(t.records->start());
        QVERIFY(t.records->moveNext());
        QVERIFY(t.records->moveNext());
        QVERIFY(t.records->moveNext());  // past the end is a change of the current record too
        QCOMPARE(t.events, QStringList({"shown", "repositioned", "shown", "repositioned", "shown", "repositioned",
                                        "shown", "repositioned"}));
    }

    void editsAreWrittenWhenTheCurrentRecordChanges() {
        Table t;
        QVERIFY(t.records->start());
        QVERIFY(t.records->setField(Field::Name, "A2"));
        QVERIFY(t.records->setField(Field::Sex, "男"));
        QVERIFY(t.records->isEdited());
        QCOMPARE(t.file.first().person->fields[0], QString("A"));  // nothing written yet
        t.events.clear();
        QVERIFY(t.records->moveNext());
        QCOMPARE(t.events, QStringList({"written 0", "shown", "repositioned"}));
        QVERIFY(!t.records->isEdited());
        QCOMPARE(t.stored().front(), (Row{"A2", "１", "", "", "", "", "男"}));
    }

    void unchangedRecordIsNotWritten() {
        Table t;
        QVERIFY(t.records->start());
        QVERIFY(t.records->setField(Field::Name, "A"));
        QVERIFY(!t.records->isEdited());
        t.events.clear();
        QVERIFY(t.records->moveLast());
        QVERIFY(!t.events.contains("written 0"));
    }

    void newRecordIsAppendedAndWrittenOnTheNextMove() {
        Table t;
        QVERIFY(t.records->start());
        QVERIFY(t.records->addNew(Fields({"", "", "", "", "", "平成"})));
        QVERIFY(t.records->isNew());
        QCOMPARE(t.records->currentRow(), 3);
        QCOMPARE(t.records->rowCount(), 4);
        QCOMPARE(t.records->storedCount(), 3);
        QVERIFY(t.records->setField(Field::Name, "D"));
        QVERIFY(t.records->moveNext());
        QVERIFY(!t.records->hasCurrent());
        QVERIFY(t.records->movePrevious());
        QCOMPARE(t.current(), QString("D"));
        QCOMPARE(t.records->currentRow(), 3);
        QCOMPARE(t.stored().back(), (Row{"D", "", "", "", "", "平成", ""}));
    }

    // A new record nobody typed into leaves no empty row behind.
    void untouchedNewRecordIsDropped_data() {
        QTest::addColumn<QString>("leaveBy");
        QTest::addColumn<QString>("current");
        QTest::newRow("previous") << "previous" << "C";
        QTest::newRow("first") << "first" << "A";
        QTest::newRow("next") << "next" << "-";
        QTest::newRow("delete") << "delete" << "-";
    }
    void untouchedNewRecordIsDropped() {
        QFETCH(QString, leaveBy);
        QFETCH(QString, current);
        Table t;
        QVERIFY(t.records->start());
        QVERIFY(t.records->addNew(Fields({"", "", "", "", "", "昭和"})));
        QVERIFY(t.run(leaveBy));
        QCOMPARE(t.current(), current);
        QCOMPARE(t.records->rowCount(), 3);
        QCOMPARE(t.stored().size(), 3u);
    }

    void typingWithNoCurrentRecordBeginsOne() {
        Table t(std::vector<Row>{});
        QVERIFY(t.records->start());
        QVERIFY(!t.records->setField(Field::Name, "x"));
        t.records->beginNewFromEdit(Fields({"氏名", "５９", "月", "日", "時刻", "昭和"}));
        QVERIFY(t.records->isNew());
        QVERIFY(t.records->isEdited());
        QVERIFY(t.records->moveNext());
        QCOMPARE(t.stored(), (std::vector<Row>{{"氏名", "５９", "月", "日", "時刻", "昭和", ""}}));
    }

    void failedWriteReportsAndStaysWithTheEdits() {
        Table t({{"A", "１"}, {"B", "２"}, {"C", "３"}}, true);
        QVERIFY(t.records->start());
        QVERIFY(t.records->setField(Field::Name, "ERR"));
        t.events.clear();
        QVERIFY(!t.records->moveNext());
        QCOMPARE(t.events, QStringList{"error"});
        QCOMPARE(t.records->currentRow(), 0);
        QCOMPARE(t.current(), QString("ERR"));
        QVERIFY(t.records->isEdited());
        QVERIFY(t.records->setField(Field::Name, "A3"));
        QVERIFY(t.records->moveNext());
        QCOMPARE(t.current(), QString("B"));
        QCOMPARE(t.stored().front().front(), QString("A3"));
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "test_record_set.moc"
