#include "worksheets/zehnerblatt.h"

#include "platform/colors.h"
#include "platform/controls.h"
#include "shell/HalmorGlobalDefs.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"

#include <utility>

Zehnerblatt::Zehnerblatt(Texte texte, QWidget* parent)
    : Blattform(parent)
    , m_texte(std::move(texte))
{
    setCaption(m_texte.caption);
    setMaximized(true);
    setPosition(FormPosition::ScreenCenter);
    setDesignGeometry(0, 0, 800, 600);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 14);

    Panel5 = new Panel(this, 16, 8, 768, 56);
    auto* sechs = new Label(Panel5, QStringLiteral("ein Blatt hat 6 Aufgaben"), 12, 8);
    applyFont(sechs, QStringLiteral("MS Sans Serif"), 16, FontStyle::Bold);
    setColor(sechs, clAqua);
    new Label(
        Panel5, QStringLiteral("Bitte wählen Sie aus, in welcher Form die Aufgaben gestellt werden sollen."), 12, 32);

    const int stufen = int(m_texte.stufen.size());
    Panel2 = new Panel(this, 16, 72, 470, 290);
    auto* kopf = new Label(Panel2, QStringLiteral("Auswahl der Schwierigkeitsstufe"), 12, 8);
    applyFont(kopf, QStringLiteral("MS Sans Serif"), 14, FontStyle::Bold);
    RadioGroup2 = new RadioGroup(Panel2, QString(), 8, 30, 34, 252);
    QStringList leer;
    for (int i = 0; i < stufen; ++i)
        leer << QString();
    RadioGroup2->setItems(leer);
    RadioGroup2->setItemIndex(0);
    // Each level's caption stands beside its radio button.
    const int zeile = 232 / stufen;
    for (int i = 0; i < stufen; ++i) {
        const int mitte = RadioGroup2->y() + RadioGroup2->button(i)->geometry().center().y();
        auto* l = new Label(Panel2, m_texte.stufen[i], 48, mitte - zeile / 2);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        place(l, 48, mitte - zeile / 2, 410, zeile);
        umbrechenNach(l, QStringLiteral("Beispiel:"));
    }

    P2 = new Panel(this, 500, 72, 284, 400);
    auto* formkopf = new Label(P2, m_texte.formenKopf, 12, 8);
    applyFont(formkopf, QStringLiteral("MS Sans Serif"), 14, FontStyle::Bold);
    auto* verwandtschaft = new Label(P2, m_texte.verwandtschaft, 12, 30);
    verwandtschaft->setWordWrap(true);
    place(verwandtschaft, 12, 28, 260, 34);
    umbrechenNach(verwandtschaft, QStringLiteral(":"));
    new Label(P2, m_texte.welcheForm, 130, 64);
    for (int k = 0; k < 6; ++k) {
        auto* l = new Label(P2, m_texte.vorschau[size_t(k)], 24, 88 + 32 * k);
        applyFont(l, QStringLiteral("Courier New"), 16);
        Edits[size_t(k)] = new Edit(P2, 200, 84 + 32 * k, 30, 26);
        anzahlfeld(Edits[size_t(k)], k + 1);
        Edits[size_t(k)]->setMaxLength(1);
    }
    auto* hinweis = new Label(P2,
        QStringLiteral("6 Aufgaben werden -  von oben nach unten nach den Formen der Aufgabenstellung sortiert - "
                       "gedruckt.  Wenn mehr als        6 Aufgaben gewählt wurden, werden die unteren ggf. "
                       "abgeschnitten."),
        12, 290);
    hinweis->setWordWrap(true);
    place(hinweis, 12, 290, 260, 100);
    Label16 = new Label(this, QString(), 520, 480);
    gewaehltfeld(Label16);

    P3 = new Panel(this, 16, 376, 200, 120);
    new Label(P3, QStringLiteral("Auswahl der Grafik:"), 12, 8);
    Grafik = new RadioGroup(P3, QString(), 8, 28, 184, 84);
    Grafik->setItems(
        { QStringLiteral("100er-Gitter"), QStringLiteral("100er-Felder"), QStringLiteral("100er-Strahle") });
    Grafik->setItemIndex(0);

    Panel1 = new Panel(this, 240, 376, 100, 40);
    new Label(Panel1, QStringLiteral("wie oft?"), 6, 12);
    Edit8 = new Edit(Panel1, 62, 8, 30, 24);
    kopienfeld(Edit8);
    Button2 = new Button(this, QStringLiteral("drucken"), 560, 520, 100, 40);
    Button1 = new Button(this, QStringLiteral("zurück"), 680, 520, 100, 40);
    knoepfe(Button2, Button1);

    RadioGroup2->OnClick = [this] { RadioGroup2Click(); };
    Grafik->OnClick = [this] { GrafikClick(); };
    OnActivate = [this] { aktiv(); };
}

void Zehnerblatt::aktiv()
{
    wieofteins();
    m_stufe = 1;
    programmcode = 1;
    RadioGroup2->setItemIndex(0);
    m_grafik = raum100::Gitter;
    Grafik->setItemIndex(0);
    SetFocus(Edits[0]);
}

void Zehnerblatt::RadioGroup2Click()
{
    m_stufe = RadioGroup2->ItemIndex() + 1;
    programmcode = m_stufe;
}

void Zehnerblatt::GrafikClick()
{
    m_grafik = Grafik->ItemIndex();
}

bool Zehnerblatt::druckbereit() const
{
    return aufgabensumme >= 6;
}

void Zehnerblatt::druckenClick()
{
    if (!druckbereit()) return;
    std::vector<int> zahlen;
    for (int k = 1; k <= 6; ++k)
        zahlen.push_back(typzahlen[k]);
    m_blatt = raum100::Blatt {};
    m_blatt.titel = m_texte.titel + QStringLiteral(" (%1)").arg(m_stufe) + m_texte.titelRest;
    m_blatt.grafik = m_grafik;
    m_blatt.formen = blattrahmen::zeilenarten(zahlen, 6);
    m_blatt.aufgaben = m_texte.erzeugen(m_stufe);
    m_blatt.einStrich = m_texte.einStrich;
    kopienSichern();
    blattdruck::drucken(m_texte.drucktitel, wieoft, [this](Canvas& c) { raum100::draw(c, m_blatt); });
    feldleeren();
}
