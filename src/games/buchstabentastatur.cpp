#include "games/buchstabentastatur.h"

#include "games/buchstabentaste.h"
#include "platform/controls.h"
#include "platform/designgrid.h"

Buchstabentastatur::Buchstabentastatur(QWidget* form, const Plaetze& plaetze, const std::function<void(QChar)>& taste)
    : m_plaetze(plaetze)
    , m_taste(taste)
{
    if (plaetze.inTafel) {
        m_box = new QWidget(form);
        m_box->setObjectName(QStringLiteral("buchstabentafel"));
        setKeypadBox(m_box);
    }
    for (int i = 0; i < buchstabentaste::anzahl; ++i) {
        const QChar buchstabe = buchstabentaste::tasten()[std::size_t(i)].buchstabe;
        auto* b = new Button(m_box ? m_box : form, QString(buchstabe), 0, 0, 30, 45);
        b->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        applyFontSize(b, QStringLiteral("Arial"), plaetze.groesse);
        setKeypadKey(b);
        b->OnClick = [taste, buchstabe] { taste(buchstabe); };
        m_knoepfe[std::size_t(i)] = b;
    }
}

void Buchstabentastatur::anordnen(const DesignGrid& g) const
{
    // The buttons keep their places on the window; in a box, counted from its corner.
    QPoint ecke;
    if (m_box) {
        // Clear of the table's outer lines, 3 pixels wide, by as much again.
        constexpr int rand = 5;
        const QRect box(QPoint(g.x(m_tafel.x()) - rand, g.y(m_tafel.y()) - rand),
            QPoint(g.x(m_tafel.x() + m_tafel.width()) + rand, g.y(m_tafel.y() + m_tafel.height()) + rand));
        m_box->setGeometry(box);
        ecke = box.topLeft();
    }
    for (int i = 0; i < buchstabentaste::anzahl; ++i) {
        const buchstabentaste::Taste& t = buchstabentaste::tasten()[std::size_t(i)];
        Button* b = m_knoepfe[std::size_t(i)];
        b->setGeometry(g.rect(m_plaetze.x[std::size_t(t.reihe)][std::size_t(t.spalte)],
                            m_plaetze.y[std::size_t(t.reihe)], m_plaetze.breite, m_plaetze.hoehe)
                           .translated(-ecke));
        g.fontSize(b, m_plaetze.groesse);
    }
}

void Buchstabentastatur::tippen(QChar& zeichen) const
{
    const QChar z = buchstabentaste::grossbuchstabe(zeichen);
    if (z.isNull()) return;
    zeichen = QChar();
    m_taste(z);
}
