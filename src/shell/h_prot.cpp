#include "shell/h_prot.h"

#include "platform/beep.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/cp1252.h"
#include "platform/designgrid.h"
#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/klassenliste.h"
#include "shell/pfadzeile.h"
#include "shell/protokolldatei.h"
#include "shell/sperrwarten.h"
#include "shell/tav_i_logik.h"
#include "shell/zeilendruck.h"

#include <QFileInfo>

#include <algorithm>

namespace hprot {

QString datumszeile()
{
    return QString(48, u' ') + clockx::dateText();
}

bool namenszeichen(QChar c)
{
    const char16_t u = c.unicode();
    return u == 8 || u == 13 || u == '-' || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')
        || u == u'ä' || u == u'ö' || u == u'ü';
}

bool namePasst(const QString& name)
{
    return !name.isEmpty() && files::isSafeName(name) && !name.contains(QLatin1String("..")) && cp1252::canEncode(name);
}

void klinaUebernehmen()
{
    // Only the active list is taken: the data folder is known from this PC's own copy, and a line 1 naming
    // another folder that still exists (an old copy) would send the protocols there.
    const tavi::KlIna k = tavi::klinaLesen(datpfad + QStringLiteral("kl.ina"));
    if (!k.aktivliste.trimmed().isEmpty()) aktivliste = k.aktivliste;
}

QStringList protokollzeilen(int bis)
{
    QStringList z;
    for (int i = 0; i <= bis; ++i)
        z << protzeilen[i].str();
    return z;
}

QRect meldungsort(const QList<Meldungsplatz>& plaetze, const std::function<int(int)>& hoehe, const QRect& raum,
    const QList<QRect>& belegt)
{
    constexpr int kSchritt = 4;
    for (const Meldungsplatz& p : plaetze) {
        if (p.breite <= 0) continue;
        const int h = hoehe(p.breite);
        for (QRect r(p.ort, QSize(p.breite, h)); raum.contains(r); r.translate(0, kSchritt))
            if (std::none_of(belegt.begin(), belegt.end(), [&](const QRect& b) { return b.intersects(r); })) return r;
    }
    return {};
}

} // namespace hprot

namespace {

const QString kKopf = QStringLiteral("Leistungsprotokoll für ");
const QString kAufforderung = QStringLiteral("Schreibe deinen Namen und klicke auf „fertig“.");

// The names' panel and list as the window is drawn; the list grows past them to show a class whole (kNamenzeilen)
// where the window has room below the panel.
constexpr int kNamenPanelhoehe = 560;
constexpr int kNamenhoehe = 505;
constexpr int kNamenzeilen = 28;
// Room kept free at the window's edges and around a message.
constexpr int kAbstand = 8;
// The typed-name box stands under the protocol's last line (12), on the left where the lines begin.
constexpr int kBoxLinks = 20;
constexpr int kBoxOben = 60 * 13;

using klassenliste::grund;

void stil(Button* b)
{
    applyFontSize(b, QStringLiteral("MS Sans Serif"), 14);
}

} // namespace

TForm65::TForm65(QWidget* parent)
    : Form(parent)
{
    setCaption(QStringLiteral("Protokoll (Hilfen)"));
    setMaximized(true);
    setColor(clBtnFace);

    Button3 = new Button(this, QStringLiteral("speichern &und drucken"), 750, 650, 200, 50);
    Button5 = new Button(this, QStringLiteral("nur &speichern"), 750, 750, 200, 50);
    Button2 = new Button(this, QStringLiteral("nur &drucken"), 750, 850, 200, 50);
    Button1 = new Button(this, QStringLiteral("in den &Papierkorb"), 750, 950, 200, 50);
    Button1->Cancel = true;
    for (Button* b : { Button3, Button5, Button2, Button1 })
        stil(b);

    Namenliste = new Panel(this, 390, 32, 330, kNamenPanelhoehe);
    Namenliste->hide();
    Label1 = new Label(Namenliste, QStringLiteral("klicke deinen Namen an"), 15, 10);
    applyFontSize(Label1, QStringLiteral("arial"), 12, FontStyle::Bold);
    namen = new ListBox(Namenliste, 15, 40, 300, kNamenhoehe);
    applyFontSize(namen, QStringLiteral("arial"), 12);
    namen->setChoiceActs(true);
    namen->growForRows(kNamenzeilen, [this] { return height() - kAbstand - (Namenliste->y() + kNamenPanelhoehe); });

    Panel1 = new Panel(this, kBoxLinks, kBoxOben, 310, 70);
    Panel1->hide();
    Edit2 = new Edit(Panel1, 15, 18, 170, 34);
    Edit2->setMaxLength(8);
    applyFontSize(Edit2, QStringLiteral("arial"), 14);
    Button4 = new Button(Panel1, QStringLiteral("fertig"), 200, 16, 95, 38);
    stil(Button4);
    Button4->hide();
    Button4->Default = true;

    Label18 = new Label(this, QStringLiteral(" Der benötigte Protokoll-Ordner ist voll. "), kBoxLinks, kBoxOben + 80);
    applyFontSize(Label18, QStringLiteral("arial"), 14, FontStyle::Bold);
    setColor(Label18, clRed);
    setFontColor(Label18, clWhite);
    Label18->hide();

    meldung = new Label(this, QString(), kBoxLinks, kBoxOben + 80);
    applyFontSize(meldung, QStringLiteral("arial"), 12, FontStyle::Bold);
    setColor(meldung, clRed);
    setFontColor(meldung, clWhite);
    meldung->setAutoSize(false);
    meldung->setWordWrap(true);
    meldung->setMargin(4);
    meldung->hide();
    sperrwarten::anzeigen();

    Button3->OnClick = [this] { Button3Click(); };
    Button5->OnClick = [this] { Button5Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button1->OnClick = [this] { Button1Click(); };
    namen->OnClick = [this] { namenClick(); };
    Edit2->OnChange = [this] { n_ohneChange(); };
    Edit2->OnKeyPress = [this](QChar& key) { n_ohnekey(key); };
    Button4->OnClick = [this] { Button4Click(); };
    OnActivate = [this] { protaktiv(); };
}

void TForm65::protaktiv()
{
    const DesignGrid g(skala_x, skala_y);
    Namenliste->move(g.x(390), g.y(32));
    // Box and the folder's message stand under the protocol's lines, never over one; the message under the box.
    Panel1->move(g.x(kBoxLinks), g.y(kBoxOben));
    Label18->move(g.x(kBoxLinks), Panel1->geometry().bottom() + 1 + kAbstand);
    int oben = 650;
    for (Button* b : { Button3, Button5, Button2, Button1 }) {
        g.place(b, 750, oben, 200, 50);
        g.fontSize(b, 14);
        oben += 100;
    }

    for (Button* b : { Button3, Button5, Button2, Button1 })
        b->setEnabled(true);
    Panel1->hide();
    // The choice of the pupil comes after the choice of what to do with the protocol.
    Namenliste->hide();
    Label18->hide();
    meldung->hide();
    SetFocus(Button3);

    m_speichern = false;
    m_drucken = false;
    m_nurDrucken = false;
    m_stamm.clear();

    protzeilen[0] = hprot::datumszeile();
    protzeilen[1] = kKopf;
    protokollZeigen();
    Edit2->clear();
}

void TForm65::protokollZeigen()
{
    // The record of the last run must not shine through where this one is shorter.
    surface().clear();
    Canvas& c = surface().canvas();
    const DesignGrid g(skala_x, skala_y);
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.font = Font();
    c.font.name = QStringLiteral("courier new");
    c.font.setSize(g.x(20));
    c.font.color = clBlack;
    c.brush.style = BrushStyle::Solid;
    c.brush.color = color();
    m_zeilen.clear();
    for (int i = 0; i <= 12; ++i) {
        const QString zeile = protzeilen[i];
        c.textOut(g.x(20), g.y(60 * i), zeile);
        if (!zeile.trimmed().isEmpty())
            m_zeilen << QRect(g.x(20), g.y(60 * i), c.textWidth(zeile), c.textHeight(zeile));
    }
}

void TForm65::wahl(bool speichern, bool drucken, bool nurDrucken)
{
    m_speichern = speichern;
    m_drucken = drucken;
    m_nurDrucken = nurDrucken;
    Button2->setEnabled(false);
    Button3->setEnabled(false);
    Button5->setEnabled(false);
    namenliste();
}

void TForm65::Button3Click()
{
    wahl(true, true, false);
}

void TForm65::Button5Click()
{
    wahl(true, false, false);
}

void TForm65::Button2Click()
{
    wahl(false, false, true);
}

void TForm65::Button1Click()
{
    Button2->setEnabled(false);
    Button3->setEnabled(false);
    Button5->setEnabled(false);
    Namenliste->hide();
    Label18->hide();
    meldung->hide();
    Close();
}

bool TForm65::namenliste()
{
    hprot::klinaUebernehmen();
    schuelerzahl = 0;
    m_schuelerzeilen.clear();
    m_blick.vergessen();
    namen->clear();
    if (aktivliste == "ohne") {
        nameTippen();
        return false;
    }
    const klassenliste::Schuelerliste liste = klassenliste::schuelerLesen(datpfad, aktivliste);
    // Every pupil is offered, also past the fortieth of a list made by hand: the lines are kept here, not in the
    // shared table of forty.
    m_schuelerzeilen = liste.zeilen;
    for (const QString& zeile : m_schuelerzeilen)
        namen->add(klassenliste::name(zeile));
    schuelerzahl = byte(std::min(int(m_schuelerzeilen.size()), 255));
    if (m_schuelerzeilen.isEmpty()) {
        // A protocol is never lost for want of a list: the pupil types a name, and it is kept as without a list.
        nameTippen();
        melden(liste.meldung + QStringLiteral(" ") + kAufforderung);
        return false;
    }
    Namenliste->show();
    namen->focusFirstItem();
    return true;
}

void TForm65::nameTippen()
{
    Namenliste->hide();
    Panel1->show();
    schuelername = Edit2->text();
    SetFocus(Edit2);
    // What to do stands beside the box, whatever brought it; a message why there is no list takes its place and
    // ends with the same words.
    meldungSetzen(kAufforderung, false);
}

void TForm65::namenClick()
{
    const int i = namen->ItemIndex();
    if (i < 0 || i >= m_schuelerzeilen.size()) return;
    const QString name = namen->itemText(i);
    const QString zeile = m_schuelerzeilen.at(i);
    schuelername = klassenliste::schuelercode(zeile, i + 1);
    schuelerzeile = zeile;
    // The names were read when they were shown; another PC may have changed or deleted the list since. The folder
    // is the line's, named as the administration names it.
    QString ordner;
    QString fehler;
    QString code;
    switch (
        klassenliste::ordnerWaehlen(datpfad, aktivliste, m_schuelerzeilen, i + 1, ordner, fehler, &code, &m_blick)) {
    case klassenliste::Ordnerwahl::angelegt:
        // The number the pupil is known by, as his folder is named: a list a teacher edited may skip numbers or
        // blank lines, and a pupil with a folder of his own carries its number.
        schuelername = code;
        break;
    case klassenliste::Ordnerwahl::geaendert:
        // Where the list cannot be read by now, the names' choice has said why and offers the typed-name box.
        if (namenliste())
            melden(QStringLiteral("Die Klassenliste wurde gerade geändert. Klicke deinen Namen noch einmal an."));
        else if (aktivliste == "ohne") // "kl.ina" says by now that there is no list
            melden(QStringLiteral("Die Klassenliste wurde gerade geändert. ") + kAufforderung);
        return;
    case klassenliste::Ordnerwahl::gesperrt:
        melden(QStringLiteral("Die Klassenliste wird gerade bearbeitet. Klicke deinen Namen gleich noch einmal an."));
        return;
    case klassenliste::Ordnerwahl::geloescht:
        // The protocol is kept as without a class list, never in the deleted list's folder.
        nameTippen();
        melden(QStringLiteral("Die Klassenliste „") + aktivliste + QStringLiteral("“ gibt es nicht mehr. ")
            + kAufforderung);
        return;
    case klassenliste::Ordnerwahl::unlesbar:
        melden(QStringLiteral("Die Klassenliste kann gerade nicht gelesen werden: ") + grund(fehler)
            + QStringLiteral(". Klicke deinen Namen gleich noch einmal an."));
        return;
    case klassenliste::Ordnerwahl::fehler:
        melden(QStringLiteral("Der Protokoll-Ordner kann nicht angelegt werden."));
        return;
    }
    // Hidden first: a message about the save is placed where the list no longer is.
    Namenliste->hide();
    ablegenUnter(name, ordner, m_blick.inhalt(QFileInfo(ordner).fileName()));
}

void TForm65::n_ohneChange()
{
    schuelername = Edit2->text();
    Button4->setVisible(!schuelername.isEmpty());
}

void TForm65::n_ohnekey(QChar& key)
{
    if (key.unicode() == 13) {
        if (!schuelername.isEmpty()) Button4->Click();
        key = QChar();
        return;
    }
    if (!hprot::namenszeichen(key)) key = QChar();
}

void TForm65::Button4Click()
{
    const QString name = Edit2->text();
    // The name is typed where there is no class list, or where the list was deleted after it was shown.
    const QString ordner = protokoll::ohnelistordner(datpfad, name);
    if (!hprot::namePasst(name) || ordner.isEmpty()) {
        beep();
        return;
    }
    schuelername = name;
    files::forceDirectories(ordner);
    ablegenUnter(name, ordner);
    Button4->hide();
}

void TForm65::ablegenUnter(const QString& name, const QString& ordner, const std::optional<QStringList>& inhalt)
{
    // The header names the pupil the protocol is saved under: a name typed after a full folder takes the
    // place of the one before, and so does the full folder's message.
    protzeilen[1] = kKopf + name;
    Label18->hide();
    meldung->hide();
    schuelerordner = ordner;
    m_stamm = schuelerordner + u'/' + protokoll::hilfenpraefix(programmcode);
    protdatei = m_stamm;
    freienummer(inhalt);
}

void TForm65::freienummer(const std::optional<QStringList>& inhalt)
{
    merker = 0;
    // One look at the folder, or the one the choice of it took; the save takes the number found here, or the next one
    // another PC left free.
    m_nummern = protokoll::nummernSuchen(m_stamm, inhalt);
    const int n = m_nummern.erste();
    if (n == 0) {
        ordnerVoll();
        return;
    }
    nrtext = protokoll::zweistellig(n);
    protdatei = m_nummern.datei(n);
    zeilendruck();
}

void TForm65::ordnerVoll()
{
    Label18->show();
    beep();
    SetFocus(Button1);
    Button3->setEnabled(false);
    merker = 1;
}

void TForm65::melden(const QString& text)
{
    meldungSetzen(text, true);
    beep();
}

void TForm65::meldungSetzen(const QString& text, bool warnung)
{
    meldung->setCaption(text);
    // A message is red; the words that only say what to do are not.
    setColor(meldung, warnung ? clRed : color());
    setFontColor(meldung, warnung ? clWhite : clBlack);
    // Beside what it is about: beside the typed-name box or right of the name list, where the message is about the
    // name; else under the protocol, beside the buttons. Never over a line of the protocol, a name or a button:
    // each place is moved down as far as that needs, and the next one is tried where none is free.
    constexpr int kSchmal = 160;
    const QRect raum = rect().adjusted(kAbstand, kAbstand, -kAbstand, -kAbstand);
    QList<QRect> belegt = m_zeilen;
    for (QWidget* w :
        std::initializer_list<QWidget*> { Namenliste, Panel1, Label18, Button3, Button5, Button2, Button1 })
        if (w->isVisibleTo(this)) belegt << w->geometry().adjusted(-kAbstand, -kAbstand, kAbstand, kAbstand);
    const int knoepfe = Button3->x() - kAbstand;
    // The widest the message may be at `links`, and as wide as the room left of the buttons.
    const auto breit = [&](int links) { return std::clamp(raum.right() + 1 - links, 0, 420); };
    const auto schmal
        = [&](int links) { return knoepfe - links >= kSchmal ? std::min(breit(links), knoepfe - links) : 0; };
    QList<hprot::Meldungsplatz> plaetze;
    const auto spalte = [&](int links, int oben) {
        plaetze << hprot::Meldungsplatz { QPoint(links, oben), breit(links) }
                << hprot::Meldungsplatz { QPoint(links, oben), schmal(links) };
    };
    if (Panel1->isVisibleTo(this)) {
        // Beside the box first as wide as the room left of the buttons, so that it stays beside it.
        const int daneben = Panel1->geometry().right() + 1 + kAbstand;
        plaetze << hprot::Meldungsplatz { QPoint(daneben, Panel1->y()), schmal(daneben) }
                << hprot::Meldungsplatz { QPoint(daneben, Panel1->y()), breit(daneben) };
        spalte(Panel1->x(), Panel1->geometry().bottom() + 1 + kAbstand);
    } else if (Namenliste->isVisibleTo(this)) {
        spalte(Namenliste->geometry().right() + 1 + kAbstand, Namenliste->y());
        spalte(Namenliste->x(), Namenliste->geometry().bottom() + 1 + kAbstand);
    } else {
        spalte(Label18->x(), Label18->y());
    }
    spalte(raum.left(), raum.top());
    QRect ort = hprot::meldungsort(
        plaetze, [this](int b) { return meldung->heightForWidth(b); }, raum, belegt);
    if (ort.isEmpty()) { // nowhere free: at least whole inside the dialog
        const int b = breit(Label18->x());
        ort = QRect(Label18->x(), Label18->y(), b, meldung->heightForWidth(b));
    }
    meldung->setGeometry(ort);
    meldung->show();
}

void TForm65::zeilendruck()
{
    protzeilen[pfadzeile::kHilfen].ganz(protdatei);
    bool gespeichert = false;
    QString fehler;
    if (m_speichern) {
        // Created exclusively at the first free number: a number that another PC on the same data folder
        // took meanwhile is skipped, and line 13 names the file actually written.
        const QString pfad = protokoll::anlegen(
            m_nummern,
            [](const QString& p) {
                protzeilen[pfadzeile::kHilfen].ganz(p);
                return hprot::protokollzeilen(pfadzeile::kHilfen);
            },
            fehler);
        gespeichert = !pfad.isEmpty();
        if (gespeichert) {
            protdatei = pfad;
            nrtext = pfad.right(6).left(2);
        }
    }
    if (m_drucken || m_nurDrucken) {
        // The file path is printed only when there is a file.
        const int bis = m_drucken && gespeichert ? pfadzeile::kHilfen : pfadzeile::kHilfen - 1;
        zeilendruck::Seite seite;
        seite.zeilen = zeilendruck::untereinander(hprot::protokollzeilen(bis), 200, 100, 55);
        seite.zeilen.last().umbrechen = bis == pfadzeile::kHilfen;
        zeilendruck::drucken(
            zeilendruck::protokolltitel(programmcode, schuelername), QVector<zeilendruck::Seite> { seite });
    }
    if (m_speichern && !gespeichert) {
        if (fehler.isEmpty())
            ordnerVoll(); // the other PCs filled the folder meanwhile
        else
            melden(QStringLiteral("Das Protokoll konnte nicht gespeichert werden: ") + grund(fehler)
                + QStringLiteral("."));
        SetFocus(Button1);
        return;
    }
    Close();
}
