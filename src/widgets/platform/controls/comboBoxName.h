#pragma once

class QComboBox;
class QString;

namespace platform {

// Gives `box` a name that screen readers say for it on every system, its current text being
// its value rather than its name.
void setComboBoxName(QComboBox *box, const QString &name);

} // namespace platform
