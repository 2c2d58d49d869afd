#include "analyses/f_schueler_wahl.h"

#include "analyses/f_schueler.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/sperrwarten.h"

Namenwahl::Namenwahl(ListBox* namen, Edit* n_ohne, Label* hinweis, std::function<void()> geaendert)
    : m_namen(namen)
    , m_n_ohne(n_ohne)
    , m_hinweis(hinweis)
    , m_geaendert(std::move(geaendert))
{
    m_namen->OnClick = [this] { namenClick(); };
    m_n_ohne->setMaxLength(schueler::kNamenlaenge);
    // Control characters (backspace) pass; of the typed characters only those a folder name may hold.
    m_n_ohne->OnKeyPress = [](QChar& key) {
        if (key.unicode() >= 32 && !schueler::namenzeichen(key)) key = QChar();
    };
    m_n_ohne->OnChange = [this] { n_ohneChange(); };
    sperrwarten::anzeigen();
}

void Namenwahl::platzGeben(const QList<QWidget*>& darunter, int entwurfshoehe)
{
    m_namen->growForRows(
        kNamenzeilen, [this, entwurfshoehe] { return m_namen->window()->height() - entwurfshoehe; }, darunter);
}

void Namenwahl::meldungZeigen(Label* label, const QString& text, int links, int oben, int breite) const
{
    oben += m_namen->grownBy();
    label->setAutoSize(false);
    label->setWordWrap(true);
    label->setMargin(2);
    label->setCaption(text);
    // One pixel more than the lines' height: a long path's brackets and descenders put ink a pixel below the last
    // line's descent.
    label->setGeometry(links, oben, breite, label->heightForWidth(breite) + 1);
    label->show();
}

QString Namenwahl::aktivieren()
{
    schuelername = "";
    m_namen->clearSelection();
    m_namen->setCurrentRow(-1);
    QString meldung;
    m_namen->setItems(schueler::namenliste(&meldung));
    // A set-up opened again shows its names from the first, not where the last pupil scrolled to.
    m_namen->scrollToTop();
    tippen(schueler::ohneListe());
    if (schueler::ohneListe()) {
        schuelername = schueler::gueltigerName(m_n_ohne->text());
        SetFocus(m_n_ohne);
    }
    if (m_geaendert) m_geaendert();
    return meldung;
}

QString Namenwahl::nachStart(schueler::Protokollziel ziel)
{
    if (ziel != schueler::Protokollziel::ListeGeaendert && ziel != schueler::Protokollziel::ListeGeloescht)
        return schueler::meldung(ziel);
    const QString warum = aktivieren();
    // A list found gone at the Start is said as such, also where the names read again miss it too; one that is back
    // by now shows its names.
    if (ziel == schueler::Protokollziel::ListeGeloescht) return warum.isEmpty() ? QString() : schueler::meldung(ziel);
    return warum.isEmpty() ? schueler::meldung(ziel) : warum;
}

void Namenwahl::tippen(bool ja)
{
    // What goes is hidden first: the focus must not pass to the other one as it goes.
    if (ja) {
        m_namen->hide();
        m_n_ohne->show();
    } else {
        m_n_ohne->hide();
        m_namen->show();
    }
    if (m_hinweis) m_hinweis->setVisible(ja);
}

void Namenwahl::leeren()
{
    m_n_ohne->setText(QString());
    m_namen->clearSelection();
    m_namen->setCurrentRow(-1);
    schueler::abwaehlen();
    schuelername = "";
    if (m_geaendert) m_geaendert();
}

void Namenwahl::namenClick()
{
    const int i = m_namen->ItemIndex();
    if (i < 0) return;
    schuelername = schueler::waehlen(i, m_namen->itemText(i));
    if (m_geaendert) m_geaendert();
}

void Namenwahl::n_ohneChange()
{
    const QString name = schueler::gueltigerName(m_n_ohne->text());
    if (name != m_n_ohne->text()) {
        m_n_ohne->setText(name); // runs this handler again with the clean text
        return;
    }
    schuelername = name;
    if (m_geaendert) m_geaendert();
}
