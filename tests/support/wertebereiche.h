#pragma once
// The values a generator gave over many draws, per named place, as ranges: "aE 0-8" or "bZ 1,3-9". A test
// compares them with the ranges asked for: a value outside shows, and so does one the range allows but that
// never comes.

#include <QString>
#include <QStringList>
#include <map>
#include <set>

class Wertebereiche {
public:
    void operator()(const QString& stelle, int wert) { m_werte[stelle].insert(wert); }
    // The digits of n at `stellen` places, named `name` and the place: "aT", "aH", "aZ", "aE".
    void ziffern(const QString& name, int n, int stellen)
    {
        for (int k = 0; k < stellen; ++k, n /= 10)
            (*this)(name + QStringLiteral("EZHTX").at(k), n % 10);
    }
    QString text() const
    {
        QStringList teile;
        for (const auto& [stelle, werte] : m_werte) {
            QStringList stuecke;
            for (auto i = werte.begin(); i != werte.end();) {
                const int von = *i;
                int bis = von;
                while (++i != werte.end() && *i == bis + 1)
                    ++bis;
                stuecke << (von == bis ? QString::number(von) : QStringLiteral("%1-%2").arg(von).arg(bis));
            }
            teile << stelle + u' ' + stuecke.join(u',');
        }
        return teile.join(QStringLiteral(", "));
    }

private:
    std::map<QString, std::set<int>> m_werte;
};
