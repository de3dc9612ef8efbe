#include "shell/database/database_messages.hpp"

#include <QDir>
#include <QFileInfo>

namespace kesora::shell {

std::string OpenFailureText(OpenFailure failure, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    QString what;
    // The file is never touched: moving it away is the user's decision.
    QString advice = QStringLiteral("このファイルを別の場所へ移すか名前を変えると、次の起動で新しいデータベースが作られます。");
    switch (failure) {
    case OpenFailure::NoDriver:
        what = QStringLiteral("Qt の SQLite ドライバーがないため、データベース「%1」を使えません。").arg(file);
        advice = QStringLiteral("「sudo apt install libqt6sql6-sqlite」でインストールしてから、Kesoraを起動し直してください。");
        break;
    case OpenFailure::CannotCreate:
        what = QStringLiteral("データベース「%1」を作れませんでした。").arg(file);
        advice = QStringLiteral("フォルダ「%1」があり、書き込めることを確かめてください。").arg(folder);
        break;
    case OpenFailure::FolderReadOnly:
        what = QStringLiteral("フォルダ「%1」に書き込めないため、データベースを使えません。").arg(folder);
        advice = QStringLiteral("フォルダに書き込めるようにしてから、Kesoraを起動し直してください。");
        break;
    case OpenFailure::FileReadOnly:
        what = QStringLiteral("データベース「%1」に書き込めないため、使えません。").arg(file);
        advice = QStringLiteral("ファイルに書き込めるようにしてから、Kesoraを起動し直してください。");
        break;
    case OpenFailure::Unreadable:
        what = QStringLiteral("データベース「%1」を読めません。").arg(file);
        advice = QStringLiteral("ファイルを読めるようにしてから、Kesoraを起動し直してください。");
        break;
    case OpenFailure::NotAFile:
        what = QStringLiteral("「%1」はファイルではありません。").arg(file);
        break;
    case OpenFailure::EmptyFile:
        what = QStringLiteral("「%1」は空のファイルで、データベースではありません。").arg(file);
        break;
    case OpenFailure::NotADatabase:
        what = QStringLiteral("「%1」はデータベースのファイルではありません。").arg(file);
        break;
    case OpenFailure::OtherProgram:
        what = QStringLiteral("「%1」は別のプログラムのデータベースで、Kesoraのものではありません。").arg(file);
        break;
    case OpenFailure::Damaged:
        what = QStringLiteral("データベース「%1」が壊れていて読めません。").arg(file);
        break;
    case OpenFailure::InUse:
        what = QStringLiteral("データベース「%1」は、ほかのKesora（または別のプログラム）が使っています。").arg(file);
        advice = QStringLiteral("そちらを終了してから、Kesoraを起動し直してください。");
        break;
    }
    const QString goesOn = QStringLiteral("ファイルには手を加えず、データベースなしで続けます（命式は表示できます）。");
    return (what + QStringLiteral("\r\n") + goesOn + QStringLiteral("\r\n") + advice).toStdString();
}

}  // namespace kesora::shell
