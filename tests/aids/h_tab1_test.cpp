#include "aids/h_tab1.h"
#include "aids/h_tab1_druck.h"
#include "aids/hilfenfixture.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "support/keys.h"
#include "support/pdf.h"

#include <QFile>
#include <functional>

using namespace tab1;

namespace {

class Tab1Test : public HilfenfensterTest {
protected:
    void SetUp() override
    {
        HilfenfensterTest::SetUp();
        variante = 0;
        wahl3 = 0;
        wahl4 = 0;
        wahltext = QStringLiteral("3 5 7 // 4 6 8");
    }
    void TearDown() override
    {
        printer().setRecording(false);
        HilfenfensterTest::TearDown();
    }

    static void rand(std::initializer_list<int> zeilen, std::initializer_list<int> spalten)
    {
        int i = 0;
        for (int z : zeilen)
            auswahl1[++i] = z;
        tabzeilenzahl = shortint(i);
        i = 0;
        for (int s : spalten)
            auswahl2[++i] = s;
        tabspaltenzahl = shortint(i);
    }

    // Runs the aid with `code`; `schritte` drives it, then Esc ends it (when it is still open).
    void lauf(int code, const std::function<void(TForm70&)>& schritte)
    {
        programmcode = code;
        Form::setModalDriver([&](Form& f) {
            if (&f == &dialog) {
                ++protokolle;
                return;
            }
            if (&f != &hilfe) return;
            schritte(hilfe);
            if (hilfe.isVisible()) pressKey(&hilfe, Qt::Key_Escape);
        });
        hilfe.showModal();
    }

    // Types the answer of the asked cell's entry step and Enter.
    void antworten(TForm70& h, int wert)
    {
        typeText(&h, QString::number(wert));
        pressKey(&h, Qt::Key_Return);
    }
    void zelleLoesen(TForm70& h)
    {
        const Rechenart art = h.tabelle().art.rechenart;
        const int schritte = art == Rechenart::durch ? 3 : 1;
        for (int s = 1; s <= schritte; ++s)
            antworten(h, schrittziel(art, tabzahl1, tabzahl2, art == Rechenart::durch ? s : 3));
    }

    // The worksheet of the running table as a PDF, copied to the test output under `name`.
    QString drucken(TForm70& h, const QString& name)
    {
        const QString ordner = qEnvironmentVariable("TAVI_DRUCKORDNER");
        const QStringList vorher = pdfFiles(ordner);
        h.Button10->Click();
        QStringList neu = pdfFiles(ordner);
        for (const QString& alt : vorher)
            neu.removeAll(alt);
        if (neu.size() != 1) return {};
        const QString ziel = QStringLiteral(TAVI_TEST_OUTPUT "/") + name + QStringLiteral(".pdf");
        QFile::remove(ziel);
        QFile::copy(neu.first(), ziel);
        return pdfText(neu.first());
    }

    TForm70 hilfe;
    int protokolle = 0;
};

const char* const kHinweis1 = "finde zuerst alle Aufgaben, wo höchstens 10 herauskommt";
const char* const kMuster = "gibt es Zahlenmuster?";

} // namespace

TEST_F(Tab1Test, Raum10InOrderWithAWrongAnswerEndsAfterTheLastCellWithTheProtocol)
{
    rand({ 3, 5, 7 }, { 4, 6, 8 });
    mindestminuten = 5;
    mindestaufgaben = 10;
    lauf(61, [&](TForm70& h) {
        EXPECT_EQ(mindestaufgaben, 3);
        EXPECT_EQ(h.zelle().a, 3);
        EXPECT_EQ(h.zelle().b, 4);
        EXPECT_TRUE(h.Button10->isVisible());
        EXPECT_FALSE(h.weiterbutton->isVisible());
        grabToPng(&h, QStringLiteral("tab1_61_gefragt"));

        antworten(h, 8);
        EXPECT_TRUE(h.weiterbutton->isVisible());
        EXPECT_FALSE(h.Rechner->isEnabled());
        EXPECT_FALSE(h.KeyPreview);
        EXPECT_FALSE(h.Button10->isVisible()); // gone with the first digit
        grabToPng(&h, QStringLiteral("tab1_61_falsch"));
        typeText(&h, QStringLiteral("7")); // no keypad now
        EXPECT_EQ(eingabe, "8");
        pressKey(&h, Qt::Key_Return); // "weiter": the same cell again
        EXPECT_FALSE(h.weiterbutton->isVisible());
        EXPECT_EQ(h.zelle().b, 4);
        antworten(h, 7);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabengesamt, 4);

        EXPECT_EQ(h.zelle().b, 6);
        typeText(&h, QStringLiteral("00")); // a second 0 is refused
        EXPECT_EQ(eingabe, "0");
        pressKey(&h, Qt::Key_Backspace);
        antworten(h, 9);
        antworten(h, 9); // 5 + 4, the last askable cell
        EXPECT_FALSE(h.isVisible());
    });
    EXPECT_EQ(protokolle, 1);
    EXPECT_EQ(protzeilen[2], "Programm:              Tabelle +, Raum 10");
    EXPECT_EQ(protzeilen[3], "Vorgaben:              5 Minute(n), 3 Aufgabe(n)");
    EXPECT_EQ(protzeilen[4], "Zahlenvorrat:          3 5 7 // 4 6 8");
    EXPECT_EQ(protzeilen[5], "Abfrage:               Rand geordnet // der Reihe nach");
    EXPECT_EQ(protzeilen[7], "bearbeitete Aufgaben:  3");
    EXPECT_EQ(protzeilen[8], "Eingaben, gesamt:      9");
    EXPECT_EQ(protzeilen[9], "davon: richtig/nötig:  6  ~ 66 %  (Ziel: 100 %)");
    // The askable cells were the goal of this run only.
    EXPECT_EQ(mindestaufgaben, 10);

    // Without minutes the same run shows no protocol, and a new run starts with the print button.
    mindestminuten = 0;
    protokolle = 0;
    lauf(61, [&](TForm70& h) {
        EXPECT_TRUE(h.Button10->isVisible());
        EXPECT_FALSE(h.weiterbutton->isVisible());
        for (int i = 0; i < 3; ++i)
            zelleLoesen(h);
    });
    EXPECT_EQ(protokolle, 0);
}

TEST_F(Tab1Test, JumpingAsksAnotherCellAfterAWrongAnswerUntilOneIsLeft)
{
    rand({ 1, 2 }, { 1, 2 });
    wahl3 = 1;
    lauf(63, [&](TForm70& h) {
        while (vorratsgroesse > 1) {
            const QString vorher = deskriptor(h.zelle());
            antworten(h, 99);
            pressKey(&h, Qt::Key_Return);
            EXPECT_NE(deskriptor(h.zelle()), vorher);
            zelleLoesen(h);
        }
        const QString letzte = deskriptor(h.zelle());
        antworten(h, 99);
        pressKey(&h, Qt::Key_Return);
        EXPECT_EQ(deskriptor(h.zelle()), letzte);
        zelleLoesen(h);
        EXPECT_FALSE(h.isVisible());
    });
    EXPECT_EQ(anzahl, 4);
    EXPECT_EQ(protzeilen[5], "Abfrage:               Rand geordnet // springend");
}

TEST_F(Tab1Test, DivisionAsksMultipleQuotientAndRemainder)
{
    rand({}, { 3, 7 });
    lauf(64, [&](TForm70& h) {
        EXPECT_EQ(h.tabelle().zeilen, 2);
        const int a = tabzahl1, b = tabzahl2;
        antworten(h, a / b * b);
        EXPECT_EQ(sollwert, 2);
        antworten(h, a / b);
        EXPECT_EQ(sollwert, 3);
        antworten(h, a % b + 1); // wrong remainder: back to step 1 of the same cell
        EXPECT_TRUE(h.weiterbutton->isVisible());
        pressKey(&h, Qt::Key_Return);
        EXPECT_EQ(sollwert, 1);
        zelleLoesen(h);
        EXPECT_EQ(anzahl, 1);
        EXPECT_EQ(eingabenrichtig, int(QString::number(a / b).size() + QString::number(a / b * b).size()) + 4);
        antworten(h, tabzahl1 / tabzahl2 * tabzahl2);
        grabToPng(&h, QStringLiteral("tab1_64_schritt2"));
        antworten(h, tabzahl1 / tabzahl2 + 1);
        grabToPng(&h, QStringLiteral("tab1_64_falsch"));
    });
    EXPECT_EQ(protzeilen[2], "Programm:              Tabelle  Teilen mit Rest");
}

TEST_F(Tab1Test, ATableWithoutAskableCellsOnlyPrintsAndEnds)
{
    rand({ 0, 1 }, { 1, 2 });
    variante = 2; // only crossings of ten, and there are none
    printer().setRecording(true);
    lauf(61, [&](TForm70& h) {
        EXPECT_EQ(vorratsgroesse, 0);
        EXPECT_FALSE(h.Rechner->isEnabled());
        EXPECT_FALSE(h.KeyPreview);
        typeText(&h, QStringLiteral("3"));
        EXPECT_EQ(eingabe, "");
        EXPECT_TRUE(h.Button10->isVisible());
        h.Button10->Click();
        EXPECT_EQ(printer().recorded().size(), 1);
        grabToPng(&h, QStringLiteral("tab1_leer"));
    });
    EXPECT_EQ(protzeilen[3], "Vorgaben:              0 Minute(n), 0 Aufgabe(n)");
}

TEST_F(Tab1Test, LooksOf69)
{
    wahl4 = 1;
    lauf(69, [&](TForm70& h) {
        zelleLoesen(h);
        zelleLoesen(h);
        grabToPng(&h, QStringLiteral("tab1_69"));
    });
}

TEST_F(Tab1Test, WorksheetsCarryTheirHints)
{
    rand({ 1, 2, 3 }, { 4, 5, 6 });
    lauf(61, [&](TForm70& h) {
        const QString text = drucken(h, QStringLiteral("tab1_61_blatt"));
        EXPECT_TRUE(text.contains(QString::fromUtf8(kHinweis1))) << text.toStdString();
        EXPECT_TRUE(text.contains("rechne dann die Aufgaben, wo mehr als 10 herauskommt"));
        EXPECT_TRUE(text.contains(kMuster));
        EXPECT_EQ(printer().lastDocument().title, "Tabelle 1 + 1, Raum 10, Raum 20"); // as the hub offers it
    });
    rand({ 1, 2, 3 }, { 4, 5, 6 });
    lauf(63, [&](TForm70& h) {
        const QString text = drucken(h, QStringLiteral("tab1_63_blatt"));
        EXPECT_TRUE(text.contains(kMuster));
        EXPECT_FALSE(text.contains(QString::fromUtf8(kHinweis1)));
    });
    rand({}, { 2, 5, 10 });
    lauf(64, [&](TForm70& h) {
        const QString text = drucken(h, QStringLiteral("tab1_64_blatt"));
        EXPECT_TRUE(text.contains("was lässt sich teilen?"));
        EXPECT_TRUE(text.contains("Ergebnis der Teilaufgabe?"));
        EXPECT_TRUE(text.contains(QString::fromUtf8(kHinweis1)));
    });
    wahl4 = 1;
    lauf(66, [&](TForm70& h) {
        const QString text = drucken(h, QStringLiteral("tab1_66_blatt"));
        EXPECT_FALSE(text.contains(kMuster));
        EXPECT_FALSE(text.contains(QString::fromUtf8(kHinweis1)));
        EXPECT_TRUE(text.contains(QString::number(auswahl1[1])));
        // Printing is over with the first digit.
        typeText(&h, QStringLiteral("1"));
        EXPECT_FALSE(h.Button10->isVisible());
    });
}

TEST_F(Tab1Test, GridsOfTheThreeLayouts)
{
    const auto linien = [](const Tabellenblatt& b) {
        printer().setRecording(true);
        printer().clearRecorded();
        tab1::drucken(b);
        int duenn = 0, dick = 0;
        for (const DrawOp& op : printer().recorded().first().pages.first())
            if (op.kind == DrawOp::Kind::Line) (op.pen.width == 2 ? duenn : dick) += 1;
        return std::pair<int, int> { duenn, dick };
    };
    const QVector<int> acht { 2, 3, 4, 5, 6, 7, 8, 9 };
    EXPECT_EQ(linien(tabellenblatt(65, 1, 0, acht, acht)), std::make_pair(20, 2));
    // Division: 4 + 4 grid lines, 2 per cell, then the thick header lines and the hint's schema.
    EXPECT_EQ(linien(tabellenblatt(64, 0, 0, { 12, 30, 55 }, { 2, 5, 10 })), std::make_pair(8 + 18, 4));
    EXPECT_EQ(linien(tabellenblatt(62, 0, 0, { 1, 2 }, { 1, 2, 3 })), std::make_pair(5 + 4, 2));
}

TEST_F(Tab1Test, ASmallTableAfterABigOne)
{
    lauf(69, [&](TForm70&) {});
    variante = 0;
    rand({ 3, 5, 7 }, { 4, 6, 8 });
    lauf(61, [&](TForm70& h) {
        grabToPng(&h, QStringLiteral("tab1_klein_nach_gross"));
        // Where the big table's margin was, the window's ground shows again.
        EXPECT_EQ(h.grab().toImage().pixelColor(punkt(60, 150)), h.color());
    });
}
