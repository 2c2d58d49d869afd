#include "shell/tastenfeld.h"

#include "platform/controls.h"
#include "platform/designgrid.h"

namespace {

// The digits in the order of the block, row by row from the top.
constexpr int kBlock[] = { 7, 8, 9, 4, 5, 6, 1, 2, 3, 0 };

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

Tastenfeld::Tastenfeld(QWidget* form, unsigned teile, const Anordnung& a)
    : anordnung(a)
{
    const QRect r = anordnung.rechner;
    Rechner = new GroupBox(form, QString(), r.x(), r.y(), r.width(), r.height());
    // Created in the order of the block, so that the buttons lie in reading order.
    if (teile & Loeschtaste)
        Button14 = knopf(Rechner, QStringLiteral("ß"), anordnung.loeschen, QStringLiteral("Wingdings"));
    if (teile & Hilfetaste) Hilfebutton = knopf(Rechner, QStringLiteral("&Hilfe"), anordnung.hilfe, anordnung.schrift);
    for (int d : kBlock)
        m_ziffern[d] = knopf(Rechner, QString::number(d), anordnung.ziffern[d], anordnung.schrift);
    if (teile & Eingabetaste) Button13 = knopf(Rechner, QStringLiteral("Enter"), anordnung.eingabe, anordnung.schrift);
}

std::array<Button*, 10> Tastenfeld::ziffern() const
{
    std::array<Button*, 10> liste {};
    for (int d = 0; d <= 9; ++d)
        liste[std::size_t(d)] = m_ziffern[d];
    return liste;
}

QList<Button*> Tastenfeld::knoepfe() const
{
    QList<Button*> liste;
    if (Button14) liste << Button14;
    if (Hilfebutton) liste << Hilfebutton;
    for (int d : kBlock)
        liste << m_ziffern[d];
    if (Button13) liste << Button13;
    return liste;
}

void Tastenfeld::knoepfeFreigeben(bool an) const
{
    for (Button* b : knoepfe())
        b->setEnabled(an);
}

std::unique_ptr<Tastenfeld> Tastenfeld::fuerAnalyse(
    QWidget* form, const QRect& rechner, const std::function<void(int ziffer)>& ziffer)
{
    Anordnung a;
    a.rechner = rechner;
    a.schrift = QStringLiteral("Arial");
    auto t = std::make_unique<Tastenfeld>(form, Eingabetaste | Loeschtaste, a);
    for (int d = 0; d <= 9; ++d) {
        Button* b = t->m_ziffern[d];
        b->setObjectName(QStringLiteral("Button%1").arg(d < 3 ? d + 10 : d));
        b->OnClick = [ziffer, d] { ziffer(d); };
    }
    t->Button13->setObjectName(QStringLiteral("Button13"));
    t->Button14->setObjectName(QStringLiteral("Button14"));
    return t;
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
