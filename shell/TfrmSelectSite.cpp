#include "TfrmSelectSite.h"

#include "EQuorvisError.h"
#include "TApp.h"
#include "TCommandRegistry.h"
#include "TFormResourceManager.h"
#include "TGlobalResourceManager.h"
#include "TMessenger.h"
#include "TStartup.h"
#include "TStatusProgress.h"
#include "TWebsites.h"
#include "TfrmEditBusinessInfo.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

constexpr int IdRole = Qt::UserRole;

TfrmSelectSite::FolderChooser& Chooser()
{
    static TfrmSelectSite::FolderChooser chooser;
    return chooser;
}

QString AskForFolder(QWidget* parent, const QString& caption)
{
    if (Chooser())
        return Chooser()(parent, caption);
    return QFileDialog::getExistingDirectory(parent, caption, QDir::homePath());
}

// ---- pictures for the documentation (QUORVIS_SCREENSHOTS, see TScreenshots)

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        Wait(50);
}

// On a real display the screen holds what the browser engine drew.
void SavePicture(QWidget& window, const QString& folder, const QString& name)
{
    QPixmap picture;
    QScreen* screen = window.screen();
    if (QGuiApplication::platformName() != QLatin1StringView("offscreen") && screen) {
        const QRect area = window.frameGeometry();
        picture = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    } else {
        picture = window.grab();
    }
    QDir().mkpath(folder);
    picture.save(folder + u'/' + name + QStringLiteral(".png"), "PNG");
}

// Pictures of the selection and of the details dialog; then the sample store
// is opened, so that the main window's pictures show it.
void TakeScreenshots(TfrmSelectSite& dialog, const bool& previewLoaded, const QString& folder)
{
    WaitFor([&previewLoaded] { return previewLoaded; }, 15000);
    Wait(1000);
    SavePicture(dialog, folder, QStringLiteral("select-site"));

    {
        TfrmEditBusinessInfo info(&dialog);
        info.SetBusinessInfo(QStringLiteral("Flowers Tolvane"),
                             QStringLiteral("Fresh flowers, bouquets and arrangements, delivered across town."));
        info.show();
        info.raise();
        Wait(400);
        SavePicture(info, folder, QStringLiteral("edit-business-info"));
    }

    qint64 open = TWebsites::SampleStoreID;
    if (!dialog.SelectID(open)) {
        // Without the sample store, a new website shows the main window.
        try {
            open = dialog.Websites().Create(QStringLiteral("My Shop"), QString());
        } catch (const EQuorvisError&) {
            return;
        }
        dialog.Websites().SetLastWebID(open);
        dialog.SelectID(open);
    }
    dialog.btnOK->click();
}

} // namespace

TfrmSelectSite::TfrmSelectSite(QWidget* parent)
    : QDialog(parent)
    , m_websites(std::make_unique<TWebsites>())
{
    setObjectName(QStringLiteral("TfrmSelectSite"));
    setModal(true);

    lblWebsites = new QLabel(this);
    lblWebsites->setObjectName(QStringLiteral("lblWebsites"));

    lstWebsites = new QListWidget(this);
    lstWebsites->setObjectName(QStringLiteral("lstWebsites"));
    lstWebsites->setSelectionMode(QAbstractItemView::SingleSelection);
    lblWebsites->setBuddy(lstWebsites);
    connect(lstWebsites, &QListWidget::currentItemChanged, this, &TfrmSelectSite::lstWebsitesSelectionChange);
    connect(lstWebsites, &QListWidget::itemDoubleClicked, this, &TfrmSelectSite::btnOKClick);

    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setContextMenuPolicy(Qt::NoContextMenu);
    // The preview shows the merchant's own texts; nothing in it is to run.
    WebBrowser1->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    WebBrowser1->setMinimumSize(300, 220);
    connect(WebBrowser1, &QWebEngineView::loadFinished, this, &TfrmSelectSite::PreviewLoaded);

    auto button = [this](const char* name, void (TfrmSelectSite::*handler)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1StringView(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    btnNew = button("btnNew", &TfrmSelectSite::btnNewClick);
    btnAddExisting = button("btnAddExisting", &TfrmSelectSite::btnAddExistingClick);
    btnEditInfo = button("btnEditInfo", &TfrmSelectSite::btnEditInfoClick);
    btnDelete = button("btnDelete", &TfrmSelectSite::btnDeleteClick);
    btnImport = button("btnImport", &TfrmSelectSite::btnImportClick);
    btnOK = button("btnOK", &TfrmSelectSite::btnOKClick);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSelectSite::reject);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(lblWebsites);
    listColumn->addWidget(lstWebsites, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(listColumn, 2);
    top->addWidget(WebBrowser1, 3);

    auto* manage = new QHBoxLayout;
    for (QPushButton* b : {btnNew, btnAddExisting, btnEditInfo, btnDelete, btnImport})
        manage->addWidget(b);
    manage->addStretch();
    manage->addWidget(btnOK);
    manage->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(manage);
    resize(760, 420);

    FormResourceManager = new TFormResourceManager(this);
    FormResourceManager->setObjectName(QStringLiteral("FormResourceManager"));
    connect(FormResourceManager, &TFormResourceManager::OnResourceChange, this, &TfrmSelectSite::FormResourceManagerResourceChange);

    FormCreate();
}

TfrmSelectSite::~TfrmSelectSite() = default;

void TfrmSelectSite::FormCreate()
{
    WebBrowser1->setUrl(QUrl(QStringLiteral("about:blank")));
    FormResourceManagerResourceChange();
    Guarded([this] { m_websites->TakeOverStartupList(); });
    Guarded([this] { FillList(-1); });
}

void TfrmSelectSite::FormResourceManagerResourceChange()
{
    setWindowTitle(LangStr(5100));
    lblWebsites->setText(LangStr(5101));
    btnNew->setText(LangStr(5102));
    btnAddExisting->setText(LangStr(5103));
    btnEditInfo->setText(LangStr(5104));
    btnDelete->setText(LangStr(5105));
    btnImport->setText(LangStr(8) + QStringLiteral("..."));
    btnOK->setText(LangStr(100));
    UpdateCancelCaption();
    // The sample store's entry and description are language strings.
    for (int row = 0; row < lstWebsites->count(); ++row)
        if (lstWebsites->item(row)->data(IdRole).toLongLong() == TWebsites::SampleStoreID)
            lstWebsites->item(row)->setText(LangStr(5107));
    if (SelectedID() == TWebsites::SampleStoreID)
        RenderPreview();
}

void TfrmSelectSite::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmSelectSite::FormShow()
{
    // The website opened last comes selected (0, the default, is the sample store).
    qint64 last = 0;
    Guarded([&last] { last = TWebsites::LastWebID(); });
    if (!SelectID(last) && lstWebsites->count() > 0)
        lstWebsites->setCurrentRow(0);
    RenderPreview();
    UpdateButtons();
    UpdateCancelCaption();
    TStartup::Trace(QStringLiteral("website selection"));
}

void TfrmSelectSite::Register(bool sampleStoreAtStart)
{
    auto sampleFirst = std::make_shared<bool>(sampleStoreAtStart);
    auto screenshots = std::make_shared<QString>(qEnvironmentVariable("QUORVIS_SCREENSHOTS"));
    TCommandRegistry::Instance().Register(QLatin1StringView(WindowNames::SelectSite), [sampleFirst, screenshots](QWidget* owner, int) {
        if (std::exchange(*sampleFirst, false) && TWebsites::SampleStoreExists() && TWebsites::OpenSampleStore())
            return;
        TfrmSelectSite dialog(owner);
        bool previewLoaded = false;
        connect(&dialog, &TfrmSelectSite::PreviewLoaded, &dialog, [&previewLoaded] { previewLoaded = true; });
        if (!screenshots->isEmpty()) {
            const QString folder = std::exchange(*screenshots, QString());
            QTimer::singleShot(0, &dialog, [&dialog, &previewLoaded, folder] { TakeScreenshots(dialog, previewLoaded, folder); });
        }
        dialog.exec();
    });
}

void TfrmSelectSite::SetFolderChooser(FolderChooser chooser)
{
    Chooser() = std::move(chooser);
}

void TfrmSelectSite::Guarded(const std::function<void()>& command)
{
    TMessenger::Run(command);
}

// ---- the list

qint64 TfrmSelectSite::SelectedID() const
{
    const QListWidgetItem* item = lstWebsites->currentItem();
    return item ? item->data(IdRole).toLongLong() : -1;
}

bool TfrmSelectSite::SelectID(qint64 id)
{
    for (int row = 0; row < lstWebsites->count(); ++row) {
        if (lstWebsites->item(row)->data(IdRole).toLongLong() == id) {
            lstWebsites->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

void TfrmSelectSite::FillList(qint64 select)
{
    const QSignalBlocker blocker(lstWebsites);
    lstWebsites->clear();
    if (TWebsites::SampleStoreExists()) {
        auto* sample = new QListWidgetItem(LangStr(5107), lstWebsites);
        sample->setData(IdRole, TWebsites::SampleStoreID);
    }
    for (const TWebsite& website : m_websites->List()) {
        auto* item = new QListWidgetItem(website.name, lstWebsites);
        item->setData(IdRole, website.id);
        item->setToolTip(QDir::toNativeSeparators(website.path));
    }
    if (!SelectID(select) && lstWebsites->count() > 0)
        lstWebsites->setCurrentRow(0);
    RenderPreview();
    UpdateButtons();
}

void TfrmSelectSite::lstWebsitesSelectionChange()
{
    Guarded([this] { RenderPreview(); });
    UpdateButtons();
}

void TfrmSelectSite::RenderPreview()
{
    const qint64 id = SelectedID();
    QString html;
    if (id == TWebsites::SampleStoreID) {
        html = TWebsites::SamplePreviewHtml();
    } else if (id > 0) {
        if (const std::optional<TWebsite> website = m_websites->Find(id))
            html = TWebsites::PreviewHtml(*website);
    }
    if (html == m_previewHtml && !html.isEmpty())
        return;
    m_previewHtml = html;
    WebBrowser1->setHtml(m_previewHtml, QUrl(QStringLiteral("about:blank")));
}

void TfrmSelectSite::UpdateButtons()
{
    const qint64 id = SelectedID();
    const bool website = id > 0;
    btnEditInfo->setEnabled(website);
    btnDelete->setEnabled(website);
    btnOK->setEnabled(id >= 0);
    btnImport->setEnabled(TCommandRegistry::Instance().IsRegistered(QLatin1StringView(ImportWindow)));
}

void TfrmSelectSite::UpdateCancelCaption()
{
    btnCancel->setText(LangStr(TApp::Instance().IsOpen() ? 99 : 285));
}

// ---- commands

void TfrmSelectSite::btnOKClick()
{
    const qint64 id = SelectedID();
    if (id < 0)
        return;
    bool opened = false;
    Guarded([this, id, &opened] { opened = id == TWebsites::SampleStoreID ? TWebsites::OpenSampleStore() : m_websites->Open(id); });
    if (opened) {
        accept();
        return;
    }
    // The website that was open before has been let go.
    UpdateCancelCaption();
}

void TfrmSelectSite::reject()
{
    if (!TApp::Instance().IsOpen()) {
        const QString question = LangStr(1455).arg(LangStr(754)) + u'?';
        if (!TMessenger::Current().Confirm(question))
            return;
    }
    QDialog::reject();
}

void TfrmSelectSite::btnNewClick()
{
    TfrmEditBusinessInfo info(this);
    if (info.exec() != QDialog::Accepted)
        return;
    Guarded([this, &info] {
        TStatusProgress progress;
        progress.Start(LangStr(910), 0, false);
        const qint64 id = m_websites->Create(info.BusinessName(), info.BusinessDesc(), progress);
        progress.Finish();
        FillList(id);
    });
}

void TfrmSelectSite::btnAddExistingClick()
{
    const QString folder = AskForFolder(this, LangStr(5106));
    if (folder.isEmpty())
        return;
    try {
        FillList(m_websites->AddExisting(folder).id);
    } catch (const EQuorvisError& e) {
        TMessenger::Current().Show(TMessenger::Kind::Warning, e.Message());
    }
}

void TfrmSelectSite::btnEditInfoClick()
{
    const qint64 id = SelectedID();
    if (id <= 0)
        return;
    Guarded([this, id] {
        const std::optional<TWebsite> website = m_websites->Find(id);
        if (!website)
            return;
        TfrmEditBusinessInfo info(this);
        info.SetBusinessInfo(website->name, website->description);
        if (info.exec() != QDialog::Accepted)
            return;
        m_websites->Edit(id, info.BusinessName(), info.BusinessDesc());
        FillList(id);
    });
}

void TfrmSelectSite::btnDeleteClick()
{
    const qint64 id = SelectedID();
    if (id <= 0 || !TMessenger::Current().Confirm(LangStr(1390)))
        return;
    // Afterwards the entry before the deleted one comes selected, or the first.
    const int row = lstWebsites->currentRow();
    const qint64 before = row > 0 ? lstWebsites->item(row - 1)->data(IdRole).toLongLong() : -1;
    Guarded([this, id] {
        const TWebsites::TDeleteResult result = m_websites->Delete(id);
        if (result.closedOpenWebsite)
            UpdateCancelCaption();
        if (result.Kept())
            TMessenger::Current().Show(TMessenger::Kind::Warning, LangStr(1391));
    });
    Guarded([this, before] { FillList(before); });
}

void TfrmSelectSite::btnImportClick()
{
    const qint64 selected = SelectedID();
    Guarded([this] { TCommandRegistry::Instance().Open(QLatin1StringView(ImportWindow), this, 0); });
    // The import adds websites and leaves none open.
    Guarded([this, selected] { FillList(selected); });
    UpdateCancelCaption();
}
