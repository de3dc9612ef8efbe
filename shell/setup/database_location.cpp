#include "shell/setup/database_location.hpp"

#include <QFile>
#include <QSaveFile>

namespace kesora::shell {

namespace {
// One folder path; a longer first line is not a location file.
constexpr qint64 kMaxLineBytes = 64 * 1024;
}  // namespace

QString ReadDatabaseLocation(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray line = file.readLine(kMaxLineBytes);
    QString item = QString::fromLocal8Bit(line);
    item = item.left(item.indexOf(QLatin1Char(',')));
    // trimmed() also takes the ideographic space a Japanese keyboard types.
    return item.trimmed();
}

std::optional<QString> WriteDatabaseLocation(const QString& path, const QString& folder) {
    const QByteArray line = folder.toLocal8Bit() + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    // commit() alone can miss a short write on a full disk, so the flush is checked first.
    if (file.write(line) != line.size() || !file.flush()) return file.errorString();
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace kesora::shell
