#pragma once
// Printing of text lines straight to the default printer, without preview or dialog: the aids' protocol,
// the class lists of the administration, the analysis protocols and the written-subtraction hints. Each
// caller says which lines stand where (0.1 mm from the top-left of the page, y negative downward), which
// rules go with them, the font height and the pen; the page set-up is the same for all.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

class Canvas;

namespace zeilendruck {

struct Zeile {
    QPoint ort; // top-left corner of the text
    QString text;
    // A path too long for the paper goes on in the lines below it, as far from the right edge as it starts from
    // the left one (pfadzeile::umbrechen), rather than off the page.
    bool umbrechen = false;
};

// A4 portrait, in 0.1 mm.
constexpr int kSeitenbreite = 2100;

struct Linie {
    QPoint von, bis;
};

struct Seite {
    QVector<Zeile> zeilen;
    QVector<Linie> linien; // drawn after the text
};

// "courier new", black, placed by the top-left corner.
struct Satz {
    int schrifthoehe = 50; // cell height in 0.1 mm
    int stiftbreite = 1;
};

// Text i of `texte` at (x, -(oben + abstand * i)).
QVector<Zeile> untereinander(const QStringList& texte, int x, int oben, int abstand);

// Draws one page on a printer canvas (or any canvas in 0.1 mm).
void seiteZeichnen(Canvas& canvas, const Seite& seite, const Satz& satz);

// One document on the default printer, one printed page per Seite. The title names the job (and the PDF file
// where there is no printer). A document that cannot be put out anywhere throws, so the handler reports it.
void drucken(const QString& titel, const QVector<Seite>& seiten, const Satz& satz = {});

// The usual case: one page of lines, line i at (x, -(oben + abstand * i)).
void drucken(const QString& titel, const QStringList& texte, int x, int oben, int abstand, const Satz& satz = {});

// The aid of an activity code as the aids hub offers it (its button, with the group or choice it stands in where
// the button alone does not say it), in words a file name can hold; empty for a code no aid has.
QString hilfenname(int programmcode);
// The title of an aid's protocol printout, which names its file: the aid and the pupil ("Wie viele sind es
// Protokoll 03 Öykü Ünal"), so that the printouts of a class can be told apart.
QString protokolltitel(int programmcode, const QString& schueler);

} // namespace zeilendruck
