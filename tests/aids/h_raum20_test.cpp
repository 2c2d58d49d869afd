// Sums up to 20 without a window: the task types, the "Mischung" draws, the pool, the digit check and the
// protocol lines.

#include "aids/h_haupt_logik.h"
#include "aids/h_raum20_logik.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"

#include <algorithm>
#include <map>
#include <set>

using namespace raum20;

namespace {

class Raum20Logik : public TaviTest { };

} // namespace

TEST_F(Raum20Logik, EveryTaskTypeHasItsAnswerItsBoxAndItsNumberOfHelpSteps)
{
    struct Soll {
        int v;
        int sollwert; // for a = 3, b = 4
        int wieoft;
        QPoint platz;
    };
    const Soll tabelle[] = {
        { 12, 4, 5, { 502, 560 } },
        { 13, 4, 4, { 552, 560 } },
        { 21, 7, 5, { 552, 760 } },
        { 25, 7, 5, { 552, 760 } },
        { 31, 7, 5, { 552, 760 } },
        { 35, 7, 5, { 552, 760 } },
        { 22, 3, 4, { 552, 760 } },
        { 26, 3, 5, { 552, 760 } },
        { 32, 3, 5, { 552, 760 } },
        { 36, 3, 5, { 552, 760 } },
        { 23, 4, 5, { 352, 760 } },
        { 27, 4, 5, { 352, 760 } },
        { 33, 4, 5, { 352, 760 } },
        { 37, 4, 5, { 352, 760 } },
        { 28, 4, 5, { 352, 760 } },
    };
    for (const Soll& s : tabelle) {
        SCOPED_TRACE(s.v);
        ASSERT_TRUE(typBekannt(s.v));
        EXPECT_EQ(sollwertVon(s.v, 3, 4), s.sollwert);
        const Typangaben t = typangaben(s.v);
        EXPECT_EQ(t.wieoft, s.wieoft);
        EXPECT_EQ(t.antwortplatz, s.platz);
    }
    // The tick of a task in the lower line beside the answer box.
    EXPECT_EQ(typangaben(23).haken[1], QPoint(395, 890));
    EXPECT_EQ(typangaben(36).haken[2], QPoint(680, 660));
    // The "Mischung" codes are no task types.
    for (int v : { 24, 29, 34, 38, 30, 11, 0 })
        EXPECT_FALSE(typBekannt(v)) << v;
    EXPECT_EQ(stellenzahl(7), 1);
    EXPECT_EQ(stellenzahl(10), 2);
    // Codes outside the aid have no title and no exercise.
    EXPECT_EQ(programmtitel(32), "Zehnerübergang, minus(im 20er-Feld)");
    EXPECT_FALSE(codeBekannt(30));
    EXPECT_TRUE(programmtitel(41).isEmpty());
}

TEST_F(Raum20Logik, MischungDrawsEachOfItsTypesAboutEquallyOften)
{
    const std::map<int, std::set<int>> mischungen = {
        { 24, { 12, 13, 21, 22, 23 } },
        { 29, { 25, 26, 27, 28 } },
        { 34, { 31, 32, 33 } },
        { 38, { 35, 36, 37 } },
    };
    constexpr int kZuege = 6000;
    for (const auto& [code, typen] : mischungen) {
        SCOPED_TRACE(code);
        std::map<int, int> haeufigkeit;
        for (int i = 0; i < kZuege; ++i)
            ++haeufigkeit[typZiehen(code)];
        std::set<int> gezogen;
        for (const auto& [typ, n] : haeufigkeit) {
            gezogen.insert(typ);
            const double anteil = double(n) / kZuege;
            const double erwartet = 1.0 / double(typen.size());
            EXPECT_NEAR(anteil, erwartet, 0.03) << typ;
        }
        EXPECT_EQ(gezogen, typen);
    }
    for (int code : { 12, 13, 21, 23, 25, 28, 31, 33, 35, 37 })
        EXPECT_EQ(typZiehen(code), code);
}

TEST_F(Raum20Logik, DrawsFromThePoolWithoutRepeatsAndStartsOverWhenAllWereDrawn)
{
    aufgabencodes[1] = 21; // 2 + 1
    aufgabencodes[2] = 54; // 5 + 4
    vorratsgroesse = 2;
    nummer = 2;
    std::set<int> erster;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(ziehung());
        EXPECT_EQ(zielzahl, einer1 + einer2);
        erster.insert(einer1 * 10 + einer2);
    }
    EXPECT_EQ(erster, (std::set<int> { 21, 54 }));
    EXPECT_EQ(nummer, 0);

    // The next pass takes from the whole pool again.
    ASSERT_TRUE(ziehung());
    EXPECT_EQ(nummer, 1);
    const int dritter = einer1 * 10 + einer2;
    ASSERT_TRUE(ziehung());
    EXPECT_EQ(std::set<int>({ dritter, einer1 * 10 + einer2 }), (std::set<int> { 21, 54 }));

    // A count left over from a bigger pool does not reach past this one.
    nummer = 40;
    ASSERT_TRUE(ziehung());
    EXPECT_EQ(nummer, 1);

    // An empty pool draws nothing and changes nothing.
    vorratsgroesse = 0;
    einer1 = 7;
    EXPECT_FALSE(ziehung());
    EXPECT_EQ(einer1, 7);

    // A full pool is drawn from to its last entry; a size beyond it is none of this aid's pools.
    const int voll = aufgabencodes.high();
    for (int i = 1; i <= voll; ++i)
        aufgabencodes[i] = 11 + i % 9;
    aufgabencodes[voll] = 99;
    vorratsgroesse = voll;
    nummer = voll;
    bool letzterGezogen = false;
    for (int i = 0; i < voll; ++i) {
        ASSERT_TRUE(ziehung());
        letzterGezogen = letzterGezogen || zielzahl == 18;
    }
    EXPECT_TRUE(letzterGezogen);
    vorratsgroesse = voll + 1;
    einer1 = 7;
    EXPECT_FALSE(ziehung());
    EXPECT_EQ(einer1, 7);
}

TEST_F(Raum20Logik, TwoDigitAnswersAreCheckedTensFirst)
{
    // 14, units digit first: "Zehner zuerst!", and the input starts again.
    Pruefergebnis r = ziffernpruefung(14, "4");
    EXPECT_EQ(r.art, Pruefung::zehnerZuerst);
    EXPECT_TRUE(r.antwort.isEmpty());
    r = ziffernpruefung(14, "1");
    EXPECT_EQ(r.art, Pruefung::zehnerRichtig);
    EXPECT_EQ(r.antwort, "1");
    EXPECT_EQ(ziffernpruefung(14, "14").art, Pruefung::geloest);

    // 11: a first "1" is the tens digit, whatever else it could be.
    EXPECT_EQ(ziffernpruefung(11, "1").art, Pruefung::zehnerRichtig);
    // 10: a first "0" is the units digit.
    EXPECT_EQ(ziffernpruefung(10, "0").art, Pruefung::zehnerZuerst);
    EXPECT_EQ(ziffernpruefung(10, "1").art, Pruefung::zehnerRichtig);

    // 13 typed as "15": the right tens digit stays.
    r = ziffernpruefung(13, "15");
    EXPECT_EQ(r.art, Pruefung::falsch);
    EXPECT_EQ(r.antwort, "1");
    // A wrong first digit that is not the units digit either is just wrong.
    r = ziffernpruefung(13, "2");
    EXPECT_EQ(r.art, Pruefung::falsch);
    EXPECT_TRUE(r.antwort.isEmpty());

    // One-digit answers are right or wrong at once, up to 9.
    EXPECT_EQ(ziffernpruefung(7, "7").art, Pruefung::geloest);
    EXPECT_EQ(ziffernpruefung(9, "9").art, Pruefung::geloest);
    EXPECT_EQ(ziffernpruefung(0, "0").art, Pruefung::geloest);
    r = ziffernpruefung(7, "1");
    EXPECT_EQ(r.art, Pruefung::falsch);
    EXPECT_TRUE(r.antwort.isEmpty());
}

TEST_F(Raum20Logik, ProtocolLinesFourAndFiveSplitTheDescriptionOfTheChoice)
{
    const QString wahl = QStringLiteral("1 2 + 3 4 = 5 6 ");
    Zeilen45 z = protokollzeilen45(21, wahl);
    EXPECT_EQ(z.zeile4, "Zahlenvorrat:          1 2 + 3 4 ");
    EXPECT_EQ(z.zeile5, "                       = 5 6 ");
    EXPECT_EQ(z.zeile5.indexOf(u'='), 23);

    // Decompositions name the numbers to decompose first.
    for (int v : { 12, 13 }) {
        z = protokollzeilen45(v, wahl);
        EXPECT_EQ(z.zeile4, "zu zerlegende Zahlen:  5 6 ");
        EXPECT_EQ(z.zeile5, "         zerlegen in:  1 2 + 3 4 ");
    }

    // Everything chosen in "Raum 20" fills the hub's 60 characters; nothing is lost.
    const QString voll = QStringLiteral("2 3 4 5 6 7 8 9 + 2 3 4 5 6 7 8 9 = 11 12 13 14 15 16 17 18 ");
    ASSERT_EQ(voll.size(), 60);
    z = protokollzeilen45(35, voll);
    EXPECT_TRUE(z.zeile5.endsWith(QStringLiteral("= 11 12 13 14 15 16 17 18 ")));
    EXPECT_LE(z.zeile4.size(), 83);
    EXPECT_EQ(z.zeile5.size(), 23 + 26);

    // A description without "=" (never made by the hub) loses nothing and invents nothing.
    z = protokollzeilen45(21, QStringLiteral("1 2 "));
    EXPECT_EQ(z.zeile4, "Zahlenvorrat:          1 2 ");
    EXPECT_EQ(z.zeile5.trimmed(), "");
}

TEST_F(Raum20Logik, EveryTypeIsNamedInItsTitle)
{
    struct Soll {
        int typ;
        const char *zeile2, *zeile3;
    };
    const Soll tabelle[] = { { 12, "Zahlen zerlegen", "(mit Beinchen)" }, { 13, "Zahlen zerlegen", "(im 10er-Feld)" },
        { 21, "plus", "10er-Felder" }, { 22, "minus", "10er-Felder" }, { 23, "ergänzen (+)", "10er-Felder" },
        { 25, "plus", "10er-Strahl" }, { 26, "minus", "10er-Strahl" }, { 27, "ergänzen (+)", "10er-Strahl" },
        { 28, "ergänzen (-)", "10er-Strahl" }, { 31, "plus", "20er-Feld" }, { 32, "minus", "20er-Feld" },
        { 33, "ergänzen (+)", "20er-Feld" }, { 35, "plus", "20er-Strahl" }, { 36, "minus", "20er-Strahl" },
        { 37, "ergänzen (+)", "20er-Strahl" } };
    for (const Soll& s : tabelle) {
        const raum20::Titel t = raum20::titelzeilen(s.typ);
        EXPECT_EQ(t.zeile1, s.typ >= 31 ? QStringLiteral("Zehnerübergang:") : QStringLiteral("Raum 10:")) << s.typ;
        EXPECT_EQ(t.zeile2, QString::fromUtf8(s.zeile2)) << s.typ;
        EXPECT_EQ(t.zeile3, QString::fromUtf8(s.zeile3)) << s.typ;
    }
}

// Every exercise the hub offers for the number rooms 10 and 20 opens with a title of its own, which names its
// number room's step, its operation and its picture; no other code opens.
TEST_F(Raum20Logik, EveryExerciseOfTheHubShowsItsOwnTitle)
{
    std::set<QString> titel;
    int uebungen = 0;
    for (int code = 0; code < 200; ++code) {
        SCOPED_TRACE(code);
        const QString wort = h_haupt::stichwort(code);
        const bool hier = wort == QStringLiteral("zr10") || wort == QStringLiteral("zr20");
        EXPECT_EQ(codeBekannt(code), hier);
        if (!hier) {
            EXPECT_TRUE(programmtitel(code).isEmpty());
            continue;
        }
        ++uebungen;
        const QString t = programmtitel(code);
        EXPECT_TRUE(titel.insert(t).second) << t.toStdString();
        EXPECT_EQ(t.startsWith(QStringLiteral("Zehnerübergang, ")), wort == QStringLiteral("zr20"));
        const auto unter
            = [code](std::initializer_list<int> codes) { return std::count(codes.begin(), codes.end(), code) > 0; };
        const char* rechnung = code < 20 ? "zerlegen"
            : unter({ 24, 29, 34, 38 })  ? "Mischung"
            : unter({ 21, 25, 31, 35 })  ? "plus"
            : unter({ 22, 26, 32, 36 })  ? "minus"
                                         : "ergänzen";
        EXPECT_TRUE(t.contains(QString::fromUtf8(rechnung))) << t.toStdString();
        const bool strahl = (code >= 25 && code <= 29) || code >= 35;
        EXPECT_EQ(t.contains(QStringLiteral("strahl"), Qt::CaseInsensitive), strahl) << t.toStdString();
        EXPECT_EQ(t.contains(QStringLiteral("feld"), Qt::CaseInsensitive), !strahl && code != 12) << t.toStdString();
    }
    EXPECT_EQ(uebungen, 19);
}

// Closing hands the focus back to the hub's button of the exercise: the decompositions with their group box
// shown again, the exercises of the space of 10 without it, those across the ten not at all.
TEST_F(Raum20Logik, ClosingFocusesTheStartingButtonOnlyForTheExercisesOfTheSpaceOf10)
{
    for (int code = 0; code <= 60; ++code) {
        const Hubfokus f = hubfokus(code);
        const bool zerlegen = code == 12 || code == 13;
        EXPECT_EQ(f.knopf, zerlegen || (code >= 21 && code <= 29)) << code;
        EXPECT_EQ(f.gbRaum20Zeigen, zerlegen) << code;
    }
}
