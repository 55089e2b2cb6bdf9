#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class Buttons { Ok, OkCancel, RetryCancel };
enum class Icon { None, Question, Exclamation };
// The values the buttons have always reported: OK 1, Cancel 2, Retry 4.
enum class Answer { Ok = 1, Cancel = 2, Retry = 4 };

struct Message
{
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString title;
};

// Whatever asks the person a question and waits for the answer. The program has one; tests
// put a scripted one in its place so that nobody has to click.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    virtual Answer ask(QWidget *parent, const Message &message) = 0;
};

class QtMessageBoxService final : public MessageBoxService
{
public:
    Answer ask(QWidget *parent, const Message &message) override;
};

// Swaps the service in use and returns the previous one; nullptr puts the Qt one back.
MessageBoxService *setMessageBoxService(MessageBoxService *service);

// Modal: returns when the box is closed. The title is the program's.
Answer messageBox(QWidget *parent, const QString &text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None);

} // namespace platform
