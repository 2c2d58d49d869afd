#include "aids/h_pm100.h"

#include "aids/h_haupt.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/paintbox.h"
#include "shell/fenster.h"

using namespace pm100;

TForm77::TForm77(QWidget* parent)
    : Hilfenfenster(parent)
{
    setObjectName(QStringLiteral("Form77"));
    setCaption(QStringLiteral("+/- im Raum 100"));

    vorgaben.nocheineCaption = QStringLiteral("noch eine &Aufgabe?");
    vorgaben.nocheinePlatz = { 765, 725, 200, 45 };
    vorgaben.nocheineSchrifthoehe = 28;
    vorgaben.endePlatz = { 765, 950, 200, 30 };
    vorgaben.zeitagPlatz = { 765, 810, 200, 100 };
    // The bars are painted with the task picture, not by the per-task reset.
    vorgaben.balkenBeiNeuerAufgabe = false;
    // Used-up help still books the right digits typed, and shows the bars.
    vorgaben.hilfeBuchtRichtig = true;
    vorgaben.balkenNachHilfe = true;
    vorgaben.eingabegrenze = 2;
    vorgaben.pausenlaenge = 1.5e-07;
    eingabe = Eingabetext(antwort);

    feldbox = new PaintBox(this);
    feldbox->setObjectName(QStringLiteral("feldbox"));
    place(feldbox, 10, 10, 980, 700);

    Tastenfeld& t = tastenfeldAnlegen(Tastenfeld::Hilfetaste);
    rechner = t.Rechner;
    rechner->setObjectName(QStringLiteral("rechner"));
    t.anordnung.rechner = { 590, 725, 138, 264 };
    const int spalten[3] = { 10, 50, 90 };
    const int zeilen[3] = { 15, 73, 134 }; // 7 8 9 / 4 5 6 / 1 2 3
    for (int d = 1; d <= 9; ++d)
        t.anordnung.ziffern[d] = { spalten[(d - 1) % 3], zeilen[(9 - d) / 3], 35, 50, 30 };
    t.anordnung.ziffern[0] = { 50, 195, 35, 50, 30 };
    t.anordnung.hilfe = { 90, 195, 35, 50, 15 };
    Hilfeknopf = t.Hilfebutton;
    Hilfeknopf->setObjectName(QStringLiteral("Hilfeknopf"));
    applyFontSize(Hilfeknopf, QStringLiteral("MS Sans Serif"), 15, FontStyle::Bold);
    for (int d = 0; d <= 9; ++d)
        t.ziffer(d)->setObjectName((d == 2 || d == 7 ? QStringLiteral("button%1") : QStringLiteral("Button%1")).arg(d));

    rahmenknoepfeBenennen(weiterbutton, Endebutton);

    rechenbox = new PaintBox(this);
    rechenbox->setObjectName(QStringLiteral("rechenbox"));
    place(rechenbox, 480, 160, 510, 400);

    // Only the digits come through the form; Enter and Esc reach the next-task and the end button as the
    // window's Default and Cancel buttons.
    OnKeyPress = [this](QChar& taste) { raum100key(taste); };
}

// ---- Handlers ----

void TForm77::anordnen(const DesignGrid& g)
{
    Hilfenfenster::anordnen(g);
    g.fontHeight(Endebutton, 20);
    g.place(feldbox, 10, 10, 980, 700);
    if (amStrahl())
        g.place(rechenbox, 260, 290, 510, 400);
    else
        g.place(rechenbox, 480, 160, 510, 400);
}

void TForm77::laufBeginnen()
{
    // The first task of a run may have any tens digit.
    vorindex = 0;
}

void TForm77::raum100key(QChar& taste)
{
    if (!KeyPreview) return;
    if (taste >= QLatin1Char('0') && taste <= QLatin1Char('9'))
        tastenfeld->ziffer(taste.unicode() - '0')->clickIfVisibleAndEnabled();
}

bool TForm77::nullAblehnen() const
{
    // No answer begins with 0.
    return antwort.isEmpty();
}

void TForm77::aufgabeStellen()
{
    wahl6 = 1;
    aufgabenbild();
}

void TForm77::eingabeGeaendert()
{
    zifferpruefen();
}

void TForm77::hilfeschritt()
{
    hilfezeichnen();
}

bool TForm77::hilfeAufgebraucht() const
{
    return hilfestufe >= wieoft;
}

hilfenrahmen::Protokollangaben TForm77::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.titel = protokolltitel(art());
    a.zeile4 = hilfezeile(art(), amStrahl());
    a.zeile5 = formzeile(art(), stufe());
    a.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfetasten;
    a.zeile11 = hilfenrahmen::hilfetastezeile(hilfetasten);
    return a;
}

void TForm77::nachDemEnde()
{
    // Back in the hub the pupil finds the level panel of this choice and Start ready for the next run.
    if (TForm63* hub = hilfenhub()) hub->pm100PanelZeigen(programmcode);
}

// ---- Routines ----

int TForm77::art() const
{
    return artAusCode(programmcode);
}

int TForm77::stufe() const
{
    return stufeAusWahl(art(), pm100wahl[art() - kErsteArt]);
}

void TForm77::aufgabenwahl()
{
    int vi = vorindex;
    m_aufgabe = pm100::aufgabenwahl(art(), stufe(), vi);
    vorindex = shortint(vi);
    zehner1 = m_aufgabe.zehner1;
    einer1 = m_aufgabe.einer1;
    zehner2 = m_aufgabe.zehner2;
    einer2 = m_aufgabe.einer2;
    zielzahl = m_aufgabe.zielzahl;
    hunderter1 = m_aufgabe.hunderter1;
    hunderter2 = m_aufgabe.hunderter2;
    hunderter3 = m_aufgabe.hunderter3;
    sollwert = m_aufgabe.sollwert;
    wieoft = m_aufgabe.wieoft;
}

void TForm77::aufgabenbild()
{
    aufgabenwahl();
    const Massstab m = massstab();
    hinweisZeichnen(canvas(), m_aufgabe, m);
    if (hilfenrahmen::limitsAktiv(mindestminuten, mindestaufgaben)) {
        zeitbalken();
        // The bars may have ended the run.
        if (!isVisible()) return;
    }
    if (amStrahl())
        hunderterstrahl(feldbox->canvas(), m);
    else
        zahlenfeld(feldbox->canvas(), m);
    zeichen = QString(m_aufgabe.zeichen);
    tauschtext = m_aufgabe.text;
    karopapierZeichnen(rechenbox->canvas(), m_aufgabe, m);
}

void TForm77::zifferpruefen()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    const QString soll = m_aufgabe.solltext();
    if (zifferRichtig(antwort, wahl6, sollwert)) {
        zifferZeichnen(rechenbox->canvas(), m_aufgabe, wahl6, antwort[wahl6 - 1], massstab());
        wahl6 = byte(wahl6 + 1);
        aufgabennoetig = aufgabennoetig + 1;
    } else {
        // A wrong digit is never shown: it goes at once and brings the next help step.
        antwort = antwort.str().left(wahl6 - 1);
        hilfestufe = shortint(hilfestufe + 1);
        hilfezeichnen();
    }
    if (hilfestufe < wieoft && antwort != soll) return;

    aufgabeAbschliessen(true, true);
    SetFocus(weiterbutton);
    if (aufgabennoetig == soll.size()) {
        haekchenZeichnen(rechenbox->canvas(), m_aufgabe, massstab());
        // A solved task shows every help step but the last, which would only repeat the answer.
        while (hilfestufe < wieoft - 1) {
            hilfestufe = shortint(hilfestufe + 1);
            hilfezeichnen();
        }
    }
}

void TForm77::hilfezeichnen()
{
    const Massstab m = massstab();
    schritteSchreiben(rechenbox->canvas(), schreibschritt(m_aufgabe, hilfestufe, wahl6), m);
    const Bild bild = amStrahl() ? strahlschritt(m_aufgabe, hilfestufe) : feldschritt(m_aufgabe, hilfestufe);
    bildZeichnen(feldbox->canvas(), bild, m, [this] { warteschleife(); });
}
