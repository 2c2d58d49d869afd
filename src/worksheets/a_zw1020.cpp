#include "worksheets/a_zw1020.h"

#include "platform/colors.h"
#include "platform/controls.h"

namespace {

Familienangaben angaben()
{
    Familienangaben a;
    a.caption = QStringLiteral("zwischen 10 und 20");
    a.familie = &familienblatt::zwischen10und20();
    a.abschnitt = &awina::abl10_20();
    a.listen = { blattrahmen::zahlen(10, 19), blattrahmen::zahlen(1, 10), blattrahmen::zahlen(11, 20) };
    a.verwandtschaft = QStringLiteral("die Verwandtschaft der Plusaufgabe: 14 + 3 = 17");
    a.verwandtschaft2 = QStringLiteral("bezw.:  4 + 3 =   7");
    a.beispiele = { QStringLiteral("14 +  3 = __"), QStringLiteral("17 -  3 = __ "), QStringLiteral("14 + _ = 17 "),
        QStringLiteral("17  - _ = 14 "), QStringLiteral("__ +  3 = 17 "), QStringLiteral(" __ -  3 = 14 ") };
    a.hinweis = QStringLiteral(
        "Es werden      10  Aufgaben bezw. 5 Paare von oben nach unten nach Formen sortiert gedruckt. Wenn mehr als 10 "
        "Aufgaben  bezw. 5 Paare gewählt wurden, werden die  unteren ggf. abgeschnitten.");
    a.vorratstext = QStringLiteral("aus dem Zahlenvorrat        bildbare Aufgaben: ");
    a.grafiken = { QStringLiteral("kl.Strahl und kl. Feld"), QStringLiteral("großer 20er-Strahl"),
        QStringLiteral("großes 20er-Feld") };
    a.teilungTitel = QString();
    a.teilungen = { QStringLiteral("10 einzelne Aufgaben"), QStringLiteral("  5 Aufgaben-Paare") };
    return a;
}

} // namespace

TForm13::TForm13(QWidget* parent)
    : Familienform(angaben(), parent)
{
    new Label(this, QStringLiteral("oder"), 300, 12);
    auto* paare = new Label(this, QStringLiteral("5 Aufgaben-Paare"), 350, 8);
    applyFont(paare, QStringLiteral("Arial"), 20, FontStyle::Bold);
    setColor(paare, clAqua);
    OnActivate = [this] { F13aktiv(); };
}

void TForm13::F13aktiv()
{
    aktivieren();
}
