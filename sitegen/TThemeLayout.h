#pragma once

#include <QFont>
#include <QString>

#include <memory>

class TIniFile;

// Where a navigation button's caption sits against its anchor.
enum class TCaptionAlignment { Centre, Left, Right };

// The caption of a navigation button in one state.
struct TButtonCaption
{
    QString picture;       // the button picture, relative to the theme folder for the off state
    QString fontName;
    int fontSize = 10;
    QString fontColour;
    bool italic = false;
    bool underlined = false;
    bool bold = false;
    int x = -1;            // anchor in pixels; -1 is half the picture's width
    int y = -1;            // likewise for the height
    TCaptionAlignment alignment = TCaptionAlignment::Centre;
};

// One layout of a theme: a section "layoutN" of its settings.ini. The six
// colours are kept twice: the current value (changed by the theme editor) and
// the theme's own, to which the editor can return.
class TThemeLayout
{
public:
    // Reads section "layout<number>" (1-based); raises EThemeError (language
    // string 1388) when the theme folder has no settings.ini.
    TThemeLayout(const QString& themeFolder, int number);
    ~TThemeLayout();

    bool borderLargeImages = false;  // images of the LargeImage and Thumbnail tags
    bool borderMerchant = false;     // the merchant logo
    bool borderSmallImages = false;  // SmallImage, DetailedImage and the *ImagesBorder tags
    QString directory;               // the layout's template folder: theme folder + value

    QString pageBackgroundColour, linkColour, activeLinkColour, visitedLinkColour, optionalColour1, optionalColour2;
    QString themePageBackgroundColour, themeLinkColour, themeActiveLinkColour, themeVisitedLinkColour,
        themeOptionalColour1, themeOptionalColour2;

    QString buyButton;               // "Default" (or empty): the theme's singlepage/images/buy.gif
    QString briefStyle;
    QString infoButton;
    QString detailedStyle;
    QString fontName;
    int fontSize = 10;
    QString fontColour;
    QString minimumMicrosoftVersion, minimumNetscapeVersion, minimumJavaVersion;
    QString name;
    QString previewImage;            // theme folder + value
    QString productAddProductJavaScriptText; // theme folder + value
    QString productHeaderJavaScriptText;     // theme folder + value
    QString productPreviewTextColour;
    bool supportsFrames = false;
    TButtonCaption offButton;
    TButtonCaption onButton;         // its picture: theme folder + value

    // The captions' fonts, made on first request.
    const QFont& OffButtonFont() const;
    const QFont& OnButtonFont() const;

private:
    mutable std::unique_ptr<QFont> m_offFont;
    mutable std::unique_ptr<QFont> m_onFont;
};
