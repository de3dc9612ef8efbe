#pragma once
// Every modal message of the program goes through this interface, so that the
// windows show real message boxes, the command line prints them and tests
// answer them from a script.

#include <string_view>

namespace kesora {

inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// Titles: the chart command's boxes, and the main window's entry checks.
inline constexpr std::string_view kChartTitle = "Kesora";
inline constexpr std::string_view kShellTitle = "KesoraＳ";

// Lines of a message are joined by CR LF.
inline constexpr std::string_view kLineBreak = "\r\n";

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // OK button, information icon.
    virtual void inform(std::string_view title, std::string_view text) = 0;
    // OK button, no icon.
    virtual void notify(std::string_view title, std::string_view text) = 0;
    // Yes and No buttons, no icon; returns kAnswerYes or kAnswerNo.
    virtual int ask(std::string_view title, std::string_view text) = 0;
};

}  // namespace kesora
