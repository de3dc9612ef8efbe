#include "shell/music/command_text.hpp"

#include <algorithm>

namespace kesora {

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
    return lower;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(Lower(text.substr(start, end - start)));
        pos = end;
    }
    return words;
}

std::string_view Unquoted(std::string_view path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') return path.substr(1, path.size() - 2);
    return path;
}

}  // namespace

CommandText SplitCommand(std::string_view command) {
    constexpr std::string_view kOpen = "open ";
    constexpr std::string_view kType = " type ";
    const std::string lower = Lower(command);
    if (lower.starts_with(kOpen)) {
        const std::size_t typeAt = lower.rfind(kType);
        if (typeAt == std::string::npos || typeAt < kOpen.size()) {
            return {"open", std::string(Unquoted(command.substr(kOpen.size()))), {}};
        }
        const auto path = command.substr(kOpen.size(), typeAt - kOpen.size());
        return {"open", std::string(Unquoted(path)), Words(lower.substr(typeAt + kType.size()))};
    }

    std::vector<std::string> words = Words(lower);
    CommandText text;
    if (!words.empty()) text.verb = std::move(words[0]);
    if (words.size() > 1) text.target = std::move(words[1]);
    if (words.size() > 2) text.words.assign(std::make_move_iterator(words.begin() + 2), std::make_move_iterator(words.end()));
    return text;
}

}  // namespace kesora
