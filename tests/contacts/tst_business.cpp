#include "app/window_table.h"
#include "contacts/business_card.h"
#include "contacts/business_store.h"
#include "contacts/business_window.h"
#include "shell/main_window.h"

#include "platform/printer.h"
#include "platform/status_panels.h"

#include "pdf_text.h"
#include "scripted_dialogs.h"
#include "typing.h"
#include "work_dir.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int CardLength = 2042;

// A card as biz.dat keeps it: number, company and contact, every other field never written
// (a null name too).
QByteArray card(qint16 recNo, const QByteArray &company, const QByteArray &contact = QByteArray())
{
    const auto field = [](const QByteArray &text) {
        return text.isNull() ? QByteArray(40, '\0') : padded(text, 40);
    };
    QByteArray bytes = le16(recNo) + field(company) + field(contact);
    return bytes + QByteArray(CardLength - bytes.size(), '\0');
}

// A one-line value as its field keeps it, as the printout shows it.
QString printedField(const QString &text)
{
    return text.leftJustified(40);
}

template <typename T> T *child(const QWidget *parent, const char *objectName)
{
    T *found = parent->findChild<T *>(QLatin1String(objectName));
    if (!found)
        qWarning("no child %s", objectName);
    return found;
}

QStringList entries(const Form4 &window)
{
    QStringList texts;
    const auto *list = child<QListWidget>(&window, "List1");
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QString shownCompany(const Form4 &window)
{
    return child<QLineEdit>(&window, "Text1")->text();
}

void clickEntry(Form4 &window, int row)
{
    auto *list = child<QListWidget>(&window, "List1");
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestBusiness : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstLoadCreatesThePlaceholderCard();
    void namesAreCutAndPadded_data();
    void namesAreCutAndPadded();
    void everyFieldHasItsPlace();
    void typingAtTheEndOfAStoredValueKeepsIt_data();
    void typingAtTheEndOfAStoredValueKeepsIt();
    void firstCardOfAFreshBookTakesNoLeadingBlanks();
    void partialLastRecordIsNotACard();
    void onePassMatchesRecordByRecord();
    void listSortsIgnoringCase();
    void sameNameFindsTheLowerRecord();
    void boxesShowValuesFromTheirStart();
    void contactModeListsContacts();
    void addThenSaveAppendsABlankCard();
    void addThenListClickAbandonsTheCard();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deletingAnUnsavedCardWritesNothing();
    void fullBookTakesNoMoreCards();
    void unreadableFileIsReported();
    void printedCardHasItsLines();
    void printCancelledOrFailed();
    void notesViewsSwitch();
    void configuredAndChosenFonts();
    void toolbarOpensTheWindow();

private:
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void TestBusiness::init()
{
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestBusiness::cleanup()
{
    const int unasked = m_dialogs->pending();
    m_dialogs.reset();
    Printing::setOutputFile(QString());
    QCOMPARE(unasked, 0);
}

void TestBusiness::firstLoadCreatesThePlaceholderCard()
{
    WorkDir dir;
    Form4 window;
    window.show();
    QCOMPARE(dir.read(u"biz.dat"_s), le16(1) + QByteArray(40, ' ') + QByteArray(2000, '\0'));
    QCOMPARE(entries(window), QStringList{QString()});
    QCOMPARE(window.Numbrecords, qint16(1));
    QCOMPARE(window.position, qint16(1));
    QCOMPARE(window.Opt, u"0"_s);
    QCOMPARE(shownCompany(window), QString());
    QCOMPARE(child<QLineEdit>(&window, "Text2")->text(), QString());
    QVERIFY(!child<QRadioButton>(&window, "Option1")->isChecked());
    QVERIFY(!child<QRadioButton>(&window, "Option2")->isChecked());
}

void TestBusiness::namesAreCutAndPadded_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("readBack");
    const QString long45 = u"Consolidated Amalgamated Widget Corporation X"_s;
    QTest::newRow("45 characters") << long45 << long45.left(40).toLatin1() << long45.left(40);
    QTest::newRow("3 characters") << u"Ace"_s << padded("Ace", 40) << u"Ace"_s;
    QTest::newRow("cp1252") << u"Caf\u00e9 \u20ac"_s << padded("Caf\xe9 \x80", 40)
                            << u"Caf\u00e9 \u20ac"_s;
}

void TestBusiness::namesAreCutAndPadded()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QString, readBack);
    WorkDir dir;
    Form4 window;
    window.show();
    child<QLineEdit>(&window, "Text1")->setText(typed);
    window.Command2_Click();
    QCOMPARE(dir.read(u"biz.dat"_s).mid(2, 40), stored);
    QCOMPARE(entries(window), QStringList{readBack});
    QCOMPARE(shownCompany(window), readBack);
    QCOMPARE(BizStore().read(1).Company, readBack);
}

void TestBusiness::everyFieldHasItsPlace()
{
    WorkDir dir;
    Form4 window;
    window.show();
    const struct
    {
        const char *box;
        int offset;
        int width;
        QByteArray value;
    } fields[] = {{"Text1", 2, 40, "Acme"},
                  {"Text2", 42, 40, "Jo Smith"},
                  {"Text3", 82, 100, "1 Main St\r\nBldg 2"},
                  {"Text4", 182, 40, "Springfield"},
                  {"Text5", 222, 40, "IL"},
                  {"Text6", 262, 40, "62701"},
                  {"Text7", 302, 40, "555-0100"},
                  {"Text8", 342, 40, "12"},
                  {"Text9", 382, 40, "555-0101"},
                  {"Text10", 422, 40, "34"},
                  {"Text11", 462, 40, "555-0102"},
                  {"Text15", 502, 40, "jo@acme.test"},
                  {"Text12", 542, 1500, "Call\r\non Monday\r\n\r\n\xa0 spaced"}};
    for (const auto &field : fields) {
        const QString text = QString::fromLatin1(field.value);
        if (auto *line = window.findChild<QLineEdit *>(QLatin1String(field.box)))
            line->setText(text);
        else
            child<QPlainTextEdit>(&window, field.box)
                ->setPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
    }
    window.Command2_Click();
    const QByteArray bytes = dir.read(u"biz.dat"_s);
    QCOMPARE(bytes.size(), CardLength);
    QCOMPARE(bytes.left(2), le16(1));
    for (const auto &field : fields)
        QCOMPARE(bytes.mid(field.offset, field.width), padded(field.value, field.width));

    // Saved again unchanged, the card comes back byte for byte, padding and line breaks kept.
    window.Command2_Click();
    QCOMPARE(dir.read(u"biz.dat"_s), bytes);
    const BizRecord read = BizStore().read(1);
    QCOMPARE(read.Notes, QString::fromLatin1(fields[12].value).replace(u"\r\n"_s, u"\n"_s));
    QCOMPARE(read.toRecord().bytes(), bytes);
}

void TestBusiness::typingAtTheEndOfAStoredValueKeepsIt_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    const struct
    {
        const char *box;
        int offset;
        int width;
    } boxes[] = {{"Text1", 2, 40},     {"Text2", 42, 40},   {"Text3", 82, 100},
                 {"Text4", 182, 40},   {"Text5", 222, 40},  {"Text6", 262, 40},
                 {"Text7", 302, 40},   {"Text8", 342, 40},  {"Text9", 382, 40},
                 {"Text10", 422, 40},  {"Text11", 462, 40}, {"Text15", 502, 40},
                 {"Text12", 542, 1500}};
    for (const auto &box : boxes)
        QTest::newRow(box.box) << QString::fromLatin1(box.box) << box.offset << box.width;
}

void TestBusiness::typingAtTheEndOfAStoredValueKeepsIt()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QFETCH(int, width);
    WorkDir dir;
    // Every field stored, padded: "Acme Tools" and the like, the address and notes on two lines.
    QByteArray stored = le16(1);
    QList<QByteArray> values;
    for (const int fieldWidth : {40, 40, 100, 40, 40, 40, 40, 40, 40, 40, 40, 40, 1500}) {
        const QByteArray value = fieldWidth == 40
                                     ? "Acme Tools " + QByteArray::number(values.size())
                                     : QByteArray("first line\r\nsecond");
        values.append(value);
        stored += padded(value, fieldWidth);
    }
    dir.write(u"biz.dat"_s, stored);
    Form4 window;
    window.show();

    QWidget *edited = child<QWidget>(&window, box.toLatin1().constData());
    typeAtEnd(edited, u" Ltd"_s);
    child<QPushButton>(&window, "Command2")->click();
    QCOMPARE(dir.read(u"biz.dat"_s), withTypedAtEnd(stored, offset, width, " Ltd"));
}

void TestBusiness::firstCardOfAFreshBookTakesNoLeadingBlanks()
{
    WorkDir dir;
    Form4 window;
    window.show();
    typeAtEnd(child<QLineEdit>(&window, "Text1"), u"Zeta Corp"_s);
    child<QPushButton>(&window, "Command2")->click();
    QCOMPARE(dir.read(u"biz.dat"_s).mid(2, 40), padded("Zeta Corp", 40));
    QCOMPARE(entries(window), QStringList{u"Zeta Corp"_s});
}

void TestBusiness::partialLastRecordIsNotACard()
{
    WorkDir dir;
    dir.write(u"biz.dat"_s, card(1, "Acme") + card(2, "Bolt") + QByteArray("\x03\0Part", 6));
    Form4 window;
    window.show();
    QCOMPARE(window.Numbrecords, qint16(2));
    QCOMPARE(entries(window), QStringList({u"Acme"_s, u"Bolt"_s}));
    QCOMPARE(BizStore().names(BizStore::ListBy::Company).size(), 2);
    QCOMPARE(BizStore().find(BizStore::ListBy::Company, u"Part"), 0);
}

void TestBusiness::onePassMatchesRecordByRecord()
{
    WorkDir dir;
    QByteArray cut = card(3, "Ab");
    cut[5] = '\0'; // a zero byte inside a name ends it, as in a box
    cut[6] = 'x';
    dir.write(u"biz.dat"_s, card(1, "Acme", "Jo") + card(2, QByteArray(), "Jo") + cut +
                                card(4, "Caf\xe9", "") + card(5, "Acme", "jo"));
    const BizStore store;
    for (const BizStore::ListBy by : {BizStore::ListBy::Company, BizStore::ListBy::Contact}) {
        QStringList oneAtATime;
        for (int n = 1; n <= store.count(); ++n) {
            const BizRecord read = store.read(n);
            oneAtATime.append(by == BizStore::ListBy::Company ? read.Company : read.Contact);
        }
        QCOMPARE(store.names(by), oneAtATime);
        for (const QString &name : std::as_const(oneAtATime))
            QCOMPARE(store.find(by, name), int(oneAtATime.indexOf(name)) + 1);
    }
    QCOMPARE(store.names(BizStore::ListBy::Company).at(2), u"Ab"_s);
    QCOMPARE(store.find(BizStore::ListBy::Contact, u"JO"_s), 0);
}

void TestBusiness::listSortsIgnoringCase()
{
    WorkDir dir;
    dir.write(u"biz.dat"_s, card(1, "beta") + card(2, "Alpha") + card(3, "alpha") +
                                card(4, "Gamma") + card(5, "ALPHA co") + card(6, "Al") +
                                card(7, "\xe9mile") + card(8, "\xc9mile"));
    Form4 window;
    window.show();
    // Equal but for letter case (accented letters too) keeps record order; a padded name sorts
    // before a longer one.
    QCOMPARE(entries(window),
             QStringList({u"Al"_s, u"Alpha"_s, u"alpha"_s, u"ALPHA co"_s, u"beta"_s, u"Gamma"_s,
                          u"\u00e9mile"_s, u"\u00c9mile"_s}));
    // Finding is exact: each spelling shows its own card.
    clickEntry(window, 2);
    QCOMPARE(window.position, qint16(3));
    clickEntry(window, 1);
    QCOMPARE(window.position, qint16(2));
    QCOMPARE(shownCompany(window), u"Alpha"_s);
}

void TestBusiness::sameNameFindsTheLowerRecord()
{
    WorkDir dir;
    dir.write(u"biz.dat"_s,
              card(1, "Zed", "first") + card(2, "Acme", "second") + card(3, "Acme", "third"));
    Form4 window;
    window.show();
    QCOMPARE(entries(window), QStringList({u"Acme"_s, u"Acme"_s, u"Zed"_s}));
    for (int row : {0, 1}) {
        clickEntry(window, row);
        QCOMPARE(window.position, qint16(2));
        QCOMPARE(child<QLineEdit>(&window, "Text2")->text(), u"second"_s);
    }
    clickEntry(window, 2);
    QCOMPARE(window.position, qint16(1));
}

void TestBusiness::boxesShowValuesFromTheirStart()
{
    WorkDir dir;
    dir.write(u"biz.dat"_s, card(1, "Acme", "Ann") + card(2, "Zeta", "Bob"));
    Form4 window;
    window.show();
    // A padded value shows its start, not the trailing blanks the cursor at its end scrolls to.
    const auto check = [&window] {
        for (QLineEdit *box : window.findChildren<QLineEdit *>()) {
            if (box->objectName() != u"Text13"_s)
                QVERIFY2(box->cursorPosition() == 0, qPrintable(box->objectName()));
        }
    };
    check();
    clickEntry(window, 1);
    QCOMPARE(shownCompany(window), u"Zeta"_s);
    check();
}

void TestBusiness::contactModeListsContacts()
{
    WorkDir dir;
    dir.write(u"biz.dat"_s, card(1, "Zed", "Yves") + card(2, "Bolt") + card(3, "Acme", "Xena"));
    Form4 window;
    window.show();
    // The refresh selects the entry at the current record's index: record 1 was current, so
    // the first entry, Acme, record 3.
    QCOMPARE(window.position, qint16(3));
    QCOMPARE(shownCompany(window), u"Acme"_s);

    QTest::mouseClick(child<QRadioButton>(&window, "Option2"), Qt::LeftButton);
    QCOMPARE(window.Opt, u"1"_s);
    // Bolt has no contact: a blank entry, sorted first.
    QCOMPARE(entries(window), QStringList({QString(), u"Xena"_s, u"Yves"_s}));
    // Record 3 was current, so the third entry (Yves, record 1) is selected and shown.
    QCOMPARE(child<QListWidget>(&window, "List1")->currentRow(), 2);
    QCOMPARE(window.position, qint16(1));
    QCOMPARE(shownCompany(window), u"Zed"_s);

    QTest::mouseClick(child<QRadioButton>(&window, "Option1"), Qt::LeftButton);
    QCOMPARE(window.Opt, u"0"_s);
    QCOMPARE(entries(window), QStringList({u"Acme"_s, u"Bolt"_s, u"Zed"_s}));
    QCOMPARE(window.position, qint16(3));
    QCOMPARE(shownCompany(window), u"Acme"_s);
}

void TestBusiness::addThenSaveAppendsABlankCard()
{
    WorkDir dir;
    dir.write(u"biz.dat"_s, card(1, "Acme"));
    Form4 window;
    window.show();
    QTest::mouseClick(child<QPushButton>(&window, "Command1"), Qt::LeftButton);
    QCOMPARE(window.position, qint16(2));
    QCOMPARE(shownCompany(window), QString());
    QCOMPARE(dir.read(u"biz.dat"_s).size(), CardLength);
    QTest::mouseClick(child<QPushButton>(&window, "Command2"), Qt::LeftButton);
    QCOMPARE(dir.read(u"biz.dat"_s), card(1, "Acme") + le16(2) + QByteArray(CardLength - 2, ' '));
    QCOMPARE(entries(window), QStringList({QString(), u"Acme"_s}));
    QCOMPARE(window.Numbrecords, qint16(2));
}

void TestBusiness::addThenListClickAbandonsTheCard()
{
    WorkDir dir;
    dir.write(u"biz.dat"_s, card(1, "Acme", "Jo"));
    Form4 window;
    window.show();
    window.Command1_Click();
    child<QLineEdit>(&window, "Text1")->setText(u"Never saved"_s);
    // The highlighted entry itself brings its card back.
    clickEntry(window, 0);
    QCOMPARE(window.position, qint16(1));
    QCOMPARE(shownCompany(window), u"Acme"_s);
    QCOMPARE(dir.read(u"biz.dat"_s), card(1, "Acme", "Jo"));
}

void TestBusiness::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No") << false;
    QTest::newRow("Yes") << true;
}

void TestBusiness::deleteAsksFirst()
{
    QFETCH(bool, yes);
    WorkDir dir;
    const QByteArray before = card(1, "Acme", "Jo");
    dir.write(u"biz.dat"_s, before);
    Form4 window;
    window.show();
    m_dialogs->answerMessage(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No, u"Delete ?"_s);
    QTest::mouseClick(child<QPushButton>(&window, "Command3"), Qt::LeftButton);
    const Dialogs::Message asked = m_dialogs->lastAsked().message;
    QCOMPARE(asked.title, u"Delete"_s);
    QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(asked.icon, Dialogs::Icon::Critical);
    QCOMPARE(asked.defaultButton, 2);
    if (!yes) {
        QCOMPARE(dir.read(u"biz.dat"_s), before);
        QCOMPARE(shownCompany(window), u"Acme"_s);
        QCOMPARE(child<QLineEdit>(&window, "Text2")->text(), u"Jo"_s);
        return;
    }
    QCOMPARE(dir.read(u"biz.dat"_s), le16(1) + QByteArray(CardLength - 2, ' '));
    QCOMPARE(window.Numbrecords, qint16(1));
    QCOMPARE(entries(window), QStringList{QString()});
    QCOMPARE(shownCompany(window), QString());
}

void TestBusiness::deletingAnUnsavedCardWritesNothing()
{
    WorkDir dir;
    dir.write(u"biz.dat"_s, card(1, "Acme"));
    Form4 window;
    window.show();
    window.Command1_Click();
    child<QLineEdit>(&window, "Text1")->setText(u"Typed"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Yes, u"Delete ?"_s);
    window.Command3_Click();
    QCOMPARE(dir.read(u"biz.dat"_s), card(1, "Acme"));
    QCOMPARE(entries(window), QStringList{u"Acme"_s});
    QCOMPARE(window.position, qint16(1));
}

void TestBusiness::fullBookTakesNoMoreCards()
{
    WorkDir dir;
    {
        QFile file(dir.filePath(u"biz.dat"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(card(1, "Acme")) == CardLength);
        QVERIFY(file.resize(qint64(BizStore::MaxRecords + 1) * CardLength)); // one record too many
        // Cards far into the file, past the first blocks the list reads, and the last one.
        for (const int n : {600, 1200, BizStore::MaxRecords, BizStore::MaxRecords + 1}) {
            QVERIFY(file.seek(qint64(n - 1) * CardLength));
            file.write(card(qint16(n), "Card " + QByteArray::number(n)));
        }
    }
    Form4 window;
    window.show();
    QCOMPARE(window.Numbrecords, qint16(BizStore::MaxRecords));
    const QStringList listed = entries(window);
    QCOMPARE(listed.size(), BizStore::MaxRecords);
    QCOMPARE(listed.mid(listed.size() - 4),
             QStringList({u"Acme"_s, u"Card 1200"_s, u"Card 32767"_s, u"Card 600"_s}));
    QCOMPARE(BizStore().find(BizStore::ListBy::Company, u"Card 600"_s), 600);
    QCOMPARE(BizStore().find(BizStore::ListBy::Company, u"Card 32767"_s), 32767);
    QCOMPARE(BizStore().find(BizStore::ListBy::Company, u"Card 32768"_s), 0);
    // Records never written sort first and show the lowest of them, record 2.
    QCOMPARE(window.position, qint16(2));
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"The business phone book is full."_s);
    window.Command1_Click();
    QCOMPARE(window.position, qint16(2));
}

void TestBusiness::unreadableFileIsReported()
{
    WorkDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"biz.dat"_s)); // not a file: creating it fails
    Form4 window;
    m_dialogs->answerMessage(Dialogs::Answer::Ok);
    window.show();
    QVERIFY(m_dialogs->lastAsked().message.text.startsWith(u"biz.dat: "_s));
    QCOMPARE(window.windowTitle(), u"BUSINESS PHONE"_s);
}

void TestBusiness::printedCardHasItsLines()
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    WorkDir dir;
    QByteArray bytes = card(1, "Acme", "Jo Smith");
    auto put = [&bytes](int offset, int width, const QByteArray &value) {
        bytes.replace(offset, width, padded(value, width));
    };
    put(82, 100, "1 Main St");
    put(182, 40, "Springfield");
    put(222, 40, "IL");
    put(262, 40, "62701");
    put(302, 40, "555-0100");
    put(342, 40, "12");
    put(382, 40, "555-0101"); // Ext2 never written: " Ext " still printed
    put(462, 40, "555-0102");
    put(502, 40, "jo@acme.test");
    put(542, 1500, "Call first\r\nthen write");
    dir.write(u"biz.dat"_s, bytes);
    Form4 window;
    window.show();

    const QString pdf = dir.filePath(u"card.pdf"_s);
    Printing::setOutputFile(pdf);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"      Do you want Print Now ?"_s);
    QTest::mouseClick(child<QPushButton>(&window, "Command5"), Qt::LeftButton);
    QCOMPARE(m_dialogs->asked().size(), 1);
    QCOMPARE(m_dialogs->lastAsked().message.buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs->lastAsked().message.title, u"Velmora"_s);

    // Labels are ten wide and values keep their padding; " Ext " goes between the phone and
    // its extension even when the extension is empty.
    const QStringList printed = printedCard(BizStore().read(1));
    QCOMPARE(printed.size(), 12);
    QCOMPARE(printed.at(0), u"Company : "_s + printedField(u"Acme"_s));
    QCOMPARE(printed.at(3), u"City    : "_s + printedField(u"Springfield"_s));
    QCOMPARE(printed.at(6),
             u"Phone1  : "_s + printedField(u"555-0100"_s) + u" Ext "_s + printedField(u"12"_s));
    QCOMPARE(printed.at(7),
             u"Phone2  : "_s + printedField(u"555-0101"_s) + u" Ext "_s + printedField(QString()));
    QCOMPARE(printed.at(9), u"E-Mail  : "_s + printedField(u"jo@acme.test"_s));

    // The page holds those lines in order; the notes' line break starts a new line. The PDF's
    // text keeps words and order, not the exact run of spaces.
    QStringList lines = pdfText(pdf).split(u'\n');
    for (QString &line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    const QStringList expected{u"Company : Acme"_s,
                               u"Contact : Jo Smith"_s,
                               u"Address : 1 Main St"_s,
                               u"City : Springfield"_s,
                               u"State : IL"_s,
                               u"Zip : 62701"_s,
                               u"Phone1 : 555-0100 Ext 12"_s,
                               u"Phone2 : 555-0101 Ext"_s,
                               u"Fax : 555-0102"_s,
                               u"E-Mail : jo@acme.test"_s,
                               QString(78, u'_'),
                               u"Call first"_s,
                               u"then write"_s};
    QCOMPARE(lines, expected);
}

void TestBusiness::printCancelledOrFailed()
{
    WorkDir dir;
    Form4 window;
    window.show();
    m_dialogs->answerMessage(Dialogs::Answer::Cancel, u"      Do you want Print Now ?"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"Print Job Canceled"_s);
    window.Command5_Click();
    QVERIFY(QDir(dir.path()).entryList({u"*.pdf"_s}).isEmpty());

    // A PDF that cannot be written stands for a printer that fails.
    Printing::setOutputFile(dir.filePath(u"no/such/dir/card.pdf"_s));
    m_dialogs->answerMessage(Dialogs::Answer::Ok, u"      Do you want Print Now ?"_s);
    m_dialogs->answerMessage(Dialogs::Answer::Ok,
                             u"There was a problem printing to your printer."_s);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    window.Command5_Click();
    QCOMPARE(m_dialogs->lastAsked().message.title, u"Velmora"_s);
    QCOMPARE(m_dialogs->lastAsked().message.buttons, Dialogs::Buttons::Ok);
}

void TestBusiness::notesViewsSwitch()
{
    WorkDir dir;
    dir.write(u"biz.dat"_s, card(1, "Acme"));
    Form4 window;
    window.show();
    auto *notes = child<QPlainTextEdit>(&window, "Text12");
    auto *wide = child<QGroupBox>(&window, "Frame6");
    auto *fields = child<QGroupBox>(&window, "Frame4");
    auto *besideNotes = child<QGroupBox>(&window, "Frame5");
    auto *narrow = child<QPushButton>(&window, "Command6");
    auto *back = child<QPushButton>(&window, "Command7");
    // The arrows are glyphs the button's font draws, not control characters.
    for (QPushButton *arrow : {narrow, back}) {
        QCOMPARE(arrow->text().size(), 1);
        QVERIFY(arrow->text().at(0).isPrint());
        QVERIFY(QFontMetrics(arrow->font()).inFont(arrow->text().at(0)));
    }
    const QRect normal = notes->geometry();
    notes->setPlainText(u"kept"_s);
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(narrow, Qt::LeftButton);
        QVERIFY(wide->isVisible());
        QVERIFY(!fields->isVisible() && !besideNotes->isVisible());
        QVERIFY(notes->isVisible());
        QVERIFY(notes->geometry().left() < normal.left());
        QVERIFY(notes->geometry().width() > 2 * normal.width());
        QTest::mouseClick(back, Qt::LeftButton);
        QVERIFY(!wide->isVisible());
        QVERIFY(fields->isVisible() && besideNotes->isVisible());
        QCOMPARE(notes->geometry(), normal);
    }
    QCOMPARE(notes->toPlainText(), u"kept"_s);
    QCOMPARE(shownCompany(window), u"Acme"_s);
}

void TestBusiness::configuredAndChosenFonts()
{
    WorkDir dir;
    QByteArray config(2076, '\0');
    config.replace(2042, 2, le16(-1));
    config.replace(2044, 30, padded("DejaVu Sans", 30));
    config.replace(2074, 2, le16(15));
    dir.write(u"config.dat"_s, config);
    Form4 window;
    window.show();
    const auto *company = child<QLineEdit>(&window, "Text1");
    const auto *zip = child<QLineEdit>(&window, "Text6");
    const auto *notes = child<QPlainTextEdit>(&window, "Text12");
    const auto *list = child<QListWidget>(&window, "List1");
    // Bold only in the notes box; the size everywhere.
    QVERIFY(notes->font().bold());
    QVERIFY(!company->font().bold());
    for (const QWidget *box : std::initializer_list<const QWidget *>{company, zip, notes, list})
        QCOMPARE(box->font().pointSize(), 15);

    QFont chosen(u"DejaVu Sans"_s, 11);
    chosen.setBold(true);
    m_dialogs->answerFont(true, chosen);
    QTest::mouseClick(child<QPushButton>(&window, "Command4"), Qt::LeftButton);
    QVERIFY(company->font().bold());
    QCOMPARE(company->font().pointSize(), 11);
    QCOMPARE(list->font().pointSize(), 11);
    QVERIFY(!zip->font().bold());
    QCOMPARE(zip->font().pointSize(), 15);
    QCOMPARE(dir.read(u"config.dat"_s), config); // not saved

    // Coming back to the window reads config.dat again and applies its size.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    config.replace(2074, 2, le16(9));
    dir.write(u"config.dat"_s, config);
    QApplication::setActiveWindow(&window);
    for (const QWidget *box : std::initializer_list<const QWidget *>{company, zip, notes, list})
        QCOMPARE(box->font().pointSize(), 9);
}

void TestBusiness::toolbarOpensTheWindow()
{
    WorkDir dir;
    // Start-up window 2 is this one.
    dir.write(u"setup.dat"_s, le16(0) + padded("9", 10) + le16(2) + le16(0) +
                                  padded("C:\\WINDOWS\\sndrec32.exe", 50) +
                                  padded("c:\\WINDOWS\\DING.WAV", 50));
    VL32V1 main(createToolWindow);
    main.show();
    auto *window = main.findChild<Form4 *>(u"Form4"_s);
    QVERIFY(window);
    QVERIFY(window->isLoaded());
    QVERIFY(QFile::exists(dir.filePath(u"biz.dat"_s)));
    main.Toolbar1_ButtonClick(u"Business"_s);
    QCOMPARE(main.findChildren<Form4 *>().size(), 1);
    QCOMPARE(qobject_cast<QMdiSubWindow *>(window->parentWidget())->windowTitle(),
             u"BUSINESS PHONE"_s);
    QCOMPARE(StatusPanels::hintText(), u"HINT : Besure to click SAVE IT! to save your work"_s);
}

QTEST_MAIN(TestBusiness)
#include "tst_business.moc"
