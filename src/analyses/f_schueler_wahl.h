#pragma once
// The pupil choice of an analysis set-up window: the list box of the active class list and the edit for a
// typed name when working without a list. The set-up keeps its own two controls (placed where its form
// wants them) and hands them to one Namenwahl, which wires their events and keeps schuelername.
//
//   // constructor, after creating `namen` (ListBox) and `n_ohne` (Edit):
//   namenwahl = std::make_unique<Namenwahl>(namen, n_ohne, hinweis, [this] { startpruefung(); });
//   // once what stands below the list is made: namenwahl->platzGeben({ ... }, the form's design height);
//   // OnActivate:      namenwahl->aktivieren();
//   // "zurück" and after a run: namenwahl->leeren();
//   // Start:           schueler::protokollvorbereiten(praefix) (f_schueler.h) uses schuelername.
//
// The edit takes at most 8 characters, letters A..Z, a..z and digits; a pasted or code-set text is cut
// down to that on every change; backspace works. Its hint ("max. 8 gültige Zeichen") shows whenever it does.

#include "analyses/f_schueler.h"

#include <QList>
#include <functional>

class Edit;
class Label;
class ListBox;
class QString;
class QWidget;

class Namenwahl final {
public:
    // `geaendert` runs after every change of schuelername (the set-up's Start check); `hinweis` is the edit's hint.
    Namenwahl(ListBox* namen, Edit* n_ohne, Label* hinweis, std::function<void()> geaendert);

    // A class shows whole: the names' list grows to show up to kNamenzeilen names where its window has room below
    // the height it was designed for (`entwurfshoehe`). Its panel grows with it, and `darunter` (what stands below
    // the list, in its panel or in the window) moves down as far.
    static constexpr int kNamenzeilen = 22;
    void platzGeben(const QList<QWidget*>& darunter, int entwurfshoehe);

    // Activation of the set-up: forgets the last pupil (a new run is never saved under the previous one);
    // with a class list fills and shows `namen`, without one, or where the list offers no name, shows `n_ohne` and
    // gives it the focus. Returns the message for the set-up to show where the list offers no name; empty
    // otherwise.
    QString aktivieren();
    // After a Start whose pupil's folder was not made: where the list was changed or deleted meanwhile, the names are
    // shown anew (as aktivieren()). Returns what the set-up says: why the list offers no name by now, else what
    // `ziel` means.
    QString nachStart(schueler::Protokollziel ziel);
    // Empties the typed name and the list choice, and with them schuelername.
    void leeren();

    // Shows a set-up's red message whole: wrapped to `breite` at (links, oben), as high as its lines need; below the
    // names as far down as their list grew.
    void meldungZeigen(Label* label, const QString& text, int links, int oben, int breite) const;

private:
    void namenClick();
    void n_ohneChange();

    // Shows the typed-name edit with its hint, or the list.
    void tippen(bool ja);

    ListBox* m_namen;
    Edit* m_n_ohne;
    Label* m_hinweis;
    std::function<void()> m_geaendert;
};
