#pragma once

#include "TRecordDeclaration.h"

// A free-form page of the website beside the catalogue pages.
class TAdditionalPage : public TRecord<TAdditionalPage>
{
public:
    using TRecord::TRecord;

    qint64 ID() const { return Read(Cols().ID); }
    QString PageTitle() const { return Read(Cols().PageTitle); }
    void SetPageTitle(const QString& title) { Write(Cols().PageTitle, title); }
    QString Description() const { return Read(Cols().Description); }
    void SetDescription(const QString& description) { Write(Cols().Description, description); }
    int DescriptionType() const { return Read(Cols().DescriptionType); }
    void SetDescriptionType(int type) { Write(Cols().DescriptionType, type); }
    bool IncludeInNavigationBar() const { return Read(Cols().IncludeInNavigationBar); }
    void SetIncludeInNavigationBar(bool include) { Write(Cols().IncludeInNavigationBar, include); }
    bool IsHomePage() const { return Read(Cols().IsHomePage); }
    void SetIsHomePage(bool home) { Write(Cols().IsHomePage, home); }
    int OrderPosition() const { return Read(Cols().OrderPosition); }
    void SetOrderPosition(int position) { Write(Cols().OrderPosition, position); }
    int PageOrder() const { return Read(Cols().PageOrder); }
    void SetPageOrder(int order) { Write(Cols().PageOrder, order); }

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TAdditionalPage", "AdditionalPages") {}
        TColumn<qint64> ID{this, "ID", "PageID", P::Integer, ReadOnly};
        TColumn<QString> PageTitle{this, "PageTitle", "PageTitle", P::String};
        TColumn<QString> Description{this, "Description", "Description", P::String};
        TColumn<int> DescriptionType{this, "DescriptionType", "DescriptionType", P::Integer};
        TColumn<bool> IncludeInNavigationBar{this, "IncludeInNavigationBar", "IncludeInNavigationBar", P::Boolean};
        TColumn<bool> IsHomePage{this, "IsHomePage", "IsHomePage", P::Boolean};
        TColumn<int> OrderPosition{this, "OrderPosition", "OrderPosition", P::Integer};
        TColumn<int> PageOrder{this, "PageOrder", "PageOrder", P::Integer};
    };
    static const Columns& Cols();
};
