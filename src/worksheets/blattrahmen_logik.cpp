#include "worksheets/blattrahmen_logik.h"

#include "platform/random.h"

#include <utility>

namespace blattrahmen {

QString str2(int n)
{
    return QString::number(n).rightJustified(2, u' ');
}

QStringList zahlen(int von, int bis)
{
    QStringList t;
    for (int i = von; i <= bis; ++i)
        t << str2(i);
    return t;
}

QString formtext(int form, int a, const QString& b, int c, const QString& luecke)
{
    switch (form) {
    case 1:
        return str2(a) + " + " + b + " = __";
    case 2:
        return str2(c) + " - " + b + " = __";
    case 3:
        return str2(a) + " + " + luecke + " = " + str2(c);
    case 4:
        return str2(c) + " - " + luecke + " = " + str2(a);
    case 5:
        return "__ + " + b + " = " + str2(c);
    case 6:
        return "__ - " + b + " = " + str2(a);
    default:
        return str2(c) + " = " + b + " + __";
    }
}

int formloesung(int form, int a, int b, int c)
{
    switch (form) {
    case 1:
    case 6:
        return c;
    case 3:
    case 4:
        return b;
    default:
        return a;
    }
}

void Aufgabenvorrat::setzen(std::vector<int> codes)
{
    m_codes = std::move(codes);
    m_anzahl = int(m_codes.size());
}

int Aufgabenvorrat::ziehen()
{
    if (m_codes.empty()) return 0;
    if (m_anzahl == 0) m_anzahl = int(m_codes.size());
    const int j = Random(m_anzahl);
    const int code = m_codes[size_t(j)];
    std::swap(m_codes[size_t(j)], m_codes[size_t(m_anzahl - 1)]);
    --m_anzahl;
    return code;
}

std::vector<int> ziehung(Aufgabenvorrat& vorrat, int n)
{
    Randomize();
    std::vector<int> gezogen;
    for (int t = 0; t < n; ++t)
        gezogen.push_back(vorrat.ziehen());
    return gezogen;
}

std::vector<int> zeilenarten(const std::vector<int>& typzahlen, int zeilen)
{
    std::vector<int> arten;
    for (size_t k = 0; k < typzahlen.size(); ++k)
        for (int i = 0; i < typzahlen[k] && int(arten.size()) < zeilen; ++i)
            arten.push_back(int(k) + 1);
    return arten;
}

std::vector<int> aufsteigend(std::vector<int> werte)
{
    // A plain exchange sort: a strip holds at most a few dozen numbers.
    for (size_t i = 0; i + 1 < werte.size(); ++i)
        for (size_t j = i + 1; j < werte.size(); ++j)
            if (werte[j] < werte[i]) std::swap(werte[i], werte[j]);
    return werte;
}

std::vector<int> flaggen(const std::vector<int>& itemwerte, const std::vector<bool>& haken)
{
    std::vector<int> f;
    for (size_t i = 0; i < itemwerte.size(); ++i)
        f.push_back(i < haken.size() && haken[i] ? itemwerte[i] : -1);
    return f;
}

std::vector<int> summenvorrat(
    const std::vector<int>& summanden1, const std::vector<int>& summanden2, const std::vector<int>& summen, int faktor)
{
    std::vector<int> codes;
    for (int a : summanden1) {
        if (a <= 0) continue;
        for (int b : summanden2) {
            if (b <= 0) continue;
            for (int s : summen)
                if (s >= 1 && s == a + b) codes.push_back(a * faktor + b);
        }
    }
    return codes;
}

} // namespace blattrahmen
