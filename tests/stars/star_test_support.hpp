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

// Texts that must match no name: near misses of 甲 and 子 and unreasonable input.
inline QList<QPair<const char*, QByteArray>> NonNames() {
    return {
        {"empty", QByteArray()},
        {"conversion error mark", QByteArray("えらー")},
        {"trailing blank", QByteArray("甲 ")},
        {"leading blank", QByteArray(" 子")},
        {"trailing ideographic blank", QByteArray("子　")},
        {"doubled name", QByteArray("甲甲")},
        {"half a character", QByteArray("\xE7\x94")},
        {"name with a NUL", QByteArray("\xE5\xAD\x90\0", 4)},
        {"latin letters", QByteArray("kinoe")},
        {"ten thousand letters", QByteArray(10000, 'x')},
        {"ten thousand stems", QByteArray("甲").repeated(10000)},
    };
}

}  // namespace kesora::test
