#include "worksheets/awina.h"

#include "platform/files.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/einstellungsdatei.h"
#include "worksheets/blattrahmen_logik.h"

#include <numeric>

namespace awina {
namespace {

std::vector<int> reihe(int von, int bis)
{
    std::vector<int> r(size_t(bis - von + 1));
    std::iota(r.begin(), r.end(), von);
    return r;
}

int wertezahl(const Abschnitt& abschnitt)
{
    int n = 0;
    for (const auto& l : abschnitt.listenwerte)
        n += int(l.size());
    return n;
}

} // namespace

const Abschnitt& zehn()
{
    static const Abschnitt a { QStringLiteral("zehn"), { reihe(1, 9), reihe(1, 9), reihe(2, 10) } };
    return a;
}

const Abschnitt& abl10_20()
{
    static const Abschnitt a { QStringLiteral("abl10_20"), { reihe(10, 19), reihe(1, 10), reihe(11, 20) } };
    return a;
}

const Abschnitt& abl_zue()
{
    static const Abschnitt a { QStringLiteral("abl_zue"), { reihe(1, 9), reihe(1, 9), reihe(10, 18) } };
    return a;
}

const Abschnitt& felder1x1()
{
    static const Abschnitt a { QStringLiteral("1x1felder"), { reihe(2, 10), reihe(2, 10) } };
    return a;
}

QString datei()
{
    return datpfad + QStringLiteral("aw.ina");
}

bool vorhanden()
{
    QByteArray bytes;
    return files::readShared(datei(), bytes) == 0;
}

Haken laden(const Abschnitt& abschnitt)
{
    Haken haken;
    for (const auto& l : abschnitt.listenwerte)
        haken.emplace_back(l.size(), false);
    std::vector<int> w;
    if (!einstellungsdatei::abschnittladen(datei(), abschnitt.stichwort, wertezahl(abschnitt), w)) return haken;
    size_t pos = 0;
    for (size_t l = 0; l < abschnitt.listenwerte.size(); ++l)
        for (size_t i = 0; i < abschnitt.listenwerte[l].size(); ++i, ++pos)
            haken[l][i] = w[pos] == abschnitt.listenwerte[l][i];
    return haken;
}

std::vector<int> werte(const Abschnitt& abschnitt, const Haken& haken)
{
    std::vector<int> w;
    for (size_t l = 0; l < abschnitt.listenwerte.size(); ++l) {
        const auto f
            = blattrahmen::flaggen(abschnitt.listenwerte[l], l < haken.size() ? haken[l] : std::vector<bool>());
        w.insert(w.end(), f.begin(), f.end());
    }
    return w;
}

void schreiben(const Abschnitt& abschnitt, const Haken& haken)
{
    if (!files::fileExists(datei())) return;
    einstellungsdatei::abschnittschreiben(datei(), abschnitt.stichwort, werte(abschnitt, haken));
}

} // namespace awina
