#pragma once
// Where the sequencer's sound goes, and which soundfonts it tries.

#include <filesystem>
#include <vector>

namespace kesora {

enum class AudioOutput {
    Device,    // the first audio driver that opens: PulseAudio, then ALSA; none if neither does
    Rendered,  // no driver: the tune moves only when the synthesiser renders
};

// Debian's default General MIDI soundfont first, then the packages' own
// files, then whatever FluidSynth was built to look for.
std::vector<std::filesystem::path> DefaultSoundFonts();

}  // namespace kesora
