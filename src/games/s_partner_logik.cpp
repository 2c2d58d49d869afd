#include "games/s_partner_logik.h"

#include "platform/random.h"

namespace partner {

QString farbwechsel(const QString& amzug)
{
    return amzug == QLatin1String("rot") ? QStringLiteral("blau") : QStringLiteral("rot");
}

Beginn werbeginnt(int beginner, bool ziehen)
{
    Beginn b;
    b.beginner = ziehen ? Random(2) + 1 : beginner;
    b.amzug = b.beginner == 1 ? QStringLiteral("blau") : QStringLiteral("rot");
    return b;
}

Ergebnis spielergebnis(const QString& name1, const QString& name2, int punkte1, int punkte2)
{
    Ergebnis e;
    if (punkte1 == punkte2) {
        e.zeile1 = QStringLiteral("Bravo!");
        e.zeile2 = QStringLiteral("UNENTSCHIEDEN");
        return e;
    }
    const bool zweiter = punkte1 < punkte2;
    e.sieger = zweiter ? 2 : 1;
    const QString& sieger = zweiter ? name2 : name1;
    const QString& verlierer = zweiter ? name1 : name2;
    const int p = zweiter ? punkte2 : punkte1, q = zweiter ? punkte1 : punkte2;
    e.zeile1 = sieger + QStringLiteral(" gewinnt gegen ") + verlierer;
    e.zeile2 = QStringLiteral("mit  %1 : %2").arg(p).arg(q);
    return e;
}

} // namespace partner
