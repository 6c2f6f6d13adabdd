#include "cut_captions.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

namespace {

// A caption needs its width plus a few pixels of the control's frame on each side.
constexpr int FramePixels = 4;

// The width of the widest line.
int textWidth(const QWidget *control, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = qMax(widest, control->fontMetrics().horizontalAdvance(line));
    return widest;
}

int textHeight(const QWidget *control, const QString &text)
{
    return int(text.count(u'\n') + 1) * control->fontMetrics().height();
}

// Whether the label shows all of its text: on its lines, or wrapped within its width.
bool labelShowsAll(const QLabel *label)
{
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return textWidth(label, label->text()) <= label->width() &&
           textHeight(label, label->text()) <= label->height() + 2;
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

// A caption fits on its line, or, in a button tall enough, on the lines it wraps to (the
// dialler's keys show digit and letters so); a word wider than the button is always cut.
bool buttonShowsAll(const QAbstractButton *button)
{
    const int room = button->width() - 2 * FramePixels;
    if (textWidth(button, button->text()) <= room)
        return textHeight(button, button->text()) <= button->height();
    const QRect wrapped = button->fontMetrics().boundingRect(
        QRect(0, 0, room, QWIDGETSIZE_MAX), Qt::TextWordWrap, button->text().simplified());
    return wrapped.width() <= room && wrapped.height() <= button->height();
}

} // namespace

QStringList cutCaptions(const QWidget *window)
{
    QStringList cut;
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->text().isEmpty() && !buttonShowsAll(button))
            cut.append(button->objectName());
    }
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || label->objectName().isEmpty())
            continue;
        const QRect text = labelTextRect(label);
        bool fits = labelShowsAll(label);
        for (const QObject *other : label->parentWidget()->children()) {
            // A pixel or two of the label's box may lie under the control beside it; of
            // another label only its text counts.
            const auto *sibling = qobject_cast<const QWidget *>(other);
            if (!sibling || sibling == label || sibling->isHidden())
                continue;
            // A frame the label lies on, wholly inside it, does not cover it.
            if (sibling->geometry().contains(label->geometry()) &&
                !qobject_cast<const QLabel *>(sibling))
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
