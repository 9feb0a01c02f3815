#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <QtTest>

TTestEnvironment::TTestEnvironment()
{
    QStandardPaths::setTestModeEnabled(true);
    m_home = m_dir.path() + QStringLiteral("/home");
    QDir().mkpath(m_home);
    m_previousHome = qgetenv("QUORVIS_HOME");
    qputenv("QUORVIS_HOME", m_home.toLocal8Bit());
}

TTestEnvironment::~TTestEnvironment()
{
    if (m_previousHome.isEmpty())
        qunsetenv("QUORVIS_HOME");
    else
        qputenv("QUORVIS_HOME", m_previousHome);
}

QString TTestEnvironment::NewFolder(const QString& name) const
{
    const QString folder = m_home + u'/' + name;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

TMessageRecorder::TMessageRecorder()
    : m_previous(&TMessenger::Current())
{
    TMessenger::Install(this);
}

TMessageRecorder::~TMessageRecorder()
{
    TMessenger::Install(nullptr);
}

void TMessageRecorder::Show(Kind kind, const QString& text)
{
    shown.append({kind, text});
}

bool TMessageRecorder::Confirm(const QString& text)
{
    asked.append(text);
    return answer;
}

std::shared_ptr<TDatabase> CreateStoreFile(const QString& folder, const QStringList& statements)
{
    QDir().mkpath(folder);
    auto db = TDatabase::Open(folder + QStringLiteral("/store.db"));
    for (const QString& s : statements)
        db->Exec(s);
    return db;
}

void PrepareBrowserEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Running as root, the engine also wants to be told on its command line.
    if (!qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QLatin1StringView("--no-sandbox")))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --no-sandbox");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void WriteTestFile(const QString& file, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file));
}

QByteArray ReadTestFile(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
