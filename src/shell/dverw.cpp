#include "shell/dverw.h"

#include "platform/colors.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw_druck.h"
#include "shell/dverw_logik.h"
#include "shell/klassenliste.h"
#include "shell/sperrwarten.h"

#include <algorithm>
#include <optional>

TForm34::TForm34(QWidget* parent)
    : Form(parent)
{
    aufbauen();
    OnActivate = [this] { dvwactivate(); };
    sperrwarten::anzeigen();

    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    Button5->OnClick = [this] { Button5Click(); };
    ListBox1->OnClick = [this] { ListBox1Click(); };
    ListBox2->OnClick = [this] { ListBox2Click(); };
    Edit1->OnChange = [this] { Edit1Change(); };
    Edit1->OnKeyPress = [this](QChar& key) { edit1keypress(key); };
    Button7->OnClick = [this] { Button7Click(); };
    Button8->OnClick = [this] { Button8Click(); };
    Edit2->OnChange = [this] { Edit2Change(); };
    Edit2->OnKeyPress = [this](QChar& key) { edit2keypress(key); };
    Button11->OnClick = [this] { Button11Click(); };
    Button9->OnClick = [this] { Button9Click(); };
    Button13->OnClick = [this] { Button9Click(); };
    Button6->OnClick = [this] { Button6Click(); };
    Button12->OnClick = [this] { Button12Click(); };
    Button14->OnClick = [this] { Button14Click(); };
    pwedit->OnKeyPress = [this](QChar& key) { pweditkeypress(key); };
    pwedit->OnChange = [this] { pweditChange(); };
    Button10->OnClick = [this] { Button10Click(); };
}

void TForm34::aufbauen()
{
    setCaption(QStringLiteral("Dateiverwaltung"));
    setDesignGeometry(0, 0, 784, 600);
    setPosition(FormPosition::ScreenCenter);
    setMaximized(true);

    Klassenlisten = new Panel(this, 16, 16, 401, 273);
    Label1 = new Label(Klassenlisten, QStringLiteral("Klassenlisten"), 32, 32);
    applyFont(Label1, QStringLiteral("Arial"), -19);
    Button1 = new Button(Klassenlisten, QStringLiteral("eine Liste anlegen"), 224, 25, 145, 35);
    Button4 = new Button(Klassenlisten, QStringLiteral("eine Liste drucken"), 32, 92, 145, 35);
    Button5 = new Button(Klassenlisten, QStringLiteral("eine Liste löschen"), 224, 92, 145, 35);
    setHint(Button5,
        QStringLiteral("!!! Achtung!!!   Dieser Klick löscht die Liste und alle zugehörigen Ordner   !!! Achtung !!!"));
    setShowHint(Button5, true);
    setTabStop(Button5, false);
    Button3 = new Button(Klassenlisten, QStringLiteral("in einer Liste einen Namen ändern"), 32, 153, 337, 35);
    Button2 = new Button(Klassenlisten, QStringLiteral("einer Liste einen Namen hinzufügen"), 32, 218, 337, 35);

    Protokolle1 = new Panel(this, 624, 16, 150, 273);
    Label2 = new Label(Protokolle1, QStringLiteral("Protokolle (FA)"), 16, 16);
    applyFont(Label2, QStringLiteral("Arial"), -16);
    Label11 = new Label(
        Protokolle1, QStringLiteral("Bitte arbeiten Sie mit dem Dateimanager und einem Texteditor."), 16, 56);
    Label11->setAutoSize(false);
    place(Label11, 16, 56, 118, 96);
    Label11->setWordWrap(true);

    vorh_Listen = new Panel(this, 432, 16, 170, 273);
    vorh_Listen->hide();
    Label10 = new Label(vorh_Listen, QStringLiteral("Liste?"), 16, 10);
    ListBox1 = new ListBox(vorh_Listen, 16, 32, 137, 193);
    ListBox1->setSorted(true);
    ListBox1->setChoiceActs(true);
    Button6 = new Button(vorh_Listen, QStringLiteral("abbrechen"), 16, 232, 137, 30);
    Button6->Cancel = true;

    // The name choice stands over the protocols' note, right of the panel the chosen name is changed in, which
    // opens beside it: so its list can grow down past its given height to show a class whole, as far as the "Ende"
    // button leaves room.
    namenbox = new Panel(this, 624, 16, 170, 273);
    namenbox->hide();
    Label14 = new Label(namenbox, QStringLiteral("welchen Namen?"), 16, 10);
    ListBox2 = new ListBox(namenbox, 16, 32, 137, 193);
    ListBox2->setChoiceActs(true);
    Button12 = new Button(namenbox, QStringLiteral("abbrechen"), 16, 232, 137, 30);
    Button12->Cancel = true;

    voll = new Panel(this, 632, 16, 169, 273);
    voll->hide();
    Label15 = new Label(voll, QStringLiteral("Die Liste ist voll."), 32, 96);
    applyFont(Label15, QStringLiteral("Arial"), -16);
    Button14 = new Button(voll, QStringLiteral("o.k."), 40, 200, 89, 33);
    Button14->Default = true;

    Nameneingabe = new Panel(this, 16, 312, 593, 161);
    Nameneingabe->hide();
    Label5 = new Label(
        Nameneingabe, QStringLiteral("In einer Liste sind max. 40 Namen mit jeweils max. 35 Zeichen erlaubt."), 16, 12);
    Label6 = new Label(Nameneingabe, QStringLiteral("1. Name:"), 16, 54);
    applyFont(Label6, QStringLiteral("Arial"), -16);
    Edit1 = new Edit(Nameneingabe, 104, 48, 473, 31);
    Edit1->setMaxLength(dverw::kMaxNamenlaenge);
    applyFont(Edit1, QStringLiteral("Arial"), -19);
    // A list's line keeps in UTF-8 what Windows-1252 has no letter for.
    Edit1->setWindows1252Only(false);
    namenhinweis = new Label(Nameneingabe, QString(), 16, 84);
    setFontColor(namenhinweis, clRed);
    namenhinweis->hide();
    Button7 = new Button(Nameneingabe, QStringLiteral("weiter"), 104, 104, 105, 33);
    Button8 = new Button(Nameneingabe, QStringLiteral("Liste speichern"), 224, 104, 121, 33);
    Button9 = new Button(Nameneingabe, QStringLiteral("abbrechen ohne zu speichern"), 376, 104, 201, 33);
    Button9->Cancel = true;

    Listenname = new Panel(this, 16, 312, 593, 161);
    Listenname->hide();
    Label7 = new Label(Listenname,
        QStringLiteral("Der Name der Liste darf nicht schon vorhanden sein. Seine maximale Länge ist 7 gültige "
                       "Zeichen. Vorschlag: benennen Sie die Liste der Klasse 1b, welche 2003 eingeschult wurde, "
                       "mit  03_1b  oder  1b_03 ."),
        16, 8);
    Label7->setAutoSize(false);
    place(Label7, 16, 8, 561, 44);
    Label7->setWordWrap(true);
    Label8 = new Label(Listenname, QStringLiteral("Name der Liste (der Klasse):"), 16, 70);
    Edit2 = new Edit(Listenname, 184, 64, 105, 29);
    Edit2->setMaxLength(dverw::kMaxListennamenlaenge);
    applyFont(Edit2, QStringLiteral("Arial"), -19);
    Label9 = new Label(Listenname, QStringLiteral("dieser Name existiert schon"), 304, 70);
    setFontColor(Label9, clRed);
    Label9->hide();
    Button11 = new Button(Listenname, QStringLiteral("Name der Liste speichern"), 16, 112, 185, 33);
    Button13 = new Button(Listenname, QStringLiteral("abbrechen ohne zu speichern"), 376, 112, 201, 33);
    Button13->Cancel = true;

    passwort = new Panel(this, 16, 488, 593, 57);
    Label12 = new Label(passwort, QStringLiteral("Passwort ändern:"), 16, 18);
    applyFont(Label12, QStringLiteral("Arial"), -19);
    pwedit = new Edit(passwort, 228, 16, 129, 26, QStringLiteral("********"));
    pwedit->setMaxLength(dverw::kMaxPasswortlaenge);
    Label13 = new Label(passwort, QStringLiteral("(max. 8 Zeichen)"), 372, 22);

    Button10 = new Button(this, QStringLiteral("Ende"), 660, 491, 100, 40);
    Button10->Cancel = true;
    constexpr int kNamenzeilen = 15;
    constexpr int kAbstand = 8;
    const int namenboxUnten = namenbox->y() + namenbox->height();
    ListBox2->growForRows(
        kNamenzeilen, [this, namenboxUnten] { return Button10->y() - kAbstand - namenboxUnten; }, { Button12 });

    meldung = new Label(this, QString(), 16, 556);
    // Its width is given; it grows down to every line of its message, which names the data folder.
    place(meldung, 16, 556, 744, 40);
    meldung->setWordWrap(true);
    setFontColor(meldung, clRed);
    meldung->hide();
    fortschritt = new Label(this, QString(), 16, 556);
    place(fortschritt, 16, 556, 744, 40);
    fortschritt->setWordWrap(true);
    fortschritt->hide();
}

// ---- Handlers ----

void TForm34::dvwactivate()
{
    vorh_Listen->hide();
    Listenname->hide();
    namenbox->hide();
    Nameneingabe->hide();
    Protokolle1->show();
    passwort->show();
    Klassenlisten->show();
    // A window closed by its close box in the middle of a mode would otherwise open with the five locked.
    fuenfKnoepfe(true);
    meldung->hide();
    m_endeTrotzFehler = false;
    m_blick.vergessen();
    // The edit keeps its text between openings, and a change of an earlier opening was written by its "Ende".
    m_passwortGeaendert = false;
    namenzahl = 0;
    Label6->setCaption(QStringLiteral("1. Name:"));
    Button7->setCaption(QStringLiteral("weiter"));
    Button7->setEnabled(false);
    Button8->setEnabled(false);
    SetFocus(Button10);
}

void TForm34::Button1Click()
{
    neuerSchritt();
    verwaltungsmodus = 1;
    for (int i = 1; i <= dverw::kMaxNamen; ++i)
        listenzeilen[i].clear();
    vorh_Listen->hide();
    fuenfKnoepfe(false);
    Nameneingabe->show();
    Edit1->setEnabled(true);
    namenzahl = 1;
    Button7->setCaption(QStringLiteral("weiter"));
    Edit1->clear();
    Edit1Change();
    Label6->setCaption(QStringLiteral("1. Name:"));
    SetFocus(Edit1);
}

void TForm34::Button2Click()
{
    neuerSchritt();
    fuenfKnoepfe(false);
    Label10->setCaption(QStringLiteral("welcher Liste?"));
    verwaltungsmodus = 2;
    namenbox->hide();
    listenanzeigen();
}

void TForm34::Button3Click()
{
    neuerSchritt();
    fuenfKnoepfe(false);
    Label10->setCaption(QStringLiteral("in welcher Liste?"));
    verwaltungsmodus = 3;
    listenanzeigen();
}

void TForm34::Button4Click()
{
    neuerSchritt();
    fuenfKnoepfe(false);
    Label10->setCaption(QStringLiteral("welche Liste drucken?"));
    verwaltungsmodus = 4;
    namenbox->hide();
    listenanzeigen();
}

void TForm34::Button5Click()
{
    neuerSchritt();
    fuenfKnoepfe(false);
    Label10->setCaption(QStringLiteral("welche Liste?"));
    BringToFront(vorh_Listen);
    setShowHint(true);
    verwaltungsmodus = 5;
    listenanzeigen();
}

void TForm34::ListBox1Click()
{
    const int gewaehlt = ListBox1->ItemIndex();
    if (gewaehlt < 0) return;
    neuerSchritt();
    if (verwaltungsmodus >= 4) fuenfKnoepfe(true);
    vorh_Listen->hide();
    aktivliste = ListBox1->itemText(gewaehlt);
    namenzahl = 0;
    m_gelesen.clear();
    m_schueler.clear();
    try {
        m_gelesen = klassenliste::alleZeilen(datpfad, aktivliste);
    } catch (const klassenliste::Beschaedigt& e) {
        // Nothing is read from it or written into it; deleting it is left to the teacher.
        if (verwaltungsmodus != 5) {
            fuenfKnoepfe(true);
            zurWahl();
            reportError(e.message());
            return;
        }
    } catch (...) {
        // Nothing of the mode can go on; the window goes back to its choice of what to do.
        fuenfKnoepfe(true);
        zurWahl();
        QString pfad;
        QString fehler;
        if (klassenliste::ansehen(datpfad, aktivliste, pfad, fehler) == klassenliste::Blick::fehlt) {
            reportError(gibtEsNichtMehr());
            return;
        }
        throw;
    }
    // A blank line is no pupil: it is not offered, not counted and not numbered. Every pupil of a list made by hand
    // is offered, however many it holds; only adding stops at kMaxNamen.
    m_schueler = klassenliste::schuelerzeilen(m_gelesen);
    m_namenindex = 0;
    namenzahl = byte(std::min(int(m_schueler.size()), dverw::kMaxNamen));

    switch (verwaltungsmodus) {
    case 2:
        if (m_schueler.size() < dverw::kMaxNamen && nummerFuer(0) > klassenliste::kMaxNummer) {
            fuenfKnoepfe(true);
            zurWahl();
            const klassenliste::Hoechste hoechste = klassenliste::hoechsteNummer(
                klassenliste::eigeneOrdner(m_gelesen, ordnerlage()), ordnerlage().vorhanden());
            zeigeMeldung(keineNummer(hoechste.zeile, hoechste.ordner));
        } else if (m_schueler.size() < dverw::kMaxNamen) {
            Nameneingabe->show();
            Edit1->setEnabled(true);
            namenzahl = namenzahl + 1;
            Edit1->clear();
            Edit1Change();
            Label6->setCaption(QString::number(nummerFuer(0)) + QStringLiteral(". Name:"));
            SetFocus(Edit1);
        } else {
            voll->show();
            SetFocus(Button14);
        }
        break;
    case 3: {
        namenbox->show();
        QStringList namen;
        for (const QString& zeile : m_schueler)
            namen << klassenliste::name(zeile);
        ListBox2->setItems(namen);
        // A name of up to 35 characters is wider than the box: it shows whole when the mouse rests on it, and in
        // the edit once chosen.
        for (int i = 0; i < ListBox2->count(); ++i)
            ListBox2->item(i)->setToolTip(ListBox2->item(i)->text());
        ListBox2->focusFirstItem();
        break;
    }
    case 4:
        listedrucken();
        zurWahl();
        break;
    case 5:
        listeloeschen();
        zurWahl();
        break;
    default:
        break;
    }
}

void TForm34::ListBox2Click()
{
    const int gewaehlt = ListBox2->ItemIndex();
    if (gewaehlt < 0 || gewaehlt >= m_schueler.size()) return;
    neuerSchritt();
    m_namenindex = gewaehlt + 1;
    Nameneingabe->show();
    Edit1->setText(klassenliste::name(m_schueler.at(gewaehlt)));
    Edit1Change();
    Label6->setCaption(QString::number(nummerFuer(m_namenindex)) + QStringLiteral(". Name:"));
    SetFocus(Edit1);
}

void TForm34::Edit1Change()
{
    m_zeichenSeitAenderung = 0;
    const QString text = Edit1->text();
    const bool gueltig = dverw::schuelernameGueltig(text);
    zeichenhinweisZeigen();
    switch (verwaltungsmodus) {
    case 1:
        if (namenzahl > dverw::kMaxNamen) {
            Button7->setEnabled(false);
            Button7->setCaption(QStringLiteral("Liste ist voll"));
            Button8->setEnabled(true);
            return;
        }
        listenzeilen[namenzahl] = dverw::listenzeile(namenzahl, text);
        Button7->setEnabled(gueltig);
        // While a name is being typed the list cannot be saved without it; with the edit empty again the
        // names confirmed so far can be.
        Button8->setEnabled(text.isEmpty() && namenzahl > 1);
        break;
    case 2:
        listenzeilen[namenzahl] = dverw::listenzeile(nummerFuer(0), text);
        Button7->setEnabled(false);
        Button8->setEnabled(gueltig);
        break;
    case 3:
        Button7->setEnabled(false);
        Button8->setEnabled(gueltig);
        break;
    default:
        break;
    }
}

void TForm34::edit1keypress(QChar& key)
{
    if (key == QChar(8)) return;
    // Enter is a key, not a character typed into the name: nothing was refused, and nothing is said.
    if (key == QChar(13)) {
        key = QChar();
        return;
    }
    if (!dverw::namenzeichen(key)) {
        // Said, not dropped without a word: the teacher would else save a name she did not type.
        m_abgewiesen += key;
        zeichenhinweisZeigen();
        key = QChar();
        return;
    }
    if (key == u' ' && Edit1->text().isEmpty() && m_zeichenSeitAenderung == 0) {
        key = QChar();
        return;
    }
    ++m_zeichenSeitAenderung;
}

void TForm34::zeichenhinweisZeigen()
{
    // A name chosen to be changed may hold what a name may not (a line typed by hand): "Liste speichern" stays off,
    // and the note says why.
    const QString imNamen = dverw::fremdeZeichen(Edit1->text());
    const QString text = dverw::zeichenhinweis(dverw::fremdeZeichen(imNamen + m_abgewiesen), !imNamen.isEmpty());
    // A caption's "&" marks a key; the one refused is shown.
    namenhinweis->setCaption(QString(text).replace(u'&', QStringLiteral("&&")));
    namenhinweis->setVisible(!text.isEmpty());
}

void TForm34::zeichenhinweisVergessen()
{
    m_abgewiesen.clear();
    zeichenhinweisZeigen();
}

void TForm34::Button7Click()
{
    if (verwaltungsmodus != 1 || namenzahl > dverw::kMaxNamen || !dverw::schuelernameGueltig(Edit1->text())) return;
    Button7->setEnabled(false);
    listenzeilen[namenzahl] = dverw::listenzeile(namenzahl, Edit1->text());
    nrtext = listenzeilen[namenzahl].left(2);
    namenzahl = namenzahl + 1;
    if (namenzahl > dverw::kMaxNamen)
        voll->show();
    else
        listenzeilen[namenzahl].clear();
    Label6->setCaption(QString::number(namenzahl) + QStringLiteral(". Name:"));
    // The name is taken; what was refused in it is not the next name's.
    m_abgewiesen.clear();
    Edit1->clear();
    Edit1Change();
    SetFocus(Edit1);
}

void TForm34::Button8Click()
{
    if (verwaltungsmodus == 1) {
        if (namenzahl <= 1) return;
        zeichenhinweisVergessen();
        Listenname->show();
        Edit2->clear();
        Edit2Change();
        SetFocus(Edit2);
        return;
    }
    if ((verwaltungsmodus != 2 && verwaltungsmodus != 3) || !dverw::schuelernameGueltig(Edit1->text())) return;
    if (verwaltungsmodus == 3 && (m_namenindex < 1 || m_namenindex > m_schueler.size())) return;
    listendatei = aktivliste + QStringLiteral(".txt");
    // The list is taken as the file holds it now: another PC sharing the data folder may have saved it since it
    // was chosen here.
    const klassenliste::Speicherergebnis ergebnis = verwaltungsmodus == 2
        ? dverw::namenHinzufuegen(datpfad, aktivliste, Edit1->text(), &m_blick)
        : dverw::namenAendern(
            datpfad, aktivliste, m_namenindex, m_schueler.at(m_namenindex - 1), Edit1->text(), &m_blick);
    if (nichtGespeichert(ergebnis)) return;
    meldung->hide();
    zeichenhinweisVergessen();
    if (ergebnis.art == klassenliste::Speicherung::voll) {
        Nameneingabe->hide();
        voll->show();
        SetFocus(Button14);
        return;
    }
    fuenfKnoepfe(true);
    Nameneingabe->hide();
    namenbox->hide();
    zurWahl();
    // Saving again would meet the same lines; the list chosen anew shows what the other PC saved.
    if (ergebnis.art == klassenliste::Speicherung::anderswoGeaendert)
        reportError(QStringLiteral("Die Liste %1 wurde inzwischen an einem anderen Rechner geändert. "
                                   "Es wurde nichts gespeichert. Bitte wählen Sie die Liste noch einmal.")
                        .arg(aktivliste.str()));
    else if (ergebnis.art == klassenliste::Speicherung::geloescht)
        reportError(gibtEsNichtMehr()
            + QStringLiteral(" Es wurde nichts gespeichert. Wählen Sie eine andere Liste, oder legen Sie die Liste mit "
                             "„eine Liste anlegen“ neu an."));
}

void TForm34::Edit2Change()
{
    aktivliste = Edit2->text();
    const QString vorher = m_listenUnlesbar;
    listennamepruefen();
    // A name is free only where the lists could be looked through.
    if (!m_listenUnlesbar.isEmpty())
        zeigeMeldung(m_listenUnlesbar);
    else if (!vorher.isEmpty() && meldung->caption() == vorher)
        meldung->hide();
    if (dverw::listennameGueltig(Edit2->text()) && listevorhanden == 0 && m_listenUnlesbar.isEmpty()) {
        Button11->setEnabled(true);
        Label9->hide();
    } else {
        Button11->setEnabled(false);
        Label9->setVisible(listevorhanden == 1);
    }
}

void TForm34::edit2keypress(QChar& key)
{
    if (key != QChar(8) && !dverw::listennamenzeichen(key)) key = QChar();
}

void TForm34::Button11Click()
{
    if (verwaltungsmodus != 1 || namenzahl <= 1 || !dverw::listennameGueltig(Edit2->text())) return;
    aktivliste = Edit2->text();
    listendatei = klassenliste::dateiname(aktivliste);
    // The pending, not yet confirmed line is dropped.
    QStringList zeilen;
    for (int i = 1; i < namenzahl; ++i)
        zeilen << listenzeilen[i];
    const klassenliste::Speicherergebnis ergebnis = dverw::listeAnlegen(datpfad, aktivliste, zeilen);
    if (ergebnis.art == klassenliste::Speicherung::vorhanden) {
        // Another PC sharing the data folder made a list of this name since it was typed here.
        listevorhanden = 1;
        Button11->setEnabled(false);
        Label9->show();
        return;
    }
    if (nichtGespeichert(ergebnis)) return;
    meldung->hide();
    namenzahl = namenzahl - 1;
    fuenfKnoepfe(true);
    Listenname->hide();
    voll->hide();
    Nameneingabe->hide();
    zurWahl();
}

void TForm34::Button9Click()
{
    neuerSchritt();
    fuenfKnoepfe(true);
    namenbox->hide();
    Nameneingabe->hide();
    Listenname->hide();
    zurWahl();
}

void TForm34::Button6Click()
{
    neuerSchritt();
    vorh_Listen->hide();
    fuenfKnoepfe(true);
    zurWahl();
}

void TForm34::Button12Click()
{
    neuerSchritt();
    namenbox->hide();
    Nameneingabe->hide();
    fuenfKnoepfe(true);
    zurWahl();
}

void TForm34::Button14Click()
{
    neuerSchritt();
    voll->hide();
    fuenfKnoepfe(true);
    zurWahl();
}

void TForm34::pweditkeypress(QChar& key)
{
    if (key != QChar(8) && !dverw::passwortzeichen(key)) key = QChar();
}

void TForm34::pweditChange()
{
    adminpasswort = pwedit->text();
    m_passwortGeaendert = true;
}

void TForm34::Button10Click()
{
    // Left untouched, "dw.ina" keeps what it holds: a password another PC set meanwhile must not be put back by
    // one that was only read here.
    QString fehler;
    if (m_passwortGeaendert && !dverw::dwinaSchreiben(datpfad, adminpasswort, fehler) && !m_endeTrotzFehler) {
        zeigeMeldung(QStringLiteral("Das Passwort konnte nicht gespeichert werden: %1 "
                                    "Noch einmal „Ende“ schließt das Fenster trotzdem.")
                         .arg(fehler));
        m_endeTrotzFehler = true;
        return;
    }
    fuenfKnoepfe(true);
    Protokolle1->hide();
    passwort->hide();
    Klassenlisten->hide();
    Nameneingabe->hide();
    voll->hide();
    Listenname->hide();
    namenbox->hide();
    vorh_Listen->hide();
    zeichenhinweisVergessen();
    if (OnEnde) OnEnde();
    Close();
}

// ---- Routines ----

void TForm34::listenanzeigen()
{
    listenzahl = 0;
    const klassenliste::Suche suche = klassenliste::suchen(datpfad);
    if (suche.unlesbar) {
        // No choice to offer: an empty one would read as a folder without lists.
        ListBox1->clear();
        vorh_Listen->hide();
        fuenfKnoepfe(true);
        zeigeMeldung(suche.meldung);
        zurWahl();
        return;
    }
    // Every list is offered; the shared table keeps what fits.
    for (const QString& name : suche.namen.mid(0, klassenliste::kMaxListen))
        listennamen[listenzahl++] = name;
    vorh_Listen->show();
    ListBox1->clear();
    for (const QString& name : suche.namen)
        ListBox1->add(name);
    ListBox1->focusFirstItem();
    // A file a teacher made under a name no list can have would otherwise be missed without a word. What a
    // deletion just said goes first.
    if (!suche.ausgelassen.isEmpty() && meldung->isHidden())
        zeigeMeldung(klassenliste::ausgelassenMeldung(suche.ausgelassen));
}

void TForm34::listennamepruefen()
{
    listendatei = klassenliste::dateiname(aktivliste);
    const klassenliste::Namenspruefung pruefung = klassenliste::namepruefen(datpfad, aktivliste);
    listevorhanden = pruefung == klassenliste::Namenspruefung::vorhanden ? 1 : 0;
    m_listenUnlesbar.clear();
    if (pruefung == klassenliste::Namenspruefung::unlesbar) m_listenUnlesbar = klassenliste::suchen(datpfad).meldung;
}

bool TForm34::nichtGespeichert(const klassenliste::Speicherergebnis& ergebnis)
{
    // The entry stays open with what was typed, so that nothing is lost and saving can be tried again.
    if (ergebnis.art == klassenliste::Speicherung::fehler) {
        speicherfehler(ergebnis.fehler);
        return true;
    }
    if (ergebnis.art == klassenliste::Speicherung::nurLesbar) {
        zeigeMeldung(klassenliste::nurLesbarMeldung(datpfad));
        return true;
    }
    if (ergebnis.art == klassenliste::Speicherung::beschaedigt) {
        zeigeMeldung(ergebnis.fehler);
        return true;
    }
    if (ergebnis.art == klassenliste::Speicherung::keineNummer) {
        zeigeMeldung(keineNummer(ergebnis.zeile, ergebnis.ordner));
        return true;
    }
    if (ergebnis.art == klassenliste::Speicherung::gesperrt) {
        // The lock says only that the list is in use: a save or a deletion on another PC, or a PC that went down
        // while it held it and whose lock is not old enough yet to be taken over.
        zeigeMeldung(QStringLiteral("Die Liste %1 wird gerade bearbeitet. Es wurde nichts gespeichert; was Sie "
                                    "eingegeben haben, bleibt stehen. Bitte versuchen Sie es gleich noch einmal.")
                         .arg(aktivliste.str()));
        return true;
    }
    return false;
}

QString TForm34::keineNummer(const QString& zeile, const QString& ordner) const
{
    // A line a teacher began with a year or another long number (a title such as "2024 Klasse 3a") stands past every
    // number of two digits: it is named, so that it can be mended.
    if (klassenliste::nummer(zeile) > klassenliste::kMaxNummer)
        return QStringLiteral("In der Liste %1 ist keine Nummer mehr frei: die Zeile „%2“ beginnt mit einer Zahl von "
                              "mehr als zwei Ziffern; ein neuer Name bekommt eine höhere Nummer als jede Zeile, und "
                              "die lässt sich nicht mit zwei Ziffern schreiben. Es wurde nichts gespeichert. Bitte "
                              "öffnen Sie die Datei „%3“ mit "
                              "einem Texteditor und löschen Sie diese Zeile, wenn sie keinen Schüler nennt, oder "
                              "schreiben Sie an ihren Anfang eine Nummer mit zwei Ziffern, die noch keine andere "
                              "Zeile hat.")
            .arg(aktivliste.str(), zeile, files::resolve(klassenliste::pfad(datpfad, aktivliste)));
    // A folder left by a pupil removed by hand keeps its number from a new pupil, who would get its protocols.
    const QString wo = zeile.isEmpty()
        ? QStringLiteral("Ordner „%1“ eines Schülers, der nicht mehr in der Liste steht").arg(ordner)
        : QStringLiteral("Zeile „%1“").arg(zeile);
    return QStringLiteral(
        "In der Liste %1 ist keine Nummer mehr frei: ihre Nummern reichen schon bis %2 (%3), und eine "
        "Nummer hat zwei Ziffern. Ein weiterer Name wird nicht gespeichert; für weitere Schüler legen "
        "Sie bitte eine neue Liste an.")
        .arg(aktivliste.str())
        .arg(klassenliste::kMaxNummer)
        .arg(wo);
}

int TForm34::nummerFuer(int index)
{
    // A new pupil gets the next number that no pupil and no pupil's folder has. A pupil whose name is changed keeps
    // the number his line is written with, once it names his own folder, and a line without one is shown by its
    // place.
    const klassenliste::Ordnerlage lage = ordnerlage();
    const QStringList eigen = klassenliste::eigeneOrdner(m_gelesen, lage);
    if (index == 0) return klassenliste::naechsteNummer(eigen, lage.vorhanden());
    const int nummer = klassenliste::nummer(klassenliste::schuelerzeilen(eigen).value(index - 1));
    return nummer >= 1 && nummer <= klassenliste::kMaxNummer ? nummer : index;
}

klassenliste::Ordnerlage TForm34::ordnerlage()
{
    // The numbers of the pupils' folders count for a new pupil's number, also those of pupils removed by hand.
    return m_blick.lage(datpfad, aktivliste, m_schueler);
}

QString TForm34::gibtEsNichtMehr() const
{
    return QStringLiteral("Die Liste %1 gibt es nicht mehr: sie wurde inzwischen gelöscht.").arg(aktivliste.str());
}

void TForm34::speicherfehler(const QString& fehler)
{
    // The reason is a clause of its own, from the file step or the check of the lines; the sentence ends with it.
    const QString satz = fehler.endsWith(u'.') ? fehler : fehler + u'.';
    zeigeMeldung(QStringLiteral("Die Liste %1 konnte nicht gespeichert werden: %2").arg(aktivliste.str(), satz));
}

void TForm34::listedrucken()
{
    dverw::drucken(dverw::listenblaetter(aktivliste, m_schueler));
}

void TForm34::listeloeschen()
{
    // On a share a list of a whole class takes seconds: the window says how far it has got, with the wait cursor.
    std::optional<sperrwarten::Warten> warten;
    const dverw::Loeschergebnis ergebnis = dverw::listeLoeschen(datpfad, aktivliste, [&](const QString& text) {
        if (!warten) warten.emplace();
        fortschritt->setCaption(text);
        fortschritt->show();
        warten->weiter();
    });
    fortschritt->hide();
    warten.reset();
    if (ergebnis.aktivlisteAufgehoben) aktivliste = QStringLiteral("ohne");
    if (ergebnis.meldung.isEmpty())
        meldung->hide();
    else
        zeigeMeldung(ergebnis.meldung);
    if (!ergebnis.geloescht) return;
    ListBox1->clear();
    listenanzeigen();
}

void TForm34::fuenfKnoepfe(bool an)
{
    for (Button* b : { Button1, Button2, Button3, Button4, Button5 })
        b->setEnabled(an);
}

void TForm34::zurWahl()
{
    // The panel that held the focus is gone; left to itself the focus would fall into the password edit with
    // its text selected, and the next key typed would replace the password.
    SetFocus(Button10);
}

void TForm34::neuerSchritt()
{
    // A message belongs to the step it reports, and so does a refused character to the name it was typed into.
    meldung->hide();
    zeichenhinweisVergessen();
}

void TForm34::zeigeMeldung(const QString& text)
{
    meldung->setCaption(text);
    meldung->show();
}
