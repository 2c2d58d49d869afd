#include "games/s_masch.h"

#include "games/spielblock.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "platform/pause.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tastenfeld.h"

#include <cmath>

using namespace s_masch;

namespace {

const QColor kGelb = clYellow;
const QColor kGrau { 128, 128, 128 };

// A step of the sliding numbers.
constexpr double kSchritt = 3.5e-07;

// Waits until the clock moves on to its next 1/64 second, as a pause "until the time changes" does.
void uhrschritt()
{
    const double takt = clockx::days(1000.0 / 64.0);
    const double jetzt = clockx::now();
    pause(takt - std::fmod(jetzt, takt));
}

// Where a typed sign stands a little higher or lower so that all four look alike on the line.
int zeichenHoehe(QChar z)
{
    switch (z.unicode()) {
    case u'+':
        return -5;
    case u'-':
        return -20;
    case u'*':
        return 40;
    default:
        return -10;
    }
}

struct Knopf {
    Button** knopf;
    const char* name;
    const char* caption;
    int left, top, width, height, groesse;
};

} // namespace

// ---- Form description ----

TForm51::TForm51(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm51"));
    setCaption(QStringLiteral("Maschinen"));
    setMaximized(true);
    ActivityWindow = true;

    PaintBox1 = new PaintBox(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setColor(clAqua);
    PaintBox1->setOnPaint([this] { maschpaint(); });

    const Knopf knoepfe[] = {
        { &Button1, "Button1", "bitte eine &Eingabe!", 570, 632, 400, 67, 25 },
        { &Button2, "Button2", "ich &weiß die Ausgabe!", 570, 727, 400, 67, 25 },
        { &Button3, "Button3", "ich weiß, was die &Maschine tut!", 570, 822, 400, 67, 22 },
        { &Button10, "Button10", "&Zwischenausgabe!", 350, 632, 200, 67, 20 },
        { &Button11, "Button11", "Programm abbrechen", 750, 930, 200, 40, 14 },
    };
    for (const Knopf& k : knoepfe) {
        auto* b = new Button(this, QString::fromUtf8(k.caption), k.left, k.top, k.width, k.height);
        b->setObjectName(QLatin1String(k.name));
        applyFontSize(b, QStringLiteral("Arial"), k.groesse);
        *k.knopf = b;
    }
    Button1->Default = true;
    Button11->Cancel = true;
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button10->OnClick = [this] { Button10Click(); };
    Button11->OnClick = [this] { Button11Click(); };

    Tastenfeld::Anordnung block = Tastenfeld::spielblock();
    block.rechner = { 120, 632, 205, 333 };
    block.loeschen = { 12, 251, 55, 70, 20, QStringLiteral("Button9") };
    block.eingabe = { 136, 251, 55, 70, 20, QStringLiteral("Button4") };
    tastenblock = std::make_unique<Tastenfeld>(this, Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste, block);
    Button4 = tastenblock->Button13;
    Button9 = tastenblock->Button14;
    for (int d = 0; d <= 9; ++d)
        tastenblock->ziffer(d)->OnClick = [this, d] { ziffertaste(d); };
    Button9->OnClick = [this] { loeschtaste(); };
    Button4->OnClick = [this] { Button4Click(); };

    GroupBox2 = new GroupBox(this, QString(), 20, 632, 80, 333);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    const struct {
        Button** knopf;
        const char* name;
        char zeichen;
        int top;
    } zeichentasten[] = { { &Button5, "Button5", '+', 18 }, { &Button6, "Button6", '-', 95 },
        { &Button7, "Button7", '*', 174 }, { &Button8, "Button8", ':', 251 } };
    for (const auto& z : zeichentasten) {
        auto* b = new Button(GroupBox2, QString(QLatin1Char(z.zeichen)), 12, z.top, 55, 70);
        b->setObjectName(QLatin1String(z.name));
        applyFontSize(b, QStringLiteral("Arial"), 37);
        // The sign keys belong to the keypad: a click takes no focus, and Space never presses one.
        setKeypadKey(b);
        setHandCursor(b);
        const QChar zeichen = QLatin1Char(z.zeichen);
        b->OnClick = [this, zeichen] { zeichentaste(zeichen); };
        *z.knopf = b;
    }

    OnActivate = [this] { maschakttiv(); };
    OnKeyPress = [this](QChar& taste) { tastendruck(taste); };
}

TForm51::~TForm51() = default;

void TForm51::maschinenSetzen(const QString& erste, const QString& zweite)
{
    m_maschine1 = maschine(erste);
    m_maschine2 = maschine(zweite);
    m_vorgegeben = true;
    neueMaschine();
}

// ---- Handlers ----

void TForm51::maschakttiv()
{
    anordnen();
    if (zwei()) {
        Button3->setCaption(QStringLiteral("ich weiß, was die &Maschinen tun!"));
        m_versatz = 150;
    } else {
        Button3->setCaption(QStringLiteral("ich weiß, was die &Maschine tut!"));
        m_versatz = 0;
    }
    Button10->setVisible(zwei());
    m_letzterwurf = kErsterWurf;
    neueMaschine();
}

void TForm51::maschpaint()
{
    const DesignGrid g = spielraster();
    Canvas& c = PaintBox1->canvas();
    c.pen = Pen { clBlack, g.x(1) };
    c.rectangle(g.x(15), g.y(30), g.x(980), g.y(550));
    c.pen = Pen { clBlack, g.x(8) };
    c.brush = Brush { clBlack, BrushStyle::Solid };
    if (zwei()) {
        c.rectangle(g.x(210), g.y(100), g.x(410), g.y(480));
        c.rectangle(g.x(590), g.y(100), g.x(790), g.y(480));
        c.rectangle(g.x(110), g.y(238), g.x(890), g.y(342));
        const int trichter[8][4]
            = { { 120, 80, 210, 200 }, { 120, 500, 210, 380 }, { 495, 80, 410, 200 }, { 495, 500, 410, 380 },
                  { 505, 80, 590, 200 }, { 505, 500, 590, 380 }, { 880, 80, 790, 200 }, { 880, 500, 790, 380 } };
        for (const auto& t : trichter)
            linien(clBlack, 8, { { t[0], t[1] }, { t[2], t[3] } });
        linien(clAqua, 8, { { 500, 40 }, { 500, 540 } });
    } else {
        c.rectangle(g.x(350), g.y(80), g.x(650), g.y(500));
        c.rectangle(g.x(260), g.y(238), g.x(740), g.y(342));
        const int trichter[4][4]
            = { { 260, 80, 350, 200 }, { 260, 500, 350, 380 }, { 750, 80, 650, 200 }, { 750, 500, 650, 380 } };
        for (const auto& t : trichter)
            linien(clBlack, 8, { { t[0], t[1] }, { t[2], t[3] } });
    }
    fragezeichen(clRed);
}

void TForm51::Button1Click()
{
    Button1->Default = true;
    m_antwort.clear();
    kasten(tastenblock->Rechner, false);
    kasten(GroupBox2, false);
    if (zwei()) {
        rechteck(clBlack, 115, 238, 260, 342);
        rechteck(clBlack, 790, 238, 890, 342);
    } else {
        rechteck(clAqua, 750, 230, 900, 300);
    }
    switch (m_maschzustand) {
    case 0:
    case 2:
    case 4: {
        const bool warRichtig = m_maschzustand == 4;
        neueEingabe();
        const QString x = QStringLiteral(" ") + QString::number(m_durchlauf.x);
        for (int i = 1; i <= 20; ++i) {
            zahl(290 + 4 * i - m_versatz, 247, x);
            pause(kSchritt);
            zahl(290 + 4 * i - m_versatz, 247, x);
        }
        Button1->setCaption(QStringLiteral("zeige die &Ausgabe!"));
        Button10->setEnabled(true);
        if (m_ausgabegezeigt) {
            Button2->setEnabled(true);
            SetFocus(Button2);
        }
        if (warRichtig) {
            Button3->setEnabled(true);
            SetFocus(Button3);
        }
        m_maschzustand = 1;
        break;
    }
    case 1:
        ausgabeZeigen();
        break;
    case 10:
        neueMaschine();
        break;
    default:
        break;
    }
}

void TForm51::Button2Click()
{
    Button1->setCaption(QStringLiteral("(Ausgabe &verraten?)"));
    m_antwort.clear();
    enterFreigeben();
    Button3->setEnabled(false);
    Button10->setEnabled(false);
    Button2->setEnabled(false);
    // While the pupil types the output, Enter belongs to the typed number: with nothing typed it does
    // nothing, rather than reveal the output through the window's default button.
    Button1->Default = false;
    kasten(tastenblock->Rechner, true);
    m_maschzustand = 1;
    KeyPreview = true;
    rechteck(clBlack, 352 - m_versatz, 244, 430 - m_versatz, 336);
    zahl(610 + m_versatz, 247, QStringLiteral("..."));
}

void TForm51::Button3Click()
{
    Button10->setEnabled(false);
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    m_maschzustand = 4;
    kasten(GroupBox2, true);
    KeyPreview = true;
}

void TForm51::Button4Click()
{
    if (m_antwort.isEmpty()) return;
    // The keypad is only for the one output; it closes with Enter.
    kasten(tastenblock->Rechner, false);
    KeyPreview = false;
    Button1->Default = true;
    ausgabePruefen();
    SetFocus(Button1);
    Button1->setCaption(QStringLiteral("bitte eine &Eingabe"));
}

void TForm51::Button10Click()
{
    Button10->setEnabled(false);
    rechteck(clBlack, 200, 260, 295, 330);
    m_maschzustand = 0;
    const QString m = QStringLiteral(" ") + QString::number(m_durchlauf.m);
    for (int i = 1; i <= 45; ++i) {
        zahl(380 + 5 * i, 247, m);
        uhrschritt();
        zahl(380 + 5 * i, 247, m);
    }
    rechteck(clBlack, 510, 260, 675, 330);
    Button1->setEnabled(true);
    Button1->setCaption(QStringLiteral("bitte eine &Eingabe"));
    SetFocus(Button1);
    Button2->setEnabled(false);
    Button3->setEnabled(false);
}

void TForm51::Button11Click()
{
    Button1->setEnabled(true);
    Close();
}

void TForm51::ziffertaste(int ziffer)
{
    // An output takes up to three digits (100 is the largest); a machine's guess is a sign and one digit.
    const int laenge = m_maschzustand < 4 ? 3 : 2;
    if (m_antwort.size() < laenge) m_antwort += QString::number(ziffer);
    enterFreigeben();
    SetFocus(Button4);
    eingabeschritt();
}

void TForm51::loeschtaste()
{
    if (!m_antwort.isEmpty()) m_antwort.chop(1);
    enterFreigeben();
    eingabeschritt();
}

void TForm51::zeichentaste(QChar zeichen)
{
    m_antwort = QString(zeichen);
    Button3->setEnabled(false);
    eingabeschritt();
}

void TForm51::tastendruck(QChar& taste)
{
    const QChar t = taste;
    const bool ziffer = t >= QLatin1Char('0') && t <= QLatin1Char('9');
    if (m_maschzustand <= 3) {
        if (t == QChar(8)) {
            if (!m_antwort.isEmpty()) m_antwort.chop(1);
        } else if (t == QChar(13)) {
            if (m_antwort.isEmpty()) return;
            taste = QChar();
            KeyPreview = false;
            Button4Click();
            return;
        } else if (ziffer) {
            if (m_antwort.size() < 3) m_antwort += t;
        } else {
            return;
        }
        taste = QChar();
        enterFreigeben();
        if (Button4->isEnabled()) SetFocus(Button4);
        eingabeschritt();
    } else if (m_maschzustand == 4 || m_maschzustand == 6) {
        const QChar z = zeichenVonTaste(t);
        if (z.isNull()) return;
        taste = QChar();
        m_antwort = QString(z);
        eingabeschritt();
    } else if (m_maschzustand == 5 || m_maschzustand == 7) {
        if (!ziffer) return;
        taste = QChar();
        if (m_antwort.size() < 2) m_antwort += t;
        eingabeschritt();
    }
}

// ---- Routines ----

bool TForm51::zwei() const
{
    return programmcode == 1;
}

void TForm51::anordnen()
{
    const DesignGrid g = spielraster();
    g.place(PaintBox1, 0, 0, 990, 700);
    const struct {
        Button* b;
        int left, top, width, height, groesse;
    } plaetze[] = { { Button1, 570, 632, 400, 67, 25 }, { Button2, 570, 727, 400, 67, 25 },
        { Button3, 570, 822, 400, 67, 22 }, { Button10, 350, 632, 200, 67, 20 }, { Button11, 750, 930, 200, 40, 14 } };
    for (const auto& p : plaetze) {
        g.place(p.b, p.left, p.top, p.width, p.height);
        g.fontSize(p.b, p.groesse);
    }
    tastenblock->anordnen(g);
    g.place(GroupBox2, 20, 632, 80, 333);
    const int oben[4] = { 18, 95, 174, 251 };
    Button* zeichen[4] = { Button5, Button6, Button7, Button8 };
    for (int i = 0; i < 4; ++i) {
        g.place(zeichen[i], 12, oben[i], 55, 70);
        g.fontSize(zeichen[i], 37);
    }
}

// Enter is there only while an output holds a digit.
void TForm51::enterFreigeben()
{
    Button4->setEnabled(!m_antwort.isEmpty() && m_maschzustand < 4);
}

// An enabled box is green, so the pupil sees where to type.
void TForm51::kasten(GroupBox* box, bool an)
{
    box->setEnabled(an);
    Form::setColor(box, an ? clGreen : clBtnFace);
}

void TForm51::neueMaschine()
{
    m_maschzustand = 0;
    if (m_vorgegeben) {
        m_vorgegeben = false;
    } else if (zwei()) {
        paarZiehen(operatortexte, operatorzahl, zwzahl1, m_maschine1, m_maschine2);
    } else {
        m_maschine1 = ziehen(operatortexte, operatorzahl, zwzahl1);
    }
    m_ausgabegezeigt = false;
    Button1->Default = true;
    Button1->setCaption(QStringLiteral("bitte eine &Eingabe!"));
    Button1->setEnabled(true);
    SetFocus(Button1);
    Button10->setEnabled(false);
    Button2->setEnabled(false);
    Button3->setEnabled(false);
    kasten(tastenblock->Rechner, false);
    kasten(GroupBox2, false);
    neueEingabe();
}

void TForm51::neueEingabe()
{
    kasten(tastenblock->Rechner, false);
    kasten(GroupBox2, false);
    KeyPreview = false;
    if (zwei()) {
        rechteck(clBlack, 400, 238, 550, 342);
        rechteck(clBlack, 210, 100, 410, 480);
        rechteck(clBlack, 590, 100, 790, 480);
        fragezeichen(clRed);
        rechteck(clAqua, 905, 230, 970, 400);
        linien(clAqua, 8, { { 500, 40 }, { 500, 540 } });
    } else {
        rechteck(clAqua, 750, 230, 950, 400);
        rechteck(clBlack, 260, 238, 420, 342);
        rechteck(clBlack, 580, 238, 740, 342);
        rechteck(clBlack, 350, 80, 650, 500);
        fragezeichen(clRed);
    }
    m_durchlauf = zwei() ? s_masch::eingabe(m_maschine1, m_maschine2, m_letzterwurf)
                         : s_masch::eingabe(m_maschine1, m_letzterwurf);
}

void TForm51::eingabeschritt()
{
    const int k = m_antwort.isEmpty() ? 0 : zeichenHoehe(m_antwort[0]);
    switch (m_maschzustand) {
    case 1:
        if (zwei())
            rechteck(clBlack, 740, 238, 890, 342);
        else
            rechteck(clBlack, 580, 238, 740, 350);
        if (m_antwort.isEmpty())
            zahl(610 + m_versatz, 247, QStringLiteral("..."));
        else
            zahl(620 + m_versatz, 247, m_antwort);
        break;
    case 4:
        if (zwei())
            frage(310, 120, 300, clBlack);
        else
            frage(500, 75, 400, clBlack);
        zeichen(zwei() ? 295 : 460, 190 + k, m_antwort);
        m_maschzustand = 5;
        kasten(GroupBox2, false);
        kasten(tastenblock->Rechner, true);
        break;
    case 5:
        if (m_antwort.size() < 2) break;
        zeichen(zwei() ? 355 : 530, 190, m_antwort.mid(1));
        if (zwei()) {
            // The keyboard stays on: the second machine's sign and digit may be typed as the first's were.
            Button3->setEnabled(false);
            kasten(GroupBox2, true);
            kasten(tastenblock->Rechner, false);
            m_nrtext = m_antwort;
            m_antwort.clear();
            m_maschzustand = 6;
        } else {
            ausgabeGleitet(610);
            KeyPreview = false;
            Button3->setEnabled(false);
            kasten(tastenblock->Rechner, false);
            beurteilen();
        }
        break;
    case 6:
        frage(690, 120, 300, clBlack);
        zeichen(647, 190 + k, m_antwort);
        m_maschzustand = 7;
        kasten(GroupBox2, false);
        kasten(tastenblock->Rechner, true);
        break;
    case 7:
        if (m_antwort.size() < 2) break;
        zeichen(707, 190, m_antwort.mid(1));
        zahl(500, 247, QStringLiteral(" %1 ").arg(m_durchlauf.m));
        ausgabeGleitet(771);
        KeyPreview = false;
        Button3->setEnabled(false);
        kasten(tastenblock->Rechner, false);
        beurteilen();
        break;
    default:
        break;
    }
}

void TForm51::ausgabeGleitet(int x0)
{
    const QString y = QStringLiteral(" ") + QString::number(m_durchlauf.y);
    for (int i = 1; i <= 20; ++i) {
        zahl(x0 + 4 * i, 247, y);
        uhrschritt();
    }
}

void TForm51::ausgabePruefen()
{
    for (int i = 1; i <= 20; ++i) {
        zahl(616 + 4 * i + m_versatz, 247, m_antwort);
        uhrschritt();
        zahl(616 + 4 * i + m_versatz, 247, m_antwort, clBlack);
        zahl(620 + 4 * i + m_versatz, 247, m_antwort);
    }
    if (m_antwort.toInt() != m_durchlauf.y) {
        if (zwei())
            linien(clRed, 2, { { 815, 330 }, { 885, 245 } });
        else
            linien(clRed, 2, { { 665, 330 }, { 735, 245 } });
        Button3->setEnabled(false);
        m_maschzustand = 0;
    } else {
        if (zwei())
            linien(clRed, 8, { { 905, 305 }, { 918, 325 }, { 970, 234 } });
        else
            linien(clRed, 8, { { 780, 305 }, { 795, 325 }, { 860, 234 } });
        m_maschzustand = 4;
    }
    m_antwort.clear();
    Button1->setEnabled(true);
    SetFocus(Button1);
}

void TForm51::ausgabeZeigen()
{
    m_ausgabegezeigt = true;
    Button2->setEnabled(false);
    Button3->setEnabled(false);
    Button10->setEnabled(false);
    if (zwei()) {
        rechteck(clBlack, 740, 238, 890, 342);
    } else {
        rechteck(clBlack, 260, 238, 430, 342);
        rechteck(clBlack, 590, 238, 740, 342);
    }
    const QString y = QString::number(m_durchlauf.y);
    for (int i = 1; i <= 20; ++i) {
        zahl(610 + 4 * i + m_versatz, 247, y);
        uhrschritt();
        zahl(610 + 4 * i + m_versatz, 247, y, clBlack);
    }
    zahl(690 + m_versatz, 247, y);
    Button1->setCaption(QStringLiteral("bitte eine &Eingabe!"));
    Button1->setEnabled(true);
    SetFocus(Button1);
    m_maschzustand = 2;
}

void TForm51::beurteilen()
{
    bool alle = false;
    if (zwei()) {
        const int haken1[6] = { 380, 320, 395, 340, 450, 250 }, strich1[4] = { 260, 360, 390, 215 };
        const int haken2[6] = { 740, 320, 755, 340, 810, 250 }, strich2[4] = { 612, 360, 742, 215 };
        urteilZeichnen(m_nrtext, m_maschine1, haken1, strich1, 310);
        urteilZeichnen(m_antwort, m_maschine2, haken2, strich2, 690);
        alle = m_nrtext == m_maschine1.text() && m_antwort == m_maschine2.text();
    } else {
        const int haken[6] = { 570, 320, 585, 340, 640, 250 }, strich[4] = { 435, 360, 565, 215 };
        urteilZeichnen(m_antwort, m_maschine1, haken, strich, 500);
        alle = m_antwort == m_maschine1.text();
    }
    if (alle) {
        m_maschzustand = 10;
        Button1->setCaption(
            zwei() ? QStringLiteral("bitte &neue Maschinen!") : QStringLiteral("bitte eine &neue Maschine!"));
    } else {
        m_maschzustand = 0;
        Button1->setCaption(QStringLiteral("bitte eine &Eingabe!"));
    }
    Button1->setEnabled(true);
    SetFocus(Button1);
}

void TForm51::urteilZeichnen(
    const QString& tipp, const Maschine& m, const int haken[6], const int strich[4], int hinweisX)
{
    const Urteil u = urteilen(tipp, m.text());
    if (u.richtig) {
        linien(clRed, 8, { { haken[0], haken[1] }, { haken[2], haken[3] }, { haken[4], haken[5] } });
        return;
    }
    linien(clRed, 8, { { strich[0], strich[1] }, { strich[2], strich[3] } });
    if (!u.auchMoeglich) return;
    text(hinweisX, 400, spielraster().x(20), kGrau, QStringLiteral("(wäre auch möglich)"));
}

// ---- Drawing ----

void TForm51::rechteck(const QColor& farbe, int l, int t, int r, int b)
{
    const DesignGrid g = spielraster();
    Canvas& c = PaintBox1->canvas();
    c.pen = Pen { farbe, 1 };
    c.brush = Brush { farbe, BrushStyle::Solid };
    c.rectangle(g.x(l), g.y(t), g.x(r), g.y(b));
}

// All texts on the machine stand centred on the black brush, so that a text drawn again one step further
// covers the old one.
void TForm51::text(int x, int y, int hoehe, const QColor& farbe, const QString& t)
{
    const DesignGrid g = spielraster();
    Canvas& c = PaintBox1->canvas();
    c.font.name = QStringLiteral("arial");
    c.font.bold = false;
    c.font.height = hoehe;
    c.font.color = farbe;
    c.brush = Brush { clBlack, BrushStyle::Solid };
    textMittig(c, g, x, y, t);
}

// The numbers in the pipes.
void TForm51::zahl(int x, int y, const QString& t, const QColor& farbe)
{
    text(x, y, spielraster().x(60), farbe, t);
}

void TForm51::fragezeichen(const QColor& farbe)
{
    if (zwei()) {
        frage(310, 120, 300, farbe);
        frage(690, 120, 300, farbe);
    } else {
        frage(500, 75, 400, farbe);
    }
}

void TForm51::frage(int x, int y, int hoehe, const QColor& farbe)
{
    text(x, y, spielraster().y(hoehe), farbe, QStringLiteral("?"));
}

void TForm51::zeichen(int x, int y, const QString& t)
{
    text(x, y, spielraster().y(200), clBlue, t);
}

void TForm51::linien(const QColor& farbe, int breite, const QVector<QPoint>& punkte)
{
    const DesignGrid g = spielraster();
    Canvas& c = PaintBox1->canvas();
    c.pen = Pen { farbe, g.x(breite) };
    c.moveTo(g.x(punkte[0].x()), g.y(punkte[0].y()));
    for (int i = 1; i < punkte.size(); ++i)
        c.lineTo(g.x(punkte[i].x()), g.y(punkte[i].y()));
}
