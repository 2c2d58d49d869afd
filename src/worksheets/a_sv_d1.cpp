#include "worksheets/a_sv_d1.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

namespace {

SVRahmen::Parameter parameter()
{
    auto p = SVRahmen::Parameter::mitZusatzpanel();
    p.n = sv_d1::aufgabenzahl;
    p.typtexte = QStringList(7, QString()); // the menu's
    return p;
}

} // namespace

TForm11::TForm11(QWidget* parent)
    : SVBlatt(parameter(), parent)
{
    setCaption(QStringLiteral("SV_d"));
    RadioGroup1 = zusatzgruppe(QStringLiteral("Rest"), { QStringLiteral("ohne"), QStringLiteral("mit") });
    RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
}

QString TForm11::drucktitel() const
{
    // The menu's buttons, with the division sign a file name cannot hold as its word.
    return m_variante == 1 ? QStringLiteral("schriftlich ZTTHZE durch ZE") : QStringLiteral("schriftlich THZE durch E");
}

void TForm11::RadioGroup1Click()
{
    m_wahl8 = RadioGroup1->ItemIndex();
}

void TForm11::restZuruecksetzen()
{
    m_wahl8 = 0;
    RadioGroup1->setItemIndex(0);
}

void TForm11::aktiviert()
{
    // The menu names the divisor's length: 0 one digit, 1 two digits.
    m_variante = programmcode == 1 ? 1 : 0;
    restZuruecksetzen();
}

void TForm11::zurueckgesetzt()
{
    restZuruecksetzen();
}

void TForm11::erzeugen(const std::vector<int>& arten)
{
    m_blatt = sv_d1::aufgabenbau(arten, m_variante, m_wahl8 == 1);
}
