#include "games/s_KP_logik.h"

#include "shell/HalmorGlobalDefs.h"

#include <utility>

namespace s_KP {

QString titel(int spiel)
{
    switch (spiel) {
    case 1:
        return QStringLiteral("Was tun die Maschinen?");
    case 12:
        return QStringLiteral("Was tut die Maschine?");
    case 4:
        return QStringLiteral("Zeichen für Ziffern");
    case 9:
        return QStringLiteral("Zahlenkette 4");
    case 11:
        return QStringLiteral("Zahlenkette 5");
    case 13:
        return QStringLiteral("buntes Feld");
    case 14:
        return QStringLiteral("2 Nachbarn im 100er-Feld");
    case 15:
        return QStringLiteral("3 Nachbarn im 100er-Feld");
    case 16:
        return QStringLiteral("4 Nachbarn im 100er-Feld");
    case 20:
        return QStringLiteral("Zahlenpyramide 4");
    case 21:
        return QStringLiteral("Zahlenpyramide 3");
    case 22:
        return QStringLiteral("Zauberquadrate");
    default:
        return QString();
    }
}

bool hatRegeln(int spiel)
{
    switch (spiel) {
    case 1:
    case 4:
    case 9:
    case 11:
    case 12:
    case 20:
    case 21:
    case 22:
        return true;
    default:
        return false;
    }
}

bool operationenZaehlen()
{
    gewaehltzahl = 0;
    for (int i = 0; i <= 3; ++i) {
        if (rechenarten[i] == i) {
            rechenartzeichen[i] = operatorzeichen[i].str();
            ++gewaehltzahl;
        } else {
            rechenartzeichen[i] = "n";
        }
    }
    return gewaehltzahl >= 1;
}

bool operatorliste()
{
    for (int j = 0; j <= 9; ++j)
        maschinenzahlen[j] = shortint(ziehzahlen[j + 1] == j ? j : -1);
    zwzahl1 = 0;
    for (int i = 0; i <= 3; ++i) {
        if (rechenartzeichen[i] == "n") continue;
        for (int j = 0; j <= 9; ++j)
            if (maschinenzahlen[j] == j) operatortexte[++zwzahl1] = rechenartzeichen[i] + QString::number(j);
    }
    // Nothing may be divided by 0: the last operator takes its place.
    for (int k = 1; k <= zwzahl1; ++k) {
        if (operatortexte[k] == ":0") {
            std::swap(operatortexte[k], operatortexte[zwzahl1]);
            --zwzahl1;
            break;
        }
    }
    operatorzahl = zwzahl1;
    return operatorzahl >= 1;
}

bool richtungenZaehlen()
{
    gewaehltzahl = 0;
    for (int i = 0; i <= 3; ++i) {
        if (nachbarlagen[i] == i)
            ++gewaehltzahl;
        else
            nachbarlagen[i] = -1;
    }
    return gewaehltzahl >= 1;
}

bool zqGueltig()
{
    return variante >= 1 && variante <= 100 && variante2 <= 100;
}

bool startErlaubt(int spiel)
{
    switch (spiel) {
    case 1:
    case 12:
        operationenZaehlen();
        return operatorliste();
    case 4:
        return operationenZaehlen();
    case 14:
    case 15:
    case 16:
        return richtungenZaehlen();
    case 22:
        return zqGueltig();
    case 9:
    case 11:
    case 13:
    case 20:
    case 21:
        return true;
    default:
        return false;
    }
}

} // namespace s_KP
