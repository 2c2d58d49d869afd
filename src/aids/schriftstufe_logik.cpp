#include "aids/schriftstufe_logik.h"

#include "platform/random.h"

namespace schriftstufe {

int generatorVonStufe(int stufe)
{
    static constexpr int kMischung[6] = { 0, 1, 2, 4, 5, 6 };
    switch (stufe) {
    case 0:
    case 1:
    case 2:
    case 4:
    case 5:
    case 6:
        return stufe;
    case 3:
        return Random(2) == 0 ? 1 : 2;
    case 7:
        return kMischung[Random(6)];
    default:
        return -1;
    }
}

} // namespace schriftstufe
