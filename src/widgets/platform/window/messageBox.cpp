#include "messageBox.h"

#include "operationWait.h"

#include <QMessageBox>

namespace platform {

namespace {

MessageBoxService *g_service = nullptr;

MessageBoxService &service()
{
    static QtMessageBoxService qtService;
    if (g_service)
        return *g_service;
    return qtService;
}

} // namespace

Answer QtMessageBoxService::ask(QWidget *parent, const Message &message)
{
    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    // A lone carriage return breaks the line on the desktop the texts were written for.
    QString shown = message.text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    switch (message.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Retry:
        return Answer::Retry;
    default:
        return Answer::Cancel;
    }
}

MessageBoxService *setMessageBoxService(MessageBoxService *replacement)
{
    MessageBoxService *previous = g_service;
    g_service = replacement;
    return previous;
}

Answer messageBox(QWidget *parent, const QString &text, Buttons buttons, Icon icon)
{
    const OperationWait wait;
    // Every box of the program names the program, not the window it belongs to.
    return service().ask(parent, {text, buttons, icon, QStringLiteral("VREL's FILEPRINT")});
}

} // namespace platform
