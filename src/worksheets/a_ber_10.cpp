#include "worksheets/a_ber_10.h"

namespace {

Familienangaben angaben()
{
    Familienangaben a;
    a.caption = QStringLiteral("Bereich bis 10");
    a.familie = &familienblatt::bereich10();
    a.abschnitt = &awina::zehn();
    a.listen = { blattrahmen::zahlen(1, 9), blattrahmen::zahlen(1, 9), blattrahmen::zahlen(2, 10) };
    a.verwandtschaft = QStringLiteral("die Verwandtschaft der Plusaufgabe:  3 + 4 = 7");
    a.verwandtschaft2 = QString();
    a.beispiele = { QStringLiteral("3 + 4 = __ "), QStringLiteral("7 -  4 = __ "), QStringLiteral("3 + _ =   7 "),
        QStringLiteral("7 - _ =    3 "), QStringLiteral("_ + 4 =   7 "), QStringLiteral("_ -  4 =   3 "),
        QStringLiteral("7 = 4 + __ ") };
    a.hinweis = QStringLiteral("Es werden     10  Aufgaben von oben nach unten nach Formen sortiert gedruckt.  Wenn "
                               "mehr als 10  Aufgaben  gewählt wurden, werden die   unteren ggf. abgeschnitten.");
    a.vorratstext = QStringLiteral("aus dem Zahlenvorrat bildbare Aufgaben: ");
    a.grafiken = { QStringLiteral("kl.Strahl und kl. Feld"), QStringLiteral("großer 10er-Strahl"),
        QStringLiteral("großes 10er-Feld") };
    a.teilungTitel = QStringLiteral("Aufteilung des Blattes");
    a.teilungen = { QStringLiteral("eine ganze Seite"), QStringLiteral("zwei halbe Seiten") };
    return a;
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : Familienform(angaben(), parent)
{
    OnActivate = [this] { F3aktiv(); };
}

void TForm3::F3aktiv()
{
    aktivieren();
}
