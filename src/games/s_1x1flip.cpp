#include "games/s_1x1flip.h"

#include "games/gruppenspiel.h"
#include "games/s_1x1flip_logik.h"
#include "games/s_hm.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "platform/pause.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/SBEx.h"

namespace {

// The pause before each number: 1e-5 of a day.
constexpr double kPause = 1e-5;

} // namespace

// ---- Form description ----

TForm61::TForm61(QWidget* parent)
    : Form(parent)
{
    spielrahmen(*this, "TForm61", QStringLiteral("1x1 Flipper"));

    PaintBox1 = new PaintBox(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox2 = new PaintBox(this);
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
    Button8 = spielknopf(this, "Button8", QStringLiteral("Start"));
    setTabStop(Button8, false);
    Button8->OnClick = [this] { Button8Click(); };
    Button2 = spielknopf(this, "Button2", QStringLiteral("weiter"));
    Button2->OnClick = [this] { Button2Click(); };
    Button1 = spielknopf(this, "Button1", QStringLiteral("Programm abbrechen"));
    Button1->Cancel = true;
    setTabStop(Button1, false);
    Button1->OnClick = [this] { Button1Click(); };
    Button3 = spielknopf(this, "Button3", QStringLiteral("<<<  nein"));
    Button3->OnClick = [this] { antwort(false); };
    Button4 = spielknopf(this, "Button4", QStringLiteral(" ja    >>>"));
    Button4->OnClick = [this] { antwort(true); };
    // Answers go by the arrow keys; a focused answer button would take Enter as well.
    for (Button* b : { Button3, Button4 })
        b->setFocusPolicy(Qt::NoFocus);

    ScrollBoxEx2 = gruppenspiel::pfeiltastenbox(this, "ScrollBoxEx2", [this](quint16& taste) { specialkey(taste); });

    Timer1 = new Timer(this, 100, false);
    Timer1->OnTimer = [this] { zeitum(); };
    OnActivate = [this] { form61aktiv(); };
}

void TForm61::anordnen()
{
    m_raster = DesignGrid(skala_x, skala_y);
    const DesignGrid& g = m_raster;
    surface().clear();
    seitenleiste(g, PaintBox1, PaintBox2, Button8, Button1);
    const struct {
        Button* b;
        int left, top, width, height, groesse;
    } knoepfe[] = { { Button2, 750, 770, 200, 65, 21 }, { Button3, 70, 800, 250, 100, 60 },
        { Button4, 375, 800, 250, 100, 60 } };
    for (const auto& k : knoepfe) {
        g.place(k.b, k.left, k.top, k.width, k.height);
        g.fontSize(k.b, k.groesse);
    }
    g.place(ScrollBoxEx2, 990, 790, 1, 1);
}

// ---- Handlers ----

void TForm61::form61aktiv()
{
    anordnen();
    spielBeginnen();
    ScrollBoxEx2->setEnabled(true);
    SetFocus(ScrollBoxEx2);
    zugbeginn();
}

void TForm61::Button8Click()
{
    Button8->hide();
    Button8->Default = false;
    // The arrow keys answer: the key box keeps the focus that the hidden Start button had.
    SetFocus(ScrollBoxEx2);
    naechsteZahl();
}

void TForm61::antwort(bool ja)
{
    // Only a number that is shown and waits takes an answer.
    if (!m_wartet) return;
    m_wartet = false;
    Timer1->setEnabled(false);
    kastenLeeren();
    const int z = s_1x1flip::zaehler(ja, m_nummer % reihenzahl() == 0);
    if (!s_1x1flip::richtig(z)) fehlerbild();
    s_1x1flip::zaehlen(spielernummer, z, m_nummer);
    if (m_anzahl < 1 || m_fehler >= 11)
        rundenende();
    else
        naechsteZahl();
}

void TForm61::zeitum()
{
    ++m_ticks;
    const int grenze = s_1x1flip::grenze(zeitwahl);
    if (grenze == 0 || m_ticks != grenze || !m_wartet) return;
    m_wartet = false;
    fehlerbild();
    Timer1->setEnabled(false);
    s_1x1flip::zaehlen(spielernummer, 4, m_nummer);
    kastenLeeren();
    pause(kPause);
    if (m_anzahl > 0 && m_fehler < 11)
        naechsteZahl();
    else
        rundenende();
}

void TForm61::Button1Click()
{
    spielerstatus[spielernummer] = 500;
    m_fehler = 12;
    rundenende();
}

void TForm61::Button2Click()
{
    Button8->show();
    Button1->setEnabled(true);
    zugbeginn();
}

void TForm61::specialkey(quint16& taste)
{
    if (taste == vk::Left)
        Button3->Click();
    else if (taste == vk::Right)
        Button4->Click();
}

// ---- Routines ----

void TForm61::zugbeginn()
{
    const DesignGrid& g = m_raster;
    m_fehler = 0;
    m_anzahl = 20;
    m_wartet = false;
    Button8->Default = true;
    gruppenspiel::anbieten(Button8);
    Button2->hide();
    // "ja" and "nein" wait for the first number.
    Button3->setEnabled(false);
    Button4->setEnabled(false);
    bildschirm();
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.rectangle(g.x(10), g.y(10), g.x(695), g.y(80));
    if (!spielerwechsel(*this, *Timer1, true, true)) {
        ScrollBoxEx2->setEnabled(false);
        return;
    }
    c.font.setSize(g.y(32));
    c.font.color = clBlue;
    c.textOut(g.x(350), g.y(20), gruppenspiel::spielername() + QStringLiteral(" ist dran"));
    gruppenspiel::bildLeeren(PaintBox1->canvas(), g);
    ScrollBoxEx2->setEnabled(true);
    SetFocus(ScrollBoxEx2);
}

void TForm61::bildschirm()
{
    const DesignGrid& g = m_raster;
    const int n = reihenzahl();
    m_zahlen = s_1x1flip::zahlen(n);
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.rectangle(g.x(10), g.y(87), g.x(695), g.y(990));
    c.font.color = clBlue;
    c.font.height = g.y(75);
    c.textOut(g.x(347), g.y(125), QStringLiteral("Gehört die Zahl im Kasten zum"));
    c.font.setSize(g.y(75));
    c.textOut(g.x(347), g.y(235), QStringLiteral("?     1    ") + QString::number(n) + QStringLiteral("     ?"));
    c.pen = Pen { clBlue, 15 };
    c.brush = Brush { clBlue };
    c.ellipse(g.x(346), g.y(282), g.x(349), g.y(287));
    c.brush = Brush { clWhite };
    c.rectangle(g.x(200), g.y(380), g.x(485), g.y(700));
}

void TForm61::naechsteZahl()
{
    const DesignGrid& g = m_raster;
    kastenLeeren();
    pause(kPause);
    Button3->setEnabled(true);
    Button4->setEnabled(true);
    const int k = Random(m_anzahl) + 1;
    m_nummer = m_zahlen[std::size_t(k)];
    m_ticks = 0;
    Timer1->setEnabled(true);
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.font.color = clGreen;
    c.font.height = g.y(280);
    c.textOut(g.x(342), g.y(400), QString::number(m_nummer));
    std::swap(m_zahlen[std::size_t(k)], m_zahlen[std::size_t(m_anzahl)]);
    --m_anzahl;
    m_wartet = true;
}

void TForm61::kastenLeeren()
{
    const DesignGrid& g = m_raster;
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.pen.color = clWhite;
    c.rectangle(g.x(210), g.y(390), g.x(475), g.y(690));
}

void TForm61::fehlerbild()
{
    for (int strich : s_1x1flip::striche(m_fehler)) {
        m_fehler = strich;
        gruppenspiel::fehlerstrich(PaintBox1->canvas(), m_raster, strich, stiftbreite, 140);
    }
}

void TForm61::rundenende()
{
    const DesignGrid& g = m_raster;
    m_wartet = false;
    Button3->setEnabled(false);
    Button4->setEnabled(false);
    Button2->Default = true;
    gruppenspiel::anbieten(Button2);
    ScrollBoxEx2->setEnabled(false);
    Button1->setEnabled(false);
    Timer1->setEnabled(false);
    gruppenspiel::namenszeilen(PaintBox1->canvas(), g, gruppenspiel::spielername(),
        m_fehler < 11        ? QStringLiteral("hat es geschafft.")
            : m_fehler == 11 ? QStringLiteral("hat verloren.")
                             : QStringLiteral("hat abgebrochen."),
        355, 410);
    m_anzahl = 20;
}

int TForm61::reihenzahl() const
{
    return variante + 2;
}
