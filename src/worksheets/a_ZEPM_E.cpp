#include "worksheets/a_ZEPM_E.h"

TForm15::TForm15(QWidget* parent)
    : Zehnerblatt(
        Texte {
            QStringLiteral("gemZpmE"),
            QStringLiteral("gemischte Zehner und Einer"),
            { QStringLiteral("gem. Zehnerzahl +/- Einer  ohne Zehnerübergang  Beispiel:          64 + 5 = 69        "
                             "69 - 5 = 64"),
                QStringLiteral("gem. Zehnerzahl  +/-  Einer  mit Zehnerübergang Beispiel:        64 + 8 = 72        "
                               "72 - 8 = 64"),
                QStringLiteral("Addieren zum // Abziehen vom vollen Zehner         Beispiel:          37 + 3 = 40   "
                               "     40 - 3 = 37"),
                QStringLiteral("volle Zehnerzahl und Einer:                                  Beispiel:            "
                               "40 + 3 = 43        43 - 3 = 40") },
            QStringLiteral("Formen der Aufgabenstellung"),
            QStringLiteral("die Verwandtschaft der Plusaufgabe:  64 + 8 = 72"),
            QStringLiteral("Welche Form wie oft?"),
            { QStringLiteral("64 +  8 = __"), QStringLiteral("72 -  8 = __ "), QStringLiteral("64 + _ = 72 "),
                QStringLiteral("72  - _ = 64 "), QStringLiteral("__ +  8 = 72 "), QStringLiteral(" __ -  8 = 64 ") },
            QStringLiteral("gem. Zehner und Einer"),
            QStringLiteral("       Name: _____________"),
            false,
            raum100::zehnerUndEiner,
        },
        parent)
{
}
