#include "TAdditionalPage.h"

namespace {
const QString colID = QStringLiteral("PageID");
const QString colTitle = QStringLiteral("PageTitle");
const QString colDescription = QStringLiteral("Description");
const QString colDescriptionType = QStringLiteral("DescriptionType");
const QString colNavigation = QStringLiteral("IncludeInNavigationBar");
const QString colHome = QStringLiteral("IsHomePage");
const QString colOrderPosition = QStringLiteral("OrderPosition");
const QString colPageOrder = QStringLiteral("PageOrder");
} // namespace

qint64 TAdditionalPage::ID() const { return GetInteger(colID); }
QString TAdditionalPage::PageTitle() const { return GetString(colTitle); }
void TAdditionalPage::SetPageTitle(const QString& title) { SetValue(colTitle, title); }
QString TAdditionalPage::Description() const { return GetString(colDescription); }
void TAdditionalPage::SetDescription(const QString& description) { SetValue(colDescription, description); }
int TAdditionalPage::DescriptionType() const { return int(GetInteger(colDescriptionType)); }
void TAdditionalPage::SetDescriptionType(int type) { SetValue(colDescriptionType, type); }
bool TAdditionalPage::IncludeInNavigationBar() const { return GetBoolean(colNavigation); }
void TAdditionalPage::SetIncludeInNavigationBar(bool include) { SetValue(colNavigation, include); }
bool TAdditionalPage::IsHomePage() const { return GetBoolean(colHome); }
void TAdditionalPage::SetIsHomePage(bool home) { SetValue(colHome, home); }
int TAdditionalPage::OrderPosition() const { return int(GetInteger(colOrderPosition)); }
void TAdditionalPage::SetOrderPosition(int position) { SetValue(colOrderPosition, position); }
int TAdditionalPage::PageOrder() const { return int(GetInteger(colPageOrder)); }
void TAdditionalPage::SetPageOrder(int order) { SetValue(colPageOrder, order); }

const TPropertyTable& TAdditionalPage::PropertyTable()
{
    static const TPropertyTable table{
        Published("ID", TPropertyType::Integer, &TAdditionalPage::ID),
        Published("PageTitle", TPropertyType::String, &TAdditionalPage::PageTitle, &TAdditionalPage::SetPageTitle),
        Published("Description", TPropertyType::String, &TAdditionalPage::Description, &TAdditionalPage::SetDescription),
        Published("DescriptionType", TPropertyType::Integer, &TAdditionalPage::DescriptionType,
                  &TAdditionalPage::SetDescriptionType),
        Published("IncludeInNavigationBar", TPropertyType::Boolean, &TAdditionalPage::IncludeInNavigationBar,
                  &TAdditionalPage::SetIncludeInNavigationBar),
        Published("IsHomePage", TPropertyType::Boolean, &TAdditionalPage::IsHomePage, &TAdditionalPage::SetIsHomePage),
        Published("OrderPosition", TPropertyType::Integer, &TAdditionalPage::OrderPosition,
                  &TAdditionalPage::SetOrderPosition),
        Published("PageOrder", TPropertyType::Integer, &TAdditionalPage::PageOrder, &TAdditionalPage::SetPageOrder),
    };
    return table;
}
