#include "games/s_wraten.h"

#include "games/buchstabentastatur.h"
#include "games/gruppenspiel.h"
#include "games/s_hm.h"
#include "games/s_wraten_logik.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/HalmorGlobalDefs.h"

// ---- Form description ----

TForm62::TForm62(QWidget* parent)
    : Form(parent)
{
    spielrahmen(*this, "TForm62", QStringLiteral("Wörterraten"));
    KeyPreview = true;

    PaintBox1 = new PaintBox(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    zeitagbox = new PaintBox(this);
    zeitagbox->setObjectName(QStringLiteral("zeitagbox"));
    startknopf = spielknopf(this, "startknopf", QStringLiteral("Start"));
    startknopf->Default = true;
    startknopf->OnClick = [this] { startknopfClick(); };
    endeknopf = spielknopf(this, "endeknopf", QStringLiteral("Programm abbrechen"));
    endeknopf->Cancel = true;
    endeknopf->OnClick = [this] { endeknopfClick(); };

    Buchstabentastatur::Plaetze p;
    p.x[0] = { 65, 122, 179, 236, 293, 350, 407, 464, 521, 578, 635 };
    p.x[1] = { 75, 132, 189, 246, 303, 360, 417, 474, 531, 588, 645 };
    p.x[2] = { 100, 157, 214, 271, 328, 385, 442 };
    p.y = { 711, 803, 895 };
    p.breite = 40;
    p.hoehe = 60;
    p.groesse = 28;
    m_tastatur = std::make_unique<Buchstabentastatur>(this, p, [this](QChar z) { buchstabenpruefung(z); });

    Timer1 = new Timer(this, 1000, false);
    Timer1->OnTimer = [this] { Timer1Timer(); };
    OnActivate = [this] { form62aktiv(); };
    OnKeyPress = [this](QChar& taste) { m_tastatur->tippen(taste); };
}

TForm62::~TForm62() = default;

Button* TForm62::buchstabenknopf(int i) const
{
    return m_tastatur->knopf(i - 1);
}

void TForm62::anordnen()
{
    m_raster = DesignGrid(skala_x, skala_y);
    const DesignGrid& g = m_raster;
    surface().clear();
    seitenleiste(g, PaintBox1, zeitagbox, startknopf, endeknopf);
    m_tastatur->anordnen(g);
}

// ---- Handlers ----

void TForm62::form62aktiv()
{
    anordnen();
    spielBeginnen();
    m_liste = s_wraten::liste(variante);
    m_vorrat.setzen(wortliste(m_liste));
    m_ohneWoerter = m_vorrat.leer();
    if (m_ohneWoerter) {
        // Nothing to guess: no turn starts, and "Programm abbrechen" leaves.
        m_runde = 1;
        Canvas& c = gruppenspiel::vorbereitet(canvas());
        c.font.color = clBlue;
        gruppenspiel::ohneWoerter(c, m_raster, m_liste, 703, startknopf, endeknopf);
        return;
    }
    zugbeginn();
}

void TForm62::startknopfClick()
{
    if (m_runde == 1) {
        zugbeginn();
        return;
    }
    if (m_runde != 0) return;
    const DesignGrid& g = m_raster;
    const int n = int(m_wahltext.size());
    Timer1->setEnabled(true);
    m_sekunden = 0;
    m_runde = 4;
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.font.color = clGreen;
    c.font.height = g.x(s_wraten::strichhoehe(n));
    for (int i = 1; i <= n; ++i)
        c.textOut(s_wraten::platzX(i, n, skala_x), g.y(300), QStringLiteral("_"));
    m_gefunden = s_wraten::anfang(m_wahltext, schalter1 == 0);
    if (schalter1 == 0) {
        c.font.height = g.x(s_wraten::buchstabenhoehe(n));
        c.textOut(s_wraten::platzX(1, n, skala_x), g.y(s_wraten::buchstabenzeile(n)), m_wahltext.left(1));
    }
    startknopf->hide();
}

void TForm62::Timer1Timer()
{
    gruppenspiel::sekunde(m_sekunden, zeitagbox->canvas(), m_raster, [this] { rundenende(); });
}

void TForm62::endeknopfClick()
{
    if (m_ohneWoerter) {
        Close();
        return;
    }
    m_runde = 1;
    gruppenspiel::abbruch(*Timer1, startknopf, endeknopf, PaintBox1->canvas(), m_raster, 355, 410);
}

// ---- Routines ----

void TForm62::spielflaeche()
{
    const DesignGrid& g = m_raster;
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.font.setSize(g.y(28));
    c.font.color = clBlue;
    c.pen = Pen { clBlue, 3 };
    c.rectangle(g.x(50), g.y(10), g.x(703), g.y(80));
    c.rectangle(g.x(50), g.y(100), g.x(703), g.y(630));
    c.rectangle(g.x(50), g.y(650), g.x(703), g.y(990));
    c.textOut(g.x(150), g.y(500), QStringLiteral("Fehlschüsse:"));
    if (schalter2 == 1) c.textOut(g.x(300), g.y(500), QStringLiteral("merken!!!"));
    m_wahltext = m_vorrat.ziehen();
}

void TForm62::zugbeginn()
{
    const DesignGrid& g = m_raster;
    m_fehler = 0;
    stiftbreite = 1;
    m_runde = 0;
    endeknopf->setEnabled(true);
    gruppenspiel::anbieten(startknopf, QStringLiteral("Start"));
    spielflaeche();
    if (!spielerwechsel(*this, *Timer1, true)) return;
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.font.setSize(g.y(28));
    c.font.color = clBlue;
    c.textOut(g.x(375), g.y(20), gruppenspiel::spielername() + QStringLiteral(" ist dran"));
    if (zeitwahl < 3) gruppenspiel::zeitkopf(zeitagbox->canvas(), g);
    gruppenspiel::bildLeeren(PaintBox1->canvas(), g);
}

void TForm62::buchstabenpruefung(QChar zeichen)
{
    if (m_runde != 4) return;
    const DesignGrid& g = m_raster;
    const int n = int(m_wahltext.size());
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.font.color = clGreen;
    c.font.height = g.x(s_wraten::buchstabenhoehe(n));
    const std::vector<int> plaetze = s_wraten::eintragen(m_gefunden, m_wahltext, zeichen);
    for (int i : plaetze)
        c.textOut(s_wraten::platzX(i, n, skala_x), g.y(s_wraten::buchstabenzeile(n)), QString(zeichen));
    if (plaetze.empty()) {
        ++m_fehler;
        gruppenspiel::fehlerstrich(PaintBox1->canvas(), g, m_fehler, stiftbreite, 140);
        if (schalter2 == 0) {
            Canvas& f = gruppenspiel::vorbereitet(canvas());
            f.font.setSize(g.y(28));
            f.font.color = clBlue;
            f.textOut(g.x(s_wraten::fehlschussX(m_fehler)), g.y(500), QString(zeichen));
        }
    }
    if (s_wraten::fertig(m_gefunden)) {
        m_runde = 2;
        rundenende();
    } else if (m_fehler == gruppenspiel::letzterStrich) {
        rundenende();
    }
}

void TForm62::rundenende()
{
    m_sekunden = 0;
    gruppenspiel::rundenende(*Timer1, startknopf, endeknopf, PaintBox1->canvas(), m_raster, m_runde == 2,
        m_fehler >= gruppenspiel::letzterStrich, m_wahltext, 140);
    m_runde = 1;
}
