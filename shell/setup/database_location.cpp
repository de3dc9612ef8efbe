#include "shell/setup/database_location.hpp"

#include <QFile>

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

}  // namespace kesora::shell
