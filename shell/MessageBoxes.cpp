#include "shell/MessageBoxes.h"

#include "shell/Failure.h"

#include <QApplication>
#include <QMessageBox>

void InstallMessageBoxes()
{
    SetMessageSink([](const UserMessage &message) {
        QWidget *owner = QApplication::activeWindow();
        if (message.kind == UserMessage::Kind::Error)
            QMessageBox::critical(owner, message.caption, message.text);
        else
            QMessageBox::information(owner, message.caption, message.text);
    });
}
