#include "aids/h_stern.h"

#include "aids/h_haupt.h"
#include "aids/h_stern_logik.h"
#include "aids/zahlendreher.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/paintbox.h"

namespace {

QColor reihenfarbe(int r)
{
    static const QColor farben[10]
        = { clBlack, clYellow, clOlive, clMoneyGreen, clBlue, clTeal, clYellow, clRed, clMaroon, clSkyBlue };
    return r >= 1 && r <= 9 ? farben[r] : clBlack;
}

} // namespace

TForm74::TForm74(QWidget* parent)
    : Hilfenfenster(parent)
{
    setCaption(QStringLiteral("1x1-Stern"));
    setObjectName(QStringLiteral("Form74"));
    // The set-up runs when the hub shows the window, not again when the protocol dialog closes.
    ActivateOnReturn = false;

    vorgaben.nocheineCaption = QStringLiteral("&leeren?");
    vorgaben.nocheinePlatz = { 750, 440, 200, 45 };
    vorgaben.endePlatz = { 750, 950, 200, 30 };
    vorgaben.zeitagPlatz = { 750, 835, 200, 100 };
    // The bars come with the choice of a row, not with the start.
    vorgaben.balkenBeiNeuerAufgabe = false;
    vorgaben.endzeitNehmen = false;
    eingabe = Eingabetext(m_antwort);

    titelbox = new PaintBox(this);
    titelbox->setObjectName(QStringLiteral("titelbox"));
    place(titelbox, 750, 10, 200, 410);

    Tastenfeld::Anordnung a;
    a.rechner = { 750, 500, 200, 320 };
    const int spalten[3] = { 42, 82, 122 };
    for (int d = 1; d <= 9; ++d)
        a.ziffern[d] = { spalten[(d - 1) % 3], 83 + 58 * ((9 - d) / 3), 35, 50, 30 };
    a.ziffern[0] = { 82, 257, 35, 50, 30 };
    a.loeschen = { 7, 23, 35, 50, 20 };
    Tastenfeld& t = tastenfeldAnlegen(Tastenfeld::Eingabetaste | Tastenfeld::Loeschtaste, a);
    Button13 = t.Button13;
    Button14 = t.Button14;
    Button0 = t.ziffer(0);
    Rechner = t.Rechner;
    Rechner->setObjectName(QStringLiteral("Rechner"));
    Button13->hide();

    Label1 = new Label(Rechner, QStringLiteral("wähle eine 1x1-Reihe"), 8, 24);
    Label1->setObjectName(QStringLiteral("Label1"));
    applyFont(Label1, QStringLiteral("MS Sans Serif"), 30);

    rahmenknoepfeBenennen(weiterbutton, Endebutton);
    weiterbutton->OnClick = [this] { weiterbuttonClick(); };

    OnKeyPress = [this](QChar& taste) { sternkey(taste); };
}

// ---- Handlers ----

void TForm74::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.place(titelbox, 750, 10, 200, 410);
    g.fontHeight(Label1, 30);
}

void TForm74::sternkey(QChar& taste)
{
    if (!KeyPreview) return;
    // The keys reach their buttons also while these are hidden: Enter judges a short answer although its
    // button is never shown.
    const tasten::Tastenziel t = tasten::tastenweiche(taste);
    switch (t.ziel) {
    case tasten::Ziel::ziffer:
        tastenfeld->ziffer(t.ziffer)->Click();
        break;
    case tasten::Ziel::loeschen:
        Button14->Click();
        break;
    case tasten::Ziel::eingabe:
        Button13->Click();
        break;
    case tasten::Ziel::ende:
        Endebutton->Click();
        break;
    case tasten::Ziel::keins:
        break;
    }
}

bool TForm74::nullAblehnen() const
{
    // Rows are 1 .. 9: a 0 never chooses one, whatever was asked before.
    return m_antwort.isEmpty() && (m_wahl4 == 1 || m_zielzahl != 0);
}

void TForm74::weiterbuttonClick()
{
    leeresBrett();
    weiterbutton->hide();
}

hilfenrahmen::Protokollangaben TForm74::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.titel = QStringLiteral("1x1-Stern");
    a.zeile4 = stern::zeile4(m_wahltext);
    a.zeile5 = QString();
    return a;
}

void TForm74::nachDemEnde()
{
    if (TForm63* hub = hilfenhub()) hub->fokus(hub->Button53);
}

// ---- Routines ----

void TForm74::aufgabeStellen()
{
    m_antwort = QString();
    m_wahl6 = 0;
    m_wahl4 = 1;
    m_variante = 0;
    m_zielzahl = 0;
    m_wahltext = QString();

    Label1->show();
    Button0->hide();
    Button13->hide();
    Button14->hide();
    weiterbutton->hide();

    alleSterne();

    const DesignGrid g = raster();
    Canvas& c = titelbox->canvas();
    c.pen = Pen { clGreen, 2 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(1), g.y(1), g.x(199), g.y(409));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.color = clBlue;
    c.font.height = g.y(40);
    c.textOut(g.x(100), g.y(30), QStringLiteral("Die Einer"));
    c.textOut(g.x(100), g.y(90), QStringLiteral("des Ergebnisses"));
    c.textOut(g.x(100), g.y(150), QStringLiteral("zeichnen den"));
    c.font.height = g.y(50);
    c.textOut(g.x(100), g.y(210), QStringLiteral("1x1-Stern."));
    setFocus(Qt::OtherFocusReason);
}

void TForm74::alleSterne()
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { clTeal, 2 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(10), g.y(10), g.x(715), g.y(990));
    c.ellipse(g.x(80), g.y(150), g.x(480), g.y(750));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(45);
    c.font.color = clTeal;
    c.textOut(g.x(590), g.y(320), QStringLiteral("(alle Sterne)"));
    for (int r = 1; r <= 9; ++r) {
        c.pen = Pen { reihenfarbe(r), 3 };
        const QLine erste = stern::linie(r, 1);
        c.moveTo(g.x(erste.x1()), g.y(erste.y1()));
        for (int j = 1; j <= 10; ++j) {
            const QLine l = stern::linie(r, j);
            c.lineTo(g.x(l.x2()), g.y(l.y2()));
        }
    }
}

void TForm74::leeresBrett()
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { clGreen, 2 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(10), g.y(10), g.x(715), g.y(990));
    c.pen.color = clTeal;
    c.ellipse(g.x(80), g.y(150), g.x(480), g.y(750));
    c.brush = Brush { clTeal };
    for (int p = 0; p <= 9; ++p) {
        const QPoint q = stern::punkt(p);
        c.ellipse(g.x(q.x() - 10), g.y(q.y() - 14), g.x(q.x() + 10), g.y(q.y() + 14));
    }
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(45);
    c.font.color = clBlue;
    c.brush = Brush { clWhite };
    for (int p = 0; p <= 9; ++p) {
        const QPoint b = stern::beschriftung(p);
        c.textOut(g.x(b.x()), g.y(b.y()), QString::number(p));
    }
}

void TForm74::sternschritt(int r, int k)
{
    const DesignGrid g = raster();
    const std::array<int, 11> e = stern::einer(r);
    m_wahlbytes[std::size_t(k - 1)] = e[std::size_t(k - 1)];
    m_wahlbytes[std::size_t(k)] = e[std::size_t(k)];
    const QLine l = stern::linie(r, k);
    Canvas& c = canvas();
    c.pen = Pen { reihenfarbe(r), stern::stiftbreite(r, k) };
    c.moveTo(g.x(l.x1()), g.y(l.y1()));
    c.lineTo(g.x(l.x2()), g.y(l.y2()));
}

void TForm74::antwortplatz(int k, const QString& text)
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(45);
    c.font.color = clBlue;
    c.brush = Brush { clWhite };
    c.textOut(g.x(680), g.y(78 * k + 76), text);
}

void TForm74::produktspalte()
{
    const int r = m_variante;
    antwortplatz(0, QStringLiteral("0"));
    antwortplatz(1, QString::number(r));
    for (int k = 2; k <= 10; ++k)
        antwortplatz(k, QStringLiteral("    "));
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.font.color = clTeal;
    for (int k = 0; k <= 10; ++k)
        c.textOut(g.x(635), g.y(78 * k + 76),
            QString::number(k) + QStringLiteral(" x ") + QString::number(r) + QStringLiteral(" ="));
    sternschritt(r, 1);
    m_wahl6 = 2;
    antwortplatz(2, QStringLiteral("?"));
    m_zielzahl = 2 * r;
}

void TForm74::hinweis(const QString& zeile1, const QString& zeile2)
{
    const DesignGrid g = raster();
    Canvas& c = titelbox->canvas();
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite };
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(40);
    c.font.color = clRed;
    c.textOut(g.x(100), g.y(290), zeile1);
    c.textOut(g.x(100), g.y(340), zeile2);
}

void TForm74::eingabeGeaendert()
{
    const DesignGrid g = raster();
    if (m_wahl4 == 1) {
        // The digit chooses the row.
        Button0->show();
        Button14->show();
        Label1->hide();
        m_variante = m_antwort.str().toInt();
        m_antwort = QString();
        m_wahl4 = 0;
        // Each row is a task of its own: its inputs count once.
        hilfenrahmen::aufgabeBeginnen();
        zeitbalken();
        if (anzahl == 0) leeresBrett();
        produktspalte();
        weiterbutton->hide();
        return;
    }

    Canvas& t = titelbox->canvas();
    t.pen = Pen { clWhite, 1 };
    t.brush = Brush { clWhite };
    t.rectangle(g.x(5), g.y(280), g.x(195), g.y(400));
    aufgabeneingaben = aufgabeneingaben + 1;
    const int k = m_wahl6;
    Canvas& c = canvas();
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite };
    c.rectangle(g.x(640), g.y(78 * k + 56), g.x(685), g.y(78 * k + 116));
    if (k < 11) antwortplatz(k, m_antwort.isEmpty() ? QStringLiteral("?") : m_antwort.str());
    if (!m_antwort.isEmpty() && stern::langGenug(m_antwort, m_zielzahl)) Button13->Click();
}

void TForm74::antwortPruefen()
{
    const int r = m_variante;
    const int k = m_wahl6;
    if (StrToInt(m_antwort) != m_zielzahl) {
        if (zahlendreher::ausErwartung(m_zielzahl, m_antwort))
            hinweis(zahlendreher::meldung, QStringLiteral("(löschen!)"));
        else
            hinweis(QStringLiteral("lösche und"), QStringLiteral("rechne neu!"));
        return;
    }
    sternschritt(r, k);
    aufgabennoetig = aufgabennoetig + m_antwort.length();
    m_wahl6 = k + 1;
    if (k + 1 < 11) antwortplatz(k + 1, QStringLiteral("?"));
    m_zielzahl = (k + 1) * r;
    m_antwort = QString();
    if (m_wahl6 < 11) return;

    // The row is complete.
    hilfenrahmen::aufgabeGezaehlt(true);
    m_wahltext = stern::reihenliste(m_wahltext, r);
    weiterbutton->show();
    Button0->hide();
    Button13->hide();
    Button14->hide();
    m_wahl4 = 1;
    Label1->show();
    zeitbalken();
}
