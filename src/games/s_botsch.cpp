#include "games/s_botsch.h"

#include "games/buchstabentastatur.h"
#include "games/gruppenspiel.h"
#include "games/s_hm.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/HalmorGlobalDefs.h"

namespace {

const QString kListe = QStringLiteral("kurz.txt");

} // namespace

// ---- Form description ----

TForm60::TForm60(QWidget* parent)
    : Form(parent)
{
    spielrahmen(*this, "TForm60", QStringLiteral("Botschaften"));
    KeyPreview = true;

    PaintBox1 = new PaintBox(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox2 = new PaintBox(this);
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
    startknopf = spielknopf(this, "startknopf", QStringLiteral("Start"));
    startknopf->Default = true;
    startknopf->OnClick = [this] { startknopfClick(); };
    Button31 = spielknopf(this, "Button31", QStringLiteral("abbrechen"));
    Button31->Cancel = true;
    Button31->OnClick = [this] { Button31Click(); };

    Buchstabentastatur::Plaetze p;
    p.x[0] = { 89, 143, 197, 252, 306, 360, 415, 469, 523, 578, 632 };
    p.x[1] = p.x[0];
    for (int s = 0; s < 7; ++s)
        p.x[2][std::size_t(s)] = p.x[0][std::size_t(s + 2)];
    p.y = { 655, 775, 895 };
    p.inTafel = true;
    m_tastatur = std::make_unique<Buchstabentastatur>(this, p, [this](QChar z) { buchstabenpruefung(z); });

    Timer1 = new Timer(this, 1000, false);
    Timer1->OnTimer = [this] { Timer1Timer(); };
    OnActivate = [this] { form60aktiv(); };
    OnKeyPress = [this](QChar& taste) { m_tastatur->tippen(taste); };
}

TForm60::~TForm60() = default;

Button* TForm60::buchstabenknopf(int i) const
{
    return m_tastatur->knopf(i - 1);
}

void TForm60::anordnen()
{
    m_raster = DesignGrid(skala_x, skala_y);
    const DesignGrid& g = m_raster;
    surface().clear();
    seitenleiste(g, PaintBox1, PaintBox2, startknopf, Button31);
    // The key table's grid (schluesseltafel): a row of results over the letters in kind 7.
    m_tastatur->setTafel(variante == 7 ? QRect(77, 565, 594, 395) : QRect(77, 600, 594, 360));
    m_tastatur->anordnen(g);
}

// ---- Handlers ----

void TForm60::form60aktiv()
{
    anordnen();
    spielBeginnen();
    m_vorrat.setzen(wortliste(kListe));
    m_ohneWoerter = m_vorrat.leer();
    if (m_ohneWoerter) {
        // Nothing to decode: no turn starts, and "abbrechen" leaves.
        m_runde = 1;
        gruppenspiel::ohneWoerter(gruppenspiel::vorbereitet(canvas()), m_raster, kListe, 695, startknopf, Button31);
        return;
    }
    zugbeginn();
}

void TForm60::startknopfClick()
{
    Button31->setEnabled(true);
    if (m_runde == 1) {
        zugbeginn();
        return;
    }
    if (m_runde != 0) return;
    const DesignGrid& g = m_raster;
    m_aufgaben = s_botsch::aufgaben(variante, m_botschaft);
    aufgabenZeichnen();
    m_merker = 1;
    Timer1->setEnabled(true);
    m_sekunden = 0;
    m_runde = 4;
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.font.setSize(g.y(28));
    c.textOut(g.x(s_botsch::antwortX(variante)), g.y(125), QStringLiteral("?"));
    c.pen = Pen { clGreen, 5 };
    c.rectangle(g.x(340), g.y(180), g.x(660), g.y(400));
    c.font.setSize(g.x(50));
    c.font.color = clGreen;
    for (int k = 1; k <= m_botschaft.size(); ++k)
        c.textOut(g.x(57 * k + 330), g.y(242), QStringLiteral("_"));
    c.textOut(g.x(387), g.y(230), QStringLiteral("?"));
    startknopf->hide();
}

void TForm60::Timer1Timer()
{
    gruppenspiel::sekunde(m_sekunden, PaintBox2->canvas(), m_raster, [this] { rundenende(); });
}

void TForm60::Button31Click()
{
    if (m_ohneWoerter) {
        Close();
        return;
    }
    m_runde = 1;
    gruppenspiel::abbruch(*Timer1, startknopf, Button31, PaintBox1->canvas(), m_raster, 355, 410);
}

// ---- Routines ----

void TForm60::schluesseltafel()
{
    const DesignGrid& g = m_raster;
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.font.setSize(g.y(28));
    c.font.color = clBlue;
    c.rectangle(g.x(50), g.y(500), g.x(695), g.y(990));
    c.pen = Pen { clBlue, 3 };
    const auto linie = [&](int x1, int y1, int x2, int y2) {
        c.moveTo(g.x(x1), g.y(y1));
        c.lineTo(g.x(x2), g.y(y2));
    };
    const auto zahl = [&](int x, int y, int n) { c.textOut(g.x(x), g.y(y), QString::number(n)); };
    if (variante == 5) {
        const std::vector<int>& p = s_botsch::produkte();
        for (int j = 1; j <= 11; ++j) {
            zahl(54 * j + 52, 605, p[std::size_t(j - 1)]);
            zahl(54 * j + 52, 725, p[std::size_t(j + 10)]);
        }
        for (int j = 1; j <= 7; ++j)
            zahl(54 * j + 160, 845, p[std::size_t(j + 21)]);
    } else if (variante == 7) {
        for (int i = 0; i <= 10; ++i)
            zahl(54 * i + 104, 577, i);
    } else {
        for (int i = 0; i <= 10; ++i) {
            zahl(54 * i + 104, 605, 35 + i);
            zahl(54 * i + 104, 725, 46 + i);
        }
        for (int i = 0; i <= 6; ++i)
            zahl(54 * i + 213, 845, 57 + i);
    }
    c.font.color = clBlack;
    if (variante == 7) {
        linie(77, 640, 671, 640);
        linie(77, 565, 671, 565);
        linie(77, 960, 671, 960);
        for (int i = 0; i <= 11; ++i)
            linie(54 * i + 77, 565, 54 * i + 77, 960);
        c.font.setSize(g.y(23));
        c.textOut(g.x(377), g.y(510), QStringLiteral("die Ergebnisse sind mehrdeutig:"));
    } else {
        for (int j = 0; j <= 3; ++j)
            linie(77, 120 * j + 600, 671, 120 * j + 600);
        for (int i = 0; i <= 11; ++i)
            linie(54 * i + 77, 600, 54 * i + 77, 960);
        c.font.height = g.y(33);
        c.textOut(g.x(377), g.y(530), QStringLiteral("tippe oder klicke auf den Buchstaben unter dem Ergebnis"));
    }
    c.font.setSize(g.y(28));
    c.rectangle(g.x(50), g.y(100), g.x(695), g.y(475));
    m_wahltext = m_vorrat.ziehen();
    m_botschaft = s_botsch::botschaft(m_wahltext);
}

void TForm60::zugbeginn()
{
    const DesignGrid& g = m_raster;
    schluesseltafel();
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.rectangle(g.x(50), g.y(10), g.x(695), g.y(80));
    if (!spielerwechsel(*this, *Timer1, true)) return;
    c.font.setSize(g.y(28));
    c.font.color = clBlack;
    c.textOut(
        g.x(375), g.y(20), QStringLiteral("eine Botschaft für  ") + gruppenspiel::spielername() + QStringLiteral(" :"));
    m_fehler = 0;
    m_runde = 0;
    gruppenspiel::anbieten(startknopf, QStringLiteral("Start"));
    if (zeitwahl < 3) gruppenspiel::zeitkopf(PaintBox2->canvas(), g);
    gruppenspiel::bildLeeren(PaintBox1->canvas(), g);
}

void TForm60::aufgabenZeichnen()
{
    const DesignGrid& g = m_raster;
    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.font.setSize(g.y(28));
    c.font.color = clBlack;
    for (int k = 1; k <= int(m_aufgaben.size()); ++k) {
        const int y = s_botsch::aufgabenzeile(k);
        for (const s_botsch::Teil& t : s_botsch::aufgabentext(variante, m_aufgaben[std::size_t(k - 1)])) {
            c.setTextAlign((t.rechts ? TextAlign::Right : TextAlign::Center) | TextAlign::Top);
            c.textOut(g.x(t.x), g.y(y + t.dy), t.text);
        }
    }
}

void TForm60::buchstabenpruefung(QChar zeichen)
{
    if (m_runde != 4) return;
    const DesignGrid& g = m_raster;
    const int k = m_merker;
    if (zeichen != m_botschaft[k - 1]) {
        ++m_fehler;
        gruppenspiel::fehlerstrich(PaintBox1->canvas(), g, m_fehler, stiftbreite, 150);
    } else {
        const int n = int(m_botschaft.size());
        Canvas& c = gruppenspiel::vorbereitet(canvas());
        c.font.setSize(g.x(50));
        c.font.color = clWhite;
        c.textOut(g.x(57 * k + 330), g.y(200), QStringLiteral("?"));
        c.font.color = clGreen;
        c.textOut(g.x(57 * k + 330), g.y(230), QString(zeichen));
        if (k < n) c.textOut(g.x(57 * k + 387), g.y(230), QStringLiteral("?"));
        c.font.setSize(g.y(28));
        c.font.color = clBlack;
        const int x = s_botsch::antwortX(variante);
        c.textOut(g.x(x), g.y(s_botsch::aufgabenzeile(k)), QString::number(m_aufgaben[std::size_t(k - 1)].r));
        if (k < n) c.textOut(g.x(x), g.y(68 * k + 125), QStringLiteral("?"));
        m_merker = k + 1;
    }
    if (m_fehler == gruppenspiel::letzterStrich) {
        rundenende();
    } else if (m_merker == m_botschaft.size() + 1) {
        m_runde = 2;
        rundenende();
    }
}

void TForm60::rundenende()
{
    m_sekunden = 0;
    gruppenspiel::rundenende(*Timer1, startknopf, Button31, PaintBox1->canvas(), m_raster, m_runde == 2,
        m_fehler >= gruppenspiel::letzterStrich, m_wahltext, 150);
    m_runde = 1;
}
