// Column addition and subtraction without a window: generators, the expected input, the messages, the
// help and show texts and the exchanges.

#include "aids/h_sv1_logik.h"
#include "platform/random.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"

#include <algorithm>
#include <limits>
#include <map>
#include <set>

using namespace sv1;

namespace {

class Sv1Logik : public TaviTest { };

Ziffern aufgabe(int a, int b)
{
    Ziffern z;
    const int c = a + b;
    z.a = { a / 100, a / 10 % 10, a % 10 };
    z.b = { b / 100, b / 10 % 10, b % 10 };
    z.c = { c / 100, c / 10 % 10, c % 10 };
    const bool e = z.a[E] + z.b[E] >= 10;
    const bool zz = z.a[Z] + z.b[Z] + int(e) >= 10;
    z.merkzehner = e ? u'ü' : u' ';
    z.merkhunderter = zz ? u'ü' : u' ';
    z.uebertraege = int(e) + int(zz);
    return z;
}

// What the minuend's columns show, hundreds to units: each column's digits from the minuend up through the
// exchange notes above it, a struck-out one in brackets, "(2) (1) 11". A stroke strikes the text its middle
// lies on.
QString spalten(const Aufgabe& t, const schrift::Bild& tausch)
{
    const schrift::Bild aufgabe = aufgabenbild(t, 5);
    std::vector<schrift::Schrift> ziffern;
    std::vector<QPoint> strichmitten;
    int oben = std::numeric_limits<int>::max();
    for (const schrift::Element& e : aufgabe.teile)
        if (const auto* s = std::get_if<schrift::Schrift>(&e)) oben = std::min(oben, s->y);
    for (const schrift::Element& e : aufgabe.teile)
        if (const auto* s = std::get_if<schrift::Schrift>(&e); s && s->y == oben) ziffern.push_back(*s);
    for (const schrift::Element& e : tausch.teile) {
        if (const auto* s = std::get_if<schrift::Schrift>(&e)) ziffern.push_back(*s);
        if (const auto* l = std::get_if<schrift::Linienzug>(&e); l && l->punkte.size() == 2)
            strichmitten.push_back((l->punkte[0] + l->punkte[1]) / 2);
    }
    std::map<int, QStringList> spalte;
    for (const schrift::Schrift& s : ziffern) {
        const int breite = s.hoehe * int(s.text.size()) * 3 / 5;
        const QRect feld(s.x - breite / 2, s.y, breite, s.hoehe);
        const bool gestrichen
            = std::any_of(strichmitten.begin(), strichmitten.end(), [&](QPoint m) { return feld.contains(m); });
        spalte[s.x] << (gestrichen ? u'(' + s.text + u')' : s.text);
    }
    QStringList text;
    for (const auto& [x, z] : spalte)
        text << z.join(u' ');
    return text.join(QStringLiteral(" | "));
}

} // namespace

TEST_F(Sv1Logik, EveryGeneratorGivesAnAdditionWithTheCarriesItsMarksSay)
{
    struct Soll {
        int generator;
        int code;
        std::set<int> uebertraege;
    };
    const Soll tabelle[] = { { 0, 81, { 0 } }, { 1, 81, { 1 } }, { 2, 83, { 1 } }, { 4, 82, { 2 } }, { 5, 81, { 2 } },
        { 5, 84, { 2 } }, { 6, 81, { 1, 2 } } };
    std::set<QString> g6formen;
    for (const Soll& s : tabelle) {
        SCOPED_TRACE(s.generator * 100 + s.code);
        for (int seed = 1; seed <= 400; ++seed) {
            RandSeed(std::uint32_t(seed));
            const Ziffern z = stellenwurf(s.generator, s.code);
            ASSERT_EQ(z.zahlA() + z.zahlB(), z.zahlC()) << z.zahlA() << " + " << z.zahlB();
            ASSERT_LE(z.zahlC(), 999);
            ASSERT_GE(z.a[H], 1);
            ASSERT_GE(z.b[H], 1);
            // The marks are the real carries of the addition.
            const Ziffern echt = aufgabe(z.zahlA(), z.zahlB());
            ASSERT_EQ(z.merkzehner, echt.merkzehner);
            ASSERT_EQ(z.merkhunderter, echt.merkhunderter);
            ASSERT_EQ(z.uebertraege, echt.uebertraege);
            EXPECT_TRUE(s.uebertraege.count(z.uebertraege));
            switch (s.generator) {
            case 0:
                for (int sp : { H, Z, E })
                    ASSERT_TRUE(z.a[sp] > 0 && z.b[sp] > 0);
                break;
            case 1:
                ASSERT_EQ(z.merkhunderter, u'ü');
                break;
            case 2:
                ASSERT_EQ(z.merkzehner, u'ü');
                break;
            case 5:
                // The carry from the units makes a second one: a sum with tens 0, or in the subtractions a
                // minuend whose tens equal the subtrahend's.
                if (s.code == 84)
                    ASSERT_EQ(z.c[Z], z.b[Z]);
                else
                    ASSERT_EQ(z.c[Z], 0);
                break;
            case 6: {
                const QString form = z.c[Z] == 0 && z.c[E] == 0 ? QStringLiteral("H00")
                    : z.c[Z] == 0                               ? QStringLiteral("H0E")
                                                                : QStringLiteral("HZ0");
                ASSERT_TRUE(z.c[Z] == 0 || z.c[E] == 0);
                ASSERT_EQ(z.uebertraege, form == "H00" ? 2 : 1) << form.toStdString();
                g6formen.insert(form);
                break;
            }
            default:
                break;
            }
        }
    }
    EXPECT_EQ(g6formen, (std::set<QString> { "H00", "H0E", "HZ0" }));

    // Levels 3 and 7 mix their generators; a level the hub does not offer makes none.
    std::set<int> drei, sieben;
    for (int i = 0; i < 300; ++i) {
        drei.insert(generatorVonStufe(3));
        sieben.insert(generatorVonStufe(7));
    }
    EXPECT_EQ(drei, (std::set<int> { 1, 2 }));
    EXPECT_EQ(sieben, (std::set<int> { 0, 1, 2, 4, 5, 6 }));
    EXPECT_EQ(generatorVonStufe(8), -1);
    EXPECT_EQ(generatorVonStufe(-1), -1);
}

TEST_F(Sv1Logik, TheExpectedInputRunsFromTheUnitsWithCarriesAndBlanks)
{
    EXPECT_EQ(aufgabeBilden(81, aufgabe(267, 456)).wahltext, "7ü2ü3");
    EXPECT_EQ(aufgabeBilden(81, aufgabe(352, 461)).wahltext, "8ü1 3");
    // The subtractions show c - b and type a.
    const Aufgabe minus = aufgabeBilden(83, aufgabe(267, 456));
    EXPECT_EQ(minus.wahltext, "2ü6ü7");
    EXPECT_EQ(minus.zeilen[0], (std::array<QString, 3> { "7", "2", "3" }));
    EXPECT_EQ(minus.zeichen, u'-');
    // The sheet shows the two numbers and the sign; the result is what the pupil types.
    EXPECT_EQ(aufgabenbild(aufgabeBilden(81, aufgabe(267, 456)), 5).texte(),
        (QStringList { "2", "6", "7", "4", "5", "6", "+" }));
    for (int code : { 83, 84 })
        EXPECT_EQ(aufgabenbild(aufgabeBilden(code, aufgabe(267, 456)), 5).texte(),
            (QStringList { "7", "2", "3", "4", "5", "6", "-" }))
            << code;

    // Code 82: one gap in each column, each in another row, typed in its column's place.
    std::set<std::array<int, 3>> verteilungen;
    for (int seed = 1; seed <= 60; ++seed) {
        RandSeed(std::uint32_t(seed));
        const Aufgabe a = aufgabeBilden(82, aufgabe(267, 456));
        std::set<int> zeilen(a.luecken.begin(), a.luecken.end());
        ASSERT_EQ(zeilen, (std::set<int> { 0, 1, 2 }));
        const std::array<QString, 3> voll[3] = { { "2", "6", "7" }, { "4", "5", "6" }, { "7", "2", "3" } };
        const QString soll = voll[a.luecken[H]][H] + u'ü' + voll[a.luecken[Z]][Z] + u'ü' + voll[a.luecken[E]][E];
        ASSERT_EQ(a.wahltext, soll);
        for (int sp : { H, Z, E })
            ASSERT_EQ(a.zeilen[a.luecken[sp]][sp], "?");
        // All three rows are shown, each gap as "?".
        ASSERT_EQ(aufgabenbild(a, 5).texte().count("?"), 3);
        ASSERT_EQ(aufgabenbild(a, 5).texte().size(), 10);
        verteilungen.insert(a.luecken);
    }
    EXPECT_EQ(verteilungen.size(), 6u);
}

TEST_F(Sv1Logik, AWrongCharacterGetsTheFirstMessageThatApplies)
{
    struct Fall {
        QChar getippt;
        int schritt;
        const char* wahltext;
        QChar zuletzt;
        const char* text;
        bool fokus;
    };
    const QChar ue(u'ü');
    const Fall faelle[] = {
        { u'1', 4, "7ü2ü3", u'3', "für den Übertrag:  tippe 'Ü' oder drücke 'Ü 1'", true },
        { ue, 5, "7ü2ü3", QChar(), "zu Beginn gibt es keinen Übertrag", false },
        { ue, 3, "7ü2ü3", ue, "der Übertrag steht schon da", false },
        { ue, 3, "8ü1 3", u'3', "es gab keinen Übertrag", false },
        { ue, 1, "723 3", u'2', "es gab keinen Übertrag", false },
        { u'8', 2, "8ü1 3", u'1', "tippe vorher noch den Übertrag ein", true },
        { u'5', 2, "8ü1 3", u'1', "es gab einen Übertrag, tippe ihn ein", true },
        { u'4', 5, "7ü2ü3", QChar(), "Die 4 war falsch. Rechne neu oder hole Hilfe.", false },
    };
    for (const Fall& f : faelle) {
        const Meldung m = meldung(f.getippt, f.schritt, QString::fromUtf8(f.wahltext), f.zuletzt);
        EXPECT_EQ(m.text, QString::fromUtf8(f.text)) << f.schritt;
        EXPECT_EQ(m.button10Fokus, f.fokus) << f.text;
    }
}

TEST_F(Sv1Logik, HelpSpeaksTheColumnAndPointsWhereToTypeAndWhatToKeep)
{
    const Aufgabe plus = aufgabeBilden(81, aufgabe(267, 456));
    Hilfe h = hilfe(plus, 5);
    EXPECT_EQ(h.meldung.texte(), (QStringList { "sprich:  ... 6 ... 13", "tippe", "merke" }));
    EXPECT_TRUE(h.spalteMarkieren);
    EXPECT_FALSE(h.zeigenFrei);
    EXPECT_EQ(h.zwbyte4, 1);
    EXPECT_EQ(hilfe(plus, 3).meldung.texte().first(), "sprich:  ... 1 ... 6 ... 12");
    h = hilfe(plus, 4);
    EXPECT_EQ(h.meldung.texte(), QStringList { "für den Übertrag:  tippe 'Ü' oder drücke 'Ü 1'" });
    EXPECT_TRUE(h.button10Fokus);
    // No carry out of the hundreds: nothing to keep.
    EXPECT_FALSE(hilfe(aufgabeBilden(81, aufgabe(352, 461)), 5).meldung.texte().contains("merke"));

    const Aufgabe erg = aufgabeBilden(83, aufgabe(267, 456));
    h = hilfe(erg, 5);
    EXPECT_EQ(h.meldung.texte(), (QStringList { "sprich:  ... 6  +    ?", "=  13", "tippe", "merke" }));
    EXPECT_EQ(h.meldung.finde("=  13")->x, 637);
    EXPECT_TRUE(h.zeigenFrei);
    EXPECT_EQ(hilfe(erg, 3).meldung.texte().mid(0, 2), (QStringList { "sprich:  ... 1 ... 6  +    ?", "=  12" }));
    EXPECT_EQ(hilfe(erg, 1).meldung.finde("=  7")->x, 627);

    // Code 82: the sum with the gap's "?" in its place.
    Aufgabe luecke = aufgabeBilden(81, aufgabe(267, 456));
    luecke.code = 82;
    luecke.luecken = { 1, 0, 2 };
    EXPECT_EQ(hilfe(luecke, 5).meldung.texte(), QStringList { "6  +  7  =    ?" });
    EXPECT_EQ(hilfe(luecke, 3).meldung.texte(), (QStringList { "1  +  5  +   ?", "=  12" }));
    EXPECT_EQ(hilfe(luecke, 1).meldung.texte(), (QStringList { "1  +  ", "?  +  2  =  7" }));
    EXPECT_TRUE(hilfe(luecke, 1).zeigenFrei);
    // Its show button types nothing; it shows the character and where it goes.
    EXPECT_EQ(zeigen(luecke, 5, 1).texte(), (QStringList { "3", "1", "tippe", "merke" }));
    EXPECT_EQ(zeigen(luecke, 1, 0).texte(), (QStringList { "7", "tippe" }));
    EXPECT_EQ(zeigen(plus, 3, 1).texte(), QStringList { "2" });
    EXPECT_EQ(zeigen(plus, 1, 0).texte(), QStringList { "7" });
    EXPECT_TRUE(zeigen(plus, 0, 0).leer());
    EXPECT_TRUE(zeigen(plus, 6, 0).leer());
    // Wherever the gap is, a column that carries says what to keep, at the units and at the tens; the carry's "1"
    // stands in front of the digit only where the gap is the sum's.
    for (int r = 0; r < 3; ++r) {
        luecke.luecken = { r, r, r };
        for (int schritt : { 3, 5 }) {
            SCOPED_TRACE("row " + std::to_string(r) + ", step " + std::to_string(schritt));
            const QStringList mit = zeigen(luecke, schritt, 1).texte();
            EXPECT_EQ(mit.contains("merke"), true);
            EXPECT_EQ(mit.contains("1"), r == 2);
            EXPECT_FALSE(zeigen(luecke, schritt, 0).texte().contains("merke"));
        }
        EXPECT_FALSE(zeigen(luecke, 1, 1).texte().contains("merke"));
    }
}

TEST_F(Sv1Logik, HelpAtADigitFramesTheColumnThePupilWorksOn)
{
    // Adding, finding the missing digit, subtracting: every help at a digit shows the column it is about, with a
    // carry into it or without one.
    for (int code : { 81, 83, 84 })
        for (const Ziffern& z : { aufgabe(267, 456), aufgabe(352, 461) })
            for (int schritt : { 1, 3, 5 })
                EXPECT_TRUE(hilfe(aufgabeBilden(code, z), schritt).spalteMarkieren) << code << " " << schritt;
}

TEST_F(Sv1Logik, ADigitTypedIntoAGapStandsInTheGapsRow)
{
    // Code 82: a gap in the first number, the second or the sum; what the pupil types goes on that row of the
    // column, level with the row's other digits: the top, the middle, or the sum below the line.
    for (int r = 0; r < 3; ++r) {
        Aufgabe luecke = aufgabeBilden(81, aufgabe(267, 456));
        luecke.code = 82;
        luecke.luecken = { r, r, r };
        for (int schritt = 1; schritt <= 5; ++schritt) {
            if (!ziffernschritt(schritt)) continue;
            SCOPED_TRACE("row " + std::to_string(r) + ", step " + std::to_string(schritt));
            const schrift::Bild getippt = eintrag(luecke, schritt, u'5');
            const schrift::Schrift* e = getippt.finde("5");
            ASSERT_TRUE(e);
            std::vector<int> zeilen;
            for (const schrift::Element& t : aufgabenbild(luecke, schritt).teile)
                if (const auto* z = std::get_if<schrift::Schrift>(&t); z && z->x == e->x && z->hoehe == e->hoehe)
                    zeilen.push_back(z->y);
            std::sort(zeilen.begin(), zeilen.end());
            ASSERT_EQ(zeilen.size(), 3u);
            EXPECT_NEAR(e->y, zeilen[std::size_t(r)], 1);
        }
    }
}

TEST_F(Sv1Logik, ExchangesChangeTheMinuendAndLeaveTheirNotes)
{
    // 723 - 456: the units cannot be subtracted, the help offers the exchange.
    Aufgabe t = aufgabeBilden(84, aufgabe(267, 456));
    Hilfe h = hilfe(t, 5);
    EXPECT_EQ(h.meldung.texte(), (QStringList { "3  -  6  =   ?", "... das geht nicht,   drücke 'tauschen'" }));
    EXPECT_TRUE(h.tauschenFrei);
    EXPECT_FALSE(h.zeigenFrei);
    int stand = 0;
    Tauschknopf k = tauschen(t.z, stand, 5);
    EXPECT_EQ(k.meldung.texte(), QStringList { "Ich tausche einen Zehner in 10 Einer um." });
    EXPECT_EQ(k.feld.texte(), (QStringList { "1", "13" }));
    EXPECT_EQ(stand, 44);
    EXPECT_EQ(t.z.c, (std::array<int, 3> { 7, 1, 13 }));
    // Now it can: 13 - 6, with nothing to keep.
    h = hilfe(t, 5);
    EXPECT_EQ(h.meldung.texte(), (QStringList { "13  -  6  =   ?", "tippe" }));
    EXPECT_TRUE(h.zeigenFrei);
    // The tens need a hundred: its note goes above the first one.
    EXPECT_TRUE(tauschVorEintrag(t.z, stand, 5).leer());
    const schrift::Bild hundert = tauschVorEintrag(t.z, stand, 3);
    EXPECT_EQ(hundert.texte(), (QStringList { "6", "11" }));
    EXPECT_EQ(hundert.finde("11")->y, 121);
    EXPECT_EQ(t.z.c, (std::array<int, 3> { 6, 11, 13 }));

    // 703 - 456: no ten to exchange; the button explains both exchanges and shows "10" struck above "9".
    t = aufgabeBilden(84, aufgabe(247, 456));
    stand = 0;
    k = tauschen(t.z, stand, 5);
    EXPECT_EQ(k.meldung.texte(),
        (QStringList { "Ich habe keinen Zehner, um ihn zu tauschen.", "Ich tausche einen Hunderter in 10 Zehner um.",
            "Danach tausche ich einen Zehner in 10 Einer." }));
    EXPECT_EQ(k.feld.texte(), (QStringList { "6", "10", "9", "13" }));
    EXPECT_EQ(k.feld.finde("10")->y, 120);
    EXPECT_EQ(k.feld.finde("9")->y, 165);
    EXPECT_EQ(stand, 44);
    EXPECT_EQ(t.z.c, (std::array<int, 3> { 6, 9, 13 }));
    // Typed without the button, the right digit makes the same exchanges.
    t = aufgabeBilden(84, aufgabe(247, 456));
    stand = 0;
    EXPECT_EQ(tauschVorEintrag(t.z, stand, 5).texte(), (QStringList { "6", "10", "9", "13" }));
}

// After every exchange each column shows one digit to read: every digit an exchange replaced is struck out,
// the minuend's or an earlier note, and only the newest stands.
TEST_F(Sv1Logik, AnExchangeStrikesEveryDigitItReplacesAndNoOther)
{
    // 723 - 456: a ten into ones, then a hundred into tens; the tens note "1" gives way to "11".
    Aufgabe t = aufgabeBilden(84, aufgabe(267, 456));
    int stand = 0;
    schrift::Bild feld = tauschen(t.z, stand, 5).feld;
    EXPECT_EQ(spalten(t, feld), "7 | (2) 1 | (3) 13");
    feld << tauschVorEintrag(t.z, stand, 3);
    EXPECT_EQ(spalten(t, feld), "(7) 6 | (2) (1) 11 | (3) 13");
    // 753 - 481: only a hundred into tens, the minuend's tens give way.
    t = aufgabeBilden(84, aufgabe(272, 481));
    stand = 0;
    EXPECT_EQ(spalten(t, tauschen(t.z, stand, 3).feld), "(7) 6 | (5) 15 | 3");
    t = aufgabeBilden(84, aufgabe(272, 481));
    stand = 0;
    EXPECT_EQ(spalten(t, tauschVorEintrag(t.z, stand, 3)), "(7) 6 | (5) 15 | 3");
    // 703 - 456: both at once; the "10" the hundred gave is itself exchanged at once.
    for (bool knopf : { true, false }) {
        t = aufgabeBilden(84, aufgabe(247, 456));
        stand = 0;
        feld = knopf ? tauschen(t.z, stand, 5).feld : tauschVorEintrag(t.z, stand, 5);
        EXPECT_EQ(spalten(t, feld), "(7) 6 | (0) (10) 9 | (3) 13") << (knopf ? "button" : "typed");
    }
}

TEST_F(Sv1Logik, EveryGeneratorsDigitsKeepTheirRangeAndEachDigitItAllowsComes)
{
    const auto bereiche = [](int generator, int code) {
        Wertebereiche w;
        for (int n = 0; n < 4000; ++n) {
            const Ziffern z = stellenwurf(generator, code);
            for (int s : { H, Z, E }) {
                const QString stelle = QString(QChar(u"HZE"[s]));
                w(u'a' + stelle, z.a[s]);
                w(u'b' + stelle, z.b[s]);
                w(u'c' + stelle, z.c[s]);
            }
        }
        return w.text();
    };
    PinRandomSeed(5);
    struct Soll {
        int generator, code;
        const char* bereiche;
    };
    const Soll tabelle[] = {
        { 0, 81, "aE 1-8, aH 1-8, aZ 1-8, bE 1-8, bH 1-8, bZ 1-8, cE 2-9, cH 2-9, cZ 2-9" },
        { 1, 81, "aE 0-8, aH 1-7, aZ 1-9, bE 0-8, bH 1-7, bZ 1-9, cE 0-8, cH 3-9, cZ 0-8" },
        { 2, 81, "aE 1-9, aH 1-8, aZ 1-7, bE 1-9, bH 1-8, bZ 1-7, cE 0-8, cH 2-9, cZ 3-9" },
        { 4, 81, "aE 2-9, aH 1-7, aZ 2-8, bE 2-9, bH 1-7, bZ 3-9, cE 1-8, cH 3-9, cZ 2-8" },
        { 5, 81, "aE 1-9, aH 1-7, aZ 0-9, bE 1-9, bH 1-7, bZ 0-9, cE 0-8, cH 3-9, cZ 0" },
        { 5, 83, "aE 1-9, aH 1-7, aZ 9, bE 1-9, bH 1-7, bZ 0-9, cE 0-8, cH 3-9, cZ 0-9" },
        { 6, 81, "aE 1-9, aH 1-7, aZ 1-9, bE 0-9, bH 1-7, bZ 0-9, cE 0-9, cH 2-9, cZ 0,2-9" },
    };
    for (const Soll& s : tabelle)
        EXPECT_EQ(bereiche(s.generator, s.code).toStdString(), s.bereiche)
            << "generator " << s.generator << ", code " << s.code;

    // The three forms of results with zeros each keep their own ranges.
    std::map<QString, Wertebereiche> formen;
    for (int n = 0; n < 6000; ++n) {
        const Ziffern z = stellenwurf(6, 81);
        Wertebereiche& w = formen[z.c[Z] == 0 && z.c[E] == 0 ? QStringLiteral("H00")
                : z.c[Z] == 0                                ? QStringLiteral("H0E")
                                                             : QStringLiteral("HZ0")];
        for (int s : { H, Z, E }) {
            const QString stelle = QString(QChar(u"HZE"[s]));
            w(u'a' + stelle, z.a[s]);
            w(u'b' + stelle, z.b[s]);
            w(u'c' + stelle, z.c[s]);
        }
    }
    QStringList g6;
    for (const auto& [form, w] : formen)
        g6 << form + QStringLiteral(": ") + w.text();
    EXPECT_EQ(g6.join(u'\n').toStdString(),
        "H00: aE 1-9, aH 1-7, aZ 1-8, bE 1-9, bH 1-7, bZ 1-8, cE 0, cH 3-9, cZ 0\n"
        "H0E: aE 1-9, aH 1-7, aZ 1-9, bE 0-8, bH 1-7, bZ 1-9, cE 1-9, cH 3-9, cZ 0\n"
        "HZ0: aE 1-9, aH 1-7, aZ 1-8, bE 1-9, bH 1-7, bZ 0-7, cE 0, cH 2-8, cZ 2-9");
}

TEST_F(Sv1Logik, TheHelpKeepsACarryExactlyWhereTheColumnMakesOne)
{
    PinRandomSeed(9);
    for (int generator : { 0, 1, 2, 4, 5, 6 })
        for (int code : { 81, 82, 83 })
            for (int n = 0; n < 100; ++n) {
                const Aufgabe a = aufgabeBilden(code, stellenwurf(generator, code));
                for (int schritt : { 1, 3, 5 }) {
                    const int s = spalteVonSchritt(schritt);
                    const int summe = a.z.a[s] + a.z.b[s] + int(a.z.merk(s) == u'ü');
                    const Hilfe h = hilfe(a, schritt);
                    EXPECT_EQ(h.zwbyte4, summe / 10) << "code " << code << ", " << a.z.zahlA() << " + " << a.z.zahlB();
                    if (code != 82)
                        EXPECT_EQ(h.meldung.texte().contains(QStringLiteral("merke")), summe >= 10)
                            << "code " << code << ", step " << schritt << ", " << a.z.zahlA() << " + " << a.z.zahlB();
                }
            }
}

// A digit typed goes into the result row of its column, a carry's "1" into the column it carries into, above the
// line; the yellow mark of a gap lies on the gap's "?", and the green frame around the column's digits.
TEST_F(Sv1Logik, TypedCharactersMarksAndFramesStandInTheirColumns)
{
    const Aufgabe plus = aufgabeBilden(81, aufgabe(267, 456));
    std::map<int, int> spalten; // x of each column's digits
    for (const schrift::Element& e : aufgabenbild(plus, 5).teile)
        if (const auto* s = std::get_if<schrift::Schrift>(&e); s && s->hoehe == 95 && s->text != "+") spalten[s->x]++;
    ASSERT_EQ(spalten.size(), 3u);
    std::vector<int> x;
    for (const auto& [sx, n] : spalten)
        x.push_back(sx);
    const int schritte[5] = { H, H, Z, Z, E }; // the column a step's character stands in
    for (int schritt = 1; schritt <= 5; ++schritt) {
        SCOPED_TRACE(schritt);
        const schrift::Bild b = eintrag(plus, schritt, ziffernschritt(schritt) ? u'5' : u'ü');
        const QStringList t = b.texte();
        ASSERT_EQ(t.size(), 1);
        const schrift::Schrift* s = b.finde(t.first());
        EXPECT_EQ(s->x, x[std::size_t(schritte[schritt - 1])]);
        if (ziffernschritt(schritt)) {
            EXPECT_EQ(t.first(), "5");
            EXPECT_GT(s->y, 426);
        } else {
            EXPECT_EQ(t.first(), "1");
            EXPECT_LT(s->y, 426);
            EXPECT_GT(s->y, 124 + 103);
            EXPECT_TRUE(eintrag(plus, schritt, u' ').leer());
        }
        const schrift::Bild rahmen = spaltenrahmen(spalteVonSchritt(schritt));
        const auto* r = std::get_if<schrift::Rechteck>(&rahmen.teile.front());
        ASSERT_TRUE(r);
        EXPECT_TRUE(r->links < s->x && s->x < r->rechts);
        EXPECT_LT(r->rechts - r->links, 72);
        // Drawn again when the help ends, it is gone.
        EXPECT_TRUE(r->xorStift);
    }

    for (int r = 0; r < 3; ++r) {
        Aufgabe luecke = aufgabeBilden(81, aufgabe(267, 456));
        luecke.code = 82;
        luecke.luecken = { r, (r + 1) % 3, (r + 2) % 3 };
        for (int sp : { H, Z, E })
            luecke.zeilen[std::size_t(luecke.luecken[sp])][std::size_t(sp)] = QStringLiteral("?");
        std::vector<const schrift::Schrift*> fragen;
        const schrift::Bild bild = aufgabenbild(luecke, 0);
        for (const schrift::Element& e : bild.teile)
            if (const auto* s = std::get_if<schrift::Schrift>(&e); s && s->text == "?") fragen.push_back(s);
        for (int schritt = 0; schritt <= 6; ++schritt) {
            SCOPED_TRACE("rows from " + std::to_string(r) + ", step " + std::to_string(schritt));
            const schrift::Bild marke = lueckenmarke(luecke, schritt);
            if (schritt < 1 || schritt > 5 || !ziffernschritt(schritt)) {
                EXPECT_TRUE(marke.leer());
                continue;
            }
            ASSERT_EQ(marke.teile.size(), 1u);
            const auto* m = std::get_if<schrift::Rechteck>(&marke.teile.front());
            ASSERT_TRUE(m);
            const int sp = spalteVonSchritt(schritt);
            const auto* frage = *std::find_if(
                fragen.begin(), fragen.end(), [&](const auto* f) { return f->x == x[std::size_t(sp)]; });
            EXPECT_TRUE(m->links < frage->x && frage->x < m->rechts);
            EXPECT_TRUE(m->oben <= frage->y + 10 && frage->y + 50 < m->unten);
        }
    }
    EXPECT_TRUE(lueckenmarke(plus, 5).leer());
}

// Where the minuend's digit equals what it is compared with, no ten is needed: subtracting by exchange subtracts
// at once, completing adds none.
TEST_F(Sv1Logik, AnEqualDigitNeedsNoTen)
{
    // 556 - 456: units 6 - 6, tens 5 - 5.
    const Aufgabe tausch = aufgabeBilden(84, aufgabe(100, 456));
    for (int schritt : { 5, 3 }) {
        const Hilfe h = hilfe(tausch, schritt);
        EXPECT_TRUE(h.zeigenFrei) << schritt;
        EXPECT_FALSE(h.tauschenFrei) << schritt;
    }
    const Aufgabe ergaenzen = aufgabeBilden(83, aufgabe(100, 456));
    EXPECT_EQ(hilfe(ergaenzen, 5).meldung.texte().value(1), "=  6");
    EXPECT_EQ(hilfe(ergaenzen, 3).meldung.texte().value(1), "=  5");
    EXPECT_EQ(hilfe(ergaenzen, 1).meldung.texte().value(1), "=  5");
}
