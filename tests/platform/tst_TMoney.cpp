#include "TMoney.h"

#include <QLocale>
#include <QtTest>

class tst_TMoney : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void format_data();
    void format();
    void roundTripAtFourDecimals();
    void manySmallAmountsSumExactly();
    void commaLocaleReadsTheSameValue();
    void percentOfRoundsHalfAwayFromZero();
};

void tst_TMoney::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("units");

    QTest::newRow("whole") << "12" << true << qint64(120000);
    QTest::newRow("two decimals") << "12.34" << true << qint64(123400);
    QTest::newRow("four decimals") << "0.0001" << true << qint64(1);
    QTest::newRow("fifth decimal rounds up") << "0.00005" << true << qint64(1);
    QTest::newRow("fifth decimal rounds down") << "0.00004" << true << qint64(0);
    QTest::newRow("negative") << "-3.5" << true << qint64(-35000);
    QTest::newRow("blanks around") << "  7.25 " << true << qint64(72500);
    QTest::newRow("leading point") << ".5" << true << qint64(5000);
    QTest::newRow("trailing point") << "5." << true << qint64(50000);
    QTest::newRow("0.1 is exact") << "0.1" << true << qint64(1000);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("letters") << "12a" << false << qint64(0);
    QTest::newRow("thousands separator") << "1,000.00" << false << qint64(0);
    QTest::newRow("two points") << "1.2.3" << false << qint64(0);
    QTest::newRow("sign only") << "-" << false << qint64(0);
}

void tst_TMoney::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, units);
    const auto m = TMoney::Parse(text);
    QCOMPARE(m.has_value(), valid);
    if (valid)
        QCOMPARE(m->Units(), units);
}

void tst_TMoney::format_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("four") << qint64(123456) << 4 << "12.3456";
    QTest::newRow("two rounds up") << qint64(123456) << 2 << "12.35";
    QTest::newRow("two half rounds away") << qint64(123450) << 2 << "12.35";
    QTest::newRow("negative half rounds away") << qint64(-123450) << 2 << "-12.35";
    QTest::newRow("zero") << qint64(0) << 2 << "0.00";
    QTest::newRow("small negative") << qint64(-1) << 4 << "-0.0001";
    QTest::newRow("negative rounds to zero") << qint64(-1) << 2 << "0.00";
    QTest::newRow("none") << qint64(125000) << 0 << "13";
}

void tst_TMoney::format()
{
    QFETCH(qint64, units);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(TMoney::FromUnits(units).Format(decimals), text);
}

void tst_TMoney::roundTripAtFourDecimals()
{
    for (qint64 units : {qint64(0), qint64(1), qint64(-1), qint64(99999), qint64(123456789), qint64(-50000001)}) {
        const TMoney m = TMoney::FromUnits(units);
        QCOMPARE(TMoney::Parse(m.Format(4))->Units(), units);
    }
}

void tst_TMoney::manySmallAmountsSumExactly()
{
    TMoney sum;
    for (int i = 0; i < 100000; ++i)
        sum += *TMoney::Parse(QStringLiteral("0.01"));
    QCOMPARE(sum.Format(2), QStringLiteral("1000.00"));
    QCOMPARE(sum, TMoney::FromWhole(1000));
}

void tst_TMoney::commaLocaleReadsTheSameValue()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QChar separator = QLocale().decimalPoint().front();
    QCOMPARE(separator, QChar(u','));
    QCOMPARE(TMoney::ParseLenient(QStringLiteral("12,50"), separator)->Units(), qint64(125000));
    QCOMPARE(TMoney::ParseLenient(QStringLiteral("12.50"), separator)->Units(), qint64(125000));
    // What is stored and written to files does not follow the locale.
    QCOMPARE(TMoney::FromUnits(125000).Format(2), QStringLiteral("12.50"));
    QLocale::setDefault(previous);
}

void tst_TMoney::percentOfRoundsHalfAwayFromZero()
{
    QCOMPARE(TMoney::FromWhole(10).PercentOf(1250).Format(4), QStringLiteral("1.2500"));
    QCOMPARE(TMoney::FromUnits(1).PercentOf(5000).Units(), qint64(1));
    QCOMPARE(TMoney::FromUnits(-1).PercentOf(5000).Units(), qint64(-1));
}

QTEST_GUILESS_MAIN(tst_TMoney)
#include "tst_TMoney.moc"
