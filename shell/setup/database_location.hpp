#pragma once
// "database.dat": one line naming the folder chosen at the first run. Only
// whether it is blank matters at start-up.

#include <QString>

namespace kesora::shell {

inline constexpr const char* kDatabaseLocationFile = "database.dat";

// The file's first item (up to a comma) with blanks trimmed; empty when the
// file is missing, unreadable or blank — all of which mean a first run.
QString ReadDatabaseLocation(const QString& path);

}  // namespace kesora::shell
