#include "aids/h_haupt_logik.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace h_haupt {

namespace {

QString hwina()
{
    return datpfad + QStringLiteral("hw.ina");
}

// An entry counts as chosen only when it holds its item's value; anything else a file may hold (another
// number, a repeated value) is the mark for "not chosen". So a pool never holds more than its lists show
// and never outgrows its array.
void normalisieren(Listenbezug feld, int laenge, int erster)
{
    for (int i = 0; i < laenge; ++i)
        if (feld[i] != erster + i) feld[i] = -1;
}

bool zwischen(int wert, int von, int bis)
{
    return wert >= von && wert <= bis;
}

// Stores one compact margin. A table of eleven rows needs an eleventh entry that the shared list may not
// have: a write past its end would land in a neighbour, so the table then keeps the margins the list holds
// and counts only those (see the count below).
void kompaktSetzen(Listenbezug feld, int stelle, int wert)
{
    if (stelle <= feld.high()) feld[stelle] = wert;
}

shortint kompaktzahl(Listenbezug feld, int anzahl)
{
    return shortint(std::min(anzahl, feld.high()));
}

// One value of a section and the variable it belongs to.
struct Feld {
    std::function<int()> lesen;
    std::function<void(int)> setzen;
};

void intFeld(std::vector<Feld>& felder, int& v)
{
    felder.push_back({ [&v] { return v; }, [&v](int w) { v = w; } });
}

void listenFeld(std::vector<Feld>& felder, Listenbezug liste, int anzahl)
{
    for (int i = 0; i < anzahl; ++i)
        felder.push_back({ [liste, i] { return liste[i]; }, [liste, i](int w) { liste[i] = w; } });
}

// Signed bytes are written signed (-1), unsigned ones unsigned (255); both keep the low 8 bits of a value read.
void shortFeld(std::vector<Feld>& felder, shortint& v)
{
    felder.push_back({ [&v] { return int(v); }, [&v](int w) { v = shortint(byte(w & 0xff)); } });
}

void byteFeld(std::vector<Feld>& felder, byte& v)
{
    felder.push_back({ [&v] { return int(v); }, [&v](int w) { v = byte(w & 0xff); } });
}

void wahlbyteFelder(std::vector<Feld>& felder, int anzahl)
{
    for (int i = 0; i < anzahl; ++i)
        byteFeld(felder, wahlbytes[i]);
}

std::vector<Feld> felder(const QString& wort)
{
    std::vector<Feld> f;
    if (wort == QLatin1String("wieviel")) {
        wahlbyteFelder(f, 7);
        intFeld(f, variante);
    } else if (wort == QLatin1String("Strahl")) {
        intFeld(f, variante);
    } else if (wort == QLatin1String("Schlangen")) {
        wahlbyteFelder(f, 5);
        intFeld(f, variante);
    } else if (wort == QLatin1String("zr10") || wort == QLatin1String("zr20")) {
        const int n = wort == QLatin1String("zr10") ? 9 : 8;
        listenFeld(f, auswahl1, n);
        listenFeld(f, auswahl2, n);
        listenFeld(f, auswahl3, n);
    } else if (wort == QLatin1String("tab1p1") || wort == QLatin1String("tab1m1") || wort == QLatin1String("tab1x1")) {
        const int n = wort == QLatin1String("tab1p1") ? 10 : 11;
        listenFeld(f, zahlenwahl1, n);
        listenFeld(f, zahlenwahl2, n);
        shortFeld(f, wahl4);
        shortFeld(f, wahl3);
        if (wort != QLatin1String("tab1x1")) intFeld(f, variante);
    } else if (wort == QLatin1String("tab1d1")) {
        listenFeld(f, zahlenwahl2, 9);
        shortFeld(f, wahl4);
        shortFeld(f, wahl3);
        intFeld(f, variante);
    } else if (wort == QLatin1String("tab8x8")) {
        shortFeld(f, wahl4);
        shortFeld(f, wahl3);
    } else if (wort == QLatin1String("h1x1")) {
        listenFeld(f, zahlenwahl1, 11);
        listenFeld(f, zahlenwahl2, 11);
    } else if (wort == QLatin1String("h1d1")) {
        listenFeld(f, zahlenwahl1, 10);
        listenFeld(f, zahlenwahl2, 10);
        shortFeld(f, wahl4);
    } else if (wort == QLatin1String("m1x1")) {
        listenFeld(f, zahlenwahl1, 8);
        listenFeld(f, zahlenwahl2, 8);
        intFeld(f, variante);
    } else if (wort == QLatin1String("mr")) {
        shortFeld(f, wahl7);
        shortFeld(f, wahl1);
        byteFeld(f, wahl5);
    } else if (wort == QLatin1String("pm100")) {
        shortFeld(f, wahl1);
        shortFeld(f, wahl7);
        byteFeld(f, wahl5);
        for (int i = 0; i <= 5; ++i)
            shortFeld(f, pm100wahl[i]);
    } else if (wort == QLatin1String("hsv")) {
        shortFeld(f, wahl7);
        intFeld(f, variante);
        byteFeld(f, wahl5);
        shortFeld(f, wahl1);
        byteFeld(f, wahl6);
    } else if (wort == QLatin1String("sv")) {
        shortFeld(f, wahl7);
        intFeld(f, variante);
        byteFeld(f, wahl5);
        shortFeld(f, wahl1);
        byteFeld(f, wahl6);
        byteFeld(f, wahl8);
    }
    return f;
}

// "1 2 3 " : the chosen values of a list, each followed by one blank.
QString zahlenliste(Listenbezug feld, int laenge, int erster)
{
    QString s;
    for (int i = 0; i < laenge; ++i)
        if (feld[i] == erster + i) s += QString::number(feld[i]) + QLatin1Char(' ');
    return s;
}

QString bytezahlen(int laenge)
{
    QString s;
    for (int i = 0; i < laenge; ++i)
        if (wahlbytes[i] == i + 3) s += QString::number(i + 3) + QLatin1Char(' ');
    return s;
}

// Which list entries of the number lists carry which values: first value of auswahl1, auswahl2, auswahl3.
struct Raumlisten {
    int laenge, erster1, erster2, erster3;
};

Raumlisten listen(Zahlraum raum)
{
    return raum == Zahlraum::raum10 ? Raumlisten { 9, 1, 1, 2 } : Raumlisten { 8, 2, 2, 11 };
}

struct Axblisten {
    int laenge, erster;
};

Axblisten listen(Axb art)
{
    switch (art) {
    case Axb::mal:
        return { 11, 0 };
    case Axb::durch:
        return { 10, 1 };
    case Axb::mittel:
        return { 8, 2 };
    }
    return { 0, 0 };
}

// The live count of a pool: a new pass when it is used up, and never beyond the pool, whatever another
// window left in the shared counter.
int lebend(int& zaehler, int vorrat)
{
    if (zaehler <= 0 || zaehler > vorrat) zaehler = vorrat;
    return zaehler;
}

} // namespace

// ---- Choices in lists ----

void listeEintragen(Listenbezug feld, const std::vector<bool>& gewaehlt, int erster)
{
    for (int i = 0; i < int(gewaehlt.size()) && i <= feld.high(); ++i)
        feld[i] = gewaehlt[size_t(i)] ? erster + i : -1;
}

void bytelisteEintragen(const std::vector<bool>& gewaehlt)
{
    for (int i = 0; i < int(gewaehlt.size()) && i <= wahlbytes.high(); ++i)
        wahlbytes[i] = gewaehlt[size_t(i)] ? byte(i + 3) : byte(255);
}

int wahlzaehlen(int eintraege)
{
    gewaehltzahl = 0;
    for (int i = 0; i < eintraege; ++i) {
        if (shortint(wahlbytes[i]) == i + 3) {
            gewaehltzahl = gewaehltzahl + 1;
            wahlbytes[i] = byte(i + 3);
        } else {
            wahlbytes[i] = 255;
        }
    }
    return gewaehltzahl;
}

// ---- Table margins ----

bool tabellenpruefung(Tabelle tabelle)
{
    if (tabelle == Tabelle::durch) {
        int spalten = 0;
        for (int i = 0; i <= 8; ++i) {
            if (zahlenwahl2[i] == i + 2)
                kompaktSetzen(auswahl2, ++spalten, i + 2);
            else
                zahlenwahl2[i] = -1;
        }
        tabspaltenzahl = kompaktzahl(auswahl2, spalten);
        return spalten >= 1 && spalten <= 5;
    }
    const int bis = tabelle == Tabelle::plus ? 9 : 10;
    int zeilen = 0;
    int spalten = 0;
    for (int i = 0; i <= bis; ++i) {
        if (zahlenwahl1[i] == i)
            kompaktSetzen(auswahl1, ++zeilen, i);
        else
            zahlenwahl1[i] = -1;
    }
    for (int i = 0; i <= bis; ++i) {
        if (zahlenwahl2[i] == i)
            kompaktSetzen(auswahl2, ++spalten, i);
        else
            zahlenwahl2[i] = -1;
    }
    tabzeilenzahl = kompaktzahl(auswahl1, zeilen);
    tabspaltenzahl = kompaktzahl(auswahl2, spalten);
    return zeilen * spalten >= 1;
}

// ---- Task pools ----

int zahlenvorrat(Zahlraum raum)
{
    const Raumlisten l = listen(raum);
    normalisieren(auswahl1, l.laenge, l.erster1);
    normalisieren(auswahl2, l.laenge, l.erster2);
    normalisieren(auswahl3, l.laenge, l.erster3);
    nummer = 0;
    for (int i = 0; i < l.laenge; ++i) {
        const int a = auswahl1[i];
        if (a <= 0) continue;
        for (int j = 0; j < l.laenge; ++j) {
            const int b = auswahl2[j];
            if (b <= 0) continue;
            for (int k = 0; k < l.laenge; ++k) {
                const int c = auswahl3[k];
                if (c >= 1 && c == a + b && nummer < aufgabencodes.high()) {
                    nummer = nummer + 1;
                    aufgabencodes[nummer] = a * 10 + b;
                }
            }
        }
    }
    vorratsgroesse = nummer;
    return nummer;
}

int axbvorrat(Axb art)
{
    const Axblisten l = listen(art);
    normalisieren(zahlenwahl1, l.laenge, l.erster);
    normalisieren(zahlenwahl2, l.laenge, l.erster);
    nummer = 0;
    for (int i = 0; i < l.laenge; ++i) {
        const int a = zahlenwahl1[i];
        if (a <= -1) continue;
        for (int j = 0; j < l.laenge; ++j) {
            const int b = zahlenwahl2[j];
            if (b <= -1 || nummer >= aufgabenliste.high()) continue;
            nummer = nummer + 1;
            aufgabenliste[nummer] = QString::number(a) + QLatin1Char('x') + QString::number(b);
        }
    }
    vorratsgroesse = nummer;
    return nummer;
}

void ziehung()
{
    const int vorrat = std::min(vorratsgroesse, aufgabencodes.high());
    if (vorrat < 1) return;
    const int n = lebend(nummer, vorrat);
    const int k = Random(n) + 1;
    const int code = aufgabencodes[k];
    einer1 = code / 10;
    einer2 = code % 10;
    zielzahl = einer1 + einer2;
    std::swap(aufgabencodes[k], aufgabencodes[n]);
    nummer = n - 1;
}

QString ziehungText()
{
    const int vorrat = std::min(vorratsgroesse, aufgabenliste.high());
    if (vorrat < 1) return QString();
    const int n = lebend(nummer, vorrat);
    const int k = Random(n) + 1;
    const QString gezogen = aufgabenliste[k];
    tauschtext = aufgabenliste[k];
    aufgabenliste[k] = aufgabenliste[n];
    aufgabenliste[n] = tauschtext;
    nummer = n - 1;
    return gezogen;
}

bool axbTeilen(const QString& eintrag, int& a, int& b)
{
    const int x = int(eintrag.indexOf(QLatin1Char('x')));
    if (x <= 0) return false;
    bool okA = false;
    bool okB = false;
    const int links = eintrag.left(x).toInt(&okA);
    const int rechts = eintrag.mid(x + 1).toInt(&okB);
    if (!okA || !okB) return false;
    a = links;
    b = rechts;
    return true;
}

// ---- Activity codes ----

int pm100code(int rechenart, int zahlen)
{
    if (!zwischen(rechenart, 0, 2)) return 0;
    if (zahlen == 0) return 41 + rechenart;
    if (zahlen == 1) return 44 + rechenart;
    return 0;
}

int hsvcode(int art)
{
    return zwischen(art, 0, 4) ? 71 + art : 0;
}

// ---- Levels ----

const QStringList& stufentexte(Stufengruppe gruppe)
{
    static const QString mischung = QStringLiteral(" Mischung aller Schwierigkeitsstufen");
    static const QStringList plus = { QStringLiteral(" ohne Überträge"),
        QStringLiteral(" ein Übertrag: in die 100er-Stelle"), QStringLiteral(" ein Übertrag: in die 10er-Stelle"),
        QStringLiteral(" ein Übertrag: in die 100er- oder 10er-Stelle"), QStringLiteral(" zwei Überträge "),
        QStringLiteral(" Übertrag bewirkt weiteren Übertrag"), QStringLiteral(" Ergebnis mit Null(en) "), mischung };
    static const QStringList minusErg = { QStringLiteral(" ohne Überträge"),
        QStringLiteral(" ein Übertrag: in die 100er-Stelle"), QStringLiteral(" ein Übertrag: in die 10er-Stelle"),
        QStringLiteral(" ein Übertrag: in die 100er- oder 10er-Stelle"), QStringLiteral(" zwei Überträge"),
        QStringLiteral(" Übertrag bewirkt weiteren Übertrag"), QStringLiteral(" Ergänzen zu Zahlen mit Null(en)"),
        mischung };
    static const QStringList minusTausch
        = { QStringLiteral(" keine Tauschvorgänge"), QStringLiteral(" ein 100er wird getauscht"),
              QStringLiteral(" ein  10er wird getauscht"), QStringLiteral(" ein 100er oder ein 10er wird getauscht"),
              QStringLiteral(" zwei Tauschvorgänge"), QStringLiteral(" 10er-Tausch bewirkt 100er-Tausch"),
              QStringLiteral(" der Minuend enthält mindestens eine Null"), mischung };
    static const QStringList malE = { QStringLiteral(" keine Überträge"),
        QStringLiteral(" nur die Zehner bewirken einen Übertrag"),
        QStringLiteral(" nur die Einer bewirken einen Übertrag"),
        QStringLiteral(" Zehner oder Einer bewirken einen Übertrag"),
        QStringLiteral(" Zehner und Einer bewirken Überträge"), QStringLiteral(" Übertrag bewirkt weiteren Übertrag"),
        QStringLiteral(" der erste Faktor enthält eine Null"), mischung };
    static const QStringList malZZ = { QStringLiteral(" mal 10er-Zahlen"), QStringLiteral(" mal 11 bis 19"),
        QStringLiteral(" mal 21 bis 99 (ohne Zehnerzahlen)"), QStringLiteral(" der erste Faktor enthält eine Null"),
        mischung };
    static const QStringList divE
        = { QStringLiteral(" keine Zwischenreste"), QStringLiteral(" nur die Hunderter hinterlassen einen Rest"),
              QStringLiteral(" nur die Zehner hinterlassen einen Rest"),
              QStringLiteral(" Hunderter oder Zehner hinterlassen einen Rest"),
              QStringLiteral(" zwei Zwischenreste, leichte Teilaufgaben"),
              QStringLiteral(" zwei Zwischenreste, schwere Teilaufgaben"),
              QStringLiteral(" im Ergebnis kommt eine Null vor"), mischung };
    static const QStringList dZE = { QStringLiteral(" Teilen durch Zehnerzahlen"),
        QStringLiteral(" Teilen durch 11 oder 19"), QStringLiteral(" Teilen durch 11  bis  19"),
        QStringLiteral(" Teilen durch gem. Zehner   21 .. 99"), QStringLiteral(" durch gem. Zehner, Einer: zehnernah"),
        QStringLiteral(" durch gem. Zehner, Einer: zehnerfern "), QStringLiteral(" Null(en) im Ergebnis"), mischung };
    static const QStringList rest = { QStringLiteral("ohne Rest"), QStringLiteral("mit Rest") };
    switch (gruppe) {
    case Stufengruppe::plus:
        return plus;
    case Stufengruppe::minusErgaenzen:
        return minusErg;
    case Stufengruppe::minusTauschen:
        return minusTausch;
    case Stufengruppe::malE:
        return malE;
    case Stufengruppe::malZZ:
        return malZZ;
    case Stufengruppe::divE:
        return divE;
    case Stufengruppe::dZE:
        return dZE;
    case Stufengruppe::rest:
        break;
    }
    return rest;
}

std::optional<Stufengruppe> stufengruppe(int code)
{
    switch (code) {
    case 81:
    case 82:
        return Stufengruppe::plus;
    case 83:
        return Stufengruppe::minusErgaenzen;
    case 84:
        return Stufengruppe::minusTauschen;
    case 85:
        return Stufengruppe::malE;
    case 86:
        return Stufengruppe::malZZ;
    case 87:
    case 88:
        return Stufengruppe::divE;
    case 89:
        return Stufengruppe::dZE;
    default:
        return std::nullopt;
    }
}

int stufeVon(int code)
{
    switch (code) {
    case 81:
    case 82:
    case 83:
    case 84:
        return wahl7;
    case 85:
        return variante;
    case 86:
        return wahl5;
    case 87:
    case 88:
        return wahl1;
    case 89:
        return wahl6;
    default:
        return -1;
    }
}

void stufeSetzen(int code, int item)
{
    switch (code) {
    case 81:
    case 82:
    case 83:
    case 84:
        wahl7 = shortint(item);
        break;
    case 85:
        variante = item;
        break;
    case 86:
        wahl5 = byte(item);
        break;
    case 87:
    case 88:
        wahl1 = shortint(item);
        break;
    case 89:
        wahl6 = byte(item);
        break;
    default:
        break;
    }
}

// ---- Sections ----

QString stichwort(int code)
{
    if (code == 11) return QStringLiteral("wieviel");
    if (code >= 14 && code <= 16) return QStringLiteral("Strahl");
    if (code == 110) return QStringLiteral("Schlangen");
    if (code == 12 || code == 13 || (code >= 21 && code <= 29)) return QStringLiteral("zr10");
    if (code >= 31 && code <= 38) return QStringLiteral("zr20");
    if (code == 61) return QStringLiteral("tab1p1");
    if (code == 62) return QStringLiteral("tab1m1");
    if (code == 63) return QStringLiteral("tab1x1");
    if (code == 64) return QStringLiteral("tab1d1");
    if ((code >= 65 && code <= 69) || code == 610) return QStringLiteral("tab8x8");
    if (code == 51) return QStringLiteral("h1x1");
    if (code == 55) return QStringLiteral("h1d1");
    if (code == 54) return QStringLiteral("m1x1");
    if (code == 40 || code == 52) return QStringLiteral("mr");
    if (code >= 41 && code <= 46) return QStringLiteral("pm100");
    if (code >= 71 && code <= 75) return QStringLiteral("hsv");
    if (code >= 81 && code <= 89) return QStringLiteral("sv");
    return QString();
}

std::vector<int> abschnittwerte(const QString& wort)
{
    std::vector<int> werte;
    for (const Feld& f : felder(wort))
        werte.push_back(f.lesen());
    return werte;
}

void abschnittsetzen(const QString& wort, const std::vector<int>& werte)
{
    const std::vector<Feld> f = felder(wort);
    for (size_t i = 0; i < f.size() && i < werte.size(); ++i)
        f[i].setzen(werte[i]);
}

bool abschnittladen(const QString& wort)
{
    const int anzahl = int(felder(wort).size());
    if (anzahl == 0) return false;
    using einstellungsdatei::Abschnittstand;
    std::vector<int> werte;
    const QString datei = hwina();
    const Abschnittstand stand = einstellungsdatei::abschnittlesen(datei, wort, anzahl, werte);
    if (stand == Abschnittstand::beschaedigt) reportError(einstellungsdatei::beschaedigtMeldung(datei, wort));
    // A file that is there but cannot give the section (damaged as a whole, which its reader has said, or the
    // section missing or damaged) must not leave a panel with nothing chosen: the installed defaults hold, as the
    // message says, until Start writes the section anew.
    if (stand != Abschnittstand::gelesen
        && (!files::fileExists(datei) || !einstellungsdatei::voreinstellung(datei, wort, anzahl, werte)))
        return false;
    abschnittsetzen(wort, werte);
    return true;
}

void abschnittschreiben(int code)
{
    const QString wort = stichwort(code);
    if (wort.isEmpty()) return;
    einstellungsdatei::abschnittschreiben(hwina(), wort, abschnittwerte(wort));
}

// ---- Start ----

bool optionenGueltig(int code)
{
    const auto ja = [](int v) { return zwischen(v, 0, 1); };
    switch (code) {
    case 11:
        return !bytezahlen(7).isEmpty() && zwischen(variante, 0, 6);
    case 110:
        return !bytezahlen(5).isEmpty() && zwischen(variante, 0, 2);
    case 40:
    case 52:
        return zwischen(wahl7, 0, 7) && ja(wahl1) && zwischen(wahl5, 0, 2);
    case 51:
    case 54:
    case 55:
        if (vorratsgroesse < 1) return false;
        if (code == 54) return zwischen(variante, 0, 2);
        if (code == 55) return ja(wahl4);
        return true;
    case 61:
    case 62:
        return tabzeilenzahl * tabspaltenzahl >= 1 && ja(wahl4) && ja(wahl3) && zwischen(variante, 0, 2);
    case 63:
        return tabzeilenzahl * tabspaltenzahl >= 1 && ja(wahl4) && ja(wahl3);
    case 64:
        return zwischen(tabspaltenzahl, 1, 5) && ja(wahl4) && ja(wahl3) && ja(variante);
    case 65:
    case 66:
    case 67:
    case 68:
    case 69:
    case 610:
        return ja(wahl4) && ja(wahl3);
    case 71:
    case 72:
    case 73:
    case 74:
    case 75:
        if (hsvcode(variante) != code || !ja(wahl7)) return false;
        if (code == 71 || code == 72) return ja(wahl5);
        if (code == 74) return ja(wahl1) && ja(wahl6);
        if (code == 75) return ja(wahl6);
        return true;
    case 88:
    case 89:
        if (!ja(wahl8)) return false;
        [[fallthrough]];
    case 81:
    case 82:
    case 83:
    case 84:
    case 85:
    case 86:
    case 87:
        return zwischen(stufeVon(code), 0, int(stufentexte(*stufengruppe(code)).size()) - 1);
    default:
        break;
    }
    if ((code == 12 || code == 13) || (code >= 21 && code <= 29) || (code >= 31 && code <= 38))
        return vorratsgroesse >= 1;
    if (code >= 41 && code <= 46)
        return pm100code(wahl1, wahl5) == code && ja(wahl7) && zwischen(pm100wahl[code - 41], 0, code <= 43 ? 4 : 6);
    return false;
}

std::optional<QString> wahltextFuer(int code)
{
    if (code == 11) return bytezahlen(7);
    if (code == 110) return bytezahlen(5);
    if (code == 12 || code == 13 || (code >= 21 && code <= 29) || (code >= 31 && code <= 38)) {
        const Raumlisten l = listen(code < 30 ? Zahlraum::raum10 : Zahlraum::raum20);
        return zahlenliste(auswahl1, l.laenge, l.erster1) + QStringLiteral("+ ")
            + zahlenliste(auswahl2, l.laenge, l.erster2) + QStringLiteral("= ")
            + zahlenliste(auswahl3, l.laenge, l.erster3);
    }
    if (code >= 61 && code <= 63) {
        const int n = code == 61 ? 10 : 11;
        return zahlenliste(zahlenwahl1, n, 0) + QStringLiteral("// ") + zahlenliste(zahlenwahl2, n, 0);
    }
    if (code == 64) return zahlenliste(zahlenwahl2, 9, 2);
    if ((code >= 65 && code <= 69) || code == 610) return QStringLiteral("2 3 4 5 6 7 8 9 // 2 3 4 5 6 7 8 9");
    if (code == 51 || code == 54 || code == 55) {
        const Axblisten l = listen(code == 51 ? Axb::mal : code == 55 ? Axb::durch : Axb::mittel);
        return zahlenliste(zahlenwahl1, l.laenge, l.erster) + QStringLiteral("// ")
            + zahlenliste(zahlenwahl2, l.laenge, l.erster);
    }
    if (code == 40 || code == 52) return QString::number(wahl7) + QLatin1Char(' ');
    return std::nullopt;
}

std::optional<QString> zeile5Fuer(int code)
{
    if (code == 11) {
        static const QStringList zeiten = { QStringLiteral("0,5 sec"), QStringLiteral("1,0 sec"),
            QStringLiteral("2,0 sec"), QStringLiteral("5,0 sec"), QStringLiteral("0,08 sec/Element"),
            QStringLiteral("0,15 sec/Element"), QStringLiteral("0,50 sec/Element") };
        if (zwischen(variante, 0, 6)) return zeiten.at(variante);
    }
    if (code == 110) {
        static const QStringList richtungen = { QStringLiteral("Richtungen: nur +"),
            QStringLiteral("Richtungen: nur x"), QStringLiteral("Richtungen: + und x") };
        if (zwischen(variante, 0, 2)) return richtungen.at(variante);
    }
    return std::nullopt;
}

void beschreiben(int code)
{
    if (const auto text = wahltextFuer(code)) wahltext = *text;
    if (const auto zeile = zeile5Fuer(code)) protzeilen[5] = *zeile;
}

} // namespace h_haupt
