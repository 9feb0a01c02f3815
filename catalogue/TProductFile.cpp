#include "TProductFile.h"

namespace {

using P = TPropertyType;
using namespace RecordUse;

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

const Columns& Cols()
{
    static const Columns columns;
    return columns;
}

} // namespace

const TRecordDeclaration& TProductFile::Declaration() { return Cols(); }

qint64 TProductFile::ID() const { return Read(Cols().ID); }
QString TProductFile::ProductID() const { return Read(Cols().ProductID); }
void TProductFile::SetProductID(const QString& id) { Write(Cols().ProductID, id); }
QString TProductFile::FileName() const { return Read(Cols().FileName); }
void TProductFile::SetFileName(const QString& name) { Write(Cols().FileName, name); }
QString TProductFile::Title() const { return Read(Cols().Title); }
void TProductFile::SetTitle(const QString& title) { Write(Cols().Title, title); }
QString TProductFile::Description() const { return Read(Cols().Description); }
void TProductFile::SetDescription(const QString& description) { Write(Cols().Description, description); }
int TProductFile::DescriptionType() const { return Read(Cols().DescriptionType); }
void TProductFile::SetDescriptionType(int type) { Write(Cols().DescriptionType, type); }
int TProductFile::FileNameImage() const { return Read(Cols().FileNameImage); }
void TProductFile::SetFileNameImage(int image) { Write(Cols().FileNameImage, image); }
QString TProductFile::FileType() const { return Read(Cols().FileType); }
void TProductFile::SetFileType(const QString& type) { Write(Cols().FileType, type); }
