#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program itself, run as the merchant runs it: separate processes that
// share one user's program folder.
class tst_SecondStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void secondStartEndsAtOnceAndTheFirstComesForward();
    void startupErrorIsReportedBeforeTheProgramEnds();

private:
    QProcessEnvironment Environment(const QString& home) const;
    static bool WaitForOutput(QProcess& process, QByteArray& output, const QByteArray& line, int timeoutMs);

    QTemporaryDir m_dir;
};

void tst_SecondStart::initTestCase()
{
    QVERIFY(QFileInfo(QStringLiteral(QUORVIS_BIN)).isExecutable());
    // The secure server is known, so that start-up asks nothing.
    const QString settings = m_dir.path() + QStringLiteral("/config/Halden/Zavuvizeza.ini");
    QDir().mkpath(QFileInfo(settings).absolutePath());
    QFile file(settings);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nServerName=secure.quorvis.example\n");
}

QProcessEnvironment tst_SecondStart::Environment(const QString& home) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUORVIS_HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("QUORVIS_TRACE"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--no-sandbox"));
    return env;
}

bool tst_SecondStart::WaitForOutput(QProcess& process, QByteArray& output, const QByteArray& line, int timeoutMs)
{
    return QTest::qWaitFor([&] {
        output += process.readAllStandardError();
        return output.contains(line) || process.state() == QProcess::NotRunning;
    }, timeoutMs) && output.contains(line);
}

void tst_SecondStart::secondStartEndsAtOnceAndTheFirstComesForward()
{
    const QString home = m_dir.path() + QStringLiteral("/home");
    QProcess first;
    first.setProcessEnvironment(Environment(home));
    first.start(QStringLiteral(QUORVIS_BIN), {});
    QByteArray firstOutput;
    QVERIFY2(WaitForOutput(first, firstOutput, "quorvis: ready", 60000), firstOutput.constData());
    // The program itself registers the record classes, before any window.
    QVERIFY2(firstOutput.contains("quorvis: record classes TCategory TProduct"), firstOutput.constData());
    QVERIFY2(firstOutput.contains(" TMerchant "), firstOutput.constData());
    // Its first activation shows the website selection, modally.
    QVERIFY2(WaitForOutput(first, firstOutput, "quorvis: website selection", 30000), firstOutput.constData());

    QProcess second;
    second.setProcessEnvironment(Environment(home));
    second.start(QStringLiteral(QUORVIS_BIN), {});
    QVERIFY(second.waitForFinished(20000));
    const QByteArray secondOutput = second.readAllStandardError();
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY2(secondOutput.contains("quorvis: handed over"), secondOutput.constData());
    QVERIFY2(!secondOutput.contains("quorvis: ready"), secondOutput.constData());

    // The selection it shows comes to the front, not the main window behind it.
    QVERIFY2(WaitForOutput(first, firstOutput, "quorvis: forward TfrmSelectSite", 20000), firstOutput.constData());
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(10000);
}

void tst_SecondStart::startupErrorIsReportedBeforeTheProgramEnds()
{
    // A program folder that is a file cannot be used.
    const QString home = m_dir.path() + QStringLiteral("/not-a-folder");
    QFile blocker(home);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QProcess program;
    program.setProcessEnvironment(Environment(home));
    program.start(QStringLiteral(QUORVIS_BIN), {});
    QByteArray output;
    QVERIFY2(WaitForOutput(program, output, "quorvis: error The program folder", 30000), output.constData());
    // The message waits for the merchant before the program ends.
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished(10000);
}

QTEST_GUILESS_MAIN(tst_SecondStart)
#include "tst_SecondStart.moc"
