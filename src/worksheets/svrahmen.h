#pragma once
// The frame of the written-calculation sheets: the count edits of the task types with their count label,
// the choice between the typed composition and a random mixture, the squared underlay, the solution sheet,
// the copies ("Exemplare"), and the printing run of one job per copy and one solution job. A sheet gives
// its parameters (tasks per sheet, type captions, where its panels stand) and fills in how it generates
// its tasks and draws a page.

#include "worksheets/ablschnittstellen.h"
#include "worksheets/blattform.h"

#include <QRect>
#include <QStringList>
#include <vector>

class Canvas;
class Panel;
class RadioGroup;

class SVRahmen : public Blattform, public SVTyptexte {
    Q_OBJECT
    Q_DISABLE_COPY(SVRahmen)
public:
    struct Parameter {
        int n = 21; // tasks on one sheet, also the least count for "drucken"
        QStringList typtexte; // one per type, top to bottom (their number is the number of types)
        QStringList editnamen; // the count edits' names, top to bottom (default Edit1, Edit2, ...)
        QStringList labelnamen; // the type labels' names, top to bottom (default Label1, Label2, ...)
        bool zweizeilig = false; // two-line type labels
        QString mischgruppe = QStringLiteral("RadioGroup5");
        int obenBreite = 425; // the top left panel
        QString kaestchentext = QStringLiteral("Unterlegung mit Rechenkästchen");
        QStringList kaestchenitems { QStringLiteral("ohne"), QStringLiteral("mit   (grau)"),
            QStringLiteral("mit   (schwarz)") };
        QRect kaestchenpanel { 456, 16, 313, 153 };
        QPoint kaestchenlabel { 32, 16 };
        QPoint kaestchengruppe { 88, 40 };
        QString drucktitel; // names the printout: the menu's button the sheet was chosen by
        bool neuMischen = true; // a new seed before the tasks are drawn

        // A sheet with its own panel (Form, Rest) makes room for it: a narrower top panel and a small
        // underlay panel with short item texts.
        static Parameter mitZusatzpanel();
    };

    // The menu writes the captions of the type rows, from row `ersteZeile` (1 = the top row) down.
    void typtexteSetzen(int ersteZeile, const QStringList& texte) override;

    const QList<Label*>& typlabels() const { return m_typlabels; }
    RadioGroup* mischgruppe() const { return m_mischgruppe; }
    int mischwahl() const { return m_mischwahl; }
    int kaestchenwahl() const { return m_kaestchenwahl; }
    int loesungwahl() const { return m_loesungwahl; }
    // The kinds of the last sheet's tasks, in order (the fill kind is the number of types + 1).
    const std::vector<int>& arten() const { return m_arten; }

    Label* Label9 = nullptr; // "Lösungsblatt"
    Label* Label11 = nullptr; // the count label
    Label* Label13 = nullptr; // "Exemplare"
    Label* Label14 = nullptr; // the note on the sorting and the cut
    RadioGroup* RadioGroup2 = nullptr; // solution sheet
    RadioGroup* RadioGroup3 = nullptr; // underlay
    Edit* Edit9 = nullptr; // copies
    Button* Button2 = nullptr; // drucken
    Button* Button1 = nullptr; // zurück

protected:
    SVRahmen(Parameter parameter, QWidget* parent = nullptr);

    // A sheet's own panel between the top panel and the underlay's (Form, Rest): its caption label and the
    // radio group "RadioGroup1", the first item chosen.
    RadioGroup* zusatzgruppe(const QString& titel, const QStringList& items);

    // The sheet's hooks: the tasks of the kinds given (the fill kind draws a random type), one page drawn,
    // the window's own steps on activation and on "zurück".
    virtual void erzeugen(const std::vector<int>& arten) = 0;
    virtual void blattZeichnen(Canvas& canvas, bool loesungsdruck) = 0;
    virtual void aktiviert() { }
    virtual void zurueckgesetzt() { }
    // The printout's name; a sheet of several variants names the one the menu chose.
    virtual QString drucktitel() const { return m_parameter.drucktitel; }

    int artenzahl() const override { return int(m_parameter.typtexte.size()); }
    bool druckbereit() const override;
    void druckenClick() override;

private:
    void aufbauen();
    void aktivieren();
    void mischschalter();
    void RadioGroup3Click();
    void RadioGroup2Click();
    void Button1Click();
    // The typed composition again: mixture off, count edits shown, the label showing their sum.
    void zusammenstellungZeigen();

    Parameter m_parameter;
    QList<Label*> m_typlabels;
    RadioGroup* m_mischgruppe = nullptr;
    int m_mischwahl = 0;
    int m_kaestchenwahl = 0;
    int m_loesungwahl = 0;
    std::vector<int> m_arten;
};

// A sheet of the frame with its task model: the tasks generated last, from which every page is drawn.
template <typename Blatt, void (*zeichnen)(Canvas&, const Blatt&, int kaestchenwahl, bool loesungsdruck)>
class SVBlatt : public SVRahmen {
public:
    const Blatt& blatt() const { return m_blatt; }

protected:
    using SVRahmen::SVRahmen;

    void blattZeichnen(Canvas& canvas, bool loesungsdruck) final
    {
        zeichnen(canvas, m_blatt, kaestchenwahl(), loesungsdruck);
    }

    Blatt m_blatt;
};
