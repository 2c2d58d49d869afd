#include "analyses/f_gra_vp.h"
#include "analyses/f_prot.h"

#include "analyses/f_gra.h"
#include "analyses/f_gra_fehler.h"
#include "analyses/f_gra_logik.h"
#include "analyses/f_gra_protokoll.h"
#include "analyses/f_protokollmeldung.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/errors.h"
#include "platform/random.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

namespace {

constexpr int kMaxEingabe = 3;
const char kArial[] = "Arial";

DesignGrid raster()
{
    return DesignGrid(skala_x, skala_y);
}

} // namespace

TForm38::TForm38(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("Grundrechenarten"));
    setDesignGeometry(0, 0, 800, 600);
    setMaximized(true);
    setColor(clSilver);
    KeyPreview = true;

    m_tastenfeld = Tastenfeld::fuerAnalyse(this, { 400, 30, 200, 320 }, [this](int z) { zifferClick(z); });
    GroupBox1 = m_tastenfeld->Rechner;
    ziffern = m_tastenfeld->ziffern();
    Button13 = m_tastenfeld->Button13;
    Button14 = m_tastenfeld->Button14;
    for (Button* b : m_tastenfeld->knoepfe())
        setHandCursor(b);
    Button14->OnClick = [this] { Button14Click(); };
    Button13->Default = true;
    Button13->OnClick = [this] { Button13Click(); };

    Button15 = new Button(this, QStringLiteral("weiter!"), 400, 450, 200, 70);
    Button15->setObjectName(QStringLiteral("Button15"));
    applyFontSize(Button15, kArial, 35);
    Button15->Default = true;
    Button15->OnClick = [this] { Button15Click(); };

    Button1 = new Button(this, QStringLiteral("Programm abbrechen"), 750, 900, 200, 40);
    Button1->setObjectName(QStringLiteral("Button1"));
    applyFontSize(Button1, kArial, 12);
    Button1->Cancel = true;
    // A pupil's arrow key never reaches the button that ends the run.
    ActivityWindow = true;
    Button1->OnClick = [this] { Button1Click(); };

    Label1 = new Label(this, QString(), 16, 16);
    applyFont(Label1, kArial, 16);

    OnKeyPress = [this](QChar& key) { formkeypress(key); };
    OnActivate = [this] { form38activ(); };
}

// ---- Handlers ----

void TForm38::form38activ()
{
    const DesignGrid g = raster();
    m_tastenfeld->anordnen(g);
    g.place(Button15, 400, 450, 200, 70);
    g.fontSize(Button15, 35);
    g.place(Button1, 750, 900, 200, 40);
    g.fontSize(Button1, 12);

    Randomize();
    gra::laufBeginnen();
    m_aufgabeOffen = false;

    surface().clear();
    update();
    Button15->setCaption(QStringLiteral("los geht's!"));
    Button15->show();
    Button15->Default = true;
    keypadAn(false);
    SetFocus(Button15);
}

void TForm38::Button15Click()
{
    if (m_aufgabeOffen || Button15->isHidden()) return;
    Button15->hide();
    naechsteaufgabe();
}

void TForm38::zifferClick(int ziffer)
{
    if (!m_aufgabeOffen) return;
    // Mixed tens never have a one-digit result, so a leading 0 can only be a slip.
    if (ziffer == 0 && (programmcode == 12 || programmcode == 15) && eingabe.isEmpty() && zahl != 0) return;
    if (eingabe.length() < kMaxEingabe) eingabe = eingabe + QString::number(ziffer);
    eingabefeld();
}

void TForm38::Button14Click()
{
    if (!m_aufgabeOffen) return;
    if (!eingabe.isEmpty()) eingabe = eingabe.str().left(eingabe.length() - 1);
    eingabefeld();
}

void TForm38::Button13Click()
{
    if (!m_aufgabeOffen || eingabe.isEmpty()) return;
    eingabezeit = clockx::now();
    m_aufgabeOffen = false;
    gra::bewertung();
    naechsteaufgabe();
}

void TForm38::Button1Click()
{
    m_aufgabeOffen = false;
    keypadAn(false);
    zaehler = zaehler - 1; // the task on the screen does not count
    if (zaehler < 1) {
        Close();
        return;
    }
    protokoll();
}

void TForm38::formkeypress(QChar& key)
{
    const char16_t u = key.unicode();
    if (u < 8 || u > '9') return;
    key = QChar();
    // Keys count only while a task is on the screen: none before the first, none while the protocol is written.
    if (u == 27) {
        Button1->Click();
        return;
    }
    if (!m_aufgabeOffen) return;
    if (u == 8)
        Button14Click();
    else if (u == 13)
        Button13Click();
    else if (u >= '0')
        zifferClick(u - '0');
    if (m_aufgabeOffen) eingabefeld();
}

// ---- Routines ----

void TForm38::naechsteaufgabe()
{
    Label1->setCaption(QString());
    if (zaehler == 0) startzeit = clockx::now();
    fortschritt();
    zehneranteil = 0;
    Randomize();
    gra::Aufgabenbild bild;
    if (zaehler >= aufgabenanzahl || !gra::aufgabeErzeugen(bild)) {
        protokoll();
        return;
    }
    textlinks(bild.links);
    if (!bild.rechts.isEmpty()) textrechts(bild.rechts);
    eingabefeld();
    rechenzeichen();
    m_aufgabeOffen = true;
    keypadAn(true);
    SetFocus(Button13);

    dauer = clockx::now();
    laufzeit = dauer - startzeit;
    clockx::decode(laufzeit, stunden, minuten, sekunden, millisek);
}

void TForm38::protokoll()
{
    m_aufgabeOffen = false;
    keypadAn(false);
    QString fehler;
    QStringList zeilen;
    const QString pfad = gra::protokollSchreiben(fehler, &zeilen);
    if (pfad.isEmpty()) {
        if (auto* betrachter = dynamic_cast<TForm36*>(Form36))
            betrachter->ungespeichertZeigen(zeilen, protokollmeldung::text(fehler));
        else
            reportError(protokollmeldung::text(fehler));
    }
    if (Form36) Form36->showModal();
    Close();
    // Only now: emptying the typed name empties schuelername, which the protocol has used.
    if (auto* einrichtung = dynamic_cast<TForm37*>(Form37)) einrichtung->laufBeendet();
}

void TForm38::keypadAn(bool an)
{
    m_tastenfeld->knoepfeFreigeben(an);
}

void TForm38::fortschritt()
{
    const DesignGrid g = raster();
    Canvas& c = surface().canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen.color = clWhite;
    c.pen.width = Round(4 * double(skala_x));
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.brush.style = BrushStyle::Solid;
    c.brush.color = clRed;
    c.rectangle(g.x(200), g.y(630), g.x(800), g.y(730));
    c.brush.color = clGreen;
    const int fertig = aufgabenanzahl > 0 ? zaehler * 600 / aufgabenanzahl : 0;
    c.rectangle(g.x(200), g.y(630), g.x(200 + fertig), g.y(730));
    c.font.name = QStringLiteral("arial");
    c.font.setSize(Round(17 * double(skala_x)));
    c.font.color = clWhite;
    c.brush.style = BrushStyle::Clear;
    c.textOut(g.x(500), g.y(664), QStringLiteral(" fertige Aufgaben "));
    update();
}

void TForm38::textlinks(const QString& text)
{
    const DesignGrid g = raster();
    Canvas& c = surface().canvas();
    c.brush.style = BrushStyle::Solid;
    c.brush.color = clSilver;
    c.fillRect(g.x(0), g.y(430), g.x(405), g.y(530));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.setSize(Round(47 * double(skala_x)));
    c.font.color = clBlue;
    c.brush.style = BrushStyle::Clear;
    const int n = int(text.size());
    for (int i = 1; i <= n; ++i) {
        const QChar z = text.at(i - 1);
        c.textOut(g.x(380 - (n - i) * 33), g.y(z == u'-' ? 423 : 430), QString(z));
    }
    update();
}

void TForm38::textrechts(const QString& text)
{
    const DesignGrid g = raster();
    Canvas& c = surface().canvas();
    c.brush.style = BrushStyle::Solid;
    c.brush.color = clSilver;
    c.fillRect(g.x(550), g.y(430), g.x(900), g.y(530));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.setSize(Round(47 * double(skala_x)));
    c.font.color = clBlue;
    c.brush.style = BrushStyle::Clear;
    for (int i = 1; i <= int(text.size()); ++i)
        c.textOut(g.x(580 + 33 * i), g.y(430), QString(text.at(i - 1)));
    update();
}

void TForm38::eingabefeld()
{
    const DesignGrid g = raster();
    Canvas& c = surface().canvas();
    c.pen.color = clGreen;
    c.pen.width = Round(4 * double(skala_x));
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.brush.style = BrushStyle::Solid;
    c.brush.color = clWhite;
    if (programmcode == 13 || programmcode == 14)
        c.rectangle(g.x(428), g.y(415), g.x(572), g.y(560));
    else
        c.rectangle(g.x(410), g.y(415), g.x(585), g.y(560));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.setSize(Round(47 * double(skala_x)));
    c.font.color = clBlue;
    c.brush.style = BrushStyle::Clear;
    c.textOut(g.x(500), g.y(430), eingabe);
    update();
}

void TForm38::rechenzeichen()
{
    if (programmcode != 16 && programmcode != 17) return;
    const DesignGrid g = raster();
    Canvas& c = surface().canvas();
    c.pen.color = clBlue;
    c.pen.width = Round(5 * double(skala_x));
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.brush.style = BrushStyle::Solid;
    c.brush.color = clBlue;
    if (programmcode == 16) {
        const int l = btext.length();
        c.ellipse(g.x(268 - 33 * l), g.y(475), g.x(272 - 33 * l), g.y(481));
    } else {
        const int l = atext.length();
        c.ellipse(g.x(270 - 33 * l), g.y(467), g.x(274 - 33 * l), g.y(472));
        c.ellipse(g.x(270 - 33 * l), g.y(493), g.x(274 - 33 * l), g.y(498));
    }
    update();
}
