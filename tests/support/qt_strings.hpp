#pragma once
// Program strings as QStrings, so Qt Test prints readable values on failure.

#include <QString>
#include <string_view>

#include "tests/support/scripted_boxes.hpp"

namespace kesora::testing {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A message box as the user saw it: "kind|title|text".
inline QString Seen(const RecordedMessage& m) {
    const char* kind = m.kind == RecordedMessage::Kind::Ask      ? "ask"
                       : m.kind == RecordedMessage::Kind::Inform ? "inform"
                                                                 : "notify";
    return QString("%1|%2|%3").arg(kind, Q(m.title), Q(m.text));
}

}  // namespace kesora::testing
