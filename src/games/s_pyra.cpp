#include "games/s_pyra.h"

#include "games/spielblock.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tastenfeld.h"

using namespace s_pyra;

namespace {

struct Platz {
    int left, top, width, height;
};
constexpr Platz kBoxen[7] = { { 10, 0, 270, 410 }, { 260, 0, 270, 410 }, { 510, 0, 270, 410 }, { 10, 400, 270, 410 },
    { 260, 400, 270, 410 }, { 510, 400, 270, 450 }, { 30, 0, 600, 800 } };

Tastenfeld::Anordnung pyramidenblock()
{
    Tastenfeld::Anordnung a = Tastenfeld::spielblock();
    a.rechner = { 770, 400, 205, 500 };
    const int zeilen[3] = { 103, 183, 263 }; // 7 8 9 / 4 5 6 / 1 2 3
    for (int d = 1; d <= 9; ++d)
        a.ziffern[d].top = zeilen[(9 - d) / 3];
    a.ziffern[0].top = 343;
    a.loeschen = { 12, 23, 55, 70, 30, QStringLiteral("Button2") };
    a.eingabe = { 136, 343, 55, 140, 15, QStringLiteral("Button3") };
    return a;
}

Panel* fragepanel(QWidget* parent, const QString& name, const QString& frage, int frageLinks)
{
    auto* p = new Panel(parent, 770, 120, 205, 200);
    p->setObjectName(name);
    Form::setColor(p, clWhite);
    auto* l = new Label(p, frage, frageLinks, 30);
    applyFont(l, QStringLiteral("Arial"), 40);
    setFontColor(l, clBlue);
    auto* h = new Label(p, QStringLiteral("(danach ENTER)"), 17, 110);
    applyFont(h, QStringLiteral("Arial"), 25);
    setFontColor(h, clBlue);
    return p;
}

} // namespace

// ---- Form description ----

TForm50::TForm50(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm50"));
    setCaption(QStringLiteral("Pyramide"));
    setMaximized(true);
    ActivityWindow = true;
    setColor(clSilver);
    for (int k = 1; k <= 7; ++k) {
        auto* b = new PaintBox(this);
        b->setObjectName(QStringLiteral("PaintBox%1").arg(k));
        b->setColor(clWhite);
        const Platz& p = kBoxen[k - 1];
        place(b, p.left, p.top, p.width, p.height);
        if (k <= 6)
            b->setOnPaint([this, k] { box(k); });
        else
            b->setOnPaint([this] { Box7(); });
        boxen << b;
    }
    zielpanel = fragepanel(this, QStringLiteral("zielpanel"), QStringLiteral("Zielzahl?"), 35);
    startpanel = fragepanel(this, QStringLiteral("startpanel"), QStringLiteral("Startzahl?"), 25);
    tastenblock = std::make_unique<Tastenfeld>(
        this, unsigned(Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste), pyramidenblock());
    for (int d = 0; d <= 9; ++d)
        tastenblock->ziffer(d)->OnClick = [this, d] { zifferClick(d); };
    tastenblock->Button14->OnClick = [this] { Button2Click(); };
    tastenblock->Button13->OnClick = [this] { Button3Click(); };
    tastenblock->Button13->Default = true;

    Button11 = new Button(this, QStringLiteral("Programm abbrechen"), 770, 930, 205, 40);
    applyFontSize(Button11, QStringLiteral("Arial"), 14);
    Button11->Cancel = true;
    Button11->OnClick = [this] { Button11Click(); };
    Button1 = new Button(this, QStringLiteral("bitte eine neue Aufgabe"), 200, 850, 300, 100);
    applyFontSize(Button1, QStringLiteral("Arial"), 22);
    Button1->Default = true;
    Button1->OnClick = [this] { Button1Click(); };

    OnKeyPress = [this](QChar& taste) { form50key(taste); };
    OnActivate = [this] { pyraaktiv(); };
}

TForm50::~TForm50() = default;

void TForm50::aufgabeSetzen(const Zellen& z, int versteckt)
{
    m_z = z;
    vorindex = shortint(ziel(z, vier()));
    if (versteckt >= -1) m_versteckt = versteckt;
    boxen[zielmodus() ? 6 : 0]->repaint();
}

// ---- Handlers ----

void TForm50::pyraaktiv()
{
    // The window keeps the focus itself: Enter goes to the keypad's Enter while a number is typed, and to
    // "bitte eine neue Aufgabe" once that is shown, never to a key or to "Programm abbrechen".
    SetFocus(this);
    Randomize();
    anordnen();
    for (int k = 1; k <= 5; ++k)
        boxen[k]->hide();
    Button1->hide();
    tastenFreigeben(true);
    zielpanel->setVisible(zielmodus());
    startpanel->setVisible(!zielmodus());
    Button1->setCaption(QStringLiteral("bitte eine neue Aufgabe"));
    neuepyramide();
    // A box already shown at the last opening shows this task as well.
    boxen[zielmodus() ? 6 : 0]->repaint();
}

void TForm50::Button1Click()
{
    neuepyramide();
    for (int k = 0; k <= 5; ++k)
        boxen[k]->hide();
    PaintBox* b = boxen[zielmodus() ? 6 : 0];
    b->show();
    b->repaint();
    Button1->hide();
    tastenFreigeben(true);
}

void TForm50::zifferClick(int ziffer)
{
    m_antwort.ziffer(ziffer);
    pyraeingabe();
}

void TForm50::Button2Click()
{
    if (!m_antwort.hatZiffern()) return;
    m_antwort.zurueck();
    pyraeingabe();
}

void TForm50::form50key(QChar& taste)
{
    if (!KeyPreview) return;
    if (taste == QChar(8)) {
        taste = QChar();
        Button2Click();
        return;
    }
    if (taste >= QLatin1Char('0') && taste <= QLatin1Char('9')) {
        const int d = taste.digitValue();
        taste = QChar();
        zifferClick(d);
    }
}

void TForm50::Button3Click()
{
    if (!m_antwort.hatZiffern()) return;
    const int wert = m_antwort.zahl();
    if (zielmodus()) {
        if (wert == ziel(m_z, vier())) {
            pyramidegeloest();
            return;
        }
        ++m_versuch;
        m_antwort.leeren();
        pyraeingabe();
        zielmitte(m_versuch, clRed);
        return;
    }
    const int h = m_versteckt;
    PaintBox* b = boxen[std::min(m_versuch, 6) - 1];
    if (wert == m_z[size_t(h)]) {
        pyramidegeloest();
    } else if (m_versuch <= 5) {
        const auto p = probepyramide(m_z, h, wert);
        const DesignGrid g = spielraster();
        mittelzellen(b, clRed, p.data());
        Canvas& c = b->canvas();
        c.pen = Pen { clRed, 1 };
        if (vier()) {
            c.moveTo(g.x(93), g.y(139));
            c.lineTo(g.x(143), g.y(75));
            zahl(b, 118, 8, p[5], clRed, 40);
        } else {
            c.moveTo(g.x(85), g.y(172));
            c.lineTo(g.x(135), g.y(108));
            zahl(b, 111, 32, p[3], clRed, 40);
        }
        boxen[m_versuch]->show();
    } else {
        tastenFreigeben(false);
        const DesignGrid g = spielraster();
        mittelzellen(b, clRed, &m_z[4]);
        Canvas& c = b->canvas();
        c.pen = Pen { clRed, 1 };
        if (vier()) {
            c.moveTo(g.x(60 * h + 6), g.y(378));
            c.lineTo(g.x(60 * h + 50), g.y(318));
            zahl(b, 60 * h + 28, 391, m_z[size_t(h)], clRed, 40, QStringLiteral(" "));
        } else {
            c.moveTo(g.x(60 * h + 25), g.y(342));
            c.lineTo(g.x(60 * h + 69), g.y(278));
            zahl(b, 60 * h + 48, 358, m_z[size_t(h)], clRed, 40, QStringLiteral(" "));
        }
        Button1->show();
        SetFocus(Button1);
    }
    ++m_versuch;
    m_antwort.leeren();
}

void TForm50::Button11Click()
{
    Close();
}

// The task pyramid of a try, with the hidden start number framed and covered.
void TForm50::box(int k)
{
    tastenblock->Button13->setEnabled(false);
    PaintBox* b = boxen[k - 1];
    const DesignGrid g = spielraster();
    Canvas& c = b->canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(0, 0, b->width(), b->height());
    c.pen = Pen { clBlack, 1 };
    const auto zelle = [&](int l, int t, int r, int u) { c.rectangle(g.x(l), g.y(t), g.x(r), g.y(u)); };
    const int h = m_versteckt;
    if (vier()) {
        zelle(90, 70, 146, 144);
        for (int j = 0; j <= 1; ++j)
            zelle(60 * j + 60, 151, 60 * j + 116, 225);
        for (int j = 0; j <= 2; ++j)
            zelle(60 * j + 30, 232, 60 * j + 86, 306);
        for (int j = 0; j <= 3; ++j)
            zelle(60 * j, 313, 60 * j + 56, 387);
        zahl(b, 118, 78, m_z[9], clGreen, 40);
        for (int j = 0; j <= 3; ++j)
            zahl(b, 60 * j + 28, 323, m_z[size_t(j)], clGreen, 40);
        c.pen = Pen { clBlue, g.x(3) };
        c.brush = Brush { clWhite, BrushStyle::Solid };
        zelle(60 * h + 4, 319, 60 * h + 52, 382);
    } else {
        zelle(80, 100, 140, 180);
        for (int j = 0; j <= 1; ++j)
            zelle(60 * j + 50, 185, 60 * j + 106, 264);
        for (int j = 0; j <= 2; ++j)
            zelle(60 * j + 20, 270, 60 * j + 75, 350);
        zahl(b, 110, 110, m_z[7], clGreen, 40);
        for (int j = 0; j <= 2; ++j)
            zahl(b, 60 * j + 48, 282, m_z[size_t(j)], clGreen, 40);
        c.pen = Pen { clBlue, g.x(3) };
        c.brush = Brush { clWhite, BrushStyle::Solid };
        zelle(60 * h + 24, 276, 60 * h + 70, 344);
    }
}

void TForm50::Box7()
{
    PaintBox* b = boxen[6];
    const DesignGrid g = spielraster();
    Canvas& c = b->canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(0, 0, b->width(), b->height());
    c.pen = Pen { clBlack, 1 };
    const auto zelle = [&](int l, int t) { c.rectangle(g.x(l), g.y(t), g.x(l + 100), g.y(t + 135)); };
    if (vier())
        for (int j = 0; j <= 3; ++j)
            zelle(105 * j + 115, 526);
    for (int j = 0; j <= 2; ++j)
        zelle(105 * j + 170, 384);
    for (int j = 0; j <= 1; ++j)
        zelle(105 * j + 225, 242);
    zelle(280, 100);
    c.pen = Pen { clBlue, g.x(3) };
    c.rectangle(g.x(284), g.y(106), g.x(376), g.y(229));
    if (vier())
        for (int j = 0; j <= 3; ++j)
            zahl(b, 105 * j + 165, 540, m_z[size_t(j)], clGreen, 70);
    else
        for (int j = 0; j <= 2; ++j)
            zahl(b, 105 * j + 220, 400, m_z[size_t(j)], clGreen, 70);
    m_antwort.leeren();
    c.font.color = clBlue;
    textMittig(c, g, 330, 117, QStringLiteral("?"));
}

// ---- Routines ----

bool TForm50::vier() const
{
    return programmcode != 21;
}

bool TForm50::zielmodus() const
{
    return variante == 0;
}

void TForm50::anordnen()
{
    const DesignGrid g = spielraster();
    for (int k = 0; k < 7; ++k) {
        const Platz& p = kBoxen[k];
        g.place(boxen[k], p.left, p.top, p.width, p.height);
    }
    for (Panel* p : { zielpanel, startpanel }) {
        g.place(p, 770, 120, 205, 200);
        const QList<Label*> labels = p->findChildren<Label*>();
        for (Label* l : labels) {
            const bool frage = l->caption().endsWith(QLatin1Char('?'));
            const int links = !frage ? 17 : p == zielpanel ? 35 : 25;
            l->move(g.x(links), g.y(frage ? 30 : 110));
            g.fontHeight(l, frage ? 40 : 25);
        }
    }
    tastenblock->anordnen(g);
    g.place(Button11, 770, 930, 205, 40);
    g.fontSize(Button11, 14);
    g.place(Button1, 200, 850, 300, 100);
    g.fontSize(Button1, 22);
}

void TForm50::tastenFreigeben(bool an)
{
    tastenblock->Rechner->setEnabled(an);
    KeyPreview = an;
}

void TForm50::neuepyramide()
{
    tastenblock->Button13->setEnabled(false);
    m_versuch = 1;
    m_antwort = Zifferneingabe(2, !zielmodus());
    m_wahl5 = Random(2);
    int vorher = vorindex;
    m_z = pyramidenaufgabe(vier(), variante2, vorher);
    vorindex = shortint(vorher);
    boxen[6]->setVisible(zielmodus());
    boxen[0]->setVisible(!zielmodus());
    if (!zielmodus()) m_versteckt = versteckteZelle(variante, vier(), m_wahl5);
}

void TForm50::pyraeingabe()
{
    const DesignGrid g = spielraster();
    if (zielmodus()) {
        PaintBox* b = boxen[6];
        Canvas& c = b->canvas();
        // The framed top cell afresh: the font is scaled across and the cleared area down, so on a wide screen
        // a longer entry reaches past that area; drawn without a background it leaves the frame whole.
        c.pen = Pen { clBlue, g.x(3) };
        c.brush = Brush { clWhite, BrushStyle::Solid };
        c.rectangle(g.x(284), g.y(106), g.x(376), g.y(229));
        weissDecken(c, g, 287, 110, 370, 224);
        c.brush.style = BrushStyle::Clear;
        c.font.height = g.x(70);
        c.font.color = clBlue;
        textMittig(c, g, 330, 117, m_antwort.anzeige());
    } else if (m_versuch <= 6) {
        PaintBox* b = boxen[m_versuch - 1];
        Canvas& c = b->canvas();
        const int h = m_versteckt;
        // The framed hidden cell afresh, as for the top cell of the target mode.
        c.pen = Pen { clBlue, g.x(3) };
        c.brush = Brush { clWhite, BrushStyle::Solid };
        if (vier())
            c.rectangle(g.x(60 * h + 4), g.y(319), g.x(60 * h + 52), g.y(382));
        else
            c.rectangle(g.x(60 * h + 24), g.y(276), g.x(60 * h + 70), g.y(344));
        c.pen = Pen { clWhite, 1 };
        if (vier())
            c.rectangle(g.x(60 * h + 7), g.y(323), g.x(60 * h + 47), g.y(374));
        else
            c.rectangle(g.x(60 * h + 28), g.y(280), g.x(60 * h + 67), g.y(340));
        c.brush.style = BrushStyle::Clear;
        c.font.height = g.x(40);
        c.font.color = clBlue;
        textMittig(c, g, vier() ? 60 * h + 28 : 60 * h + 47, vier() ? 322 : 282, m_antwort.anzeige());
    }
    tastenblock->Button13->setEnabled(m_antwort.hatZiffern());
}

void TForm50::pyramidegeloest()
{
    tastenFreigeben(false);
    Button1->show();
    SetFocus(Button1);
    const DesignGrid g = spielraster();
    if (zielmodus()) {
        PaintBox* b = boxen[6];
        Canvas& c = b->canvas();
        c.pen = Pen { clRed, g.x(5) };
        c.polyline({ { g.x(390), g.y(160) }, { g.x(400), g.y(180) }, { g.x(470), g.y(80) } });
        for (int i = 2; i <= (vier() ? 6 : 3); ++i)
            if (m_versuch < i) zielmitte(i, clGreen);
        return;
    }
    PaintBox* b = boxen[std::min(m_versuch, 6) - 1];
    Canvas& c = b->canvas();
    c.pen = Pen { clRed, g.x(5) };
    c.polyline({ { g.x(180), g.y(180) }, { g.x(185), g.y(200) }, { g.x(255), g.y(100) } });
    mittelzellen(b, clGreen, &m_z[4]);
}

void TForm50::zahl(PaintBox* b, double x, double y, int wert, const QColor& farbe, int hoehe, const QString& rand)
{
    const DesignGrid g = spielraster();
    Canvas& c = b->canvas();
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.font.name = QStringLiteral("arial");
    c.font.height = g.x(hoehe);
    c.font.color = farbe;
    textMittig(c, g, x, y, rand + QString::number(wert) + rand);
}

// The middle rows of a try's picture: five cells for a base of four, two for a base of three; only so many
// of `werte` are read.
void TForm50::mittelzellen(PaintBox* b, const QColor& farbe, const int* werte)
{
    if (vier()) {
        for (int j = 0; j <= 2; ++j)
            zahl(b, 60 * j + 57, 240, werte[j], farbe, 40);
        for (int j = 0; j <= 1; ++j)
            zahl(b, 60 * j + 88, 160, werte[3 + j], farbe, 40);
    } else {
        for (int j = 0; j <= 1; ++j)
            zahl(b, 60 * j + 78, 196, werte[j], farbe, 40);
    }
}

// Middle cell number i (2..6) of the target picture, revealed after the (i-1)-th wrong target.
void TForm50::zielmitte(int i, const QColor& farbe)
{
    PaintBox* b = boxen[6];
    if (vier()) {
        static const int x[5] = { 218, 323, 428, 273, 378 }, y[5] = { 400, 400, 400, 260, 260 };
        if (i >= 2 && i <= 6) zahl(b, x[i - 2], y[i - 2], m_z[size_t(i + 2)], farbe, 70);
    } else {
        static const int x[2] = { 273, 378 };
        if (i >= 2 && i <= 3) zahl(b, x[i - 2], 260, m_z[size_t(i + 2)], farbe, 70);
    }
}
