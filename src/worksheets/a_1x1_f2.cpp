#include "worksheets/a_1x1_f2.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

TForm22::TForm22(QWidget* parent)
    : Einmaleinsblatt(parent)
{
    setCaption(QStringLiteral("Felder_im_100er"));
    setMaximized(true);
    setDesignGeometry(0, 0, 800, 560);
    setDefaultFont(QStringLiteral("Arial"), 16);

    P1 = new Panel(this, 8, 8, 300, 478);
    applyFont(
        new Label(P1, QStringLiteral("Auswahl der Faktoren"), 12, 8), QStringLiteral("Arial"), 17, FontStyle::Bold);
    new Label(P1, QStringLiteral("linke Faktoren"), 20, 44);
    new Label(P1, QStringLiteral("rechte Faktoren"), 170, 44);
    ListBox1 = faktorliste(P1, 40, 70);
    ListBox2 = faktorliste(P1, 190, 70);
    applyFont(new Label(P1, QStringLiteral("x"), 138, 150), QStringLiteral("Arial"), 22, FontStyle::Bold);
    Label15 = new Label(P1, QString(), 12, 300);
    applyFont(Label15, QStringLiteral("Arial"), 17, FontStyle::Bold);
    vorratsfeld(Label15);

    auto* Panel1 = new Panel(this, 316, 8, 476, 300);
    const QStringList hinweise {
        "Ein Blatt enthält 20  Aufgaben. Über jede Aufgabe wird ein 100er-Feld gedruckt, in welchem das zur "
        "Malaufgabe passende Feld eingezeichnet werden kann.",
        "Für die Aufgaben werden nur die blau markierten Faktoren benutzt.       Wenn Sie nur wenige Faktoren "
        "zugelassen haben, wiederholen sich die Aufgaben, sobald jede mögliche Aufgabe einmal ausgedruckt wurde.",
        "(Wenn Sie nur je einen Faktor erlaubt haben, wiederholt sich die gleiche Aufgabe 20 mal.)",
    };
    int top = 10;
    for (const QString& text : hinweise) {
        auto* l = new Label(Panel1, text, 10, top);
        l->setAutoSize(false);
        place(l, 10, top, 456, 84);
        l->setWordWrap(true);
        top += 94;
    }

    Panel2 = new Panel(this, 316, 320, 200, 48);
    new Label(Panel2, QStringLiteral("wie oft?"), 12, 14);
    Edit8 = new Edit(Panel2, 100, 12, 40, 24);
    kopienfeld(Edit8);

    Button3 = new Button(this, QStringLiteral("drucken"), 316, 420, 200, 44);
    Button4 = new Button(this, QStringLiteral("zurück"), 592, 420, 200, 44);
    knoepfe(Button3, Button4);
    Button3->Default = false;
    setHint(Button3, QStringLiteral("Ausdruck kann beginnen"));
    OnActivate = [this] { aktivieren(); };
}

void TForm22::druckenClick()
{
    m_letztes = einmaleins::hunderterblatt(vorratZiehen());
    abschnittschreiben();
    kopienSichern();
    mitDruckhinweis([this] { einmaleins::drucken(m_letztes, wieoft); });
}
