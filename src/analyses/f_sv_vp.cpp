#include "analyses/f_sv_vp.h"

#include "analyses/f_protokollmeldung.h"
#include "analyses/f_sv_protokoll.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/random.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

namespace {

constexpr int kCodeSchriftlicheSubtraktion = 20;

// The columns of hundreds, tens and units.
constexpr int kSpalten[] = { 430, 500, 570 };

DesignGrid raster()
{
    return DesignGrid(skala_x, skala_y);
}

int schriftgroesse(int groesse)
{
    return Round(groesse * double(skala_y));
}

} // namespace

TForm40::TForm40(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("f_sv_vp"));
    setMaximized(true);
    setColor(clSilver);
    setDesignGeometry(0, 0, 800, 600);
    setHint(this, QStringLiteral("Übertrag: 1   (ü drücken)"));
    setShowHint(true);
    // The runner opens only the protocol viewer, at its very end: that must not start a new run.
    ActivateOnReturn = false;

    m_tastenfeld = Tastenfeld::fuerAnalyse(this, { 750, 30, 200, 320 }, [this](int z) { zifferClick(z); });
    GroupBox1 = m_tastenfeld->Rechner;
    ziffernknoepfe = m_tastenfeld->ziffern();
    Button13 = m_tastenfeld->Button13;
    Button14 = m_tastenfeld->Button14;
    // Here Enter keeps its tab stop.
    setTabStop(Button13, true);
    setHint(Button14, QStringLiteral("löschen"));
    Button2 = new Button(GroupBox1, QStringLiteral("Ü 1"), 10, 257, 33, 37);
    applyFontSize(Button2, QStringLiteral("Arial"), 20);
    setHint(Button2, QStringLiteral("Übertrag 1     Ü   drücken"));
    // A key of the keypad, though this window adds it: a click takes no focus, and Space never presses it.
    setKeypadKey(Button2);

    Button15 = new Button(this, QStringLiteral("los geht's!"), 400, 250, 200, 70);
    applyFontSize(Button15, QStringLiteral("Arial"), 35);
    Button1 = new Button(this, QStringLiteral("Programm abbrechen"), 750, 900, 200, 40);
    applyFontSize(Button1, QStringLiteral("Arial"), 12);
    Button1->Cancel = true;
    // A pupil's arrow key never reaches the button that ends the run.
    ActivityWindow = true;

    meldung = protokollmeldung::anlegen(this, 750, 800);

    Button13->OnClick = [this] { Button13Click(); };
    Button14->OnClick = [this] { Button14Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button15->OnClick = [this] { Button15Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    OnKeyPress = [this](QChar& key) { form40keypress(key); };
    OnActivate = [this] { form40activate(); };
}

// ---- Handlers ----

void TForm40::form40activate()
{
    Randomize();
    m_lauf.zuruecksetzen();
    m_geschrieben = false;
    m_fertig = false;
    KeyPreview = false;
    surface().clear();
    update();

    const DesignGrid g = raster();
    m_tastenfeld->anordnen(g);
    g.place(Button2, 10, 257, 33, 37);
    g.fontSize(Button2, 20);
    g.place(Button15, 400, 250, 200, 70);
    g.fontSize(Button15, 35);
    g.place(Button1, 750, 900, 200, 40);
    g.fontSize(Button1, 12);
    g.place(meldung, 750, 400, 200, 480);
    meldung->hide();

    Button15->setCaption(QStringLiteral("los geht's!"));
    Button15->show();
    Button15->Default = true;
    SetFocus(Button15);
    tastenfeld(false);
}

void TForm40::form40keypress(QChar& key)
{
    // Keys count only while a task is shown.
    if (!m_lauf.aufgabeOffen()) return;
    const char16_t u = key.unicode();
    if (u >= u'0' && u <= u'9')
        zifferClick(u - u'0');
    else if (key == sv::Tasteneingabe::kMarke)
        Button2Click();
    else if (u == 8)
        Button14Click();
    else if (u == 13)
        Button13Click();
    else
        return;
    key = QChar();
}

void TForm40::Button15Click()
{
    if (m_fertig || m_lauf.aufgabeOffen()) return;
    if (!weiterschritt()) return;
    Button15->setCaption(QStringLiteral("weiter!"));
    Button15->hide();
    KeyPreview = true;
}

void TForm40::zifferClick(int ziffer)
{
    if (!m_lauf.aufgabeOffen()) return;
    m_lauf.eingabe().ziffer(QChar(u'0' + ziffer));
    nachEingabe();
}

void TForm40::Button2Click()
{
    if (!m_lauf.aufgabeOffen()) return;
    m_lauf.eingabe().marke();
    nachEingabe();
}

void TForm40::Button14Click()
{
    if (!m_lauf.aufgabeOffen()) return;
    m_lauf.eingabe().loeschen();
    nachEingabe();
}

void TForm40::Button13Click()
{
    if (!m_lauf.aufgabeOffen() || m_lauf.eingabe().ziffernzahl() == 0) return;
    const sv::Auswertung a = m_lauf.auswertung();
    fortschrittsrahmen(a.fortschritt);
    tastenfeld(false);
    Button15->show();
    SetFocus(Button15);
    KeyPreview = false;
    aufgabenfeldLeeren();
}

void TForm40::Button1Click()
{
    if (m_fertig) {
        Close();
        return;
    }
    if (m_lauf.abbrechen())
        svprotokoll();
    else
        Close();
}

// ---- Routines ----

bool TForm40::weiterschritt()
{
    if (!m_lauf.ersteAufgabeSteht()) {
        startzeit = clockx::now();
        fortschrittsrahmen(0);
    }
    if (!svnaechste()) return false;
    tastenfeld(true);
    SetFocus(Button13);
    dauer = clockx::now();
    laufzeit = dauer - startzeit;
    clockx::decode(laufzeit, stunden, minuten, sekunden, millisek);
    return true;
}

bool TForm40::svnaechste()
{
    if (!m_lauf.naechste()) {
        svprotokoll();
        return false;
    }
    Button15->hide();
    aufgabezeichnen();
    return true;
}

void TForm40::svprotokoll()
{
    m_fertig = true;
    tastenfeld(false);
    KeyPreview = false;
    Button15->hide();

    QString fehler;
    const QString pfad = sv::protokollschreiben(m_lauf, fehler);
    if (pfad.isEmpty()) {
        // Nothing was saved: say so here and leave the closing to the teacher.
        protokollmeldung::zeigen(meldung, fehler);
        SetFocus(Button1);
        return;
    }
    m_geschrieben = true;
    programmcode = kCodeSchriftlicheSubtraktion;
    if (Form36) Form36->showModal();
    m_lauf.zuruecksetzen();
    Close();
}

void TForm40::aufgabezeichnen()
{
    const DesignGrid g = raster();
    Canvas& c = surface().canvas();
    aufgabenfeldLeeren();
    c.font.name = QStringLiteral("arial");
    c.font.bold = false;
    c.font.color = clBlue;
    c.font.setSize(schriftgroesse(70));
    c.brush.color = clSilver;
    c.brush.style = BrushStyle::Solid;
    const sv::Aufgabe& a = m_lauf.aufgabe();
    const QString oben = a.minuendtext();
    const QString unten = a.subtrahendtext();
    for (int i = 0; i < 3; ++i) {
        c.textOut(g.x(kSpalten[i]), g.y(70), oben.mid(i, 1));
        c.textOut(g.x(kSpalten[i]), g.y(190), unten.mid(i, 1));
    }
    c.textOut(g.x(380), g.y(180), QStringLiteral("-"));
    eingabeanzeige();
}

void TForm40::eingabeanzeige()
{
    const DesignGrid g = raster();
    Canvas& c = surface().canvas();
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.fillRect(g.x(380), g.y(320), g.x(620), g.y(525));
    c.pen.color = clBlue;
    c.pen.width = 2;
    c.pen.style = PenStyle::Solid;
    c.moveTo(g.x(400), g.y(395));
    c.lineTo(g.x(600), g.y(395));
    c.font.name = QStringLiteral("arial");
    c.font.color = clBlue;
    // The digits are drawn from the keys each time, so what shows is exactly what is typed.
    int ziffern = 0;
    for (QChar taste : m_lauf.eingabe().tastenfolge()) {
        if (taste == sv::Tasteneingabe::kMarke) {
            c.font.setSize(schriftgroesse(38));
            c.textOut(g.x(570 - 70 * ziffern), g.y(320), QStringLiteral("1"));
        } else {
            ++ziffern;
            c.font.setSize(schriftgroesse(70));
            c.textOut(g.x(640 - 70 * ziffern), g.y(400), QString(taste));
        }
    }
}

void TForm40::fortschrittsrahmen(int breite)
{
    const DesignGrid g = raster();
    Canvas& c = surface().canvas();
    c.pen.color = clWhite;
    c.pen.width = 4;
    c.pen.style = PenStyle::Solid;
    c.brush.color = clRed;
    c.brush.style = BrushStyle::Solid;
    c.rectangle(g.x(320), g.y(630), g.x(680), g.y(730));
    if (breite > 0) {
        c.pen.width = 2;
        c.brush.color = clGreen;
        c.rectangle(g.x(320), g.y(630), g.x(320 + breite), g.y(730));
    }
    c.font.name = QStringLiteral("arial");
    c.font.color = clWhite;
    c.font.setSize(schriftgroesse(25));
    c.brush.color = clGreen;
    c.textOut(g.x(500), g.y(660), QStringLiteral(" fertige Aufgaben "));
}

void TForm40::aufgabenfeldLeeren()
{
    const DesignGrid g = raster();
    Canvas& c = surface().canvas();
    c.pen.color = clBlue;
    c.pen.width = 4;
    c.pen.style = PenStyle::Solid;
    c.brush.color = clSilver;
    c.brush.style = BrushStyle::Solid;
    c.rectangle(g.x(320), g.y(30), g.x(680), g.y(570));
}

void TForm40::tastenfeld(bool an)
{
    m_tastenfeld->knoepfeFreigeben(an);
    Button2->setEnabled(an);
}

void TForm40::nachEingabe()
{
    eingabeanzeige();
    SetFocus(Button13);
}
