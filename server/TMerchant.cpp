#include "TMerchant.h"

#include "CommerceValues.h"
#include "TApp.h"
#include "TGlobalResourceManager.h"
#include "TValueText.h"

#include <limits>

namespace {

// Puts the cursor on the merchant row. A store whose row has gone missing gets
// it back with the settings of a new website, so that the merchant can fill it
// in again instead of every window failing on the missing row.
std::shared_ptr<TDataSet> AtMerchantRow(std::shared_ptr<TDataSet> table)
{
    return CommerceValues::AtSingleRow(
        std::move(table),
        QStringLiteral("(MerchantID, LanguageID, SecureServerActive, ServerUpdated) VALUES (0, ?1, ?2, ?3)"),
        {3081, true, false});
}

} // namespace

TMerchant::TMerchant(std::shared_ptr<TDataSet> table)
    : TRecord(AtMerchantRow(std::move(table)))
{
}

void TMerchant::Rebind(std::shared_ptr<TDataSet> table)
{
    TItem::Rebind(AtMerchantRow(std::move(table)));
}

quint32 TMerchant::ID() const
{
    // The account number names the build folder and every server request; a
    // damaged value read as 0 would quietly register a second account, so it is
    // reported instead. Only an empty value means "no account yet".
    const TField field = Field(Cols().ID.Name());
    const QVariant raw = DataSet()->RawValue(field.Index());
    if (!raw.isValid() || raw.isNull())
        return 0;
    qint64 value = -1;
    bool ok = false;
    switch (raw.typeId()) {
    case QMetaType::LongLong:
        value = raw.toLongLong();
        ok = true;
        break;
    case QMetaType::Double: {
        const double d = raw.toDouble();
        ok = d >= 0 && d <= double(std::numeric_limits<quint32>::max()) && d == double(qint64(d));
        value = ok ? qint64(d) : -1;
        break;
    }
    default: {
        const QString text = raw.toString().trimmed();
        if (text.isEmpty())
            return 0;
        const auto number = ValueText::Integer(text);
        ok = number.has_value();
        value = number.value_or(-1);
        break;
    }
    }
    if (!ok || value < 0 || value > qint64(std::numeric_limits<quint32>::max()))
        throw EQuorvisError(LangStr(5001).arg(raw.toString()));
    return quint32(value);
}

QString TMerchant::CountryName() const
{
    const QString fallback = QStringLiteral("Australia");
    try {
        const qint64 countryId = CountryID();
        if (!TApp::Exists())
            return fallback;
        TDatabase* common = TApp::Instance().CommonDatabase();
        if (!common)
            return fallback;
        TStatement query(*common, QStringLiteral("SELECT CountryName FROM Country WHERE ID = ?1 AND LCID = 3081"));
        query.Bind(1, countryId);
        if (!query.Step())
            return fallback;
        return query.Value(0).toString();
    } catch (const std::exception&) {
        // The name only labels what the merchant sees; an unreadable common
        // database must not stop the window or the page that shows it.
        return fallback;
    }
}

QString TMerchant::CartTitleText() const
{
    const QString text = Read(Cols().CartTitleText);
    if (text.trimmed().isEmpty())
        return LangStr(1522);
    return text;
}

QString TMerchant::BGColorText(int red, int green, int blue)
{
    return CommerceValues::ColourDigits(red, green, blue);
}

QString TMerchant::CartColorText(int red, int green, int blue)
{
    return u'#' + CommerceValues::ColourDigits(red, green, blue);
}

const TMerchant::Columns& TMerchant::Cols()
{
    static const Columns columns;
    return columns;
}
