#include "field_box.h"

#include "status_panels.h"
#include "stored_text.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QValidator>

namespace {

QString plainTextOf(const QTextDocument *document)
{
    QString text = document->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

void reportNotTaken(const FieldFit &fit, int width, bool multiLine)
{
    QStringList said;
    if (!fit.refused.isEmpty())
        said.append(QStringLiteral("\"%1\" cannot be kept in this file and was not taken.")
                        .arg(fit.refused));
    if (fit.cutAt >= 0)
        said.append((multiLine ? QStringLiteral("This box keeps %1 characters, a line break "
                                                "counting as two: the rest was not taken.")
                               : QStringLiteral("This box keeps %1 characters: the rest was "
                                                "not taken."))
                        .arg(width));
    SetStatusText(said.join(u' '));
}

// A single-line box: every change, typed, pasted, dropped or set, passes the validator, which
// keeps of the inserted text what the field can take.
class FieldValidator : public QValidator
{
public:
    FieldValidator(QLineEdit *box, int width)
        : QValidator(box), m_width(width), m_accepted(box->text())
    {
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString &text) { m_accepted = text; });
    }

    State validate(QString &input, int &pos) const override
    {
        // What changed lies between the start and the end that the text shares with the last one.
        const qsizetype shared = qMin(input.size(), m_accepted.size());
        qsizetype head = 0;
        while (head < shared && input.at(head) == m_accepted.at(head))
            ++head;
        qsizetype tail = 0;
        while (tail < shared - head &&
               input.at(input.size() - 1 - tail) == m_accepted.at(m_accepted.size() - 1 - tail))
            ++tail;
        const QStringView inserted = QStringView(input).sliced(head, input.size() - head - tail);
        const qsizetype kept = storedLength(QStringView(input).first(head)) +
                               storedLength(QStringView(input).last(tail));
        const FieldFit fit = fitToField(inserted, m_width - kept);
        if (fit.takesAll())
            return Acceptable;
        reportNotTaken(fit, m_width, false);
        const QString fitted = input.first(head) + fit.taken + input.last(tail);
        // Nothing of it taken: the box refuses the change and keeps its undo steps.
        if (fitted == m_accepted)
            return Invalid;
        input = fitted;
        pos = int(head + fit.taken.size());
        return Acceptable;
    }

private:
    int m_width;
    QString m_accepted;
};

// A multi-line box: a key or an input method that brings what does not fit is refused before it
// reaches the text. Anything else (a paste, a drop) that brings more than the field takes is
// cut back in the same edit step, so one undo takes back the paste and the cut together.
class DocumentLimit : public QObject
{
public:
    DocumentLimit(QWidget *box, QTextDocument *document, int width)
        : QObject(box), m_document(document), m_width(width)
    {
        box->installEventFilter(this);
        connect(document, &QTextDocument::contentsChange, this, &DocumentLimit::checkChange);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QString typed;
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            // Tab leaves the box, full or not: it types nothing.
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
                return QObject::eventFilter(watched, event);
            typed = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                        ? QStringLiteral("\n")
                        : key->text();
            // Keys without text, and shortcuts (Ctrl+V is one), are the box's own business.
            if (typed.isEmpty() || (typed != u"\n" && typed != u"\t" && !typed.at(0).isPrint()))
                return QObject::eventFilter(watched, event);
        } else if (event->type() == QEvent::InputMethod) {
            typed = static_cast<QInputMethodEvent *>(event)->commitString();
        }
        if (typed.isEmpty())
            return QObject::eventFilter(watched, event);
        const QTextCursor cursor = currentCursor(watched);
        const QString text = plainTextOf(m_document);
        const qsizetype room = m_width - storedLength(text) + storedLength(cursor.selectedText());
        const FieldFit fit = fitToField(typed, room);
        if (fit.takesAll())
            return QObject::eventFilter(watched, event);
        reportNotTaken(fit, m_width, true);
        return true;
    }

private:
    static QTextCursor currentCursor(QObject *box)
    {
        if (const auto *plain = qobject_cast<QPlainTextEdit *>(box))
            return plain->textCursor();
        return static_cast<QTextEdit *>(box)->textCursor();
    }

    void checkChange(int position, int /*removed*/, int added)
    {
        if (m_fixing || added <= 0)
            return;
        // The plain text has one character a position of the document.
        const QString text = plainTextOf(m_document);
        const qsizetype from = qBound(qsizetype(0), qsizetype(position), text.size());
        const qsizetype to = qBound(from, qsizetype(position) + added, text.size());
        const QStringView inserted = QStringView(text).sliced(from, to - from);
        const qsizetype room = m_width - (storedLength(text) - storedLength(inserted));
        const FieldFit fit = fitToField(inserted, room);
        if (fit.takesAll())
            return;
        reportNotTaken(fit, m_width, true);

        const QScopedValueRollback fixing(m_fixing, true);
        QTextCursor cursor(m_document);
        cursor.joinPreviousEditBlock();
        if (fit.cutAt >= 0) {
            cursor.setPosition(int(from + fit.cutAt));
            cursor.setPosition(int(to), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        // Last first, so the places before stay where they were.
        for (const qsizetype at : fit.refusedAt) {
            if (fit.cutAt >= 0 && at >= fit.cutAt)
                continue; // gone with the cut
            const bool pair = inserted.at(at).isHighSurrogate() && at + 1 < inserted.size() &&
                              inserted.at(at + 1).isLowSurrogate();
            cursor.setPosition(int(from + at));
            cursor.setPosition(int(from + at + (pair ? 2 : 1)), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        cursor.endEditBlock();
    }

    QTextDocument *m_document;
    int m_width;
    bool m_fixing = false;
};

} // namespace

void showStoredText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

QString boxText(const QPlainTextEdit *box)
{
    return plainTextOf(box->document());
}

QString boxText(const QTextEdit *box)
{
    return plainTextOf(box->document());
}

void limitToField(QLineEdit *box, int width)
{
    box->setValidator(new FieldValidator(box, width));
}

void limitToField(QPlainTextEdit *box, int width)
{
    box->setTabChangesFocus(true);
    new DocumentLimit(box, box->document(), width);
}

void limitToField(QTextEdit *box, int width)
{
    box->setTabChangesFocus(true);
    new DocumentLimit(box, box->document(), width);
}
