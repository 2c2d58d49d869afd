#include "aids/h_hsv_logik.h"
#include "platform/random.h"
#include "support/wertebereiche.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

using namespace hsv;

namespace {

struct Art {
    int code, wahl5, wahl1, wahl6;
};
const Art kArten[] = { { 71, 0, 0, 0 }, { 71, 1, 0, 0 }, { 72, 0, 0, 0 }, { 72, 1, 0, 0 }, { 73, 0, 0, 0 },
    { 74, 0, 0, 0 }, { 74, 0, 1, 0 }, { 74, 0, 0, 1 }, { 74, 0, 1, 1 }, { 75, 0, 0, 0 }, { 75, 0, 0, 1 } };

// The long way as the window types it: code 75 with a two-digit tens product has the marker in front.
QString langerWegMitMarke(const Aufgabe& a)
{
    return markeNoetig(a) ? QString(kMarke) + a.wahltext : a.wahltext;
}

} // namespace

TEST(HsvLogik, TasksKeepTheirRulesAndNeverRepeatTheUnitsDigit)
{
    PinRandomSeed(7);
    for (const Art& k : kArten) {
        int vorindex = 0;
        for (int i = 0; i < 300; ++i) {
            const Aufgabe a = wuerfeln(k.code, k.wahl5, k.wahl1, k.wahl6, vorindex);
            ASSERT_NE(a.einer1, vorindex) << k.code;
            vorindex = a.einer1;
            const int zsum = a.zehner1 + a.zehner2, esum = a.einer1 + a.einer2;
            if (k.code <= 72 && k.wahl5 == 0) {
                EXPECT_LT(zsum, 10);
                EXPECT_LT(esum, 10);
            } else if (k.code <= 72) {
                EXPECT_LT(zsum, 9);
                EXPECT_TRUE(esum >= 11 && esum <= 18) << esum;
                EXPECT_LT(a.zielzahl, 100);
            } else if (k.code == 73) {
                EXPECT_EQ(esum, 10);
                EXPECT_EQ(a.zielzahl % 10, 0);
                EXPECT_LE(a.zielzahl, 90);
            } else {
                EXPECT_GT(a.U(), 9);
                if (k.wahl6 == 1) {
                    EXPECT_TRUE(a.b() >= 22 && a.b() <= 99 && a.b() % 10 != 0) << a.b();
                    if (k.code == 74) EXPECT_GE(a.T(), 100);
                } else {
                    EXPECT_TRUE(a.b() >= 12 && a.b() <= 19) << a.b();
                }
            }
        }
    }
    UnpinRandomSeed();
}

// Adding and subtracting by the tens: the two numbers a task is built from (in 72 the difference and the
// number taken away) keep their digits in range, and every digit the kind allows comes.
TEST(HsvLogik, AddingAndSubtractingDigitsKeepTheirRangeAndEachDigitItAllowsComes)
{
    PinRandomSeed(12);
    QStringList alle;
    for (int code : { 71, 72 })
        for (int mit : { 0, 1 }) {
            Wertebereiche w;
            int vorindex = 0;
            for (int n = 0; n < 2000; ++n) {
                const Aufgabe a = wuerfeln(code, mit, 0, 0, vorindex);
                vorindex = a.einer1;
                w(QStringLiteral("aZ"), a.zehner1);
                w(QStringLiteral("aE"), a.einer1);
                w(QStringLiteral("bZ"), a.zehner2);
                w(QStringLiteral("bE"), a.einer2);
            }
            alle << QStringLiteral("%1 %2: ").arg(code).arg(mit ? "mit" : "ohne") + w.text();
        }
    UnpinRandomSeed();
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "71 ohne: aE 1-8, aZ 2-7, bE 1-8, bZ 2-7\n"
        "71 mit: aE 2-9, aZ 2-6, bE 2-9, bZ 2-6\n"
        "72 ohne: aE 1-8, aZ 2-7, bE 1-8, bZ 2-7\n"
        "72 mit: aE 2-9, aZ 2-6, bE 2-9, bZ 2-6");
}

// Completing, multiplying and dividing: every digit of the drawn numbers in its range, each value it allows
// coming; the one-digit factor or divisor is einer1, the two-digit number b.
TEST(HsvLogik, CompletingTimesAndDividedDigitsKeepTheirRangeAndEachDigitItAllowsComes)
{
    PinRandomSeed(13);
    QStringList alle;
    const Art arten[] = { { 73, 0, 0, 0 }, { 74, 0, 0, 0 }, { 74, 0, 1, 1 }, { 75, 0, 0, 0 }, { 75, 0, 0, 1 } };
    for (const Art& k : arten) {
        Wertebereiche w;
        int vorindex = 0;
        // Times and divided: every pair of units digits whose product has two digits comes, and no other.
        std::set<std::pair<int, int>> paare;
        for (int n = 0; n < 2000; ++n) {
            const Aufgabe a = wuerfeln(k.code, k.wahl5, k.wahl1, k.wahl6, vorindex);
            vorindex = a.einer1;
            paare.insert({ a.einer1, a.einer2 });
            if (k.code >= 74) ASSERT_GE(a.U(), 10);
            w(QStringLiteral("aZ"), a.zehner1);
            w(QStringLiteral("aE"), a.einer1);
            w(QStringLiteral("bZ"), a.zehner2);
            w(QStringLiteral("bE"), a.einer2);
        }
        alle << QStringLiteral("%1/%2: ").arg(k.code).arg(k.wahl6) + w.text();
        if (k.code >= 74) EXPECT_EQ(paare.size(), 8u * 8u - 6u) << k.code;
    }
    UnpinRandomSeed();
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "73/0: aE 1-9, aZ 2-6, bE 1-9, bZ 2-6\n"
        "74/0: aE 2-9, aZ 0, bE 2-9, bZ 1\n"
        "74/1: aE 2-9, aZ 0, bE 2-9, bZ 2-9\n"
        "75/0: aE 2-9, aZ 0, bE 2-9, bZ 1\n"
        "75/1: aE 2-9, aZ 0, bE 2-9, bZ 2-9");
}

TEST(HsvLogik, TextsLongWayAndAnswerStringOfTheExamples)
{
    struct Fall {
        Aufgabe a;
        QString t0, t1, t2, wahltext, zwtext4;
    };
    const Fall faelle[] = {
        { bilden(71, 0, 3, 4, 2, 5), "34+25=  ", "34+20=54", "54+ 5=59", "20545455959", "595459" },
        { bilden(72, 0, 3, 4, 2, 5), "59-25=  ", "59-20=39", "39- 5=34", "20393953434", "343934" },
        { bilden(73, 0, 3, 4, 2, 6), "34+  =60", "34+ 6=40", "40+20=60", "640402026", "26620" },
        { bilden(74, 0, 0, 6, 1, 7), "6 17=   ", "6 10= 60", "6  7= 42", "1060742102", "1026042" },
        { bilden(74, 1, 0, 6, 1, 7), "17 6=   ", "10 6= 60", " 7 6= 42", "1060742102", "1026042" },
        { bilden(74, 0, 0, 4, 1, 7), "4 17=   ", "4 10=40", "4  7=28", "104072868", "684028" },
        { bilden(74, 0, 0, 5, 2, 7), "5 27=   ", "5 20=100", "5  7= 35", "20100735135", "13510035" },
        { bilden(75, 0, 0, 4, 2, 4), " 96:4=  ", " 80:4=20", " 16:4= 4", "802016424", "24204" },
        { bilden(75, 0, 0, 3, 3, 8), "114:3=  ", " 90:3=30", " 24:3= 8", "903024838", "38308" },
        { bilden(75, 0, 0, 4, 2, 5), "100:4=  ", " 80:4=20", " 20:4= 5", "802020525", "25205" },
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f.a.aufgabentexte[0], f.t0);
        EXPECT_EQ(f.a.aufgabentexte[1], f.t1);
        EXPECT_EQ(f.a.aufgabentexte[2], f.t2);
        EXPECT_EQ(f.a.wahltext, f.wahltext);
        EXPECT_EQ(f.a.zwtext4, f.zwtext4);
    }
}

// Every digit of the long way stands in the row and column where its number is written in the partial
// lines or the task line, inside the frame of its step.
TEST(HsvLogik, EveryLongWayDigitLandsInItsColumnInsideItsFrame)
{
    PinRandomSeed(11);
    for (const Art& k : kArten) {
        for (int i = 0; i < 60; ++i) {
            Aufgabe a = wuerfeln(k.code, k.wahl5, k.wahl1, k.wahl6, 0);
            // The answer stands in the task line as the full long way shows it.
            QStringList zeilen { a.aufgabentexte[0], a.aufgabentexte[1], a.aufgabentexte[2] };
            const QString antwort = QString::number(a.sollwert);
            zeilen[0] = zeilen[0].left(zeilen[0].size() - antwort.size()) + antwort;
            if (k.code == 73) zeilen[0] = zeilen[0].left(3) + antwort + zeilen[0].mid(5);
            // A two-digit product stands one column further left, as its partial results do.
            if (k.code == 74) zeilen[0] = zeilen[0].left(5) + antwort;
            const QString w = langerWegMitMarke(a);
            for (int s = markeNoetig(a) ? 2 : 1; s <= w.size(); ++s) {
                const QPoint p = ziffernplatz(a, s);
                const int zeile = p.y() == 122 ? 0 : p.y() == 328 ? 1 : 2;
                const int spalte = (p.x() - 12) / 72;
                ASSERT_LE(std::abs(p.x() - (72 * spalte + 48)), 1) << k.code << " step " << s;
                ASSERT_EQ(zeilen[zeile].at(spalte - 1), w.at(s - 1))
                    << k.code << " " << zeilen[zeile].toStdString() << " step " << s;
                const QRect r = rahmen(a, s);
                EXPECT_TRUE(r.left() < p.x() - 30 && p.x() + 30 < r.right() && r.top() == p.y())
                    << k.code << " step " << s;
            }
        }
    }
    UnpinRandomSeed();
}

TEST(HsvLogik, HintsOfWrongLongWayDigits)
{
    const Aufgabe plus = bilden(71, 0, 3, 4, 2, 5);
    const Aufgabe ergaenzen = bilden(73, 0, 3, 4, 2, 6);
    const Aufgabe geteilt = bilden(75, 0, 0, 4, 2, 4);
    const QString geteiltWeg = langerWegMitMarke(geteilt);
    const Aufgabe mal = bilden(74, 0, 0, 5, 2, 7);
    struct Fall {
        const Aufgabe& a;
        QString w;
        int schritt;
        char getippt;
        Hinweis h;
    };
    const Fall faelle[] = {
        { plus, plus.wahltext, 1, '3', Hinweis::zehner },
        { plus, plus.wahltext, 2, '5', Hinweis::null },
        { plus, plus.wahltext, 3, '4', Hinweis::zehnerZuerst },
        { plus, plus.wahltext, 3, '6', Hinweis::keiner },
        { plus, plus.wahltext, 5, '3', Hinweis::pfeil },
        { plus, plus.wahltext, 7, '6', Hinweis::einer },
        // The units of what is still to divide (16 of 96 : 4).
        { geteilt, geteiltWeg, 7, '5', Hinweis::einer },
        { ergaenzen, ergaenzen.wahltext, 1, '4', Hinweis::fehlt },
        { ergaenzen, ergaenzen.wahltext, 2, '5', Hinweis::naechsterZehner },
        { ergaenzen, ergaenzen.wahltext, 4, '3', Hinweis::pfeil },
        { geteilt, geteiltWeg, 6, '3', Hinweis::rest },
        { geteilt, geteiltWeg, 6, '6', Hinweis::zehnerZuerst },
        { geteilt, geteiltWeg, 2, '7', Hinweis::vielfache },
        { mal, mal.wahltext, 3, '2', Hinweis::vielfache },
        { mal, mal.wahltext, 10, '5', Hinweis::zehnerZuerst },
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(hinweis(f.a, f.w, f.schritt, QChar(f.getippt)), f.h) << f.a.code << " step " << f.schritt;
    EXPECT_EQ(meldung(plus, Hinweis::zehner, 1).texte(), QStringList({ "bitte:", "die", "Zehnerzahl!" }));
    EXPECT_EQ(meldung(geteilt, Hinweis::rest, 6).texte(), QStringList({ "Rest ???", "Was ist noch", "zu teilen?" }));
    // The table of multiples: 10 times the divisor before the second partial line, then the divisor.
    EXPECT_EQ(meldung(geteilt, Hinweis::vielfache, 2).texte().mid(0, 3), QStringList({ "40", "80", "120" }));
    EXPECT_EQ(meldung(geteilt, Hinweis::vielfache, 8).texte().last(), "40");
}

TEST(HsvLogik, QuickModeTensFirstLooksOnlyAtTheDigitJustTyped)
{
    const Aufgabe a47 = bilden(71, 0, 2, 3, 2, 4); // 23 + 24 = 47
    const Aufgabe a44 = bilden(71, 0, 2, 2, 2, 2); // 22 + 22 = 44
    const Aufgabe a135 = bilden(74, 0, 0, 5, 2, 7);
    EXPECT_TRUE(zehnerZuerst(a47, 1, u'7'));
    EXPECT_FALSE(zehnerZuerst(a47, 1, u'5'));
    // After a right 4 a wrong units digit is a wrong digit, not a units digit typed first.
    EXPECT_FALSE(zehnerZuerst(a44, 2, u'3'));
    EXPECT_FALSE(zehnerZuerst(a44, 2, u'4'));
    EXPECT_TRUE(zehnerZuerst(a135, 2, u'5'));
    EXPECT_FALSE(zehnerZuerst(a135, 1, u'5'));
}

TEST(HsvLogik, HelpStepsWriteTheLongWayPieceByPiece)
{
    const auto texte = [](const Aufgabe& a, int stufe, int zeiger) {
        QString t;
        for (const auto& [x, z] : hilfeschritt(a, stufe, zeiger).zeichen)
            t += z;
        return t;
    };
    const Aufgabe plus = bilden(71, 0, 3, 4, 2, 5), ergaenzen = bilden(73, 0, 3, 4, 2, 6);
    const Aufgabe mal = bilden(74, 0, 0, 5, 2, 7);
    EXPECT_EQ(
        QStringList({ texte(plus, 1, 1), texte(plus, 2, 1), texte(plus, 3, 1), texte(plus, 4, 1), texte(plus, 5, 2) }),
        QStringList({ "34+20=", "54", "54+ 5=", "59", "9" }));
    EXPECT_EQ(QStringList({ texte(ergaenzen, 1, 1), texte(ergaenzen, 2, 1), texte(ergaenzen, 5, 1) }),
        QStringList({ "34+=40", " 6", "26" }));
    EXPECT_EQ(
        QStringList({ texte(mal, 1, 1), texte(mal, 4, 1), texte(mal, 5, 1) }), QStringList({ "5 20=", " 35", "135" }));
    EXPECT_TRUE(hilfeschritt(mal, 1, 1).punkt);
}

TEST(HsvLogik, EveryHelpStepWritesWhereThePupilIsToLook)
{
    const auto schriften = [](const schrift::Bild& b) {
        std::vector<schrift::Schrift> s;
        for (const schrift::Element& e : b.teile)
            if (const auto* t = std::get_if<schrift::Schrift>(&e)) s.push_back(*t);
        return s;
    };
    PinRandomSeed(11);
    for (const Art& k : kArten)
        for (int n = 0; n < 20; ++n) {
            const Aufgabe a = wuerfeln(k.code, k.wahl5, k.wahl1, k.wahl6, 0);
            SCOPED_TRACE(a.aufgabentexte[0].toStdString());
            // The answer's digits go where the pupil types them, inside the answer's frame.
            const QString antwort = QString::number(a.sollwert);
            const auto rahmen = std::get<schrift::Rechteck>(antwortrahmen(a).teile.at(0));
            // The frame holds the answer's places and no empty column beside them.
            EXPECT_GT(rahmen.links, antwortX(a, 1) - 72);
            EXPECT_LT(rahmen.rechts, antwortX(a, antwort.size()) + 72);
            for (int zeiger = 1; zeiger <= antwort.size(); ++zeiger) {
                const Schreibschritt s = hilfeschritt(a, 5, zeiger);
                ASSERT_EQ(s.zeichen.size(), antwort.size() - zeiger + 1);
                for (int i = 0; i < s.zeichen.size(); ++i) {
                    const int stelle = zeiger + i;
                    const auto getippt = schriften(antwortziffer(a, stelle, antwort.at(stelle - 1))).at(0);
                    // The typed digit sits a pixel to the left of the help's.
                    EXPECT_NEAR(s.zeichen[i].first, getippt.x, 1);
                    EXPECT_EQ(s.zeichen[i].second, antwort.at(stelle - 1));
                    EXPECT_EQ(s.y, getippt.y);
                    EXPECT_GT(getippt.x, rahmen.links);
                    EXPECT_LT(getippt.x, rahmen.rechts);
                }
            }
            // The partial lines are written where the whole long way has the same characters.
            const auto ganz = schriften(langerWeg(a));
            for (int stufe : { 1, 3 }) {
                const Schreibschritt s = hilfeschritt(a, stufe, 1);
                EXPECT_FALSE(s.zeichen.isEmpty());
                for (const auto& [x, z] : s.zeichen) {
                    if (z == u' ') continue;
                    const bool da = std::any_of(ganz.begin(), ganz.end(),
                        [&](const schrift::Schrift& t) { return t.x == x && t.y == s.y && t.text == QString(z); });
                    EXPECT_TRUE(da) << "step " << stufe << " '" << QString(z).toStdString() << "' at " << x;
                }
            }
            // The small partial results go under the columns of the result in their line.
            for (const auto& [stufe, zeile] : { std::pair { 2, 329 }, std::pair { 4, 535 } }) {
                const Schreibschritt s = hilfeschritt(a, stufe, 1);
                ASSERT_FALSE(s.zeichen.isEmpty());
                for (const auto& [x, z] : s.zeichen) {
                    if (z == u' ') continue;
                    const bool da = std::any_of(ganz.begin(), ganz.end(),
                        [&](const schrift::Schrift& t) { return t.x == x && t.y == zeile && t.text == QString(z); });
                    EXPECT_TRUE(da) << "step " << stufe << " '" << QString(z).toStdString() << "' at " << x;
                }
            }
        }
}

namespace {

// The task picture as the pupil sees it: per row from the top, the character in each of the eight columns
// ('.' where nothing is written).
QStringList aufgabenzeilen(const Aufgabe& a, bool mitLangemWeg)
{
    std::map<int, QString> zeilen;
    for (const schrift::Element& e : aufgabenbild(a, mitLangemWeg).teile)
        if (const auto* t = std::get_if<schrift::Schrift>(&e)) {
            QString& z = zeilen.try_emplace(t->y, QString(8, u'.')).first->second;
            const int spalte = (t->x - 48) / 72;
            if (spalte >= 1 && spalte <= 8 && t->text.size() == 1)
                z[spalte - 1] = t->text.at(0);
            else
                z += "?" + t->text;
        }
    QStringList s;
    for (const auto& [y, z] : zeilen)
        s << z;
    return s;
}

} // namespace

TEST(HsvLogik, TheTaskPictureShowsTheTaskAndOnlyTheGivenPiecesOfTheLongWay)
{
    EXPECT_EQ(aufgabenzeilen(bilden(71, 0, 3, 4, 2, 5), false), QStringList({ "34+25=  " }));
    // Adding and subtracting give the first number and the signs; only the completing kind gives its target
    // in the second line as well.
    EXPECT_EQ(aufgabenzeilen(bilden(71, 0, 3, 4, 2, 5), true), QStringList({ "34+25=  ", "34+..=..", "..+..=.." }));
    EXPECT_EQ(aufgabenzeilen(bilden(72, 0, 3, 4, 2, 5), true), QStringList({ "59-25=  ", "59-..=..", "..-..=.." }));
    EXPECT_EQ(aufgabenzeilen(bilden(73, 0, 3, 4, 2, 6), true), QStringList({ "34+  =60", "34+..=..", "..+..=60" }));
    EXPECT_EQ(aufgabenzeilen(bilden(74, 1, 0, 6, 1, 7), true), QStringList({ "17 6=   ", "...6=...", "...6=..." }));
    EXPECT_EQ(aufgabenzeilen(bilden(75, 0, 0, 4, 2, 4), true), QStringList({ " 96:4=  ", "...:4=..", "...:4=.." }));

    // Whatever the task, the top line reads the task and every given piece is the long way's own character.
    PinRandomSeed(12);
    for (const Art& k : kArten)
        for (int n = 0; n < 20; ++n) {
            const Aufgabe a = wuerfeln(k.code, k.wahl5, k.wahl1, k.wahl6, 0);
            SCOPED_TRACE(a.aufgabentexte[0].toStdString());
            const QStringList z = aufgabenzeilen(a, true);
            ASSERT_EQ(z.size(), 3);
            for (int zeile = 0; zeile < 3; ++zeile)
                for (int i = 0; i < 8; ++i) {
                    const QString& t = a.aufgabentexte[zeile];
                    const QChar soll = i < t.size() ? t.at(i) : QChar(u' ');
                    if (zeile == 0 && soll != u' ') EXPECT_EQ(z[0].at(i), soll) << i;
                    if (z[zeile].at(i) != u'.') EXPECT_EQ(z[zeile].at(i), soll) << zeile << " " << i;
                }
        }
    UnpinRandomSeed();
}

// The record names the kind and the level the pupil worked on; the box below the task says what to type.
TEST(HsvLogik, TheRecordAndTheInstructionNameWhatWasAsked)
{
    EXPECT_EQ(QStringList({ rechenart(71, 0), rechenart(72, 0), rechenart(73, 0), rechenart(74, 0), rechenart(74, 1),
                  rechenart(75, 0) }),
        QStringList(
            { "ZE + ZE ", "ZE - ZE ", "ZE + __ = Z0 (Erg. zu Zehnerzahlen)", "E x ZE", "ZE x E", "(H)ZE : E " }));
    EXPECT_EQ(QStringList({ schwierigkeit(71, 0, 1), schwierigkeit(72, 1, 0), schwierigkeit(73, 1, 1),
                  schwierigkeit(74, 1, 0), schwierigkeit(75, 0, 1) }),
        QStringList({ "ohne Zehnerübergang", "mit Zehnerübergang", "---", "mittleres 1x1 ( x 12..19)",
            "großes 1x1  (x 21..99)" }));
    const auto texte = [](const schrift::Bild& b) {
        QStringList s;
        for (const schrift::Element& e : b.teile)
            if (const auto* t = std::get_if<schrift::Schrift>(&e)) s << t->text;
        return s;
    };
    const Aufgabe plus = bilden(71, 0, 3, 4, 2, 5);
    EXPECT_EQ(texte(anleitung(plus, true)), QStringList({ "Rechne ausführlich.", "(wie im Heft)" }));
    EXPECT_EQ(texte(anleitung(plus, false)), QStringList({ "Tippe das Endergebnis", "in den" }));
    const std::pair<Hinweis, const char*> hinweise[] = {
        { Hinweis::zehnerZuerst, "Tippe:|erst die Zehner,|dann die Einer!" },
        { Hinweis::null, "bitte:|die|NULL !" },
        { Hinweis::einer, "bitte:|die|Einerzahl!" },
        { Hinweis::fehlt, "Was fehlt|zum nächsten|Zehner?" },
        { Hinweis::naechsterZehner, "Wie heißt|der nächste|Zehner?" },
    };
    for (const auto& [h, soll] : hinweise)
        EXPECT_EQ(meldung(plus, h, 1).texte().join("|"), QString::fromUtf8(soll));
}

namespace {

// The hint of every step of the long way as one character per step: for a wrong digit that is neither the
// expected one nor the one after it, and for the digit after the expected one ('-' where that is no wrong digit).
QString hinweiszeile(const Aufgabe& a, bool naechste)
{
    static const std::map<Hinweis, QChar> zeichen { { Hinweis::keiner, u'.' }, { Hinweis::zehnerZuerst, u'Z' },
        { Hinweis::null, u'0' }, { Hinweis::einer, u'E' }, { Hinweis::zehner, u'T' }, { Hinweis::rest, u'R' },
        { Hinweis::fehlt, u'F' }, { Hinweis::naechsterZehner, u'N' }, { Hinweis::pfeil, u'P' },
        { Hinweis::vielfache, u'V' } };
    const QString w = langerWegMitMarke(a);
    QString z;
    for (int s = 1; s <= w.size(); ++s) {
        const QChar soll = w.at(s - 1);
        const QChar danach = s < w.size() ? w.at(s) : QChar();
        QChar getippt;
        if (naechste) {
            getippt = danach;
        } else {
            for (QChar c = u'0'; c <= u'9'; c = QChar(c.unicode() + 1))
                if (c != soll && c != danach) {
                    getippt = c;
                    break;
                }
        }
        z += getippt.isNull() || getippt == soll ? QChar(u'-') : zeichen.at(hinweis(a, w, s, getippt));
    }
    return z;
}

} // namespace

// Each step of the long way answers a wrong digit with its own hint; where the pupil may have typed the units
// first, the digit after the expected one gets "erst die Zehner".
TEST(HsvLogik, EveryStepOfTheLongWayGivesItsOwnHint)
{
    struct Fall {
        Aufgabe a;
        const char *sonst, *naechste;
    };
    const Fall faelle[] = {
        { bilden(71, 0, 3, 4, 2, 5), "T0..P.E....", "T0Z.P.-Z.Z-" }, // 20 54 54 5 59 59
        { bilden(72, 0, 3, 4, 2, 5), "T0..P.E....", "T0Z.P.EZ.Z-" }, // 20 39 39 5 34 34
        { bilden(73, 0, 3, 4, 2, 6), "FN0P0.0..", "FN0P0.0Z-" }, // 6 40 40 20 26
        { bilden(74, 0, 0, 5, 2, 7), "T0V.0EV....", "T0Z-0EZ..Z-" }, // 20 100 7 35 135
        { bilden(74, 0, 0, 6, 1, 7), "T0.0EV....", "T0.0EZ.ZZ-" }, // 10 60 7 42 102
        { bilden(74, 0, 0, 4, 1, 7), "T0.0EV...", "T0.0EZ.Z-" }, // 10 40 7 28 68
        { bilden(75, 0, 0, 4, 2, 4), "VV0VVREV..", "VV0VVZEVZ-" }, // x 80 20 16 4 24
        { bilden(75, 0, 0, 5, 2, 7), "VV0VVREV..", "V-0VVZEVZ-" }, // 100 20 35 7 27
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(hinweiszeile(f.a, false).toStdString(), f.sonst) << f.a.aufgabentexte[0].toStdString();
        EXPECT_EQ(hinweiszeile(f.a, true).toStdString(), f.naechste) << f.a.aufgabentexte[0].toStdString();
    }
}

// The table of multiples counts in the tens of the number being worked on in the first partial line, in its
// units in the second.
TEST(HsvLogik, TheTableOfMultiplesCountsInTheNumberOfItsLine)
{
    const auto reihe = [](int m) {
        QStringList s;
        for (int k = 1; k <= 10; ++k)
            s << QString::number(k * m);
        return s;
    };
    const Aufgabe mal = bilden(74, 0, 0, 5, 2, 7);
    const Aufgabe geteilt = bilden(75, 0, 0, 4, 2, 4);
    for (int schritt : { 3, 5 }) {
        EXPECT_EQ(meldung(mal, Hinweis::vielfache, schritt).texte(), reihe(20)) << schritt;
        EXPECT_EQ(meldung(geteilt, Hinweis::vielfache, schritt).texte(), reihe(40)) << schritt;
    }
    for (int schritt : { 6, 7 }) {
        EXPECT_EQ(meldung(mal, Hinweis::vielfache, schritt).texte(), reihe(7)) << schritt;
        EXPECT_EQ(meldung(geteilt, Hinweis::vielfache, schritt).texte(), reihe(4)) << schritt;
    }
    EXPECT_TRUE(meldung(mal, Hinweis::keiner, 1).teile.empty());
    EXPECT_TRUE(meldung(mal, Hinweis::pfeil, 5).texte().isEmpty());
}

TEST(HsvLogik, TheRecordNamesTheWayOfWorking)
{
    EXPECT_EQ(programmtext(0), "halbschriftlich, ausführlich");
    EXPECT_EQ(programmtext(1), "halbschriftlich, schnell (kurzer Weg)");
}

// The multiplication dot of a partial line stands in that line, under the task line's dot, whether a help step
// or the whole long way writes the line.
TEST(HsvLogik, TheMultiplicationDotStandsInTheLineItBelongsTo)
{
    const auto punkte = [](const schrift::Bild& b) {
        std::vector<schrift::Ellipse> p;
        for (const schrift::Element& e : b.teile)
            if (const auto* t = std::get_if<schrift::Ellipse>(&e)) p.push_back(*t);
        return p;
    };
    for (int wahl1 : { 0, 1 }) {
        const Aufgabe a = bilden(74, wahl1, 0, 6, 1, 7);
        const auto aufgabe = punkte(aufgabenbild(a, false));
        ASSERT_EQ(aufgabe.size(), 1u);
        const int x = aufgabe[0].links;
        for (const auto& [stufe, zeile] : { std::pair { 1, 329 }, std::pair { 3, 535 } }) {
            const auto p = punkte(bild(a, hilfeschritt(a, stufe, 1)));
            ASSERT_EQ(p.size(), 1u) << stufe;
            EXPECT_EQ(p[0].links, x) << stufe;
            EXPECT_TRUE(p[0].oben > zeile && p[0].unten < zeile + 95) << stufe;
        }
        const auto ganz = punkte(langerWeg(a));
        ASSERT_EQ(ganz.size(), 2u);
        EXPECT_TRUE(ganz[0].oben > 329 && ganz[0].unten < 329 + 95);
        EXPECT_TRUE(ganz[1].oben > 535 && ganz[1].unten < 535 + 95);
        EXPECT_TRUE(punkte(bild(a, hilfeschritt(a, 2, 1))).empty());
    }
    EXPECT_TRUE(punkte(langerWeg(bilden(75, 0, 0, 4, 2, 4))).empty());
}

// The tick of a solved task stands just right of the answer in the task line, wherever the kind puts it.
TEST(HsvLogik, TheTickStandsJustRightOfTheAnswer)
{
    PinRandomSeed(14);
    for (const Art& k : kArten)
        for (int n = 0; n < 10; ++n) {
            const Aufgabe a = wuerfeln(k.code, k.wahl5, k.wahl1, k.wahl6, 0);
            SCOPED_TRACE(a.aufgabentexte[0].toStdString());
            const int letzte = antwortX(a, a.antwortstellen());
            const auto haken = std::get<schrift::Linienzug>(hsv::haken(a).teile.at(0));
            EXPECT_GT(haken.punkte.first().x(), letzte);
            EXPECT_LT(haken.punkte.first().x(), letzte + 72);
        }
    UnpinRandomSeed();
}
