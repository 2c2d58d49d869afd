#include "aids/zahlendreher.h"

namespace zahlendreher {

bool ausEingabe(const QString& getippt, int erwartet)
{
    const QString t = getippt.trimmed();
    if (t.isEmpty()) return false;
    bool ok = false;
    const int zahl = t.toInt(&ok);
    if (!ok || zahl == erwartet) return false;
    const int letzte = t.at(t.size() - 1).digitValue();
    const int vorletzte = t.size() >= 2 ? t.at(t.size() - 2).digitValue() : letzte;
    if (letzte < 0 || vorletzte < 0) return false;
    return letzte * 10 + vorletzte + (zahl / 100) * 100 == erwartet;
}

bool ausErwartung(int erwartet, const QString& getippt)
{
    const QString t = getippt.trimmed();
    if (t == QString::number(erwartet)) return false;
    return QString::number((erwartet % 10) * 10 + erwartet / 10) == t;
}

} // namespace zahlendreher
