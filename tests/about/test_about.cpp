// The version window and the feature box.
#include <QtTest>

#include <QLabel>
#include <algorithm>

#include "forms/japanese_look.hpp"
#include "shell/about/features.hpp"
#include "shell/about/version_form.hpp"
#include "shell/about/version_window.hpp"
#include "tests/support/scripted_boxes.hpp"

using namespace kesora;
using namespace kesora::shell;
using testing::RecordedMessage;
using testing::ScriptedBoxes;

namespace {

qsizetype CountTopLevel(const QString& name) {
    return std::ranges::count_if(QApplication::topLevelWidgets(),
                                 [&](const QWidget* w) { return w->objectName() == name; });
}

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { forms::SetUpJapaneseLook(*qobject_cast<QApplication*>(QCoreApplication::instance())); }

    void version_window_frame() {
        VersionWindow window;
        window.show();
        const VersionForm* form = window.form();
        QCOMPARE(form->objectName(), QStringLiteral("Form13"));
        QCOMPARE(form->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(form->size(), QSize(278, 130));
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form->isVisible());
        QVERIFY(!form->windowIcon().isNull());
        const auto* icon = form->findChild<QLabel*>(QStringLiteral("Image1"));
        QCOMPARE(icon->geometry(), QRect(8, 8, 32, 32));
        QCOMPARE(icon->pixmap().size(), QSize(32, 32));
    }

    void version_labels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");  // empty: checked by the test itself
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<qreal>("pointSize");
        QTest::newRow("product name") << "Label1" << "KesoraS" << QPoint(56, 16) << 24.0;
        QTest::newRow("version") << "Label2" << "Ver 1.08" << QPoint(104, 64) << 20.25;
        QTest::newRow("contact heading") << "Label4" << "連絡先" << QPoint(48, 104) << 11.25;
        QTest::newRow("contact address") << "Label3" << QString() << QPoint(104, 104) << 11.25;
    }
    void version_labels() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QPoint, topLeft);
        QFETCH(qreal, pointSize);
        VersionWindow window;
        window.show();
        const auto* label = window.form()->findChild<QLabel*>(name);
        QVERIFY(label);
        if (text.isEmpty()) {
            QVERIFY2(label->text().startsWith(' ') && label->text().size() > 1 && label->text()[1] != ' ',
                     qPrintable(label->text()));
        } else {
            QCOMPARE(label->text(), text);
        }
        QCOMPARE(label->font().pointSizeF(), pointSize);
        // Sized to its text from its own corner, and wholly inside the window.
        QCOMPARE(label->pos(), topLeft);
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY2(window.form()->rect().contains(label->geometry()),
                 qPrintable(QStringLiteral("%1 reaches %2,%3").arg(name).arg(label->geometry().right()).arg(
                     label->geometry().bottom())));
    }

    void version_window_is_single() {
        VersionWindow window;
        window.show();
        VersionForm* first = window.form();
        window.show();
        QCOMPARE(window.form(), first);
        QCOMPARE(CountTopLevel(QStringLiteral("Form13")), 1);

        QVERIFY(first->close());
        QVERIFY(!first->isVisible());
        window.show();
        QCOMPARE(window.form(), first);
        QVERIFY(first->isVisible());
        QCOMPARE(CountTopLevel(QStringLiteral("Form13")), 1);
    }

    void feature_box() {
        ScriptedBoxes boxes;
        ShowFeatures(boxes);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0].kind, RecordedMessage::Kind::Inform);
        QCOMPARE(boxes.shown[0].title, std::string("KesoraＳ"));
        QCOMPARE(QString::fromStdString(boxes.shown[0].text),
                 QStringLiteral("正式対応年代\r\n"
                                "　　西暦（1912年～2018年）\r\n"
                                "　　大正（元年～15年）\r\n"
                                "　　昭和（元年～64年）\r\n"
                                "　　平成（元年～30年）\r\n"
                                "準対応年代\r\n"
                                "　　西暦（2019年～無限年）\r\n"
                                "　　平成（31年～無限年）\r\n"
                                "以上の干支、変通星、補運（十二運星）、空亡を求められます。＋健康運\r\n"
                                "詳しい機能は『ちょいヘルプ』に載っています。\r\n"
                                "\r\n"
                                "このアプリケーションではそこまでです。\r\n"
                                "さらに詳しく鑑定できる拡張版と最新版は\r\n"
                                "ホームページで公開しています。\r\n"
                                "https://kesora.example/\r\n"
                                "\r\n"
                                "♪ＮＥＷ♪ 月支元命の鑑定（命式へGO）"));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
