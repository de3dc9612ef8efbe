#pragma once
// What the options window says.

#include <QString>
#include <string>
#include <string_view>

#include "shell/options/settings_writer.hpp"

namespace kesora::shell {

inline constexpr std::string_view kFontQuestionTitle = "フォントサイズ別設定";
inline constexpr std::string_view kFontQuestion = "この設定を有効にするためいったんソフトを終了しますか。";

// Names the file by its full path and tells the user that it was left as it was.
std::string SaveFailureText(WriteFailure failure, const QString& absolutePath);

}  // namespace kesora::shell
