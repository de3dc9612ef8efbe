#include "shell/options/options_messages.hpp"

#include "engine/message_boxes.hpp"

namespace kesora::shell {

namespace {

std::string_view Reason(WriteFailure failure) {
    switch (failure) {
    case WriteFailure::CannotCreate:
        return "このフォルダーには書き込めません。書き込みの許可を確かめてください。";
    case WriteFailure::WriteFailed:
        return "書き込みの途中で失敗しました。ディスクの空き容量を確かめてください。";
    case WriteFailure::ReplaceFailed:
        return "新しい内容でファイルを置き換えられませんでした。";
    }
    return {};
}

}  // namespace

std::string SaveFailureText(WriteFailure failure, const QString& absolutePath) {
    std::string text = "設定を保存できませんでした。";
    text += kLineBreak;
    text += absolutePath.toStdString();
    text += kLineBreak;
    text += Reason(failure);
    text += kLineBreak;
    text += "設定ファイルは変更されていません。";
    return text;
}

}  // namespace kesora::shell
