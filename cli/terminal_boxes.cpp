#include "terminal_boxes.hpp"

#include <istream>
#include <ostream>
#include <string>

namespace kesora::cast {

void TerminalBoxes::show(std::string_view title, std::string_view text) {
    err_ << title << '\n';
    // The boxes join lines with CR LF; a terminal wants plain line feeds.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        err_ << text[i];
    }
    err_ << '\n';
}

void TerminalBoxes::inform(std::string_view title, std::string_view text) { show(title, text); }

void TerminalBoxes::notify(std::string_view title, std::string_view text) { show(title, text); }

int TerminalBoxes::ask(std::string_view title, std::string_view text) {
    show(title, text);
    if (preset_ != PresetAnswer::None) {
        const bool yes = preset_ == PresetAnswer::Yes;
        err_ << (yes ? "→ はい" : "→ いいえ") << '\n';
        return yes ? kAnswerYes : kAnswerNo;
    }
    if (!interactive_) {
        err_ << "→ いいえ" << '\n';
        return kAnswerNo;
    }
    for (;;) {
        err_ << "はい(y) / いいえ(n): " << std::flush;
        std::string line;
        if (!std::getline(in_, line)) return kAnswerNo;
        if (line == "y" || line == "Y" || line == "はい") return kAnswerYes;
        if (line == "n" || line == "N" || line == "いいえ") return kAnswerNo;
    }
}

}  // namespace kesora::cast
