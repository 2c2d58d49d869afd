#include "games/s_KP.h"

#include "games/s_KP_logik.h"
#include "games/sp_haupt.h"
#include "games/sp_haupt_logik.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/ziffernfilter.h"

#include <map>
#include <type_traits>

namespace {

const QString kArial = QStringLiteral("Arial");

// A panel of one option: its caption label and, below it, the one control.
Panel* optionspanel(QWidget* parent, const QString& name, const QString& caption, int schrift, int hoehe = 320)
{
    auto* p = new Panel(parent, 100, 140, 340, hoehe);
    p->setObjectName(name);
    auto* l = new Label(p, caption, 16, 12);
    applyFont(l, kArial, schrift);
    p->hide();
    return p;
}

RadioGroup* wahlgruppe(
    QWidget* parent, const QStringList& eintraege, int left, int top, int width, int height, int schrift = 19)
{
    auto* g = new RadioGroup(parent, QString(), left, top, width, height);
    applyFont(g, kArial, schrift);
    g->setItems(eintraege);
    return g;
}

ListBox* mehrfachliste(
    QWidget* parent, const QStringList& eintraege, int top, int schrift, int zeilenhoehe, int breite = 308)
{
    auto* l = new ListBox(parent, 16, top, breite, int(eintraege.size()) * zeilenhoehe + 4);
    applyFont(l, kArial, schrift);
    l->setMultiSelect(true);
    l->setItemHeight(zeilenhoehe);
    l->setItems(eintraege);
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return l;
}

// The lines of a rule memo: `anzahl` lines, empty but for those given by their number (from 1).
QStringList memozeilen(int anzahl, const std::map<int, const char*>& zeilen)
{
    QStringList s;
    for (int i = 1; i <= anzahl; ++i) {
        const auto it = zeilen.find(i);
        s << (it == zeilen.end() ? QString() : QString::fromUtf8(it->second));
    }
    return s;
}

// Selects exactly the items whose flag holds their index.
template <typename Flaggen> void flaggenZeigen(ListBox* liste, const Flaggen& flagge, int versatz = 0)
{
    for (int i = 0; i < liste->count(); ++i)
        liste->setSelected(i, flagge[i + versatz] == i);
}

template <typename Flaggen> void flaggenNehmen(ListBox* liste, Flaggen& flagge, int versatz = 0)
{
    for (int i = 0; i < liste->count(); ++i)
        flagge[i + versatz] = std::decay_t<decltype(flagge[0 + versatz])>(liste->Selected(i) ? i : -1);
}

// The number in a digits-only edit, 0 when it is empty.
int zahlImFeld(const Edit* e)
{
    return e->text().isEmpty() ? 0 : StrToInt(e->text());
}

} // namespace

// ---- Form description ----

TForm42::TForm42(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm42"));
    setCaption(QStringLiteral("Knobeln und Planen"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 1288, 778);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 11);
    aufbauen();
    memosAufbauen();
    OnActivate = [this] { Form42activ(); };
    OnClose = [this] { schliessen(); };
}

void TForm42::aufbauen()
{
    titelpanel = new Panel(this, 320, 22, 337, 41);
    applyFont(titelpanel, kArial, 24);

    // The option panels, in the order of the games.
    Panelzfz1 = optionspanel(this, QStringLiteral("Panelzfz1"), QStringLiteral("erlaubte Rechenarten:"), 19);
    ListBox1 = mehrfachliste(Panelzfz1,
        { QStringLiteral(" plus      +"), QStringLiteral(" minus   -"), QStringLiteral(" mal       *"),
            QStringLiteral(" geteilt    :") },
        50, 32, 40);
    ListBox1->OnClick = [this] { ListBox1Click(); };

    pmasch2 = optionspanel(this, QStringLiteral("pmasch2"), QStringLiteral("erlaubte Zahlen:"), 19);
    QStringList zahlen;
    for (int j = 0; j <= 9; ++j)
        zahlen << QStringLiteral(" %1").arg(j);
    ListBox2 = mehrfachliste(pmasch2, zahlen, 44, 21, 26, 80);
    ListBox2->OnClick = [this] { ListBox2Click(); };

    Panelkette1 = optionspanel(this, QStringLiteral("Panelkette1"), QStringLiteral("bitte wählen:"), 24);
    RadioGroup5 = wahlgruppe(Panelkette1,
        { QStringLiteral("zeigen lassen"), QStringLiteral("selber rechnen"), QStringLiteral("Zielzahl finden"),
            QStringLiteral("Startzahlen finden") },
        16, 56, 308, 200);
    RadioGroup5->setItemIndex(0);
    RadioGroup5->OnClick = [this] { variante = RadioGroup5->ItemIndex(); };

    const QStringList zahlraeume { QStringLiteral("  ... 10"), QStringLiteral("      10 ... 20"),
        QStringLiteral("               20 ...") };
    panelkettezr = optionspanel(this, QStringLiteral("panelkettezr"), QStringLiteral("Zahlraum der Zielzahlen"), 19);
    RadioGroup6 = wahlgruppe(panelkettezr, zahlraeume, 16, 56, 308, 160);
    RadioGroup6->setItemIndex(0);
    RadioGroup6->OnClick = [this] { variante2 = RadioGroup6->ItemIndex(); };

    Panelpyra1 = optionspanel(this, QStringLiteral("Panelpyra1"), QStringLiteral("bitte wählen:"), 24);
    RadioGroup2 = wahlgruppe(Panelpyra1,
        { QStringLiteral(" Zielzahl finden"), QStringLiteral(" mittlere Startzahl finden"),
            QStringLiteral(" äußere Startzahl finden"), QStringLiteral(" beliebige Startzahl finden") },
        16, 56, 308, 200);
    RadioGroup2->OnClick = [this] { variante = RadioGroup2->ItemIndex(); };

    Panelpyrazr = optionspanel(this, QStringLiteral("Panelpyrazr"), QStringLiteral("Zahlraum der Zielzahlen"), 19);
    rgpyrazraum = wahlgruppe(Panelpyrazr, zahlraeume, 16, 56, 308, 160);
    rgpyrazraum->OnClick = [this] { variante2 = rgpyrazraum->ItemIndex(); };

    Panelfeld1 = optionspanel(this, QStringLiteral("Panelfeld1"), QStringLiteral("Rechenart:"), 19);
    RadioGroup4 = wahlgruppe(Panelfeld1,
        { QStringLiteral("  +  plus"), QStringLiteral("  -   minus"), QStringLiteral("  *   mal") }, 16, 56, 308, 160);
    RadioGroup4->OnClick = [this] { variante = RadioGroup4->ItemIndex(); };

    Panelfeld2 = optionspanel(this, QStringLiteral("Panelfeld2"), QStringLiteral("Randzahlen:"), 19);
    RadioGroup3
        = wahlgruppe(Panelfeld2, { QStringLiteral("  geordnet"), QStringLiteral("  ungeordnet") }, 16, 56, 308, 120);
    RadioGroup3->OnClick = [this] { variante2 = RadioGroup3->ItemIndex(); };

    Panelnbar2 = optionspanel(this, QStringLiteral("Panelnbar2"), QStringLiteral("Lage der Nachbarn"), 19);
    Lage = mehrfachliste(Panelnbar2,
        { QStringLiteral(" --   waagerecht"), QStringLiteral("  ¦    senkrecht"), QStringLiteral("  /   nord-ost"),
            QStringLiteral("  \\   süd-ost") },
        50, 24, 32);
    Lage->OnClick = [this] { LageClick(); };

    Panelnbar1 = optionspanel(this, QStringLiteral("Panelnbar1"), QStringLiteral("unlösbare Aufgaben"), 19);
    RadioGroup1
        = wahlgruppe(Panelnbar1, { QStringLiteral("nicht erlaubt"), QStringLiteral("erlaubt") }, 16, 56, 308, 120);
    RadioGroup1->setItemIndex(0);
    RadioGroup1->OnClick = [this] { unloesbar = RadioGroup1->ItemIndex(); };

    // The magic squares: step and start number side by side, the three choices below.
    ZQPanel = new Panel(this, 95, 140, 785, 361);
    ZQPanel->setObjectName(QStringLiteral("ZQPanel"));
    ZQPanel->hide();
    const auto zahlfeld
        = [&](const QString& name, const QString& titel, const QString& bereich, int left, Edit*& feld) {
              auto* p = new Panel(ZQPanel, left, 16, 360, 110);
              p->setObjectName(name);
              auto* l = new Label(p, titel, 16, 12);
              applyFont(l, kArial, 21);
              auto* b = new Label(p, bereich, 16, 44);
              applyFont(b, kArial, 19);
              feld = new Edit(p, 240, 40, 90, 36, QStringLiteral("1"));
              applyFont(feld, kArial, 24);
              feld->setMaxLength(3);
              // Digits only, typed or pasted; backspace still deletes.
              feld->OnKeyPress = [](QChar& c) { c = tasten::ziffernfilter(c); };
          };
    zahlfeld(QStringLiteral("Abstandpanel"), QStringLiteral("Zahlenabstand // 1x1-Reihe"),
        QStringLiteral("(1 ... 100)"), 16, Edit1);
    zahlfeld(QStringLiteral("Startzahlpamel"), QStringLiteral("Startzahl"), QStringLiteral("(0 ... 100)"), 400, Edit2);
    Edit1->OnChange = [this] { Edit1Change(); };
    Edit2->OnChange = [this] { Edit2Change(); };
    const QString ditto = QString(10, QLatin1Char(' ')) + QLatin1Char('"') + QString(8, QLatin1Char(' '));
    RadioGroup8 = wahlgruppe(ZQPanel, { QStringLiteral("  Zielsumme nennen"), ditto + QStringLiteral("nicht nennen") },
        16, 150, 240, 130, 21);
    RadioGroup8->OnClick = [this] { zwzahl3 = RadioGroup8->ItemIndex(); };
    RadioGroup9 = wahlgruppe(ZQPanel, { QStringLiteral("  Zahlvorrat zeigen"), ditto + QStringLiteral("nicht zeigen") },
        272, 150, 240, 130, 21);
    RadioGroup9->OnClick = [this] { zwzahl4 = RadioGroup9->ItemIndex(); };
    RadioGroup7 = wahlgruppe(ZQPanel,
        { QStringLiteral("  Rechnen soll genügen"), QStringLiteral("  Knobeln ist nötig!") }, 528, 150, 240, 130, 21);
    RadioGroup7->OnClick = [this] { zwzahl2 = RadioGroup7->ItemIndex(); };

    m_panels = { Panelzfz1, pmasch2, Panelkette1, panelkettezr, Panelpyra1, Panelpyrazr, Panelfeld1, Panelfeld2,
        Panelnbar2, Panelnbar1, ZQPanel };

    Button1 = new Button(this, QStringLiteral("&Info"), 216, 486, 97, 41);
    applyFont(Button1, kArial, 16);
    Button1->OnClick = [this] { Button1Click(); };
    Button2 = new Button(this, QStringLiteral("Start"), 428, 486, 97, 41);
    applyFont(Button2, kArial, 16);
    Button2->Default = true;
    Button2->OnClick = [this] { Button2Click(); };
    Button10 = new Button(this, QStringLiteral("zurück"), 628, 486, 97, 41);
    applyFont(Button10, kArial, 16);
    Button10->Cancel = true;
    Button10->OnClick = [this] { Button10Click(); };
}

void TForm42::memosAufbauen()
{
    const auto memo
        = [&](const QString& name, const QString& schrift, int groesse, int hoehe, int top, const QStringList& zeilen) {
              auto* m = new Memo(this, 100, top, 785, hoehe);
              m->setObjectName(name);
              applyFont(m, schrift, groesse);
              m->setLines(zeilen);
              m->hide();
              m_memos << m;
              return m;
          };
    Infozfz = memo(QStringLiteral("Infozfz"), kArial, 15, 409, 75,
        memozeilen(23,
            { { 2, " Du kannst die Maus oder die Tastatur benutzen, - auch durcheinander." },
                { 4,
                    " Ein Zeichen lässt sich durch Klick mit der Maus oder mit Tab und anschließendem Enter "
                    "markieren." },
                { 6,
                    " Danach kannst du mit der Maus oder einer Zifferntaste eine Lösung eingeben. Gib aber möglichst  "
                    "wenige " },
                { 7, " Lösungen 'auf Verdacht' ein. Zwei Eingabefehler werden wie ein 'Verrat' gewertet." },
                { 9,
                    " Durch Klick auf 'verraten' oder Taste 'V' kannst du dir für ein markiertes Zeichen die Lösung  "
                    "verraten lassen. " },
                { 10,
                    " Lass Dir aber möglichst kein oder nur ein  einziges Zeichen verraten. Auf jeden Fall musst du "
                    "dir genau " },
                { 11, " überlegen, welches du dafür auswählst!  Ein Verrat muss schließlich was 'bringen'!" },
                { 13, " Mit Mausklick oder 'N', - zumeist auch mit 'Enter' - wird die nächste Aufgabe ausgegeben. " },
                { 14, " Aber: Lass Dir nicht unnötig viele Aufgaben zeigen!" },
                { 15, " Es sollte dir eine Ehre sein, deutlich weniger als die möglichen 16 Aufgaben zu benötigen. " },
                { 16,
                    " Außerdem: wer sich gleich alle Aufgaben zeigen lässt, erhält auch unnötige und für die Lösung  "
                    "wertlose." },
                { 18, " Ein paar Tipps:" },
                { 19, "    -  Die 1 erkennst du sicher schnell, ebenfalls oft die 0 und die 5." },
                { 20, "    -  Überlege, welchen Wert ein Zeichen  n i c h t  haben kann." },
                { 21,
                    "    -  Lösungen lassen sich wesentlich leichter finden, wenn auch Malaufgaben zugelassen "
                    "werden." },
                { 23, " Viel Spaß!" } }));
    infomasch = memo(QStringLiteral("infomasch"), kArial, 16, 385, 85,
        memozeilen(19,
            { { 2, " Maschine(n)" }, { 4, " WiCHTIG  erst muss eine Ausgabe korrekt eingegeben werfen." },
                { 5,
                    "                   Unmittelbar danach darf man eintippen, was die Maschine tut / die Maschinen "
                    "tun, " },
                { 6, "                   Sobald man sich eine Ausgabe zeigen lässt oder einen Fehler macht," },
                { 7, "                   muss man von vorn beginnen." },
                { 9, " Die zu suchenden Operatoren bezw. Operatorketten müssen   g e n a u   gefunden werden!" },
                { 10,
                    " Operatoren bezw. Operatorketten, die lediglich zum gleichen Ergebnis führen, werden nicht "
                    "akzeptiert." },
                { 11, " Beispiele: +0,  -0,  *1,  :1 sind gleichwertige Operatoren." },
                { 12,
                    "                 +0-0  und  -0+0  sind gleichwertige Operatorketten  (von dieser Sorte gibt es "
                    "viele!)." },
                { 13,
                    " Wer solche Gleichwertigkeiten weitgehend vermeiden will, sollte die Zahlen 0 und 1 "
                    "ausschließen." } }));
    infoKette = memo(QStringLiteral("infoKette"), kArial, 15, 385, 90,
        memozeilen(13,
            { { 2, " Suche nach Startzahlen" },
                { 4,
                    " 1)  Wenn der Zahlbereich bis 20 gewählt wird, lässt sich immer mindestens ein Paar von "
                    "einstelligen Zahlen " },
                { 5,
                    "      finden, außerdem häufig  weitere Paare aus einer einstelligen und einer zweistelligen "
                    "Zahl." },
                { 7,
                    " 2)  Wird bei Kette 5 der große Zahlenbereich gewählt, werden die Zielzahlen die 30 nur selten " },
                { 8, "      überschreiten. Andernfalls gäbe es zu viele Lösungen." },
                { 10,
                    " 3) Es lassen sich oft 'billige' Lösungen finden. (Eine Lösung ist 'billig', wenn eine der "
                    "Startzahlen  0  ist.)" },
                { 11, "     Es gibt aber immer mindestens ein Paar ohne die Null." },
                { 13, " 4) Ein Lob bekommt nur, wer  a l l e  Lösungspaare findet." } }));
    Infopyra = memo(QStringLiteral("Infopyra"), QStringLiteral("MS Sans Serif"), 16, 369, 88,
        memozeilen(12,
            { { 2, "  Zahlenpyramide" },
                { 4, "       1)  Zwei Zahlen, die nebeneinander stehen, ergeben gemeinsam die Zahl," },
                { 5, "            welche in der Mitte über ihnen steht." },
                { 7, "       2)  Eine Zielzahl sollte möglichst vor dem letzten Rechenschritt gefunden sein." },
                { 8, "            Ohne Eingabe der richtigen Zielzahl geht das Spiel nicht weiter." },
                { 10, "       3)  Die fehlende Startzahl muss spätestens beim 6. Versuch gefunden sein." },
                { 11, "            Sonst wird sie verraten." } }));
    infozq = memo(QStringLiteral("infozq"), kArial, 16, 401, 81,
        memozeilen(21,
            { { 2, "  Zauberquadrat" },
                { 4,
                    " 1)  Die Zahlen in den drei waagerechten, in den drei senkrechten und in den beiden diagonalen "
                    "Reihen " },
                { 5, "      müssen die gleiche Summe ergeben." },
                { 7, " 2)  Die schon eingetragenen Zahlen kann man weder löschen noch überschreiben.;" },
                { 9, " 3)  Die Zahlen trägt man so ein:" },
                { 10, "      a) erst oben das gewünschte Feld anklicken  ( ? erscheint)" },
                { 11, "      b) dann die gewünschte Zahl anklicken oder eintippen." },
                { 12,
                    "          Hat man sich dabei vertan, kann das Feld sofort mit einer anderen Zahl gefüllt "
                    "werden." },
                { 14, " 4)  Zum Korrigieren klickt man zuerst auf das Feld, welches geändert werden soll.. " },
                { 16, " 5)  Erst wenn alle Felder mit Zahlen gefüllt sind, kann man die Arbeit überprüfen lassen." },
                { 17,
                    "      Wenn der rote Haken nicht erscheint, ist etwas falsch, und es kann ans Überschreiben "
                    "gehen." },
                { 19, "                                                                        Viel Erfolg!" },
                { 21,
                    " Vorsicht: Wird Knobeln gewählt und das 'Zeigen' abgewählt, ist die Lösung nur sehr schwer zu "
                    "finden!!!" } }));
}

// ---- What the hub asks ----

void TForm42::abschnittGeladen(const QString& stichwort, bool ausDatei)
{
    const auto wahl = [ausDatei](RadioGroup* g, auto& variable) { wahlAbgleichen(g, variable, ausDatei); };
    const auto feld = [ausDatei](Edit* e, int& variable) {
        if (ausDatei)
            e->setText(QString::number(variable));
        else
            variable = zahlImFeld(e);
    };
    if (stichwort == QLatin1String("masch") || stichwort == QLatin1String("zfz")) {
        if (ausDatei) {
            flaggenZeigen(ListBox1, rechenarten);
            if (stichwort == QLatin1String("masch")) flaggenZeigen(ListBox2, ziehzahlen, 1);
        } else {
            flaggenNehmen(ListBox1, rechenarten);
            if (stichwort == QLatin1String("masch")) flaggenNehmen(ListBox2, ziehzahlen, 1);
        }
    } else if (stichwort == QLatin1String("kette")) {
        wahl(RadioGroup5, variante);
        wahl(RadioGroup6, variante2);
    } else if (stichwort == QLatin1String("pyra")) {
        wahl(RadioGroup2, variante);
        wahl(rgpyrazraum, variante2);
    } else if (stichwort == QLatin1String("bunt")) {
        wahl(RadioGroup4, variante);
        wahl(RadioGroup3, variante2);
    } else if (stichwort == QLatin1String("2n")) {
        if (ausDatei)
            flaggenZeigen(Lage, nachbarlagen);
        else
            flaggenNehmen(Lage, nachbarlagen);
        wahl(RadioGroup1, unloesbar);
    } else if (stichwort == QLatin1String("zq")) {
        // variante2 first: the step's change already judges the range with it.
        feld(Edit2, variante2);
        feld(Edit1, variante);
        wahl(RadioGroup8, zwzahl3);
        wahl(RadioGroup7, zwzahl2);
        wahl(RadioGroup9, zwzahl4);
    }
}

// ---- Handlers ----

void TForm42::Form42activ()
{
    for (QWidget* p : m_panels) {
        if (p == ZQPanel) continue;
        p->setGeometry(p->x(), 140, 340, p->height());
    }
    for (QWidget* p : { Panelnbar2, Panelkette1, Panelpyra1, Panelfeld1 })
        p->move(100, 140);
    Panelzfz1->move(320, 140);
    for (QWidget* p : { Panelnbar1, panelkettezr, Panelpyrazr, pmasch2, Panelfeld2 })
        p->move(540, 140);
    ZQPanel->move(95, ZQPanel->y());
    Infozfz->move(100, 75);
    Infopyra->move(100, 88);
    infoKette->move(100, 90);
    infomasch->move(100, 85);
    infozq->move(100, 81);

    for (QWidget* p : m_panels)
        p->hide();
    Button1->hide();
    const int spiel = programmcode;
    titelpanel->setCaption(s_KP::titel(spiel));
    if (spiel == 1 || spiel == 12)
        Panelzfz1->move(100, 140);
    else if (spiel == 16)
        Panelnbar1->move(320, 140);
    else if (spiel == 22)
        ZQPanel->move(100, 100);
    if (!m_regelnOffen) {
        for (QWidget* p : panelsVon(spiel))
            p->show();
        Button1->setVisible(s_KP::hatRegeln(spiel));
    }
    // Start's state belongs to this game, not to the one shown before; it is decided before it takes the focus.
    Button2->setEnabled(s_KP::startErlaubt(spiel));
    SetFocus(Button2);
}

void TForm42::ListBox1Click()
{
    flaggenNehmen(ListBox1, rechenarten);
    bool erlaubt = s_KP::operationenZaehlen();
    if (programmcode != 4) erlaubt = s_KP::operatorliste();
    Button2->setEnabled(erlaubt);
}

void TForm42::ListBox2Click()
{
    flaggenNehmen(ListBox2, ziehzahlen, 1);
    s_KP::operationenZaehlen();
    Button2->setEnabled(s_KP::operatorliste());
}

void TForm42::LageClick()
{
    flaggenNehmen(Lage, nachbarlagen);
    Button2->setEnabled(s_KP::richtungenZaehlen());
}

void TForm42::Edit1Change()
{
    variante = zahlLesen(Edit1);
    Button2->setEnabled(s_KP::zqGueltig());
}

void TForm42::Edit2Change()
{
    variante2 = zahlLesen(Edit2);
    Button2->setEnabled(s_KP::zqGueltig());
}

int TForm42::zahlLesen(const Edit* feld)
{
    try {
        return zahlImFeld(feld);
    } catch (...) {
        // A number that cannot be read never leaves Start on with the number read before it.
        Button2->setEnabled(false);
        throw;
    }
}

void TForm42::Button1Click()
{
    Memo* m = memoVon(programmcode);
    if (!m) return;
    m_regelnOffen = true;
    for (QWidget* p : panelsVon(programmcode))
        p->hide();
    m->show();
    BringToFront(m);
    Button2->hide();
    Button1->hide();
}

void TForm42::Button10Click()
{
    if (m_regelnOffen) {
        regelnVerlassen();
        for (QWidget* p : panelsVon(programmcode))
            p->show();
        Button1->setVisible(s_KP::hatRegeln(programmcode));
        SetFocus(Button2);
        return;
    }
    Close();
}

void TForm42::Button2Click()
{
    const int spiel = programmcode;
    Form* fenster = spielfenster(spiel);
    const QString wort = sp_haupt::stichwort(spiel);
    if (!fenster || wort.isEmpty()) return;
    sp_haupt::abschnittschreiben(wort);
    fenster->showModal();
}

// However the window closes, it leaves the rules, so that it opens with the options next time.
void TForm42::schliessen()
{
    regelnVerlassen();
}

// ---- Routines ----

QList<QWidget*> TForm42::panelsVon(int spiel) const
{
    switch (spiel) {
    case 1:
    case 12:
        return { Panelzfz1, pmasch2 };
    case 4:
        return { Panelzfz1 };
    case 9:
    case 11:
        return { Panelkette1, panelkettezr };
    case 13:
        return { Panelfeld1, Panelfeld2 };
    case 14:
    case 15:
        return { Panelnbar2, Panelnbar1 };
    case 16:
        return { Panelnbar1 };
    case 20:
    case 21:
        return { Panelpyra1, Panelpyrazr };
    case 22:
        return { ZQPanel };
    default:
        return {};
    }
}

Memo* TForm42::memoVon(int spiel) const
{
    switch (spiel) {
    case 1:
    case 12:
        return infomasch;
    case 4:
        return Infozfz;
    case 9:
    case 11:
        return infoKette;
    case 20:
    case 21:
        return Infopyra;
    case 22:
        return infozq;
    default:
        return nullptr;
    }
}

void TForm42::regelnVerlassen()
{
    for (Memo* m : m_memos)
        m->hide();
    m_regelnOffen = false;
    Button2->show();
}
