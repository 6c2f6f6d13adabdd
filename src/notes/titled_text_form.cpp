#include "titled_text_form.h"

#include "platform/field_box.h"
#include "platform/file_guard.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

TitledTextForm::TitledTextForm(const TitledTextFile &store, QWidget *parent)
    : Form(parent), m_store(store)
{}

void TitledTextForm::setTextControls(QListWidget *list, QLineEdit *title)
{
    m_list = list;
    m_title = title;
    limitToField(title, TitledTextFile::TitleWidth);
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    // A click on the entry that is already current shows its stored text again.
    connect(list, &QListWidget::itemClicked, this, [this] { List1_Click(); });
}

void TitledTextForm::testopen()
{
    if (!m_store.exists())
        createFile();
}

void TitledTextForm::createFile()
{
    m_store.createFile();
}

void TitledTextForm::seekrec()
{
    Numbrecords = qint16(m_store.count());
}

void TitledTextForm::getrec()
{
    const TitledText text = m_store.read(position);
    showStoredText(m_title, text.title);
    setBodyText(text.body);
}

void TitledTextForm::putrec2()
{
    m_store.write(position, {m_title->text(), bodyText()});
}

void TitledTextForm::removelist()
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
}

void TitledTextForm::showlist()
{
    seekrec();
    SavePos = position;
    {
        const QSignalBlocker blocker(m_list);
        m_list->addItems(m_store.titles());
        // The record in hand stays selected and shown, so that the next save stores what the
        // boxes show under its own number.
        m_list->setCurrentRow(SavePos - 1);
    }
    position = SavePos;
    // A record past the entries (not yet saved) keeps its boxes.
    if (position >= 1 && position <= m_list->count())
        getrec();
}

void TitledTextForm::List1_Click()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    position = qint16(row + 1);
    guarded(this, [this] { getrec(); });
}

void TitledTextForm::saveAndShowList()
{
    guarded(this, [this] {
        putrec2();
        seekrec();
        removelist();
        showlist();
    });
}

void TitledTextForm::showUnlisted()
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(-1);
    }
    guarded(this, [this] { getrec(); });
    // The new entry's title comes first: what is typed next goes there.
    m_title->setFocus();
}
