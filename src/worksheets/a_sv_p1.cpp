#include "worksheets/a_sv_p1.h"

#include "shell/HalmorGlobalDefs.h"

namespace {

SVRahmen::Parameter parameter()
{
    SVRahmen::Parameter p;
    p.n = sv_p1::aufgabenzahl;
    // The last caption is the menu's ("yariabel" until it writes one).
    p.typtexte = { QStringLiteral(" keine Überträge "), QStringLiteral(" ein Übertrag  (in die 100er-Stelle)"),
        QStringLiteral(" ein Übertrag  (in die 10er-Stelle)"),
        QStringLiteral(" ein Übertrag (in die 100er- oder 10er-Stelle)"), QStringLiteral(" zwei Überträge"),
        QStringLiteral(" 1. Übertrag bewirkt ggf. 2. Übertrag"), QStringLiteral("yariabel") };
    p.neuMischen = false;
    return p;
}

} // namespace

TForm7::TForm7(QWidget* parent)
    : SVBlatt(parameter(), parent)
{
}

void TForm7::aktiviert()
{
    // The menu names the variant; a value it never writes is read as the addition.
    m_variante = programmcode >= 1 && programmcode <= 6 ? programmcode : 1;
}

QString TForm7::drucktitel() const
{
    // The menu's patterns are pictures: the sheet is named as it titles itself.
    return QStringLiteral("schriftlich ") + sv_p1::blatttitel(m_variante).trimmed();
}

void TForm7::zurueckgesetzt()
{
    programmcode = 0;
}

void TForm7::erzeugen(const std::vector<int>& arten)
{
    m_blatt = sv_p1::aufgabenbau(arten, m_variante);
}
