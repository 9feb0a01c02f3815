#include "CommerceValues.h"

#include "EQuorvisError.h"
#include "TGlobalResourceManager.h"

#include <limits>

namespace CommerceValues {

quint32 CheckedUnsigned(qint64 value, const char* property)
{
    if (value < 0 || value > qint64(std::numeric_limits<quint32>::max()))
        throw EQuorvisError(QStringLiteral("%1 is not a valid value for %2: it must be a whole number from 0 to %3.")
                                .arg(value)
                                .arg(QString::fromLatin1(property))
                                .arg(std::numeric_limits<quint32>::max()));
    return quint32(value);
}

quint32 StoredUnsigned(qint64 value)
{
    if (value < 0 || value > qint64(std::numeric_limits<quint32>::max()))
        return 0;
    return quint32(value);
}

void CheckPercentage(double percent)
{
    if (percent > 100.0)
        throw EQuorvisError(LangStr(865));
}

QString ColourDigits(int red, int green, int blue)
{
    return QString::asprintf("%.2x%.2x%.2x", red & 0xff, green & 0xff, blue & 0xff);
}

std::shared_ptr<TDataSet> AtSingleRow(std::shared_ptr<TDataSet> table, const QString& insertColumnsAndValues,
                                      const QVariantList& values)
{
    if (!table)
        return table;
    table->Open();
    if (table->IsEmpty()) {
        TDatabase& db = table->Database();
        const QString name = QuoteIdentifier(table->Name());
        TTransaction transaction(db);
        if (db.Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + name).toLongLong() == 0)
            db.Exec(QStringLiteral("INSERT INTO ") + name + u' ' + insertColumnsAndValues, values);
        transaction.Commit();
        table->Refresh();
    }
    table->First();
    return table;
}

} // namespace CommerceValues
