#include "aids/h_haupt.h"

#include "aids/h_haupt_logik.h"
#include "aids/hilfenrahmen_logik.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/mousetrap.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"
#include "shell/fenster.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {

// Places of the right-hand side: every area's group box, the options panels beside it, the variant panels
// of "+/- im Raum 100" a little further left because they are wider.
constexpr int kGruppeX = 328, kGruppeY = 5, kGruppeB = 425, kGruppeH = 465;
constexpr int kOptionX = 790, kOptionY = 8;
// The level groups are as wide as their longest text beside its round button, with a little air before the
// frame; they start a little left of the options panels to keep the window's right edge where it is.
constexpr int kStufenX = 786, kStufenbreite = 309;
constexpr int kVarianteX = 765;
constexpr int kZeilenhoehe = 16; // one item of a number list

const QString kSchrift = QStringLiteral("MS Sans Serif");

// ---- Pictures of the written methods ----

enum class Verfahren { addition, additionLuecken, subtraktionErgaenzen, subtraktionTauschen };

// A column calculation as a pupil writes it: two rows of digits, a line, the result, and the small marks of
// the method (carry, gaps, completing carry, exchanged digits).
QPixmap verfahrensbild(Verfahren art)
{
    QPixmap bild(72, 118);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont ziffern = makeFont(QStringLiteral("courier new"), -22, FontStyle::Bold);
    const QFont klein = makeFont(QStringLiteral("arial"), -12, FontStyle::Bold);
    const int spalte[3] = { 30, 46, 62 }; // hundreds, tens, ones
    const auto zeichen = [&](int x, int y, const QString& s, const QColor& farbe, const QFont& f) {
        p.setFont(f);
        p.setPen(farbe);
        p.drawText(QRect(x - 10, y - 14, 20, 28), Qt::AlignCenter, s);
    };
    const auto zahl = [&](int y, const QString& s, const QColor& farbe) {
        for (int i = 0; i < 3; ++i)
            if (s.at(i) != QLatin1Char('_')) zeichen(spalte[i], y, s.mid(i, 1), farbe, ziffern);
    };
    const auto luecke = [&](int x, int y) {
        p.setPen(QPen(clRed, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(x - 6.5, y - 9.5, 13, 19));
    };
    const bool plus = art == Verfahren::addition || art == Verfahren::additionLuecken;
    const int oben = art == Verfahren::subtraktionTauschen ? 32 : 20;
    const int mitte = oben + 26;
    const int strich = mitte + 26;
    const int unten = strich + 22;

    if (plus) {
        // 258 + 136 = 394, one carry from the ones into the tens
        zahl(oben, art == Verfahren::additionLuecken ? QStringLiteral("2_8") : QStringLiteral("258"), clBlue);
        zahl(mitte, art == Verfahren::additionLuecken ? QStringLiteral("13_") : QStringLiteral("136"), clBlue);
        if (art == Verfahren::additionLuecken) {
            luecke(spalte[1], oben);
            luecke(spalte[2], mitte);
        }
        zeichen(10, mitte, QStringLiteral("+"), clRed, ziffern);
        zeichen(spalte[1] - 5, strich - 9, QStringLiteral("1"), clRed, klein);
    } else {
        // 394 - 136 = 258
        zahl(oben, QStringLiteral("394"), clBlue);
        zahl(mitte, QStringLiteral("136"), clBlue);
        zeichen(10, mitte, QStringLiteral("-"), clRed, ziffern);
        if (art == Verfahren::subtraktionErgaenzen) {
            // completing: the carry stands small beside the subtrahend's tens
            zeichen(spalte[1] - 5, strich - 9, QStringLiteral("1"), clRed, klein);
        } else {
            // exchanging: one ten taken from the 9 turns the 4 ones into 14
            p.setPen(QPen(clRed, 1.5));
            p.drawLine(QPointF(spalte[1] - 7, oben + 8), QPointF(spalte[1] + 7, oben - 8));
            p.drawLine(QPointF(spalte[2] - 7, oben + 8), QPointF(spalte[2] + 7, oben - 8));
            zeichen(spalte[1], oben - 20, QStringLiteral("8"), clRed, klein);
            zeichen(spalte[2] + 1, oben - 20, QStringLiteral("14"), clRed, klein);
        }
    }
    p.setPen(QPen(clBlack, 2));
    p.drawLine(QPointF(4, strich), QPointF(70, strich));
    zahl(unten, plus ? QStringLiteral("394") : QStringLiteral("258"), clBlue);
    return bild;
}

// ---- Arrows of the snake directions ----

enum class Richtungen { gerade, schraeg, alle };

QPixmap pfeilbild(Richtungen welche)
{
    constexpr int groesse = 40;
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF mitte(groesse / 2.0, groesse / 2.0);
    const auto pfeil = [&](double winkel) {
        const double r = 16.0;
        const QPointF spitze(mitte.x() + r * std::cos(winkel), mitte.y() - r * std::sin(winkel));
        p.setPen(QPen(clBlue, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(mitte, spitze);
        QPainterPath kopf;
        const double flanke = qDegreesToRadians(150.0);
        kopf.moveTo(spitze);
        kopf.lineTo(spitze + QPointF(6 * std::cos(winkel + flanke), -6 * std::sin(winkel + flanke)));
        kopf.lineTo(spitze + QPointF(6 * std::cos(winkel - flanke), -6 * std::sin(winkel - flanke)));
        kopf.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(clBlue);
        p.drawPath(kopf);
    };
    for (int k = 0; k < 8; ++k) {
        const bool gerade = k % 2 == 0;
        if (welche == Richtungen::alle || (gerade == (welche == Richtungen::gerade)))
            pfeil(qDegreesToRadians(45.0 * k));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(clRed);
    p.drawEllipse(mitte, 3, 3);
    return bild;
}

// ---- Controls ----

Button* neuerKnopf(QWidget* parent, const QString& caption, int left, int top, int width, int height, int schrift)
{
    auto* b = new Button(parent, caption, left, top, width, height);
    applyFont(b, kSchrift, schrift);
    return b;
}

Label* text(QWidget* parent, const QString& caption, int left, int top, int schrift = 16, FontStyles stil = 0)
{
    auto* l = new Label(parent, caption, left, top);
    applyFont(l, kSchrift, schrift, stil);
    return l;
}

// Lines of a note, one label each.
void notiz(QWidget* parent, const QStringList& zeilen, int left, int top, int abstand = 15, int schrift = 14)
{
    for (int i = 0; i < zeilen.size(); ++i)
        text(parent, zeilen.at(i), left, top + i * abstand, schrift);
}

// " 1" .. "10": the numbers von..bis right-aligned in `breite` characters.
QStringList zahlen(int von, int bis, int breite)
{
    QStringList s;
    for (int i = von; i <= bis; ++i)
        s << QString::number(i).rightJustified(breite, QLatin1Char(' '));
    return s;
}

ListBox* zahlenliste(QWidget* parent, const QStringList& eintraege, int left, int top, int width = 44)
{
    auto* l = new ListBox(parent, left, top, width, int(eintraege.size()) * kZeilenhoehe + 4);
    applyFont(l, kSchrift, 16);
    l->setMultiSelect(true);
    l->setItemHeight(kZeilenhoehe);
    l->setItems(eintraege);
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return l;
}

RadioGroup* wahlgruppe(QWidget* parent, const QString& caption, const QStringList& eintraege, int left, int top,
    int width, int zeilenhoehe = 22, int spalten = 1)
{
    const int zeilen = (int(eintraege.size()) + spalten - 1) / spalten;
    auto* g = new RadioGroup(parent, caption, left, top, width, zeilen * zeilenhoehe + 22);
    applyFont(g, kSchrift, 15);
    g->setColumns(spalten);
    g->setItems(eintraege);
    return g;
}

Panel* optionspanel(QWidget* parent, int width, int height, int left = kOptionX)
{
    auto* p = new Panel(parent, left, kOptionY, width, height);
    p->setBevelOuter(Bevel::Raised);
    p->hide();
    return p;
}

GroupBox* bereich(QWidget* parent, const QString& caption = QString())
{
    auto* g = new GroupBox(parent, caption, kGruppeX, kGruppeY, kGruppeB, kGruppeH);
    applyFont(g, kSchrift, 16, FontStyle::Bold);
    g->hide();
    return g;
}

// A sub-panel of aid buttons inside a group box.
GroupBox* unterbereich(QWidget* parent, const QString& caption, int left, int top, int width, int height)
{
    auto* g = new GroupBox(parent, caption, left, top, width, height);
    applyFont(g, kSchrift, 15, FontStyle::Bold);
    return g;
}

std::vector<bool> auswahl(const ListBox* liste)
{
    std::vector<bool> gewaehlt;
    for (int i = 0; i < liste->count(); ++i)
        gewaehlt.push_back(liste->Selected(i));
    return gewaehlt;
}

bool zwischen(int wert, int von, int bis)
{
    return wert >= von && wert <= bis;
}

} // namespace

// ---- What each section shows in which control ----

// A number list and its array: entry i holds erster + i when item i is chosen (wahlbytes: i + 3, else 255).
struct TForm63::Listenbindung {
    ListBox* liste;
    h_haupt::Listenbezug feld; // empty: wahlbytes
    int erster;
};

// A radio group and the option variable that holds its item.
struct TForm63::Wahlbindung {
    RadioGroup* gruppe;
    std::function<int()> lesen;
    std::function<void(int)> setzen;

    template <typename T> static Wahlbindung an(RadioGroup* g, T& variable)
    {
        T* ziel = &variable;
        return { g, [ziel] { return int(*ziel); }, [ziel](int i) { *ziel = T(i); } };
    }
};

struct TForm63::Bindung {
    std::vector<Listenbindung> listen;
    std::vector<Wahlbindung> wahlen;
};

// ---- Form description ----

TForm63::TForm63(QWidget* parent)
    : Form(parent)
    , m_bindungen(std::make_unique<std::map<QString, Bindung>>())
{
    setObjectName(QStringLiteral("TForm63"));
    setCaption(QStringLiteral("Hilfen"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 1096, 745);
    setDefaultFont(kSchrift, -11);
    aufbauen();
    verbinden();
    setActiveControl(endebutton);
    OnActivate = [this] { hhaktiv(); };
    OnClose = [this] { hilfenzu(); };
}

TForm63::~TForm63() = default;

void TForm63::aufbauen()
{
    auto* titel = new Panel(this, 16, 8, 300, 81);
    titel->setBevelOuter(Bevel::Lowered);
    text(titel, QStringLiteral("TAVI"), 16, 10, -30, FontStyle::Bold);
    const QString version = QCoreApplication::applicationVersion();
    text(titel, version.isEmpty() ? QStringLiteral("Hilfen") : QStringLiteral("Hilfen   ") + version, 18, 52, 16);

    const auto bereichsknopf
        = [this](const QString& caption, int top) { return neuerKnopf(this, caption, 16, top, 300, 40, 19); };
    Button1 = bereichsknopf(QStringLiteral("&Zahlbegriff"), 101);
    Button2 = bereichsknopf(QStringLiteral("Rechnen im Raum bis &20"), 153);
    Button37 = bereichsknopf(QStringLiteral("+ / -  im Raum bis &100"), 205);
    Button4 = bereichsknopf(QStringLiteral("&Malnehmen und Teilen"), 257);
    Button3 = bereichsknopf(QStringLiteral("Rechnen in &Tabellen"), 309);
    Button5 = bereichsknopf(QStringLiteral("&halbschriftliche Rechenverfahren"), 361);
    Button6 = bereichsknopf(QStringLiteral("&schriftliche Rechenverfahren"), 414);
    Button7 = bereichsknopf(QStringLiteral("Maßeinheiten"), 723);
    Button7->hide();
    Button7->setEnabled(false);

    Panel_Prot = new Panel(this, 16, 480, 585, 49);
    Panel_Prot->setBevelOuter(Bevel::Raised);
    Label1 = text(Panel_Prot, QStringLiteral("Vorgaben:"), 14, 16, 16, FontStyle::Bold);
    Label4 = text(Panel_Prot, QString(), 120, 16, 16);
    Label5 = text(Panel_Prot, QString(), 300, 16, 16);
    Button11 = neuerKnopf(Panel_Prot, QStringLiteral("ändern"), 470, 8, 100, 33, 16);

    endebutton = neuerKnopf(this, QStringLiteral("Hilfen beenden"), 624, 480, 129, 49, 16);
    endebutton->Cancel = true;
    startknopf = neuerKnopf(this, QStringLiteral("Start"), 624, 537, 121, 48, 19);
    startknopf->Default = true;
    startknopf->hide();
    startknopf->setEnabled(false);

    bereicheAufbauen();
    optionenAufbauen();
    stufenAufbauen();
    protfunktionenAufbauen();
}

void TForm63::bereicheAufbauen()
{
    // Zahlbegriff
    GBZahlBegriff = bereich(this);
    auto* raum10 = unterbereich(GBZahlBegriff, QStringLiteral("Raum 10:"), 12, 12, 401, 118);
    Button12 = neuerKnopf(raum10, QStringLiteral("Wie viele sind es?"), 12, 22, 377, 28, 16);
    Button13 = neuerKnopf(raum10, QStringLiteral("Zerlegen mit Beinchen"), 12, 52, 377, 28, 16);
    Button14 = neuerKnopf(raum10, QStringLiteral("Zerlegen im 10er-Feld"), 12, 82, 377, 28, 16);
    auto* strahl = unterbereich(GBZahlBegriff, QStringLiteral("Orientierung am Strahl:"), 12, 140, 401, 62);
    Button15 = neuerKnopf(strahl, QStringLiteral("bis 10"), 12, 24, 117, 28, 16);
    Button16 = neuerKnopf(strahl, QStringLiteral("bis 20"), 142, 24, 117, 28, 16);
    Button17 = neuerKnopf(strahl, QStringLiteral("bis 100"), 272, 24, 117, 28, 16);
    auto* feld = unterbereich(GBZahlBegriff, QStringLiteral("100er-Feld: "), 12, 212, 401, 92);
    Button18 = neuerKnopf(feld, QStringLiteral("Zahl einordnen"), 12, 24, 182, 28, 16);
    Button19 = neuerKnopf(feld, QStringLiteral("Zahl nennen"), 207, 24, 182, 28, 16);
    Button20 = neuerKnopf(feld, QStringLiteral("Zahl zuordnen"), 12, 56, 182, 28, 16);
    Button21 = neuerKnopf(feld, QStringLiteral("Schlangen"), 207, 56, 182, 28, 16);
    auto* tausend = unterbereich(GBZahlBegriff, QStringLiteral("Raum 1000:"), 12, 314, 401, 62);
    Button27 = neuerKnopf(tausend, QStringLiteral("Platten, Stangen, Blöcke"), 12, 24, 377, 28, 16);

    // Rechnen im Raum bis 20
    gbRaum20 = bereich(this);
    const auto spalte = [](QWidget* box, const QStringList& captions, std::initializer_list<Button**> ziele) {
        int i = 0;
        for (Button** ziel : ziele) {
            *ziel = neuerKnopf(box, captions.at(i), 12, 22 + i * 29, 172, 26, 16);
            ++i;
        }
    };
    auto* felder10 = unterbereich(gbRaum20, QStringLiteral("Raum 10: Felder"), 12, 12, 196, 202);
    spalte(felder10,
        { QStringLiteral("plus"), QStringLiteral("minus"), QStringLiteral("ergänzen +"),
            QStringLiteral("zerlegen (Beinchen)"), QStringLiteral("zerlegen (Feld)"), QStringLiteral("Mischung") },
        { &Button8, &Button10, &Button23, &Button24, &Button25, &Button26 });
    auto* strahl10 = unterbereich(gbRaum20, QStringLiteral("Raum 10: Strahl"), 12, 224, 196, 173);
    spalte(strahl10,
        { QStringLiteral("plus"), QStringLiteral("minus"), QStringLiteral("ergänzen   (+)"),
            QStringLiteral("ergänzen  (-)"), QStringLiteral("Mischung") },
        { &Button29, &Button30, &Button31, &Button32, &Button33 });
    const QStringList zue = { QStringLiteral("plus"), QStringLiteral("minus"), QStringLiteral("ergänzen  (+)"),
        QStringLiteral("Mischung") };
    auto* felder20 = unterbereich(gbRaum20, QStringLiteral("Zehnerübergang: Felder"), 217, 12, 196, 144);
    spalte(felder20, zue, { &Button34, &Button35, &Button36, &Button38 });
    auto* strahl20 = unterbereich(gbRaum20, QStringLiteral("Zehnerübergang: Strahl"), 217, 166, 196, 144);
    spalte(strahl20, zue, { &Button39, &Button40, &Button41, &Button43 });
    text(gbRaum20, QStringLiteral("s. auch:   Rechnen in Tabellen"), 14, 420, 15);

    // Rechnen in Tabellen
    gbTabellen = bereich(this);
    auto* tabellen = unterbereich(gbTabellen, QStringLiteral("Rechnen inTabellen"), 12, 12, 401, 250);
    Button42 = neuerKnopf(tabellen, QStringLiteral("1 + 1,  Raum 10, Raum 20"), 12, 22, 377, 28, 16);
    Button44 = neuerKnopf(tabellen, QStringLiteral("1 - 1,  Raum 10, Raum 20"), 12, 52, 377, 28, 16);
    Button22 = neuerKnopf(tabellen, QStringLiteral("kleines  1 x 1"), 12, 82, 377, 28, 16);
    Button28 = neuerKnopf(tabellen, QStringLiteral("kleines  1 : 1"), 12, 112, 377, 28, 16);
    const QStringList mittel = { QStringLiteral("mittleres  1 x 1"), QStringLiteral("ZE + E"), QStringLiteral("ZE - E"),
        QStringLiteral("ZE + ZE"), QStringLiteral("HZE - ZE"), QStringLiteral("E x ZE") };
    Button** mittelknoepfe[] = { &Button45, &Button46, &Button47, &Button48, &Button49, &Button50 };
    for (int i = 0; i < 6; ++i)
        *mittelknoepfe[i] = neuerKnopf(tabellen, mittel.at(i), 12 + (i % 2) * 195, 152 + (i / 2) * 30, 182, 28, 16);
    notiz(gbTabellen,
        { QStringLiteral("ein Hinweis:"), QStringLiteral("beim Rechnen in Tabellen gibt es ein Protokoll:"),
            QStringLiteral("-   auf Wunsch: wenn mindestens ein Feld richtig gefüllt "),
            QStringLiteral("    und die vorgegebene Arbeitszeit erreicht ist,"),
            QStringLiteral("-   automatisch: sobald die Tabelle vollständig ausgefüllt ist. ") },
        14, 290, 17);

    // Malnehmen und Teilen
    gb1x1 = bereich(this);
    Button51 = neuerKnopf(gb1x1, QStringLiteral("Hilfen beim kleinen  1 x 1"), 12, 20, 401, 34, 19);
    Button52 = neuerKnopf(gb1x1, QStringLiteral("Reihen und Muster im 100er-Feld     *)"), 12, 64, 401, 34, 19);
    Button53 = neuerKnopf(gb1x1, QStringLiteral("1 x 1  -  Stern    *)"), 12, 108, 401, 34, 19);
    Button54 = neuerKnopf(gb1x1, QStringLiteral("mittleres und großes  1 x 1"), 12, 152, 401, 34, 19);
    Button55 = neuerKnopf(gb1x1, QStringLiteral("Hilfen beim kleinen  1 : 1"), 12, 196, 401, 34, 19);
    Button56 = neuerKnopf(gb1x1, QStringLiteral("Teilersuche am Strahl    *)"), 12, 240, 401, 34, 19);
    text(gb1x1, QStringLiteral("s. auch:   Rechnen in Tabellen"), 14, 320, 15);
    text(gb1x1, QStringLiteral(" *)   Eine Aufgabe besteht aus einer Aufgabenreihe."), 14, 345, 15);

    // + / - im Raum bis 100
    gbpm100 = bereich(this, QStringLiteral("Raum 100"));
    pm100rechenart = wahlgruppe(gbpm100, QStringLiteral("Rechenart:"),
        { QStringLiteral(" plus"), QStringLiteral(" minus"), QStringLiteral(" ergänzen") }, 12, 24, 190, 24);
    pm100hilfen = wahlgruppe(gbpm100, QStringLiteral("Hilfen am:"),
        { QStringLiteral("100er-Feld"), QStringLiteral("100er-Strahl") }, 214, 24, 199, 24);
    pm100zahlwahl = wahlgruppe(gbpm100, QStringLiteral("Zahlen:"),
        { QStringLiteral(" gemischte Zehner und Einer"), QStringLiteral(" 2 gemischte Zehnerzahlen") }, 12, 130, 401,
        24);
    GroupBox1 = unterbereich(gbpm100, QString(), 12, 216, 401, 62);
    Button60 = neuerKnopf(GroupBox1, QStringLiteral("Reihen und Muster im 100er-Feld     *)"), 12, 18, 377, 32, 16);
    text(gbpm100, QStringLiteral("s. auch:   Rechnen in Tabellen"), 14, 300, 15);
    text(gbpm100, QStringLiteral(" *)   Eine Aufgabe besteht aus einer Aufgabenreihe."), 14, 325, 15);

    // halbschriftliche Rechenverfahren
    GB_HSV = bereich(this, QStringLiteral("halbschriftliche Rechenverfahren"));
    hsv_tempo = wahlgruppe(GB_HSV, QString(),
        { QStringLiteral("ausführlich        (langer Weg ist Pflicht)"),
            QStringLiteral("schnell              (langer Weg als Hilfe) ") },
        12, 28, 401, 24);
    hsv_r_art = wahlgruppe(GB_HSV, QString(),
        { QStringLiteral(" plus                                 ZE + ZE = ZE"),
            QStringLiteral(" minus                               ZE - ZE = ZE "),
            QStringLiteral(" ergänzen zu Zehnern      ZE + __ = Z0 "),
            QStringLiteral(" mal          ZE x E    //    E x ZE = (H)ZE"),
            QStringLiteral(" geteilt                            (H)ZE : E = ZE") },
        12, 112, 401, 26);

    // schriftliche Rechenverfahren
    GB_SV = bereich(this);
    const Verfahren bilder[] = { Verfahren::addition, Verfahren::additionLuecken, Verfahren::subtraktionErgaenzen,
        Verfahren::subtraktionTauschen };
    Button** bildknoepfe[] = { &BitBtn2, &BitBtn3, &BitBtn4, &BitBtn5 };
    for (int i = 0; i < 4; ++i)
        *bildknoepfe[i] = new PictureButton(GB_SV, verfahrensbild(bilder[i]), 16 + i * 99, 20, 85, 128);
    Button62 = neuerKnopf(GB_SV, QStringLiteral("H Z E  x  E"), 12, 166, 401, 32, 16);
    Button63 = neuerKnopf(GB_SV, QStringLiteral("H Z E  x  Z E"), 12, 206, 401, 32, 16);
    Button66 = neuerKnopf(GB_SV, QStringLiteral("T H Z E  :  E     kurzer Weg, ohne Rest"), 12, 246, 401, 32, 16);
    Button64 = neuerKnopf(GB_SV, QStringLiteral("T H Z E  :  E    langer Weg"), 12, 286, 401, 32, 16);
    Button65 = neuerKnopf(GB_SV, QStringLiteral("T H Z E  :  Z E   langer Weg"), 12, 326, 401, 32, 16);

    m_gruppen = { GBZahlBegriff, gbRaum20, gbTabellen, gb1x1, gbpm100, GB_HSV, GB_SV };
}

void TForm63::optionenAufbauen()
{
    const QStringList geordnet = { QStringLiteral(" geordnet"), QStringLiteral(" ungeordnet") };
    const QStringList reihe = { QStringLiteral(" der Reihe nach"), QStringLiteral(" springend") };

    wievielep = optionspanel(this, 290, 196);
    // On two lines: on one it runs under the group of the presentation times.
    Label* mengen = text(wievielep, QStringLiteral("erlaubte Mengen"), 12, 8, 15);
    mengen->setAutoSize(false);
    mengen->setWordWrap(true);
    place(mengen, 12, 8, 68, 36);
    wiev3_9 = zahlenliste(wievielep, zahlen(3, 9, 2), 24, 46);
    wievZeiten = wahlgruppe(wievielep, QStringLiteral("Darbietungszeiten"),
        { QStringLiteral("1,0 sec  (immer gleich)"), QStringLiteral("2,0 sec  (immer gleich)"),
            QStringLiteral("4,0 sec  (abnehmend)"), QStringLiteral("8,0 sec  (abnehmend)"),
            QStringLiteral("0,2 sec/Element"), QStringLiteral("0,4 sec/Element"), QStringLiteral("0,6 sec/Element") },
        84, 8, 194);

    schlangenpanel = optionspanel(this, 290, 190);
    text(schlangenpanel, QStringLiteral("Schlangen"), 12, 8, 16, FontStyle::Bold);
    text(schlangenpanel, QStringLiteral("erlaubte Längen:"), 12, 32, 15);
    langeschlange = zahlenliste(schlangenpanel, zahlen(3, 7, 1), 24, 52);
    schlrich = wahlgruppe(
        schlangenpanel, QStringLiteral("erlaubte Richtungen:"), { QString(), QString(), QString() }, 124, 30, 154, 44);
    const Richtungen richtungen[] = { Richtungen::gerade, Richtungen::schraeg, Richtungen::alle };
    for (int i = 0; i < 3; ++i) {
        schlrich->button(i)->setIcon(QIcon(pfeilbild(richtungen[i])));
        schlrich->button(i)->setIconSize(QSize(40, 40));
    }

    const auto zahlwahl
        = [this](Panel*& panel, const QString& titel, ListBox*& a, ListBox*& b, ListBox*& c, Label*& anzahl,
              const QStringList& l1, const QStringList& l3, const QStringList& notizen) {
              const int hoehe = int(l1.size()) * kZeilenhoehe + 4;
              panel = optionspanel(this, 300, 118 + hoehe + int(notizen.size()) * 15);
              text(panel, titel, 12, 10, 16, FontStyle::Bold);
              a = zahlenliste(panel, l1, 24, 38);
              text(panel, QStringLiteral("+"), 82, 30 + hoehe / 2, -20, FontStyle::Bold);
              b = zahlenliste(panel, l1, 104, 38);
              text(panel, QStringLiteral("="), 162, 30 + hoehe / 2, -20, FontStyle::Bold);
              c = zahlenliste(panel, l3, 184, 38);
              Label* vorrat
                  = text(panel, QStringLiteral("aus dem Zahlenvorrat bildbare Aufgaben:      "), 12, 52 + hoehe, 14);
              const int rechts = vorrat->x() + vorrat->fontMetrics().horizontalAdvance(vorrat->text());
              anzahl = text(panel, QStringLiteral("0"), rechts, 50 + hoehe, 17, FontStyle::Bold);
              notiz(panel, notizen, 12, 84 + hoehe);
          };
    zahlwahl(Zahlwahl10, QStringLiteral("Auswahl der Zahlen  (Raum 10)"), ListBox1, ListBox2, ListBox3, aufgabenzahl,
        zahlen(1, 9, 2), zahlen(2, 10, 2),
        { QStringLiteral("Die Auswahl, welche Sie hier "), QStringLiteral("für die Plus-Aufgaben treffen, "),
            QStringLiteral("gilt danach für alle "), QStringLiteral("Aufgabenformen, "),
            QStringLiteral("die zu deren Familie gehören."), QStringLiteral("(Minus, Ergänzen, Zerlegen, ...)") });
    zahlwahl(zahlwahl20, QStringLiteral("Auswahl der Zahlen  (Raum 20)"), ListBox4, ListBox5, ListBox6, aufgabenzahl20,
        zahlen(2, 9, 2), zahlen(11, 18, 2),
        { QStringLiteral("Die Auswahl, welche Sie hier "), QStringLiteral("für die Plus-Aufgaben treffen, "),
            QStringLiteral("gilt danach auch für die Minus-"), QStringLiteral("und Ergänzungsaufgaben.") });

    // The tables: two margin lists (rows, columns) and the choices of order and asking.
    tabelle1p1 = optionspanel(this, 290, 316);
    text(tabelle1p1, QStringLiteral("Auswahl der Randzahlen   +"), 12, 10, 16, FontStyle::Bold);
    senkrecht = zahlenliste(tabelle1p1, zahlen(0, 9, 2), 20, 38);
    waagerecht = zahlenliste(tabelle1p1, zahlen(0, 9, 2), 76, 38);
    randzahlen = wahlgruppe(tabelle1p1, QStringLiteral("Randzahlen"), geordnet, 132, 34, 146);
    fragefenster = wahlgruppe(tabelle1p1, QStringLiteral("Fragefenster"), reihe, 132, 108, 146);
    aufgwahl = wahlgruppe(tabelle1p1, QStringLiteral("Es sollen gestellt werden:"),
        { QStringLiteral("nur Aufgaben ohne Zehnerübergang "), QStringLiteral("alle Aufgaben "),
            QStringLiteral("nur Aufgaben mit Zehnerübergang ") },
        12, 216, 266);

    tab1minus1 = optionspanel(this, 290, 348);
    text(tab1minus1, QStringLiteral("Auswahl der Randzahlen   -"), 12, 10, 16, FontStyle::Bold);
    text(tab1minus1, QStringLiteral("(ggf: +10)"), 12, 30, 15);
    senksub = zahlenliste(tab1minus1, zahlen(0, 10, 2), 20, 54);
    waagsub = zahlenliste(tab1minus1, zahlen(0, 10, 2), 76, 54);
    Rand1min1 = wahlgruppe(tab1minus1, QStringLiteral("Randzahlen"), geordnet, 132, 50, 146);
    Fenster1min1 = wahlgruppe(tab1minus1, QStringLiteral("Fragefenster"), reihe, 132, 124, 146);
    agwahl1min1 = wahlgruppe(tab1minus1, QStringLiteral("Es sollen gestellt werden:"),
        { QStringLiteral("alle (mögl.) Aufgaben im Raum 10"), QStringLiteral("alle Aufgaben im Raum 20 "),
            QStringLiteral("nur Aufgaben mit Zehnerübergang ") },
        12, 248, 266);

    tab1mal1 = optionspanel(this, 290, 234);
    text(tab1mal1, QStringLiteral("Auswahl der Faktoren"), 12, 10, 16, FontStyle::Bold);
    senkmal = zahlenliste(tab1mal1, zahlen(0, 10, 2), 20, 38);
    waagmal = zahlenliste(tab1mal1, zahlen(0, 10, 2), 76, 38);
    Rand1mal1 = wahlgruppe(tab1mal1, QStringLiteral("Randzahlen"), geordnet, 132, 34, 146);
    Fenster1mal1 = wahlgruppe(tab1mal1, QStringLiteral("Fragefenster"), reihe, 132, 108, 146);

    Tab1durch1 = optionspanel(this, 290, 372);
    text(Tab1durch1, QStringLiteral("Auswahl der Teiler "), 12, 10, 16, FontStyle::Bold);
    waagdurch = zahlenliste(Tab1durch1, zahlen(2, 10, 3), 20, 38, 50);
    Rand1durch1 = wahlgruppe(Tab1durch1, QStringLiteral("Randzahlen"), geordnet, 132, 34, 146);
    fenster1durch1 = wahlgruppe(Tab1durch1, QStringLiteral("Fragefenster"), reihe, 132, 108, 146);
    agwahl1durch1 = wahlgruppe(Tab1durch1, QStringLiteral("Es sollen gestellt werden"),
        { QStringLiteral(" alle Aufgaben"), QStringLiteral(" Aufgaben aus dem kleinen 1x1") }, 12, 198, 266);
    notiz(Tab1durch1,
        { QStringLiteral("Bitte markieren Sie "), QStringLiteral("maximal 5 Teiler."),
            QStringLiteral("Die Tabelle wird "), QStringLiteral("quadratisch."), QStringLiteral("(Anzahl der Zeilen "),
            QStringLiteral("= Anzahl der Teiler)") },
        12, 272);

    Tab8x8 = optionspanel(this, 290, 218);
    randtab8x8 = wahlgruppe(Tab8x8, QStringLiteral("Randzahlen"), geordnet, 12, 10, 128);
    fenstertab8x8 = wahlgruppe(Tab8x8, QStringLiteral("Fragefenster"), reihe, 150, 10, 128);
    notiz(Tab8x8,
        { QStringLiteral("Die Tabelle hat immer 8 Zeilen "), QStringLiteral("und 8 Spalten."),
            QStringLiteral("Es werden jeweils die Einerziffern "), QStringLiteral("2 ... 9 verwendet und zu den "),
            QStringLiteral("benötigten Zahlen erweitert."), QStringLiteral("Falls die Randzahlen geordnet "),
            QStringLiteral("sein sollen, geschieht das nach "), QStringLiteral("den enthaltenen Einerziffern.") },
        12, 88);

    h1x1 = optionspanel(this, 230, 244);
    text(h1x1, QStringLiteral("erlaubte"), 12, 8, 15, FontStyle::Bold);
    text(h1x1, QStringLiteral("linke Faktoren   rechte Faktoren"), 12, 26, 15);
    lmal = zahlenliste(h1x1, zahlen(0, 10, 2), 28, 50);
    rmal = zahlenliste(h1x1, zahlen(0, 10, 2), 128, 50);

    h1d1 = optionspanel(this, 230, 300);
    text(h1d1, QStringLiteral("erlaubte"), 12, 8, 15, FontStyle::Bold);
    text(h1d1, QStringLiteral("Divisoren            Quotienten"), 12, 26, 15);
    ldurch = zahlenliste(h1d1, zahlen(1, 10, 2), 28, 50);
    rdurch = zahlenliste(h1d1, zahlen(1, 10, 2), 128, 50);
    restgroup = wahlgruppe(h1d1, QString(),
        { QStringLiteral("  Aufgaben ohne Rest"), QStringLiteral("  Aufgaben mit Rest") }, 12, 226, 206);

    mittl1x1panel = optionspanel(this, 290, 290);
    text(mittl1x1panel, QStringLiteral("erlaubte Einer im"), 12, 8, 15, FontStyle::Bold);
    text(mittl1x1panel, QStringLiteral("linken Faktor   rechten Faktor"), 12, 26, 15);
    m1x1links = zahlenliste(mittl1x1panel, zahlen(2, 9, 2), 28, 50);
    m1x1rechts = zahlenliste(mittl1x1panel, zahlen(2, 9, 2), 118, 50);
    m1x1wahl = wahlgruppe(mittl1x1panel, QStringLiteral("Form"),
        { QStringLiteral("   E x ZE    ( 3 x 15)"), QStringLiteral(" ZE x E      (15  x  3)"),
            QStringLiteral(" ZE x ZE    (15 x 15)") },
        12, 196, 266);

    mustreihpanel = optionspanel(this, 290, 306);
    mrswgroup
        = wahlgruppe(mustreihpanel, QStringLiteral("Schrittweite (1x1-Reihe)"), zahlen(2, 9, 2), 12, 10, 266, 22, 2);
    mrrigroup = wahlgruppe(mustreihpanel, QStringLiteral("Richtung der Schritte"),
        { QStringLiteral("vorwärts"), QStringLiteral("rückwärts") }, 12, 130, 266);
    mrwelchegroup = wahlgruppe(mustreihpanel, QString(),
        { QStringLiteral("nur Zahlen des kl. 1x1"), QStringLiteral("1x1-Zahlen über das kl. 1x1 hinaus"),
            QStringLiteral("keine 1x1-Zahlen") },
        12, 206, 266);

    // The variant panels of "+/- im Raum 100": one per kind, its levels as items.
    const auto variantenpanel
        = [this](Panel*& panel, RadioGroup*& gruppe, const QString& titel, const QStringList& stufen) {
              panel = optionspanel(this, 316, 52 + int(stufen.size()) * 24 + 22, kVarianteX);
              text(panel, titel, 12, 10, 16, FontStyle::Bold);
              gruppe = wahlgruppe(panel, QString(), stufen, 12, 34, 292, 24);
          };
    const QString mischung = QStringLiteral("Mischung");
    variantenpanel(pm100_11, pm100panelvar11, QStringLiteral("2-stellig // 1-stellig,     plus"),
        { QStringLiteral("Zehnerzahl + Einer    30 + 4 = __"), QStringLiteral("Ergebnis =  Zehnerzahl   36 + 4 = __"),
            QStringLiteral("ohne Zehnerübergang   36 + 2 = __"), QStringLiteral("mit Zehnerübergang   36 + 6 = __"),
            mischung });
    variantenpanel(pm100_12, pm100panelvar12, QStringLiteral("2-stellig // 1-stellig,     minus"),
        { QStringLiteral("Ergebnis =  Zehnerzahl   34 - 4 = __"), QStringLiteral("Zehnerzahl - Einer    40 - 4 = __"),
            QStringLiteral("ohne Zehnerübergang   38 - 2 = __"), QStringLiteral("mit Zehnerübergang   42 - 6 = __"),
            mischung });
    variantenpanel(pm100_13, pm100panelvar13, QStringLiteral("2-stellig // 1-stellig, ergänzen"),
        { QStringLiteral("Zehnerzahl + Einer    30 + __ = 34"), QStringLiteral("Ergebnis =  Zehnerzahl   36 + __ = 40"),
            QStringLiteral("ohne Zehnerübergang   36 + __ = 38"), QStringLiteral("mit Zehnerübergang   36 + __ = 42"),
            mischung });
    variantenpanel(pm100_21, pm100panelvar21, QStringLiteral("2-stellig // 2-stellig,     plus"),
        { QStringLiteral("zwei Zehnerzahlen    20 + 50 = __"),
            QStringLiteral("Zehnerzahl + gem. Zehner   30 + 34 = __"),
            QStringLiteral("gem. Zehner + Zehner   36 + 30 = __"),
            QStringLiteral("Ergebnis = Zehnerzahl    36 + 24 = __"),
            QStringLiteral("ohne Zehnerübergang    36 + 32 = __"), QStringLiteral("mit  Zehnerübergang   36 + 38 = __"),
            mischung });
    variantenpanel(pm100_22, pm100panelvar22, QStringLiteral("2-stellig // 2-stellig,     minus"),
        { QStringLiteral("zwei Zehnerzahlen    70 - 20 = __"), QStringLiteral("gem. Zehner - Zehner   64 - 20 = __"),
            QStringLiteral("Ergebnis = Zehnerzahl    64 - 34 = __"),
            QStringLiteral("subtr. von Zehnerzahlen   60 - 24 = __"),
            QStringLiteral("ohne Zehnerübergang    68 - 36 = __"), QStringLiteral("mit Zehnerübergang   64 - 36 = __"),
            mischung });
    variantenpanel(pm100_23, pm100panelvar23, QStringLiteral("2-stellig // 2-stellig, ergänzen"),
        { QStringLiteral("zwei Zehnerzahlen    20 + __ = 70"), QStringLiteral("Zehner und gem. Zehner   30 + __ = 64"),
            QStringLiteral("gem Zehner und Zehner  34 + __ = 64"),
            QStringLiteral("erg. zu Zehnerzahlen   36 + __ = 60"),
            QStringLiteral("ohne Zehnerübergang    36 + __ = 68"), QStringLiteral("mit Zehnerübergang   36 + __ = 64"),
            mischung });

    // The sub-panels of "halbschriftlich".
    hsv_ZUEpanel = optionspanel(this, 230, 90);
    hsv_zuerg = wahlgruppe(hsv_ZUEpanel, QStringLiteral("Zehnerübergang:"),
        { QStringLiteral(" ohne"), QStringLiteral(" mit") }, 12, 12, 206, 24);
    hsv_malpanel = optionspanel(this, 230, 168);
    hsv_malForm = wahlgruppe(hsv_malpanel, QStringLiteral("Form:"),
        { QStringLiteral(" E x ZE"), QStringLiteral(" ZE x E") }, 12, 12, 206, 24);
    hsv_malRG = wahlgruppe(hsv_malpanel, QStringLiteral("ZE im Bereich:"),
        { QStringLiteral(" 11 ... 19   (mittl. 1x1)"), QStringLiteral(" 21 ... 99   (gr. 1x1)") }, 12, 90, 206, 24);
    hsv_durchpanel = optionspanel(this, 230, 90);
    hsv_diverg = wahlgruppe(hsv_durchpanel, QStringLiteral("Ergebnisse:"),
        { QStringLiteral(" bis  19   (mittl. 1x1)"), QStringLiteral(" bis  99   (gr. 1x1)") }, 12, 12, 206, 24);

    m_optionen = { wievielep, schlangenpanel, Zahlwahl10, zahlwahl20, tabelle1p1, tab1minus1, tab1mal1, Tab1durch1,
        Tab8x8, h1x1, h1d1, mittl1x1panel, mustreihpanel, pm100_11, pm100_12, pm100_13, pm100_21, pm100_22, pm100_23,
        hsv_ZUEpanel, hsv_malpanel, hsv_durchpanel };
}

void TForm63::stufenAufbauen()
{
    using h_haupt::Stufengruppe;
    const auto stufen = [this](Stufengruppe g) {
        const QStringList& texte = h_haupt::stufentexte(g);
        auto* gruppe = wahlgruppe(this, QString(), texte, kStufenX, kOptionY, kStufenbreite);
        gruppe->setAutoFillBackground(true);
        gruppe->hide();
        return gruppe;
    };
    RG_SV_Plus = stufen(Stufengruppe::plus);
    RG_SV_min_Erg = stufen(Stufengruppe::minusErgaenzen);
    RG_SV_mTausch = stufen(Stufengruppe::minusTauschen);
    RG_SV_malE = stufen(Stufengruppe::malE);
    RG_SV_malZZ = stufen(Stufengruppe::malZZ);
    RG_SV_divE = stufen(Stufengruppe::divE);
    RG_SV_DZE = stufen(Stufengruppe::dZE);
    // The rest choice goes with a level group of eight, so it stands below it rather than on it.
    RG_SV_DRest = stufen(Stufengruppe::rest);
    place(RG_SV_DRest, kStufenX, kOptionY + RG_SV_divE->height() + 8, kStufenbreite, RG_SV_DRest->height());
    m_optionen << RG_SV_Plus << RG_SV_min_Erg << RG_SV_mTausch << RG_SV_malE << RG_SV_malZZ << RG_SV_divE << RG_SV_DZE
               << RG_SV_DRest;
}

void TForm63::protfunktionenAufbauen()
{
    Protfunktionen = new Panel(this, 152, 88, 777, 585);
    Protfunktionen->setBevelOuter(Bevel::Raised);
    Protfunktionen->setBevelWidth(2);
    Protfunktionen->hide();
    text(Protfunktionen, QStringLiteral("Wie viele Minuten soll mindestens gearbeitet werden?"), 40, 56, 19);
    Edit1 = new Edit(Protfunktionen, 520, 50, 48, 30);
    text(Protfunktionen, QStringLiteral("( 0 ... 15 )"), 590, 56, 19);
    text(Protfunktionen, QStringLiteral("Wie viele Aufgaben sollen mindestens bearbeitet werden?"), 40, 116, 19);
    Edit2 = new Edit(Protfunktionen, 520, 110, 48, 30);
    text(Protfunktionen, QStringLiteral("( 0 ... 30 )"), 590, 116, 19);
    for (Edit* e : { Edit1, Edit2 }) {
        applyFont(e, kSchrift, 19);
        e->setMaxLength(2);
        // Counts take digits only; a letter would otherwise stop "fertig" halfway.
        e->OnKeyPress = [](QChar& taste) { taste = tasten::ziffernfilter(taste); };
    }
    notiz(Protfunktionen,
        { QStringLiteral("Wenn Arbeitszeit  u n d  Aufgabenzahl erreicht oder überschritten werden, enden"),
            QStringLiteral("die Programme automatisch mit einer Protokollausgabe."),
            QStringLiteral("Wird eher abgebrochen, muss die Arbeitszeit  o d e r  die Aufgabenzahl erreicht "),
            QStringLiteral("oder überschritten sein, um ein Protokoll zu erhalten (ein grüner Balken). ") },
        40, 190, 22, 17);
    notiz(Protfunktionen,
        { QStringLiteral("Wenn Sie  '0'  Minuten  o d e r   '0'  Aufgaben eingeben, werden sämtliche "),
            QStringLiteral("Protokollfunktionen unterdrückt: "),
            QStringLiteral("es gibt weder Zeit- noch Aufgabenbalken und keine Protokollausgabe.") },
        40, 310, 22, 17);
    Button9 = neuerKnopf(Protfunktionen, QStringLiteral("fertig"), 320, 490, 137, 49, 19);
    Button9->Default = true;
    m_optionen << Protfunktionen;
}

// ---- Event wiring ----

void TForm63::verbinden()
{
    endebutton->OnClick = [this] { endebuttonClick(); };
    startknopf->OnClick = [this] { startknopfClick(); };
    Button11->OnClick = [this] { Button11Click(); };
    Button9->OnClick = [this] { Button9Click(); };

    Button1->OnClick = [this] { bereichClick(GBZahlBegriff); };
    Button2->OnClick = [this] { bereichClick(gbRaum20); };
    Button3->OnClick = [this] { bereichClick(gbTabellen); };
    Button4->OnClick = [this] { bereichClick(gb1x1); };
    Button37->OnClick = [this] {
        bereichClick(gbpm100);
        laden(QStringLiteral("pm100"));
    };
    Button5->OnClick = [this] {
        bereichClick(GB_HSV);
        laden(QStringLiteral("hsv"));
    };
    Button6->OnClick = [this] {
        bereichClick(GB_SV);
        laden(QStringLiteral("sv"));
    };

    const auto panelknopf = [this](Button* b, int code, QWidget* panel, const char* wort) {
        b->OnClick = [this, code, panel, wort] { panelOeffnen(code, panel, QLatin1String(wort)); };
    };
    const auto sofortknopf = [this](Button* b, int code, bool verbergen = true) {
        b->OnClick = [this, code, verbergen] { sofortOeffnen(code, verbergen); };
    };
    panelknopf(Button12, 11, wievielep, "wieviel");
    panelknopf(Button13, 12, Zahlwahl10, "zr10");
    panelknopf(Button14, 13, Zahlwahl10, "zr10");
    sofortknopf(Button15, 14);
    sofortknopf(Button16, 15);
    sofortknopf(Button17, 16);
    sofortknopf(Button18, 17);
    sofortknopf(Button19, 18);
    sofortknopf(Button20, 19);
    panelknopf(Button21, 110, schlangenpanel, "Schlangen");
    sofortknopf(Button27, 111);

    const std::pair<Button*, int> raum10[]
        = { { Button8, 21 }, { Button10, 22 }, { Button23, 23 }, { Button24, 12 }, { Button25, 13 }, { Button26, 24 },
              { Button29, 25 }, { Button30, 26 }, { Button31, 27 }, { Button32, 28 }, { Button33, 29 } };
    for (const auto& [b, code] : raum10)
        panelknopf(b, code, Zahlwahl10, "zr10");
    const std::pair<Button*, int> raum20[] = { { Button34, 31 }, { Button35, 32 }, { Button36, 33 }, { Button38, 34 },
        { Button39, 35 }, { Button40, 36 }, { Button41, 37 }, { Button43, 38 } };
    for (const auto& [b, code] : raum20)
        panelknopf(b, code, zahlwahl20, "zr20");

    panelknopf(Button42, 61, tabelle1p1, "tab1p1");
    panelknopf(Button44, 62, tab1minus1, "tab1m1");
    panelknopf(Button22, 63, tab1mal1, "tab1x1");
    panelknopf(Button28, 64, Tab1durch1, "tab1d1");
    const std::pair<Button*, int> acht[] = { { Button45, 65 }, { Button46, 66 }, { Button47, 67 }, { Button48, 68 },
        { Button49, 69 }, { Button50, 610 } };
    for (const auto& [b, code] : acht)
        panelknopf(b, code, Tab8x8, "tab8x8");

    panelknopf(Button51, 51, h1x1, "h1x1");
    panelknopf(Button52, 52, mustreihpanel, "mr");
    sofortknopf(Button53, 53, false);
    panelknopf(Button54, 54, mittl1x1panel, "m1x1");
    panelknopf(Button55, 55, h1d1, "h1d1");
    sofortknopf(Button56, 56, false);
    panelknopf(Button60, 40, mustreihpanel, "mr");

    const std::pair<Button*, int> stufenknoepfe[] = { { BitBtn2, 81 }, { BitBtn3, 82 }, { BitBtn4, 83 },
        { BitBtn5, 84 }, { Button62, 85 }, { Button63, 86 }, { Button66, 87 }, { Button64, 88 }, { Button65, 89 } };
    for (const auto& [b, code] : stufenknoepfe)
        b->OnClick = [this, code = code] { stufenknopfClick(code); };

    // Lists: each click stores the whole list and runs the panel's check.
    wiev3_9->OnClick = [this] { wahlklick(wiev3_9, 7); };
    langeschlange->OnClick = [this] { wahlklick(langeschlange, 5); };
    for (ListBox* l : { ListBox1, ListBox2, ListBox3, ListBox4, ListBox5, ListBox6 })
        l->OnClick = [this, l] { listenklick(l); };
    const std::pair<ListBox*, const char*> tabellenlisten[]
        = { { senkrecht, "tab1p1" }, { waagerecht, "tab1p1" }, { senksub, "tab1m1" }, { waagsub, "tab1m1" },
              { senkmal, "tab1x1" }, { waagmal, "tab1x1" }, { waagdurch, "tab1d1" } };
    for (const auto& [l, wort] : tabellenlisten)
        l->OnClick = [this, wort = wort] { tabellenklick(QLatin1String(wort)); };
    const std::pair<ListBox*, const char*> axblisten[] = { { lmal, "h1x1" }, { rmal, "h1x1" }, { ldurch, "h1d1" },
        { rdurch, "h1d1" }, { m1x1links, "m1x1" }, { m1x1rechts, "m1x1" } };
    for (const auto& [l, wort] : axblisten)
        l->OnClick = [this, wort = wort] { axbklick(QLatin1String(wort)); };

    // Radio groups store their item at once.
    const auto speichern = [this](RadioGroup* g, auto& variable) {
        auto* ziel = &variable;
        g->OnClick = [this, g, ziel] {
            *ziel = std::remove_pointer_t<decltype(ziel)>(g->ItemIndex());
            if (!startknopf->isHidden()) startPruefen(false);
        };
    };
    speichern(wievZeiten, variante);
    speichern(schlrich, variante);
    for (RadioGroup* g : { randzahlen, Rand1min1, Rand1mal1, Rand1durch1, randtab8x8, restgroup })
        speichern(g, wahl4);
    for (RadioGroup* g : { fragefenster, Fenster1min1, Fenster1mal1, fenster1durch1, fenstertab8x8 })
        speichern(g, wahl3);
    for (RadioGroup* g : { aufgwahl, agwahl1min1, agwahl1durch1, m1x1wahl })
        speichern(g, variante);
    speichern(mrswgroup, wahl7);
    speichern(mrrigroup, wahl1);
    speichern(mrwelchegroup, wahl5);
    speichern(pm100hilfen, wahl7);
    RadioGroup* varianten[]
        = { pm100panelvar11, pm100panelvar12, pm100panelvar13, pm100panelvar21, pm100panelvar22, pm100panelvar23 };
    for (int i = 0; i < 6; ++i)
        speichern(varianten[i], pm100wahl[i]);

    pm100rechenart->OnClick = [this] {
        wahl1 = shortint(pm100rechenart->ItemIndex());
        pm100rechnen();
    };
    pm100zahlwahl->OnClick = [this] {
        wahl5 = byte(pm100zahlwahl->ItemIndex());
        pm100rechnen();
    };

    hsv_tempo->OnClick = [this] {
        wahl7 = shortint(hsv_tempo->ItemIndex());
        hsvrechnen();
    };
    hsv_r_art->OnClick = [this] {
        variante = hsv_r_art->ItemIndex();
        hsvrechnen();
    };
    hsv_zuerg->OnClick = [this] {
        wahl5 = byte(hsv_zuerg->ItemIndex());
        hsvrechnen();
    };
    hsv_malForm->OnClick = [this] {
        wahl1 = shortint(hsv_malForm->ItemIndex());
        hsvrechnen();
    };
    hsv_malRG->OnClick = [this] {
        wahl6 = byte(hsv_malRG->ItemIndex());
        hsv_diverg->setItemIndex(hsv_malRG->ItemIndex());
        hsvrechnen();
    };
    hsv_diverg->OnClick = [this] {
        wahl6 = byte(hsv_diverg->ItemIndex());
        hsv_malRG->setItemIndex(hsv_diverg->ItemIndex());
        hsvrechnen();
    };

    for (RadioGroup* g : stufengruppen())
        g->OnClick = [this, g] { stufenklick(g); };
    RG_SV_DRest->OnClick = [this] {
        wahl8 = byte(RG_SV_DRest->ItemIndex());
        titeltext = RG_SV_DRest->items().value(RG_SV_DRest->ItemIndex());
        if (!startknopf->isHidden()) startPruefen(false);
    };

    // Which control shows which value of a section, for the loaders and for a panel whose section is missing.
    const auto wahl = [](RadioGroup* g, auto& variable) { return Wahlbindung::an(g, variable); };
    auto& b = *m_bindungen;
    b[QStringLiteral("wieviel")] = { { { wiev3_9, nullptr, 3 } }, { wahl(wievZeiten, variante) } };
    b[QStringLiteral("Schlangen")] = { { { langeschlange, nullptr, 3 } }, { wahl(schlrich, variante) } };
    b[QStringLiteral("zr10")]
        = { { { ListBox1, &auswahl1, 1 }, { ListBox2, &auswahl2, 1 }, { ListBox3, &auswahl3, 2 } }, {} };
    b[QStringLiteral("zr20")]
        = { { { ListBox4, &auswahl1, 2 }, { ListBox5, &auswahl2, 2 }, { ListBox6, &auswahl3, 11 } }, {} };
    b[QStringLiteral("tab1p1")] = { { { senkrecht, &zahlenwahl1, 0 }, { waagerecht, &zahlenwahl2, 0 } },
        { wahl(randzahlen, wahl4), wahl(fragefenster, wahl3), wahl(aufgwahl, variante) } };
    b[QStringLiteral("tab1m1")] = { { { senksub, &zahlenwahl1, 0 }, { waagsub, &zahlenwahl2, 0 } },
        { wahl(Rand1min1, wahl4), wahl(Fenster1min1, wahl3), wahl(agwahl1min1, variante) } };
    b[QStringLiteral("tab1x1")] = { { { senkmal, &zahlenwahl1, 0 }, { waagmal, &zahlenwahl2, 0 } },
        { wahl(Rand1mal1, wahl4), wahl(Fenster1mal1, wahl3) } };
    b[QStringLiteral("tab1d1")] = { { { waagdurch, &zahlenwahl2, 2 } },
        { wahl(Rand1durch1, wahl4), wahl(fenster1durch1, wahl3), wahl(agwahl1durch1, variante) } };
    b[QStringLiteral("tab8x8")] = { {}, { wahl(randtab8x8, wahl4), wahl(fenstertab8x8, wahl3) } };
    b[QStringLiteral("h1x1")] = { { { lmal, &zahlenwahl1, 0 }, { rmal, &zahlenwahl2, 0 } }, {} };
    b[QStringLiteral("h1d1")]
        = { { { ldurch, &zahlenwahl1, 1 }, { rdurch, &zahlenwahl2, 1 } }, { wahl(restgroup, wahl4) } };
    b[QStringLiteral("m1x1")]
        = { { { m1x1links, &zahlenwahl1, 2 }, { m1x1rechts, &zahlenwahl2, 2 } }, { wahl(m1x1wahl, variante) } };
    b[QStringLiteral("mr")] = { {}, { wahl(mrswgroup, wahl7), wahl(mrrigroup, wahl1), wahl(mrwelchegroup, wahl5) } };
    std::vector<Wahlbindung> pm100
        = { wahl(pm100rechenart, wahl1), wahl(pm100hilfen, wahl7), wahl(pm100zahlwahl, wahl5) };
    for (int i = 0; i < 6; ++i)
        pm100.push_back(wahl(varianten[i], pm100wahl[i]));
    b[QStringLiteral("pm100")] = { {}, pm100 };
    b[QStringLiteral("hsv")] = { {},
        { wahl(hsv_tempo, wahl7), wahl(hsv_r_art, variante), wahl(hsv_zuerg, wahl5), wahl(hsv_malForm, wahl1),
            wahl(hsv_malRG, wahl6), wahl(hsv_diverg, wahl6) } };
    b[QStringLiteral("sv")] = { {},
        { wahl(RG_SV_mTausch, wahl7), wahl(RG_SV_min_Erg, wahl7), wahl(RG_SV_Plus, wahl7), wahl(RG_SV_malE, variante),
            wahl(RG_SV_malZZ, wahl5), wahl(RG_SV_divE, wahl1), wahl(RG_SV_DZE, wahl6), wahl(RG_SV_DRest, wahl8) } };
}

// ---- Handlers ----

void TForm63::hhaktiv()
{
    Randomize();
    const QString datei = datpfad + QStringLiteral("hw.ina");
    if (!files::fileExists(datei)) return;
    einstellungsdatei::kopfladen(datei, mindestminuten, mindestaufgaben);
    grenzenZeigen();
    const QList<RadioGroup*> stufen = stufengruppen();
    for (QWidget* w : m_optionen) {
        if (w == Protfunktionen || w == RG_SV_DRest) continue;
        const bool varianteX
            = w == pm100_11 || w == pm100_12 || w == pm100_13 || w == pm100_21 || w == pm100_22 || w == pm100_23;
        const bool stufe = stufen.contains(qobject_cast<RadioGroup*>(w));
        w->move(varianteX ? kVarianteX : stufe ? kStufenX : kOptionX, kOptionY);
    }
    for (QWidget* g : m_gruppen)
        g->move(kGruppeX, kGruppeY);
    SetFocus(endebutton);
}

void TForm63::hilfenzu()
{
    mousetrap::release();
}

void TForm63::endebuttonClick()
{
    optionenVerbergen();
    for (QWidget* g : m_gruppen)
        g->hide();
    protzeilen[5] = QString();
    mousetrap::release();
    Close();
}

void TForm63::bereichClick(GroupBox* gruppe)
{
    optionenVerbergen();
    for (QWidget* g : m_gruppen)
        g->hide();
    protzeilen[5] = QString();
    gruppe->show();
}

void TForm63::Button11Click()
{
    optionenVerbergen();
    Protfunktionen->show();
    BringToFront(Protfunktionen);
    Edit1->setText(QString::number(mindestminuten));
    Edit2->setText(QString::number(mindestaufgaben));
    SetFocus(Edit1);
}

void TForm63::Button9Click()
{
    mindestminuten
        = Edit1->text().isEmpty() ? 0 : std::min(StrToInt(Edit1->text()), einstellungsdatei::kMaxMindestminuten);
    mindestaufgaben
        = Edit2->text().isEmpty() ? 0 : std::min(StrToInt(Edit2->text()), einstellungsdatei::kMaxMindestaufgaben);
    grenzenZeigen();
    einstellungsdatei::kopfschreiben(datpfad + QStringLiteral("hw.ina"), mindestminuten, mindestaufgaben);
    Protfunktionen->hide();
}

void TForm63::startknopfClick()
{
    // A code whose options are incomplete has no section to write and no aid to open with them.
    if (!h_haupt::optionenGueltig(programmcode)) return;
    const QString datei = datpfad + QStringLiteral("hw.ina");
    if (!einstellungsdatei::kopfladen(datei, mindestminuten, mindestaufgaben)) throw IoError(IoFileNotFound, datei);
    optionenVerbergen();
    h_haupt::abschnittschreiben(programmcode);
    h_haupt::beschreiben(programmcode);
    if (Form* hilfe = fensterVonCode(programmcode)) hilfe->showModal();
}

void TForm63::sofortOeffnen(int code, bool panelsVerbergen)
{
    if (code >= 14 && code <= 16) laden(QStringLiteral("Strahl"));
    if (panelsVerbergen) optionenVerbergen();
    programmcode = code;
    if (Form* hilfe = fensterVonCode(code)) hilfe->showModal();
}

void TForm63::panelOeffnen(int code, QWidget* panel, const QString& stichwort)
{
    optionenVerbergen();
    programmcode = code;
    laden(stichwort);
    panel->show();
    BringToFront(panel);
    startknopf->show();
    startPruefen(true);
}

void TForm63::stufenknopfClick(int code)
{
    optionenVerbergen();
    programmcode = code;
    RadioGroup* gruppe = stufengruppeVon(code);
    gruppe->show();
    BringToFront(gruppe);
    // The level is the one the group shows; an aid may have used the shared variable for its own purpose
    // since the group was set.
    if (gruppe->ItemIndex() >= 0) h_haupt::stufeSetzen(code, gruppe->ItemIndex());
    stufentext = gruppe->items().value(h_haupt::stufeVon(code));
    if (code == 88 || code == 89) {
        RG_SV_DRest->show();
        BringToFront(RG_SV_DRest);
        if (RG_SV_DRest->ItemIndex() >= 0) wahl8 = byte(RG_SV_DRest->ItemIndex());
        titeltext = RG_SV_DRest->items().value(wahl8);
    }
    startknopf->show();
    startPruefen(true);
}

void TForm63::stufenklick(RadioGroup* gruppe)
{
    static const std::pair<RadioGroup * TForm63::*, int> codes[] = { { &TForm63::RG_SV_Plus, 81 },
        { &TForm63::RG_SV_min_Erg, 83 }, { &TForm63::RG_SV_mTausch, 84 }, { &TForm63::RG_SV_malE, 85 },
        { &TForm63::RG_SV_malZZ, 86 }, { &TForm63::RG_SV_divE, 87 }, { &TForm63::RG_SV_DZE, 89 } };
    for (const auto& [feld, code] : codes) {
        if (this->*feld != gruppe) continue;
        h_haupt::stufeSetzen(code, gruppe->ItemIndex());
        stufentext = gruppe->items().value(gruppe->ItemIndex());
    }
    if (!startknopf->isHidden()) startPruefen(false);
}

void TForm63::wahlklick(ListBox* liste, int eintraege)
{
    h_haupt::bytelisteEintragen(auswahl(liste));
    h_haupt::wahlzaehlen(eintraege);
    startPruefen(false);
}

void TForm63::listenklick(ListBox* liste)
{
    const bool raum10 = liste == ListBox1 || liste == ListBox2 || liste == ListBox3;
    const QString wort = raum10 ? QStringLiteral("zr10") : QStringLiteral("zr20");
    for (const Listenbindung& l : (*m_bindungen)[wort].listen)
        if (l.liste == liste) h_haupt::listeEintragen(l.feld, auswahl(liste), l.erster);
    nachlauf(wort);
    startPruefen(false);
}

void TForm63::tabellenklick(const QString& stichwort)
{
    for (const Listenbindung& l : (*m_bindungen)[stichwort].listen)
        h_haupt::listeEintragen(l.feld, auswahl(l.liste), l.erster);
    nachlauf(stichwort);
    startPruefen(false);
}

void TForm63::axbklick(const QString& stichwort)
{
    tabellenklick(stichwort);
}

// ---- Routines ----

void TForm63::optionenVerbergen()
{
    for (QWidget* w : m_optionen)
        w->hide();
    startknopf->hide();
}

void TForm63::laden(const QString& stichwort)
{
    if (h_haupt::abschnittladen(stichwort))
        anzeigen(stichwort);
    else
        uebernehmen(stichwort);
    nachlauf(stichwort);
}

void TForm63::anzeigen(const QString& stichwort)
{
    const auto it = m_bindungen->find(stichwort);
    if (it == m_bindungen->end()) return;
    for (const Listenbindung& l : it->second.listen) {
        for (int i = 0; i < l.liste->count(); ++i) {
            const int wert = l.feld ? l.feld[i] : int(wahlbytes[i]);
            l.liste->setSelected(i, wert == l.erster + i);
        }
    }
    for (const Wahlbindung& w : it->second.wahlen)
        w.gruppe->setItemIndex(w.lesen());
}

// A panel whose section could not be read keeps what it shows, and its variables follow it, so that
// "Start" never works with what another panel left in them.
void TForm63::uebernehmen(const QString& stichwort)
{
    const auto it = m_bindungen->find(stichwort);
    if (it == m_bindungen->end()) return;
    for (const Listenbindung& l : it->second.listen) {
        if (l.feld)
            h_haupt::listeEintragen(l.feld, auswahl(l.liste), l.erster);
        else
            h_haupt::bytelisteEintragen(auswahl(l.liste));
    }
    for (const Wahlbindung& w : it->second.wahlen)
        w.setzen(w.gruppe->ItemIndex());
}

void TForm63::nachlauf(const QString& stichwort)
{
    using namespace h_haupt;
    if (stichwort == QLatin1String("wieviel"))
        wahlzaehlen(7);
    else if (stichwort == QLatin1String("Schlangen"))
        wahlzaehlen(5);
    else if (stichwort == QLatin1String("zr10"))
        aufgabenzahl->setCaption(QString::number(zahlenvorrat(Zahlraum::raum10)));
    else if (stichwort == QLatin1String("zr20"))
        aufgabenzahl20->setCaption(QString::number(zahlenvorrat(Zahlraum::raum20)));
    else if (stichwort == QLatin1String("tab1p1"))
        tabellenpruefung(Tabelle::plus);
    else if (stichwort == QLatin1String("tab1m1"))
        tabellenpruefung(Tabelle::minus);
    else if (stichwort == QLatin1String("tab1x1"))
        tabellenpruefung(Tabelle::mal);
    else if (stichwort == QLatin1String("tab1d1"))
        tabellenpruefung(Tabelle::durch);
    else if (stichwort == QLatin1String("h1x1"))
        axbvorrat(Axb::mal);
    else if (stichwort == QLatin1String("h1d1"))
        axbvorrat(Axb::durch);
    else if (stichwort == QLatin1String("m1x1"))
        axbvorrat(Axb::mittel);
    else if (stichwort == QLatin1String("pm100"))
        pm100rechnen();
    else if (stichwort == QLatin1String("hsv"))
        hsvrechnen();
}

void TForm63::pm100rechnen()
{
    optionenVerbergen();
    startknopf->show();
    const int code = h_haupt::pm100code(wahl1, wahl5);
    // Choices that give no kind leave no code behind: "Start" would otherwise run the aid of the code before.
    programmcode = code;
    if (code != 0) pm100panel(code)->show();
    startPruefen(true);
}

void TForm63::hsvrechnen()
{
    optionenVerbergen();
    startknopf->show();
    const int code = h_haupt::hsvcode(variante);
    programmcode = code;
    if (code == 71 || code == 72)
        hsv_ZUEpanel->show();
    else if (code == 74)
        hsv_malpanel->show();
    else if (code == 75)
        hsv_durchpanel->show();
    startPruefen(true);
}

void TForm63::startPruefen(bool fokussieren)
{
    const bool bereit = h_haupt::optionenGueltig(programmcode);
    startknopf->setEnabled(bereit);
    // Through fokus(): asked by an aid that is closing, Start keeps the focus past the hub's return set-up.
    if (bereit && fokussieren) fokus(startknopf);
}

void TForm63::grenzenZeigen()
{
    Label4->setCaption(QStringLiteral("Arbeitszeit: ") + QString::number(mindestminuten) + QStringLiteral(" min"));
    Label5->setCaption(QStringLiteral("Aufgaben: ") + QString::number(mindestaufgaben));
}

RadioGroup* TForm63::stufengruppeVon(int code) const
{
    switch (code) {
    case 81:
    case 82:
        return RG_SV_Plus;
    case 83:
        return RG_SV_min_Erg;
    case 84:
        return RG_SV_mTausch;
    case 85:
        return RG_SV_malE;
    case 86:
        return RG_SV_malZZ;
    case 87:
    case 88:
        return RG_SV_divE;
    case 89:
        return RG_SV_DZE;
    default:
        return nullptr;
    }
}

Panel* TForm63::pm100panel(int code) const
{
    Panel* const panels[] = { pm100_11, pm100_12, pm100_13, pm100_21, pm100_22, pm100_23 };
    return zwischen(code, 41, 46) ? panels[code - 41] : nullptr;
}

RadioGroup* TForm63::pm100gruppe(int code) const
{
    RadioGroup* const gruppen[]
        = { pm100panelvar11, pm100panelvar12, pm100panelvar13, pm100panelvar21, pm100panelvar22, pm100panelvar23 };
    return zwischen(code, 41, 46) ? gruppen[code - 41] : nullptr;
}

// ---- What the aids do to the hub ----

void TForm63::gruppeZeigen(QWidget* gruppe)
{
    for (QWidget* g : m_gruppen)
        if (g != gruppe) g->hide();
    if (gruppe) gruppe->show();
}

void TForm63::optionenZeigen(QWidget* panel)
{
    for (QWidget* w : m_optionen)
        if (w != panel) w->hide();
    if (panel) {
        panel->show();
        BringToFront(panel);
    }
}

void TForm63::startknopfZeigen()
{
    startknopf->show();
    startPruefen(true);
}

QList<RadioGroup*> TForm63::stufengruppen() const
{
    return { RG_SV_Plus, RG_SV_min_Erg, RG_SV_mTausch, RG_SV_malE, RG_SV_malZZ, RG_SV_divE, RG_SV_DZE };
}

void TForm63::stufengruppeZeigen(int code)
{
    optionenZeigen(stufengruppeVon(code));
    if (code == 88 || code == 89) {
        RG_SV_DRest->show();
        BringToFront(RG_SV_DRest);
    }
    startknopfZeigen();
}

void TForm63::hsvPanelZeigen(int code)
{
    QWidget* panel = code == 71 || code == 72 ? hsv_ZUEpanel
        : code == 74                          ? hsv_malpanel
        : code == 75                          ? hsv_durchpanel
                                              : nullptr;
    optionenZeigen(panel);
    startknopfZeigen();
}

void TForm63::pm100PanelZeigen(int code)
{
    optionenZeigen(pm100panel(code));
    startknopfZeigen();
}

int TForm63::pm100stufe(int code) const
{
    const RadioGroup* g = pm100gruppe(code);
    return g ? g->ItemIndex() : -1;
}

QString TForm63::pm100stufentext(int code) const
{
    const RadioGroup* g = pm100gruppe(code);
    return g ? g->items().value(g->ItemIndex()) : QString();
}

Button* TForm63::knopf(int code) const
{
    switch (code) {
    case 11:
        return Button12;
    case 12:
        return Button24;
    case 13:
        return Button25;
    case 14:
        return Button15;
    case 15:
        return Button16;
    case 16:
        return Button17;
    case 17:
        return Button18;
    case 18:
        return Button19;
    case 19:
        return Button20;
    case 110:
        return Button21;
    case 111:
        return Button27;
    case 21:
        return Button8;
    case 22:
        return Button10;
    case 23:
        return Button23;
    case 24:
        return Button26;
    case 25:
        return Button29;
    case 26:
        return Button30;
    case 27:
        return Button31;
    case 28:
        return Button32;
    case 29:
        return Button33;
    case 31:
        return Button34;
    case 32:
        return Button35;
    case 33:
        return Button36;
    case 34:
        return Button38;
    case 35:
        return Button39;
    case 36:
        return Button40;
    case 37:
        return Button41;
    case 38:
        return Button43;
    case 40:
        return Button60;
    case 51:
        return Button51;
    case 52:
        return Button52;
    case 53:
        return Button53;
    case 54:
        return Button54;
    case 55:
        return Button55;
    case 56:
        return Button56;
    case 61:
        return Button42;
    case 62:
        return Button44;
    case 63:
        return Button22;
    case 64:
        return Button28;
    case 65:
        return Button45;
    case 66:
        return Button46;
    case 67:
        return Button47;
    case 68:
        return Button48;
    case 69:
        return Button49;
    case 610:
        return Button50;
    case 81:
        return BitBtn2;
    case 82:
        return BitBtn3;
    case 83:
        return BitBtn4;
    case 84:
        return BitBtn5;
    case 85:
        return Button62;
    case 86:
        return Button63;
    case 87:
        return Button66;
    case 88:
        return Button64;
    case 89:
        return Button65;
    default:
        return nullptr;
    }
}

void TForm63::fokus(QWidget* control)
{
    if (isBehindModal()) {
        m_rueckkehrfokus = control;
        return;
    }
    SetFocus(control);
}

void TForm63::childClosed()
{
    Form::childClosed();
    QWidget* control = m_rueckkehrfokus;
    m_rueckkehrfokus = nullptr;
    if (control) SetFocus(control);
}

TForm63* hilfenhub()
{
    return dynamic_cast<TForm63*>(Form63);
}

Form* fensterVonCode(int code)
{
    if (code == 11 || code == 111) return Form68;
    if (code == 12 || code == 13 || (code >= 21 && code <= 29) || (code >= 31 && code <= 38)) return Form69;
    if (code >= 14 && code <= 16) return Form67;
    if (code == 17) return Form64;
    if (code == 18 || code == 19 || code == 110) return Form66;
    if (code == 40 || code == 52) return Form73;
    if (code >= 41 && code <= 49) return Form77;
    if (code == 51) return Form71;
    if (code == 53) return Form74;
    if (code == 54) return Form76;
    if (code == 55) return Form72;
    if (code == 56) return Form75;
    if ((code >= 61 && code <= 69) || code == 610) return Form70;
    if (code >= 71 && code <= 75) return Form78;
    if (code >= 81 && code <= 84) return Form79;
    if (code == 85 || code == 87) return Form80;
    if (code == 86) return Form81;
    if (code == 88) return Form82;
    if (code == 89) return Form83;
    return nullptr;
}
