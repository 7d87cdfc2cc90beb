// The converter's main window driven as a user would: categories, units, Calculate,
// the result list, the clipboard and the language switch.
#include "convert/core/settings.h"
#include "convert/main/main_menu.h"
#include "platform/core/decimal_separator.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/flex_grid.h"
#include "platform/gui/scripted_dialogs.h"
#include "tests/support/qt_gtest.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace convert;

namespace {

class MainMenuTest : public ::testing::Test {
protected:
    MainMenuTest()
    {
        for (const auto& entry : std::filesystem::directory_iterator(CONVERT_DATA_DIR))
            if (entry.path().extension() == ".VAL")
                std::filesystem::copy_file(entry.path(), work.Path() / entry.path().filename());
    }

    MainMenu& Start()
    {
        window = std::make_unique<MainMenu>(work.Path(), work.Path());
        window->show();
        window->Activate();
        QCoreApplication::processEvents();
        return *window;
    }

    void English() { window->LanguageAction(Language::English)->trigger(); }

    void Choose(int j, const QString& category, const QString& input, const QString& output)
    {
        QComboBox* type = window->TypeIn(j);
        type->setCurrentIndex(type->findText(category));
        ASSERT_GE(type->currentIndex(), 0) << category.toStdString();
        window->TypeInClick(j);
        window->UnitIn(j)->setCurrentIndex(window->UnitIn(j)->findText(input));
        window->UnitInClick(j);
        window->UnitOut(j)->setCurrentIndex(window->UnitOut(j)->findText(output));
        window->UnitOutClick(j);
    }

    QStringList GridRow(int row) const
    {
        QStringList cells;
        for (int c = 0; c < 5; ++c)
            cells << window->Grid1()->TextMatrix(row, c);
        return cells;
    }

    testsupport::TempFolder work;
    platform::ScopedDecimalSeparator separator{'.'};
    platform::ScriptedDialogs dialogs;
    platform::ScopedDialogs installed{dialogs};
    std::unique_ptr<MainMenu> window;
};

} // namespace

TEST_F(MainMenuTest, CompoundConversionAddsAListRow)
{
    Start();
    English();
    Choose(1, "Length", "km", "m");
    Choose(3, "Time", "h", "s");
    window->ValueInBox()->setText("36");
    window->CalculateButton()->click();
    EXPECT_EQ(window->ValueOutLabel()->text(), "10");
    EXPECT_EQ(GridRow(0), (QStringList{"36", "km/h", "=", "10", "m/s"}));
    EXPECT_TRUE(window->Grid1()->isVisible());
    EXPECT_TRUE(window->CopyMarkedButton()->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());

    window->CopyButton()->click();
    EXPECT_EQ(platform::ClipboardText(), "10");
}

TEST_F(MainMenuTest, CommaValueAndLocaleSeparator)
{
    platform::ScopedDecimalSeparator comma(',');
    Start();
    Choose(1, QString::fromUtf8("Länge"), "km", "m");
    window->ValueInBox()->setText("1,5");
    window->CalculateButton()->click();
    EXPECT_EQ(window->ValueOutLabel()->text(), "1500");
    EXPECT_EQ(window->Grid1()->TextMatrix(0, 0), "1,5");
    Choose(1, QString::fromUtf8("Länge"), "m", "km");
    window->ValueInBox()->setText("2.5");
    window->CalculateButton()->click();
    EXPECT_EQ(window->ValueOutLabel()->text(), "2,5e-003");
}

TEST_F(MainMenuTest, NinthResultScrollsAndClearListHides)
{
    Start();
    Choose(1, QString::fromUtf8("Länge"), "km", "m");
    for (int i = 1; i <= 9; ++i) {
        window->ValueInBox()->setText(QString::number(i));
        window->CalculateButton()->click();
    }
    EXPECT_EQ(window->Grid1()->Rows(), 9);
    EXPECT_EQ(window->Grid1()->TopRow(), 1);
    EXPECT_EQ(window->Grid1()->TextMatrix(8, 3), "9000");

    window->ClearListButton()->click();
    EXPECT_FALSE(window->Grid1()->isVisible());
    EXPECT_FALSE(window->CopyMarkedButton()->isVisible());
    EXPECT_TRUE(window->ListEmpty());
    window->CalculateButton()->click();
    EXPECT_EQ(window->Grid1()->Rows(), 1);
}

TEST_F(MainMenuTest, CopyMarkedCellsTopDownAndBottomUp)
{
    Start();
    Choose(1, QString::fromUtf8("Länge"), "km", "m");
    window->CalculateButton()->click();
    window->ValueInBox()->setText("2");
    window->CalculateButton()->click();
    window->Grid1()->SetSelection(0, 0, 1, 4);
    window->CopyMarkedButton()->click();
    EXPECT_EQ(platform::ClipboardText(), "1 km = 1000 m \r2 km = 2000 m \r");
    window->Grid1()->SetSelection(1, 0, 0, 4);
    window->CopyMarkedButton()->click();
    EXPECT_EQ(platform::ClipboardText(), "");
}

TEST_F(MainMenuTest, RowsThatCannotBeResolvedAreReportedAndAddNothing)
{
    Start();
    English();
    Choose(1, "Length", "km", "m");
    window->UnitIn(1)->setEditText("kmh");
    window->CalculateButton()->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "There is no unit \"kmh\" in \"Length\".");
    EXPECT_EQ(dialogs.messages[0].title, "Error");

    Choose(1, "Length", "km", "m");
    window->UnitOut(1)->setEditText("");
    window->CalculateButton()->click();
    EXPECT_EQ(dialogs.messages.back().text, "Please choose the output unit of row 1.");

    Choose(1, "Length", "km", "m");
    std::filesystem::remove(work.Path() / "Length.VAL");
    window->CalculateButton()->click();
    EXPECT_EQ(dialogs.messages.back().text, "The unit data file Length.VAL is missing or cannot be read.");
    EXPECT_TRUE(window->ListEmpty());
    EXPECT_EQ(window->ValueOutLabel()->text(), "");
}

TEST_F(MainMenuTest, FirstStartIsGermanAndLeavesAnEmptySettingsFile)
{
    Start();
    EXPECT_EQ(window->CalculateButton()->text(), "Berechnen");
    EXPECT_FALSE(window->ExplainButton()->isVisible());
    EXPECT_EQ(window->LanguageAction(Language::German)->isChecked(), true);
    EXPECT_EQ(std::filesystem::file_size(work.Path() / "CONVERT.INI"), 0u);
    EXPECT_EQ(window->TypeIn(1)->count(), 13);
    EXPECT_EQ(window->HelpFile, "convger.hlp");

    emit window->OtherCustomMenu()->aboutToShow();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Mitteilung");
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Keine benutzerdefinierten Daten vorhanden."));
}

TEST_F(MainMenuTest, LanguageSwitchStoresOnlyTheLanguage)
{
    SettingsRecord record;
    record.Language = 0;
    record.Password = std::string("\x01\x02secret", 8) + std::string(12, ' ');
    record.CustomFiles[3] = "Myunits     ";
    ASSERT_TRUE(WriteSettings(record, work.Path()));
    const std::string before = work.Read("CONVERT.INI");
    Start();
    Choose(1, QString::fromUtf8("Länge"), "km", "m");
    window->CalculateButton()->click();
    English();
    const std::string after = work.Read("CONVERT.INI");
    ASSERT_EQ(after.size(), 142u);
    EXPECT_EQ(after[0], 1);
    EXPECT_EQ(after[1], 0);
    EXPECT_EQ(after.substr(2), before.substr(2));
    EXPECT_EQ(window->CalculateButton()->text(), "Calculate");
    EXPECT_FALSE(window->ExplainButton()->isHidden());
    EXPECT_EQ(window->ValueInBox()->text(), "1");
    EXPECT_EQ(window->UnitIn(1)->currentText(), "");
    EXPECT_FALSE(window->UnitOut(1)->isEnabled());
    EXPECT_EQ(window->Grid1()->Rows(), 1);           // the list stays
    EXPECT_EQ(window->TypeIn(2)->itemText(13), "Myunits"); // custom stems after the thirteen
    EXPECT_TRUE(window->CustomFileAction(3)->isVisible());
    EXPECT_FALSE(window->CustomFileAction(0)->isVisible());
    window.reset();

    Start();
    EXPECT_EQ(window->CurrentLanguage, Language::English);
    EXPECT_EQ(window->HelpFile, "conveng.hlp");
}

TEST_F(MainMenuTest, ExplainAbbreviationInEnglish)
{
    Start();
    English();
    Choose(1, "Length", "km", "m");
    window->UnitInClick(1);
    EXPECT_TRUE(window->ExplainButton()->isEnabled());
    window->ExplainButton()->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Message");
    EXPECT_EQ(dialogs.messages[0].text, "km stands for kilometre");
    EXPECT_FALSE(window->ExplainButton()->isEnabled());
}

TEST_F(MainMenuTest, ActivationAfterADialogGivesTheTypeBoxesTheirTexts)
{
    Start();
    Choose(1, QString::fromUtf8("Länge"), "km", "m");
    Choose(3, "Zeit", "h", "s");
    window->SaveInputs();
    window->Activate();
    EXPECT_EQ(window->TypeIn(1)->currentText(), QString::fromUtf8("Länge"));
    EXPECT_EQ(window->TypeIn(3)->currentText(), "Zeit");
    EXPECT_EQ(window->UnitIn(1)->currentText(), "km");
    window->CalculateButton()->click();
    EXPECT_EQ(window->ValueOutLabel()->text(), ".277778");
}

TEST_F(MainMenuTest, TypedUnitsAreTakenAsTyped)
{
    Start();
    Choose(1, QString::fromUtf8("Länge"), "km", "m");
    // Typing over the selected text, as after a click into the box.
    window->UnitIn(1)->lineEdit()->selectAll();
    QTest::keyClicks(window->UnitIn(1)->lineEdit(), "km");
    window->UnitOut(1)->lineEdit()->selectAll();
    QTest::keyClicks(window->UnitOut(1)->lineEdit(), "m");
    EXPECT_EQ(window->UnitIn(1)->currentText(), "km");
    EXPECT_EQ(window->UnitOut(1)->currentText(), "m");
    window->CalculateButton()->click();
    EXPECT_EQ(window->ValueOutLabel()->text(), "1000");
}
