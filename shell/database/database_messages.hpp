#pragma once
// The words of the person database: its routines' messages, and what the
// user is told when the database file cannot be used.

#include <QString>
#include <string>
#include <string_view>

#include "shell/database/person_file.hpp"

namespace kesora::shell {

inline constexpr std::string_view kFillTheBlanks = "空欄を埋めてください。";
inline constexpr std::string_view kDeleteTitle = "データの削除";
inline constexpr std::string_view kDeleteQuestion = "このデータを削除しますか。";

// ReportDatabaseError: the question, then the box for each answer.
inline constexpr std::string_view kDatabaseErrorQuestion =
    "データベース機能のエラーです。\r\n"
    "Qt の SQLite ドライバー（パッケージ libqt6sql6-sqlite）はインストールされていますか。";
inline constexpr std::string_view kDriverMissingAdvice =
    "Kesoraのデータベースには Qt の SQLite ドライバーが要ります。\r\n"
    "このドライバーは Qt の基本のパッケージには入っていません。\r\n"
    "「sudo apt install libqt6sql6-sqlite」でインストールしてから、Kesoraを起動し直してください。";
inline constexpr std::string_view kFileErrorAdvice =
    "データベースのファイルを読み書きできませんでした。\r\n"
    "ディスクの空きとファイルの状態を確かめてから、一度Kesoraを終了してください。\r\n"
    "登録済みのデータは失われていません。";

// Why the database at `path` cannot be used, and that the program goes on
// without it. Lines joined by CR LF.
std::string OpenFailureText(OpenFailure failure, const QString& path);

}  // namespace kesora::shell
