// quorvis-artwork RESOURCES-FOLDER
//
// Draws the pictures of the language resources into every language folder
// (a folder named by its language identifier) under RESOURCES-FOLDER. The output
// is the same on every run, and a file whose bytes are already right is left
// alone, so that a rebuild changes no date and publishes nothing again.

#include "TArtStyle.h"
#include "TArtwork.h"
#include "EQuorvisError.h"
#include "TFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>

namespace {

// The languages the program offers, drawn for when no language folder exists yet.
const char* const DefaultLanguages[] = {"3081", "1028"};

enum class TWriteResult { Unchanged, Written, Failed };

TWriteResult WriteIfChanged(const QString& fileName, const QByteArray& bytes)
{
    try {
        return TFileWriter::WriteIfChanged(fileName, bytes) ? TWriteResult::Written : TWriteResult::Unchanged;
    } catch (const EQuorvisError&) {
        return TWriteResult::Failed;
    }
}

void Fail(const QString& message)
{
    std::fprintf(stderr, "quorvis-artwork: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no screen; the build may run without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        Fail("usage: quorvis-artwork RESOURCES-FOLDER");
        return 2;
    }
    QDir resources(args.at(1));
    if (!resources.exists()) {
        Fail(QString("the resources folder %1 does not exist").arg(resources.path()));
        return 1;
    }

    QString error;
    if (!TArtStyle::LoadFonts(&error)) {
        Fail(error);
        return 1;
    }

    static const QRegularExpression languageName(QStringLiteral("^[0-9]+$"));
    QStringList languages = resources.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).filter(languageName);
    if (languages.isEmpty()) {
        for (const char* language : DefaultLanguages)
            languages << QLatin1String(language);
    }

    int written = 0;
    int unchanged = 0;
    int failed = 0;
    for (const TArtwork::TPicture& picture : TArtwork::Pictures()) {
        const QByteArray bytes = picture.bytes();
        if (bytes.isEmpty()) {
            Fail(QString("could not encode %1").arg(picture.path));
            ++failed;
            continue;
        }
        for (const QString& language : languages) {
            const QString fileName = resources.filePath(language + '/' + picture.path);
            switch (WriteIfChanged(fileName, bytes)) {
            case TWriteResult::Unchanged: ++unchanged; break;
            case TWriteResult::Written: ++written; break;
            case TWriteResult::Failed:
                Fail(QString("could not write %1").arg(fileName));
                ++failed;
                break;
            }
        }
    }
    std::printf("quorvis-artwork: %d pictures written, %d unchanged, for %s\n", written, unchanged,
                qPrintable(languages.join(", ")));
    return failed == 0 ? 0 : 1;
}
