#include "contact_cards.h"

#include "export_source.h"
#include "vcard_writer.h"

#include "calendar/personal_file.h"
#include "contacts/business_store.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int FirstPerson = 2;

bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

bool allBlank(std::initializer_list<QString> texts)
{
    for (const QString &text : texts) {
        if (!isBlank(text))
            return false;
    }
    return true;
}

// The first text that says something; the formatted name a card must have.
QString firstGiven(std::initializer_list<QString> texts)
{
    for (const QString &text : texts) {
        if (!isBlank(text))
            return text;
    }
    return QString();
}

// A number and its extension in one value: the fields are free text, which only a text value
// keeps as typed.
QString phoneWithExtension(const QString &phone, const QString &extension)
{
    if (isBlank(extension))
        return phone;
    return isBlank(phone) ? QStringLiteral("ext. ") + extension
                          : phone + QStringLiteral(" ext. ") + extension;
}

void textIfGiven(VCardWriter &out, QByteArrayView name, const QString &value)
{
    if (!isBlank(value))
        out.text(name, value);
}

// ADR: post office box, extended address, street, locality, region, postal code, country.
void addressIfGiven(VCardWriter &out, QByteArrayView name, const QString &street,
                    const QString &city, const QString &state, const QString &zip)
{
    if (!allBlank({street, city, state, zip}))
        out.fields(name, {QString(), QString(), street, city, state, zip, QString()});
}

} // namespace

int writePersonalCards(VCardWriter &out)
{
    const PersonalFile file;
    const ExportSource source(QStringLiteral("personal.dat"));
    const QList<PersonRecord> people = file.readAll();
    // Whole records only, as the window counts them.
    const int count = qMin(file.count(), int(people.size()));
    int written = 0;
    for (int n = FirstPerson; n <= count; ++n) {
        const PersonRecord &person = people.at(n - 1);
        using F = PersonRecord::Field;
        if (std::all_of(person.fields.cbegin(), person.fields.cend(), isBlank))
            continue;
        out.begin();
        out.text("UID", QStringLiteral("urn:uuid:") + source.uid(n));
        out.text("FN", firstGiven({person.field(F::Name), person.field(F::Email),
                                   person.field(F::Phone), person.field(F::Fax)}));
        addressIfGiven(out, "ADR;TYPE=home", person.field(F::Address), person.field(F::City),
                       person.field(F::State), person.field(F::Zip));
        textIfGiven(out, "TEL;VALUE=text;TYPE=home,voice",
                    phoneWithExtension(person.field(F::Phone), person.field(F::Ext)));
        textIfGiven(out, "TEL;VALUE=text;TYPE=home,fax", person.field(F::Fax));
        textIfGiven(out, "EMAIL;TYPE=home", person.field(F::Email));
        textIfGiven(out, "NOTE", person.field(F::Notes));
        out.end();
        ++written;
    }
    return written;
}

int writeBusinessCards(VCardWriter &out)
{
    const BizStore store;
    const ExportSource source(QStringLiteral("biz.dat"));
    const QList<BizRecord> cards = store.readAll();
    int written = 0;
    for (int n = 1; n <= cards.size(); ++n) {
        const BizRecord &card = cards.at(n - 1);
        if (allBlank({card.Company, card.Contact, card.Address, card.City, card.State, card.Zip,
                      card.Phone1, card.Ext1, card.Phone2, card.Ext2, card.Fax, card.EMail,
                      card.Notes}))
            continue;
        out.begin();
        out.text("UID", QStringLiteral("urn:uuid:") + source.uid(n));
        // A card without a contact is the company's own.
        if (isBlank(card.Contact))
            out.text("KIND", QStringLiteral("org"));
        out.text("FN", firstGiven({card.Contact, card.Company, card.EMail, card.Phone1}));
        if (!isBlank(card.Company))
            out.fields("ORG", {card.Company});
        addressIfGiven(out, "ADR;TYPE=work", card.Address, card.City, card.State, card.Zip);
        textIfGiven(out, "TEL;VALUE=text;TYPE=work,voice;PREF=1",
                    phoneWithExtension(card.Phone1, card.Ext1));
        textIfGiven(out, "TEL;VALUE=text;TYPE=work,voice",
                    phoneWithExtension(card.Phone2, card.Ext2));
        textIfGiven(out, "TEL;VALUE=text;TYPE=work,fax", card.Fax);
        textIfGiven(out, "EMAIL;TYPE=work", card.EMail);
        textIfGiven(out, "NOTE", card.Notes);
        out.end();
        ++written;
    }
    return written;
}
