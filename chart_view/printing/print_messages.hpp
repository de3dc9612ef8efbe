#pragma once
// The printing command's messages; lines are joined by CR LF.

#include <string_view>

namespace kesora::chart_view {

inline constexpr std::string_view kPrintQuestion = "命式が印刷されます。よろしいですか。";
inline constexpr std::string_view kPrintDone = "印刷結果はいかがですか。\r\nとてもきれいに出来たと思います。";
inline constexpr std::string_view kNoPrinterQuestion =
    "プリンタが設定されていないため、命式を印刷できません。\r\n"
    "代わりに命式をPDFファイルとして保存しますか。";
inline constexpr std::string_view kPrintFailed = "命式を印刷できませんでした。\r\nプリンタの状態と設定を確かめてください。";
inline constexpr std::string_view kPdfSaved = "命式をPDFファイルに保存しました。";
inline constexpr std::string_view kPdfFailed = "PDFファイルを保存できませんでした。";

}  // namespace kesora::chart_view
