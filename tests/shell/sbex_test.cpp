#include "platform/controls.h"
#include "platform/form.h"
#include "shell/SBEx.h"
#include "support/fixtures.h"
#include "support/keys.h"

#include <QCoreApplication>
#include <QScrollBar>

namespace {

// A cursor-moving window: a tiny arrow-key box that holds the focus, arrow buttons beside it, a check
// button (Default) and a log of the moves.
class ScrollBoxTest : public TaviTest {
protected:
    void SetUp() override
    {
        TaviTest::SetUp();
        check->Default = true;
        check->OnClick = [this] { log << "check"; };
        box->OnKeyDown = [this](quint16& key, ShiftState) { log << QString("move %1").arg(key); };
        form.show();
        SetFocus(box);
    }
    void TearDown() override
    {
        form.Close();
        TaviTest::TearDown();
    }
    // pftast: the four arrow keys are wanted.
    void claimArrows()
    {
        box->OnWantSpecialKey = [](QObject*, quint16 key, bool& wanted) {
            if (key >= 37 && key <= 40) wanted = true;
        };
    }

    Form form;
    TScrollBoxEx* box = new TScrollBoxEx(&form, 1, 1, 1, 1);
    Button* left = new Button(&form, "E", 10, 95, 54, 74);
    Button* right = new Button(&form, "F", 136, 95, 54, 74);
    Button* check = new Button(&form, "&gefunden?", 10, 200, 200, 45);
    QStringList log;
};

} // namespace

TEST_F(ScrollBoxTest, ClaimedArrowsReachTheOwnerAndKeepTheFocus)
{
    claimArrows();
    form.KeyPreview = true;
    form.OnKeyDown = [this](quint16& key, ShiftState) { log << QString("form %1").arg(key); };
    for (Qt::Key k : { Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down })
        pressKey(&form, k);
    EXPECT_EQ(
        log, QStringList({ "form 37", "move 37", "form 38", "move 38", "form 39", "move 39", "form 40", "move 40" }));
    EXPECT_EQ(form.focusWidget(), box);
}

TEST_F(ScrollBoxTest, UnclaimedKeysKeepTheirUsualMeaning)
{
    // Without a handler the box claims nothing: an arrow moves the focus.
    pressKey(&form, Qt::Key_Right);
    EXPECT_EQ(form.focusWidget(), left);
    EXPECT_TRUE(log.isEmpty());

    // A handler that wants only the arrows leaves Enter to the Default button.
    claimArrows();
    SetFocus(box);
    pressKey(&form, Qt::Key_Return);
    EXPECT_EQ(log, QStringList({ "check" }));
    EXPECT_FALSE(box->wantsSpecialKey(vk::Return));

    // A handler that leaves Wanted false gives the arrow back to the window.
    box->OnWantSpecialKey = [](QObject*, quint16, bool&) {};
    pressKey(&form, Qt::Key_Left);
    EXPECT_NE(form.focusWidget(), box);
}

TEST_F(ScrollBoxTest, HeldArrowRepeatsTheMove)
{
    claimArrows();
    int ups = 0;
    box->OnKeyUp = [&](quint16&, ShiftState) { ++ups; };
    holdKey(&form, Qt::Key_Down, 4);
    EXPECT_EQ(log, QStringList({ "move 40", "move 40", "move 40", "move 40" }));
    EXPECT_EQ(ups, 1);
}

TEST_F(ScrollBoxTest, ClaimedArrowsDoNotScrollTheBox)
{
    claimArrows();
    place(box, 220, 10, 100, 100);
    auto* content = new QWidget;
    content->resize(1000, 1000);
    box->setWidget(content);
    SetFocus(box);
    holdKey(&form, Qt::Key_Down, 3);
    holdKey(&form, Qt::Key_Right, 3);
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
    EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(log.size(), 6);
}

TEST_F(ScrollBoxTest, SmoothScrollingFollowsTheThumbWhileItIsDragged)
{
    place(box, 220, 10, 100, 100);
    auto* content = new QWidget;
    content->resize(1000, 1000);
    box->setWidget(content);
    QList<std::pair<quint16, bool>> scrolls;
    box->OnScroll = [&](QObject* sender, quint16 code, bool horz) {
        EXPECT_EQ(sender, box);
        scrolls << std::pair { code, horz };
    };
    EXPECT_TRUE(box->SmoothScrolling());

    QScrollBar* bar = box->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(300);
    EXPECT_EQ(bar->value(), 300);
    EXPECT_EQ(content->y(), -300);
    bar->setSliderDown(false);

    // Without smooth scrolling the box stays until the thumb is let go.
    box->setSmoothScrolling(false);
    QScrollBar* hbar = box->horizontalScrollBar();
    hbar->setSliderDown(true);
    hbar->setSliderPosition(200);
    EXPECT_EQ(hbar->value(), 0);
    hbar->setSliderDown(false);
    EXPECT_EQ(hbar->value(), 200);

    QCoreApplication::processEvents();
    ASSERT_GE(scrolls.size(), 4);
    EXPECT_EQ(scrolls.at(0), (std::pair<quint16, bool>(sb::ThumbTrack, false)));
    EXPECT_TRUE(scrolls.contains(std::pair<quint16, bool>(sb::ThumbPosition, false)));
    EXPECT_TRUE(scrolls.contains(std::pair<quint16, bool>(sb::ThumbTrack, true)));
    EXPECT_TRUE(scrolls.contains(std::pair<quint16, bool>(sb::EndScroll, true)));
}
