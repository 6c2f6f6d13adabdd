#pragma once

#include "platform/record.h"
#include "platform/record_file.h"

#include <QList>
#include <QString>
#include <QStringList>

// A card of biz.dat: its number and thirteen text fields as the window's boxes show them
// (stored_text.h).
struct BizRecord
{
    static constexpr int Length = 2042;
    static constexpr int NameWidth = 40; // Company, Contact and every other one-line field
    static constexpr int AddressWidth = 100;
    static constexpr int NotesWidth = 1500;

    qint16 RecNo = 0;
    QString Company;
    QString Contact;
    QString Address;
    QString City;
    QString State;
    QString Zip;
    QString Phone1;
    QString Ext1;
    QString Phone2;
    QString Ext2;
    QString Fax;
    QString EMail;
    QString Notes;

    static BizRecord fromRecord(const Record &record);
    Record toRecord() const;
};

// biz.dat, the business phone book: one card a record, no index, no free list. A card is known
// only by its record number; deleting one blanks it in place, so numbers never change.
class BizStore
{
public:
    // The list shows and finds cards by one of their names.
    enum class ListBy { Company, Contact };

    // Record numbers are 16-bit: records past this one are never listed or written.
    static constexpr int MaxRecords = 32767;

    BizStore();

    bool exists() const;
    // Record 1: number 1, eleven spaces as company, every other field zero bytes.
    void create() const;
    // Whole records, at most MaxRecords.
    int count() const;
    BizRecord read(int n) const;
    // The first count() cards, in one pass.
    QList<BizRecord> readAll() const;
    // Writes the card as record n with RecNo = n; count() + 1 appends.
    void write(int n, const BizRecord &card) const;

    // The name of every card in record order, as a box shows it, read in one pass.
    QStringList names(ListBy by) const;
    // The first record whose name, as a box shows it, is exactly `name` (letter case counts),
    // read in one pass that stops there; 0 when no card has it.
    int find(ListBy by, QStringView name) const;

private:
    RecordFile m_file;
};
