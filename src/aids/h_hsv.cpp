#include "aids/h_hsv.h"

#include "aids/h_haupt.h"
#include "platform/controls.h"
#include "platform/paintbox.h"
#include "shell/HalmorGlobalDefs.h"

#include <algorithm>

using namespace hsv;

namespace {

// The small keypad below the sheet: 7 8 9 / 4 5 6 / 1 2 3 and 0, nothing else.
void kleinerZiffernblock(Tastenfeld::Anordnung& a)
{
    a.rechner = { 590, 725, 138, 264 };
    const int spalten[3] = { 10, 50, 90 };
    const int zeilen[3] = { 15, 73, 134 };
    for (int d = 1; d <= 9; ++d)
        a.ziffern[d] = { spalten[(d - 1) % 3], zeilen[(9 - d) / 3], 35, 50, 30 };
    a.ziffern[0] = { 50, 195, 35, 50, 30 };
}

// The copy arrow's flash, in days (about 0.43 s).
constexpr double kPfeilpause = 5e-6;

} // namespace

TForm78::TForm78(QWidget* parent)
    : Schriftfenster(parent)
{
    setObjectName(QStringLiteral("Form78"));
    setCaption(QStringLiteral("halbschriftlich"));
    schriftvorgaben.feldPlatz = { 10, 10, 790, 700 };
    // Wide enough for "erst die Zehner," in the messages' font; the frame ends where the buttons below it end
    // and takes the room it needs from the free strip beside the sheet.
    schriftvorgaben.meldePlatz = { 746, 12, 222, 690 };
    schriftvorgaben.meldeLinks = 2;
    schriftvorgaben.meldeOben = 17;
    schriftvorgaben.meldeRechts = 217;
    schriftvorgaben.meldeUnten = 678;
    schriftvorgaben.abwaerts = false;
    vorgaben.nocheinePlatz = { 765, 725, 200, 45 };
    kleinerZiffernblock(tastenfeld->anordnung);

    // This aid has neither help nor show button: its help comes with the wrong digits.
    hilfebuttonSetzen(nullptr);
    Hilfebutton->hide();
    zeigebutton->hide();
}

// ---- Handlers ----

void TForm78::zeichenEingeben(QChar zeichen)
{
    if (m_vorbei) return;
    if (langerWeg()) {
        Schriftfenster::zeichenEingeben(zeichen);
        if (m_schritte.geloest()) m_vorbei = true;
    } else {
        schnellPruefen(zeichen);
    }
}

// ---- Routines ----

void TForm78::laufBeginnen()
{
    m_vorindex = 0;
}

void TForm78::aufgabeVorbereiten()
{
    m_hilfestufe = 0;
    m_eingabe.clear();
    m_vorbei = false;
    m_pfeile = 0;
    Hilfebutton->hide();
    zeigebutton->hide();
}

void TForm78::aufgabeErzeugen()
{
    m_aufgabe = wuerfeln(programmcode, wahl5, wahl1, wahl6, m_vorindex);
    m_vorindex = m_aufgabe.einer1;
    m_schritte.beginnen(langerWeg() ? m_aufgabe.wahltext : QString::number(m_aufgabe.sollwert), false);
}

schrift::Bild TForm78::papier() const
{
    return hsv::papier();
}

void TForm78::aufgabeZeichnen()
{
    feldZeichnen(aufgabenbild(m_aufgabe, langerWeg()));
    feldZeichnen(langerWeg() ? schrittrahmen(m_aufgabe, 1) : antwortrahmen(m_aufgabe));
    schrift::zeichnen(canvas(), anleitung(m_aufgabe, langerWeg()), skala_x, skala_y);
}

void TForm78::vorDerPruefung()
{
    rahmenZeichnen();
    if (markeNoetig(m_aufgabe) && m_schritte.schrittzeiger == 1) {
        m_schritte.wahltext.prepend(kMarke);
        m_schritte.schrittzeiger = 2;
    }
}

void TForm78::eintragZeichnen(int schritt, QChar zeichen)
{
    feldZeichnen(ziffer(m_aufgabe, schritt, zeichen));
}

void TForm78::falschesZeichen(QChar zeichen)
{
    const int schritt = m_schritte.schrittzeiger;
    const Hinweis h = hinweis(m_aufgabe, m_schritte.wahltext, schritt, zeichen);
    if (h == Hinweis::pfeil) {
        // Drawn twice in not-XOR, the arrow leaves the sheet as it was.
        feldZeichnen(kopierpfeil());
        warteschleife(kPfeilpause);
        feldZeichnen(kopierpfeil());
        ++m_pfeile;
    } else {
        meldungZeichnen(hsv::meldung(m_aufgabe, h, schritt));
    }
}

void TForm78::nachDerPruefung()
{
    rahmenZeichnen();
}

void TForm78::rahmenZeichnen()
{
    // After the last digit the frame stays on the answer.
    const int letzter = int(m_schritte.wahltext.size());
    feldZeichnen(schrittrahmen(m_aufgabe, std::min(m_schritte.schrittzeiger, letzter)));
}

void TForm78::schnellPruefen(QChar zeichen)
{
    // A leading zero is neither counted nor compared.
    if (zeichen == u'0' && m_eingabe.isEmpty()) return;
    if (m_eingabe.size() < 3) m_eingabe += zeichen;
    aufgabeneingaben = aufgabeneingaben + 1;
    meldungLoeschen();
    const int s = m_schritte.schrittzeiger;
    const QChar getippt = s <= m_eingabe.size() ? m_eingabe.at(s - 1) : QChar();
    if (!m_schritte.geloest() && getippt == m_aufgabe.zwtext4.at(s - 1)) {
        feldZeichnen(antwortziffer(m_aufgabe, s, getippt));
        m_schritte.weiter();
        aufgabennoetig = aufgabennoetig + 1;
    } else {
        if (zehnerZuerst(m_aufgabe, s, getippt)) {
            meldungZeichnen(zehnerZuerstSchnell());
        } else {
            ++m_hilfestufe;
            feldZeichnen(hsv::bild(m_aufgabe, hsv::hilfeschritt(m_aufgabe, m_hilfestufe, s)));
        }
        m_eingabe = m_eingabe.left(s - 1);
    }
    if (m_eingabe == QString::number(m_aufgabe.sollwert) || m_hilfestufe >= 5) {
        m_vorbei = true;
        loesen();
    }
}

void TForm78::geloestZeichnen()
{
    if (langerWeg())
        feldZeichnen(haken(m_aufgabe));
    else if (aufgabennoetig == m_aufgabe.antwortstellen())
        feldZeichnen(hsv::langerWeg(m_aufgabe));
}

hilfenrahmen::Protokollangaben TForm78::protokollangaben() const
{
    hilfenrahmen::Protokollangaben a;
    a.titel = programmtext(wahl7);
    a.zeile4 = QStringLiteral("Rechenart:             ") + rechenart(programmcode, wahl1);
    a.zeile5 = QStringLiteral("Schwierigkeitsgrad:    ") + schwierigkeit(programmcode, wahl5, wahl6);
    a.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneAbzug;
    return a;
}

void TForm78::hubZurueck(TForm63& hub)
{
    hub.hsvPanelZeigen(programmcode);
}
