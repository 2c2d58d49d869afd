#include "aids/h_tab1_logik.h"

#include "aids/zahlendreher.h"
#include "shell/HalmorGlobalDefs.h"

#include <algorithm>

namespace tab1 {

// ---- Tables by code ----

bool istTabellencode(int code)
{
    return (code >= 61 && code <= 69) || code == 610;
}

Tabellenart tabellenart(int code)
{
    Tabellenart t;
    switch (code) {
    case 61:
        t = { Rechenart::plus, 62, 88, QStringLiteral("+"), { 28, 17 }, 47, false };
        break;
    case 62:
        t = { Rechenart::minus, 57, 81, QStringLiteral("-"), { 28, 17 }, 45, false };
        break;
    case 63:
        t = { Rechenart::mal, 57, 81, QStringLiteral("*"), { 28, 22 }, 45, false };
        break;
    case 64:
        t = { Rechenart::durch, 112, 160, QStringLiteral(":"), { 56, 50 }, 50, false };
        break;
    case 65:
    case 610:
        t = { Rechenart::mal, 75, 107, QStringLiteral("*"), { 36, 30 }, 50, true };
        break;
    case 66:
    case 68:
        t = { Rechenart::plus, 75, 107, QStringLiteral("+"), { 36, 25 }, 50, true };
        break;
    case 67:
    case 69:
        t = { Rechenart::minus, 75, 107, QStringLiteral("-"), { 36, 22 }, 50, true };
        break;
    default:
        break;
    }
    return t;
}

int ergebnis(Rechenart art, int zeile, int spalte)
{
    switch (art) {
    case Rechenart::plus:
        return zeile + spalte;
    case Rechenart::minus:
        return zeile - spalte;
    case Rechenart::mal:
        return zeile * spalte;
    case Rechenart::durch:
        return spalte != 0 ? zeile / spalte : 0;
    }
    return 0;
}

bool wirdGefragt(Rechenart art, int variante, int zeile, int spalte)
{
    const int e = ergebnis(art, zeile, spalte);
    switch (art) {
    case Rechenart::plus:
        return !((variante == 0 && e > 10) || (variante == 2 && e <= 10));
    case Rechenart::minus:
        return !(e < 0 || (variante == 2 && e > 9));
    case Rechenart::durch:
        return !(variante == 1 && e > 10);
    case Rechenart::mal:
        return true;
    }
    return true;
}

// ---- Set-up ----

void tabellengroesse(int code)
{
    const Tabellenart art = tabellenart(code);
    if (art.achtMalAcht) {
        variante = 1;
        tabzeilenzahl = 8;
        tabspaltenzahl = 8;
    } else if (code == 64) {
        tabspaltenzahl = shortint(std::min<int>(tabspaltenzahl, 5));
        tabzeilenzahl = tabspaltenzahl;
    }
    zellbreite = art.zellbreite;
    zellhoehe = art.zellhoehe;
}

namespace {

// Row i of a division table: a two-digit multiple of its divisor plus 1 .. d, different from the rows
// above it. With divisors 2..10 there is always one.
int dividend(int d, int bisher)
{
    for (;;) {
        const int vielfaches = d * (Random(10) + 1);
        const int z = vielfaches + Random(d) + 1;
        if (z < 10 || z > 99) continue;
        bool doppelt = false;
        for (int k = 1; k <= bisher; ++k)
            if (auswahl1[k] == z) doppelt = true;
        if (!doppelt) return z;
    }
}

} // namespace

void raenderBilden(int code)
{
    const Tabellenart art = tabellenart(code);
    if (art.achtMalAcht) {
        for (int i = 1; i <= 8; ++i) {
            auswahl1[i] = i + 1;
            auswahl2[i] = i + 1;
            auswahl3[i] = i + 1;
        }
        zyklischMischen(auswahl3, 8);
        for (int i = 1; i <= 8; ++i) {
            const int s = auswahl3[i];
            switch (code) {
            case 65:
                auswahl2[i] = 10 + i + 1;
                break;
            case 66:
                auswahl1[i] = 10 * (s - 1) + i + 1;
                break;
            case 67:
                auswahl1[i] = 10 * s + i + 1;
                break;
            case 68:
                auswahl1[i] = 10 * s + i + 1;
                auswahl2[i] = 10 * (s - 1) + i + 1;
                break;
            case 69:
                auswahl1[i] = 100 + 10 * s + i + 1;
                auswahl2[i] = 10 * (s - 1) + i + 1;
                break;
            case 610:
                auswahl2[i] = 10 * s + i + 1;
                break;
            default:
                break;
            }
        }
    }
    if (code == 62 && variante > 0)
        for (int i = 1; i <= tabzeilenzahl; ++i)
            auswahl1[i] = auswahl1[i] + 10;
    if (code == 64) {
        for (int i = 1; i <= tabspaltenzahl; ++i)
            auswahl1[i] = dividend(auswahl2[i], i - 1);
        std::sort(&auswahl1[1], &auswahl1[1] + tabzeilenzahl);
    }
    if (wahl4 == 1) {
        zyklischMischen(auswahl1, tabzeilenzahl);
        zyklischMischen(auswahl2, tabspaltenzahl);
    }
}

QString deskriptor(const Zelle& z)
{
    return QStringLiteral("v%1h%2a%3b%4").arg(z.zeile).arg(z.spalte).arg(z.a).arg(z.b);
}

Zelle zerlegen(const QString& d)
{
    const int h = int(d.indexOf(u'h'));
    const int a = int(d.indexOf(u'a'));
    const int b = int(d.indexOf(u'b'));
    Zelle z;
    if (!d.startsWith(u'v') || h < 0 || a < h || b < a) return z;
    z.zeile = d.mid(1, h - 1).toInt();
    z.spalte = d.mid(h + 1, a - h - 1).toInt();
    z.a = d.mid(a + 1, b - a - 1).toInt();
    z.b = d.mid(b + 1).toInt();
    return z;
}

Tabelle zellenBilden(int code)
{
    Tabelle t;
    t.code = code;
    t.art = tabellenart(code);
    t.zeilen = tabzeilenzahl;
    t.spalten = tabspaltenzahl;
    for (int i = 1; i <= t.zeilen; ++i)
        t.zeilenzahlen << auswahl1[i];
    for (int k = 1; k <= t.spalten; ++k)
        t.spaltenzahlen << auswahl2[k];
    int n = 0;
    for (int r = 0; r < t.zeilen; ++r) {
        for (int c = 0; c < t.spalten; ++c) {
            const Zelle z { r, c, t.zeilenzahlen[r], t.spaltenzahlen[c] };
            const bool ja = wirdGefragt(t.art.rechenart, variante, z.a, z.b);
            t.gefragt << ja;
            if (ja && n < aufgabenliste.high()) aufgabenliste[++n] = deskriptor(z);
        }
    }
    mindestaufgaben = n;
    vorratsgroesse = n;
    nummer = wahl3 != 0 ? Random(vorratsgroesse) + 1 : 1;
    return t;
}

// ---- Asking and checking ----

int schrittziel(Rechenart art, int zeile, int spalte, int sollwert)
{
    if (art != Rechenart::durch) return ergebnis(art, zeile, spalte);
    const int q = ergebnis(art, zeile, spalte);
    switch (sollwert) {
    case 1:
        return q * spalte;
    case 2:
        return q;
    default:
        return zeile - q * spalte;
    }
}

namespace {

QString operatortext(Rechenart art)
{
    switch (art) {
    case Rechenart::plus:
        return QStringLiteral(" + ");
    case Rechenart::minus:
        return QStringLiteral(" - ");
    case Rechenart::mal:
        return QStringLiteral(" x ");
    case Rechenart::durch:
        return QStringLiteral(" : ");
    }
    return {};
}

QString gleichung(Rechenart art, int zeile, int spalte, int sollwert)
{
    const QString a = QString::number(zeile);
    const QString b = QString::number(spalte);
    if (art != Rechenart::durch)
        return a + operatortext(art) + b + QStringLiteral(" = ") + QString::number(ergebnis(art, zeile, spalte));
    const int q = ergebnis(art, zeile, spalte);
    const QString vielfaches = QString::number(q * spalte);
    switch (sollwert) {
    case 1:
        return vielfaches + QStringLiteral(" lässt sich teilen.");
    case 2:
        return vielfaches + QStringLiteral(" : ") + b + QStringLiteral(" = ") + QString::number(q);
    default:
        return a + QStringLiteral(" : ") + b + QStringLiteral(" = ") + QString::number(q) + QStringLiteral("  Rest ")
            + QString::number(zeile - q * spalte);
    }
}

} // namespace

Pruefung pruefen(Rechenart art, int zeile, int spalte, int sollwert, const QString& eingabe)
{
    Pruefung p;
    const int soll = schrittziel(art, zeile, spalte, sollwert);
    if (eingabe.toInt() == soll) {
        p.urteil = sollwert >= 3 ? Urteil::geloest : Urteil::naechsterSchritt;
        return p;
    }
    p.zahlendreher = zahlendreher::ausEingabe(eingabe, soll);
    p.meldung = p.zahlendreher ? zahlendreher::meldung : gleichung(art, zeile, spalte, sollwert);
    return p;
}

int richtigeEingaben(Rechenart art, int zeile, int spalte, const QString& eingabe)
{
    if (art != Rechenart::durch) return int(eingabe.size()) + 1;
    const int q = ergebnis(art, zeile, spalte);
    return int(QString::number(q).size() + QString::number(q * spalte).size()) + 4;
}

bool naechsteZelle(bool springend)
{
    if (springend) {
        if (vorratsgroesse >= 1 && nummer >= 1 && nummer <= vorratsgroesse) {
            tauschtext = aufgabenliste[nummer];
            aufgabenliste[nummer] = aufgabenliste[vorratsgroesse];
            aufgabenliste[vorratsgroesse] = tauschtext;
        }
        vorratsgroesse = std::max(vorratsgroesse - 1, 0);
        nummer = Random(vorratsgroesse) + 1;
    } else if (nummer >= vorratsgroesse) {
        vorratsgroesse = 0;
    } else {
        nummer = nummer + 1;
    }
    return vorratsgroesse >= 1;
}

void andereZelle(bool springend)
{
    if (!springend) return;
    vorindex = shortint(nummer);
    if (vorratsgroesse <= 1) return;
    do
        nummer = Random(vorratsgroesse) + 1;
    while (nummer == vorindex);
}

// ---- Protocol ----

QString programmtitel(int code, int variante)
{
    QString s = QStringLiteral("Tabelle ");
    switch (code) {
    case 61:
        s += QStringLiteral("+, ");
        break;
    case 62:
        s += QStringLiteral("-, ");
        break;
    case 63:
        s += QStringLiteral(" zum kleinen  1 x 1");
        break;
    case 64:
        s += QStringLiteral(" Teilen mit Rest");
        break;
    case 65:
        s += QStringLiteral("zum mittleren  1 x 1");
        break;
    case 66:
        s += QStringLiteral("ZE + E");
        break;
    case 67:
        s += QStringLiteral("ZE - E");
        break;
    case 68:
        s += QStringLiteral("ZE + ZE");
        break;
    case 69:
        s += QStringLiteral("HZE - ZE");
        break;
    case 610:
        s += QStringLiteral("zum großen  1 x 1");
        break;
    default:
        break;
    }
    if (code == 61 || code == 62) {
        if (variante == 0)
            s += QStringLiteral("Raum 10");
        else if (variante == 1)
            s += QStringLiteral("Raum 20 (alle Aufgaben)");
        else if (variante == 2)
            s += QStringLiteral("Zehnerübergang");
    }
    return s;
}

QString zeile4(int code, int variante, const QString& wahltext)
{
    if (code >= 61 && code <= 63) return QStringLiteral("Zahlenvorrat:          ") + wahltext;
    if (code == 64)
        return QStringLiteral("Teiler:                ") + wahltext + QStringLiteral("  ")
            + (variante == 1 ? QStringLiteral("Ergebnisse bis 10") : QStringLiteral("Ergebnisse auch >10"));
    return QStringLiteral("Einerziffern:          2 ... 9");
}

QString zeile5(int wahl4, int wahl3)
{
    return QStringLiteral("Abfrage:               Rand ")
        + (wahl4 == 1 ? QStringLiteral("ungeordnet") : QStringLiteral("geordnet")) + QStringLiteral(" // ")
        + (wahl3 == 1 ? QStringLiteral("springend") : QStringLiteral("der Reihe nach"));
}

// ---- Titles ----

QVector<Titelzeile> titel(int code, int variante)
{
    if (code == 61 || code == 62) {
        const QString raum = variante == 0 ? QStringLiteral("Raum 10")
            : variante == 1                ? QStringLiteral("Raum 20")
                                           : QStringLiteral("Zehnerübergang");
        return { { raum, 40, 45 }, { code == 61 ? QStringLiteral("plus") : QStringLiteral("minus"), 115, 45 } };
    }
    if (code == 64)
        return { { QStringLiteral("1 : 1"), 30, 45 },
            { variante == 1 ? QStringLiteral("Ergebnisse bis 10") : QStringLiteral("Ergebnisse auch >10"), 90, 35 } };
    QString t;
    switch (code) {
    case 63:
        t = QStringLiteral("kleines  1 x 1");
        break;
    case 65:
        t = QStringLiteral("mittleres  1 x 1");
        break;
    case 66:
        t = QStringLiteral("ZE + E");
        break;
    case 67:
        t = QStringLiteral("ZE - E");
        break;
    case 68:
        t = QStringLiteral("ZE + ZE");
        break;
    case 69:
        t = QStringLiteral("HZE - ZE");
        break;
    case 610:
        t = QStringLiteral("großes  1 x 1");
        break;
    default:
        break;
    }
    return { { t, 60, 45 } };
}

} // namespace tab1
