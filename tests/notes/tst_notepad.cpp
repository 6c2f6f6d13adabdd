#include "notes/notepad_window.h"
#include "platform/shipped_files.h"

#include "notes_support.h"
#include "scripted_dialogs.h"
#include "typing.h"
#include "work_dir.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

constexpr int Length = 5042;

QByteArray topic(qint16 number, const QByteArray &title, const QByteArray &body = QByteArray())
{
    return titledRecord(number, title, body, 5000);
}

QByteArray recordOf(const QByteArray &file, int n)
{
    return recordAt(file, n, Length);
}

const QByteArray ThreeTopics =
    topic(1, "Alpha", "first") + topic(2, "Beta", "second") + topic(3, "Gamma", "third");

// The point size of the body's first character.
qreal firstCharacterSize(QTextEdit *box)
{
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::NextCharacter);
    return cursor.charFormat().fontPointSize() > 0 ? cursor.charFormat().fontPointSize()
                                                   : box->font().pointSizeF();
}

// True when every character of the body shows in the box's own size and colour.
bool inDefaultFormat(QTextEdit *box)
{
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.hasProperty(QTextFormat::FontPointSize) &&
                format.fontPointSize() != box->font().pointSizeF())
                return false;
            if (format.hasProperty(QTextFormat::ForegroundBrush))
                return false;
        }
    }
    return true;
}

} // namespace

class TestNotepad : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshFileHoldsTenBlankTopics();
    void shippedTopicsComeIntoANewDataFolder();
    void addedTopicBecomesTheNextRecord();
    void saveStoresTheTopicShown();
    void clickingAnotherTopicStoresNothing();
    void longFieldsAreCut();
    void typingAtTheEndOfAStoredValueKeepsIt_data();
    void typingAtTheEndOfAStoredValueKeepsIt();
    void sizesAndColoursAreNotStored();
    void formatDoesNotOutliveTheTopic_data();
    void formatDoesNotOutliveTheTopic();
    void printPrintsTheBody();
    void printKeepsALongParagraphWhole();
    void shippedTopicsExplainTheWindows();
    void overlongSourceTopicFailsTheBuildStep_data();
    void overlongSourceTopicFailsTheBuildStep();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestNotepad::init()
{
    m_dialogs = new ScriptedDialogs;
}

void TestNotepad::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
}

void TestNotepad::freshFileHoldsTenBlankTopics()
{
    WorkDir dir;
    Form9 w;
    w.show();
    QCOMPARE(w.windowTitle(), u"Help - Velmora  (32 bit)  Version 1.0"_s);
    QByteArray expected;
    for (qint16 n = 1; n <= 10; ++n)
        expected += topic(n, "");
    QCOMPARE(dir.read(u"VLhelp.hlp"_s), expected);
    auto *list1 = control<QListWidget>(&w, "List1");
    QCOMPARE(entries(list1), QStringList(10, QString()));
    QCOMPARE(list1->currentRow(), 0);
    QCOMPARE(w.position, qint16(1));
}

void TestNotepad::shippedTopicsComeIntoANewDataFolder()
{
    const QString shippedPath = QStringLiteral(SHIPPED_HELP_FILE);
    ShippedFiles::setFolders({QFileInfo(shippedPath).path()});
    QFile shipped(shippedPath);
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray topics = shipped.readAll();
    {
        WorkDir dir;
        Form9 w;
        w.show();
        QCOMPARE(dir.read(u"VLhelp.hlp"_s), topics);
        const QStringList titles = entries(control<QListWidget>(&w, "List1"));
        QCOMPARE(titles.size(), topics.size() / Length);
        QVERIFY(!titles.constFirst().isEmpty());
    }
    {
        // The user's own topics are never replaced, whatever their letter case.
        WorkDir dir;
        const QByteArray own = topic(1, "Mine", "my own words");
        dir.write(u"VLHELP.HLP"_s, own);
        Form9 w;
        w.show();
        QCOMPARE(dir.read(u"VLHELP.HLP"_s), own);
        QVERIFY(!QFile::exists(dir.filePath(u"VLhelp.hlp"_s)));
    }
    ShippedFiles::setFolders({});
}

void TestNotepad::addedTopicBecomesTheNextRecord()
{
    WorkDir dir;
    Form9 w;
    w.show();
    auto *title = control<QLineEdit>(&w, "Text2");
    auto *body = control<QTextEdit>(&w, "RichTextBox1");
    control<QPushButton>(&w, "Command2")->click();
    QCOMPARE(w.position, qint16(11));
    QVERIFY(title->text().isEmpty());
    QVERIFY(body->toPlainText().isEmpty());

    title->setText(u"Recipes"_s);
    body->setPlainText(u"flour\nwater"_s);
    control<QPushButton>(&w, "Save")->click();
    const QByteArray file = dir.read(u"VLhelp.hlp"_s);
    QCOMPARE(file.size(), 11 * Length);
    QCOMPARE(recordOf(file, 11), topic(11, "Recipes", "flour\r\nwater"));
    auto *list1 = control<QListWidget>(&w, "List1");
    QCOMPARE(list1->count(), 11);
    QCOMPARE(list1->item(10)->text(), u"Recipes"_s);
}

void TestNotepad::saveStoresTheTopicShown()
{
    WorkDir dir;
    dir.write(u"VLhelp.hlp"_s, ThreeTopics);
    Form9 w;
    w.show();
    auto *list1 = control<QListWidget>(&w, "List1");
    auto *body = control<QTextEdit>(&w, "RichTextBox1");
    list1->setCurrentRow(1);
    body->setPlainText(u"changed"_s);
    control<QPushButton>(&w, "Save")->click();
    // After the list is rebuilt the boxes still show topic 2, so a second save keeps topic 1.
    QCOMPARE(list1->currentRow(), 1);
    QCOMPARE(body->toPlainText(), u"changed"_s);
    body->setPlainText(u"again"_s);
    control<QPushButton>(&w, "Save")->click();
    QCOMPARE(dir.read(u"VLhelp.hlp"_s),
             topic(1, "Alpha", "first") + topic(2, "Beta", "again") + topic(3, "Gamma", "third"));
}

void TestNotepad::clickingAnotherTopicStoresNothing()
{
    WorkDir dir;
    dir.write(u"VLhelp.hlp"_s, ThreeTopics);
    Form9 w;
    w.show();
    control<QTextEdit>(&w, "RichTextBox1")->setPlainText(u"not kept"_s);
    control<QListWidget>(&w, "List1")->setCurrentRow(2);
    QCOMPARE(control<QLineEdit>(&w, "Text2")->text(), u"Gamma"_s);
    QCOMPARE(dir.read(u"VLhelp.hlp"_s), ThreeTopics);
}

void TestNotepad::longFieldsAreCut()
{
    WorkDir dir;
    dir.write(u"VLhelp.hlp"_s, ThreeTopics);
    Form9 w;
    w.show();
    control<QLineEdit>(&w, "Text2")->setText(QString(41, u't'));
    control<QTextEdit>(&w, "RichTextBox1")->setPlainText(QString(6000, u'b'));
    control<QPushButton>(&w, "Save")->click();
    QCOMPARE(recordOf(dir.read(u"VLhelp.hlp"_s), 1),
             topic(1, QByteArray(40, 't'), QByteArray(5000, 'b')));
}

void TestNotepad::sizesAndColoursAreNotStored()
{
    WorkDir dir;
    dir.write(u"VLhelp.hlp"_s, ThreeTopics);
    Form9 w;
    w.show();
    auto *body = control<QTextEdit>(&w, "RichTextBox1");
    QCOMPARE(firstCharacterSize(body), 10.0);
    body->selectAll();
    control<QPushButton>(&w, "Command3")->click();
    QCOMPARE(firstCharacterSize(body), 14.0);
    m_dialogs->answerColor(true, QColor(255, 0, 0));
    control<QPushButton>(&w, "Command4")->click();
    QCOMPARE(body->textCursor().charFormat().foreground().color(), QColor(255, 0, 0));
    control<QPushButton>(&w, "Save")->click();
    QCOMPARE(dir.read(u"VLhelp.hlp"_s), ThreeTopics);

    Form9 again;
    again.show();
    auto *reloaded = control<QTextEdit>(&again, "RichTextBox1");
    QCOMPARE(reloaded->toPlainText(), u"first"_s);
    QCOMPARE(firstCharacterSize(reloaded), 10.0);

    // "Font 8" gives the usual ten points.
    reloaded->selectAll();
    control<QPushButton>(&again, "Command3")->click();
    control<QPushButton>(&again, "Command1")->click();
    QCOMPARE(firstCharacterSize(reloaded), 10.0);
}

void TestNotepad::formatDoesNotOutliveTheTopic_data()
{
    QTest::addColumn<bool>("larger");
    QTest::addColumn<bool>("coloured");
    QTest::newRow("Font 14") << true << false;
    QTest::newRow("Color") << false << true;
    QTest::newRow("both") << true << true;
}

void TestNotepad::formatDoesNotOutliveTheTopic()
{
    QFETCH(bool, larger);
    QFETCH(bool, coloured);
    WorkDir dir;
    dir.write(u"VLhelp.hlp"_s, ThreeTopics);
    Form9 w;
    w.show();
    auto *body = control<QTextEdit>(&w, "RichTextBox1");
    body->selectAll();
    if (larger)
        control<QPushButton>(&w, "Command3")->click();
    if (coloured) {
        m_dialogs->answerColor(true, QColor(255, 0, 0));
        control<QPushButton>(&w, "Command4")->click();
    }
    QVERIFY(!inDefaultFormat(body));

    // Saved and shown again, the topic is back in the default size and colour ...
    control<QPushButton>(&w, "Save")->click();
    QCOMPARE(body->toPlainText(), u"first"_s);
    QVERIFY(inDefaultFormat(body));
    // ... and so is every topic opened after it, with what is typed into it.
    control<QListWidget>(&w, "List1")->setCurrentRow(1);
    QCOMPARE(body->toPlainText(), u"second"_s);
    QTest::keyClicks(body, u"typed"_s);
    QVERIFY(inDefaultFormat(body));
    control<QPushButton>(&w, "Command2")->click();
    QTest::keyClicks(body, u"new topic"_s);
    QCOMPARE(body->toPlainText(), u"new topic"_s);
    QVERIFY(inDefaultFormat(body));
}

void TestNotepad::printPrintsTheBody()
{
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed");
    WorkDir dir;
    dir.write(u"VLhelp.hlp"_s, topic(1, "Alpha", "read this\r\nand this"));
    Form9 w;
    w.show();
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"      Do you want Print Now ?"_s);
    const QString text = printedText([&] { control<QPushButton>(&w, "Command5")->click(); });
    QVERIFY2(text.contains(u"read this"_s) && text.contains(u"and this"_s), qPrintable(text));
    QVERIFY(!text.contains(u"Alpha"_s));
}

void TestNotepad::printKeepsALongParagraphWhole()
{
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed");
    WorkDir dir;
    // One paragraph far wider than a sheet, as the box shows it wrapped.
    QByteArray paragraph = "start";
    for (int i = 0; i < 40; ++i)
        paragraph += " word" + QByteArray::number(i);
    paragraph += " lastword";
    dir.write(u"VLhelp.hlp"_s, topic(1, "Long", paragraph));
    Form9 w;
    w.show();
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"      Do you want Print Now ?"_s);
    const QString text = printedText([&] { control<QPushButton>(&w, "Command5")->click(); });
    QVERIFY2(text.contains(u"start"_s) && text.contains(u"word39"_s) &&
                 text.contains(u"lastword"_s),
             qPrintable(text));
}

void TestNotepad::shippedTopicsExplainTheWindows()
{
    QFile shipped(QStringLiteral(SHIPPED_HELP_FILE));
    QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(shipped.fileName()));
    const QByteArray bytes = shipped.readAll();
    QCOMPARE(bytes.size() % Length, 0);
    QVERIFY(bytes.size() / Length >= 10);

    WorkDir dir;
    dir.write(u"VLhelp.hlp"_s, bytes);
    Form9 w;
    w.show();
    const QStringList titles = entries(control<QListWidget>(&w, "List1"));
    for (const QString &title : titles)
        QVERIFY(!title.trimmed().isEmpty());
    for (const QString &window : {u"Lists"_s, u"To-do outline"_s, u"Using this notepad"_s,
                                  u"Appointment book"_s, u"Reminders"_s})
        QVERIFY2(titles.contains(window), qPrintable(window));
    // Every record knows its number, and no body was cut: each ends before its field does.
    for (int n = 1; n <= titles.size(); ++n) {
        const QByteArray record = recordOf(bytes, n);
        QCOMPARE(record.left(2), le16(qint16(n)));
        QVERIFY(record.endsWith(' '));
        QVERIFY(!record.mid(42).trimmed().isEmpty());
    }
    QCOMPARE(dir.read(u"VLhelp.hlp"_s), bytes); // opening it writes nothing
}

void TestNotepad::overlongSourceTopicFailsTheBuildStep_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("two topics") << QByteArray("# note\n== One\nbody\n\n== Two\n\nmore\n") << true;
    QTest::newRow("title of 41") << "== " + QByteArray(41, 'T') + "\nbody\n" << false;
    QTest::newRow("body of 5001") << "== Title\n" + QByteArray(5001, 'b') + '\n' << false;
    QTest::newRow("line breaks count two")
        << "== Title\n" + QByteArray(2500, 'b') + '\n' + QByteArray(2499, 'b') + '\n'
        << false;
    QTest::newRow("text before a title") << QByteArray("stray\n== Title\nbody\n") << false;
    QTest::newRow("no topic") << QByteArray("# only a comment\n") << false;
    QTest::newRow("outside cp1252") << QByteArray("== Title\n\xe2\x98\x83\n") << false;
}

void TestNotepad::overlongSourceTopicFailsTheBuildStep()
{
    QFETCH(QByteArray, source);
    QFETCH(bool, accepted);
    WorkDir dir;
    dir.write(u"topics.txt"_s, source);
    QProcess make;
    make.start(QStringLiteral(MAKE_HELP_PROGRAM), {dir.filePath(u"topics.txt"_s), dir.path()});
    QVERIFY(make.waitForFinished());
    QCOMPARE(make.exitCode() == 0, accepted);
    if (!accepted) {
        QVERIFY(!make.readAllStandardError().isEmpty());
        QVERIFY(dir.read(u"VLhelp.hlp"_s).isEmpty());
        return;
    }
    QCOMPARE(dir.read(u"VLhelp.hlp"_s), topic(1, "One", "body") + topic(2, "Two", "more"));
}

void TestNotepad::typingAtTheEndOfAStoredValueKeepsIt_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::newRow("title") << u"Text2"_s << Length + 2 << 40;
    QTest::newRow("body") << u"RichTextBox1"_s << Length + 42 << 5000;
}

void TestNotepad::typingAtTheEndOfAStoredValueKeepsIt()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QFETCH(int, width);
    WorkDir dir;
    const QByteArray file =
        topic(1, "Other") + topic(2, "Groceries", "milk\r\nABC note") + topic(3, "Last");
    dir.write(u"VLhelp.hlp"_s, file);
    Form9 window;
    window.show();
    typeIntoSecondEntryAndSave(&window, box.toLatin1().constData(), "Save", u" and buy stamps"_s);
    QCOMPARE(dir.read(u"VLhelp.hlp"_s), withTypedAtEnd(file, offset, width, " and buy stamps"));
}

QTEST_MAIN(TestNotepad)
#include "tst_notepad.moc"
