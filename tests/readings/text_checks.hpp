#pragma once
// Small helpers for checking Japanese texts by character rather than by byte.

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

namespace kesora::testing {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Unicode code points, so that a character outside the BMP counts once.
inline qsizetype CodePoints(const QString& text) { return text.toUcs4().size(); }

inline constexpr char16_t kIdeographicSpace = u'\u3000';

}  // namespace kesora::testing
