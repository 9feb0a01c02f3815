#include "CommerceValues.h"

#include "EQuorvisError.h"
#include "TGlobalResourceManager.h"


namespace CommerceValues {

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
