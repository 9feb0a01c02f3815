#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The sample store's pictures: one drawing per product, named by a recipe
// ("rose-bouquet-red", "pot-monstera", ...), and the shop's logo. The same
// recipe and seed always give the same picture.
class TSamplePictures
{
public:
    static constexpr int LargeSize = 400;
    static constexpr int ThumbnailSize = 100;

    // Loads the typefaces of the logo and the vouchers; false (with the reason)
    // when they are missing, in which case the default font stands in.
    static bool LoadFonts(QString* error);
    static QStringList Recipes();
    // A LargeSize square picture; a null image for an unknown recipe.
    static QImage Draw(const QString& recipe, const QString& seed);
    static QImage Thumbnail(const QImage& large);
    static QImage Logo();
};
