#include "platform/random.h"
#include "support/fixtures.h"
#include "support/pdf.h"
#include "support/wertebereiche.h"
#include "svseite.h"
#include "worksheets/a_SV_m1_logik.h"
#include "worksheets/a_SV_m2_logik.h"
#include "worksheets/a_SV_p2_logik.h"
#include "worksheets/a_sv_d1_logik.h"
#include "worksheets/a_sv_p1_logik.h"
#include "worksheets/svrahmen_logik.h"

namespace {

// The carry rule of each type of HZE x E, on the digit products.
bool m1Regel(int typ, int f1, int f2)
{
    const int e = (f1 % 10) * f2, z = ((f1 / 10) % 10) * f2, h = (f1 / 100) * f2;
    const bool zweiter = e / 10 + z >= 10;
    switch (typ) {
    case 1:
        return e <= 9 && z <= 9 && h >= 10;
    case 2:
        return e <= 9 && z >= 10;
    case 3:
        return e >= 11 && e / 10 + z <= 9;
    case 4:
        return m1Regel(2, f1, f2) || m1Regel(3, f1, f2);
    case 5:
        return e >= 10 && z >= 10;
    case 6:
        return e >= 10 && z <= 9 && zweiter;
    default:
        return ((f1 / 10) % 10 == 0) != (f1 % 10 == 0);
    }
}

} // namespace

TEST(SchriftlichMal, EachTypeOfHzeMalEKeepsItsCarryRule)
{
    const struct {
        int typ, f1, f2, produkt;
    } beispiele[]
        = { { 1, 423, 3, 1269 }, { 2, 352, 4, 1408 }, { 3, 524, 3, 1572 }, { 6, 434, 3, 1302 }, { 7, 406, 5, 2030 } };
    for (const auto& b : beispiele) {
        EXPECT_TRUE(m1Regel(b.typ, b.f1, b.f2)) << b.f1;
        EXPECT_EQ(b.f1 * b.f2, b.produkt);
    }
    for (int typ = 1; typ <= 8; ++typ)
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            RandSeed(seed * 13 + std::uint32_t(typ));
            const sv_m1::Aufgabe a = sv_m1::stellenwurf(typ);
            ASSERT_TRUE(m1Regel(a.typ, a.faktor1, a.faktor2)) << typ << ": " << a.faktor1 << " x " << a.faktor2;
            ASSERT_EQ(a.produkt, a.faktor1 * a.faktor2);
            ASSERT_GE(a.produkt, 1000);
            ASSERT_LE(a.produkt, 8991);
            if (typ == 8) ASSERT_NE(a.typ, 4);
        }
}

TEST(SchriftlichMal, TheHzeMalETaskLineAndProductStandOnTheirPlaces)
{
    const sv_m1::Blatt b { { { 1, 423, 3, 1269 } } };
    const Svseite ohne([&](Canvas& c) { sv_m1::zeichnen(c, b, 0, true); });
    EXPECT_EQ(ohne.zeile(-197), (QStringList { "4", "2", "3", " ", "3" }));
    EXPECT_TRUE(ohne.hat("4", 335, -197));
    EXPECT_TRUE(ohne.hat("3", 515, -197));
    EXPECT_EQ(ohne.zeile(-262), (QStringList { "1", "2", "6", "9" }));
    EXPECT_TRUE(ohne.hat("1", 400, -262));
    EXPECT_TRUE(ohne.hat("9", 535, -262));
    const DrawOp* punkt = nullptr;
    for (const DrawOp& op : ohne.ops)
        if (op.kind == DrawOp::Kind::Ellipse) punkt = &op;
    ASSERT_TRUE(punkt);
    EXPECT_EQ(punkt->points, (QVector<QPoint> { { 450, -235 }, { 456, -229 } }));
    EXPECT_EQ(punkt->pen.width, 4);
    const Svseite mit([&](Canvas& c) { sv_m1::zeichnen(c, b, 1, false); });
    EXPECT_TRUE(mit.hat("3", 635, -197)); // the second factor; the product's units go below it
    EXPECT_TRUE(mit.hat("Ergebnisse:", 130, -2490));
    EXPECT_TRUE(mit.hat("1269", 330, -2490));
    const Svseite mitLoesung([&](Canvas& c) { sv_m1::zeichnen(c, b, 1, true); });
    EXPECT_TRUE(mitLoesung.hat("9", 635, -262));
}

TEST(SchriftlichMal, PartialProductsFollowTheFirstPrintedFactor)
{
    const sv_m2::Aufgabe a = sv_m2::aufgabe(3, 4, 7, 2, 5, 0);
    EXPECT_EQ(a.operand1, 347);
    EXPECT_EQ(a.teilprodukt[4], 694);
    EXPECT_EQ(a.teilprodukt[5], 1735);
    EXPECT_EQ(a.produkt, 8675);
    const sv_m2::Aufgabe b = sv_m2::aufgabe(3, 4, 7, 2, 5, 1);
    EXPECT_EQ(b.operand1, 25);
    EXPECT_EQ((std::vector<int> { b.teilprodukt[3], b.teilprodukt[2], b.teilprodukt[1] }),
        (std::vector<int> { 75, 100, 175 }));

    const Svseite v0([&](Canvas& c) { sv_m2::zeichnen(c, { 0, { a, sv_m2::aufgabe(3, 4, 7, 6, 0, 0) } }, 0, true); });
    EXPECT_EQ(v0.zeile(-262), (QStringList { " ", " ", " ", "6", "9", "4", " ", " ", "2", "0", "8", "2" }));
    EXPECT_EQ(v0.zeile(-317).mid(6), (QStringList { " ", " ", " ", " ", " ", "0" })); // 347 x 60
    EXPECT_EQ(v0.zeile(-380).mid(0, 6), (QStringList { " ", " ", "8", "6", "7", "5" }));
    const Svseite v1([&](Canvas& c) { sv_m2::zeichnen(c, { 1, { b } }, 2, true); });
    EXPECT_TRUE(v1.hat("7", 505, -262));
    EXPECT_TRUE(v1.hat("1", 505, -327));
    EXPECT_TRUE(v1.hat("5", 700, -392));
    EXPECT_EQ(v1.zeile(-457), (QStringList { " ", "8", "6", "7", "5" })); // the product one row lower
    EXPECT_TRUE(v1.linien().contains("325,-455-715,-455/4"));
    const Svseite gross([&](Canvas& c) { sv_m2::zeichnen(c, { 0, { sv_m2::aufgabe(9, 9, 9, 9, 9, 0) } }, 1, true); });
    EXPECT_EQ(gross.zeile(-392), (QStringList { "9", "8", "9", "0", "1" }));
}

TEST(SchriftlichMal, TypesOfHzeMalZeDrawTheirDigits)
{
    for (int typ = 1; typ <= 8; ++typ)
        for (std::uint32_t seed = 1; seed <= 200; ++seed) {
            RandSeed(seed * 17 + std::uint32_t(typ));
            const sv_m2::Aufgabe a = sv_m2::stellenwurf(typ, 0);
            const int h1 = a.operand1 / 100, z1 = a.operand1 / 10 % 10, e1 = a.operand1 % 10;
            const int z2 = a.operand2 / 10, e2 = a.operand2 % 10;
            const auto in = [](int x, int a, int b) { return x >= a && x <= b; };
            SCOPED_TRACE(std::to_string(a.operand1) + " x " + std::to_string(a.operand2));
            ASSERT_EQ(a.produkt, a.operand1 * a.operand2);
            ASSERT_EQ(a.teilprodukt[4] * 10 + a.teilprodukt[5], a.produkt);
            switch (a.typ) {
            case 1:
                for (int d : { h1, z1, e1, z2, e2 })
                    ASSERT_TRUE(in(d, 2, 5));
                break;
            case 2:
                for (int d : { h1, z1, e1, e2 })
                    ASSERT_TRUE(in(d, 6, 9));
                ASSERT_TRUE(in(z2, 5, 8));
                break;
            case 4:
                ASSERT_EQ(e2, 0);
                ASSERT_TRUE(e1 > 0 && z1 > 0);
                break;
            case 5:
                ASSERT_EQ(a.produkt % 100, 0);
                break;
            case 6:
                ASSERT_EQ((z1 == 1) + (e1 == 1), 1);
                ASSERT_EQ((z2 == 1) + (e2 == 1), 1);
                break;
            case 7:
                ASSERT_EQ((z1 == 0) + (e1 == 0), 1);
                break;
            default:
                ASSERT_LE(a.produkt, 98901);
            }
        }
}

TEST(SchriftlichDurch, TheStepsAreThoseOfTheLongDivision)
{
    const sv_d1::Aufgabe a = sv_d1::aufgabe(789, 97, 0);
    EXPECT_EQ(a.dividend, 76533);
    EXPECT_EQ((std::vector<int> { a.teilprodukt1, a.zwischenrest1, a.zehnerziffer, a.teilprodukt3, a.zwischenrest2,
                  a.einerziffer, a.teilprodukt5 }),
        (std::vector<int> { 679, 86, 3, 776, 87, 3, 873 }));
    for (int p = 0; p <= 1; ++p)
        for (int typ = 1; typ <= 8; ++typ)
            for (std::uint32_t seed = 1; seed <= 200; ++seed) {
                RandSeed(seed * 19 + std::uint32_t(typ));
                const sv_d1::Aufgabe t = sv_d1::stellenwurf(typ, p, seed % 2 == 0);
                const int d = t.divisor;
                SCOPED_TRACE(std::to_string(t.dividend) + " : " + std::to_string(d));
                ASSERT_EQ(t.dividend, t.quotient * d + t.divisionsrest);
                ASSERT_TRUE(t.quotient >= 100 && t.quotient <= 999);
                ASSERT_EQ(t.divisionsrest > 0, seed % 2 == 0);
                for (int rest : { t.zwischenrest1, t.zwischenrest2, t.divisionsrest })
                    ASSERT_TRUE(rest >= 0 && rest < d);
                ASSERT_EQ(10 * t.zwischenrest2 + t.einerziffer - t.teilprodukt5, t.divisionsrest);
                if (p == 0) {
                    ASSERT_TRUE(d >= 2 && d <= 9);
                    ASSERT_TRUE(t.dividend >= 1000 && t.dividend <= 9999);
                    ASSERT_GE(t.teilprodukt1, 10); // two digits taken first
                } else {
                    ASSERT_TRUE(d >= 10 && d <= 99);
                    ASSERT_TRUE(t.dividend >= 1000 && t.dividend <= 99999);
                    ASSERT_EQ(t.fuenfstellig, t.dividend > 9999 ? 1 : 0);
                }
            }
    RandSeed(3);
    for (int i = 0; i < 50; ++i) {
        const sv_d1::Aufgabe t = sv_d1::stellenwurf(4, 0, true);
        if (t.divisor == 2) ASSERT_EQ(t.divisionsrest, 1);
    }
}

TEST(SchriftlichDurch, TheWorkingStandsUnderTheDividend)
{
    const sv_d1::Blatt b { 0, false, { sv_d1::aufgabe(412, 3, 0) } };
    const Svseite s([&](Canvas& c) { sv_d1::zeichnen(c, b, 0, true); });
    EXPECT_EQ(s.zeile(-197), (QStringList { "1", "2", "3", "6", ":", "3", "=", "4", "1", "2" }));
    EXPECT_EQ(s.zeile(-262), (QStringList { "1", "2" }));
    EXPECT_EQ(s.zeile(-327), (QStringList { " ", "0", "3" }));
    EXPECT_EQ(s.zeile(-392), (QStringList { " ", "3" }));
    EXPECT_EQ(s.zeile(-457), (QStringList { " ", "0", "6" }));
    EXPECT_EQ(s.zeile(-522), (QStringList { " ", "6" }));
    EXPECT_EQ(s.zeile(-587), (QStringList { " ", "0" }));
    EXPECT_TRUE(s.hat("1)", 180, -213));

    const sv_d1::Blatt zwei { 1, true, { sv_d1::aufgabe(456, 13, 0), sv_d1::aufgabe(789, 97, 5) } };
    const Svseite w([&](Canvas& c) { sv_d1::zeichnen(c, zwei, 0, false); });
    EXPECT_EQ(w.zeile(-197).mid(0, 9), (QStringList { " ", "5", "9", "2", "8", ":", "1", "3", "=" }));
    EXPECT_EQ(w.zeile(-262), QStringList {});
    // A four-digit dividend: the first step line begins one pitch right of a five-digit one's.
    EXPECT_TRUE(w.linien().contains("260,-325-345,-325/2"));
    EXPECT_TRUE(w.linien().contains("1015,-325-1145,-325/2"));
    EXPECT_TRUE(w.hat("Reste:", 130, -2680));
    EXPECT_TRUE(w.hat("  5", 625, -2680));
    const Svseite l([&](Canvas& c) { sv_d1::zeichnen(c, zwei, 2, true); });
    EXPECT_EQ(l.zeile(-262), (QStringList { " ", "5", "2", "6", "7", "9" }));
    EXPECT_TRUE(l.hat("3", 1415, -522));
    EXPECT_TRUE(l.hat("8", 1415, -197)); // the units of 76538
    const sv_d1::Blatt ohneRest { 1, false, { sv_d1::aufgabe(456, 13, 0) } };
    const Svseite o([&](Canvas& c) { sv_d1::zeichnen(c, ohneRest, 0, false); });
    EXPECT_FALSE(o.texte().join(' ').contains("Reste:"));
}

// Each sheet and variant, worksheet and solution, without, grey and black squares (division also with
// remainders), as PDF pages.
TEST(SchriftlichPdf, MultiplicationAndDivisionSheets)
{
    RandSeed(11);
    QList<std::function<void(Canvas&)>> m1, m2, d1;
    const sv_m1::Blatt b1 = sv_m1::aufgabenbau(svrahmen::arten({ 3, 3, 3, 3, 3, 3, 3, 0 }, 21));
    for (int k = 0; k <= 2; ++k)
        for (bool l : { false, true }) {
            m1 << [b1, k, l](Canvas& c) { sv_m1::zeichnen(c, b1, k, l); };
            for (int form = 0; form <= 1; ++form) {
                RandSeed(11);
                const sv_m2::Blatt b2 = sv_m2::aufgabenbau(svrahmen::arten({ 3, 3, 3, 3, 2, 2, 2, 0 }, 18), form);
                m2 << [b2, k, l](Canvas& c) { sv_m2::zeichnen(c, b2, k, l); };
            }
            for (int p = 0; p <= 1; ++p)
                for (bool rest : { false, true }) {
                    const sv_d1::Blatt b3 = sv_d1::aufgabenbau(svrahmen::arten({ 2, 1, 1, 1, 1, 1, 1, 0 }, 8), p, rest);
                    d1 << [b3, k, l](Canvas& c) { sv_d1::zeichnen(c, b3, k, l); };
                }
        }
    for (const auto& [name, seiten] : { std::pair { "a_SV_m1", m1 }, { "a_SV_m2", m2 }, { "a_sv_d1", d1 } }) {
        const QString pfad = svPdf(QString::fromLatin1(name), seiten);
        ASSERT_FALSE(pfad.isEmpty());
        EXPECT_EQ(pdfPageCount(pfad), seiten.size());
        EXPECT_TRUE(pdfText(pfad).contains(QStringLiteral("Lösungsblatt")));
    }
}

TEST(SchriftlichMal, EachTypeOfHzeMalEKeepsItsDigitsRangesAndUsesEveryDigitTheyAllow)
{
    PinRandomSeed(3);
    const char* soll[] = {
        "",
        "E1 1-4, E2 2-9, H1 2-9, Z1 1-4",
        "E1 1-4, E2 2-9, H1 2-9, Z1 2-9",
        "E1 2-9, E2 2-8, H1 2-9, Z1 1-4",
        "E1 1-9, E2 2-9, H1 2-9, Z1 1-9",
        "E1 2-9, E2 2-9, H1 2-9, Z1 2-9",
        // A units product of at most 49 and two fives at most 9: no 5 as the second factor.
        "E1 2-9, E2 3-4,6-9, H1 2-9, Z1 1-3",
        "E1 0-9, E2 2-9, H1 2-9, Z1 0-9",
        "E1 0-9, E2 2-9, H1 2-9, Z1 0-9",
    };
    for (int typ = 1; typ <= 8; ++typ) {
        Wertebereiche w;
        for (int n = 0; n < 3000; ++n) {
            const sv_m1::Aufgabe a = sv_m1::stellenwurf(typ);
            w(QStringLiteral("H1"), a.faktor1 / 100);
            w(QStringLiteral("Z1"), a.faktor1 / 10 % 10);
            w(QStringLiteral("E1"), a.faktor1 % 10);
            w(QStringLiteral("E2"), a.faktor2);
            EXPECT_EQ(a.produkt, a.faktor1 * a.faktor2);
            EXPECT_GE(a.produkt, 1000);
            EXPECT_LE(a.produkt, 9999);
        }
        EXPECT_EQ(w.text().toStdString(), soll[typ]) << "type " << typ;
    }
}

TEST(SchriftlichMal, EveryTypeOfHzeMalZeAndOfTheDivisionKeepsItsDigitsRangesAndUsesEveryDigit)
{
    PinRandomSeed(26);
    QStringList alle;
    for (int typ = 1; typ <= 8; ++typ) {
        Wertebereiche w;
        for (int n = 0; n < 2000; ++n) {
            const sv_m2::Aufgabe a = sv_m2::stellenwurf(typ, 0);
            w.ziffern(QStringLiteral("a"), a.operand1, 3);
            w.ziffern(QStringLiteral("b"), a.operand2, 2);
            EXPECT_EQ(a.produkt, a.operand1 * a.operand2);
        }
        alle << QStringLiteral("mal %1: ").arg(typ) + w.text();
    }
    for (int variante : { 0, 1 })
        for (bool mitRest : { false, true })
            for (int typ = 1; typ <= 8; ++typ) {
                Wertebereiche w;
                for (int n = 0; n < 2000; ++n) {
                    const sv_d1::Aufgabe a = sv_d1::stellenwurf(typ, variante, mitRest);
                    w.ziffern(QStringLiteral("q"), a.quotient, 3);
                    w(QStringLiteral("d"), a.divisor);
                    const int r = a.divisionsrest;
                    w(QStringLiteral("r"), r == 0 ? 0 : r < a.divisor - 1 ? 1 : r == a.divisor - 1 ? 2 : 3);
                    EXPECT_EQ(a.dividend, a.quotient * a.divisor + a.divisionsrest);
                }
                alle << QStringLiteral("durch %1%2 %3: ").arg(variante).arg(mitRest ? "R" : "").arg(typ) + w.text();
            }
    // Type 6 puts the one 1 of each factor among its tens or its units, four ways; each way uses every other digit.
    std::map<QString, Wertebereiche> einsen;
    for (int n = 0; n < 4000; ++n) {
        const sv_m2::Aufgabe a = sv_m2::stellenwurf(6, 0);
        const QString art = QStringLiteral("%1 %2")
                                .arg(a.operand1 / 10 % 10 == 1 ? "aZ" : "aE")
                                .arg(a.operand2 / 10 == 1 ? "bZ" : "bE");
        einsen[art].ziffern(QStringLiteral("a"), a.operand1, 3);
        einsen[art].ziffern(QStringLiteral("b"), a.operand2, 2);
    }
    for (const auto& [art, w] : einsen)
        alle << QStringLiteral("mal 6, 1 in %1: ").arg(art) + w.text();
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "mal 1: aE 2-5, aH 2-5, aZ 2-5, bE 2-5, bZ 2-5\n"
        "mal 2: aE 6-9, aH 6-9, aZ 6-9, bE 6-9, bZ 5-8\n"
        "mal 3: aE 2-9, aH 2-9, aZ 2-9, bE 2-9, bZ 2-9\n"
        "mal 4: aE 1-9, aH 1-9, aZ 1-9, bE 0, bZ 2-9\n"
        "mal 5: aE 0, aH 1-9, aZ 1-9, bE 0, bZ 2-9\n"
        "mal 6: aE 1-9, aH 2-9, aZ 1-9, bE 1-9, bZ 1-9\n"
        "mal 7: aE 0-9, aH 1-9, aZ 0-9, bE 1-9, bZ 2-9\n"
        "mal 8: aE 0-9, aH 1-9, aZ 0-9, bE 0-9, bZ 1-9\n"
        "durch 0 1: d 2-9, qE 1-4, qH 2-9, qZ 1-4, r 0\n"
        "durch 0 2: d 2-9, qE 1-4, qH 2-9, qZ 2-9, r 0\n"
        "durch 0 3: d 2-8, qE 2-9, qH 2-9, qZ 1-4, r 0\n"
        "durch 0 4: d 2-9, qE 1-9, qH 2-9, qZ 1-9, r 0\n"
        "durch 0 5: d 2-9, qE 2-9, qH 2-9, qZ 2-9, r 0\n"
        "durch 0 6: d 6-9, qE 6-9, qH 6-9, qZ 6-9, r 0\n"
        "durch 0 7: d 2-9, qE 0-9, qH 2-9, qZ 0-9, r 0\n"
        "durch 0 8: d 2-9, qE 0-9, qH 2-9, qZ 0-9, r 0\n"
        "durch 0R 1: d 2-9, qE 1-4, qH 2-9, qZ 1-4, r 1-2\n"
        "durch 0R 2: d 2-9, qE 1-4, qH 2-9, qZ 2-9, r 1-2\n"
        "durch 0R 3: d 2-8, qE 2-9, qH 2-9, qZ 1-4, r 1-2\n"
        "durch 0R 4: d 2-9, qE 1-9, qH 2-9, qZ 1-9, r 1-2\n"
        "durch 0R 5: d 2-9, qE 2-9, qH 2-9, qZ 2-9, r 1-2\n"
        "durch 0R 6: d 6-9, qE 6-9, qH 6-9, qZ 6-9, r 1-2\n"
        "durch 0R 7: d 2-9, qE 0-9, qH 2-9, qZ 0-9, r 1-2\n"
        "durch 0R 8: d 2-9, qE 0-9, qH 2-9, qZ 0-9, r 1-2\n"
        "durch 1 1: d 20,30,40,50,60,70,80,90, qE 0-9, qH 1-9, qZ 0-9, r 0\n"
        "durch 1 2: d 11,19, qE 1-9, qH 1-9, qZ 1-9, r 0\n"
        "durch 1 3: d 11-19, qE 1-9, qH 1-9, qZ 1-9, r 0\n"
        "durch 1 4: d 21-22,28-29,31-32,38-39,41-42,48-49,51-52,58-59,61-62,68-69,71-72,78-79,81-82,88-89,91-92,98-99, "
        "qE 1-9, qH 1-9, qZ 1-9, r 0\n"
        "durch 1 5: d 23-27,33-37,43-47,53-57,63-67,73-77,83-87,93-97, qE 1-9, qH 1-9, qZ 1-9, r 0\n"
        "durch 1 6: d 21-29,31-39,41-49,51-59,61-69,71-79,81-89,91-99, qE 1-9, qH 1-9, qZ 1-9, r 0\n"
        "durch 1 7: d 21-29,31-39,41-49,51-59,61-69,71-79,81-89,91-99, qE 0-9, qH 1-9, qZ 0-9, r 0\n"
        "durch 1 8: d 11-99, qE 0-9, qH 1-9, qZ 0-9, r 0\n"
        "durch 1R 1: d 20,30,40,50,60,70,80,90, qE 0-9, qH 1-9, qZ 0-9, r 1-2\n"
        "durch 1R 2: d 11,19, qE 1-9, qH 1-9, qZ 1-9, r 1-2\n"
        "durch 1R 3: d 11-19, qE 1-9, qH 1-9, qZ 1-9, r 1-2\n"
        "durch 1R 4: d "
        "21-22,28-29,31-32,38-39,41-42,48-49,51-52,58-59,61-62,68-69,71-72,78-79,81-82,88-89,91-92,98-99, qE 1-9, qH "
        "1-9, qZ 1-9, r 1-2\n"
        "durch 1R 5: d 23-27,33-37,43-47,53-57,63-67,73-77,83-87,93-97, qE 1-9, qH 1-9, qZ 1-9, r 1-2\n"
        "durch 1R 6: d 21-29,31-39,41-49,51-59,61-69,71-79,81-89,91-99, qE 1-9, qH 1-9, qZ 1-9, r 1-2\n"
        "durch 1R 7: d 21-29,31-39,41-49,51-59,61-69,71-79,81-89,91-99, qE 0-9, qH 1-9, qZ 0-9, r 1-2\n"
        "durch 1R 8: d 11-99, qE 0-9, qH 1-9, qZ 0-9, r 1-2\n"
        "mal 6, 1 in aE bE: aE 1, aH 2-9, aZ 2-9, bE 1, bZ 2-9\n"
        "mal 6, 1 in aE bZ: aE 1, aH 2-9, aZ 2-9, bE 2-9, bZ 1\n"
        "mal 6, 1 in aZ bE: aE 2-9, aH 2-9, aZ 1, bE 1, bZ 2-9\n"
        "mal 6, 1 in aZ bZ: aE 2-9, aH 2-9, aZ 1, bE 2-9, bZ 1");
}

TEST(SchriftlichMal, EverySheetPrintsEachTaskOnceInItsCellAndListsItsResults)
{
    PinRandomSeed(5);
    const std::vector<int> zahlen { 3, 3, 3, 3, 3, 3, 3, 0 };
    const sv_m1::Blatt m1 = sv_m1::aufgabenbau(svrahmen::arten(zahlen, sv_m1::aufgabenzahl));
    const sv_m2::Blatt m2 = sv_m2::aufgabenbau(svrahmen::arten(zahlen, sv_m2::aufgabenzahl), 0);
    const sv_m2::Blatt m2kurz = sv_m2::aufgabenbau(svrahmen::arten(zahlen, sv_m2::aufgabenzahl), 1);
    const sv_d1::Blatt d1 = sv_d1::aufgabenbau(svrahmen::arten(zahlen, sv_d1::aufgabenzahl), 0, true);
    for (int kaestchen : { 0, 1 })
        for (bool loesung : { false, true }) {
            SCOPED_TRACE(testing::Message() << "squares " << kaestchen << ", solution " << loesung);
            const Svseite s1([&](Canvas& c) { sv_m1::zeichnen(c, m1, kaestchen, loesung); });
            const Svseite s2([&](Canvas& c) { sv_m2::zeichnen(c, m2, kaestchen, loesung); });
            const Svseite s2kurz([&](Canvas& c) { sv_m2::zeichnen(c, m2kurz, kaestchen, loesung); });
            const auto t2kurz = s2kurz.aufgaben();
            ASSERT_EQ(t2kurz.size(), size_t(sv_m2::aufgabenzahl));
            const Svseite s3([&](Canvas& c) { sv_d1::zeichnen(c, d1, kaestchen, loesung); });
            const auto t1 = s1.aufgaben(), t2 = s2.aufgaben(), t3 = s3.aufgaben();
            ASSERT_EQ(t1.size(), size_t(sv_m1::aufgabenzahl));
            ASSERT_EQ(t2.size(), size_t(sv_m2::aufgabenzahl));
            ASSERT_EQ(t3.size(), size_t(sv_d1::aufgabenzahl));
            std::multiset<int> produkte1, produkte2, quotienten;
            for (int k = 1; k <= sv_m1::aufgabenzahl; ++k) {
                const sv_m1::Aufgabe& a = m1.aufgaben[size_t(k - 1)];
                const QString n = QStringLiteral("%1%2").arg(a.faktor1).arg(a.faktor2);
                EXPECT_EQ(t1.at(k).toStdString(), (loesung ? n + QString::number(a.produkt) : n).toStdString()) << k;
                produkte1.insert(a.produkt);
            }
            for (int k = 1; k <= sv_m2::aufgabenzahl; ++k) {
                const sv_m2::Aufgabe& b = m2.aufgaben[size_t(k - 1)];
                // The solution: the partial products one under the other, then the product.
                QString soll = QStringLiteral("%1%2").arg(b.operand1).arg(b.operand2);
                if (loesung) {
                    for (int t : { 4, 5 })
                        soll += QString::number(b.teilprodukt[size_t(t)]);
                    soll += QString::number(b.produkt);
                }
                EXPECT_EQ(t2.at(k).toStdString(), soll.toStdString()) << k;
                produkte2.insert(b.produkt);
                // "ZE x HZE": the short factor times the hundreds, the tens, the units.
                const sv_m2::Aufgabe& kurz = m2kurz.aufgaben[size_t(k - 1)];
                QString sollKurz = QStringLiteral("%1%2").arg(kurz.operand1).arg(kurz.operand2);
                if (loesung) {
                    for (int t : { 3, 2, 1 })
                        sollKurz += QString::number(kurz.teilprodukt[size_t(t)]);
                    sollKurz += QString::number(kurz.produkt);
                }
                EXPECT_EQ(t2kurz.at(k).toStdString(), sollKurz.toStdString()) << k;
            }
            for (int k = 1; k <= sv_d1::aufgabenzahl; ++k) {
                const sv_d1::Aufgabe& d = d1.aufgaben[size_t(k - 1)];
                const QString aufgabe = QStringLiteral("%1:%2=").arg(d.dividend).arg(d.divisor);
                EXPECT_EQ(t3.at(k).left(aufgabe.size()).toStdString(), aufgabe.toStdString()) << k;
                EXPECT_EQ(t3.at(k).mid(aufgabe.size()).startsWith(QString::number(d.quotient)), loesung) << k;
                quotienten.insert(d.quotient);
            }
            // The strokes above the products (and above the partial products): each in its task's cell.
            EXPECT_EQ(s1.striche(), einerJe(sv_m1::aufgabenzahl));
            EXPECT_EQ(s2.striche(), einerJe(sv_m2::aufgabenzahl, 2));
            EXPECT_EQ(s2kurz.striche(), einerJe(sv_m2::aufgabenzahl, 2));
            EXPECT_EQ(s1.ergebnisse(), loesung ? std::multiset<int>() : produkte1);
            EXPECT_EQ(s2.ergebnisse(), loesung ? std::multiset<int>() : produkte2);
            const std::multiset<int> e3 = s3.ergebnisse();
            if (loesung)
                EXPECT_TRUE(e3.empty());
            else
                EXPECT_TRUE(std::includes(e3.begin(), e3.end(), quotienten.begin(), quotienten.end()));
        }
}

TEST(SchriftlichRahmen, EverySheetDrawsItsSquaresGreyOrBlackAsChosenAndNoneWithout)
{
    PinRandomSeed(9);
    const std::vector<int> zahlen { 3, 3, 3, 3, 3, 3, 3, 0 };
    const sv_p1::Blatt p1 = sv_p1::aufgabenbau(svrahmen::arten(zahlen, sv_p1::aufgabenzahl), 1);
    const sv_p2::Blatt p2 = sv_p2::aufgabenbau(svrahmen::arten(zahlen, sv_p2::aufgabenzahl), 1);
    const sv_m1::Blatt m1 = sv_m1::aufgabenbau(svrahmen::arten(zahlen, sv_m1::aufgabenzahl));
    const sv_m2::Blatt m2 = sv_m2::aufgabenbau(svrahmen::arten(zahlen, sv_m2::aufgabenzahl), 0);
    const sv_d1::Blatt d1 = sv_d1::aufgabenbau(svrahmen::arten(zahlen, sv_d1::aufgabenzahl), 0, true);
    const std::vector<std::pair<const char*, std::function<void(Canvas&, int)>>> blaetter {
        { "plus/minus", [&](Canvas& c, int wahl) { sv_p1::zeichnen(c, p1, wahl, false); } },
        { "three numbers", [&](Canvas& c, int wahl) { sv_p2::zeichnen(c, p2, wahl, false); } },
        { "HZE x E", [&](Canvas& c, int wahl) { sv_m1::zeichnen(c, m1, wahl, false); } },
        { "HZE x ZE", [&](Canvas& c, int wahl) { sv_m2::zeichnen(c, m2, wahl, false); } },
        { "division", [&](Canvas& c, int wahl) { sv_d1::zeichnen(c, d1, wahl, false); } },
    };
    // The thin lines across and down the page, and how many of them are grey.
    struct Raster {
        int waagrecht = 0, senkrecht = 0, grau = 0;
    };
    const auto raster = [](const Svseite& s) {
        Raster r;
        for (const DrawOp& op : s.ops) {
            if (op.kind != DrawOp::Kind::Line || op.pen.width != 1) continue;
            r.waagrecht += op.points[0].y() == op.points[1].y();
            r.senkrecht += op.points[0].x() == op.points[1].x();
            r.grau += op.pen.color == QColor(128, 128, 128);
        }
        return r;
    };
    for (const auto& [name, zeichnen] : blaetter) {
        SCOPED_TRACE(name);
        const Raster ohne = raster(Svseite([&](Canvas& c) { zeichnen(c, 0); }));
        EXPECT_EQ(ohne.grau, 0);
        for (int wahl : { 1, 2 }) {
            SCOPED_TRACE(testing::Message() << "squares " << wahl);
            const Raster mit = raster(Svseite([&](Canvas& c) { zeichnen(c, wahl); }));
            // Squares over the whole page: dozens of rows and columns more than on plain paper.
            const int zeilen = mit.waagrecht - ohne.waagrecht, spalten = mit.senkrecht - ohne.senkrecht;
            EXPECT_GE(zeilen, 30);
            EXPECT_GE(spalten, 25);
            EXPECT_EQ(mit.grau, wahl == 1 ? zeilen + spalten : 0);
        }
    }
}

TEST(SchriftlichDurch, TheFillTypeDrawsTheTypesOfItsVariant)
{
    PinRandomSeed(31);
    for (int variante : { 0, 1 }) {
        std::set<int> typen;
        for (int n = 0; n < 700; ++n)
            typen.insert(sv_d1::stellenwurf(8, variante, n % 2 == 0).typ);
        const std::set<int> soll
            = variante == 0 ? std::set<int> { 1, 2, 3, 5, 6, 7 } : std::set<int> { 1, 2, 3, 4, 5, 6, 7 };
        EXPECT_EQ(typen, soll) << variante;
    }
}

TEST(SchriftlichDurch, EveryLayoutsSolutionWritesEachStepUnderItsTaskAndTheFootListsQuotientsAndRemainders)
{
    PinRandomSeed(33);
    const std::vector<int> zahlen { 1, 1, 1, 1, 1, 1, 1, 1 };
    for (int variante : { 0, 1 })
        for (int kaestchen : { 0, 1 }) {
            SCOPED_TRACE(testing::Message() << "layout " << variante << ", squares " << kaestchen);
            const sv_d1::Blatt b = sv_d1::aufgabenbau(svrahmen::arten(zahlen, sv_d1::aufgabenzahl), variante, true);
            const Svseite loesung([&](Canvas& c) { sv_d1::zeichnen(c, b, kaestchen, true); });
            const Svseite blatt([&](Canvas& c) { sv_d1::zeichnen(c, b, kaestchen, false); });
            EXPECT_EQ(blatt.zeile(-50), QStringList { "Name: __________________" });
            EXPECT_EQ(loesung.zeile(-50), QStringList { "Lösungsblatt" });
            const auto schritte = loesung.aufgaben();
            ASSERT_EQ(schritte.size(), size_t(sv_d1::aufgabenzahl));
            std::vector<int> quotienten, reste;
            for (int k = 1; k <= sv_d1::aufgabenzahl; ++k) {
                const sv_d1::Aufgabe& a = b.aufgaben[size_t(k - 1)];
                // Top to bottom: the task and its quotient, then each partial product with the remainder and the
                // digit brought down under it, and the last remainder.
                const QString soll = QStringLiteral("%1:%2=%3").arg(a.dividend).arg(a.divisor).arg(a.quotient)
                    + QStringLiteral("%1%2%3").arg(a.teilprodukt1).arg(a.zwischenrest1).arg(a.zehnerziffer)
                    + QStringLiteral("%1%2%3").arg(a.teilprodukt3).arg(a.zwischenrest2).arg(a.einerziffer)
                    + QStringLiteral("%1%2").arg(a.teilprodukt5).arg(a.divisionsrest);
                EXPECT_EQ(schritte.at(k).toStdString(), soll.toStdString()) << k;
                quotienten.push_back(a.quotient);
                reste.push_back(a.divisionsrest);
            }
            // Three strokes per task: under each partial product.
            EXPECT_EQ(loesung.striche(), einerJe(sv_d1::aufgabenzahl, 3));
            EXPECT_EQ(blatt.striche(), einerJe(sv_d1::aufgabenzahl, 3));
            // The foot: the quotients, then the remainders, each row from the smallest up.
            std::sort(quotienten.begin(), quotienten.end());
            std::sort(reste.begin(), reste.end());
            for (const auto& [titel, soll] :
                { std::pair { "Ergebnisse:", quotienten }, std::pair { "Reste:", reste } }) {
                int y = 0;
                for (const DrawOp& op : blatt.ops)
                    if (op.kind == DrawOp::Kind::Text && op.text == QString::fromLatin1(titel)) y = op.points[0].y();
                ASSERT_NE(y, 0) << titel;
                std::vector<std::pair<int, int>> zeile;
                for (const DrawOp& op : blatt.ops)
                    if (op.kind == DrawOp::Kind::Text && op.points[0].y() == y && op.text != QString::fromLatin1(titel))
                        zeile.push_back({ op.points[0].x(), op.text.trimmed().toInt() });
                std::sort(zeile.begin(), zeile.end());
                std::vector<int> gelesen;
                for (const auto& z : zeile)
                    gelesen.push_back(z.second);
                EXPECT_EQ(gelesen, soll) << titel;
            }
        }
}

TEST(SchriftlichDurch, TheDrawsSplitEvenlyBetweenTheirChoices)
{
    PinRandomSeed(34);
    const int n = 6000;
    std::map<QString, int> anzahl;
    for (int i = 0; i < n; ++i) {
        // One-digit divisor, type 4: the units product below ten (type 2) or above (type 3).
        const sv_d1::Aufgabe vier = sv_d1::stellenwurf(4, 0, false);
        ++anzahl[(vier.quotient % 10) * vier.divisor < 10 ? QStringLiteral("0/4 Einer klein")
                                                          : QStringLiteral("0/4 Einer gross")];
        // Type 7: the zero in the tens or in the units of the quotient.
        for (int variante : { 0, 1 }) {
            const int q = sv_d1::stellenwurf(7, variante, false).quotient;
            ++anzahl[QStringLiteral("%1/7 %2").arg(variante).arg(q / 10 % 10 == 0 ? "Z" : "E")];
        }
        // Two-digit divisor: 11 or 19 in type 2; units 3..7 or the others in type 6.
        ++anzahl[QStringLiteral("1/2 %1").arg(sv_d1::stellenwurf(2, 1, false).divisor)];
        const int einer = sv_d1::stellenwurf(6, 1, false).divisor % 10;
        ++anzahl[einer >= 3 && einer <= 7 ? QStringLiteral("1/6 mitte") : QStringLiteral("1/6 rand")];
        for (int variante : { 0, 1 })
            ++anzahl[QStringLiteral("%1/8 %2").arg(variante).arg(sv_d1::stellenwurf(8, variante, false).typ)];
    }
    std::map<QString, double> soll { { "0/4 Einer klein", 1.0 / 2 }, { "0/4 Einer gross", 1.0 / 2 },
        { "0/7 Z", 1.0 / 2 }, { "0/7 E", 1.0 / 2 }, { "1/7 Z", 1.0 / 2 }, { "1/7 E", 1.0 / 2 }, { "1/2 11", 1.0 / 2 },
        { "1/2 19", 1.0 / 2 }, { "1/6 mitte", 1.0 / 2 }, { "1/6 rand", 1.0 / 2 } };
    for (int typ : { 1, 2, 3, 5, 6, 7 })
        soll[QStringLiteral("0/8 %1").arg(typ)] = 1.0 / 6;
    for (int typ = 1; typ <= 7; ++typ)
        soll[QStringLiteral("1/8 %1").arg(typ)] = 1.0 / 7;
    ASSERT_EQ(anzahl.size(), soll.size());
    for (const auto& [was, anteil] : soll)
        EXPECT_NEAR(double(anzahl[was]) / n, anteil, 0.03) << was.toStdString();
}

TEST(SchriftlichDurch, EachOneDigitTypesPartialProductsReachBothEndsOfTheirRanges)
{
    // divisor times the hundreds, the tens and the units of the quotient: the first always two digits.
    PinRandomSeed(35);
    QStringList alle;
    for (int typ = 1; typ <= 7; ++typ) {
        int min[3] = { 1000, 1000, 1000 }, max[3] = { -1, -1, -1 };
        for (int n = 0; n < 3000; ++n) {
            const sv_d1::Aufgabe a = sv_d1::stellenwurf(typ, 0, n % 2 == 0);
            const int t[3] = { a.teilprodukt1, a.teilprodukt3, a.teilprodukt5 };
            for (int i = 0; i < 3; ++i) {
                min[i] = std::min(min[i], t[i]);
                max[i] = std::max(max[i], t[i]);
            }
        }
        alle << QStringLiteral("%1: %2-%3, %4-%5, %6-%7")
                    .arg(typ)
                    .arg(min[0])
                    .arg(max[0])
                    .arg(min[1])
                    .arg(max[1])
                    .arg(min[2])
                    .arg(max[2]);
    }
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "1: 10-81, 2-9, 2-9\n"
        "2: 10-81, 10-81, 2-9\n"
        "3: 10-72, 2-8, 12-45\n"
        "4: 10-81, 2-81, 2-45\n"
        "5: 10-81, 10-81, 10-81\n"
        "6: 36-81, 36-81, 36-81\n"
        "7: 10-81, 0-81, 0-81");
}

// The header of the worksheet asks for the pupil's name, the solution sheet says what it is; the sheet of three
// numbers names its operation first.
TEST(SchriftlichRahmen, EachHeaderAsksForTheNameOrNamesTheSolutionSheet)
{
    PinRandomSeed(4);
    const std::vector<int> arten(3, 1);
    const sv_m1::Blatt m1 = sv_m1::aufgabenbau(arten);
    const sv_m2::Blatt m2 = sv_m2::aufgabenbau(arten, 0);
    for (const bool loesung : { false, true }) {
        const QString name = loesung ? QStringLiteral("Lösungsblatt") : QStringLiteral("Name: __________________");
        EXPECT_EQ(Svseite([&](Canvas& c) { sv_m1::zeichnen(c, m1, 1, loesung); }).texte().first(), name + "@135,-50");
        EXPECT_EQ(Svseite([&](Canvas& c) { sv_m2::zeichnen(c, m2, 0, loesung); }).texte().first(), name + "@135,-50");
        for (int variante : { 1, 2 }) {
            const sv_p2::Blatt p2 = sv_p2::aufgabenbau(arten, variante);
            const QStringList t = Svseite([&](Canvas& c) { sv_p2::zeichnen(c, p2, 1, loesung); }).texte();
            EXPECT_EQ(t.mid(0, 2),
                (QStringList { variante == 1 ? "Addition            @135,-50" : "Subtraktion         @135,-50",
                    (loesung ? QStringLiteral("Lösungsblatt") : QStringLiteral("Name: ______________"))
                        + "@1000,-50" }));
        }
    }
}

// The multiplication dot of every task stands on the factors' row between them: the first factor to its left,
// the second to its right, with and without squares, in either order of the factors.
TEST(SchriftlichMal, EveryMultiplicationDotStandsBetweenTheFactorsOfItsTask)
{
    PinRandomSeed(6);
    const std::vector<int> arten { 1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7 };
    const sv_m1::Blatt m1 = sv_m1::aufgabenbau(arten);
    const sv_m2::Blatt m2lang = sv_m2::aufgabenbau(arten, 0), m2kurz = sv_m2::aufgabenbau(arten, 1);
    const auto pruefen = [](const Svseite& s, const std::function<std::pair<int, int>(size_t)>& faktoren, size_t n) {
        const auto zellen = s.zellen();
        ASSERT_EQ(zellen.size(), n);
        std::map<int, int> punkte;
        for (const DrawOp& op : s.ops) {
            if (op.kind != DrawOp::Kind::Ellipse || std::abs(op.points[1].x() - op.points[0].x()) > 10) continue;
            const QPoint mitte = (op.points[0] + op.points[1]) / 2;
            for (const auto& [k, zelle] : zellen) {
                if (!zelle.enthaelt(mitte)) continue;
                ++punkte[k];
                // The digits on the dot's height, left and right of it.
                std::map<int, QString> links, rechts;
                for (const DrawOp& t : s.ops)
                    if (t.kind == DrawOp::Kind::Text && t.text.size() == 1 && t.text != QStringLiteral(" ")
                        && zelle.enthaelt(t.points[0]) && t.points[0].y() >= mitte.y()
                        && t.points[0].y() - t.font.height <= mitte.y())
                        (t.points[0].x() < mitte.x() ? links : rechts)[t.points[0].x()] += t.text;
                QString l, r;
                for (const auto& [x, z] : links)
                    l += z;
                for (const auto& [x, z] : rechts)
                    r += z;
                const auto [a, b] = faktoren(size_t(k - 1));
                EXPECT_EQ(l.toStdString(), std::to_string(a)) << "task " << k;
                EXPECT_EQ(r.toStdString(), std::to_string(b)) << "task " << k;
            }
        }
        EXPECT_EQ(punkte, einerJe(int(n)));
    };
    for (int kaestchen : { 0, 1 })
        for (bool loesung : { false, true }) {
            SCOPED_TRACE(testing::Message() << "squares " << kaestchen << ", solution " << loesung);
            pruefen(
                Svseite([&](Canvas& c) { sv_m1::zeichnen(c, m1, kaestchen, loesung); }),
                [&](size_t k) { return std::pair(m1.aufgaben[k].faktor1, m1.aufgaben[k].faktor2); }, arten.size());
            for (const sv_m2::Blatt* m2 : { &m2lang, &m2kurz })
                pruefen(
                    Svseite([&](Canvas& c) { sv_m2::zeichnen(c, *m2, kaestchen, loesung); }),
                    [&](size_t k) { return std::pair(m2->aufgaben[k].operand1, m2->aufgaben[k].operand2); },
                    arten.size());
        }
}

// The mixture draws each of its types about equally often and no other type.
TEST(SchriftlichRahmen, EachMixtureDrawsEveryTypeItHoldsAboutEquallyOften)
{
    PinRandomSeed(12);
    const auto anteile = [](const std::function<int()>& typ, const std::set<int>& soll) {
        std::map<int, int> n;
        const int runden = 600 * int(soll.size());
        for (int i = 0; i < runden; ++i)
            ++n[typ()];
        std::set<int> typen;
        for (const auto& [t, anzahl] : n) {
            typen.insert(t);
            EXPECT_NEAR(anzahl, 600, 120) << "type " << t;
        }
        EXPECT_EQ(typen, soll);
    };
    anteile([] { return sv_m1::stellenwurf(8).typ; }, { 1, 2, 3, 5, 6, 7 });
    anteile([] { return sv_m2::stellenwurf(8, 0).typ; }, { 1, 2, 3, 4, 5, 6, 7 });
    anteile([] { return sv_p2::stellenwurf(6).typ; }, { 1, 2, 3, 4, 5 });
}

// The digit products of HZE x E reach both ends their type allows: units times units, and the tens times the
// units with the units' carry.
TEST(SchriftlichMal, EachTypeOfHzeMalEReachesTheEndsOfItsDigitProducts)
{
    PinRandomSeed(31);
    QStringList alle;
    for (int typ = 1; typ <= 7; ++typ) {
        int eMin = 1000, eMax = -1, zMin = 1000, zMax = -1;
        for (int n = 0; n < 4000; ++n) {
            const sv_m1::Aufgabe a = sv_m1::stellenwurf(typ);
            const int e = (a.faktor1 % 10) * a.faktor2, z = (a.faktor1 / 10 % 10) * a.faktor2 + e / 10;
            eMin = std::min(eMin, e);
            eMax = std::max(eMax, e);
            zMin = std::min(zMin, z);
            zMax = std::max(zMax, z);
        }
        alle << QStringLiteral("%1: E %2-%3, Z %4-%5").arg(typ).arg(eMin).arg(eMax).arg(zMin).arg(zMax);
    }
    EXPECT_EQ(alle.join(u'\n').toStdString(),
        "1: E 2-9, Z 2-9\n"
        "2: E 2-9, Z 10-81\n"
        "3: E 12-45, Z 3-9\n"
        "4: E 2-45, Z 3-81\n"
        "5: E 10-81, Z 11-89\n"
        "6: E 12-81, Z 10-17\n"
        "7: E 0-81, Z 0-81");
    // The products stand in rows at the foot: eleven on the first, nine on the first of the two-digit factors.
    PinRandomSeed(32);
    const std::vector<int> arten(21, 8);
    const Svseite m1([&](Canvas& c) { sv_m1::zeichnen(c, sv_m1::aufgabenbau(arten), 0, false); });
    const Svseite m2([&](Canvas& c) { sv_m2::zeichnen(c, sv_m2::aufgabenbau(arten, 0), 0, false); });
    for (const auto& [seite, erste] : { std::pair { &m1, 11 }, { &m2, 9 } }) {
        const int y = seite->ergebniszeile();
        EXPECT_EQ(seite->zeile(y).size(), erste + 1);
        int zweite = 0;
        for (const DrawOp& op : seite->ops)
            zweite += op.kind == DrawOp::Kind::Text && op.points[0].y() < y && op.points[0].y() > y - 150;
        EXPECT_EQ(zweite, 21 - erste);
    }
}
