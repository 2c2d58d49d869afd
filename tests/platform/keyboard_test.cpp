#include "platform/controls.h"
#include "platform/form.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QTest>

namespace {

// A keypad window: digit buttons, an Enter button (Default), an end button (Cancel), an edit, and a log of
// every click and of what the form's key handlers see.
class KeyboardTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        form.OnKeyDown = [this](quint16& key, ShiftState) { log << QString("down %1").arg(key); };
        form.OnKeyPress = [this](QChar& key) { log << QString("press %1").arg(key.unicode()); };
        for (auto* b : { one, two, enter, ende })
            b->OnClick = [this, b] { log << "click " + b->caption(); };
        enter->Default = true;
        ende->Cancel = true;
        form.show();
    }
    void TearDown() override
    {
        Form::setModalDriver({});
        form.Close();
        TaviTest::TearDown();
    }
    QStringList clicks() const { return log.filter("click"); }
    QStringList keys() const { return QStringList(log.filter("down")) + log.filter("press"); }

    Form form;
    Button* one = new Button(&form, "1", 10, 10, 40, 40);
    Button* two = new Button(&form, "2", 60, 10, 40, 40);
    Button* enter = new Button(&form, "Enter", 110, 10, 80, 40);
    Button* ende = new Button(&form, "Ende", 110, 60, 80, 40);
    Edit* edit = new Edit(&form, 10, 110, 100, 21);
    QStringList log;
};

} // namespace

TEST_F(KeyboardTest, EnterClicksTheFocusedButtonOnceAndIsNoKeyPress)
{
    form.KeyPreview = true;
    SetFocus(two);
    pressKey(&form, Qt::Key_Return);
    EXPECT_EQ(log, QStringList({ "click 2" }));
}

TEST_F(KeyboardTest, SpaceClicksTheFocusedButtonOnceAndIsAKeyPress)
{
    form.KeyPreview = true;
    SetFocus(one);
    pressKey(&form, Qt::Key_Space);
    EXPECT_EQ(clicks(), QStringList({ "click 1" }));
    EXPECT_TRUE(log.contains("press 32"));
}

TEST_F(KeyboardTest, EnterElsewhereClicksTheDefaultButtonOnce)
{
    form.KeyPreview = true;
    SetFocus(edit);
    pressKey(&form, Qt::Key_Return);
    pressKey(&form, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(log, QStringList({ "click Enter", "click Enter" }));
}

TEST_F(KeyboardTest, EscClicksTheCancelButtonOnceAlsoWithKeyPreviewOff)
{
    SetFocus(one);
    pressKey(&form, Qt::Key_Escape);
    form.KeyPreview = true;
    pressKey(&form, Qt::Key_Escape);
    EXPECT_EQ(log, QStringList({ "click Ende", "click Ende" }));
}

TEST_F(KeyboardTest, HiddenOrDisabledDefaultAndCancelButtonsLeaveTheKeyToTheForm)
{
    form.KeyPreview = true;
    SetFocus(edit);
    enter->hide();
    ende->setEnabled(false);
    pressKey(&form, Qt::Key_Return);
    pressKey(&form, Qt::Key_Escape);
    EXPECT_TRUE(clicks().isEmpty());
    EXPECT_TRUE(log.contains("press 13"));
    EXPECT_TRUE(log.contains("press 27"));
}

TEST_F(KeyboardTest, WithKeyPreviewOffTheFormsKeyHandlersSeeNothing)
{
    SetFocus(edit);
    typeText(&form, "12");
    pressKey(&form, Qt::Key_Backspace);
    pressKey(&form, Qt::Key_Left);
    SetFocus(one);
    typeText(&form, "7");
    EXPECT_TRUE(keys().isEmpty());
    EXPECT_EQ(edit->text(), "1");
}

TEST_F(KeyboardTest, WithKeyPreviewOnTheFormSeesTheKeyBeforeTheControl)
{
    form.KeyPreview = true;
    edit->OnKeyDown = [this](quint16& key, ShiftState) { log << QString("edit down %1").arg(key); };
    edit->OnKeyPress = [this](QChar& key) { log << QString("edit press %1").arg(key.unicode()); };
    SetFocus(edit);
    typeText(&form, "5");
    EXPECT_EQ(log, QStringList({ "down 53", "edit down 53", "press 53", "edit press 53" }));
    EXPECT_EQ(edit->text(), "5");

    // A key the form drops never reaches the control.
    log.clear();
    form.OnKeyPress = [](QChar& key) { key = QChar(); };
    typeText(&form, "6");
    EXPECT_EQ(edit->text(), "5");
    EXPECT_FALSE(log.contains("edit press 54"));
}

TEST_F(KeyboardTest, KeypadRoutingClicksOnlyUsableButtonsWhileClickRunsAnyway)
{
    // The form's key handler as the keypad windows have it.
    form.KeyPreview = true;
    form.OnKeyPress = [this](QChar& key) {
        if (key == u'1') one->clickIfVisibleAndEnabled();
        if (key == u'2') two->clickIfVisibleAndEnabled();
    };
    one->setEnabled(false);
    two->hide();
    SetFocus(enter);
    typeText(&form, "12");
    EXPECT_TRUE(clicks().isEmpty());
    EXPECT_FALSE(one->clickIfVisibleAndEnabled());

    one->Click();
    two->Click();
    EXPECT_EQ(clicks(), QStringList({ "click 1", "click 2" }));

    // Nor does the mouse click a disabled button.
    QTest::mouseClick(one, Qt::LeftButton);
    EXPECT_EQ(clicks().size(), 2);
}

TEST_F(KeyboardTest, TabSkipsControlsWithoutTabStop)
{
    setTabStop(one, false);
    setTabStop(two, false);
    SetFocus(enter);
    pressKey(&form, Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), ende);
    pressKey(&form, Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), edit);
    pressKey(&form, Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), enter);
    pressKey(&form, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form.focusWidget(), edit);

    // A control moved first in the tab order is reached first.
    setTabOrderIndex(ende, 0);
    SetFocus(edit);
    pressKey(&form, Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), ende);
    EXPECT_TRUE(keys().isEmpty());
}

TEST_F(KeyboardTest, ArrowsMoveAmongButtonsButStayInAnEdit)
{
    SetFocus(one);
    pressKey(&form, Qt::Key_Right);
    EXPECT_EQ(form.focusWidget(), two);
    pressKey(&form, Qt::Key_Up);
    EXPECT_EQ(form.focusWidget(), one);
    SetFocus(edit);
    typeText(&form, "12");
    pressKey(&form, Qt::Key_Left);
    EXPECT_EQ(form.focusWidget(), edit);
    EXPECT_EQ(edit->cursorPosition(), 1);
}

TEST_F(KeyboardTest, AltWithTheMarkedLetterClicksTheButton)
{
    auto* hilfe = new Button(&form, "&Hilfe", 10, 150, 80, 30);
    hilfe->OnClick = [this] { log << "click Hilfe"; };
    hilfe->show();
    SetFocus(edit);
    pressKey(&form, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(clicks(), QStringList({ "click Hilfe" }));
    EXPECT_EQ(edit->text(), "");

    // A plain key does not, unless the window says so, and never in an edit.
    SetFocus(one);
    typeText(&form, "h");
    EXPECT_EQ(clicks().size(), 1);
    form.PlainKeyAccelerators = true;
    typeText(&form, "h");
    EXPECT_EQ(clicks().size(), 2);
    SetFocus(edit);
    typeText(&form, "h");
    EXPECT_EQ(clicks().size(), 2);
    EXPECT_EQ(edit->text(), "h");

    hilfe->setEnabled(false);
    pressKey(&form, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(clicks().size(), 2);
}

TEST_F(KeyboardTest, PlainDigitAcceleratorsPressTheStones)
{
    // Stones captioned "&1" .. "&3" in a panel; the digit keys set them.
    form.PlainKeyAccelerators = true;
    auto* panel = new Panel(&form, 200, 10, 60, 150);
    QStringList stones;
    for (int i = 1; i <= 3; ++i) {
        auto* stone = new Button(panel, QString("&%1").arg(i), 5, 5 + 45 * (i - 1), 40, 40);
        stone->OnClick = [&stones, i] { stones << QString::number(i); };
    }
    panel->show();
    SetFocus(ende);
    typeText(&form, "31");
    panel->setEnabled(false);
    typeText(&form, "2");
    EXPECT_EQ(stones, QStringList({ "3", "1" }));
}

TEST_F(KeyboardTest, KeysOfAWindowBehindAModalOneAreIgnored)
{
    Form child;
    form.KeyPreview = true;
    auto* open = new Button(&form, "x", 0, 0, 10, 10);
    open->OnClick = [&] { child.showModal(); };
    Form::setModalDriver([&](Form& f) {
        if (&f == &form) {
            SetFocus(edit);
            open->Click();
            return;
        }
        typeText(&form, "8");
        pressKey(&form, Qt::Key_Escape);
    });
    form.showModal();
    EXPECT_EQ(edit->text(), "");
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(KeyboardTest, SpacePressesTheFocusedButtonOrCheckBoxWhateverTheKeyPreviewDoesWithTheBlank)
{
    auto* box = new CheckBox(&form, "Box", 10, 150, 80, 20);
    box->show();
    const std::function<void(QChar&)> schluckt = [](QChar& c) { c = QChar(); };
    const std::pair<QWidget*, std::function<void(QChar&)>> faelle[]
        = { { one, nullptr }, { one, schluckt }, { box, nullptr }, { box, schluckt } };
    for (const auto& [ziel, vorschau] : faelle) {
        SCOPED_TRACE(std::string(ziel == one ? "button" : "box") + (vorschau ? ", every character swallowed" : ""));
        form.KeyPreview = bool(vorschau);
        form.OnKeyPress = vorschau;
        log.clear();
        const bool an = box->isChecked();
        SetFocus(ziel);
        pressKey(&form, Qt::Key_Space);
        if (ziel == one)
            EXPECT_EQ(clicks(), QStringList({ "click 1" }));
        else
            EXPECT_NE(box->isChecked(), an);
    }
    // A key-down handler that takes Space keeps it from the button.
    form.KeyPreview = true;
    form.OnKeyDown = [](quint16& key, ShiftState) { key = 0; };
    log.clear();
    SetFocus(one);
    pressKey(&form, Qt::Key_Space);
    EXPECT_TRUE(clicks().isEmpty());
}

TEST_F(KeyboardTest, TheButtonEnterPressesCarriesTheDefaultLook)
{
    const auto bild = [](QWidget* w) { return w->grab().toImage(); };
    // The focus on an edit: Enter presses the Default button, which is marked.
    SetFocus(edit);
    ASSERT_EQ(form.enterButton(), enter);
    const QImage markiert = bild(enter);
    const QImage eins = bild(one);
    // The focus on another button: that one is marked, the Default button looks plain.
    SetFocus(one);
    EXPECT_EQ(form.enterButton(), one);
    EXPECT_TRUE(bild(enter) != markiert);
    EXPECT_TRUE(bild(one) != eins);
    // A hidden Default button marks nothing; of two Default buttons the first in tab order is marked.
    SetFocus(edit);
    enter->hide();
    EXPECT_EQ(form.enterButton(), nullptr);
    enter->show();
    two->Default = true;
    EXPECT_EQ(form.enterButton(), two);
    EXPECT_TRUE(bild(enter) != markiert);
    two->setEnabled(false);
    EXPECT_EQ(form.enterButton(), enter);
    EXPECT_TRUE(bild(enter) == markiert);
}

TEST_F(KeyboardTest, AWindowShownAfterAKeyShowsItsFocusFrameAtOnceAndAfterTheMouseItDoesNot)
{
    Form child;
    auto* ok = new Button(&child, "OK", 10, 10, 60, 30);
    ok->Cancel = true;
    ok->OnClick = [&child] { child.Close(); };
    auto* open = new Button(&form, "x", 0, 0, 10, 10);
    open->OnClick = [&] { child.showModal(); };
    bool gezeigtMitRahmen = false;
    Form::setModalDriver([&](Form& f) {
        if (&f == &form) {
            // Chosen with the mouse: the window opened shows no frame.
            QTest::mouseClick(two, Qt::LeftButton);
            open->Click();
            EXPECT_FALSE(gezeigtMitRahmen);
            EXPECT_FALSE(form.testAttribute(Qt::WA_KeyboardFocusChange));
            // After a key it does at once, and so does its opener when the keyboard comes back to it.
            SetFocus(one);
            pressKey(&form, Qt::Key_Right);
            open->Click();
            EXPECT_TRUE(gezeigtMitRahmen);
            EXPECT_TRUE(form.testAttribute(Qt::WA_KeyboardFocusChange));
            return;
        }
        gezeigtMitRahmen = child.testAttribute(Qt::WA_KeyboardFocusChange);
        // The opener loses its frame while it is away (as when it hides); the way back by the keyboard brings
        // it back, the way back by the mouse does not.
        form.setAttribute(Qt::WA_KeyboardFocusChange, false);
        if (gezeigtMitRahmen)
            pressKey(&child, Qt::Key_Escape);
        else
            QTest::mouseClick(ok, Qt::LeftButton);
    });
    form.Close();
    form.showModal();
}

TEST_F(KeyboardTest, KeypadKeysStandForKeysTheKeyboardHas)
{
    auto* taste = new Button(&form, "3", 10, 150, 40, 40);
    auto* eingabe = new Button(&form, "Enter", 60, 150, 40, 40);
    taste->show();
    eingabe->show();
    setKeypadKey(taste);
    setKeypadKey(eingabe, true);
    for (auto* b : { taste, eingabe })
        b->OnClick = [this, b] { log << "click keypad " + b->caption(); };
    // Space on a key the program focused presses nothing and types nothing, whatever the key preview does.
    const std::function<void(QChar&)> schluckt = [](QChar& c) { c = QChar(); };
    for (const auto& vorschau : { std::function<void(QChar&)>(), schluckt }) {
        form.KeyPreview = bool(vorschau);
        form.OnKeyPress = vorschau;
        log.clear();
        SetFocus(taste);
        pressKey(&form, Qt::Key_Space);
        EXPECT_TRUE(log.isEmpty()) << log.join(", ").toStdString();
    }
    // A click leaves the focus where it was: the next Enter is the Default button's.
    SetFocus(edit);
    log.clear();
    QTest::mouseClick(taste, Qt::LeftButton);
    EXPECT_EQ(form.focusWidget(), edit);
    pressKey(&form, Qt::Key_Return);
    EXPECT_EQ(clicks(), QStringList({ "click keypad 3", "click Enter" }));
    // The keypad's Enter carries the mark while the key preview's Enter reaches it, and no button takes Enter.
    form.KeyPreview = true;
    enter->hide();
    EXPECT_EQ(form.markedButton(), eingabe);
    form.KeyPreview = false;
    EXPECT_EQ(form.markedButton(), nullptr);
    form.KeyPreview = true;
    enter->show();
    EXPECT_EQ(form.markedButton(), enter);
    SetFocus(one);
    EXPECT_EQ(form.markedButton(), one);
}

TEST_F(KeyboardTest, AKeypadClickTakesTheKeyboardBackFromAButtonTheUserFramedNotFromOneTheWindowGave)
{
    auto* taste = new Button(&form, "3", 10, 150, 40, 40);
    auto* eingabe = new Button(&form, "Enter", 60, 150, 40, 40);
    auto* box = new CheckBox(&form, "x", 110, 150, 40, 20);
    for (QWidget* w : { static_cast<QWidget*>(taste), static_cast<QWidget*>(eingabe), static_cast<QWidget*>(box) })
        w->show();
    setKeypadKey(taste);
    setKeypadKey(eingabe, true);
    eingabe->OnClick = [this] { log << "click keypad Enter"; };
    // The window's key preview presses the keypad's Enter where no button takes Enter.
    enter->hide();
    form.KeyPreview = true;
    form.OnKeyPress = [eingabe](QChar& c) {
        if (c == QChar(13)) eingabe->Click();
    };
    // From a button or a check box the user clicked or framed the focus goes to the window: Enter is the
    // keypad's.
    QTest::mouseClick(one, Qt::LeftButton);
    ASSERT_EQ(form.focusWidget(), one);
    QTest::mouseClick(taste, Qt::LeftButton);
    EXPECT_EQ(form.focusWidget(), &form);
    SetFocus(edit);
    pressKey(&form, Qt::Key_Tab); // the check box, past the keypad
    ASSERT_EQ(form.focusWidget(), box);
    QTest::mouseClick(taste, Qt::LeftButton);
    EXPECT_EQ(form.focusWidget(), &form);
    log.clear();
    pressKey(&form, Qt::Key_Return);
    EXPECT_EQ(clicks(), QStringList({ "click keypad Enter" }));
    // Tab and the arrows go on from where it was, and frame that button again where it is the only stop.
    QTest::mouseClick(one, Qt::LeftButton);
    QTest::mouseClick(taste, Qt::LeftButton);
    pressKey(&form, Qt::Key_Tab);
    EXPECT_EQ(form.focusWidget(), two);
    QTest::mouseClick(taste, Qt::LeftButton);
    pressKey(&form, Qt::Key_Left);
    EXPECT_EQ(form.focusWidget(), one);
    for (QWidget* w : { static_cast<QWidget*>(two), static_cast<QWidget*>(ende), static_cast<QWidget*>(edit),
             static_cast<QWidget*>(box) })
        setTabStop(w, false);
    for (Qt::Key k : { Qt::Key_Tab, Qt::Key_Backtab }) {
        QTest::mouseClick(taste, Qt::LeftButton);
        ASSERT_EQ(form.focusWidget(), &form);
        pressKey(&form, k);
        EXPECT_EQ(form.focusWidget(), one);
    }
    for (QWidget* w : { static_cast<QWidget*>(two), static_cast<QWidget*>(ende), static_cast<QWidget*>(edit),
             static_cast<QWidget*>(box) })
        w->hide();
    QTest::mouseClick(taste, Qt::LeftButton);
    pressKey(&form, Qt::Key_Right);
    EXPECT_EQ(form.focusWidget(), one);
    // A focus the window gave stays: Enter presses that button, as after a typed digit; so does a keypad key the
    // program focused, and a click on the keypad's Enter moves none.
    for (QWidget* w : { static_cast<QWidget*>(one), static_cast<QWidget*>(eingabe) }) {
        SetFocus(w);
        QTest::mouseClick(taste, Qt::LeftButton);
        EXPECT_EQ(form.focusWidget(), w);
    }
    log.clear();
    SetFocus(one);
    QTest::mouseClick(taste, Qt::LeftButton);
    pressKey(&form, Qt::Key_Return);
    EXPECT_EQ(clicks(), QStringList({ "click 1" }));
    QTest::mouseClick(one, Qt::LeftButton); // framed by the user now, and then given by the window again
    SetFocus(one);
    QTest::mouseClick(taste, Qt::LeftButton);
    EXPECT_EQ(form.focusWidget(), one);
    QTest::mouseClick(eingabe, Qt::LeftButton);
    EXPECT_EQ(form.focusWidget(), one);
    // A button that ends what is being done never keeps Enter after a clicked answer, whoever focused it.
    ende->show();
    SetFocus(ende);
    QTest::mouseClick(taste, Qt::LeftButton);
    EXPECT_EQ(form.focusWidget(), &form);
}

TEST_F(KeyboardTest, AMarkedButtonDestroyedWithTheFocusLeavesTheMarkToTheNextDefaultButton)
{
    // Its focus goes from QWidget's destructor, when it is no button any more: the mark must not read it then.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (bool standard : { false, true }) {
        auto* weg = new Button(&form, "weg", 10, 150, 40, 40);
        weg->Default = standard;
        weg->show();
        SetFocus(weg);
        ASSERT_EQ(form.markedButton(), weg);
        delete weg;
        EXPECT_EQ(form.markedButton(), enter);
    }
}

TEST_F(KeyboardTest, AListWhoseChoiceActsChoosesOnlyByClickSpaceOrEnter)
{
    const QStringList eintraege { "1A", "2B", "3C", "4D", "5E" };
    auto* handelt = new ListBox(&form, 10, 150, 100, 120);
    handelt->setChoiceActs(true);
    auto* merkt = new ListBox(&form, 120, 150, 100, 120);
    QStringList gewaehlt;
    for (ListBox* l : { handelt, merkt }) {
        l->setItems(eintraege);
        l->show();
        l->OnClick = [&gewaehlt, l] { gewaehlt << l->itemText(l->ItemIndex()); };
    }
    handelt->focusFirstItem();
    EXPECT_EQ(form.focusWidget(), handelt);
    EXPECT_EQ(handelt->currentRow(), 0);
    EXPECT_EQ(handelt->ItemIndex(), -1);
    for (Qt::Key k : { Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown,
             Qt::Key_PageUp, Qt::Key_4 })
        pressKey(&form, k);
    EXPECT_TRUE(gewaehlt.isEmpty()) << gewaehlt.join(", ").toStdString();
    EXPECT_EQ(handelt->ItemIndex(), -1);
    EXPECT_EQ(handelt->currentRow(), 3); // type-ahead moved the frame to "4D"
    pressKey(&form, Qt::Key_Space);
    pressKey(&form, Qt::Key_Up);
    pressKey(&form, Qt::Key_Return);
    QTest::mouseClick(handelt->viewport(), Qt::LeftButton, {}, handelt->visualItemRect(handelt->item(0)).center());
    EXPECT_EQ(gewaehlt, QStringList({ "4D", "3C", "1A" }));
    // A list that only records a choice follows the arrows.
    gewaehlt.clear();
    SetFocus(merkt);
    merkt->setItemIndex(0);
    pressKey(&form, Qt::Key_Down);
    pressKey(&form, Qt::Key_Down);
    EXPECT_EQ(gewaehlt, QStringList({ "2B", "3C" }));
}
