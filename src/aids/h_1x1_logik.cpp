#include "aids/h_1x1_logik.h"

#include "aids/h_haupt_logik.h"
#include "aids/zahlendreher.h"
#include "platform/colors.h"

#include <algorithm>

namespace kl1x1 {

Aufgabe ziehen()
{
    Aufgabe t;
    if (!h_haupt::axbTeilen(h_haupt::ziehungText(), t.a, t.b)) return {};
    return t;
}

bool nullAblehnen(const QString& eingabe, int zielzahl)
{
    return eingabe.isEmpty() && zielzahl != 0;
}

Urteil urteil(const QString& eingabe, int zielzahl)
{
    bool ok = false;
    if (eingabe.toInt(&ok) == zielzahl && ok) return Urteil::richtig;
    return zahlendreher::ausErwartung(zielzahl, eingabe) ? Urteil::zahlendreher : Urteil::holeHilfe;
}

QString meldung(Urteil u)
{
    switch (u) {
    case Urteil::zahlendreher:
        return zahlendreher::meldung;
    case Urteil::holeHilfe:
        return QStringLiteral("hole Hilfe,");
    case Urteil::richtig:
        break;
    }
    return QString();
}

// ---- Help pictures ----

QVector<Flaeche> spruenge(const Aufgabe& t)
{
    QVector<Flaeche> s;
    for (int j = 1; j <= t.a; ++j) {
        const bool oben = j % 2 == 1;
        s << flaeche(
            7 * t.b * (j - 1) + 15, oben ? 135 : 150, 7 * t.b * j + 15, oben ? 145 : 160, oben ? clRed : clBlue);
    }
    return s;
}

QVector<Punktreihe> punktfeld(const Aufgabe& t)
{
    QVector<Punktreihe> reihen;
    for (int i = 1; i <= t.a; ++i) {
        Punktreihe r;
        for (int j = 1; j <= t.b; ++j) {
            // The four quarters of 5 x 5 show in the colours: red where both counts are in the same half.
            const bool rot = (i < 6) == (j < 6);
            r.punkte << flaeche(18 * j - 4, 25 * i + 4, 18 * j + 6, 25 * i + 18, rot ? clRed : clBlue);
        }
        r.beschriftungOrt = QPoint(212, 25 * i + 2);
        r.beschriftung = i == t.a ? QStringLiteral("?") : QString::number(t.b * i);
        reihen << r;
    }
    return reihen;
}

QVector<QVector<Flaeche>> hunderterfeld(const Aufgabe& t)
{
    QVector<QVector<Flaeche>> gruppen;
    int p = 0;
    int r = 1;
    for (int g = 1; g <= t.a; ++g) {
        QVector<Flaeche> gruppe;
        for (int k = 1; k <= t.b; ++k) {
            ++p;
            gruppe << flaeche(20 * p - 5, 27 * r - 6, 20 * p + 5, 27 * r + 9, g % 2 == 1 ? clRed : clBlue);
            if (p == 10) {
                ++r;
                p = 0;
            }
        }
        gruppen << gruppe;
    }
    return gruppen;
}

QColor kleiderfarbe(int k)
{
    static const QColor farben[10]
        = { clGreen, clPurple, clSkyBlue, clRed, clYellow, clMaroon, clSilver, clNavy, clOlive, clMoneyGreen };
    return k >= 1 && k <= 10 ? farben[k - 1] : clBlack;
}

QPolygon hemd(int i)
{
    const int x = 19 * i;
    return QPolygon({ { x - 10, 12 }, { x - 6, 12 }, { x - 2, 14 }, { x + 2, 12 }, { x + 6, 12 }, { x + 6, 17 },
        { x + 3, 17 }, { x + 3, 30 }, { x - 7, 30 }, { x - 7, 17 }, { x - 10, 17 }, { x - 10, 12 } });
}

QPolygon hose(int j)
{
    const int x = 19 * j;
    return QPolygon({ { x - 8, 268 }, { x + 4, 268 }, { x + 6, 286 }, { x, 286 }, { x - 2, 281 }, { x - 4, 286 },
        { x - 10, 286 }, { x - 8, 268 } });
}

QPoint hemdKragen(int i)
{
    return { 19 * i - 2, 30 };
}

QPoint hosenBund(int j)
{
    return { 19 * j - 2, 268 };
}

// ---- Tips ----

namespace {

constexpr int kMitte = 356;

QString n(int z)
{
    return QString::number(z);
}

Tipptext gruen(int x, int y, const QString& text, int hoehe = 60)
{
    return { x, y, hoehe, clGreen, text };
}

} // namespace

Tipp tipp(const Aufgabe& t)
{
    const int a = t.a;
    const int b = t.b;
    Tipp tp;
    auto mitte = [&](int y, const QString& text) { tp.texte << gruen(kMitte, y, text); };

    if (t.produkt() == 0 || a == 1 || a == 10 || b == 1 || b == 10) {
        mitte(60, QStringLiteral("kein Tipp"));
        mitte(140, QStringLiteral("für diese Aufgabe"));
        if (t.produkt() == 0) {
            tp.texte << Tipptext { 600, 70, 130, clRed, QStringLiteral("! 0 !") };
            tp.texte << Tipptext { 112, 70, 130, clRed, QStringLiteral("! 0 !") };
        }
        return tp;
    }
    if ((b == 2 && a > 2) || (b == 9 && a > 2 && a < 9)) {
        tp.art = Tipp::Art::tausch;
        mitte(60, QStringLiteral("Die Tauschaufgabe ist leichter!"));
        mitte(150, QStringLiteral("Rechne:   ") + n(b) + QStringLiteral("  x  ") + n(a) + QStringLiteral("  =  ..."));
        return tp;
    }
    tp.art = Tipp::Art::nachA;
    switch (a) {
    case 2:
        mitte(25, QStringLiteral("2  x  ") + n(b) + QStringLiteral("   ist das"));
        mitte(105, QStringLiteral("D o p p e l t e"));
        mitte(185, QStringLiteral("   von  ") + n(b) + QStringLiteral(" ."));
        break;
    case 3:
        mitte(25, QStringLiteral("Rechne:"));
        mitte(105, QStringLiteral("2  x  ") + n(b) + QStringLiteral("  =  ") + n(2 * b));
        mitte(185, QStringLiteral("zähle noch   1  x  ") + n(b) + QStringLiteral("   dazu."));
        break;
    case 4:
        tp.trennlinie = kMitte;
        // Centred far enough right that the longest line stays inside the box's left line.
        tp.texte << gruen(172, 60, QStringLiteral("Rechne:   2  x  ") + n(b) + QStringLiteral("  =  ") + n(2 * b), 40);
        tp.texte << gruen(172, 150, QStringLiteral("nimm davon das Doppelte."), 40);
        tp.texte << gruen(556, 60, QStringLiteral("Rechne:   5  x  ") + n(b) + QStringLiteral("  =  ") + n(5 * b), 40);
        tp.texte << gruen(556, 150, QStringLiteral("ziehe davon  1  x  ") + n(b) + QStringLiteral("  ab."), 40);
        tp.texte << Tipptext { kMitte, 90, 60, clRed, QStringLiteral("oder:") };
        break;
    case 5:
        mitte(60, QStringLiteral("Rechne:   10  x  ") + n(b) + QStringLiteral("  =  ") + n(10 * b));
        mitte(150, QStringLiteral("nimm davon die  H ä l f t e."));
        break;
    case 6:
    case 7:
        mitte(25, QStringLiteral("Rechne:"));
        mitte(105, QStringLiteral("5  x  ") + n(b) + QStringLiteral("  =  ") + n(5 * b));
        mitte(185,
            QStringLiteral("zähle noch  ") + n(a - 5) + QStringLiteral("  x  ") + n(b) + QStringLiteral("  dazu."));
        break;
    case 8:
        tp.trennlinie = 386;
        tp.texte << gruen(176, 25, QStringLiteral("Rechne:   2  x  ") + n(b) + QStringLiteral("  =  ") + n(2 * b), 40);
        tp.texte << gruen(176, 105, QStringLiteral("Verdoppele!  ... ( =  ") + n(4 * b) + QStringLiteral(")"), 40);
        tp.texte << gruen(196, 185, QStringLiteral("... und verdoppele noch einmal!"), 40);
        tp.texte << gruen(
            570, 60, QStringLiteral("Rechne:   10  x  ") + n(b) + QStringLiteral("  =  ") + n(10 * b), 40);
        tp.texte << gruen(570, 150, QStringLiteral("Ziehe davon  2  x  ") + n(b) + QStringLiteral("  ab."), 40);
        tp.texte << Tipptext { 386, 90, 60, clRed, QStringLiteral("oder:") };
        break;
    case 9:
        mitte(60, QStringLiteral("Rechne:   10  x  ") + n(b) + QStringLiteral("  =  ") + n(10 * b));
        mitte(150, QStringLiteral("ziehe davon  1  x  ") + n(b) + QStringLiteral("  ab."));
        break;
    default:
        break;
    }
    return tp;
}

QVector<QLine> trennstriche(const Tipp& tp)
{
    if (tp.trennlinie <= 0) return {};
    // The word's cell with a little room above and below: its letters keep clear of the line's ends.
    constexpr int luft = 6;
    int oben = kTipprahmenUnten, unten = kTipprahmenOben;
    for (const Tipptext& t : tp.texte)
        if (t.x == tp.trennlinie) {
            oben = std::min(oben, t.y - luft);
            unten = std::max(unten, t.y + t.hoehe + luft);
        }
    if (oben >= unten) return { QLine(tp.trennlinie, kTipprahmenOben, tp.trennlinie, kTipprahmenUnten) };
    return { QLine(tp.trennlinie, kTipprahmenOben, tp.trennlinie, oben),
        QLine(tp.trennlinie, unten, tp.trennlinie, kTipprahmenUnten) };
}

// ---- Protocol ----

hilfenrahmen::Protokollangaben protokollangaben(const QString& wahltext, int hilfetasten, int zeigetasten)
{
    const int trenner = int(wahltext.indexOf(QStringLiteral("// ")));
    const QString links = trenner < 0 ? wahltext : wahltext.left(trenner);
    const QString rechts = trenner < 0 ? QString() : wahltext.mid(trenner + 3);
    hilfenrahmen::Protokollangaben p;
    p.titel = QStringLiteral("Hilfen beim kleinen 1x1");
    p.zeile4 = QStringLiteral("linke Faktoren:        ") + links.left(std::max(0, int(links.size()) - 1));
    p.zeile5 = QStringLiteral("rechte Faktoren:       ") + rechts.left(60);
    p.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfeUndZeigetasten;
    p.zeile11 = hilfenrahmen::hilfetastezeile(hilfetasten);
    p.zeile12 = hilfenrahmen::zeigetastezeile(QString::number(zeigetasten));
    return p;
}

} // namespace kl1x1
