// The program's multi-choice lists used with the keyboard: Space chooses the item with the focus frame and no
// other, typed letters and digits choose nothing, and sheets set up by keys alone print what was chosen.
#include "platform/controls.h"
#include "shell/fenster.h"
#include "support/pdf.h"
#include "support/programm.h"
#include "support/xserver.h"
#include "worksheets/a_komma.h"
#include "worksheets/a_ueber.h"

#include <QApplication>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

class ListenTastatur : public ProgrammTest { };

QList<ListBox*> mehrfachlisten(const Form& f)
{
    QList<ListBox*> listen;
    for (ListBox* l : f.findChildren<ListBox*>())
        if (l->selectionMode() == QAbstractItemView::MultiSelection) listen << l;
    return listen;
}

QList<int> gewaehlt(const ListBox* l)
{
    QList<int> g;
    for (int i = 0; i < l->count(); ++i)
        if (l->Selected(i)) g << i;
    return g;
}

// Letters and digits as the keys that type them: each item's first one, where the type-ahead lands, and two more.
QList<Qt::Key> zeichentasten(const ListBox* l)
{
    QList<Qt::Key> tasten { Qt::Key_Q, Qt::Key_0 };
    for (const QString& eintrag : l->items()) {
        const QString t = eintrag.trimmed().toUpper();
        if (t.isEmpty()) continue;
        const QChar c = t.at(0);
        if (c >= u'A' && c <= u'Z') tasten << Qt::Key(Qt::Key_A + (c.unicode() - u'A'));
        if (c >= u'0' && c <= u'9') tasten << Qt::Key(Qt::Key_0 + (c.unicode() - u'0'));
    }
    return tasten;
}

// Tab until `ziel` has the focus.
bool tabBis(QWidget* ziel)
{
    for (int i = 0; i < 30 && keyReceiver() != ziel; ++i)
        if (!sendKey(Qt::Key_Tab)) return false;
    return keyReceiver() == ziel;
}

// Down or Up until the focus frame of the list with the focus is on `zeile`.
bool pfeileBis(ListBox* l, int zeile)
{
    for (int i = 0; i < 20 && l->currentRow() != zeile; ++i)
        if (!sendKey(l->currentRow() < zeile ? Qt::Key_Down : Qt::Key_Up)) return false;
    return l->currentRow() == zeile;
}

int treffer(const QString& text, const QString& muster)
{
    int n = 0;
    for (auto it = QRegularExpression(muster).globalMatch(text); it.hasNext(); it.next())
        ++n;
    return n;
}

// The forms of an "Überschlag" sheet's sixty tasks of the operation `zeichen`, as the digits of the two
// numbers; empty unless all sixty are there.
using Formen = QSet<std::pair<int, int>>;
Formen formen(const QString& blatt, QChar zeichen)
{
    Formen f;
    int aufgaben = 0;
    const QRegularExpression aufgabe(QStringLiteral("(\\d+) \\%1 (\\d+)").arg(zeichen));
    for (auto it = aufgabe.globalMatch(blatt); it.hasNext(); ++aufgaben) {
        const auto m = it.next();
        f.insert({ int(m.captured(1).size()), int(m.captured(2).size()) });
    }
    return aufgaben == 60 ? f : Formen {};
}

} // namespace

TEST_F(ListenTastatur, ueberschlagUndKommaNurMitTastenDruckenNurDieGewaehltenFormen)
{
    if (!onXServer()) GTEST_SKIP();
    const QString ordner = qEnvironmentVariable("TAVI_DRUCKORDNER");
    // The text of the one sheet printed since the last call; empty when none or more were printed.
    QStringList bekannt;
    const auto neuesBlatt = [&]() -> QString {
        QStringList neu = pdfFiles(ordner);
        for (const QString& p : bekannt)
            neu.removeOne(p);
        bekannt << neu;
        return neu.size() == 1 ? pdfText(neu.first()) : QString();
    };

    auto* ueber = static_cast<TForm28*>(Form28);
    zeigen(Form28, [&](Form& f) {
        if (&f != Form28) return;
        ASSERT_TRUE(waitActive(&f));
        // "  E x HZE", then "HZE x E" below it; " ZE x HZE" is the next item that starts with a blank.
        ASSERT_TRUE(tabBis(ueber->Button6));
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        ASSERT_TRUE(tabBis(ueber->ListBox2));
        ASSERT_TRUE(pfeileBis(ueber->ListBox2, 0));
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        ASSERT_TRUE(sendKey(Qt::Key_Down));
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_EQ(formen(neuesBlatt(), u'*'), (Formen { { 1, 3 }, { 3, 1 } }));

        // "   T H Z E :   E", the only item that starts with a blank.
        ASSERT_TRUE(tabBis(ueber->Button7));
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        ASSERT_TRUE(tabBis(ueber->ListBox1));
        ASSERT_TRUE(pfeileBis(ueber->ListBox1, 0));
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        EXPECT_EQ(formen(neuesBlatt(), u':'), (Formen { { 4, 1 } }));
    });

    auto* komma = static_cast<TForm27*>(Form27);
    zeigen(Form27, [&](Form& f) {
        if (&f != Form27) return;
        ASSERT_TRUE(waitActive(&f));
        // "cm  mm" (the fourth kind), its "cm und mm" only: all items start with blanks, "Kommazahl" first.
        ASSERT_TRUE(tabBis(komma->RadioGroup1->button(0)));
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(sendKey(Qt::Key_Down));
        ASSERT_EQ(komma->RadioGroup1->ItemIndex(), 3);
        ListBox* cmmm = komma->listen[3];
        ASSERT_TRUE(tabBis(cmmm));
        ASSERT_TRUE(pfeileBis(cmmm, 3));
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        const QString cm = neuesBlatt().simplified();
        // Every quantity in cm and mm; comma numbers only among the eight results.
        EXPECT_EQ(treffer(cm, QStringLiteral("\\d+ cm \\d+ mm")), 24) << cm.toStdString();
        EXPECT_EQ(treffer(cm, QStringLiteral("\\d+,\\d cm")), 8) << cm.toStdString();

        // "kg  g" (the sixth kind), its "reine kg" only; "reine g" is the next item.
        ASSERT_TRUE(tabBis(komma->RadioGroup1->button(3)));
        for (int i = 0; i < 2; ++i)
            ASSERT_TRUE(sendKey(Qt::Key_Down));
        ASSERT_EQ(komma->RadioGroup1->ItemIndex(), 5);
        ListBox* kgg = komma->listen[5];
        ASSERT_TRUE(tabBis(kgg));
        ASSERT_TRUE(pfeileBis(kgg, 1));
        ASSERT_TRUE(sendKey(Qt::Key_Space));
        ASSERT_TRUE(sendKey(Qt::Key_Return));
        // No quantity in g; comma numbers only among the eight results.
        const QString kg = neuesBlatt().simplified();
        EXPECT_EQ(treffer(kg, QStringLiteral("\\d+ g\\b")), 0) << kg.toStdString();
        EXPECT_EQ(treffer(kg, QStringLiteral("\\d+,\\d+ kg")), 8) << kg.toStdString();
    });
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

// After the sheets above, which it would otherwise follow with "Überschlag": a window shown again before the X
// server has taken it down never becomes active.
TEST_F(ListenTastatur, leertasteWaehltNurDenEintragMitDemFokusUndZeichenWaehlenNichts)
{
    if (!onXServer()) GTEST_SKIP();
    QList<Form*> fenster;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Form*>(w); f && !mehrfachlisten(*f).isEmpty()) fenster << f;
    std::sort(fenster.begin(), fenster.end(), [](Form* a, Form* b) { return a->windowTitle() < b->windowTitle(); });
    int geprueft = 0;
    for (Form* form : fenster) {
        SCOPED_TRACE(form->windowTitle().toStdString());
        zeigen(form, [&](Form& f) {
            if (&f != form) return; // a message on the way
            ASSERT_TRUE(waitActive(form));
            for (ListBox* l : mehrfachlisten(f)) {
                SCOPED_TRACE(l->items().join(u'|').toStdString());
                // The list where its window shows it after the choices that lead there.
                QList<QWidget*> aufgedeckt;
                for (QWidget* w = l; w != &f; w = w->parentWidget())
                    if (w->isHidden()) {
                        w->show();
                        aufgedeckt << w;
                    }
                ASSERT_TRUE(l->isEnabled());
                l->setFocus(); // the number pools take the focus with a click only
                ASSERT_TRUE(QTest::qWaitFor([&] { return keyReceiver() == l; }, 2000));
                const auto onClick = l->OnClick;
                int klicks = 0;
                l->OnClick = [&] {
                    ++klicks;
                    if (onClick) onClick();
                };
                const QList<int> vorher = gewaehlt(l);
                for (int i = 0; i < l->count(); ++i) {
                    l->setItemIndex(i);
                    QList<int> einer = vorher;
                    if (!einer.removeOne(i)) einer << i;
                    std::sort(einer.begin(), einer.end());
                    ASSERT_TRUE(sendKey(Qt::Key_Space));
                    EXPECT_EQ(gewaehlt(l), einer) << "item " << i;
                    ASSERT_TRUE(sendKey(Qt::Key_Space));
                    EXPECT_EQ(gewaehlt(l), vorher) << "item " << i;
                }
                EXPECT_EQ(klicks, 2 * l->count());
                for (Qt::Key taste : zeichentasten(l)) {
                    ASSERT_TRUE(sendKey(taste));
                    EXPECT_EQ(gewaehlt(l), vorher) << "key " << std::hex << int(taste);
                }
                EXPECT_EQ(klicks, 2 * l->count());
                l->OnClick = onClick;
                for (QWidget* w : aufgedeckt)
                    w->hide();
                ++geprueft;
            }
        });
    }
    // The sheets' pools, "Überschlag", "Komma", the aids hub, the games launcher, four in a row, the analyses.
    EXPECT_GE(fenster.size(), 10);
    EXPECT_GE(geprueft, 60);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
