#include "games/s_kette.h"

#include "games/spielblock.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tastenfeld.h"

using namespace s_kette;

namespace {

const QColor kGrau { 128, 128, 128 };

QColor farbe(int glied)
{
    switch (glied) {
    case 2:
        return clRed;
    case 3:
        return clGreen;
    case 4:
        return clBlue;
    default:
        return kGrau;
    }
}

// The two arcs from a member's summands and its arrowhead: box, start and end point of each arc, then the
// three points of the arrowhead.
struct Boegen {
    int bogen[2][8];
    int pfeil[6];
};

const Boegen* boegenVon(int n, int glied)
{
    static const Boegen vier[2] = {
        { { { 200, 70, 602, 470, 900, 189, 2, 210 }, { 400, 140, 604, 420, 720, 190, 280, 190 } },
            { 581, 215, 599, 245, 614, 215 } },
        { { { 400, 170, 805, 570, 350, 390, 950, 400 }, { 600, 260, 805, 500, 500, 395, 950, 400 } },
            { 784, 425, 803, 395, 820, 425 } },
    };
    static const Boegen fuenf[3] = {
        { { { 200, 70, 485, 470, 900, 160, 2, 210 }, { 350, 140, 485, 420, 720, 100, 280, 210 } },
            { 462, 215, 482, 245, 495, 215 } },
        { { { 350, 170, 655, 570, 350, 390, 650, 390 }, { 500, 260, 655, 500, 500, 395, 650, 390 } },
            { 634, 425, 653, 395, 670, 425 } },
        { { { 515, 70, 805, 470, 990, 200, 2, 160 }, { 650, 140, 805, 420, 800, 240, 660, 250 } },
            { 782, 215, 802, 245, 815, 215 } },
    };
    if (glied < 2 || glied >= n) return nullptr;
    return n == 4 ? &vier[glied - 2] : &fuenf[glied - 2];
}

} // namespace

// ---- Form description ----

TForm49::TForm49(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm49"));
    setCaption(QStringLiteral("Kette"));
    setMaximized(true);
    ActivityWindow = true;
    setColor(clWhite);
    tastenblock = std::make_unique<Tastenfeld>(this, unsigned(Tastenfeld::Loeschtaste), Tastenfeld::spielblock());
    for (int d = 0; d <= 9; ++d)
        tastenblock->ziffer(d)->OnClick = [this, d] { zifferClick(d); };
    tastenblock->Button14->OnClick = [this] { Button2Click(); };

    Button1 = new Button(this, QStringLiteral("weiter"), 300, 870, 400, 100);
    applyFontSize(Button1, QStringLiteral("Arial"), 26);
    Button1->OnClick = [this] { Button1Click(); };
    Button11 = new Button(this, QStringLiteral("Programm abbrechen"), 750, 930, 200, 40);
    applyFontSize(Button11, QStringLiteral("Arial"), 14);
    Button11->Cancel = true;
    Button11->OnClick = [this] { Button11Click(); };

    OnKeyPress = [this](QChar& taste) { tastatur(taste); };
    OnActivate = [this] { ketteaktiv(); };
}

TForm49::~TForm49() = default;

void TForm49::aufgabeSetzen(const Aufgabe& aufgabe)
{
    m_aufgabeVorgegeben = true;
    m_vorgabe = aufgabe;
    neuekette();
}

// ---- Handlers ----

void TForm49::ketteaktiv()
{
    // The window keeps the focus while "weiter" waits for a right number: Enter then stays with the typing,
    // never with a key or "Programm abbrechen".
    SetFocus(this);
    Randomize();
    const DesignGrid g = spielraster();
    tastenblock->anordnen(g);
    blockknoepfeAnordnen(g, Button11, Button1);
    vorindex = 1;
    neuekette();
}

void TForm49::Button1Click()
{
    switch (variante) {
    case 0:
    case 1:
        weiterZeigen();
        break;
    case 2:
        zielPruefen();
        break;
    case 3:
        startzahlen();
        break;
    default:
        break;
    }
}

void TForm49::zifferClick(int ziffer)
{
    if (m_eingabe.ziffer(ziffer)) ketteneingabe();
}

void TForm49::Button2Click()
{
    m_eingabe.zurueck();
    ketteneingabe();
}

void TForm49::tastatur(QChar& taste)
{
    if (!KeyPreview) return;
    if (taste == QChar(8)) {
        taste = QChar();
        Button2Click();
    } else if (taste >= QLatin1Char('0') && taste <= QLatin1Char('9')) {
        const int d = taste.digitValue();
        taste = QChar();
        // Unlike the keypad, the keyboard shows the entry after every key: a refused leading zero leaves "?".
        m_eingabe.ziffer(d);
        ketteneingabe();
    }
}

void TForm49::Button11Click()
{
    Close();
}

// ---- Routines ----

int TForm49::glieder_n() const
{
    return programmcode / 11 + 4;
}

int TForm49::spaltenschritt() const
{
    return glieder_n() == 4 ? 200 : 150;
}

void TForm49::tastenFreigeben(bool an)
{
    tastenblock->Rechner->setEnabled(an);
    KeyPreview = an;
}

void TForm49::neuekette()
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.reset(TextAlign::Center | TextAlign::Top, MapMode::Pixels);
    c.pen.color = clWhite;
    c.rectangle(g.x(0), g.y(0), g.x(1000), g.y(1000));
    const int n = glieder_n();
    Aufgabe auf;
    if (m_aufgabeVorgegeben) {
        auf = m_vorgabe;
        m_aufgabeVorgegeben = false;
        vorindex = shortint(variante == 3 ? auf.ziel : auf.a);
    } else {
        int vorher = vorindex;
        auf = kettenaufgabe(variante, variante2, n, vorher);
        vorindex = shortint(vorher);
    }
    m_glieder = kettenrechnung(auf.a, auf.b, n);
    if (variante == 3) m_glieder[size_t(n - 1)] = auf.ziel; // only the target is given
    m_eingabe = Zifferneingabe(3, variante == 3);
    tastenblock->Rechner->setVisible(variante != 0);

    switch (variante) {
    case 0:
        tastenFreigeben(false);
        Button1->setEnabled(true);
        Button1->setCaption(QStringLiteral("weiter"));
        SetFocus(Button1);
        for (int i = 0; i <= 1; ++i) {
            kasten(i);
            zahl(i);
        }
        m_gliednummer = 1;
        break;
    case 1:
        for (int i = 0; i <= 1; ++i) {
            kasten(i);
            zahl(i);
        }
        m_gliednummer = 2;
        kasten(2);
        gliedboegen(2);
        aufgabenzeile(2);
        Button1->setEnabled(false);
        Button1->setCaption(QStringLiteral("weiter"));
        tastenFreigeben(true);
        break;
    case 2:
        tastenFreigeben(true);
        m_zustand = 0;
        m_falsche = 1;
        for (int i = 0; i < n; ++i) {
            kasten(i);
            gliedboegen(i);
            if (i <= 1) zahl(i);
        }
        m_gliednummer = n - 1;
        Button1->setCaption(QStringLiteral("gefunden"));
        Button1->setEnabled(false);
        schreiben(800, 283, QStringLiteral("  ?  "), farbe(n - 1));
        break;
    case 3:
        tastenFreigeben(true);
        m_suche.beginnen(auf.ziel, n);
        for (int i = 0; i < n; ++i) {
            kasten(i);
            gliedboegen(i);
        }
        zahl(n - 1);
        Button1->setCaption(QStringLiteral("1. Startzahl gefunden"));
        Button1->setEnabled(false);
        m_ersteZahl = true;
        m_gliednummer = 0;
        m_zustand = 0;
        schreiben(200, 283, QStringLiteral("  ?  "), clBlue);
        break;
    default:
        break;
    }
}

void TForm49::ketteneingabe()
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    const int w = spaltenschritt();
    const int i = variante == 2 ? glieder_n() - 1 : m_gliednummer;
    c.pen.color = clWhite;
    c.pen.width = 1;
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.rectangle(g.x(i * w + 155), g.y(257), g.x(i * w + 245), g.y(383));
    schreiben(i * w + 200, 283, m_eingabe.anzeige(), clBlue);
    switch (variante) {
    case 1:
        if (m_eingabe.text() == QString::number(m_glieder[size_t(i)])) {
            Button1->setEnabled(true);
            SetFocus(Button1);
            tastenFreigeben(false);
            c.pen.color = clRed;
            c.pen.width = g.x(6);
            haekchen(i);
            // The whole task line goes, also the one of the last member, which ends far to the right.
            c.pen.color = clWhite;
            c.pen.width = 1;
            c.rectangle(g.x(0), g.y(572), g.x(1000), g.y(650));
        } else {
            Button1->setEnabled(false);
        }
        break;
    case 2:
        if (m_eingabe.hatZiffern()) {
            Button1->setEnabled(true);
            SetFocus(Button1);
            Button1->setCaption(QStringLiteral("gefunden"));
        }
        break;
    case 3:
        // A start number has to be typed before the button takes it.
        Button1->setEnabled(m_eingabe.hatZiffern());
        if (m_eingabe.hatZiffern()) SetFocus(Button1);
        break;
    default:
        break;
    }
}

void TForm49::weiterZeigen()
{
    ++m_gliednummer;
    if (m_gliednummer >= glieder_n()) {
        neuekette();
        return;
    }
    const int i = m_gliednummer;
    kasten(i);
    gliedboegen(i);
    if (variante == 0) {
        zahl(i);
        summenzeile(i);
    } else {
        aufgabenzeile(i);
        m_eingabe.leeren();
        Button1->setEnabled(false);
        tastenFreigeben(true);
    }
}

void TForm49::zielPruefen()
{
    const int n = glieder_n();
    if (m_zustand == 1) {
        neuekette();
        return;
    }
    if (m_eingabe.text() == QString::number(m_glieder[size_t(n - 1)])) {
        Button1->setEnabled(true);
        SetFocus(Button1);
        Button1->setCaption(QStringLiteral("weiter"));
        tastenFreigeben(false);
        m_zustand = 1;
        Canvas& c = canvas();
        c.pen.color = clRed;
        c.pen.width = spielraster().x(6);
        haekchen(n - 1);
        // The members not yet given as hints.
        if (n == 5 && m_falsche < 3) schreiben(650, 283, QString::number(m_glieder[3]), farbe(3));
        if (m_falsche < 2) schreiben(n == 4 ? 600 : 500, 283, QString::number(m_glieder[2]), farbe(2));
        return;
    }
    Button1->setCaption(QStringLiteral("rechne neu"));
    if (m_eingabe.hatZiffern()) {
        schreiben(800, 283, QStringLiteral("  ?  "), farbe(n - 1));
        ++m_falsche;
        if (m_falsche < 4) {
            if (n == 4)
                schreiben(600, 265, QString::number(m_glieder[2]), kGrau, 75);
            else
                schreiben(m_falsche * 150 + 200, 265, QString::number(m_glieder[size_t(m_falsche)]), kGrau, 75);
        }
    }
    m_eingabe.leeren();
}

void TForm49::startzahlen()
{
    switch (m_zustand) {
    case 0:
        if (!m_ersteZahl) {
            paarBewerten();
            return;
        }
        m_glieder[0] = m_eingabe.zahl();
        m_gliednummer = 1;
        m_eingabe.leeren();
        m_ersteZahl = false;
        Button1->setCaption(QStringLiteral("2. Startzahl gefunden"));
        Button1->setEnabled(false);
        schreiben(glieder_n() == 4 ? 400 : 350, 283, QStringLiteral("  ?  "), clBlue);
        tastenFreigeben(true);
        break;
    case 1:
        neuekette();
        break;
    case 2:
    case 3:
        naechstesPaar();
        m_zustand = 0;
        break;
    case 4:
        Close();
        break;
    default:
        break;
    }
}

void TForm49::paarBewerten()
{
    const int n = glieder_n();
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    const int a = m_glieder[0], b = m_eingabe.zahl();
    const Paarsuche::Ergebnis e = m_suche.pruefen(a, b);
    m_glieder = kettenrechnung(a, b, n);
    QColor mitte = clBlue;
    if (e == Paarsuche::Ergebnis::falsch) {
        m_zustand = m_suche.zuSchwer() ? 4 : 3;
        Button1->setCaption(m_suche.caption());
        mitte = kGrau;
        schreiben(910, 283, QString::number(m_suche.endwert()), kGrau);
        schreiben(915, 370 + 45 * m_suche.fehlversuche(),
            QStringLiteral("%1  %2 ... %3").arg(a).arg(b).arg(m_suche.endwert()), kGrau, 22);
    } else {
        if (e == Paarsuche::Ergebnis::schonDa) {
            schreiben(930, 290, QStringLiteral("schon da!"), clBlue, 22);
            c.pen.color = kGrau;
        } else {
            schreiben(500, 20, m_suche.bearbeitetezahlen(), clBlue, 22);
            c.pen.color = clRed;
        }
        c.pen.width = g.x(6);
        c.polyline({ { g.x(865), g.y(320) }, { g.x(872), g.y(330) }, { g.x(910), g.y(235) } });
        c.pen.color = clWhite;
        c.pen.width = 1;
        c.brush.color = clWhite;
        c.rectangle(g.x(850), g.y(410), g.x(990), g.y(850));
        Button1->setCaption(m_suche.caption());
        if (m_suche.alleGefunden()) {
            schreiben(500, 600, QStringLiteral("BRAVO!!!"), clBlue, 100);
            schreiben(500, 740, QStringLiteral("alle Lösungen sind gefunden"), clBlue, 35);
            m_zustand = 1;
        } else {
            m_zustand = 2;
        }
    }
    Button1->setEnabled(true);
    // After the tenth wrong pair the button closes the game: Enter alone must not press it.
    SetFocus(m_zustand == 4 ? static_cast<QWidget*>(this) : Button1);
    tastenFreigeben(false);
    if (n == 4) {
        schreiben(600, 283, QString::number(m_glieder[2]), mitte);
    } else {
        schreiben(500, 283, QString::number(m_glieder[2]), mitte);
        schreiben(650, 283, QString::number(m_glieder[3]), mitte);
    }
}

void TForm49::naechstesPaar()
{
    m_suche.naechstesPaar();
    Button1->setCaption(QStringLiteral("1. Startzahl gefunden"));
    Button1->setEnabled(false);
    tastenFreigeben(true);
    schreiben(200, 283, QStringLiteral("  ?  "), clBlue);
    const int w = spaltenschritt();
    for (int i = 1; i <= glieder_n() - 2; ++i)
        schreiben(i * w + 200, 283, QString(6, QLatin1Char(' ')), clBlue);
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.pen.color = clWhite;
    c.pen.width = 1;
    c.brush.color = clWhite;
    c.rectangle(g.x(855), g.y(215), g.x(990), g.y(390));
    m_ersteZahl = true;
    m_gliednummer = 0;
    m_eingabe.leeren();
}

// ---- Drawing ----

void TForm49::schreiben(double x, double y, const QString& text, const QColor& farbe, int hoehe)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.font.name = QStringLiteral("arial");
    c.font.bold = false;
    c.font.color = farbe;
    c.font.height = g.x(hoehe);
    textMittig(c, g, x, y, text);
}

void TForm49::kasten(int i)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    const int w = spaltenschritt();
    c.pen.color = farbe(i);
    c.pen.width = 6;
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.rectangle(g.x(i * w + 150), g.y(250), g.x(i * w + 250), g.y(390));
}

void TForm49::zahl(int i)
{
    schreiben(i * spaltenschritt() + 200, 283, QString::number(m_glieder[size_t(i)]), farbe(i));
}

void TForm49::gliedboegen(int i)
{
    const Boegen* b = boegenVon(glieder_n(), i);
    if (!b) return;
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    c.pen.color = farbe(i);
    c.pen.width = 2;
    for (const auto& r : b->bogen)
        c.arc(g.x(r[0]), g.y(r[1]), g.x(r[2]), g.y(r[3]), g.x(r[4]), g.y(r[5]), g.x(r[6]), g.y(r[7]));
    const int* p = b->pfeil;
    c.polyline({ { g.x(p[0]), g.y(p[1]) }, { g.x(p[2]), g.y(p[3]) }, { g.x(p[4]), g.y(p[5]) } });
}

void TForm49::haekchen(int i)
{
    const DesignGrid g = spielraster();
    const int w = spaltenschritt();
    canvas().polyline(
        { { g.x(i * w + 255), g.y(320) }, { g.x(i * w + 262), g.y(330) }, { g.x(i * w + 300), g.y(235) } });
}

void TForm49::summenzeile(int i)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    const int y = g.y(600 + 80 * (i - 2));
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.font.name = QStringLiteral("arial");
    c.font.color = farbe(i);
    c.font.height = g.x(50);
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    c.textOut(g.x(480), y, QString::number(m_glieder[size_t(i - 2)]) + QStringLiteral(" + "));
    c.textOut(g.x(580), y, QString::number(m_glieder[size_t(i - 1)]) + QStringLiteral(" = "));
    c.textOut(g.x(630), y, QString::number(m_glieder[size_t(i)]));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
}

void TForm49::aufgabenzeile(int i)
{
    const DesignGrid g = spielraster();
    Canvas& c = canvas();
    const int ende = glieder_n() == 4 ? (i == 2 ? 610 : 810) : 510 + 150 * (i - 2);
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.font.name = QStringLiteral("arial");
    c.font.color = farbe(i);
    c.font.height = g.x(50);
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    c.textOut(g.x(ende), g.y(570),
        QString(13, QLatin1Char(' ')) + QString::number(m_glieder[size_t(i - 2)]) + QStringLiteral(" + ")
            + QString::number(m_glieder[size_t(i - 1)]) + QStringLiteral(" =  ?"));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
}
