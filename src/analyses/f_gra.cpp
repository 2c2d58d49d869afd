#include "analyses/f_gra.h"

#include "analyses/f_gra_logik.h"
#include "analyses/f_schueler.h"
#include "analyses/f_schueler_wahl.h"
#include "platform/beep.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"
#include "shell/fenster.h"

#include <QFontMetrics>
#include <QMouseEvent>

namespace {

constexpr int kErsterCode = 11;
const char kArial[] = "Arial";

int index(int code)
{
    return code - kErsterCode;
}

// Item texts as the lists show them: right-aligned numbers, two places for the units of mixed tens.
QString eintragstext(int code, int wert)
{
    if (code == 12 || code == 15) return QString::number(wert).rightJustified(2, u' ');
    if (wert == 10) return QStringLiteral("10");
    return QString::number(wert).rightJustified(3, u' ');
}

const char* const kZaehlnamen[7][3] = {
    { "Label3", "Label1", "Label7" },
    { "Label10", "Label31", "Label26" },
    { "Label13", nullptr, nullptr },
    { "Label20", nullptr, nullptr },
    { "Label36", "Label37", "Label38" },
    { "Label41", nullptr, nullptr },
    { "Label49", nullptr, nullptr },
};

const char* const kListennamen[7][2] = {
    { "ListBox1", "ListBox2" },
    { "ListBox7", "ListBox8" },
    { "ListBox3", "ListBox4" },
    { "ListBox5", "ListBox6" },
    { "ListBox9", "ListBox10" },
    { "ListBox11", "ListBox12" },
    { "ListBox13", "ListBox14" },
};

const char* const kPanelnamen[7] = { "P11", "P12", "P13", "P14", "p15", "p16", "p17" };

// Places inside a number panel.
constexpr int kListeOben = 56;
constexpr int kListe1Links = 56;
constexpr int kListe2Links = 168;
constexpr int kListenbreite = 48;
constexpr int kZeilenhoehe = 21;

} // namespace

TForm37::TForm37(QWidget* parent)
    : Form(parent)
{
    aufbauen();
    OnActivate = [this] { form37activate(); };
}

TForm37::~TForm37() = default;

void TForm37::aufbauen()
{
    setCaption(QStringLiteral("Grundrechenarten"));
    setDesignGeometry(0, 0, 770, 580);
    setPosition(FormPosition::ScreenCenter);
    setMaximized(true);
    setMouseTracking(true);

    zahlenpanel(11, QStringLiteral("Auswahl der Zahlen  ( 1 + 1 )"), QStringLiteral("+"),
        QStringLiteral("(bezw. mit 10 als Summand)"));
    zahlenpanel(12, QStringLiteral("Auswahl der Zahlen  (gem. Zehnerzahl + Einer)"), QStringLiteral("+"),
        QStringLiteral("Der 1. Summand wird zufallsgesteuert um eine Zehnerzahl  ( 10 ... 80 ) erweitert."));
    zahlenpanel(13, QStringLiteral("Auswahl der Zahlen  ( 1 - 1 im Raum bis 10 )"), QStringLiteral("-"), QString());
    zahlenpanel(14, QStringLiteral("Auswahl der Zahlen  ( Zehnerübergang rückwärts)"), QStringLiteral("-"), QString());
    zahlenpanel(15, QStringLiteral("Auswahl der Zahlen  (gem. Zehnerzahl - Einer)"), QStringLiteral("-"),
        QStringLiteral("Der Minuend wird zufallsgesteuert um eine Zehnerzahl  ( 20 ... 90 ) erweitert."));
    zahlenpanel(16, QStringLiteral("Auswahl der Zahlen  (kleines 1 x 1)"), QStringLiteral("x"), QString());
    zahlenpanel(17, QStringLiteral("Auswahl der Zahlen  (kleines 1 : 1)"), QStringLiteral("x"),
        QStringLiteral("Die zu teilenden Zahlen werden aus den den markierten Teilern und Quotienten erzeugt."));
    auswahlpanels();

    Namenliste = new Panel(this, 483, 16, 265, 441);
    Namenliste->setObjectName(QStringLiteral("Namenliste"));
    auto* namenTitel = new Label(Namenliste, QStringLiteral("Namen"), 104, 16);
    applyFont(namenTitel, kArial, 19);
    namen = new ListBox(Namenliste, 32, 48, 201, 377);
    applyFont(namen, kArial, 16);
    n_ohne = new Edit(Namenliste, 72, 64, 121, 26);
    setHint(n_ohne, QStringLiteral("zur Erinnerung: leeren Sie gelegentlich den Ordner -OHNE-"));
    setShowHint(n_ohne, true);
    namenHinweis = new Label(Namenliste, QStringLiteral("(max. 8 gültige Zeichen)"), 72, 104);
    namenwahl = std::make_unique<Namenwahl>(namen, n_ohne, namenHinweis, [this] { startpruefung(); });

    Button2 = new Button(this, QStringLiteral("Start"), 484, 485, 100, 40);
    Button2->Default = true;
    Button2->setEnabled(false);
    Button2->OnClick = [this] { Button2Click(); };
    Button10 = new Button(this, QStringLiteral("zurück"), 648, 485, 100, 40);
    Button10->Cancel = true;
    Button10->OnClick = [this] { Button10Click(); };

    Label55 = new Label(this, QStringLiteral("Der benötigte Protokoll-Ordner ist voll."), 504, 544);
    Label55->setAutoSize(false);
    place(Label55, 504, 544, 225, 16);
    setColor(Label55, clRed);
    setFontColor(Label55, clWhite);
    Label55->hide();
    namenwahl->platzGeben({ Button2, Button10 }, 580);
}

void TForm37::zahlenpanel(int code, const QString& titel, const QString& zeichen, const QString& erklaerung)
{
    const gra::Analyse* an = gra::analyse(code);
    const int k = index(code);
    auto* p = new Panel(this, 16, 16, 433, 329);
    p->setObjectName(QString::fromLatin1(kPanelnamen[k]));
    zahlenpanels[size_t(k)] = p;

    auto* t = new Label(p, titel, 16, 8);
    applyFont(t, kArial, 16, FontStyle::Bold);

    int zeilenhoehe = kZeilenhoehe;
    if (code == 12 || code == 15) {
        // The tens of the first number stand beside its units, one "Z" a line.
        auto* z = new Label(p, QStringLiteral("Z Z Z Z Z Z Z Z Z Z"), kListe1Links - 16, kListeOben + 2);
        applyFont(z, kArial, 16);
        z->setAutoSize(false);
        z->setWordWrap(true);
        zeilenhoehe = QFontMetrics(z->font()).lineSpacing();
        place(z, kListe1Links - 16, kListeOben + 2, 14,
            std::max(zeilenhoehe * 10 + 4,
                QFontMetrics(z->font()).boundingRect(0, 0, 14, 1000, Qt::TextWordWrap, z->text()).height()));
    }
    if (code == 17) {
        auto* teiler = new Label(p, QStringLiteral("Teiler"), kListe1Links - 8, 28);
        applyFont(teiler, kArial, 14);
        // Right under the divisors' list, above the explanation at the foot of the panel.
        auto* reihe = new Label(
            p, QStringLiteral("(1x1-Reihe)"), kListe1Links - 24, kListeOben + an->anzahl1 * zeilenhoehe + 6);
        applyFont(reihe, kArial, 13);
        auto* quotienten = new Label(p, QStringLiteral("Quotienten"), kListe2Links - 16, 28);
        applyFont(quotienten, kArial, 14);
    }

    for (int liste = 0; liste < 2; ++liste) {
        const int n = liste == 0 ? an->anzahl1 : an->anzahl2;
        const int basis = liste == 0 ? an->basis1 : an->basis2;
        auto* box
            = new ListBox(p, liste == 0 ? kListe1Links : kListe2Links, kListeOben, kListenbreite, n * zeilenhoehe + 4);
        box->setObjectName(QString::fromLatin1(kListennamen[k][liste]));
        applyFont(box, kArial, 16);
        box->setItemHeight(zeilenhoehe);
        box->setMultiSelect(true);
        QStringList items;
        for (int i = 0; i < n; ++i)
            items << eintragstext(code, basis + i);
        box->setItems(items);
        const bool erste = liste == 0;
        box->OnClick = [this, code, erste] { listenklick(code, erste); };
        (liste == 0 ? erstelisten : zweitelisten)[size_t(k)] = box;
    }
    auto* zeichenLabel = new Label(p, zeichen, (kListe1Links + kListenbreite + kListe2Links) / 2 - 6, 140);
    applyFont(zeichenLabel, kArial, 28, FontStyle::Bold);

    auto* bildbar = new Label(p, QStringLiteral("aus dem Zahlenvorrat bildbare Aufgaben: "), 240, kListeOben);
    applyFont(bildbar, kArial, 14);
    bildbar->setAutoSize(false);
    bildbar->setWordWrap(true);
    place(bildbar, 240, kListeOben, 180, 40);
    for (int i = 0; i < 3; ++i) {
        if (!kZaehlnamen[k][i]) continue;
        auto* l = new Label(p, QString(), 248, kListeOben + 56 + 28 * i);
        l->setObjectName(QString::fromLatin1(kZaehlnamen[k][i]));
        applyFont(l, kArial, 16);
        zaehllabels[size_t(k)][size_t(i)] = l;
    }
    if (!erklaerung.isEmpty()) {
        auto* e = new Label(p, erklaerung, 16, 292);
        applyFont(e, kArial, 13);
        e->setAutoSize(false);
        e->setWordWrap(true);
        place(e, 16, 290, 400, 34);
    }
}

void TForm37::auswahlpanels()
{
    P12zepe = new Panel(this, 16, 368, 433, 169);
    P12zepe->setObjectName(QStringLiteral("P12zepe"));
    r11 = new RadioGroup(P12zepe, QString(), 16, 12, 401, 145);
    r11->setObjectName(QStringLiteral("r11"));
    r11->setItems({ QStringLiteral(" ohne Zehnerübergang    (Summen:     0  ... 10)"),
        QStringLiteral(" mit  Zehnerübergang      (Summen:    11 ... 20)"),
        QStringLiteral(" alle aus der Zahlenauswahl bildbaren Aufgaben") });
    r11->OnClick = [this] { R11Click(); };
    R12 = new RadioGroup(P12zepe, QString(), 16, 12, 401, 145);
    R12->setObjectName(QStringLiteral("R12"));
    R12->setItems(
        { QStringLiteral("nur Aufgaben ohne Zehnerübergang"), QStringLiteral("nur Aufgaben mit Zehnerübergang"),
            QStringLiteral("alle aus der Zahlenauswahl bildbaren Aufgaben") });
    R12->OnClick = [this] { R12Click(); };

    P13_14 = new Panel(this, 16, 368, 433, 169);
    P13_14->setObjectName(QStringLiteral("P13_14"));
    auto* form = new Label(P13_14, QStringLiteral("Form der Aufgabenstellung:"), 24, 24);
    applyFont(form, kArial, 16);
    r13_14 = new RadioGroup(P13_14, QString(), 232, 12, 185, 145);
    r13_14->setObjectName(QStringLiteral("r13_14"));
    r13_14->setItems({ QStringLiteral(" c - a = _"), QStringLiteral(" c  = a + _"), QStringLiteral(" c = _ + a"),
        QStringLiteral(" a + _ = c") });
    applyFont(r13_14, kArial, 16);
    r13_14->OnClick = [this] { r13_14Click(); };

    p16_17 = new Panel(this, 16, 368, 433, 169);
    p16_17->setObjectName(QStringLiteral("p16_17"));
    r16maldurch = new RadioGroup(p16_17, QStringLiteral("Auswahl der Aufgaben"), 8, 4, 417, 161);
    r16maldurch->setObjectName(QStringLiteral("r16maldurch"));
    r16maldurch->setItems({ QString(), QString(), QString() });
    r16maldurch->OnClick = [this] { r16maldurchClick(); };
    const QString texte[] = { QStringLiteral("alle aus der Zahlenauswahl bildbaren Aufgaben"),
        QStringLiteral("Tauschaufgaben sollen grundsätzlich weggelassen werden"),
        QStringLiteral("Tauschaufgaben sollen nur dann weggelassen werden, wenn die 'Partneraufgabe' richtig gelöst "
                       "wurde.") };
    // The texts are too long for the items: each stands beside its button, as high as the button's row.
    for (int i = 0; i < 3; ++i) {
        const QRect zeile = r16maldurch->button(i)->geometry();
        auto* l = new Label(r16maldurch, texte[i], 40, zeile.top());
        l->setAutoSize(false);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        place(l, 40, zeile.top(), 368, zeile.height());
    }
}

// ---- Handlers ----

void TForm37::form37activate()
{
    panelsZeigen();
    abschnittladen();
    Button2->setEnabled(false);
    // Where the list offers no name, the pupil types one, and the message says why.
    if (const QString warum = namenwahl->aktivieren(); !warum.isEmpty()) folderMeldung(warum);
}

void TForm37::listenklick(int code, bool ersteListe)
{
    const gra::Analyse* an = gra::analyse(code);
    const int k = index(code);
    ListBox* box = ersteListe ? erstelisten[size_t(k)] : zweitelisten[size_t(k)];
    gra::Zahlenwahl& wahl = ersteListe ? zahlenwahl1 : zahlenwahl2;
    const int basis = ersteListe ? an->basis1 : an->basis2;
    wahl.fill(-1);
    for (int i = 0; i < box->count(); ++i)
        wahl[i] = box->Selected(i) ? basis + i : -1;
    aufgabenvorrat();
}

void TForm37::R11Click()
{
    wahl2 = byte(r11->ItemIndex());
    aufgabenvorrat();
}

void TForm37::R12Click()
{
    wahl2 = byte(R12->ItemIndex());
    aufgabenvorrat();
}

void TForm37::r13_14Click()
{
    wahl2 = byte(r13_14->ItemIndex());
}

void TForm37::r16maldurchClick()
{
    // The counts shown stay until a list is clicked; Start counts the pool again for the run.
    wahl2 = byte(r16maldurch->ItemIndex());
}

void TForm37::Button2Click()
{
    const gra::Analyse* an = gra::analyse(programmcode);
    const QString datei = datpfad + QStringLiteral("fw.ina");
    if (!an || !files::fileExists(datei)) return;
    gra::Abschnitt abschnitt;
    abschnitt.wahl1 = zahlenwahl1;
    abschnitt.wahl2liste = zahlenwahl2;
    abschnitt.wahl2 = wahl2;
    try {
        einstellungsdatei::abschnittschreibenZeilen(
            datei, QString::fromUtf8(an->stichwort), gra::abschnittZeilen(programmcode, abschnitt));
    } catch (const IoError&) {
        // The choice is only kept for the next time; the run does not depend on it.
    }

    const schueler::Protokollziel ziel = schueler::protokollvorbereiten(QString::fromUtf8(an->praefix));
    if (ziel == schueler::Protokollziel::Voll) {
        folderMeldung(schueler::kOrdnerVoll);
        beep();
        SetFocus(Button10);
    } else if (ziel != schueler::Protokollziel::Bereit) {
        merker = 1;
        const bool neueNamen
            = ziel == schueler::Protokollziel::ListeGeaendert || ziel == schueler::Protokollziel::ListeGeloescht;
        folderMeldung(namenwahl->nachStart(ziel));
        beep();
        // A list deleted, or one that offers no name by now, leaves the typed name to the pupil, which has the
        // focus then.
        if (!neueNamen || !schueler::ohneListe()) SetFocus(Button10);
    }

    aufgabenvorrat();
    if (merker == 0 && aufgabenanzahl > 0 && Form38) Form38->showModal();
}

void TForm37::Button10Click()
{
    namenwahl->leeren();
    Label55->hide();
    Button2->setEnabled(false);
    Close();
}

void TForm37::f37move()
{
    Label55->hide();
}

void TForm37::mouseMoveEvent(QMouseEvent* event)
{
    f37move();
    Form::mouseMoveEvent(event);
}

void TForm37::laufBeendet()
{
    Button2->setEnabled(false);
    namenwahl->leeren();
}

// ---- Routines ----

void TForm37::abschnittladen()
{
    const gra::Analyse* an = gra::analyse(programmcode);
    if (!an) return;
    const int k = index(programmcode);
    ListBox* erste = erstelisten[size_t(k)];
    ListBox* zweite = zweitelisten[size_t(k)];

    gra::Abschnitt s;
    s.wahl1 = zahlenwahl1;
    s.wahl2liste = zahlenwahl2;
    s.wahl2 = wahl2;
    const gra::Ladeergebnis ergebnis = gra::abschnittLaden(datpfad + QStringLiteral("fw.ina"), programmcode, s);
    if (ergebnis == gra::Ladeergebnis::DateiFehlt) {
        if (programmcode == 11 || programmcode == 12) {
            s = gra::standardabschnitt(programmcode);
        } else {
            // Without the file the lists keep their ticks; the pool follows them.
            for (int i = 0; i <= 10; ++i) {
                s.wahl1[i] = i < erste->count() && erste->Selected(i) ? an->basis1 + i : -1;
                s.wahl2liste[i] = i < zweite->count() && zweite->Selected(i) ? an->basis2 + i : -1;
            }
            if (s.wahl2 >= an->varianten) s.wahl2 = an->standardwahl2;
        }
    }
    zahlenwahl1 = s.wahl1;
    zahlenwahl2 = s.wahl2liste;
    wahl2 = byte(s.wahl2);
    for (int i = 0; i < erste->count(); ++i)
        erste->setSelected(i, gra::angekreuzt(zahlenwahl1, i, an->basis1));
    for (int i = 0; i < zweite->count(); ++i)
        zweite->setSelected(i, gra::angekreuzt(zahlenwahl2, i, an->basis2));
    aufgabenvorrat();
    variantengruppe()->setItemIndex(wahl2);
}

void TForm37::aufgabenvorrat()
{
    const gra::Vorrat v = gra::aufgabenvorratBauen();
    const int k = index(programmcode);
    if (k < 0 || k >= 7) return;
    const auto& labels = zaehllabels[size_t(k)];
    switch (programmcode) {
    case 11:
    case 12:
    case 15:
        labels[0]->setCaption(QString::number(v.anzahlohne) + QStringLiteral(" ohne Zehnerübergang"));
        labels[1]->setCaption(QString::number(v.anzahlmit) + QStringLiteral(" mit Zehnerübergang"));
        labels[2]->setCaption(QString::number(v.anzahl) + QStringLiteral(" gesamt"));
        break;
    case 13:
    case 14:
        labels[0]->setCaption(QString::number(v.anzahl));
        break;
    default:
        labels[0]->setCaption(QStringLiteral("min.: ") + QString::number(v.minimum) + QStringLiteral("   max.: ")
            + QString::number(v.anzahl));
    }
    startpruefung();
}

void TForm37::startpruefung()
{
    Button2->setEnabled(aufgabenanzahl > 0 && !schuelername.isEmpty());
}

void TForm37::panelsZeigen()
{
    const int k = index(programmcode);
    for (int i = 0; i < 7; ++i)
        zahlenpanels[size_t(i)]->setVisible(i == k);
    P12zepe->setVisible(programmcode == 11 || programmcode == 12 || programmcode == 15);
    r11->setVisible(programmcode == 11);
    R12->setVisible(programmcode == 12 || programmcode == 15);
    P13_14->setVisible(programmcode == 13 || programmcode == 14);
    p16_17->setVisible(programmcode == 16 || programmcode == 17);
}

RadioGroup* TForm37::variantengruppe() const
{
    switch (programmcode) {
    case 11:
        return r11;
    case 12:
    case 15:
        return R12;
    case 13:
    case 14:
        return r13_14;
    default:
        return r16maldurch;
    }
}

void TForm37::folderMeldung(const QString& text)
{
    // The width of the name panel above it: a message about the list lies under the list.
    namenwahl->meldungZeigen(Label55, text, 483, 544, 265);
}
