#pragma once

#include "TRecordDeclaration.h"

// A free-form page of the website beside the catalogue pages.
class TAdditionalPage : public TRecord<TAdditionalPage>
{
public:
    using TRecord::TRecord;

    qint64 ID() const;
    QString PageTitle() const;
    void SetPageTitle(const QString& title);
    QString Description() const;
    void SetDescription(const QString& description);
    int DescriptionType() const;
    void SetDescriptionType(int type);
    bool IncludeInNavigationBar() const;
    void SetIncludeInNavigationBar(bool include);
    bool IsHomePage() const;
    void SetIsHomePage(bool home);
    int OrderPosition() const;
    void SetOrderPosition(int position);
    int PageOrder() const;
    void SetPageOrder(int order);

    static const TRecordDeclaration& Declaration();
};
