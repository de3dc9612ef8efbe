#pragma once
// The click sound as a module of its own, so the sound library loads after
// the program's window is up rather than before it.

#include <cstdint>
#include <string>

namespace kesora {

inline constexpr const char* kClickModuleFile = "libkesora_sound.so";

class ClickSoundModule {
public:
    explicit ClickSoundModule(std::string programFolder) : programFolder_(std::move(programFolder)) {}

    // Loads the module now (once); later clicks then start at once.
    void preload();
    // Plays the WAV file asynchronously; 0 and silence when the module or the
    // file is missing.
    std::int32_t play(const std::string& wavPath);

private:
    using PlayFunction = std::int32_t (*)(const char*);
    std::string programFolder_;
    bool loadTried_ = false;
    PlayFunction play_ = nullptr;
};

}  // namespace kesora
