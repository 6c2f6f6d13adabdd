#include "platform/field_box.h"
#include "platform/qt_dialogs.h"
#include "platform/status_panels.h"
#include "platform/stored_text.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// One box of each kind that edits a field, behind one face.
class Box
{
public:
    enum Kind { Line, Plain, Rich };

    Box(const Box &) = delete;
    Box &operator=(const Box &) = delete;
    Box(Kind kind, int width)
    {
        switch (kind) {
        case Line:
            m_line = new QLineEdit(&m_window);
            limitToField(m_line, width);
            break;
        case Plain:
            m_plain = new QPlainTextEdit(&m_window);
            limitToField(m_plain, width);
            break;
        case Rich:
            m_rich = new QTextEdit(&m_window);
            m_rich->setAcceptRichText(false);
            limitToField(m_rich, width);
            break;
        }
        m_window.show();
        widget()->setFocus();
    }

    QWidget *widget() const
    {
        return m_line    ? static_cast<QWidget *>(m_line)
               : m_plain ? static_cast<QWidget *>(m_plain)
                         : m_rich;
    }

    QString text() const
    {
        return m_line ? m_line->text() : m_plain ? boxText(m_plain) : boxText(m_rich);
    }

    void setText(const QString &text)
    {
        if (m_line)
            m_line->setText(text);
        else if (m_plain)
            m_plain->setPlainText(text);
        else
            m_rich->setPlainText(text);
        QTest::keyClick(widget(), Qt::Key_End, Qt::ControlModifier);
    }

    void type(const QString &text)
    {
        for (const QChar ch : text) {
            if (ch == u'\n')
                QTest::keyClick(widget(), Qt::Key_Return);
            else if (ch.unicode() < 0x80)
                QTest::keyClicks(widget(), QString(ch));
            else // a key of another keyboard: its text alone
                QTest::sendKeyEvent(QTest::Click, widget(), Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
        }
    }

    void paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(widget(), QKeySequence::Paste);
    }

private:
    QWidget m_window;
    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_plain = nullptr;
    QTextEdit *m_rich = nullptr;
};

} // namespace

class TestFieldBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fitToFieldCountsLineBreaksAsTwo_data();
    void fitToFieldCountsLineBreaksAsTwo();
    void boxTakesWhatItsFieldKeeps_data();
    void boxTakesWhatItsFieldKeeps();
    void oneUndoTakesBackACutPaste();
    void storedValuesShowWithoutTheirPadding_data();
    void storedValuesShowWithoutTheirPadding();
    void inputBoxTakesItsFieldsWidth();
    void tabLeavesAMultiLineBox_data();
    void tabLeavesAMultiLineBox();
};

void TestFieldBox::init()
{
    SetStatusText(QString());
}

void TestFieldBox::fitToFieldCountsLineBreaksAsTwo_data()
{
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<int>("cutAt");
    QTest::newRow("fits") << u"abc"_s << 3 << u"abc"_s << QString() << -1;
    QTest::newRow("cut") << u"abcd"_s << 3 << u"abc"_s << QString() << 3;
    QTest::newRow("a line break is two") << u"a\nb"_s << 3 << u"a\n"_s << QString() << 2;
    QTest::newRow("never half a line break") << u"ab\n"_s << 3 << u"ab"_s << QString() << 2;
    QTest::newRow("no room") << u"a"_s << 0 << QString() << QString() << 0;
    QTest::newRow("cp1252 kept") << u"\u00fc\u20ac\u00a0"_s << 3 << u"\u00fc\u20ac\u00a0"_s
                                 << QString() << -1;
    QTest::newRow("refused each once")
        << u"a\u65e5\u672c\u65e5b"_s << 5 << u"ab"_s << u"\u65e5\u672c"_s << -1;
    QTest::newRow("a pair is one character")
        << u"x\U0001F600y"_s << 5 << u"xy"_s << u"\U0001F600"_s << -1;
    QTest::newRow("refused past the cut too") << u"abc\u65e5"_s << 2 << u"ab"_s << u"\u65e5"_s << 2;
}

void TestFieldBox::fitToFieldCountsLineBreaksAsTwo()
{
    QFETCH(QString, inserted);
    QFETCH(int, room);
    QFETCH(QString, taken);
    QFETCH(QString, refused);
    QFETCH(int, cutAt);
    const FieldFit fit = fitToField(inserted, room);
    QCOMPARE(fit.taken, taken);
    QCOMPARE(fit.refused, refused);
    QCOMPARE(fit.cutAt, qsizetype(cutAt));
    QCOMPARE(storedLength(u"a\nb"), qsizetype(4));
}

void TestFieldBox::boxTakesWhatItsFieldKeeps_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("said"); // a part of the status text; empty: nothing said

    for (const int kind : {Box::Line, Box::Plain, Box::Rich}) {
        const QByteArray k = kind == Box::Line    ? "line: "
                             : kind == Box::Plain ? "plain: "
                                                  : "rich: ";
        QTest::newRow(k + "typing stops at the width")
            << kind << 5 << u"abc"_s << false << u"defg"_s << u"abcde"_s << u"keeps 5 characters"_s;
        QTest::newRow(k + "a paste keeps what fits") << kind << 5 << u"abc"_s << true << u"defg"_s
                                                     << u"abcde"_s << u"the rest was not taken"_s;
        QTest::newRow(k + "a paste into a full box")
            << kind << 3 << u"abc"_s << true << u"d"_s << u"abc"_s << u"keeps 3 characters"_s;
        QTest::newRow(k + "typed characters without a form")
            << kind << 10 << u"ab"_s << false << u"\u65e5x"_s << u"abx"_s << u"\u65e5"_s;
        QTest::newRow(k + "pasted characters without a form")
            << kind << 10 << u"ab"_s << true << u"c\U0001F600\u672cd"_s << u"abcd"_s
            << u"\U0001F600\u672c"_s;
        QTest::newRow(k + "cp1252 is taken")
            << kind << 10 << u"M"_s << true << u"\u00fcller \u20ac"_s << u"M\u00fcller \u20ac"_s
            << QString();
    }
    for (const int kind : {Box::Plain, Box::Rich}) {
        const QByteArray k = kind == Box::Plain ? "plain: " : "rich: ";
        QTest::newRow(k + "a typed line break takes two")
            << kind << 6 << u"ab"_s << false << u"\ncde"_s << u"ab\ncd"_s << u"a line break"_s;
        QTest::newRow(k + "a pasted line break takes two")
            << kind << 5 << u"ab"_s << true << u"c\nde"_s << u"abc\n"_s << u"a line break"_s;
        QTest::newRow(k + "no half line break")
            << kind << 3 << u"ab"_s << false << u"\n"_s << u"ab"_s << u"keeps 3"_s;
    }
}

void TestFieldBox::boxTakesWhatItsFieldKeeps()
{
    QFETCH(int, kind);
    QFETCH(int, width);
    QFETCH(QString, before);
    QFETCH(bool, pasted);
    QFETCH(QString, input);
    QFETCH(QString, after);
    QFETCH(QString, said);
    Box box(Box::Kind(kind), width);
    box.setText(before);
    QCOMPARE(box.text(), before);
    if (pasted)
        box.paste(input);
    else
        box.type(input);
    QCOMPARE(box.text(), after);
    QVERIFY(storedLength(box.text()) <= width);
    if (said.isEmpty())
        QCOMPARE(StatusPanels::statusText(), QString());
    else
        QVERIFY2(StatusPanels::statusText().contains(said), qPrintable(StatusPanels::statusText()));
}

void TestFieldBox::oneUndoTakesBackACutPaste()
{
    for (const Box::Kind kind : {Box::Line, Box::Plain, Box::Rich}) {
        Box box(kind, 6);
        box.setText(u"ab"_s);
        box.type(u"c"_s);
        box.paste(u"defghij"_s);
        QCOMPARE(box.text(), u"abcdef"_s);
        box.type(u"x"_s); // refused: the box is full
        QMetaObject::invokeMethod(box.widget(), "undo");
        // The single-line box forgets its steps when a paste is cut; the others go back one.
        if (kind != Box::Line)
            QCOMPARE(box.text(), u"abc"_s);
        QVERIFY(storedLength(box.text()) <= 6);
    }
}

void TestFieldBox::storedValuesShowWithoutTheirPadding_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    QTest::newRow("padding") << u"ABC note      "_s << u"ABC note"_s;
    QTest::newRow("leading blanks kept") << u"  indented  "_s << u"  indented"_s;
    QTest::newRow("all blank") << QString(40, u' ') << QString();
    QTest::newRow("never written") << QString(3, QChar(0)) << QString();
    QTest::newRow("cut at a zero byte") << u"Ab\0x  "_s << u"Ab"_s;
    QTest::newRow("line breaks") << u"one\r\ntwo\r\n   "_s << u"one\ntwo\n"_s;
    QTest::newRow("tabs are text") << u"a\t  "_s << u"a\t"_s;
}

void TestFieldBox::storedValuesShowWithoutTheirPadding()
{
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QCOMPARE(shownText(field), shown);
    // Stored again and padded, the field keeps its bytes.
    if (!field.contains(QChar(0)))
        QCOMPARE(storedText(shown).leftJustified(field.size()), field);
}

void TestFieldBox::inputBoxTakesItsFieldsWidth()
{
    QtDialogs standard;
    for (const int width : {Dialogs::AnyLength, 60}) {
        bool typed = false;
        QTimer::singleShot(0, this, [&typed] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *box = dialog->findChild<QLineEdit *>();
            QVERIFY(box);
            QCOMPARE(box->text(), u"Dentist"_s);
            box->end(false);
            QTest::keyClicks(box, QString(70, u'x'));
            dialog->accept();
            typed = true;
        });
        const QString answer = standard.input(nullptr, u"ENTER"_s, u"Note"_s, u"Dentist"_s, width);
        QVERIFY(typed);
        QCOMPARE(answer.size(), width == Dialogs::AnyLength ? 77 : 60);
    }
}

void TestFieldBox::tabLeavesAMultiLineBox_data()
{
    QTest::addColumn<bool>("rich");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("backwards");
    for (const bool rich : {false, true}) {
        const QByteArray k = rich ? "rich: " : "plain: ";
        QTest::newRow(k + "tab") << rich << u"ab"_s << false;
        QTest::newRow(k + "shift+tab") << rich << u"ab"_s << true;
        // A full box refuses what is typed, but a Tab is no typing.
        QTest::newRow(k + "tab from a full box") << rich << u"abcd"_s << false;
        QTest::newRow(k + "shift+tab from a full box") << rich << u"abcd"_s << true;
    }
}

void TestFieldBox::tabLeavesAMultiLineBox()
{
    QFETCH(bool, rich);
    QFETCH(QString, text);
    QFETCH(bool, backwards);
    QWidget window;
    auto *before = new QLineEdit(&window);
    QWidget *box =
        rich ? static_cast<QWidget *>(new QTextEdit(&window)) : new QPlainTextEdit(&window);
    auto *after = new QLineEdit(&window);
    if (auto *plain = qobject_cast<QPlainTextEdit *>(box)) {
        limitToField(plain, 4);
        plain->setPlainText(text);
    } else {
        auto *richBox = static_cast<QTextEdit *>(box);
        richBox->setAcceptRichText(false);
        limitToField(richBox, 4);
        richBox->setPlainText(text);
    }
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    QTest::keyClick(box, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget(), backwards ? before : after);
    const QString kept =
        rich ? boxText(static_cast<QTextEdit *>(box)) : boxText(static_cast<QPlainTextEdit *>(box));
    QCOMPARE(kept, text);
    QCOMPARE(StatusPanels::statusText(), QString());
}

QTEST_MAIN(TestFieldBox)
#include "tst_field_box.moc"
