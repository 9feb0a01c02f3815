#include "TThemeLayout.h"

#include "EThemeError.h"
#include "TGlobalResourceManager.h"
#include "TIniFile.h"
#include "TPaths.h"

#include <QFileInfo>

namespace {

// A setting the theme editor may have changed: "Curr<key>" when present,
// else the theme's own "<key>".
QString Current(const TIniFile& ini, const QString& section, const QString& key, const QString& base,
                const QString& defaultValue)
{
    const QString sentinel = QStringLiteral("x");
    const QString current = ini.ReadString(section, QStringLiteral("Curr") + key, sentinel);
    if (current != sentinel)
        return current;
    return ini.ReadString(section, base, defaultValue);
}

TCaptionAlignment Alignment(int value)
{
    switch (value) {
    case 1:
        return TCaptionAlignment::Left;
    case 2:
        return TCaptionAlignment::Right;
    default:
        return TCaptionAlignment::Centre;
    }
}

TButtonCaption ReadCaption(const TIniFile& ini, const QString& s, const QString& state)
{
    // Key names of the two states differ in the letter case of "button"; the
    // file's own case does not matter (INI rules).
    TButtonCaption c;
    c.picture = ini.ReadString(s, state + QStringLiteral("Button"));
    c.fontName = ini.ReadString(s, state + QStringLiteral("ButtonFontName"), QStringLiteral("Verdana"));
    c.fontSize = ini.ReadInteger(s, state + QStringLiteral("ButtonFontSize"), 10);
    c.fontColour = ini.ReadString(s, state + QStringLiteral("ButtonFontColor"), QStringLiteral("#000000"));
    c.italic = ini.ReadBool(s, state + QStringLiteral("buttonItalic"), false);
    c.underlined = ini.ReadBool(s, state + QStringLiteral("buttonUnderlined"), false);
    c.bold = ini.ReadBool(s, state + QStringLiteral("buttonBold"), false);
    c.x = ini.ReadInteger(s, state + QStringLiteral("buttonXPos"), -1);
    c.y = ini.ReadInteger(s, state + QStringLiteral("buttonYPos"), -1);
    c.alignment = Alignment(ini.ReadInteger(s, state + QStringLiteral("buttonAlignment"), 0));
    return c;
}

std::unique_ptr<QFont> FontOf(const TButtonCaption& c)
{
    auto font = std::make_unique<QFont>(c.fontName, c.fontSize);
    font->setBold(c.bold);
    font->setItalic(c.italic);
    font->setUnderline(c.underlined);
    return font;
}

} // namespace

TThemeLayout::TThemeLayout(const QString& themeFolder, int number)
{
    const QString folder = TPaths::WithTrailingSlash(TPaths::FromWindows(themeFolder));
    const QString file = folder + QStringLiteral("settings.ini");
    if (!QFileInfo::exists(file))
        throw EThemeError(LangStr(1388));
    const TIniFile ini(file);
    const QString s = QStringLiteral("layout%1").arg(number);
    // Only 1 is true: the editor writes other numbers for "no border".
    borderLargeImages = ini.ReadInteger(s, QStringLiteral("CurrBorderAmountLargeProductImages"), 0) == 1;
    borderMerchant = ini.ReadInteger(s, QStringLiteral("CurrBorderAroundMerchant"), 0) == 1;
    borderSmallImages = ini.ReadInteger(s, QStringLiteral("CurrBorderAroundSmallImages"), 0) == 1;
    directory = folder + TPaths::FromWindows(ini.ReadString(s, QStringLiteral("directory")));

    auto colour = [&](const char* key, const char* defaultValue) {
        const QString k = QString::fromLatin1(key);
        return Current(ini, s, k, k, QString::fromLatin1(defaultValue));
    };
    pageBackgroundColour = colour("PageBackgroundColor", "#FFFFFF");
    linkColour = colour("LinkColor", "#0000FF");
    activeLinkColour = colour("ActiveLinkColor", "#FF3300");
    visitedLinkColour = colour("VisitedLinkColor", "#0044FF");
    optionalColour1 = colour("OptionalColor1", "#00FF00");
    optionalColour2 = colour("OptionalColor2", "#003311");
    buyButton = Current(ini, s, QStringLiteral("BuyButton"), QStringLiteral("BuyButton"), QStringLiteral("Default"));
    briefStyle = Current(ini, s, QStringLiteral("BriefStyle"), QStringLiteral("BriefStyle"), QStringLiteral("Default"));
    infoButton = Current(ini, s, QStringLiteral("InfoButton"), QStringLiteral("InfoButton"), QStringLiteral("images\\Info.gif"));
    detailedStyle = Current(ini, s, QStringLiteral("DetailedStyle"), QStringLiteral("DetailedStyle"), QStringLiteral("Default"));
    themePageBackgroundColour = ini.ReadString(s, QStringLiteral("PageBackgroundColor"), QStringLiteral("#FFFFFF"));
    themeLinkColour = ini.ReadString(s, QStringLiteral("LinkColor"), QStringLiteral("#0000FF"));
    themeActiveLinkColour = ini.ReadString(s, QStringLiteral("ActiveLinkColor"), QStringLiteral("#FF3300"));
    themeVisitedLinkColour = ini.ReadString(s, QStringLiteral("VisitedLinkColor"), QStringLiteral("#0044FF"));
    themeOptionalColour1 = ini.ReadString(s, QStringLiteral("OptionalColor1"), QStringLiteral("#00FF00"));
    themeOptionalColour2 = ini.ReadString(s, QStringLiteral("OptionalColor2"), QStringLiteral("#003311"));
    fontName = Current(ini, s, QStringLiteral("FontName"), QStringLiteral("DefaultFontName"), QStringLiteral("Arial"));
    // 10 is also the editor's "unchanged": the theme's own size is read then.
    fontSize = ini.ReadInteger(s, QStringLiteral("CurrFontSize"), 10);
    if (fontSize == 10)
        fontSize = ini.ReadInteger(s, QStringLiteral("DefaultFontSize"), 10);
    fontColour = ini.ReadString(s, QStringLiteral("CurrFontColor"), QStringLiteral("#000000"));
    minimumMicrosoftVersion = ini.ReadString(s, QStringLiteral("MinimumMicrosoftVersion"), QStringLiteral("4.01"));
    minimumNetscapeVersion = ini.ReadString(s, QStringLiteral("MinimumNetscapeVersion"), QStringLiteral("3.02"));
    minimumJavaVersion = ini.ReadString(s, QStringLiteral("MinimumJavaVersion"), QStringLiteral("0"));
    name = ini.ReadString(s, QStringLiteral("Name"), s);
    auto inTheme = [&](const char* key) {
        const QString value = ini.ReadString(s, QString::fromLatin1(key));
        return value.isEmpty() ? QString() : folder + TPaths::FromWindows(value);
    };
    previewImage = inTheme("PreviewImage");
    productAddProductJavaScriptText = inTheme("ProductAddProductJavaScriptText");
    productHeaderJavaScriptText = inTheme("ProductHeaderJavaScriptText");
    productPreviewTextColour = ini.ReadString(s, QStringLiteral("ProductPreviewTextColor"), QStringLiteral("#000000"));
    supportsFrames = ini.ReadInteger(s, QStringLiteral("SupportsFrames"), 0) == 1;
    offButton = ReadCaption(ini, s, QStringLiteral("off"));
    offButton.picture = TPaths::FromWindows(offButton.picture);
    onButton = ReadCaption(ini, s, QStringLiteral("on"));
    if (!onButton.picture.isEmpty())
        onButton.picture = folder + TPaths::FromWindows(onButton.picture);
}

TThemeLayout::~TThemeLayout() = default;

const QFont& TThemeLayout::OffButtonFont() const
{
    if (!m_offFont)
        m_offFont = FontOf(offButton);
    return *m_offFont;
}

const QFont& TThemeLayout::OnButtonFont() const
{
    if (!m_onFont)
        m_onFont = FontOf(onButton);
    return *m_onFont;
}
