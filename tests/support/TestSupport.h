#pragma once

#include "TDatabase.h"
#include "TMessenger.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Everything a test needs to run apart from the user's own files: test-mode
// standard paths, a temporary program folder ($QUORVIS_HOME) and a settings
// file inside it. Make one per test class (a member), before any TApp.
class TTestEnvironment
{
public:
    TTestEnvironment();
    ~TTestEnvironment();
    const QString& Home() const { return m_home; }
    QString SettingsFile() const { return m_home + QStringLiteral("/settings.ini"); }
    // A fresh empty folder under the temporary home.
    QString NewFolder(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QString m_home;
    QByteArray m_previousHome;
};

// Records the messages shown to the merchant instead of showing them; installed
// for its lifetime.
class TMessageRecorder : public TMessenger
{
public:
    TMessageRecorder();
    ~TMessageRecorder() override;
    void Show(Kind kind, const QString& text) override;
    bool Confirm(const QString& text) override;

    QList<QPair<Kind, QString>> shown;
    QList<QString> asked;
    bool answer = false;

private:
    TMessenger* m_previous = nullptr;
};

// For tests that show the browser control: offscreen, and without the engine's
// sandbox (it refuses to run as root). Call from the test class's initMain().
void PrepareBrowserEnvironment();

// Creates a store file (SQLite) in the folder with the given statements run on it.
std::shared_ptr<TDatabase> CreateStoreFile(const QString& folder, const QStringList& statements = {});

// A file of the test's own, with its folders; fails the test run when it cannot be written.
void WriteTestFile(const QString& file, const QByteArray& bytes);
// A file's bytes; empty when it cannot be read.
QByteArray ReadTestFile(const QString& file);
