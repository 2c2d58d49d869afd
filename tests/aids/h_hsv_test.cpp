// "halbschriftlich" driven as a pupil drives it: the long way with its hints and the copy arrow, the quick
// mode with its help steps, the keys that do nothing, and the protocol lines.

#include "aids/h_hsv.h"
#include "aids/hilfenfixture.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "support/keys.h"

#include <functional>

namespace {

class HsvTest : public HilfenfensterTest {
protected:
    HsvTest()
        : HilfenfensterTest({ 0.78f, 0.57f, 0, 0, true })
    {
    }

    void lauf(
        int code, int schnell, const std::function<void(TForm78&)>& schritte, int wahl6wert = 0, int wahl1wert = 0)
    {
        programmcode = code;
        wahl7 = shortint(schnell);
        wahl5 = 1;
        wahl1 = shortint(wahl1wert);
        wahl6 = byte(wahl6wert);
        Form::setModalDriver([&](Form& f) {
            if (&f != &hilfe) return;
            schritte(hilfe);
            if (hilfe.isVisible()) pressKey(&hilfe, Qt::Key_Escape);
        });
        hilfe.showModal();
    }

    static QString meldung(const TForm78& h) { return h.meldung().texte().join(u'|'); }
    // The long way still to type, from the step the pointer is at.
    static QString rest(const TForm78& h) { return h.schritte().wahltext.mid(h.schritte().schrittzeiger - 1); }
    // A digit that is neither the one expected in the quick mode nor the answer's units digit.
    static QChar falsch(const TForm78& h)
    {
        const QString antwort = QString::number(h.aktuelleAufgabe().sollwert);
        for (char d = '1'; d <= '9'; ++d)
            if (QChar(d) != h.schritte().erwartet() && QChar(d) != antwort.back()) return QChar(d);
        return QChar(u'1');
    }
    // Ends quick-mode tasks with wrong digits until one for which `passt` holds is on the sheet.
    static void bis(TForm78& h, const std::function<bool(const hsv::Aufgabe&)>& passt)
    {
        while (!passt(h.aktuelleAufgabe())) {
            while (!h.vorbei())
                h.zeichenEingeben(falsch(h));
            h.weiterbutton->Click();
        }
    }

    TForm78 hilfe;
};

} // namespace

TEST_F(HsvTest, TheLongWayOfEachKindIsTypedWithHintsAndTicked)
{
    struct Fall {
        int code, wahl6, wahl1;
        QString ersteMeldung; // after a wrong first digit (empty: the table of multiples)
    };
    const Fall faelle[] = { { 71, 0, 0, "bitte:|die|Zehnerzahl!" }, { 72, 0, 0, "bitte:|die|Zehnerzahl!" },
        { 73, 0, 0, "Was fehlt|zum nächsten|Zehner?" }, { 74, 1, 1, "bitte:|die|Zehnerzahl!" },
        { 75, 0, 0, QString() } };
    PinRandomSeed(3);
    for (const Fall& f : faelle) {
        lauf(
            f.code, 0,
            [&](TForm78& h) {
                const QString name = QStringLiteral("hsv_%1_lang").arg(f.code);
                grabToPng(&h, name + QStringLiteral("_1"));
                const hsv::Aufgabe& a = h.aktuelleAufgabe();
                const QChar erste = a.wahltext.at(0);
                const QChar anders = QChar(u'1' + (erste.unicode() - u'0') % 9);
                h.zeichenEingeben(anders == a.wahltext.at(1) ? QChar(u'1' + (anders.unicode() - u'0') % 9) : anders);
                if (f.ersteMeldung.isEmpty())
                    EXPECT_EQ(h.meldung().texte().size(), 10) << f.code;
                else
                    EXPECT_EQ(meldung(h), f.ersteMeldung);
                // Code 75 with a two-digit tens product took the marker at the first key.
                EXPECT_EQ(h.schritte().wahltext.size(), a.wahltext.size() + (hsv::markeNoetig(a) ? 1 : 0));
                grabToPng(&h, name + QStringLiteral("_hinweis"));
                typeText(&h, rest(h));
                EXPECT_TRUE(h.vorbei());
                EXPECT_EQ(anzahl, 1);
                EXPECT_EQ(eingabenrichtig, a.wahltext.size());
                EXPECT_EQ(eingabengesamt, a.wahltext.size() + 1);
                EXPECT_TRUE(h.weiterbutton->isVisible());
                grabToPng(&h, name + QStringLiteral("_geloest"));
            },
            f.wahl6, f.wahl1);
    }
    UnpinRandomSeed();
}

TEST_F(HsvTest, TheCopyArrowFlashesAndLeavesTheSheetAsItWas)
{
    lauf(71, 0, [&](TForm78& h) {
        typeText(&h, h.aktuelleAufgabe().wahltext.left(4));
        const QImage vorher = h.surface().image().copy();
        const QChar soll = h.schritte().erwartet();
        h.zeichenEingeben(soll == u'9' ? QChar(u'1') : QChar(soll.unicode() + 1));
        EXPECT_EQ(h.pfeile(), 1);
        EXPECT_EQ(h.surface().image(), vorher);
        EXPECT_EQ(h.schritte().schrittzeiger, 5);
    });
}

TEST_F(HsvTest, QuickModeTensFirstHelpStepsAndTheEndAfterTheFifth)
{
    struct Fall {
        int code, wahl6;
        std::function<bool(const hsv::Aufgabe&)> passt;
        QString name;
    };
    const auto immer = [](const hsv::Aufgabe&) { return true; };
    const Fall faelle[] = { { 71, 0, immer, "71" }, { 73, 0, immer, "73" },
        { 74, 0, [](const hsv::Aufgabe& a) { return a.sollwert < 100; }, "74_zweistellig" },
        { 74, 0, [](const hsv::Aufgabe& a) { return a.sollwert >= 100; }, "74_dreistellig" },
        { 75, 0, immer, "75_zweistellig" } };
    PinRandomSeed(5);
    for (const Fall& f : faelle) {
        lauf(
            f.code, 1,
            [&](TForm78& h) {
                bis(h, f.passt);
                const int vorher = anzahl;
                const int eingabenVorher = eingabengesamt;
                const QString antwort = QString::number(h.aktuelleAufgabe().sollwert);
                // A first 0 is neither counted nor compared.
                h.ziffernknopf(0)->Click();
                EXPECT_EQ(aufgabeneingaben, 0);
                // The units digit typed at the tens place: told, no help step.
                if (antwort.size() == 3) typeText(&h, antwort.left(1));
                if (antwort.back() != antwort.at(antwort.size() - 2)) {
                    typeText(&h, antwort.right(1));
                    EXPECT_EQ(meldung(h), "Tippe:|erst die Zehner,|dann die Einer!");
                    EXPECT_EQ(h.hilfestufe(), 0);
                }
                const int richtig = h.schritte().schrittzeiger - 1;
                for (int stufe = 1; stufe <= 5; ++stufe) {
                    typeText(&h, QString(falsch(h)));
                    EXPECT_EQ(h.hilfestufe(), stufe);
                    grabToPng(&h, QStringLiteral("hsv_schnell_%1_hilfe%2").arg(f.name).arg(stufe));
                }
                EXPECT_TRUE(h.vorbei());
                EXPECT_EQ(anzahl, vorher + 1);
                EXPECT_EQ(eingabenrichtig, richtig);
                EXPECT_EQ(eingabengesamt - eingabenVorher, aufgabeneingaben);
                EXPECT_FALSE(h.rechner->isEnabled());
                // Keys of a finished task do nothing.
                h.zeichenEingeben(antwort.at(0));
                EXPECT_EQ(anzahl, vorher + 1);
            },
            f.wahl6);
    }
    UnpinRandomSeed();
}

TEST_F(HsvTest, EnterAndSpaceTypeNothingAndTheProtocolNamesTheKind)
{
    lauf(
        74, 1,
        [&](TForm78& h) {
            pressKey(&h, Qt::Key_Return);
            pressKey(&h, Qt::Key_Space);
            EXPECT_EQ(aufgabeneingaben, 0);
            EXPECT_TRUE(h.isVisible());
            EXPECT_FALSE(h.weiterbutton->isVisible());
            // A right answer draws the long way and the tick.
            typeText(&h, QString::number(h.aktuelleAufgabe().sollwert));
            EXPECT_TRUE(h.vorbei());
            EXPECT_EQ(eingabenrichtig, h.aktuelleAufgabe().antwortstellen());
            grabToPng(&h, QStringLiteral("hsv_schnell_74_geloest"));
        },
        0, 1);
    EXPECT_EQ(protzeilen[2], "Programm:              halbschriftlich, schnell (kurzer Weg)");
    EXPECT_EQ(protzeilen[4], "Rechenart:             ZE x E");
    EXPECT_EQ(protzeilen[5], "Schwierigkeitsgrad:    mittleres 1x1 ( x 12..19)");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  1");
    EXPECT_EQ(protzeilen[11], "");
    EXPECT_EQ(protzeilen[12], "");
    lauf(71, 0, [](TForm78&) {});
    EXPECT_EQ(protzeilen[2], "Programm:              halbschriftlich, ausführlich");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  0");
    EXPECT_EQ(protzeilen[5], "Schwierigkeitsgrad:    mit Zehnerübergang");
}
