#pragma once

#include "platform/window/messageBox.h"

#include <QList>

#include <functional>

// Stands in for the person at the screen: records every box the program shows and answers
// from a script (OK, or the first button of the set, once the script runs out).
class ScriptedMessageBox final : public platform::MessageBoxService
{
public:
    ScriptedMessageBox();
    ~ScriptedMessageBox() override;
    ScriptedMessageBox(const ScriptedMessageBox &) = delete;
    ScriptedMessageBox &operator=(const ScriptedMessageBox &) = delete;

    platform::Answer ask(QWidget *parent, const platform::Message &message) override;

    void reset();
    void answerNext(platform::Answer answer) { m_answers.append(answer); }
    // Runs while a box is up, before it is answered: to look at the program mid-command.
    void onShow(std::function<void(const platform::Message &)> hook) { m_hook = std::move(hook); }

    const QList<platform::Message> &shown() const { return m_shown; }
    QStringList texts() const;

private:
    platform::MessageBoxService *m_previous = nullptr;
    QList<platform::Answer> m_answers;
    QList<platform::Message> m_shown;
    std::function<void(const platform::Message &)> m_hook;
};
