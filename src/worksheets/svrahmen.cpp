#include "worksheets/svrahmen.h"

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "worksheets/svrahmen_logik.h"

#include <utility>

namespace {

// The title bar colour of an active window, behind the count label.
const QColor clActiveCaption { 153, 180, 209 };

QString notiz(int n)
{
    const QString zahl = QString::number(n);
    return QStringLiteral("Es werden       %1 Aufgaben von oben nach unten nach Typen sortiert gedruckt. Wenn mehr "
                          "als %1 Aufgaben  gewählt wurden, werden die   unteren ggf. abgeschnitten.")
        .arg(zahl);
}

Label* festesLabel(QWidget* parent, const QString& text, int left, int top, int width, int height)
{
    auto* l = new Label(parent, text, left, top);
    l->setAutoSize(false);
    place(l, left, top, width, height);
    return l;
}

} // namespace

SVRahmen::SVRahmen(Parameter parameter, QWidget* parent)
    : Blattform(parent)
    , m_parameter(std::move(parameter))
{
    aufbauen();
    OnActivate = [this] { aktivieren(); };
}

void SVRahmen::aufbauen()
{
    const Parameter& p = m_parameter;
    const int n = p.n;
    setMaximized(true);
    setDesignGeometry(0, 0, 780, 545);
    setDefaultFont(QStringLiteral("MS Sans Serif"), 16);

    const int mischBreite = p.obenBreite - 40;
    auto* oben = new Panel(this, 16, 16, p.obenBreite, 153);
    auto* blattLabel = new Label(oben, QStringLiteral("ein Blatt hat %1 Aufgaben").arg(n), 16, 16);
    applyFont(blattLabel, QStringLiteral("MS Sans Serif"), 16, FontStyle::Bold);
    setColor(blattLabel, clAqua);
    m_mischgruppe = new RadioGroup(oben, QString(), 16, 48, mischBreite, 81);
    m_mischgruppe->setObjectName(p.mischgruppe);
    m_mischgruppe->setItems({ QStringLiteral("gemäß eigener Zusammenstellung der Typen"),
        QStringLiteral("ungeordnete Mischung aus allen Typen  ") });
    m_mischgruppe->setItemIndex(0);
    m_mischgruppe->OnClick = [this] { mischschalter(); };

    auto* p1 = new Panel(this, 16, 184, 569, 345);
    p1->setObjectName(QStringLiteral("p1"));
    auto* welcher = festesLabel(p1, QStringLiteral("Welcher Typ wie oft?"), 32, 16, 104, 40);
    welcher->setWordWrap(true);
    applyFont(welcher, QStringLiteral("MS Sans Serif"), 16, FontStyle::Bold);
    Label14 = festesLabel(p1,
        n == 8 ? QStringLiteral("Es werden         8 Aufgaben von oben nach unten nach Typen "
                                "sortiert gedruckt.   Wenn mehr als  8 Aufgaben  gewählt "
                                "wurden, werden die   unteren ggf. abgeschnitten.")
               : notiz(n),
        32, 95, 102, 176);
    Label14->setWordWrap(true);
    applyFont(Label14, QStringLiteral("Arial"), 13);

    static const int labelOben[] = { 24, 65, 106, 148, 189, 230, 272 };
    static const int editOben[] = { 20, 61, 102, 143, 184, 225, 267 };
    static const int labelOben2[] = { 10, 75, 131, 191, 252 };
    static const int editOben2[] = { 16, 76, 137, 197, 258 };
    for (int t = 1; t <= p.typtexte.size() && t <= 7; ++t) {
        const int lo = p.zweizeilig ? labelOben2[t - 1] : labelOben[t - 1];
        const int eo = p.zweizeilig ? editOben2[t - 1] : editOben[t - 1];
        auto* label = festesLabel(p1, p.typtexte.at(t - 1), 240, lo, 313, p.zweizeilig ? 40 : 25);
        label->setObjectName(t <= p.labelnamen.size() ? p.labelnamen.at(t - 1) : QStringLiteral("Label%1").arg(t));
        label->setWordWrap(p.zweizeilig);
        setColor(label, clHighlight);
        setFontColor(label, clHighlightText);
        m_typlabels << label;
        auto* edit = new Edit(p1, 192, eo, 30, 28);
        edit->setObjectName(t <= p.editnamen.size() ? p.editnamen.at(t - 1) : QStringLiteral("Edit%1").arg(t));
        anzahlfeld(edit, t);
    }
    // The sheet opens on its first count, as the other sheets do, not on the mixing group made before it.
    if (!anzahledits().isEmpty()) setActiveControl(anzahledits().first());
    Label11 = new Label(p1, QString(), 192, p.zweizeilig ? 304 : 312);
    applyFont(Label11, QStringLiteral("MS Sans Serif"), 19);
    setColor(Label11, clActiveCaption);
    setFontColor(Label11, clYellow);
    gewaehltfeld(Label11);

    const QRect& kp = p.kaestchenpanel;
    auto* kaestchenPanel = new Panel(this, kp.x(), kp.y(), kp.width(), kp.height());
    new Label(kaestchenPanel, p.kaestchentext, p.kaestchenlabel.x(), p.kaestchenlabel.y());
    RadioGroup3 = new RadioGroup(kaestchenPanel, QString(), p.kaestchengruppe.x(), p.kaestchengruppe.y(), 137, 105);
    RadioGroup3->setItems(p.kaestchenitems);
    RadioGroup3->setItemIndex(0);
    RadioGroup3->OnClick = [this] { RadioGroup3Click(); };

    auto* loesungPanel = new Panel(this, 600, 184, 169, 153);
    Label9 = new Label(loesungPanel, QStringLiteral("Lösungsblatt"), 32, 16);
    RadioGroup2 = new RadioGroup(loesungPanel, QString(), 32, 40, 89, 89);
    RadioGroup2->setItems({ QStringLiteral("ohne"), QStringLiteral("mit") });
    RadioGroup2->setItemIndex(0);
    RadioGroup2->OnClick = [this] { RadioGroup2Click(); };

    auto* kopienPanel = new Panel(this, 600, 352, 169, 57);
    Label13 = new Label(kopienPanel, QStringLiteral("Exemplare"), 16, 16);
    Edit9 = new Edit(kopienPanel, 104, 16, 25, 28);
    kopienfeld(Edit9);

    Button2 = new Button(this, QStringLiteral("drucken"), 648, 424, 100, 40);
    Button1 = new Button(this, QStringLiteral("zurück"), 648, 488, 100, 40);
    knoepfe(Button2, Button1);
    Button1->OnClick = [this] { Button1Click(); };
}

SVRahmen::Parameter SVRahmen::Parameter::mitZusatzpanel()
{
    Parameter p;
    p.obenBreite = 401;
    p.kaestchentext = QStringLiteral("Rechenkästchen");
    p.kaestchenitems = { QStringLiteral("ohne"), QStringLiteral("mit (grau)"), QStringLiteral("mit (schwarz)") };
    p.kaestchenpanel = { 600, 16, 169, 153 };
    p.kaestchenlabel = { 24, 16 };
    p.kaestchengruppe = { 16, 40 };
    return p;
}

RadioGroup* SVRahmen::zusatzgruppe(const QString& titel, const QStringList& items)
{
    auto* pn = new Panel(this, 432, 16, 153, 153);
    new Label(pn, titel, 56, 16);
    auto* rg = new RadioGroup(pn, QString(), 16, 48, 121, 89);
    rg->setObjectName(QStringLiteral("RadioGroup1"));
    rg->setItems(items);
    rg->setItemIndex(0);
    return rg;
}

void SVRahmen::typtexteSetzen(int ersteZeile, const QStringList& texte)
{
    for (int i = 0; i < texte.size(); ++i) {
        const int zeile = ersteZeile - 1 + i;
        if (zeile >= 0 && zeile < m_typlabels.size()) m_typlabels[zeile]->setCaption(texte.at(i));
    }
}

bool SVRahmen::druckbereit() const
{
    return m_mischwahl == 1 || aufgabensumme >= m_parameter.n;
}

void SVRahmen::aktivieren()
{
    wieofteins();
    m_mischgruppe->setItemIndex(0);
    m_mischwahl = 0;
    for (Edit* e : anzahledits()) {
        e->setVisible(true);
        e->clear();
    }
    // Counts another sheet left in the shared array, a rest of the mixture included, add no tasks here. The
    // count label keeps what it shows: the edits are empty whenever a sheet is left.
    for (int k = 1; k <= typzahlen.high(); ++k)
        typzahlen[k] = 0;
    aufgabensumme = 0;
    druckfreigabe();
    aktiviert();
}

void SVRahmen::zusammenstellungZeigen()
{
    m_mischgruppe->setItemIndex(0);
    m_mischwahl = 0;
    typzahlen[artenzahl() + 1] = 0;
    for (Edit* e : anzahledits())
        e->setVisible(true);
    gewaehltanzeige();
}

void SVRahmen::mischschalter()
{
    m_mischwahl = m_mischgruppe->ItemIndex();
    if (m_mischwahl != 1) {
        zusammenstellungZeigen();
        return;
    }
    for (Edit* e : anzahledits())
        e->setVisible(false);
    Label11->setCaption(QStringLiteral(" %1 gewählt ").arg(m_parameter.n));
    typzahlen[artenzahl() + 1] = m_parameter.n;
    druckfreigabe();
}

void SVRahmen::RadioGroup3Click()
{
    m_kaestchenwahl = RadioGroup3->ItemIndex();
}

void SVRahmen::RadioGroup2Click()
{
    m_loesungwahl = RadioGroup2->ItemIndex();
}

void SVRahmen::druckenClick()
{
    std::vector<int> zahlen;
    for (int k = 1; k <= artenzahl() + 1; ++k)
        zahlen.push_back(typzahlen[k]);
    m_arten = svrahmen::arten(zahlen, m_parameter.n);
    if (m_parameter.neuMischen) Randomize();
    erzeugen(m_arten);
    kopienSichern();
    svrahmen::druckdurchgang(drucktitel(), wieoft, m_loesungwahl == 1,
        [this](Canvas& canvas, bool loesungsdruck) { blattZeichnen(canvas, loesungsdruck); });
    zusammenstellungZeigen();
    feldleeren();
}

void SVRahmen::Button1Click()
{
    zusammenstellungZeigen();
    feldleeren();
    zurueckgesetzt();
    Close();
}
