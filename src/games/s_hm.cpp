#include "games/s_hm.h"

#include "games/gruppenspiel.h"
#include "games/s_1x1flip_logik.h"
#include "games/s_hm_logik.h"
#include "games/sp_haupt.h"
#include "games/sp_haupt_logik.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/paintbox.h"
#include "platform/printer.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/fenster.h"

namespace {

const QString kArial = QStringLiteral("Arial");

Panel* optionspanel(QWidget* parent, const QString& name, int left, int top, int width, int height,
    const QString& titel = QString(), int titelTop = 8)
{
    auto* p = new Panel(parent, left, top, width, height);
    p->setObjectName(name);
    if (!titel.isEmpty()) {
        auto* l = new Label(p, titel, 16, titelTop);
        applyFont(l, kArial, 19);
    }
    return p;
}

RadioGroup* wahlgruppe(
    QWidget* parent, const QString& name, const QStringList& eintraege, int left, int top, int width, int height)
{
    auto* g = new RadioGroup(parent, QString(), left, top, width, height);
    g->setObjectName(name);
    applyFont(g, kArial, 17);
    g->setItems(eintraege);
    return g;
}

} // namespace

// ---- Form description ----

TForm47::TForm47(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("TForm47"));
    setCaption(QStringLiteral("hangman"));
    setMaximized(true);
    ActivityWindow = true;
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 800, 560);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 11);
    // The table a finished game leaves must stay in view when the game window closes.
    ActivateOnReturn = false;
    aufbauen();
    OnActivate = [this] { form47aktiv(); };
    OnClose = [this] { schliessen(); };
}

void TForm47::aufbauen()
{
    titelpanel = new Panel(this, 64, 16, 673, 65);
    titelpanel->setObjectName(QStringLiteral("titelpanel"));
    applyFont(titelpanel, kArial, 24);

    spielerpanel = optionspanel(this, QStringLiteral("spielerpanel"), 264, 112, 249, 220);
    Label1 = new Label(spielerpanel, QStringLiteral("Mitspieler"), 24, 10);
    applyFont(Label1, kArial, 19);
    Edit** felder[5] = { &Edit1, &Edit2, &Edit3, &Edit4, &Edit5 };
    for (int k = 0; k < 5; ++k) {
        auto* e = new Edit(spielerpanel, 24, 40 + 34 * k, 200, 26, k == 0 ? QStringLiteral("A") : QString());
        e->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
        applyFont(e, kArial, 17);
        e->setMaxLength(15);
        setHandCursor(e);
        e->OnChange = [this, k] { EditChange(k + 1); };
        *felder[k] = e;
    }

    sieger = new PaintBox(this);
    sieger->setObjectName(QStringLiteral("sieger"));
    place(sieger, 264, 112, 257, 217);
    sieger->setColor(clWhite);
    sieger->setOnPaint([this] { Endetabelle(); });
    sieger->hide();

    lvr1panel = optionspanel(this, QStringLiteral("lvr1panel"), 24, 112, 225, 217, QStringLiteral("Hauptrichtungen"));
    Lage = new ListBox(lvr1panel, 16, 44, 193, 4 * 32 + 4);
    Lage->setObjectName(QStringLiteral("Lage"));
    applyFont(Lage, kArial, 17);
    Lage->setMultiSelect(true);
    Lage->setItemHeight(32);
    Lage->setItems({ QStringLiteral(" von Süd nach Nord"), QStringLiteral(" von Nord nach Süd"),
        QStringLiteral(" von West nach Ost"), QStringLiteral(" von Ost nach West") });
    Lage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Lage->OnClick = [this] { LageClick(); };

    lvr2panel = optionspanel(this, QStringLiteral("lvr2panel"), 64, 384, 673, 49);
    lvr2panel->setCaption(QStringLiteral("Zahl der Schritte in der Hauptrichtung (2 ... 9)"));
    applyFont(lvr2panel, kArial, 19);
    Edit6 = new Edit(lvr2panel, 600, 10, 40, 30, QStringLiteral("9"));
    Edit6->setObjectName(QStringLiteral("Edit6"));
    applyFont(Edit6, kArial, 19);
    Edit6->setMaxLength(1);
    Edit6->OnKeyPress = [this](QChar& taste) { edit6press(taste); };
    Edit6->OnChange = [this] { Edit6Change(); };

    zr_var = wahlgruppe(this, QStringLiteral("zr_var"),
        { QStringLiteral(" keine Hilfen"), QStringLiteral(" Wahrheitstabelle "), QStringLiteral(" 100er-Feld    "),
            QStringLiteral(" 100er-Strahl ") },
        24, 104, 201, 224);
    zr_var->OnClick = [this] { variante = zr_var->ItemIndex(); };

    zvonwem = wahlgruppe(this, QStringLiteral("zvonwem"),
        { QStringLiteral("  Zahlen vom Computer"), QStringLiteral("  Zahlen vom Mitspieler") }, 256, 360, 249, 89);
    zvonwem->setItemIndex(0);
    zvonwem->OnClick = [this] { wahl6 = byte(zvonwem->ItemIndex()); };

    Bot_RA = optionspanel(this, QStringLiteral("Bot_RA"), 16, 112, 225, 393, QStringLiteral("Art der Aufgaben"));
    Bot_RArten = wahlgruppe(Bot_RA, QStringLiteral("Bot_RArten"),
        { QStringLiteral(" 38 + 6 = ?"), QStringLiteral(" 34 - 6 = ?"), QStringLiteral(" 38 + 26 = ?"),
            QStringLiteral(" 64 - 26 = ?"), QStringLiteral(" 64 +/- ? = 38"), QStringLiteral(" 7 * 8 = ?"),
            QStringLiteral(" 9 * 6 +/- 2 = ?"), QStringLiteral(" 56 : 8 = ?") },
        16, 40, 193, 340);
    Bot_RArten->OnClick = [this] { variante = Bot_RArten->ItemIndex(); };

    wortwahl = wahlgruppe(this, QStringLiteral("wortwahl"),
        { QStringLiteral(" Zahlen "), QStringLiteral(" Namen"), QStringLiteral(" Tiere"), QStringLiteral(" Pflanzen"),
            QStringLiteral(" Nahrung"), QStringLiteral(" Körperteile"), QStringLiteral(" Kleidung"),
            QStringLiteral(" Fußball"), QStringLiteral(" Haushalt"), QStringLiteral(" Werkzeug"),
            QStringLiteral(" Verkehr"), QStringLiteral(" Städte"), QStringLiteral(" Länder"),
            QStringLiteral(" kurze Wörter"), QStringLiteral(" lange Wörter") },
        40, 96, 193, 457);
    wortwahl->OnClick = [this] { variante = wortwahl->ItemIndex(); };

    wr_zeigen = optionspanel(this, QStringLiteral("wr_zeigen"), 264, 352, 525, 113);
    const QStringList zeigen { QStringLiteral(" zeigen"), QStringLiteral(" nicht zeigen") };
    auto* l1 = new Label(wr_zeigen, QStringLiteral("1. Buchstabe"), 24, 8);
    applyFont(l1, kArial, 19);
    auto* l2 = new Label(wr_zeigen, QStringLiteral("Fehlschüsse"), 280, 8);
    applyFont(l2, kArial, 19);
    WR_Bu_zeigen = wahlgruppe(wr_zeigen, QStringLiteral("WR_Bu_zeigen"), zeigen, 16, 34, 230, 70);
    WR_Bu_zeigen->OnClick = [this] { schalter1 = WR_Bu_zeigen->ItemIndex(); };
    wr_fehl_zeig = wahlgruppe(wr_zeigen, QStringLiteral("wr_fehl_zeig"), zeigen, 272, 34, 230, 70);
    wr_fehl_zeig->OnClick = [this] { schalter2 = wr_fehl_zeig->ItemIndex(); };

    WR_Bot_Zeit
        = optionspanel(this, QStringLiteral("WR_Bot_Zeit"), 536, 112, 249, 217, QStringLiteral("Zeitbegrenzung"));
    WR_Bot_LVR_Zeit = wahlgruppe(WR_Bot_Zeit, QStringLiteral("WR_Bot_LVR_Zeit"),
        { QStringLiteral(" 1 Minute"), QStringLiteral(" 2 Minuten"), QStringLiteral(" 5 Minuten"),
            QStringLiteral("   ohne") },
        16, 40, 217, 160);
    WR_Bot_LVR_Zeit->OnClick = [this] { zeitwahl = WR_Bot_LVR_Zeit->ItemIndex(); };

    flip_1x1 = optionspanel(this, QStringLiteral("flip_1x1"), 16, 112, 217, 393, QStringLiteral("welche 1x1-Reihe?"));
    QStringList reihen;
    for (int n = 2; n <= 9; ++n)
        reihen << QStringLiteral(" 1 x %1").arg(n);
    flip_welche = wahlgruppe(flip_1x1, QStringLiteral("flip_welche"), reihen, 16, 40, 185, 340);
    flip_welche->OnClick = [this] { variante = flip_welche->ItemIndex(); };

    flip_zeit
        = optionspanel(this, QStringLiteral("flip_zeit"), 536, 112, 249, 217, QStringLiteral("Zeitbegrenzung / Aufg."));
    flip_zeiten = wahlgruppe(flip_zeit, QStringLiteral("flip_zeiten"),
        { QStringLiteral(" 1 Sekunde"), QStringLiteral(" 2 Sekunden"), QStringLiteral(" 5 Sekunden"),
            QStringLiteral("   ohne") },
        16, 40, 217, 160);
    flip_zeiten->setItemIndex(0);
    flip_zeiten->OnClick = [this] { zeitwahl = flip_zeiten->ItemIndex(); };

    flip_hinweis = optionspanel(this, QStringLiteral("flip_hinweis"), 260, 352, 529, 113);
    auto* rat = new Label(flip_hinweis, QStringLiteral("ein guter Rat: "), 16, 16);
    applyFont(rat, kArial, 19);
    auto* pfeile
        = new Label(flip_hinweis, QStringLiteral("benutze die Pfeiltasten     <    >    (statt der Maus)"), 16, 56);
    applyFont(pfeile, kArial, 19);

    dokuflip = optionspanel(this, QStringLiteral("dokuflip"), 260, 352, 529, 113);
    auto* doku = new Label(dokuflip, QStringLiteral("Auswertung drucken?"), 24, 44);
    applyFont(doku, kArial, 21);
    Button1 = new Button(dokuflip, QStringLiteral("o.k."), 400, 36, 97, 41);
    Button1->setObjectName(QStringLiteral("Button1"));
    applyFont(Button1, kArial, 16);
    Button1->OnClick = [this] { Button1Click(); };
    dokuflip->hide();

    Button2 = new Button(this, QStringLiteral("&Start"), 344, 488, 97, 41);
    Button2->setObjectName(QStringLiteral("Button2"));
    applyFont(Button2, kArial, 16);
    Button2->Default = true;
    Button2->setEnabled(false);
    Button2->OnClick = [this] { Button2Click(); };
    Button10 = new Button(this, QStringLiteral("zurück"), 648, 488, 97, 41);
    Button10->setObjectName(QStringLiteral("Button10"));
    applyFont(Button10, kArial, 16);
    Button10->Cancel = true;
    Button10->OnClick = [this] { Button10Click(); };
}

// ---- What the hub and the games ask ----

void TForm47::abschnittGeladen(const QString& stichwort, bool ausDatei)
{
    const auto wahl = [ausDatei](RadioGroup* g, auto& variable) { wahlAbgleichen(g, variable, ausDatei); };
    if (stichwort == QLatin1String("lvr")) {
        if (ausDatei) {
            for (int i = 0; i <= 3; ++i)
                Lage->setSelected(i, rechenarten[i] == i);
            Edit6->setText(QString::number(schrittzahl));
        } else {
            for (int i = 0; i <= 3; ++i) {
                rechenarten[i] = shortint(Lage->Selected(i) ? i : -1);
                rechenartzeichen[i] = Lage->Selected(i) ? QString::number(i) : QStringLiteral("n");
            }
            Edit6Change();
        }
        wahl(WR_Bot_LVR_Zeit, zeitwahl);
    } else if (stichwort == QLatin1String("flip")) {
        wahl(flip_welche, variante);
        wahl(flip_zeiten, zeitwahl);
    } else if (stichwort == QLatin1String("zr")) {
        wahl(zr_var, variante);
        wahl(WR_Bot_LVR_Zeit, zeitwahl);
    } else if (stichwort == QLatin1String("bot")) {
        wahl(Bot_RArten, variante);
        wahl(WR_Bot_LVR_Zeit, zeitwahl);
    } else if (stichwort == QLatin1String("wr")) {
        wahl(wortwahl, variante);
        wahl(WR_Bot_LVR_Zeit, zeitwahl);
        wahl(WR_Bu_zeigen, schalter1);
        wahl(wr_fehl_zeig, schalter2);
    }
}

QString TForm47::spielername(int k) const
{
    const QList<Edit*> f = namensfelder();
    return k >= 1 && k <= 5 ? f[k - 1]->text() : QString();
}

int TForm47::schrittvorgabe() const
{
    return s_hm::schrittzahlGueltig(Edit6->text()) ? Edit6->text().toInt() : 0;
}

void TForm47::spielende(bool auswertungAnbieten)
{
    m_tabelleOffen = true;
    spielerpanel->hide();
    sieger->show();
    sieger->repaint();
    if (auswertungAnbieten) dokuflip->show();
}

// ---- Handlers ----

void TForm47::form47aktiv()
{
    // The table is this window's own: what another window left in the shared flags never skips the set-up.
    if (!m_tabelleOffen) {
        titelpanel->setCaption(s_hm::titel(programmcode));
        const QList<QWidget*> zeigen = optionenVon(programmcode);
        for (QWidget* w : optionen())
            w->setVisible(zeigen.contains(w));
        if (s_hm::pfadspiel(programmcode)) {
            gewaehltzahl = 0;
            richtungenZaehlen();
        }
    } else {
        m_tabelleOffen = false;
    }
    sieger->hide();
    spielerpanel->show();
    spielerzahl = 0;
    spielerZaehlen();
    SetFocus(Edit1);
}

void TForm47::EditChange(int k)
{
    listenzeilen[k] = spielername(k);
    spielerZaehlen();
}

void TForm47::LageClick()
{
    for (int i = 0; i <= 3; ++i) {
        const bool gewaehlt = Lage->Selected(i);
        rechenarten[i] = shortint(gewaehlt ? i : -1);
        rechenartzeichen[i] = gewaehlt ? QString::number(i) : QStringLiteral("n");
    }
    richtungenZaehlen();
}

void TForm47::edit6press(QChar& taste)
{
    if (taste != QChar(8) && (taste < QLatin1Char('2') || taste > QLatin1Char('9'))) taste = QChar();
}

void TForm47::Edit6Change()
{
    const QString text = Edit6->text();
    // Only a step count the path game can walk is taken; anything else (pasted, loaded) keeps Start off.
    if (text.isEmpty())
        schrittzahl = 2;
    else if (s_hm::schrittzahlGueltig(text))
        schrittzahl = text.toInt();
    spielerZaehlen();
}

void TForm47::Button2Click()
{
    dokuflip->hide();
    for (int p = 1; p <= 5; ++p) {
        flipzaehler[p].fill(0);
        for (auto& liste : flipzahlen[p])
            liste.fill(0);
        spielerstatus[p] = 0;
    }
    if (m_tabelleOffen) {
        m_tabelleOffen = false;
        sieger->hide();
        spielerpanel->show();
        return;
    }
    const int spiel = programmcode;
    Form* fenster = spielfenster(spiel);
    if (!fenster) return;
    // Start may be clicked by code while it is off: an unusable step count never reaches the file or the game.
    if (s_hm::pfadspiel(spiel) && !s_hm::schrittzahlGueltig(Edit6->text())) return;
    const int schritte = s_hm::pfadspiel(spiel) ? Edit6->text().toInt() : schrittzahl;
    sp_haupt::abschnittschreiben(sp_haupt::stichwort(spiel), s_hm::abschnittwerte(spiel, schritte));
    fehlerzahl = 0;
    stiftbreite = 1;
    fenster->showModal();
}

void TForm47::Button10Click()
{
    Close();
}

void TForm47::schliessen()
{
    // However the window closes, a finished game's table is gone with it.
    m_tabelleOffen = false;
    dokuflip->hide();
    spielerpanel->show();
    sieger->hide();
}

void TForm47::Endetabelle()
{
    s_hm::endetabelle(sieger->canvas(), skala_x);
}

void TForm47::Button1Click()
{
    dokuflip->hide();
    spielerpanel->show();
    sieger->hide();
    const s_1x1flip::Auswertung a = s_1x1flip::auswertung(variante, zeitwahl, flip_zeiten->items().value(zeitwahl));
    Printer& drucker = Printer::instance();
    drucker.beginDoc(QStringLiteral("1x1-Flipper Auswertung"));
    s_1x1flip::draw(drucker.canvas(), a);
    drucker.endDoc();
}

// ---- Routines ----

void TForm47::spielerZaehlen()
{
    QStringList namen;
    for (Edit* e : namensfelder())
        namen << e->text();
    spielerzahl = s_hm::spielerZaehlen(namen);
    startPruefen();
    const bool mitspieler = programmcode == 5 && spielerzahl > 1;
    zvonwem->setVisible(mitspieler);
    // With one player the number always comes from the computer.
    wahl6 = byte(mitspieler ? std::max(zvonwem->ItemIndex(), 0) : 0);
}

void TForm47::richtungenZaehlen()
{
    gewaehltzahl = s_hm::richtungenZaehlen();
    startPruefen();
}

void TForm47::startPruefen()
{
    Button2->setEnabled(s_hm::startErlaubt(programmcode, spielerzahl, Edit6->text(), gewaehltzahl));
}

QList<QWidget*> TForm47::optionen() const
{
    return { zr_var, zvonwem, Bot_RA, flip_1x1, flip_zeit, flip_hinweis, wortwahl, wr_zeigen, WR_Bot_Zeit, lvr1panel,
        lvr2panel };
}

QList<QWidget*> TForm47::optionenVon(int spiel) const
{
    switch (spiel) {
    case 5:
        return { zr_var, zvonwem, WR_Bot_Zeit };
    case 6:
        return { Bot_RA, WR_Bot_Zeit };
    case 7:
        return { flip_1x1, flip_zeit, flip_hinweis };
    case 8:
        return { wortwahl, wr_zeigen, WR_Bot_Zeit };
    case 18:
    case 19:
        return { lvr1panel, lvr2panel, WR_Bot_Zeit };
    default:
        return {};
    }
}

QList<Edit*> TForm47::namensfelder() const
{
    return { Edit1, Edit2, Edit3, Edit4, Edit5 };
}

// ---- For the game windows ----

Button* spielknopf(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new Button(parent, caption, 0, 0, 10, 10);
    b->setObjectName(QLatin1String(name));
    applyFontSize(b, kArial, 12);
    return b;
}

void spielrahmen(Form& spiel, const char* name, const QString& titel)
{
    spiel.setObjectName(QLatin1String(name));
    spiel.setCaption(titel);
    spiel.setMaximized(true);
    spiel.setPosition(FormPosition::ScreenCenter);
    spiel.setDesignGeometry(0, 0, 1000, 1000);
    spiel.ActivateOnReturn = false;
    spiel.ActivityWindow = true;
}

void seitenleiste(const DesignGrid& g, PaintBox* bild, PaintBox* zeit, Button* start, Button* ende)
{
    g.place(bild, 750, 10, 200, 500);
    g.place(zeit, 750, 850, 200, 80);
    g.place(start, 750, 770, 200, 65);
    g.fontSize(start, 21);
    g.place(ende, 750, 950, 200, 40);
    g.fontSize(ende, 14);
}

void spielBeginnen()
{
    auto* aufbau = dynamic_cast<TForm47*>(Form47);
    for (int k = 1; k <= 5; ++k)
        listenzeilen[k] = aufbau ? aufbau->spielername(k) : QString();
    spielernummer = 0;
}

bool spielerwechsel(Form& spiel, Timer& timer, bool statusZuruecksetzen, bool auswertungAnbieten)
{
    if (gruppenspiel::spielerwechsel(statusZuruecksetzen) == gruppenspiel::Wechsel::naechster) return true;
    timer.setEnabled(false);
    if (auto* aufbau = dynamic_cast<TForm47*>(Form47)) aufbau->spielende(auswertungAnbieten);
    spiel.Close();
    return false;
}
