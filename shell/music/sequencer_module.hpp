#pragma once
// The music device as a module of its own: the synthesiser and its libraries
// are loaded only when the tune is opened.

#include <memory>
#include <string>

#include "shell/music/command_channel.hpp"

namespace kesora {

inline constexpr const char* kSequencerModuleFile = "libkesora_sequencer.so";

// The sound-card sequencer from the module in `programFolder`; a device that
// refuses every command when the module cannot be loaded, so the program
// stays silent and working.
std::unique_ptr<CommandChannel> LoadSequencer(const std::string& programFolder);

}  // namespace kesora
