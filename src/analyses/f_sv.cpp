#include "analyses/f_sv.h"

#include "analyses/f_schueler.h"
#include "analyses/f_schueler_wahl.h"
#include "analyses/f_sv_logik.h"
#include "analyses/f_sv_protokoll.h"
#include "platform/beep.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

#include <QMouseEvent>

TForm39::TForm39(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("f_sv"));
    setMaximized(true);
    setDesignGeometry(0, 0, 776, 570);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 16);
    setMouseTracking(true);

    Panel1 = new Panel(this, 16, 16, 457, 505);
    Label2 = new Label(Panel1, QStringLiteral("Hinweise zur Fehleranalyse bei der schr. Subtraktion"), 16, 10);
    applyFont(Label2, QStringLiteral("MS Sans Serif"), 16, FontStyle::Bold);
    Memo1 = new Memo(Panel1, 8, 40, 441, 457);
    applyFont(Memo1, QStringLiteral("MS Sans Serif"), 13);
    Memo1->setLines(sv::hinweiszeilen());
    // The hints are read-only text, which shows no focus frame: Tab would stop there without a sign. The mouse still
    // scrolls them, and a click into them lets the arrows do so.
    setTabStop(Memo1, false);

    Namenliste = new Panel(this, 488, 16, 265, 449);
    Label6 = new Label(Namenliste, QStringLiteral("Namen"), 112, 416);
    Label12 = new Label(Namenliste, QStringLiteral("(max. 8 gültige Zeichen)"), 72, 104);
    n_ohne = new Edit(Namenliste, 72, 64, 121, 26);
    setHint(n_ohne, QStringLiteral("zur Erinnerung: leeren Sie gelegentlich den Ordner -OHNE-"));
    setShowHint(n_ohne, true);
    namen = new ListBox(Namenliste, 32, 16, 201, 385);
    applyFont(namen, QStringLiteral("Arial"), 16);

    Button2 = new Button(this, QStringLiteral("Start"), 512, 480, 100, 40);
    Button2->Default = true;
    Button2->setEnabled(false);
    Button10 = new Button(this, QStringLiteral("zurück"), 648, 480, 100, 40);
    Button10->Cancel = true;
    Button1 = new Button(this, QStringLiteral("Hinweise drucken?"), 16, 528, 137, 30);

    Label18 = new Label(this, schueler::kOrdnerVoll, 517, 536);
    applyFont(Label18, QStringLiteral("MS Sans Serif"), 13);
    setColor(Label18, clRed);
    setFontColor(Label18, clWhite);
    Label18->hide();

    namenwahl = std::make_unique<Namenwahl>(namen, n_ohne, Label12, [this] { startpruefung(); });
    namenwahl->platzGeben({ Label6, Button2, Button10 }, 570);

    Button2->OnClick = [this] { Button2Click(); };
    Button10->OnClick = [this] { Button10Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    OnActivate = [this] { form39activate(); };
}

TForm39::~TForm39() = default;

// ---- Handlers ----

void TForm39::form39activate()
{
    // Also after a run: the next run needs its pupil chosen anew.
    if (const QString warum = namenwahl->aktivieren(); !warum.isEmpty()) {
        // The list offers no name: the pupil types one instead.
        ordnerMeldung(warum);
        SetFocus(n_ohne);
    }
}

void TForm39::mouseMoveEvent(QMouseEvent* event)
{
    f39move();
    Form::mouseMoveEvent(event);
}

void TForm39::f39move()
{
    Label18->hide();
}

void TForm39::Button2Click()
{
    const schueler::Protokollziel ziel = schueler::protokollvorbereiten(sv::kPraefix);
    switch (ziel) {
    case schueler::Protokollziel::Bereit:
        break;
    case schueler::Protokollziel::ListeGeaendert:
    case schueler::Protokollziel::ListeGeloescht:
        ordnerMeldung(namenwahl->nachStart(ziel));
        // A list deleted, or one that offers no name by now, leaves the typed name to the pupil.
        if (schueler::ohneListe()) SetFocus(n_ohne);
        return;
    default:
        ordnerMeldung(schueler::meldung(ziel));
        return;
    }
    if (!Form40) return;
    Form40->showModal();
    // However the run ended, Start waits for the next pupil.
    namenwahl->leeren();
    Button2->setEnabled(false);
    if (schueler::ohneListe()) SetFocus(n_ohne);
}

void TForm39::Button10Click()
{
    namenwahl->leeren();
    Label18->hide();
    Button2->setEnabled(false);
    Close();
}

void TForm39::Button1Click()
{
    Printer& p = printer();
    p.beginDoc(QStringLiteral("Hinweise schriftliche Subtraktion"));
    Canvas& c = p.canvas();
    c.font.name = QStringLiteral("courier new");
    c.font.color = clBlack;
    c.font.height = 45;
    c.brush.style = BrushStyle::Clear;
    const QStringList zeilen = Memo1->lines();
    for (int i = 0; i < zeilen.size(); ++i)
        c.textOut(200, -(100 + 40 * i), zeilen[i]);
    p.endDoc();
}

// ---- Routines ----

void TForm39::startpruefung()
{
    Button2->setEnabled(!schuelername.isEmpty());
}

void TForm39::ordnerMeldung(const QString& text)
{
    // The width of the name panel above it: a message about the list lies under the list.
    namenwahl->meldungZeigen(Label18, text, 488, 536, 265);
    beep();
    // The way out, not the printing of the hints, is what Enter should press now.
    SetFocus(Button10);
}
