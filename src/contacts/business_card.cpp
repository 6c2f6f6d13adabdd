#include "business_card.h"

using namespace Qt::StringLiterals;

namespace {

// "Label   : ", exactly ten characters.
QString label(const QString &name)
{
    return name.leftJustified(8) + u": "_s;
}

// A one-line value as its field keeps it, padded to the width, so the extensions line up.
QString field(const QString &value)
{
    return value.leftJustified(BizRecord::NameWidth, u' ', true);
}

} // namespace

QStringList printedCard(const BizRecord &card)
{
    return {label(u"Company"_s) + field(card.Company),
            label(u"Contact"_s) + field(card.Contact),
            label(u"Address"_s) + card.Address,
            label(u"City"_s) + field(card.City),
            label(u"State"_s) + field(card.State),
            label(u"Zip"_s) + field(card.Zip),
            label(u"Phone1"_s) + field(card.Phone1) + u" Ext "_s + field(card.Ext1),
            label(u"Phone2"_s) + field(card.Phone2) + u" Ext "_s + field(card.Ext2),
            label(u"Fax"_s) + field(card.Fax),
            label(u"E-Mail"_s) + field(card.EMail),
            QString(78, u'_'),
            card.Notes};
}
