#include "aids/hilfenrahmen.h"

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/mousetrap.h"
#include "platform/paintbox.h"
#include "platform/pause.h"
#include "shell/SBEx.h"
#include "shell/fenster.h"

using namespace hilfenrahmen;

Hilfenfenster::Hilfenfenster(QWidget* parent)
    : Form(parent)
{
    setMaximized(true);
    ActivityWindow = true;
    const Vorgaben& v = vorgaben;
    nocheinebutton = new Button(this, v.nocheineCaption, v.nocheinePlatz.x(), v.nocheinePlatz.y(),
        v.nocheinePlatz.width(), v.nocheinePlatz.height());
    nocheinebutton->Default = true;
    applyFont(nocheinebutton, QStringLiteral("MS Sans Serif"), v.nocheineSchrifthoehe);
    nocheinebutton->OnClick = [this] { nocheineaufgabe(); };

    zeitagbox = new PaintBox(this);
    place(zeitagbox, v.zeitagPlatz.x(), v.zeitagPlatz.y(), v.zeitagPlatz.width(), v.zeitagPlatz.height());

    endebutton = new Button(this, QStringLiteral("Programm abbrechen"), v.endePlatz.x(), v.endePlatz.y(),
        v.endePlatz.width(), v.endePlatz.height());
    endebutton->Cancel = true;
    applyFontSize(endebutton, QStringLiteral("MS Sans Serif"), v.endeSchriftgroesse);
    endebutton->OnClick = [this] { protokollende(); };

    OnActivate = [this] { aktivieren(); };
    OnClose = [this] { zu(); };
    OnKeyPress = [this](QChar& taste) { tastenweiche(taste); };
    mousetrap::releaseOnHide(this);
}

Hilfenfenster::~Hilfenfenster() = default;

Tastenfeld& Hilfenfenster::tastenfeldAnlegen(unsigned teile, const Tastenfeld::Anordnung& anordnung)
{
    tastenfeld = std::make_unique<Tastenfeld>(this, teile, anordnung);
    for (int d = 0; d <= 9; ++d)
        tastenfeld->ziffer(d)->OnClick = [this, d] { ziffertaste(d); };
    if (tastenfeld->Button13) tastenfeld->Button13->OnClick = [this] { eingabetaste(); };
    if (tastenfeld->Button14) tastenfeld->Button14->OnClick = [this] { loeschtaste(); };
    if (tastenfeld->Hilfebutton) hilfebuttonSetzen(tastenfeld->Hilfebutton);
    return *tastenfeld;
}

void Hilfenfenster::hilfebuttonSetzen(Button* button)
{
    m_hilfebutton = button;
    if (button) button->OnClick = [this] { hilfetaste(); };
}

void Hilfenfenster::rahmenknoepfeBenennen(Button*& weiter, Button*& ende)
{
    weiter = nocheinebutton;
    weiter->setObjectName(QStringLiteral("weiterbutton"));
    weiter->setCaption(vorgaben.nocheineCaption);
    zeitagbox->setObjectName(QStringLiteral("zeitagbox"));
    ende = endebutton;
    ende->setObjectName(QStringLiteral("Endebutton"));
}

void Hilfenfenster::anordnen(const DesignGrid& g)
{
    const Vorgaben& v = vorgaben;
    g.place(
        nocheinebutton, v.nocheinePlatz.x(), v.nocheinePlatz.y(), v.nocheinePlatz.width(), v.nocheinePlatz.height());
    g.fontHeight(nocheinebutton, v.nocheineSchrifthoehe);
    g.place(endebutton, v.endePlatz.x(), v.endePlatz.y(), v.endePlatz.width(), v.endePlatz.height());
    g.fontSize(endebutton, v.endeSchriftgroesse);
    g.place(zeitagbox, v.zeitagPlatz.x(), v.zeitagPlatz.y(), v.zeitagPlatz.width(), v.zeitagPlatz.height());
    if (tastenfeld) tastenfeld->anordnen(g);
}

void Hilfenfenster::aktivieren()
{
    if (const auto bereich = mausbereichDesign()) mausfalle(*bereich);
    anordnen(raster());
    hilfenrahmen::laufBeginnen();
    laufBeginnen();
    nocheinebutton->setCaption(vorgaben.nocheineCaption);
    neueaufgabe();
}

void Hilfenfenster::neueaufgabe()
{
    aufgabeBeginnen();
    eingabe.setzen(QString());
    nocheinebutton->hide();
    eingabenFreigeben();
    if (vorgaben.keyPreview) KeyPreview = true;
    if (vorgaben.balkenBeiNeuerAufgabe) {
        zeitbalken();
        // The bars may have ended the run.
        if (!isVisible()) return;
    }
    aufgabeStellen();
}

void Hilfenfenster::nocheineaufgabe()
{
    neueaufgabe();
}

void Hilfenfenster::eingabenFreigeben()
{
    if (tastenfeld) {
        tastenfeld->Rechner->show();
        tastenfeld->Rechner->setEnabled(true);
    }
    if (m_hilfebutton) {
        m_hilfebutton->show();
        m_hilfebutton->setEnabled(true);
    }
}

void Hilfenfenster::eingabenSperren()
{
    if (tastenfeld) tastenfeld->Rechner->setEnabled(false);
    if (m_hilfebutton) m_hilfebutton->setEnabled(false);
}

void Hilfenfenster::aufgabeAbschliessen(bool richtigBuchen, bool balken)
{
    aufgabeGezaehlt(richtigBuchen);
    eingabenSperren();
    if (vorgaben.keyPreview) KeyPreview = false;
    nocheinebutton->show();
    // The keys just locked may have held the focus; Enter must give the next task, never reach the end button.
    SetFocus(nocheinebutton);
    if (balken) zeitbalken();
}

void Hilfenfenster::zeitbalken()
{
    if (!limitsAktiv(mindestminuten, mindestaufgaben)) return;
    balkenZeichnen(zeitagbox->canvas(), balkengeometrie(minuten, sekunden, anzahl, mindestminuten, mindestaufgaben),
        skala_x, skala_y);
    if (automatischesEndeErlaubt() && automatischesEnde(minuten, anzahl, mindestminuten, mindestaufgaben))
        endebutton->Click();
}

void Hilfenfenster::hilfetaste()
{
    aufgabeneingaben = aufgabeneingaben + 1;
    hilfestufe = shortint(hilfestufe + 1);
    hilfetasten = hilfetasten + 1;
    hilfeschritt();
    if (hilfeAufgebraucht()) aufgabeAbschliessen(vorgaben.hilfeBuchtRichtig, vorgaben.balkenNachHilfe);
}

void Hilfenfenster::warteschleife()
{
    warteschleife(vorgaben.pausenlaenge);
}

void Hilfenfenster::warteschleife(double tage)
{
    jetzt = clockx::now();
    pause(tage);
}

void Hilfenfenster::mausfalle(const TRect& d)
{
    const DesignGrid g = raster();
    mausbereich = { g.x(d.left), g.y(d.top), g.x(d.right), g.y(d.bottom) };
    // The design grid counts from the window's client area; the trap wants the screen.
    const QPoint o = mapToGlobal(QPoint(0, 0));
    mousetrap::clip(
        mausbereich.left + o.x(), mausbereich.top + o.y(), mausbereich.right + o.x(), mausbereich.bottom + o.y());
}

void Hilfenfenster::mausfrei()
{
    mousetrap::release();
}

void Hilfenfenster::zu()
{
    mausfrei();
}

void Hilfenfenster::protokollende()
{
    if (vorgaben.endzeitNehmen) endzeitNehmen();
    mausfrei();
    protokollVorbereiten();
    protokollSchreiben(protokollangaben());
    if (protokollErlaubt(minuten, anzahl, mindestminuten, mindestaufgaben) && Form65) Form65->showModal();
    nachDemEnde();
    Close();
}

void Hilfenfenster::ziffertaste(int ziffer)
{
    if (ziffer == 0 && nullAblehnen()) return;
    const int grenze = vorgaben.eingabegrenze > 0 ? vorgaben.eingabegrenze : eingabe.kapazitaet();
    const QString bisher = eingabe.text();
    if (bisher.size() < grenze) eingabe.setzen(bisher + QChar(u'0' + ziffer));
    eingabeGeaendert();
}

void Hilfenfenster::loeschtaste()
{
    const QString bisher = eingabe.text();
    if (bisher.isEmpty()) return;
    eingabe.setzen(bisher.left(bisher.size() - 1));
    aufgabeneingaben = aufgabeneingaben - vorgaben.loeschabzug;
    eingabeGeaendert();
}

void Hilfenfenster::eingabetaste()
{
    if (!eingabe.text().isEmpty()) antwortPruefen();
}

void Hilfenfenster::tastenweiche(QChar& taste)
{
    if (!KeyPreview) return;
    if (sondertaste(taste)) return;
    Button* ziel = nullptr;
    const tasten::Tastenziel t = tasten::tastenweiche(taste);
    switch (t.ziel) {
    case tasten::Ziel::ziffer:
        ziel = tastenfeld ? tastenfeld->ziffer(t.ziffer) : nullptr;
        break;
    case tasten::Ziel::loeschen:
        ziel = tastenfeld ? tastenfeld->Button14 : nullptr;
        break;
    case tasten::Ziel::eingabe:
        ziel = tastenfeld ? tastenfeld->Button13 : nullptr;
        break;
    case tasten::Ziel::ende:
        ziel = endebutton;
        break;
    case tasten::Ziel::keins:
        break;
    }
    // A button the task has switched off is not pressed by its key either.
    if (ziel) ziel->clickIfVisibleAndEnabled();
}

void Hilfenfenster::pfeiltastenVerbinden(TScrollBoxEx* box, std::function<void()> links, std::function<void()> hoch,
    std::function<void()> rechts, std::function<void()> runter)
{
    box->OnWantSpecialKey = [](QObject*, quint16 charCode, bool& wanted) {
        if (tasten::pftast(charCode)) wanted = true;
    };
    box->OnKeyDown = [links, hoch, rechts, runter](quint16& key, ShiftState) {
        const std::function<void()>* zug = nullptr;
        switch (key) {
        case 37:
            zug = &links;
            break;
        case 38:
            zug = &hoch;
            break;
        case 39:
            zug = &rechts;
            break;
        case 40:
            zug = &runter;
            break;
        default:
            break;
        }
        if (zug && *zug) (*zug)();
    };
}
