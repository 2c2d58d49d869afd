#include "games/buchstabentaste.h"

#include "platform/random.h"
#include "shell/HalmorGlobalDefs.h"
#include "shell/tav_i_logik.h"

namespace buchstabentaste {

const std::array<Taste, anzahl>& tasten()
{
    static const std::array<Taste, anzahl> t = [] {
        const QString reihen[3]
            = { QStringLiteral("QWERTZUIOPÜ"), QStringLiteral("ASDFGHJKLÖÄ"), QStringLiteral("YXCVBNM") };
        std::array<Taste, anzahl> liste {};
        int i = 0;
        for (int r = 0; r < 3; ++r)
            for (int s = 0; s < reihen[r].size(); ++s)
                liste[std::size_t(i++)] = { reihen[r][s], r, s };
        return liste;
    }();
    return t;
}

int index(QChar buchstabe)
{
    for (int i = 0; i < anzahl; ++i)
        if (tasten()[std::size_t(i)].buchstabe == buchstabe) return i;
    return -1;
}

QChar grossbuchstabe(QChar taste)
{
    const ushort u = taste.unicode();
    if (u >= 'a' && u <= 'z') return QChar(u - 'a' + 'A');
    if (taste == QChar(0xE4)) return QChar(0xC4);
    if (taste == QChar(0xF6)) return QChar(0xD6);
    if (taste == QChar(0xFC)) return QChar(0xDC);
    return index(taste) >= 0 ? taste : QChar();
}

bool schreibbar(const QString& wort)
{
    if (wort.isEmpty()) return false;
    for (QChar c : wort)
        if (index(c) < 0) return false;
    return true;
}

} // namespace buchstabentaste

void Wortvorrat::setzen(const QStringList& woerter)
{
    m_woerter.clear();
    for (const QString& w : woerter)
        if (buchstabentaste::schreibbar(w)) m_woerter << w;
    m_anzahl = int(m_woerter.size());
}

QString Wortvorrat::ziehen()
{
    if (m_woerter.isEmpty()) return QString();
    if (m_anzahl == 0) m_anzahl = int(m_woerter.size());
    const int gezogen = Random(m_anzahl);
    m_woerter.swapItemsAt(gezogen, m_anzahl - 1);
    --m_anzahl;
    return m_woerter[m_anzahl];
}

QStringList wortliste(const QString& datei)
{
    const int n = tavi::wortlisteLesen(datpfad + QStringLiteral("WORTList/") + datei, false);
    QStringList woerter;
    // The keys are capitals: a list a teacher typed in small letters, or with a blank after a word, gives the
    // same words. A letter the keyboard lacks (ß) still leaves its word out.
    for (int i = 1; i <= n; ++i) {
        QString wort = wortpuffer[i].str().trimmed();
        for (QChar& c : wort)
            if (const QChar g = buchstabentaste::grossbuchstabe(c); !g.isNull()) c = g;
        woerter << wort;
    }
    return woerter;
}
