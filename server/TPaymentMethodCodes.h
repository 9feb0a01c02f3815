#pragma once

#include <array>

// The payment method codes (`Method` of a payment method) and what each needs.
class TPaymentMethodCodes
{
public:
    enum Code : unsigned {
        ManualCard = 1,      // credit card processed by the merchant by hand
        Account = 3,         // paid on one of the merchant's accepted accounts
        Cheque = 4,
        QSI = 6,             // the real-time card gateways below
        Silkera = 7,
        MobileEFT = 8,
        MoneyOrder = 9,
        CashOnDelivery = 10,
        AuthorizeNet = 11,
        EWay = 12,
        DirectOne = 13,
    };

    struct Method {
        unsigned code;
        bool creditCard;
        // The gateway identifier fields the method uses.
        bool usesRealTimeID;
        bool usesRealTimePassword;
        bool usesRealTimeAuthID;
    };

    static constexpr std::array<Method, 11> All{{
        {ManualCard, true, false, false, false},
        {Account, false, false, false, false},
        {Cheque, false, false, false, false},
        {QSI, true, true, false, false},
        {Silkera, true, true, true, true},
        {MobileEFT, true, true, true, false},
        {MoneyOrder, false, false, false, false},
        {CashOnDelivery, false, false, false, false},
        {AuthorizeNet, true, true, false, false},
        {EWay, true, true, false, false},
        {DirectOne, true, true, true, false},
    }};

    static constexpr const Method* Find(unsigned code)
    {
        for (const Method& m : All)
            if (m.code == code)
                return &m;
        return nullptr;
    }
    static constexpr bool IsKnown(unsigned code) { return Find(code) != nullptr; }
    static constexpr bool IsCreditCard(unsigned code)
    {
        const Method* m = Find(code);
        return m && m->creditCard;
    }
    static constexpr bool IsRealTimeGateway(unsigned code) { return IsCreditCard(code) && code != ManualCard; }
};
