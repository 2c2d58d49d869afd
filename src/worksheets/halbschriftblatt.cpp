#include "worksheets/halbschriftblatt.h"

#include "platform/colors.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"

#include <QFontMetrics>

Halbschriftblatt::Halbschriftblatt(
    const QString& caption, int muster, int oben, int zeichen, const QString& hinweis, QWidget* parent)
    : Blattform(parent)
    , m_muster(muster)
{
    setCaption(caption);
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 800, 600);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 14);

    Panel5 = new Panel(this, 16, 8, 768, 56);
    auto* zwoelf = new Label(Panel5, QStringLiteral("ein Blatt hat 12 Aufgaben"), 12, 8);
    applyFont(zwoelf, QStringLiteral("MS Sans Serif"), 16, FontStyle::Bold);
    setColor(zwoelf, clAqua);
    new Label(Panel5, QStringLiteral("Die Vorgabemuster können Sie beliebig zusammenstellen."), 12, 32);

    P2 = new Panel(this, 16, 200, 768, 330);
    auto* kopf = new Label(P2, QStringLiteral("Welches Vorgabemuster wie oft?"), 12, 8);
    applyFont(kopf, QStringLiteral("MS Sans Serif"), 14, FontStyle::Bold);
    const int reihen = muster > oben ? 2 : 1;
    const int hoehe = 140;
    for (int k = 0; k < muster; ++k) {
        const int reihe = k < oben ? 0 : 1;
        const int spalte = k < oben ? k : k - oben;
        auto* l = new Label(P2, QStringLiteral("............      "), 12 + 190 * spalte, 32 + (hoehe + 36) * reihe);
        applyFont(l, QStringLiteral("Courier New"), 15);
        setColor(l, clHighlight);
        setFontColor(l, clHighlightText);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // As wide as the longest line of a preview, so that it wraps into its lines.
        const int breite = QFontMetrics(l->font()).horizontalAdvance(QString(zeichen, u'0')) + 6;
        place(l, 12 + 190 * spalte, 32 + (hoehe + 10) * reihe, breite, 96);
        vorschau << l;
        auto* e = new Edit(P2, 12 + 190 * spalte + 40, 32 + (hoehe + 10) * reihe + 104, 34, 26);
        anzahlfeld(e, k + 1);
        Edits << e;
    }
    // Below a single row of previews, beside the shorter second row.
    auto* note = new Label(P2, hinweis, 12, 276);
    note->setWordWrap(true);
    if (reihen == 1)
        place(note, 12, 32 + hoehe + 4, 744, 80);
    else
        place(note, 12 + 190 * (muster - oben), 32 + hoehe + 10, 744 - 190 * (muster - oben), hoehe);

    Label16 = new Label(this, QString(), 200, 548);
    gewaehltfeld(Label16);
    Panel1 = new Panel(this, 16, 540, 100, 40);
    setHint(Panel1, QStringLiteral("Anzahl gleicher Exemplare"));
    new Label(Panel1, QStringLiteral("wie oft?"), 6, 12);
    Edit8 = new Edit(Panel1, 62, 8, 30, 24);
    kopienfeld(Edit8);
    Button2 = new Button(this, QStringLiteral("drucken"), 560, 544, 100, 40);
    Button4 = new Button(this, QStringLiteral("zurück"), 680, 544, 100, 40);
    knoepfe(Button2, Button4);
}

void Halbschriftblatt::vorschauSetzen(int k, const QString& text)
{
    Label* l = vorschau.value(k);
    if (!l) return;
    l->setCaption(text);
    const int strich = int(text.indexOf(QLatin1Char('-'), text.indexOf(QLatin1Char('='))));
    const int strichende = int(text.indexOf(QLatin1Char(' '), strich));
    const QFontMetrics fm(l->font());
    const int breite = std::max(fm.horizontalAdvance(text.left(strich).trimmed()),
        fm.horizontalAdvance(text.mid(strich, strichende < 0 ? -1 : strichende - strich)));
    l->resize(breite + 6, l->height());
}

void Halbschriftblatt::aktivieren()
{
    wieofteins();
    feldleeren();
}

std::vector<int> Halbschriftblatt::musterfolge() const
{
    std::vector<int> zahlen;
    for (int k = 1; k <= m_muster; ++k)
        zahlen.push_back(typzahlen[k]);
    return blattrahmen::zeilenarten(zahlen, 12);
}

bool Halbschriftblatt::druckbereit() const
{
    return aufgabensumme >= 12;
}

void Halbschriftblatt::druckenClick()
{
    if (!druckbereit()) return;
    m_seite = neueSeite();
    kopienSichern();
    blattdruck::drucken(m_seite.drucktitel, wieoft, [this](Canvas& c) { halbschrift::draw(c, m_seite); });
    feldleeren();
}
