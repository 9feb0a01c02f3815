#include "TBrowserCheck.h"

#include "THomePageDispatch.h"

#include <QMessageBox>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

double TBrowserCheck::ReadVersion(const QString& text)
{
    const QString value = text.isNull() ? QStringLiteral("0") : text;
    QString kept;
    bool stopSeen = false;
    for (const QChar c : value) {
        if (c >= u'0' && c <= u'9') {
            kept += c;
        } else if (c == u'.' && !stopSeen) {
            kept += c;
            stopSeen = true;
        }
    }
    if (kept.isEmpty())
        return 0.0;
    bool ok = false;
    const double version = kept.toDouble(&ok);
    return ok ? version : 1.0;
}

QString TBrowserCheck::EngineVersionText()
{
    const char* version = qWebEngineChromiumVersion();
    return version ? QString::fromLatin1(version) : QString();
}

QString TBrowserCheck::WarningText()
{
    return QStringLiteral("This program requires the Qt WebEngine browser engine 5.5 or above to be installed on \n"
                          "your system. \n"
                          "\n"
                          "Please visit %1 \n"
                          "for the latest version.\n"
                          "\n"
                          "Click OK to Abort. Click Ignore only if you are sure that you have a browser engine of version 5.5 \n"
                          "installed on your system.")
        .arg(QLatin1StringView(WebAddresses::BrowserEngine));
}

bool TBrowserCheck::Check(QWidget* parent)
{
    double version = 1.0;
    try {
        version = ReadVersion(EngineVersionText());
    } catch (...) {
        // An unreadable version counts as too old: the check then says so.
        version = 1.0;
    }
    if (!NeedsWarning(version))
        return true;
    const auto answer = QMessageBox::warning(parent, QString(), WarningText(), QMessageBox::Ok | QMessageBox::Ignore, QMessageBox::Ok);
    return answer == QMessageBox::Ignore;
}
