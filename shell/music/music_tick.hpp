#pragma once
// One tick of the main window's music timer.

#include <optional>
#include <string>

#include "shell/music/midi_player.hpp"

namespace kesora {

// While the play loop runs a tick does nothing. Otherwise it notes the
// position of a playing tune and starts the loop, so the first tick starts
// the music and the first tick after the loop has ended starts it again.
// Returns the position for the window's hidden position label, if noted.
std::optional<std::string> MusicTick(MidiPlayer& music);

}  // namespace kesora
