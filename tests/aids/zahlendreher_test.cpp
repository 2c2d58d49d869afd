#include "aids/zahlendreher.h"

#include <gtest/gtest.h>

TEST(Zahlendreher, BothFormsRecogniseExchangedLastDigitsOnlyInWrongAnswers)
{
    struct Fall {
        const char* getippt;
        int erwartet;
        bool ausEingabe;
        bool ausErwartung;
    };
    const Fall faelle[] = {
        { "65", 56, true, true }, // 7 x 8
        { "54", 56, false, false },
        { "56", 56, false, false }, // right is never a reversal
        { "135", 153, true, false }, // hundreds kept: only the typed form sees it
        { "60", 6, true, true }, // 2 x 3 answered 60
        { "7", 7, false, false },
        { "5", 55, true, false }, // one digit serves as both
        { "", 12, false, false },
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(zahlendreher::ausEingabe(QString::fromLatin1(f.getippt), f.erwartet), f.ausEingabe) << f.getippt;
        EXPECT_EQ(zahlendreher::ausErwartung(f.erwartet, QString::fromLatin1(f.getippt)), f.ausErwartung)
            << f.getippt;
    }
}
