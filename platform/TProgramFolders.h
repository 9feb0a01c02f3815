#pragma once

#include <QString>

// Where the program keeps things. The shipped data folder (resources, themes,
// the sample store, the common database seed, the template archive) is read-only;
// the program folder ($QUORVIS_HOME, else ~/.local/share/quorvis) is the writable
// folder that holds WebSites/, CommonDB/, Samples/, Themes/, Build<id>/ and temp/,
// seeded from the shipped data on first start.
class TProgramFolders
{
public:
    // $QUORVIS_DATA_DIR, else <program>/../share/quorvis, else the build tree's data folder.
    static QString ShippedData();
    // Ends with "/". Created when missing.
    static QString ProgramFolder();
    static QString ResourcesFolder();
    static QString CommonDatabaseFile();
    // Copies every shipped item that the program folder lacks (never overwrites).
    static void Seed();
};
