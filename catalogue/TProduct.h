#pragma once

#include "TCustomFields.h"
#include "TMoney.h"
#include "TProductFiles.h"
#include "TRecordDeclaration.h"

// One product of the catalogue. It belongs to exactly one category.
class TProduct : public TRecord<TProduct>
{
public:
    explicit TProduct(std::shared_ptr<TDataSet> table);
    ~TProduct() override;

    qint64 ID() const { return Read(Cols().ID); }
    qint64 CategoryID() const { return Read(Cols().CategoryID); }
    void SetCategoryID(qint64 id) { Write(Cols().CategoryID, id); }
    QString Name() const { return Read(Cols().Name); }
    void SetName(const QString& name) { Write(Cols().Name, name); }
    QString Code() const { return Read(Cols().Code); }
    void SetCode(const QString& code) { Write(Cols().Code, code); }
    TMoney Cost() const { return Read(Cols().Cost); }
    void SetCost(TMoney cost) { Write(Cols().Cost, cost); }
    QString ShortDescription() const { return Read(Cols().ShortDescription); }
    void SetShortDescription(const QString& text) { Write(Cols().ShortDescription, text); }
    QString LongDescription() const { return Read(Cols().LongDescription); }
    void SetLongDescription(const QString& text) { Write(Cols().LongDescription, text); }
    int FreightMode() const { return Read(Cols().FreightMode); }
    void SetFreightMode(int mode) { Write(Cols().FreightMode, mode); }
    double PerUnitWeight() const { return Read(Cols().PerUnitWeight); }
    void SetPerUnitWeight(double weight) { Write(Cols().PerUnitWeight, weight); }
    TMoney PerUnitShippingCharge1() const { return Read(Cols().Charge1); }
    void SetPerUnitShippingCharge1(TMoney charge) { Write(Cols().Charge1, charge); }
    TMoney PerUnitShippingCharge2() const { return Read(Cols().Charge2); }
    void SetPerUnitShippingCharge2(TMoney charge) { Write(Cols().Charge2, charge); }
    TMoney PerUnitShippingCharge3() const { return Read(Cols().Charge3); }
    void SetPerUnitShippingCharge3(TMoney charge) { Write(Cols().Charge3, charge); }
    bool UseColor() const { return Read(Cols().UseColor); }
    void SetUseColor(bool use) { Write(Cols().UseColor, use); }
    bool UseSize() const { return Read(Cols().UseSize); }
    void SetUseSize(bool use) { Write(Cols().UseSize, use); }
    bool Enabled() const { return Read(Cols().Enabled); }
    void SetEnabled(bool enabled) { Write(Cols().Enabled, enabled); }
    bool DetPage() const { return Read(Cols().DetPage); }
    void SetDetPage(bool detailPage) { Write(Cols().DetPage, detailPage); }
    QString LargeImage() const { return Read(Cols().LargeImage); }
    void SetLargeImage(const QString& path) { Write(Cols().LargeImage, path); }
    QString Thumbnail() const { return Read(Cols().Thumbnail); }
    void SetThumbnail(const QString& path) { Write(Cols().Thumbnail, path); }

    // The product's files, the custom fields linked to it and those not linked
    // to it. Each is made on first request and kept by the product; a caller
    // that wants the fields as they are now calls Refresh on it.
    TRef<TProductFiles> ProductFiles();
    TRef<TCustomFields> CustomFields();
    TRef<TCustomFields> AvailableCustomFields();

    // Deletes the product with its custom-field links and files, in one
    // transaction. The item is stale afterwards.
    void Delete();

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TProduct", "Products") {}
        TColumn<qint64> ID{this, "ID", "ProductID", P::Unsigned, ReadOnly | Export};
        TColumn<qint64> CategoryID{this, "CategoryID", "CategoryID", P::Unsigned, Both};
        TColumn<QString> Name{this, "Name", "ProductName", P::String, Both | Required};
        TColumn<QString> Code{this, "Code", "ProductCode", P::String, Both | Required};
        TColumn<TMoney> Cost{this, "Cost", "Cost", P::Currency, Both};
        TColumn<QString> ShortDescription{this, "ShortDescription", "ShortDescription", P::String, Import};
        TColumn<QString> LongDescription{this, "LongDescription", "LongDescription", P::String, Import};
        TColumn<int> FreightMode{this, "FreightMode", "FreightMode", P::Integer, Both};
        TColumn<double> PerUnitWeight{this, "PerUnitWeight", "PerUnitWeight", P::Float, Both};
        TColumn<TMoney> Charge1{this, "PerUnitShippingCharge1", "PerUnitShippingCharge1", P::Currency, Both};
        TColumn<TMoney> Charge2{this, "PerUnitShippingCharge2", "PerUnitShippingCharge2", P::Currency, Both};
        TColumn<TMoney> Charge3{this, "PerUnitShippingCharge3", "PerUnitShippingCharge3", P::Currency, Both};
        TColumn<bool> UseColor{this, "UseColor", "UseColor", P::Boolean, Both};
        TColumn<bool> UseSize{this, "UseSize", "UseSize", P::Boolean, Both};
        TColumn<bool> Enabled{this, "Enabled", "Enabled", P::Boolean, Both};
        TColumn<bool> DetPage{this, "DetPage", "DetPage", P::Boolean, Both};
        TColumn<QString> LargeImage{this, "LargeImage", "ImageFile", P::String, Both};
        // The field lists spell it with a capital N; lookups ignore letter case.
        TColumn<QString> Thumbnail{this, "Thumbnail", "ImageOverText", P::String, Both, "ThumbNail"};
        TPublished ProductFiles{this, "ProductFiles", &TProduct::ProductFiles};
        TPublished CustomFields{this, "CustomFields", &TProduct::CustomFields};
        TPublished AvailableCustomFields{this, "AvailableCustomFields", &TProduct::AvailableCustomFields};
    };
    static const Columns& Cols();

private:
    TRef<TProductFiles> m_productFiles;
    TRef<TCustomFields> m_customFields;
    TRef<TCustomFields> m_availableCustomFields;
};
