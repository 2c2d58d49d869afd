#include "aids/h_raum20_logik.h"

#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"

namespace raum20 {

namespace {

struct Uebung {
    int code;
    const char* titel;
};

constexpr Uebung kUebungen[] = {
    { 12, "zerlegen (mit Beinchen)" },
    { 13, "zerlegen (im Zehnerfeld)" },
    { 21, "plus (im Zehnerfeld)" },
    { 22, "minus (im Zehnerfeld)" },
    { 23, "ergänzen (im Zehnerfeld)" },
    { 24, "Mischung (im Zehnerfeld)" },
    { 25, "plus (am Zehnerstrahl)" },
    { 26, "minus (am Zehnerstrahl)" },
    { 27, "ergänzen + (am Zehnerstrahl)" },
    { 28, "ergänzen - (am Zehnerstrahl)" },
    { 29, "Mischung (am Zehnerstrahl)" },
    { 31, "Zehnerübergang, plus (im 20er-Feld)" },
    { 32, "Zehnerübergang, minus(im 20er-Feld)" },
    { 33, "Zehnerübergang, ergänzen (im 20er-Feld)" },
    { 34, "Zehnerübergang, Mischung (im 20er-Feld)" },
    { 35, "Zehnerübergang, plus am 20er-Strahl" },
    { 36, "Zehnerübergang, minus am 20er-Strahl" },
    { 37, "Zehnerübergang, ergänzen 20er-Strahl" },
    { 38, "Zehnerübergang, Mischung (20er-Strahl)" },
};

const Uebung* uebung(int code)
{
    for (const Uebung& u : kUebungen)
        if (u.code == code) return &u;
    return nullptr;
}

bool plusTyp(int v)
{
    return v == 21 || v == 25 || v == 31 || v == 35;
}
bool minusTyp(int v)
{
    return v == 22 || v == 26 || v == 32 || v == 36;
}
bool ergaenzenTyp(int v)
{
    return v == 23 || v == 27 || v == 33 || v == 37;
}

// The protocol lines are built in 83 characters: a label of 23 and the hub's description of at most 60.
QString zeile(const QString& s)
{
    return s.left(83);
}

} // namespace

bool codeBekannt(int code)
{
    return uebung(code) != nullptr;
}

QString programmtitel(int code)
{
    const Uebung* u = uebung(code);
    return u ? QString::fromUtf8(u->titel) : QString();
}

int typZiehen(int code)
{
    int v = code;
    switch (code) {
    case 24:
        // Six numbers for five types: 24 itself is drawn again, 25 and 26 stand for the two decompositions.
        do
            v = Random(6) + 21;
        while (v == 24);
        if (v == 25) v = 12;
        if (v == 26) v = 13;
        break;
    case 29:
        do
            v = Random(4) + 25;
        while (v == 29);
        break;
    case 34:
        do
            v = Random(3) + 31;
        while (v == 34);
        break;
    case 38:
        do
            v = Random(3) + 35;
        while (v == 38);
        break;
    default:
        break;
    }
    return v;
}

bool typBekannt(int v)
{
    return v == 12 || v == 13 || v == 28 || plusTyp(v) || minusTyp(v) || ergaenzenTyp(v);
}

Typangaben typangaben(int v)
{
    Typangaben t;
    if (v == 12) {
        t.gesucht = Gesucht::b;
        t.wieoft = 5;
        t.antwortplatz = { 502, 560 };
        t.haken = { QPoint(525, 655), QPoint(545, 685), QPoint(665, 395) };
    } else if (v == 13) {
        t.gesucht = Gesucht::b;
        t.wieoft = 4;
        t.antwortplatz = { 552, 560 };
        t.haken = { QPoint(575, 655), QPoint(595, 685), QPoint(680, 455) };
    } else if (plusTyp(v) || minusTyp(v)) {
        t.gesucht = plusTyp(v) ? Gesucht::c : Gesucht::a;
        // Taking away in the ten-frames is shown in four steps; every other type in five.
        t.wieoft = v == 22 ? 4 : 5;
        t.antwortplatz = { 552, 760 };
        t.haken = { QPoint(578, 865), QPoint(595, 890), QPoint(680, 660) };
    } else {
        t.gesucht = Gesucht::b;
        t.wieoft = 5;
        t.antwortplatz = { 352, 760 };
        t.haken = { QPoint(378, 865), QPoint(395, 890), QPoint(480, 660) };
    }
    return t;
}

int sollwertVon(int v, int a, int b)
{
    switch (typangaben(v).gesucht) {
    case Gesucht::a:
        return a;
    case Gesucht::b:
        return b;
    case Gesucht::c:
        break;
    }
    return a + b;
}

int stellenzahl(int n)
{
    return QString::number(n).size();
}

Titel titelzeilen(int v)
{
    Titel t;
    t.zeile1 = v >= 31 ? QStringLiteral("Zehnerübergang:") : QStringLiteral("Raum 10:");
    if (v == 12 || v == 13)
        t.zeile2 = QStringLiteral("Zahlen zerlegen");
    else if (plusTyp(v))
        t.zeile2 = QStringLiteral("plus");
    else if (minusTyp(v))
        t.zeile2 = QStringLiteral("minus");
    else if (ergaenzenTyp(v))
        t.zeile2 = QStringLiteral("ergänzen (+)");
    else if (v == 28)
        t.zeile2 = QStringLiteral("ergänzen (-)");
    if (v == 12)
        t.zeile3 = QStringLiteral("(mit Beinchen)");
    else if (v == 13)
        t.zeile3 = QStringLiteral("(im 10er-Feld)");
    else if (v >= 21 && v <= 23)
        t.zeile3 = QStringLiteral("10er-Felder");
    else if (v >= 25 && v <= 28)
        t.zeile3 = QStringLiteral("10er-Strahl");
    else if (v >= 31 && v <= 33)
        t.zeile3 = QStringLiteral("20er-Feld");
    else if (v >= 35 && v <= 37)
        t.zeile3 = QStringLiteral("20er-Strahl");
    return t;
}

bool ziehung()
{
    if (vorratsgroesse < 1 || vorratsgroesse > aufgabencodes.high()) return false;
    // A count left over from some other pool would point past this one.
    if (nummer <= 0 || nummer > vorratsgroesse) nummer = vorratsgroesse;
    const int k = Random(nummer) + 1;
    const int code = aufgabencodes[k];
    einer1 = code / 10;
    einer2 = code % 10;
    zielzahl = einer1 + einer2;
    aufgabencodes[k] = aufgabencodes[nummer];
    aufgabencodes[nummer] = code;
    nummer = nummer - 1;
    return true;
}

Pruefergebnis ziffernpruefung(int s, const QString& t)
{
    Pruefergebnis r;
    if (t.isEmpty()) {
        r.art = Pruefung::falsch;
        return r;
    }
    const int zehner = s / 10;
    const QChar erste = t.at(0);
    if (s >= 10 && t.size() == 1 && erste.digitValue() != zehner && t == QString::number(s % 10)) {
        r.art = Pruefung::zehnerZuerst;
        return r;
    }
    if (s < 10) {
        if (t.toInt() == s)
            r = { Pruefung::geloest, t };
        else
            r.art = Pruefung::falsch;
        return r;
    }
    if (t.size() == 1) {
        if (erste.digitValue() != zehner)
            r.art = Pruefung::falsch;
        else
            r = { Pruefung::zehnerRichtig, t };
        return r;
    }
    if (t.toInt() == s) return { Pruefung::geloest, t };
    // The right tens digit stays; the next digit is checked as the units digit again.
    return { Pruefung::falsch, QString(erste) };
}

Zeilen45 protokollzeilen45(int v, const QString& wahltext)
{
    const int gleich = wahltext.indexOf(u'=');
    const QString vorher = gleich < 0 ? wahltext : wahltext.left(gleich);
    const int gleichBlank = wahltext.indexOf(QStringLiteral("= "));
    const QString abGleich = gleichBlank < 0 ? QString() : wahltext.mid(gleichBlank);
    const QString danach = gleichBlank < 0 ? QString() : wahltext.mid(gleichBlank + 2);
    Zeilen45 z;
    if (v == 12 || v == 13) {
        z.zeile4 = zeile(QStringLiteral("zu zerlegende Zahlen:  ") + danach);
        z.zeile5 = zeile(QStringLiteral("         zerlegen in:  ") + vorher);
    } else {
        z.zeile4 = zeile(QStringLiteral("Zahlenvorrat:          ") + vorher);
        z.zeile5 = zeile(QString(23, u' ') + abGleich);
    }
    return z;
}

Hubfokus hubfokus(int code)
{
    if (code == 12 || code == 13) return { true, true };
    if (code >= 21 && code <= 29) return { true, false };
    return {};
}

} // namespace raum20
