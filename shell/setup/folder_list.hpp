#pragma once
// Dir1: the folder list of the chosen drive. It shows the open folder under
// its parents and, below it, the folders inside it; double-click (or Enter)
// on an entry opens that folder. The open folder is the list's path.

#include <QListWidget>

namespace kesora::shell {

class FolderList final : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    // Opens `folder`, or the nearest of its parents that exists.
    void setPath(const QString& folder);
    const QString& path() const { return path_; }

signals:
    void pathChanged(const QString& path);

private:
    QString path_;
};

}  // namespace kesora::shell
