#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The five kinds of promotion (`PromotionType`), with the names the merchant
// chooses from and the values each kind uses. A type is stored as its position
// in the list plus one.
class TPromotionTypes
{
public:
    struct Type {
        int type;
        const char* name;
        bool usesPercentage;
        bool usesSpendThreshold;
        bool usesAmount;
        bool usesPurchaseThreshold;
    };

    static constexpr std::array<Type, 5> All{{
        {1, "Fixed Percentage off the Subtotal", true, false, false, false},
        {2, "Spend over X amount and get a percentage off", true, true, false, false},
        {3, "Spend over X amount and get a fixed amount off", false, true, true, false},
        {4, "Purchase more than X items and receive a percentage off", true, false, false, true},
        {5, "Purchase more than X items and recieve a fixed amount off", false, false, true, true},
    }};

    static constexpr const Type* Find(int type)
    {
        for (const Type& t : All)
            if (t.type == type)
                return &t;
        return nullptr;
    }
    // The type's name; empty for an unknown type (0 is "none chosen").
    static QString Name(int type);
    // The five names in list order.
    static QStringList Names();
    static constexpr int TypeAtPosition(int position) { return position + 1; }
    // The list position of a type; -1 when the type is not one of the five.
    static constexpr int PositionOf(int type) { return Find(type) ? type - 1 : -1; }
};
