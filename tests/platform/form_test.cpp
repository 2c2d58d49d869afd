#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/form.h"
#include "platform/paintbox.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

class FormTest : public TaviTest {
protected:
    void TearDown() override
    {
        Form::setModalDriver({});
        TaviTest::TearDown();
    }
};

// An opener with a button that shows a child modally, and a log of what happens in which order.
struct OpenerAndChild {
    Form opener;
    Form child;
    Button* open = new Button(&opener, "öffnen", 10, 10, 80, 30);
    QStringList log;

    OpenerAndChild()
    {
        open->OnClick = [this] {
            child.showModal();
            log << "opener code after showModal";
        };
        opener.OnActivate = [this] { log << QString("opener activated, child visible %1").arg(child.isVisible()); };
        child.OnActivate = [this] { log << "child activated"; };
        child.OnClose = [this] { log << QString("child OnClose, child visible %1").arg(child.isVisible()); };
    }
};

} // namespace

TEST_F(FormTest, OpenerHookRunsAfterTheChildHidesAndBeforeTheOpenersCode)
{
    OpenerAndChild w;
    Form::setModalDriver([&](Form& f) {
        if (&f == &w.opener)
            w.open->Click();
        else
            f.Close();
    });
    w.opener.showModal();
    EXPECT_EQ(w.log,
        QStringList({ "opener activated, child visible 0", "child activated", "child OnClose, child visible 1",
            "opener activated, child visible 0", "opener code after showModal" }));
    EXPECT_FALSE(w.child.isVisible());
    EXPECT_EQ(Form::topModal(), nullptr);
}

TEST_F(FormTest, ShowModalWaitsInItsOwnLoopUntilTheWindowClosesItself)
{
    OpenerAndChild w;
    w.opener.show();
    QTimer::singleShot(0, &w.child, [&] {
        EXPECT_TRUE(w.child.isVisible());
        EXPECT_EQ(Form::topModal(), &w.child);
        w.child.Close();
    });
    w.child.showModal();
    EXPECT_EQ(w.log, QStringList({ "child activated", "child OnClose, child visible 1" }));
    EXPECT_FALSE(w.child.isVisible());
}

TEST_F(FormTest, ActivationOnlyWhenShownIsAPerWindowSetting)
{
    OpenerAndChild w;
    w.opener.ActivateOnReturn = false;
    Form::setModalDriver([&](Form& f) {
        if (&f == &w.opener) w.open->Click();
    });
    w.opener.showModal();
    EXPECT_EQ(w.log.count("opener activated, child visible 0"), 1);
    EXPECT_TRUE(w.log.contains("opener code after showModal"));
}

TEST_F(FormTest, SwitchingApplicationsDoesNotActivateTheWindowAgain)
{
    OpenerAndChild w;
    Form::setModalDriver([&](Form& f) {
        ASSERT_EQ(&f, &w.opener);
        // The user switches to another program and back.
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(&w.opener, &deactivate);
        QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
        QApplication::sendEvent(qApp, &inactive);
        QApplicationStateChangeEvent active(Qt::ApplicationActive);
        QApplication::sendEvent(qApp, &active);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w.opener, &activate);
        w.opener.activateWindow();
        QCoreApplication::processEvents();
    });
    w.opener.showModal();
    EXPECT_EQ(w.log, QStringList({ "opener activated, child visible 0" }));
}

TEST_F(FormTest, WindowClosedDuringItsActivationDoesNotWait)
{
    Form form;
    int closes = 0;
    form.OnActivate = [&] { form.Close(); };
    form.OnClose = [&] { ++closes; };
    form.showModal(); // would hang if it waited for a close that already happened
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FormTest, CloseBoxActsLikeTheCancelButton)
{
    Form form;
    auto* cancel = new Button(&form, "Ende", 10, 10, 80, 30);
    cancel->Cancel = true;
    QStringList log;
    cancel->OnClick = [&] {
        log << "Ende";
        form.Close();
    };
    form.OnClose = [&] { log << "OnClose"; };
    Form::setModalDriver([&](Form& f) { f.close(); });
    form.showModal();
    EXPECT_EQ(log, QStringList({ "Ende", "OnClose" }));

    // Without a usable Cancel button the close box just closes the window.
    log.clear();
    cancel->hide();
    form.showModal();
    EXPECT_EQ(log, QStringList({ "OnClose" }));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FormTest, EscWithoutCancelButtonNeverHidesTheWindow)
{
    Form form;
    form.KeyPreview = true;
    QString seen;
    form.OnKeyPress = [&](QChar& key) { seen += QString::number(key.unicode()) + " "; };
    new Edit(&form, 10, 10, 80, 21);
    Form::setModalDriver([&](Form& f) {
        pressKey(&f, Qt::Key_Escape);
        EXPECT_TRUE(f.isVisible());
        pressKey(&f, Qt::Key_Return);
        EXPECT_TRUE(f.isVisible());
    });
    form.showModal();
    EXPECT_EQ(seen, "27 13 ");
}

TEST_F(FormTest, FocusGoesToTheFirstTabStopOrTheActiveControl)
{
    Form form;
    auto* a = new Button(&form, "a", 10, 10, 80, 30);
    auto* b = new Button(&form, "b", 10, 50, 80, 30);
    setTabStop(a, false);
    Form::setModalDriver([&](Form& f) { EXPECT_EQ(f.focusWidget(), b); });
    form.showModal();
    b->setEnabled(false);
    auto* c = new Edit(&form, 10, 90, 80, 21);
    form.setActiveControl(c);
    Form::setModalDriver([&](Form& f) { EXPECT_EQ(f.focusWidget(), c); });
    form.showModal();
}

TEST_F(FormTest, FocusRequestsOnHiddenOrDisabledControlsAreIgnored)
{
    Form form;
    auto* a = new Button(&form, "a", 10, 10, 80, 30);
    auto* hidden = new Button(&form, "b", 10, 50, 80, 30);
    auto* disabled = new Button(&form, "c", 10, 90, 80, 30);
    hidden->hide();
    disabled->setEnabled(false);
    Form::setModalDriver([&](Form& f) {
        SetFocus(a);
        SetFocus(hidden);
        SetFocus(disabled);
        EXPECT_EQ(f.focusWidget(), a);
    });
    form.showModal();
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FormTest, FocusRequestOnAWindowBehindAModalOneWaitsUntilItIsOnTopAgain)
{
    OpenerAndChild w;
    auto* other = new Button(&w.opener, "anderer", 10, 50, 80, 30);
    auto* childButton = new Button(&w.child, "weiter", 10, 10, 80, 30);
    QWidget* focusWhenBack = nullptr;
    w.opener.OnActivate = [&] { focusWhenBack = w.opener.focusWidget(); };
    Form::setModalDriver([&](Form& f) {
        if (&f == &w.opener) {
            SetFocus(w.open);
            w.open->Click();
            return;
        }
        // The child, closing, sets the focus of the window behind it.
        SetFocus(other);
        EXPECT_EQ(w.opener.focusWidget(), w.open);
        EXPECT_EQ(f.focusWidget(), childButton);
        f.Close();
    });
    w.opener.showModal();
    EXPECT_EQ(focusWhenBack, other);
}

TEST_F(FormTest, AnErrorInAHandlerShowsTheMessageAndTheWindowGoesOn)
{
    Form form;
    auto* b = new Button(&form, "rechnen", 10, 10, 80, 30);
    int runs = 0;
    b->OnClick = [&] {
        ++runs;
        StrToInt("abc");
        ++runs;
    };
    form.show();
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(errors, QStringList({ "'abc' ist kein gültiger Integerwert", "'abc' ist kein gültiger Integerwert" }));
    form.Close();
}

TEST_F(FormTest, ColourAndClientSizeGoToTheSurface)
{
    Form form;
    form.setDesignGeometry(20, 30, 300, 200);
    form.setColor(clTeal);
    // A window that was never shown or drawn on has no backing image yet.
    EXPECT_TRUE(form.surface().image().isNull());
    EXPECT_EQ(form.grab().toImage().pixelColor(150, 100), clTeal);
    // Painting shows the colour without making the image; the first drawing makes it.
    EXPECT_TRUE(form.surface().image().isNull());
    form.canvas().setPixel(0, 0, clTeal);
    EXPECT_GE(form.surface().image().width(), 300);
    EXPECT_GE(form.surface().image().height(), 200);
    EXPECT_EQ(form.surface().image().pixelColor(150, 100), clTeal);
}

TEST_F(FormTest, DrawingsOnTheWindowAndItsPaintBoxesShowUnderTheControls)
{
    Form form;
    form.setClientSize(300, 200);
    auto* box = new PaintBox(&form);
    box->setGeometry(150, 0, 150, 200);
    auto* label = new Label(&form, "Wohin", 10, 10);
    setColor(label, clWhite);
    form.show();
    form.canvas().brush.color = clYellow;
    form.canvas().fillRect(0, 0, 300, 200);
    box->canvas().brush.color = clBlue;
    box->canvas().fillRect(0, 0, 20, 20);
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(100, 100), clYellow);
    EXPECT_EQ(shot.pixelColor(155, 5), clBlue);
    EXPECT_EQ(form.surface().image().pixelColor(155, 5), clBlue);
    EXPECT_EQ(shot.pixelColor(label->x() + 1, label->y() + label->height() - 1), clWhite);
    form.Close();
}

// A window shown again starts from its colour: what was drawn on it, its paint boxes included, went when it
// closed. What is drawn on it while it is hidden shows when it opens.
TEST_F(FormTest, WhatWasDrawnGoesWhenTheWindowCloses)
{
    Form form;
    form.setClientSize(300, 200);
    auto* box = new PaintBox(&form);
    box->setGeometry(150, 0, 150, 200);
    QList<QImage> shots;
    Form::setModalDriver([&](Form& f) {
        shots << f.grab().toImage();
        form.canvas().brush.color = clYellow;
        form.canvas().fillRect(0, 0, 100, 100);
        box->canvas().brush.color = clBlue;
        box->canvas().fillRect(0, 0, 20, 20);
        box->canvas().textOut(50, 50, "7 x 8");
    });
    form.showModal();
    // The texts a drawing could take back went with them.
    EXPECT_EQ(form.surface().textPrints().count(), 0);
    form.canvas().brush.color = clRed;
    form.canvas().fillRect(100, 150, 110, 160);
    form.showModal();
    ASSERT_EQ(shots.size(), 2);
    EXPECT_EQ(shots[1].pixelColor(50, 50), clBtnFace);
    EXPECT_EQ(shots[1].pixelColor(155, 5), clBtnFace);
    EXPECT_EQ(shots[1].pixelColor(105, 155), clRed);
}
