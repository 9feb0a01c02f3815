#pragma once

#include "TDataSet.h"

#include <QString>
#include <QVariantList>
#include <QtGlobal>

#include <memory>

// Checks shared by the commerce records.
namespace CommerceValues {

// Identifiers and codes are unsigned 32-bit numbers on the secure server; a
// value outside that range would be sent as something else, so it is refused.
quint32 CheckedUnsigned(qint64 value, const char* property);
// A stored unsigned code; a negative value left by an older release reads as 0.
quint32 StoredUnsigned(qint64 value);

// Raises language string 865 when the percentage is above 100.
void CheckPercentage(double percent);

// Six lower-case hexadecimal digits for red, green and blue ("%.2x%.2x%.2x").
QString ColourDigits(int red, int green, int blue);

// Puts the cursor of a one-row table (the merchant, the promotion) on its row,
// making the row with `insertSql` first when the table is empty. The count and
// the insert share one write transaction, so two openers never make two rows.
std::shared_ptr<TDataSet> AtSingleRow(std::shared_ptr<TDataSet> table, const QString& insertColumnsAndValues,
                                      const QVariantList& values = {});

} // namespace CommerceValues
