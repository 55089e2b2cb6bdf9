#include "patternBox.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace platform {

namespace {

bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isMenuShortcut(const QWidget *box, const QKeyEvent *key)
{
    const QKeySequence pressed(key->keyCombination());
    const auto actions = box->window()->findChildren<QAction *>();
    return std::any_of(actions.cbegin(), actions.cend(),
                       [&](const QAction *a) { return a->isEnabled() && a->shortcut() == pressed; });
}

} // namespace

PatternBox::PatternBox(QWidget *parent) : QComboBox(parent)
{
    // Editable by an editor of its own: making it editable instead builds the list's popup at
    // once, a twentieth of the window's start, where opening the list builds it anyway.
    setLineEdit(new QLineEdit(this));
    // A typed pattern stays a pattern: Enter must neither grow the list nor complete the text.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Keys reach the box itself when it has the focus, or its editor when clicked into.
    lineEdit()->installEventFilter(this);
}

bool PatternBox::event(QEvent *event)
{
    return handled(this, event) || QComboBox::event(event);
}

bool PatternBox::eventFilter(QObject *watched, QEvent *event)
{
    return (watched == lineEdit() && handled(watched, event)) || QComboBox::eventFilter(watched, event);
}

// True when the event needs nothing more; the receiver then has had it as far as it should.
bool PatternBox::handled(QObject *receiver, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Wheel:
        // Turned over the box on the way to somewhere else, the wheel must not pick a pattern.
        return !hasFocus();
    case QEvent::ShortcutOverride:
        // Declining the override lets the menu's shortcut through.
        return isMenuShortcut(this, static_cast<QKeyEvent *>(event));
    case QEvent::KeyPress:
        if (!isEnter(event))
            return false;
        // The editor ignores Enter, which then reaches the box as well: it counts once, here,
        // and goes no further, since the box would take it for a pick of a matching item.
        emit patternEntered();
        return true;
    case QEvent::FocusOut: {
        // The box takes the end of editing (Tab, a click elsewhere, the window closing) as a pick
        // of the item whose text was typed; a typed pattern waits for Enter instead.
        const QSignalBlocker quiet(lineEdit());
        if (receiver == this)
            QComboBox::event(event);
        else
            receiver->event(event);
        return true;
    }
    default:
        return false;
    }
}

} // namespace platform
