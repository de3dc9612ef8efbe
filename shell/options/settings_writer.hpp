#pragma once
// Saving "rizazede.dat" so that a crash or a full disk never leaves a
// half-written file: the six lines go to a new file that then replaces the
// old one in one step.

#include <QString>
#include <optional>

#include "shell/settings/settings.hpp"

namespace kesora::shell {

enum class WriteFailure {
    CannotCreate,   // the folder takes no new file
    WriteFailed,    // writing stopped part-way, e.g. the disk is full
    ReplaceFailed,  // the new file could not take the old one's place
};

// Nothing when the file now holds `settings`; otherwise the old file is untouched.
std::optional<WriteFailure> WriteSettingsFile(const QString& path, const Settings& settings);

}  // namespace kesora::shell
