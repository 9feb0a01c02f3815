#include "EQuorvisError.h"
#include "TApp.h"
#include "TCommandRegistry.h"
#include "TGlobalResourceManager.h"
#include "TProgramFolders.h"
#include "TResourceSchemeHandler.h"
#include "TShellState.h"
#include "TWebsites.h"
#include "TestSupport.h"
#include "TfrmEditBusinessInfo.h"
#include "TfrmSelectSite.h"
#include "TfrmStatusMsg.h"
#include "WebsiteFixtures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <functional>
#include <memory>

using namespace WebsiteFixtures;

namespace {

// Answers the next modal dialog of the kind as soon as it is shown.
template <class T>
void OnNextModal(std::function<void(T*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

QStringList EntryTexts(const TfrmSelectSite& dialog)
{
    QStringList texts;
    for (int row = 0; row < dialog.lstWebsites->count(); ++row)
        texts.append(dialog.lstWebsites->item(row)->text());
    return texts;
}

} // namespace

// The selection window, driven as the merchant drives it.
class tst_TfrmSelectSite : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        PrepareBrowserEnvironment();
        TResourceSchemeHandler::RegisterScheme();
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void newWebsitesTakeTheFirstFreeNumbers();
    void editRenamesTheEntryAndWantsAName();
    void okOpensTheSelectedWebsite_data();
    void okOpensTheSelectedWebsite();
    void deletingTheOpenWebsiteLeavesNoneAndCancelAsksToLeave();
    void deleteKeepsFoldersThatAreNotTheProgramsOwn_data();
    void deleteKeepsFoldersThatAreNotTheProgramsOwn();
    void startupListOfAnEarlierReleaseIsTakenOver();
    void addExistingFolder_data();
    void addExistingFolder();
    void damagedTemplateLeavesNothingBehind();
    void sampleStoreComesFirstAndOpensAsTheSample();
    void websiteOpenedLastComesSelected();
    void previewShowsTheMerchantsTextAsText();
    void sampleStoreOptionOpensItWithoutTheSelection();
    void importButtonWaitsForItsWindow();
    void languageSwitchLeavesNoEnglishCaption();
    void websiteErrorsComeFromTheLanguageLibrary();

private:
    std::unique_ptr<TfrmSelectSite> NewDialog();
    qint64 CreateThroughWindow(TfrmSelectSite& dialog, const QString& name, const QString& description = QString());
    QString Sites() const { return TWebsites::WebsitesFolder(); }
    QString Home() const { return TProgramFolders::ProgramFolder(); }

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::unique_ptr<TMessageRecorder> m_messages;
    QString m_template;
};

void tst_TfrmSelectSite::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    TGlobalResourceManager::Instance().SetLanguage(3081);
    QVERIFY2(!LangStr(1455).isEmpty(), "the shipped language library is needed");
    m_template = m_env.Home() + QStringLiteral("/../newsite.dat");
    MakeTemplate(m_template);
}

void tst_TfrmSelectSite::cleanupTestCase()
{
    TfrmSelectSite::SetFolderChooser({});
    TCommandRegistry::Instance().Clear();
    m_messages.reset();
    m_app.reset();
}

void tst_TfrmSelectSite::init()
{
    // One recorder at a time: the old one uninstalls itself.
    m_messages.reset();
    m_messages = std::make_unique<TMessageRecorder>();
    m_messages->answer = true;
    m_app->CloseDatabase();
    TShellState::SetSampleStore(false);
    m_app->Settings().DeleteKey(QStringLiteral("Settings"));
    m_app->Settings().DeleteKey(QStringLiteral("StartupList"));
    m_app->CommonDatabase()->Exec(QStringLiteral("DELETE FROM Websites"));
    QDir(Sites()).removeRecursively();
    QDir(Home() + QStringLiteral("Samples")).removeRecursively();
    QDir(Home() + QStringLiteral("Elsewhere")).removeRecursively();
    QDir().mkpath(Sites());
}

void tst_TfrmSelectSite::cleanup()
{
    TGlobalResourceManager::Instance().SetLanguage(3081);
    TfrmSelectSite::SetFolderChooser({});
    TCommandRegistry::Instance().Clear();
}

std::unique_ptr<TfrmSelectSite> tst_TfrmSelectSite::NewDialog()
{
    auto dialog = std::make_unique<TfrmSelectSite>();
    dialog->Websites().SetTemplateArchive(m_template);
    dialog->show();
    return dialog;
}

qint64 tst_TfrmSelectSite::CreateThroughWindow(TfrmSelectSite& dialog, const QString& name, const QString& description)
{
    OnNextModal<TfrmEditBusinessInfo>([name, description](TfrmEditBusinessInfo* info) {
        info->edtBusinessName->setText(name);
        info->memBusinessDesc->setPlainText(description);
        info->btnOK->click();
    });
    dialog.btnNew->click();
    return dialog.SelectedID();
}

void tst_TfrmSelectSite::newWebsitesTakeTheFirstFreeNumbers()
{
    auto dialog = NewDialog();
    QCOMPARE(dialog->lstWebsites->count(), 0);
    QVERIFY(!dialog->btnOK->isEnabled());

    // The status window shows the progress of the extraction.
    TfrmStatusMsg& status = TfrmStatusMsg::Instance();
    QStringList captions;
    int position = 0;
    bool shown = true;
    auto follow = connect(status.pbProgress, &QProgressBar::valueChanged, this, [&](int value) {
        captions.append(status.lblProgress->text());
        position = value;
        shown = shown && (value == 0 || status.isVisible());
    });
    const qint64 first = CreateThroughWindow(*dialog, QStringLiteral("Roses"), QStringLiteral("Red ones"));
    disconnect(follow);
    QVERIFY(!captions.isEmpty());
    QCOMPARE(captions.first(), LangStr(910));
    QCOMPARE(captions.last(), LangStr(910));
    QVERIFY(shown);
    QVERIFY(status.pbProgress->maximum() > 1);
    QCOMPARE(position, status.pbProgress->maximum());
    const qint64 second = CreateThroughWindow(*dialog, QStringLiteral("Lilies"));
    QCOMPARE(EntryTexts(*dialog), (QStringList{QStringLiteral("Roses"), QStringLiteral("Lilies")}));
    QCOMPARE(dialog->Websites().Find(first)->path, Sites() + QStringLiteral("Website1/"));
    QCOMPARE(dialog->Websites().Find(second)->path, Sites() + QStringLiteral("Website2/"));
    QCOMPARE(dialog->Websites().Find(first)->description, QStringLiteral("Red ones"));
    QVERIFY(QFileInfo(Sites() + QStringLiteral("Website2/store.db")).isFile());
    // The new website is selected, not yet opened; the status window is gone.
    QCOMPARE(dialog->SelectedID(), second);
    QVERIFY(!m_app->IsOpen());
    QVERIFY(!TfrmStatusMsg::Instance().isVisible());
    QVERIFY(m_messages->shown.isEmpty());

    // Cancel in the details adds nothing.
    OnNextModal<TfrmEditBusinessInfo>([](TfrmEditBusinessInfo* info) {
        info->edtBusinessName->setText(QStringLiteral("Never made"));
        info->btnCancel->click();
    });
    dialog->btnNew->click();
    QCOMPARE(dialog->lstWebsites->count(), 2);
    QCOMPARE(Entries(Sites()), (QStringList{QStringLiteral("Website1"), QStringLiteral("Website2")}));

    // A deleted website's number is free again.
    QVERIFY(dialog->SelectID(first));
    dialog->btnDelete->click();
    QCOMPARE(m_messages->asked, QStringList{LangStr(1390)});
    QCOMPARE(EntryTexts(*dialog), QStringList{QStringLiteral("Lilies")});
    QVERIFY(!QFileInfo::exists(Sites() + QStringLiteral("Website1")));
    const qint64 third = CreateThroughWindow(*dialog, QStringLiteral("Tulips"));
    QCOMPARE(dialog->Websites().Find(third)->path, Sites() + QStringLiteral("Website1/"));
    QVERIFY(m_messages->shown.isEmpty());
}

void tst_TfrmSelectSite::editRenamesTheEntryAndWantsAName()
{
    auto dialog = NewDialog();
    const qint64 id = CreateThroughWindow(*dialog, QStringLiteral("Roses"), QStringLiteral("Old words"));

    bool keptOpen = false;
    OnNextModal<TfrmEditBusinessInfo>([this, &keptOpen](TfrmEditBusinessInfo* info) {
        QCOMPARE(info->edtBusinessName->text(), QStringLiteral("Roses"));
        QCOMPARE(info->memBusinessDesc->toPlainText(), QStringLiteral("Old words"));
        // Blanks are no name.
        info->edtBusinessName->setText(QStringLiteral("   "));
        info->btnOK->click();
        keptOpen = info->isVisible() && m_messages->shown.size() == 1 && m_messages->shown.first().second == LangStr(1340)
                   && m_messages->shown.first().first == TMessenger::Kind::Warning;
        info->edtBusinessName->setText(QStringLiteral("  Roses & Lilies "));
        info->memBusinessDesc->setPlainText(QStringLiteral("New words"));
        info->btnOK->click();
    });
    dialog->btnEditInfo->click();
    QVERIFY(keptOpen);
    QCOMPARE(EntryTexts(*dialog), QStringList{QStringLiteral("Roses & Lilies")});
    QCOMPARE(dialog->SelectedID(), id);
    QCOMPARE(dialog->Websites().Find(id)->name, QStringLiteral("Roses & Lilies"));
    QCOMPARE(dialog->Websites().Find(id)->description, QStringLiteral("New words"));
    QVERIFY(dialog->PreviewText().contains(QStringLiteral("Roses &amp; Lilies")));

    // Cancel changes nothing.
    OnNextModal<TfrmEditBusinessInfo>([](TfrmEditBusinessInfo* info) {
        info->edtBusinessName->setText(QStringLiteral("Thrown away"));
        info->btnCancel->click();
    });
    dialog->btnEditInfo->click();
    QCOMPARE(dialog->Websites().Find(id)->name, QStringLiteral("Roses & Lilies"));
}

void tst_TfrmSelectSite::okOpensTheSelectedWebsite_data()
{
    QTest::addColumn<bool>("storeLost");
    QTest::newRow("a sound website opens") << false;
    QTest::newRow("a folder without its store keeps the window open") << true;
}

void tst_TfrmSelectSite::okOpensTheSelectedWebsite()
{
    QFETCH(bool, storeLost);
    auto dialog = NewDialog();
    CreateThroughWindow(*dialog, QStringLiteral("Roses"));
    const qint64 id = CreateThroughWindow(*dialog, QStringLiteral("Lilies"));
    if (storeLost)
        QVERIFY(QFile::remove(Sites() + QStringLiteral("Website2/store.db")));
    QVERIFY(dialog->SelectID(id));
    QCOMPARE(dialog->btnCancel->text(), LangStr(285));

    dialog->btnOK->click();
    QCOMPARE(m_app->IsOpen(), !storeLost);
    QCOMPARE(dialog->isVisible(), storeLost);
    QCOMPARE(TWebsites::LastWebID(), id);
    if (storeLost) {
        QCOMPARE(m_messages->shown.size(), 1);
        QVERIFY(m_messages->shown.first().second.startsWith(LangStr(1338)));
        QCOMPARE(dialog->lstWebsites->count(), 2);
    } else {
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_app->CurrentWebsiteFolder(), Sites() + QStringLiteral("Website2/"));
        QVERIFY(m_messages->shown.isEmpty());
    }
}

void tst_TfrmSelectSite::deletingTheOpenWebsiteLeavesNoneAndCancelAsksToLeave()
{
    TWebsites websites;
    websites.SetTemplateArchive(m_template);
    const qint64 id = websites.Create(QStringLiteral("Open Shop"), QString());
    QVERIFY(websites.Open(id));

    auto dialog = NewDialog();
    QCOMPARE(dialog->SelectedID(), id);
    QCOMPARE(dialog->btnCancel->text(), LangStr(99));
    dialog->btnDelete->click();
    QVERIFY(!m_app->IsOpen());
    QCOMPARE(dialog->btnCancel->text(), LangStr(285));
    QCOMPARE(dialog->lstWebsites->count(), 0);
    QVERIFY(!QFileInfo::exists(Sites() + QStringLiteral("Website1")));
    QVERIFY(dialog->PreviewText().isEmpty());

    // With no website open, Cancel asks whether to leave the program.
    const QString question = LangStr(1455).arg(LangStr(754)) + u'?';
    QCOMPARE(question, QStringLiteral("Do you want to close Quorvis Professional 3.00?"));
    m_messages->asked.clear();
    m_messages->answer = false;
    dialog->btnCancel->click();
    QCOMPARE(m_messages->asked, QStringList{question});
    QVERIFY(dialog->isVisible());
    // Escape goes the same way.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QCOMPARE(m_messages->asked.size(), 2);
    QVERIFY(dialog->isVisible());

    m_messages->answer = true;
    dialog->btnCancel->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
}

void tst_TfrmSelectSite::deleteKeepsFoldersThatAreNotTheProgramsOwn_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("folder outside WebSites") << false;
    QTest::newRow("link under WebSites to a folder outside") << true;
}

void tst_TfrmSelectSite::deleteKeepsFoldersThatAreNotTheProgramsOwn()
{
    QFETCH(bool, throughLink);
    const QString outside = Home() + QStringLiteral("Elsewhere/Shop");
    MakeStore(outside, QStringLiteral("Elsewhere"));
    QString listed = outside;
    if (throughLink) {
        listed = Sites() + QStringLiteral("Website1");
        QVERIFY(QFile::link(outside, listed));
    }
    TWebsites websites;
    const qint64 id = websites.AddExisting(listed).id;

    auto dialog = NewDialog();
    QVERIFY(dialog->SelectID(id));
    dialog->btnDelete->click();
    QCOMPARE(m_messages->shown.size(), 1);
    QCOMPARE(m_messages->shown.first().first, TMessenger::Kind::Warning);
    QCOMPARE(m_messages->shown.first().second, LangStr(1391));
    QCOMPARE(dialog->lstWebsites->count(), 0);
    QVERIFY(!websites.Find(id));
    QVERIFY(QFileInfo(outside + QStringLiteral("/store.db")).isFile());
}

void tst_TfrmSelectSite::startupListOfAnEarlierReleaseIsTakenOver()
{
    const QString base = Home() + QStringLiteral("Elsewhere/");
    MakeStore(base + QStringLiteral("Florist"), QStringLiteral("Tolvane Florist"), QStringLiteral("Flowers"));
    MakeStore(base + QStringLiteral("Garden"), QStringLiteral("Garden Centre"));
    for (const char* folder : {"Florist", "Gone", "Garden"})
        m_app->Settings().Write(QStringLiteral("StartupList"), base + QLatin1StringView(folder), QString());

    // First start of this release: no list of websites yet.
    m_app->CloseCommonDatabase();
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(TProgramFolders::CommonDatabaseFile() + suffix);

    auto dialog = NewDialog();
    QStringList texts = EntryTexts(*dialog);
    texts.sort();
    QCOMPARE(texts, (QStringList{QStringLiteral("Garden Centre"), QStringLiteral("Tolvane Florist")}));
    QCOMPARE(dialog->Websites().List().size(), 2);
    QVERIFY(m_messages->shown.isEmpty());
    dialog.reset();

    // The next selection finds the table and takes nothing over again.
    auto again = NewDialog();
    QCOMPARE(again->lstWebsites->count(), 2);
}

void tst_TfrmSelectSite::addExistingFolder_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("selected"); // the entry selected afterwards
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("warning");

    QTest::newRow("a listed folder, written differently") << "@\\Elsewhere\\Shop\\\\" << "Shop" << 2 << "";
    QTest::newRow("a folder not listed yet") << "@/Elsewhere/Other" << "Other" << 3 << "";
    QTest::newRow("a folder without a store") << "@/Elsewhere" << "Lilies" << 2 << "1392";
    QTest::newRow("the dialog cancelled") << "" << "Lilies" << 2 << "";
}

void tst_TfrmSelectSite::addExistingFolder()
{
    QFETCH(QString, chosen);
    QFETCH(QString, selected);
    QFETCH(int, entries);
    QFETCH(QString, warning);
    chosen.replace(u'@', Home().chopped(1));
    MakeStore(Home() + QStringLiteral("Elsewhere/Shop"), QStringLiteral("Shop"));
    MakeStore(Home() + QStringLiteral("Elsewhere/Other"), QStringLiteral("Other"));
    TWebsites websites;
    websites.AddExisting(Home() + QStringLiteral("Elsewhere/Shop"));

    auto dialog = NewDialog();
    CreateThroughWindow(*dialog, QStringLiteral("Lilies"));
    QString caption;
    TfrmSelectSite::SetFolderChooser([&caption, chosen](QWidget* parent, const QString& title) {
        caption = title;
        return chosen;
    });
    dialog->btnAddExisting->click();
    QCOMPARE(caption, QStringLiteral("Select a Website folder"));
    QCOMPARE(dialog->lstWebsites->count(), entries);
    QCOMPARE(dialog->lstWebsites->currentItem()->text(), selected);
    if (warning.isEmpty()) {
        QVERIFY(m_messages->shown.isEmpty());
    } else {
        QCOMPARE(m_messages->shown.size(), 1);
        QCOMPARE(m_messages->shown.first().first, TMessenger::Kind::Warning);
        QCOMPARE(m_messages->shown.first().second, LangStr(warning.toInt()));
    }
}

void tst_TfrmSelectSite::damagedTemplateLeavesNothingBehind()
{
    const QString damaged = m_env.NewFolder(QStringLiteral("templates")) + QStringLiteral("/newsite.dat");
    const QByteArray good = ReadFile(m_template);
    WriteFile(damaged, good.left(good.size() - 40));

    auto dialog = NewDialog();
    CreateThroughWindow(*dialog, QStringLiteral("Roses"));
    dialog->Websites().SetTemplateArchive(damaged);
    CreateThroughWindow(*dialog, QStringLiteral("Half made"));
    QCOMPARE(m_messages->shown.size(), 1);
    QCOMPARE(m_messages->shown.first().first, TMessenger::Kind::Error);
    QCOMPARE(EntryTexts(*dialog), QStringList{QStringLiteral("Roses")});
    QCOMPARE(dialog->Websites().List().size(), 1);
    QCOMPARE(Entries(Sites()), QStringList{QStringLiteral("Website1")});
    QVERIFY(!TfrmStatusMsg::Instance().isVisible());
}

void tst_TfrmSelectSite::sampleStoreComesFirstAndOpensAsTheSample()
{
    const QString sample = Home() + QStringLiteral("Samples/Flowers Tolvane");
    MakeStore(sample, QStringLiteral("Flowers Tolvane"));
    TWebsites websites;
    websites.SetTemplateArchive(m_template);
    websites.Create(QStringLiteral("Roses"), QString());

    auto dialog = NewDialog();
    QCOMPARE(EntryTexts(*dialog), (QStringList{QStringLiteral("1. Flowers Tolvane (Sample Website)"), QStringLiteral("Roses")}));
    // Nothing remembered yet: the sample comes selected.
    QCOMPARE(dialog->SelectedID(), TWebsites::SampleStoreID);
    QVERIFY(dialog->btnOK->isEnabled());
    QVERIFY(!dialog->btnEditInfo->isEnabled());
    QVERIFY(!dialog->btnDelete->isEnabled());
    QVERIFY(dialog->PreviewText().contains(LangStr(1389).toHtmlEscaped()));
    QVERIFY(dialog->PreviewText().contains(QStringLiteral("<b></b>")));

    dialog->lstWebsites->setCurrentRow(1);
    QVERIFY(dialog->btnEditInfo->isEnabled());
    QVERIFY(dialog->btnDelete->isEnabled());
    QVERIFY(dialog->PreviewText().contains(QStringLiteral("<b>Roses</b>")));

    dialog->lstWebsites->setCurrentRow(0);
    dialog->btnOK->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(TShellState::SampleStore());
    QCOMPARE(m_app->CurrentWebsiteFolder(), sample + u'/');
    auto db = TDatabase::Open(sample + QStringLiteral("/store.db"), TDatabase::OpenMode::OpenExisting);
    QCOMPARE(db->Scalar(QStringLiteral("SELECT MerchantLogoLocation FROM MerchantSettings")).toString(),
             sample + QStringLiteral("/Images/logo.gif"));
}

void tst_TfrmSelectSite::websiteOpenedLastComesSelected()
{
    TWebsites websites;
    websites.SetTemplateArchive(m_template);
    websites.Create(QStringLiteral("Roses"), QString());
    const qint64 lilies = websites.Create(QStringLiteral("Lilies"), QString());
    websites.Create(QStringLiteral("Tulips"), QString());

    TWebsites::SetLastWebID(lilies);
    QCOMPARE(NewDialog()->lstWebsites->currentItem()->text(), QStringLiteral("Lilies"));
    // An id no longer listed selects the first entry.
    TWebsites::SetLastWebID(lilies + 100);
    QCOMPARE(NewDialog()->lstWebsites->currentItem()->text(), QStringLiteral("Roses"));
}

void tst_TfrmSelectSite::previewShowsTheMerchantsTextAsText()
{
    TWebsites websites;
    websites.SetTemplateArchive(m_template);
    const QString name = QStringLiteral("<script>document.title='taken'</script><i>Roses</i>");
    websites.Create(name, QStringLiteral("<b>bold?</b>"));

    auto dialog = std::make_unique<TfrmSelectSite>();
    QSignalSpy loaded(dialog.get(), &TfrmSelectSite::PreviewLoaded);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(dialog->PreviewText().contains(QStringLiteral("&lt;script&gt;")));

    // What the page shows is the text itself, tags and all.
    auto shown = std::make_shared<QString>();
    QVERIFY(QTest::qWaitFor([&] {
        if (loaded.isEmpty())
            return false;
        dialog->WebBrowser1->page()->toPlainText([shown](const QString& text) { *shown = text; });
        return QTest::qWaitFor([shown] { return shown->contains(QStringLiteral("Merchant Details")); }, 2000);
    }, 30000));
    QVERIFY2(shown->contains(name), qPrintable(*shown));
    QVERIFY2(shown->contains(QStringLiteral("<b>bold?</b>")), qPrintable(*shown));
    QVERIFY(shown->contains(QStringLiteral("Database Path :")));
    QVERIFY(dialog->WebBrowser1->title() != QStringLiteral("taken"));
}

void tst_TfrmSelectSite::sampleStoreOptionOpensItWithoutTheSelection()
{
    MakeStore(Home() + QStringLiteral("Samples/Flowers Tolvane"), QStringLiteral("Flowers Tolvane"));
    TfrmSelectSite::Register(true);
    // No selection window is shown: were one shown, this would close it.
    bool selectionShown = false;
    OnNextModal<TfrmSelectSite>([&selectionShown](TfrmSelectSite* dialog) {
        selectionShown = true;
        dialog->done(QDialog::Rejected);
    });
    QVERIFY(TCommandRegistry::Instance().Open(QLatin1StringView(WindowNames::SelectSite), nullptr, 0));
    QVERIFY(m_app->IsOpen());
    QVERIFY(TShellState::SampleStore());
    QVERIFY(!selectionShown);

    // Later selections show the window.
    QVERIFY(TCommandRegistry::Instance().Open(QLatin1StringView(WindowNames::SelectSite), nullptr, 0));
    QVERIFY(selectionShown);
}

void tst_TfrmSelectSite::importButtonWaitsForItsWindow()
{
    auto dialog = NewDialog();
    QVERIFY(!dialog->btnImport->isEnabled());
    dialog.reset();

    // Once the import registers its window, the button opens it and the list
    // shows what it added.
    QWidget* owner = nullptr;
    TCommandRegistry::Instance().Register(QLatin1StringView(TfrmSelectSite::ImportWindow), [&owner, this](QWidget* parent, int) {
        owner = parent;
        MakeStore(Home() + QStringLiteral("Elsewhere/Imported"), QStringLiteral("Imported"));
        TWebsites().Add({0, QStringLiteral("Imported Shop"), TWebsites::DescriptionFromRtf(QStringLiteral("{\\rtf1 Old\\par}")),
                         Home() + QStringLiteral("Elsewhere/Imported")});
    });
    dialog = NewDialog();
    QVERIFY(dialog->btnImport->isEnabled());
    dialog->btnImport->click();
    QCOMPARE(owner, dialog.get());
    QCOMPARE(EntryTexts(*dialog), QStringList{QStringLiteral("Imported Shop")});
}

// Every caption the merchant reads in the selection and in the details comes
// from the language library, and follows a change of language at once.
void tst_TfrmSelectSite::languageSwitchLeavesNoEnglishCaption()
{
    MakeStore(Home() + QStringLiteral("Samples/Flowers Tolvane"), QStringLiteral("Flowers Tolvane"));
    auto dialog = NewDialog();
    TfrmEditBusinessInfo info(dialog.get());
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    auto captions = [&dialog, &info] {
        QList<QPair<QString, QString>> found; // objectName, caption
        for (QWidget* window : std::initializer_list<QWidget*>{dialog.get(), &info}) {
            found.append({window->objectName(), window->windowTitle()});
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->window() == window)
                    found.append({label->objectName(), label->text()});
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                if (button->window() == window)
                    found.append({button->objectName(), button->text()});
        }
        return found;
    };
    const auto english = captions();
    QVERIFY(english.size() >= 14);
    for (const auto& [name, caption] : english)
        QVERIFY2(!caption.isEmpty(), qPrintable(name));

    TGlobalResourceManager::Instance().SetLanguage(1028);
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&"));
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    const auto chinese = captions();
    QCOMPARE(chinese.size(), english.size());
    for (qsizetype k = 0; k < chinese.size(); ++k) {
        const auto& [name, caption] = chinese.at(k);
        const QString message = name + QStringLiteral(": ") + caption;
        QVERIFY2(!caption.isEmpty(), qPrintable(message));
        QVERIFY2(caption != english.at(k).second, qPrintable(message));
        QVERIFY2(!QString(caption).remove(mnemonic).contains(latin), qPrintable(message));
    }
    QCOMPARE(dialog->windowTitle(), QStringLiteral("選擇網站"));
    QCOMPARE(info.lblBusinessName->text(), QStringLiteral("商家名稱(&N):"));
    // The sample store's entry is the library's too; only its name stays.
    QCOMPARE(dialog->lstWebsites->item(0)->text(), QStringLiteral("1. Flowers Tolvane（範例網站）"));

    QString caption;
    TfrmSelectSite::SetFolderChooser([&caption](QWidget*, const QString& title) {
        caption = title;
        return QString();
    });
    dialog->btnAddExisting->click();
    QCOMPARE(caption, QStringLiteral("選擇網站資料夾"));

    // And back again.
    TGlobalResourceManager::Instance().SetLanguage(3081);
    QCOMPARE(captions(), english);
    QCOMPARE(dialog->lstWebsites->item(0)->text(), QStringLiteral("1. Flowers Tolvane (Sample Website)"));
}

// A failure to make a website's folder speaks the merchant's language.
void tst_TfrmSelectSite::websiteErrorsComeFromTheLanguageLibrary()
{
    TGlobalResourceManager::Instance().SetLanguage(1028);
    TWebsites websites;
    websites.SetTemplateArchive(Home() + QStringLiteral("missing.dat"));
    try {
        websites.Create(QStringLiteral("Roses"), QString());
        QFAIL("a website was made without its template");
    } catch (const EQuorvisError& e) {
        QCOMPARE(e.Message(), LangStr(5122).arg(QDir::toNativeSeparators(Home() + QStringLiteral("missing.dat"))));
        QVERIFY(e.Message().startsWith(QStringLiteral("找不到新網站範本")));
    }
    // Nothing is left of the attempt.
    QVERIFY(websites.List().isEmpty());
    QCOMPARE(Entries(Sites()), QStringList());
}

QTEST_MAIN(tst_TfrmSelectSite)
#include "tst_TfrmSelectSite.moc"
