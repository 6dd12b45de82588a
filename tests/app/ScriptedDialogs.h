// Dialogs that answer from a script instead of a person, and remember what
// they were asked.
#pragma once

#include "app/Dialogs.h"

#include <QList>
#include <QStringList>

namespace varelio::app {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    QString title;
};

class ScriptedDialogs final : public Dialogs {
public:
    // Answers for the next file dialogs, in order; an empty name cancels.
    void setNextFileName(const QString& name) { fileNames_.append(name); }
    // The next file dialog is confirmed with the name it offers, as Enter does.
    void acceptNextOffer() { fileNames_.append(kOfferedName); }
    // Answer for the next printer dialogs, in order (default: cancel).
    void setNextPrintAnswer(bool confirm) { printAnswers_.append(confirm); }

    QList<ShownMessage> messages;
    QList<FileRequest> fileRequests;
    int printDialogs = 0;

    void message(QWidget*, const QString& text, MessageIcon icon, const QString& title) override
    {
        messages.append({text, icon, title});
    }
    QString saveFileName(QWidget*, const FileRequest& request) override { return nextFile(request); }
    QString openFileName(QWidget*, const FileRequest& request) override { return nextFile(request); }
    bool choosePrinter(QWidget*, QPrinter&) override
    {
        ++printDialogs;
        return printAnswers_.isEmpty() ? false : printAnswers_.takeFirst();
    }

private:
    QString nextFile(const FileRequest& request)
    {
        fileRequests.append(request);
        const QString answer = fileNames_.isEmpty() ? QString() : fileNames_.takeFirst();
        return answer == kOfferedName ? request.initialName : answer;
    }
    // No real path holds a NUL character.
    inline static const QString kOfferedName = QStringLiteral("\u0000offered");
    QStringList fileNames_;
    QList<bool> printAnswers_;
};

}  // namespace varelio::app
