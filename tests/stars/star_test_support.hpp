#pragma once
// What the star tests share: the expected box text written out item by item,
// raw-byte arguments, and texts that name no stem or branch.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <string_view>

namespace kesora::test {

// The text a box shows for these stars: each "・" + name + CR LF.
inline QString StarList(const QStringList& names) {
    QString text;
    for (const QString& name : names) text += QStringLiteral("・") + name + QStringLiteral("\r\n");
    return text;
}

inline std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Texts that must match no name: near misses of `name`, the name that would
// match in their place, and input no chart cell should hold.
inline QList<QPair<QByteArray, QByteArray>> NonNamesNear(const QByteArray& name) {
    return {
        {"empty", QByteArray()},
        {"conversion error mark", QByteArray("えらー")},
        {"trailing blank", name + ' '},
        {"leading blank", ' ' + name},
        {"trailing ideographic blank", name + QByteArray("　")},
        {"doubled", name + name},
        {"first half of the name", name.left(2)},
        {"name and NUL", name + QByteArray(1, '\0')},
        {"latin letters", QByteArray("kinoe")},
        {"ten thousand letters", QByteArray(10000, 'x')},
        {"name ten thousand times", name.repeated(10000)},
    };
}

}  // namespace kesora::test
