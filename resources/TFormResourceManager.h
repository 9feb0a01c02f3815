#pragma once

#include <QObject>
#include <QString>

// Placed on every window, frame and data module that shows text: it tells its
// owner when the language changes, so that the owner sets its captions again.
class TFormResourceManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int LanguageID READ LanguageID)
    Q_PROPERTY(QString ResourcePath READ ResourcePath)

public:
    explicit TFormResourceManager(QObject* parent = nullptr);
    ~TFormResourceManager() override;

    int LanguageID() const;
    QString ResourcePath() const;

    void NotifyResourceChange();

signals:
    void OnResourceChange(TFormResourceManager* sender);
};
