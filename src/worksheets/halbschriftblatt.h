#pragma once
// The window of the two half-written sheets: the pattern previews with a count edit under each, the count
// label, the copies and "drucken" from twelve chosen tasks on. The menu writes the previews.

#include "worksheets/a_hsv_pm_logik.h"
#include "worksheets/blattform.h"

#include <QList>

class Button;
class Edit;
class Label;
class Panel;

class Halbschriftblatt : public Blattform {
    Q_OBJECT
    Q_DISABLE_COPY(Halbschriftblatt)
public:
    Panel* Panel5 = nullptr;
    Panel* P2 = nullptr;
    QList<Label*> vorschau; // pattern 1, 2, ...
    QList<Edit*> Edits; // Edit1, Edit2, ... under the previews
    Label* Label16 = nullptr;
    Panel* Panel1 = nullptr;
    Edit* Edit8 = nullptr;
    Button* Button2 = nullptr; // drucken
    Button* Button4 = nullptr; // zurück

    // Writes the preview of pattern k (from 0): a task line, a dashed line and two step lines in one caption
    // that wraps into those four lines, the label as wide as its widest.
    void vorschauSetzen(int k, const QString& text);

    // The page the last "drucken" printed.
    const halbschrift::Seite& gedruckt() const { return m_seite; }

protected:
    // `oben` previews in the first row, the rest in a second row below.
    Halbschriftblatt(
        const QString& caption, int muster, int oben, int zeichen, const QString& hinweis, QWidget* parent);

    // The patterns of the places, from the counts.
    std::vector<int> musterfolge() const;
    // The page of a new sheet.
    virtual halbschrift::Seite neueSeite() = 0;
    // Activation: one copy, no counts, "drucken" off.
    void aktivieren();

private:
    bool druckbereit() const override;
    void druckenClick() override;

    int m_muster = 0;
    halbschrift::Seite m_seite;
};
