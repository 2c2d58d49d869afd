#include "analyses/f_prot_logik.h"

#include "platform/textfile.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/pfadzeile.h"

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

} // namespace

int lesen(const QString& pfad)
{
    int n = 0;
    TextFile f;
    f.assign(pfad);
    f.reset();
    if (f.ioResult() == 0) {
        while (!f.eof() && n < kMaxZeilen) {
            ++n;
            pfadzeile::setzen(n, f.readLine(), kPfadzeile);
        }
        f.close();
    }
    for (int i = n + 1; i <= protzeilen.high(); ++i)
        protzeilen[i] = QString();
    protzeilenzahl = byte(n);
    return n;
}

Seite bildschirm(int programmcode, int zeilenzahl)
{
    Seite s;
    int bis = 0;
    if (schnellesSehen(programmcode))
        bis = std::min(zeilenzahl, kSchirmzeilenSs);
    else if (grundrechenart(programmcode) || programmcode == 20)
        bis = zeilenzahl;
    for (int i = 1; i <= bis; ++i)
        s.texte.append({ 10, 30 - kZeilenabstand * i, protzeilen[i].str() });
    if (schnellesSehen(programmcode) && zeilenzahl > kSchirmzeilenSs)
        s.texte.append({ 1, 30 - kZeilenabstand * (kSchirmzeilenSs + 1), kWeitereAufgaben });
    if (grundrechenart(programmcode)) s.striche = { { 15, -575, 1570, -575 }, { 85, -500, 85, -2130 } };
    return s;
}

QVector<Seite> druckseiten(int programmcode, int zeilenzahl, int zeichen)
{
    const QStringList pfad = pfadzeile::umbrechen(zeile(kPfadzeile, zeilenzahl), zeichen);
    const int mehr = int(pfad.size()) - 1;
    QVector<Seite> seiten;
    int s = 1;
    for (;;) {
        int von = 0, bis = 0;
        seitenbereich(s, von, bis);
        if (s > 1) von -= mehr;
        bis -= mehr;
        if (s > 1 && zeilenzahl < von) break;
        Seite seite;
        if (s == 1) {
            for (int i = von; i <= std::min(bis, zeilenzahl); ++i) {
                if (i == kPfadzeile) {
                    for (int k = 0; k < pfad.size(); ++k)
                        seite.texte.append({ 200, -100 - 40 * (i + k), pfad.at(k) });
                    continue;
                }
                seite.texte.append({ 200, -100 - 40 * (i > kPfadzeile ? i + mehr : i), zeile(i, zeilenzahl) });
            }
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
    for (Strich st : druckrahmen(programmcode)) {
        st.y1 -= 40 * mehr;
        st.y2 -= 40 * mehr;
        seiten.first().striche.append(st);
    }
    return seiten;
}

} // namespace prot
