#include "analyses/f_ss.h"

#include "analyses/f_schueler.h"
#include "analyses/f_schueler_wahl.h"
#include "analyses/f_ss_logik.h"
#include "analyses/f_ss_runner.h"
#include "platform/beep.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

#include <QMouseEvent>

namespace {

QStringList zahleneintraege(int von, int bis, int breite)
{
    QStringList l;
    for (int z = von; z <= bis; ++z)
        l << QString::number(z).rightJustified(breite, QLatin1Char(' '));
    return l;
}

ListBox* zahlenliste(QWidget* panel, int links, int oben, int breite, const QStringList& eintraege)
{
    auto* l = new ListBox(panel, links, oben, breite, 225);
    l->setMultiSelect(true);
    l->setItems(eintraege);
    return l;
}

Label* beschriftung(QWidget* parent, const QString& text, int links, int oben)
{
    return new Label(parent, text, links, oben);
}

Label* zaehllabel(QWidget* parent, const QString& text, int links, int oben)
{
    auto* l = new Label(parent, text, links, oben);
    setFontColor(l, clNavy);
    return l;
}

// Entry k of a selection: the item's value when it is selected, else -1.
void auswahl(BoundedArray<int, 0, 10>& wahl, const ListBox* liste, int erster)
{
    for (int k = 0; k <= 9; ++k)
        wahl[k] = liste->Selected(k) ? k + erster : -1;
}

void markieren(ListBox* liste, const BoundedArray<int, 0, 10>& wahl, int erster)
{
    for (int k = 0; k <= 9; ++k)
        liste->setSelected(k, wahl[k] == k + erster);
}

int code()
{
    return programmcode == ss::Zwanzigerfeld || programmcode == ss::Hunderterfeld ? programmcode : ss::Zehnerfeld;
}

} // namespace

TForm31::TForm31(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("F_SS"));
    setMaximized(true);
    setDesignGeometry(0, 0, 776, 570);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 16);
    setMouseTracking(true);

    zahlen10 = new Panel(this, 16, 16, 249, 401);
    zahlen10->setObjectName(QStringLiteral("zahlen10"));
    beschriftung(zahlen10, QStringLiteral("Auswahl der Zahlen (10)"), 48, 24);
    ListBox6 = zahlenliste(zahlen10, 104, 64, 41, zahleneintraege(1, 10, 3));
    Label21 = zaehllabel(zahlen10, QStringLiteral("gewählt: "), 64, 328);

    zahlen20 = new Panel(this, 16, 16, 249, 401);
    zahlen20->setObjectName(QStringLiteral("zahlen20"));
    beschriftung(zahlen20, QStringLiteral("Auswahl der Zahlen (20)"), 48, 24);
    ListBox2 = zahlenliste(zahlen20, 61, 64, 41, zahleneintraege(1, 10, 3));
    ListBox5 = zahlenliste(zahlen20, 141, 64, 41, zahleneintraege(11, 20, 2));
    Label14 = zaehllabel(zahlen20, QStringLiteral("gewählt: "), 61, 328);

    zahlen100 = new Panel(this, 16, 16, 249, 401);
    zahlen100->setObjectName(QStringLiteral("zahlen100"));
    beschriftung(zahlen100, QStringLiteral("Auswahl der Ziffern (100)"), 48, 8);
    auto* hinweis = beschriftung(zahlen100,
        QStringLiteral("Die Aufgaben werden nur aus den markierten Zehner- und Einerziffern  gebildet."), 16, 32);
    hinweis->setAutoSize(false);
    hinweis->setWordWrap(true);
    place(hinweis, 16, 32, 217, 50); // three lines
    beschriftung(zahlen100, QStringLiteral("Zehner"), 60, 90);
    ListBox3 = zahlenliste(zahlen100, 64, 112, 35, zahleneintraege(0, 9, 2));
    beschriftung(zahlen100, QStringLiteral("Einer"), 195, 90);
    ListBox4 = zahlenliste(zahlen100, 197, 112, 35, zahleneintraege(0, 9, 2));
    Label9 = zaehllabel(zahlen100, QStringLiteral("bildbare Zahlen:  "), 24, 360);

    auto* zeiten = new Panel(this, 280, 16, 193, 329);
    auto* zeitentitel = beschriftung(zeiten, QStringLiteral("Anzahl und Dauer der Darbietungen"), 8, 16);
    zeitentitel->setAutoSize(false);
    zeitentitel->setWordWrap(true);
    place(zeitentitel, 8, 12, 177, 40);
    ListBox1 = new ListBox(zeiten, 56, 64, 81, 129);
    ListBox1->setMultiSelect(true);
    QStringList zeiteintraege;
    for (int k = 0; k < ss::kZeiten; ++k)
        zeiteintraege << ss::zeiteintrag(k);
    ListBox1->setItems(zeiteintraege);
    auto* zeitenhinweis = beschriftung(zeiten,
        QStringLiteral("Wählen Sie bitte mindestens eine Zeit aus.             Die Zeiten werden von kurz nach lang "
                       "abgearbeitet."),
        8, 208);
    zeitenhinweis->setAutoSize(false);
    zeitenhinweis->setWordWrap(true);
    place(zeitenhinweis, 8, 208, 177, 110);

    auto* Panel1 = new Panel(this, 280, 353, 193, 113);
    beschriftung(Panel1, QStringLiteral("Arbeitszeit und Aufgabenzahl"), 6, 8);
    Edit1 = new Edit(Panel1, 24, 40, 33, 24, QStringLiteral("10"));
    Edit1->setMaxLength(2);
    beschriftung(Panel1, QStringLiteral("min"), 62, 44);
    Edit2 = new Edit(Panel1, 112, 40, 33, 24, QStringLiteral("50"));
    Edit2->setMaxLength(2);
    beschriftung(Panel1, QStringLiteral("Aufg."), 150, 44);
    beschriftung(Panel1, QStringLiteral("(1 ... 99)           (1 ... 50)"), 16, 80);

    auto* farbe = new Panel(this, 16, 432, 129, 113);
    beschriftung(farbe, QStringLiteral("Hintergrund"), 24, 8);
    RadioGroup1 = new RadioGroup(farbe, QString(), 16, 32, 97, 65);
    RadioGroup1->setItems({ QStringLiteral("hell"), QStringLiteral("dunkel") });

    auto* rasterpanel = new Panel(this, 160, 432, 105, 113);
    beschriftung(rasterpanel, QStringLiteral("Raster"), 32, 8);
    RadioGroup3 = new RadioGroup(rasterpanel, QString(), 12, 32, 81, 65);
    RadioGroup3->setItems({ QStringLiteral("ohne"), QStringLiteral("mit") });

    RadioGroup2 = new RadioGroup(this, QString(), 280, 472, 193, 73);
    RadioGroup2->setItems({ QStringLiteral("Raster wird gelöscht"), QStringLiteral("Raster bleibt erhalten") });

    auto* Namenliste = new Panel(this, 488, 16, 265, 449);
    auto* hinweisName = beschriftung(Namenliste, QStringLiteral("(max. 8 gültige Zeichen)"), 72, 104);
    n_ohne = new Edit(Namenliste, 72, 64, 121, 26);
    setHint(n_ohne, QStringLiteral("zur Erinnerung: leeren Sie gelegentlich den Ordner -OHNE-"));
    setShowHint(n_ohne, true);
    namen = new ListBox(Namenliste, 32, 16, 201, 385);
    applyFont(namen, QStringLiteral("Arial"), 16);
    auto* namenTitel = beschriftung(Namenliste, QStringLiteral("Namen"), 112, 416);

    Button2 = new Button(this, QStringLiteral("Start"), 512, 480, 100, 40);
    Button2->Default = true;
    Button2->setEnabled(false);
    Button1 = new Button(this, QStringLiteral("zurück"), 648, 480, 100, 40);
    Button1->Cancel = true;

    Label18 = new Label(this, schueler::kOrdnerVoll, 517, 536);
    applyFont(Label18, QStringLiteral("MS Sans Serif"), 13);
    setColor(Label18, clRed);
    setFontColor(Label18, clWhite);
    Label18->hide();

    namenwahl = std::make_unique<Namenwahl>(namen, n_ohne, hinweisName, [this] { startpruefung(); });
    namenwahl->platzGeben({ namenTitel, Button2, Button1 }, 570);

    ListBox6->OnClick = [this] { ListBox6Click(); };
    ListBox2->OnClick = [this] { ListBox2click(); };
    ListBox5->OnClick = [this] { ListBox5Click(); };
    ListBox3->OnClick = [this] { ListBox3Click(); };
    ListBox4->OnClick = [this] { ListBox4Click(); };
    ListBox1->OnClick = [this] { ListBox1Click(); };
    RadioGroup3->OnClick = [this] { RadioGroup3Click(); };
    RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
    RadioGroup2->OnClick = [this] { RadioGroup2Click(); };
    const auto ziffernfilter = [](QChar& key) {
        if (key.unicode() >= 32 && (key < QLatin1Char('0') || key > QLatin1Char('9'))) key = QChar();
    };
    Edit1->OnKeyPress = ziffernfilter;
    Edit2->OnKeyPress = ziffernfilter;
    Edit1->OnChange = [this] { Edit1Change(); };
    Edit2->OnChange = [this] { Edit2Change(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };

    OnActivate = [this] { Form31activate(); };
}

TForm31::~TForm31() = default;

// ---- Handlers ----

void TForm31::Form31activate()
{
    if (const QString warum = namenwahl->aktivieren(); !warum.isEmpty()) {
        // The list offers no name: the pupil types one instead.
        ordnerMeldung(warum);
        SetFocus(n_ohne);
    }

    const int c = code();
    try {
        ss::abschnittladen(datpfad + QStringLiteral("fw.ina"), c);
    } catch (const RuntimeError& e) {
        // A damaged section: work with the installed values and say why.
        ss::standardSetzen(c);
        reportError(e.message());
    }

    const int aufgaben = mindestaufgaben;
    const int minutenwert = mindestminuten;
    Edit2->setText(QString::number(aufgaben));
    Edit2Change();
    Edit1->setText(QString::number(minutenwert));
    Edit1Change();

    switch (c) {
    case ss::Zehnerfeld:
        markieren(ListBox6, zahlenwahl1, 1);
        break;
    case ss::Zwanzigerfeld:
        markieren(ListBox2, zahlenwahl1, 1);
        markieren(ListBox5, zahlenwahl2, 11);
        break;
    default:
        markieren(ListBox3, zahlenwahl1, 0);
        markieren(ListBox4, zahlenwahl2, 0);
        break;
    }
    ss::zahlenbilden(c);
    zahlenlabel(false);

    for (int k = 0; k < ss::kZeiten; ++k)
        ListBox1->setSelected(k, wahlbytes[k] == k);
    ss::zeitliste();

    startpruefung();
    RadioGroup3->setItemIndex(schalter1);
    RadioGroup2->setItemIndex(rasterbleibt);
    RadioGroup1->setItemIndex(schalter2);
    RadioGroup2->setVisible(schalter1 != 0);
}

void TForm31::ListBox6Click()
{
    auswahl(zahlenwahl1, ListBox6, 1);
    ss::wahlliste(1);
    zahlenlabel(true);
    startpruefung();
}

void TForm31::ListBox2click()
{
    auswahl(zahlenwahl1, ListBox2, 1);
    ss::wahlliste(2);
    zahlenlabel(true);
    startpruefung();
}

void TForm31::ListBox5Click()
{
    auswahl(zahlenwahl2, ListBox5, 11);
    ss::wahlliste(2);
    zahlenlabel(true);
    startpruefung();
}

void TForm31::ListBox3Click()
{
    auswahl(zahlenwahl1, ListBox3, 0);
    ss::hunderterzahlen();
    zahlenlabel(true);
    startpruefung();
}

void TForm31::ListBox4Click()
{
    auswahl(zahlenwahl2, ListBox4, 0);
    ss::hunderterzahlen();
    zahlenlabel(true);
    startpruefung();
}

void TForm31::ListBox1Click()
{
    for (int k = 0; k < ss::kZeiten; ++k)
        wahlbytes[k] = ListBox1->Selected(k) ? byte(k) : byte(255);
    ss::zeitliste();
    startpruefung();
}

void TForm31::RadioGroup3Click()
{
    schalter1 = RadioGroup3->ItemIndex();
    RadioGroup2->setVisible(schalter1 != 0);
}

void TForm31::RadioGroup1Click()
{
    schalter2 = RadioGroup1->ItemIndex();
}

void TForm31::RadioGroup2Click()
{
    rasterbleibt = RadioGroup2->ItemIndex();
}

void TForm31::Edit1Change()
{
    if (Edit1->text().isEmpty()) return;
    mindestminuten = StrToInt(Edit1->text());
    const int begrenzt = ss::minutenbegrenzt(mindestminuten);
    if (begrenzt != mindestminuten) {
        mindestminuten = begrenzt;
        Edit1->setText(QString::number(begrenzt));
    }
}

void TForm31::Edit2Change()
{
    if (Edit2->text().isEmpty()) return;
    mindestaufgaben = StrToInt(Edit2->text());
    const int begrenzt = ss::aufgabenbegrenzt(mindestaufgaben);
    if (begrenzt != mindestaufgaben) {
        mindestaufgaben = begrenzt;
        Edit2->setText(QString::number(begrenzt));
    }
}

void TForm31::mouseMoveEvent(QMouseEvent* event)
{
    f31move();
    Form::mouseMoveEvent(event);
}

void TForm31::f31move()
{
    Label18->hide();
}

void TForm31::Button1Click()
{
    namenwahl->leeren();
    Label18->hide();
    Button2->setEnabled(false);
    Close();
}

void TForm31::Button2Click()
{
    const int c = code();
    ss::abschnittschreiben(datpfad + QStringLiteral("fw.ina"), c);

    for (int k = 1; k <= 50; ++k)
        ziehzahlen[k] = 0;
    for (int k = 0; k <= 50; ++k)
        antwortzeilen[k] = "";
    for (int i = 0; i <= 60; ++i)
        protzeilen[i] = "";
    ss::zeitliste();
    punkte = 0;

    const schueler::Protokollziel ziel = schueler::protokollvorbereiten(ss::dateipraefix(c));
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

    Form* laeufer = c == ss::Zwanzigerfeld ? Form33 : (c == ss::Hunderterfeld ? Form45 : Form35);
    if (!laeufer) return;
    laeufer->showModal();
    auto* ss = dynamic_cast<SsRunner*>(laeufer);
    if (ss && ss->protokollGeschrieben()) {
        // The next run needs its pupil chosen anew.
        namenwahl->leeren();
        if (schueler::ohneListe()) SetFocus(n_ohne);
        Button2->setEnabled(false);
    }
}

// ---- Routines ----

void TForm31::startpruefung()
{
    Button2->setEnabled(ss::startbereit());
}

void TForm31::zahlenlabel(bool beiKlick)
{
    const QString n = QString::number(anzahl) + QLatin1Char(' ');
    switch (code()) {
    case ss::Zehnerfeld:
        Label21->setCaption(QStringLiteral(" gewählt:  ") + n);
        break;
    case ss::Zwanzigerfeld:
        Label14->setCaption((beiKlick ? QStringLiteral(" gewählt:  ") : QStringLiteral(" gewählt: ")) + n);
        break;
    default:
        Label9->setCaption(
            (beiKlick ? QStringLiteral(" bildbare Aufgaben:  ") : QStringLiteral(" bildbare Aufgaben: ")) + n);
        break;
    }
}

void TForm31::ordnerMeldung(const QString& text)
{
    // The width of the name panel above it: a message about the list lies under the list.
    namenwahl->meldungZeigen(Label18, text, 488, 536, 265);
    beep();
    SetFocus(Button1);
}
