#include "shell/sound/click_sound.hpp"

#include <cstring>

#include <SDL.h>

namespace kesora {

namespace {
constexpr int kDeviceRate = 44100;
constexpr SDL_AudioFormat kDeviceFormat = AUDIO_S16SYS;
constexpr Uint8 kDeviceChannels = 2;
constexpr Uint16 kDeviceFrames = 1024;
}  // namespace

ClickSoundPlayer::~ClickSoundPlayer() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool ClickSoundPlayer::openDevice() {
    // One attempt per run: without a device, clicks must not wait on a retry.
    if (openTried_) return device_ != 0;
    openTried_ = true;
    // SIGINT and SIGTERM must go on ending the program as usual.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    audioStarted_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = kDeviceRate;
    wanted.format = kDeviceFormat;
    wanted.channels = kDeviceChannels;
    wanted.samples = kDeviceFrames;
    // No changes allowed: SDL converts to the hardware, and queued data keeps this format.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    return device_ != 0;
}

std::vector<std::uint8_t> ClickSoundPlayer::loadForDevice(const std::filesystem::path& wavFile) const {
    SDL_AudioSpec wavFormat{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(wavFile.c_str(), &wavFormat, &samples, &length) == nullptr) return {};

    SDL_AudioCVT convert{};
    const int needed = SDL_BuildAudioCVT(&convert, wavFormat.format, wavFormat.channels, wavFormat.freq, kDeviceFormat,
                                         kDeviceChannels, kDeviceRate);
    std::vector<std::uint8_t> sound;
    if (needed == 0) {
        sound.assign(samples, samples + length);
    } else if (needed > 0) {
        sound.resize(static_cast<std::size_t>(length) * static_cast<std::size_t>(convert.len_mult));
        std::memcpy(sound.data(), samples, length);
        convert.buf = sound.data();
        convert.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&convert) == 0) {
            sound.resize(static_cast<std::size_t>(convert.len_cvt));
        } else {
            sound.clear();
        }
    }
    SDL_FreeWAV(samples);
    return sound;
}

bool ClickSoundPlayer::play(const std::filesystem::path& wavFile) {
    if (!openDevice()) return false;
    const std::vector<std::uint8_t> sound = loadForDevice(wavFile);
    if (sound.empty()) return false;
    SDL_ClearQueuedAudio(device_);
    if (SDL_QueueAudio(device_, sound.data(), static_cast<Uint32>(sound.size())) != 0) return false;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

std::uint32_t ClickSoundPlayer::queuedBytes() const { return device_ != 0 ? SDL_GetQueuedAudioSize(device_) : 0; }

std::int32_t PlayClickSound(const std::string& path) {
    static ClickSoundPlayer player;
    return player.play(path) ? 1 : 0;
}

}  // namespace kesora
