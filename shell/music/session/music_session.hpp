#pragma once
// The program's tune for one run: the player, created when the tune is
// opened at start-up, and its timers; stopped and released when the program
// ends from the menu or the close box.

#include <QObject>
#include <memory>
#include <string>

#include "shell/music/command_channel.hpp"
#include "shell/music/midi_player.hpp"
#include "shell/music/session/music_timers.hpp"

namespace kesora::shell {

class MusicSession {
public:
    explicit MusicSession(CommandChannel& device) : device_(device) {}

    // Opens the tune and starts the music timer; returns the tune's length in ms.
    std::int32_t start(const std::string& tunePath);

    // The health luck's pause for its click: stop, and play on.
    void stopMusic();
    void playMusic();

    // Stop, then release the player (which stops and closes the device).
    void stopAndRelease();

    MidiPlayer* player() const { return player_.get(); }

private:
    CommandChannel& device_;
    std::unique_ptr<MidiPlayer> player_;
    std::unique_ptr<MusicTimers> timers_;
};

}  // namespace kesora::shell
