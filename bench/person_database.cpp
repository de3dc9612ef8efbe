// The person database with 100,000 stored people: start-up to the first
// person shown, moving to the next person, 登録, and opening the database
// view, each timed over many runs in process; and the memory it takes over
// an empty database. Prints figures; runs on the offscreen platform unless
// another one is asked for.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "engine/chart_sheet.hpp"
#include "engine/message_boxes.hpp"
#include "shell/database/person_file.hpp"
#include "shell/database/record_navigator.hpp"
#include "shell/database/record_set.hpp"
#include "shell/main_window/main_window.hpp"

using namespace kesora;

namespace {

constexpr int kPeople = 100000;
constexpr int kRuns = 31;

class SilentBoxes final : public MessageBoxes {
public:
    int shown = 0;
    void inform(std::string_view, std::string_view) override { ++shown; }
    void notify(std::string_view, std::string_view) override { ++shown; }
    int ask(std::string_view, std::string_view) override {
        ++shown;
        return kAnswerYes;
    }
};

long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

QString DatabaseIn(const QString& folder) { return QDir(folder).filePath(QString::fromUtf8(shell::kDatabaseFileName)); }

// Made by the program's own creation step, then filled in one transaction.
bool Fill(const QString& path, int people) {
    {
        shell::PersonFile file;
        if (file.open(path)) return false;
    }
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
        db.setDatabaseName(path);
        ok = db.open() && db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO \"データ\" (\"氏名\", \"年\", \"月\", \"日\", \"時刻\", \"年代\", \"性別\") "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?)"));
        const QStringList hours{"時刻不明", "1時～3時", "11時～13時", "23時～24時"};
        for (int i = 0; ok && i < people; ++i) {
            q.bindValue(0, QStringLiteral("見本 %1 さん").arg(i));
            q.bindValue(1, QString::number(40 + i % 21));
            q.bindValue(2, QString::number(1 + i % 12));
            q.bindValue(3, QString::number(1 + i % 28));
            q.bindValue(4, hours[i % hours.size()]);
            q.bindValue(5, QStringLiteral("昭和"));
            q.bindValue(6, QStringLiteral(""));
            ok = q.exec();
        }
        ok = ok && db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    return ok;
}

struct Program {
    SilentBoxes boxes;
    ChartSheet sheet;
    std::unique_ptr<shell::MainWindow> window;

    void start(const QString& currentFolder, const QString& programFolder) {
        window = std::make_unique<shell::MainWindow>(boxes, sheet, shell::MainWindowHooks{});
        window->startUp(currentFolder, programFolder);
        window->show();
        QCoreApplication::processEvents();
    }
    template <class T = QWidget>
    T* control(const char* name) const {
        return window->controls().get<T>(QString::fromLatin1(name));
    }
    QToolButton* nextArrow() const { return control<shell::RecordNavigator>("Data2")->nextButton(); }
};

double Millis(const std::function<void()>& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    QCoreApplication::processEvents();  // what the user sees is painted
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Report(const char* what, std::vector<double> ms) {
    std::ranges::sort(ms);
    std::printf("%-44s median %7.2f ms   p90 %7.2f ms   max %7.2f ms   (%zu runs)\n", what, ms[ms.size() / 2],
                ms[ms.size() * 9 / 10], ms.back(), ms.size());
}

// The same steps against either database, so the memory figures compare.
void Exercise(Program& p) {
    for (int i = 0; i < kRuns; ++i) p.nextArrow()->click();
    p.window->showDatabaseView();
    QCoreApplication::processEvents();
    p.window->closeDatabaseView();
    p.control<QLineEdit>("Text1")->setText(QStringLiteral("記憶の確認"));
    p.control<QPushButton>("Command9")->click();
    QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns about every window resize; the figures are what matter here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    QTemporaryDir emptyFolder, fullFolder, currentFolder;
    {
        QFile dat(currentFolder.filePath(QStringLiteral("database.dat")));
        if (!dat.open(QIODevice::WriteOnly)) return 1;
        dat.write("/bench\r\n");
    }
    if (!Fill(DatabaseIn(fullFolder.path()), kPeople)) {
        std::fprintf(stderr, "could not fill the database\n");
        return 1;
    }
    std::printf("person database: %d people, %.1f MB file\n", kPeople,
                static_cast<double>(QFileInfo(DatabaseIn(fullFolder.path())).size()) / 1e6);

    // Memory: the same window and steps over an empty database, then the full one.
    long emptyKiB = 0;
    {
        Program p;
        p.start(currentFolder.path(), emptyFolder.path());
        Exercise(p);
        emptyKiB = ResidentKiB();
    }

    std::vector<double> startUpEmpty;
    for (int i = 0; i < kRuns; ++i) {
        Program empty;
        startUpEmpty.push_back(Millis([&] { empty.start(currentFolder.path(), emptyFolder.path()); }));
    }
    std::vector<double> startUp;
    for (int i = 0; i < kRuns; ++i) {
        Program p;
        startUp.push_back(Millis([&] { p.start(currentFolder.path(), fullFolder.path()); }));
        if (p.boxes.shown != 0 || !p.window->records() || !p.window->records()->hasCurrent()) {
            std::fprintf(stderr, "the database did not open\n");
            return 1;
        }
    }

    Program p;
    p.start(currentFolder.path(), fullFolder.path());
    std::vector<double> next;
    for (int i = 0; i < kRuns; ++i) next.push_back(Millis([&] { p.nextArrow()->click(); }));

    std::vector<double> store;
    auto* name = p.control<QLineEdit>("Text1");
    auto* storeButton = p.control<QPushButton>("Command9");
    for (int i = 0; i < kRuns; ++i) {
        name->setText(QStringLiteral("登録 %1").arg(i));
        store.push_back(Millis([&] { storeButton->click(); }));
    }

    std::vector<double> openView;
    for (int i = 0; i < kRuns; ++i) {
        openView.push_back(Millis([&] { p.window->showDatabaseView(); }));
        p.window->closeDatabaseView();
        QCoreApplication::processEvents();
    }
    p.window->records()->moveLast();
    std::vector<double> openViewAtEnd;
    for (int i = 0; i < kRuns; ++i) {
        openViewAtEnd.push_back(Millis([&] { p.window->showDatabaseView(); }));
        p.window->closeDatabaseView();
        QCoreApplication::processEvents();
    }
    p.window->records()->moveFirst();
    Exercise(p);
    const long fullKiB = ResidentKiB();

    Report("start-up, empty database (for comparison)", startUpEmpty);
    Report("start-up to the first person shown", startUp);
    Report("next person (navigator arrow)", next);
    Report("登録 (write, move, show)", store);
    Report("open the database view", openView);
    Report("open the database view on the last person", openViewAtEnd);
    std::printf("resident memory: empty database %.1f MB, %d people %.1f MB, growth %.1f MB\n", emptyKiB / 1024.0,
                kPeople, fullKiB / 1024.0, (fullKiB - emptyKiB) / 1024.0);
    return 0;
}
