#pragma once
// The form of the plus-task family sheets ("Bereich bis 10", "zwischen 10 und 20", "Zehnerübergang"): three
// number lists for a + b = c, a count edit per task form, the picture and the page division (or pairs),
// the copies. Each sheet gives its texts, lists and section; the form prints the picture and division its
// own radio groups show.

#include "worksheets/blattform.h"
#include "worksheets/familienblatt_logik.h"

#include <QStringList>
#include <array>

class Panel;
class RadioGroup;

struct Familienangaben {
    QString caption;
    const familienblatt::Familie* familie = nullptr;
    const awina::Abschnitt* abschnitt = nullptr;
    std::array<QStringList, 3> listen; // item texts
    QString verwandtschaft; // "die Verwandtschaft der Plusaufgabe: ..."
    QString verwandtschaft2; // a second line, or empty
    QStringList beispiele; // one per task form
    QString hinweis;
    QString vorratstext; // the pool label before the first count
    QStringList grafiken;
    QString teilungTitel; // heading of the page division, empty for none
    QStringList teilungen;
};

class Familienform : public Vorratsblatt {
    Q_OBJECT
    Q_DISABLE_COPY(Familienform)
public:
    Label* Label1 = nullptr;
    Panel* P1 = nullptr;
    ListBox* ListBox1 = nullptr;
    ListBox* ListBox2 = nullptr;
    ListBox* ListBox3 = nullptr;
    Label* Label15 = nullptr; // pool label
    Panel* P2 = nullptr;
    QList<Edit*> Edits; // Edit1 .. Edit6 or Edit7
    Label* Label16 = nullptr; // count label
    Panel* P3 = nullptr;
    RadioGroup* RadioGroup1 = nullptr; // picture
    Panel* P4 = nullptr;
    RadioGroup* RadioGroup2 = nullptr; // whole page or two half pages; single tasks or pairs
    Panel* Panel1 = nullptr;
    Edit* Edit8 = nullptr; // copies
    Button* Button2 = nullptr; // drucken
    Button* Button1 = nullptr; // zurück

    // The sheet printed last (tests look at it).
    const familienblatt::Blatt& letztesBlatt() const { return m_letztes; }

protected:
    Familienform(const Familienangaben& angaben, QWidget* parent = nullptr);

    std::vector<int> vorratBilden() override;
    void blattdrucken(const std::vector<int>& codes) override;
    bool druckbereit() const override;

private:
    bool paarmodus() const;
    const familienblatt::Familie& m_familie;
    familienblatt::Blatt m_letztes;
};
