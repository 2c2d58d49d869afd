#include "analyses/f_ss_runner.h"

#include "analyses/f_protokollmeldung.h"
#include "analyses/f_schueler.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/mousetrap.h"
#include "platform/pause.h"
#include "platform/random.h"
#include "platform/round.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/pfadzeile.h"

namespace {

// Pause between two steps of the wipe.
constexpr double kWischpause = 0.00000035;

DesignGrid raster()
{
    return DesignGrid(skala_x, skala_y);
}

QString dreistellig(const QString& text)
{
    return text.rightJustified(3, QLatin1Char(' '));
}

} // namespace

SsRunner::SsRunner(ss::Feld feld, QWidget* parent)
    : Form(parent)
    , m_art(ss::feldart(feld))
{
    setCaption(m_art.caption);
    setColor(m_art.silbern ? clSilver : clBtnFace);
    setMaximized(true);
    setDesignGeometry(0, 0, 800, 600);
    KeyPreview = true;
    // The runner opens only the protocol viewer, at its very end: it must not start a new run then.
    ActivateOnReturn = false;

    m_tastenfeld = Tastenfeld::fuerAnalyse(this, { 500, 30, 200, 320 }, [this](int z) { zifferClick(z); });
    // Each field has its own place for the box, taken at activation.
    const ss::Rechteck& k = m_art.keypad;
    m_tastenfeld->anordnung.rechner = QRect(int(k.links), int(k.oben), int(k.rechts), int(k.unten));
    GroupBox1 = m_tastenfeld->Rechner;
    ziffern = m_tastenfeld->ziffern();
    Button13 = m_tastenfeld->Button13;
    Button14 = m_tastenfeld->Button14;
    // Here Enter keeps its tab stop.
    setTabStop(Button13, true);
    Button13->Default = true;
    Button13->OnClick = [this] { Button13Click(); };
    Button14->OnClick = [this] { Button14Click(); };

    Button15 = new Button(this, QStringLiteral("los geht's!"), 750, 180, 200, 70);
    applyFontSize(Button15, QStringLiteral("Arial"), 35);
    Button15->Default = true;
    Button15->OnClick = [this] { Button15Click(); };

    abbruch = new Button(this, m_art.abbruchText, 750, 310, 200, 40);
    abbruch->setObjectName(m_art.abbruchName);
    applyFontSize(abbruch, QStringLiteral("Arial"), 12);
    abbruch->Cancel = true;
    // A pupil's arrow key never reaches the button that ends the run.
    ActivityWindow = true;
    abbruch->OnClick = [this] { abbruchClick(); };

    meldung = protokollmeldung::anlegen(this, 750, 960);

    darbietung = new Timer(this, 10, false);
    darbietung->OnTimer = [this] { zeitablauf(); };

    OnKeyPress = [this](QChar& key) { formkeypress(key); };
    OnActivate = [this] { aktiviert(); };
    OnClose = [this] { zu(); };
}

// ---- Handlers ----

void SsRunner::aktiviert()
{
    for (int k = 0; k <= 50; ++k)
        antwortzeilen[k] = "";
    const DesignGrid g = raster();
    mausbereich = { g.x(m_art.mausbereich.links), g.y(m_art.mausbereich.oben), g.x(m_art.mausbereich.rechts),
        g.y(m_art.mausbereich.unten) };
    mousetrap::clip(mausbereich.left, mausbereich.top, mausbereich.right, mausbereich.bottom);

    Randomize();
    setEingabe(QString());
    zaehler = 0;
    laufzeit = 0;
    dauer = 0;
    anzahl = vorratsgroesse;
    m_gezeigt = 0;
    hilfszahl = -1;
    m_geschrieben = false;
    m_zustand = Zustand::Bereit;

    m_tastenfeld->anordnen(g);
    g.place(Button15, m_art.weiter.links, m_art.weiter.oben, m_art.weiter.rechts, m_art.weiter.unten);
    g.fontSize(Button15, 35);
    g.place(abbruch, m_art.abbruch.links, m_art.abbruch.oben, m_art.abbruch.rechts, m_art.abbruch.unten);
    g.fontSize(abbruch, 12);
    // Below the field, or beside the hundred field.
    if (m_art.feld == ss::Feld::Hundert)
        g.place(meldung, 710, 720, 280, 160);
    else
        g.place(meldung, 10, 780, 980, 120);
    meldung->hide();

    Button15->setCaption(QStringLiteral("los geht's!"));
    Button15->show();
    keypadAn(false);
    surface().clear();
    update();
    SetFocus(Button15);
}

void SsRunner::Button15Click()
{
    if (m_zustand == Zustand::Darbietung || m_zustand == Zustand::Fertig) return;
    aufgabenpunkte = zeitwahl;
    if (zaehler == 0) startzeit = clockx::now();
    haken(false);

    Button15->setCaption(QStringLiteral("weiter!"));
    setEingabe(QString());
    antwortbox();
    Button15->hide();
    keypadAn(true);
    SetFocus(Button13);

    zaehler = zaehler + 1;
    dauer = clockx::now();
    laufzeit = dauer - startzeit;
    clockx::decode(laufzeit, stunden, minuten, sekunden, millisek);

    // The time limit counts whole minutes of the run, hours included, so limits of 60 and more end it too.
    if (zaehler <= mindestaufgaben && ss::gesamtminuten(laufzeit) < mindestminuten && vorratsgroesse > 0) {
        ziehung();
        m_zustand = Zustand::Darbietung;
        stufe = 1;
        bildflag = 1;
        wischen();
        rasterZeichnen();
        punkteZeichnen(true);
        setEingabe(m_art.platzhalter ? QStringLiteral("?") : QString());
        antwortbox();
    } else {
        zaehler = zaehler - 1;
        ssprotokoll();
    }
}

void SsRunner::zifferClick(int ziffer)
{
    if (m_zustand != Zustand::Darbietung) return;
    if (ziffer == 0 && ss::nullAbgelehnt(m_art.feld, m_eingabe, m_gezeigt)) return;
    QString text = m_eingabe == QLatin1String("?") ? QString() : m_eingabe;
    if (text.size() < m_art.eingabelaenge) text += QString::number(ziffer);
    setEingabe(text);
    SetFocus(Button13);
    antwortbox();
}

void SsRunner::Button14Click()
{
    if (m_zustand != Zustand::Darbietung) return;
    if (m_eingabe.isEmpty() || m_eingabe == QLatin1String("?")) return;
    setEingabe(m_eingabe.left(m_eingabe.size() - 1));
    antwortbox();
}

void SsRunner::Button13Click()
{
    if (m_zustand != Zustand::Darbietung) return;
    if (m_eingabe.isEmpty() || m_eingabe == QLatin1String("?")) return;
    eingabezeit = clockx::now();
    darbietung->setEnabled(false);
    auswerten();
}

void SsRunner::abbruchClick()
{
    darbietung->setEnabled(false);
    if (m_zustand == Zustand::Fertig) {
        Close();
        return;
    }
    // An open task does not count.
    if (m_zustand == Zustand::Darbietung) zaehler = zaehler - 1;
    if (zaehler < 1) {
        Close();
        return;
    }
    ssprotokoll();
}

void SsRunner::formkeypress(QChar& key)
{
    // Keys count only while a picture is presented: no answers before a task, none after it is decided.
    if (m_zustand != Zustand::Darbietung) return;
    const char16_t u = key.unicode();
    if (m_art.platzhalter && m_eingabe == QLatin1String("?")) setEingabe(QString());
    if (u == 8) {
        if (!m_eingabe.isEmpty()) setEingabe(m_eingabe.left(m_eingabe.size() - 1));
        key = QChar();
    } else if (u == 13) {
        key = QChar();
        if (!m_eingabe.isEmpty()) {
            eingabezeit = clockx::now();
            darbietung->setEnabled(false);
            auswerten();
            return;
        }
    } else if (u >= '1' && u <= '9') {
        if (m_eingabe.size() < m_art.eingabelaenge) setEingabe(m_eingabe + key);
        key = QChar();
    } else if (u == '0') {
        if (!ss::nullAbgelehnt(m_art.feld, m_eingabe, m_gezeigt) && m_eingabe.size() < m_art.eingabelaenge)
            setEingabe(m_eingabe + key);
        key = QChar();
    }
    if (stufe <= zeitwahl) antwortbox();
}

void SsRunner::zeitablauf()
{
    if (m_zustand == Zustand::Darbietung && bildflag == 1 && stufe <= zeitwahl
        && clockx::now() > aufgabenstart + double(darbietungszeiten[stufe])) {
        bildflag = 0;
        verdecken();
    }
    if (rasterbleibt == 1) rasterZeichnen();
}

void SsRunner::zu()
{
    darbietung->setEnabled(false);
    mousetrap::release();
}

// ---- Routines ----

void SsRunner::ziehung()
{
    gesamtzeit = 0;
    nummer = Random(anzahl) + 1;
    const int n = zahlenbeutel[nummer];
    ziehzahlen[zaehler] = n;
    zahltexte[zaehler] = dreistellig(QString::number(n));
    const byte tausch = zahlenbeutel[nummer];
    zahlenbeutel[nummer] = zahlenbeutel[anzahl];
    zahlenbeutel[anzahl] = tausch;
    anzahl = anzahl - 1;
    if (anzahl == 0) anzahl = vorratsgroesse;
    m_gezeigt = n;
}

void SsRunner::auswerten()
{
    antwortzeit = eingabezeit - aufgabenstart;
    gesamtzeit = gesamtzeit + antwortzeit;
    hilfszahl = m_eingabe.toInt();
    zahltext = dreistellig(m_eingabe);
    antwortzeilen[zaehler] = antwortzeilen[zaehler] + ss::antwortspalte(m_art.feld, m_eingabe, antwortzeit);

    if (hilfszahl != m_gezeigt) {
        setEingabe(m_art.platzhalter ? QStringLiteral("?") : QString());
        bildflag = 1;
        aufgabenpunkte = aufgabenpunkte - 1;
        antwortbox();
        stufe = stufe + 1;
        wischen();
        rasterZeichnen();
        punkteZeichnen(stufe <= zeitwahl);
        if (stufe > zeitwahl) {
            // The times are used up: the right number and its picture stay.
            hilfszahl = m_gezeigt;
            setEingabe(QString::number(m_gezeigt));
            antwortbox();
            punkteZeichnen(false);
            aufgabeBeendet();
        }
        return;
    }

    punkte = punkte + aufgabenpunkte;
    antwortzeilen[zaehler]
        = ss::loesungsspalte(antwortzeilen[zaehler], protzeilen[6].length(), gesamtzeit, aufgabenpunkte);
    rasterZeichnen();
    punkteZeichnen(false);
    aufgabeBeendet();
    antwortbox();
    haken(true);
}

void SsRunner::aufgabeBeendet()
{
    m_zustand = Zustand::Beantwortet;
    bildflag = 0;
    darbietung->setEnabled(false);
    keypadAn(false);
    Button15->show();
    SetFocus(Button15);
}

void SsRunner::ssprotokoll()
{
    mousetrap::release();
    darbietung->setEnabled(false);
    endzeit = clockx::now();
    laufzeit = zaehler == 0 ? 0.0 : endzeit - startzeit;
    clockx::decode(laufzeit, stunden, minuten, sekunden, millisek);

    const int anzahlAufgaben = zaehler;
    QString fehler;
    const QString pfad = schueler::protokollanlegen(
        [&](const QString& datei) {
            const QStringList kopf = ss::kopfzeilen(m_art.feld, schuelername, schueler::ohneListe(), clockx::dateText(),
                datei, laufzeit, anzahlAufgaben, punkte, schalter1, schalter2, mindestminuten, mindestaufgaben);
            for (int i = 0; i < kopf.size(); ++i)
                pfadzeile::setzen(i, kopf[i], pfadzeile::kAnalysen);
            protzeilen[4] = "";
            protzeilen[7] = "";
            QStringList zeilen;
            for (int i = 0; i <= 7; ++i)
                zeilen << protzeilen[i].str();
            for (int k = 1; k <= anzahlAufgaben; ++k)
                zeilen << zahltexte[k] + QStringLiteral("   ") + antwortzeilen[k];
            return zeilen;
        },
        fehler);

    if (pfad.isEmpty()) {
        // Nothing was saved: say so here, and leave the closing to the teacher.
        m_zustand = Zustand::Fertig;
        keypadAn(false);
        Button15->hide();
        protokollmeldung::zeigen(meldung, fehler);
        SetFocus(abbruch);
        return;
    }
    m_geschrieben = true;
    m_zustand = Zustand::Fertig;
    programmcode = m_art.code;
    if (Form36) Form36->showModal();
    Close();
}

void SsRunner::setEingabe(const QString& text)
{
    m_eingabe = text;
    if (m_art.platzhalter)
        antwort = text;
    else
        eingabe = text;
}

void SsRunner::keypadAn(bool an)
{
    m_tastenfeld->knoepfeFreigeben(an);
}

// ---- Pictures ----

void SsRunner::rechteck(const ss::Rechteck& r)
{
    const DesignGrid g = raster();
    surface().canvas().rectangle(g.x(r.links), g.y(r.oben), g.x(r.rechts), g.y(r.unten));
}

void SsRunner::hintergrundStift()
{
    Canvas& c = surface().canvas();
    c.pen.width = 1;
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.brush.style = BrushStyle::Solid;
    if (schalter2 == 1) {
        c.pen.color = clGray;
        c.brush.color = clBlack;
    } else {
        c.pen.color = clWhite;
        c.brush.color = clSilver;
    }
}

void SsRunner::wischen()
{
    Canvas& c = surface().canvas();
    const DesignGrid g = raster();
    hintergrundStift();
    rechteck(m_art.feldflaeche);
    rasterZeichnen();
    c.pen.color = clGreen;
    c.pen.width = 1;
    for (const ss::Rechteck& d : m_art.diagonalen) {
        c.moveTo(g.x(d.links), g.y(d.oben));
        c.lineTo(g.x(d.rechts), g.y(d.unten));
    }
    for (int i = 1; i <= m_art.wischschritte; ++i) {
        if (schalter2 == 1) {
            c.pen.color = clBlack;
            c.brush.color = clBlack;
        } else {
            c.pen.color = clWhite;
            c.brush.color = clSilver;
        }
        rechteck(ss::wischrechteck(m_art.feld, i));
        pause(kWischpause);
    }
    rechteck(m_art.feldflaeche);
    update();
}

void SsRunner::rasterZeichnen()
{
    if (schalter1 != 1) return;
    Canvas& c = surface().canvas();
    const DesignGrid g = raster();
    c.pen.color = schalter2 == 1 ? clGray : clBlack;
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    for (const ss::Linie& l : ss::raster(m_art.feld)) {
        c.pen.width = l.breite;
        c.moveTo(g.x(l.x1), g.y(l.y1));
        c.lineTo(g.x(l.x2), g.y(l.y2));
    }
    c.pen.width = 1;
    update();
}

void SsRunner::punkteZeichnen(bool darbieten)
{
    Canvas& c = surface().canvas();
    const DesignGrid g = raster();
    aufgabenstart = clockx::now();
    c.pen.width = m_art.punktbreite;
    c.pen.style = PenStyle::Solid;
    c.brush.style = BrushStyle::Solid;
    for (const ss::Punkt& p : ss::punktbild(m_art.feld, m_gezeigt)) {
        c.pen.color = p.farbe;
        c.brush.color = p.farbe;
        c.ellipse(g.x(p.ort.links), g.y(p.ort.oben), g.x(p.ort.rechts), g.y(p.ort.unten));
    }
    c.pen.width = 1;
    update();
    if (darbieten) darbietung->setEnabled(true);
}

void SsRunner::verdecken()
{
    Canvas& c = surface().canvas();
    if (m_art.verdeckenMitHintergrund) {
        hintergrundStift();
    } else {
        c.pen.width = 1;
        c.brush.style = BrushStyle::Solid;
        c.pen.color = schalter2 == 1 ? clBlack : clSilver;
        c.brush.color = c.pen.color;
    }
    rechteck(m_art.verdeckflaeche);
    update();
}

void SsRunner::antwortbox()
{
    Canvas& c = surface().canvas();
    const DesignGrid g = raster();
    c.pen.color = clGreen;
    c.pen.width = 5;
    c.pen.style = PenStyle::Solid;
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    rechteck(m_art.antwortbox);
    c.pen.width = 1;
    c.font.name = QStringLiteral("arial");
    c.font.setSize(Round(80 * double(skala_y)));
    c.font.color = clBlue;
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.textOut(g.x(m_art.textX), g.y(m_art.textY), m_eingabe);
    update();
}

void SsRunner::haken(bool zeigen)
{
    Canvas& c = surface().canvas();
    const DesignGrid g = raster();
    // Erased in the window's own colour, so that no trace stays on either window colour.
    c.pen.color = zeigen ? clRed : color();
    c.pen.width = 4;
    c.pen.style = PenStyle::Solid;
    QVector<QPoint> linie;
    for (const QPoint& p : m_art.haken)
        linie.append(QPoint(g.x(p.x()), g.y(p.y())));
    c.polyline(linie);
    c.pen.width = 1;
    update();
}
