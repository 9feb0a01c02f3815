#pragma once

#include <QDialog>
#include <QLabel>

class QPushButton;
class TFormResourceManager;

// A label that acts like a link: underlined, a hand cursor, and clicked.
class TLinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TLinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The about box: the product, its version and build, and the two folders the
// merchant most often looks for.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char* BuildDate = "6th February 2001";

    explicit TfrmAbout(QWidget* parent = nullptr);

    QLabel* imgAbout = nullptr;
    QLabel* lblAppName = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblBuild = nullptr;
    QLabel* lblCompany = nullptr;
    TLinkLabel* lblAppLocation = nullptr;
    TLinkLabel* lblDBLocation = nullptr;
    QPushButton* btnClose = nullptr;

private:
    void FormResourceManagerResourceChange();
    void lblAppLocationClick();
    void lblDBLocationClick();

    TFormResourceManager* FormResourceManager = nullptr;
};
