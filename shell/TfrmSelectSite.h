#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QWebEngineView;
class TFormResourceManager;
class TWebsites;

// The website selection: the merchant picks the website to work on, makes a new
// one from the template, lists an existing folder, renames, deletes, or imports
// websites of earlier releases. It ends accepted when a website was opened.
class TfrmSelectSite : public QDialog
{
    Q_OBJECT

public:
    // The earlier-release import registers its window under this name
    // (TCommandRegistry); the import button is enabled once it has. The opener
    // gets this dialog as owner and is followed by a fresh look at the list.
    static constexpr const char* ImportWindow = "TImportHaldenWebsitesForm";
    // How a folder is asked for (a folder dialog unless replaced; empty: cancelled).
    using FolderChooser = std::function<QString(QWidget* parent, const QString& caption)>;

    explicit TfrmSelectSite(QWidget* parent = nullptr);
    ~TfrmSelectSite() override;

    // Registers the selection under WindowNames::SelectSite. With
    // sampleStoreAtStart the first selection opens the sample store directly
    // (the selection is shown when that cannot be done).
    static void Register(bool sampleStoreAtStart = false);
    // Replaces the folder dialog (tests); an empty chooser restores it.
    static void SetFolderChooser(FolderChooser chooser);

    TWebsites& Websites() { return *m_websites; }
    // The website of the selected entry (TWebsites::SampleStoreID for the
    // sample store); -1 when nothing is selected.
    qint64 SelectedID() const;
    bool SelectID(qint64 id);
    // The page the preview shows for the selection (empty when there is none).
    const QString& PreviewText() const { return m_previewHtml; }

    // Cancel, Escape and closing the window: with no website open the merchant
    // is asked whether to leave the program.
    void reject() override;

    QLabel* lblWebsites = nullptr;
    QListWidget* lstWebsites = nullptr;
    QWebEngineView* WebBrowser1 = nullptr;
    QPushButton* btnNew = nullptr;
    QPushButton* btnAddExisting = nullptr;
    QPushButton* btnEditInfo = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnImport = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

signals:
    // The preview has finished loading its page.
    void PreviewLoaded(bool ok);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormResourceManagerResourceChange();
    void lstWebsitesSelectionChange();
    void btnOKClick();
    void btnNewClick();
    void btnAddExistingClick();
    void btnEditInfoClick();
    void btnDeleteClick();
    void btnImportClick();

    // Lists the sample store (when present) and the table's rows, selecting the
    // given website or, failing that, the first entry.
    void FillList(qint64 select);
    void RenderPreview();
    void UpdateButtons();
    void UpdateCancelCaption();
    // Runs a command; a failure is shown, not passed on.
    void Guarded(const std::function<void()>& command);

    std::unique_ptr<TWebsites> m_websites;
    TFormResourceManager* FormResourceManager = nullptr;
    QString m_previewHtml;
};
