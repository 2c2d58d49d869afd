#include "worksheets/blattform.h"

#include "platform/controls.h"
#include "platform/errors.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/ziffernfilter.h"

void umbrechenNach(Label* label, const QString& bis)
{
    const QString text = label->caption();
    // `bis` as a whole word: "Zahl" is not the start of "Zahlbereich".
    const auto wortrand = [&](qsizetype i, QChar randzeichen) {
        return !randzeichen.isLetterOrNumber() || i < 0 || i >= text.size() || !text.at(i).isLetterOrNumber();
    };
    for (qsizetype anfang = text.indexOf(bis); anfang >= 0 && !bis.isEmpty(); anfang = text.indexOf(bis, anfang + 1)) {
        const qsizetype ende = anfang + bis.size();
        if (!wortrand(anfang - 1, bis.front()) || !wortrand(ende, bis.back())) continue;
        const int breite = QFontMetrics(label->font()).horizontalAdvance(text.left(ende)) + 4;
        label->resize(std::min(label->width(), breite), label->height());
        return;
    }
}

namespace {

void ziffernfiltern(Edit* edit)
{
    edit->setMaxLength(2);
    edit->OnKeyPress = [](QChar& taste) { taste = tasten::ziffernfilter(taste); };
}

int zahlOderNull(const Edit* edit)
{
    return edit->text().isEmpty() ? 0 : StrToInt(edit->text());
}

} // namespace

Blattform::Blattform(QWidget* parent)
    : Form(parent)
{
    ActivityWindow = true;
}

void Blattform::knoepfe(Button* druckknopf, Button* zurueckknopf)
{
    m_drucken = druckknopf;
    m_zurueck = zurueckknopf;
    druckknopf->Default = true;
    setHint(druckknopf, QStringLiteral("Ausdruck kann beginnen"));
    setTabStop(druckknopf, false);
    druckknopf->setEnabled(false);
    druckknopf->OnClick = [this] { druckenClick(); };
    zurueckknopf->Cancel = true;
    setTabStop(zurueckknopf, false);
    // A stray arrow key must not put printing under Enter (nor leaving: the arrows pass over the Cancel button
    // of every sheet).
    setArrowStop(druckknopf, false);
    zurueckknopf->OnClick = [this] { zurueck(); };
}

void Blattform::anzahlfeld(Edit* edit, int art)
{
    ziffernfiltern(edit);
    edit->OnChange = [this, art] { anzahlaendern(art); };
    m_anzahl << edit;
}

void Blattform::kopienfeld(Edit* edit)
{
    m_kopien = edit;
    ziffernfiltern(edit);
    edit->setText(QStringLiteral("1"));
    edit->OnChange = [this] { wieoftaendern(); };
}

void Blattform::gewaehltfeld(Label* label)
{
    m_gewaehlt = label;
    label->setCaption(QStringLiteral(" 0  gewählt "));
}

void Blattform::anzahlaendern(int art)
{
    typzahlen[art] = zahlOderNull(m_anzahl.at(art - 1));
    gewaehltanzeige();
}

void Blattform::wieoftaendern()
{
    wieoft = zahlOderNull(m_kopien);
}

void Blattform::gewaehltanzeige()
{
    aufgabensumme = 0;
    for (int k = 1; k <= artenzahl(); ++k)
        aufgabensumme += typzahlen[k];
    if (m_gewaehlt) m_gewaehlt->setCaption(QStringLiteral(" %1 gewählt ").arg(aufgabensumme));
    druckfreigabe();
}

void Blattform::feldleeren()
{
    for (Edit* e : m_anzahl)
        e->clear();
    // An edit that was empty already fires no change; its kind must not keep a count another sheet left.
    for (int k = 1; k <= typzahlen.high(); ++k)
        typzahlen[k] = 0;
    gewaehltanzeige();
}

void Blattform::wieofteins()
{
    wieoft = 1;
    if (m_kopien) m_kopien->setText(QStringLiteral("1"));
}

void Blattform::kopienSichern()
{
    if (wieoft == 0) wieofteins();
}

void Blattform::zurueck()
{
    feldleeren();
    wieofteins();
    Close();
}

bool Blattform::druckbereit() const
{
    return aufgabensumme > 9;
}

void Blattform::druckfreigabe()
{
    if (m_drucken) m_drucken->setEnabled(druckbereit());
}

// ---- Vorratsblatt ----

Vorratsblatt::Vorratsblatt(const awina::Abschnitt& abschnitt, QWidget* parent)
    : Blattform(parent)
    , m_abschnitt(abschnitt)
{
}

void Vorratsblatt::liste(ListBox* box, const QStringList& texte)
{
    box->setMultiSelect(true);
    box->setItems(texte);
    setTabStop(box, false);
    box->OnClick = [this] { listenklick(); };
    m_listen << box;
}

void Vorratsblatt::vorratsfeld(Label* label)
{
    m_vorratslabel = label;
}

awina::Haken Vorratsblatt::haken() const
{
    awina::Haken h;
    for (const ListBox* box : m_listen) {
        std::vector<bool> l;
        for (int i = 0; i < box->count(); ++i)
            l.push_back(box->Selected(i));
        h.push_back(l);
    }
    return h;
}

int& Vorratsblatt::flagwert(int liste, int i)
{
    switch (liste) {
    case 0:
        return auswahl1[i];
    case 1:
        return auswahl2[i];
    default:
        return auswahl3[i];
    }
}

std::vector<int> Vorratsblatt::flags(int liste)
{
    std::vector<int> f;
    for (size_t i = 0; i < m_abschnitt.listenwerte[size_t(liste)].size(); ++i)
        f.push_back(flagwert(liste, int(i)));
    return f;
}

void Vorratsblatt::flagsTeilen()
{
    const awina::Haken h = haken();
    for (size_t l = 0; l < m_abschnitt.listenwerte.size() && l < h.size(); ++l) {
        const std::vector<int> f = blattrahmen::flaggen(m_abschnitt.listenwerte[l], h[l]);
        for (size_t i = 0; i < f.size(); ++i)
            flagwert(int(l), int(i)) = f[i];
    }
}

void Vorratsblatt::aktivieren()
{
    wieofteins();
    abschnittladen();
}

void Vorratsblatt::abschnittladen()
{
    if (listenOhneDateiBehalten && !awina::vorhanden()) {
        flagsTeilen();
        zahlenvorrat();
        return;
    }
    const awina::Haken h = awina::laden(m_abschnitt);
    for (int l = 0; l < m_listen.size() && size_t(l) < h.size(); ++l)
        for (int i = 0; i < m_listen[l]->count() && size_t(i) < h[size_t(l)].size(); ++i)
            m_listen[l]->setSelected(i, h[size_t(l)][size_t(i)]);
    flagsTeilen();
    zahlenvorrat();
}

void Vorratsblatt::abschnittschreiben()
{
    awina::schreiben(m_abschnitt, haken());
}

void Vorratsblatt::listenklick()
{
    flagsTeilen();
    zahlenvorrat();
}

void Vorratsblatt::zahlenvorrat()
{
    m_vorrat.setzen(vorratBilden());
    anzahl = m_vorrat.offen();
    vorratsgroesse = m_vorrat.groesse();
    if (m_vorratslabel) m_vorratslabel->setCaption(vorratstext(m_vorrat.groesse()));
    druckfreigabe();
}

QString Vorratsblatt::vorratstext(int groesse) const
{
    return QStringLiteral("aus dem Zahlenvorrat bildbare Aufgaben: %1").arg(groesse);
}

bool Vorratsblatt::druckbereit() const
{
    return Blattform::druckbereit() && !m_vorrat.leer();
}

void Vorratsblatt::druckenClick()
{
    // The pool the lists show, whatever another sheet left in the shared flag lists since.
    flagsTeilen();
    m_vorrat.setzen(vorratBilden());
    const std::vector<int> codes = blattrahmen::ziehung(m_vorrat, aufgabenzahl());
    abschnittschreiben();
    kopienSichern();
    blattdrucken(codes);
    feldleeren();
    zahlenvorrat();
}
