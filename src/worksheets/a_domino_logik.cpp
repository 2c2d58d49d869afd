#include "worksheets/a_domino_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/a_bldomi.h"

#include <algorithm>
#include <utility>

namespace domino {

namespace {

// Shuffles of one value set before the set is drawn anew; enough for every set that has a ring.
constexpr int ringversuche = 20000;

// Both halves shuffled independently: for i = 12 down to 2, left i with a left among 1..i, then right i
// with a right among 1..i.
void haelftenMischen(Steine& s)
{
    for (int i = 12; i >= 2; --i) {
        std::swap(s[size_t(i - 1)].links, s[size_t(Random(i))].links);
        std::swap(s[size_t(i - 1)].rechts, s[size_t(Random(i))].rechts);
    }
}

// Dominoes 2..12 shuffled as whole dominoes; domino 1 keeps its place.
void steineMischen(Steine& s)
{
    for (int k = 11; k >= 2; --k)
        std::swap(s[size_t(k - 1)], s[size_t(Random(k) + 1)]);
}

// Chains the dominoes from the first: each next one is the first later domino that follows the rule.
template <typename Regel> bool verketten(Steine& ring, Regel folgt)
{
    for (size_t i = 0; i + 1 < 12; ++i) {
        size_t j = i + 1;
        while (j < 12 && !folgt(ring[i], ring[j]))
            ++j;
        if (j == 12) return false;
        std::swap(ring[i + 1], ring[j]);
    }
    return true;
}

// The halves turned so that the rule reads forwards: domino i becomes (right of i-1, left of i+1).
Steine drehen(const Steine& r)
{
    Steine d;
    for (size_t i = 0; i < 12; ++i)
        d[i] = { r[(i + 11) % 12].rechts, r[(i + 1) % 12].links };
    return d;
}

bool zulaessig(const Steine& s, int summe)
{
    for (size_t i = 0; i < 12; ++i) {
        if (s[i].links == s[i].rechts || s[i].links + s[i].rechts == summe) return false;
        for (size_t j = i + 1; j < 12; ++j)
            if ((s[i] == s[j]) || (s[i].links == s[j].rechts && s[i].rechts == s[j].links)) return false;
    }
    return true;
}

Blatt summenblatt(int summe)
{
    Blatt b;
    for (;;)
        if (summenring(summensatz(summe), summe, ringversuche, b.steine, b.ring)) return b;
}

Blatt plusMinusBlatt(int art, int d, int bereich)
{
    Blatt b;
    Steine s;
    for (size_t i = 0; i < 12; ++i) {
        int r = 0;
        bool doppelt = false;
        do {
            r = Random(bereich - d + 1) + d;
            doppelt = std::any_of(s.begin(), s.begin() + long(i), [r](const Stein& x) { return x.rechts == r; });
        } while (r >= 100 || doppelt);
        s[i] = { r - d, r };
    }
    do {
        haelftenMischen(s);
        b.ring = s;
    } while (!verketten(b.ring, [d](const Stein& a, const Stein& n) { return a.rechts - n.links == d; }));
    if (art == Plus) {
        b.ring = drehen(b.ring);
        b.steine = b.ring;
        steineMischen(b.steine);
    } else {
        b.steine = s;
    }
    return b;
}

Blatt malGeteiltBlatt(int art, int f)
{
    std::array<int, 12> x {};
    for (int i = 0; i < 12; ++i)
        x[size_t(i)] = i;
    do
        for (int k = 12; k >= 2; --k)
            std::swap(x[size_t(k - 1)], x[size_t(Random(12))]);
    while (x[0] == 0);
    Blatt b;
    for (size_t i = 0; i < 12; ++i)
        b.ring[i] = { f * x[i], x[(i + 1) % 12] };
    b.steine = b.ring;
    steineMischen(b.steine);
    if (art == Geteilt) {
        b.ring = drehen(b.ring);
        b.steine = b.ring;
        steineMischen(b.steine);
    }
    return b;
}

} // namespace

bool gueltig(int art, int wert, int bereich)
{
    switch (art) {
    case Summe:
        return wert >= 6 && wert <= 100;
    case Plus:
    case Minus:
        return wert >= 1 && wert <= (bereich == 100 ? 50 : 9);
    default:
        return wert >= 2 && wert <= 9;
    }
}

Steine summensatz(int summe)
{
    Steine s;
    const auto setzen = [&s](std::initializer_list<int> links, std::initializer_list<int> rechts) {
        size_t i = 0;
        for (int l : links)
            s[i++].links = l;
        i = 0;
        for (int r : rechts)
            s[i++].rechts = r;
    };
    switch (summe) {
    case 6:
        setzen({ 0, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5 }, { 0, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5 });
        return s;
    case 7:
        setzen({ 0, 1, 2, 3, 4, 5, 6, 7, 2, 3, 4, 5 }, { 0, 1, 2, 3, 4, 5, 6, 7, 2, 3, 4, 5 });
        return s;
    case 8:
        setzen({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3 }, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 5, 6, 7 });
        return s;
    case 9:
        setzen({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 2, 3 }, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 6, 7 });
        return s;
    case 10: {
        const int x = Random(2) + 6;
        setzen({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, x }, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10 - x });
        return s;
    }
    default:
        break;
    }
    for (;;) {
        for (Stein& st : s) {
            st.links = summe <= 14 ? Random(summe) : Random(summe - 3) + 2;
            st.rechts = summe - st.links;
        }
        bool gut = true;
        for (size_t i = 0; i < 12 && gut; ++i) {
            if (summe >= 13 && s[i].links == s[i].rechts) gut = false;
            for (size_t j = i + 1; j < 12 && gut && summe >= 12; ++j)
                if (s[i].links == s[j].links) gut = false;
        }
        if (gut) return s;
    }
}

bool summenring(const Steine& satz, int summe, int versuche, Steine& steine, Steine& ring)
{
    steine = satz;
    for (int v = 0; v < versuche; ++v) {
        haelftenMischen(steine);
        if (!zulaessig(steine, summe)) continue;
        ring = steine;
        if (verketten(ring, [summe](const Stein& a, const Stein& n) { return a.rechts + n.links == summe; }))
            return true;
    }
    return false;
}

Blatt erzeugen(int art, int wert, int bereich)
{
    Blatt b;
    switch (art) {
    case Summe:
        b = summenblatt(wert);
        break;
    case Plus:
    case Minus:
        b = plusMinusBlatt(art, wert, bereich);
        break;
    default:
        b = malGeteiltBlatt(art, wert);
        break;
    }
    b.art = art;
    b.wert = wert;
    return b;
}

QString regeltext(int art, int wert)
{
    switch (art) {
    case Summe:
        return QStringLiteral("2 Nachbarn ergeben: %1").arg(wert);
    case Plus:
        return QStringLiteral("ringsherum immer + %1").arg(wert);
    case Minus:
        return QStringLiteral("ringsherum immer - %1").arg(wert);
    case Mal:
        return QStringLiteral("ringsherum immer    %1").arg(wert);
    default:
        return QStringLiteral("ringsherum immer : %1").arg(wert);
    }
}

QString drucktitel(int art)
{
    switch (art) {
    case Summe:
        return QStringLiteral("Domino 2 Nachbarn haben die gleiche Summe");
    case Plus:
        return QStringLiteral("Domino immer der gleiche Summand");
    case Minus:
        return QStringLiteral("Domino immer der gleiche Subtrahend");
    case Mal:
        return QStringLiteral("Domino immer der gleiche Faktor");
    case Geteilt:
        return QStringLiteral("Domino immer der gleiche Teiler");
    default:
        return QStringLiteral("Domino");
    }
}

void draw(Canvas& c, const Blatt& blatt)
{
    bldomi::seite(c);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.height = 65;
    c.pen.width = 5;
    c.textOut(930, -920, regeltext(blatt.art, blatt.wert));
    // The times sign is a dot, which the font's "*" would not give.
    if (blatt.art == Mal) c.ellipse(1150, -950, 1160, -960);
    c.font.height = 130;
    for (int r = 0; r < 3; ++r)
        for (int s = 1; s <= 4; ++s) {
            const Stein& st = blatt.steine[size_t(4 * r + s - 1)];
            c.textOut(420 * s - 110, -1940 - 220 * r, QString::number(st.links));
            c.textOut(420 * s + 80, -1940 - 220 * r, QString::number(st.rechts));
        }
    c.textOut(300, -290, QString::number(blatt.steine[0].links));
    c.textOut(500, -290, QString::number(blatt.steine[0].rechts));
    c.font.height = 35;
    for (int i = 0; i < 12; ++i) {
        c.textOut(325 + 132 * i, -2653, QString::number(blatt.ring[size_t(i)].links));
        c.textOut(375 + 132 * i, -2653, QString::number(blatt.ring[size_t(i)].rechts));
    }
}

} // namespace domino
