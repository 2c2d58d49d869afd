#include "worksheets/familienform.h"

#include "platform/colors.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"

namespace {

Label* ueberschrift(QWidget* panel, const QString& text)
{
    auto* l = new Label(panel, text, 10, 6);
    applyFont(l, QStringLiteral("Arial"), 17, FontStyle::Bold);
    return l;
}

Label* umbrochen(QWidget* eltern, const QString& text, int left, int top, int width, int height)
{
    auto* l = new Label(eltern, text, left, top);
    l->setAutoSize(false);
    place(l, left, top, width, height);
    l->setWordWrap(true);
    return l;
}

} // namespace

Familienform::Familienform(const Familienangaben& a, QWidget* parent)
    : Vorratsblatt(*a.abschnitt, parent)
    , m_familie(*a.familie)
{
    setCaption(a.caption);
    setMaximized(true);
    setDesignGeometry(0, 0, 800, 560);
    setDefaultFont(QStringLiteral("Arial"), 16);

    Label1 = new Label(this, QStringLiteral("ein Blatt hat 10 Aufgaben"), 16, 8);
    applyFont(Label1, QStringLiteral("Arial"), 20, FontStyle::Bold);
    setColor(Label1, clAqua);

    P1 = new Panel(this, 8, 40, 286, 450);
    ueberschrift(P1, QStringLiteral("Auswahl der Zahlen"));
    std::array<ListBox*, 3> boxen {};
    for (int l = 0; l < 3; ++l) {
        boxen[size_t(l)] = new ListBox(P1, 20 + 92 * l, 40, 56, 236);
        applyFont(boxen[size_t(l)], QStringLiteral("Courier New"), 18);
        liste(boxen[size_t(l)], a.listen[size_t(l)]);
    }
    ListBox1 = boxen[0];
    ListBox2 = boxen[1];
    ListBox3 = boxen[2];
    applyFont(new Label(P1, QStringLiteral("+"), 86, 140), QStringLiteral("Arial"), 22, FontStyle::Bold);
    applyFont(new Label(P1, QStringLiteral("="), 178, 140), QStringLiteral("Arial"), 22, FontStyle::Bold);
    umbrochen(P1,
        QStringLiteral("Die Auswahl, welche Sie hier für die Plus-Aufgabe treffen, gilt zugleich für alle "
                       "Aufgabenformen, die zu deren Familie gehören."),
        10, 290, 266, 76);
    // Two pixels left of the texts above it: a pool of two digits would touch the panel's border.
    Label15 = new Label(P1, a.vorratstext, 8, 360);
    vorratsfeld(Label15);

    P2 = new Panel(this, 302, 40, 300, 450);
    ueberschrift(P2, QStringLiteral("Wahl der Aufgabenformen"));
    applyFont(new Label(P2, a.verwandtschaft, 10, 36), QStringLiteral("Arial"), 15);
    if (!a.verwandtschaft2.isEmpty()) applyFont(new Label(P2, a.verwandtschaft2, 10, 56), QStringLiteral("Arial"), 15);
    new Label(P2, QStringLiteral("Welche Form"), 24, 80);
    new Label(P2, QStringLiteral("wie oft?"), 200, 80);
    for (int k = 1; k <= a.beispiele.size(); ++k) {
        auto* beispiel = new Label(P2, a.beispiele.at(k - 1), 24, 80 + 28 * k);
        applyFont(beispiel, QStringLiteral("Arial"), 18);
        auto* e = new Edit(P2, 200, 78 + 28 * k, 40, 24);
        anzahlfeld(e, k);
        Edits << e;
    }
    umbrochen(P2, a.hinweis, 10, 318, 280, 92);
    Label16 = new Label(P2, QString(), 10, 416);
    applyFont(Label16, QStringLiteral("Arial"), 18, FontStyle::Bold);
    gewaehltfeld(Label16);

    P3 = new Panel(this, 610, 40, 186, 140);
    ueberschrift(P3, QStringLiteral("Auswahl der  Grafik"));
    RadioGroup1 = new RadioGroup(P3, QString(), 6, 30, 174, 100);
    RadioGroup1->setItems(a.grafiken);
    RadioGroup1->setItemIndex(0);

    P4 = new Panel(this, 610, 188, 186, 110);
    if (!a.teilungTitel.isEmpty()) ueberschrift(P4, a.teilungTitel);
    RadioGroup2 = new RadioGroup(P4, QString(), 6, 30, 174, 70);
    RadioGroup2->setItems(a.teilungen);
    RadioGroup2->setItemIndex(0);
    RadioGroup2->OnClick = [this] { druckfreigabe(); };

    Panel1 = new Panel(this, 610, 306, 186, 48);
    new Label(Panel1, QStringLiteral("wie oft?"), 12, 14);
    Edit8 = new Edit(Panel1, 100, 12, 40, 24);
    kopienfeld(Edit8);

    Button2 = new Button(this, QStringLiteral("drucken"), 610, 380, 186, 44);
    Button1 = new Button(this, QStringLiteral("zurück"), 610, 440, 186, 44);
    knoepfe(Button2, Button1);
    if (!Edits.isEmpty()) setActiveControl(Edits.first());
    OnActivate = [this] { aktivieren(); };
}

std::vector<int> Familienform::vorratBilden()
{
    return blattrahmen::summenvorrat(flags(0), flags(1), flags(2), m_familie.faktor);
}

bool Familienform::paarmodus() const
{
    return m_familie.paare && RadioGroup2->ItemIndex() == 1;
}

bool Familienform::druckbereit() const
{
    if (paarmodus()) return aufgabensumme > 4 && !vorrat().leer();
    return Vorratsblatt::druckbereit();
}

void Familienform::blattdrucken(const std::vector<int>& codes)
{
    std::vector<int> zahlen;
    for (int k = 1; k <= m_familie.arten; ++k)
        zahlen.push_back(typzahlen[k]);
    m_letztes = familienblatt::blatt(m_familie, codes, zahlen, RadioGroup1->ItemIndex(), RadioGroup2->ItemIndex() == 1);
    familienblatt::drucken(m_letztes, wieoft);
}
