#pragma once
// The window of the two Raum-100 sheets: a level, six task forms with their counts, a picture of the
// hundred and the copies. The two sheets differ in their levels, preview texts and generator.

#include "worksheets/a_r_100_logik.h"
#include "worksheets/blattform.h"

#include <QStringList>
#include <array>
#include <functional>

class Button;
class Edit;
class Label;
class Panel;
class RadioGroup;

class Zehnerblatt : public Blattform {
    Q_OBJECT
    Q_DISABLE_COPY(Zehnerblatt)
public:
    struct Texte {
        QString caption;
        QString drucktitel; // names the printout: the menu's button the sheet was chosen by
        QStringList stufen; // one caption per level
        QString formenKopf; // heading of the forms panel
        QString verwandtschaft;
        QString welcheForm;
        std::array<QString, 6> vorschau; // the six forms of the example task
        QString titel; // title of the printed sheet before " (" level ")"
        QString titelRest; // blanks and the name blank after it
        bool einStrich = false; // forms 3 and 4 print a single "_"
        std::function<std::array<raum100::Aufgabe, 6>(int stufe)> erzeugen;
    };

    Panel* Panel5 = nullptr;
    Panel* Panel2 = nullptr;
    RadioGroup* RadioGroup2 = nullptr; // the level
    Panel* P2 = nullptr;
    std::array<Edit*, 6> Edits {}; // Edit1 .. Edit6
    Label* Label16 = nullptr;
    Panel* P3 = nullptr;
    RadioGroup* Grafik = nullptr; // "100er-Gitter", "100er-Felder", "100er-Strahle"
    Panel* Panel1 = nullptr;
    Edit* Edit8 = nullptr;
    Button* Button2 = nullptr; // drucken
    Button* Button1 = nullptr; // zurück

    // The sheet the last "drucken" printed.
    const raum100::Blatt& gedruckt() const { return m_blatt; }

protected:
    Zehnerblatt(Texte texte, QWidget* parent);

private:
    void aktiv();
    void RadioGroup2Click();
    void GrafikClick();
    bool druckbereit() const override;
    void druckenClick() override;

    Texte m_texte;
    int m_stufe = 1;
    int m_grafik = raum100::Gitter;
    raum100::Blatt m_blatt;
};
