#include "platform/message_box.h"

#include <cstdio>

namespace qz {

namespace {

int defaultMessage(const std::string& text, const std::string& title, int)
{
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    return kMsgResultOk;
}

void defaultBeep() { std::fputc('\a', stderr); }

MessageSink& messageSink()
{
    static MessageSink sink = defaultMessage;
    return sink;
}

BeepSink& beepSink()
{
    static BeepSink sink = defaultBeep;
    return sink;
}

}  // namespace

int messageBox(const std::string& text, const std::string& title, int style) { return messageSink()(text, title, style); }

void beep() { beepSink()(); }

MessageSink setMessageSink(MessageSink sink)
{
    MessageSink previous = messageSink();
    messageSink() = sink ? std::move(sink) : MessageSink(defaultMessage);
    return previous;
}

BeepSink setBeepSink(BeepSink sink)
{
    BeepSink previous = beepSink();
    beepSink() = sink ? std::move(sink) : BeepSink(defaultBeep);
    return previous;
}

}  // namespace qz
