#include "games/s_lvr.h"

#include "games/gruppenspiel.h"
#include "games/s_hm.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/SBEx.h"
#include "shell/fenster.h"

namespace {

TForm47* aufbau()
{
    return dynamic_cast<TForm47*>(Form47);
}

} // namespace

// ---- Form description ----

TForm48::TForm48(QWidget* parent)
    : Form(parent)
{
    spielrahmen(*this, "TForm48", QStringLiteral("lvr"));

    PaintBox1 = new PaintBox(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox2 = new PaintBox(this);
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
    Button8 = spielknopf(this, "Button8", QStringLiteral("Start"));
    setTabStop(Button8, false);
    Button8->OnClick = [this] { Button8Click(); };
    Button2 = spielknopf(this, "Button2", QStringLiteral("von vorn"));
    Button2->OnClick = [this] { Button2Click(); };
    const struct {
        Button** b;
        const char* name;
        const char* zeichen;
        char befehl;
    } bewegung[]
        = { { &Button5, "Button5", "E", 'L' }, { &Button4, "Button4", "G", 'V' }, { &Button7, "Button7", "F", 'R' } };
    for (const auto& k : bewegung) {
        Button* b = spielknopf(this, k.name, QLatin1String(k.zeichen));
        applyFontSize(b, QStringLiteral("Wingdings"), 36);
        setTabStop(b, false);
        const QChar befehl = QLatin1Char(k.befehl);
        b->OnClick = [this, befehl] { befehlsknopf(befehl); };
        *k.b = b;
    }
    Button1 = spielknopf(this, "Button1", QStringLiteral("Programm abbrechen"));
    Button1->Cancel = true;
    setTabStop(Button1, false);
    Button1->OnClick = [this] { Button1Click(); };

    ScrollBoxEx1 = gruppenspiel::pfeiltastenbox(this, "ScrollBoxEx1", [this](quint16& taste) { spezialkey(taste); });

    Timer1 = new Timer(this, 1000, false);
    Timer1->OnTimer = [this] { zeitum(); };
    OnActivate = [this] { form48aktiv(); };
}

void TForm48::anordnen()
{
    m_raster = DesignGrid(skala_x, skala_y);
    const DesignGrid& g = m_raster;
    surface().clear();
    seitenleiste(g, PaintBox1, PaintBox2, Button8, Button1);
    const struct {
        Button* b;
        int left, top, width, height, groesse;
    } knoepfe[] = { { Button2, 750, 770, 200, 65, 21 }, { Button5, 750, 670, 55, 75, 36 },
        { Button4, 823, 580, 55, 75, 36 }, { Button7, 895, 670, 55, 75, 36 } };
    for (const auto& k : knoepfe) {
        g.place(k.b, k.left, k.top, k.width, k.height);
        g.fontSize(k.b, k.groesse);
    }
    g.place(ScrollBoxEx1, 990, 790, 1, 1);
}

// ---- Handlers ----

void TForm48::form48aktiv()
{
    anordnen();
    spielBeginnen();
    zugbeginn();
}

void TForm48::Button8Click()
{
    const DesignGrid& g = m_raster;
    if (zeitwahl < 3) gruppenspiel::zeitkopf(PaintBox2->canvas(), g);
    if (m_runde == 1) {
        zugbeginn();
        return;
    }
    m_befehlszaehler = 0;
    figurZeichnen(0, s_lvr::richtungNach(m_pfad, -1));
    figurZeichnen(1, s_lvr::richtungNach(m_pfad, 0));
    Timer1->setEnabled(true);
    m_sekunden = 0;
    ScrollBoxEx1->setEnabled(true);
    Button8->hide();
    Button8->Default = false;
    bewegungsknoepfe(true);
    SetFocus(ScrollBoxEx1);
}

void TForm48::befehlsknopf(QChar befehl)
{
    ScrollBoxEx1->setEnabled(true);
    SetFocus(ScrollBoxEx1);
    befehlspruefung(befehl);
}

void TForm48::spezialkey(quint16& taste)
{
    switch (taste) {
    case vk::Left:
        befehlspruefung(QLatin1Char('L'));
        break;
    case vk::Up:
        befehlspruefung(QLatin1Char('V'));
        break;
    case vk::Right:
        befehlspruefung(QLatin1Char('R'));
        break;
    default:
        break; // the down arrow and every other key change nothing
    }
}

void TForm48::Button2Click()
{
    pfeilZeichnen(m_befehlszaehler, m_irrichtung);
    figurZeichnen(m_befehlszaehler, s_lvr::richtungNach(m_pfad, m_befehlszaehler - 1));
    m_befehlszaehler = 0;
    figurZeichnen(1, s_lvr::richtungNach(m_pfad, 0));
    meldungLeeren();
    ScrollBoxEx1->setEnabled(true);
    Button2->hide();
    Button2->Default = false;
    bewegungsknoepfe(true);
    SetFocus(ScrollBoxEx1);
}

void TForm48::Button1Click()
{
    m_runde = 1;
    Timer1->setEnabled(false);
    if (spielerstatus[spielernummer] != 140) spielerstatus[spielernummer] = 500;
    Button8->Default = true;
    gruppenspiel::anbieten(Button8, QStringLiteral("weiter"));
    // "von vorn" lies where "weiter" lies: after an abort only "weiter" is offered.
    Button2->hide();
    Button2->Default = false;
    Button1->setEnabled(false);
    ScrollBoxEx1->setEnabled(false);
    bewegungsknoepfe(false);
    // The right command may still stand where the abort text goes.
    meldungLeeren();
    gruppenspiel::abbruchtext(PaintBox1->canvas(), m_raster, gruppenspiel::spielername(), 355, 410);
}

void TForm48::zeitum()
{
    gruppenspiel::sekunde(m_sekunden, PaintBox2->canvas(), m_raster, [this] {
        // Time is up: the figure is completed, the player counts as a loser and plays on with a new figure.
        for (int i = 0; i < 11; ++i)
            gruppenspiel::fehlerbild(PaintBox1->canvas(), m_raster, ++m_fehler, stiftbreite);
        spielerstatus[spielernummer] = 140;
        m_fehler = 0;
        stiftbreite += 3;
        m_sekunden = 0;
        gruppenspiel::balkenGruen(PaintBox2->canvas(), m_raster);
    });
}

// ---- Routines ----

void TForm48::zugbeginn()
{
    const DesignGrid& g = m_raster;
    Button1->setEnabled(true);
    ScrollBoxEx1->setEnabled(true);
    Button8->Default = true;
    gruppenspiel::anbieten(Button8, QStringLiteral("Start"));
    m_fehler = 0;
    stiftbreite = 1;
    m_runde = 0;
    Button2->hide();
    Button2->Default = false;
    ScrollBoxEx1->setEnabled(false);
    bewegungsknoepfe(false);

    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.rectangle(g.x(10), g.y(87), g.x(695), g.y(990));
    c.pen.color = clBlue;
    for (int i = 0; i <= 10; ++i) {
        c.moveTo(g.x(82 + 54 * i), g.y(185));
        c.lineTo(g.x(82 + 54 * i), g.y(906));
        c.moveTo(g.x(82), g.y(185 + 72 * i));
        c.lineTo(g.x(622), g.y(185 + 72 * i));
    }
    pfadZeichnen();

    Canvas& k = gruppenspiel::vorbereitet(canvas());
    k.rectangle(g.x(10), g.y(10), g.x(695), g.y(80));
    if (!spielerwechsel(*this, *Timer1, true)) return;
    k.font.setSize(g.y(32));
    k.font.color = clBlue;
    k.textOut(g.x(350), g.y(20), gruppenspiel::spielername() + QStringLiteral(" ist dran"));
    gruppenspiel::bildLeeren(PaintBox1->canvas(), g);
    m_startzeit = clockx::now();
}

void TForm48::pfadZeichnen()
{
    const DesignGrid& g = m_raster;
    bool erlaubt[4];
    for (int i = 0; i <= 3; ++i)
        erlaubt[i] = rechenartzeichen[i].str() != QLatin1String("n");
    // The step count is read from the set-up window at every path; Start there lets only 2..9 through.
    const int schritte = qBound(2, aufbau() ? aufbau()->schrittvorgabe() : 2, 9);
    m_pfad = s_lvr::erzeugen(programmcode == 19 ? 19 : 18, schritte, erlaubt);
    m_befehlszaehler = -1;
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.pen = Pen { clGreen, 5 };
    c.brush = Brush { clGreen };
    const QPoint erste = s_lvr::zellmitte(m_pfad.zellen.front());
    c.moveTo(g.x(erste.x()), g.y(erste.y()));
    for (std::size_t i = 1; i < m_pfad.zellen.size(); ++i) {
        const QPoint p = s_lvr::zellmitte(m_pfad.zellen[i]);
        c.lineTo(g.x(p.x()), g.y(p.y()));
    }
    const s_lvr::Feld ziel = m_pfad.zellen.back();
    c.brush = Brush { clWhite };
    c.ellipse(
        g.x(54 * ziel.spalte + 33), g.y(72 * ziel.zeile + 119), g.x(54 * ziel.spalte + 78), g.y(72 * ziel.zeile + 179));
    figurZeichnen(0, s_lvr::richtungNach(m_pfad, -1));
}

void TForm48::befehlspruefung(QChar befehl)
{
    if (befehl != QLatin1Char('L') && befehl != QLatin1Char('R') && befehl != QLatin1Char('V')) return;
    // Commands count only while the figure is on its way.
    if (m_runde != 0 || m_befehlszaehler < 0 || !Button2->isHidden()) return;
    const DesignGrid& g = m_raster;
    ++m_befehlszaehler;
    const int z = m_befehlszaehler;
    const QChar richtig = m_pfad.befehle[z - 1];
    if (befehl == richtig) {
        figurZeichnen(z, s_lvr::richtungNach(m_pfad, z - 1));
        figurZeichnen(z + 1, s_lvr::richtungNach(m_pfad, z));
        if (z < m_pfad.befehle.size()) return;
        Button1->setEnabled(false);
        Timer1->setEnabled(false);
        Canvas& c = gruppenspiel::vorbereitet(PaintBox1->canvas());
        c.pen = Pen { clRed, g.x(3) };
        c.polyline({ { g.x(15), g.y(390) }, { g.x(30), g.y(440) }, { g.x(190), g.y(120) } });
        ScrollBoxEx1->setEnabled(false);
        bewegungsknoepfe(false);
        Button8->setCaption(QStringLiteral("weiter"));
        Button8->show();
        Button8->Default = true;
        SetFocus(Button8);
        m_runde = 1;
        const clockx::TimeParts t = clockx::decode(clockx::now() - m_startzeit);
        c.font.color = clRed;
        c.font.height = g.y(50);
        c.textOut(g.x(100), g.y(430), s_lvr::laufzeitText(t.minutes + 60 * t.hours, t.seconds));
        return;
    }
    Button2->show();
    Button2->setEnabled(true);
    Button2->Default = true;
    BringToFront(Button2);
    bewegungsknoepfe(false);
    ScrollBoxEx1->setEnabled(false);
    if (++m_fehler > 11) {
        // A new figure is begun over the old one, thicker.
        m_fehler = 1;
        stiftbreite += 3;
    }
    gruppenspiel::fehlerstrich(PaintBox1->canvas(), g, m_fehler, stiftbreite, 140);
    Canvas& c = gruppenspiel::vorbereitet(PaintBox1->canvas());
    c.font.color = clRed;
    c.font.setSize(g.y(40));
    c.textOut(g.x(100), g.y(350), s_lvr::befehlswort(richtig));
    c.font.setSize(g.y(18));
    c.textOut(g.x(100), g.y(430), QStringLiteral("wäre richtig gewesen"));
    m_irrichtung = s_lvr::drehen(s_lvr::richtungNach(m_pfad, z - 1), befehl);
    pfeilZeichnen(z, m_irrichtung);
}

void TForm48::figurZeichnen(int platz, QChar richtung)
{
    umrissZeichnen(platz, richtung, s_lvr::figur, clBlue);
}

void TForm48::pfeilZeichnen(int platz, QChar richtung)
{
    umrissZeichnen(platz, richtung, s_lvr::irrpfeil, clRed);
}

void TForm48::umrissZeichnen(int platz, QChar richtung, Umriss umriss, const QColor& farbe)
{
    const DesignGrid& g = m_raster;
    if (platz < 0 || platz >= int(m_pfad.plaetze.size())) return;
    Canvas& c = canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { farbe, 5, PenStyle::Solid, PenMode::NotXor };
    c.brush = Brush { farbe };
    QVector<QPoint> ecken;
    for (const QPoint& p : umriss(m_pfad.plaetze[std::size_t(platz)], richtung))
        ecken << QPoint(g.x(p.x()), g.y(p.y()));
    c.polygon(ecken);
    c.pen.mode = PenMode::Copy;
}

void TForm48::meldungLeeren()
{
    const DesignGrid& g = m_raster;
    Canvas& c = gruppenspiel::vorbereitet(PaintBox1->canvas());
    c.pen.color = clWhite;
    // Across the whole box but its black border: a message wider than the box (on a narrow screen) reaches it.
    c.rectangle(1, g.y(350), g.x(200) - 1, g.y(498));
}

void TForm48::bewegungsknoepfe(bool zeigen)
{
    for (Button* b : { Button5, Button4, Button7 })
        b->setVisible(zeigen);
}
