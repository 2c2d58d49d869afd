#include "shell/tav_i.h"

#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/folders.h"
#include "platform/mousetrap.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/dverw_logik.h"
#include "shell/fenster.h"
#include "shell/klassenliste.h"
#include "shell/tav_i_logik.h"

#include <QScrollBar>

#include <algorithm>

namespace {
template <typename T> T* benannt(T* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

Button* grosserKnopf(QWidget* parent, const char* name, const QString& caption, int left, int top, int width)
{
    auto* b = benannt(new Button(parent, caption, left, top, width, 40), name);
    applyFont(b, QStringLiteral("Arial"), -19);
    setFontColor(b, clRed);
    setHandCursor(b);
    return b;
}
} // namespace

TForm1::TForm1(QWidget* parent)
    : Form(parent)
{
    aufbauen();
    OnActivate = [this] { F1aktiv(); };
    OnClose = [this] { alleszu(); };
}

void TForm1::aufbauen()
{
    setObjectName(QStringLiteral("Form1"));
    setCaption(QStringLiteral("TAVI"));
    setPosition(FormPosition::ScreenCenter);
    setMaximized(true);
    setClientSize(1024, 740);
    setDefaultFont(QStringLiteral("MS Sans Serif"), -11);

    Button1 = grosserKnopf(this, "Button1", QStringLiteral("&Hilfen"), 480, 168, 249);
    Button4 = grosserKnopf(this, "Button4", QStringLiteral("&Spiele"), 480, 251, 249);
    Button9 = grosserKnopf(this, "Button9", QStringLiteral("&Fehleranalysen"), 480, 334, 249);
    Button7 = grosserKnopf(this, "Button7", QStringLiteral("&Arbeitsblätter"), 480, 417, 249);
    Button10 = grosserKnopf(this, "Button10", QStringLiteral("Ende"), 644, 491, 100);
    Button10->Cancel = true;
    // The areas open only once the data folder is known.
    for (Button* b : { Button1, Button4, Button9, Button7 })
        b->setEnabled(false);

    Panel1 = benannt(new Panel(this, 8, 8, 761, 129), "Panel1");
    Label9 = benannt(new Label(Panel1, QStringLiteral(" Bitte treffen Sie Ihre Auswahl "), 272, 84), "Label9");
    applyFont(Label9, QStringLiteral("Arial"), -19);
    setColor(Label9, clWhite);

    Panel2 = benannt(new Panel(this, 312, 392, 145, 137), "Panel2");
    Label1 = benannt(new Label(Panel2, QStringLiteral("Passwort eingeben ..."), 8, 8), "Label1");
    Edit1 = benannt(new Edit(Panel2, 8, 32, 129, 28, QStringLiteral("********")), "Edit1");
    Edit1->setMaxLength(8);
    applyFont(Edit1, QStringLiteral("Arial"), -16);
    Label2 = benannt(new Label(Panel2, QStringLiteral("... und nochmals die Verwaltung anklicken"), 8, 72), "Label2");
    Label2->setAutoSize(false);
    Label2->setWordWrap(true);
    place(Label2, 8, 72, 129, 56);
    Panel2->hide();

    kl_Panel = benannt(new Panel(this, 48, 168, 249, 361), "kl_Panel");
    Label5 = benannt(new Label(kl_Panel, QStringLiteral("Klassenlisten"), 16, 8), "Label5");
    applyFont(Label5, QStringLiteral("MS Sans Serif"), -11, FontStyle::Bold);
    Label6 = benannt(new Label(kl_Panel, QStringLiteral("(für Hilfen und Fehleranalysen)"), 16, 28), "Label6");
    Label8 = benannt(new Label(kl_Panel, QStringLiteral("zur Zeit ist aktiviert:"), 8, 56), "Label8");
    Label8->setAutoSize(false);
    Label8->setWordWrap(true);
    place(Label8, 8, 56, 76, 32);
    Label16 = benannt(new Label(kl_Panel, QStringLiteral("..."), 8, 96), "Label16");
    applyFont(Label16, QStringLiteral("Arial"), -21);
    listenwahl = benannt(new ListBox(kl_Panel, 88, 56, 145, 209), "listenwahl");
    listenwahl->setSorted(true);
    listenwahl->setItemHeight(20);
    // A choice here is saved for every PC sharing the data folder at once: moving through it must not.
    listenwahl->setChoiceActs(true);
    RadioButton1 = benannt(
        new RadioButton(kl_Panel, QStringLiteral("Arbeit ohne Klassenliste"), 24, 278, 209, 20), "RadioButton1");
    Button5 = benannt(new Button(kl_Panel, QStringLiteral("Verwaltung"), 24, 313, 193, 40), "Button5");
    applyFont(Button5, QStringLiteral("Arial"), -16);
    setFontColor(Button5, clRed);
    setHandCursor(Button5);
    kl_Panel->hide();
    klinameldung = benannt(new Label(this, QString(), 48, 540), "klinameldung");
    // Its width is given; it grows down to every line of its message, which names the data folder.
    klinameldung->setWordWrap(true);
    place(klinameldung, 48, 540, 700, 40);
    setFontColor(klinameldung, clRed);
    klinameldung->hide();

    datpfadpanel = benannt(new Panel(this, 776, 8, 761, 545), "datpfadpanel");
    Memo1 = benannt(new Memo(datpfadpanel, 80, 40, 601, 241), "Memo1");
    applyFont(Memo1, QStringLiteral("Arial"), -19);
    Memo1->setLines({
        QStringLiteral("Wo sollen die sich ständig ändernden und die durch die Arbeit mit "),
        QStringLiteral("Schülern neu anfallenden Dateien gespeichert werden?"),
        QString(),
        QStringLiteral("Geben Sie hierfür ein zum Schreiben offenes Laufwerk und einen "),
        QStringLiteral("gültigen Ordnernamen an."),
        QString(),
        QStringLiteral("Der Ordner wird danach automatisch angelegt."),
        QString(),
        QStringLiteral("Wenn Sie die Tirmosak-Programme deinstallieren, bleibt dieser "),
        QStringLiteral("Ordner erhalten und muss von Hand gelöscht werden."),
    });
    Edit2 = benannt(new Edit(datpfadpanel, 80, 328, 465, 35, folders::proposedDataFolder()), "Edit2");
    applyFont(Edit2, QStringLiteral("Arial"), -24);
    datpfad_ok = benannt(new Button(datpfadpanel, QStringLiteral("ok"), 600, 320, 81, 49), "datpfad_ok");
    applyFont(datpfad_ok, QStringLiteral("Arial"), -21);
    datpfadmeldung = benannt(new Label(datpfadpanel, QString(), 80, 372), "datpfadmeldung");
    // It names a file and what it read: its width is given, and it grows down.
    datpfadmeldung->setWordWrap(true);
    place(datpfadmeldung, 80, 372, 601, 40);
    setFontColor(datpfadmeldung, clRed);
    Memo2 = benannt(new Memo(datpfadpanel, 80, 416, 601, 65), "Memo2");
    datpfadpanel->hide();

    unerreichbarPanel = benannt(new Panel(this, 8, 144, 761, 337), "unerreichbarPanel");
    unerreichbarText = benannt(new Label(unerreichbarPanel, QString(), 24, 16), "unerreichbarText");
    applyFont(unerreichbarText, QStringLiteral("Arial"), -16);
    // It names the folder and the file: its width is given, and it grows down.
    unerreichbarText->setWordWrap(true);
    place(unerreichbarText, 24, 16, 713, 40);
    setFontColor(unerreichbarText, clRed);
    erneutVersuchen
        = grosserKnopf(unerreichbarPanel, "erneutVersuchen", QStringLiteral("&Erneut versuchen"), 24, 273, 249);
    erneutVersuchen->Default = true;
    andererOrdner
        = benannt(new Button(unerreichbarPanel, QStringLiteral("anderen &Datenordner angeben"), 440, 273, 297, 40),
            "andererOrdner");
    applyFont(andererOrdner, QStringLiteral("Arial"), -16);
    unerreichbarPanel->hide();

    Button1->OnClick = [this] { Button1Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    Button9->OnClick = [this] { Button9Click(); };
    Button7->OnClick = [this] { Button7Click(); };
    Button10->OnClick = [this] { Button10Click(); };
    Button5->OnClick = [this] { Button3Click(); };
    listenwahl->OnClick = [this] { listenwahlClick(); };
    // A click below the last list chooses none: the active list stays marked, as the name beside the choice and
    // "kl.ina" say.
    connect(listenwahl, &QListWidget::itemSelectionChanged, this, [this] {
        if (listenwahl->selectedItems().isEmpty())
            listenwahl->setItemIndex(listenwahl->items().indexOf(aktivliste.str()));
    });
    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    datpfad_ok->OnClick = [this] { datpfad_okClick(); };
    erneutVersuchen->OnClick = [this] { erneutVersuchenClick(); };
    andererOrdner->OnClick = [this] { andererOrdnerClick(); };
}

void TForm1::F1aktiv()
{
    const QSize aussen = outerSize();
    const tavi::Skalierung s = tavi::skalierung(aussen.width(), aussen.height());
    skala_x = s.x;
    skala_y = s.y;
    Randomize();

    const QString klina = folders::settingsFolder() + QStringLiteral("kl.ina");
    const tavi::KlIna programmkopie = tavi::klinaLesen(klina);
    datpfad = programmkopie.datpfad;
    aktivliste = programmkopie.aktivliste;
    // A first line that names no folder is never glued to a file name, and a folder that is not there now is never
    // made: nothing is written until the folder is there or the teacher gives one.
    const tavi::Startordner ordner = tavi::datenordnerAusKlina(klina, programmkopie);
    if (ordner.start == tavi::Start::unerreichbar) {
        unerreichbarZeigen(ordner.meldung);
        return;
    }
    if (ordner.start == tavi::Start::keinOrdner) {
        einrichtungZeigen(ordner.meldung,
            QStringLiteral("Dieses Fenster erscheint, weil die Datei „kl.ina“ keinen Datenordner nennt, mit dem das "
                           "Programm arbeiten kann."));
        return;
    }
    if (ordner.start != tavi::Start::datenordner) {
        einrichtungZeigen(ordner.meldung);
        return;
    }
    datpfad = ordner.datpfad;
    datpfadpanel->hide();
    unerreichbarPanel->hide();
    listenwahlfuellen();
    kl_Panel->show();
    for (Button* b : { Button1, Button4, Button9, Button7 })
        b->setEnabled(true);
    SetFocus(Button10);
}

void TForm1::bereicheSchliessen()
{
    datpfad = QString();
    aktivliste = "ohne";
    kl_Panel->hide();
    klinameldung->hide();
    m_listenMeldung = false;
    for (Button* b : { Button1, Button4, Button9, Button7 })
        b->setEnabled(false);
}

void TForm1::einrichtungZeigen(const QString& meldung, const QString& anlass)
{
    bereicheSchliessen();
    unerreichbarPanel->hide();
    datpfadmeldung->setCaption(meldung);
    datpfadpanel->move(8, datpfadpanel->y());
    memo2Fuellen(anlass);
    datpfadpanel->show();
    BringToFront(datpfadpanel);
    memo2Anpassen();
    SetFocus(Edit2);
}

void TForm1::unerreichbarZeigen(const QString& meldung)
{
    bereicheSchliessen();
    datpfadpanel->hide();
    unerreichbarText->setCaption(meldung);
    unerreichbarPanel->show();
    BringToFront(unerreichbarPanel);
    SetFocus(erneutVersuchen);
}

void TForm1::erneutVersuchenClick()
{
    F1aktiv();
    if (!unerreichbarPanel->isVisibleTo(this)) return;
    // Still not there: said with the time, so that the click is seen to have been tried.
    const clockx::TimeParts t = clockx::decode(clockx::timeOfDay());
    const auto zwei = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    unerreichbarText->setCaption(unerreichbarText->caption()
        + QStringLiteral("\n\nVersucht um %1:%2:%3 Uhr: Der Ordner ist noch nicht da.")
              .arg(zwei(t.hours), zwei(t.minutes), zwei(t.seconds)));
}

void TForm1::andererOrdnerClick()
{
    // Nothing is proposed: a folder is set up here only when the teacher types it.
    Edit2->setText(QString());
    einrichtungZeigen(QStringLiteral("Bitte den Datenordner, der statt dessen gelten soll, mit vollständigem Pfad "
                                     "angeben (oder mit Esc beenden)."),
        QStringLiteral("Dieses Fenster erscheint, weil statt des Datenordners, der nicht erreicht werden kann, ein "
                       "anderer angegeben werden soll. Dateien, die in diesem Ordner schon liegen, bleiben, wie sie "
                       "sind."));
}

void TForm1::memo2Fuellen(const QString& anlass)
{
    // Each PC needs the program and its own "kl.ina"; the memo names the folders this installation uses.
    const QString programm = folders::programFolder();
    const QString einstellungen = folders::settingsFolder();
    QStringList zeilen {
        anlass.isEmpty() ? QStringLiteral("Dieses Fenster erscheint nur nach der Installation oder einer "
                                          "Neuinstallation.")
                         : anlass,
        QStringLiteral("Mit dem ok wird die Einstellung gespeichert, die benötigten Dateien in den neuen Ordner "
                       "kopiert und das Programm beendet."),
    };
    if (einstellungen == programm) {
        zeilen << QStringLiteral("Von den in %1 befindlichen Dateien werden danach nur '%2' und 'kl.ina' auf jedem "
                                 "lokalen ")
                      .arg(programm, folders::programFileName())
               << QStringLiteral("Rechner benötigt. Sie können gemeinsam (!) an eine beliebige Stelle verschoben "
                                 "und von dort gestartet gestartet werden.");
    } else {
        zeilen << QStringLiteral("Auf jedem lokalen Rechner werden danach nur '%1' in %2 und für jedes "
                                 "Benutzerkonto 'kl.ina' in %3 benötigt.")
                      .arg(folders::programFileName(), programm, einstellungen);
    }
    Memo2->setLines(zeilen);
}

void TForm1::memo2Anpassen()
{
    // Every line of the note shows without scrolling: the memo grows down as far as the panel has room.
    // Measured without the scroll bar, which leaves its room to the lines once they all fit.
    const int unten = datpfadpanel->innerRect().bottom() - 8;
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->resize(Memo2->width(), 65);
    const QScrollBar* leiste = Memo2->verticalScrollBar();
    while (leiste->maximum() > 0 && Memo2->geometry().bottom() < unten)
        Memo2->resize(Memo2->width(), Memo2->height() + 1);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TForm1::listenwahlfuellen()
{
    const klassenliste::Suche suche = klassenliste::suchen(datpfad);
    const QStringList& namen = suche.namen;
    // Every list is offered; the shared table keeps what fits.
    listenzahl = byte(std::min<qsizetype>(namen.size(), klassenliste::kMaxListen));
    if (namen.isEmpty() && !suche.unlesbar) aktivliste = "ohne";
    for (int i = 0; i < listenzahl; ++i)
        listennamen[i] = namen[i];
    listenwahl->setItems(namen);
    // Lists that cannot be read offer no choice, and an empty one would read as a folder without lists.
    listenwahl->setEnabled(!suche.unlesbar);

    // The data-folder copy is shared by every PC that uses the folder and says which list is active; the
    // folder itself is known from this PC's own copy, since other PCs may reach it under another path.
    const tavi::KlIna datenkopie = tavi::klinaLesen(datpfad + QStringLiteral("kl.ina"));
    if (!datenkopie.datpfad.isEmpty() || !datenkopie.aktivliste.isEmpty()) aktivliste = datenkopie.aktivliste;
    // A blank line 2 (written where a blank name could once be chosen) names no list.
    if (aktivliste.str().trimmed().isEmpty()) aktivliste = "ohne";
    // Nor does a path or a list that is not there; it is said, and the file stays as it is.
    QString listenmeldung;
    if (!tavi::aktivlisteGueltig(datpfad + QStringLiteral("kl.ina"), aktivliste, listenmeldung)) aktivliste = "ohne";
    // A list that is gone stays named in "kl.ina", as another PC may bring it back; meanwhile no pupil can pick
    // a name from it, and the teacher reads so here.
    m_aktivFehlt = !suche.unlesbar && aktivliste != "ohne" && !namen.contains(aktivliste.str(), Qt::CaseInsensitive);
    if (m_aktivFehlt)
        listenmeldung = QStringLiteral("Die aktive Liste %1 gibt es nicht: bis sie wieder da ist oder eine andere "
                                       "Liste gewählt wird, tippen die Schüler ihren Namen ein.")
                            .arg(aktivliste.str());
    if (suche.unlesbar || !listenmeldung.isEmpty()) {
        klinameldung->setCaption(suche.unlesbar && !listenmeldung.isEmpty()
                ? suche.meldung + QLatin1Char('\n') + listenmeldung
                : suche.unlesbar ? suche.meldung
                                 : listenmeldung);
        klinameldung->show();
    } else if (m_listenMeldung) {
        klinameldung->hide();
    }
    m_listenMeldung = suche.unlesbar || !listenmeldung.isEmpty();

    if (aktivliste != "ohne") {
        aktivlisteZeigen(aktivliste);
        RadioButton1->setChecked(false);
    } else {
        aktivlisteZeigen(QStringLiteral(" -/-"));
        RadioButton1->setChecked(true);
    }
    listenwahl->setItemIndex(listenwahl->items().indexOf(aktivliste.str()));
}

void TForm1::listenwahlClick()
{
    const int i = listenwahl->ItemIndex();
    // Every PC would read an empty active list as none at all.
    if (i >= 0 && listenwahl->itemText(i).trimmed().isEmpty()) return;
    if (i >= 0) {
        // The choice may be older than the list: another PC sharing the data folder may have deleted it since,
        // and every PC would then read an active list that is gone.
        const QString liste = listenwahl->itemText(i);
        QString pfad, fehler;
        switch (klassenliste::ansehen(datpfad, liste, pfad, fehler)) {
        case klassenliste::Blick::da:
            break;
        case klassenliste::Blick::fehlt: {
            const QString vorher = aktivliste.str();
            listenwahlfuellen();
            const QString gefuellt = m_listenMeldung ? klinameldung->caption() : QString();
            // What is active now, as the refill found it: the PC that deleted the list may have set the shared
            // "kl.ina" to no list, or another PC may have chosen another one meanwhile.
            QString aktiv;
            if (m_aktivFehlt)
                aktiv = QString(); // the refill's own message says it
            else if (aktivliste == "ohne")
                aktiv = vorher.compare(liste, Qt::CaseInsensitive) == 0
                    ? QStringLiteral(" Sie war die aktive Liste: jetzt ist keine Liste aktiviert.")
                    : QStringLiteral(" Es ist keine Liste aktiviert.");
            else if (aktivliste.str() == vorher)
                aktiv = QStringLiteral(" Die aktive Liste bleibt %1.").arg(vorher);
            else
                aktiv = QStringLiteral(" Aktiv ist jetzt die Liste %1.").arg(aktivliste.str());
            // Who deleted it is not known here: another PC, or a hand in a file manager.
            listenMeldungZeigen(
                QStringLiteral("Die Liste %1 gibt es nicht mehr: sie wurde inzwischen gelöscht.").arg(liste) + aktiv
                + (gefuellt.isEmpty() ? QString() : QLatin1Char('\n') + gefuellt));
            return;
        }
        case klassenliste::Blick::fehler:
            listenwahl->setItemIndex(listenwahl->items().indexOf(aktivliste.str()));
            listenMeldungZeigen(QStringLiteral("Die Liste %1 kann gerade nicht angesehen werden und wurde nicht "
                                               "aktiviert: %2")
                                    .arg(liste, fehler));
            return;
        }
    }
    RadioButton1->setChecked(false);
    if (i >= 0) aktivliste = listenwahl->itemText(i);
    aktivlisteZeigen(aktivliste);
    klinaschreiben();
}

void TForm1::aktivlisteZeigen(const QString& name)
{
    // "3A_2024" and "3A_2025" must both be read whole beside the choice, which would hide what runs under it.
    const int raum = listenwahl->x() - Label16->x() - 4;
    for (int hoehe = 21;; --hoehe) {
        applyFont(Label16, QStringLiteral("Arial"), -hoehe);
        if (hoehe <= 8 || QFontMetrics(Label16->font()).horizontalAdvance(name) <= raum) break;
    }
    Label16->setCaption(name);
}

void TForm1::listenMeldungZeigen(const QString& text)
{
    klinameldung->setCaption(text);
    klinameldung->show();
    m_listenMeldung = true;
}

void TForm1::RadioButton1Click()
{
    RadioButton1->setChecked(true);
    aktivlisteZeigen(QStringLiteral(" -/-"));
    aktivliste = "ohne";
    klinaschreiben();
}

void TForm1::klinaschreiben()
{
    // Said here beside the choice, as the administration says its failed writes: the list shown as active
    // is then not the one the other windows will read.
    try {
        tavi::klinaSchreiben(datpfad + QStringLiteral("kl.ina"), datpfad, aktivliste);
        klinameldung->hide();
    } catch (const IoError& e) {
        klinameldung->setCaption(
            QStringLiteral("Die aktive Liste konnte nicht gespeichert werden: %1").arg(e.message()));
        klinameldung->show();
    }
}

void TForm1::Button3Click()
{
    // A "dw.ina" that cannot be read opens the administration to no one: it is said, with how to mend it, and the
    // password entry is not offered, since no text typed there could open it.
    QString beschaedigt;
    const std::optional<QString> passwort = dverw::dwinaPasswort(datpfad, &beschaedigt);
    adminpasswort = passwort.value_or(QString());
    if (!passwort) {
        reportError(beschaedigt);
    } else if (Edit1->text() == adminpasswort.str() || adminpasswort.isEmpty()) {
        if (fensterVervollstaendigen) fensterVervollstaendigen();
        if (Form34) Form34->showModal();
    } else {
        Panel2->show();
        Edit1->setText(QStringLiteral("******"));
        SetFocus(Edit1);
    }
    listenwahlfuellen();
}

void TForm1::bereichOeffnen(Form* const& hub)
{
    if (fensterVervollstaendigen) fensterVervollstaendigen();
    if (hub) hub->showModal();
}

void TForm1::Button1Click()
{
    bereichOeffnen(Form63);
}
void TForm1::Button4Click()
{
    bereichOeffnen(Form41);
}
void TForm1::Button7Click()
{
    bereichOeffnen(Form29);
}
void TForm1::Button9Click()
{
    bereichOeffnen(Form30);
}

void TForm1::passwortVerbergen()
{
    Panel2->hide();
}

void TForm1::Button10Click()
{
    Close();
}

void TForm1::datpfad_okClick()
{
    // What an earlier try said is no longer true of the path typed now, also where this try fails with a message
    // of its own.
    datpfadmeldung->setCaption(QString());
    QString neu;
    const QString meldung
        = tavi::datenordnerEinrichten(Edit2->text(), folders::installFolder(), folders::settingsFolder(), neu);
    datpfadmeldung->setCaption(meldung);
    if (!meldung.isEmpty()) {
        SetFocus(Edit2);
        return;
    }
    datpfad = neu;
    datpfadpanel->hide();
    Button10->Click();
}

void TForm1::alleszu()
{
    mousetrap::release();
}
