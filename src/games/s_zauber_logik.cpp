#include "games/s_zauber_logik.h"

#include "platform/random.h"

namespace s_zauber {
namespace {

constexpr int kGrund[3][3] = { { 1, 6, 5 }, { 8, 4, 0 }, { 3, 2, 7 } };
constexpr int kLeicht[39] = { 13, 125, 578, 367, 28, 268, 68, 26, 14, 245, 478, 367, 34, 674, 854, 124, 124, 458, 467,
    34, 478, 452, 410, 436, 267, 263, 58, 78, 468, 248, 24, 46, 47, 45, 234, 247, 612, 625, 18 };
constexpr int kSchwer[15] = { 12, 678, 36, 258, 57, 237, 138, 156, 137, 135, 157, 357, 134, 145, 457 };

} // namespace

Feld anordnung(int art)
{
    Feld n {};
    for (int r = 0; r <= 2; ++r)
        for (int c = 0; c <= 2; ++c) {
            int v = 0;
            switch (art) {
            case 0:
                v = kGrund[r][c];
                break;
            case 1:
                v = kGrund[r][2 - c];
                break;
            case 2:
                v = kGrund[2 - r][c];
                break;
            case 3:
                v = kGrund[2 - c][2 - r];
                break;
            case 4:
                v = kGrund[c][r];
                break;
            case 5:
                v = kGrund[2 - c][r];
                break;
            case 6:
                v = kGrund[2 - r][2 - c];
                break;
            default:
                v = kGrund[c][2 - r];
                break;
            }
            n[size_t(3 * r + c)] = v;
        }
    return n;
}

Feld werte(const Feld& positionen, int schritt, int start)
{
    Feld w {};
    for (size_t i = 0; i < 9; ++i)
        w[i] = schritt * positionen[i] + start;
    return w;
}

int vorgabeZiehen(int schwierigkeit)
{
    return schwierigkeit == 0 ? kLeicht[Random(39)] : kSchwer[Random(15)];
}

std::array<int, 3> vorgaben(int eintrag)
{
    return { eintrag / 100, eintrag / 10 % 10, eintrag % 10 };
}

QString summentext(int schritt, int start, bool nennen)
{
    if (!nennen) return QStringLiteral("immer die gleiche Summe");
    return QStringLiteral("immer ") + QString::number(3 * (start + 4 * schritt));
}

bool richtig(const QStringList& texte, const Feld& werte)
{
    for (int i = 0; i < 9; ++i)
        if (texte.value(i) != QString::number(werte[size_t(i)])) return false;
    return true;
}

} // namespace s_zauber
