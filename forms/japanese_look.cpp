#include "forms/japanese_look.hpp"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "forms/form_spec.hpp"

namespace kesora::forms {

void SetUpJapaneseLook(QApplication& app) {
    // The IPA P fonts are metric-compatible with the faces the windows were drawn with.
    const QString gothic = QStringLiteral("IPAPGothic");
    const QString mincho = QStringLiteral("IPAPMincho");
    QFont::insertSubstitutions(QString::fromUtf8(kGothic), {gothic, QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QString::fromUtf8(kRoundGothic), {gothic, QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QString::fromUtf8(kMincho), {mincho, QStringLiteral("IPAMincho")});
    QFont::insertSubstitutions(QString::fromUtf8(kPlainMincho), {QStringLiteral("IPAMincho"), mincho});

    QFont base(gothic);
    base.setPointSizeF(9);
    app.setFont(base);

    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

}  // namespace kesora::forms
