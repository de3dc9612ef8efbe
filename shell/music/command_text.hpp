#pragma once
// Splits a command string into its words. Commands are read without regard to
// case; only a file path keeps its spelling.

#include <string>
#include <string_view>
#include <vector>

namespace kesora {

struct CommandText {
    std::string verb;                // first word, lower case
    std::string target;              // the alias; for "open", the file path
    std::vector<std::string> words;  // the words after the target, lower case
};

// "open" takes everything between "open " and the last " type " as the path,
// so paths may hold blanks; a path in double quotes loses the quotes.
// Other commands split at runs of blanks.
CommandText SplitCommand(std::string_view command);

}  // namespace kesora
