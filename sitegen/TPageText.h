#pragma once

#include <QString>

// The routines that every page producer, the page editing and the build share
// to read and rewrite the HTML of templates and pages. Searches that ignore
// letter case run on the text itself, so positions found are positions in it.
class TPageText
{
public:
    // HTML editors write the brackets of template tags as "&lt;" and "&gt;":
    // both are turned back into "<" and ">".
    static QString UnescapeTemplateText(const QString& text);
    // The same on a file, saved back only when it changed; errors (a missing
    // or read-only file) leave it as it is.
    static void UnescapeTemplate(const QString& file);
    // "<#hiddenfields>" just before the first "</form>" (any case), or at the
    // start when there is no form; unchanged when the tag is there.
    static QString EnsureHiddenFieldsTagText(const QString& text);
    static void EnsureHiddenFieldsTag(const QString& file);

    // Text between "<HEAD>" and "</HEAD>" (any case); empty without them.
    static QString ExtractHeadContent(const QString& html);
    // The attributes of the BODY tag: what follows "<BODY" up to the next ">".
    static QString extractBODYTag(const QString& html);
    // The inside of the BODY element, trimmed (the whole text without one),
    // with its local picture sources rewritten (RewriteFileSources).
    static QString extractHTMLContentOnly(const QString& html);
    // Puts `head` just before the first "</HEAD>" (any case).
    static QString InsertPageHead(const QString& html, const QString& head);
    // Every src="file://..." becomes src="images/<file name>".
    static QString RewriteFileSources(const QString& html);

    // Where a picture or file of the store is linked from a page: "images/"
    // for pictures (".bmp" named ".gif"), "files/" for anything else.
    static QString GetURLforFile(const QString& path);
    // The last part of a stored path, after its last "/" or "\".
    static QString FileName(const QString& path);
    // A category or product identifier fit for a file name: / \ : * ? " < > | removed.
    static QString SafeFileName(const QString& id);
    // Whether the file holds exactly this text (as UTF-8).
    static bool SameFileContent(const QString& text, const QString& path);

    // A picture named by a stored path, looked for under `storeFolder`
    // "images/" with ever fewer of the path's leading folders; the path as
    // given when none of them exists.
    static QString FindStoreImage(const QString& path, const QString& storeFolder);
    // Points the pictures of merchant-written HTML (the values of src
    // attributes, nothing else) at `prefix` + file name, and copies each
    // picture found to `sourceBase`/`prefix` and to `destinationFolder` (either
    // may be empty: not copied there). Scripts, "catimages/" pictures and
    // pictures on the web keep their address.
    static QString LocaliseImageReferences(const QString& html, const QString& prefix, const QString& sourceBase,
                                           const QString& destinationFolder);
};
