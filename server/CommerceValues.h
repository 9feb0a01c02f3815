#pragma once

#include "TDataSet.h"

#include <QString>
#include <QVariantList>
#include <QtGlobal>

#include <memory>

// Checks shared by the commerce records.
namespace CommerceValues {

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
