#include "business_card.h"

using namespace Qt::StringLiterals;

namespace {

// "Label   : ", exactly ten characters.
QString label(const QString &name)
{
    return name.leftJustified(8) + u": "_s;
}

} // namespace

QStringList printedCard(const BizRecord &card)
{
    return {label(u"Company"_s) + card.Company,
            label(u"Contact"_s) + card.Contact,
            label(u"Address"_s) + card.Address,
            label(u"City"_s) + card.City,
            label(u"State"_s) + card.State,
            label(u"Zip"_s) + card.Zip,
            label(u"Phone1"_s) + card.Phone1 + u" Ext "_s + card.Ext1,
            label(u"Phone2"_s) + card.Phone2 + u" Ext "_s + card.Ext2,
            label(u"Fax"_s) + card.Fax,
            label(u"E-Mail"_s) + card.EMail,
            QString(78, u'_'),
            card.Notes};
}
