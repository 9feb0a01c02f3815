#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TFormResourceManager;

// The name and description of one website of the list. The name is required:
// OK with an empty name (blanks do not count) says so and keeps the dialog open.
class TfrmEditBusinessInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmEditBusinessInfo(QWidget* parent = nullptr);

    void SetBusinessInfo(const QString& name, const QString& description);
    // The name without leading and trailing blanks.
    QString BusinessName() const;
    QString BusinessDesc() const;

    QLabel* lblBusinessName = nullptr;
    QLineEdit* edtBusinessName = nullptr;
    QLabel* lblBusinessDesc = nullptr;
    QPlainTextEdit* memBusinessDesc = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    void FormResourceManagerResourceChange();
    void btnOKClick();

    TFormResourceManager* FormResourceManager = nullptr;
};
