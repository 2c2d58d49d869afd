#include "analyses/f_ss_logik.h"
#include "analyses/f_ss_runner_logik.h"
#include "platform/errors.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"
#include "support/fixtures.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

class FSsLogikTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        datpfad = dataFolder();
        for (int k = 0; k <= 10; ++k) {
            zahlenwahl1[k] = -1;
            zahlenwahl2[k] = -1;
        }
        for (int k = 0; k <= 11; ++k)
            wahlbytes[k] = 255;
    }
    QString fwIna() const { return dataPath("fw.ina"); }
};

TEST_F(FSsLogikTest, TimesAndTableHeader)
{
    wahlbytes[1] = 1;
    wahlbytes[3] = 3;
    ss::zeitliste();
    EXPECT_EQ(zeitwahl, 2);
    EXPECT_FLOAT_EQ(darbietungszeiten[1], 0.000005f);
    EXPECT_FLOAT_EQ(darbietungszeiten[2], 0.000025f);
    EXPECT_EQ(protzeilen[5].str(), "vorg      0,5 sec    2,5 sec     ok?     P");
    EXPECT_EQ(protzeilen[6].str(), "Zahl     Zahl/Zeit  Zahl/Zeit    Zeit");

    wahlbytes[1] = 255;
    wahlbytes[3] = 255;
    ss::zeitliste();
    EXPECT_EQ(zeitwahl, 0);
    EXPECT_EQ(protzeilen[5].str(), "vorg       ok?     P");
}

// The five presentation times as the list, the protocol head and the runner take them; a position beyond
// either end stands for the nearest time.
TEST_F(FSsLogikTest, EveryTimeHasItsEntryLabelAndDuration)
{
    const struct {
        const char *eintrag, *label;
        float dauer;
    } soll[] = { { " 0,2 sec", "0,2 sec    ", 0.000002f }, { " 0,5 sec", "0,5 sec    ", 0.000005f },
        { " 1,0 sec", "1,0 sec    ", 0.00001f }, { " 2,5 sec", "2,5 sec    ", 0.000025f },
        { " 5,0 sec", "5,0 sec    ", 0.00005f } };
    for (int k = -1; k <= ss::kZeiten; ++k) {
        const auto& f = soll[std::clamp(k, 0, ss::kZeiten - 1)];
        EXPECT_EQ(ss::zeiteintrag(k), f.eintrag) << k;
        EXPECT_EQ(ss::zeitlabel(k), f.label) << k;
        EXPECT_FLOAT_EQ(ss::zeitdauer(k), f.dauer) << k;
    }
    // Start needs numbers, a time and a pupil.
    anzahl = 1;
    zeitwahl = 1;
    schuelername = "Anna";
    EXPECT_TRUE(ss::startbereit());
    anzahl = 0;
    EXPECT_FALSE(ss::startbereit());
    anzahl = 1;
    zeitwahl = 0;
    EXPECT_FALSE(ss::startbereit());
    zeitwahl = 1;
    schuelername = "";
    EXPECT_FALSE(ss::startbereit());
}

// The installation's choice of each field: the 10 field 1..10, the 20 field 1..20 in its two lists, the
// hundred field every digit in both; the times 0,5 to 2,5 sec.
TEST_F(FSsLogikTest, EachFieldsInstalledChoice)
{
    for (const int code : { ss::Zehnerfeld, ss::Zwanzigerfeld, ss::Hunderterfeld }) {
        ss::standardSetzen(code);
        for (int k = 0; k <= 9; ++k) {
            EXPECT_EQ(zahlenwahl1[k], code == ss::Hunderterfeld ? k : k + 1) << code;
            EXPECT_EQ(zahlenwahl2[k], code == ss::Hunderterfeld ? k : code == ss::Zwanzigerfeld ? k + 11 : -1) << code;
        }
        EXPECT_EQ(std::vector<int>({ schalter1, schalter2, rasterbleibt, mindestaufgaben, mindestminuten }),
            std::vector<int>({ 1, 0, 1, 20, 10 }));
        EXPECT_EQ(std::vector<int>({ wahlbytes[0], wahlbytes[1], wahlbytes[2], wahlbytes[3], wahlbytes[4] }),
            std::vector<int>({ 255, 1, 2, 3, 255 }));
    }
}

// Every value of a 20 field section at both ends of what the set-up writes, and one beyond.
TEST_F(FSsLogikTest, EachSectionValueReadsAtItsEndsAndNotBeyond)
{
    const std::vector<int> gut { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 1, 0, 1, 20, 10,
        -1, 1, 2, 3, -1 };
    const struct {
        size_t stelle;
        int wert;
        bool gelesen;
    } faelle[] = { { 0, 0, false }, { 0, 1, true }, { 19, 20, true }, { 19, 21, false }, { 5, -1, true },
        { 20, -1, true }, { 20, 2, false }, { 21, -2, false }, { 22, 1, true }, { 22, 2, false }, { 23, 0, true },
        { 23, 50, true }, { 23, 51, false }, { 23, -1, false }, { 24, 0, true }, { 24, 99, true }, { 24, 100, false },
        { 24, -1, false }, { 25, 0, true }, { 29, 4, true }, { 29, 3, false } };
    for (const auto& f : faelle) {
        std::vector<int> werte = gut;
        werte[f.stelle] = f.wert;
        std::vector<std::vector<int>> zeilen { std::vector<int>(werte.begin(), werte.begin() + 20) };
        for (size_t i = 20; i < 25; ++i)
            zeilen.push_back({ werte[i] });
        zeilen.push_back(std::vector<int>(werte.begin() + 25, werte.end()));
        writeBytes(fwIna(), "a\r\nb\r\n");
        einstellungsdatei::abschnittschreibenZeilen(fwIna(), "ss20", zeilen);
        bool gelesen = false;
        try {
            gelesen = ss::abschnittladen(fwIna(), ss::Zwanzigerfeld);
        } catch (const RuntimeError&) {
        }
        EXPECT_EQ(gelesen, f.gelesen) << "value " << f.stelle << " = " << f.wert;
    }
}

TEST_F(FSsLogikTest, NumberLists)
{
    zahlenwahl1[2] = 3;
    zahlenwahl1[6] = 7;
    ss::zahlenbilden(ss::Zehnerfeld);
    ASSERT_EQ(anzahl, 2);
    EXPECT_EQ(vorratsgroesse, 2);
    EXPECT_EQ(zahlenbeutel[1], 3);
    EXPECT_EQ(zahlenbeutel[2], 7);

    // The unused second list of the 10 field is not looked at; the 20 field takes it after the first.
    zahlenwahl2[0] = 11;
    zahlenwahl2[9] = 20;
    ss::zahlenbilden(ss::Zehnerfeld);
    EXPECT_EQ(anzahl, 2);
    ss::zahlenbilden(ss::Zwanzigerfeld);
    ASSERT_EQ(anzahl, 4);
    EXPECT_EQ(zahlenbeutel[3], 11);
    EXPECT_EQ(zahlenbeutel[4], 20);

    // The lists are shared with the aids, whose times tables keep an eleventh entry there: the 20 field's
    // numbers are its own twenty entries, whatever another window left after them.
    zahlenwahl1[10] = 10;
    zahlenwahl2[10] = 10;
    ss::zahlenbilden(ss::Zwanzigerfeld);
    EXPECT_EQ(anzahl, 4);
    ss::zahlenbilden(ss::Zehnerfeld);
    EXPECT_EQ(anzahl, 2);
}

TEST_F(FSsLogikTest, HundredFieldNumbersNeverHoldZero)
{
    zahlenwahl1[0] = 0;
    zahlenwahl2[0] = 0;
    ss::zahlenbilden(ss::Hunderterfeld);
    EXPECT_EQ(anzahl, 0);
    zahlenwahl2[5] = 5;
    ss::zahlenbilden(ss::Hunderterfeld);
    ASSERT_EQ(anzahl, 1);
    EXPECT_EQ(zahlenbeutel[1], 5);

    for (int k = 0; k <= 9; ++k) {
        zahlenwahl1[k] = k;
        zahlenwahl2[k] = k;
    }
    ss::zahlenbilden(ss::Hunderterfeld);
    ASSERT_EQ(anzahl, 99);
    EXPECT_EQ(zahlenbeutel[1], 1);
    EXPECT_EQ(zahlenbeutel[99], 99);
}

TEST_F(FSsLogikTest, CountBounds)
{
    EXPECT_EQ(ss::aufgabenbegrenzt(0), 1);
    EXPECT_EQ(ss::aufgabenbegrenzt(75), 50);
    EXPECT_EQ(ss::aufgabenbegrenzt(-3), 1);
    EXPECT_EQ(ss::minutenbegrenzt(0), 1);
    EXPECT_EQ(ss::minutenbegrenzt(99), 99);
    EXPECT_EQ(ss::minutenbegrenzt(150), 99);
}

TEST_F(FSsLogikTest, SectionsLoadAndSave)
{
    QFile::copy(QStringLiteral(TAVI_SOURCE_DIR "/installordner/fw.ina"), fwIna());
    QFile(fwIna()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray vorher = readBytes(fwIna());
    const int zeilenVorher = int(vorher.count('\n'));

    ASSERT_TRUE(ss::abschnittladen(fwIna(), ss::Zwanzigerfeld));
    EXPECT_EQ(zahlenwahl2[9], 20);
    EXPECT_EQ(schalter1, 1);
    EXPECT_EQ(schalter2, 0);
    EXPECT_EQ(rasterbleibt, 1);
    EXPECT_EQ(mindestaufgaben, 20);
    EXPECT_EQ(mindestminuten, 10);
    EXPECT_EQ(wahlbytes[0], 255);
    EXPECT_EQ(wahlbytes[1], 1);

    // Saving what was loaded changes nothing; saving twice keeps the number of lines.
    ss::abschnittschreiben(fwIna(), ss::Zwanzigerfeld);
    EXPECT_EQ(readBytes(fwIna()), vorher);
    mindestaufgaben = 35;
    wahlbytes[4] = 4;
    ss::abschnittschreiben(fwIna(), ss::Zwanzigerfeld);
    ss::abschnittschreiben(fwIna(), ss::Zwanzigerfeld);
    const QByteArray nachher = readBytes(fwIna());
    EXPECT_EQ(int(nachher.count('\n')), zeilenVorher);
    EXPECT_TRUE(nachher.contains("ss20\r\n1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 "
                                 "20\r\n1\r\n0\r\n1\r\n35\r\n10\r\n-1 1 2 3 4\r\nss100"));
    // Read back, down to the last time.
    wahlbytes[4] = 255;
    mindestaufgaben = 20;
    ASSERT_TRUE(ss::abschnittladen(fwIna(), ss::Zwanzigerfeld));
    EXPECT_EQ(mindestaufgaben, 35);
    EXPECT_EQ(wahlbytes[4], 4);
}

TEST_F(FSsLogikTest, MissingFileOrSectionGivesTheInstalledValues)
{
    mindestaufgaben = 99;
    EXPECT_FALSE(ss::abschnittladen(fwIna(), ss::Hunderterfeld));
    EXPECT_EQ(zahlenwahl1[0], 0);
    EXPECT_EQ(zahlenwahl2[9], 9);
    EXPECT_EQ(mindestaufgaben, 20);
    EXPECT_EQ(wahlbytes[2], 2);

    // A file without the section: nothing is read from another section.
    writeBytes(fwIna(),
        "TAVI\r\nkopf\r\nss20\r\n5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5 5\r\n0\r\n1\r\n0\r\n3\r\n3\r\n0 -1 -1 -1 "
        "-1\r\n");
    EXPECT_FALSE(ss::abschnittladen(fwIna(), ss::Zehnerfeld));
    EXPECT_EQ(zahlenwahl1[0], 1);
    EXPECT_EQ(zahlenwahl2[0], -1);
    ss::abschnittschreiben(fwIna(), ss::Zehnerfeld);
    EXPECT_TRUE(readBytes(fwIna()).endsWith(
        "ss_10\r\n1 2 3 4 5 6 7 8 9 10 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1\r\n1\r\n0\r\n1\r\n20\r\n10\r\n-1 1 2 3 -1\r\n"));
    EXPECT_TRUE(ss::abschnittladen(fwIna(), ss::Zwanzigerfeld));
    EXPECT_EQ(mindestaufgaben, 3);

    // No file at all: the rewrite makes one with the settings header.
    QFile::remove(fwIna());
    ss::abschnittschreiben(fwIna(), ss::Hunderterfeld);
    EXPECT_TRUE(
        readBytes(fwIna()).startsWith("TAVI Einstellungen Fehleranalysen\r\nnicht von Hand \xe4ndern\r\nss100\r\n"));
}

// The quick-sight section as an editor or a damage may leave it: a value the set-up never writes is never used
// (the tens digit 2147483647 once overflowed the hundred field's numbers), "1e5" is no number, tabs separate.
TEST_F(FSsLogikTest, DamagedSectionValuesAreNeverUsed)
{
    const QByteArray kopf = "TAVI Einstellungen Fehleranalysen\r\nnicht von Hand \xe4ndern\r\nss100\r\n";
    const QByteArray rest = "\r\n1\r\n0\r\n1\r\n20\r\n10\r\n-1 1 2 3 -1\r\n";
    const QByteArray wahl = "0 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9";
    const struct {
        QByteArray abschnitt;
        const char* erwartet; // "" read, "Abschnitt" the section's message, "E/A" the runtime's
    } faelle[] = {
        { wahl + rest, "" },
        { QByteArray(wahl).replace(' ', '\t') + "\t" + rest, "" },
        { "2147483647" + wahl.mid(1) + rest, "Abschnitt" },
        { "10" + wahl.mid(1) + rest, "Abschnitt" },
        { "-2" + wahl.mid(1) + rest, "Abschnitt" },
        { wahl + "\r\n2\r\n0\r\n1\r\n20\r\n10\r\n-1 1 2 3 -1\r\n", "Abschnitt" },
        { wahl + "\r\n1\r\n0\r\n1\r\n51\r\n10\r\n-1 1 2 3 -1\r\n", "Abschnitt" },
        { wahl + "\r\n1\r\n0\r\n1\r\n20\r\n-2147483648\r\n-1 1 2 3 -1\r\n", "Abschnitt" },
        { wahl + "\r\n1\r\n0\r\n1\r\n20\r\n10\r\n-1 1 2 4 -1\r\n", "Abschnitt" },
        { wahl + "\r\n1\r\n0\r\n1\r\n20\r\n10\r\n1 1 2 3 -1\r\n", "Abschnitt" },
        { "1e5" + wahl.mid(1) + rest, "E/A" },
        { "2147483648" + wahl.mid(1) + rest, "E/A" },
        // All 30 values count: the fifth time missing before the next section, or at the end where it reads 0.
        { wahl + "\r\n1\r\n0\r\n1\r\n20\r\n10\r\n-1 1 2 3\r\nss_10\r\n1\r\n", "E/A" },
        { wahl + "\r\n1\r\n0\r\n1\r\n20\r\n10\r\n-1 1 2 3\r\n", "Abschnitt" },
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.abschnitt.toStdString());
        writeBytes(fwIna(), kopf + fall.abschnitt);
        zahlenwahl1[0] = -1;
        mindestaufgaben = 7;
        const std::string erwartet = fall.erwartet;
        try {
            EXPECT_TRUE(ss::abschnittladen(fwIna(), ss::Hunderterfeld));
            EXPECT_EQ(erwartet, "");
            EXPECT_EQ(zahlenwahl1[0], 0);
            ss::hunderterzahlen();
            EXPECT_EQ(anzahl, 99);
            EXPECT_EQ(zahlenbeutel[anzahl], 99);
        } catch (const IoError& e) {
            EXPECT_EQ(erwartet, "E/A");
            EXPECT_EQ(e.code(), IoInvalidNumber);
        } catch (const RuntimeError& e) {
            EXPECT_EQ(erwartet, "Abschnitt");
            EXPECT_EQ(e.message(), einstellungsdatei::beschaedigtMeldung(fwIna(), "ss100"));
        }
        if (erwartet != "") {
            EXPECT_EQ(zahlenwahl1[0], -1);
            EXPECT_EQ(mindestaufgaben, 7);
        }
        EXPECT_EQ(readBytes(fwIna()), kopf + fall.abschnitt);
    }
}

// ---- Runner logic ----

TEST(FSsRunnerLogik, DotsOfTheThreeFields)
{
    const auto sieben = ss::punktbild(ss::Feld::Zehn, 7);
    ASSERT_EQ(sieben.size(), 7);
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(sieben[c].farbe, c <= 4 ? QColor(255, 0, 0) : QColor(0, 0, 255));
    EXPECT_EQ(sieben[6].ort, (ss::Rechteck { 607, 480, 675, 574 }));

    const auto dreizehn = ss::punktbild(ss::Feld::Zwanzig, 13);
    ASSERT_EQ(dreizehn.size(), 13);
    EXPECT_EQ(dreizehn[9].farbe, QColor(0, 0, 255));
    EXPECT_EQ(dreizehn[12].farbe, QColor(255, 0, 0));
    EXPECT_EQ(dreizehn[12].ort, (ss::Rechteck { 227, 614, 295, 708 }));

    const auto p = ss::punktbild(ss::Feld::Hundert, 67);
    ASSERT_EQ(p.size(), 67);
    // Row 6 (from 1): five blue then five red; row 7: five blue, two red.
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(p[50 + c].farbe, c <= 4 ? QColor(0, 0, 255) : QColor(255, 0, 0)) << c;
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(p[60 + c].farbe, c <= 4 ? QColor(0, 0, 255) : QColor(255, 0, 0)) << c;
    EXPECT_EQ(p[0].farbe, QColor(255, 0, 0));
    EXPECT_EQ(p[66].ort, (ss::Rechteck { 29 + 66 * 6, 35 + 95 * 6, 81 + 66 * 6, 110 + 95 * 6 }));
    EXPECT_TRUE(ss::punktbild(ss::Feld::Zehn, 0).isEmpty());
}

// A full field's dots fill the cells of its grid in reading order, one dot inside each cell.
TEST(FSsRunnerLogik, DotsFillTheGridCellsInReadingOrder)
{
    const struct {
        ss::Feld feld;
        int n;
    } felder[] = { { ss::Feld::Zehn, 10 }, { ss::Feld::Zwanzig, 20 }, { ss::Feld::Hundert, 100 } };
    for (const auto& f : felder) {
        std::vector<int> xs, ys;
        for (const ss::Linie& l : ss::raster(f.feld)) {
            if (l.breite != 1) continue;
            if (l.x1 == l.x2) xs.push_back(l.x1);
            if (l.y1 == l.y2) ys.push_back(l.y1);
        }
        std::sort(xs.begin(), xs.end());
        std::sort(ys.begin(), ys.end());
        ASSERT_EQ(xs.size(), 11u);
        ASSERT_EQ(int(ys.size()), f.n / 10 + 1);
        const auto punkte = ss::punktbild(f.feld, f.n);
        ASSERT_EQ(punkte.size(), f.n);
        for (int i = 0; i < f.n; ++i) {
            const ss::Rechteck& o = punkte[i].ort;
            const size_t r = size_t(i / 10), c = size_t(i % 10);
            EXPECT_TRUE(o.links > xs[c] && o.rechts < xs[c + 1] && o.oben > ys[r] && o.unten < ys[r + 1])
                << int(f.feld) << " dot " << i;
        }
    }
}

TEST(FSsRunnerLogik, GridAndWipe)
{
    EXPECT_EQ(ss::raster(ss::Feld::Zehn).size(), 14);
    EXPECT_EQ(ss::raster(ss::Feld::Zwanzig).size(), 16);
    const auto h = ss::raster(ss::Feld::Hundert);
    ASSERT_EQ(h.size(), 24);
    EXPECT_EQ(h.last().breite, 3);
    EXPECT_EQ(h[10].x1, 682);
    EXPECT_EQ(ss::wischrechteck(ss::Feld::Zehn, 38), (ss::Rechteck { 25, 452, 975, 604 }));
    EXPECT_EQ(ss::wischrechteck(ss::Feld::Hundert, 1), (ss::Rechteck { 335, 478, 351, 502 }));
}

TEST(FSsRunnerLogik, FirstZero)
{
    EXPECT_TRUE(ss::nullAbgelehnt(ss::Feld::Zehn, "", 7));
    EXPECT_FALSE(ss::nullAbgelehnt(ss::Feld::Zehn, "?", 7));
    EXPECT_FALSE(ss::nullAbgelehnt(ss::Feld::Zwanzig, "1", 10));
    EXPECT_TRUE(ss::nullAbgelehnt(ss::Feld::Hundert, "", 0));
    EXPECT_FALSE(ss::nullAbgelehnt(ss::Feld::Hundert, "5", 50));
    EXPECT_FALSE(ss::nullAbgelehnt(ss::Feld::Zehn, "", 0)); // the empty field is answered with 0
    EXPECT_FALSE(ss::nullAbgelehnt(ss::Feld::Zwanzig, "", 0));
    EXPECT_TRUE(ss::nullAbgelehnt(ss::Feld::Zwanzig, "", 20));
}

TEST(FSsRunnerLogik, AnswerColumns)
{
    const double sekunde = 1.0 / 86400.0;
    EXPECT_EQ(ss::antwortspalte(ss::Feld::Zehn, "8", 1.25 * sekunde), "     8  1,2");
    EXPECT_EQ(ss::antwortspalte(ss::Feld::Zwanzig, "13", 12.38 * sekunde), "   13  12,3");
    EXPECT_EQ(ss::antwortspalte(ss::Feld::Hundert, "100", 61.0 * sekunde), "  100  61,0");
    // Tenths are cut, never rounded up into the next second.
    EXPECT_EQ(ss::antwortspalte(ss::Feld::Zehn, "8", 1.995 * sekunde), "     8  1,9");

    // Three times: the header is 15 + 33 long; the total goes under "Zeit", the points under "P".
    const QString kopf6 = "Zahl     Zahl/Zeit  Zahl/Zeit  Zahl/Zeit    Zeit";
    const QString kopf5 = "vorg      0,2 sec    0,5 sec    1,0 sec     ok?     P";
    const QString spalte = ss::antwortspalte(ss::Feld::Zehn, "8", 1.25 * sekunde);
    const QString zeile = "  8   " + ss::loesungsspalte(spalte, int(kopf6.size()), 1.25 * sekunde, 3);
    EXPECT_EQ(zeile, "  8        8  1,2                            1,2    3");
    EXPECT_EQ(zeile.lastIndexOf('3'), kopf5.lastIndexOf('P'));
}

TEST(FSsRunnerLogik, NumbersWithOneDecimal)
{
    EXPECT_EQ(ss::zahlF(1.5), "1,5");
    EXPECT_EQ(ss::zahlF(2.0 / 3.0), "0,7");
    EXPECT_EQ(ss::zahlF(12.345), "12,3");
    EXPECT_EQ(ss::zahlF(150.0), "150,0");
    EXPECT_EQ(ss::zahlF(123.45), "123,0");
    EXPECT_EQ(ss::zahlF(0), "0,0");
    EXPECT_EQ(ss::zahlF(15000), "1,50E+4");
    EXPECT_EQ(ss::zahlF(999.0), "999,0");
    EXPECT_EQ(ss::zahlF(1000.0), "1,00E+3");
    EXPECT_EQ(ss::zahlF(9.96), "10,0");
    EXPECT_EQ(ss::zahlF(0.96), "1,0");
    const double sekunde = 1.0 / 86400.0;
    EXPECT_EQ(ss::gesamtminuten((2 * 3600 + 5 * 60 + 59) * sekunde), 125);
}

TEST(FSsRunnerLogik, ProtocolHeadLinesUseTotalMinutes)
{
    const double sekunde = 1.0 / 86400.0;
    const QStringList z = ss::kopfzeilen(
        ss::Feld::Zwanzig, "03 Anna Berg", false, "07.12.2026", "/d/x.txt", (3600 + 125) * sekunde, 4, 9, 1, 0, 70, 20);
    EXPECT_EQ(z[0], "Anna Berg                              07.12.2026     Schnelles Sehen am 20er");
    EXPECT_EQ(z[1], "/d/x.txt");
    EXPECT_EQ(z[2], "Zeit: 62:05 min      Aufgaben: 4   Punkte: 9      P/Ag: 2,3      P/min: 0,1");
    EXPECT_EQ(z[3], "Vorgaben:  Hintergrund: hell, mit Raster, max. 70 Minuten, max. 20 Aufgaben");

    // Less than a second of work: no division by zero.
    const QStringList k
        = ss::kopfzeilen(ss::Feld::Hundert, "Ben", true, "07.12.2026", "p", 0.2 * sekunde, 1, 2, 0, 1, 5, 5);
    EXPECT_EQ(k[0], "Ben                                    07.12.2026    Schnelles Sehen am 100er");
    EXPECT_EQ(k[2], "Zeit: 0:00 min      Aufgaben: 1   Punkte: 2      P/Ag: 2,0      P/min: 120,0");
    EXPECT_EQ(k[3], "Vorgaben:  Hintergrund: dunkel, ohne Raster, max. 5 Minuten, max. 5 Aufgaben");

    // A long name from the class list keeps 35 characters, so that the date stays in its column.
    const QString lang = "07 " + QString(40, 'x');
    const QStringList l = ss::kopfzeilen(ss::Feld::Zehn, lang, false, "07.12.2026", "p", sekunde, 1, 1, 1, 1, 5, 5);
    EXPECT_EQ(l[0], QString(35, 'x') + "    07.12.2026     Schnelles Sehen am 10er");
    // A solved task's line never runs past 80 characters.
    EXPECT_EQ(ss::loesungsspalte(QString(100, 'a'), 120, sekunde, 3), QString(80, 'a'));
}

TEST(FSsRunnerLogik, EachCodeRunsOnItsOwnField)
{
    EXPECT_EQ(ss::feldVonCode(ss::Zehnerfeld), ss::Feld::Zehn);
    EXPECT_EQ(ss::feldVonCode(ss::Zwanzigerfeld), ss::Feld::Zwanzig);
    EXPECT_EQ(ss::feldVonCode(ss::Hunderterfeld), ss::Feld::Hundert);
}

TEST(FSsRunnerLogik, TheTenAndTwentyFieldsAreSilverAndTheHundredFieldButtonFace)
{
    EXPECT_TRUE(ss::feldart(ss::Feld::Zehn).silbern);
    EXPECT_TRUE(ss::feldart(ss::Feld::Zwanzig).silbern);
    EXPECT_FALSE(ss::feldart(ss::Feld::Hundert).silbern);
}
