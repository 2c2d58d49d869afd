#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

// One text as a canvas puts it onto a surface's image.
struct TextDraw {
    QString text; // the characters as drawn
    QFont font;
    QPoint baseline; // image coordinates of the start of the baseline
    QColor colour;
    QRect clip; // the part of the image the text may touch
    std::optional<QRect> cell; // with an opaque background: the cell filled first, in background
    QColor background;
};

// Programs take a text back by drawing it again in the colour that lay under it. Text is smoothed, so its edge
// pixels are a blend of its colour and what lay under it, and a second drawing alone would leave a fringe. So
// for every text that may still show on the image this keeps how it was drawn, a fingerprint of what it left and
// what lay under it where that matters: under its edge, the pixels it changed but not to its own colour. Where it
// left its own colour, any drawing of the text covers the pixel again (all but invisibly where the glyphs fell short
// of covering it by a hair), and where the text changed nothing, it has nothing to put back. What lay under a text
// is mostly one colour; only the edge pixels on something else (a line, a neighbour's glyph, a picture) are kept
// one by one. Drawing a text again at its place first puts back what lay under it wherever the image still shows
// what the text left there: drawn again in the colour under it, it is gone exactly; drawn again in its own colour,
// its edges do not pile up. Where something else has since been drawn over part of it, what the text left is
// computed again from its drawing and only the pixels that still show it are put back; the text drawn again then
// goes over the newer drawing, as a text drawn in a colour always does.
// A print is kept while a pixel still shows what its text left there. Where a window piles texts over texts
// (its prints past 128 KB), a pixel that a newer text has reached counts as that text's, and a print is kept
// while a pixel of its edge that no newer text has reached still shows it, with what lay under those pixels
// only. So what is kept follows what is on the image, not how much was drawn: about two hundred bytes for a text
// on a plain ground.
class TextPrints {
public:
    // Draws t onto image.
    void draw(QImage& image, const TextDraw& t);
    // Something opaque covered r: the texts wholly inside it are gone.
    void paintedOver(const QRect& r);
    void clear();

    int count() const { return int(m_prints.size()); }
    // Memory held for the prints.
    qsizetype bytes() const { return m_bytes; }

private:
    // What lay under one edge pixel, where that was not the ground.
    struct Under {
        quint32 at; // row by row from the top left of the area
        QRgb colour;
    };
    struct Print {
        QString text;
        QFont font;
        QPoint baseline;
        QColor colour;
        QRect area; // all the pixels the text may have changed
        QRgb ground = 0; // what lay under area, but for ...
        std::vector<Under> under; // ... the edge pixels the text changed on something else, by their place
        bool plain = true; // nothing but ground lay under area
        // Unless plain: a bit for each pixel of area, set where the text left a blend (its edge); each row starts
        // on a byte of its own.
        std::vector<quint8> edge;
        bool complete = true; // edge and under hold every edge pixel as recorded
        quint64 left = 0; // fingerprint of what the text left on area
    };
    static qsizetype bytesOf(const Print& p);
    // Bytes of a row of Print::edge.
    static int edgeBytes(int width);
    // What lay under p's area where it matters: the ground with the kept pixels.
    static QImage under(const Print& p);
    // p drawn onto what lay under it: what it left, computed again.
    static QImage left(const Print& p, const QImage& under);
    static void restore(QImage& image, const Print& p);
    // Whether some pixel still shows what p left there.
    static bool shows(const QImage& image, const Print& p);
    // Whether some pixel of p's edge still shows what p left there and no newer text has reached it since (marked
    // in reached, over the part all of the image); p keeps what lay under those pixels only.
    bool showsUncovered(const QImage& image, Print& p, std::vector<quint8>& reached, const QRect& all);
    template <typename Image, typename At> static void eachShown(Image& image, const Print& p, At at);
    void record(const QImage& image, const QImage& before, const TextDraw& t, const QRect& area);
    // The pixels a text's glyphs may reach, relative to the start of its baseline.
    QRect inkOf(const QString& text, const QFont& font);
    void sweep(const QImage& image);

    std::vector<Print> m_prints; // oldest first
    qsizetype m_bytes = 0;
    int m_sweepAt = 256;
    qsizetype m_sweepBytes = 128 * 1024;
    QImage m_before;
    std::vector<Under> m_edge; // kept from text to text
    struct Ink {
        QString text;
        QFont font;
        QRect rect;
    };
    std::vector<Ink> m_inks; // newest first
};
