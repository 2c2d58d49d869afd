#include "worksheets/a_komma.h"

#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "worksheets/blattdruck.h"

namespace {

const QStringList listentexte[komma::artenzahl] = {
    { "  Kommazahl            12,34 €", "  reine Euro              12 €", "  reine Cent            123 ct ",
        "  Euro und Cent     12 € 34 ct" },
    { "  Kommazahl            12,34 m", "  reine m                 12 m", "  reine dm               12 dm",
        "  reine cm              123 cm", "  m und dm          12 m  3 dm", "  m und cm         12 m  34 cm",
        "  dm und cm        12 dm  3 cm" },
    { "  Kommazahl          12,345 km", "  reine km               12 km", "  reine m              1234 m",
        "  km und m        12 km 345 m" },
    { "  Kommazahl            12,3 cm", "  reine cm               12 cm", "  reine mm              123 mm",
        "  cm und mm         12 cm 3 mm" },
    { "  Kommazahl           12,345 t", "  reine t                 12 t", "  reine dz                12dz",
        "  reine kg             1234 kg", "  t und dz          12 t  3 dz", "  t und kg        12 t  345 kg",
        "  dz und kg        12 dz 34 kg" },
    { "  Kommazahl          12,345 kg", "  reine kg               12 kg", "  reine g               1234 g",
        "  kg und g         12 kg 345 g" },
    { "reine Zentner     (alle alten", "reine Pfund        Maße werden", "Zentner und Pfund  geradzahlig",
        "Zentner und kg     vorgegeben.)", "reine kg          (als Zielmaß)" },
};

Label* text(QWidget* parent, const QString& caption, int left, int top)
{
    return new Label(parent, caption, left, top);
}

} // namespace

TForm27::TForm27(QWidget* parent)
    : Blattform(parent)
{
    setCaption(QStringLiteral("Komma"));
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 814, 612);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 11);

    Panel6 = new Panel(this, 24, 8, 257, 121);
    auto* Label18 = text(Panel6,
        QStringLiteral("Ein Blatt enthält 8 Aufgaben mit je drei Maßangaben    (wie in der Beispielaufgabe)."), 8, 8);
    applyFont(Label18, QStringLiteral("MS Sans Serif"), 16);
    Label18->setWordWrap(true);
    place(Label18, 8, 8, 241, 105);

    Panel4 = new Panel(this, 24, 144, 257, 409);
    text(Panel4, QStringLiteral("bitte wählen Sie aus:"), 24, 16);
    RadioGroup1 = new RadioGroup(Panel4, QString(), 24, 40, 209, 345);
    applyFont(RadioGroup1, QStringLiteral("MS Sans Serif"), 16);
    RadioGroup1->setItems({ QStringLiteral("  Geld "), QStringLiteral("  Längen:       m  dm  cm "),
        QStringLiteral("                       km  m "), QStringLiteral("                       cm  mm "),
        QStringLiteral("  Gewichte:    t  dz  kg "), QStringLiteral("                        kg  g "),
        QStringLiteral("  alte Gewichtsmaße ") });
    // The design's label "km   m" over the third kind only repeats its caption and would garble it here.
    text(Panel4, QStringLiteral("                     km   m"), 72, 162)->hide();

    Panel3 = new Panel(this, 296, 8, 473, 241);
    text(Panel3, QStringLiteral("Beispiel"), 16, 8);
    text(Panel3, QStringLiteral("Ihre Vorgaben        Schülerlösung"), 16, 32);
    text(Panel3, QStringLiteral("Arbeitsschritte"), 300, 32);
    text(Panel3, QStringLiteral("12 €  3 ct"), 24, 64);
    text(Panel3, QStringLiteral("123 ct"), 24, 88);
    text(Panel3, QStringLiteral("50 €"), 24, 112);
    text(Panel3, QStringLiteral("12,03 €"), 140, 64);
    text(Panel3, QStringLiteral("1,23 €"), 146, 88);
    text(Panel3, QStringLiteral("50,00 €"), 140, 112);
    text(Panel3, QStringLiteral("________"), 140, 124);
    text(Panel3, QStringLiteral("63,26 €"), 140, 144);
    text(Panel3, QStringLiteral("umwandeln in die größere Einheit"), 250, 64);
    text(Panel3, QStringLiteral("als Kommazahlen schreiben"), 250, 88);
    text(Panel3, QStringLiteral("richtig untereinander schreiben"), 250, 112);
    text(Panel3, QStringLiteral("addieren"), 250, 144);

    Panel5 = new Panel(this, 296, 264, 337, 225);
    auto* Label13 = text(Panel5,
        QStringLiteral("klicken Sie nun dazu mindestens eine      - besser: mehrere oder alle - Vorgabeformen an:"), 8,
        8);
    applyFont(Label13, QStringLiteral("Arial"), 16);
    Label13->setWordWrap(true);
    place(Label13, 8, 8, 321, 64);
    for (int art = 0; art < komma::artenzahl; ++art) {
        auto* box = new ListBox(Panel5, 8, 80, 321, 4 + 18 * int(listentexte[art].size()));
        applyFont(box, QStringLiteral("Courier New"), 16);
        box->setItemHeight(18);
        box->setMultiSelect(true);
        box->setItems(listentexte[art]);
        box->OnClick = [this, art] { ListBoxClick(art); };
        box->hide();
        listen << box;
    }

    Panel8 = new Panel(this, 296, 504, 337, 65);
    euro = new RadioGroup(Panel8, QString(), 8, 8, 321, 49);
    euro->setColumns(3);
    euro->setItems({ QStringLiteral("EUR"), QStringLiteral("Eur"), QStringLiteral("€   (testen!)") });
    euro->setItemIndex(0);
    Panel8->hide();

    Panel7 = new Panel(this, 648, 264, 121, 97);
    text(Panel7, QStringLiteral("Lösungsblatt"), 16, 8);
    RadioGroup2 = new RadioGroup(Panel7, QString(), 8, 28, 105, 61);
    RadioGroup2->setItems({ QStringLiteral("ohne"), QStringLiteral("mit") });
    RadioGroup2->setItemIndex(0);

    Panel1 = new Panel(this, 648, 376, 100, 40);
    setHint(Panel1, QStringLiteral("Anzahl gleicher Exemplare"));
    text(Panel1, QStringLiteral("wie oft?"), 8, 13);
    Edit8 = new Edit(Panel1, 62, 8, 30, 24);
    kopienfeld(Edit8);
    Button8 = new Button(this, QStringLiteral("drucken"), 648, 432, 100, 40);
    Button4 = new Button(this, QStringLiteral("zurück"), 648, 488, 100, 40);
    knoepfe(Button8, Button4);
    setHint(Button8, QStringLiteral("ein neues Blatt kann erzeugt und gedruckt werden"));
    Button4->OnClick = [this] { Button4Click(); };

    RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
    euro->OnClick = [this] { euroClick(); };
    OnActivate = [this] { F27aktiv(); };
}

void TForm27::Panel5Verbergen()
{
    Panel5->hide();
}

void TForm27::F27aktiv()
{
    m_kommazaehler = 0;
    Panel8->hide();
    m_eurowahl = 0;
    euro->setItemIndex(0);
    wieofteins();
    // The list choices are kept; they count again once their kind is chosen.
    RadioGroup1->setItemIndex(-1);
    druckfreigabe();
}

void TForm27::RadioGroup1Click()
{
    const int art = RadioGroup1->ItemIndex();
    if (art < 0) return;
    programmcode = art;
    Panel5->show();
    for (ListBox* box : listen)
        box->hide();
    Panel8->setVisible(art == 0);
    listen[art]->show();
    titeltext = komma::titeltext(art);
    druckfreigabe();
}

void TForm27::ListBoxClick(int art)
{
    for (int i = 0; i < listen[art]->count(); ++i)
        m_formwahl[size_t(art)][size_t(i)] = listen[art]->Selected(i);
    druckfreigabe();
}

void TForm27::euroClick()
{
    m_eurowahl = euro->ItemIndex();
}

std::vector<int> TForm27::formen(int art) const
{
    std::vector<int> f;
    if (art < 0 || art >= komma::artenzahl) return f;
    for (int i = 0; i < komma::formzahl(art); ++i)
        if (m_formwahl[size_t(art)][size_t(i)]) f.push_back(i + 1);
    return f;
}

bool TForm27::druckbereit() const
{
    return !formen(RadioGroup1->ItemIndex()).empty();
}

void TForm27::druckenClick()
{
    const int art = RadioGroup1->ItemIndex();
    if (!druckbereit()) return;
    programmcode = art;
    m_blatt = komma::erzeugen(art, formen(art), m_eurowahl, m_kommazaehler);
    kopienSichern();
    // Named by the hub's button and the kind chosen here, as the sheet titles it.
    const QString titel = QStringLiteral("Kommazahlen ") + komma::titeltext(art);
    for (int k = 0; k < wieoft; ++k)
        blattdruck::drucken(titel, 1, [this](Canvas& c) { komma::draw(c, m_blatt, false); });
    if (RadioGroup2->ItemIndex() == 1)
        blattdruck::drucken(
            titel + QStringLiteral(" Lösungsblatt"), 1, [this](Canvas& c) { komma::draw(c, m_blatt, true); });
}

void TForm27::Button4Click()
{
    RadioGroup1->setItemIndex(-1);
    Close();
}
