#include "analyses/f_prot_logik.h"

#include "shell/HalmorGlobalDefs.h"
#include "shell/pfadzeile.h"
#include "shell/protokolldatei.h"

#include <algorithm>

namespace prot {

const QString kWeitereAufgaben = QStringLiteral(" Es wurden noch weitere Aufgaben bearbeitet und gespeichert.");

namespace {

bool schnellesSehen(int code)
{
    return code >= 1 && code <= 3;
}

bool grundrechenart(int code)
{
    return code >= 11 && code <= 17;
}

QString zeile(int i, int zeilenzahl)
{
    return i <= zeilenzahl ? protzeilen[i].str() : QString();
}

// First and last record line of printed page s (from 1).
void seitenbereich(int s, int& von, int& bis)
{
    if (s == 1) {
        von = 1;
        bis = 67;
    } else if (s == 2) {
        von = 68;
        bis = 133;
    } else {
        von = 134 + 67 * (s - 3);
        bis = von + 66;
    }
}

QVector<Strich> druckrahmen(int code)
{
    switch (code) {
    case 11:
    case 13:
    case 16:
        return { { 180, -630, 1700, -630 }, { 275, -560, 275, -2030 } };
    case 12:
    case 15:
        return { { 180, -630, 1740, -630 }, { 275, -560, 275, -1920 } };
    case 14:
        return { { 180, -630, 1700, -630 }, { 275, -560, 275, -1670 } };
    case 17:
        return { { 180, -630, 1770, -630 }, { 295, -560, 295, -2030 } };
    default:
        return {};
    }
}

// The path line in the pieces of at most `zeichen` characters that it takes.
QStringList pfadstuecke(int zeilenzahl, int zeichen)
{
    return pfadzeile::umbrechen(zeile(kPfadzeile, zeilenzahl), zeichen);
}

// The lines the path line takes beyond its own.
int zusatzzeilen(int zeilenzahl, int zeichen)
{
    return zeilenzahl >= kPfadzeile ? int(pfadstuecke(zeilenzahl, zeichen).size()) - 1 : 0;
}

// Record lines von..bis under each other, line i at (x, oben - abstand i); the path line's further pieces take
// the places below it and move the lines after it down. Returns by how many lines.
int untereinander(Seite& seite, int von, int bis, int zeilenzahl, int zeichen, int x, int oben, int abstand)
{
    const int mehr = zusatzzeilen(zeilenzahl, zeichen);
    for (int i = von; i <= std::min(bis, zeilenzahl); ++i) {
        if (i == kPfadzeile) {
            const QStringList stuecke = pfadstuecke(zeilenzahl, zeichen);
            for (int k = 0; k < stuecke.size(); ++k)
                seite.texte.append({ x, oben - abstand * (i + k), stuecke.at(k) });
        } else {
            seite.texte.append({ x, oben - abstand * (i > kPfadzeile ? i + mehr : i), zeile(i, zeilenzahl) });
        }
    }
    return mehr;
}

QVector<Strich> verschoben(QVector<Strich> striche, int nachUnten)
{
    for (Strich& st : striche) {
        st.y1 -= nachUnten;
        st.y2 -= nachUnten;
    }
    return striche;
}

} // namespace

int lesen(const QString& pfad)
{
    // A name Windows-1252 has no letter for stands in UTF-8 in its line, and is shown so.
    const QStringList zeilen = protokoll::lesen(pfad);
    const int n = std::min(int(zeilen.size()), kMaxZeilen);
    for (int i = 1; i <= n; ++i)
        pfadzeile::setzen(i, zeilen.at(i - 1), kPfadzeile);
    for (int i = n + 1; i <= protzeilen.high(); ++i)
        protzeilen[i] = QString();
    protzeilenzahl = byte(n);
    return n;
}

Seite bildschirm(int programmcode, int zeilenzahl, int zeichen)
{
    Seite s;
    int bis = 0;
    if (schnellesSehen(programmcode))
        bis = std::min(zeilenzahl, kSchirmzeilenSs);
    else if (grundrechenart(programmcode) || programmcode == 20)
        bis = zeilenzahl;
    const int mehr = untereinander(s, 1, bis, zeilenzahl, zeichen, 10, 30, kZeilenabstand);
    if (schnellesSehen(programmcode) && zeilenzahl > kSchirmzeilenSs)
        s.texte.append({ 1, 30 - kZeilenabstand * (kSchirmzeilenSs + 1 + mehr), kWeitereAufgaben });
    if (grundrechenart(programmcode))
        s.striche = verschoben({ { 15, -575, 1570, -575 }, { 85, -500, 85, -2130 } }, kZeilenabstand * mehr);
    return s;
}

QVector<Seite> druckseiten(int programmcode, int zeilenzahl, int zeichen)
{
    const int mehr = zusatzzeilen(zeilenzahl, zeichen);
    QVector<Seite> seiten;
    int s = 1;
    for (;;) {
        int von = 0, bis = 0;
        seitenbereich(s, von, bis);
        if (s > 1) von -= mehr;
        bis -= mehr;
        // A path line that takes a page or more of its own leaves the earlier pages empty: their lines start
        // with line 1 on the first page that has room, never before it.
        von = std::max(von, 1);
        if (s > 1 && zeilenzahl < von) break;
        Seite seite;
        if (s == 1) {
            untereinander(seite, von, bis, zeilenzahl, zeichen, 200, -100, 40);
        } else {
            const QString kopf = (protzeilen[1].str() + QStringLiteral("     Seite  ") + QString::number(s)).left(113);
            seite.texte.append({ s == 2 ? 200 : 202, -100, kopf });
            for (int i = von; i <= std::min(bis, zeilenzahl); ++i)
                seite.texte.append({ 200, -140 - 40 * (i - von + 1), zeile(i, zeilenzahl) });
        }
        seiten.append(seite);
        ++s;
    }
    // The frame lines belong to the result grid, which stands on the first page.
    seiten.first().striche = verschoben(druckrahmen(programmcode), 40 * mehr);
    return seiten;
}

QString drucktitel(int programmcode, const QString& schueler)
{
    // As the analyses hub names them; the division without its colon, which no file name may hold.
    QString analyse;
    switch (programmcode) {
    case 1:
        analyse = QStringLiteral("schnelles Sehen im 10er-Feld");
        break;
    case 2:
        analyse = QStringLiteral("schnelles Sehen im 20er-Feld");
        break;
    case 3:
        analyse = QStringLiteral("schnelles Sehen im 100er-Feld");
        break;
    case 11:
        analyse = QStringLiteral("kleines 1 + 1");
        break;
    case 12:
        analyse = QStringLiteral("gem. Zehnerzahl + Einer");
        break;
    case 13:
        analyse = QStringLiteral("kleines 1 - 1 (im Raum bis 10)");
        break;
    case 14:
        analyse = QStringLiteral("kleines 1 - 1 (Zehnerübergang)");
        break;
    case 15:
        analyse = QStringLiteral("gem. Zehnerzahl - Einer");
        break;
    case 16:
        analyse = QStringLiteral("kleines 1 x 1");
        break;
    case 17:
        analyse = QStringLiteral("kleines 1 durch 1");
        break;
    case 20:
        analyse = QStringLiteral("schriftliche Subtraktion");
        break;
    default:
        break;
    }
    return (analyse + QStringLiteral(" Protokoll ") + schueler).simplified();
}

} // namespace prot
