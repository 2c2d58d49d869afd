#include "shell/ziffernfilter.h"

namespace tasten {

QChar ziffernfilter(QChar taste, QChar von, QChar bis)
{
    if (taste.unicode() == 8) return taste;
    if (taste.unicode() > 127 || taste < von || taste > bis) return QChar();
    return taste;
}

} // namespace tasten
