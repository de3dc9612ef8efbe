// The entry point of the click-sound module.

#include "shell/sound/click_sound.hpp"

extern "C" __attribute__((visibility("default"))) std::int32_t kesora_play_click(const char* path) {
    return kesora::PlayClickSound(path ? path : "");
}
