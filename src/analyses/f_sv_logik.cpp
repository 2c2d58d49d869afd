#include "analyses/f_sv_logik.h"

#include "platform/random.h"

#include <cstdlib>

namespace sv {

namespace {

const char kBuchstaben[] = "ABCDEFGHIK";
const char* const kTypnamen[]
    = { "", "N+  ", "N-  ", "+/- ", "+m\u00DC ", "Ri  ", "abs ", "\u00DC-  ", "\u00DC+  ", "Bet ", "vE  ", "udf " };

QString ziffer(int d)
{
    return QString(QChar(u'0' + d));
}

// Hundreds without a borrow from the tens (kinds A, B, D).
void hunderterOhneUebertrag(Aufgabe& a)
{
    a.hunderter1 = Random(5) + 1;
    do {
        a.hunderter2 = Random(9 - a.hunderter1) + 1;
        a.hunderter3 = a.hunderter1 + a.hunderter2;
    } while (!(a.hunderter2 + a.hunderter3 < 10)); // keeps adding instead of subtracting one digit
}

// Hundreds that pay the borrow of the tens (kinds C, E .. I).
void hunderterMitUebertrag(Aufgabe& a)
{
    a.hunderter1 = Random(5) + 1;
    do {
        a.hunderter2 = Random(8 - a.hunderter1) + 1;
        a.hunderter3 = a.hunderter1 + a.hunderter2 + 1;
    } while (!(a.hunderter2 + a.hunderter3 < 10));
}

void zehnerOhneUebertrag(Aufgabe& a)
{
    a.zehner1 = Random(8) + 1;
    a.zehner2 = Random(9 - a.zehner1) + 1;
    a.zehner3 = a.zehner1 + a.zehner2;
}

void einerOhneUebertrag(Aufgabe& a)
{
    a.einer1 = Random(8) + 1;
    a.einer2 = Random(9 - a.einer1) + 1;
    a.einer3 = a.einer1 + a.einer2;
}

// Tens that borrow and pay a borrow of the units (kinds E, G).
void zehnerZweiUebertraege(Aufgabe& a)
{
    do {
        a.zehner1 = Random(8) + 1;
        a.zehner2 = Random(9) + 1;
    } while (a.zehner1 + a.zehner2 < 11);
    a.zehner3 = a.zehner1 + a.zehner2 - 9;
}

// Units that borrow, with a minuend digit above 0 (kinds E, F, G).
void einerMitUebertrag(Aufgabe& a)
{
    do {
        a.einer1 = Random(9) + 1;
        a.einer2 = Random(9) + 1;
    } while (a.einer1 + a.einer2 < 11);
    a.einer3 = a.einer1 + a.einer2 - 10;
}

bool in(int art, std::initializer_list<int> arten)
{
    for (int a : arten)
        if (a == art) return true;
    return false;
}

int plusZehnWennNegativ(int v)
{
    return v < 0 ? v + 10 : v;
}

} // namespace

QStringList hinweiszeilen()
{
    return { QStringLiteral("Es sind 1...3 Aufgaben der folgenden 10 'Arten' zu lösen"),
        QStringLiteral(" A   keine Überträge, dreistellig minus dreistellig"),
        QStringLiteral(" B   keine Überträge, dreistellig minus zweistellig"),
        QStringLiteral(" C   nur die Zehner bewirken einen Übertrag (in den 100er) "),
        QStringLiteral(" D   nur die Einer bewirken einen Übertrag (in den 10er )"),
        QStringLiteral(" E   Einer und Zehner bewirken je einen Übertrag"),
        QStringLiteral(" F   der Einer-Übertrag verursacht einen Zehner-Übertrag "),
        QStringLiteral(" G   dreistellig minus zweistellig, aber: zwei Überträge"),
        QStringLiteral(" H   Nullen! Hunderterzahl minus Zehnerzahl"),
        QStringLiteral("         - folglich: ein Übertrag"),
        QStringLiteral(" I   Übertrag bewirkt Übertrag, weil der Minuend eine"),
        QStringLiteral("         Zehnerzahl ist und die Zehnerziffern gleich sind."),
        QStringLiteral(" K   Null im Ergebnis, weil der Minuend eine Zehnerzahl"),
        QStringLiteral("         und seine Zehnerziffer nur um 1 größer als "),
        QStringLiteral("         die Zehnerziffer des Subtrahenden ist."), QStringLiteral(""),
        QStringLiteral("So beginnt danach die Auswertungstabelle:"),
        QStringLiteral("Art  Zahl  N+  N-  +/-  +mÜ  Ri  abs  Ü-  Ü+  Bet  vE  udf"),
        QStringLiteral(" A   'Art'  = Aufgabenart (A...K) und Fehlersummen"),
        QStringLiteral(" B   'Zahl' = von dieser Art bearbeitete Aufgaben (0...3)"),
        QStringLiteral(" C   'N+  N- ...'  = Fehlertypen und deren Fehlersummen"), QStringLiteral(" D ..."),
        QStringLiteral(""), QStringLiteral("Fehler-Typen:"),
        QStringLiteral(" N+   3 + 4 = 6   gezählt werden:   3  4  5  6"),
        QStringLiteral(" N-   3 + 2 = 6   gezählt werden nur:  4  5"), QStringLiteral(" +/-     plus statt minus"),
        QStringLiteral(" +mÜ  wie C konsequent und ggf. mit Überträgen"),
        QStringLiteral(" Ri      vertauschte Rechenrichtung  (Mitte minus Oben)"),
        QStringLiteral(" abs   Absolutwerte, 'von .. bis' - Rechner"), QStringLiteral(" Ü-     Übertrag: vergessen"),
        QStringLiteral(" Ü+    Übertrag: unberechtigt eingetragen"),
        QStringLiteral(" Bet   falsche (End-)Betonung beim Ergänzen"),
        QStringLiteral(" vE    vorzeitiges Ende (z.B. bei 100er-Lücke im Subt.) "),
        QStringLiteral(" udf   undefinierter Fehler                     ..."), QStringLiteral(""),
        QStringLiteral("Die Analyse soll schnell ablaufen."),
        QStringLiteral("Wenn die Versuchsperson (VP) eine Aufgabe einer Art "),
        QStringLiteral("richtig löst, werden weitere Aufgaben dieser Art ggf. "),
        QStringLiteral("übersprungen. Das Programm endet folglich frühestens nach "),
        QStringLiteral("der 10. und spätestens nach der 30. Aufgabe."), QStringLiteral("Es bricht ab,"),
        QStringLiteral("  - wenn die VP das wünscht"),
        QStringLiteral("  - wenn die VP mehr als 10 undefinierte Fehler macht"),
        QStringLiteral("  - wenn die VP mehr als 10 Fehler der Nähe macht."), QStringLiteral(""),
        QStringLiteral("Die Fehlersummen sind in der Regel höher als die "), QStringLiteral("Aufgabenzahl,"),
        QStringLiteral("  - da an jeder Stelle (HZE) gesondert Fehler analysiert"),
        QStringLiteral("    und gezählt werden"),
        QStringLiteral("  - da Fehler oft mehrdeutig sind und folglich mehrfach"),
        QStringLiteral("    zur Summenerhöhung beitragen."), QStringLiteral(""),
        QStringLiteral("Die Fehlersummen stehen stehen in der untersten Zeile der "),
        QStringLiteral("Tabelle. Wenn dort eine signifikante Häufung auftritt, hat "),
        QStringLiteral("die VP sich eine Fehlerstrategie angewöhnt."),
        QStringLiteral("Üben ist sinnlos, - es würde den Fehler eher verfestigen. "),
        QStringLiteral("Der VP ist ihre Fehlerstrategie bewusst zu machen. Dazu "),
        QStringLiteral("sollten die falschen Aufgaben ausgedruckt werden."), QStringLiteral(""), QStringLiteral("") };
}

QChar artbuchstabe(int art)
{
    return art >= 1 && art <= kArtzahl ? QChar(kBuchstaben[art - 1]) : QChar(u'?');
}

QString typname(int typ)
{
    return typ >= 1 && typ <= kUdf ? QString::fromUtf8(kTypnamen[typ]) : QString();
}

QString Aufgabe::loesungstext() const
{
    return ziffer(hunderter1) + ziffer(zehner1) + ziffer(einer1);
}

QString Aufgabe::minuendtext() const
{
    return ziffer(hunderter3) + ziffer(zehner3) + ziffer(einer3);
}

QString Aufgabe::subtrahendtext() const
{
    return (hunderter2 == 0 ? QStringLiteral(" ") : ziffer(hunderter2)) + ziffer(zehner2) + ziffer(einer2);
}

Aufgabe stellenwurf(int art)
{
    Aufgabe a;
    switch (art) {
    case 1: // A: no borrows, three digits minus three digits
        hunderterOhneUebertrag(a);
        zehnerOhneUebertrag(a);
        einerOhneUebertrag(a);
        break;
    case 2: // B: no borrows, three digits minus two digits
        hunderterOhneUebertrag(a);
        a.hunderter2 = 0;
        a.hunderter3 = a.hunderter1;
        zehnerOhneUebertrag(a);
        einerOhneUebertrag(a);
        break;
    case 3: // C: only the tens borrow
        hunderterMitUebertrag(a);
        do {
            a.zehner1 = Random(8) + 1;
            a.zehner2 = Random(9) + 1;
            a.zehner3 = a.zehner1 + a.zehner2 - 10;
        } while (!(a.zehner1 + a.zehner2 > 9 && a.zehner3 > 0));
        a.einer1 = Random(7) + 1;
        a.einer2 = Random(8 - a.einer1) + 1;
        a.einer3 = a.einer1 + a.einer2;
        break;
    case 4: // D: only the units borrow
        hunderterOhneUebertrag(a);
        a.zehner1 = Random(7) + 1;
        a.zehner2 = Random(8 - a.zehner1) + 1;
        a.zehner3 = a.zehner1 + a.zehner2 + 1;
        do {
            a.einer1 = Random(9) + 1;
            a.einer2 = Random(9) + 1;
            a.einer3 = a.einer1 + a.einer2 - 10;
        } while (!(a.einer1 + a.einer2 > 9 && a.einer3 > 0));
        break;
    case 5: // E: units and tens borrow each
        hunderterMitUebertrag(a);
        zehnerZweiUebertraege(a);
        einerMitUebertrag(a);
        break;
    case 6: // F: the units' borrow makes the tens borrow
        hunderterMitUebertrag(a);
        a.zehner1 = 9;
        a.zehner2 = Random(9) + 1;
        a.zehner3 = a.zehner2;
        einerMitUebertrag(a);
        break;
    case 7: // G: three digits minus two digits with two borrows
        hunderterMitUebertrag(a);
        zehnerZweiUebertraege(a);
        einerMitUebertrag(a);
        a.hunderter2 = 0;
        a.hunderter3 = a.hunderter1 + 1;
        break;
    case 8: // H: a hundreds number minus a tens number; tens and units are drawn first
        a.zehner1 = Random(9) + 1;
        a.zehner2 = 10 - a.zehner1;
        a.zehner3 = 0;
        a.einer1 = a.einer2 = a.einer3 = 0;
        hunderterMitUebertrag(a);
        break;
    case 9: // I: a tens-number minuend with equal tens digits, so a borrow makes a borrow
        hunderterMitUebertrag(a);
        a.zehner1 = 9;
        a.zehner2 = Random(9) + 1;
        a.zehner3 = a.zehner2;
        a.einer1 = Random(9) + 1;
        a.einer2 = 10 - a.einer1;
        a.einer3 = 0;
        break;
    case 10: // K: a 0 in the difference
        a.hunderter1 = Random(8) + 1;
        a.hunderter2 = 0;
        a.hunderter3 = a.hunderter1;
        a.zehner1 = 0;
        a.zehner2 = Random(8) + 1;
        a.zehner3 = a.zehner2 + 1;
        a.einer1 = Random(9) + 1;
        a.einer2 = 10 - a.einer1;
        a.einer3 = 0;
        break;
    default:
        break;
    }
    return a;
}

Prognosen prognosen(int art, const Aufgabe& a, bool eingabeKurz)
{
    const int h1 = a.hunderter1, z1 = a.zehner1, e1 = a.einer1;
    const int h2 = a.hunderter2, z2 = a.zehner2, e2 = a.einer2;
    const int h3 = a.hunderter3, z3 = a.zehner3, e3 = a.einer3;
    Prognosen p;
    auto& h = p.wert[Hunderter];
    auto& z = p.wert[Zehner];
    auto& e = p.wert[Einer];

    // 1 N+: counted one too many (the first number counted along)
    h[1] = in(art, { 3, 5, 6, 7, 8, 9 }) ? kNie : h1 + 1;
    z[1] = in(art, { 4, 5, 6, 7, 9, 10 }) ? kNie : z1 + 1;
    e[1] = e1 + 1;
    // 2 N-: counted one too few
    h[2] = h1 - 1;
    z[2] = z1 - 1 < 0 ? kNie : z1 - 1;
    e[2] = e1 - 1 < 0 ? kNie : e1 - 1;
    // 3 +/-: added instead of subtracted
    h[3] = (h3 + h2) % 10;
    z[3] = (z3 + z2) % 10;
    e[3] = (e3 + e2) % 10;
    // 4 +mÜ: added, with carries
    const int c = e2 + e3 > 9 ? 1 : 0;
    h[4] = z3 + z2 + c > 9 ? (h3 + h2 + 1) % 10 : kNie;
    z[4] = e2 + e3 > 9 ? (z3 + z2 + 1) % 10 : kNie;
    e[4] = kNie;
    // 5 Ri: subtrahend minus minuend, with its own borrows
    int b1 = 0, b2 = 0;
    e[5] = e2 - e3;
    if (e[5] < 0) {
        e[5] += 10;
        b1 = 1;
    }
    z[5] = z2 - z3 - b1;
    if (z[5] < 0) {
        z[5] += 10;
        b2 = 1;
    }
    h[5] = h2 == 0 ? kNie : plusZehnWennNegativ(h2 - h3 - b2);
    // 6 abs: the smaller digit from the larger
    h[6] = kNie;
    z[6] = z3 <= z2 ? std::abs(z3 - z2) : kNie;
    e[6] = std::abs(e3 - e2);
    // 7 Ü-: the borrow forgotten
    h[7] = plusZehnWennNegativ((h3 - h2) % 10);
    z[7] = plusZehnWennNegativ((z3 - z2) % 10);
    e[7] = kNie;
    // 8 Ü+: a borrow paid where there was none; where the tens really borrow, the hundreds pay it rightly.
    const int ch = (z3 == z2 && e3 < e2) ? 0 : (z3 >= z2 ? 1 : 0);
    h[8] = h1 - ch;
    z[8] = e3 >= e2 ? z1 - 1 : z1;
    e[8] = kNie;
    // 9 Bet: the minuend's digit written down
    h[9] = h3;
    z[9] = z3;
    e[9] = e3;
    // 10 vE: stopped early
    h[10] = 0;
    z[10] = eingabeKurz ? 0 : kNie;
    e[10] = kNie;
    return p;
}

bool Tasteneingabe::ziffer(QChar c)
{
    if (c < QLatin1Char('0') || c > QLatin1Char('9') || ziffernzahl() >= 3) return false;
    m_tasten += c;
    return true;
}

bool Tasteneingabe::marke()
{
    const int n = ziffernzahl();
    if (n < 1 || n > 2 || m_tasten.endsWith(kMarke)) return false;
    m_tasten += kMarke;
    return true;
}

bool Tasteneingabe::loeschen()
{
    if (m_tasten.isEmpty()) return false;
    m_tasten.chop(1);
    return true;
}

int Tasteneingabe::ziffernzahl() const
{
    return int(m_tasten.size() - m_tasten.count(kMarke));
}

QString Tasteneingabe::eingabeziffern() const
{
    QString ziffern;
    for (QChar c : m_tasten)
        if (c != kMarke) ziffern.prepend(c);
    return ziffern;
}

void Fehlertabelle::zaehlen(int art, int spalte)
{
    m_wert[std::size_t(art)][std::size_t(spalte)] += 1;
    m_wert[kSummenzeile][std::size_t(spalte)] += 1;
    m_wert[std::size_t(art)][kZeilensumme] += 1;
    m_wert[kSummenzeile][kZeilensumme] += 1;
}

int fortschrittsbreite(int variante, int k)
{
    return ((3 * (variante - 1) + k) * 360) / 30;
}

bool Lauf::naechste()
{
    if (m_zustand == Zustand::Beendet) return false;
    m_eingabe.leeren();
    if (m_artzaehler[std::size_t(m_variante)] >= kHoechstensJeArt) m_weiter = true;
    if (m_weiter) {
        ++m_variante;
        m_weiter = false;
    }
    if (m_variante > kArtzahl || m_udfzaehler >= kStoppgrenze || m_naehezaehler >= kStoppgrenze) {
        m_zustand = Zustand::Beendet;
        return false;
    }
    ++m_artzaehler[std::size_t(m_variante)];
    ++m_artzaehler[kSummenzeile];
    m_aufgabe = stellenwurf(m_variante);
    m_zustand = Zustand::AufgabeOffen;
    return true;
}

Auswertung Lauf::auswertung()
{
    Auswertung ergebnis;
    if (m_zustand != Zustand::AufgabeOffen || m_eingabe.ziffernzahl() == 0) return ergebnis;
    m_zustand = Zustand::Beantwortet;

    const QString ziffern = m_eingabe.eingabeziffern();
    const QString gepolstert = ziffern.rightJustified(3, QLatin1Char(' '));
    auto wert = [](QChar c) { return c == QLatin1Char(' ') ? 0 : c.digitValue(); };
    const int hunderter = wert(gepolstert[0]);
    const int zehner = wert(gepolstert[1]);
    const int einer = wert(gepolstert[2]);

    const int kindVorher = m_artzaehler[std::size_t(m_variante)];
    ergebnis.richtig = ziffern == m_aufgabe.loesungstext();
    ergebnis.fortschritt = fortschrittsbreite(m_variante, ergebnis.richtig ? 3 : kindVorher);
    const Prognosen p = prognosen(m_variante, m_aufgabe, gepolstert[0] == QLatin1Char(' '));
    if (ergebnis.richtig) {
        m_weiter = true;
        return ergebnis;
    }

    const Aufgabe& a = m_aufgabe;
    Fehlerzeilen z;
    z.einer = QString(artbuchstabe(m_variante)) + QString(4, u' ') + QString::number(kindVorher) + QString(14, u' ')
        + a.minuendtext() + QString(7, u' ') + ziffer(einer) + QString(2, u' ');
    z.zehner = QString(19, u' ') + QLatin1Char('-') + a.subtrahendtext() + QString(6, u' ') + ziffer(zehner)
        + QString(3, u' ');
    z.ergebnis = QString(20, u' ') + QStringLiteral("===") + QString(5, u' ') + ziffer(hunderter) + QString(4, u' ');
    z.falsch = QStringLiteral("          falsch:   ") + gepolstert;
    z.richtig = QStringLiteral("          richtig: (") + a.loesungstext() + QLatin1Char(')');
    z.einer = (z.einer + stellenanalyse(Einer, einer, a.einer1, p)).left(kZeilenlaenge);
    z.ergebnis = (z.ergebnis + stellenanalyse(Hunderter, hunderter, a.hunderter1, p)).left(kZeilenlaenge);
    z.zehner = (z.zehner + stellenanalyse(Zehner, zehner, a.zehner1, p)).left(kZeilenlaenge);
    m_zeilen.push_back(z);
    return ergebnis;
}

QString Lauf::stellenanalyse(Stelle stelle, int d, int richtig, const Prognosen& p)
{
    if (d == richtig) return QStringLiteral(" .  (korrekt)");
    QString text;
    for (int typ = 1; typ <= kTypzahl; ++typ) {
        if (d != p(stelle, typ)) continue;
        m_tabelle.zaehlen(m_variante, typ);
        if (typ <= 2) ++m_naehezaehler;
        text += QLatin1Char(' ') + typname(typ);
    }
    if (text.isEmpty()) {
        m_tabelle.zaehlen(m_variante, kUdf);
        ++m_udfzaehler;
        text = QStringLiteral(" udf ");
    }
    return text;
}

bool Lauf::abbrechen()
{
    if (m_zustand == Zustand::AufgabeOffen) {
        --m_artzaehler[std::size_t(m_variante)];
        --m_artzaehler[kSummenzeile];
    }
    m_zustand = Zustand::Beendet;
    return m_artzaehler[kSummenzeile] >= 1;
}

} // namespace sv
