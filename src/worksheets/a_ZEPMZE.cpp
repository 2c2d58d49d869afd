#include "worksheets/a_ZEPMZE.h"

TForm16::TForm16(QWidget* parent)
    : Zehnerblatt(
        Texte {
            QStringLiteral("gemZgemZ"),
            QStringLiteral("zwei gemischte Zehnerzahlen"),
            { QStringLiteral("Zehnerzahl  +/-  Zehnerzahl              60 + 20 = 80"),
                QStringLiteral("gem. Zehnerzahl  +/-  Zehnerzahl    64 + 20 = 84"),
                QStringLiteral("Zehnerzahl  +/- gem. Zehnerzahl     60 + 28 = 88"),
                QStringLiteral("die Summe ist eine Zehnerzahl        64 + 26 = 90"),
                QStringLiteral("2  gem. Zehnerzahlen, ohne  Zehnerübergang"),
                QStringLiteral("2  gem. Zehnerzahlen, mit Zehnerübergang") },
            QStringLiteral("Wahl der Aufgabenformen"),
            QStringLiteral("die Verwandtschaft der Plusaufgabe:  64 + 28 = 92"),
            QStringLiteral("Welche Form      wie oft?"),
            { QStringLiteral("64 +  28 = __"), QStringLiteral("92 -  28 = __ "), QStringLiteral("64 + __ = 92 "),
                QStringLiteral("92  - __ = 64 "), QStringLiteral("__ +  28 = 92 "), QStringLiteral(" __ -  28 = 64 ") },
            QStringLiteral("gemischte Zehnerzahlen"),
            QStringLiteral("        Name: _____________"),
            true,
            raum100::zweiZehnerzahlen,
        },
        parent)
{
}
