#pragma once

#include "TRecordDeclaration.h"

// A file attached to a product: a download (type "File") or a link ("URL").
class TProductFile : public TRecord<TProductFile>
{
public:
    using TRecord::TRecord;

    qint64 ID() const;
    QString ProductID() const;
    void SetProductID(const QString& id);
    QString FileName() const;
    void SetFileName(const QString& name);
    QString Title() const;
    void SetTitle(const QString& title);
    QString Description() const;
    void SetDescription(const QString& description);
    int DescriptionType() const;
    void SetDescriptionType(int type);
    int FileNameImage() const;
    void SetFileNameImage(int image);
    QString FileType() const;
    void SetFileType(const QString& type);

    static const TRecordDeclaration& Declaration();
};
