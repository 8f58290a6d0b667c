// The core's way to tell the user something: a small interface the program answers with a
// message box and vak-cli answers by printing to stderr.
#pragma once

#include <string>
#include <utility>

namespace vak {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgAnswer { Ok, Yes, No };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows `text` (UTF-8) and returns the user's answer. A question's default (Enter, and the
    // answer when nobody is there to give one) is No: the answer that changes and drops nothing.
    virtual MsgAnswer Show(const std::string& text, MsgButtons buttons, MsgIcon icon) = 0;
};

// Prints each message as one line to stderr, after `prefix`, and answers Ok/No; used by vak-cli
// and by default.
class StderrMessageSink : public MessageSink {
public:
    explicit StderrMessageSink(std::string prefix = {}) : m_prefix(std::move(prefix)) {}
    MsgAnswer Show(const std::string& text, MsgButtons buttons, MsgIcon icon) override;

private:
    std::string m_prefix;
};

// Keeps every message and answers from a queue; the answer is Ok/No when the queue is empty.
class RecordingMessageSink : public MessageSink {
public:
    MsgAnswer Show(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
    std::string shown;     // all texts shown, each followed by '\n'
    int count = 0;         // how many messages were shown
    std::string answers;   // queued answers: 'y' Yes, 'n' No; taken from the front
};

} // namespace vak
