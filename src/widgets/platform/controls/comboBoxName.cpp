#include "comboBoxName.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace platform {

namespace {

// On Linux, Qt reads a combo box by its current text and leaves its name to a label made its
// buddy, so a drive list with no label beside it is heard as "/" and nothing else. A box given
// a name is read by it here; its text, children and actions stay as Qt gives them.
class NamedComboBox final : public QAccessibleWidget
{
public:
    explicit NamedComboBox(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == box()->view())
            return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    // The box passes its focus to its editor, which is where the reader should be.
    QAccessibleInterface *focusChild() const override { return box()->isEditable() ? child(1) : nullptr; }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.editable = box()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(object()); }
};

QAccessibleInterface *namedComboBoxes(const QString &, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    if (box && !box->accessibleName().isEmpty())
        return new NamedComboBox(box);
    return nullptr;
}

} // namespace

void setComboBoxName(QComboBox *box, const QString &name)
{
    // Installed after the application's own, so asked first.
    static const bool installed = (QAccessible::installFactory(namedComboBoxes), true);
    Q_UNUSED(installed)
    box->setAccessibleName(name);
    // A reader already listening may have asked after the box while it was being made; what Qt
    // made for it then would go on reading its text as its name.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(box);
    if (!dynamic_cast<NamedComboBox *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace platform
