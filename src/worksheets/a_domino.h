#pragma once
// "Domino": domino ring sheets of five kinds and the empty domino template. A kind button leads to the
// input of its number; "drucken" and the copies appear only while the number suits the kind.

#include "worksheets/a_domino_logik.h"
#include "worksheets/ablschnittstellen.h"
#include "worksheets/blattform.h"

#include <QList>

class Button;
class Edit;
class Label;
class Panel;

class TForm26 final : public Blattform, public DominoVorbereitung {
    Q_OBJECT
    Q_DISABLE_COPY(TForm26)
public:
    explicit TForm26(QWidget* parent = nullptr);

    void Button6Zuerst() override;

    Label* Label9 = nullptr;
    Button* Button1 = nullptr; // Summe
    Button* Button2 = nullptr; // Summand
    Button* Button3 = nullptr; // Subtrahend
    Button* Button6 = nullptr; // Faktor (the 1x1 menu puts it first in the tab order)
    Button* Button7 = nullptr; // Teiler
    Button* Button5 = nullptr; // leere Domino-Vorlage
    Button* Button8 = nullptr; // drucken
    Button* Button4 = nullptr; // zurück
    Panel* Panel1 = nullptr;
    Edit* Edit8 = nullptr;
    Panel* Panel2 = nullptr;
    Edit* Edit1 = nullptr;
    Panel* Panel3 = nullptr;
    Label* Label3 = nullptr;
    Panel* Panel4 = nullptr;
    Edit* Edit2 = nullptr;
    Panel* Panel5 = nullptr;
    Edit* Edit3 = nullptr;
    Panel* Panel6 = nullptr;
    Label* Label6 = nullptr;
    Edit* Edit4 = nullptr;

    // The sheet the last "drucken" printed.
    const domino::Blatt& gedruckt() const { return m_blatt; }

private:
    void artwahl(int art, Button* knopf, Panel* panel, Edit* fokus);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button6Click();
    void Button7Click();
    void Button5Click();
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    // The typed number into variante; "drucken" and the copies shown while it suits the kind.
    void eingabe(Edit* edit);
    void druckenClick() override;
    void Button4Click();

    QList<Button*> m_artknoepfe;
    int m_art = 0; // 0 in the choice state
    Button* m_artknopf = nullptr; // the kind button of the sheet being set up
    int m_wert = 0; // the number typed for the kind
    int m_dominobereich = 20;
    domino::Blatt m_blatt;
};
