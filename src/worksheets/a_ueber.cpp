#include "worksheets/a_ueber.h"

#include "platform/controls.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "worksheets/blattdruck.h"

#include <array>

TForm28::TForm28(QWidget* parent)
    : Blattform(parent)
{
    setCaption(QStringLiteral("Überschlag"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 16);

    Label1 = new Label(this, QStringLiteral("Arbeitsblätter zur Überschlagsrechnung"), 24, 16);
    applyFont(Label1, QStringLiteral("Arial"), 24, FontStyle::Bold);
    const auto knopf = [this](const QString& text, int top) {
        auto* b = new Button(this, text, 24, top, 170, 40);
        applyFont(b, QStringLiteral("Arial"), 16);
        return b;
    };
    Button2 = knopf(QStringLiteral("Addition"), 80);
    Button3 = knopf(QStringLiteral("Subtraktion"), 136);
    Button6 = knopf(QStringLiteral("Multiplikation"), 192);
    Button7 = knopf(QStringLiteral("Division"), 248);

    Panel3 = new Panel(this, 216, 72, 400, 290);
    new Label(Panel3, QStringLiteral("Sie haben die Wahl zwischen:"), 16, 12);
    RadioGroup1 = new RadioGroup(Panel3, QString(), 16, 36, 36, 240);
    RadioGroup1->setItems({ QString(), QString(), QString(), QString() });
    // Level with the first round button.
    zeile1 = new Label(Panel3, QStringLiteral("60  Aufgaben    HZE  +   HZE     (nebeneinander)"), 60, 72);
    zeile2oben = new Label(Panel3, QStringLiteral("60  Aufgaben         HZE"), 60, 108);
    zeile2unten = new Label(Panel3, QStringLiteral("+ HZE"), 143, 128);
    zeile3 = new Label(Panel3, QStringLiteral("60  Aufgaben   THZE  +   THZE     (nebeneinander)"), 60, 178);
    zeile4oben = new Label(Panel3, QStringLiteral("60  Aufgaben       THZE"), 60, 228);
    zeile4unten = new Label(Panel3, QStringLiteral("+ THZE"), 136, 248);

    // Wide enough that the first line ends at "mindestens eine", which the blanks after it set apart; it ends
    // short of the button column.
    Panel5 = new Panel(this, 216, 72, 428, 290);
    auto* text5 = new Label(Panel5,
        QStringLiteral("Ein Blatt hat 60 Aufgaben. Klicken Sie nun dazu mindestens eine                     - oder  "
                       "mehrere oder alle - Vorgabeformen an:"),
        16, 12);
    text5->setWordWrap(true);
    place(text5, 16, 12, 404, 60);
    ListBox2 = new ListBox(Panel5, 100, 90, 200, 120);
    applyFont(ListBox2, QStringLiteral("Courier New"), 16);
    ListBox2->setMultiSelect(true);
    ListBox2->setItems({ QStringLiteral("  E x HZE"), QStringLiteral("HZE x E"), QStringLiteral(" ZE x HZE"),
        QStringLiteral("HZE x ZE"), QStringLiteral(" ZE x ZE") });

    Panel6 = new Panel(this, 216, 72, 400, 290);
    auto* text6 = new Label(Panel6,
        QStringLiteral("Ein Blatt hat 60 Aufgaben. Klicken Sie nun dazu     eine oder beide Vorgabeformen an:"), 16,
        12);
    text6->setWordWrap(true);
    place(text6, 16, 12, 368, 60);
    ListBox1 = new ListBox(Panel6, 80, 90, 240, 60);
    applyFont(ListBox1, QStringLiteral("Courier New"), 16);
    ListBox1->setMultiSelect(true);
    ListBox1->setItems({ QStringLiteral("   T H Z E :   E"), QStringLiteral("ZT T H Z E : Z E") });

    for (Panel* p : { Panel3, Panel5, Panel6 })
        p->hide();

    Panel1 = new Panel(this, 648, 376, 100, 40);
    setHint(Panel1, QStringLiteral("Anzahl gleicher Exemplare"));
    new Label(Panel1, QStringLiteral("wie oft?"), 6, 12);
    Edit8 = new Edit(Panel1, 62, 8, 30, 24);
    kopienfeld(Edit8);
    Button8 = new Button(this, QStringLiteral("drucken"), 648, 432, 100, 40);
    Button4 = new Button(this, QStringLiteral("zurück"), 648, 488, 100, 40);
    knoepfe(Button8, Button4);
    setHint(Button8, QStringLiteral("ein neues Blatt kann erzeugt und gedruckt werden"));
    Button4->OnClick = [this] { Close(); };

    Button2->OnClick = [this] { Button2Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button6->OnClick = [this] { Button6Click(); };
    Button7->OnClick = [this] { Button7Click(); };
    RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
    ListBox2->OnClick = [this] { ListBox2Click(); };
    ListBox1->OnClick = [this] { ListBox1Click(); };
    OnActivate = [this] { F28aktiv(); };
}

void TForm28::F28aktiv()
{
    Randomize();
    wieofteins();
    // No form stays chosen: the lists show it, and "drucken" waits for a new choice.
    m_formwahl.fill(false);
    for (ListBox* box : { ListBox2, ListBox1 })
        for (int i = 0; i < box->count(); ++i)
            box->setSelected(i, false);
    druckfreigabe();
}

void TForm28::Button2Click()
{
    plusminus(ueberschlag::Addition, u'+');
}

void TForm28::Button3Click()
{
    plusminus(ueberschlag::Subtraktion, u'-');
}

void TForm28::plusminus(int rechenart, QChar zeichen)
{
    m_rechenart = rechenart;
    programmcode = rechenart;
    panelZeigen(Panel3);
    variante = RadioGroup1->ItemIndex();
    const QString z(zeichen);
    if (rechenart == ueberschlag::Addition) {
        zeile2unten->setCaption(QStringLiteral("+ HZE"));
        zeile4unten->setCaption(QStringLiteral("+ THZE"));
    } else {
        zeile2unten->setCaption(QStringLiteral("-  HZE"));
        zeile4unten->setCaption(QStringLiteral("-  THZE"));
    }
    zeile1->setCaption(QStringLiteral("60 Aufgaben    HZE   %1   HZE       (nebeneinander)").arg(z));
    zeile3->setCaption(QStringLiteral("60 Aufgaben   THZE  %1   THZE     (nebeneinander)").arg(z));
    druckfreigabe();
}

void TForm28::RadioGroup1Click()
{
    variante = RadioGroup1->ItemIndex();
    druckfreigabe();
}

void TForm28::Button6Click()
{
    m_rechenart = ueberschlag::Multiplikation;
    programmcode = m_rechenart;
    variante = 0;
    panelZeigen(Panel5);
    druckfreigabe();
}

void TForm28::Button7Click()
{
    m_rechenart = ueberschlag::Division;
    programmcode = m_rechenart;
    variante = 0;
    panelZeigen(Panel6);
    druckfreigabe();
}

void TForm28::ListBox2Click()
{
    for (int i = 0; i < 5; ++i)
        m_formwahl[size_t(i)] = ListBox2->Selected(i);
    druckfreigabe();
}

void TForm28::ListBox1Click()
{
    for (int i = 0; i < 2; ++i)
        m_formwahl[size_t(5 + i)] = ListBox1->Selected(i);
    druckfreigabe();
}

int TForm28::formenzahl() const
{
    int n = 0;
    const int erste = m_rechenart == ueberschlag::Division ? 5 : 0;
    const int letzte = m_rechenart == ueberschlag::Division ? 6 : 4;
    for (int i = erste; i <= letzte; ++i)
        n += m_formwahl[size_t(i)] ? 1 : 0;
    return n;
}

bool TForm28::druckbereit() const
{
    const int layout = m_rechenart <= ueberschlag::Subtraktion ? RadioGroup1->ItemIndex() : 0;
    return ueberschlag::druckbar(m_rechenart, layout, m_formwahl);
}

void TForm28::druckenClick()
{
    if (!druckbereit()) return;
    // What the window shows, whatever another sheet wrote into the shared codes since.
    programmcode = m_rechenart;
    variante = m_rechenart <= ueberschlag::Subtraktion ? RadioGroup1->ItemIndex() : 0;
    m_blatt = ueberschlag::erzeugen(programmcode, variante, m_formwahl);
    kopienSichern();
    // Named by the hub's button and the button of the operation chosen here.
    const Button* knopf = std::array<Button*, 4> { Button2, Button3, Button6, Button7 }.at(
        size_t(qBound(int(ueberschlag::Addition), m_rechenart, int(ueberschlag::Division)) - 1));
    blattdruck::drucken(QStringLiteral("Überschläge ") + knopf->caption(), wieoft,
        [this](Canvas& c) { ueberschlag::draw(c, m_blatt); });
}

void TForm28::panelZeigen(Panel* panel)
{
    for (Panel* p : { Panel3, Panel5, Panel6 })
        p->setVisible(p == panel);
}
