#include "accessible_names.h"

#include <QAbstractItemView>
#include <QLabel>

void nameAfterLabel(QWidget *control, QLabel *label)
{
    // A label with a buddy takes "&" for a mnemonic and would stop showing it.
    const bool showsAmpersand = label->text().contains(u'&');
    // Qt reads a buddy's label among the control's siblings only, and an item view not at all.
    const bool readsBuddy = !showsAmpersand && label->parentWidget() == control->parentWidget() &&
                            !qobject_cast<const QAbstractItemView *>(control);
    if (!showsAmpersand)
        label->setBuddy(control);
    if (!readsBuddy)
        control->setAccessibleName(label->text().simplified());
}

void nameForRole(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
}
