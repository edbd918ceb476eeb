#pragma once

#include "shell/Failure.h"

#include <QList>

// Collects the messages the program would show in message boxes, for as long as it lives.
class MessageCollector
{
public:
    MessageCollector()
        : m_previous(SetMessageSink([this](const UserMessage &m) { messages.append(m); }))
    {
    }
    ~MessageCollector() { SetMessageSink(std::move(m_previous)); }
    MessageCollector(const MessageCollector &) = delete;
    MessageCollector &operator=(const MessageCollector &) = delete;

    QStringList texts() const
    {
        QStringList result;
        for (const UserMessage &m : messages)
            result << m.text;
        return result;
    }

    QList<UserMessage> messages;

private:
    MessageSink m_previous;
};
