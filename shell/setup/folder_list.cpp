#include "shell/setup/folder_list.hpp"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace kesora::shell {

namespace {

constexpr int kPathRole = Qt::UserRole;
const QString kIndent = QStringLiteral("  ");

QString NearestExisting(QString folder) {
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    while (!QFileInfo(folder).isDir() && folder != QLatin1String("/")) folder = QFileInfo(folder).path();
    return folder;
}

// "/a/b" → "/", "/a", "/a/b".
QStringList Chain(const QString& folder) {
    QStringList chain{QStringLiteral("/")};
    QString walked;
    for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += QLatin1Char('/') + part;
        chain << walked;
    }
    return chain;
}

}  // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

void FolderList::setPath(const QString& folder) {
    path_ = NearestExisting(folder);
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QStringList chain = Chain(path_);
    QListWidgetItem* opened = nullptr;
    for (qsizetype depth = 0; depth < chain.size(); ++depth) {
        const QString& step = chain[depth];
        const QString name = depth == 0 ? step : QFileInfo(step).fileName();
        opened = new QListWidgetItem(open, kIndent.repeated(depth) + name, this);
        opened->setData(kPathRole, step);
    }
    const QDir dir(path_);
    for (const QString& inner : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::LocaleAware)) {
        auto* item = new QListWidgetItem(closed, kIndent.repeated(chain.size()) + inner, this);
        item->setData(kPathRole, dir.filePath(inner));
    }
    setCurrentItem(opened);
    emit pathChanged(path_);
}

}  // namespace kesora::shell
