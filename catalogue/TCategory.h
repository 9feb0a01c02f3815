#pragma once

#include "TProgress.h"
#include "TRecordDeclaration.h"

// One category of the catalogue tree. Identifiers are decimal text in the
// table and whole numbers here; a top-level category has parent 0.
class TCategory : public TRecord<TCategory>
{
public:
    using TRecord::TRecord;

    qint64 ID() const { return Read(Cols().ID); }
    void SetID(qint64 id) { Write(Cols().ID, id); }
    // 0 when the parent column is blank. A parent that would put the category
    // inside itself or its own subcategories is refused on Save.
    qint64 ParentID() const { return Read(Cols().ParentID); }
    void SetParentID(qint64 id) { Write(Cols().ParentID, id); }
    QString Name() const { return Read(Cols().Name); }
    void SetName(const QString& name) { Write(Cols().Name, name); }
    QString Description() const { return Read(Cols().Description); }
    void SetDescription(const QString& description) { Write(Cols().Description, description); }
    QString BriefStyle() const { return Read(Cols().BriefStyle); }
    void SetBriefStyle(const QString& style) { Write(Cols().BriefStyle, style); }
    int Order() const { return Read(Cols().Order); }
    void SetOrder(int order) { Write(Cols().Order, order); }
    // 0 or blank: shown on the site; anything else hides the category.
    int Status() const { return Read(Cols().Status); }
    void SetStatus(int status) { Write(Cols().Status, status); }

    // Deletes the category with every category below it, the products in all of
    // them and those products' custom-field links and files, in one transaction.
    // The item is stale afterwards.
    void Delete(TProgress& progress = TProgress::None());

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TCategory", "Categories") {}
        TColumn<qint64> ID{this, "ID", "CategoryID", P::Unsigned, Both};
        TColumn<qint64> ParentID{this, "ParentID", "ParentCategory", P::Unsigned, Both};
        TColumn<QString> Name{this, "Name", "CategoryName", P::String, Both | Required};
        TColumn<QString> Description{this, "Description", "CategoryDescription", P::String, Both};
        TColumn<QString> BriefStyle{this, "BriefStyle", "BriefStyle", P::String, Export};
        TColumn<int> Order{this, "Order", "CategoryOrder", P::Integer, Both};
        TColumn<int> Status{this, "Status", "Status", P::Integer, Export};
    };
    static const Columns& Cols();

protected:
    void CheckBeforeSave() override;
};
