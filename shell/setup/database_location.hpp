#pragma once
// "database.dat": one line naming the folder chosen at the first run. Only
// whether it is blank matters at start-up.

#include <QString>
#include <optional>

namespace kesora::shell {

inline constexpr const char* kDatabaseLocationFile = "database.dat";

// The file's first item (up to a comma) with blanks trimmed; empty when the
// file is missing, unreadable or blank — all of which mean a first run.
QString ReadDatabaseLocation(const QString& path);

// Replaces the file with `folder` as its one line (CR LF ended, in the
// system's encoding) in one step: a reader sees the old file or the new one,
// never a part. On failure, the reason for the user; the old file stays.
std::optional<QString> WriteDatabaseLocation(const QString& path, const QString& folder);

}  // namespace kesora::shell
