#include "aids/h_100Feld.h"

#include "aids/hunderterfeld.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/paintbox.h"
#include "shell/SBEx.h"

using h100feld::Zug;

namespace {

const QString kKnopfschrift = QStringLiteral("MS Sans Serif");
const QString kSymbole = QStringLiteral("Wingdings");

struct Pfeilknopf {
    const char* caption; // a pointing hand in the symbol font
    int left, top;
};
constexpr Pfeilknopf kAuf { "G", 73, 10 };
constexpr Pfeilknopf kLinks { "E", 10, 95 };
constexpr Pfeilknopf kRunter { "H", 73, 95 };
constexpr Pfeilknopf kRechts { "F", 136, 95 };

Button* pfeil(Panel* panel, const Pfeilknopf& p)
{
    auto* b = new Button(panel, QString::fromLatin1(p.caption), p.left, p.top, 54, 74);
    applyFontSize(b, kSymbole, 36);
    return b;
}

} // namespace

TForm64::TForm64(QWidget* parent)
    : Hilfenfenster(parent)
{
    setCaption(QStringLiteral("100erFeld1"));
    vorgaben.keyPreview = false;

    gefundenknopf = new Button(this, QStringLiteral("&gefunden?"), 750, 770, 200, 45);
    gefundenknopf->Default = true;
    applyFontSize(gefundenknopf, kKnopfschrift, 21);
    gefundenknopf->OnClick = [this] { gefundenknopfClick(); };

    wohinbox = new PaintBox(this);
    place(wohinbox, 710, 20, 280, 500);

    PfeilePanel = new Panel(this, 750, 550, 200, 180);
    prauf = pfeil(PfeilePanel, kAuf);
    Plinks = pfeil(PfeilePanel, kLinks);
    prunter = pfeil(PfeilePanel, kRunter);
    prechts = pfeil(PfeilePanel, kRechts);
    prauf->OnClick = [this] { Button4Click(); };
    Plinks->OnClick = [this] { Button5Click(); };
    prunter->OnClick = [this] { Button6Click(); };
    prechts->OnClick = [this] { Button7Click(); };

    ScrollBoxEx1 = new TScrollBoxEx(this, 1, 1, 1, 1);
    pfeiltastenVerbinden(
        ScrollBoxEx1, [this] { Button5Click(); }, [this] { Button4Click(); }, [this] { Button7Click(); },
        [this] { Button6Click(); });
}

void TForm64::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.place(gefundenknopf, 750, 770, 200, 45);
    g.fontSize(gefundenknopf, 21);
    g.place(wohinbox, 710, 20, 280, 500);
    g.place(PfeilePanel, 750, 550, 200, 180);
    const std::pair<Button*, Pfeilknopf> pfeile[]
        = { { prauf, kAuf }, { Plinks, kLinks }, { prunter, kRunter }, { prechts, kRechts } };
    for (const auto& [b, p] : pfeile) {
        g.place(b, p.left, p.top, 54, 74);
        g.fontSize(b, 36);
    }
    g.place(ScrollBoxEx1, 1, 1, 1, 1);
}

std::optional<TRect> TForm64::mausbereichDesign() const
{
    return TRect { 696, 0, 1000, 1100 };
}

void TForm64::eingabenFreigeben()
{
    Hilfenfenster::eingabenFreigeben();
    PfeilePanel->show();
    gefundenknopf->show();
    for (Button* b : { prauf, Plinks, prunter, prechts })
        b->setEnabled(true);
    ScrollBoxEx1->setEnabled(true);
}

void TForm64::eingabenSperren()
{
    Hilfenfenster::eingabenSperren();
    for (Button* b : { prauf, Plinks, prunter, prechts })
        b->setEnabled(false);
    ScrollBoxEx1->setEnabled(false);
}

void TForm64::aufgabeStellen()
{
    mindestschritte = 0;
    hunderterfeld(canvas(), feldZahlEinordnen(), raster());

    const h100feld::Platzaufgabe a = h100feld::platzaufgabe();
    zielzahl = a.zielzahl;
    vorindex = shortint(a.vorindex);
    spalte1 = shortint(zielzahl % 10);
    zeile1 = zielzahl / 10;
    spalte2 = shortint(vorindex % 10);
    zeile2 = vorindex / 10;
    mindestschritte = a.mindestschritte;

    wohinZeichnen();
    cursorZeichnen(clRed);
    SetFocus(ScrollBoxEx1);
}

void TForm64::wohinZeichnen()
{
    const DesignGrid g = raster();
    Canvas& c = wohinbox->canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { clGreen, 2 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(1, 1, g.x(275), g.y(486));

    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font = Font {};
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(45);
    c.font.color = clBlue;
    c.textOut(g.x(137), g.y(40), QStringLiteral("Wohin"));
    c.textOut(g.x(137), g.y(95), QStringLiteral("gehört die"));
    c.textOut(g.x(137), g.y(300), QStringLiteral("???"));

    c.pen = Pen { clRed, g.x(5) };
    c.rectangle(g.x(100), g.y(173), g.x(174), g.y(272));
    c.font.color = clRed;
    c.font.height = g.y(60);
    c.textOut(g.x(137), g.y(190), QString::number(zielzahl));
    c.font.setSize(g.y(12));
    c.textOut(g.x(220), g.y(435), QString::number(mindestschritte) + QStringLiteral(" Schritt(e)"));
}

void TForm64::cursorZeichnen(const QColor& farbe)
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { farbe, g.x(5) };
    c.brush.style = BrushStyle::Clear;
    c.rectangle(g.x(29 + 66 * spalte2), g.y(35 + 95 * zeile2), g.x(81 + 66 * spalte2), g.y(110 + 95 * zeile2));
}

void TForm64::zug(Zug richtung)
{
    SetFocus(ScrollBoxEx1);
    cursorZeichnen(clWhite);
    int zeile = zeile2;
    int spalte = spalte2;
    if (h100feld::ziehen(richtung, zeile, spalte)) {
        zeile2 = zeile;
        spalte2 = shortint(spalte);
        aufgabeneingaben = aufgabeneingaben + 1;
    }
    cursorZeichnen(clRed);
}

void TForm64::Button4Click()
{
    zug(Zug::hoch);
}

void TForm64::Button5Click()
{
    zug(Zug::links);
}

void TForm64::Button6Click()
{
    zug(Zug::runter);
}

void TForm64::Button7Click()
{
    zug(Zug::rechts);
}

void TForm64::zahlSchreiben(int zeile, int spalte, const QColor& farbe)
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.brush.style = BrushStyle::Clear;
    c.font = Font {};
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(42);
    c.font.color = farbe;
    c.textOut(g.x(56 + 66 * spalte), g.y(50 + 95 * zeile), QString::number(h100feld::zahlVon(zeile, spalte)));
}

void TForm64::haken()
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { clRed, g.x(5) };
    c.moveTo(g.x(805), g.y(455));
    c.lineTo(g.x(820), g.y(485));
    c.lineTo(g.x(970), g.y(195));
}

void TForm64::gefundenknopfClick()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    if (h100feld::zahlVon(zeile2, spalte2) != zielzahl) {
        // A wrong cell shows its number in red; the cursor stays, the pupil goes on looking, and the next arrow
        // key moves the cursor rather than the focus off the clicked button.
        zahlSchreiben(zeile2, spalte2, clRed);
        SetFocus(ScrollBoxEx1);
        return;
    }

    for (int r = 0; r <= 9; ++r)
        for (int s = 0; s <= 9; ++s)
            zahlSchreiben(r, s, clBlack);
    zahlSchreiben(zeile2, spalte2, clBlue);

    hilfenrahmen::uhrschritt();
    nocheinebutton->show();
    gefundenknopf->hide();
    eingabenSperren();
    // The disabled arrow-key box gave the focus away; Enter is to ask for the next task.
    SetFocus(nocheinebutton);
    haken();

    anzahl = anzahl + 1;
    // The pressed "gefunden?" is a necessary input too. Counted before the bars, which may end the run and
    // write the protocol at once.
    mindestschritte = mindestschritte + 1;
    noetiggesamt = noetiggesamt + mindestschritte;
    eingabengesamt = eingabengesamt + aufgabeneingaben;
    zeitbalken();
}

hilfenrahmen::Protokollangaben TForm64::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.titel = QStringLiteral("im 100er-Feld: Zahl einordnen");
    a.zeile9 = hilfenrahmen::prozentzeile(QStringLiteral("davon richtig (nötig): "), noetiggesamt, eingabengesamt);
    a.zeile10 = hilfenrahmen::Protokollangaben::Falsch::leer;
    return a;
}
