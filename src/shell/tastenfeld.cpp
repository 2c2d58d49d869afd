#include "shell/tastenfeld.h"

#include "platform/controls.h"
#include "platform/designgrid.h"

namespace {

// The digits in the order of the block, row by row from the top.
constexpr int kBlock[] = { 7, 8, 9, 4, 5, 6, 1, 2, 3, 0 };

Button* knopf(QWidget* parent, const QString& caption, const Tastenfeld::Knopfplatz& p, const QString& schrift,
    bool handcursor = false)
{
    auto* b = new Button(parent, caption, p.left, p.top, p.width, p.height);
    applyFontSize(b, schrift, p.groesse);
    setKeypadKey(b);
    if (!p.name.isEmpty()) b->setObjectName(p.name);
    if (handcursor) setHandCursor(b);
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
    if (!anordnung.rechnername.isEmpty()) Rechner->setObjectName(anordnung.rechnername);
    tastenAnlegen(Rechner, teile);
}

Tastenfeld::Tastenfeld(ImBehaelter, QWidget* behaelter, unsigned teile, const Anordnung& a)
    : anordnung(a)
{
    tastenAnlegen(behaelter, teile);
}

void Tastenfeld::tastenAnlegen(QWidget* behaelter, unsigned teile)
{
    m_behaelter = behaelter;
    const bool hand = anordnung.handcursor;
    // Created in the order of the block, so that the buttons lie in reading order.
    if (teile & Loeschtaste)
        Button14 = knopf(behaelter, QStringLiteral("ß"), anordnung.loeschen, QStringLiteral("Wingdings"), hand);
    if (teile & Hilfetaste)
        Hilfebutton = knopf(behaelter, QStringLiteral("&Hilfe"), anordnung.hilfe, anordnung.schrift, hand);
    for (int d : kBlock)
        m_ziffern[d] = knopf(behaelter, QString::number(d), anordnung.ziffern[d], anordnung.schrift, hand);
    for (const Zeichentaste& z : anordnung.zeichen)
        m_zeichen << knopf(behaelter, z.caption, z.platz, anordnung.schrift, hand);
    if (teile & Eingabetaste) {
        Button13 = knopf(behaelter, QStringLiteral("Enter"), anordnung.eingabe, anordnung.schrift, hand);
        setKeypadKey(Button13, true);
    }
}

Tastenfeld::Anordnung Tastenfeld::spielblock()
{
    Anordnung a;
    a.rechner = { 40, 632, 205, 333 };
    a.schrift = QStringLiteral("Arial");
    a.handcursor = true;
    a.rechnername = QStringLiteral("GroupBox1");
    const int spalten[3] = { 12, 74, 136 };
    const int zeilen[3] = { 18, 95, 174 }; // 7 8 9 / 4 5 6 / 1 2 3
    for (int d = 1; d <= 9; ++d) {
        const int nummer = d >= 4 ? d + 10 : d + 20; // 4 .. 9: Button14 .. Button19; 1 .. 3: Button21 .. Button23
        a.ziffern[d]
            = { spalten[(d - 1) % 3], zeilen[(9 - d) / 3], 55, 70, 37, QStringLiteral("Button%1").arg(nummer) };
    }
    a.ziffern[0] = { 74, 251, 55, 70, 37, QStringLiteral("Button20") };
    a.loeschen = { 12, 251, 55, 70, 25, QStringLiteral("Button2") };
    return a;
}

QWidget* Tastenfeld::kasten() const
{
    return m_behaelter;
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
    liste << m_zeichen;
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
    if (Rechner) g.place(Rechner, r.x(), r.y(), r.width(), r.height());
    for (int d = 0; d <= 9; ++d)
        platzieren(g, m_ziffern[d], anordnung.ziffern[d]);
    for (int i = 0; i < m_zeichen.size(); ++i)
        platzieren(g, m_zeichen[i], anordnung.zeichen[size_t(i)].platz);
    platzieren(g, Button13, anordnung.eingabe);
    platzieren(g, Button14, anordnung.loeschen);
    platzieren(g, Hilfebutton, anordnung.hilfe);
}
