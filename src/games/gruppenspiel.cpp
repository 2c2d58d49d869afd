#include "games/gruppenspiel.h"

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/form.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/SBEx.h"

#include <algorithm>

namespace gruppenspiel {

bool freierPlatz(const QString& name)
{
    for (QChar ch : name)
        if (ch != QLatin1Char(' ')) return false;
    return true;
}

QString spielername()
{
    return spielernummer >= 1 && spielernummer <= 5 ? listenzeilen[spielernummer] : QString();
}

Canvas& vorbereitet(Canvas& c)
{
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen = Pen { clBlack, 1 };
    c.brush = Brush { clWhite };
    c.font.name = QStringLiteral("arial");
    return c;
}

TScrollBoxEx* pfeiltastenbox(QWidget* fenster, const char* name, const std::function<void(quint16&)>& pfeil)
{
    auto* box = new TScrollBoxEx(fenster, 990, 790, 1, 1);
    box->setObjectName(QLatin1String(name));
    box->OnWantSpecialKey = [](QObject*, quint16 taste, bool& gewollt) {
        if (taste >= vk::Left && taste <= vk::Down) gewollt = true;
    };
    box->OnKeyDown = [pfeil](quint16& taste, ShiftState) { pfeil(taste); };
    return box;
}

void anbieten(Button* knopf)
{
    knopf->show();
    knopf->setEnabled(true);
    SetFocus(knopf);
}

void anbieten(Button* knopf, const QString& aufschrift)
{
    knopf->setCaption(aufschrift);
    anbieten(knopf);
}

Wechsel spielerwechsel(bool statusZuruecksetzen)
{
    for (;;) {
        if (spielernummer >= 5) {
            spielernummer = 1;
            return Wechsel::spielende;
        }
        spielernummer = shortint(spielernummer + 1);
        if (statusZuruecksetzen) spielerstatus[spielernummer] = 0;
        if (!freierPlatz(listenzeilen[spielernummer])) return Wechsel::naechster;
    }
}

Strich strich(int nummer)
{
    using A = Strich::Art;
    // The gallows from the ground up, then the figure from the rope down.
    static const Strich striche[letzterStrich] = {
        { A::bogen, 20, 270, 110, 350, 115, 310, 15, 310 },
        { A::linie, 65, 270, 65, 50 },
        { A::linie, 65, 50, 145, 50 },
        { A::linie, 65, 125, 110, 50 },
        { A::linie, 145, 50, 145, 70 },
        { A::ellipse, 136, 70, 154, 95 },
        { A::ellipse, 128, 95, 162, 180 },
        { A::linie, 134, 103, 110, 135 },
        { A::linie, 154, 102, 177, 135 },
        { A::linie, 133, 170, 105, 220 },
        { A::linie, 155, 170, 177, 220 },
    };
    return nummer >= 1 && nummer <= letzterStrich ? striche[nummer - 1] : Strich {};
}

void fehlerbild(Canvas& c, const DesignGrid& g, int nummer, int stiftbreite)
{
    const Strich s = strich(nummer);
    if (s.art == Strich::Art::keiner) return;
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { clBlack, g.x(stiftbreite) };
    c.brush = Brush { clWhite };
    switch (s.art) {
    case Strich::Art::bogen:
        c.arc(g.x(s.x1), g.y(s.y1), g.x(s.x2), g.y(s.y2), g.x(s.x3), g.y(s.y3), g.x(s.x4), g.y(s.y4));
        break;
    case Strich::Art::linie:
        c.moveTo(g.x(s.x1), g.y(s.y1));
        c.lineTo(g.x(s.x2), g.y(s.y2));
        break;
    case Strich::Art::ellipse:
        c.ellipse(g.x(s.x1), g.y(s.y1), g.x(s.x2), g.y(s.y2));
        break;
    case Strich::Art::keiner:
        break;
    }
}

void fehlerstrich(Canvas& c, const DesignGrid& g, int nummer, int stiftbreite, int verloren)
{
    fehlerbild(c, g, nummer, stiftbreite);
    if (nummer == letzterStrich) spielerstatus[spielernummer] = verloren;
}

void bildLeeren(Canvas& c, const DesignGrid& g)
{
    vorbereitet(c).rectangle(0, 0, g.x(200), g.y(550));
}

int zeitgrenze(int zeitwahl, int ohneGrenze)
{
    switch (zeitwahl) {
    case 0:
        return 60;
    case 1:
        return 120;
    case 2:
        return 300;
    default:
        return ohneGrenze;
    }
}

int balkenende(int sekunden, int grenze, float skalaX)
{
    if (grenze <= 0) return 0;
    return Round(double(sekunden) * 200.0 / double(grenze) * double(skalaX));
}

void zeitkopf(Canvas& c, const DesignGrid& g, const Font& schrift)
{
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { clGreen, 1 };
    c.brush = Brush { clWhite };
    c.rectangle(0, 0, g.x(200), g.y(78));
    c.brush = Brush { clGreen };
    c.rectangle(0, g.y(50), g.x(200), g.y(72));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.brush = Brush { clWhite };
    c.font = schrift;
    c.font.color = clGreen;
    c.textOut(g.x(100), g.y(6), QStringLiteral("Zeit"));
}

void zeitkopf(Canvas& c, const DesignGrid& g)
{
    Font schrift;
    schrift.setSize(g.y(24));
    zeitkopf(c, g, schrift);
}

// The time bar from its left end to `rechts` pixels, framed in black.
static void balken(Canvas& c, const DesignGrid& g, const QColor& farbe, int rechts)
{
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { clBlack, 1 };
    c.brush = Brush { farbe };
    c.rectangle(0, g.y(50), rechts, g.y(72));
}

void balkenGruen(Canvas& c, const DesignGrid& g)
{
    balken(c, g, clGreen, g.x(200));
}

void balkenRot(Canvas& c, const DesignGrid& g, int sekunden, int grenze)
{
    balken(c, g, clRed, grenze > 0 ? g.x(double(sekunden) * 200.0 / double(grenze)) : 0);
}

// The picture box's messages: black "arial" at 15 design units, centred.
static void schwarzeSchrift(Canvas& c, const DesignGrid& g)
{
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.brush = Brush { clWhite };
    c.font.name = QStringLiteral("arial");
    c.font.color = clBlack;
    c.font.setSize(g.x(15));
}

void schriftEinpassen(Canvas& c, const QString& text, int breite)
{
    while (c.font.height < -1 && c.textWidth(text) > breite)
        ++c.font.height;
}

// One message line of the picture box at design height y, centred under the figure. A line too wide for the
// box (a long name or word on a small screen) is drawn smaller rather than cut at the box's edges.
static void bildzeile(Canvas& c, const DesignGrid& g, int y, const QString& text)
{
    // Inside the box's black border, with two pixels to spare on either side.
    constexpr int rand = 3;
    const int mitte = g.x(100);
    schwarzeSchrift(c, g);
    schriftEinpassen(c, text, 2 * (std::min(mitte, g.x(200) - mitte) - rand));
    c.textOut(mitte, g.y(y), text);
}

void sekunde(int& sekunden, Canvas& balken, const DesignGrid& g, const std::function<void()>& zeitUm)
{
    ++sekunden;
    if (zeitwahl >= 3) return;
    const int grenze = zeitgrenze(zeitwahl);
    if (sekunden == grenze) zeitUm();
    balkenRot(balken, g, sekunden, grenze);
}

static void rundenendeText(
    Canvas& c, const DesignGrid& g, bool gewonnen, bool fehlerVoll, const QString& name, const QString& wort)
{
    if (gewonnen) {
        namenszeilen(c, g, name, QStringLiteral("hat gewonnen."), 400, 445);
        c.pen = Pen { clRed, g.x(3) };
        c.polyline({ { g.x(30), g.y(325) }, { g.x(45), g.y(370) }, { g.x(180), g.y(80) } });
        return;
    }
    if (!fehlerVoll) {
        bildzeile(c, g, 340, QStringLiteral("Die Zeit ist um."));
        bildzeile(c, g, 400, QStringLiteral("Die Botschaft hieß:"));
        bildzeile(c, g, 445, wort);
        return;
    }
    // Four lines under the figure's hill: the name and its result, then the word.
    namenszeilen(c, g, name, QStringLiteral("hat verloren."), 330, 370);
    bildzeile(c, g, 415, QStringLiteral("Die Botschaft hieß:"));
    bildzeile(c, g, 455, wort);
}

void rundenende(Timer& timer, Button* weiter, Button* abbrechen, Canvas& bild, const DesignGrid& g, bool gewonnen,
    bool fehlerVoll, const QString& wort, int verloren)
{
    timer.setEnabled(false);
    anbieten(weiter, QStringLiteral("weiter"));
    abbrechen->setEnabled(false);
    rundenendeText(bild, g, gewonnen, fehlerVoll, spielername(), wort);
    if (!gewonnen) spielerstatus[spielernummer] = verloren;
}

void ohneWoerter(Canvas& c, const DesignGrid& g, const QString& liste, int rechts, Button* start, Button* ende)
{
    c.font.setSize(g.y(28));
    c.rectangle(g.x(50), g.y(10), g.x(rechts), g.y(80));
    c.textOut(g.x(375), g.y(20), QStringLiteral("Keine Wörter in ") + liste);
    start->hide();
    ende->setEnabled(true);
    SetFocus(ende);
}

void namenszeilen(
    Canvas& c, const DesignGrid& g, const QString& name, const QString& ergebnis, int yName, int yErgebnis)
{
    bildzeile(c, g, yName, name);
    bildzeile(c, g, yErgebnis, ergebnis);
}

void abbruchtext(Canvas& c, const DesignGrid& g, const QString& name, int yName, int yText)
{
    namenszeilen(c, g, name, QStringLiteral("hat abgebrochen."), yName, yText);
}

void abbruch(Timer& timer, Button* weiter, Button* abbrechen, Canvas& bild, const DesignGrid& g, int yName, int yText)
{
    timer.setEnabled(false);
    spielerstatus[spielernummer] = 500;
    anbieten(weiter, QStringLiteral("weiter"));
    abbrechen->setEnabled(false);
    abbruchtext(bild, g, spielername(), yName, yText);
}

} // namespace gruppenspiel
