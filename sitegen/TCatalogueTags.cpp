#include "TCatalogueTags.h"

#include "TCategory.h"
#include "TDataSet.h"
#include "TFileWriter.h"
#include "TGlobalResourceManager.h"
#include "TMerchant.h"
#include "TPageText.h"
#include "TPaths.h"
#include "TProduct.h"
#include "TTheme.h"
#include "TdmSiteProducer.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace {

QString H(const QString& text)
{
    return TdmSiteProducer::HtmlText(text);
}

// "%f": two decimals. Always "." whatever the user's locale: these values go
// into hidden fields and the cart script, which read them as numbers.
QString Fixed(qint64 units)
{
    return TMoney::FromUnits(units).Format(2);
}

QString FixedNumber(double value)
{
    return QString::number(value, 'f', 2);
}

// A rate per cent as the cart reads it: 10 is "0.1".
QString Fraction(double percent)
{
    return QString::number(percent / 100.0, 'g', 12);
}

QStringList Lines(const QString& text)
{
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

const char* const SlotTags[] = {"LargeImage", "BuyBtn", "InfoBtn", "DetailedDescription", "DomPrice", "IntPrice",
                                "TaxInfo", "IntTaxInfo", "Form", "hiddenfields", "productname", "customfields"};

} // namespace

TCatalogueTags::TCatalogueTags(TdmSiteProducer& producer)
    : m_producer(producer)
{
    Register();
}

TCatalogueTags::~TCatalogueTags() = default;

void TCatalogueTags::SetCategory(const QString& categoryId)
{
    m_category.Reset();
    auto categories = std::make_shared<TQuery>(m_producer.StorePtr(),
                                               QStringLiteral("SELECT * FROM Categories WHERE CAST(CategoryID AS INTEGER) = ?1"),
                                               QVariantList{categoryId.trimmed().toLongLong()});
    categories->Open();
    if (!categories->IsEmpty())
        m_category = TRef<TCategory>(new TCategory(categories));
    m_products = std::make_shared<TQuery>(
        m_producer.StorePtr(),
        QStringLiteral("SELECT * FROM Products WHERE Enabled = 1 AND CAST(CategoryID AS INTEGER) = ?1 "
                       "ORDER BY \"Order\", CAST(ProductID AS INTEGER)"),
        QVariantList{categoryId.trimmed().toLongLong()});
    m_products->Open();
    m_nextProduct = 0;
}

void TCatalogueTags::SetProduct(TRef<TProduct> product)
{
    m_product = std::move(product);
    m_linkOpen = false;
}

void TCatalogueTags::ClearCaches()
{
    m_taxes.clear();
    m_lists.clear();
}

bool TCatalogueTags::HasDetailPage() const
{
    return m_product && m_producer.Merchant().Field(QStringLiteral("CreateDetPg")).AsBoolean() && m_product->DetPage();
}

QString TCatalogueTags::DetailFileName(const QString& productId)
{
    return QStringLiteral("prod") + TPageText::SafeFileName(productId) + QStringLiteral(".htm");
}

QString TCatalogueTags::ExpandSlot(const QString& text, int slot)
{
    QString t = text;
    t.remove(QStringLiteral("~#/%1").arg(slot));
    t.remove(QStringLiteral("~#%1").arg(slot));
    for (const char* tag : SlotTags)
        t.replace(QStringLiteral("#%1%2#").arg(QLatin1StringView(tag)).arg(slot),
                  QStringLiteral("<#%1>").arg(QLatin1StringView(tag)), Qt::CaseInsensitive);
    return t;
}

QString TCatalogueTags::ExpandAllSlots(const QString& text)
{
    QString t = text;
    for (int slot = 1; slot <= 9 && t.contains(QStringLiteral("#BuyBtn%1#").arg(slot), Qt::CaseInsensitive); ++slot)
        t = ExpandSlot(t, slot);
    return t;
}

QString TCatalogueTags::RemoveSlots(const QString& text, int from)
{
    QString t = text;
    for (int n = from; n <= 9; ++n) {
        const qsizetype start = t.indexOf(QStringLiteral("~#%1").arg(n));
        if (start < 0)
            break;
        const QString endMarker = QStringLiteral("~#/%1").arg(n);
        const qsizetype end = t.indexOf(endMarker, start);
        // A slot without its end marker loses only its start marker.
        t.remove(start, end < 0 ? 2 + QString::number(n).size() : end + endMarker.size() - start);
    }
    return t;
}

const TCatalogueTags::Tax& TCatalogueTags::ProductTax()
{
    static const Tax none;
    if (!m_product)
        return none;
    const qint64 id = m_product->Field(QStringLiteral("CostExTax")).AsLargeInt();
    auto it = m_taxes.find(id);
    if (it == m_taxes.end()) {
        Tax tax;
        TStatement s(m_producer.Store(), QStringLiteral("SELECT TaxName, TaxPercentage, International FROM Taxes WHERE TaxID = ?1"));
        s.Bind(1, id);
        if (s.Step()) {
            tax.found = true;
            tax.name = s.Value(0).toString();
            tax.rate = s.Value(1).toDouble();
            tax.international = s.Value(2).toDouble();
        }
        it = m_taxes.insert(id, tax);
    }
    return it.value();
}

QString TCatalogueTags::MoneyText(qint64 units) const
{
    return TdmSiteProducer::CurrencySymbol() + Fixed(units);
}

void TCatalogueTags::CopyPicture(const QString& stored, const QString& url) const
{
    if (m_producer.outputFolder.isEmpty() || url.isEmpty())
        return;
    const QString path = TPaths::FromWindows(stored);
    QString source = QFileInfo(path).isAbsolute() ? path : TPaths::Resolve(m_producer.StoreFolder(), path);
    if (source.isEmpty() || !QFileInfo(source).isFile())
        source = TPageText::FindStoreImage(stored, m_producer.StoreFolder());
    // A picture that cannot be copied leaves the page naming it.
    TFileWriter::CopyKeepingDate(source, TPaths::WithTrailingSlash(m_producer.outputFolder) + url);
}

QString TCatalogueTags::Picture(const QString& column, bool large, bool thumbnail)
{
    if (!m_product)
        return QString();
    const TThemeLayout* layout = m_producer.CurrentLayout();
    const bool border = layout && (large ? layout->borderLargeImages : layout->borderSmallImages);
    const QString b = border ? QStringLiteral("border=1") : QStringLiteral("border=0");
    const QString space = thumbnail ? QStringLiteral("HSPACE = 10 VSPACE = 3 align = left ") : QString();
    if (m_producer.mode == TProducerMode::Preview) {
        const QString sample = m_producer.programFolder + (large ? QStringLiteral("Sample.gif") : QStringLiteral("SampleLarge.gif"));
        if (!large)
            return QStringLiteral("<img src=\"%1\" %2>").arg(H(sample), b);
        return QStringLiteral("<img src=\"%1\"  %2ALT=\"Sample Product\" %3>").arg(H(sample), space, b);
    }
    const QString stored = m_product->Field(column).AsString();
    const QString url = TPageText::GetURLforFile(stored);
    if (stored.isEmpty() || url.isEmpty())
        return QString();
    CopyPicture(stored, url);
    const QString name = H(m_product->Name());
    if (!large) {
        // Closes the link <#ProductLinkOnly> opened, and only that one.
        const QString close = m_linkOpen ? QStringLiteral("</a>") : QString();
        m_linkOpen = false;
        return QStringLiteral("<img src=\"%1\"  ALT=\"%2\" %3>").arg(H(url), name, b) + close;
    }
    const QString image = QStringLiteral("<img src=\"%1\"  %2ALT=\"%3\" %4>").arg(H(url), space, name, b);
    if (HasDetailPage())
        return QStringLiteral("<a href=\"%1\">").arg(H(DetailFileName(QString::number(m_product->ID()))))
            + image + QStringLiteral("</a>");
    return image;
}

QString TCatalogueTags::Description(const QString& text) const
{
    if (m_producer.mode == TProducerMode::Preview || m_producer.outputFolder.isEmpty())
        return text;
    return TPageText::LocaliseImageReferences(text, QStringLiteral("images/"), QString(),
                                              TPaths::WithTrailingSlash(m_producer.outputFolder) + QStringLiteral("images/"));
}

QString TCatalogueTags::HiddenFields()
{
    if (!m_product)
        return QStringLiteral("</FORM>");
    const TProduct& p = *m_product;
    const Tax& tax = ProductTax();
    auto field = [](const char* name, const QString& value) {
        return QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">\r\n").arg(QLatin1StringView(name), H(value));
    };
    QString out;
    out += field("pid", QString::number(p.ID()));
    out += field("pde", p.Name());
    out += field("pdp", Fixed(p.Cost().Units()));
    out += field("fpi1", Fixed(p.PerUnitShippingCharge1().Units()));
    out += field("fpi2", Fixed(p.PerUnitShippingCharge2().Units()));
    out += field("fpi3", Fixed(p.PerUnitShippingCharge3().Units()));
    out += field("mid", QString::number(m_producer.Merchant().ID()));
    out += field("puw", FixedNumber(p.PerUnitWeight()));
    // A product whose tax is gone is sold without tax: the page stays valid.
    out += QStringLiteral("<input type=\"hidden\" name=\"dtax\" value=\"%1\">").arg(Fraction(tax.found ? tax.rate : 0));
    out += QStringLiteral("<input type=\"hidden\" name=\"itax\" value=\"%1\">").arg(Fraction(tax.found ? tax.international : 0));
    out += QStringLiteral("<input type=\"hidden\" name=\"pdpxtax\" value=\"%1\">").arg(Fixed(p.Cost().Units()));
    out += field("pcd", p.Code());
    out += QStringLiteral("</FORM>");
    return out;
}

QString TCatalogueTags::ListControl(const QString& lines, const QString& name)
{
    const QString control = QStringLiteral("CF_Field%1Value").arg(customFieldCounter);
    QString out = QStringLiteral("<input type=\"hidden\" name=\"CF_Field%1Name\" value=\"%2\">").arg(customFieldCounter).arg(H(name));
    out += QStringLiteral("<select name=\"%1\" size=\"1\">").arg(control);
    for (const QString& line : Lines(lines))
        out += QStringLiteral("<option>%1</option>").arg(H(line));
    out += QStringLiteral("</select>");
    return out;
}

QString TCatalogueTags::CustomFieldControlFor(qint64 id, const QString& name) const
{
    TStatement s(m_producer.Store(), QStringLiteral("SELECT CustomFieldType, MinValue, MaxValue, DefaultValue, "
                                                    "CustomFieldDescription, ValueList FROM CustomFields WHERE CustomFieldID = ?1"));
    s.Bind(1, id);
    if (!s.Step())
        return QString();
    const QString type = s.Value(0).toString().toLower();
    const int width = int(std::lround(s.Value(1).toDouble()));
    const int height = int(std::lround(s.Value(2).toDouble()));
    const QString defaultValue = s.Value(3).toString();
    const QString control = QStringLiteral("CF_Field%1Value").arg(customFieldCounter);
    QString out = QStringLiteral("<input type=\"hidden\" name=\"CF_Field%1Name\" value=\"%2\">").arg(customFieldCounter).arg(H(name));
    auto options = [&] {
        QString o;
        for (const QString& line : Lines(s.Value(5).toString()))
            o += (line == defaultValue ? QStringLiteral("<option selected>%1</option>\r\n") : QStringLiteral("<option>%1</option>\r\n"))
                     .arg(H(line));
        return o;
    };
    if (type.contains(QStringLiteral("single")))
        out += QStringLiteral("<input type=\"text\" size=\"%1\" name=\"%2\" value=\"%3\">").arg(width).arg(control, H(defaultValue));
    else if (type.contains(QStringLiteral("multiple")))
        out += QStringLiteral("<textarea name=\"%1\" rows=\"%2\" cols=\"%3\">%4</textarea>").arg(control).arg(height).arg(width).arg(H(defaultValue));
    else if (type.contains(QStringLiteral("check")))
        out += QStringLiteral("<input type=\"checkbox\" name=\"%1\" %2> %3")
                   .arg(control, defaultValue == u"True" ? QStringLiteral("checked") : QString(), H(s.Value(4).toString()));
    else if (type.contains(QStringLiteral("drop")))
        out += QStringLiteral("<select name=\"%1\" size=\"1\">\r\n").arg(control) + options() + QStringLiteral("</select>\r\n");
    else
        out += QStringLiteral("<select name=\"%1\" size=\"%2\">\r\n").arg(control).arg(height) + options() + QStringLiteral("</select>\r\n");
    return out;
}

QString TCatalogueTags::CustomFields()
{
    QString out;
    customFieldCounter = 0;
    if (!m_product)
        return QString();
    auto append = [&](const QString& name, const QString& control) {
        customFieldName = name;
        customFieldControl = control;
        ++customFieldCounter;
        out += m_producer.Produce(m_producer.FieldsTemplate());
    };
    if (m_product->UseColor())
        append(QStringLiteral("Color"), ListControl(m_product->Field(QStringLiteral("ProductColor")).AsString(), QStringLiteral("Color")));
    if (m_product->UseSize())
        append(QStringLiteral("Size"), ListControl(m_product->Field(QStringLiteral("ProductSize")).AsString(), QStringLiteral("Size")));
    QList<QPair<qint64, QString>> fields;
    {
        TStatement s(m_producer.Store(), QStringLiteral("SELECT link.CustomFieldID, f.CustomFieldName FROM ProductsCustomFieldsMM AS link "
                                                        "LEFT JOIN CustomFields AS f ON f.CustomFieldID = link.CustomFieldID "
                                                        "WHERE CAST(link.ProductID AS INTEGER) = ?1 ORDER BY link.rowid"));
        s.Bind(1, m_product->ID());
        while (s.Step())
            fields.append({s.Int64(0), s.Value(1).toString()});
    }
    for (const auto& [id, name] : fields) {
        const QString control = CustomFieldControlFor(id, name);
        append(name, control);
    }
    out += QStringLiteral("<input type=\"hidden\" name=\"CF_FieldCount\" value=\"%1\">").arg(customFieldCounter);
    return out;
}

QString TCatalogueTags::FileLocation(bool copy) const
{
    const QString path = TPaths::FromWindows(m_currentFile);
    QString source = QFileInfo(path).isAbsolute() ? path : TPaths::Resolve(m_producer.StoreFolder(), path);
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return m_currentFile; // a web address, or a file that is gone
    const QString url = QStringLiteral("files/") + TPageText::FileName(path);
    if (copy && !m_producer.outputFolder.isEmpty())
        TFileWriter::CopyKeepingDate(source, TPaths::WithTrailingSlash(m_producer.outputFolder) + url);
    return url;
}

QString TCatalogueTags::AdditionalFiles()
{
    if (!m_product)
        return QString();
    QList<QPair<QString, QString>> files;
    {
        TStatement s(m_producer.Store(), QStringLiteral("SELECT Filename, Title FROM ProductFiles WHERE CAST(ProductID AS INTEGER) = ?1 "
                                                        "ORDER BY rowid"));
        s.Bind(1, m_product->ID());
        while (s.Step())
            files.append({s.Value(0).toString(), s.Value(1).toString()});
    }
    QString out;
    for (const auto& [file, title] : files) {
        m_currentFile = file;
        m_currentFileTitle = title;
        out += m_producer.Produce(m_producer.FilesTemplate());
    }
    m_currentFile.clear();
    m_currentFileTitle.clear();
    return out;
}

QString TCatalogueTags::Breadcrumb(const QString& categoryId) const
{
    const QString key = QStringLiteral("trail ") + categoryId.trimmed();
    const auto known = m_lists.constFind(key);
    if (known != m_lists.constEnd())
        return known.value();
    // Walked upwards with every category seen once: a ring of parents ends
    // the trail instead of the program.
    QStringList crumbs;
    QSet<qint64> seen;
    QString id = categoryId.trimmed();
    while (!id.isEmpty()) {
        bool ok = false;
        const qint64 number = id.toLongLong(&ok);
        if (!ok || seen.contains(number))
            break;
        seen.insert(number);
        TStatement s(m_producer.Store(), QStringLiteral("SELECT CategoryName, ParentCategory FROM Categories "
                                                        "WHERE CAST(CategoryID AS INTEGER) = ?1 AND (Status = 0 OR Status IS NULL)"));
        s.Bind(1, number);
        if (!s.Step())
            break;
        crumbs.prepend(QStringLiteral("<a href=\"category%1_1.htm\">%2</a> &gt; ").arg(TPageText::SafeFileName(id), H(s.Value(0).toString())));
        id = s.Value(1).toString().trimmed();
    }
    const QString trail = crumbs.join(QString());
    m_lists.insert(key, trail);
    return trail;
}

QString TCatalogueTags::CategoryLinks(const QString& condition, const QVariantList& values) const
{
    QString key = condition;
    for (const QVariant& v : values)
        key += u'|' + v.toString();
    const auto known = m_lists.constFind(key);
    if (known != m_lists.constEnd())
        return known.value();
    TStatement s(m_producer.Store(), QStringLiteral("SELECT CategoryID, CategoryName FROM Categories WHERE (Status = 0 OR Status IS NULL) AND ")
                                         + condition + QStringLiteral(" ORDER BY ParentCategory, CategoryOrder, rowid"));
    s.BindAll(values);
    QString out;
    while (s.Step())
        out += QStringLiteral("<a href=\"category%1_1.htm\">%2</a><br>")
                   .arg(TPageText::SafeFileName(s.Value(0).toString()), H(s.Value(1).toString()));
    m_lists.insert(key, out);
    return out;
}

bool TCatalogueTags::ProductsRemain() const
{
    return m_products && m_nextProduct < m_products->RecordCount();
}

void TCatalogueTags::WriteDetailPage()
{
    if (!HasDetailPage() || (m_producer.outputFolder.isEmpty() && !detailPageSink))
        return;
    const QString text = ExpandAllSlots(m_producer.ProductTemplate());
    const QString page = TdmSiteProducer::DeclareUtf8(
        m_producer.DecorateProductHead(m_producer.Produce(text), m_product->Name(), m_product->ShortDescription()));
    const QString name = DetailFileName(QString::number(m_product->ID()));
    if (detailPageSink)
        detailPageSink(name, page);
    else
        TFileWriter::WriteIfChanged(TPaths::WithTrailingSlash(m_producer.outputFolder) + name, page.toUtf8());
}

QString TCatalogueTags::ProductList()
{
    if (!m_products)
        return QString();
    const QString brief = m_producer.BriefStyleTemplate();
    QString result;
    int count = 1;
    TMerchant& merchant = m_producer.Merchant();
    const bool search = merchant.Field(QStringLiteral("CreateSearch")).AsBoolean();
    while (count <= m_producer.productsPerPage && ProductsRemain()) {
        QString row = brief;
        int n = 1;
        do {
            m_products->First();
            m_products->MoveBy(m_nextProduct);
            SetProduct(TRef<TProduct>(new TProduct(m_products)));
            row = m_producer.Produce(ExpandSlot(row, n));
            WriteDetailPage();
            if (search) {
                QString text = m_product->Name();
                if (merchant.BriefDescInSearch())
                    text += QStringLiteral(" - ") + m_product->ShortDescription();
                const QString categoryName = m_category ? m_category->Name() : QString();
                m_producer.searchList += QStringLiteral("category%1_%2.htm~%3|^%4*")
                                             .arg(TPageText::SafeFileName(m_producer.currentCategoryID))
                                             .arg(m_producer.pageNumber)
                                             .arg(TdmSiteProducer::CleanSearchText(categoryName), TdmSiteProducer::CleanSearchText(text));
            }
            ++count;
            ++n;
            ++m_nextProduct;
        } while (n <= 9 && row.contains(QStringLiteral("#BuyBtn%1#").arg(n), Qt::CaseInsensitive) && ProductsRemain());
        if (!ProductsRemain())
            row = RemoveSlots(row, n);
        result += row + QStringLiteral("<p>");
    }
    return result;
}

void TCatalogueTags::Register()
{
    TTagRegistry& tags = m_producer.SiteTags();
    auto add = [&tags](std::initializer_list<const char*> names, std::function<QString()> answer) {
        for (const char* name : names)
            tags.Add(QString::fromLatin1(name), TTagCase::Insensitive, [answer](const TTag&) { return answer(); });
    };
    auto inPreview = [this] { return m_producer.mode == TProducerMode::Preview; };
    auto id = [this] { return m_product ? QString::number(m_product->ID()) : QString(); };

    add({"LargeImage"}, [this] { return Picture(QStringLiteral("ImageOverText"), true, false); });
    add({"Thumbnail"}, [this] { return Picture(QStringLiteral("ImageOverText"), true, true); });
    add({"SmallImage"}, [this] { return Picture(QStringLiteral("ImageFile"), false, false); });
    add({"DetailedImage"}, [this] {
        const QString stored = m_product ? m_product->Field(QStringLiteral("ImageFile")).AsString() : QString();
        return stored.isEmpty() ? QString() : u'"' + H(TPageText::GetURLforFile(stored)) + u'"';
    });
    add({"ProductSmallImageLocation"}, [this] {
        return m_product ? H(TPageText::GetURLforFile(m_product->Field(QStringLiteral("ImageFile")).AsString())) : QString();
    });
    add({"ProductImageLocation"}, [this] {
        return m_product ? H(TPageText::GetURLforFile(m_product->Field(QStringLiteral("ImageOverText")).AsString())) : QString();
    });
    add({"BuyBtn"}, [this, inPreview] {
        const TThemeLayout* layout = m_producer.CurrentLayout();
        const QString button = layout ? layout->buyButton.trimmed() : QString();
        const bool standard = button.isEmpty() || button.compare(QStringLiteral("Default"), Qt::CaseInsensitive) == 0;
        if (inPreview())
            return H(standard ? m_producer.Theme().File(QStringLiteral("singlepage/images/buy.gif"))
                              : m_producer.programFolder + QStringLiteral("Buttons/buy/") + TPageText::FileName(button));
        return standard ? QStringLiteral("images/buy.gif") : QStringLiteral("images/") + H(TPageText::FileName(button));
    });
    add({"InfoBtn"}, [this, inPreview, id] {
        const TThemeLayout* layout = m_producer.CurrentLayout();
        // The layout names the picture as "images\Info.gif"; the button is the file of that name.
        const QString name = TPageText::FileName(layout ? layout->infoButton : QString());
        const QString picture = TPaths::Resolve(m_producer.programFolder + QStringLiteral("Buttons/info"), name);
        if (name.isEmpty() || picture.isEmpty() || !QFileInfo(picture).isFile())
            return QString();
        if (inPreview())
            return QStringLiteral("<a href=\"prod.htm\"><img src=\"%1\" border = 0></a>").arg(H(picture));
        if (!HasDetailPage())
            return QString();
        if (!m_producer.outputFolder.isEmpty())
            TFileWriter::CopyKeepingDate(picture, TPaths::WithTrailingSlash(m_producer.outputFolder) + QStringLiteral("images/") + name);
        return QStringLiteral("<a href=\"%1\"><img src=\"images/%2\" border = 0></a>").arg(H(DetailFileName(id())), H(name));
    });
    add({"ProductCode"}, [this] { return m_product ? H(m_product->Code()) : QString(); });
    add({"ProductID"}, id);
    add({"ProductName"}, [this, inPreview] { return inPreview() ? H(LangStr(1446)) : m_product ? H(m_product->Name()) : QString(); });
    add({"LinkedProductName"}, [this, inPreview, id] {
        if (inPreview())
            return QStringLiteral("<a href=\"prod.htm\">Product Name</a>");
        if (!m_product)
            return QString();
        if (!HasDetailPage())
            return H(m_product->Name());
        return QStringLiteral("<a href=\"%1\">%2</a>").arg(H(DetailFileName(id())), H(m_product->Name()));
    });
    add({"ProductLinkOnly"}, [this, inPreview, id] {
        if (inPreview())
            return QStringLiteral("<a href=\"prod.htm\">");
        if (!HasDetailPage())
            return QString();
        m_linkOpen = true;
        return QStringLiteral("<a href=\"%1\">").arg(H(DetailFileName(id())));
    });
    add({"Price", "PriceExTax"}, [this] { return m_product ? Fixed(m_product->Cost().Units()) : QString(); });
    add({"DisplayPrice", "DisplayPriceExTax"}, [this] { return m_product ? H(MoneyText(m_product->Cost().Units())) : QString(); });
    add({"PerUnitWeight"}, [this] { return m_product ? FixedNumber(m_product->PerUnitWeight()) : QString(); });
    add({"LocalFreight"}, [this] { return m_product ? Fixed(m_product->PerUnitShippingCharge1().Units()) : QString(); });
    add({"InterstateFreight"}, [this] { return m_product ? Fixed(m_product->PerUnitShippingCharge2().Units()) : QString(); });
    add({"InternationalFreight"}, [this] { return m_product ? Fixed(m_product->PerUnitShippingCharge3().Units()) : QString(); });
    add({"Inventory"}, [this] {
        return m_product ? QString::number(std::llround(m_product->Field(QStringLiteral("Inventory")).AsFloat())) : QString();
    });
    add({"Backorderable"}, [this] {
        return m_product && m_product->Field(QStringLiteral("Backorderable")).AsBoolean() ? QStringLiteral("Yes") : QStringLiteral("No");
    });
    auto withTax = [this](double percent) {
        const TMoney cost = m_product->Cost();
        return cost + cost.PercentOf(qint64(std::llround(percent * 100)));
    };
    auto international = [this] {
        TMerchant& merchant = m_producer.Merchant();
        return merchant.AcceptInternationalOrders() && merchant.Field(QStringLiteral("IntPriceInCat")).AsBoolean();
    };
    add({"DomPrice"}, [this, inPreview, withTax] {
        if (inPreview())
            return H(MoneyText(999900));
        return m_product ? H(MoneyText(withTax(ProductTax().rate).Units())) : QString();
    });
    add({"IntPrice"}, [this, inPreview, withTax, international] {
        if (!international() || !m_product)
            return QString();
        if (inPreview())
            return H(MoneyText(999900));
        const Tax& tax = ProductTax();
        return tax.international == tax.rate ? QString() : H(MoneyText(withTax(tax.international).Units()));
    });
    add({"TaxInfo"}, [this, inPreview] {
        if (inPreview())
            return H(LangStr(1442));
        const Tax& tax = ProductTax();
        if (!m_product || !tax.found || tax.name == u"No Tax")
            return QString();
        if (tax.international != tax.rate && m_producer.Merchant().AcceptInternationalOrders())
            return H(LangStr(1448).arg(tax.name, m_producer.Merchant().CountryName()));
        return H(LangStr(1449).arg(tax.name));
    });
    add({"IntTaxInfo"}, [this, inPreview, international] {
        if (!international())
            return QString();
        if (inPreview())
            return H(LangStr(1443));
        const Tax& tax = ProductTax();
        return m_product && tax.international != tax.rate ? H(LangStr(1443)) : QString();
    });
    add({"quantity"}, [this] {
        return m_producer.Merchant().Field(QStringLiteral("ShowQty")).AsBoolean()
            ? QStringLiteral("<br><b> QTY: </b> <input type=\"text\" name=\"qty\" maxlength=\"15\" size=\"5\" value=\"1\">")
            : QStringLiteral("<br><input type=\"hidden\" name=\"qty\" value=\"1\">");
    });
    add({"BriefDescription", "DetailedDescription"}, [this, inPreview] {
        return inPreview() ? H(LangStr(907)) : m_product ? Description(m_product->ShortDescription()) : QString();
    });
    add({"ProductBriefDescription"}, [this, inPreview] {
        return inPreview() ? H(LangStr(908)) : m_product ? Description(m_product->LongDescription()) : QString();
    });
    add({"CategoryDescription"}, [this] { return m_category ? Description(m_category->Description()) : QString(); });
    add({"hiddenfields"}, [this] { return HiddenFields(); });
    add({"CustomFields"}, [this] { return CustomFields(); });
    add({"CustomFieldName"}, [this] { return H(customFieldName); });
    add({"CustomFieldControl"}, [this] { return customFieldControl; });
    add({"ColorCombo"}, [this] {
        return m_product ? ListControl(m_product->Field(QStringLiteral("ProductColor")).AsString(), QStringLiteral("Color")) : QString();
    });
    add({"SizeCombo"}, [this] {
        return m_product ? ListControl(m_product->Field(QStringLiteral("ProductSize")).AsString(), QStringLiteral("Size")) : QString();
    });
    add({"AdditionalFiles"}, [this] { return AdditionalFiles(); });
    add({"AdditionalFileTitle", "FileDescription"}, [this] { return H(m_currentFileTitle); });
    add({"FileLocation"}, [this] { return H(FileLocation(m_producer.mode == TProducerMode::Build)); });
    add({"CategoryName", "CatName"}, [this] { return m_category ? H(m_category->Name()) : QString(); });
    add({"CategoryID"}, [this] { return m_category ? QString::number(m_category->ID()) : QString(); });
    add({"CategoryLinkOnly"}, [this, inPreview] {
        if (inPreview() || !m_category)
            return QString();
        return QStringLiteral("<a href=\"category%1_%2.htm\">").arg(TPageText::SafeFileName(QString::number(m_category->ID()))).arg(m_producer.pageNumber);
    });
    add({"HorizontalCategory"}, [this] {
        QString trail = Breadcrumb(m_product ? QString::number(m_product->CategoryID()) : QString());
        if (trail.endsWith(QStringLiteral(" &gt; ")))
            trail.chop(6);
        if (trail.trimmed().isEmpty() && m_category)
            return QStringLiteral("<a href=\"category%1_1.htm\">%2</a>")
                .arg(TPageText::SafeFileName(QString::number(m_category->ID())), H(m_category->Name()));
        return trail;
    });
    add({"SubCategoriesTable"}, [this] {
        return m_category ? CategoryLinks(QStringLiteral("CAST(ParentCategory AS INTEGER) = ?1 AND TRIM(ParentCategory) <> ''"),
                                          {m_category->ID()})
                          : QString();
    });
    add({"SubCategoriesHeading"}, [this] {
        const bool any = m_category && !CategoryLinks(QStringLiteral("CAST(ParentCategory AS INTEGER) = ?1 AND TRIM(ParentCategory) <> ''"),
                                                      {m_category->ID()})
                                             .isEmpty();
        return any ? H(LangStr(1445)) : QString();
    });
    add({"VertCat"}, [this] {
        return CategoryLinks(QStringLiteral("(ParentCategory IS NULL OR TRIM(ParentCategory) = '' OR TRIM(ParentCategory) = '0')"), {});
    });
    add({"HorizontalCategoryNavigation"}, [this] {
        const QString id = TPageText::SafeFileName(m_producer.currentCategoryID);
        QString out;
        if (m_producer.pageNumber != 1)
            out += QStringLiteral("&lt; <a href=\"category%1_%2.htm\">Previous Page</a>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;").arg(id).arg(m_producer.pageNumber - 1);
        if (ProductsRemain())
            out += QStringLiteral("<a href=\"category%1_%2.htm\">Next Page</a> &gt;<p>").arg(id).arg(m_producer.pageNumber + 1);
        return out;
    });
    add({"Product"}, [this] { return m_producer.Produce(m_producer.DetailedStyleTemplate()); });
    add({"ProductList"}, [this] { return ProductList(); });
}
