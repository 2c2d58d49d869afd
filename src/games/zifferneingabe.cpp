#include "games/zifferneingabe.h"

bool Zifferneingabe::ziffer(int d)
{
    if (d == 0 && m_text.isEmpty() && !m_fuehrendeNull) return false;
    if (m_text.size() < m_laenge) m_text += QChar(u'0' + d);
    return true;
}

void Zifferneingabe::zurueck()
{
    m_text.chop(1);
}
