#include "blattfixture.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "support/fixtures.h"
#include "support/wertebereiche.h"
#include "worksheets/a_komma.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

using namespace komma;

TEST(KommaLogik, DigitsCarriesSumsAndResultTexts)
{
    EXPECT_EQ(kommaziffern(0, 5), "  005");
    EXPECT_EQ(kommaziffern(0, 1200), " 1200");
    EXPECT_EQ(kommaziffern(5, 345), " 0345"); // 0,345 kg: the solution shows the zero before the comma
    EXPECT_EQ(kommaziffern(2, 30999), "30999");
    EXPECT_EQ(kommaziffern(3, 7), "   07");
    EXPECT_EQ(komma::merkziffern(999, 999, 999), " 222 ");
    EXPECT_EQ(komma::merkziffern(5, 5, 1), "   1 ");
    EXPECT_EQ(komma::merkziffern(5000, 5000, 1), "1    ");
    // Nine units alone carry nothing.
    EXPECT_EQ(komma::merkziffern(9, 0, 0), "     ");
    EXPECT_EQ(komma::merkziffern(3, 3, 3), "     ");
    EXPECT_EQ(summenziffern(0, 2997), " 2997");
    EXPECT_EQ(ergebnistext(0, 2997, einheittext(0, 0)), "29,97 EUR");
    EXPECT_EQ(summenziffern(0, 42), "  042");
    EXPECT_EQ(ergebnistext(0, 42, einheittext(0, 0)), "0,42 EUR");
    EXPECT_EQ(summenziffern(6, 5), "   05");
    EXPECT_EQ(ergebnistext(6, 5, einheittext(6, 0)), "5  kg");
    EXPECT_EQ(ergebnistext(3, 123, einheittext(3, 0)), "12,3 cm");
    EXPECT_EQ(ergebnistext(2, 1005, einheittext(2, 0)), "1,005 km");
}

TEST(KommaLogik, EveryFormGivesItsValuesAndTexts)
{
    // Per kind and form: the value range in the smallest unit and what the text looks like.
    struct Fall {
        int art, form, von, bis;
        const char* muster;
    };
    const Fall faelle[] = {
        { 0, 1, 101, 9999, R"(^\d+,\d\d EUR$)" },
        { 0, 2, 100, 5900, R"(^\d+ EUR$)" },
        { 0, 3, 1, 699, R"(^\d+ ct$)" },
        { 0, 4, 101, 9999, R"(^\d+ EUR \d+ ct$)" },
        { 1, 1, 101, 9999, R"(^\d+,\d\d m$)" },
        { 1, 3, 10, 690, R"(^\d+ dm$)" },
        { 1, 5, 10, 9990, R"(^\d+ m  [1-9] dm$)" },
        { 1, 7, 11, 699, R"(^\d+ dm  [1-9] cm$)" },
        { 2, 1, 1001, 30999, R"(^\d+,\d\d\d km$)" },
        { 2, 4, 1001, 30999, R"(^\d+ km \d+ m$)" },
        { 3, 1, 11, 999, R"(^\d+,[1-9] cm$)" },
        { 3, 4, 11, 999, R"(^\d+ cm [1-9] mm$)" },
        { 4, 3, 100, 31000, R"(^\d+ dz$)" },
        { 4, 5, 1100, 30900, R"(^\d+ t  [1-9] dz$)" },
        { 4, 6, 1001, 30999, R"(^\d+ t  \d+ kg$)" },
        { 4, 7, 101, 31099, R"(^\d+ dz \d+ kg$)" },
        { 5, 3, 1, 3999, R"(^\d+ g$)" },
        { 6, 1, 100, 400, R"(^[2468] Ztr$)" },
        { 6, 2, 1, 48, R"(^\d+ Pfd$)" },
        { 6, 3, 101, 448, R"(^[2468] Ztr \d+ Pfd$)" },
    };
    RandSeed(17);
    int zaehler = 0;
    for (const Fall& f : faelle)
        for (int i = 0; i < 200; ++i) {
            const Menge m = menge(f.art, f.form, 0, zaehler);
            ASSERT_GE(m.wert, f.von) << f.art << "," << f.form;
            ASSERT_LE(m.wert, f.bis) << f.art << "," << f.form;
            ASSERT_TRUE(QRegularExpression(f.muster).match(m.text).hasMatch()) << m.text.toStdString();
            ASSERT_LE(m.text.size(), 12);
        }
    EXPECT_EQ(menge(0, 2, 2, zaehler).text.right(2), " €");
}

TEST(KommaLogik, MixedThousandthsNeverGiveAThousandOfTheSmallerUnit)
{
    // "3 km 1000 m" would be 4 km: the smaller unit of km and m, t and kg, kg and g is 1 .. 999, each number of it
    // coming, beside 1 .. 30 of the larger; together they make the value.
    struct Fall {
        int art, form;
        const char* muster;
    };
    const Fall faelle[] = {
        { 2, 4, R"(^(\d+) km (\d+) m$)" },
        { 4, 6, R"(^(\d+) t  (\d+) kg$)" },
        { 5, 4, R"(^(\d+) kg (\d+) g$)" },
    };
    RandSeed(23);
    int zaehler = 0;
    for (const Fall& f : faelle) {
        const QRegularExpression muster(f.muster);
        Wertebereiche bereiche;
        for (int i = 0; i < 40000; ++i) {
            const Menge m = menge(f.art, f.form, 0, zaehler);
            const auto teile = muster.match(m.text);
            ASSERT_TRUE(teile.hasMatch()) << m.text.toStdString();
            const int gross = teile.captured(1).toInt(), klein = teile.captured(2).toInt();
            ASSERT_EQ(m.wert, 1000 * gross + klein) << m.text.toStdString();
            bereiche("gross", gross);
            bereiche("klein", klein);
        }
        EXPECT_EQ(bereiche.text().toStdString(), "gross 1-30, klein 1-999") << f.art;
        // A small part is 1 .. 9 or 10 .. 99, each as often.
        int einstellig = 0;
        for (int i = 0; i < 4000; ++i) {
            zaehler = 3;
            einstellig += muster.match(menge(f.art, f.form, 0, zaehler).text).captured(2).size() == 1;
        }
        EXPECT_NEAR(einstellig / 4000.0, 0.5, 0.03) << f.art;
    }
}

TEST(KommaLogik, FormsNeverFollowThemselvesAndTheCentCycleRunsAcrossSheets)
{
    RandSeed(4);
    int zaehler = 0;
    for (const Menge& m : erzeugen(1, { 5 }, 0, zaehler).mengen)
        EXPECT_EQ(m.form, 5);
    const Blatt zwei = erzeugen(1, { 2, 6 }, 0, zaehler);
    for (size_t i = 1; i < 24; ++i)
        EXPECT_NE(zwei.mengen[i].form, zwei.mengen[i - 1].form);

    zaehler = 0;
    std::vector<int> cent;
    for (int blatt = 0; blatt < 3; ++blatt)
        for (const Menge& m : erzeugen(0, { 3 }, 0, zaehler).mengen)
            cent.push_back(m.wert);
    for (size_t i = 0; i < cent.size(); ++i) {
        const bool klein = i % 4 == 3;
        EXPECT_EQ(cent[i] < 100, klein) << i;
        EXPECT_TRUE(klein ? cent[i] >= 1 : cent[i] <= 699);
    }
}

class KommaFenster : public DruckTest {
protected:
    // A sheet of the kind from all its forms.
    static Blatt blattAllerFormen(int art)
    {
        int zaehler = 0;
        std::vector<int> alle;
        for (int f = 1; f <= formzahl(art); ++f)
            alle.push_back(f);
        return erzeugen(art, alle, 0, zaehler);
    }
    // The page of the sheet, printed.
    static const QVector<DrawOp>& gedruckt(const Blatt& blatt, bool loesung)
    {
        printer().beginDoc(QStringLiteral("Komma"));
        draw(printer().canvas(), blatt, loesung);
        printer().endDoc();
        return printer().lastDocument().pages.first();
    }
    static QStringList texte(const Printer::Document& doc)
    {
        QStringList t;
        for (const DrawOp& op : doc.pages.first())
            if (op.kind == DrawOp::Kind::Text) t << op.text;
        return t;
    }
};

TEST_F(KommaFenster, CopiesAreJobsOfTheSameTasksAndTheSolutionComesLast)
{
    TForm27 form;
    zeigen(form, [&] {
        EXPECT_FALSE(form.Button8->isEnabled());
        QTest::mouseClick(form.RadioGroup1->button(0), Qt::LeftButton);
        EXPECT_TRUE(form.Panel8->isVisible());
        EXPECT_TRUE(form.listen[0]->isVisible());
        EXPECT_FALSE(form.Button8->isEnabled());
        for (int i : { 0, 2, 3 })
            form.listen[0]->setSelected(i, true);
        form.listen[0]->OnClick();
        EXPECT_TRUE(form.Button8->isEnabled());
        QTest::mouseClick(form.euro->button(2), Qt::LeftButton);
        QTest::mouseClick(form.RadioGroup2->button(1), Qt::LeftButton);
        form.Edit8->setText("3");
        grabToPng(&form, "a_komma");
        form.Button8->Click();
        form.Button4->Click();
    });
    const QList<Printer::Document>& jobs = printer().recorded();
    ASSERT_EQ(jobs.size(), 4);
    for (const Printer::Document& d : jobs)
        EXPECT_EQ(d.copies, 1);
    EXPECT_EQ(texte(jobs[0]), texte(jobs[2]));
    EXPECT_TRUE(texte(jobs[0]).contains("Name: _____________________"));
    EXPECT_TRUE(texte(jobs[3]).contains("Lösungsblatt"));
    EXPECT_TRUE(texte(jobs[3]).contains("  €"));
    const QString erste = form.gedruckt().mengen[0].text;
    EXPECT_TRUE(texte(jobs[3]).contains(erste));
    // Named by the hub's button and the kind the sheet is of, the solution as such.
    EXPECT_EQ(jobs[0].title, "Kommazahlen Euro und Cent");
    EXPECT_EQ(jobs[3].title, "Kommazahlen Euro und Cent Lösungsblatt");
    Printer::writePdf(jobs[0], TAVI_TEST_OUTPUT "/komma_geld_euro.pdf");
    Printer::writePdf(jobs[3], TAVI_TEST_OUTPUT "/komma_geld_euro_loesung.pdf");

    // Reopened: no kind, "EUR", nothing to print; the kept list choice counts again once its kind is chosen.
    zeigen(form, [&] {
        EXPECT_EQ(form.RadioGroup1->ItemIndex(), -1);
        EXPECT_EQ(form.euro->ItemIndex(), 0);
        EXPECT_FALSE(form.Panel8->isVisible());
        EXPECT_FALSE(form.Button8->isEnabled());
        EXPECT_EQ(form.Edit8->text(), "1");
        QTest::mouseClick(form.RadioGroup1->button(1), Qt::LeftButton);
        EXPECT_FALSE(form.Button8->isEnabled());
        QTest::mouseClick(form.RadioGroup1->button(0), Qt::LeftButton);
        EXPECT_TRUE(form.listen[0]->Selected(2));
        EXPECT_TRUE(form.Button8->isEnabled());
        form.Edit8->clear();
        form.Button8->Click();
        EXPECT_EQ(form.Edit8->text(), "1");
        form.Close();
    });
    ASSERT_EQ(printer().recorded().size(), 6); // one copy and, still chosen, the solution
    EXPECT_TRUE(texte(printer().recorded()[4]).contains(form.gedruckt().ergebnistexte[0]));
    EXPECT_TRUE(form.gedruckt().ergebnistexte[0].endsWith(" EUR"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(KommaFenster, EveryKindPrintsItsTaskAndSolutionSheet)
{
    for (int art = 0; art < artenzahl; ++art) {
        RandSeed(art + 1);
        const Blatt blatt = blattAllerFormen(art);
        for (const bool loesung : { false, true }) {
            gedruckt(blatt, loesung);
            const QStringList t = texte(printer().lastDocument());
            EXPECT_TRUE(t.contains(komma::titeltext(art)));
            EXPECT_EQ(t.contains(","), loesung && art != 6) << art;
            // Every task stands on the sheet once, with its number and its three amounts.
            for (size_t n = 0; n < 8; ++n) {
                EXPECT_EQ(t.count(QStringLiteral("%1)").arg(n + 1)), 1) << art << " task " << n + 1;
                for (size_t k = 0; k < 3; ++k) {
                    const QString& menge = blatt.mengen[3 * n + k].text;
                    const auto gleich = [&](const Menge& m) { return m.text == menge; };
                    EXPECT_GE(t.count(menge), std::count_if(blatt.mengen.begin(), blatt.mengen.end(), gleich))
                        << art << " task " << n + 1 << ": " << menge.toStdString();
                }
            }
            if (!loesung) {
                // The results, kept from the smallest up, read in that order: row by row from the top, each row
                // from the left.
                std::vector<std::tuple<int, int, QString>> unten;
                int y = 0;
                for (const DrawOp& op : printer().lastDocument().pages.first())
                    if (op.kind == DrawOp::Kind::Text && op.text == QStringLiteral("Ergebnisse:")) y = op.points[0].y();
                for (const DrawOp& op : printer().lastDocument().pages.first())
                    if (op.kind == DrawOp::Kind::Text && op.points[0].y() <= y
                        && op.text != QStringLiteral("Ergebnisse:"))
                        unten.emplace_back(-op.points[0].y(), op.points[0].x(), op.text);
                std::sort(unten.begin(), unten.end());
                QStringList gelesen;
                for (const auto& e : unten)
                    gelesen << std::get<2>(e);
                EXPECT_EQ(gelesen, QStringList(blatt.ergebnistexte.begin(), blatt.ergebnistexte.end())) << art;
            } else {
                // Each task's grid holds, row by row from the top, its three amounts in digits, the carries and
                // the sum, and nothing else.
                for (size_t n = 0; n < 8; ++n) {
                    const int dx = 900 * int(n % 2), oben = -300 - 500 * int(n / 2);
                    std::map<int, std::map<int, QString>> zeilen;
                    for (const DrawOp& op : printer().lastDocument().pages.first()) {
                        if (op.kind != DrawOp::Kind::Text || op.text == QStringLiteral(",")) continue;
                        const QPoint p = op.points[0];
                        if (p.x() > 455 + dx && p.x() < 820 + dx && p.y() < oben && p.y() > oben - 500)
                            zeilen[-p.y()][p.x()] += op.text;
                    }
                    QStringList gelesen, soll;
                    for (const auto& zeile : zeilen) {
                        QString z;
                        for (const auto& zeichen : zeile.second)
                            z += zeichen.second;
                        gelesen << z.remove(u' ');
                    }
                    for (size_t k = 0; k < 3; ++k)
                        soll << kommaziffern(art, blatt.mengen[3 * n + k].wert).remove(u' ');
                    soll << QString(blatt.merkziffern[n]).remove(u' ') << QString(blatt.summenziffern[n]).remove(u' ');
                    soll.removeAll(QString());
                    gelesen.removeAll(QString());
                    EXPECT_EQ(gelesen.join(u'|').toStdString(), soll.join(u'|').toStdString())
                        << art << " task " << n + 1;
                }
            }
            Printer::writePdf(printer().lastDocument(),
                QStringLiteral(TAVI_TEST_OUTPUT "/komma_%1%2.pdf").arg(art).arg(loesung ? "_loesung" : ""));
        }
    }
}

TEST(KommaLogik, EachTasksSumAndCarriesAreItsThreeAmountsAdded)
{
    RandSeed(29);
    int zaehler = 0;
    for (int art = 0; art < artenzahl; ++art)
        for (int form = 1; form <= formzahl(art); ++form) {
            const Blatt b = erzeugen(art, { form }, 0, zaehler);
            std::multiset<QString> streifen(b.ergebnistexte.begin(), b.ergebnistexte.end()), soll;
            for (size_t t = 0; t < 8; ++t) {
                const int a = b.mengen[3 * t].wert, m = b.mengen[3 * t + 1].wert, c = b.mengen[3 * t + 2].wert;
                SCOPED_TRACE(testing::Message() << art << "," << form << " task " << t);
                EXPECT_EQ(b.summen[t], a + m + c);
                EXPECT_EQ(b.summenziffern[t], summenziffern(art, a + m + c));
                EXPECT_EQ(b.merkziffern[t], komma::merkziffern(a, m, c));
                soll.insert(ergebnistext(art, a + m + c, einheittext(art, 0)));
            }
            EXPECT_EQ(streifen, soll) << art << "," << form;
        }
}

TEST(KommaLogik, EveryKindsTablesOfTitlesUnitsFormsAndResultTexts)
{
    // Per kind: title, forms offered, the unit behind the results, and 12345 in the smallest unit as a result.
    struct Fall {
        const char* titel;
        int formen;
        const char* einheit;
        const char* ergebnis;
        const char* ziffern; // 7 in the smallest unit on the solution sheet
    };
    const Fall faelle[artenzahl] = {
        { "Euro und Cent", 4, " EUR", "123,45 EUR", "  007" },
        { "m, dm und cm", 7, "  m", "123,45  m", "  007" },
        { "km und m", 4, " km", "12,345 km", " 0007" },
        { "cm und mm", 4, " cm", "1234,5 cm", "   07" },
        { "t, dz und kg", 7, "   t", "12,345   t", " 0007" },
        { "kg und g", 4, "  kg", "12,345  kg", " 0007" },
        { "alte Gewichte", 5, "  kg", "12345  kg", "    7" },
    };
    QStringList gelesen, soll;
    for (int art = 0; art < artenzahl; ++art) {
        const Fall& f = faelle[art];
        gelesen << QStringLiteral("%1|%2|%3|%4|%5")
                       .arg(komma::titeltext(art))
                       .arg(formzahl(art))
                       .arg(einheittext(art, 0), ergebnistext(art, 12345, einheittext(art, 0)), kommaziffern(art, 7));
        soll << QStringLiteral("%1|%2|%3|%4|%5")
                    .arg(QString::fromUtf8(f.titel))
                    .arg(f.formen)
                    .arg(QString::fromUtf8(f.einheit), QString::fromUtf8(f.ergebnis), QString::fromUtf8(f.ziffern));
    }
    EXPECT_EQ(gelesen.join(u'\n').toStdString(), soll.join(u'\n').toStdString());
    EXPECT_EQ(formzahl(-1), 0);
    EXPECT_EQ(formzahl(artenzahl), 0);
    EXPECT_EQ(einheittext(0, 1), " Eur");
    EXPECT_EQ(einheittext(0, 2), "  €");
    // The money forms write the currency of the choice behind the euros.
    int zaehler = 0;
    EXPECT_TRUE(menge(0, 2, 1, zaehler).text.endsWith(" Eur"));
    EXPECT_TRUE(menge(0, 1, 2, zaehler).text.endsWith(" €"));
    EXPECT_TRUE(menge(0, 4, 0, zaehler).text.contains(" EUR "));
}

TEST(KommaLogik, EachFormsTextSaysItsValueAndItsNumbersReachBothEndsOfTheirRanges)
{
    // The units of each kind in its smallest one; the old weights counted in half kilograms for the Pfund.
    const std::map<QString, int> einheiten[artenzahl] = {
        { { "EUR", 100 }, { "ct", 1 } },
        { { "m", 100 }, { "dm", 10 }, { "cm", 1 } },
        { { "km", 1000 }, { "m", 1 } },
        { { "cm", 10 }, { "mm", 1 } },
        { { "t", 1000 }, { "dz", 100 }, { "kg", 1 } },
        { { "kg", 1000 }, { "g", 1 } },
        { { "Ztr", 100 }, { "Pfd", 1 }, { "kg", 2 } },
    };
    QStringList alle;
    PinRandomSeed(41);
    for (int art = 0; art < artenzahl; ++art)
        for (int form = 1; form <= formzahl(art); ++form) {
            // Per number of the text and place of the cycle: the smallest and the largest value.
            int spannen[4][4][2];
            for (auto& zahl : spannen)
                for (auto& s : zahl)
                    s[0] = 1 << 30, s[1] = -1;
            std::set<QString> formen;
            // The ranges 1000 .. 3999 need more draws to come to both their ends.
            const bool weit = (art == 2 || art == 5) ? form == 3 : art == 4 && form == 4;
            for (int n = 0; n < (weit ? 30000 : 8000); ++n) {
                // Every place of the cycle in turn, so that each part of a form gets its large and its small range.
                int zaehler = n % 4;
                const Menge m = menge(art, form, 0, zaehler);
                ASSERT_EQ(m.form, form);
                int k = 0, zahl = -1;
                for (const QChar z : m.text + u' ') {
                    if (z.isDigit()) {
                        zahl = (zahl < 0 ? 0 : 10 * zahl) + z.digitValue();
                    } else if (zahl >= 0) {
                        ASSERT_LT(k, 4) << m.text.toStdString();
                        spannen[k][n % 4][0] = std::min(spannen[k][n % 4][0], zahl);
                        spannen[k][n % 4][1] = std::max(spannen[k][n % 4][1], zahl);
                        ++k;
                        zahl = -1;
                    }
                }
                if (n >= 2000) continue;
                // "12,34 EUR", "12 m  3 dm": numbers, each followed by its unit, adding up to the value.
                const QStringList teile = m.text.split(u' ', Qt::SkipEmptyParts);
                ASSERT_EQ(teile.size() % 2, 0) << m.text.toStdString();
                long wert = 0;
                QString muster;
                for (int i = 0; i < teile.size(); i += 2) {
                    ASSERT_TRUE(einheiten[art].count(teile[i + 1])) << m.text.toStdString();
                    const int faktor = einheiten[art].at(teile[i + 1]);
                    const QStringList stellen = teile[i].split(u',');
                    wert += long(stellen[0].toInt()) * faktor;
                    muster += QStringLiteral("# ");
                    if (stellen.size() == 2) {
                        int teiler = 1;
                        for (int j = 0; j < stellen[1].size(); ++j)
                            teiler *= 10;
                        wert += long(stellen[1].toInt()) * faktor / teiler;
                        muster.insert(muster.size() - 1, u',' + QString(stellen[1].size(), u'#'));
                    }
                    muster += teile[i + 1] + u' ';
                }
                ASSERT_EQ(wert, art == 6 ? 2L * m.wert : long(m.wert))
                    << art << "," << form << ": " << m.text.toStdString();
                formen.insert(muster.trimmed());
            }
            QStringList zahlen;
            for (const auto& zahl : spannen) {
                // Overlapping ranges of the places are one; a small range beside a large one stays apart.
                std::set<std::pair<int, int>> verschieden;
                for (const auto& s : zahl)
                    if (s[1] >= 0) verschieden.insert({ s[0], s[1] });
                std::vector<std::pair<int, int>> bereiche;
                for (const auto& b : verschieden)
                    if (!bereiche.empty() && b.first <= bereiche.back().second)
                        bereiche.back().second = std::max(bereiche.back().second, b.second);
                    else
                        bereiche.push_back(b);
                QStringList t;
                for (const auto& [von, bis] : bereiche)
                    t << QStringLiteral("%1-%2").arg(von).arg(bis);
                if (!t.isEmpty()) zahlen << t.join(u'|');
            }
            alle << QStringLiteral("%1,%2: %3: %4")
                        .arg(art)
                        .arg(form)
                        .arg(QStringList(formen.begin(), formen.end()).join(u'|'), zahlen.join(QStringLiteral(", ")));
        }
    // Per form: how its text looks, then per number of the text its range, a small range of the cycle apart.
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "0,1: #,## EUR: 1-99, 1-99\n"
        "0,2: # EUR: 1-59\n"
        "0,3: # ct: 1-99|100-699\n"
        "0,4: # EUR # ct: 1-99, 1-9|10-99\n"
        "1,1: #,## m: 1-99, 1-99\n"
        "1,2: # m: 1-59\n"
        "1,3: # dm: 1-9|10-69\n"
        "1,4: # cm: 1-99|100-699\n"
        "1,5: # m # dm: 0-99, 1-9\n"
        "1,6: # m # cm: 1-99, 1-9|10-99\n"
        "1,7: # dm # cm: 1-69, 1-9\n"
        "2,1: #,### km: 1-30, 1-999\n"
        "2,2: # km: 1-29\n"
        "2,3: # m: 1-200|1000-3999\n"
        "2,4: # km # m: 1-30, 1-99|100-999\n"
        "3,1: #,# cm: 1-99, 1-9\n"
        "3,2: # cm: 1-99\n"
        "3,3: # mm: 1-9|11-910\n"
        "3,4: # cm # mm: 1-99, 1-9\n"
        "4,1: #,### t: 1-30, 1-999\n"
        "4,2: # t: 1-29\n"
        "4,3: # dz: 1-9|11-310\n"
        "4,4: # kg: 1-200|1000-3999\n"
        "4,5: # t # dz: 1-30, 1-9\n"
        "4,6: # t # kg: 1-30, 1-99|100-999\n"
        "4,7: # dz # kg: 1-9|11-310, 1-9|11-99\n"
        "5,1: #,### kg: 1-30, 1-999\n"
        "5,2: # kg: 1-29\n"
        "5,3: # g: 1-200|1000-3999\n"
        "5,4: # kg # g: 1-30, 1-99|100-999\n"
        "6,1: # Ztr: 2-8\n"
        "6,2: # Pfd: 2-96\n"
        "6,3: # Ztr # Pfd: 2-8, 2-96\n"
        "6,4: # Ztr # kg: 2-8, 1-48\n"
        "6,5: # kg: 10-208");
}

TEST(KommaLogik, TheResultsStripListsTheSumsFromTheSmallestUp)
{
    PinRandomSeed(43);
    int zaehler = 0;
    for (int blatt = 0; blatt < 300; ++blatt) {
        const int art = blatt % artenzahl;
        std::vector<int> alle;
        for (int f = 1; f <= formzahl(art); ++f)
            alle.push_back(f);
        const Blatt b = erzeugen(art, alle, 0, zaehler);
        std::vector<int> summen(b.summen.begin(), b.summen.end());
        std::sort(summen.begin(), summen.end());
        QStringList soll;
        for (int s : summen)
            soll << ergebnistext(art, s, einheittext(art, 0));
        ASSERT_EQ(QStringList(b.ergebnistexte.begin(), b.ergebnistexte.end()), soll) << "sheet " << blatt;
    }
}

TEST_F(KommaFenster, TheTaskSheetSaysWhatToDoAndTheSolutionSheetDoesNot)
{
    const char* const anweisungen[artenzahl] = {
        "in Euro umwandeln  (2 Nachkommastellen, Komma unter Komma!),  dann addieren",
        "in  m  umwandeln  (2 Nachkommastellen, Komma unter Komma!),  dann addieren",
        "in  km  umwandeln  (3 Nachkommastellen, Komma unter Komma!),  dann addieren",
        "in  cm  umwandeln  (1 Nachkommastelle, Komma unter Komma!),  dann addieren",
        "in  t  umwandeln  (3 Nachkommastellen, Komma unter Komma!),  dann addieren",
        "in  kg  umwandeln  (3 Nachkommastellen, Komma unter Komma!),  dann addieren",
        "alles in  kg  umwandeln  (Komma ist nicht nötig),  dann addieren",
    };
    RandSeed(47);
    int zaehler = 0;
    for (int art = 0; art < artenzahl; ++art) {
        const Blatt blatt = erzeugen(art, { 1 }, 0, zaehler);
        for (const bool loesung : { false, true }) {
            // Under the title, above the first task.
            int y = 0;
            for (const DrawOp& op : gedruckt(blatt, loesung))
                if (op.kind == DrawOp::Kind::Text && op.text == QString::fromUtf8(anweisungen[art]))
                    y = op.points[0].y();
            if (loesung)
                EXPECT_EQ(y, 0) << art;
            else
                EXPECT_TRUE(y < -50 && y > -300) << art << ": " << y;
        }
    }
}

TEST_F(KommaFenster, TheSolutionPutsEachCommaBeforeItsKindsDecimalsAndEachUnitBehindItsDigits)
{
    for (int art = 0; art < artenzahl; ++art) {
        RandSeed(std::uint32_t(art + 60));
        const Blatt blatt = blattAllerFormen(art);
        for (const bool loesung : { false, true }) {
            const QVector<DrawOp>& ops = gedruckt(blatt, loesung);
            // The writing grid of each task: thin lines across and down, and the sum's rule.
            int duenn = 0, dick = 0;
            for (const DrawOp& op : ops)
                if (op.kind == DrawOp::Kind::Line) ++(op.pen.width >= 3 ? dick : duenn);
            EXPECT_EQ(duenn, 8 * (7 + 6)) << art;
            EXPECT_EQ(dick, 8) << art;
            // The digits written into the grid, by their right ends (the right column lies 900 further).
            std::vector<QPoint> ziffern;
            for (const DrawOp& op : ops)
                if (op.kind == DrawOp::Kind::Text && op.text.size() == 1 && op.text[0].isDigit()
                    && (op.points[0].x() % 900) > 455 && (op.points[0].x() % 900) < 820) {
                    EXPECT_EQ(op.align & TextAlign::HorizontalMask, TextAlign::Right) << op.toString().toStdString();
                    ziffern.push_back(op.points[0]);
                }
            const QString einheit = einheittext(art, 0);
            int kommas = 0, einheiten = 0;
            for (const DrawOp& op : ops) {
                if (op.kind != DrawOp::Kind::Text) continue;
                const QPoint p = op.points[0];
                const int spalte = p.x() >= 1300 ? 1 : 0;
                if (op.text == QStringLiteral(",")) {
                    ++kommas;
                    // Its row's digits: the comma, larger, stands a little higher.
                    int rechts = 0, zeile = 0;
                    for (const QPoint& z : ziffern)
                        if (z.y() < p.y() && z.y() >= p.y() - 30 && (z.x() >= 1300 ? 1 : 0) == spalte) {
                            ++zeile;
                            rechts += z.x() > p.x();
                        }
                    EXPECT_GT(zeile, nachkommastellen(art)) << art << ": " << op.toString().toStdString();
                    EXPECT_EQ(rechts, nachkommastellen(art)) << art << ": " << op.toString().toStdString();
                } else if (op.text == einheit && p.y() > -2500) {
                    ++einheiten;
                    EXPECT_EQ(op.align & TextAlign::HorizontalMask, TextAlign::Left) << op.toString().toStdString();
                    int zeile = 0;
                    for (const QPoint& z : ziffern)
                        if (std::abs(z.y() - p.y()) <= 15 && (z.x() >= 1300 ? 1 : 0) == spalte) {
                            ++zeile;
                            EXPECT_LE(z.x(), p.x()) << art << ": " << op.toString().toStdString();
                        }
                    EXPECT_GT(zeile, 0) << art << ": " << op.toString().toStdString();
                }
            }
            // On the solution: each task's three amounts and its sum with comma and unit.
            EXPECT_EQ(kommas, loesung && art != 6 ? 8 * 4 : 0) << art;
            EXPECT_EQ(einheiten, loesung ? 8 * 4 : 0) << art;
        }
    }
}
