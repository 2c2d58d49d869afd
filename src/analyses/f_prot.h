#pragma once
// "Protokoll": shows the protocol file an analysis has just written and prints it.
//
// A protocol writer sets protdatei to the full path of the file it wrote and programmcode to the analysis
// (1..3 quick sight, 11..17 basic arithmetic, 20 written subtraction), then calls Form36->showModal().
// The viewer reads the file into protzeilen[1..] (protzeilenzahl lines) when it is shown.

#include "platform/form.h"

#include <QStringList>

class Button;
class Label;
class ScrollView;

class TForm36 final : public Form {
public:
    explicit TForm36(QWidget* parent = nullptr);

    // For a protocol that could not be saved: the next showing shows these lines instead of a file, with
    // the reason in red, so the results of the run are still seen and can be printed.
    void ungespeichertZeigen(const QStringList& zeilen, const QString& meldung);

    Button* Button1 = nullptr; // "drucken"
    Button* Button2 = nullptr; // "zurück"
    Label* meldung = nullptr;
    // The protocol's lines at their places; a protocol longer than the screen scrolls there.
    ScrollView* blatt = nullptr;

private:
    Q_DISABLE_COPY(TForm36)
    void form36activate();
    void Button1Click();
    void Button2Click();

    QStringList m_ungespeichert;
    QString m_meldung;
};
