#include "games/s_zauber.h"

#include "games/spielblock.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tastenfeld.h"

#include <algorithm>

using namespace s_zauber;

namespace {

constexpr int kZellenLinks[3] = { 331, 461, 591 };
constexpr int kZellenOben[3] = { 190, 367, 544 };
const char* const kVorratNamen[9]
    = { "Button21", "Button22", "Button23", "Button14", "Button15", "Button16", "Button17", "Button18", "Button19" };

Tastenfeld::Anordnung rechenblock()
{
    Tastenfeld::Anordnung a = Tastenfeld::spielblock();
    const int spalten[3] = { 12, 74, 136 };
    const int zeilen[3] = { 14, 91, 170 }; // 7 8 9 / 4 5 6 / 1 2 3
    const char* namen[10] = { "Button30", "Button12", "Button13", "Button20", "Button24", "Button25", "Button26",
        "Button27", "Button28", "Button29" };
    for (int d = 1; d <= 9; ++d)
        a.ziffern[d] = { spalten[(d - 1) % 3], zeilen[(9 - d) / 3], 55, 70, 37, QLatin1String(namen[d]) };
    a.ziffern[0] = { 74, 246, 55, 70, 37, QLatin1String(namen[0]) };
    a.loeschen = { 12, 246, 55, 70, 20, QStringLiteral("Button31") };
    return a;
}

Button* zahlknopf(QWidget* parent, const QString& name, int left, int top)
{
    auto* b = new Button(parent, QString(), left, top, 75, 100);
    b->setObjectName(name);
    applyFontSize(b, QStringLiteral("Arial"), 37);
    setHandCursor(b);
    return b;
}

} // namespace

// ---- Form description ----

TForm53::TForm53(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm53"));
    setCaption(QStringLiteral("Form53"));
    setMaximized(true);
    ActivityWindow = true;
    for (int j = 0; j < 9; ++j) {
        Button* b = zahlknopf(this, QStringLiteral("Button%1").arg(j + 1), kZellenLinks[j % 3], kZellenOben[j / 3]);
        b->OnClick = [this, j] { zelleClick(j + 1); };
        zellen << b;
    }
    Label1 = new Label(this, QStringLiteral(" 1.  welches Feld? "), 30, 70);
    Label2 = new Label(this, QStringLiteral(" 2.  welche Zahl?  "), 30, 170);
    for (Label* l : { Label1, Label2 }) {
        applyFontSize(l, QStringLiteral("Arial"), 24);
        setFontColor(l, clWhite);
        setColor(l, clGreen);
    }
    GroupBox1 = new GroupBox(this, QString(), 30, 740, 936, 150);
    setColor(GroupBox1, clGreen);
    for (int k = 0; k < 9; ++k) {
        Button* b = zahlknopf(GroupBox1, QLatin1String(kVorratNamen[k]), 22 + 102 * k, 27);
        b->OnClick = [this, k] { vorratClick(k); };
        vorrat << b;
    }
    Button10 = new Button(this, QStringLiteral("fertig?"), 750, 560, 215, 75);
    applyFontSize(Button10, QStringLiteral("Arial"), 27);
    Button10->OnClick = [this] { Button10Click(); };
    rechenpanel = new Panel(this, 50, 337, 204, 337);
    setColor(rechenpanel, clWhite);
    tastenblock = std::make_unique<Tastenfeld>(
        Tastenfeld::ImBehaelter {}, rechenpanel, unsigned(Tastenfeld::Loeschtaste), rechenblock());
    for (int d = 0; d <= 9; ++d)
        tastenblock->ziffer(d)->OnClick = [this, d] { zifferClick(d); };
    tastenblock->Button14->OnClick = [this] { Button31Click(); };
    Button11 = new Button(this, QStringLiteral("Programm abbrechen"), 750, 930, 200, 40);
    applyFontSize(Button11, QStringLiteral("Arial"), 14);
    Button11->Cancel = true;
    Button11->OnClick = [this] { Button11Click(); };

    for (int i = 0; i < 9; ++i)
        m_texte << QString();
    OnKeyPress = [this](QChar& taste) { zahlein(taste); };
    OnActivate = [this] { form53aktiv(); };
}

TForm53::~TForm53() = default;

// ---- Handlers ----

void TForm53::form53aktiv()
{
    rechenpanel->setVisible(zwzahl4 == 1);
    KeyPreview = zwzahl4 == 1;
    anordnen();
    neuesQuadrat();
}

void TForm53::zelleClick(int j)
{
    m_eingabe.leeren();
    m_zelle = j;
    m_texte[j - 1] = QStringLiteral("?");
    zellen[j - 1]->setCaption(QStringLiteral("?"));
    Button10->setCaption(QStringLiteral("o.k.?"));
    Button10->setEnabled(false);
    m_merker2 = 0;
    // The chosen cell does not keep the focus: Enter or Space after the typed number would choose it again
    // and wipe the number.
    SetFocus(this);
}

void TForm53::vorratClick(int k)
{
    m_eingabe.setzen(vorrat[k]->caption());
    setzen();
}

void TForm53::zifferClick(int d)
{
    m_eingabe.ziffer(d);
    setzen();
}

void TForm53::Button31Click()
{
    if (!m_eingabe.hatZiffern()) return;
    m_eingabe.zurueck();
    setzen();
}

void TForm53::zahlein(QChar& taste)
{
    if (!KeyPreview) return;
    if (taste == QChar(8)) {
        taste = QChar();
        m_eingabe.zurueck();
        setzen();
    } else if (taste >= QLatin1Char('0') && taste <= QLatin1Char('9')) {
        const int d = taste.digitValue();
        taste = QChar();
        zifferClick(d);
    }
}

void TForm53::Button10Click()
{
    if (m_merker2 == 5) {
        neuesQuadrat();
        return;
    }
    if (m_merker2 != 1) return;
    if (!richtig(m_texte, m_werte)) {
        Button10->setCaption(QStringLiteral("leider nicht"));
        return;
    }
    m_merker2 = 5;
    Button10->setCaption(QStringLiteral("noch einmal?"));
    for (Button* b : zellen + vorrat)
        b->setEnabled(false);
    rechenpanel->setEnabled(false);
    KeyPreview = false;
    haken(clRed);
}

void TForm53::Button11Click()
{
    Close();
}

// ---- Routines ----

void TForm53::anordnen()
{
    const DesignGrid g = spielraster();
    blockknoepfeAnordnen(g, Button11, nullptr);
    for (Label* l : { Label1, Label2 }) {
        l->move(g.x(30), g.y(l == Label1 ? 70 : 170));
        g.fontSize(l, 24);
    }
    for (int j = 0; j < 9; ++j) {
        g.place(zellen[j], kZellenLinks[j % 3], kZellenOben[j / 3], 75, 100);
        g.fontSize(zellen[j], 37);
    }
    g.place(GroupBox1, 30, 740, 936, 150);
    for (int k = 0; k < 9; ++k) {
        g.place(vorrat[k], 22 + 102 * k, 27, 75, 100);
        g.fontSize(vorrat[k], 37);
    }
    g.place(Button10, 750, 560, 215, 75);
    g.fontSize(Button10, 27);
    g.place(rechenpanel, 50, 337, 204, 337);
    tastenblock->anordnen(g);
}

void TForm53::neuesQuadrat()
{
    // The window keeps the focus, so that no key presses "Programm abbrechen" or a cell by chance.
    SetFocus(this);
    m_merker2 = 0;
    m_zelle = 0;
    m_eingabe.leeren();
    Button10->setEnabled(false);
    Button10->setCaption(QStringLiteral("o.k.?"));
    for (int i = 0; i < 9; ++i) {
        m_texte[i].clear();
        zellen[i]->setCaption(QString());
        zellen[i]->setEnabled(true);
        vorrat[i]->setCaption(QStringLiteral("..."));
        vorrat[i]->setEnabled(true);
    }
    if (zwzahl4 == 1) {
        rechenpanel->setEnabled(true);
        KeyPreview = true;
    }
    Randomize();
    m_werte = s_zauber::werte(anordnung(Random(8)), variante, variante2);
    m_gegeben = vorgaben(vorgabeZiehen(zwzahl2));
    for (int i : m_gegeben) {
        m_texte[i] = QString::number(m_werte[size_t(i)]);
        zellen[i]->setCaption(m_texte[i]);
        zellen[i]->setEnabled(false);
    }
    const auto gegeben = [this](int zahl) {
        return std::any_of(m_gegeben.begin(), m_gegeben.end(), [&](int i) { return m_werte[size_t(i)] == zahl; });
    };
    for (int k = 0; k < 9; ++k) {
        const int zahl = variante2 + k * variante;
        if (zwzahl4 == 0) {
            vorrat[k]->setCaption(QString::number(zahl));
            vorrat[k]->setEnabled(!gegeben(zahl));
        } else {
            if (gegeben(zahl)) vorrat[k]->setCaption(QString::number(zahl));
            vorrat[k]->setEnabled(false);
        }
    }

    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.reset(TextAlign::Center | TextAlign::Top, MapMode::Pixels);
    weissDecken(c, g, 295, 35, 705, 700);
    c.pen = Pen { clGreen, g.x(5) };
    for (int x : { 305, 435, 565, 695 }) {
        c.moveTo(g.x(x), g.y(155));
        c.lineTo(g.x(x), g.y(685));
    }
    for (int y : { 155, 332, 509, 686 }) {
        c.moveTo(g.x(305), g.y(y));
        c.lineTo(g.x(695), g.y(y));
    }
    c.font.name = QStringLiteral("arial");
    c.font.color = clGreen;
    c.font.setSize(g.x(20));
    textMittig(c, g, 500, 70, summentext(variante, variante2, zwzahl3 == 0));
    haken(clBtnFace);
}

void TForm53::setzen()
{
    if (m_zelle >= 1 && m_zelle <= 9) {
        zellen[m_zelle - 1]->setCaption(m_eingabe.text());
        m_texte[m_zelle - 1] = m_eingabe.text();
    }
    Button10->setCaption(QStringLiteral("o.k.?"));
    m_merker2 = std::none_of(m_texte.begin(), m_texte.end(),
                    [](const QString& t) { return t.isEmpty() || t == QLatin1String("?"); })
        ? 1
        : 0;
    Button10->setEnabled(m_merker2 == 1);
}

void TForm53::haken(const QColor& farbe)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.pen = Pen { farbe, g.x(5) };
    c.polyline({ { g.x(735), g.y(435) }, { g.x(770), g.y(485) }, { g.x(975), g.y(35) } });
}
