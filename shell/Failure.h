#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

// A failure that a handler does not handle itself, such as "Cannot open file moon.txt".
// Throwing it ends the handler; RunHandler reports it, and the event loop goes on.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A modal message with a single OK button: either the program's own message (text and
// caption of its own) or the standard error box that reports a Failure.
struct UserMessage {
    enum class Kind { Information, Error };
    QString text;
    QString caption;
    Kind kind = Kind::Information;
};

// Where messages go. The program shows them in message boxes; tests collect them.
// Returns the sink it replaces.
using MessageSink = std::function<void(const UserMessage &message)>;
MessageSink SetMessageSink(MessageSink sink);
void ShowMessage(const UserMessage &message);

// The standard error box, with the application's title as its caption.
void ReportFailure(const QString &message);

// Runs one event handler. A failure ends it and is reported once; returns false then.
template <typename Handler> bool RunHandler(Handler &&handler)
{
    try {
        handler();
        return true;
    } catch (const Failure &failure) {
        ReportFailure(failure.message());
    } catch (const std::exception &error) {
        ReportFailure(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
