#include "shell/Failure.h"

#include <QDebug>

namespace {
MessageSink &currentSink()
{
    static MessageSink sink = [](const UserMessage &message) {
        qWarning().noquote() << message.caption << ":" << message.text;
    };
    return sink;
}
} // namespace

MessageSink SetMessageSink(MessageSink sink)
{
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

void ShowMessage(const UserMessage &message)
{
    if (currentSink())
        currentSink()(message);
}

void ReportFailure(const QString &message)
{
    ShowMessage({message, QStringLiteral("Meridane"), UserMessage::Kind::Error});
}
