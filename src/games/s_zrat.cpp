#include "games/s_zrat.h"

#include "games/gruppenspiel.h"
#include "games/s_hm.h"
#include "games/s_zrat_logik.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/tastenfeld.h"

namespace {

const QString kArial = QStringLiteral("arial");
// The pen of the input box, in pixels (not scaled). The strip under the question buttons is cleared with it too:
// a thinner pen leaves the bottom of the box's frame, which reaches below the strip's edge.
constexpr int kEingabestift = 5;

} // namespace

// ---- Form description ----

TForm58::TForm58(QWidget* parent)
    : Form(parent)
{
    spielrahmen(*this, "TForm58", QStringLiteral("Zahlenraten"));
    aufbauen();
    OnActivate = [this] { form58aktiv(); };
    OnKeyPress = [this](QChar& taste) { form58key(taste); };
}

TForm58::~TForm58() = default;

void TForm58::aufbauen()
{
    feldbox = new PaintBox(this);
    feldbox->setObjectName(QStringLiteral("feldbox"));
    PaintBox1 = new PaintBox(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox2 = new PaintBox(this);
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));

    Tastenfeld::Anordnung a;
    a.rechner = { 750, 427, 200, 323 };
    for (int d = 0; d <= 9; ++d)
        a.ziffern[d].groesse = 20;
    a.eingabe = { 130, 192, 57, 110, 12 };
    a.loeschen = { 10, 18, 35, 50, 16 };
    m_tastenfeld = std::make_unique<Tastenfeld>(this, Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste, a);
    GroupBox1 = m_tastenfeld->Rechner;
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Button** ziffern[10]
        = { &Button0, &Button1, &Button2, &Button3, &Button4, &Button5, &Button6, &Button7, &Button8, &Button9 };
    for (int d = 0; d <= 9; ++d) {
        Button* b = m_tastenfeld->ziffer(d);
        b->setObjectName(QStringLiteral("Button%1").arg(d));
        b->OnClick = [this, d] { ziffertaste(d); };
        *ziffern[d] = b;
    }
    Button14 = m_tastenfeld->Button13;
    Button14->setObjectName(QStringLiteral("Button14"));
    Button14->OnClick = [this] { Button14Click(); };
    Button15 = m_tastenfeld->Button14;
    Button15->setObjectName(QStringLiteral("Button15"));
    Button15->OnClick = [this] { Button15Click(); };

    startknopf = spielknopf(this, "startknopf", QStringLiteral("weiter"));
    startknopf->OnClick = [this] { startknopfClick(); };
    kleiner = spielknopf(this, "kleiner", QStringLiteral("&kleiner als ...?"));
    kleiner->OnClick = [this] { frageClick(1); };
    gleich = spielknopf(this, "gleich", QStringLiteral("ist es &die ... ?"));
    gleich->OnClick = [this] { frageClick(2); };
    grosser = spielknopf(this, "grosser", QStringLiteral("&größer als ...?"));
    grosser->OnClick = [this] { frageClick(3); };
    EndeButton = spielknopf(this, "EndeButton", QStringLiteral("Programm abbrechen"));
    EndeButton->Cancel = true;
    EndeButton->OnClick = [this] { EndeButtonClick(); };

    Timer1 = new Timer(this, 1000, false);
    Timer1->OnTimer = [this] { Timer1Timer(); };
}

void TForm58::anordnen()
{
    m_raster = DesignGrid(skala_x, skala_y);
    const DesignGrid& g = m_raster;
    surface().clear();
    g.place(PaintBox1, 750, 10, 200, 400);
    g.place(PaintBox2, 750, 850, 200, 80);
    g.place(feldbox, 30, 100, 665, 890);
    m_tastenfeld->anordnen(g);
    // The keypad's fonts follow the horizontal scale.
    for (int d = 0; d <= 9; ++d)
        setFontSize(m_tastenfeld->ziffer(d), g.x(20));
    setFontSize(Button15, g.x(16));
    setFontSize(Button14, g.x(12));
    const struct {
        Button* b;
        int left, top, width, height, groesse;
    } knoepfe[] = { { startknopf, 750, 770, 200, 65, 21 }, { kleiner, 42, 690, 200, 65, 21 },
        { gleich, 262, 690, 200, 65, 21 }, { grosser, 482, 690, 200, 65, 21 }, { EndeButton, 750, 950, 200, 40, 14 } };
    for (const auto& k : knoepfe) {
        g.place(k.b, k.left, k.top, k.width, k.height);
        g.fontSize(k.b, k.groesse);
        BringToFront(k.b);
    }
}

// ---- Handlers ----

void TForm58::form58aktiv()
{
    anordnen();
    spielBeginnen();
    if (wahl6 != 0)
        zahlvorgabe();
    else
        zugbeginn();
}

void TForm58::startknopfClick()
{
    switch (m_runde) {
    case 0:
        ++m_merker;
        m_eingabe = QStringLiteral("?");
        if (variante != 1) {
            eingabeanzeige();
            GroupBox1->setEnabled(true);
            KeyPreview = true;
            SetFocus(Button14);
        } else {
            fragenFreigeben(true);
            KeyPreview = false;
            GroupBox1->setEnabled(false);
            Canvas& c = gruppenspiel::vorbereitet(feldbox->canvas());
            c.pen = Pen { clWhite, kEingabestift };
            c.rectangle(m_raster.x(10), m_raster.y(660), m_raster.x(660), m_raster.y(740));
        }
        startknopf->setEnabled(false);
        break;
    case 1:
        if (wahl6 != 0) {
            zahlvorgabe();
        } else {
            m_runde = 2;
            zugbeginn();
        }
        break;
    case 2:
        startknopf->hide();
        m_runde = 0;
        rateanfang();
        break;
    default:
        break;
    }
}

void TForm58::ziffertaste(int ziffer)
{
    if (m_eingabe == QLatin1String("?")) m_eingabe.clear();
    if (m_eingabe.size() < 3) m_eingabe += QString::number(ziffer);
    eingabeanzeige();
}

void TForm58::Button15Click()
{
    if (!m_eingabe.isEmpty() && m_eingabe != QLatin1String("?")) m_eingabe.chop(1);
    if (m_eingabe.isEmpty()) m_eingabe = QStringLiteral("?");
    eingabeanzeige();
}

void TForm58::Button14Click()
{
    const int v = s_zrat::eingabewert(m_eingabe);
    if (v == 0) return;
    if (m_runde == 0) {
        auswertung();
    } else if (m_runde == 3) {
        m_runde = 0;
        zeitbalkenVerstecken(false);
        Canvas& c = gruppenspiel::vorbereitet(PaintBox1->canvas());
        c.rectangle(0, 0, m_raster.x(200), m_raster.y(550));
        hilfebild();
        m_nummer = v;
        zugbeginn();
    }
}

void TForm58::form58key(QChar& taste)
{
    if (!KeyPreview) return;
    const ushort u = taste.unicode();
    if (u == 8)
        Button15->Click();
    else if (u == 13)
        Button14->Click();
    else if (u >= '0' && u <= '9')
        m_tastenfeld->ziffer(u - '0')->Click();
    else
        return;
    taste = QChar();
}

void TForm58::frageClick(int wahl)
{
    m_wahl5 = wahl;
    kleiner->setEnabled(wahl == 1);
    gleich->setEnabled(wahl == 2);
    grosser->setEnabled(wahl == 3);
    GroupBox1->setEnabled(true);
    KeyPreview = true;
    SetFocus(Button14);
    m_eingabe = QStringLiteral("?");
    eingabeanzeige();
}

void TForm58::Timer1Timer()
{
    ++m_sekunden;
    m_grenze = gruppenspiel::zeitgrenze(zeitwahl, 60000);
    if (zeitwahl < 3) gruppenspiel::balkenRot(PaintBox2->canvas(), m_raster, m_sekunden, m_grenze);
    if (m_sekunden != m_grenze) return;
    // Time is up: the turn is lost; the picture stays as it stands.
    Canvas& c = gruppenspiel::vorbereitet(PaintBox1->canvas());
    c.font.setSize(m_raster.x(15));
    c.font.color = clBlack;
    c.textOut(m_raster.x(100), m_raster.y(340), QStringLiteral("Die Zeit ist um."));
    verloren();
    m_sekunden = 0;
    gruppenspiel::anbieten(startknopf);
    GroupBox1->setEnabled(false);
    KeyPreview = false;
}

void TForm58::EndeButtonClick()
{
    m_runde = 1;
    KeyPreview = false;
    gruppenspiel::abbruch(*Timer1, startknopf, EndeButton, PaintBox1->canvas(), m_raster, 320, 355);
}

// ---- Routines ----

void TForm58::zugbeginn()
{
    const DesignGrid& g = m_raster;
    m_runde = 2;
    // Nothing typed before the turn shows to the guesser: not the number the co-player set, nor the last guess.
    m_eingabe = QStringLiteral("?");
    fragenZeigen(variante == 1);
    if (variante == 1) fragenFreigeben(true);
    GroupBox1->setEnabled(variante != 1);
    KeyPreview = variante != 1;
    if (wahl6 == 0) m_nummer = Random(100) + 1;
    feldbox->setEnabled(true);
    hilfebild();

    Canvas& c = gruppenspiel::vorbereitet(canvas());
    c.font.height = g.y(45);
    c.font.color = clBlue;
    c.rectangle(g.x(30), g.y(10), g.x(695), g.y(80));
    int x = 375;
    if (wahl6 != 1) {
        if (!::spielerwechsel(*this, *Timer1, true)) return;
        x = 370;
    }
    c.textOut(g.x(x), g.y(20), gruppenspiel::spielername() + QStringLiteral(" ist dran"));

    if (zeitwahl < 3) {
        Font kopf;
        kopf.name = kArial;
        kopf.height = g.y(36);
        gruppenspiel::zeitkopf(PaintBox2->canvas(), g, kopf);
    }
    m_fehler = 0;
    gruppenspiel::bildLeeren(PaintBox1->canvas(), g);
    gruppenspiel::anbieten(startknopf, QStringLiteral("los geht's"));
}

void TForm58::zahlvorgabe()
{
    const DesignGrid& g = m_raster;
    startknopf->hide();
    EndeButton->setEnabled(false);
    zeitbalkenVerstecken(true);
    fragenZeigen(false);
    m_runde = 3;

    Canvas& f = gruppenspiel::vorbereitet(canvas());
    f.pen.color = clBtnFace;
    f.brush.color = clBtnFace;
    f.rectangle(0, 0, g.x(700), g.y(990));

    Canvas& c = gruppenspiel::vorbereitet(PaintBox1->canvas());
    c.font.height = g.y(24);
    c.font.color = clBlack;
    c.rectangle(0, 0, g.x(200), g.y(550));
    if (!::spielerwechsel(*this, *Timer1, false)) return;
    m_eingabe = QStringLiteral("?");
    c.textOut(g.x(100), g.y(70), QStringLiteral("Welche Zahl soll"));
    c.textOut(g.x(100), g.y(110), gruppenspiel::spielername());
    c.textOut(g.x(100), g.y(150), QStringLiteral("finden?"));
    c.textOut(g.x(100), g.y(190), QStringLiteral("(1 ... 100)"));
    c.rectangle(g.x(50), g.y(250), g.x(150), g.y(330));
    GroupBox1->setEnabled(true);
    KeyPreview = true;
    eingabeanzeige();
}

void TForm58::rateanfang()
{
    m_eingabe = QStringLiteral("?");
    m_merker = 1;
    m_fehler = 0;
    m_runde = 0;
    startknopf->setCaption(QStringLiteral("weiter"));
    EndeButton->setEnabled(true);
    Timer1->setEnabled(true);
    m_sekunden = 0;
    startknopf->hide();
    eingabeanzeige();
}

void TForm58::eingabeanzeige()
{
    const DesignGrid& g = m_raster;
    if (m_runde == 3) {
        Canvas& c = gruppenspiel::vorbereitet(PaintBox1->canvas());
        c.font.setSize(g.y(20));
        c.font.color = clBlack;
        c.rectangle(g.x(50), g.y(250), g.x(150), g.y(330));
        c.textOut(g.x(100), g.y(270), m_eingabe);
        return;
    }
    Canvas& c = gruppenspiel::vorbereitet(feldbox->canvas());
    c.pen = Pen { clGreen, kEingabestift };
    c.font.color = clBlack;
    if (variante == 1) {
        c.pen.color = clWhite;
        c.rectangle(g.x(10), g.y(660), g.x(660), g.y(740));
        c.pen.color = clGreen;
        c.rectangle(g.x(220 * m_wahl5 - 153), g.y(670), g.x(220 * m_wahl5 - 73), g.y(740));
        c.font.height = g.y(47);
        c.textOut(g.x(220 * m_wahl5 - 113), g.y(680), m_eingabe);
    } else if (variante == 0 || variante == 2 || variante == 3) {
        c.rectangle(g.x(425), g.y(620), g.x(525), g.y(760));
        c.font.height = g.y(75);
        c.textOut(g.x(475), g.y(650), m_eingabe);
        c.font.height = g.y(42);
        c.setTextAlign(TextAlign::Right | TextAlign::Top);
        c.textOut(g.x(405), g.y(670),
            QString(15, QLatin1Char(' ')) + QString::number(m_merker) + QStringLiteral(". Rateversuch:"));
    }
}

void TForm58::hilfebild()
{
    const DesignGrid& g = m_raster;
    Canvas& c = gruppenspiel::vorbereitet(feldbox->canvas());
    c.rectangle(0, 0, g.x(665), g.y(890));
    c.pen.color = clBlue;
    c.font.color = clBlue;
    const auto linie = [&](double x1, double y1, double x2, double y2) {
        c.moveTo(g.x(x1), g.y(y1));
        c.lineTo(g.x(x2), g.y(y2));
    };
    switch (variante) {
    case 0:
        c.font.setSize(g.x(35));
        c.textOut(g.x(330), g.y(200), QStringLiteral("Merke dir alle Hinweise!"));
        break;
    case 1:
        linie(330, 20, 330, 570);
        linie(80, 20, 80, 570);
        linie(30, 70, 630, 70);
        c.setTextAlign(TextAlign::Right | TextAlign::Top);
        c.font.height = g.x(32);
        c.textOut(g.x(230), g.y(20), QStringLiteral("wahr"));
        c.textOut(g.x(550), g.y(20), QStringLiteral("nicht wahr"));
        c.font.height = g.x(25);
        for (int i = 1; i <= 11; ++i)
            c.textOut(g.x(60), g.y(45 * i + 35), QString::number(i));
        break;
    case 2:
        for (int i = 0; i <= 10; ++i) {
            linie(39 * i + 135, 22, 39 * i + 135, 582);
            linie(135, 56 * i + 22, 525, 56 * i + 22);
        }
        c.pen.width = g.x(2);
        linie(330, 15, 330, 589);
        linie(130, 302, 530, 302);
        break;
    case 3:
        c.pen.width = g.x(4);
        linie(13, 400, 653, 400);
        for (int n = 0; n <= 100; ++n) {
            const double x = s_zrat::strahlX(n);
            c.pen.width = g.x(1);
            linie(x, 400, x, 385);
            c.pen.width = g.x(2);
            if (n % 10 == 0)
                linie(x, 400, x, 345);
            else if (n % 5 == 0)
                linie(x, 400, x, 370);
        }
        c.font.height = g.x(23);
        c.textOut(g.x(15), g.y(300), QStringLiteral("0"));
        c.textOut(g.x(335), g.y(300), QStringLiteral("50"));
        c.textOut(g.x(646), g.y(300), QStringLiteral("100"));
        break;
    default:
        break;
    }
}

void TForm58::auswertung()
{
    const int v = s_zrat::eingabewert(m_eingabe);
    gruppenspiel::anbieten(startknopf);
    GroupBox1->setEnabled(false);
    KeyPreview = false;
    m_runde = 0;
    if (variante == 1)
        auswertungTabelle(v);
    else
        auswertungFeld(v);
}

void TForm58::auswertungTabelle(int v)
{
    const DesignGrid& g = m_raster;
    fragenFreigeben(false);
    Canvas& c = gruppenspiel::vorbereitet(feldbox->canvas());
    c.pen = Pen { clWhite, kEingabestift };
    c.rectangle(g.x(10), g.y(660), g.x(660), g.y(740));
    c.font.color = clBlack;
    c.font.height = g.y(40);
    const s_zrat::Tabelleneintrag e = s_zrat::frage(m_wahl5, m_eingabe, v, m_nummer);
    const int spalte = e.wahr ? s_zrat::wahrSpalte : s_zrat::nichtWahrSpalte;
    if (e.getroffen) {
        m_runde = 1;
        Timer1->setEnabled(false);
        c.textOut(g.x(330), g.y(790), gruppenspiel::spielername() + QStringLiteral(" hat gewonnen."));
        c.textOut(g.x(spalte), g.y(45 * m_fehler + 75), e.text);
        EndeButton->setEnabled(false);
        return;
    }
    fehler();
    Canvas& t = gruppenspiel::vorbereitet(feldbox->canvas());
    t.font.color = clBlack;
    t.font.height = g.y(40);
    t.textOut(g.x(spalte), g.y(s_zrat::tabellenzeile(m_fehler)), e.text);
    if (m_fehler == gruppenspiel::letzterStrich) verloren();
}

void TForm58::auswertungFeld(int v)
{
    const DesignGrid& g = m_raster;
    Canvas& c = gruppenspiel::vorbereitet(feldbox->canvas());
    c.pen.color = clWhite;
    c.rectangle(g.x(80), g.y(620), g.x(410), g.y(760));
    c.font.color = clBlack;
    c.font.height = g.y(42);
    const s_zrat::Urteil u = s_zrat::bewerten(v, m_nummer);
    if (u == s_zrat::Urteil::getroffen) {
        m_runde = 1;
        Timer1->setEnabled(false);
        c.textOut(g.x(330), g.y(670), QStringLiteral("Stimmt!"));
        c.textOut(g.x(330), g.y(790), gruppenspiel::spielername() + QStringLiteral(" hat gewonnen."));
        EndeButton->setEnabled(false);
        c.pen = Pen { clGreen, 2 };
        c.brush = Brush { clGreen };
        markieren(v);
        return;
    }
    fehler();
    Canvas& t = gruppenspiel::vorbereitet(feldbox->canvas());
    t.font.color = clBlack;
    t.font.height = g.y(42);
    t.setTextAlign(TextAlign::Right | TextAlign::Top);
    const bool kleinerAls = u == s_zrat::Urteil::kleiner;
    t.textOut(g.x(405), g.y(670),
        kleinerAls ? QStringLiteral("Meine Zahl ist kleiner als") : QStringLiteral("Meine Zahl ist größer als"));
    t.setTextAlign(TextAlign::Center | TextAlign::Top);
    if (variante == 2) {
        for (const s_zrat::Feldlage& f : s_zrat::kreuze(v, m_nummer)) {
            const QPoint p = s_zrat::kreuzpunkt(f);
            t.textOut(g.x(p.x()), g.y(p.y()), QStringLiteral("x"));
        }
    } else if (variante == 3) {
        t.pen = Pen { clRed, t.pen.width };
        t.brush = Brush { clRed };
        const double x = s_zrat::strahlX(v);
        if (kleinerAls)
            t.rectangle(g.x(x), g.y(405), g.x(653), g.y(415));
        else
            t.rectangle(g.x(13), g.y(405), g.x(x), g.y(415));
    }
    if (m_fehler == gruppenspiel::letzterStrich) verloren();
}

void TForm58::verloren()
{
    const DesignGrid& g = m_raster;
    m_runde = 1;
    Timer1->setEnabled(false);
    fragenFreigeben(false);
    Canvas& c = gruppenspiel::vorbereitet(feldbox->canvas());
    c.pen = Pen { clWhite, kEingabestift };
    spielerstatus[spielernummer] = 140;
    c.font.height = g.x(32);
    c.font.color = clBlack;
    const QString text = QStringLiteral("Meine Zahl war die %1.  ").arg(m_nummer);
    if (variante == 1) {
        c.rectangle(g.x(10), g.y(660), g.x(660), g.y(740));
        c.textOut(g.x(330), g.y(750), text);
    } else {
        c.rectangle(g.x(80), g.y(620), g.x(410), g.y(760));
        c.setTextAlign(TextAlign::Left | TextAlign::Top);
        c.textOut(g.x(122), g.y(670), text);
        c.setTextAlign(TextAlign::Center | TextAlign::Top);
    }
    c.textOut(g.x(330), g.y(815), gruppenspiel::spielername() + QStringLiteral(" hat verloren."));
    EndeButton->setEnabled(false);
    c.pen = Pen { clRed, kEingabestift };
    c.brush = Brush { clRed };
    markieren(m_nummer);
}

// The ring around n in the 100 field, the arrow under it on the number line, in the current pen.
void TForm58::markieren(int n)
{
    const DesignGrid& g = m_raster;
    Canvas& c = feldbox->canvas();
    if (variante == 2) {
        const s_zrat::Feldlage f = s_zrat::feldlage(n);
        c.ellipse(g.x(39 * f.spalte + 100), g.y(56 * f.zeile + 28), g.x(39 * f.spalte + 131), g.y(56 * f.zeile + 72));
    } else if (variante == 3) {
        const double x = s_zrat::strahlX(n);
        const auto linie = [&](double x1, double y1, double x2, double y2) {
            c.moveTo(g.x(x1), g.y(y1));
            c.lineTo(g.x(x2), g.y(y2));
        };
        linie(x, 410, x, 500);
        linie(x, 410, x + 13, 445);
        linie(x, 410, x - 13, 445);
    }
}

void TForm58::fehler()
{
    ++m_fehler;
    gruppenspiel::fehlerstrich(PaintBox1->canvas(), m_raster, m_fehler, stiftbreite, 140);
}

void TForm58::fragenFreigeben(bool an)
{
    for (Button* b : { kleiner, gleich, grosser })
        b->setEnabled(an);
}

void TForm58::fragenZeigen(bool an)
{
    for (Button* b : { kleiner, gleich, grosser })
        b->setVisible(an);
}

// The co-player's entry hides the time bar (its box shrinks to one unit) and Enter brings it back.
void TForm58::zeitbalkenVerstecken(bool versteckt)
{
    const QRect r = PaintBox2->geometry();
    if (versteckt) {
        surface().clear(r);
        PaintBox2->resize(1, r.height());
    } else {
        PaintBox2->resize(m_raster.x(200), r.height());
    }
}
