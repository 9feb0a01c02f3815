#include "TProductCustomField.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

struct Columns : TRecordDeclaration
{
    Columns() : TRecordDeclaration("TProductCustomField", "ProductsCustomFieldsMM") {}
    TColumn<qint64> CustomFieldID{this, "CustomFieldID", "CustomFieldID", P::Integer, Unpublished};
    TColumn<qint64> ProductID{this, "ProductID", "ProductID", P::Unsigned, Unpublished};
};

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TProductCustomField::Declaration() { return Cols(); }

qint64 TProductCustomField::CustomFieldID() const { return Read(Cols().CustomFieldID); }
void TProductCustomField::SetCustomFieldID(qint64 id) { Write(Cols().CustomFieldID, id); }
qint64 TProductCustomField::ProductID() const { return Read(Cols().ProductID); }
void TProductCustomField::SetProductID(qint64 id) { Write(Cols().ProductID, id); }
