#pragma once

#include "TRecordDeclaration.h"

// A file attached to a product: a download (type "File") or a link ("URL").
class TProductFile : public TRecord<TProductFile>
{
public:
    using TRecord::TRecord;

    qint64 ID() const { return Read(Cols().ID); }
    QString ProductID() const { return Read(Cols().ProductID); }
    void SetProductID(const QString& id) { Write(Cols().ProductID, id); }
    QString FileName() const { return Read(Cols().FileName); }
    void SetFileName(const QString& name) { Write(Cols().FileName, name); }
    QString Title() const { return Read(Cols().Title); }
    void SetTitle(const QString& title) { Write(Cols().Title, title); }
    QString Description() const { return Read(Cols().Description); }
    void SetDescription(const QString& description) { Write(Cols().Description, description); }
    int DescriptionType() const { return Read(Cols().DescriptionType); }
    void SetDescriptionType(int type) { Write(Cols().DescriptionType, type); }
    int FileNameImage() const { return Read(Cols().FileNameImage); }
    void SetFileNameImage(int image) { Write(Cols().FileNameImage, image); }
    QString FileType() const { return Read(Cols().FileType); }
    void SetFileType(const QString& type) { Write(Cols().FileType, type); }

    // The declared columns and properties, in their order.
    struct Columns : TRecordDeclaration
    {
        Columns() : TRecordDeclaration("TProductFile", "ProductFiles") {}
        TColumn<qint64> ID{this, "ID", "FilenameID", P::Unsigned, ReadOnly};
        TColumn<QString> ProductID{this, "ProductID", "ProductID", P::String};
        TColumn<QString> FileName{this, "FileName", "Filename", P::String};
        TColumn<QString> Title{this, "Title", "Title", P::String};
        TColumn<QString> Description{this, "Description", "Description", P::String};
        TColumn<int> DescriptionType{this, "DescriptionType", "DescriptionType", P::Integer};
        TColumn<int> FileNameImage{this, "FileNameImage", "FilenameImage", P::Integer};
        TColumn<QString> FileType{this, "FileType", "FileType", P::String};
    };
    static const Columns& Cols();
};
