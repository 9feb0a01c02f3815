#include "TAdditionalPage.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

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

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TAdditionalPage::Declaration() { return Cols(); }

qint64 TAdditionalPage::ID() const { return Read(Cols().ID); }
QString TAdditionalPage::PageTitle() const { return Read(Cols().PageTitle); }
void TAdditionalPage::SetPageTitle(const QString& title) { Write(Cols().PageTitle, title); }
QString TAdditionalPage::Description() const { return Read(Cols().Description); }
void TAdditionalPage::SetDescription(const QString& description) { Write(Cols().Description, description); }
int TAdditionalPage::DescriptionType() const { return Read(Cols().DescriptionType); }
void TAdditionalPage::SetDescriptionType(int type) { Write(Cols().DescriptionType, type); }
bool TAdditionalPage::IncludeInNavigationBar() const { return Read(Cols().IncludeInNavigationBar); }
void TAdditionalPage::SetIncludeInNavigationBar(bool include) { Write(Cols().IncludeInNavigationBar, include); }
bool TAdditionalPage::IsHomePage() const { return Read(Cols().IsHomePage); }
void TAdditionalPage::SetIsHomePage(bool home) { Write(Cols().IsHomePage, home); }
int TAdditionalPage::OrderPosition() const { return Read(Cols().OrderPosition); }
void TAdditionalPage::SetOrderPosition(int position) { Write(Cols().OrderPosition, position); }
int TAdditionalPage::PageOrder() const { return Read(Cols().PageOrder); }
void TAdditionalPage::SetPageOrder(int order) { Write(Cols().PageOrder, order); }
