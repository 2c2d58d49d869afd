#include "aids/tastenfeld.h"

#include "platform/controls.h"
#include "platform/designgrid.h"

namespace {

const QString kSchrift = QStringLiteral("MS Sans Serif");

Button* knopf(QWidget* parent, const QString& caption, const Tastenfeld::Knopfplatz& p, const QString& schrift)
{
    auto* b = new Button(parent, caption, p.left, p.top, p.width, p.height);
    applyFontSize(b, schrift, p.groesse);
    setTabStop(b, false);
    return b;
}

void platzieren(const DesignGrid& g, Button* b, const Tastenfeld::Knopfplatz& p)
{
    if (!b) return;
    g.place(b, p.left, p.top, p.width, p.height);
    g.fontSize(b, p.groesse);
}

} // namespace

Tastenfeld::Anordnung::Anordnung()
{
    const int spalten[3] = { 10, 50, 90 };
    for (int d = 1; d <= 9; ++d) {
        const int zeile = (9 - d) / 3; // 7 8 9 on top
        ziffern[d] = { spalten[(d - 1) % 3], 76 + 58 * zeile, 35, 50, 30 };
    }
    ziffern[0] = { 50, 250, 35, 50, 30 };
}

Tastenfeld::Tastenfeld(QWidget* form, unsigned teile)
{
    const QRect r = anordnung.rechner;
    Rechner = new GroupBox(form, QString(), r.x(), r.y(), r.width(), r.height());
    // Created in the order of the block, so that the buttons lie in reading order.
    if (teile & Loeschtaste)
        Button14 = knopf(Rechner, QStringLiteral("ß"), anordnung.loeschen, QStringLiteral("Wingdings"));
    if (teile & Hilfetaste) Hilfebutton = knopf(Rechner, QStringLiteral("&Hilfe"), anordnung.hilfe, kSchrift);
    for (int d : { 7, 8, 9, 4, 5, 6, 1, 2, 3, 0 })
        m_ziffern[d] = knopf(Rechner, QString::number(d), anordnung.ziffern[d], kSchrift);
    if (teile & Eingabetaste) Button13 = knopf(Rechner, QStringLiteral("Enter"), anordnung.eingabe, kSchrift);
}

void Tastenfeld::anordnen(const DesignGrid& g) const
{
    const QRect r = anordnung.rechner;
    g.place(Rechner, r.x(), r.y(), r.width(), r.height());
    for (int d = 0; d <= 9; ++d)
        platzieren(g, m_ziffern[d], anordnung.ziffern[d]);
    platzieren(g, Button13, anordnung.eingabe);
    platzieren(g, Button14, anordnung.loeschen);
    platzieren(g, Hilfebutton, anordnung.hilfe);
}
