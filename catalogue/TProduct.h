#pragma once

#include "TMoney.h"
#include "TRecordDeclaration.h"

class TProductFiles;
class TCustomFields;

// One product of the catalogue. It belongs to exactly one category.
class TProduct : public TRecord<TProduct>
{
public:
    explicit TProduct(std::shared_ptr<TDataSet> table);
    ~TProduct() override;

    qint64 ID() const;
    qint64 CategoryID() const;
    void SetCategoryID(qint64 id);
    QString Name() const;
    void SetName(const QString& name);
    QString Code() const;
    void SetCode(const QString& code);
    TMoney Cost() const;
    void SetCost(TMoney cost);
    QString ShortDescription() const;
    void SetShortDescription(const QString& text);
    QString LongDescription() const;
    void SetLongDescription(const QString& text);
    int FreightMode() const;
    void SetFreightMode(int mode);
    double PerUnitWeight() const;
    void SetPerUnitWeight(double weight);
    TMoney PerUnitShippingCharge1() const;
    void SetPerUnitShippingCharge1(TMoney charge);
    TMoney PerUnitShippingCharge2() const;
    void SetPerUnitShippingCharge2(TMoney charge);
    TMoney PerUnitShippingCharge3() const;
    void SetPerUnitShippingCharge3(TMoney charge);
    bool UseColor() const;
    void SetUseColor(bool use);
    bool UseSize() const;
    void SetUseSize(bool use);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool DetPage() const;
    void SetDetPage(bool detailPage);
    QString LargeImage() const;
    void SetLargeImage(const QString& path);
    QString Thumbnail() const;
    void SetThumbnail(const QString& path);

    // The product's files, the custom fields linked to it and those not linked
    // to it. Each is made on first request and kept by the product; a caller
    // that wants the fields as they are now calls Refresh on it.
    TRef<TProductFiles> ProductFiles();
    TRef<TCustomFields> CustomFields();
    TRef<TCustomFields> AvailableCustomFields();

    // Deletes the product with its custom-field links and files, in one
    // transaction. The item is stale afterwards.
    void Delete();

    static const TRecordDeclaration& Declaration();

private:
    TRef<TProductFiles> m_productFiles;
    TRef<TCustomFields> m_customFields;
    TRef<TCustomFields> m_availableCustomFields;
};
