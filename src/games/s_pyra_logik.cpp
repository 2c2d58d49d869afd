#include "games/s_pyra_logik.h"

#include "platform/random.h"

#include <cstddef>

namespace s_pyra {

Zellen pyramide(int z0, int z1, int z2, int z3)
{
    Zellen z {};
    z[0] = z0;
    z[1] = z1;
    z[2] = z2;
    z[3] = z3;
    z[4] = z0 + z1;
    z[5] = z1 + z2;
    z[6] = z2 + z3;
    z[7] = z[4] + z[5];
    z[8] = z[5] + z[6];
    z[9] = z[7] + z[8];
    return z;
}

int ziel(const Zellen& z, bool vier)
{
    return vier ? z[9] : z[7];
}

bool imBereich(int ziel, int bereich)
{
    switch (bereich) {
    case 0:
        return ziel <= 10;
    case 1:
        return ziel >= 11 && ziel <= 20;
    default:
        return ziel >= 21;
    }
}

Zellen pyramidenaufgabe(bool vier, int bereich, int& vorindex)
{
    Zellen z {};
    do {
        const int z0 = Random(10), z1 = Random(9) + 1, z2 = Random(10), z3 = Random(10);
        z = pyramide(z0, z1, z2, z3);
    } while (!imBereich(ziel(z, vier), bereich) || ziel(z, vier) == vorindex);
    vorindex = ziel(z, vier);
    return z;
}

int versteckteZelle(int modus, bool vier, int wahl5)
{
    if (modus == 3) modus = Random(2) + 1;
    if (modus == 1) return vier ? Random(2) + 1 : 1;
    if (modus == 2) return wahl5 == 0 ? 0 : (vier ? 3 : 2);
    return -1;
}

std::array<int, 6> probepyramide(const Zellen& z, int h, int wert)
{
    std::array<int, 4> basis { z[0], z[1], z[2], z[3] };
    basis[std::size_t(h)] = wert;
    std::array<int, 6> p {};
    p[0] = basis[0] + basis[1];
    p[1] = basis[1] + basis[2];
    p[2] = basis[2] + basis[3];
    p[3] = p[0] + p[1];
    p[4] = p[1] + p[2];
    p[5] = p[3] + p[4];
    return p;
}

} // namespace s_pyra
