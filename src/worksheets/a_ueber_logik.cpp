#include "worksheets/a_ueber_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"

namespace ueberschlag {

namespace {

// Two digits drawn together again until their sum carries.
void uebertragspaar(int& a, int& b, int grenzeA)
{
    do {
        a = Random(grenzeA);
        b = Random(10);
    } while (a + b < 10);
}

// One three-digit plus task of the kind r (0 no carry, 1-2 from the tens, 3 from the units, 4-5 both).
void dreistellig(int art, int& op1, int& op2)
{
    int h1 = 0, h2 = 0, z1 = 0, z2 = 0, e1 = 0, e2 = 0;
    switch (art) {
    case 0:
        h1 = Random(8) + 1;
        h2 = Random(9 - h1) + 1;
        z1 = Random(10);
        z2 = Random(10 - z1);
        e1 = Random(10);
        e2 = Random(10 - e1);
        break;
    case 1:
    case 2:
        h1 = Random(7) + 1;
        h2 = Random(8 - h1) + 1;
        uebertragspaar(z1, z2, 10);
        e1 = Random(9);
        e2 = Random(9 - e1);
        break;
    case 3:
        h1 = Random(8) + 1;
        h2 = Random(9 - h1) + 1;
        z1 = Random(7) + 1;
        z2 = Random(8 - z1) + 1;
        uebertragspaar(e1, e2, 10);
        break;
    default:
        h1 = Random(7) + 1;
        h2 = Random(8 - h1) + 1;
        uebertragspaar(z1, z2, 9);
        uebertragspaar(e1, e2, 10);
        break;
    }
    op1 = 100 * h1 + 10 * z1 + e1;
    op2 = 100 * h2 + 10 * z2 + e2;
}

int formZiehen(int anzahl, int erste, const Formen& formen)
{
    int f = 0;
    do
        f = Random(anzahl);
    while (!formen[size_t(erste + f)]);
    return f;
}

int dreistelligeZahl()
{
    const int e = Random(9) + 1;
    const int z = Random(10);
    const int h = Random(9) + 1;
    return 100 * h + 10 * z + e;
}

} // namespace

int klasseZiehen()
{
    const int k = Random(7) + 1;
    return k <= 2 ? 1 : k <= 5 ? 2 : 3;
}

Aufgabe additionSubtraktion(int klasse, bool minus, bool vierstellig)
{
    const int art = Random(6);
    Aufgabe a;
    a.klasse = klasse;
    for (;;) {
        dreistellig(art, a.operand1, a.operand2);
        const bool passt = minus
            ? 200 * klasse <= a.operand1 && a.operand1 <= 200 * klasse + 199
            : 200 * klasse + 201 <= a.operand1 + a.operand2 && a.operand1 + a.operand2 <= 200 * klasse + 398;
        if (!passt) continue;
        if (vierstellig) {
            a.operand1 = a.operand1 * 10 + Random(10);
            a.operand2 = a.operand2 * 10 + Random(10);
        }
        a.resultat = a.operand1 + a.operand2;
        // A minuend past 9999 would not fit the four-digit column.
        if (a.resultat <= 9999) return a;
    }
}

Aufgabe multiplikation(int klasse, const Formen& formen)
{
    const int form = formZiehen(5, 0, formen);
    Aufgabe a;
    a.klasse = klasse;
    do {
        int lang = 0, kurz = 0;
        if (form < 4) {
            lang = dreistelligeZahl();
            if (form < 2) {
                kurz = Random(8) + 2;
            } else {
                const int e2 = Random(9) + 1;
                kurz = 10 * (Random(9) + 1) + e2;
            }
        } else {
            const int e1 = Random(9) + 1;
            lang = 10 * (Random(8) + 2) + e1;
            const int e2 = Random(9) + 1;
            kurz = 10 * (Random(8) + 2) + e2;
        }
        // The form names the order: the short factor first in forms 0 and 2.
        const bool kurzZuerst = form == 0 || form == 2;
        a.operand1 = kurzZuerst ? kurz : lang;
        a.operand2 = kurzZuerst ? lang : kurz;
        a.resultat = lang * kurz;
    } while (!(3000 * klasse - 2000 < a.resultat && a.resultat < 3000 * klasse + 1000));
    return a;
}

Aufgabe division(int klasse, const Formen& formen)
{
    const int form = formZiehen(2, 5, formen);
    Aufgabe a;
    a.klasse = klasse;
    do {
        do {
            a.operand1 = dreistelligeZahl();
            if (form == 0) {
                a.operand2 = Random(8) + 2;
            } else {
                const int z2 = Random(9) + 1;
                a.operand2 = 10 * z2 + Random(9) + 1;
            }
            a.resultat = a.operand1 * a.operand2;
        } while (a.resultat < (form == 0 ? 1001 : 10001));
    } while (!(300 * klasse - 200 < a.operand1 && a.operand1 < 300 * klasse + 100));
    return a;
}

bool druckbar(int rechenart, int variante, const Formen& formen)
{
    switch (rechenart) {
    case Addition:
    case Subtraktion:
        return variante >= 0 && variante <= 3;
    case Multiplikation:
        return formen[0] || formen[1] || formen[2] || formen[3] || formen[4];
    case Division:
        return formen[5] || formen[6];
    default:
        return false;
    }
}

Blatt erzeugen(int rechenart, int variante, const Formen& formen)
{
    Blatt blatt;
    blatt.rechenart = rechenart;
    blatt.variante = rechenart <= Subtraktion ? variante : 0;
    for (int t = 1; t <= 60; ++t) {
        const int klasse = klasseZiehen();
        blatt.farblisten[size_t(klasse - 1)].push_back(t);
        Aufgabe& a = blatt.aufgaben[size_t(t - 1)];
        switch (rechenart) {
        case Multiplikation:
            a = multiplikation(klasse, formen);
            break;
        case Division:
            a = division(klasse, formen);
            break;
        default:
            a = additionSubtraktion(klasse, rechenart == Subtraktion, blatt.variante >= 2);
            break;
        }
    }
    return blatt;
}

std::array<QString, 3> bereiche(int rechenart, int variante)
{
    const auto tabelle = [](int unten, int oben) {
        return std::array<QString, 3> { QStringLiteral("..... %1").arg(unten),
            QStringLiteral("%1 ..... %2").arg(unten).arg(oben), QStringLiteral("%1 .....").arg(oben) };
    };
    const int faktor = variante >= 2 ? 10 : 1;
    switch (rechenart) {
    case Addition:
        return tabelle(600 * faktor, 800 * faktor);
    case Subtraktion:
        return tabelle(400 * faktor, 600 * faktor);
    case Multiplikation:
        return tabelle(4000, 7000);
    default:
        return tabelle(400, 700);
    }
}

namespace {

const QChar zeichen[] = { u'+', u'-', u'*', u':' };

void untereinander(Canvas& c, const Blatt& blatt)
{
    const bool minus = blatt.rechenart == Subtraktion;
    const int versatz = blatt.variante == 3 ? 10 : -20;
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    for (int zeile = 0; zeile < 10; ++zeile)
        for (int spalte = 1; spalte <= 6; ++spalte) {
            const int t = 6 * zeile + spalte;
            const Aufgabe& a = blatt.aufgaben[size_t(t - 1)];
            c.font.height = 30;
            c.textOut(310 * spalte - 120, -605 - 160 * zeile, QStringLiteral("%1)").arg(t));
            c.font.height = 50;
            const int x = 310 * spalte + versatz;
            c.textOut(x, -600 - 160 * zeile, QString::number(minus ? a.resultat : a.operand1));
            c.font.underline = true;
            c.textOut(x, -650 - 160 * zeile,
                (minus ? QStringLiteral("- ") : QStringLiteral("+ ")) + QString::number(a.operand2));
            c.font.underline = false;
        }
}

void nebeneinander(Canvas& c, const Blatt& blatt)
{
    for (int zeile = 0; zeile < 15; ++zeile)
        for (int spalte = 1; spalte <= 4; ++spalte) {
            const int t = 4 * zeile + spalte;
            const Aufgabe& a = blatt.aufgaben[size_t(t - 1)];
            c.setTextAlign(TextAlign::Right | TextAlign::Top);
            c.font.height = 30;
            c.textOut(450 * spalte - 260, -605 - 110 * zeile, QStringLiteral("%1)").arg(t));
            c.setTextAlign(TextAlign::Left | TextAlign::Top);
            c.font.height = 50;
            const int x = 450 * spalte - 220;
            switch (blatt.rechenart) {
            case Addition:
                c.textOut(x, -605 - 110 * zeile, QStringLiteral("%1 + %2").arg(a.operand1).arg(a.operand2));
                break;
            case Subtraktion:
                c.textOut(x, -600 - 110 * zeile, QStringLiteral("%1 - %2").arg(a.resultat).arg(a.operand2));
                break;
            case Division:
                c.textOut(x, -600 - 110 * zeile, QStringLiteral("%1 : %2").arg(a.resultat).arg(a.operand2));
                break;
            default: {
                // Character by character, the "*" a little lower and to the right: a raised times sign.
                const QString text = QStringLiteral("%1*%2").arg(a.operand1).arg(a.operand2);
                for (int i = 1; i <= text.size(); ++i) {
                    const bool mal = text.at(i - 1) == u'*';
                    c.textOut(450 * spalte - 248 + 27 * i + (mal ? 4 : 0), (mal ? -610 : -600) - 110 * zeile,
                        text.mid(i - 1, 1));
                }
                break;
            }
            }
        }
}

void loesungen(Canvas& c, const Blatt& blatt)
{
    c.moveTo(50, -2300);
    c.lineTo(1950, -2300);
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.font.height = 43;
    c.textOut(150, -2400, QStringLiteral("So gehören die Farben zu den Aufgaben-Nummern:"));
    const QString namen[] = { QStringLiteral("gelb:"), QStringLiteral("blau:"), QStringLiteral("grün:") };
    for (int k = 0; k < 3; ++k)
        c.textOut(150, -2505 - 100 * k, namen[k]);
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    c.font.height = 38;
    for (int k = 0; k < 3; ++k) {
        const std::vector<int>& liste = blatt.farblisten[size_t(k)];
        const int anzahl = int(liste.size());
        for (int i = 1; i <= anzahl; ++i) {
            // Up to thirty numbers stand at a fixed pitch; more are spread over the line so none runs off.
            const int x = anzahl >= 31 ? 250 + (1700 * i) / anzahl : 250 + 57 * i;
            c.textOut(x, -2510 - 100 * k, QString::number(liste[size_t(i - 1)]));
        }
    }
}

} // namespace

void draw(Canvas& c, const Blatt& blatt)
{
    c.pen.color = Qt::black;
    c.setMapMode(MapMode::LoMetric);
    c.font.name = QStringLiteral("arial");
    c.font.height = 65;
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.textOut(150, -50, QStringLiteral("Überschläge  ") + zeichen[blatt.rechenart - 1]);
    c.textOut(970, -50, QStringLiteral("Name: _____________________"));
    c.font.height = 50;
    c.textOut(150, -200, QStringLiteral("Rechne die Aufgaben nicht genau aus, sondern markiere"));
    c.textOut(850, -300, QStringLiteral("gelb                     blau                     grün"));
    c.textOut(400, -430, QStringLiteral("für Ergebnisse:"));
    for (int x : { 1055, 1385 }) {
        c.moveTo(x, -300);
        c.lineTo(x, -500);
    }
    c.moveTo(750, -380);
    c.lineTo(1680, -380);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    const std::array<QString, 3> texte = bereiche(blatt.rechenart, blatt.variante);
    const int mitten[] = { 880, 1220, 1560 };
    for (int k = 0; k < 3; ++k)
        c.textOut(mitten[k], -430, texte[size_t(k)]);

    if (blatt.rechenart <= Subtraktion && (blatt.variante == 1 || blatt.variante == 3))
        untereinander(c, blatt);
    else
        nebeneinander(c, blatt);
    loesungen(c, blatt);
}

} // namespace ueberschlag
