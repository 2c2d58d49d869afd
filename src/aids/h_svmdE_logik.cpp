#include "aids/h_svmdE_logik.h"

#include "platform/colors.h"
#include "platform/random.h"

using schrift::Ausrichtung;
using schrift::Bild;
using schrift::Linienzug;
using schrift::Rechteck;
using schrift::Schrift;
using schriftverfahren::text;
using schriftverfahren::zufall;

namespace svmdE {

namespace {

// The hundreds digit, drawn from lo..9 until the product has a thousands digit.
int hunderter(int lo, int d)
{
    int h = 0;
    do
        h = zufall(lo, 9);
    while (h * d < 10);
    return h;
}

// A digit from lo..hi whose product with d has a tens digit.
int mitUebertrag(int lo, int hi, int d)
{
    int x = 0;
    do
        x = zufall(lo, hi);
    while (x * d < 10);
    return x;
}

// Units 1..4 and d without a carry (M0, M1).
void einerOhneUebertrag(Faktoren& f)
{
    do {
        f.e = zufall(1, 4);
        f.d = zufall(2, 9);
    } while (f.e * f.d >= 10);
}

QString zahl(int n)
{
    return QString::number(n);
}

// The multiplication dot between the two numbers of a help line.
Rechteck hilfepunkt()
{
    return Rechteck { 269, 80, 273, 86, clGreen, 4, clGreen };
}

} // namespace

Reihe reiheMal(int h, int z, int e, int d)
{
    Reihe r { h, z, e, d };
    r.produktH = h * d;
    r.produktZ = z * d;
    r.produktE = e * d;
    r.stellen[0] = r.produktE % 10;
    r.merkE = r.produktE / 10;
    r.stellen[1] = (r.merkE + r.produktZ) % 10;
    r.merkZ = (r.merkE + r.produktZ) / 10;
    r.stellen[2] = (r.merkZ + r.produktH) % 10;
    r.merkH = (r.merkZ + r.produktH) / 10;
    r.stellen[3] = r.merkH;
    return r;
}

Faktoren stellenwurf(int generator, int code)
{
    Faktoren f;
    switch (generator) {
    case 0:
        einerOhneUebertrag(f);
        do
            f.z = zufall(1, 4);
        while (f.z * f.d >= 10);
        f.h = hunderter(3, f.d);
        break;
    case 1:
        einerOhneUebertrag(f);
        f.z = mitUebertrag(1, 9, f.d);
        f.h = hunderter(2, f.d);
        break;
    case 2:
        do {
            f.d = zufall(2, 9);
            f.e = zufall(1, 9);
            f.z = zufall(1, 4);
        } while (f.e * f.d < 11 || f.e * f.d / 10 + f.z * f.d >= 10);
        f.h = hunderter(4, f.d);
        break;
    case 4:
        if (code == 87) {
            // Easy divisions: a small divisor, and every column leaves a remainder.
            f.d = zufall(2, 5);
            const int hoechste = f.d == 2 ? 9 : f.d == 3 ? 8 : 6;
            f.e = mitUebertrag(1, hoechste, f.d);
            f.z = mitUebertrag(1, hoechste, f.d);
            f.h = mitUebertrag(1, hoechste, f.d);
        } else {
            f.d = zufall(2, 9);
            f.e = mitUebertrag(1, 9, f.d);
            f.z = mitUebertrag(1, 9, f.d);
            f.h = hunderter(1, f.d);
        }
        break;
    case 5:
        if (code == 87) {
            f.d = zufall(6, 9);
            f.e = zufall(6, 9);
            f.z = zufall(6, 9);
            f.h = zufall(6, 9);
        } else {
            // The units carry makes the tens carry.
            do {
                f.d = zufall(2, 9);
                f.e = zufall(2, 9);
                f.z = zufall(1, 4);
            } while (f.e * f.d < 11 || f.z * f.d >= 10 || f.e * f.d / 10 + f.z * f.d < 10);
            f.h = hunderter(1, f.d);
        }
        break;
    case 6:
        f.d = zufall(2, 9);
        if (Random(2) == 0) {
            f.z = 0;
            f.e = zufall(1, 9);
        } else {
            f.z = zufall(1, 9);
            f.e = 0;
        }
        f.h = hunderter(1, f.d);
        break;
    default:
        break;
    }
    return f;
}

Aufgabe aufgabeBilden(int code, const Faktoren& f)
{
    Aufgabe a;
    a.code = code;
    a.r = reiheMal(f.h, f.z, f.e, f.d);
    a.merkziffern[1] = zahl(a.r.merkH);
    a.merkziffern[2] = zahl(a.r.merkZ);
    a.merkziffern[3] = zahl(a.r.merkE);
    a.merkziffern[4] = QStringLiteral("0");
    a.zwfeld1[2] = a.r.produktH;
    a.zwfeld1[3] = a.r.produktZ;
    a.zwfeld1[4] = a.r.produktE;
    const auto ziffer = [](int n) { return QChar(u'0' + n); };
    a.spaltenanzeige.fill(QChar(u' '));
    a.spaltenanzeige[1] = ziffer(f.h);
    a.spaltenanzeige[2] = ziffer(f.z);
    a.spaltenanzeige[3] = ziffer(f.e);
    a.spaltenanzeige[5] = ziffer(f.d);
    if (code == 87) a.spaltenanzeige[6] = u':';
    for (int i = 0; i < 4; ++i)
        a.spaltenanzeige[7 + i] = ziffer(a.r.stellen[i]);
    const auto& s = a.spaltenanzeige;
    a.wahltext = code == 87 ? QString(s[3]) + s[2] + s[1] : QString(s[10]) + s[9] + s[8] + s[7];
    return a;
}

// ---- Drawing ----

Bild papier()
{
    return schriftverfahren::rechenpapier(424, 2, 3);
}

Bild aufgabenbild(const Aufgabe& a)
{
    Bild b;
    const auto& s = a.spaltenanzeige;
    if (a.code == 87) {
        const int zellen[6] = { 10, 9, 8, 7, 6, 5 };
        for (int i = 0; i < 6; ++i)
            b << text(191 + 72 * i, 123, QString(s[zellen[i]]), clBlue, 95);
        b << Linienzug { { { 152, 220 }, { 587, 220 } }, clBlue, 6 };
    } else {
        for (int i = 1; i <= 5; ++i)
            b << text(191 + 72 * i, 123, QString(s[i]), clBlue, 95);
        b << Rechteck { 476, 165, 480, 171, clBlue, 6, clBlue };
        b << Linienzug { { { 224, 220 }, { 587, 220 } }, clBlue, 6 };
    }
    return b;
}

Bild eintrag(const Aufgabe& a, int schritt, QChar zeichen)
{
    const int x = a.code == 87 ? 479 - 72 * schritt : 72 * schritt + 263;
    Bild b;
    b << text(x, 226, QString(zeichen), clBlue, 95);
    return b;
}

Bild haken(int code)
{
    const int k = code == 87 ? 0 : 144;
    Bild b;
    b << Linienzug { { { 448 + k, 259 }, { 461 + k, 294 }, { 550 + k, 77 } }, clRed, 5 };
    return b;
}

// ---- Wrong digits ----

Meldung meldung(const Aufgabe& a, int schritt, QChar getippt)
{
    Meldung m;
    const Reihe& r = a.r;
    if (a.code == 87 && schritt == 3 && getippt == u'0') {
        m.text = QStringLiteral("Die Null am Anfang ist unnötig.");
        m.zaehlt = false;
        m.feld << text(191, 246, QStringLiteral("0"), clBlue, 65);
        return m;
    }
    if (a.code == 85) {
        const int ziffer = getippt.unicode() - u'0';
        if ((schritt == 3 && ziffer == r.produktZ % 10) || (schritt == 2 && ziffer == r.produktH % 10)) {
            m.text = QStringLiteral("Die Gemerkten wurden vergessen.");
            return m;
        }
        if (schritt == 2 && ziffer == r.stellen[3]) {
            m.text = QStringLiteral("Tippe zuerst die Hunderter ein.");
            m.zaehlt = false;
            return m;
        }
    }
    m.text = QStringLiteral("Die ") + getippt + QStringLiteral(" war falsch. Rechne neu oder hole Hilfe.");
    m.hilfeFrei = true;
    return m;
}

// ---- Help, show and the remembered digits ----

Bild hilfe(const Aufgabe& a, int schritt)
{
    const Reihe& r = a.r;
    const auto links = [](int x, int y, const QString& t) { return text(x, y, t, clGreen, 50, Ausrichtung::links); };
    Bild b;
    if (a.code == 87) {
        for (int i = 1; i <= 10; ++i)
            b << links((i / 6) * 20 + 60 * i + 10, 450, zahl(i * r.d));
        const int teil = schritt == 3 ? r.merkZ + r.produktH : schritt == 2 ? r.merkE + r.produktZ : r.produktE;
        b << links(100, 100, QStringLiteral("rechne:       ") + zahl(teil) + QStringLiteral("  :  ") + zahl(r.d));
        return b;
    }
    if (schritt == 1) {
        b << links(100, 260, QStringLiteral("es fehlt nur noch der Tausender"));
        return b;
    }
    const int ziffer = schritt == 4 ? r.e : schritt == 3 ? r.z : r.h;
    b << links(100, 60, QStringLiteral("rechne:    ") + zahl(r.d) + QStringLiteral("    ") + zahl(ziffer));
    b << hilfepunkt();
    if (schritt != 4) b << links(100, 160, QStringLiteral("und addiere die Gemerkten"));
    return b;
}

Bild markierung(const Aufgabe& a, int schritt)
{
    Bild b;
    if (a.code == 85) {
        if (schritt < 2 || schritt > 4) return b;
        const int x = 410 - 72 * (4 - schritt);
        b << Linienzug { { { 551, 127 }, { 551, 77 }, { 494, 77 } }, clGreen, 3, true };
        b << Linienzug { { { 461, 77 }, { x, 77 }, { x, 127 } }, clGreen, 3, true };
        b << Linienzug { { { x, 127 }, { x - 8, 101 } }, clGreen, 3, true };
        b << Linienzug { { { x, 127 }, { x + 8, 101 } }, clGreen, 3, true };
        b << Rechteck { 476, 74, 480, 80, clGreen, 4, std::nullopt, true };
        return b;
    }
    // The part of the dividend to divide, and the remainder carried into it above the sheet.
    switch (schritt) {
    case 3:
        b << Linienzug { { { 158, 208 }, { 295, 208 } }, clGreen, 4, true };
        break;
    case 2:
    case 1: {
        const int rechts = schritt == 2 ? 367 : 439;
        const int links = rechts - 65;
        const QString& rest = a.merkziffern[schritt == 2 ? 2 : 3];
        if (rest == QStringLiteral("0")) {
            b << Linienzug { { { rechts, 208 }, { links, 208 } }, clGreen, 4, true };
        } else {
            b << Linienzug { { { rechts, 208 }, { links, 208 }, { links, 110 }, { links - 72, 110 } }, clGreen, 4,
                true };
            b << text(links - 39, 55, rest, clGreen, 50);
        }
        break;
    }
    default:
        break;
    }
    return b;
}

Bild zeigen(const Aufgabe& a, int schritt, int stufe)
{
    const Reihe& r = a.r;
    Bild b;
    const auto rechts = [](int x, int y, const QString& t, const QColor& farbe) {
        return text(x, y, t, farbe, 50, Ausrichtung::rechts);
    };
    if (a.code == 87) {
        const auto links = [](int x, int y, const QString& t, const QColor& farbe) {
            return text(x, y, t, farbe, 50, Ausrichtung::links);
        };
        if (stufe == 1) {
            const int ziffer = schritt == 3 ? r.h : schritt == 2 ? r.z : r.e;
            QString t = QStringLiteral("=   ") + zahl(ziffer);
            if (schritt > 1) t += QStringLiteral("   Rest  ") + a.merkziffern[schritt == 3 ? 2 : 3];
            b << links(390, 100, t, clGreen);
        } else if (stufe == 2) {
            b << links(345, 230, QStringLiteral("tippe"), clRed);
            b << schrift::pfeil({ { 425, 260 }, { 443, 260 }, { 443, 162 } }, { 450, 187 }, { 436, 187 }, clRed, 2);
            if (schritt > 1) {
                b << links(590, 230, QStringLiteral("merke"), clSilver);
                b << schrift::pfeil(
                    { { 580, 260 }, { 565, 260 }, { 565, 162 } }, { 558, 187 }, { 572, 187 }, clSilver, 2);
            }
        }
        return b;
    }
    const auto tippe = [&] {
        b << rechts(680, 400, QStringLiteral("tippe"), clRed);
        b << schrift::pfeil({ { 605, 430 }, { 581, 430 }, { 581, 332 } }, { 588, 357 }, { 574, 357 }, clRed, 2);
    };
    if (schritt == 1) {
        if (stufe != 1) return b;
        b << rechts(590, 260, QStringLiteral(" :   ") + zahl(r.stellen[3]), clRed);
        tippe();
        return b;
    }
    if (stufe == 1) {
        b << rechts(590, 60, QStringLiteral("=  ") + zahl(a.zwfeld1[schritt]), clGreen);
        b << rechts(590, 160, a.merkziffern[schritt], clGreen);
        b << Linienzug { { { 598, 230 }, { 548, 230 } }, clGreen, 2 };
    } else if (stufe == 2) {
        b << rechts(590, 260, zahl(a.zwfeld1[schritt] + a.merkziffern[schritt].toInt()), clRed);
        tippe();
        if (a.merkziffern[schritt - 1].toInt() > 0) {
            b << rechts(490, 400, QStringLiteral("merke"), clSilver);
            b << schrift::pfeil({ { 500, 430 }, { 563, 430 }, { 563, 332 } }, { 556, 357 }, { 570, 357 }, clSilver, 2);
        }
    }
    return b;
}

bool letzteZeigestufe(const Aufgabe& a, int schritt, int stufe)
{
    return stufe >= (a.code == 85 && schritt == 1 ? 1 : 2);
}

QString merkeText(const Aufgabe& a, int schritt)
{
    if (a.code == 87) return schritt == 2 ? a.merkziffern[2] : schritt == 1 ? a.merkziffern[3] : QString();
    return schritt >= 1 && schritt <= 3 ? a.merkziffern[schritt] : QString();
}

} // namespace svmdE
