#include "aids/h_svmZE_logik.h"

#include "platform/colors.h"
#include "platform/random.h"

using schrift::Ausrichtung;
using schrift::Bild;
using schrift::Linienzug;
using schrift::Rechteck;
using schrift::Schrift;
using schrift::Stiftmass;
using schriftverfahren::text;
using schriftverfahren::zufall;

namespace svmZE {

namespace {

QString zahl(int n)
{
    return QString::number(n);
}

QChar ziffer(int n)
{
    return QChar(u'0' + n);
}

bool zeilenschritt(int p)
{
    return (p >= 7 && p <= 9) || (p >= 11 && p <= 13);
}

// The plain product of a row step's column (E·E2 at 9 ... H·Z2 at 11).
int produkt(const Aufgabe& a, int p)
{
    return a.zwfeld1[14 - p];
}

} // namespace

Faktoren stellenwurf(int art)
{
    Faktoren f;
    switch (art) {
    case 0:
        do {
            f.h = Random(8) + 2;
            f.z2 = Random(8) + 2;
        } while (f.h * f.z2 <= 9);
        f.e = zufall(1, 9);
        f.z = zufall(1, 9);
        f.e2 = 0;
        break;
    case 1:
        f.h = Random(8) + 2;
        f.z2 = 1;
        f.e = zufall(1, 9);
        f.z = zufall(1, 9);
        f.e2 = zufall(1, 9);
        break;
    case 2:
        f.h = zufall(1, 9);
        f.z2 = Random(8) + 2;
        f.e = zufall(1, 9);
        f.z = zufall(1, 9);
        f.e2 = zufall(1, 9);
        break;
    case 3:
        f.h = zufall(1, 9);
        if (Random(2) == 0) {
            f.z = 0;
            f.e = zufall(1, 9);
        } else {
            f.z = zufall(1, 9);
            f.e = 0;
        }
        f.e2 = zufall(1, 9);
        f.z2 = Random(8) + 2;
        break;
    default:
        break;
    }
    return f;
}

int artVonStufe(int stufe)
{
    if (stufe >= 0 && stufe <= 3) return stufe;
    if (stufe == 4) return Random(4);
    return -1;
}

int Aufgabe::ergebnis() const
{
    int n = 0;
    for (int i = 19; i >= 15; --i)
        n = n * 10 + (spaltenanzeige[i].unicode() - u'0');
    return n;
}

Aufgabe aufgabeBilden(const Faktoren& f, int art)
{
    Aufgabe a;
    a.art = art;
    a.f = f;
    a.zehnerreihe = svmdE::reiheMal(f.h, f.z, f.e, f.z2);
    a.einerreihe = svmdE::reiheMal(f.h, f.z, f.e, f.e2);
    const svmdE::Reihe& z = a.zehnerreihe;
    const svmdE::Reihe& e = a.einerreihe;
    a.zwfeld1 = { 0, z.produktE, z.produktZ, z.produktH, 0, e.produktE, e.produktZ, e.produktH };
    auto& s = a.spaltenanzeige;
    auto& m = a.merkziffern;
    s.fill(QChar(u' '));
    s[1] = ziffer(f.h);
    s[2] = ziffer(f.z);
    s[3] = ziffer(f.e);
    s[5] = ziffer(f.z2);
    s[6] = ziffer(f.e2);
    for (int i = 0; i < 4; ++i) {
        s[7 + i] = ziffer(z.stellen[i]);
        s[11 + i] = ziffer(e.stellen[i]);
    }
    m[1] = zahl(z.merkE);
    m[2] = zahl(z.merkZ);
    m[3] = zahl(z.merkH);
    m[5] = zahl(e.merkE);
    m[6] = zahl(e.merkZ);
    m[7] = zahl(e.merkH);
    // The sum: the row times the tens stands one column to the left.
    s[15] = s[11];
    int summe = z.stellen[0] + e.stellen[1];
    s[16] = ziffer(summe % 10);
    m[10] = zahl(summe / 10);
    summe = z.stellen[1] + e.stellen[2] + summe / 10;
    s[17] = ziffer(summe % 10);
    m[11] = zahl(summe / 10);
    summe = z.stellen[2] + e.stellen[3] + summe / 10;
    s[18] = ziffer(summe % 10);
    m[12] = zahl(summe / 10);
    s[19] = ziffer(z.stellen[3] + summe / 10);
    for (int i = 19; i >= 7; --i)
        a.wahltext += s[i];
    return a;
}

int ueberspringen(const Aufgabe& a, int zeiger)
{
    if ((zeiger == 1 || zeiger == 6 || zeiger == 10) && a.wahltext.at(zeiger - 1) == u'0') --zeiger;
    if (a.art == 0 && zeiger == 8) zeiger = 5;
    return zeiger;
}

bool merkeFrei(int art, int zeiger)
{
    const bool summe = zeiger >= 1 && zeiger <= 3;
    const bool einer = zeiger >= 6 && zeiger <= 8;
    const bool zehner = zeiger >= 10 && zeiger <= 12;
    switch (art) {
    case 0:
        return zehner;
    case 1:
        return summe || einer;
    default:
        return summe || einer || zehner;
    }
}

QString merkeText(const Aufgabe& a, int zeiger)
{
    const int i = 13 - zeiger;
    return i >= 1 && i <= 12 ? a.merkziffern[i] : QString();
}

// ---- Drawing ----

Bild papier()
{
    return schriftverfahren::rechenpapier(630, 1, 5);
}

Bild aufgabenbild(const Aufgabe& a)
{
    Bild b;
    for (int i = 1; i <= 6; ++i)
        b << text(72 * i + 119, 123, QString(a.spaltenanzeige[i]), clBlue, 95);
    b << Linienzug { { { 152, 220 }, { 587, 220 } }, clBlue, 6, false, Stiftmass::x };
    b << Linienzug { { { 152, 424 }, { 587, 424 } }, clBlue, 6, false, Stiftmass::x };
    b << Rechteck { 404, 165, 408, 171, clBlue, 6, clBlue, false, Stiftmass::x };
    return b;
}

Bild eintrag(int p, QChar zeichen)
{
    Bild b;
    if (p >= 10)
        b << text(72 * p - 457, 226, QString(zeichen), clBlue, 95);
    else if (p >= 6)
        b << text(72 * p - 97, 329, QString(zeichen), clBlue, 95);
    else
        b << text(72 * p + 191, 432, QString(zeichen), clBlue, 95);
    return b;
}

Bild haken()
{
    Bild b;
    b << Linienzug { { { 592, 465 }, { 605, 500 }, { 694, 283 } }, clRed, 5, false, Stiftmass::y };
    return b;
}

// ---- Wrong digits ----

Meldung meldung(const Aufgabe& a, int p, QChar getippt)
{
    Meldung m;
    const int ziffer = getippt.unicode() - u'0';
    if ((p == 2 || p == 7 || p == 11) && getippt == a.wahltext.at(p - 2)) {
        m.text = QStringLiteral("Tippe weiterhin von rechts nch links ein.");
        m.zaehlt = false;
        return m;
    }
    if ((p == 12 || p == 11 || p == 8 || p == 7) && ziffer == produkt(a, p) % 10) {
        m.text = QStringLiteral("Die Gemerkten wurden vergessen.");
        return m;
    }
    if (p >= 1 && p <= 3) {
        const int erwartet = a.wahltext.at(p - 1).unicode() - u'0';
        if (ziffer == (erwartet + 9) % 10 && a.merkziffern[13 - p] == QStringLiteral("1")) {
            m.text = QStringLiteral("Es gab einen Gemerkten.");
            return m;
        }
    }
    m.text = QStringLiteral("Die ") + getippt + QStringLiteral(" war falsch. Rechne neu oder hole Hilfe.");
    m.hilfeFrei = true;
    return m;
}

// ---- Help and show ----

Bild bogen(int p)
{
    const int x = p <= 9 ? 551 : 479;
    const int t = (p == 6 || p == 7 || p == 10 || p == 11) ? 191 : (p == 8 || p == 12) ? 263 : 335;
    Bild b;
    b << Linienzug { { { x, 127 }, { x, 77 }, { 422, 77 } }, clGreen, 3, true, Stiftmass::x };
    b << Linienzug { { { 389, 77 }, { t, 77 }, { t, 127 } }, clGreen, 3, true, Stiftmass::x };
    b << Linienzug { { { t, 127 }, { t - 8, 101 } }, clGreen, 3, true, Stiftmass::x };
    b << Linienzug { { { t, 127 }, { t + 8, 101 } }, clGreen, 3, true, Stiftmass::x };
    b << Rechteck { 404, 74, 408, 80, clGreen, 4, std::nullopt, true, Stiftmass::x };
    return b;
}

Bild spaltenpfeil(int p)
{
    const int x = 72 * p + 188;
    Bild b;
    b << Linienzug { { { x, 610 }, { x, 540 } }, clGreen, 3, true, Stiftmass::x };
    b << Linienzug { { { x, 540 }, { x - 10, 565 } }, clGreen, 3, true, Stiftmass::x };
    b << Linienzug { { { x, 540 }, { x + 10, 565 } }, clGreen, 3, true, Stiftmass::x };
    return b;
}

Bild hilfe(const Aufgabe& a, int p)
{
    const auto links = [](int x, int y, const QString& t) { return text(x, y, t, clGreen, 50, Ausrichtung::links); };
    Bild b;
    if (p >= 1 && p <= 5) {
        b << links(270, 140, QStringLiteral("zähle zusammen"));
        if (p <= 3 && a.art != 0) b << links(250, 200, QStringLiteral("(gab es Gemerkte?)"));
        if (p == 5) b << links(250, 200, QStringLiteral("(beginne von rechts)"));
    } else if (p == 6 || p == 10) {
        b << links(115, 160, QStringLiteral("es fehlen nur noch die Gemerkten"));
    } else if (zeilenschritt(p)) {
        const int faktor = p <= 9 ? a.f.e2 : a.f.z2;
        const int spalte = p <= 9 ? p - 6 : p - 10;
        const int stelle = spalte == 1 ? a.f.h : spalte == 2 ? a.f.z : a.f.e;
        b << links(100, 60, QStringLiteral("rechne:    ") + zahl(faktor) + QStringLiteral("    ") + zahl(stelle));
        b << Rechteck { 269, 80, 273, 86, clGreen, 4, clGreen };
        if (p == 7 || p == 8 || p == 11 || p == 12) b << links(100, 120, QStringLiteral("und addiere die Gemerkten"));
    }
    return b;
}

int zeigeschritt(int p)
{
    return p < 7 || p == 10 ? 2 : 1;
}

Bild zeigen(const Aufgabe& a, int p, int stufe)
{
    const auto rechts = [](int x, int y, const QString& t, const QColor& farbe) {
        return text(x, y, t, farbe, 50, Ausrichtung::rechts);
    };
    const auto& m = a.merkziffern;
    const auto& s = a.spaltenanzeige;
    Bild b;
    if (stufe == 1) {
        if (!zeilenschritt(p)) return b;
        b << rechts(560, 60, QStringLiteral("=  ") + zahl(produkt(a, p)), clGreen);
        if (p != 9 && p != 13) b << rechts(560, 120, m[13 - p], clGreen);
        b << Linienzug { { { 565, 180 }, { 518, 180 } }, clGreen, 2 };
        return b;
    }
    if (stufe != 2) return b;
    if (p <= 5) {
        b << rechts(72 * p + 200, 50, QString(s[20 - p]), clRed);
        return b;
    }
    if (p == 6 || p == 10) {
        b << rechts(625, 160, QStringLiteral(":   ") + m[p == 6 ? 7 : 3], clRed);
        return b;
    }
    if (p == 9 || p == 13)
        b << rechts(560, 190, zahl(produkt(a, p)), clRed);
    else
        b << rechts(560, 190, m[14 - p] + s[20 - p], clRed);
    b << rechts(660, 260, QStringLiteral("tippe"), clGreen);
    b << schrift::pfeil({ { 584, 300 }, { 551, 300 }, { 551, 242 } }, { 558, 267 }, { 544, 267 }, clGreen, 2);
    const bool merke = (p != 9 && p != 13) || m[p == 9 ? 5 : 1].toInt() >= 1;
    if (merke) {
        b << rechts(480, 260, QStringLiteral("merke"), clSilver);
        b << schrift::pfeil({ { 490, 300 }, { 533, 300 }, { 533, 242 } }, { 526, 267 }, { 540, 267 }, clSilver, 2);
    }
    return b;
}

} // namespace svmZE
