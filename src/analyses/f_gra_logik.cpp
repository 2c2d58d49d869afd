#include "analyses/f_gra_logik.h"

#include "analyses/f_gra_fehler.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"

namespace gra {
namespace {

const Analyse kAnalysen[] = {
    { 11, "1p1", "1+1___", "+", 11, 11, 0, 0, 3, 2 },
    { 12, "gemzp", "ZE+E__", "+", 10, 10, 0, 0, 3, 2 },
    { 13, "1m1_10", "1-1___", "-", 11, 11, 0, 0, 4, 0 },
    { 14, "1m1_20", "ZÜ-___", "-", 8, 8, 11, 2, 4, 0 },
    { 15, "gemzm", "ZE-E__", "-", 10, 10, 0, 0, 3, 2 },
    { 16, "1x1", "1x1___", "x", 11, 11, 0, 0, 3, 1 },
    { 17, "1d1", "1d1___", ":", 10, 11, 1, 0, 3, 1 },
};

const QString kOffen = QStringLiteral(" ???  ");
const QString kLeer = QStringLiteral("      ");

QString zahltext(int v)
{
    return QString::number(v);
}

QString eintrag(int code, int a, int b)
{
    switch (code) {
    case 11:
    case 12:
        return zahltext(a) + QStringLiteral(" + ") + zahltext(b) + QStringLiteral(" = ") + zahltext(a + b);
    case 13:
    case 14:
        return zahltext(a) + QStringLiteral(" - ") + zahltext(b) + QStringLiteral(" = ") + zahltext(a - b);
    case 15:
        // Only the two operands are read back; the result place holds what the pool always held here.
        return zahltext(a) + QStringLiteral(" - ") + zahltext(b) + QStringLiteral(" = ") + zahltext(a + b);
    case 16:
        return zahltext(a) + QStringLiteral(" x ") + zahltext(b) + QStringLiteral(" = ") + zahltext(a * b);
    default:
        return zahltext(a) + QStringLiteral(" x ") + zahltext(b);
    }
}

bool imPool(int code, int a, int b)
{
    if (code == 13) return a - b >= 0;
    if (code == 14) return a - b < 10;
    return true;
}

// Whether the exchange task's cell lets the drawn task of code 16 or 17 be asked.
bool tauschAnnehmen(int wahl2, const QString& tauschzelle)
{
    if (wahl2 == 1) return tauschzelle == kOffen || tauschzelle == kLeer;
    if (wahl2 == 2) return tauschzelle.mid(3, 1) != QStringLiteral("+");
    return true;
}

bool annehmen(int code)
{
    switch (code) {
    case 11:
    case 12: // tested on the units, before the tens are added
        if (wahl2 == 0) return zahl1 + zahl2 <= 10;
        if (wahl2 == 1) return zahl1 + zahl2 > 10;
        return true;
    case 15:
        if (wahl2 == 0) return zahl1 >= zahl2;
        if (wahl2 == 1) return zahl1 < zahl2;
        return true;
    case 16:
        return tauschAnnehmen(wahl2, tabelle[zahl2][zahl1]);
    case 17:
        if (zahl1 * zahl2 == 0) return true; // no exchange task divides by 0
        return tauschAnnehmen(wahl2, tabelle[zahl1][zahl2 - 1]);
    default:
        return true;
    }
}

// atext, btext, zahl1 and zahl2 from a pool entry.
void operandenLesen(int code, const QString& text)
{
    int pos = -1;
    for (const char* op : { " + ", " - ", " x " }) {
        pos = text.indexOf(QLatin1String(op));
        if (pos >= 0) break;
    }
    atext = text.left(pos);
    if (code == 17) {
        btext = text.mid(pos + 3, 2);
    } else {
        const int gleich = text.indexOf(QLatin1String(" = "), pos + 3);
        btext = text.mid(pos + 3, gleich - pos - 3);
    }
    zahl1 = atext.str().toInt();
    zahl2 = btext.str().toInt();
}

void ausPoolNehmen()
{
    tauschtext = aufgabenliste[nummer];
    aufgabenliste[nummer] = aufgabenliste[anzahl];
    aufgabenliste[anzahl] = tauschtext;
    anzahl = anzahl - 1;
}

} // namespace

const Analyse* analyse(int code)
{
    for (const Analyse& a : kAnalysen)
        if (a.code == code) return &a;
    return nullptr;
}

bool angekreuzt(const Zahlenwahl& wahl, int i, int basis)
{
    return wahl[i] == basis + i;
}

bool mitZehnerUebergang(int code, int a, int b)
{
    if (code == 15) return a < b;
    return a + b >= 11;
}

bool imLauf(int code, int wahl2, int a, int b)
{
    switch (code) {
    case 11:
    case 12:
    case 15:
        if (wahl2 == 0) return !mitZehnerUebergang(code, a, b);
        if (wahl2 == 1) return mitZehnerUebergang(code, a, b);
        return true;
    case 13:
    case 14:
        return imPool(code, a, b);
    default:
        return true;
    }
}

Vorrat aufgabenvorrat(int code, int wahl2, const Zahlenwahl& wahl1, const Zahlenwahl& wahl2liste)
{
    Vorrat v;
    const Analyse* an = analyse(code);
    if (!an) return v;
    int t1 = 0, t2 = 0;
    for (int i = 0; i < an->anzahl1; ++i) {
        if (!angekreuzt(wahl1, i, an->basis1)) continue;
        ++t1;
        const int a = an->basis1 + i;
        for (int j = 0; j < an->anzahl2; ++j) {
            if (!angekreuzt(wahl2liste, j, an->basis2)) continue;
            const int b = an->basis2 + j;
            if (!imPool(code, a, b)) continue;
            v.eintraege << eintrag(code, a, b);
            if (code == 11 || code == 12 || code == 15) ++(mitZehnerUebergang(code, a, b) ? v.anzahlmit : v.anzahlohne);
        }
    }
    for (int j = 0; j < an->anzahl2; ++j)
        if (angekreuzt(wahl2liste, j, an->basis2)) ++t2;
    v.anzahl = int(v.eintraege.size());

    // Of two exchange tasks a x b and b x a only one: the numbers ticked in both lists pair up d (d - 1) / 2 times.
    int d = 0;
    for (int i = 0; i < an->anzahl1; ++i) {
        const int a = an->basis1 + i;
        const int j = a - an->basis2;
        if (angekreuzt(wahl1, i, an->basis1) && j >= 0 && j < an->anzahl2 && angekreuzt(wahl2liste, j, an->basis2)) ++d;
    }
    v.minimum = t1 * t2 - d * (d - 1) / 2;

    switch (code) {
    case 11:
    case 12:
    case 15:
        v.aufgabenanzahl = wahl2 == 0 ? v.anzahlohne : wahl2 == 1 ? v.anzahlmit : v.anzahl;
        break;
    case 16:
    case 17:
        v.aufgabenanzahl = wahl2 == 1 ? v.minimum : v.anzahl;
        break;
    default:
        v.aufgabenanzahl = v.anzahl;
    }
    return v;
}

void vorratUebernehmen(const Vorrat& vorrat)
{
    for (int i = aufgabenliste.low(); i <= aufgabenliste.high(); ++i)
        aufgabenliste[i] = QString();
    for (int i = 0; i < vorrat.eintraege.size() && i < aufgabenliste.high(); ++i)
        aufgabenliste[i + 1] = vorrat.eintraege[i];
    anzahl = vorrat.anzahl;
    anzahlohne = vorrat.anzahlohne;
    anzahlmit = vorrat.anzahlmit;
    aufgabenanzahl = vorrat.aufgabenanzahl;
}

void gitterFuellen(int code, int wahl2, const Zahlenwahl& wahl1, const Zahlenwahl& wahl2liste)
{
    tabelle.fill(kLeer);
    fehlerkennungen.fill(kLeer);
    aufgabentabelle.fill(kLeer);
    const Analyse* an = analyse(code);
    if (!an) return;
    for (int i = 0; i < an->anzahl1; ++i) {
        if (!angekreuzt(wahl1, i, an->basis1)) continue;
        for (int j = 0; j < an->anzahl2; ++j) {
            if (!angekreuzt(wahl2liste, j, an->basis2) || !imLauf(code, wahl2, an->basis1 + i, an->basis2 + j))
                continue;
            if (code == 17)
                tabelle[j][i] = kOffen;
            else
                tabelle[i][j] = kOffen;
        }
    }
}

Vorrat aufgabenvorratBauen()
{
    const Vorrat v = aufgabenvorrat(programmcode, wahl2, zahlenwahl1, zahlenwahl2);
    vorratUebernehmen(v);
    gitterFuellen(programmcode, wahl2, zahlenwahl1, zahlenwahl2);
    return v;
}

Abschnitt standardabschnitt(int code)
{
    Abschnitt s;
    s.wahl1.fill(-1);
    s.wahl2liste.fill(-1);
    const Analyse* an = analyse(code);
    if (!an) return s;
    for (int i = 0; i < an->anzahl1; ++i)
        s.wahl1[i] = an->basis1 + i;
    for (int j = 0; j < an->anzahl2; ++j)
        s.wahl2liste[j] = an->basis2 + j;
    s.wahl2 = an->standardwahl2;
    return s;
}

Ladeergebnis abschnittLaden(const QString& datei, int code, Abschnitt& abschnitt)
{
    const Analyse* an = analyse(code);
    if (!an) return Ladeergebnis::DateiFehlt;
    if (!files::fileExists(datei)) return Ladeergebnis::DateiFehlt;
    std::vector<int> werte;
    const QString stichwort = QString::fromUtf8(an->stichwort);
    if (!einstellungsdatei::abschnittladen(datei, stichwort, an->anzahl1 + an->anzahl2 + 1, werte)) {
        abschnitt = standardabschnitt(code);
        return Ladeergebnis::Standard;
    }
    Abschnitt s;
    s.wahl1.fill(-1);
    s.wahl2liste.fill(-1);
    int k = 0;
    for (int i = 0; i < an->anzahl1; ++i, ++k)
        if (werte[size_t(k)] == an->basis1 + i) s.wahl1[i] = werte[size_t(k)];
    for (int j = 0; j < an->anzahl2; ++j, ++k)
        if (werte[size_t(k)] == an->basis2 + j) s.wahl2liste[j] = werte[size_t(k)];
    s.wahl2 = werte[size_t(k)];
    if (s.wahl2 < 0 || s.wahl2 >= an->varianten) s.wahl2 = an->standardwahl2;
    abschnitt = s;
    return Ladeergebnis::Gelesen;
}

std::vector<std::vector<int>> abschnittZeilen(int code, const Abschnitt& abschnitt)
{
    const Analyse* an = analyse(code);
    if (!an) return {};
    std::vector<int> zahlen;
    for (int i = 0; i < an->anzahl1; ++i)
        zahlen.push_back(angekreuzt(abschnitt.wahl1, i, an->basis1) ? an->basis1 + i : -1);
    for (int j = 0; j < an->anzahl2; ++j)
        zahlen.push_back(angekreuzt(abschnitt.wahl2liste, j, an->basis2) ? an->basis2 + j : -1);
    return { zahlen, { abschnitt.wahl2 } };
}

void tabellenversatz(int code, int& zeile, int& spalte)
{
    zeile = code == 14 ? 11 : 0;
    spalte = code == 14 ? 2 : code == 17 ? 1 : 0;
}

void aufgabenzelle(int code, int& zeile, int& spalte)
{
    int vz = 0, vs = 0;
    tabellenversatz(code, vz, vs);
    if (code == 17) {
        zeile = zahl2 - vz;
        spalte = zahl1 - vs;
    } else {
        zeile = zahl1 - zehneranteil - vz;
        spalte = zahl2 - vs;
    }
}

void laufBeginnen()
{
    const Analyse* an = analyse(programmcode);
    eingabe = QString();
    zeichen = an ? QString::fromUtf8(an->zeichen) : QString();
    zaehler = 0;
    laufzeit = 0;
    dauer = 0;
    zaehlerLoeschen();
}

bool aufgabeErzeugen(Aufgabenbild& bild)
{
    const int code = programmcode;
    bild = {};
    eingabe = QString();
    fehlerwerte = Fehlerwerte().wert;
    fehlerwerteM = Fehlerwerte().m;
    zehneranteil = 0;
    int vz = 0, vs = 0;
    tabellenversatz(code, vz, vs);
    tabzeilenzahl = shortint(vz);
    tabspaltenzahl = shortint(vs);
    if (!analyse(code)) return false;

    bool gezogen = false;
    while (!gezogen && anzahl > 0) {
        nummer = Random(anzahl) + 1;
        operandenLesen(code, aufgabenliste[nummer]);
        gezogen = annehmen(code);
        ausPoolNehmen();
    }
    if (!gezogen) return false;

    switch (code) {
    case 11:
        zahl = zahl1 + zahl2;
        bild.links = zahltext(zahl1) + QStringLiteral(" + ") + btext + QStringLiteral(" = ");
        break;
    case 12:
        zehneranteil = (Random(8) + 1) * 10;
        zahl1 += zehneranteil;
        zahl = zahl1 + zahl2;
        bild.links = zahltext(zahl1) + QStringLiteral(" + ") + btext + QStringLiteral(" = ");
        break;
    case 13:
    case 14:
        zahl = zahl1 - zahl2;
        switch (wahl2) {
        case 1: // c = a + _
            bild.links = atext + QStringLiteral(" = ") + btext + QStringLiteral(" +");
            break;
        case 2: // c = _ + a
            bild.links = atext + QStringLiteral(" = ");
            bild.rechts = QStringLiteral(" + ") + btext;
            break;
        case 3: // a + _ = c
            bild.links = btext + QStringLiteral(" + ");
            bild.rechts = QStringLiteral(" = ") + atext;
            break;
        default: // c - a = _
            bild.links = atext + QStringLiteral(" - ") + btext + QStringLiteral(" =");
        }
        break;
    case 15:
        zehneranteil = (Random(8) + 2) * 10;
        zahl1 += zehneranteil;
        zahl = zahl1 - zahl2;
        bild.links = zahltext(zahl1) + QStringLiteral(" - ") + btext + QStringLiteral(" = ");
        break;
    case 16:
        zahl = zahl1 * zahl2;
        bild.links = atext + QStringLiteral("  ") + btext + QStringLiteral(" = ");
        break;
    case 17:
        zahl = zahl2;
        bild.links = zahltext(zahl1 * zahl2) + QStringLiteral("  ") + atext + QStringLiteral(" = ");
        break;
    }
    const Fehlerwerte w = fehlerwerteBerechnen(code, zahl1, zahl2, zahl, zehneranteil);
    fehlerwerte = w.wert;
    fehlerwerteM = w.m;
    zaehler = zaehler + 1;
    aufgabentext = bild.rechts.isEmpty() ? bild.links : bild.rechts;
    aufgabenstart = clockx::now();
    return true;
}

} // namespace gra
