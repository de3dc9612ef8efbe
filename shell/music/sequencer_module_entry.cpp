// The entry point of the sequencer module.

#include "shell/music/sequencer_channel.hpp"

extern "C" __attribute__((visibility("default"))) kesora::CommandChannel* kesora_create_sequencer() {
    return new kesora::SequencerChannel();
}
