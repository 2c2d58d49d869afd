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
// for every text that may still be on the image this keeps what lay under the pixels its glyphs can reach
// (mostly one colour), a fingerprint of what it left there and how it was drawn; drawing it again at its place
// first puts back what lay under it wherever the image still shows what the text left there: drawn again in the
// colour under it, it is gone exactly; drawn again in its own colour, its edges do not pile up. Where something
// else has since been drawn over part of it, that stays: what the text left is computed again from its drawing
// and only the pixels that still show it are put back. A print costs about a hundred bytes on a plain ground,
// and prints that nothing on the image shows any more are dropped, so what is kept follows what is on the
// image, not how much was drawn.
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
    struct Print {
        QString text;
        QFont font;
        QPoint baseline;
        QColor colour;
        QRect area; // all the pixels the text may have changed
        QRgb ground = 0; // what lay under area ...
        QImage under; // ... or, where that was not one colour, the pixels themselves
        quint64 left = 0; // fingerprint of what the text left on area
    };
    static qsizetype bytesOf(const Print& p);
    // What the text left on area, computed again from what lay under it.
    static QImage left(const Print& p);
    static void restore(QImage& image, const Print& p);
    static bool shows(const QImage& image, const Print& p);
    template <typename Image, typename At> static void eachShown(Image& image, const Print& p, At at);
    void record(const QImage& image, const QImage& before, const TextDraw& t, const QRect& area);
    // The pixels a text's glyphs may reach, relative to the start of its baseline.
    QRect inkOf(const QString& text, const QFont& font);
    void sweep(const QImage& image);

    std::vector<Print> m_prints; // oldest first
    qsizetype m_bytes = 0;
    int m_sweepAt = 256;
    QImage m_before;
    struct Ink {
        QString text;
        QFont font;
        QRect rect;
    };
    std::vector<Ink> m_inks; // newest first
};
