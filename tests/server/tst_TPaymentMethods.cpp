#include "CommerceStore.h"
#include "TAcceptedAccounts.h"
#include "TAcceptedCards.h"
#include "TGlobalResourceManager.h"
#include "TPaymentMethodCodes.h"
#include "TPaymentMethods.h"
#include "TestSupport.h"

#include <QAbstractItemModelTester>
#include <QtTest>

class tst_TPaymentMethods : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void itemByMethod_data();
    void itemByMethod();
    void activeFilterShowsOnlyActiveMethods();
    void rewrittenWhole();
    void acceptedCardsAreFreshCollections();
    void acceptedAccountByName_data();
    void acceptedAccountByName();
    void creditCardCodes_data();
    void creditCardCodes();

private:
    void AddMethod(quint32 code, bool active, const QString& instruction);

    TTestEnvironment m_env;
    std::unique_ptr<TApp> m_app;
    std::shared_ptr<TDatabase> m_db;
    TRef<TPaymentMethods> m_methods;
};

void tst_TPaymentMethods::init()
{
    m_app = std::make_unique<TApp>(m_env.SettingsFile());
    m_db = AttachCommerceStore(*m_app, m_env.NewFolder(QStringLiteral("store")), TStoreKind::NewWebsite);
    m_methods = m_app->PaymentMethods();
}

void tst_TPaymentMethods::cleanup()
{
    m_methods.Reset();
    m_app.reset();
    m_db.reset();
}

void tst_TPaymentMethods::AddMethod(quint32 code, bool active, const QString& instruction)
{
    TRef<TPaymentMethod> method = m_methods->Add();
    method->SetMethod(code);
    method->SetActive(active);
    method->SetInstruction(instruction);
    method->Save();
}

void tst_TPaymentMethods::itemByMethod_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("instruction"); // empty: not there
    QTest::newRow("first") << int(TPaymentMethodCodes::ManualCard) << "Card by hand";
    QTest::newRow("middle") << int(TPaymentMethodCodes::Cheque) << "Cheque to Fern & Frond";
    QTest::newRow("last") << int(TPaymentMethodCodes::CashOnDelivery) << "Cash at the door";
    QTest::newRow("missing") << int(TPaymentMethodCodes::MoneyOrder) << "";
}

void tst_TPaymentMethods::itemByMethod()
{
    QFETCH(int, code);
    QFETCH(QString, instruction);
    AddMethod(TPaymentMethodCodes::ManualCard, true, QStringLiteral("Card by hand"));
    AddMethod(TPaymentMethodCodes::Cheque, false, QStringLiteral("Cheque to Fern & Frond"));
    AddMethod(TPaymentMethodCodes::CashOnDelivery, true, QStringLiteral("Cash at the door"));
    if (instruction.isEmpty()) {
        try {
            m_methods->ItemByMethod(quint32(code));
            QFAIL("a missing payment method was found");
        } catch (const EQuorvisError& e) {
            QCOMPARE(e.Message(), LangStr(1278));
        }
        return;
    }
    TRef<TPaymentMethod> method = m_methods->ItemByMethod(quint32(code));
    QCOMPARE(method->Method(), quint32(code));
    QCOMPARE(method->Instruction(), instruction);
    // Asked again while the cursor stands on it.
    QCOMPARE(m_methods->ItemByMethod(quint32(code))->Instruction(), instruction);
}

void tst_TPaymentMethods::activeFilterShowsOnlyActiveMethods()
{
    QAbstractItemModelTester tester(m_methods.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    AddMethod(TPaymentMethodCodes::EWay, true, QStringLiteral("Card online"));
    AddMethod(TPaymentMethodCodes::Cheque, false, QStringLiteral("Cheque"));
    AddMethod(TPaymentMethodCodes::MoneyOrder, true, QStringLiteral("Money order"));

    m_methods->SetActiveOnly(true);
    QCOMPARE(m_methods->Filter(), QStringLiteral("IsActive = ?1"));
    QCOMPARE(m_methods->Count(), 2);
    QList<quint32> codes;
    for (int i = 0; i < m_methods->Count(); ++i)
        codes.append(m_methods->Items(i)->Method());
    QCOMPARE(codes, (QList<quint32>{TPaymentMethodCodes::EWay, TPaymentMethodCodes::MoneyOrder}));
    QVERIFY_THROWS_EXCEPTION(EQuorvisError, m_methods->Items(2));

    m_methods->SetActiveOnly(false);
    QCOMPARE(m_methods->Filter(), QString());
    QCOMPARE(m_methods->Count(), 3);
}

void tst_TPaymentMethods::rewrittenWhole()
{
    AddMethod(TPaymentMethodCodes::Silkera, true, QStringLiteral("Card"));
    AddMethod(TPaymentMethodCodes::Account, false, QStringLiteral("Account"));
    m_methods->SetActiveOnly(true);
    TRef<TPaymentMethod> unsaved = m_methods->Add();
    unsaved->SetMethod(TPaymentMethodCodes::Cheque);

    // Clear takes every row, filtered or not, and the row not yet saved.
    m_methods->Clear();
    QCOMPARE(RowCount(*m_db, QStringLiteral("PaymentMethods")), 0);
    m_methods->SetActiveOnly(false);
    QCOMPARE(m_methods->Count(), 0);

    TRef<TPaymentMethod> gateway = m_methods->Add();
    gateway->SetMethod(TPaymentMethodCodes::DirectOne);
    gateway->SetActive(true);
    gateway->SetRealTimeID(QStringLiteral("merchant-7"));
    gateway->SetRealTimePassword(QStringLiteral("pa'ss\"word"));
    gateway->Save();
    QCOMPARE(RowCount(*m_db, QStringLiteral("PaymentMethods")), 1);
    QCOMPARE(m_db->Scalar(QStringLiteral("SELECT rtPassword FROM PaymentMethods")).toString(), QStringLiteral("pa'ss\"word"));

    TRef<TAcceptedCards> cards = m_app->AcceptedCards();
    for (const char* name : {"Visa", "MasterCard"}) {
        TRef<TAcceptedCard> card = cards->Add();
        card->SetCardName(QString::fromLatin1(name));
        card->Save();
    }
    TRef<TAcceptedAccounts> accounts = m_app->AcceptedAccounts();
    TRef<TAcceptedAccount> account = accounts->Add();
    account->SetAccountName(QStringLiteral("Trade"));
    account->Save();
    cards->Clear();
    accounts->Clear();
    QCOMPARE(RowCount(*m_db, QStringLiteral("AcceptedCard")), 0);
    QCOMPARE(RowCount(*m_db, QStringLiteral("AcceptedAccount")), 0);
    QCOMPARE(cards->Count(), 0);
    QCOMPARE(accounts->Count(), 0);
}

void tst_TPaymentMethods::acceptedCardsAreFreshCollections()
{
    TRef<TAcceptedCards> first = m_app->AcceptedCards();
    for (const char* name : {"Visa", "MasterCard", "Amex"}) {
        TRef<TAcceptedCard> card = first->Add();
        card->SetCardName(QString::fromLatin1(name));
        card->Save();
    }
    TRef<TAcceptedCards> second = m_app->AcceptedCards();
    QVERIFY(first.get() != second.get());
    QCOMPARE(second->Count(), 3);
    // Each has its own cursor: moving one leaves the other where it was.
    QCOMPARE(first->Items(2)->CardName(), QStringLiteral("Amex"));
    QCOMPARE(second->Items(0)->CardName(), QStringLiteral("Visa"));
    QCOMPARE(first->CurrentItem()->CardName(), QStringLiteral("Amex"));
}

void tst_TPaymentMethods::acceptedAccountByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found"); // empty: no item
    QTest::newRow("same case") << "Trade Account" << "Trade Account";
    QTest::newRow("other case") << "TRADE account" << "Trade Account";
    QTest::newRow("non-ASCII other case") << "ÉCOLE" << "École";
    QTest::newRow("quote in the name") << "O'Brien's" << "O'Brien's";
    QTest::newRow("missing") << "Staff" << "";
    QTest::newRow("part of a name") << "Trade" << "";
}

void tst_TPaymentMethods::acceptedAccountByName()
{
    QFETCH(QString, name);
    QFETCH(QString, found);
    TRef<TAcceptedAccounts> accounts = m_app->AcceptedAccounts();
    for (const QString& n : {QStringLiteral("Trade Account"), QStringLiteral("École"), QStringLiteral("O'Brien's")}) {
        TRef<TAcceptedAccount> a = accounts->Add();
        a->SetAccountName(n);
        a->Save();
    }
    TRef<TAcceptedAccount> account = accounts->ItemByName(name);
    QCOMPARE(bool(account), !found.isEmpty());
    if (account)
        QCOMPARE(account->AccountName(), found);
}

void tst_TPaymentMethods::creditCardCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("creditCard");
    QTest::addColumn<QString>("gatewayFields"); // I: RealTimeID, P: password, A: authorisation ID
    QTest::newRow("manual card") << 1 << true << "";
    QTest::newRow("account") << 3 << false << "";
    QTest::newRow("cheque") << 4 << false << "";
    QTest::newRow("QSI") << 6 << true << "I";
    QTest::newRow("Silkera") << 7 << true << "IPA";
    QTest::newRow("MobileEFT") << 8 << true << "IP";
    QTest::newRow("money order") << 9 << false << "";
    QTest::newRow("cash on delivery") << 10 << false << "";
    QTest::newRow("Authorize.net") << 11 << true << "I";
    QTest::newRow("eWAY") << 12 << true << "I";
    QTest::newRow("DirectOne") << 13 << true << "IP";
    QTest::newRow("unknown") << 14 << false << "";
}

void tst_TPaymentMethods::creditCardCodes()
{
    QFETCH(int, code);
    QFETCH(bool, creditCard);
    QFETCH(QString, gatewayFields);
    QCOMPARE(TPaymentMethodCodes::IsCreditCard(unsigned(code)), creditCard);
    QCOMPARE(TPaymentMethodCodes::IsRealTimeGateway(unsigned(code)), !gatewayFields.isEmpty());
    const auto* m = TPaymentMethodCodes::Find(unsigned(code));
    QString fields;
    if (m) {
        if (m->usesRealTimeID)
            fields += u'I';
        if (m->usesRealTimePassword)
            fields += u'P';
        if (m->usesRealTimeAuthID)
            fields += u'A';
    }
    QCOMPARE(fields, gatewayFields);
}

QTEST_GUILESS_MAIN(tst_TPaymentMethods)
#include "tst_TPaymentMethods.moc"
