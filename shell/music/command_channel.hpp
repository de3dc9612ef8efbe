#pragma once
// The command-string interface the music player talks through: text commands
// such as "play midifile" in, a result code and a text reply out. Result 0 is
// success; failures use the numbering of the classic multimedia command
// strings, so code written against those reads the same here.

#include <cstdint>
#include <string>
#include <string_view>

namespace kesora {

using CommandResult = std::uint32_t;

namespace command_result {
inline constexpr CommandResult kOk = 0;
// Unknown word after the alias, e.g. "status midifile colour".
inline constexpr CommandResult kUnrecognizedKeyword = 259;
// Unknown first word, or an empty command.
inline constexpr CommandResult kUnrecognizedCommand = 261;
// No device is open under this alias, or open asked for a device type other
// than "sequencer".
inline constexpr CommandResult kUnknownDevice = 263;
// Open under a new alias while another tune is open; the sequencer plays one.
inline constexpr CommandResult kDeviceInUse = 265;
// "from" followed by something that is not a whole number.
inline constexpr CommandResult kBadInteger = 270;
// A command lacks a part it needs: the path, the alias, the status item.
inline constexpr CommandResult kMissingParameter = 273;
inline constexpr CommandResult kFileNotFound = 275;
// "from" beyond the end of the tune.
inline constexpr CommandResult kOutOfRange = 282;
// Open under an alias that is already open: the second open fails and the
// first tune stays as it was.
inline constexpr CommandResult kDuplicateAlias = 289;
// The file exists but is not a MIDI file the sequencer can play.
inline constexpr CommandResult kInvalidFile = 296;
}  // namespace command_result

struct CommandReply {
    CommandResult result = command_result::kOk;
    std::string text;  // empty unless a status query succeeded
};

class CommandChannel {
public:
    virtual ~CommandChannel() = default;
    virtual CommandReply send(std::string_view command) = 0;
};

}  // namespace kesora
