#include "CommerceStore.h"
#include "EFreightRangeRefused.h"
#include "TFreightModes.h"
#include "TFreightRanges.h"
#include "TGlobalResourceManager.h"
#include "TestSupport.h"

#include <QtTest>

// A range as the tests write it: "1:0-100" is mode 1 from 0 to 100.
static TFreightRangeEntry Entry(const QString& text, double percentage = 0.0)
{
    const QStringList modeAndBounds = text.split(u':');
    const QStringList bounds = modeAndBounds[1].split(u'/');
    TFreightRangeEntry entry;
    entry.mode = modeAndBounds[0].toUInt();
    entry.lower = bounds[0].toDouble();
    entry.upper = bounds[1].toDouble();
    entry.percentages = {percentage, percentage, percentage};
    return entry;
}

class tst_TFreightRanges : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rangeRules_data();
    void rangeRules();
    void percentageAboveHundredInOneZone_data();
    void percentageAboveHundredInOneZone();
    void weightRangeKeepsItsBoundsAsEntered();
    void addedRangeHoldsItsValues();
    void filterShowsOneModeAndChecksSeeThemAll();
    void itemsKeepTheCursorWhenAlreadyThere();
    void modeNames_data();
    void modeNames();

private:
    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::shared_ptr<TDatabase> m_db;
    TRef<TFreightRanges> m_ranges;
};

void tst_TFreightRanges::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    m_db = AttachCommerceStore(*m_app, m_env.NewFolder(QStringLiteral("store")), TStoreKind::NewWebsite);
    m_ranges = m_app->FreightRanges();
}

void tst_TFreightRanges::cleanup()
{
    m_ranges.Reset();
    m_app.reset();
    m_db.reset();
}

void tst_TFreightRanges::rangeRules_data()
{
    // Bounds are written lower/upper as entered; "/" keeps negative-free text simple.
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("added");
    QTest::addColumn<double>("percentage");
    QTest::addColumn<int>("refusal"); // 0: accepted

    QTest::newRow("ranges sharing an end point collide") << QStringList{"1:0/100"} << "1:100/200" << 0.0 << 866;
    QTest::newRow("ranges a cent apart do not") << QStringList{"1:0/99.99"} << "1:100/200" << 0.0 << 0;
    QTest::newRow("lower end touching") << QStringList{"1:100/200"} << "1:0/100" << 0.0 << 866;
    QTest::newRow("inside a range") << QStringList{"1:0/1000"} << "1:10/20" << 0.0 << 866;
    QTest::newRow("around a range") << QStringList{"1:10/20"} << "1:0/1000" << 0.0 << 866;
    QTest::newRow("one point on a range") << QStringList{"1:10/20"} << "1:15/15" << 0.0 << 866;
    QTest::newRow("between two ranges") << QStringList{"1:0/9.99", "1:20/30"} << "1:10/19.99" << 0.0 << 0;
    QTest::newRow("amount and percentage modes never collide") << QStringList{"1:0/100"} << "5:0/100" << 10.0 << 0;
    QTest::newRow("amount and weight modes never collide") << QStringList{"1:0/100"} << "3:0/100" << 0.0 << 0;
    QTest::newRow("weight and amount modes never collide") << QStringList{"3:0/100", "5:0/100"} << "1:50/60" << 0.0 << 0;
    QTest::newRow("percentage ranges collide among themselves") << QStringList{"5:0/100"} << "5:100/200" << 10.0 << 866;
    QTest::newRow("reversed amount bounds") << QStringList() << "1:200/100" << 0.0 << 864;
    QTest::newRow("reversed percentage bounds") << QStringList() << "5:200/100" << 10.0 << 864;
    QTest::newRow("reversed weight bounds are accepted") << QStringList() << "3:200/100" << 0.0 << 0;
    QTest::newRow("a reversed weight range is compared from its smaller bound")
        << QStringList{"3:200/100"} << "3:150/160" << 0.0 << 866;
    QTest::newRow("touching a reversed weight range at its smaller bound")
        << QStringList{"3:200/100"} << "3:50/100" << 0.0 << 866;
    QTest::newRow("below a reversed weight range") << QStringList{"3:200/100"} << "3:0/99.5" << 0.0 << 0;
    QTest::newRow("a reversed new weight range overlapping") << QStringList{"3:0/100"} << "3:150/100" << 0.0 << 866;
    QTest::newRow("percentage of 100 in every zone") << QStringList() << "5:0/100" << 100.0 << 0;
    QTest::newRow("percentage of 100.01") << QStringList() << "5:0/100" << 100.01 << 865;
    QTest::newRow("percentage is checked before the overlap") << QStringList{"5:0/100"} << "5:50/60" << 150.0 << 865;
    QTest::newRow("reversed bounds are checked before the percentage") << QStringList() << "5:200/100" << 150.0 << 864;
    QTest::newRow("percentages do not matter for amount ranges") << QStringList() << "1:0/100" << 150.0 << 0;
}

void tst_TFreightRanges::rangeRules()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, added);
    QFETCH(double, percentage);
    QFETCH(int, refusal);

    for (const QString& range : existing)
        m_ranges->AddRange(Entry(range, 10.0));
    const qint64 before = RowCount(*m_db, QStringLiteral("FreightModeRanges"));
    QCOMPARE(before, qint64(existing.size()));

    int refusedWith = 0;
    TMessenger::Kind kind = TMessenger::Kind::Error;
    try {
        m_ranges->AddRange(Entry(added, percentage));
    } catch (const EFreightRangeRefused& e) {
        refusedWith = e.LanguageString();
        kind = e.Kind();
        QCOMPARE(e.Message(), LangStr(refusedWith));
        QVERIFY(!e.Message().isEmpty());
    }
    QCOMPARE(refusedWith, refusal);
    if (refusal == 0) {
        QCOMPARE(RowCount(*m_db, QStringLiteral("FreightModeRanges")), before + 1);
    } else {
        QCOMPARE(RowCount(*m_db, QStringLiteral("FreightModeRanges")), before); // nothing is added
        QCOMPARE(kind, refusal == 866 ? TMessenger::Kind::Warning : TMessenger::Kind::Information);
    }
}

void tst_TFreightRanges::percentageAboveHundredInOneZone_data()
{
    QTest::addColumn<int>("zone");
    QTest::newRow("local") << 0;
    QTest::newRow("domestic") << 1;
    QTest::newRow("international") << 2;
}

void tst_TFreightRanges::percentageAboveHundredInOneZone()
{
    QFETCH(int, zone);
    TFreightRangeEntry entry = Entry(QStringLiteral("5:0/100"), 100.0);
    entry.percentages[size_t(zone)] = 100.01;
    QVERIFY_THROWS_EXCEPTION(EFreightRangeRefused, m_ranges->CheckNewRange(entry));
    try {
        m_ranges->AddRange(entry);
    } catch (const EFreightRangeRefused& e) {
        QCOMPARE(e.LanguageString(), 865);
    }
    QCOMPARE(RowCount(*m_db, QStringLiteral("FreightModeRanges")), 0);
}

void tst_TFreightRanges::weightRangeKeepsItsBoundsAsEntered()
{
    TRef<TFreightRange> range = m_ranges->AddRange(Entry(QStringLiteral("3:200/100")));
    QCOMPARE(range->MinWeight(), 200.0);
    QCOMPARE(range->MaxWeight(), 100.0);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT MinWeight FROM FreightModeRanges")).toDouble(), 200.0);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT MaxWeight FROM FreightModeRanges")).toDouble(), 100.0);
    // The amount bounds stay untouched for a weight range.
    QVERIFY(m_db->Scalar(QStringLiteral("SELECT Minimum FROM FreightModeRanges")).isNull());
}

void tst_TFreightRanges::addedRangeHoldsItsValues()
{
    TFreightRangeEntry amount = Entry(QStringLiteral("1:0/99.99"));
    amount.charges = {*TMoney::Parse(QStringLiteral("5.5")), *TMoney::Parse(QStringLiteral("7.1234")),
                      *TMoney::Parse(QStringLiteral("19.99995"))};
    TFreightRangeEntry percent = Entry(QStringLiteral("5:100/250"));
    percent.percentages = {2.5, 5.0, 12.75};
    m_ranges->AddRange(amount);
    m_ranges->AddRange(percent);

    TStatement rows(*m_db, QStringLiteral("SELECT ModeType, Minimum, Maximum, AmountLocal, AmountInterstate, AmountInternational, "
                                          "PercentageLocal, PercentageInterstate, PercentageInternational "
                                          "FROM FreightModeRanges ORDER BY rowid"));
    QVERIFY(rows.Step());
    QCOMPARE(rows.Value(0).toLongLong(), 1);
    QCOMPARE(rows.Value(1).toDouble(), 0.0);
    QCOMPARE(rows.Value(2).toDouble(), 99.99);
    QCOMPARE(rows.Value(3).toLongLong(), 55000);   // ten-thousandths
    QCOMPARE(rows.Value(4).toLongLong(), 71234);
    QCOMPARE(rows.Value(5).toLongLong(), 200000);  // 19.99995 rounds to 20.0000
    QVERIFY(rows.Step());
    QCOMPARE(rows.Value(0).toLongLong(), 5);
    QCOMPARE(rows.Value(6).toDouble(), 2.5);
    QCOMPARE(rows.Value(7).toDouble(), 5.0);
    QCOMPARE(rows.Value(8).toDouble(), 12.75);
    QVERIFY(!rows.Step());

    TRef<TFreightRange> first = m_ranges->Items(0);
    QCOMPARE(first->AmountInternational().Format(4), QStringLiteral("20.0000"));
    QCOMPARE(first->AmountDomestic().Format(4), QStringLiteral("7.1234"));
}

void tst_TFreightRanges::filterShowsOneModeAndChecksSeeThemAll()
{
    m_ranges->AddRange(Entry(QStringLiteral("1:0/100")));
    m_ranges->AddRange(Entry(QStringLiteral("3:0/100")));
    m_ranges->AddRange(Entry(QStringLiteral("3:101/200")));
    m_ranges->AddRange(Entry(QStringLiteral("5:0/100"), 10.0));

    m_ranges->ShowMode(3);
    QCOMPARE(m_ranges->Count(), 2);
    QCOMPARE(m_ranges->Items(1)->MinWeight(), 101.0);
    // A range of a mode the editor does not show still blocks its own mode.
    QVERIFY_THROWS_EXCEPTION(EFreightRangeRefused, m_ranges->CheckNewRange(Entry(QStringLiteral("1:50/60"))));
    m_ranges->ShowAllModes();
    QCOMPARE(m_ranges->Count(), 4);
    QCOMPARE(RowCount(*m_db, QStringLiteral("FreightModeRanges")), 4);
}

void tst_TFreightRanges::itemsKeepTheCursorWhenAlreadyThere()
{
    for (const char* range : {"1:0/10", "1:11/20", "1:21/30"})
        m_ranges->AddRange(Entry(QString::fromLatin1(range)));
    TRef<TFreightRange> second = m_ranges->Items(1);
    QCOMPARE(second->Minimum(), 11.0);
    QCOMPARE(m_ranges->Items(2)->Minimum(), 21.0);
    try {
        m_ranges->Items(3);
        QFAIL("a position past the end was accepted");
    } catch (const EQuorvisError& e) {
        QCOMPARE(e.Message(), LangStr(1277));
    }
    // Deleting a range leaves the others.
    second->Delete();
    QCOMPARE(m_ranges->Count(), 2);
    QCOMPARE(m_ranges->Items(1)->Minimum(), 21.0);
}

void tst_TFreightRanges::modeNames_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("nameString");
    QTest::addColumn<int>("kind");
    QTest::newRow("by order amount") << 1 << 859 << int(TFreightRangeKind::Amount);
    QTest::newRow("base charge") << 2 << 860 << int(TFreightRangeKind::None);
    QTest::newRow("by weight") << 3 << 861 << int(TFreightRangeKind::Weight);
    QTest::newRow("per product") << 4 << 862 << int(TFreightRangeKind::None);
    QTest::newRow("percentage") << 5 << 863 << int(TFreightRangeKind::Percentage);
    QTest::newRow("unknown") << 6 << 0 << int(TFreightRangeKind::None);
}

void tst_TFreightRanges::modeNames()
{
    QFETCH(int, mode);
    QFETCH(int, nameString);
    QFETCH(int, kind);
    QCOMPARE(TFreightModes::Name(mode), nameString ? LangStr(nameString) : QString());
    QCOMPARE(int(TFreightModes::RangeKind(mode)), kind);
    if (nameString)
        QVERIFY(!TFreightModes::Name(mode).isEmpty());
    if (TFreightRangeKind(kind) == TFreightRangeKind::None) {
        // A mode without ranges cannot be given one.
        QVERIFY_THROWS_EXCEPTION(EQuorvisError, m_ranges->AddRange(Entry(QStringLiteral("%1:0/10").arg(mode))));
        QCOMPARE(RowCount(*m_db, QStringLiteral("FreightModeRanges")), 0);
    }
}

QTEST_GUILESS_MAIN(tst_TFreightRanges)
#include "tst_TFreightRanges.moc"
