// Message sinks that need no window: stderr for the tools, a recorder for tests.
#include "res/Messages.h"

#include <iostream>

namespace vak {

namespace {
MsgAnswer DefaultAnswer(MsgButtons buttons)
{
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
}
} // namespace

MsgAnswer StderrMessageSink::Show(const std::string& text, MsgButtons buttons, MsgIcon)
{
    std::cerr << m_prefix << text << '\n';
    return DefaultAnswer(buttons);
}

MsgAnswer RecordingMessageSink::Show(const std::string& text, MsgButtons buttons, MsgIcon)
{
    shown += text;
    shown += '\n';
    ++count;
    if (buttons == MsgButtons::Ok || answers.empty())
        return DefaultAnswer(buttons);
    const char next = answers.front();
    answers.erase(0, 1);
    return next == 'y' ? MsgAnswer::Yes : MsgAnswer::No;
}

} // namespace vak
