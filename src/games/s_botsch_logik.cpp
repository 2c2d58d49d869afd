#include "games/s_botsch_logik.h"

#include "games/buchstabentaste.h"
#include "platform/random.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace s_botsch {

QString botschaft(const QString& wort)
{
    return wort.left(5);
}

const std::vector<int>& produkte()
{
    // One above every letter: 70 and 80 have no place on the keyboard.
    static const std::vector<int> p = { 10, 12, 14, 15, 16, 18, 20, 21, 24, 25, 27, 28, 30, 32, 35, 36, 40, 42, 45, 48,
        49, 50, 54, 56, 60, 63, 64, 72, 81 };
    return p;
}

int ergebnis(int art, QChar buchstabe)
{
    const int i = buchstabentaste::index(buchstabe);
    if (i < 0) return -1;
    if (art == 5) return produkte()[std::size_t(i)];
    if (art == 7) {
        // The bottom row starts under the third column.
        const buchstabentaste::Taste& t = buchstabentaste::tasten()[std::size_t(i)];
        return t.spalte + (t.reihe == 2 ? 2 : 0);
    }
    return 35 + i;
}

std::vector<Aufgabe> aufgaben(int art, const QString& botschaft)
{
    std::vector<Aufgabe> liste;
    std::vector<std::pair<int, int>> faktoren;
    std::vector<int> teiler;
    for (QChar ch : botschaft) {
        Aufgabe t;
        t.r = ergebnis(art, ch);
        const int r = t.r;
        switch (art) {
        case 0:
            t.b = Random(9) + 1;
            t.a = r - t.b;
            break;
        case 1:
            t.b = Random(9) + 1;
            t.a = r + t.b;
            break;
        case 2:
            do {
                t.b = Random(r - 11) + 11;
                t.a = r - t.b;
            } while (t.a < 11);
            break;
        case 3:
            do {
                t.b = Random(30) + 10;
                t.a = t.b + r;
            } while (t.a >= 100);
            break;
        case 4:
            do {
                t.a = Random(89) + 11;
                t.c = t.a + r;
                if (t.c > 99) t.c = t.a - r;
            } while (t.c < 11);
            break;
        case 5:
            do {
                t.a = Random(9) + 2;
                t.b = r / t.a;
            } while (t.b >= 11 || r % t.a != 0);
            break;
        case 6:
            do {
                t.a = Random(7) + 3;
                t.b = Random(7) + 3;
                t.c = r - t.a * t.b;
            } while (std::abs(t.c) < 1 || std::abs(t.c) >= 10
                || std::find(faktoren.begin(), faktoren.end(), std::make_pair(t.a, t.b)) != faktoren.end());
            faktoren.emplace_back(t.a, t.b);
            break;
        case 7:
            do
                t.b = Random(8) + 2;
            while (std::find(teiler.begin(), teiler.end(), t.b) != teiler.end());
            teiler.push_back(t.b);
            t.a = t.b * r;
            break;
        default:
            break;
        }
        liste.push_back(t);
    }
    return liste;
}

std::vector<Teil> aufgabentext(int art, const Aufgabe& t)
{
    const auto zahl = [](int n) { return QString::number(n); };
    switch (art) {
    case 0:
    case 2:
        return { { 130, 0, zahl(t.a) }, { 160, 0, QStringLiteral("+") }, { 190, 0, zahl(t.b) },
            { 225, 0, QStringLiteral("=") } };
    case 1:
    case 3:
        return { { 130, 0, zahl(t.a) }, { 160, -4, QStringLiteral("-") }, { 190, 0, zahl(t.b) },
            { 225, 0, QStringLiteral("=") } };
    case 4:
        return { { 130, 0, zahl(t.a) },
            t.a <= t.c ? Teil { 160, 0, QStringLiteral("+") } : Teil { 160, -4, QStringLiteral("-") },
            { 225, 0, QStringLiteral("=") }, { 263, 0, zahl(t.c) } };
    case 5:
        return { { 130, 0, zahl(t.a) }, { 160, 6, QStringLiteral("*") }, { 190, 0, zahl(t.b) },
            { 225, 0, QStringLiteral("=") } };
    case 6:
        return { { 90, 0, zahl(t.a) }, { 115, 6, QStringLiteral("*") }, { 140, 0, zahl(t.b) },
            t.c < 1 ? Teil { 165, -4, QStringLiteral("-") } : Teil { 165, 0, QStringLiteral("+") },
            { 190, 0, zahl(std::abs(t.c)) }, { 225, 0, QStringLiteral("=") } };
    case 7:
        return { { 140, 0, zahl(t.a), true }, { 160, 0, QStringLiteral(":") }, { 190, 0, zahl(t.b) },
            { 225, 0, QStringLiteral("=") } };
    default:
        return {};
    }
}

int antwortX(int art)
{
    return art == 4 ? 190 : 263;
}

} // namespace s_botsch
