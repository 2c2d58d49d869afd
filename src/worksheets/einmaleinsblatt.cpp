#include "worksheets/einmaleinsblatt.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

Einmaleinsblatt::Einmaleinsblatt(QWidget* parent)
    : Vorratsblatt(awina::felder1x1(), parent)
{
    listenOhneDateiBehalten = true;
}

ListBox* Einmaleinsblatt::faktorliste(QWidget* panel, int left, int top)
{
    auto* box = new ListBox(panel, left, top, 60, 200);
    applyFont(box, QStringLiteral("Courier New"), 18);
    QStringList texte;
    for (int f = 2; f <= 10; ++f)
        texte << QString::number(f).rightJustified(3, u' ');
    liste(box, texte);
    return box;
}

int& Einmaleinsblatt::flagwert(int liste, int i)
{
    return liste == 0 ? zahlenwahl1[i + 1] : zahlenwahl2[i + 1];
}

std::vector<int> Einmaleinsblatt::vorratBilden()
{
    return einmaleins::paare(faktoren(0), faktoren(1), false);
}

QString Einmaleinsblatt::vorratstext(int groesse) const
{
    return QStringLiteral(" bildbare Aufgaben:  %1 ").arg(groesse);
}

void Einmaleinsblatt::mitDruckhinweis(const std::function<void()>& drucken)
{
    druckknopf()->setCaption(QStringLiteral("Druck läuft"));
    try {
        drucken();
    } catch (...) {
        druckknopf()->setCaption(QStringLiteral("drucken"));
        throw;
    }
    druckknopf()->setCaption(QStringLiteral("drucken"));
}
