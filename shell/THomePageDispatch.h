#pragma once

#include <QString>
#include <QUrl>

#include <vector>

// The links of the home page are commands: the file name of a link's address
// carries a keyword, and the keyword names the window to open and its page.
struct THomePageCommand
{
    enum class Kind { OpenWebsite, Window, WebAddress };

    QString keyword;
    Kind kind = Kind::Window;
    QString target; // window name (TCommandRegistry) or web address
    int page = 0;
};

namespace WebAddresses {
inline constexpr const char Faq[] = "https://www.quorvis.example/faq";
inline constexpr const char Updates[] = "https://www.quorvis.example/updates";
inline constexpr const char SampleWebsites[] = "https://www.quorvis.example/samples";
inline constexpr const char HomePage[] = "https://www.quorvis.example/";
inline constexpr const char BrowserEngine[] = "https://www.quorvis.example/requirements";
} // namespace WebAddresses

class THomePageDispatch
{
public:
    // The names of the home page and of its two frames.
    static const QStringList& PageNames();
    // Every keyword in the order in which they are tested: an address may
    // carry more than one ("prodfreight" holds "freight"), and the first wins.
    static const std::vector<THomePageCommand>& Commands();
    // The home page, its frames and blank pages load; everything else is a command or nothing.
    static bool LetsThrough(const QUrl& url);
    // The command of an address: the first keyword found in the last part of
    // its path, lower-cased; nullptr when none is.
    static const THomePageCommand* Match(const QUrl& url);
    static QString FileNamePart(const QUrl& url);
};
