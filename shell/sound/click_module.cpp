#include "shell/sound/click_module.hpp"

#include "modules/program_module.hpp"

namespace kesora {

void ClickSoundModule::preload() {
    if (loadTried_) return;
    loadTried_ = true;
    play_ = reinterpret_cast<PlayFunction>(ProgramModuleSymbol(programFolder_, kClickModuleFile, "kesora_play_click"));
}

std::int32_t ClickSoundModule::play(const std::string& wavPath) {
    preload();
    return play_ ? play_(wavPath.c_str()) : 0;
}

}  // namespace kesora
