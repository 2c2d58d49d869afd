#include "worksheets/a_zue20.h"

namespace {

Familienangaben angaben()
{
    Familienangaben a;
    a.caption = QStringLiteral("Zehnerübergang");
    a.familie = &familienblatt::zehneruebergang();
    a.abschnitt = &awina::abl_zue();
    a.listen = { blattrahmen::zahlen(1, 9), blattrahmen::zahlen(1, 9), blattrahmen::zahlen(10, 18) };
    a.verwandtschaft = QStringLiteral("die Verwandtschaft der Plusaufgabe:  8 + 7 = 15");
    a.verwandtschaft2 = QString();
    a.beispiele = { QStringLiteral(" 8 +  7 = __  "), QStringLiteral("15 -  7 = __  "), QStringLiteral(" 8 + __ = 15 "),
        QStringLiteral("15 - __ =   8 "), QStringLiteral(" _ +  7 =  15  "), QStringLiteral(" __ -  7 =   8 ") };
    a.hinweis = QStringLiteral("Es werden     10  Aufgaben von oben nach unten nach Formen sortiert gedruckt. Wenn "
                               "mehr als 10 Aufgaben  gewählt wurden, werden die   unteren ggf. abgeschnitten.");
    a.vorratstext = QStringLiteral("aus dem Zahlenvorrat bildbare Aufgaben: ");
    a.grafiken = { QStringLiteral("kl.Strahl und kl. Feld"), QStringLiteral("großer 20er-Strahl"),
        QStringLiteral("großes 20er-Feld") };
    a.teilungTitel = QStringLiteral("Aufteilung des Blattes");
    a.teilungen = { QStringLiteral("eine ganze Seite"), QStringLiteral("zwei halbe Seiten") };
    return a;
}

} // namespace

TForm12::TForm12(QWidget* parent)
    : Familienform(angaben(), parent)
{
    OnActivate = [this] { F12aktiv(); };
}

void TForm12::F12aktiv()
{
    aktivieren();
}
