#include "games/s_tic.h"

#include "games/sp_haupt.h"
#include "games/sp_haupt_logik.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"
#include "shell/ziffernfilter.h"

namespace {

const QString kArial = QStringLiteral("Arial");

Memo* regelmemo(QWidget* parent, int top, int hoehe, int schrift, const QStringList& zeilen)
{
    auto* m = new Memo(parent, 296, top, 489, hoehe);
    applyFont(m, kArial, schrift);
    m->setLines(zeilen);
    m->hide();
    return m;
}

} // namespace

// ---- Form description ----

TForm44::TForm44(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm44"));
    setCaption(QStringLiteral("Partnerspiele"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 800, 560);
    setDefaultFont(kArial, -13);
    aufbauen();
    memosAufbauen();
    ActivateOnReturn = false;
    OnActivate = [this] { form44activ(); };
    // However the window closes, it opens again on the options, never on a rule text.
    OnClose = [this] { regelnVerlassen(); };
}

void TForm44::aufbauen()
{
    Button1 = new Button(this, QStringLiteral("zurück"), 648, 488, 97, 48);
    Button1->Cancel = true;
    Button2 = new Button(this, QStringLiteral("&Start"), 336, 488, 97, 48);
    Button4 = new Button(this, QStringLiteral("&Anleitung lesen"), 456, 400, 177, 57);
    for (Button* b : { Button1, Button2, Button4 })
        applyFont(b, kArial, -16);

    titelpanel = new Panel(this, 304, 16, 457, 49);
    applyFont(titelpanel, kArial, 24);

    Panel1 = new Panel(this, 304, 104, 457, 105);
    Label2 = new Label(Panel1, QStringLiteral("Spielernamen eingeben:"), 16, 12);
    applyFont(Label2, kArial, -16);
    Edit1 = new Edit(Panel1, 16, 52, 177, 33, QStringLiteral("ROT"));
    Label3 = new Label(Panel1, QStringLiteral("gegen"), 208, 58);
    Edit2 = new Edit(Panel1, 264, 52, 177, 33, QStringLiteral("BLAU"));
    for (QWidget* w : { static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Label3), static_cast<QWidget*>(Edit2) })
        applyFont(w, kArial, -19);
    Edit1->setMaxLength(10);
    Edit2->setMaxLength(10);

    Panel2 = new Panel(this, 16, 16, 273, 465);
    Label4 = new Label(Panel2, QStringLiteral("Rechenart wählen:"), 16, 12);
    applyFont(Label4, kArial, -16);
    ListBox2 = new ListBox(Panel2, 16, 40, 241, 409);
    applyFont(ListBox2, kArial, -16);
    ListBox2->setItemHeight(22);
    ListBox2->setItems({ QStringLiteral(" ergänzen zur     10"), QStringLiteral("      \"       zur   100"),
        QStringLiteral("      \"       zur 1000"), QStringLiteral(" verdoppeln   (Raum 100)"),
        QStringLiteral(" halbieren      (Raum 100)"), QStringLiteral(" Malaufgaben finden"),
        QStringLiteral(" plus       (Raum     20)"), QStringLiteral("   \"          (Raum   100)"),
        QStringLiteral("   \"          (Raum 1000)"), QStringLiteral(" minus    (Raum     20)"),
        QStringLiteral("   \"          (Raum   100)"), QStringLiteral("   \"          (Raum 1000)"),
        QStringLiteral(" mal                  2 ... 10"), QStringLiteral("   \"                11 ... 19"),
        QStringLiteral("   \"                20 ... 99"), QStringLiteral(" durch               2 ... 10"),
        QStringLiteral("   \"                  11 ... 19"), QStringLiteral("   \"                  20 ... 99 ") });

    Regel_vg100 = new GroupBox(this, QString(), 304, 224, 457, 137);
    RadioGroup1 = new RadioGroup(Regel_vg100, QString(), 8, 16, 33, 113);
    RadioGroup1->setItems({ QString(), QString() });
    RadioGroup1->setItemIndex(1);
    const QStringList regeltexte { QStringLiteral("'sanfte' Regel:  wer ein besetztes Feld wählt, "),
        QStringLiteral("bleibt am Zug."), QStringLiteral("'scharfe' Regel:  wer ein besetztes Feld wählt, "),
        QStringLiteral("bringt den Gegner zum Zug.") };
    for (int i = 0; i < 4; ++i) {
        auto* l = new Label(Regel_vg100, regeltexte[i], 48, 24 + 24 * i + (i >= 2 ? 16 : 0));
        applyFont(l, kArial, -16);
    }

    abraumregel = new RadioGroup(this, QString(), 304, 232, 457, 129);
    applyFont(abraumregel, kArial, 24);
    abraumregel->setItems({ QStringLiteral("  wer abräumen  k a n n , gewinnt  "),
        QStringLiteral("  wer abräumen  m u s s , verliert") });

    startziel = new Panel(this, 304, 216, 457, 169);
    Richtung = new RadioGroup(startziel, QString(), 8, 8, 233, 81);
    applyFont(Richtung, kArial, -16);
    Richtung->setItems({ QStringLiteral("   vorwärts zum Ziel"), QStringLiteral("   rückwärts zum Ziel") });
    Label8 = new Label(startziel, QStringLiteral("Start:  (0...10)"), 256, 29);
    Label9 = new Label(startziel, QStringLiteral("Ziel:  (40 ... 50)"), 256, 69);
    edit3 = new Edit(startziel, 400, 24, 41, 29, QStringLiteral("7"));
    Edit4 = new Edit(startziel, 400, 64, 41, 29, QStringLiteral("45"));
    for (QWidget* w : { static_cast<QWidget*>(Label8), static_cast<QWidget*>(Label9), static_cast<QWidget*>(edit3),
             static_cast<QWidget*>(Edit4) })
        applyFont(w, kArial, -16);
    edit3->setMaxLength(2);
    Edit4->setMaxLength(2);
    gegenpcdumm = new CheckBox(startziel, QStringLiteral("Spiel gegen einen dummen Computer"), 16, 104, 425, 25);
    gegenpcschlau = new CheckBox(startziel, QStringLiteral("Spiel gegen einen schlauen Computer"), 16, 134, 425, 25);
    applyFont(gegenpcdumm, kArial, -16);
    applyFont(gegenpcschlau, kArial, -16);

    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    Edit1->OnChange = [this] { spielername1 = Edit1->text(); };
    Edit2->OnChange = [this] { spielername2 = Edit2->text(); };
    ListBox2->OnClick = [this] { spieloption = byte(std::max(0, ListBox2->ItemIndex())); };
    RadioGroup1->OnClick = [this] { variante = RadioGroup1->ItemIndex(); };
    abraumregel->OnClick = [this] { spieloption = byte(std::max(0, abraumregel->ItemIndex())); };
    gegenpcdumm->OnClick = [this] { gegenpcClick(gegenpcdumm, gegenpcschlau, 1); };
    gegenpcschlau->OnClick = [this] { gegenpcClick(gegenpcschlau, gegenpcdumm, 2); };
    Richtung->OnClick = [this] { RichtungClick(); };
    edit3->OnKeyPress = [](QChar& c) { c = tasten::ziffernfilter(c); };
    Edit4->OnKeyPress = [](QChar& c) { c = tasten::ziffernfilter(c); };
    edit3->OnChange = [this] { zielzahlGeaendert(edit3, zwzahl2); };
    Edit4->OnChange = [this] { zielzahlGeaendert(Edit4, zwzahl3); };
}

void TForm44::memosAufbauen()
{
    Anleitungtic = regelmemo(this, 80, 393, -15,
        { QString(), QStringLiteral("1) Ein Spiel besteht aus 3 bis 6 Sätzen."),
            QStringLiteral("    Sieger ist, wer zuerst 6 Punkte erreicht hat."),
            QStringLiteral("    Bei einem Stand von 6:6 endet das Spiel unentschieden."), QString(),
            QStringLiteral("2) Beim ersten Satz bestimmt der Zufall, wer anfangen darf."),
            QStringLiteral("    Danach darf beginnen, wer verloren hat."), QString(),
            QStringLiteral("3) Lösungen kann man mit der Tastatur oder mit der Maus eingeben."),
            QStringLiteral("    Nach der Eingabe muss man ENTER drücken oder anklicken.."), QString(),
            QStringLiteral("4) Die Eingabe kann man auf Wunsch mit der Rücktaste löschen."), QString(),
            QStringLiteral("5) Die letzte Marke wird nur gesetzt, wenn noch ein Sieger möglich ist."), QString(),
            QStringLiteral("6) Mit ESC kann das Spiel jederzeit abgebrochen werden."), QString(),
            QStringLiteral("                                          Viel Spaß! ") });
    anleitungvg100 = regelmemo(this, 88, 385, -16,
        { QString(), QStringLiteral("1) Ein Spiel besteht aus mindestens 3 und höchstens 5 Sätzen."),
            QStringLiteral("    Sieger ist, wer 3 Sätze gewonnen hat."), QStringLiteral("   "),
            QStringLiteral("2) Beim ersten Satz bestimmt der Zufall, wer anfangen darf."),
            QStringLiteral("    Danach darf beginnen, wer verloren hat."), QString(),
            QStringLiteral("3) Lösungen kann man mit der Tastatur oder mit der Maus eingeben."),
            QStringLiteral("    Nach der Eingabe muss man ENTER drücken oder anklicken.."), QString(),
            QStringLiteral("4) Die Eingabe kann man auf Wunsch mit der Rücktaste löschen."), QString(),
            QStringLiteral("5) Mit ESC kann das Spiel jederzeit abgebrochen werden."), QString(),
            QStringLiteral("                                          Viel Spaß! "), QString() });
    anleitungVGS = regelmemo(this, 80, 393, -16,
        { QString(), QStringLiteral("1) Ein Spiel besteht aus mindestens 3 und höchstens 5 Sätzen."),
            QStringLiteral("    Sieger ist, wer 3 Sätze gewonnen hat."), QStringLiteral("    "),
            QStringLiteral("2) Beim ersten Satz bestimmt der Zufall, wer anfangen darf."),
            QStringLiteral("     Danach darf beginnen, wer verloren hat."), QString(), QStringLiteral("3)  Eingabe:"),
            QStringLiteral("     Pfeil rechts und Pfeil links schieben den Stein über den "),
            QStringLiteral("     gewünschten Schlitz."),
            QStringLiteral("     Pfeil runter (oder ENTER) lassen den Stein fallen."), QString(),
            QStringLiteral("4) Ein volles Spielfeld ohne 4er bringt keine Punkte."),
            QStringLiteral("     Aber: danach darf der andere neu beginnen."), QString(),
            QStringLiteral("5) Wer allein beide Farben spielt, sollte - in eigenem Interesse - "),
            QStringLiteral("    ehrlich und mit Überlegung spielen!"), QString(),
            QStringLiteral("6) Mit ESC kann das Spiel jederzeit abgebrochen werden."), QString(),
            QStringLiteral("                                          Viel Spaß! "), QStringLiteral(" ") });
    anleitung15g = regelmemo(this, 80, 393, -16,
        { QString(), QStringLiteral("   15 gewinnt    ( 3 Zahlen in einer ''Bingo''-Reihe ergeben 15 )"),
            QStringLiteral("   "), QStringLiteral("   1) Ein Spiel besteht aus 3 bis 6 Sätzen."),
            QStringLiteral("       Sieger ist, wer zuerst 6 Punkte erreicht hat."),
            QStringLiteral("       Bei einem Stand von 6:6 endet das Spiel unentschieden."), QString(),
            QStringLiteral("   2) Der Zufall bestimmt, wer anfängt "),
            QStringLiteral("       und mit den ungeraden Steinen spielt."), QString(),
            QStringLiteral("   3) Zuerst wählt man ein  freies Feld aus."),
            QStringLiteral("       Diese Wahl kann man korrigieren."),
            QStringLiteral("       Dann setzt man einen seiner Steine darauf."),
            QStringLiteral("       Gesetzte Steine kann man nicht mehr verschieben."), QStringLiteral(" "),
            QStringLiteral("   4) Falls vorher noch keiner gewonnen hat, wird der letzte Stein"),
            QStringLiteral("       automatisch auf das letzte freie Feld gesetzt, "), QStringLiteral("       "),
            QStringLiteral(" "), QStringLiteral("                                           Viel Spaß und Erfolg!"),
            QString() });
    anleitungabr = regelmemo(this, 80, 393, -16,
        { QStringLiteral("1) Ein Spiel besteht aus mindestens 3 und höchstens 5 Sätzen."),
            QStringLiteral("    Sieger ist, wer 3 Sätze gewonnen hat."), QStringLiteral("    "),
            QStringLiteral("2) Beim ersten Satz bestimmt der Zufall, wer anfangen darf."),
            QStringLiteral("    Danach darf beginnen, wer verloren hat."), QString(),
            QStringLiteral("3) Wer am Zug ist, darf aus einer Reihe (waagerecht oder senkrecht)"),
            QStringLiteral("    so viele Steine abräumen wie er will  (1 oder 2 oder 3)."),
            QStringLiteral("    Dazu klickt er auf die Zahlen der Spielmarken."), QString(),
            QStringLiteral("4) Mit einem Click auf 'fertig' beendet er seinen Spielzug,"),
            QStringLiteral("    und der Gegner kommt an die Reihe."), QString(),
            QStringLiteral("5) Rechts und links kann man sehen, wer welche Steine entfernt hat."),
            QStringLiteral("    Das kann helfen, um später Fehler zu vermeiden."), QString(),
            QStringLiteral("6) Mit ESC kann das Spiel jederzeit abgebrochen werden."), QString(),
            QStringLiteral("                                          Viel Spaß! ") });
    anleitungziel = regelmemo(this, 80, 393, -13,
        { QStringLiteral("1) Ein Spiel besteht aus mindestens 3 und höchstens 5 Sätzen."),
            QStringLiteral("     Sieger ist, wer 3 Sätze gewonnen hat."), QStringLiteral("    "),
            QStringLiteral("2) Beim ersten Satz bestimmt der Zufall, wer anfangen darf."),
            QStringLiteral("     Danach darf beginnen, wer verloren hat."),
            QStringLiteral("     Der Beginner hat zunächst  i m m e r  eine Chance zu gewinnen."),
            QStringLiteral("     Beim Spiel gegen den PC beginnt deshalb stets der Spieler."),
            QStringLiteral("     Der 'dumme' Computer lässt dem Spieler mehrere Züge lang eine "),
            QStringLiteral("     Gewinnchance,  der 'schlaue' dagegen wird immer gewinnen, "),
            QStringLiteral("     wenn der Spieler einen ungeschickten ersten Spielzug macht."), QString(),
            QStringLiteral("3) Welche Sprungweite maximal erlaubt ist, bestimmt zu Beginn "),
            QStringLiteral("     eines neuen Spieles der Zufall."),
            QStringLiteral("     Wer am Zug ist, tippt seine Sprungweite ein. Diese Auswahl kann"),
            QStringLiteral("     man nicht korrigieren. Also: vorher überlegen!"),
            QStringLiteral("     Die erreichte Position wird automatisch errechnet und angezeigt"),
            QStringLiteral("     und ist damit der neue Ausgangswert für den Spielpartner."), QString(),
            QStringLiteral("4) Die Zielmarke muss mit einem gültigen Sprung  g e n a u  erreicht "),
            QStringLiteral("    werden;  wer sie überspringt, verspielt seinen Satzsieg."), QStringLiteral("   "),
            QStringLiteral("5) Man sollte versuchen, dem Gegner einen Ausgangswert zu "),
            QStringLiteral("    hinterlassen, von dem aus er das Ziel nicht erreichen kann.") });
}

QList<Memo*> TForm44::memos() const
{
    return { Anleitungtic, anleitungvg100, anleitungVGS, anleitung15g, anleitungabr, anleitungziel };
}

// ---- Handlers ----

void TForm44::abschnittGeladen(const QString& stichwort, bool ausDatei)
{
    // From the file the controls show what was kept; without it, the game takes what the controls show, so
    // that no option another game left behind reaches this one.
    if (stichwort == QLatin1String("tic")) {
        if (ausDatei)
            ListBox2->setItemIndex(spieloption);
        else
            spieloption = byte(std::max(0, ListBox2->ItemIndex()));
    } else if (stichwort == QLatin1String("vg100")) {
        if (ausDatei)
            RadioGroup1->setItemIndex(variante);
        else
            variante = std::max(0, RadioGroup1->ItemIndex());
    } else if (stichwort == QLatin1String("abr9")) {
        if (ausDatei)
            abraumregel->setItemIndex(spieloption);
        else
            spieloption = byte(std::max(0, abraumregel->ItemIndex()));
    } else if (stichwort == QLatin1String("ziel")) {
        if (ausDatei) {
            Richtung->setItemIndex(variante);
            edit3->setText(QString::number(zwzahl2));
            Edit4->setText(QString::number(zwzahl3));
        } else {
            variante = std::max(0, Richtung->ItemIndex());
            spieloption = 0;
            zwzahl2 = edit3->text().isEmpty() ? 0 : StrToInt(edit3->text());
            zwzahl3 = Edit4->text().isEmpty() ? 0 : StrToInt(Edit4->text());
        }
        richtungZeigen();
    }
}

void TForm44::form44activ()
{
    struct Zeile {
        bool kinds, vg100, abraum, ziel;
        QString titel;
    };
    Zeile z {};
    switch (programmcode) {
    case 2:
        z = { false, true, false, false, QStringLiteral("4 gewinnt  (im 100er-Feld)") };
        break;
    case 3:
        z = { true, false, false, false, QStringLiteral("TIC-TAC-TOE // Bingo") };
        break;
    case 17:
        z = { false, false, false, false, QStringLiteral("4 gewinnt   (Spielversion)") };
        break;
    case 24:
        z = { false, false, true, false, QStringLiteral("9er abräumen") };
        break;
    case 25:
        z = { false, false, false, false, QStringLiteral("15 gewinnt   (Bingo)") };
        break;
    case 26:
        z = { false, false, false, true, QStringLiteral("Wer springt ins Ziel?") };
        break;
    default:
        return;
    }
    Panel2->setVisible(z.kinds);
    Regel_vg100->setVisible(z.vg100);
    abraumregel->setVisible(z.abraum);
    startziel->setVisible(z.ziel);
    titelpanel->setCaption(z.titel);
    if (programmcode == 3) ListBox2->setItemIndex(spieloption);
    if (programmcode == 24) abraumregel->setItemIndex(spieloption);
    const bool computer = gegenpcdumm->Checked() || gegenpcschlau->Checked();
    Edit2->setText(programmcode == 17        ? QStringLiteral("GELB")
            : programmcode == 26 && computer ? QStringLiteral("PC")
                                             : QStringLiteral("BLAU"));
    // Every game but the target game can always start; the target game's numbers decide there.
    if (programmcode == 26) {
        zielzahlGeaendert(edit3, zwzahl2);
        zielzahlGeaendert(Edit4, zwzahl3);
    } else {
        Button2->setEnabled(true);
    }
    SetFocus(programmcode == 3 ? static_cast<QWidget*>(ListBox2) : Button2);
}

void TForm44::Button2Click()
{
    spielername1 = Edit1->text();
    spielername2 = Edit2->text();
    const QString wort = sp_haupt::stichwort(programmcode);
    if (!wort.isEmpty()) sp_haupt::abschnittschreiben(wort);
    if (Form* spiel = spielfenster(programmcode)) spiel->showModal();
}

void TForm44::Button1Click()
{
    if (m_regelnOffen) {
        regelnVerlassen();
        return;
    }
    gegenpcdumm->setChecked(false);
    gegenpcschlau->setChecked(false);
    Edit2->setText(QStringLiteral("BLAU"));
    Edit2->setEnabled(true);
    Close();
}

void TForm44::Button4Click()
{
    Memo* memo = nullptr;
    switch (programmcode) {
    case 2:
        memo = anleitungvg100;
        break;
    case 3:
        memo = Anleitungtic;
        Panel2->hide();
        break;
    case 17:
        memo = anleitungVGS;
        break;
    case 24:
        memo = anleitungabr;
        break;
    case 25:
        memo = anleitung15g;
        break;
    case 26:
        memo = anleitungziel;
        break;
    default:
        return;
    }
    m_regelnOffen = true;
    memo->show();
    BringToFront(memo);
    Button2->hide();
}

void TForm44::regelnVerlassen()
{
    if (!m_regelnOffen) return;
    for (Memo* m : memos())
        m->hide();
    Button2->show();
    Button1->show();
    m_regelnOffen = false;
    if (programmcode == 3) Panel2->show();
}

void TForm44::gegenpcClick(CheckBox* box, CheckBox* andere, int modus)
{
    if (box->Checked()) {
        andere->setChecked(false);
        Edit2->setText(QStringLiteral("PC"));
        Edit2->setEnabled(false);
        spieloption = byte(modus);
    } else {
        Edit2->setText(QStringLiteral("BLAU"));
        Edit2->setEnabled(true);
        spieloption = 0;
    }
}

void TForm44::RichtungClick()
{
    variante = Richtung->ItemIndex();
    richtungZeigen();
}

void TForm44::richtungZeigen()
{
    // edit3 always holds the small number and Edit4 the large one; the upper edit is the start.
    const bool rueckwaerts = Richtung->ItemIndex() == 1;
    edit3->move(edit3->x(), rueckwaerts ? 64 : 24);
    Edit4->move(Edit4->x(), rueckwaerts ? 24 : 64);
    Label8->setCaption(rueckwaerts ? QStringLiteral("Start: (40 ... 50)") : QStringLiteral("Start:  (0 ... 10)"));
    Label9->setCaption(rueckwaerts ? QStringLiteral("Ziel:   (0 ... 10)") : QStringLiteral("Ziel:  (40 ... 50)"));
}

void TForm44::zielzahlGeaendert(Edit* feld, int& zahl)
{
    try {
        if (!feld->text().isEmpty()) zahl = StrToInt(feld->text());
    } catch (...) {
        // A number that cannot be read never leaves Start on with the number read before it.
        Button2->setEnabled(false);
        throw;
    }
    Button2->setEnabled(!feld->text().isEmpty() && zwzahl2 >= 0 && zwzahl2 <= 10 && zwzahl3 >= 40 && zwzahl3 <= 50);
}
