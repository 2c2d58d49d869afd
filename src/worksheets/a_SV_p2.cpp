#include "worksheets/a_SV_p2.h"

#include "shell/HalmorGlobalDefs.h"

namespace {

SVRahmen::Parameter parameter()
{
    SVRahmen::Parameter p;
    p.n = sv_p2::aufgabenzahl;
    p.typtexte = QStringList(5, QString());
    // Screen rows 1..5 are the types 1..5.
    p.editnamen = { QStringLiteral("Edit1"), QStringLiteral("Edit5"), QStringLiteral("Edit2"), QStringLiteral("Edit3"),
        QStringLiteral("Edit4") };
    p.labelnamen = { QStringLiteral("Label1"), QStringLiteral("Label5"), QStringLiteral("Label2"),
        QStringLiteral("Label3"), QStringLiteral("Label4") };
    p.zweizeilig = true;
    p.mischgruppe = QStringLiteral("RadioGroup1");
    return p;
}

} // namespace

TForm8::TForm8(QWidget* parent)
    : SVBlatt(parameter(), parent)
{
}

void TForm8::aktiviert()
{
    m_variante = programmcode == 2 ? 2 : 1;
}

QString TForm8::drucktitel() const
{
    // The menu's patterns are pictures: the sheet is named as it titles itself.
    return QStringLiteral("schriftlich ") + sv_p2::blatttitel(m_variante).trimmed() + QStringLiteral(" drei Zahlen");
}

void TForm8::zurueckgesetzt()
{
    programmcode = 0;
}

void TForm8::erzeugen(const std::vector<int>& arten)
{
    m_blatt = sv_p2::aufgabenbau(arten, m_variante);
}
