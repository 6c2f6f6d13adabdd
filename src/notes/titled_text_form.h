#pragma once

#include "titled_text_file.h"

#include "platform/form.h"

class QLineEdit;
class QListWidget;

// A window over a file of titled texts: the titles in a list box, the chosen record's title and
// body in two boxes. position names the record the boxes show.
class TitledTextForm : public Form
{
    Q_OBJECT

public:
    qint16 position = 0;
    qint16 Numbrecords = 0;
    qint16 SavePos = 0;

    void testopen();
    void seekrec();
    void getrec();
    void putrec2();
    void removelist();
    // Rebuilds the list from the file and shows record position again, selected.
    void showlist();

    void List1_Click();

protected:
    TitledTextForm(const TitledTextFile &store, QWidget *parent);

    // The window's list box and title box, once it has made them.
    void setTextControls(QListWidget *list, QLineEdit *title);
    virtual QString bodyText() const = 0;
    virtual void setBodyText(const QString &text) = 0;

    // Writes the file testopen found missing: the store's initial records.
    virtual void createFile();
    // putrec2, seekrec, removelist, showlist: what the save buttons do.
    void saveAndShowList();
    // Shows record position with no entry selected, a record past the last one as empty boxes,
    // with the focus on its title.
    void showUnlisted();

    const TitledTextFile &store() const { return m_store; }

private:
    TitledTextFile m_store;
    QListWidget *m_list = nullptr;
    QLineEdit *m_title = nullptr;
};
