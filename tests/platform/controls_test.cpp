#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/designgrid.h"
#include "platform/errors.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

namespace {

class ControlsTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        form.show();
    }
    void TearDown() override
    {
        form.Close();
        TaviTest::TearDown();
    }
    Form form;
};

// The digit filter of the count edits: backspace and "0".."9" pass. Characters are compared as signed
// bytes, so everything above 127 is dropped as well.
void digitFilter(QChar& key)
{
    const int signedByte = key.unicode() > 127 ? -1 : key.unicode();
    if (signedByte != 8 && (signedByte < '0' || signedByte > '9')) key = QChar();
}

} // namespace

TEST_F(ControlsTest, FilteredEditDropsLettersAndHighCharactersTypedOrPasted)
{
    auto* edit = new Edit(&form, 10, 10, 100, 21);
    edit->OnKeyPress = digitFilter;
    SetFocus(edit);
    typeText(&form, "1a 2ä3€");
    EXPECT_EQ(edit->text(), "123");
    pressKey(&form, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "12");

    QGuiApplication::clipboard()->setText("4b5ü\n6");
    pressKey(&form, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "12456");
    edit->pasteFiltered("x7ß");
    EXPECT_EQ(edit->text(), "124567");
}

TEST_F(ControlsTest, EditRefusesWhatWindows1252CannotHold)
{
    auto* edit = new Edit(&form, 10, 10, 100, 21);
    edit->setMaxLength(8);
    SetFocus(edit);
    typeText(&form, "Zoë€łŁ");
    EXPECT_EQ(edit->text(), "Zoë€");
    edit->pasteFiltered("ąb\tc");
    EXPECT_EQ(edit->text(), "Zoë€bc");
    typeText(&form, "defg");
    EXPECT_EQ(edit->text(), "Zoë€bcde");
}

TEST_F(ControlsTest, EditOnChangeRunsForTypingAndForCode)
{
    auto* edit = new Edit(&form, 10, 10, 100, 21, "1");
    int changes = 0;
    edit->OnChange = [&] { ++changes; };
    edit->setText("12");
    SetFocus(edit);
    typeText(&form, "3");
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, RadioGroupSetInCodeFiresNoClick)
{
    auto* group = new RadioGroup(&form, "Richtung", 10, 10, 200, 100);
    group->setItems({ "vorwärts", "rückwärts", "beides" });
    int clicks = 0;
    group->OnClick = [&] { ++clicks; };
    group->setItemIndex(1);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_TRUE(group->button(1)->isChecked());
    group->setItemIndex(7);
    EXPECT_EQ(group->ItemIndex(), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(group->button(i)->isChecked());
    EXPECT_EQ(clicks, 0);

    QTest::mouseClick(group->button(2), Qt::LeftButton);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    // Clicking the chosen item again changes nothing.
    QTest::mouseClick(group->button(2), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, RadioGroupArrangesItsItemsInColumns)
{
    auto* group = new RadioGroup(&form, "Zahlen", 10, 10, 210, 100);
    group->setColumns(2);
    group->setItems({ "1", "2", "3", "4", "5" });
    // Three rows: items 0..2 in the left column, 3..4 in the right one.
    EXPECT_EQ(group->button(0)->x(), group->button(2)->x());
    EXPECT_EQ(group->button(3)->y(), group->button(0)->y());
    EXPECT_EQ(group->button(3)->x(), 8 + (210 - 10) / 2);
    EXPECT_GT(group->button(1)->y(), group->button(0)->y());
}

TEST_F(ControlsTest, RadioButtonOnClickOnlyWhenTheUserSwitchesItOn)
{
    auto* a = new RadioButton(&form, "ohne Liste", 10, 10, 150, 20);
    auto* b = new RadioButton(&form, "mit Liste", 10, 40, 150, 20);
    int clicks = 0;
    a->OnClick = [&] { ++clicks; };
    a->setChecked(true);
    EXPECT_EQ(clicks, 0);
    a->setChecked(false);
    EXPECT_FALSE(a->Checked());
    QTest::mouseClick(a, Qt::LeftButton);
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    b->setChecked(true);
    EXPECT_FALSE(a->Checked());
}

TEST_F(ControlsTest, MultiSelectListToggles)
{
    auto* list = new ListBox(&form, 10, 10, 100, 150);
    list->setMultiSelect(true);
    list->setItems({ " 1", " 2", " 3" });
    int clicks = 0;
    list->OnClick = [&] { ++clicks; };
    auto clickItem = [&](int i) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
    };
    clickItem(0);
    clickItem(2);
    clickItem(0);
    EXPECT_FALSE(list->Selected(0));
    EXPECT_FALSE(list->Selected(1));
    EXPECT_TRUE(list->Selected(2));
    EXPECT_EQ(clicks, 3);
    list->setSelected(1, true);
    EXPECT_TRUE(list->Selected(1));
    EXPECT_EQ(clicks, 3);
}

TEST_F(ControlsTest, SortedListAndItemIndex)
{
    auto* list = new ListBox(&form, 10, 10, 100, 150);
    list->setSorted(true);
    list->setItemHeight(20);
    for (const char* s : { "kl3b", "KL3A", "ohne", "abc" })
        list->add(s);
    EXPECT_EQ(list->items(), QStringList({ "abc", "KL3A", "kl3b", "ohne" }));
    EXPECT_EQ(list->visualItemRect(list->item(1)).height(), 20);
    EXPECT_EQ(list->ItemIndex(), -1);
    list->setItemIndex(2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_TRUE(list->Selected(2));
    list->setItemIndex(-1);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_FALSE(list->Selected(2));
}

TEST_F(ControlsTest, LabelSizesItselfToItsCaption)
{
    auto* label = new Label(&form, "zur Zeit ist aktiviert:", 10, 10);
    const int wide = label->width();
    label->setCaption(" -/-");
    EXPECT_LT(label->width(), wide);
    applyFont(label, "Arial", -21);
    EXPECT_EQ(label->height(), QFontMetrics(label->font()).height());
    label->setCaption("speichern && drucken");
    EXPECT_EQ(label->text(), "speichern & drucken");
}

// Controls made before their window is shown, as every window of the program is.
TEST_F(ControlsTest, FixedSizeLabelsKeepTheirSizeAndLongMemosScroll)
{
    Form hidden;
    auto* label = new Label(&hidden, "kurz", 10, 10);
    label->setAutoSize(false);
    place(label, 10, 10, 313, 25);
    auto* wrapped = new Label(&hidden, "", 10, 40);
    wrapped->setAutoSize(false);
    wrapped->setWordWrap(true);
    place(wrapped, 10, 40, 200, 60);
    auto* memo = new Memo(&hidden, 10, 100, 200, 60);
    memo->setLines(QStringList(20, "Zeile"));
    auto* shortMemo = new Memo(&hidden, 10, 170, 200, 60);
    shortMemo->setLines({ "eine Zeile" });
    hidden.show();
    label->setCaption(" die Hunderter hinterlassen einen Rest");
    EXPECT_EQ(label->size(), QSize(313, 25));
    EXPECT_EQ(wrapped->size(), QSize(200, 60));
    EXPECT_TRUE(memo->verticalScrollBar()->isVisible());
    EXPECT_FALSE(shortMemo->verticalScrollBar()->isVisible());
    hidden.Close();
}

TEST_F(ControlsTest, FontsStandInForTheWindowsFonts)
{
    const QFont arial = makeFont("arial", -19);
    EXPECT_EQ(arial.pixelSize(), 19);
    EXPECT_EQ(QFontInfo(arial).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(makeFont("MS Sans Serif", -11)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(makeFont("Courier New", 16)).family(), "Liberation Mono");
    // A positive height is the cell: ascent and descent together.
    for (int h : { 16, 28, 60 }) {
        const QFontMetrics fm(makeFont("arial", h));
        EXPECT_NEAR(fm.ascent() + fm.descent(), h, 1) << h;
    }
    // A size is in points at 96 dpi: 8 points are 11 pixels, 14 points 19.
    EXPECT_EQ(heightOfSize(8), -11);
    EXPECT_EQ(makeFontSize("arial", 14).pixelSize(), 19);
    EXPECT_TRUE(makeFont("arial", 20, FontStyle::Bold | FontStyle::Underline).bold());
}

TEST_F(ControlsTest, DesignGridRoundsHalvesToEven)
{
    const DesignGrid grid(1.5f, 0.5f);
    EXPECT_EQ(grid.x(5), 8); // 7.5
    EXPECT_EQ(grid.x(3), 4); // 4.5
    EXPECT_EQ(grid.y(5), 2); // 2.5
    auto* b = new Button(&form, "noch eine Aufgabe?", 0, 0, 10, 10);
    applyFont(b, "arial", 28);
    grid.place(b, 750, 770, 200, 45);
    EXPECT_EQ(b->geometry(), QRect(1125, 385, 300, 22));
    grid.fontHeight(b, 28);
    EXPECT_EQ(fontHeightOf(b), 14);
    EXPECT_EQ(fontNameOf(b), "arial");
    // The skala factors are single-precision: 1.031f is a little more than 1.031.
    const DesignGrid real(1.031f, 0.7193f);
    EXPECT_EQ(real.x(500), 516);
    EXPECT_EQ(real.rect(750, 950, 200, 40), QRect(773, 683, 206, 29));
}

TEST_F(ControlsTest, SymbolFontCaptionsShowTheSymbols)
{
    auto* back = new Button(&form, "ß", 10, 10, 40, 40);
    EXPECT_EQ(back->text(), "ß");
    applyFont(back, "Wingdings", -24);
    EXPECT_EQ(back->text(), QString(QChar(0x2B05))); // the left arrow of the backspace key
    EXPECT_EQ(back->caption(), "ß");
    EXPECT_EQ(QFontInfo(back->font()).family(), "DejaVu Sans");
}

TEST_F(ControlsTest, HintsShowOnlyWhileShowHintIsOn)
{
    auto* b = new Button(&form, "eine Liste löschen", 10, 10, 150, 30);
    setHint(b, "!!! Achtung!!!");
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), b->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(b, &help);
    EXPECT_TRUE(QToolTip::text().isEmpty());
    form.setShowHint(true);
    QCoreApplication::sendEvent(b, &help);
    EXPECT_EQ(QToolTip::text(), "!!! Achtung!!!");
    QToolTip::hideText();
}

TEST_F(ControlsTest, TimerTicksGuardedAndStopsWhenDisabled)
{
    Timer timer(&form, 10, false);
    int ticks = 0;
    timer.OnTimer = [&] {
        ++ticks;
        StrToInt("x");
    };
    QTest::qWait(40);
    EXPECT_EQ(ticks, 0);
    timer.setEnabled(true);
    QTRY_VERIFY(ticks >= 2);
    timer.setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stopped);
    EXPECT_EQ(errors.size(), stopped);
}

// The frame of a control reached by the keys shows, and never crosses its caption: small buttons whose caption
// reaches past the frame's usual place, and radio items and check boxes with and without text.
TEST_F(ControlsTest, TheFocusFrameShowsAndLeavesTheCaptionWhole)
{
    struct Fall {
        const char* was;
        std::function<QWidget*(const QString& caption)> machen;
        QString caption;
        bool darauf = false; // a symbol that fills the button has the frame on it, as any face
    };
    const auto knopf = [this](int w, int h, int schrift) {
        return [this, w, h, schrift](const QString& caption) {
            auto* b = new Button(&form, caption, 10, 10, w, h);
            applyFont(b, "arial", -schrift);
            return b;
        };
    };
    const Fall faelle[] = {
        { "roomy button", knopf(120, 40, 13), "weiter!" },
        { "keypad help", knopf(30, 30, 13), "&Hilfe" },
        { "keypad help, larger", knopf(36, 36, 15), "&Hilfe" },
        { "caption as high as the button", knopf(44, 42, 50), "8" },
        { "caption lower than the frame", knopf(192, 20, 12), "Programm abbrechen" },
        { "radio item", [this](const QString& c) { return new RadioButton(&form, c, 10, 10, 150, 20); },
            " 5  Zahlen pro Kasten" },
        { "radio item without text", [this](const QString& c) { return new RadioButton(&form, c, 10, 10, 22, 60); },
            "" },
        { "check box", [this](const QString& c) { return new CheckBox(&form, c, 10, 10, 80, 17); }, "Geld" },
        { "colour square filling the button",
            [this](const QString& c) {
                auto* b = new Button(&form, c, 10, 10, 27, 27);
                applyFont(b, "wingdings", 70);
                setFontColor(b, clRed);
                return b;
            },
            "n", true },
    };
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.setAttribute(Qt::WA_KeyboardFocusChange, true);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        // Its caption: what it shows beyond the same control without one; of a radio item without text, its circle.
        QWidget* control = f.machen(f.caption);
        QWidget* leer = f.caption.isEmpty() ? new QWidget(&form) : f.machen(QString());
        leer->setGeometry(control->geometry());
        leer->show();
        control->show();
        const QImage ohne = control->grab().toImage();
        const QRect beschriftung = changedArea(ohne, leer->grab().toImage());
        SetFocus(control);
        ASSERT_TRUE(control->hasFocus());
        const QImage mit = control->grab().toImage();
        // The frame's dots: dark where they were not (the style tints a focused face besides).
        int punkte = 0;
        for (int y = 0; y < mit.height(); ++y)
            for (int x = 0; x < mit.width(); ++x)
                if (mit.pixelColor(x, y) == clWindowText && ohne.pixelColor(x, y) != clWindowText) {
                    ++punkte;
                    EXPECT_FALSE(!f.darauf && beschriftung.contains(x, y)) << x << "," << y;
                }
        EXPECT_GE(punkte, 10);
        delete control;
        delete leer;
    }
}

// Only chosen items are filled: the item with the focus frame that is not chosen looks as any other, in a list
// of several choices and of one.
TEST_F(ControlsTest, AnItemWithTheFocusIsNotFilledUnlessChosen)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.setAttribute(Qt::WA_KeyboardFocusChange, true);
    for (bool mehrere : { true, false }) {
        auto* list = new ListBox(&form, 10, 10, 100, 80);
        list->setMultiSelect(mehrere);
        list->setItems({ " 1", " 2", " 3" });
        list->show();
        list->setSelected(0, true);
        list->setCurrentRow(1, QItemSelectionModel::NoUpdate);
        SetFocus(list);
        ASSERT_TRUE(list->hasFocus());
        const QImage bild = list->viewport()->grab().toImage();
        const auto grund = [&](int row) {
            const QRect r = list->visualItemRect(list->item(row));
            return bild.pixelColor(r.right() - 3, r.center().y());
        };
        EXPECT_EQ(grund(0), clHighlight) << mehrere;
        EXPECT_EQ(grund(1), clWindow) << mehrere;
        EXPECT_EQ(grund(2), clWindow) << mehrere;
        delete list;
    }
}

namespace {

// The ink of the first row's text as the list draws it: the pixels that differ from the row's background, cut
// to where they lie. Two rows that draw the same letters whole give the same picture.
QImage zeilentinte(ListBox* list, QRect* wo = nullptr)
{
    list->doItemsLayout();
    const QImage bild = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect zeile = list->visualItemRect(list->item(0));
    const QRgb grund = bild.pixel(zeile.right() - 1, zeile.top());
    QRect tinte;
    for (int y = zeile.top(); y <= zeile.bottom(); ++y)
        for (int x = zeile.left(); x <= zeile.right(); ++x)
            if (bild.pixel(x, y) != grund) tinte |= QRect(x, y, 1, 1);
    if (wo) *wo = tinte;
    return bild.copy(tinte);
}

} // namespace

// A row of the list's own height holds the dots of capital umlauts and what hangs below the line, at every font
// and size the windows give their lists: the same ink as in a row three times as high; and its focus frame keeps a
// pixel free between its line and the letters.
TEST_F(ControlsTest, ARowOfTheListsOwnHeightHoldsEveryLetterWhole)
{
    auto* eigen = new ListBox(&form, 10, 10, 300, 200);
    auto* hoch = new ListBox(&form, 320, 10, 300, 400);
    for (ListBox* l : { eigen, hoch })
        l->show();
    struct Schrift {
        QString name;
        int hoehe; // pixels as the windows give it: negative the letters, positive the cell
        bool punkte;
    };
    QVector<Schrift> schriften;
    for (const QString& name :
        { QStringLiteral("arial"), QStringLiteral("MS Sans Serif"), QStringLiteral("courier new") }) {
        for (int h = 8; h <= 40; ++h)
            schriften << Schrift { name, -h, false } << Schrift { name, h, false };
        for (int pt = 8; pt <= 24; ++pt)
            schriften << Schrift { name, pt, true };
    }
    // Umlauts and descenders, which fit the font's cell in most sizes; accents and tildes, which reach above it in
    // some: the rows grow for those only where the list shows them.
    const QStringList texte[] = { { QStringLiteral("ÄÖÜ Ägypten Jürgen"), QStringLiteral("Ülrike") },
        { QStringLiteral("Ñandú Ãgua Šárka Çelik Jürgen"), QStringLiteral("Ülrike") } };
    for (const QStringList& t : texte) {
        for (ListBox* l : { eigen, hoch })
            l->setItems(t);
        for (const Schrift& s : schriften) {
            hoch->setItemHeight(0);
            for (ListBox* l : { eigen, hoch })
                s.punkte ? applyFontSize(l, s.name, s.hoehe) : applyFont(l, s.name, s.hoehe);
            const int zeile = eigen->visualItemRect(eigen->item(0)).height();
            hoch->setItemHeight(3 * zeile);
            const QString was
                = t.first() + u' ' + s.name + QStringLiteral(" %1%2").arg(s.hoehe).arg(s.punkte ? " pt" : " px");
            QRect wo;
            const QImage tinte = zeilentinte(eigen, &wo);
            const QImage ganz = zeilentinte(hoch);
            ASSERT_FALSE(ganz.isNull()) << was.toStdString();
            EXPECT_TRUE(tinte == ganz) << was.toStdString() << ": row " << zeile << ", ink " << tinte.width() << "x"
                                       << tinte.height() << " of " << ganz.width() << "x" << ganz.height();
            const QRect rahmen = eigen->focusFrameOf(eigen->visualItemRect(eigen->item(0)));
            EXPECT_TRUE(
                QRect(QPoint(rahmen.left() + 2, rahmen.top() + 2), QPoint(rahmen.right() - 1, rahmen.bottom() - 1))
                    .contains(wo))
                << was.toStdString() << ": ink from " << wo.top() << " to " << wo.bottom() << " in a row of " << zeile;
            // No taller than the cell, or than the ink with a free pixel and the frame's line above and below it
            // where that needs more (and the ink's faintest edge, which a grab on white may not show).
            const QFontMetrics fm(eigen->font());
            EXPECT_LE(zeile, std::max(fm.height(), int(ganz.height()) + 1 + 2 * 2)) << was.toStdString();
        }
    }
}

// A list shows whole rows only: the administration's lists (137 x 193 in the 8-point font) come down to whole rows
// of the height their names need, and so does a list whose rows grow for a name with an accent, and shrink again
// when it is gone, or that a window gives another height.
TEST_F(ControlsTest, ARowIsNoTallerThanItsLettersNeed)
{
    auto* l = new ListBox(&form, 10, 10, 137, 193);
    l->setItems(QStringList(40, QStringLiteral("Ülrike Ärmel")));
    l->show();
    int hoehe = 193;
    const auto ganzeZeilen = [&](const char* was) {
        l->doItemsLayout();
        const int zeile = l->visualItemRect(l->item(0)).height();
        EXPECT_EQ(l->viewport()->height() % zeile, 0) << was;
        EXPECT_LE(l->height(), hoehe) << was;
        EXPECT_GT(l->height() + zeile, hoehe) << was;
        return zeile;
    };
    applyFontSize(l, QStringLiteral("MS Sans Serif"), 8);
    ganzeZeilen("8 pt");
    applyFont(l, QStringLiteral("Arial"), -16);
    const int ohne = ganzeZeilen("16 px");
    l->add(QStringLiteral("Ñandú Jäger"));
    EXPECT_GT(ganzeZeilen("16 px mit Akzent"), ohne);
    l->setItems(QStringList(40, QStringLiteral("Ülrike Ärmel")));
    EXPECT_EQ(ganzeZeilen("16 px ohne Akzent"), ohne);
    hoehe = 300;
    place(l, 10, 10, 137, hoehe);
    ganzeZeilen("300 px hoch");
}

// A label holds the ink of every letter of its caption: the dots of capital umlauts over its first line, the
// underscore under its last, the "W" and "_" that reach left of where their line starts; sized to its caption
// or given its size, in one line or wrapped, at every font and size the windows give labels.
TEST_F(ControlsTest, ALabelHoldsTheInkOfEveryLetter)
{
    const QString caption = QStringLiteral("Welcher Typ? __ + 7 = Ülrike Ärger");
    for (const QString& name :
        { QStringLiteral("arial"), QStringLiteral("MS Sans Serif"), QStringLiteral("courier new") })
        for (int h = 8; h <= 32; ++h)
            for (const FontStyles stil : { FontStyles(), FontStyles(FontStyle::Bold) })
                for (int art = 0; art < 3; ++art) {
                    auto* l = new Label(&form, caption, 10, 10);
                    if (art > 0) {
                        l->setAutoSize(false);
                        l->setWordWrap(art == 2);
                        place(l, 10, 10, art == 2 ? 12 * h : 40 * h, art == 2 ? 4 * h : 2 * h);
                    }
                    applyFont(l, name, -h, stil);
                    l->show();
                    const QRect ink = inkOf(
                        l,
                        [&](QPainter& p) {
                            p.drawText(l->contentsRect(), int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0),
                                l->text());
                        },
                        l->rect().adjusted(-h, -h, h, h), 1);
                    EXPECT_TRUE(l->rect().contains(ink))
                        << name.toStdString() << " " << h << (stil ? " bold" : "") << " kind " << art << ": ink "
                        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height() << " in "
                        << l->width() << "x" << l->height();
                    delete l;
                }
}
