#include "TPluginColours.h"

#include "TColourText.h"
#include "TMerchant.h"
#include "TUserSettings.h"

void MigratePluginColours(TMerchant& merchant, TUserSettings& settings)
{
    if (!merchant.TitleColor().trimmed().isEmpty())
        return;
    const QString key = QStringLiteral("PlugIns\\Standard\\%1\\Colors").arg(merchant.ID());
    auto colour = [&](const char* name, QRgb fallback) {
        const auto read = ParseToolkitColour(settings.Read(key, QString::fromLatin1(name)));
        // Stored with "#", the form the checkout settings and the import write,
        // so that the record holds one form of colour text.
        return u'#' + FormatColour(read.value_or(QColor(fallback)));
    };
    merchant.SetTitleColor(colour("TitleColor", 0x000080));
    merchant.SetTitleFontColor(colour("TitleFontColor", 0xffffff));
    merchant.SetCellColor(colour("CellColor", 0xc0c0c0));
    merchant.SetCellFontCOlor(colour("CellFontColor", 0x000000));
    merchant.Save();
}
