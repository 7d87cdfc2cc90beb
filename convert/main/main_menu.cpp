// The converter's main window: building it, its menus and tool bar, languages,
// re-activation and help. Positions are twips, scaled once.
#include "convert/main/main_menu.h"

#include "convert/core/captions.h"
#include "convert/dialogs/dialog_hooks.h"
#include "convert/main/tool_bar_pictures.h"
#include "platform/core/text_trim.h"
#include "platform/gui/dialogs.h"
#include "platform/gui/flex_grid.h"
#include "platform/gui/guard.h"
#include "platform/gui/paint_box.h"
#include "platform/gui/scaling.h"
#include "platform/gui/text.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

namespace convert {

using platform::TwipsPx;
using platform::TwipsRect;

namespace {

constexpr int kWindowWidth = 9495;   // twips
constexpr int kWindowHeight = 6630;  // twips
constexpr int kStatusHeight = 270;   // twips
constexpr int kGridTop = 4080;       // twips
constexpr int kGridMargin = 750;     // twips below the grid
constexpr int kWorkingAreaHelpTopic = 5;

struct TwipsLine {
    int x1, y1, x2, y2, width;
};

// Fraction bars, the hint lines from the two labels to the drop-down buttons of row 1,
// and the line above the result list.
constexpr std::array<TwipsLine, 7> kLines = {{
    {1560, 2160, 4680, 2160, 2},
    {6720, 2160, 9360, 2160, 2},
    {3120 + 240, 1215, 2640, 1800, 1},
    {3360 + 240, 1575, 2880, 1800, 1},
    {3120 + 240, 1215, 3120 + 240, 1215, 1},
    {3360 + 240, 1575, 3360 + 240, 1575, 1},
    {120, 3360, 9360, 3360, 2},
}};

QLabel* BoldLabel(const QString& text, QWidget* parent, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

MainMenu::MainMenu(std::filesystem::path workFolder, std::filesystem::path programFolder)
    : workFolder_(std::move(workFolder))
    , programFolder_(std::move(programFolder))
    , table_(std::make_unique<UnitTable>())
{
    setFont(platform::WindowFont(13));
    settings_ = ReadSettings(workFolder_);
    CurrentLanguage = LanguageFromCode(settings_.Language);

    CreateWorkingArea();
    CreateToolBar();
    CreateMenus();
    setWindowTitle(QStringLiteral("Mensuro - engineering unit converter"));

    LoadCustomMenu();
    ApplyLanguage();
    FillTypeLists();
    ExplainButton_->setEnabled(false);

    resize(TwipsPx(kWindowWidth), TwipsPx(kWindowHeight));
    setMinimumSize(TwipsPx(kWindowWidth), TwipsPx(kGridTop + 2000));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move((screen->geometry().width() - width()) / 2, (screen->geometry().height() - height()) / 2);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, platform::Guarded([this] { ShowHelp(kWorkingAreaHelpTopic); }));
}

MainMenu::~MainMenu() = default;

void MainMenu::CreateWorkingArea()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* big = new platform::PaintBox(central);
    PictureBig_ = big;
    big->setAutoFillBackground(true);
    QPalette grey = big->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    big->setPalette(grey);
    big->OnPaint = [](QPainter& p) {
        for (const TwipsLine& line : kLines) {
            p.setPen(QPen(Qt::black, line.width));
            p.drawLine(TwipsPx(line.x1), TwipsPx(line.y1), TwipsPx(line.x2), TwipsPx(line.y2));
        }
    };

    PictureStatus_ = new QLabel(central);
    PictureStatus_->setAutoFillBackground(true);
    QPalette light = PictureStatus_->palette();
    light.setColor(QPalette::Window, QColor(192, 192, 192));
    light.setColor(QPalette::WindowText, Qt::black);
    PictureStatus_->setPalette(light);
    PictureStatus_->setIndent(TwipsPx(60));

    ValueInBox_ = new QLineEdit(QStringLiteral("1"), big);
    ValueInBox_->setGeometry(TwipsRect(120, 2040, 1335, 285));
    connect(ValueInBox_, &QLineEdit::textChanged, this, platform::Guarded([this] { ValueInChange(); }));

    constexpr std::array<QPoint, 4> inputAt = {QPoint(1560, 1800), QPoint(3240, 1800), QPoint(1560, 2280),
                                               QPoint(3240, 2280)};
    constexpr std::array<QPoint, 4> outputAt = {QPoint(6720, 1800), QPoint(8160, 1800), QPoint(6720, 2280),
                                                QPoint(8160, 2280)};
    for (int j = 1; j <= 4; ++j) {
        const auto i = static_cast<std::size_t>(j - 1);
        auto* type = new QComboBox(big);
        type->setGeometry(TwipsRect(inputAt[i].x(), inputAt[i].y(), 1455, 315));
        if (j == 4) {
            QFont bold = type->font();
            bold.setBold(true);
            type->setFont(bold);
        }
        // The unit box lies on the type box, 240 twips narrower, so that only the type
        // box's drop-down button shows beside its own.
        auto* unit = new QComboBox(big);
        unit->setEditable(true);
        unit->setInsertPolicy(QComboBox::NoInsert);
        unit->setCompleter(nullptr); // completing "m" to "mm²" would change what was typed
        unit->setGeometry(TwipsRect(inputAt[i].x(), inputAt[i].y(), 1215, 315));
        auto* out = new QComboBox(big);
        out->setEditable(true);
        out->setInsertPolicy(QComboBox::NoInsert);
        out->setCompleter(nullptr);
        out->setGeometry(TwipsRect(outputAt[i].x(), outputAt[i].y(), 1215, 315));
        out->setEnabled(false);
        TypeIn_[i] = type;
        UnitIn_[i] = unit;
        UnitOut_[i] = out;
        connect(type, &QComboBox::activated, this, platform::Guarded([this, j](int) { TypeInClick(j); }));
        connect(unit, &QComboBox::editTextChanged, this, platform::Guarded([this, j](const QString&) { UnitInChange(j); }));
        connect(unit, &QComboBox::activated, this, platform::Guarded([this, j](int) { UnitInClick(j); }));
        connect(out, &QComboBox::activated, this, platform::Guarded([this, j](int) { UnitOutClick(j); }));
        unit->lineEdit()->installEventFilter(this);
        out->lineEdit()->installEventFilter(this);
    }

    BoldLabel(QStringLiteral("X"), big, TwipsRect(3000, 1800, 255, 255));
    BoldLabel(QStringLiteral("X"), big, TwipsRect(3000, 2280, 255, 255));
    BoldLabel(QStringLiteral("X"), big, TwipsRect(7920, 1800, 255, 255));
    BoldLabel(QStringLiteral("X"), big, TwipsRect(7920, 2280, 255, 255));
    BoldLabel(QStringLiteral("="), big, TwipsRect(4800, 2040, 135, 255));

    ValueOutLabel_ = new QLabel(big);
    ValueOutLabel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    ValueOutLabel_->setAutoFillBackground(true);
    ValueOutLabel_->setPalette(light);
    ValueOutLabel_->setGeometry(TwipsRect(5040, 2040, 1575, 255));
    ValueOutLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    KlickforTypeLabel_ = new QLabel(big);
    KlickforTypeLabel_->setGeometry(TwipsRect(3360, 1320, 4455, 255));
    KlickforUnitLabel_ = new QLabel(big);
    KlickforUnitLabel_->setGeometry(TwipsRect(3120, 960, 4335, 255));

    const auto button = [big](const QRect& geometry) {
        auto* b = new QPushButton(big);
        b->setGeometry(geometry);
        return b;
    };
    ExplainButton_ = button(TwipsRect(135, 2745, 2055, 375));
    ResetButton_ = button(TwipsRect(2520, 2760, 1335, 375));
    CalculateButton_ = button(TwipsRect(5160, 2760, 1335, 375));
    CopyButton_ = button(TwipsRect(6720, 2760, 2655, 375));
    ClearListButton_ = button(TwipsRect(135, 3600, 2055, 375));
    CopyMarkedButton_ = button(TwipsRect(5880, 3600, 3495, 375));
    connect(ExplainButton_, &QPushButton::clicked, this, platform::Guarded([this] { ExplainClick(); }));
    connect(ResetButton_, &QPushButton::clicked, this, platform::Guarded([this] { ClearInputs(); }));
    connect(CalculateButton_, &QPushButton::clicked, this, platform::Guarded([this] { CalculateClick(); }));
    connect(CopyButton_, &QPushButton::clicked, this, platform::Guarded([this] { CopyClick(); }));
    connect(ClearListButton_, &QPushButton::clicked, this, platform::Guarded([this] { ClearListClick(); }));
    connect(CopyMarkedButton_, &QPushButton::clicked, this, platform::Guarded([this] { CopyMarkedClick(); }));

    Grid1_ = new platform::FlexGrid(1, 5, big);
    constexpr std::array<int, 5> widths = {1320, 3010, 200, 1320, 3010}; // twips
    for (int c = 0; c < 5; ++c)
        Grid1_->SetColWidthTwips(c, widths[static_cast<std::size_t>(c)]);
    Grid1_->SetColAlignment(2, Qt::AlignLeft | Qt::AlignBottom);
    Grid1_->SetSelection(0, 0, 0, 4);
    Grid1_->hide();
    ClearListButton_->hide();
    CopyMarkedButton_->hide();
}

void MainMenu::CreateToolBar()
{
    auto* toolBar = new QWidget(PictureBig_);
    toolBar->setGeometry(TwipsRect(120, 0, 1485, 690));
    for (int i = 0; i < 3; ++i) {
        auto* button = new QToolButton(toolBar);
        button->setGeometry(TwipsRect(480 * i, 120, 375, 375));
        button->setIcon(ToolBarPicture(static_cast<ToolBarButton>(i)));
        button->setIconSize(QSize(TwipsPx(375) - 6, TwipsPx(375) - 6));
        button->setFocusPolicy(Qt::NoFocus);
        Command1_[static_cast<std::size_t>(i)] = button;
    }
    connect(Command1_[0], &QToolButton::clicked, this, platform::Guarded([this] { StartTemperatureConverter(); }));
    connect(Command1_[1], &QToolButton::clicked, this, platform::Guarded([this] {
                SaveInputs();
                ShowHelp(0);
            }));
    connect(Command1_[2], &QToolButton::clicked, this, &QWidget::close);
}

void MainMenu::CreateMenus()
{
    File_ = menuBar()->addMenu(QString());
    Database_ = File_->addMenu(QString());
    connect(Database_, &QMenu::aboutToShow, this, platform::Guarded([this] { SaveInputs(); }));
    for (std::size_t i = 0; i < categoryActions_.size(); ++i) {
        QAction* action = Database_->addAction(QString());
        connect(action, &QAction::triggered, this, platform::Guarded([this, action] {
                    OpenDatabase(StripAmpersand(platform::ToAnsi(action->text())), std::string());
                }));
        categoryActions_[i] = action;
    }
    OtherCustom_ = Database_->addMenu(QString());
    connect(OtherCustom_, &QMenu::aboutToShow, this, platform::Guarded([this] {
                for (int slot = 0; slot < 10; ++slot)
                    if (!CustomFileStem(settings_, static_cast<std::size_t>(slot)).empty())
                        return;
                ShowMessage(NoCustomFilesMessage(CurrentLanguage), true);
            }));
    for (std::size_t i = 0; i < customFileActions_.size(); ++i) {
        QAction* action = OtherCustom_->addAction(QString());
        connect(action, &QAction::triggered, this, platform::Guarded([this, action] {
                    OpenDatabase("USER", std::string(platform::TrimRight(platform::ToAnsi(action->text()))));
                }));
        customFileActions_[i] = action;
    }
    FileExit_ = File_->addAction(QString());
    connect(FileExit_, &QAction::triggered, this, &QWidget::close);

    Optionen_ = menuBar()->addMenu(QString());
    TempConvert_ = Optionen_->addAction(QString());
    connect(TempConvert_, &QAction::triggered, this, platform::Guarded([this] { StartTemperatureConverter(); }));
    // Commands that may change data files ask for the password first.
    const auto guardedByPassword = [this](void (*open)(MainMenu&)) {
        return platform::Guarded([this, open] {
            CheckIfPassword(*this);
            if (!AccessGranted)
                return;
            SaveInputs();
            open(*this);
            AfterDialog();
        });
    };
    CustomNamesEdit_ = Optionen_->addAction(QString());
    connect(CustomNamesEdit_, &QAction::triggered, this, guardedByPassword(&OpenCustomFileDialog));
    Passwort_ = Optionen_->addAction(QString());
    connect(Passwort_, &QAction::triggered, this, guardedByPassword(&OpenPasswordDefinition));
    Sprache_ = Optionen_->addMenu(QString());
    // Menu order English, German, French; the language codes are 1, 0, 2.
    for (const int code : {1, 0, 2}) {
        QAction* action = Sprache_->addAction(QString());
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, platform::Guarded([this, code] { SetLanguage(code); }));
        languageActions_[static_cast<std::size_t>(code)] = action;
    }
    Optionen_->addSeparator();
    const auto otherHelp = [this](const char* file) {
        return platform::Guarded([this, file] {
            const QString current = HelpFile;
            HelpFile = QString::fromLatin1(file);
            SaveInputs();
            ShowHelp(0);
            HelpFile = current;
        });
    };
    Constants_ = Optionen_->addAction(QString());
    connect(Constants_, &QAction::triggered, this, otherHelp("constant.hlp"));
    Geometry_ = Optionen_->addAction(QString());
    connect(Geometry_, &QAction::triggered, this, otherHelp("geometry.hlp"));

    Help_ = menuBar()->addMenu(QString());
    connect(Help_, &QMenu::aboutToShow, this, platform::Guarded([this] { SaveInputs(); }));
    HelpIndex_ = Help_->addAction(QString());
    connect(HelpIndex_, &QAction::triggered, this, platform::Guarded([this] {
                SaveInputs();
                ShowHelp(0);
            }));
    HelpAbout_ = Help_->addAction(QString());
    connect(HelpAbout_, &QAction::triggered, this, platform::Guarded([this] {
                SaveInputs();
                platform::CurrentDialogs().MessageBox(
                    this, HelpAbout_->text().remove(QLatin1Char('&')),
                    QStringLiteral("Mensuro\n\nEngineering unit converter: length, area, volume, mass, force, "
                                   "pressure, density, energy, power, temperature, viscosity, time and your "
                                   "own categories.\n\nFree software under the GNU General Public License, "
                                   "version 3 or later."),
                    platform::MessageIcon::Information, platform::MessageButtons::Ok);
            }));
}

QAction* MainMenu::LanguageAction(Language language) const
{
    return languageActions_.at(static_cast<std::size_t>(language));
}

void MainMenu::OpenDatabase(const std::string& category, const std::string& dataFile)
{
    CheckIfPassword(*this);
    if (!AccessGranted)
        return;
    CurrentCategory = category;
    if (!dataFile.empty() || category == "USER")
        CurrentDataFile = dataFile;
    OpenUnitDatabaseEditor(*this);
    AfterDialog();
}

void MainMenu::StartTemperatureConverter()
{
    SaveInputs();
    OpenTemperatureConverter(*this);
    ExplainButton_->setEnabled(false);
    AfterDialog();
}

// A modal dialog has closed: the window becomes active again.
void MainMenu::AfterDialog() { Activate(); }

void MainMenu::ApplyLanguage()
{
    const Language l = CurrentLanguage;
    const auto text = [l](Caption caption) { return platform::FromAnsi(CaptionText(caption, l)); };
    HelpFile = QString::fromStdString(HelpFileName(l));
    Command1_[0]->setToolTip(text(Caption::TipTemperature));
    Command1_[1]->setToolTip(text(Caption::TipHelp));
    Command1_[2]->setToolTip(text(Caption::TipExit));
    CalculateButton_->setText(text(Caption::Calculate));
    CopyButton_->setText(text(Caption::CopyResult));
    CopyMarkedButton_->setText(text(Caption::CopyMarked));
    ClearListButton_->setText(text(Caption::ClearList));
    ExplainButton_->setText(text(Caption::Explain));
    ExplainButton_->setVisible(l == Language::English);
    ResetButton_->setText(text(Caption::Reset));
    KlickforTypeLabel_->setText(text(Caption::ClickForType));
    KlickforUnitLabel_->setText(text(Caption::ClickForUnit));
    File_->setTitle(text(Caption::File));
    Database_->setTitle(text(Caption::Database));
    for (std::size_t i = 0; i < categoryActions_.size(); ++i)
        categoryActions_[i]->setText(text(kCategoryCaptions[i]));
    OtherCustom_->setTitle(text(Caption::OtherCustom));
    FileExit_->setText(text(Caption::FileExit));
    Optionen_->setTitle(text(Caption::Options));
    CustomNamesEdit_->setText(text(Caption::CustomNamesEdit));
    TempConvert_->setText(text(Caption::TempConvert));
    Passwort_->setText(text(Caption::Password));
    Sprache_->setTitle(text(Caption::Language));
    languageActions_[1]->setText(text(Caption::LanguageEnglish));
    languageActions_[0]->setText(text(Caption::LanguageGerman));
    languageActions_[2]->setText(text(Caption::LanguageFrench));
    for (std::size_t code = 0; code < languageActions_.size(); ++code)
        languageActions_[code]->setChecked(code == static_cast<std::size_t>(l));
    Constants_->setText(text(Caption::Constants));
    Geometry_->setText(text(Caption::Geometry));
    Help_->setTitle(text(Caption::Help));
    HelpIndex_->setText(text(Caption::HelpIndex));
    HelpAbout_->setText(text(Caption::HelpAbout));
    PictureStatus_->setText(text(Caption::StatusNotice));
}

QString MainMenu::StatusNotice() const { return PictureStatus_->text(); }

void MainMenu::FillTypeLists()
{
    for (int j = 1; j <= 4; ++j) {
        QComboBox* type = TypeIn(j);
        type->clear();
        for (const Caption caption : kCategoryCaptions)
            type->addItem(platform::FromAnsi(StripAmpersand(CaptionText(caption, CurrentLanguage))));
        AddCustomTypes(j);
        type->setCurrentIndex(-1);
    }
}

void MainMenu::AddCustomTypes(int j)
{
    settings_ = ReadSettings(workFolder_);
    for (std::size_t slot = 0; slot < settings_.CustomFiles.size(); ++slot)
        if (const std::string stem = CustomFileStem(settings_, slot); !stem.empty())
            TypeIn(j)->addItem(platform::FromAnsi(stem));
}

// Free slots are hidden; the menu keeps its ten entries.
void MainMenu::LoadCustomMenu()
{
    settings_ = ReadSettings(workFolder_);
    for (std::size_t slot = 0; slot < customFileActions_.size(); ++slot) {
        const std::string stem = CustomFileStem(settings_, slot);
        customFileActions_[slot]->setText(platform::FromAnsi(stem));
        customFileActions_[slot]->setVisible(!stem.empty());
    }
}

void MainMenu::SetLanguage(int code)
{
    CurrentLanguage = LanguageFromCode(code);
    settings_ = ReadSettings(workFolder_);
    settings_.Language = static_cast<std::int16_t>(CurrentLanguage);
    if (!WriteSettings(settings_, workFolder_))
        ShowMessage(WriteErrorMessage(CurrentLanguage));
    ApplyLanguage();
    FillTypeLists();
    ClearInputs();
}

void MainMenu::SaveInputs()
{
    for (int j = 1; j <= 4; ++j)
        SavedTypes[static_cast<std::size_t>(j - 1)] = TypeText(j);
}

void MainMenu::Activate()
{
    LoadCustomMenu();
    ApplyLanguage();
    FillTypeLists();
    ExplainButton_->setEnabled(false);
    for (int j = 1; j <= 4; ++j)
        TypeIn(j)->setCurrentIndex(TypeIn(j)->findText(platform::FromAnsi(SavedTypes[static_cast<std::size_t>(j - 1)])));
}

void MainMenu::ShowHelp(int topic)
{
    platform::CurrentDialogs().ShowHelp(QString::fromStdString((programFolder_ / HelpFile.toStdString()).string()),
                                        topic);
}

void MainMenu::ShowMessage(const MessageText& message, bool information)
{
    platform::CurrentDialogs().MessageBox(this, platform::FromAnsi(message.title), platform::FromAnsi(message.text),
                                          information ? platform::MessageIcon::Information
                                                      : platform::MessageIcon::Warning,
                                          platform::MessageButtons::Ok);
}

void MainMenu::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    QWidget* central = centralWidget();
    const int statusHeight = TwipsPx(kStatusHeight);
    PictureBig_->setGeometry(0, 0, central->width(), central->height() - statusHeight);
    PictureStatus_->setGeometry(0, central->height() - statusHeight, central->width(), statusHeight);
    Grid1_->setGeometry(TwipsPx(120), TwipsPx(kGridTop), TwipsPx(9255),
                        std::max(TwipsPx(500), PictureBig_->height() - TwipsPx(kGridTop) - TwipsPx(kGridMargin) / 3));
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int j = 1; j <= 4; ++j) {
            if (watched == UnitIn(j)->lineEdit())
                platform::RunGuarded([this, j] { UnitInGotFocus(j); });
            else if (watched == UnitOut(j)->lineEdit())
                platform::RunGuarded([this, j] { UnitOutGotFocus(j); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace convert
