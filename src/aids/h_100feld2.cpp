#include "aids/h_100feld2.h"

#include "aids/h_100feld_logik.h"
#include "aids/h_haupt.h"
#include "aids/hunderterfeld.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/errors.h"
#include "platform/paintbox.h"
#include "shell/fenster.h"

using h100feld::Urteil;

namespace {

const QString kKnopfschrift = QStringLiteral("MS Sans Serif");
const QString kArial = QStringLiteral("arial");
const QString kZehnerZuerst = QStringLiteral("Zehner zuerst!");

} // namespace

TForm66::TForm66(QWidget* parent)
    : Hilfenfenster(parent)
{
    setCaption(QStringLiteral("100erFeld2"));
    vorgaben.loeschabzug = 2;
    eingabe = Eingabetext(zifferneingabe);
    tastenfeldAnlegen();

    Randbitte = new Button(this, QStringLiteral("&Rand"), 750, 770, 90, 45);
    applyFontSize(Randbitte, kKnopfschrift, 16);
    Randbitte->OnClick = [this] { RandbitteClick(); };
    Kreuzbitte = new Button(this, QStringLiteral("&Kreuz"), 860, 770, 90, 45);
    applyFontSize(Kreuzbitte, kKnopfschrift, 16);
    Kreuzbitte->OnClick = [this] { KreuzbitteClick(); };

    agbox = new PaintBox(this);
    place(agbox, 710, 20, 280, 400);
    // The task panel holds the focus while a task runs: Enter then reaches the keypad's Enter through the key
    // handler, never a button that a click left focused ("Programm abbrechen" among them).
    agbox->setFocusPolicy(Qt::ClickFocus);
    for (Button* b : { Randbitte, Kreuzbitte })
        b->setFocusPolicy(Qt::NoFocus);
}

void TForm66::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.place(Randbitte, 750, 770, 90, 45);
    g.fontSize(Randbitte, 16);
    g.place(Kreuzbitte, 860, 770, 90, 45);
    g.fontSize(Kreuzbitte, 16);
    g.place(agbox, 710, 20, 280, 400);
}

std::optional<TRect> TForm66::mausbereichDesign() const
{
    if (schlangen()) return std::nullopt;
    return TRect { 696, 0, 1000, 1100 };
}

void TForm66::laufBeginnen()
{
    h100feld::beutelFuellen();
}

void TForm66::eingabenFreigeben()
{
    Hilfenfenster::eingabenFreigeben();
    const bool s = schlangen();
    tastenfeld->Button13->setEnabled(s);
    tastenfeld->Button14->setEnabled(s);
    Randbitte->setVisible(s);
    Kreuzbitte->setVisible(s);
    Randbitte->setEnabled(s);
    Kreuzbitte->setEnabled(s);
    if (s) {
        hilfebutton()->hide();
        hilfebutton()->setEnabled(false);
    }
}

void TForm66::eingabenSperren()
{
    Hilfenfenster::eingabenSperren();
    Randbitte->setEnabled(false);
    Kreuzbitte->setEnabled(false);
}

// ---- Task set-up and drawing ----

void TForm66::zelleSetzen(int zahl)
{
    spalte2 = shortint(h100feld::spalteVon(zahl));
    zeile2 = h100feld::zeileVon(zahl);
}

void TForm66::aufgabeStellen()
{
    wahl3 = 0;
    m_geloest = false;
    if (schlangen()) {
        const auto zellen = h100feld::schlange(variante, h100feld::erlaubteLaengen());
        if (!zellen) {
            verweigern();
            return;
        }
        h100feld::schlangeMerken(*zellen);
        schlangeZeichnen();
    } else {
        zielzahl = h100feld::zielzahlZiehen(programmcode);
        zelleSetzen(zielzahl);
        feldZeichnen();
    }

    switch (programmcode) {
    case 19:
        aufgabenfeldZeichnen(QStringLiteral("Wie viele"), QStringLiteral("sind blau?"));
        break;
    case 110:
        aufgabenfeldZeichnen(QStringLiteral("Am blauen Ende"), QStringLiteral("steht die:"));
        break;
    default:
        aufgabenfeldZeichnen(QStringLiteral("Im roten Feld"), QStringLiteral("steht die:"));
        break;
    }
    if (!schlangen()) aufgabeMarkieren();
    zifferneingabe = QString();
    SetFocus(agbox);
}

void TForm66::feldZeichnen()
{
    hunderterfeld(canvas(), feldZahlNennen(programmcode != 19), raster());
}

void TForm66::agboxBeschriften(const QString& zeile1, const QString& zeile2, const QColor& farbe)
{
    const DesignGrid g = raster();
    Canvas& c = agbox->canvas();
    c.setMapMode(MapMode::Pixels);
    c.pen = Pen { clGreen, 2 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(1, 1, g.x(275), g.y(400));
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font = Font {};
    c.font.name = kArial;
    c.font.height = g.y(45);
    c.font.color = farbe;
    c.textOut(g.x(137), g.y(40), zeile1);
    c.textOut(g.x(137), g.y(105), zeile2);
}

void TForm66::aufgabenfeldZeichnen(const QString& zeile1, const QString& zeile2)
{
    agboxBeschriften(zeile1, zeile2, clBlue);
    const DesignGrid g = raster();
    Canvas& c = agbox->canvas();
    c.pen = Pen { programmcode == 19 || schlangen() ? clBlue : clRed, g.x(5) };
    c.rectangle(g.x(75), g.y(181), g.x(199), g.y(310));
}

void TForm66::aufgabeMarkieren()
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    if (programmcode == 19) {
        c.pen = Pen { clBlack, 1 };
        for (int n = 1; n <= 100; ++n) {
            const int s = h100feld::spalteVon(n);
            const int r = h100feld::zeileVon(n);
            c.brush = Brush { n <= zielzahl ? clBlue : clYellow, BrushStyle::Solid };
            c.rectangle(g.x(89 + 54 * s), g.y(112 + 80 * r), g.x(129 + 54 * s), g.y(167 + 80 * r));
        }
        return;
    }
    c.pen = Pen { clRed, g.x(5) };
    c.brush.style = BrushStyle::Clear;
    c.rectangle(g.x(83 + 54 * spalte2), g.y(103 + 80 * zeile2), g.x(135 + 54 * spalte2), g.y(177 + 80 * zeile2));
}

void TForm66::feldtext(int x, int y, const QString& text, const QColor& farbe, const QColor& grund)
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font = Font {};
    c.font.name = kArial;
    c.font.height = g.y(40);
    c.font.color = farbe;
    c.brush = grund.isValid() ? Brush { grund, BrushStyle::Solid } : Brush { clWhite, BrushStyle::Clear };
    c.textOut(g.x(x), g.y(y), text);
}

void TForm66::schlangeZeichnen()
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(g.x(10), g.y(10), g.x(695), g.y(990));
    for (int k = 0; k <= sollwert; ++k) {
        zielzahl = auswahl1[k];
        zelleSetzen(zielzahl);
        const int x = 109 + 54 * spalte2;
        const int y = 80 * zeile2;
        c.pen = Pen { clRed, g.x(5) };
        c.brush.style = BrushStyle::Clear;
        c.rectangle(g.x(83 + 54 * spalte2), g.y(103 + y), g.x(135 + 54 * spalte2), g.y(177 + y));
        if (k == 0)
            feldtext(x, 117 + y, QString::number(zielzahl), clBlack);
        else
            feldtext(x, 125 + y, QStringLiteral("*"), clBlack);
        if (k == sollwert) {
            c.pen = Pen { clBlue, 1 };
            c.brush = Brush { clBlue, BrushStyle::Solid };
            c.rectangle(g.x(89 + 54 * spalte2), g.y(111 + y), g.x(130 + 54 * spalte2), g.y(170 + y));
            feldtext(x, 116 + y, QStringLiteral("?"), clWhite);
        }
    }
}

void TForm66::verweigern()
{
    // No snake length is allowed: there is no task to set, only the end button is left.
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(g.x(10), g.y(10), g.x(695), g.y(990));
    agboxBeschriften(QStringLiteral("Keine Länge"), QStringLiteral("gewählt!"), clRed);
    eingabenSperren();
    Randbitte->hide();
    Kreuzbitte->hide();
    KeyPreview = false;
    SetFocus(agbox);
}

// ---- Input ----

bool TForm66::nullAblehnen() const
{
    return zifferneingabe.isEmpty() && zielzahl % 10 != 0;
}

void TForm66::eingabeGeaendert()
{
    if (schlangen())
        schlangeneingabe();
    else
        ziffernBeurteilen();
}

void TForm66::antworttext(const QString& text, const QColor& farbe)
{
    const DesignGrid g = raster();
    Canvas& c = agbox->canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font = Font {};
    c.font.name = kArial;
    c.font.height = g.x(65);
    c.font.color = farbe;
    // On white, so that the whole answer covers its first digit.
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.textOut(g.x(137), g.y(195), text);
}

void TForm66::meldung(int hoehe)
{
    const DesignGrid g = raster();
    Canvas& c = agbox->canvas();
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font = Font {};
    c.font.name = kArial;
    c.font.height = g.y(hoehe);
    c.font.color = clBlue;
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.textOut(g.x(137), g.y(333), kZehnerZuerst);
}

void TForm66::ziffernBeurteilen()
{
    if (m_geloest) return;
    aufgabeneingaben = aufgabeneingaben + 1;
    const DesignGrid g = raster();
    Canvas& c = agbox->canvas();
    c.pen = Pen { clWhite, 1 };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    c.rectangle(g.x(20), g.y(320), g.x(250), g.y(390));

    const auto falsch = [this] {
        hilfestufe = shortint(hilfestufe + 1);
        hilfeschritt();
    };
    switch (h100feld::ziffernurteil(zielzahl, zifferneingabe)) {
    case Urteil::keins:
        break;
    case Urteil::zehnerRichtig:
        antworttext(zifferneingabe, clBlue);
        aufgabennoetig = aufgabennoetig + 1;
        // The next help step is the third, the first one about the units.
        hilfestufe = 2;
        break;
    case Urteil::zehnerZuerst:
        meldung(40);
        zifferneingabe = QString();
        falsch();
        break;
    case Urteil::falsch:
        zifferneingabe = QString();
        falsch();
        break;
    case Urteil::einerFalsch:
        zifferneingabe = zifferneingabe.str().left(1);
        falsch();
        break;
    case Urteil::richtig:
        antworttext(zifferneingabe, clBlue);
        aufgabennoetig = aufgabennoetig + 1;
        hakenUndLoesen();
        break;
    }
    if (!m_geloest && hilfestufe > 4) {
        nocheinebutton->show();
        loesen();
    }
}

void TForm66::schlangeneingabe()
{
    // A fourth digit is dropped and not counted.
    if (zifferneingabe.length() > 3)
        zifferneingabe = zifferneingabe.str().left(3);
    else
        aufgabeneingaben = aufgabeneingaben + 1;
    const DesignGrid g = raster();
    Canvas& c = agbox->canvas();
    c.pen = Pen { clWhite, g.x(4) };
    c.brush = Brush { clWhite, BrushStyle::Solid };
    // "Zehner zuerst!" stays until the next digit.
    if (wahl3 != 1) c.rectangle(g.x(20), g.y(320), g.x(250), g.y(390));
    c.rectangle(g.x(82), g.y(190), g.x(190), g.y(300));
    wahl3 = 0;
    antworttext(zifferneingabe, clBlue);
}

void TForm66::antwortPruefen()
{
    if (!schlangen() || m_geloest) return;
    aufgabeneingaben = aufgabeneingaben + 1;
    const int n = StrToInt(zifferneingabe);
    if (n != zielzahl) {
        hilfestufe = shortint(hilfestufe + 1);
        if (h100feld::zehnerzuerst(zielzahl, zifferneingabe, h100feld::Zehnerpruefung::ganzeZahl)) {
            meldung(35);
            wahl3 = 1;
        }
        // The blue end itself is never shown.
        if (hilfestufe == sollwert) hilfestufe = shortint(hilfestufe - 1);
        zelleAufdecken(hilfestufe);
        zifferneingabe = QString();
        schlangeneingabe();
        aufgabeneingaben = aufgabeneingaben - 1;
        return;
    }
    aufgabennoetig = aufgabennoetig + 1 + zifferneingabe.length();
    // Border and cross come with the right answer; they are no help the pupil asked for.
    Randbitte->Click();
    Kreuzbitte->Click();
    aufgabeneingaben = aufgabeneingaben - 2;
    hilfetasten = hilfetasten - 2;
    feldtext(109 + 54 * h100feld::spalteVon(zielzahl), 116 + 80 * h100feld::zeileVon(zielzahl),
        QString::number(zielzahl), clWhite, clBlue);
    hakenUndLoesen();
}

void TForm66::zelleAufdecken(int index)
{
    const int zahl = auswahl1[index];
    feldtext(109 + 54 * h100feld::spalteVon(zahl), 118 + 80 * h100feld::zeileVon(zahl), QString::number(zahl), clBlack,
        clWhite);
}

void TForm66::RandbitteClick()
{
    Randbitte->setEnabled(false);
    aufgabeneingaben = aufgabeneingaben + 1;
    hilfetasten = hilfetasten + 1;
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { clBlack, 1 };
    c.polyline({ QPoint(g.x(80), g.y(98)), QPoint(g.x(80), g.y(900)), QPoint(g.x(623), g.y(900)),
        QPoint(g.x(623), g.y(98)), QPoint(g.x(80), g.y(98)) });
}

void TForm66::KreuzbitteClick()
{
    Kreuzbitte->setEnabled(false);
    aufgabeneingaben = aufgabeneingaben + 1;
    hilfetasten = hilfetasten + 1;
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { clBlack, 1 };
    c.moveTo(g.x(352), g.y(85));
    c.lineTo(g.x(352), g.y(917));
    c.moveTo(g.x(70), g.y(500));
    c.lineTo(g.x(636), g.y(500));
}

// ---- Help ----

void TForm66::hilfetaste()
{
    if (m_geloest || schlangen()) return;
    aufgabeneingaben = aufgabeneingaben + 1;
    hilfestufe = shortint(hilfestufe + 1);
    hilfetasten = hilfetasten + 1;
    m_hilfeDurchKnopf = true;
    hilfeschritt();
    m_hilfeDurchKnopf = false;
    if (hilfestufe > 4) {
        nocheinebutton->show();
        loesen();
    }
}

void TForm66::hilfeschritt()
{
    if (schlangen()) return;
    const DesignGrid g = raster();
    if (programmcode == 19) {
        Canvas& c = canvas();
        c.setTextAlign(TextAlign::Center | TextAlign::Top);
        c.font = Font {};
        c.font.name = kArial;
        c.font.height = g.y(30);
        c.font.color = clRed;
        c.brush.style = BrushStyle::Clear;
        c.pen = Pen { clRed, 5 };
        switch (hilfestufe) {
        case 1:
            c.moveTo(g.x(50), g.y(500));
            c.lineTo(g.x(656), g.y(500));
            break;
        case 2:
            for (int i = 1; i <= 10; ++i)
                c.textOut(g.x(645), g.y(47 + 80 * i), QString::number(10 * i));
            break;
        case 3:
            c.moveTo(g.x(352), g.y(60));
            c.lineTo(g.x(352), g.y(942));
            break;
        case 4:
            for (int i = 1; i <= 10; ++i) {
                c.textOut(g.x(54 + 54 * i), g.y(60), QString::number(i));
                c.textOut(g.x(54 + 54 * i), g.y(910), QString::number(i));
            }
            break;
        default:
            break;
        }
        return;
    }
    if (const auto h = h100feld::hilfetext18(zielzahl, hilfestufe)) {
        feldtext(h->ort.x(), h->ort.y(), h->text, clBlack);
    } else if (hilfestufe == 1 && m_hilfeDurchKnopf) {
        // Nothing lies above the first row: a help press that showed nothing does not count. A wrong digit
        // that led here stays counted, and it was no help press.
        aufgabeneingaben = aufgabeneingaben - 1;
        hilfetasten = hilfetasten - 1;
    }
}

// ---- Solving ----

void TForm66::hakenUndLoesen()
{
    const DesignGrid g = raster();
    Canvas& c = canvas();
    c.pen = Pen { clRed, g.x(5) };
    c.moveTo(g.x(825), g.y(355));
    c.lineTo(g.x(840), g.y(385));
    c.lineTo(g.x(970), g.y(95));
    Randbitte->hide();
    Kreuzbitte->hide();
    nocheinebutton->show();
    loesen();
}

void TForm66::loesen()
{
    m_geloest = true;
    Randbitte->setEnabled(false);
    Kreuzbitte->setEnabled(false);
    if (programmcode == 19) {
        const shortint stufe = hilfestufe;
        for (int s = 1; s <= 4; ++s) {
            hilfestufe = shortint(s);
            hilfeschritt();
        }
        hilfestufe = stufe;
        if (zifferneingabe != QString::number(zielzahl)) hilfestufe = 6;
    } else {
        const int ende = schlangen() ? auswahl1[sollwert] : 0;
        for (int r = 0; r <= 9; ++r) {
            for (int s = 1; s <= 10; ++s) {
                const int n = 10 * r + s;
                if (n == ende) continue;
                // The snake's stars are covered by the numbers; the grid of the naming field stays whole.
                feldtext(55 + 54 * s, 118 + 80 * r, QString::number(n), clBlack, schlangen() ? clWhite : QColor());
            }
        }
    }
    if (hilfestufe > 4) antworttext(QString::number(zielzahl), clRed);
    aufgabeAbschliessen(true, true);
}

// ---- End ----

hilfenrahmen::Protokollangaben TForm66::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    switch (programmcode) {
    case 19:
        a.titel = QStringLiteral("im 100er-Feld: Menge/Zahl-Zuordnung");
        break;
    case 110:
        a.titel = QStringLiteral("im 100er-Feld: Schlangen");
        a.zeile4 = hilfenrahmen::stufenzeile(QStringLiteral("Länge(n): ") + wahltext);
        // The hub left the chosen directions in line 5; trimmed, so that a second writing does not indent
        // them twice.
        a.zeile5 = QString(23, u' ') + protzeilen[5].str().trimmed();
        break;
    default:
        a.titel = QStringLiteral("im 100er-Feld: Zahl nennen");
        break;
    }
    a.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfetasten;
    a.zeile11 = hilfenrahmen::hilfetastenzeile(hilfetasten);
    return a;
}

void TForm66::nachDemEnde()
{
    TForm63* hub = hilfenhub();
    if (!schlangen() || !hub) return;
    // The hub's button "Schlangen" takes the focus back, so that the pupil can start the next snakes at once.
    hub->fokus(hub->knopf(110));
}
