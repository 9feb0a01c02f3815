#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TFormResourceManager;

// Asks for the host name of the secure server that keeps the merchant's
// account. The program does not start without one.
class TfrmSecureServerSelect : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSecureServerSelect(QWidget* parent = nullptr);

    // Shows the dialog until "Settings" "servername" holds a name; false when
    // the merchant cancels (the program then ends).
    static bool EnsureServerName(QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblExplanation = nullptr;
    QLineEdit* edtSecureServer = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    void FormResourceManagerResourceChange();
    void btnOKClick();

    TFormResourceManager* FormResourceManager = nullptr;
};
