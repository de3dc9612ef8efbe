#pragma once
// A stand-in for the message boxes: records every message and answers
// questions from a script, failing the test when an unexpected one is asked.

#include <deque>
#include <string>
#include <vector>

#include "engine/message_boxes.hpp"

namespace kesora::testing {

struct RecordedMessage {
    enum class Kind { Inform, Notify, Ask };
    Kind kind;
    std::string title;
    std::string text;
};

class ScriptedBoxes final : public MessageBoxes {
public:
    std::vector<RecordedMessage> shown;
    std::deque<int> answers;  // for ask(), in order
    int unexpectedQuestions = 0;

    void inform(std::string_view title, std::string_view text) override {
        shown.push_back({RecordedMessage::Kind::Inform, std::string(title), std::string(text)});
    }
    void notify(std::string_view title, std::string_view text) override {
        shown.push_back({RecordedMessage::Kind::Notify, std::string(title), std::string(text)});
    }
    int ask(std::string_view title, std::string_view text) override {
        shown.push_back({RecordedMessage::Kind::Ask, std::string(title), std::string(text)});
        if (answers.empty()) {
            ++unexpectedQuestions;
            return kAnswerNo;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace kesora::testing
