#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

// The pictures of a language resource library: window bitmaps, the application
// icon, the home page and shop GIFs and the JPEG logos, each drawn here.
class TArtwork
{
public:
    struct TPicture
    {
        QString path;                      // relative to the language folder
        std::function<QByteArray()> bytes; // the encoded file, empty on failure
    };
    static std::vector<TPicture> Pictures();

    static QImage StatusBackground();
    static QImage Splash();
    static QImage AboutPicture();
    static QImage Icon(int size);
    static QImage Section(const QString& name, bool on);
    static QImage Title();
    static QImage CartButton(const QString& name);
    static QImage CustNavTab(const QString& name, bool on);
    static QImage CustNavCorner();
    static QImage PrintLogo();
    static QImage GenBy();
};
