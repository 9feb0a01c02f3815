#pragma once

#include "TProgress.h"
#include "TRecordDeclaration.h"

// One category of the catalogue tree. Identifiers are decimal text in the
// table and whole numbers here; a top-level category has parent 0.
class TCategory : public TRecord<TCategory>
{
public:
    using TRecord::TRecord;

    qint64 ID() const;
    void SetID(qint64 id);
    // 0 when the parent column is blank. A parent that would put the category
    // inside itself or its own subcategories is refused on Save.
    qint64 ParentID() const;
    void SetParentID(qint64 id);
    QString Name() const;
    void SetName(const QString& name);
    QString Description() const;
    void SetDescription(const QString& description);
    QString BriefStyle() const;
    void SetBriefStyle(const QString& style);
    int Order() const;
    void SetOrder(int order);
    // 0 or blank: shown on the site; anything else hides the category.
    int Status() const;
    void SetStatus(int status);

    // Deletes the category with every category below it, the products in all of
    // them and those products' custom-field links and files, in one transaction.
    // The item is stale afterwards.
    void Delete(TProgress& progress = TProgress::None());

    static const TRecordDeclaration& Declaration();

protected:
    void CheckBeforeSave() override;
};
