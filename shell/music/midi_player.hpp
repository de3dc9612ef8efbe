#pragma once
// The program's tune player. It drives the sequencer only through command
// strings under the fixed alias "midifile", records the result of every
// command in lastResult() and never acts on it: a missing or unplayable tune
// leaves the program silent and otherwise working.
//
// The play loop restarts the tune whenever it reaches its end. Instead of
// spinning, it is polled: playMusicLoop() starts it, and the owner calls
// pollMusicLoop() from a timer, every kMusicPollInterval, until it returns
// false. While the loop runs, playMusicLoop() does nothing.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/music/command_channel.hpp"

namespace kesora {

// The tune restarts at most this long after its end.
inline constexpr std::chrono::milliseconds kMusicPollInterval{100};

class MidiPlayer {
public:
    // Sends stop and close, clearing whatever an earlier player left open.
    explicit MidiPlayer(CommandChannel& device);
    // Sends stop and close.
    ~MidiPlayer();
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    // Stop, close, then open the file under the alias.
    void openMusic(const std::string& path);
    // Both clear the looping flag, which lets a running loop end once the
    // tune has stopped.
    void playMusic();
    void stopMusic();

    // The device's mode in upper case, e.g. "PLAYING" or "STOPPED".
    std::string musicMode();
    std::string musicPosition();
    // Milliseconds; 0 when no tune is open.
    std::int32_t musicLength();

    // Sends play and sets the looping flag; the loop then runs until a poll
    // finds the tune stopped with the flag cleared.
    void playMusicLoop();
    // One pass of the loop: a stopped tune is restarted from 0 while looping,
    // or ends the loop otherwise. Returns whether the loop still runs.
    bool pollMusicLoop();
    bool musicLoopRunning() const { return loopRunning_; }

    bool looping() const { return looping_; }
    CommandResult lastResult() const { return lastResult_; }
    const std::string& filePath() const { return filePath_; }

private:
    void send(std::string_view command);
    std::string query(std::string_view command);

    CommandChannel& device_;
    CommandResult lastResult_ = command_result::kOk;
    std::string filePath_;
    bool looping_ = false;
    bool loopRunning_ = false;
};

}  // namespace kesora
