#pragma once

#include <QFrame>
#include <QString>

// One panel of the main window's status bar. It takes its preferred width when the bar has
// room and gives way when it has not, so panels never cover one another; a text wider than
// the panel is shortened in the middle and shown whole in the panel's tool tip.
class StatusPanel : public QFrame
{
    Q_OBJECT

public:
    explicit StatusPanel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    void setAlignment(Qt::Alignment alignment);
    // It takes preferred pixels when the bar has room, and keeps least pixels of them while
    // the bar can give them.
    void setWidths(int preferred, int least);
    // The text as the panel shows it.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRect textRect() const;
    void updateToolTip();

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int m_preferredWidth = 0;
    int m_leastWidth = 0;
};

// Status panels 2 and 3 of the main window, program-wide. Any window may write them; the texts
// are kept even while no main window shows them.
void SetStatusText(const QString &text);
void SetHintText(const QString &text);

namespace StatusPanels {

// The main window hands over its panels; they are forgotten when destroyed.
void attach(StatusPanel *statusPanel, StatusPanel *hintPanel);
QString statusText();
QString hintText();

} // namespace StatusPanels
