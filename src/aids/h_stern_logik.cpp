#include "aids/h_stern_logik.h"

namespace stern {

namespace {
constexpr int kX[10] = { 280, 398, 470, 470, 398, 280, 162, 90, 90, 162 };
constexpr int kY[10] = { 150, 207, 353, 543, 693, 750, 693, 543, 353, 207 };
constexpr int kLabelX[10] = { 280, 425, 497, 497, 420, 280, 140, 63, 63, 140 };
constexpr int kLabelY[10] = { 85, 165, 328, 530, 700, 775, 700, 530, 328, 165 };
// Row 5: the x of the k-th product's point, so that the lines between 0 and 5 do not lie on one another.
constexpr int kFuenferX[11] = { 280, 280, 283, 283, 277, 277, 286, 286, 274, 274, 280 };
} // namespace

QPoint punkt(int p)
{
    return { kX[p], kY[p] };
}

QPoint beschriftung(int p)
{
    return { kLabelX[p], kLabelY[p] };
}

std::array<int, 11> einer(int r)
{
    std::array<int, 11> e {};
    for (int j = 0; j <= 10; ++j)
        e[std::size_t(j)] = (r * j) % 10;
    return e;
}

QLine linie(int r, int k)
{
    const std::array<int, 11> e = einer(r);
    QPoint von = punkt(e[std::size_t(k - 1)]);
    QPoint nach = punkt(e[std::size_t(k)]);
    if (r == 5) {
        von.setX(kFuenferX[k - 1]);
        nach.setX(kFuenferX[k]);
    }
    return { von, nach };
}

int stiftbreite(int r, int k)
{
    if (r == 5) return 2;
    if (r % 2 == 0) return k < 6 ? 3 : 8;
    return 5;
}

bool langGenug(const QString& antwort, int produkt)
{
    return antwort.size() >= QString::number(produkt).size();
}

QString reihenliste(const QString& bisher, int r)
{
    const QString liste = bisher.isEmpty() ? QString::number(r) : bisher + QStringLiteral(", ") + QString::number(r);
    return liste.left(60);
}

QString zeile4(const QString& reihen)
{
    return QStringLiteral("bearbeitete Reihe(n):  1x1 der ") + reihen;
}

} // namespace stern
