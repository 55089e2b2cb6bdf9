#pragma once

#include <QComboBox>

namespace platform {

// The pattern box: an editable list of file-name patterns. A typed pattern counts once Enter
// is pressed, wherever in the box the key lands (the box or its editor), and a pattern picked
// from the list counts at once (`activated`); leaving the box with a typed text that happens to
// be one of the items is no pick. Turned over the box without the focus, the wheel picks
// nothing, and the Ctrl shortcuts of the window's menus win over the editor's own.
class PatternBox : public QComboBox
{
    Q_OBJECT

public:
    explicit PatternBox(QWidget *parent = nullptr);

signals:
    void patternEntered();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handled(QObject *receiver, QEvent *event);
};

} // namespace platform
