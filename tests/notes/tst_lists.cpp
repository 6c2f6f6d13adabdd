#include "app/window_table.h"
#include "notes/lists_window.h"
#include "platform/printer.h"
#include "shell/main_window.h"

#include "notes_support.h"
#include "scripted_dialogs.h"
#include "typing.h"
#include "work_dir.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int Length = 2042;

QByteArray list(qint16 number, const QByteArray &name, const QByteArray &body = QByteArray())
{
    return titledRecord(number, name, body, 2000);
}

QByteArray recordOf(const QByteArray &file, int n)
{
    return recordAt(file, n, Length);
}

void clickEntry(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestLists : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshFileHoldsOneEmptyList();
    void deleteMovesLaterListsUp_data();
    void deleteMovesLaterListsUp();
    void typedBodyIsStoredBeforeAnotherListLoads();
    void leavingTheNameStoresIt();
    void longFieldsAreCut();
    void typingAtTheEndOfAStoredValueKeepsIt_data();
    void typingAtTheEndOfAStoredValueKeepsIt();
    void addOnTheLastListMakesANewOne();
    void printPrintsTheBody();
    void fontsAreStoredForEveryReader();
    void unwritableFileIsReported();
    void mainWindowOpensTheNotesWindows_data();
    void mainWindowOpensTheNotesWindows();

private:
    ScriptedDialogs *m_dialogs = nullptr;
};

void TestLists::init()
{
    m_dialogs = new ScriptedDialogs;
}

void TestLists::cleanup()
{
    QCOMPARE(m_dialogs->pending(), 0);
    delete m_dialogs;
}

void TestLists::freshFileHoldsOneEmptyList()
{
    WorkDir dir;
    Form6 w;
    w.show();
    QCOMPARE(w.windowTitle(), u"LISTS"_s);
    QCOMPARE(dir.read(u"lists.dat"_s), list(1, ""));
    QCOMPARE(entries(control<QListWidget>(&w, "List1")), QStringList({QString()}));
    QCOMPARE(w.position, qint16(1));
    QCOMPARE(w.Numbrecords, qint16(1));
}

void TestLists::deleteMovesLaterListsUp_data()
{
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::newRow("yes") << Dialogs::Answer::Yes;
    QTest::newRow("no") << Dialogs::Answer::No;
}

void TestLists::deleteMovesLaterListsUp()
{
    QFETCH(Dialogs::Answer, answer);
    WorkDir dir;
    const QByteArray before =
        list(1, "ONE", "first") + list(2, "TWO", "second\r\nline") + list(3, "THREE", "third");
    dir.write(u"lists.dat"_s, before);
    Form6 w;
    w.show();
    auto *list1 = control<QListWidget>(&w, "List1");
    list1->setCurrentRow(1);
    QCOMPARE(control<QLineEdit>(&w, "Text1")->text(), u"TWO"_s);

    m_dialogs->answerMessage(answer, u"Delete ?"_s);
    control<QPushButton>(&w, "Command3")->click();
    const Dialogs::Message asked = m_dialogs->lastAsked().message;
    QCOMPARE(asked.title, u"Delete"_s);
    QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(asked.icon, Dialogs::Icon::Critical);
    QCOMPARE(asked.defaultButton, 2);

    const QByteArray after = dir.read(u"lists.dat"_s);
    if (answer != Dialogs::Answer::Yes) {
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(after.size(), 3 * Length);
    QCOMPARE(recordOf(after, 1), list(1, "ONE", "first"));
    QCOMPARE(recordOf(after, 2), list(2, "THREE", "third"));
    QCOMPARE(recordOf(after, 3), list(3, ""));
    QCOMPARE(entries(list1), QStringList({u"ONE"_s, u"THREE"_s, QString()}));
    // The list now in the deleted one's place is shown.
    QCOMPARE(list1->currentRow(), 1);
    QCOMPARE(control<QPlainTextEdit>(&w, "Text2")->toPlainText(), u"third"_s);
}

void TestLists::typedBodyIsStoredBeforeAnotherListLoads()
{
    WorkDir dir;
    dir.write(u"lists.dat"_s, list(1, "ONE", "first") + list(2, "TWO", "second"));
    Form6 w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *list1 = control<QListWidget>(&w, "List1");
    auto *text2 = control<QPlainTextEdit>(&w, "Text2");
    clickEntry(list1, 1);
    QCOMPARE(text2->toPlainText(), u"second"_s);

    QTest::mouseClick(text2->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(text2->hasFocus());
    text2->moveCursor(QTextCursor::End);
    QTest::keyClicks(text2, u" and more"_s);
    QTest::keyClick(text2, Qt::Key_Return);
    QTest::keyClicks(text2, u"next"_s);
    clickEntry(list1, 0);

    QCOMPARE(recordOf(dir.read(u"lists.dat"_s), 2), list(2, "TWO", "second and more\r\nnext"));
    QCOMPARE(text2->toPlainText(), u"first"_s);
    QCOMPARE(w.position, qint16(1));
}

void TestLists::leavingTheNameStoresIt()
{
    WorkDir dir;
    Form6 w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *text1 = control<QLineEdit>(&w, "Text1");
    QTest::mouseClick(text1, Qt::LeftButton);
    QTest::keyClicks(text1, u"GROCERIES"_s);
    QTest::mouseClick(control<QPlainTextEdit>(&w, "Text2")->viewport(), Qt::LeftButton);
    QCOMPARE(dir.read(u"lists.dat"_s), list(1, "GROCERIES"));
}

void TestLists::longFieldsAreCut()
{
    WorkDir dir;
    Form6 w;
    w.show();
    control<QLineEdit>(&w, "Text1")->setText(QString(45, u'N'));
    control<QPlainTextEdit>(&w, "Text2")->setPlainText(QString(2100, u'b'));
    control<QPushButton>(&w, "Command1")->click();
    QCOMPARE(dir.read(u"lists.dat"_s), list(1, QByteArray(40, 'N'), QByteArray(2000, 'b')));
    QCOMPARE(control<QListWidget>(&w, "List1")->item(0)->text(), QString(40, u'N'));
}

void TestLists::addOnTheLastListMakesANewOne()
{
    WorkDir dir;
    dir.write(u"lists.dat"_s, list(1, "ONE", "first"));
    Form6 w;
    w.show();
    auto *text1 = control<QLineEdit>(&w, "Text1");
    auto *text2 = control<QPlainTextEdit>(&w, "Text2");
    control<QPushButton>(&w, "Command4")->click();
    QCOMPARE(w.position, qint16(2));
    QVERIFY(text1->text().isEmpty());
    QVERIFY(text2->toPlainText().isEmpty());
    QCOMPARE(dir.read(u"lists.dat"_s).size(), Length); // nothing written until saved

    text1->setText(u"TWO"_s);
    text2->setPlainText(u"a\nb"_s);
    control<QPushButton>(&w, "Command1")->click();
    QCOMPARE(recordOf(dir.read(u"lists.dat"_s), 2), list(2, "TWO", "a\r\nb"));
    auto *list1 = control<QListWidget>(&w, "List1");
    QCOMPARE(entries(list1), QStringList({u"ONE"_s, u"TWO"_s}));
    QCOMPARE(list1->currentRow(), 1);
    QCOMPARE(text2->toPlainText(), u"a\nb"_s);
}

void TestLists::printPrintsTheBody()
{
    if (!havePdfToText())
        QSKIP("pdftotext (poppler-utils) is not installed");
    WorkDir dir;
    dir.write(u"lists.dat"_s, list(1, "ONE", "milk\r\nbread"));
    Form6 w;
    w.show();
    auto *print = control<QPushButton>(&w, "Command2");
    QVERIFY(print->geometry().right() < w.width());
    QVERIFY(control<QPushButton>(&w, "Fonts")->geometry().right() < w.width());

    m_dialogs->answerMessage(Dialogs::Answer::Cancel, u"      Do you want Print Now ?"_s);
    QVERIFY(printedText([&] { print->click(); }).isEmpty());

    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"      Do you want Print Now ?"_s);
    const QString text = printedText([&] { print->click(); });
    QCOMPARE(m_dialogs->lastAsked().message.buttons, Dialogs::Buttons::OkCancel);
    QVERIFY2(text.contains(u"milk"_s) && text.contains(u"bread"_s), qPrintable(text));
    QVERIFY(!text.contains(u"ONE"_s));

    // A printer that fails is reported, not taken for printed.
    WorkDir elsewhere;
    Printing::setOutputFile(elsewhere.filePath(u"missing-folder/out.pdf"_s));
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"      Do you want Print Now ?"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"Printer Problem"_s);
    print->click();
    Printing::setOutputFile(QString());
}

void TestLists::fontsAreStoredForEveryReader()
{
    WorkDir dir;
    // The main window's longer record: only the first 2076 bytes are rewritten.
    dir.write(u"config.dat"_s, QByteArray(2077, '\x07'));
    Form6 w;
    w.show();
    QFont chosen(u"DejaVu Sans"_s, 14);
    chosen.setBold(true);
    m_dialogs->answerFont(true, chosen);
    control<QPushButton>(&w, "Fonts")->click();

    const QByteArray config = dir.read(u"config.dat"_s);
    QCOMPARE(config.size(), 2077);
    QCOMPARE(config.mid(2042, 2), le16(-1));
    QCOMPARE(config.mid(2044, 30), padded("DejaVu Sans", 30));
    QCOMPARE(config.mid(2074, 2), le16(14));
    QCOMPARE(config.at(2076), '\x07');
    for (const char *name : {"Text1", "Text2", "List1"}) {
        QWidget *box = control<QWidget>(&w, name);
        QCOMPARE(box->font().pointSize(), 14);
        QVERIFY(box->font().bold());
    }

    // Another window reading the file gets the same font: the size goes to the body only.
    Form6 other;
    other.show();
    QCOMPARE(control<QWidget>(&other, "Text2")->font().pointSize(), 14);
    QVERIFY(control<QWidget>(&other, "Text1")->font().bold());
}

void TestLists::unwritableFileIsReported()
{
    WorkDir dir;
    QDir(dir.path()).mkdir(u"lists.dat"_s); // a folder where the file should be
    m_dialogs->answerMessage(Dialogs::Answer::Ok);
    Form6 w;
    w.show();
    QVERIFY(m_dialogs->lastAsked().message.text.startsWith(u"lists.dat"_s));
    m_dialogs->answerMessage(Dialogs::Answer::Ok);
    control<QPushButton>(&w, "Command1")->click();
    QVERIFY(m_dialogs->lastAsked().message.text.startsWith(u"lists.dat"_s));
}

void TestLists::mainWindowOpensTheNotesWindows_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<ToolWindowId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("child");
    QTest::newRow("lists") << u"Lists"_s << ToolWindowId::Form6 << u"Form6"_s << u"lists.dat"_s
                           << true;
    QTest::newRow("to-do") << u"Todo"_s << ToolWindowId::Todo << u"Todo"_s << u"tree.dat"_s << true;
    QTest::newRow("contents") << u"contentmnu"_s << ToolWindowId::Form9 << u"Form9"_s
                              << u"VLhelp.hlp"_s << false;
}

void TestLists::mainWindowOpensTheNotesWindows()
{
    QFETCH(QString, command);
    QFETCH(ToolWindowId, id);
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(bool, child);
    WorkDir dir;
    VL32V1 frame(createToolWindow);
    frame.show();
    if (auto *menuCommand = frame.findChild<QAction *>(command))
        menuCommand->trigger();
    else
        frame.Toolbar1_ButtonClick(command);
    QWidget *window = frame.toolWindow(id);
    QVERIFY(window);
    QCOMPARE(window->objectName(), name);
    QCOMPARE(qobject_cast<QMdiSubWindow *>(window->parentWidget()) != nullptr, child);
    QVERIFY(QFileInfo::exists(dir.filePath(file)));

    // Closing with the focus in a box is no save: only leaving the box for another one is.
    const QByteArray before = dir.read(file);
    window->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window->window()));
    auto *box = window->findChild<QLineEdit *>(name == u"Form9"_s ? u"Text2"_s : u"Text1"_s);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, u"typed"_s);
    static_cast<Form *>(window)->unload();
    QTRY_VERIFY(!frame.toolWindow(id));
    QCOMPARE(dir.read(file), before);
}

void TestLists::typingAtTheEndOfAStoredValueKeepsIt_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::newRow("title") << u"Text1"_s << Length + 2 << 40;
    QTest::newRow("body") << u"Text2"_s << Length + 42 << 2000;
}

void TestLists::typingAtTheEndOfAStoredValueKeepsIt()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QFETCH(int, width);
    WorkDir dir;
    const QByteArray file =
        list(1, "Other") + list(2, "Groceries", "milk\r\nABC note") + list(3, "Last");
    dir.write(u"lists.dat"_s, file);
    Form6 window;
    window.show();
    typeIntoSecondEntryAndSave(&window, box.toLatin1().constData(), "Command1",
                               u" and buy stamps"_s);
    QCOMPARE(dir.read(u"lists.dat"_s), withTypedAtEnd(file, offset, width, " and buy stamps"));
}

QTEST_MAIN(TestLists)
#include "tst_lists.moc"
