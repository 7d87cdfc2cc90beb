#include "platform/core/errors.h"
#include "platform/gui/application.h"
#include "platform/gui/guard.h"
#include "platform/gui/scripted_dialogs.h"
#include "tests/support/qt_gtest.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

TEST(Guard, EscapingExceptionBecomesAMessageBoxWithTheTitle)
{
    ScriptedDialogs dialogs;
    ScopedDialogs installed(dialogs);
    SetApplicationTitle("Atomara");

    QPushButton button;
    int after = 0;
    QObject::connect(&button, &QPushButton::clicked, Guarded([&] {
                         throw EConvertError("'x' is not a valid integer value");
                         ++after;
                     }));
    QTest::mouseClick(&button, Qt::LeftButton);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Atomara");
    EXPECT_EQ(dialogs.messages[0].text, "'x' is not a valid integer value");
    EXPECT_EQ(after, 0);
    EXPECT_TRUE(RunGuarded([] {}));
    EXPECT_FALSE(RunGuarded([] { throw 42; }));
    EXPECT_EQ(dialogs.messages.back().text, "Unexpected error");
}
