#pragma once
// The click played when a chart, a reading or the health luck is shown.
// Playing returns at once while the sound goes on; a missing file, a file
// that is not a WAV, or a machine without an audio device plays nothing.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kesora {

// Short WAV sounds through one SDL audio device, opened at the first sound
// and kept open. Each sound clears what is still queued, so a quick second
// click starts over instead of piling up behind the first.
class ClickSoundPlayer {
public:
    ClickSoundPlayer() = default;
    ~ClickSoundPlayer();
    ClickSoundPlayer(const ClickSoundPlayer&) = delete;
    ClickSoundPlayer& operator=(const ClickSoundPlayer&) = delete;

    // True when the sound has been queued to play.
    bool play(const std::filesystem::path& wavFile);
    // Bytes of sound still waiting to be played.
    std::uint32_t queuedBytes() const;
    bool hasDevice() const { return device_ != 0; }

private:
    bool openDevice();
    std::vector<std::uint8_t> loadForDevice(const std::filesystem::path& wavFile) const;

    bool openTried_ = false;
    bool audioStarted_ = false;
    std::uint32_t device_ = 0;
};

// Plays the WAV file through a player kept for the whole run. Returns 1 when
// the sound started and 0 when nothing plays; callers ignore it.
std::int32_t PlayClickSound(const std::string& path);

}  // namespace kesora
