#include "aids/h_sv1.h"

#include "platform/controls.h"
#include "platform/designgrid.h"
#include "shell/HalmorGlobalDefs.h"

using namespace sv1;

namespace {

const QChar kUe { u'ü' };
const QRect kTauschPlatz { 765, 720, 200, 45 };

} // namespace

TForm79::TForm79(QWidget* parent)
    : Schriftfenster(parent)
{
    setObjectName(QStringLiteral("Form79"));
    setCaption(QStringLiteral("SV 1"));

    Button10 = new Button(rechner, QStringLiteral("&Ü 1"), 9, 251, 55, 70);
    Button10->setObjectName(QStringLiteral("Button10"));
    applyFontSize(Button10, QStringLiteral("Arial"), 20);
    setHint(Button10, QStringLiteral("Übertrag 1     Ü   drücken"));
    setHandCursor(Button10);
    // A key of the keypad, though this window adds it: a click takes no focus, and Space never presses it.
    setKeypadKey(Button10);
    Button10->OnClick = [this] { Button10Click(); };

    tauschbutton = new Button(this, QStringLiteral("&tauschen"), kTauschPlatz.x(), kTauschPlatz.y(),
        kTauschPlatz.width(), kTauschPlatz.height());
    tauschbutton->setObjectName(QStringLiteral("tauschbutton"));
    applyFont(tauschbutton, QStringLiteral("Arial"), 28);
    tauschbutton->hide();
    // It is usable only between the help that asks for an exchange and the exchange: Enter presses it then, also
    // after a digit clicked on the keypad has taken the keyboard back to the window.
    tauschbutton->Default = true;
    tauschbutton->OnClick = [this] { tauschbuttonClick(); };
}

// ---- Handlers ----

void TForm79::Button10Click()
{
    zeichenEingeben(kUe);
}

bool TForm79::sondertaste(QChar taste)
{
    // "Ü" and "ü" are the carry key; in code 84 it is hidden, but the key still reaches the check, which
    // tells the pupil there is no carry to type.
    if (taste != QChar(u'Ü') && taste != kUe) return false;
    Button10->Click();
    return true;
}

void TForm79::tauschbuttonClick()
{
    markierungWeg();
    meldungLoeschen();
    const Tauschknopf t = tauschen(m_aufgabe.z, m_tauschstand, m_schritte.schrittzeiger);
    meldungZeichnen(t.meldung);
    feldZeichnen(t.feld);
    Hilfebutton->setEnabled(true);
    tauschbutton->setEnabled(false);
    // The focus leaves the disabled button for no other button: Enter and Space stay without effect.
    setFocus(Qt::OtherFocusReason);
}

// ---- Routines ----

void TForm79::anordnen(const DesignGrid& g)
{
    Schriftfenster::anordnen(g);
    g.place(Button10, 9, 251, 55, 70);
    g.fontSize(Button10, 20);
    g.place(tauschbutton, kTauschPlatz.x(), kTauschPlatz.y(), kTauschPlatz.width(), kTauschPlatz.height());
    g.fontHeight(tauschbutton, 28);
}

void TForm79::aufgabeVorbereiten()
{
    m_tauschstand = 0;
    zwbyte3 = 0;
    const bool tauschen = programmcode == 84;
    tauschbutton->setVisible(tauschen);
    tauschbutton->setEnabled(false);
    Button10->setVisible(!tauschen);
}

void TForm79::aufgabeErzeugen()
{
    const int generator = generatorVonStufe(wahl7);
    // A level the hub does not offer makes no new digits; the task is shown from the last ones.
    const Ziffern z = generator >= 0 ? stellenwurf(generator, programmcode) : m_aufgabe.z;
    m_aufgabe = aufgabeBilden(programmcode, z);
    m_schritte.beginnen(m_aufgabe.wahltext, true);
}

void TForm79::aufgabeZeichnen()
{
    feldZeichnen(aufgabenbild(m_aufgabe, m_schritte.schrittzeiger));
}

void TForm79::vorDerPruefung()
{
    markierungWeg();
}

void TForm79::vorDemEintrag(QChar)
{
    if (m_aufgabe.code == 84) feldZeichnen(tauschVorEintrag(m_aufgabe.z, m_tauschstand, m_schritte.schrittzeiger));
}

void TForm79::eintragZeichnen(int schritt, QChar zeichen)
{
    feldZeichnen(eintrag(m_aufgabe, schritt, zeichen));
}

void TForm79::nachDemEintrag(QChar zeichen)
{
    tauschbutton->setEnabled(false);
    // "Ü 1" holds the focus for the carry step only: a later Enter would type a carry where there is none.
    if (zeichen == kUe && focusWidget() == Button10) setFocus(Qt::OtherFocusReason);
    // A column without carry has a blank in place of its carry, and code 84 types no carries at all.
    if (!m_schritte.geloest() && (m_schritte.erwartet() == u' ' || m_aufgabe.code == 84)) m_schritte.weiter();
}

void TForm79::falschesZeichen(QChar zeichen)
{
    const Meldung m = sv1::meldung(zeichen, m_schritte.schrittzeiger, m_schritte.wahltext, zwtext2);
    meldungZeichnen(meldungsbild(m.text));
    Hilfebutton->setEnabled(true);
    if (m.button10Fokus) SetFocus(Button10);
}

void TForm79::nachDerPruefung()
{
    feldZeichnen(lueckenmarke(m_aufgabe, m_schritte.schrittzeiger));
}

void TForm79::hilfeZeigen()
{
    const int schritt = m_schritte.schrittzeiger;
    const Hilfe h = hilfe(m_aufgabe, schritt);
    if (h.spalteMarkieren) {
        m_markierteSpalte = spalteVonSchritt(schritt);
        feldZeichnen(spaltenrahmen(m_markierteSpalte));
        zwbyte3 = 1;
    }
    if (ziffernschritt(schritt)) zwbyte4 = h.zwbyte4;
    meldungZeichnen(h.meldung);
    if (h.zeigenFrei) zeigebutton->setEnabled(true);
    if (h.tauschenFrei) {
        tauschbutton->setEnabled(true);
        SetFocus(tauschbutton);
    }
    if (h.button10Fokus) SetFocus(Button10);
}

void TForm79::ergebnisZeigen()
{
    meldungZeichnen(zeigen(m_aufgabe, m_schritte.schrittzeiger, zwbyte4));
    zeigebutton->setEnabled(false);
}

void TForm79::nachDemLoesen()
{
    tauschbutton->hide();
}

bool TForm79::zeigenEntfaellt() const
{
    return programmcode == 81;
}

void TForm79::markierungWeg()
{
    if (zwbyte3 == 1) feldZeichnen(spaltenrahmen(m_markierteSpalte));
    zwbyte3 = 0;
}
