#include "worksheets/a_domino.h"

#include "platform/controls.h"
#include "platform/errors.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/ziffernfilter.h"
#include "worksheets/a_bldomi.h"
#include "worksheets/blattdruck.h"

namespace {

Edit* zahlfeld(QWidget* parent, int left, int top, int laenge, QChar von = QLatin1Char('0'))
{
    auto* e = new Edit(parent, left, top, 50, 28);
    applyFont(e, QStringLiteral("MS Sans Serif"), 19);
    e->setMaxLength(laenge);
    e->OnKeyPress = [von](QChar& taste) { taste = tasten::ziffernfilter(taste, von); };
    return e;
}

} // namespace

TForm26::TForm26(QWidget* parent)
    : Blattform(parent)
{
    setCaption(QStringLiteral("Domino"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 16);

    Label9 = new Label(this, QStringLiteral("Domino-Arbeitsblätter"), 24, 16);
    applyFont(Label9, QStringLiteral("Arial"), 26, FontStyle::Bold);
    const auto knopf = [this](const QString& text, int top) {
        auto* b = new Button(this, text, 24, top, 400, 45);
        applyFont(b, QStringLiteral("MS Sans Serif"), 19);
        b->setCaptionLeft(12);
        return b;
    };
    Button1 = knopf(QStringLiteral("2 Nachbarn haben die gleiche Summe"), 72);
    Button2 = knopf(QStringLiteral("+    immer der gleiche Summand"), 128);
    Button3 = knopf(QStringLiteral("-   immer der gleiche Subtrahend"), 184);
    Button6 = knopf(QStringLiteral("*          immer der gleiche Faktor"), 240);
    Button7 = knopf(QStringLiteral(": /         immer der gleiche Teiler"), 296);
    Button5 = knopf(QStringLiteral("leere Domino-Vorlage"), 376);
    setHint(Button5, QStringLiteral("Klick! ... und der Druck beginnt"));
    m_artknoepfe = { Button1, Button2, Button3, Button6, Button7, Button5 };

    Panel2 = new Panel(this, 440, 72, 330, 270);
    auto* Label2 = new Label(Panel2, QStringLiteral("Bitte geben Sie als Summe eine Zahl  6 ... 100  ein. "), 12, 12);
    Label2->setWordWrap(true);
    place(Label2, 12, 12, 306, 44);
    Edit1 = zahlfeld(Panel2, 140, 64, 3);
    new Label(Panel2, QStringLiteral("Warnung:      Blätter mit Summen <11"), 12, 150);
    new Label(Panel2, QStringLiteral("erfordern nicht nur richtiges Rechnen"), 12, 172);
    new Label(Panel2, QStringLiteral("sondern auch geschicktes Knobeln!"), 12, 194);

    Panel3 = new Panel(this, 440, 72, 330, 270);
    Label3 = new Label(Panel3, QString(), 12, 12);
    Panel4 = new Panel(Panel3, 8, 40, 314, 100);
    auto* Label4
        = new Label(Panel4, QStringLiteral("für Aufgaben im Zahlbereich bis 20 eine Zahl   1 ...   9   ein."), 8, 8);
    Label4->setWordWrap(true);
    place(Label4, 8, 8, 298, 44);
    umbrechenNach(Label4, QStringLiteral("Zahl"));
    Edit2 = zahlfeld(Panel4, 130, 60, 2);
    Panel5 = new Panel(Panel3, 8, 156, 314, 100);
    auto* Label5
        = new Label(Panel5, QStringLiteral("für Aufgaben im Zahlbereich bis 100 eine Zahl   1  ...   50  ein."), 8, 8);
    Label5->setWordWrap(true);
    place(Label5, 8, 8, 298, 44);
    umbrechenNach(Label5, QStringLiteral("Zahl"));
    Edit3 = zahlfeld(Panel5, 130, 60, 2);

    Panel6 = new Panel(this, 440, 72, 330, 160);
    new Label(Panel6, QStringLiteral("Bitte geben Sie als"), 12, 12);
    Label6 = new Label(Panel6, QString(), 12, 36);
    new Label(Panel6, QStringLiteral("eine Zahl   2  ...  9   ein."), 12, 60);
    Edit4 = zahlfeld(Panel6, 140, 100, 1, QLatin1Char('2'));

    Panel1 = new Panel(this, 540, 376, 100, 40);
    setHint(Panel1, QStringLiteral("Anzahl gleicher Exemplare"));
    new Label(Panel1, QStringLiteral("wie oft?"), 6, 12);
    Edit8 = new Edit(Panel1, 62, 8, 30, 24);
    kopienfeld(Edit8);
    Button8 = new Button(this, QStringLiteral("drucken"), 540, 432, 100, 40);
    Button4 = new Button(this, QStringLiteral("zurück"), 656, 488, 100, 40);
    knoepfe(Button8, Button4);
    // The empty template prints at once: a stray arrow key must not put it under Enter.
    setArrowStop(Button5, false);
    Button8->setEnabled(true);
    setHint(Button8, QStringLiteral("ein neues Blatt kann erzeugt und gedruckt werden"));
    for (QWidget* w : std::initializer_list<QWidget*> { Panel1, Panel2, Panel3, Panel6, Button8 })
        w->hide();

    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button6->OnClick = [this] { Button6Click(); };
    Button7->OnClick = [this] { Button7Click(); };
    Button5->OnClick = [this] { Button5Click(); };
    Button4->OnClick = [this] { Button4Click(); };
    Edit1->OnChange = [this] { Edit1Change(); };
    Edit2->OnChange = [this] { Edit2Change(); };
    Edit3->OnChange = [this] { Edit3Change(); };
    Edit4->OnChange = [this] { Edit4Change(); };
}

void TForm26::Button6Zuerst()
{
    setTabOrderIndex(Button6, 0);
    SetFocus(Button6);
}

void TForm26::artwahl(int art, Button* knopf, Panel* panel, Edit* fokus)
{
    m_art = art;
    m_artknopf = knopf;
    programmcode = art;
    wieofteins();
    for (Button* b : m_artknoepfe)
        b->setVisible(b == knopf);
    panel->show();
    SetFocus(fokus);
}

void TForm26::Button1Click()
{
    artwahl(domino::Summe, Button1, Panel2, Edit1);
}

void TForm26::Button2Click()
{
    Label3->setCaption(QStringLiteral("Bitte geben Sie als Domino-Summanden"));
    Edit2->show();
    Edit3->show();
    artwahl(domino::Plus, Button2, Panel3, Edit2);
}

void TForm26::Button3Click()
{
    Label3->setCaption(QStringLiteral("Bitte geben Sie als Domino-Subtrahenden"));
    Edit2->show();
    Edit3->show();
    artwahl(domino::Minus, Button3, Panel3, Edit2);
}

void TForm26::Button6Click()
{
    Label6->setCaption(QStringLiteral("Domino-Faktor"));
    artwahl(domino::Mal, Button6, Panel6, Edit4);
}

void TForm26::Button7Click()
{
    Label6->setCaption(QStringLiteral("Domino-Teiler"));
    artwahl(domino::Geteilt, Button7, Panel6, Edit4);
}

void TForm26::Button5Click()
{
    // The template has no copies of its own: one, whatever the last sheet printed.
    blattdruck::drucken(QStringLiteral("leere Domino-Vorlage"), 1, [](Canvas& c) { bldomi::leereVorlage(c); });
}

void TForm26::eingabe(Edit* edit)
{
    variante = edit->text().isEmpty() ? 0 : StrToInt(edit->text());
    m_wert = variante;
    const bool gut = domino::gueltig(m_art, m_wert, m_dominobereich);
    Panel1->setVisible(gut);
    Button8->setVisible(gut);
}

void TForm26::Edit1Change()
{
    eingabe(Edit1);
}

void TForm26::Edit2Change()
{
    Edit3->hide();
    Edit2->show();
    m_dominobereich = 20;
    eingabe(Edit2);
}

void TForm26::Edit3Change()
{
    Edit3->show();
    Edit2->hide();
    m_dominobereich = 100;
    eingabe(Edit3);
}

void TForm26::Edit4Change()
{
    eingabe(Edit4);
}

void TForm26::druckenClick()
{
    if (!domino::gueltig(m_art, m_wert, m_dominobereich)) return;
    m_blatt = domino::erzeugen(m_art, m_wert, m_dominobereich);
    kopienSichern();
    blattdruck::drucken(domino::drucktitel(m_art), wieoft, [this](Canvas& c) { domino::draw(c, m_blatt); });
}

void TForm26::Button4Click()
{
    if (Panel2->isHidden() && Panel3->isHidden() && Panel6->isHidden()) {
        Close();
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*> { Panel1, Panel2, Panel3, Panel6, Button8 })
        w->hide();
    for (Button* b : m_artknoepfe)
        b->show();
    for (Edit* e : { Edit1, Edit2, Edit3, Edit4 })
        e->clear();
    m_art = 0;
    // Back on the choice the teacher made, so that Enter chooses it again; the focused count or "drucken"
    // went with its panel.
    if (m_artknopf) SetFocus(m_artknopf);
}
