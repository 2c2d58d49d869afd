#include "worksheets/a_1x1_f1.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

namespace {

Label* hinweis(QWidget* eltern, const QString& text, int top, int height)
{
    auto* l = new Label(eltern, text, 10, top);
    l->setAutoSize(false);
    place(l, 10, top, 330, height);
    l->setWordWrap(true);
    return l;
}

} // namespace

TForm21::TForm21(QWidget* parent)
    : Einmaleinsblatt(parent)
{
    setCaption(QStringLiteral("1x1-Felder"));
    setMaximized(true);
    setDesignGeometry(0, 0, 800, 560);
    setDefaultFont(QStringLiteral("Arial"), 16);

    P1 = new Panel(this, 8, 8, 420, 478);
    applyFont(new Label(P1, QStringLiteral("Auswahl der Faktoren für die 1x1 Felder"), 12, 8), QStringLiteral("Arial"),
        17, FontStyle::Bold);
    ListBox1 = faktorliste(P1, 60, 80);
    ListBox2 = faktorliste(P1, 260, 80);
    applyFont(new Label(P1, QStringLiteral("x"), 184, 160), QStringLiteral("Arial"), 22, FontStyle::Bold);
    auto* links = new Label(P1, QStringLiteral("linke Faktoren  in Reihen  untereinander"), 12, 290);
    links->setAutoSize(false);
    place(links, 12, 290, 170, 40);
    links->setWordWrap(true);
    auto* rechts = new Label(P1, QStringLiteral("rechte Faktoren in  Spalten nebeneinander"), 220, 290);
    rechts->setAutoSize(false);
    place(rechts, 220, 290, 170, 40);
    rechts->setWordWrap(true);
    Label15 = new Label(P1, QString(), 12, 350);
    applyFont(Label15, QStringLiteral("Arial"), 17, FontStyle::Bold);
    vorratsfeld(Label15);

    auto* Panel2 = new Panel(this, 436, 8, 356, 330);
    hinweis(Panel2,
        QStringLiteral("Für beliebige Malaufgaben muss in jeder Spalte mindestens ein Faktor markiert bleiben."), 10,
        44);
    hinweis(Panel2,
        QStringLiteral("Für ausschließlich quadratische Felder lassen Sie nur in der linken Spalte Faktoren markiert."),
        64, 44);
    hinweis(Panel2,
        QStringLiteral(
            "Das Arbeitsblatt wird immer ganz (oder fast ganz) vollgedruckt. Die Aufgabenzahl ist abhängig von "
            "den Feldgrößen. Wenn Sie nur wenige Faktoren zugelassen haben, wiederholen sich die Aufgaben, "
            "sobald jede mögliche Aufgabe einmal ausgedruckt wurde."),
        118, 130);
    hinweis(Panel2,
        QStringLiteral(
            "(Wenn Sie nur je einen Faktor erlaubt haben, wiederholt sich die gleiche Aufgabe, bis das Blatt "
            "voll ist.)"),
        254, 64);

    Panel1 = new Panel(this, 436, 346, 200, 48);
    new Label(Panel1, QStringLiteral("wie oft?"), 12, 14);
    Edit8 = new Edit(Panel1, 100, 12, 40, 24);
    kopienfeld(Edit8);

    Button2 = new Button(this, QStringLiteral("drucken"), 436, 420, 170, 44);
    Button1 = new Button(this, QStringLiteral("zurück"), 622, 420, 170, 44);
    knoepfe(Button2, Button1);
    Button2->Default = false;
    OnActivate = [this] { Form21aktiv(); };
}

void TForm21::Form21aktiv()
{
    m_aktivierung = true;
    aktivieren();
    m_aktivierung = false;
}

std::vector<int> TForm21::vorratBilden()
{
    return einmaleins::paare(faktoren(0), faktoren(1), true);
}

QString TForm21::vorratstext(int groesse) const
{
    return m_aktivierung ? QStringLiteral(" bildbare Aufgaben: %1 ").arg(groesse)
                         : Einmaleinsblatt::vorratstext(groesse);
}

void TForm21::druckenClick()
{
    m_letztes = einmaleins::felderblatt(vorratZiehen());
    abschnittschreiben();
    kopienSichern();
    einmaleins::drucken(m_letztes, wieoft);
}
