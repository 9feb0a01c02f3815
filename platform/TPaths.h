#pragma once

#include <QString>

// Paths as the program's stored data writes them (Windows style, backslashes,
// any letter case) turned into paths of this system.
class TPaths
{
public:
    // "\" becomes "/".
    static QString FromWindows(const QString& path);
    // A folder path with exactly one trailing "/".
    static QString WithTrailingSlash(const QString& folder);
    // The path of `relative` under `base`, each part matched without regard to
    // case against what exists on disk; parts that do not exist keep the letter
    // case given. Empty when the result would lie outside `base` (".." or an
    // absolute path), so stored names can never reach beyond their folder.
    static QString Resolve(const QString& base, const QString& relative);
    // Whether `path`, with links and ".." resolved, lies strictly inside `folder`.
    static bool IsStrictlyInside(const QString& folder, const QString& path);
};
