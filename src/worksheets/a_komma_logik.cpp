#include "worksheets/a_komma_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"

#include <functional>

namespace komma {

namespace {

// A range of a part of a value. With `wechsel` the part follows the cycle: three draws from von..bis,
// the fourth from kleinVon..kleinBis, or with `zweiKlein` from 1..9 or 10..99, each equally often.
struct Teil {
    int von = 0;
    int bis = -1; // below von: the part is 0
    bool wechsel = false;
    int kleinVon = 0;
    int kleinBis = 0;
    bool zweiKlein = false;
};

// A (kind, form) cell: wert = faktor * a + b, drawn again while wert is a multiple of `nullmodul` (an empty
// smaller unit), and its text from the two parts and the whole.
struct Erzeuger {
    int art;
    int form;
    Teil a;
    int faktor;
    Teil b;
    int nullmodul;
    std::function<QString(int a, int b, int wert, const QString& waehrung)> text;
};

int ziehen(int von, int bis)
{
    return Random(bis - von + 1) + von;
}

int ziehen(const Teil& t, int& zaehler)
{
    if (t.bis < t.von) return 0;
    if (!t.wechsel) return ziehen(t.von, t.bis);
    ++zaehler;
    if (zaehler < 4) return ziehen(t.von, t.bis);
    zaehler = 0;
    if (t.zweiKlein) return Random(2) == 0 ? ziehen(1, 9) : ziehen(10, 99);
    return ziehen(t.kleinVon, t.kleinBis);
}

Teil fest(int von, int bis)
{
    return Teil { von, bis };
}

Teil zyklus(int von, int bis, int kleinVon, int kleinBis)
{
    return Teil { von, bis, true, kleinVon, kleinBis };
}

Teil zyklusZweiKlein(int von, int bis)
{
    return Teil { von, bis, true, 0, 0, true };
}

const Teil keiner {};

QString n(int x)
{
    return QString::number(x);
}

QString nullen(int x, int stellen)
{
    return QString::number(x).rightJustified(stellen, u'0');
}

// The three kinds counted in thousandths (km m, t kg, kg g) share their forms.
void tausenderArt(std::vector<Erzeuger>& t, int art, const QString& gross, const QString& klein,
    const QString& zwischen, int kommaForm, int reinGross, int reinKlein, int gemischt)
{
    t.push_back({ art, kommaForm, fest(1000, 30999), 1, keiner, 1000,
        [gross](int, int, int w, const QString&) { return n(w / 1000) + "," + nullen(w % 1000, 3) + gross; } });
    t.push_back({ art, reinGross, fest(1, 29), 1000, keiner, 0,
        [gross](int a, int, int, const QString&) { return n(a) + gross; } });
    t.push_back({ art, reinKlein, zyklus(1000, 3999, 1, 200), 1, keiner, 0,
        [klein](int, int, int w, const QString&) { return n(w) + klein; } });
    t.push_back({ art, gemischt, fest(1, 30), 1000, zyklusZweiKlein(100, 999), 0,
        [zwischen, klein](int a, int b, int, const QString&) { return n(a) + zwischen + n(b) + klein; } });
}

const std::vector<Erzeuger>& tabelle()
{
    static const std::vector<Erzeuger> t = [] {
        std::vector<Erzeuger> t;
        // Geld, in ct.
        t.push_back({ 0, 1, fest(100, 9999), 1, keiner, 100,
            [](int, int, int w, const QString& u) { return n(w / 100) + "," + nullen(w % 100, 2) + u; } });
        t.push_back({ 0, 2, fest(1, 59), 100, keiner, 0, [](int a, int, int, const QString& u) { return n(a) + u; } });
        t.push_back({ 0, 3, zyklus(100, 699, 1, 99), 1, keiner, 0,
            [](int, int, int w, const QString&) { return n(w) + " ct"; } });
        t.push_back({ 0, 4, fest(1, 99), 100, zyklus(10, 99, 1, 9), 0,
            [](int a, int b, int, const QString& u) { return n(a) + u + " " + n(b) + " ct"; } });
        // m dm cm, in cm.
        t.push_back({ 1, 1, fest(100, 9999), 1, keiner, 100,
            [](int, int, int w, const QString&) { return n(w / 100) + "," + nullen(w % 100, 2) + " m"; } });
        t.push_back({ 1, 2, fest(1, 59), 100, keiner, 0, [](int a, int, int, const QString&) { return n(a) + " m"; } });
        t.push_back({ 1, 3, zyklus(10, 69, 1, 9), 10, keiner, 0,
            [](int a, int, int, const QString&) { return n(a) + " dm"; } });
        t.push_back({ 1, 4, zyklus(100, 699, 1, 99), 1, keiner, 0,
            [](int, int, int w, const QString&) { return n(w) + " cm"; } });
        t.push_back({ 1, 5, fest(1, 999), 10, keiner, 100,
            [](int, int, int w, const QString&) { return n(w / 100) + " m  " + n(w / 10 % 10) + " dm"; } });
        t.push_back({ 1, 6, fest(1, 99), 100, zyklus(10, 99, 1, 9), 0,
            [](int a, int b, int, const QString&) { return n(a) + " m  " + n(b) + " cm"; } });
        t.push_back({ 1, 7, zyklus(100, 699, 10, 98), 1, keiner, 10,
            [](int, int, int w, const QString&) { return n(w / 10) + " dm  " + n(w % 10) + " cm"; } });
        // km m, t dz kg, kg g.
        tausenderArt(t, 2, QStringLiteral(" km"), QStringLiteral(" m"), QStringLiteral(" km "), 1, 2, 3, 4);
        tausenderArt(t, 4, QStringLiteral(" t"), QStringLiteral(" kg"), QStringLiteral(" t  "), 1, 2, 4, 6);
        tausenderArt(t, 5, QStringLiteral(" kg"), QStringLiteral(" g"), QStringLiteral(" kg "), 1, 2, 3, 4);
        t.push_back({ 4, 3, zyklus(11, 310, 1, 9), 100, keiner, 0,
            [](int a, int, int, const QString&) { return n(a) + " dz"; } });
        t.push_back({ 4, 5, fest(1, 299), 100, fest(1000, 1000), 1000,
            [](int, int, int w, const QString&) { return n(w / 1000) + " t  " + n(w / 100 % 10) + " dz"; } });
        t.push_back({ 4, 7, zyklus(11, 310, 1, 9), 100, zyklus(11, 99, 1, 9), 0,
            [](int a, int b, int, const QString&) { return n(a) + " dz " + n(b) + " kg"; } });
        // cm mm, in mm.
        t.push_back({ 3, 1, fest(10, 999), 1, keiner, 10,
            [](int, int, int w, const QString&) { return n(w / 10) + "," + n(w % 10) + " cm"; } });
        t.push_back({ 3, 2, fest(1, 99), 10, keiner, 0, [](int a, int, int, const QString&) { return n(a) + " cm"; } });
        t.push_back({ 3, 3, zyklus(11, 910, 1, 9), 1, keiner, 0,
            [](int, int, int w, const QString&) { return n(w) + " mm"; } });
        t.push_back({ 3, 4, fest(11, 999), 1, keiner, 10,
            [](int, int, int w, const QString&) { return n(w / 10) + " cm " + n(w % 10) + " mm"; } });
        // Old weights, in kg: a Zentner is 50 kg, a Pfund half a kg.
        t.push_back(
            { 6, 1, fest(1, 4), 100, keiner, 0, [](int, int, int w, const QString&) { return n(w / 50) + " Ztr"; } });
        t.push_back(
            { 6, 2, fest(1, 48), 1, keiner, 0, [](int, int, int w, const QString&) { return n(2 * w) + " Pfd"; } });
        t.push_back({ 6, 3, fest(1, 4), 100, fest(1, 48), 0,
            [](int a, int b, int, const QString&) { return n(2 * a) + " Ztr " + n(2 * b) + " Pfd"; } });
        t.push_back({ 6, 4, fest(1, 4), 100, fest(1, 48), 0,
            [](int a, int b, int, const QString&) { return n(2 * a) + " Ztr " + n(b) + " kg"; } });
        t.push_back(
            { 6, 5, fest(10, 208), 1, keiner, 0, [](int, int, int w, const QString&) { return n(w) + " kg"; } });
        return t;
    }();
    return t;
}

QString waehrung(int eurowahl)
{
    switch (eurowahl) {
    case 1:
        return QStringLiteral(" Eur");
    case 2:
        return QStringLiteral(" €");
    default:
        return QStringLiteral(" EUR");
    }
}

} // namespace

int formzahl(int art)
{
    static const int zahlen[artenzahl] = { 4, 7, 4, 4, 7, 4, 5 };
    return art >= 0 && art < artenzahl ? zahlen[art] : 0;
}

int nachkommastellen(int art)
{
    static const int stellen[artenzahl] = { 2, 2, 3, 1, 3, 3, 0 };
    return stellen[art];
}

QString titeltext(int art)
{
    static const char* const titel[artenzahl]
        = { "Euro und Cent", "m, dm und cm", "km und m", "cm und mm", "t, dz und kg", "kg und g", "alte Gewichte" };
    return QString::fromUtf8(titel[art]);
}

QString einheittext(int art, int eurowahl)
{
    if (art == 0) {
        switch (eurowahl) {
        case 1:
            return QStringLiteral(" Eur");
        case 2:
            return QStringLiteral("  €");
        default:
            return QStringLiteral(" EUR");
        }
    }
    static const char* const einheit[artenzahl] = { "", "  m", " km", " cm", "   t", "  kg", "  kg" };
    return QString::fromUtf8(einheit[art]);
}

int kommaversatz(int art)
{
    static const int versatz[artenzahl] = { 0, 0, -70, 70, -70, -70, 0 };
    return versatz[art];
}

Menge menge(int art, int form, int eurowahl, int& zaehler)
{
    for (const Erzeuger& e : tabelle()) {
        if (e.art != art || e.form != form) continue;
        Menge m;
        m.form = form;
        int a = 0, b = 0;
        do {
            a = ziehen(e.a, zaehler);
            b = ziehen(e.b, zaehler);
            m.wert = e.faktor * a + b;
        } while (e.nullmodul > 0 && m.wert % e.nullmodul == 0);
        m.text = e.text(a, b, m.wert, waehrung(eurowahl));
        return m;
    }
    return {};
}

QString kommaziffern(int art, int wert)
{
    // A digit stands before the comma on the solution sheet: 345 g are 0,345 kg, so " 0345".
    return nullen(wert, nachkommastellen(art) + 1).rightJustified(5, u' ');
}

QString summenziffern(int art, int summe)
{
    return nullen(summe, art == 6 ? 2 : nachkommastellen(art) + 1).rightJustified(5, u' ');
}

QString merkziffern(int a, int b, int c)
{
    QString text(5, u' ');
    int uebertrag = 0;
    int stelle = 1;
    // Each carry stands above the column it is added to: the units' above the tens, and so on.
    for (int spalte = 3; spalte >= 0; --spalte, stelle *= 10) {
        uebertrag = (a / stelle % 10 + b / stelle % 10 + c / stelle % 10 + uebertrag) / 10;
        if (uebertrag > 0) text[spalte] = QChar(u'0' + uebertrag);
    }
    return text;
}

QString ergebnistext(int art, int summe, const QString& einheit)
{
    const int d = nachkommastellen(art);
    if (d == 0) return n(summe) + einheit;
    int teiler = 1;
    for (int i = 0; i < d; ++i)
        teiler *= 10;
    return n(summe / teiler) + "," + nullen(summe % teiler, d) + einheit;
}

Blatt erzeugen(int art, const std::vector<int>& formen, int eurowahl, int& zaehler)
{
    Blatt blatt;
    blatt.art = art;
    blatt.eurowahl = eurowahl;
    const auto gewaehlt = [&](int f) {
        for (int g : formen)
            if (g == f) return true;
        return false;
    };
    int vorige = 0;
    for (Menge& m : blatt.mengen) {
        int f = 0;
        do
            f = Random(7) + 1;
        while (!gewaehlt(f) || (formen.size() >= 2 && f == vorige));
        vorige = f;
        m = menge(art, f, eurowahl, zaehler);
    }
    std::array<int, 8> sortiert {};
    for (size_t t = 0; t < 8; ++t) {
        const int a = blatt.mengen[3 * t].wert, b = blatt.mengen[3 * t + 1].wert, c = blatt.mengen[3 * t + 2].wert;
        blatt.summen[t] = a + b + c;
        blatt.summenziffern[t] = summenziffern(art, blatt.summen[t]);
        blatt.merkziffern[t] = merkziffern(a, b, c);
        sortiert[t] = blatt.summen[t];
    }
    for (int pass = 0; pass < 7; ++pass)
        for (size_t i = 0; i + 1 < 8; ++i)
            if (sortiert[i] > sortiert[i + 1]) std::swap(sortiert[i], sortiert[i + 1]);
    const QString einheit = einheittext(art, eurowahl);
    for (size_t t = 0; t < 8; ++t)
        blatt.ergebnistexte[t] = ergebnistext(art, sortiert[t], einheit);
    return blatt;
}

namespace {

const char* const anweisungen[artenzahl] = {
    "in Euro umwandeln  (2 Nachkommastellen, Komma unter Komma!),  dann addieren",
    "in  m  umwandeln  (2 Nachkommastellen, Komma unter Komma!),  dann addieren",
    "in  km  umwandeln  (3 Nachkommastellen, Komma unter Komma!),  dann addieren",
    "in  cm  umwandeln  (1 Nachkommastelle, Komma unter Komma!),  dann addieren",
    "in  t  umwandeln  (3 Nachkommastellen, Komma unter Komma!),  dann addieren",
    "in  kg  umwandeln  (3 Nachkommastellen, Komma unter Komma!),  dann addieren",
    "alles in  kg  umwandeln  (Komma ist nicht nötig),  dann addieren",
};

// Character j (1..5) of the text right-aligned at x0 + 70 j.
void spalten(Canvas& c, int x0, int y, const QString& text)
{
    for (int j = 1; j <= text.size(); ++j)
        c.textOut(x0 + 70 * j, y, text.mid(j - 1, 1));
}

void loesungsteil(Canvas& c, const Blatt& blatt, size_t t, int r, int dx)
{
    const QString einheit = einheittext(blatt.art, blatt.eurowahl);
    const bool klein = blatt.art == 0 && blatt.eurowahl != 2;
    const int s = klein ? 10 : 0;
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    c.font.height = 50;
    for (int k = 1; k <= 3; ++k)
        spalten(
            c, 455 + dx, -300 - 500 * r - 70 * k, kommaziffern(blatt.art, blatt.mengen[3 * t + size_t(k - 1)].wert));
    c.font.height = 40;
    spalten(c, 455 + dx, -585 - 500 * r, blatt.merkziffern[t]);
    c.font.height = 50;
    spalten(c, 455 + dx, -650 - 500 * r, blatt.summenziffern[t]);
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.font.height = klein ? 35 : 50;
    c.textOut(820 + dx, -650 - 500 * r - s, einheit);
    for (int k = 1; k <= 3; ++k)
        c.textOut(820 + dx, -300 - s - 500 * r - 70 * k, einheit);
    if (blatt.art == 6) return;
    c.font.height = 80;
    const int x = 670 + kommaversatz(blatt.art) + dx;
    c.textOut(x, -630 - 500 * r, QStringLiteral(","));
    for (int k = 1; k <= 3; ++k)
        c.textOut(x, -280 - 500 * r - 70 * k, QStringLiteral(","));
}

} // namespace

void draw(Canvas& c, const Blatt& blatt, bool loesung)
{
    c.pen.color = Qt::black;
    c.setMapMode(MapMode::LoMetric);
    c.font.name = QStringLiteral("arial");
    c.font.height = 65;
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.textOut(150, -50, titeltext(blatt.art));
    c.textOut(970, -50, loesung ? QStringLiteral("Lösungsblatt") : QStringLiteral("Name: _____________________"));
    if (!loesung) {
        c.font.height = 50;
        c.textOut(150, -200, QString::fromUtf8(anweisungen[blatt.art]));
    }
    for (int r = 0; r < 4; ++r)
        for (int spalte = 0; spalte < 2; ++spalte) {
            const size_t t = size_t(2 * r + spalte);
            const int dx = 900 * spalte;
            c.setTextAlign(TextAlign::Left | TextAlign::Top);
            c.font.height = 30;
            c.textOut(155 + dx, -330 - 500 * r, QStringLiteral("%1)").arg(t + 1));
            c.setTextAlign(TextAlign::Right | TextAlign::Top);
            c.font.height = 50;
            for (int k = 1; k <= 3; ++k)
                c.textOut(420 + dx, -300 - 500 * r - 70 * k, blatt.mengen[3 * t + size_t(k - 1)].text);
            if (loesung) loesungsteil(c, blatt, t, r, dx);
        }
    if (!loesung) {
        c.setTextAlign(TextAlign::Right | TextAlign::Top);
        c.font.height = 40;
        c.textOut(350, -2600, QStringLiteral("Ergebnisse:"));
        for (int i = 0; i < 8; ++i)
            c.textOut(600 + 400 * (i % 4), i < 4 ? -2600 : -2700, blatt.ergebnistexte[size_t(i)]);
    }
    // The writing grid of every task, comma under comma.
    for (int r = 0; r < 4; ++r) {
        c.pen.width = 1;
        for (int dx : { 0, 900 }) {
            for (int i = 0; i <= 6; ++i) {
                c.moveTo(480 + 70 * i + dx, -340 - 500 * r);
                c.lineTo(480 + 70 * i + dx, -730 - 500 * r);
            }
            for (int i = 0; i <= 5; ++i) {
                c.moveTo(460 + dx, -360 - 500 * r - 70 * i);
                c.lineTo(920 + dx, -360 - 500 * r - 70 * i);
            }
        }
        c.pen.width = 3;
        for (int dx : { 0, 900 }) {
            c.moveTo(460 + dx, -640 - 500 * r);
            c.lineTo(920 + dx, -640 - 500 * r);
        }
    }
}

} // namespace komma
