#include "aids/h_strahl.h"

#include "aids/h_strahl_logik.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/paintbox.h"
#include "platform/random.h"
#include "shell/SBEx.h"
#include "shell/einstellungsdatei.h"

#include <QEvent>
#include <QMouseEvent>
#include <limits>

using namespace strahl;

namespace {

const QString kSchrift = QStringLiteral("MS Sans Serif");
const QString kArial = QStringLiteral("arial");

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

void weiss(Canvas& c, int breite = 1)
{
    c.pen.color = clWhite;
    c.pen.width = breite;
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
}

void schrift(Canvas& c, int hoehe, const QColor& farbe)
{
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = kArial;
    c.font.height = hoehe;
    c.font.bold = false;
    c.font.color = farbe;
}

template <typename T> void hochzaehlen(T& zaehler)
{
    if (zaehler < std::numeric_limits<T>::max()) zaehler = T(zaehler + 1);
}

} // namespace

TForm67::TForm67(QWidget* parent)
    : Hilfenfenster(parent)
{
    setCaption(QStringLiteral("Strahl"));
    setMouseTracking(true);
    // Keys reach the form only in "nennen"; each task switches them itself.
    vorgaben.keyPreview = false;
    // The bars are painted when the run starts and when a task is solved, not for each new task.
    vorgaben.balkenBeiNeuerAufgabe = false;

    agbox = new PaintBox(this);
    place(agbox, 360, 430, 280, 400);

    tastenfeldAnlegen(Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste);
    eingabe = Eingabetext(zifferneingabe);

    PfeilePanel = new Panel(this, 750, 550, 200, 180);
    plinksprechts = new Label(PfeilePanel, QStringLiteral("E F"), 15, 10);
    applyFont(plinksprechts, QStringLiteral("Wingdings"), 90);
    gefundenbutton = new Button(PfeilePanel, QStringLiteral("&gefunden?  Enter!"), 15, 105, 170, 54);
    applyFont(gefundenbutton, kSchrift, 30);
    gefundenbutton->Default = true;
    gefundenbutton->OnClick = [this] { gefundenbuttonClick(); };
    ScrollBoxEx1 = new TScrollBoxEx(PfeilePanel, 1, 1, 1, 1);
    pfeiltastenVerbinden(
        ScrollBoxEx1, [this] { links(); }, {}, [this] { rechts(); }, {});

    zeignenn = new Panel(this, 50, 550, 200, 180);
    Button10 = new Button(zeignenn, QStringLiteral("&umschalten?"), 20, 25, 160, 45);
    applyFont(Button10, kSchrift, 28);
    Button10->OnClick = [this] { Button10Click(); };
    Memo1 = new Memo(zeignenn, 20, 87, 160, 65);
    applyFont(Memo1, kSchrift, 27);
    Memo1->setLines({ QStringLiteral("  nennen >> zeigen"), QStringLiteral("  zeigen  >> nennen") });
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabStop(Memo1, false);
    zeignenn->installEventFilter(this);
}

void TForm67::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.place(agbox, 360, 430, 280, 400);
    g.place(PfeilePanel, 750, 550, 200, 180);
    plinksprechts->move(g.x(15), g.y(10));
    g.fontHeight(plinksprechts, 90);
    g.place(gefundenbutton, 15, 105, 170, 54);
    g.fontHeight(gefundenbutton, 30);
    g.place(ScrollBoxEx1, 1, 1, 1, 1);
    g.place(zeignenn, 50, 550, 200, 180);
    g.place(Button10, 20, 25, 160, 45);
    g.fontHeight(Button10, 28);
    g.place(Memo1, 20, 87, 160, 65);
    g.fontHeight(Memo1, 27);
}

// ---- Handlers ----

void TForm67::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    runGuarded([&] { mm(p.x(), p.y()); });
    Hilfenfenster::mouseMoveEvent(event);
}

void TForm67::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    runGuarded([&] { mausamstrahl(p.x(), p.y()); });
    Hilfenfenster::mousePressEvent(event);
}

bool TForm67::eventFilter(QObject* watched, QEvent* event)
{
    // zeignennClick: a click on the mode panel means the switch.
    if (watched == zeignenn && event->type() == QEvent::MouseButtonPress) {
        runGuarded([this] { Button10->Click(); });
        return true;
    }
    return Hilfenfenster::eventFilter(watched, event);
}

void TForm67::mm(int x, int y)
{
    zwzahl3 = designX(x, skala_x);
    // Only over the line: the mouse trap keeps the pointer there under X11, but not on Wayland or without a
    // display, and a pointer over the task panel must not move the arrow.
    if (m_laeuft && variante == kZeigen && imBand(y, skala_y)) zeiger();
}

void TForm67::mausamstrahl(int x, int y)
{
    if (variante != kZeigen || !m_laeuft || !imBand(y, skala_y)) return;
    zwzahl3 = designX(x, skala_x);
    zeiger();
    gezeigtPruefen();
}

void TForm67::gefundenbuttonClick()
{
    gezeigtPruefen();
    // While the task goes on, the next arrow key moves the arrow rather than the focus off the clicked button;
    // a solved task has put "noch eine Aufgabe?" under Enter.
    if (m_laeuft) SetFocus(ScrollBoxEx1);
}

void TForm67::Button10Click()
{
    variante = 1 - variante;
    zeignenn->hide();
    neueaufgabe();
    nocheinebutton->hide();
}

void TForm67::links()
{
    if (!m_laeuft) return;
    // wahl6 is shared with other aids' options; it may come in beyond the line.
    if (wahl6 > obergrenze(code())) wahl6 = byte(obergrenze(code()));
    if (wahl6 > 0) wahl6 = byte(wahl6 - 1);
    zwzahl3 = xVon(code(), wahl6);
    zeiger();
}

void TForm67::rechts()
{
    if (!m_laeuft) return;
    if (wahl6 > obergrenze(code())) wahl6 = byte(obergrenze(code()));
    if (wahl6 < obergrenze(code())) wahl6 = byte(wahl6 + 1);
    zwzahl3 = xVon(code(), wahl6);
    zeiger();
}

// ---- Frame hooks ----

void TForm67::laufBeginnen()
{
    Randomize();
    // A mode other than 0 or 1 from the settings file would never switch back to "zeigen".
    if (variante != kZeigen) variante = kNennen;
    beutelFuellen();
    nocheinebutton->hide();
    zeignenn->hide();
    wahl3 = 0;
    zwbyte5 = 0;
    zwbyte6 = 0;
    m_gezeigt.reset();
    m_laeuft = false;
    zeitbalken();
}

void TForm67::eingabenFreigeben()
{
    zeignenn->hide();
    if (variante == kNennen) {
        tastenfeld->Rechner->show();
        tastenfeld->Rechner->setEnabled(true);
        PfeilePanel->hide();
        PfeilePanel->setEnabled(false);
        ScrollBoxEx1->setEnabled(false);
        KeyPreview = true;
    } else {
        tastenfeld->Rechner->setEnabled(false);
        tastenfeld->Rechner->hide();
        PfeilePanel->show();
        PfeilePanel->setEnabled(true);
        ScrollBoxEx1->setEnabled(true);
        KeyPreview = false;
    }
}

void TForm67::eingabenSperren()
{
    KeyPreview = false;
    tastenfeld->Rechner->setEnabled(false);
    PfeilePanel->setEnabled(false);
    ScrollBoxEx1->setEnabled(false);
}

// strahlaufgabe
void TForm67::aufgabeStellen()
{
    const DesignGrid g = raster();
    zielzahl = zielzahlZiehen(code());
    m_gezeigt.reset();
    m_laeuft = true;

    strahllinie();

    Canvas& c = agbox->canvas();
    c.pen = Pen { clGreen, 2 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(g.x(1), g.y(1), g.x(275), g.y(400));
    schrift(c, g.y(55), clBlue);
    const bool zeigen = variante == kZeigen;
    c.textOut(g.x(137), g.y(40), zeigen ? QStringLiteral("Zeige auf die:") : QStringLiteral("Dort ist die:"));
    if (zeigen)
        mausfalle({ 0, kBandOben, 1000, kBandUnten });
    else
        mausfalle({ 0, 410, 1000, 1000 });
    c.pen = Pen { clBlue, g.x(5) };
    c.rectangle(g.x(75), g.y(140), g.x(199), g.y(270));
    schrift(c, g.y(75), clRed);
    c.textOut(g.x(137), g.y(165), zeigen ? QString::number(zielzahl) : QStringLiteral("?"));

    if (zeigen) {
        SetFocus(ScrollBoxEx1);
    } else {
        zifferneingabe = QString();
        zwzahl3 = xVon(code(), zielzahl);
        zeiger();
        // Enter must reach the keypad, never a button that happens to hold the focus.
        SetFocus(tastenfeld->Button13);
    }
}

void TForm67::eingabeGeaendert()
{
    eingabezeigen();
}

void TForm67::antwortPruefen()
{
    nennenpruefung();
}

bool TForm67::nullAblehnen() const
{
    return zifferneingabe.isEmpty() && zielzahl % 10 != 0;
}

hilfenrahmen::Protokollangaben TForm67::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.titel = titel(code());
    a.zeile4 = stufenzeile(zwbyte5, zwbyte6);
    return a;
}

void TForm67::nachDemEnde()
{
    // The mode in force now is the one the next run starts in. A settings file that cannot be written is
    // reported, but the pupil still leaves the aid.
    try {
        einstellungsdatei::abschnittschreiben(
            datpfad + QStringLiteral("hw.ina"), QStringLiteral("Strahl"), { variante });
    } catch (const RuntimeError& e) {
        reportError(e.message());
    }
}

// ---- Routines ----

int TForm67::code() const
{
    return programmcode;
}

void TForm67::strahllinie()
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    weiss(c);
    c.rectangle(g.x(10), g.y(10), g.x(985), g.y(385));
    const Linienbild b = linienbild(code());
    c.pen.color = clGreen;
    c.pen.width = b.achsenbreite;
    linie(c, g.x(100), g.y(b.achseY), g.x(900), g.y(b.achseY));
    for (const Strich& s : b.striche) {
        c.pen.width = s.breite;
        const int x = g.x(xVon(code(), s.n));
        linie(c, x, g.y(250), x, g.y(s.oben));
    }
    schrift(c, g.y(50), clGreen);
    for (const Beschriftung& t : b.beschriftungen)
        c.textOut(g.x(t.x), g.y(t.y), t.text);
    mausfalle({ 0, 200, 1000, 300 });
}

void TForm67::zeiger()
{
    const DesignGrid g = raster();
    const Linienbild b = linienbild(code());
    Canvas& c = canvas();
    if (zifferneingabe != QString::number(zielzahl)) pfeilbandWischen(b.wischOben);
    const int n = zahlAnX(code(), zwzahl3);
    zwzahl3 = n;
    if (!aufDerLinie(code(), n)) {
        m_gezeigt.reset();
        return;
    }
    wahl6 = byte(n);
    m_gezeigt = n;
    const int x = g.x(xVon(code(), n));
    c.pen = Pen { clRed, b.pfeilbreite };
    linie(c, x, g.y(b.pfeilOben), x, g.y(b.pfeilUnten));
    linie(c, x, g.y(b.pfeilOben), g.x(xVon(code(), n) - 10), g.y(293));
    linie(c, x, g.y(b.pfeilOben), g.x(xVon(code(), n) + 10), g.y(293));
}

void TForm67::pfeilbandWischen(int oben)
{
    const DesignGrid g = raster();
    const Linienbild b = linienbild(code());
    Canvas& c = canvas();
    weiss(c);
    // The arrow's round end reaches half its width above its top; that goes too, and the axis it may
    // have touched is drawn again.
    c.rectangle(g.x(13), g.y(oben) - (b.pfeilbreite + 1) / 2, g.x(930), g.y(380));
    c.pen = Pen { clGreen, b.achsenbreite };
    linie(c, g.x(100), g.y(b.achseY), g.x(900), g.y(b.achseY));
}

void TForm67::gezeigtPruefen()
{
    if (!m_laeuft || !m_gezeigt) return;
    if (*m_gezeigt == zielzahl)
        strahlgeloest();
    else
        falschgezeigt(*m_gezeigt);
}

void TForm67::falschgezeigt(int n)
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    pfeilbandWischen(275);
    schrift(c, g.y(65), clRed);
    if (!aufDerLinie(code(), n)) return;
    aufgabeneingaben = aufgabeneingaben + 1;
    c.textOut(g.x(xVon(code(), n)), g.y(276), QString::number(n));
}

void TForm67::eingabezeigen()
{
    const DesignGrid g = raster();
    aufgabeneingaben = aufgabeneingaben + 1;
    if (zifferneingabe.length() > stellen(code())) {
        zifferneingabe = zifferneingabe.str().left(zifferneingabe.length() - 1);
        aufgabeneingaben = aufgabeneingaben - 1;
    }
    Canvas& c = agbox->canvas();
    weiss(c, g.x(4));
    // The message is wider than its place on a screen of 4:3; all of it goes, up to the frame.
    if (wahl3 == 0) c.rectangle(g.x(6), g.y(320), g.x(270), g.y(390));
    c.rectangle(g.x(82), g.y(170), g.x(190), g.y(230));
    wahl3 = 0;
    schrift(c, g.y(75), clBlue);
    c.textOut(g.x(137), g.y(165), zifferneingabe.isEmpty() ? QStringLiteral("?") : zifferneingabe.str());
}

void TForm67::nennenpruefung()
{
    const DesignGrid g = raster();
    aufgabeneingaben = aufgabeneingaben + 1;
    Canvas& c = canvas();
    weiss(c);
    c.rectangle(g.x(90), g.y(340), g.x(930), g.y(380));

    const int v = StrToInt(zifferneingabe);
    if (v == zielzahl) {
        aufgabennoetig = 1 + int(QString::number(zielzahl).size());
        strahlgeloest();
        return;
    }
    if (zifferneingabe == strahl::zifferntausch(zielzahl)) {
        Canvas& a = agbox->canvas();
        schrift(a, g.y(35), clBlue);
        a.textOut(g.x(137), g.y(333), QStringLiteral("erst Zehner, dann Einer!"));
        wahl3 = 1;
    }
    // The typed number where it would stand, even beyond the line.
    const Linienbild b = linienbild(code());
    const int x = g.x(xVon(code(), v));
    schrift(c, g.y(50), clRed);
    c.textOut(x, g.y(333), QString::number(v));
    c.pen = Pen { clRed, b.markenbreite };
    linie(c, x, g.y(250), x, g.y(b.markeOben));
    zifferneingabe = QString();
    eingabezeigen();
}

void TForm67::strahlgeloest()
{
    const DesignGrid g = raster();
    m_laeuft = false;
    if (variante == kNennen) {
        hochzaehlen(zwbyte6);
    } else {
        aufgabeneingaben = aufgabeneingaben + 1;
        aufgabennoetig = 1;
        hochzaehlen(zwbyte5);
    }
    aufgabeAbschliessen(true, false);
    mausfalle({ 0, 420, 1000, 1100 });

    Canvas& a = agbox->canvas();
    weiss(a);
    a.rectangle(g.x(10), g.y(10), g.x(260), g.y(130));
    a.pen = Pen { clRed, g.x(5) };
    linie(a, g.x(135), g.y(355), g.x(115), g.y(325));
    linie(a, g.x(135), g.y(355), g.x(255), g.y(65));

    Canvas& c = canvas();
    schrift(c, g.y(50), clGreen);
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.textOut(g.x(xVon(code(), zielzahl)), g.y(333), QString::number(zielzahl));
    for (const Beschriftung& t : loesungsbeschriftungen(code()))
        c.textOut(g.x(t.x), g.y(t.y), t.text);
    const int h = bogenhoehe(code(), zielzahl);
    c.pen = Pen { clRed, linienbild(code()).pfeilbreite };
    c.arc(g.x(100), g.y(215 - h), g.x(xVon(code(), zielzahl)), g.y(285 + h), g.x(900), g.y(245), g.x(0), g.y(245));

    nocheinebutton->show();
    zeignenn->show();
    SetFocus(nocheinebutton);
    // Last, so that the picture is complete should the bars end the run.
    zeitbalken();
}
