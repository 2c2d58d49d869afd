#include "aids/schriftrahmen.h"

#include "aids/h_haupt.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/paintbox.h"
#include "platform/random.h"
#include "shell/fenster.h"

namespace {

// The keypad of the written methods: big digits 7 8 9 / 4 5 6 / 1 2 3 and 0, nothing else.
Tastenfeld::Anordnung ziffernblock()
{
    Tastenfeld::Anordnung a;
    a.rechner = { 765, 300, 200, 335 };
    const int spalten[3] = { 9, 73, 136 };
    const int zeilen[3] = { 18, 95, 174 };
    for (int d = 1; d <= 9; ++d)
        a.ziffern[d] = { spalten[(d - 1) % 3], zeilen[(9 - d) / 3], 55, 70, 30 };
    a.ziffern[0] = { 73, 251, 55, 70, 30 };
    a.schrift = QStringLiteral("Arial");
    return a;
}

const QRect kZeigePlatz { 765, 130, 200, 45 };
const QRect kHilfePlatz { 765, 200, 200, 45 };

} // namespace

Schriftfenster::Schriftfenster(QWidget* parent)
    : Hilfenfenster(parent)
{
    // The set-up runs when the hub shows the window, not again when the protocol dialog closes.
    ActivateOnReturn = false;

    vorgaben.nocheineCaption = QStringLiteral("noch eine &Aufgabe?");
    vorgaben.nocheinePlatz = { 765, 720, 200, 45 };
    vorgaben.nocheineSchrifthoehe = 28;
    vorgaben.endePlatz = { 765, 950, 200, 30 };
    vorgaben.zeitagPlatz = { 765, 810, 200, 100 };
    // The working time is that of the last solved task.
    vorgaben.endzeitNehmen = false;

    feldbox = new PaintBox(this);
    feldbox->setObjectName(QStringLiteral("feldbox"));
    meldebox = new PaintBox(this);
    meldebox->setObjectName(QStringLiteral("meldebox"));
    // The boxes reach under the buttons on the right; a paint box lies below every button.
    feldbox->lower();
    meldebox->lower();

    tastenfeld = std::make_unique<Tastenfeld>(this, 0u, ziffernblock());
    rechner = tastenfeld->Rechner;
    rechner->setObjectName(QStringLiteral("rechner"));
    for (int d = 0; d <= 9; ++d) {
        Button* b = tastenfeld->ziffer(d);
        b->setObjectName((d == 2 || d == 7 ? QStringLiteral("button%1") : QStringLiteral("Button%1")).arg(d));
        setHandCursor(b);
        b->OnClick = [this, d] { zeichenEingeben(QChar(u'0' + d)); };
    }

    zeigebutton = new Button(this, QStringLiteral("Ergebnis &zeigen"), kZeigePlatz.x(), kZeigePlatz.y(),
        kZeigePlatz.width(), kZeigePlatz.height());
    zeigebutton->setObjectName(QStringLiteral("zeigebutton"));
    applyFont(zeigebutton, QStringLiteral("Arial"), 28);
    zeigebutton->OnClick = [this] { zeigebuttonClick(); };

    Hilfebutton = new Button(
        this, QStringLiteral("&Hilfe"), kHilfePlatz.x(), kHilfePlatz.y(), kHilfePlatz.width(), kHilfePlatz.height());
    Hilfebutton->setObjectName(QStringLiteral("Hilfebutton"));
    applyFont(Hilfebutton, QStringLiteral("Arial"), 28);
    hilfebuttonSetzen(Hilfebutton);

    weiterbutton = nocheinebutton;
    weiterbutton->setObjectName(QStringLiteral("weiterbutton"));
    weiterbutton->setCaption(vorgaben.nocheineCaption);
    applyFont(weiterbutton, QStringLiteral("Arial"), 28);
    Endebutton = endebutton;
    Endebutton->setObjectName(QStringLiteral("Endebutton"));
    applyFont(Endebutton, QStringLiteral("Arial"), 20);
    setTabStop(Endebutton, false);
    zeitagbox->setObjectName(QStringLiteral("zeitagbox"));
}

// ---- Handlers ----

void Schriftfenster::zeichenEingeben(QChar zeichen)
{
    // Only while a task runs: a solved task takes no more characters, whichever way they come.
    if (m_schritte.geloest()) return;
    meldungLoeschen();
    vorDerPruefung();
    aufgabeneingaben = aufgabeneingaben + 1;
    if (zeichen == m_schritte.erwartet()) {
        vorDemEintrag(zeichen);
        eintragZeichnen(m_schritte.schrittzeiger, zeichen);
        aufgabennoetig = aufgabennoetig + 1;
        m_schritte.weiter();
        zwtext2 = zeichen;
        Hilfebutton->setEnabled(true);
        zeigebutton->setEnabled(false);
        nachDemEintrag(zeichen);
    } else {
        falschesZeichen(zeichen);
    }
    nachDerPruefung();
    if (m_schritte.geloest()) loesen();
}

void Schriftfenster::zeigebuttonClick()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    zeigetasten = zeigetasten + 1;
    ergebnisZeigen();
}

void Schriftfenster::hilfetaste()
{
    Hilfebutton->setEnabled(false);
    aufgabeneingaben = aufgabeneingaben + 1;
    hilfetasten = hilfetasten + 1;
    meldungLoeschen();
    hilfeZeigen();
}

// ---- Routines ----

void Schriftfenster::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.fontHeight(weiterbutton, vorgaben.nocheineSchrifthoehe);
    g.fontHeight(Endebutton, 20);
    const QRect& f = schriftvorgaben.feldPlatz;
    g.place(feldbox, f.x(), f.y(), f.width(), f.height());
    const QRect& m = schriftvorgaben.meldePlatz;
    g.place(meldebox, m.x(), m.y(), m.width(), m.height());
    g.place(zeigebutton, kZeigePlatz.x(), kZeigePlatz.y(), kZeigePlatz.width(), kZeigePlatz.height());
    g.fontHeight(zeigebutton, 28);
    g.place(Hilfebutton, kHilfePlatz.x(), kHilfePlatz.y(), kHilfePlatz.width(), kHilfePlatz.height());
    g.fontHeight(Hilfebutton, 28);
}

void Schriftfenster::neueaufgabe()
{
    Randomize();
    zwtext2 = QChar();
    m_schritte = schrift::Schrittfolge();
    Hilfenfenster::neueaufgabe();
}

void Schriftfenster::eingabenFreigeben()
{
    Hilfenfenster::eingabenFreigeben();
    zeigebutton->setEnabled(false);
    aufgabeVorbereiten();
}

void Schriftfenster::aufgabeStellen()
{
    meldungLoeschen();
    feldZeichnen(papier());
    aufgabeErzeugen();
    aufgabeZeichnen();
    // No button holds the focus while the pupil types: Enter and the space bar then press nothing (on the
    // end button they would end the run); Esc still reaches it.
    setFocus(Qt::OtherFocusReason);
}

void Schriftfenster::loesen()
{
    geloestZeichnen();
    nachDemLoesen();
    aufgabeAbschliessen(true, true);
    // The bars may have ended the run.
    if (isVisible()) SetFocus(weiterbutton);
}

void Schriftfenster::geloestZeichnen()
{
    feldZeichnen(schrift::haken());
}

hilfenrahmen::Protokollangaben Schriftfenster::protokollangaben() const
{
    return schrift::protokollangaben(programmcode, stufentext, hilfetasten, zeigetasten, zeigenEntfaellt());
}

void Schriftfenster::nachDemEnde()
{
    if (TForm63* hub = hilfenhub()) hubZurueck(*hub);
}

void Schriftfenster::hubZurueck(TForm63& hub)
{
    hub.stufengruppeZeigen(programmcode);
}

void Schriftfenster::feldZeichnen(const schrift::Bild& bild)
{
    schrift::zeichnen(feldbox->canvas(), bild, skala_x, skala_y);
}

void Schriftfenster::meldungZeichnen(const schrift::Bild& bild)
{
    schrift::zeichnen(meldebox->canvas(), bild, skala_x, skala_y);
    m_meldung << bild;
}

void Schriftfenster::meldungLoeschen()
{
    m_meldung = schrift::Bild();
    const Schriftvorgaben& v = schriftvorgaben;
    schrift::Bild rahmen;
    rahmen << schrift::Rechteck { v.meldeLinks, v.meldeOben, v.meldeRechts, v.meldeUnten, clGreen, v.meldeStift,
        clWhite };
    schrift::zeichnen(meldebox->canvas(), rahmen, skala_x, skala_y);
}
