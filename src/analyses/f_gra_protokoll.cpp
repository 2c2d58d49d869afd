#include "analyses/f_gra_protokoll.h"

#include "analyses/f_gra_fehler.h"
#include "analyses/f_gra_logik.h"
#include "analyses/f_schueler.h"
#include "platform/clock.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/pfadzeile.h"

#include <algorithm>

namespace gra {
namespace {

// One line of the error legend: the letter whose counter it shows, its text and, for some, a second line.
struct Legende {
    const char* kennung;
    const char* text;
    const char* zweiteZeile;
};

const Legende kLegende11[] = {
    { "A", "        A     (Finger-)Abzähl-Fehler, Fehler der Nähe 1 plus", "" },
    { "B", "        B     (Finger-)Abzähl-Fehler, Fehler der Nähe 1 minus", "" },
    { "C", "        C     Fehler mit der Null (1): 0 + a = 0", "" },
    { "D", "        D     Fehler mit der Null (2): a + 0 = 0", "" },
    { "E", "        E     minus statt plus gerechnet (korrekt)", "" },
    { "F", "        F     Zahlendreher", "" },
    { "G", "        G     Zehner plus 2. Summand", "" },
    { "H", "        H     Zehner plus 1. Summand", "" },
    { "I", "        I     1.Teilbetrag des 2.Summanden nochmals addiert", "" },
    { "J", "        J     Zehner + (kleinere) Hälfte des 2. Summanden", "" },
    { "K", "        K     (+10+1) statt (+10-1)", "" },
    { "L", "        L     Ziffernfolge abgetippt", "" },
    { "M", "        M     versehentliche Wiederholung einer richtigen Ziffer", "" },
    { "T", "        T     nur Einerziffer: unvollständig korrigierter Zahlendreher", "" },
    { "U", "        U     nur Zehnerziffer: unvollständig korrigierter Zahlendreher", "" },
    { "ud", "        ud    ? (undefinierter Fehler)", "" },
};
const Legende kLegende12[] = {
    { "A", "        A     (Finger-)Abzähl-Fehler, Fehler der Nähe+", "" },
    { "B", "        B     (Finger-)Abzähl-Fehler, Fehler der Nähe-", "" },
    { "C", "        C     Kombifehler: Nähe+ und Zahlendreher", "" },
    { "D", "        D     Kombifehler: Nähe- und Zahlendreher", "" },
    { "E", "        E     minus statt plus gerechnet (korrekt)", "" },
    { "F", "        F     Zahlendreher", "" },
    { "G", "        G     Zahlendreher im 1. Summand", "" },
    { "H", "        H     Zehner plus 1. Summand", "" },
    { "I", "        I     1.Teilbetrag des 2.Summanden nochmals addiert", "" },
    { "J", "        J     Zehner + (kleinere) Hälfte des 2. Summanden", "" },
    { "K", "        K     (+10+1) statt (+10-1)", "" },
    { "L", "        L     Ziffernfolge abgetippt", "" },
    { "M", "        M     versehentliche Wiederholung einer richtigen Ziffer", "" },
    { "N", "        N     2. Summand zur Zehnerziffer addiert", "" },
    { "O", "        O     unberechtigt den Zehner überschritten", "" },
    { "P", "        P     unberechtigt im Zehner geblieben", "" },
    { "Q", "        Q     gleicher Zehner plus 2. Summand", "" },
    { "R", "        R     folgender Zehner plus 2. Summand", "" },
    { "T", "        T     nur Einerziffer: unvollständig korrigierter Zahlendreher", "" },
    { "U", "        U     nur Zehnerziffer: unvollständig korrigierter Zahlendreher", "" },
    { "ud", "        ud    ? (undefinierter Fehler)", "" },
};
const Legende kLegende13[] = {
    { "A", "        A     (Finger-)Abzähl-Fehler, Fehler der Nähe 1 plus", "" },
    { "B", "        B     (Finger-)Abzähl-Fehler, Fehler der Nähe 1 minus", "" },
    { "E", "        E     plus statt minus gerechnet (korrekt)", "" },
    { "F", "        F     Kombifehler: plus statt minus  und  N+(Finger-)Abzähl-Fehler", "" },
    { "G", "        G     Kombifehler: plus statt minus  und  N-(Finger-)Abzähl-Fehler", "" },
    { "K", "        K     Fehler mit der Null (1):  a - a = a", "" },
    { "C", "        C     Fehler mit der Null (2):  a - 0 = 0", "" },
    { "D", "        D     Fehler mit der Null (3):  aus -0 wird -1", "" },
    { "L", "        L     Ziffernfolge abgetippt", "" },
    { "M", "        M     versehentliche Wiederholung einer richtigen Ziffer", "" },
    { "ud", "        ud    ? (undefinierter Fehler)", "" },
};
const Legende kLegende14[] = {
    { "A", "        A     (Finger-)Abzähl-Fehler, Fehler der Nähe 1 plus", "" },
    { "B", "        B     (Finger-)Abzähl-Fehler, Fehler der Nähe 1 minus", "" },
    { "E", "        E     plus statt minus gerechnet (korrekt)", "" },
    { "F", "        F     absolute Differenz nach Einertausch", "                    oder: 2. Zerlegungszahl addiert" },
    { "G", "        G     absolute Differenz der Einer", "                    oder: zweiter Teilsubtrahend genannt" },
    { "H", "        H     1. Teilsubtrahenden 2x abgezogen", "" },
    { "I", "        I     gängiges/halbierendes Zerlegen des Subtrahenden", "" },
    { "J", "        J     -10 -1 statt -10 +1", "" },
    { "K", "        K     ganzer Subtrahend von der 10 abgezogen", "" },
    { "L", "        L     Ziffernfolge abgetippt", "" },
    { "M", "        M     versehentliche Wiederholung einer richtigen Ziffer", "" },
    { "ud", "        ud    ? (undefinierter Fehler)", "" },
};
const Legende kLegende15[] = {
    { "A", "        A     (Finger-)Abzähl-Fehler, Fehler der Nähe+", "" },
    { "B", "        B     (Finger-)Abzähl-Fehler, Fehler der Nähe-", "" },
    { "C", "        C     Kombifehler: Nähe+ und Zahlendreher", "" },
    { "D", "        D     Kombifehler: Nähe- und Zahlendreher", "" },
    { "E", "        E     plus statt minus gerechnet (korrekt)", "" },
    { "F", "        F     Zahlendreher im (richtigen) Ergebnis", "" },
    { "G", "        G     Zahlendreher im Minuenden, danach richtig", "" },
    { "H", "        H     Subtrahieren nach Einertausch 1 (Absolutwertfehler im alten Zehner)",
        "                    oder: 2. Teilbetrag des Subtrahenden addiert" },
    { "I", "        I     Subtrahieren nach Einertausch 2 (Absolutwertfehler im neuen Zehner)",
        "                    oder: 2. Teilbetrag des Subtrahenden zum neuen 10er addiert" },
    { "J", "        J     gängiges/halbierendes Zerlegen des Subtrahenden", "" },
    { "K", "        K     1. Teilbetrag des Subtrahenden 2x abgezogen", "" },
    { "L", "        L     Ziffernfolge abgetippt", "" },
    { "M", "        M     versehentliche Wiederholung einer richtigen Ziffer", "" },
    { "N", "        N     (-10-1) statt (-10+1)", "" },
    { "O", "        O     unberechtigt den Zehner überschritten", "" },
    { "P", "        P     unberechtigt im Zehner geblieben", "" },
    { "Q", "        Q     ganzer Subtrahend vom nächstniedrigen Zehner abgezogen", "" },
    { "R", "        R     ganzer Subtrahend vom nöchsthöheren Zehner abgezogen", "" },
    { "S", "        S     Subtrahenden von der Zehnerziffer abgezogen", "" },
    { "T", "        T     nur Einerziffer: unvollständig korrigierter Zahlendreher", "" },
    { "U", "        U     nur Zehnerziffer: unvollständig korrigierter Zahlendreher", "" },
    { "V", "        V     beide Einer vom Zehner abgezogen // gegenläufige Einererhöhung", "" },
    { "ud", "        ud    ? (undefinierter Fehler)", "" },
};
const Legende kLegende16[] = {
    { "A", "        A     Reihen-Aufsage-Fehler, Fehler der Nähe+", "" },
    { "B", "        B     Reihen-Aufsage-Fehler, Fehler der Nähe-", "" },
    { "C", "        C     Fehler mit der Null (1): 0 * a = a", "" },
    { "D", "        D     Fehler mit der Null (2): a * 0 = a", "" },
    { "E", "        E     plus statt mal gerechnet (korrekt)", "" },
    { "F", "        F     Zahlendreher im (richtigen) Ergebnis", "" },
    { "L", "        L     Ziffernfolge abgetippt", "" },
    { "M", "        M     versehentliche Wiederholung einer richtigen Ziffer", "" },
    { "G", "        G     operativer Fehler: 6 * a = 5 * a + 6 (statt 5 * a + a)", "" },
    { "H", "        H     operativer Fehler: 9 * a = 10 * a - 9 (statt 10 * a - a)", "" },
    { "T", "        T     nur Einerziffer: unvollständig korrigierter Zahlendreher", "" },
    { "U", "        U     nur Zehnerziffer: unvollständig korrigierter Zahlendreher", "" },
    { "ud", "        ud    ? (undefinierter Fehler)", "" },
};
const Legende kLegende17[] = {
    { "A", "        A     Reihen-Aufsage-Fehler, Fehler der Nähe+", "" },
    { "B", "        B     Reihen-Aufsage-Fehler, Fehler der Nähe-", "" },
    { "C", "        C     Fehler mit der Null (1): 0 : a = a", "" },
    { "D", "        D     Fehler mit der Null (2): 0 : a = 1", "" },
    { "E", "        E     minus statt geteilt gerechnet (korrekt)", "" },
    { "L", "        L     Ziffernfolge abgetippt", "" },
    { "M", "        M     versehentliche Wiederholung einer richtigen Ziffer", "" },
    { "ud", "        ud    ? (undefinierter Fehler)", "" },
};

struct Legendenliste {
    const Legende* zeilen;
    int anzahl;
};

template <int N> Legendenliste liste(const Legende (&zeilen)[N])
{
    return { zeilen, N };
}

Legendenliste legende(int code)
{
    switch (code) {
    case 11:
        return liste(kLegende11);
    case 12:
        return liste(kLegende12);
    case 13:
        return liste(kLegende13);
    case 14:
        return liste(kLegende14);
    case 15:
        return liste(kLegende15);
    case 16:
        return liste(kLegende16);
    default:
        return liste(kLegende17);
    }
}

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

QString zahl(int v)
{
    return QString::number(v);
}

// A number "padded to w": one blank in front when it is shorter than w characters.
QString breite(int v, int w)
{
    const QString s = zahl(v);
    return s.size() < w ? QLatin1Char(' ') + s : s;
}

QString titel(int code, int variante, const QString& z)
{
    static const char* const kSumme[] = { " (ohne ZÜ)", " (mit ZÜ)", "" };
    static const char* const kForm[] = { " (Form: a-b=?)", " (Form: c=a+?)", " (Form: c=?+b)", " (Form: a+?=c)" };
    static const char* const kTausch[] = { " (alle)", " (ohne T-Ag)", " (T-Ag: ?\?\?)" };
    auto notiz = [variante](const char* const* texte, int anzahl) {
        return variante >= 0 && variante < anzahl ? u8(texte[variante]) : QString();
    };
    switch (code) {
    case 11:
        return QStringLiteral("  kleines  1 + 1") + notiz(kSumme, 3);
    case 12:
    case 15:
        return QStringLiteral("  gem. Zehner ") + z + QStringLiteral(" Einer") + notiz(kSumme, 3);
    case 13:
        return QStringLiteral("  kleines  1 - 1") + notiz(kForm, 4);
    case 14:
        return QStringLiteral("  kleines  1 - 1") + u8(" ZÜ ") + notiz(kForm, 4);
    default:
        return QStringLiteral("  kleines  1 ") + z + QStringLiteral(" 1") + notiz(kTausch, 3);
    }
}

} // namespace

QString arbeitszeit(int stunden, int minuten, int sekunden)
{
    // An hour's work shows as 60 minutes and more, not as the minutes past the hour.
    return QStringLiteral("Arbeitszeit: ") + zahl(stunden * 60 + minuten) + QLatin1Char(':')
        + (sekunden < 10 ? QStringLiteral("0") : QString()) + zahl(sekunden) + QStringLiteral(" min");
}

QStringList protokollzeilen(const QString& pfad)
{
    const int code = programmcode;
    const QString z = zeichen;
    QStringList zeilen;
    auto setze = [&zeilen](int i, const QString& text) {
        while (zeilen.size() <= i)
            zeilen << QString();
        zeilen[i] = i == pfadzeile::kAnalysen ? text : text.left(100);
    };
    auto zellen = [](const BoundedGrid<Text<6>, 0, 10, 0, 10>& gitter, int zeile, int anzahl, const QString& nach) {
        QString s;
        for (int j = 0; j < anzahl; ++j)
            s += gitter[zeile][j].str() + nach;
        return s;
    };

    // Header
    const QString name = schueler::ohneListe() ? schuelername.str() : schuelername.str().mid(3, 35);
    setze(0, name.leftJustified(37, u' ') + clockx::dateText() + titel(code, wahl2, z));
    setze(1, QStringLiteral("gespeichert unter: ") + pfad);
    setze(2, arbeitszeit(stunden, minuten, sekunden));
    setze(3,
        QStringLiteral("Aufgaben: maximal (nach Vorgabe durch die Zahlenauswahl): ") + zahl(aufgabenanzahl)
            + QStringLiteral(" (?\?\?)"));
    const bool mitAufgabenzeile = code == 12 || code == 15 || code == 17;
    setze(4,
        QStringLiteral("          davon bearbeitet: ") + zahl(zaehler)
            + (mitAufgabenzeile ? QStringLiteral("  gestellte Aufgabe") : QStringLiteral("  ")));
    setze(5, QStringLiteral("          richtig: ") + breite(wahl1, 2) + u8("  Tabelle: richtige Lösung, ++"));
    setze(6, QStringLiteral("                                Zeitangabe"));
    setze(7,
        QStringLiteral("          falsch:  ") + breite(fehlerzahl, 2)
            + u8("  Tabelle: richtige Lösung, _ , falsche Lösung"));
    setze(8, QStringLiteral("                                Zeitangabe, Fehlerkennung(en)"));
    // A run answered within its first second still counts that second.
    const int gesamtsekunden = std::max(1, stunden * 3600 + minuten * 60 + sekunden);
    const int erfolg = zaehler > 0 ? wahl1 * 100 / zaehler : 0;
    const int fehler = zaehler > 0 ? fehlerzahl * 100 / zaehler : 0;
    setze(9,
        u8("richtige Lösungen/Minute: ~") + zahl(wahl1 * 60 / gesamtsekunden) + QStringLiteral("     Erfolgsquote: ~")
            + zahl(erfolg) + QStringLiteral("%") + QStringLiteral("     Fehlerquote: ~") + zahl(fehler)
            + QStringLiteral("%"));
    setze(10, QString());

    // Result grid
    int b = 0; // the bottom line
    switch (code) {
    case 11:
    case 13:
    case 16: {
        setze(11,
            QStringLiteral(" ") + z
                + QStringLiteral("    0     1     2     3     4     5     6     7     8     9    10      F"));
        for (int i = 0; i <= 10; ++i) {
            setze(13 + 3 * i,
                (i < 10 ? QStringLiteral(" ") : QString()) + zahl(i) + QStringLiteral("   ")
                    + zellen(tabelle, i, 11, QString()) + QStringLiteral(" ") + breite(fehlerzeilen[i], 4));
            setze(14 + 3 * i, QStringLiteral("     ") + zellen(fehlerkennungen, i, 11, QString()));
        }
        b = 46;
        QString unten = QStringLiteral("F");
        for (int j = 0; j <= 10; ++j)
            unten += QStringLiteral("    ") + breite(fehlerspalten[j], 2);
        setze(b, unten + QStringLiteral("     ") + breite(fehlerzahl, 2));
        break;
    }
    case 12:
    case 15: {
        setze(11,
            QStringLiteral(" ") + z
                + QStringLiteral("    0      1      2      3      4      5      6      7      8      9       F"));
        for (int i = 0; i <= 9; ++i) {
            setze(13 + 3 * i,
                QStringLiteral(" _") + zahl(i) + QStringLiteral("  ")
                    + zellen(aufgabentabelle, i, 10, QStringLiteral(" ")));
            setze(14 + 3 * i,
                QStringLiteral("     ") + zellen(tabelle, i, 10, QStringLiteral(" ")) + QStringLiteral(" ")
                    + breite(fehlerzeilen[i], 4));
            setze(15 + 3 * i, QStringLiteral("     ") + zellen(fehlerkennungen, i, 10, QStringLiteral(" ")));
        }
        b = 43;
        QString unten = QStringLiteral(" F");
        for (int j = 0; j <= 9; ++j)
            unten += QStringLiteral("   ") + breite(fehlerspalten[j], 2) + QStringLiteral("  ");
        setze(b, unten + QStringLiteral("    ") + breite(fehlerzahl, 2));
        break;
    }
    case 14: {
        setze(11,
            QStringLiteral(" ") + z
                + QStringLiteral("     2       3       4       5       6       7       8       9        F"));
        for (int i = 0; i <= 7; ++i) {
            setze(13 + 3 * i,
                zahl(i + 11) + QStringLiteral("    ") + zellen(tabelle, i, 8, QStringLiteral("  "))
                    + QStringLiteral(" ") + breite(fehlerzeilen[i], 4));
            setze(14 + 3 * i, QStringLiteral("     ") + zellen(fehlerkennungen, i, 8, QStringLiteral("  ")));
        }
        b = 37;
        QString unten = QStringLiteral(" F");
        for (int j = 0; j <= 7; ++j)
            unten += QStringLiteral("    ") + breite(fehlerspalten[j], 2) + QStringLiteral("  ");
        setze(b,
            unten + QStringLiteral("    ") + (fehlerzahl < 10 ? QStringLiteral("  ") : QString()) + zahl(fehlerzahl));
        break;
    }
    default: {
        setze(11, z + QStringLiteral(" T    1      2      3      4      5      6      7      8      9     10       F"));
        for (int i = 0; i <= 10; ++i) {
            setze(13 + 3 * i,
                QStringLiteral("T*") + (i < 10 ? QStringLiteral(" ") : QString()) + zahl(i) + QStringLiteral("  ")
                    + zellen(aufgabentabelle, i, 10, QStringLiteral(" ")));
            setze(14 + 3 * i,
                QStringLiteral("      ") + zellen(tabelle, i, 10, QStringLiteral(" ")) + QStringLiteral(" ")
                    + breite(fehlerzeilen[i], 4));
            setze(15 + 3 * i, QStringLiteral("     ") + zellen(fehlerkennungen, i, 10, QStringLiteral(" ")));
        }
        b = 46;
        QString unten = QStringLiteral("F");
        for (int j = 0; j <= 9; ++j)
            unten += QStringLiteral("     ") + breite(fehlerspalten[j], 2);
        setze(b, unten + QStringLiteral("      ") + breite(fehlerzahl, 2));
        break;
    }
    }

    // Error legend
    if (fehlerzahl > 0) {
        setze(b + 1, QString());
        setze(b + 2, QStringLiteral("F e h l e r a n a l y s e :"));
        setze(b + 3, u8("Anzahl  Kennung  möglicher Fehlertyp"));
        int n = b + 4;
        const Legendenliste l = legende(code);
        for (int k = 0; k < l.anzahl; ++k) {
            const int anzahl = kennungszaehler(u8(l.zeilen[k].kennung));
            if (anzahl <= 0) continue;
            setze(n++, zahl(anzahl).rightJustified(3, u' ') + u8(l.zeilen[k].text));
            if (*l.zeilen[k].zweiteZeile) setze(n++, u8(l.zeilen[k].zweiteZeile));
        }
        if (code == 17) setze(n++, QStringLiteral("Beim Teilen gibt es kaum 'echte' Fehlerstrategien."));
    }
    return zeilen;
}

QString protokollSchreiben(QString& fehler, QStringList* zeilenAus)
{
    endzeit = clockx::now();
    laufzeit = zaehler == 0 ? 0.0 : endzeit - startzeit;
    for (int i = 0; i <= 75; ++i)
        protzeilen[i] = QString();
    clockx::decode(laufzeit, stunden, minuten, sekunden, millisek);

    QStringList zeilen;
    const QString pfad = schueler::protokollanlegen(
        [&zeilen](const QString& p) {
            zeilen = protokollzeilen(p);
            return zeilen;
        },
        fehler);
    if (pfad.isEmpty()) zeilen = protokollzeilen(schueler::protokollstamm() + nrtext + QStringLiteral(".txt"));
    for (int i = 0; i < zeilen.size() && i <= protzeilen.high(); ++i)
        pfadzeile::setzen(i, zeilen[i], pfadzeile::kAnalysen);
    if (zeilenAus) *zeilenAus = zeilen;
    return pfad;
}

} // namespace gra
