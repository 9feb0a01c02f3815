#include "TProductFile.h"

namespace {
const QString colID = QStringLiteral("FilenameID");
const QString colProduct = QStringLiteral("ProductID");
const QString colFileName = QStringLiteral("Filename");
const QString colTitle = QStringLiteral("Title");
const QString colDescription = QStringLiteral("Description");
const QString colDescriptionType = QStringLiteral("DescriptionType");
const QString colFileNameImage = QStringLiteral("FilenameImage");
const QString colFileType = QStringLiteral("FileType");
} // namespace

qint64 TProductFile::ID() const { return GetInteger(colID); }
QString TProductFile::ProductID() const { return GetString(colProduct); }
void TProductFile::SetProductID(const QString& id) { SetValue(colProduct, id); }
QString TProductFile::FileName() const { return GetString(colFileName); }
void TProductFile::SetFileName(const QString& name) { SetValue(colFileName, name); }
QString TProductFile::Title() const { return GetString(colTitle); }
void TProductFile::SetTitle(const QString& title) { SetValue(colTitle, title); }
QString TProductFile::Description() const { return GetString(colDescription); }
void TProductFile::SetDescription(const QString& description) { SetValue(colDescription, description); }
int TProductFile::DescriptionType() const { return int(GetInteger(colDescriptionType)); }
void TProductFile::SetDescriptionType(int type) { SetValue(colDescriptionType, type); }
int TProductFile::FileNameImage() const { return int(GetInteger(colFileNameImage)); }
void TProductFile::SetFileNameImage(int image) { SetValue(colFileNameImage, image); }
QString TProductFile::FileType() const { return GetString(colFileType); }
void TProductFile::SetFileType(const QString& type) { SetValue(colFileType, type); }

const TPropertyTable& TProductFile::PropertyTable()
{
    static const TPropertyTable table{
        Published("ID", TPropertyType::Unsigned, &TProductFile::ID),
        Published("ProductID", TPropertyType::String, &TProductFile::ProductID, &TProductFile::SetProductID),
        Published("FileName", TPropertyType::String, &TProductFile::FileName, &TProductFile::SetFileName),
        Published("Title", TPropertyType::String, &TProductFile::Title, &TProductFile::SetTitle),
        Published("Description", TPropertyType::String, &TProductFile::Description, &TProductFile::SetDescription),
        Published("DescriptionType", TPropertyType::Integer, &TProductFile::DescriptionType,
                  &TProductFile::SetDescriptionType),
        Published("FileNameImage", TPropertyType::Integer, &TProductFile::FileNameImage, &TProductFile::SetFileNameImage),
        Published("FileType", TPropertyType::String, &TProductFile::FileType, &TProductFile::SetFileType),
    };
    return table;
}
