// Text pasted with the middle mouse button goes through a digit edit's key filter, as Ctrl+V does.
#include "platform/controls.h"
#include "platform/form.h"
#include "shell/ziffernfilter.h"
#include "support/xserver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(Paste, TheMiddleButtonBringsOnlyDigitsIntoADigitEdit)
{
    if (!onXServer()) GTEST_SKIP();
    Form form;
    form.setDesignGeometry(50, 50, 200, 80);
    auto* zahl = new Edit(&form, 10, 10, 60, 28);
    zahl->OnKeyPress = [](QChar& c) { c = tasten::ziffernfilter(c); };
    Form::setModalDriver([&](Form& shown) {
        ASSERT_TRUE(waitActive(&shown));
        ASSERT_TRUE(QGuiApplication::clipboard()->supportsSelection());
        QGuiApplication::clipboard()->setText(QStringLiteral("MA12"), QClipboard::Selection);
        QTest::mouseClick(zahl, Qt::MiddleButton, {}, QPoint(5, 5));
        EXPECT_EQ(zahl->text(), QStringLiteral("12"));
        form.hide();
    });
    form.showModal();
    Form::setModalDriver({});
}
