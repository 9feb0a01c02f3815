#include "TMessageBoxMessenger.h"

#include "TGlobalResourceManager.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

QWidget* Owner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString Title()
{
    const QString title = LangStr(754);
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

} // namespace

void TMessageBoxMessenger::Show(Kind kind, const QString& text)
{
    const QMessageBox::Icon icon = kind == Kind::Error     ? QMessageBox::Critical
                                 : kind == Kind::Warning   ? QMessageBox::Warning
                                                           : QMessageBox::Information;
    QMessageBox box(icon, Title(), text, QMessageBox::Ok, Owner());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

bool TMessageBoxMessenger::Confirm(const QString& text)
{
    QMessageBox box(QMessageBox::Question, Title(), text, QMessageBox::Yes | QMessageBox::No, Owner());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
