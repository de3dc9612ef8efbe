#include "shell/music/midi_player.hpp"

#include <algorithm>
#include <charconv>

namespace kesora {

namespace {

constexpr std::string_view kStop = "stop midifile ";  // the trailing blank is part of the command
constexpr std::string_view kClose = "close midifile";
constexpr std::string_view kPlay = "play midifile";
constexpr std::string_view kRestart = "play midifile from 0";
constexpr std::string_view kModeQuery = "status midifile mode";
constexpr std::string_view kPositionQuery = "status midifile position";
constexpr std::string_view kLengthQuery = "status midifile length";

// Replies land in a 15-character buffer, terminator included.
constexpr std::size_t kReplyCapacity = 15;

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

}  // namespace

MidiPlayer::MidiPlayer(CommandChannel& device) : device_(device) {
    send(kStop);
    send(kClose);
}

MidiPlayer::~MidiPlayer() {
    send(kStop);
    send(kClose);
}

void MidiPlayer::openMusic(const std::string& path) {
    filePath_ = path;
    // Paths go into the command as they are; the open command reads up to the
    // last " type ", so blanks need no short form.
    send(kStop);
    send(kClose);
    send("open " + path + " type sequencer alias midifile");
}

void MidiPlayer::playMusic() {
    send(kPlay);
    looping_ = false;
}

void MidiPlayer::stopMusic() {
    send(kStop);
    looping_ = false;
}

std::string MidiPlayer::musicMode() { return UpperCase(query(kModeQuery)); }

std::string MidiPlayer::musicPosition() { return query(kPositionQuery); }

std::int32_t MidiPlayer::musicLength() {
    const std::string reply = query(kLengthQuery);
    std::int32_t length = 0;
    std::from_chars(reply.data(), reply.data() + reply.size(), length);
    return length;
}

void MidiPlayer::playMusicLoop() {
    if (loopRunning_) return;
    send(kPlay);
    looping_ = true;
    loopRunning_ = true;
}

bool MidiPlayer::pollMusicLoop() {
    if (!loopRunning_) return false;
    if (UpperCase(query(kModeQuery)).starts_with("STOPPED")) {
        if (looping_) {
            send(kRestart);
        } else {
            loopRunning_ = false;
        }
    }
    return loopRunning_;
}

void MidiPlayer::send(std::string_view command) { lastResult_ = device_.send(command).result; }

std::string MidiPlayer::query(std::string_view command) {
    CommandReply reply = device_.send(command);
    lastResult_ = reply.result;
    std::string& text = reply.text;
    text.resize(std::min(text.find('\0'), std::min(text.size(), kReplyCapacity - 1)));
    return text;
}

}  // namespace kesora
