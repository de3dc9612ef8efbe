#include "shell/music/music_tick.hpp"

namespace kesora {

std::optional<std::string> MusicTick(MidiPlayer& music) {
    if (music.musicLoopRunning()) return std::nullopt;
    std::optional<std::string> position;
    if (music.musicMode() == "PLAYING") position = music.musicPosition();
    music.playMusicLoop();
    return position;
}

}  // namespace kesora
