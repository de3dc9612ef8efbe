#include "shell/music/sequencer_module.hpp"

#include "modules/program_module.hpp"

namespace kesora {

namespace {

class NoMusicDevice final : public CommandChannel {
public:
    CommandReply send(std::string_view) override { return {command_result::kUnknownDevice, {}}; }
};

}  // namespace

std::unique_ptr<CommandChannel> LoadSequencer(const std::string& programFolder) {
    using Create = CommandChannel* (*)();
    if (auto create = reinterpret_cast<Create>(
            ProgramModuleSymbol(programFolder, kSequencerModuleFile, "kesora_create_sequencer")))
        if (CommandChannel* device = create()) return std::unique_ptr<CommandChannel>(device);
    return std::make_unique<NoMusicDevice>();
}

}  // namespace kesora
