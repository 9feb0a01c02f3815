#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QProgressBar;
class QPushButton;
class TFormResourceManager;

// The one status window of the program: a message, or a caption with a
// progress bar, with OK or Cancel when the caller asks for them. Callers show
// and hide it themselves (modally when OK is to be pressed), step the bar and
// poll Cancelled. Engines reach it through TStatusProgress only.
class TfrmStatusMsg : public QDialog
{
    Q_OBJECT

public:
    enum Option { ShowOK = 1, ShowCancel = 2 };
    static constexpr int ContentWidth = 225;

    explicit TfrmStatusMsg(QWidget* parent = nullptr);
    ~TfrmStatusMsg() override;

    // The program's status window, made (without owner) on first use.
    static TfrmStatusMsg& Instance();
    // Made by the main window at its creation, owned by it; none is made when one exists.
    static TfrmStatusMsg& CreateInstance(QWidget* owner);

    void ShowText(const QString& text);
    void ShowTextWithOK(const QString& text, int options);
    void ShowProgress(const QString& caption, int options);
    bool Cancelled() const { return m_cancelled; }
    int exec() override;
    void SetCancelled(bool cancelled) { m_cancelled = cancelled; }

    QLabel* lblMessage = nullptr;
    QLabel* lblProgress = nullptr;
    QProgressBar* pbProgress = nullptr;
    QPushButton* btnoK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormResourceManagerResourceChange();
    void btnCancelClick();
    void PlaceMessage();
    void Arrange();

    TFormResourceManager* FormResourceManager = nullptr;
    QImage m_background;
    bool m_cancelled = false;
    int m_modalDepth = 0;
};
