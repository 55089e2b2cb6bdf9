#include "scriptedMessageBox.h"

ScriptedMessageBox::ScriptedMessageBox() : m_previous(platform::setMessageBoxService(this)) {}

ScriptedMessageBox::~ScriptedMessageBox()
{
    platform::setMessageBoxService(m_previous);
}

platform::Answer ScriptedMessageBox::ask(QWidget *, const platform::Message &message)
{
    m_shown.append(message);
    if (m_hook)
        m_hook(message);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    return message.buttons == platform::Buttons::RetryCancel ? platform::Answer::Retry : platform::Answer::Ok;
}

void ScriptedMessageBox::reset()
{
    m_answers.clear();
    m_shown.clear();
    m_hook = nullptr;
}

QStringList ScriptedMessageBox::texts() const
{
    QStringList texts;
    for (const auto &m : m_shown)
        texts.append(m.text);
    return texts;
}
