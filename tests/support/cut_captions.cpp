#include "cut_captions.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

namespace {

// A caption needs its width plus a few pixels of the control's frame on each side.
constexpr int FramePixels = 4;

int textWidth(const QWidget *control, const QString &text)
{
    return control->fontMetrics().horizontalAdvance(text);
}

// The part of the label's box its text covers.
QRect labelTextRect(const QLabel *label)
{
    QRect rect = label->geometry();
    rect.setWidth(qMax(1, textWidth(label, label->text())));
    if (label->alignment() & Qt::AlignHCenter)
        rect.moveCenter(label->geometry().center());
    return rect;
}

} // namespace

QStringList cutCaptions(const QWidget *window)
{
    QStringList cut;
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->text().isEmpty() &&
            textWidth(button, button->text()) + 2 * FramePixels > button->width())
            cut.append(button->objectName());
    }
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || label->objectName().isEmpty())
            continue;
        const QRect text = labelTextRect(label);
        bool fits = textWidth(label, label->text()) <= label->width();
        for (const QObject *other : label->parentWidget()->children()) {
            // A pixel or two of the label's box may lie under the control beside it; of
            // another label only its text counts.
            const auto *sibling = qobject_cast<const QWidget *>(other);
            if (!sibling || sibling == label || sibling->isHidden())
                continue;
            const auto *otherLabel = qobject_cast<const QLabel *>(sibling);
            const QRect covered =
                (otherLabel ? labelTextRect(otherLabel) : sibling->geometry()) & text;
            if (covered.width() > 2 && covered.height() > 2)
                fits = false;
        }
        if (!fits)
            cut.append(label->objectName());
    }
    return cut;
}

bool boxShowsAll(const QWidget *box, const QString &text)
{
    return textWidth(box, text) + 2 * FramePixels <= box->width();
}
