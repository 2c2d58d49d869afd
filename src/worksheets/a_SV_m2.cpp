#include "worksheets/a_SV_m2.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

namespace {

SVRahmen::Parameter parameter()
{
    auto p = SVRahmen::Parameter::mitZusatzpanel();
    p.n = sv_m2::aufgabenzahl;
    p.typtexte = { QStringLiteral(" leichtes 1x1: Faktorenziffern: 2,3,4,5"),
        QStringLiteral(" schweres 1x1: Faktorenziffern: 6,7,8,9 "),
        QStringLiteral(" Faktorenziffern: alle  - außer 0 und 1 -"),
        QStringLiteral(" der zweite Faktor ist eine Zehnerzahl"), QStringLiteral(" beide Faktoren sind Zehnerzahlen"),
        QStringLiteral(" jeder Faktor enthält mindestens eine  1"),
        QStringLiteral(" der lange Faktor enthält eine Null") };
    p.drucktitel = QStringLiteral("schriftlich HZE x ZE");
    return p;
}

} // namespace

TForm10::TForm10(QWidget* parent)
    : SVBlatt(parameter(), parent)
{
    setCaption(QStringLiteral("SV_m2"));
    RadioGroup1 = zusatzgruppe(QStringLiteral("Form"), { QStringLiteral("HZE x ZE"), QStringLiteral("  ZE x HZE") });
    RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
}

void TForm10::RadioGroup1Click()
{
    programmcode = RadioGroup1->ItemIndex();
}

void TForm10::formZuruecksetzen()
{
    programmcode = 0;
    RadioGroup1->setItemIndex(0);
}

void TForm10::aktiviert()
{
    formZuruecksetzen();
}

void TForm10::zurueckgesetzt()
{
    formZuruecksetzen();
}

void TForm10::erzeugen(const std::vector<int>& arten)
{
    // The order the panel shows, whatever another window wrote into programmcode since.
    m_blatt = sv_m2::aufgabenbau(arten, RadioGroup1->ItemIndex() == 1 ? 1 : 0);
}
