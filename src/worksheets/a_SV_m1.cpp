#include "worksheets/a_SV_m1.h"

namespace {

SVRahmen::Parameter parameter()
{
    SVRahmen::Parameter p;
    p.n = sv_m1::aufgabenzahl;
    p.typtexte = { QStringLiteral(" keine Überträge "), QStringLiteral(" ein Übertrag (in die 100er-Stelle)"),
        QStringLiteral(" ein Übertrag (in die 10er-Stelle)"),
        QStringLiteral(" ein Übertrag in die 100er- oder 10er-Stelle"), QStringLiteral(" zwei Überträge"),
        QStringLiteral(" 1. Übertrag bewirkt  2. Übertrag"),
        QStringLiteral(" eine Null im 1. Faktor,  Übertrag möglich") };
    p.kaestchenpanel = { 472, 16, 297, 153 };
    p.kaestchenlabel = { 24, 16 };
    p.kaestchengruppe = { 80, 40 };
    p.drucktitel = QStringLiteral("schriftlich HZE x E");
    return p;
}

} // namespace

TForm9::TForm9(QWidget* parent)
    : SVBlatt(parameter(), parent)
{
    setCaption(QStringLiteral("SV_m1"));
}

void TForm9::erzeugen(const std::vector<int>& arten)
{
    m_blatt = sv_m1::aufgabenbau(arten);
}
