// The conversion area: choosing categories and units, calculating compound
// conversions, and the result list with its clipboard commands.
#include "convert/core/captions.h"
#include "convert/core/categories.h"
#include "convert/core/conversion.h"
#include "convert/core/number_text.h"
#include "convert/core/working_area.h"
#include "convert/main/main_menu.h"
#include "platform/core/decimal_separator.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/flex_grid.h"
#include "platform/gui/text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace convert {

std::string MainMenu::TypeText(int j) const { return platform::ToAnsi(TypeIn(j)->currentText()); }

std::string MainMenu::UnitText(const QComboBox* box) const { return platform::ToAnsi(box->currentText()); }

void MainMenu::TypeInClick(int j)
{
    CurrentCategory = TypeText(j);
    CurrentDataFile = StemForCategory(CurrentCategory);
    ReadUnitFile(Table(), CurrentDataFile, workFolder_);
    UnitIn(j)->clear();
    UnitOut(j)->clear();
    for (int i = 1; i <= Table().UnitCount; ++i) {
        const QString name = platform::FromAnsi(Table().UnitNames[static_cast<std::size_t>(i)]);
        UnitIn(j)->addItem(name);
        UnitOut(j)->addItem(name);
    }
    if (UnitIn(j)->count() > 0) {
        UnitIn(j)->setCurrentIndex(0);
        UnitOut(j)->setCurrentIndex(0);
        UnitInClick(j);
        UnitOutClick(j);
    }
    ValueOutLabel_->clear();
}

void MainMenu::UnitInChange(int j)
{
    if (UnitIn(j)->currentText().isEmpty()) {
        UnitOut(j)->clear();
        UnitOut(j)->setEnabled(false);
    }
    UnitIn(j)->lineEdit()->deselect();
}

void MainMenu::SetExplain(const QComboBox* box, int j)
{
    box->lineEdit()->selectAll();
    explainUnit_ = UnitText(box);
    explainCategory_ = TypeText(j);
    ExplainButton_->setEnabled(true);
}

void MainMenu::DeselectUnitBoxesExcept(const QComboBox* keep)
{
    for (int i = 1; i <= 4; ++i)
        for (QComboBox* box : {UnitIn(i), UnitOut(i)})
            if (box != keep)
                box->lineEdit()->deselect();
}

void MainMenu::UnitInClick(int j)
{
    const bool hasUnit = !UnitIn(j)->currentText().isEmpty();
    if (hasUnit)
        UnitOut(j)->setEnabled(true);
    ValueOutLabel_->clear();
    ExplainButton_->setEnabled(false);
    if (hasUnit)
        SetExplain(UnitIn(j), j);
    DeselectUnitBoxesExcept(UnitIn(j));
}

void MainMenu::UnitInGotFocus(int j)
{
    ExplainButton_->setEnabled(false);
    if (!UnitIn(j)->currentText().isEmpty())
        SetExplain(UnitIn(j), j);
    DeselectUnitBoxesExcept(UnitIn(j));
}

void MainMenu::UnitOutClick(int j)
{
    ValueOutLabel_->clear();
    UnitOutGotFocus(j);
}

void MainMenu::UnitOutGotFocus(int j)
{
    ExplainButton_->setEnabled(false);
    if (!UnitOut(j)->currentText().isEmpty())
        SetExplain(UnitOut(j), j);
    DeselectUnitBoxesExcept(UnitOut(j));
}

void MainMenu::ValueInChange() { ValueOutLabel_->clear(); }

// Each used row reads its category's file afresh. A row that cannot be resolved (no
// file, an unknown unit, no output unit) is reported and adds no row, instead of
// reading a factor from past the end of the table.
void MainMenu::CalculateClick()
{
    std::array<ConversionRow, kConversionRows> rows{};
    for (int j = 1; j <= 4; ++j) {
        const std::string input = UnitText(UnitIn(j));
        if (input.empty())
            continue;
        const std::string category = TypeText(j);
        const RowResolution row = ResolveRow(Table(), workFolder_, category, input, UnitText(UnitOut(j)));
        switch (row.problem) {
        case RowResolution::Problem::None:
            rows[static_cast<std::size_t>(j - 1)] = {true, row.factor};
            continue;
        case RowResolution::Problem::UnreadableFile:
            ShowMessage(UnreadableUnitFileMessage(CurrentLanguage, row.fileName));
            return;
        case RowResolution::Problem::MissingOutputUnit:
            ShowMessage(MissingOutputUnitMessage(CurrentLanguage, j));
            return;
        case RowResolution::Problem::UnknownUnit:
            ShowMessage(UnknownUnitMessage(CurrentLanguage, row.unknownUnit, category));
            return;
        }
    }
    const double value = TextToNumber(CommaToPoint(platform::ToAnsi(ValueInBox_->text())));
    const auto result = ConvertValue(value, rows);
    if (!result) {
        ShowMessage(CalculationErrorMessage(CurrentLanguage));
        return;
    }
    ValueOutLabel_->setText(platform::FromAnsi(FormatNumber(*result, platform::DecimalSeparator())));
    AppendResultRow();
}

void MainMenu::AppendResultRow()
{
    const auto expression = [this](const std::array<QComboBox*, 4>& boxes) {
        return platform::FromAnsi(UnitExpression(
            {UnitText(boxes[0]), UnitText(boxes[1]), UnitText(boxes[2]), UnitText(boxes[3])}));
    };
    const QStringList cells = {ValueInBox_->text(), expression(UnitIn_), QStringLiteral("="), ValueOutLabel_->text(),
                               expression(UnitOut_)};
    int row = 0;
    if (listEmpty_) {
        listEmpty_ = false;
    } else {
        row = Grid1_->Rows();
        Grid1_->SetRows(row + 1);
    }
    for (int c = 0; c < cells.size(); ++c)
        Grid1_->SetTextMatrix(row, c, cells[c]);
    Grid1_->show();
    CopyMarkedButton_->show();
    ClearListButton_->show();
    for (int top = ResultListTopRow(Grid1_->Rows()); top >= 0; --top)
        if (Grid1_->SetTopRow(top))
            break;
}

void MainMenu::CopyClick() { platform::SetClipboardText(ValueOutLabel_->text()); }

void MainMenu::CopyMarkedClick()
{
    const std::string text = MarkedCellsText(Grid1_->Row(), Grid1_->Col(), Grid1_->RowSel(), Grid1_->ColSel(),
                                             [this](int r, int c) { return platform::ToAnsi(Grid1_->TextMatrix(r, c)); });
    platform::SetClipboardText(platform::FromAnsi(text));
}

void MainMenu::ClearListClick()
{
    Grid1_->SetRows(1);
    Grid1_->hide();
    CopyMarkedButton_->hide();
    ClearListButton_->hide();
    listEmpty_ = true;
}

void MainMenu::ClearInputs()
{
    for (int j = 1; j <= 4; ++j) {
        UnitIn(j)->setCurrentIndex(-1);
        UnitIn(j)->setEditText(QString());
        TypeIn(j)->setCurrentIndex(-1);
        UnitOut(j)->setEditText(QString());
    }
    ValueInBox_->setText(QStringLiteral("1"));
    ValueOutLabel_->clear();
    ExplainButton_->setEnabled(false);
}

void MainMenu::ExplainClick()
{
    CurrentCategory = explainCategory_;
    CurrentDataFile = StemForCategory(explainCategory_);
    const std::string text = ExplainText(Table(), workFolder_, explainCategory_, explainUnit_);
    platform::CurrentDialogs().MessageBox(this, QStringLiteral("Message"), platform::FromAnsi(text),
                                          platform::MessageIcon::Information, platform::MessageButtons::Ok);
    ExplainButton_->setEnabled(false);
    explainUnit_.clear();
    explainCategory_.clear();
}

} // namespace convert
