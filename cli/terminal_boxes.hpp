#pragma once
// Message boxes on a terminal: texts go to standard error, title first;
// questions are answered from the command line, the terminal, or No.

#include <iosfwd>

#include "cast_options.hpp"
#include "engine/message_boxes.hpp"

namespace kesora::cast {

class TerminalBoxes final : public MessageBoxes {
public:
    TerminalBoxes(PresetAnswer preset, bool interactive, std::istream& in, std::ostream& err)
        : preset_(preset), interactive_(interactive), in_(in), err_(err) {}

    void inform(std::string_view title, std::string_view text) override;
    void notify(std::string_view title, std::string_view text) override;
    int ask(std::string_view title, std::string_view text) override;

private:
    void show(std::string_view title, std::string_view text);

    PresetAnswer preset_;
    bool interactive_;
    std::istream& in_;
    std::ostream& err_;
};

}  // namespace kesora::cast
