#include "shell/options/settings_writer.hpp"

#include <QSaveFile>

namespace kesora::shell {

std::optional<WriteFailure> WriteSettingsFile(const QString& path, const Settings& settings) {
    const std::string text = FormatSettings(settings);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return WriteFailure::CannotCreate;
    // An uncommitted new file is removed when `file` goes.
    // commit() can report success after a short write on a full disk (Qt 6.4),
    // so the flush is checked on its own first.
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
        !file.flush())
        return WriteFailure::WriteFailed;
    if (!file.commit())
        return file.error() == QFileDevice::RenameError ? WriteFailure::ReplaceFailed : WriteFailure::WriteFailed;
    return std::nullopt;
}

}  // namespace kesora::shell
