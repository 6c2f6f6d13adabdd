#include "status_panels.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QStylePainter>

namespace {

struct Panels
{
    QPointer<StatusPanel> status;
    QPointer<StatusPanel> hint;
    QString statusText;
    QString hintText;
};

Panels &panels()
{
    static Panels p;
    return p;
}

// A panel paints its text itself: a screen reader reads it as a label with its whole text.
class PanelInterface : public QAccessibleWidget
{
public:
    explicit PanelInterface(StatusPanel *panel) : QAccessibleWidget(panel, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const StatusPanel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *panelInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(StatusPanel::staticMetaObject.className()) &&
        object->isWidgetType())
        return new PanelInterface(static_cast<StatusPanel *>(object));
    return nullptr;
}

} // namespace

StatusPanel::StatusPanel(QWidget *parent) : QFrame(parent)
{
    // Once for the program: the list of factories is Qt's own.
    [[maybe_unused]] static const bool readable =
        (QAccessible::installFactory(panelInterface), true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

void StatusPanel::setText(const QString &text)
{
    m_text = text;
    updateToolTip();
    update();
    // A screen reader is told, so it reads the new text as it appears.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void StatusPanel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void StatusPanel::setWidths(int preferred, int least)
{
    m_preferredWidth = preferred;
    m_leastWidth = least;
    updateGeometry();
}

QString StatusPanel::shownText() const
{
    return fontMetrics().elidedText(m_text, Qt::ElideMiddle, qMax(0, textRect().width()));
}

QSize StatusPanel::sizeHint() const
{
    return {qMax(m_preferredWidth, minimumSizeHint().width()), minimumSizeHint().height()};
}

QSize StatusPanel::minimumSizeHint() const
{
    // A hint, not a minimum: in a bar narrower than all hints together the panel shrinks
    // further instead of reaching over its neighbour.
    return {qMax(m_leastWidth, 2 * frameWidth()), fontMetrics().height() + 2 * frameWidth()};
}

void StatusPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QStylePainter painter(this);
    painter.drawItemText(textRect(), int(m_alignment), palette(), isEnabled(), shownText(),
                         foregroundRole());
}

void StatusPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    updateToolTip();
}

void StatusPanel::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateToolTip();
}

QRect StatusPanel::textRect() const
{
    // Half an "x" of room inside the frame, as a label with a frame keeps.
    const int indent = fontMetrics().horizontalAdvance(u'x') / 2;
    return contentsRect().adjusted(indent, 0, -indent, 0);
}

void StatusPanel::updateToolTip()
{
    setToolTip(shownText() == m_text ? QString() : m_text);
}

void SetStatusText(const QString &text)
{
    Panels &p = panels();
    p.statusText = text;
    if (p.status)
        p.status->setText(text);
}

void SetHintText(const QString &text)
{
    Panels &p = panels();
    p.hintText = text;
    if (p.hint)
        p.hint->setText(text);
}

namespace StatusPanels {

void attach(StatusPanel *statusPanel, StatusPanel *hintPanel)
{
    Panels &p = panels();
    p.status = statusPanel;
    p.hint = hintPanel;
    if (statusPanel)
        statusPanel->setText(p.statusText);
    if (hintPanel)
        hintPanel->setText(p.hintText);
}

QString statusText()
{
    return panels().statusText;
}

QString hintText()
{
    return panels().hintText;
}

} // namespace StatusPanels
