#include "ui/umain.h"

#include "dialogs/udownload.h"
#include "dialogs/uproperties.h"
#include "dialogs/usettings.h"
#include "model/placement.h"
#include "model/render.h"
#include "base/terror.h"
#include "base/datafolders.h"
#include "project/lcdfile.h"
#include "ui/builtinpictures.h"
#include "widgets/colorbox.h"
#include "ui/localization.h"
#include "widgets/messages.h"
#include "ui/palette.h"
#include "widgets/radiogroup.h"
#include "ui/screenview.h"
#include "ui/scrtab.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <clocale>

namespace {

const QString SecSettings = QStringLiteral("Settings");
// The largest zoom factor: a portrait screen is then 1920 x 2560 window pixels, which the view still
// renders at once on every change.
constexpr int MaxZoom = 8;
const QString SecWindow = QStringLiteral("Window");

// A tool-bar picture: a short sign on a coloured tile.
QIcon ToolIcon(const QString& sign, QColor tile)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(tile);
    p.setPen(tile.darker(150));
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    QFont font = p.font();
    font.setPixelSize(sign.size() > 2 ? 9 : 12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, sign);
    return QIcon(pixmap);
}

// The animation preview's look: pixels of the colour of the picture's bottom-left pixel are left out,
// so that the splash screen shows through them.
QPixmap KeyedPixmap(const QImage& picture)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (picture.isNull())
        return pixmap;
    const QColor key = picture.pixelColor(0, picture.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
    return pixmap;
}

} // namespace

// --- construction ---------------------------------------------------------------------------------

TMForm::TMForm(TFormOptions options, QWidget* parent)
    : QMainWindow(parent),
      settings_(options.IniPath.isEmpty() ? TSettingsFile::DefaultPath() : options.IniPath),
      hooks_(std::move(options.Hooks))
{
    setObjectName(QStringLiteral("MForm"));
    setMinimumSize(600, 645);
    programFolder_ = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());

    if (!hooks_.AskYesNo)
        hooks_.AskYesNo = [this](const QString& text) {
            return QMessageBox::warning(this, msg::Warning(), text, QMessageBox::Yes | QMessageBox::No) !=
                   QMessageBox::No;
        };
    if (!hooks_.AskSave)
        hooks_.AskSave = [this](const QString& text) {
            switch (QMessageBox::warning(this, msg::Warning(), text,
                                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                         QMessageBox::Save)) {
            case QMessageBox::Save:
                return TSaveAnswer::Save;
            case QMessageBox::Discard:
                return TSaveAnswer::Discard;
            default: // Cancel, and the close box
                return TSaveAnswer::Cancel;
            }
        };
    if (!hooks_.Notice)
        hooks_.Notice = [this](const QString& text) { QMessageBox::warning(this, msg::Warning(), text); };
    if (!hooks_.ShowError)
        hooks_.ShowError = [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text); };
    if (!hooks_.OpenProjectName)
        hooks_.OpenProjectName = [this] {
            return QFileDialog::getOpenFileName(this, tr("Open project"), dialogFolder_,
                                                tr("Screen project (*.lcd)"));
        };
    if (!hooks_.SaveProjectName)
        hooks_.SaveProjectName = [this]() -> QString {
            QFileDialog dialog(this, tr("Save project"), dialogFolder_, tr("Screen project (*.lcd)"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(QStringLiteral("lcd"));
            return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                       ? dialog.selectedFiles().first()
                       : QString();
        };
    if (!hooks_.PictureName)
        hooks_.PictureName = [this](const QString& preset) -> QString {
            QFileDialog dialog(this, tr("Picture"), dialogFolder_, tr("BMP, JPEG (*.bmp *.jpg *.jpeg)"));
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setDefaultSuffix(QStringLiteral("bmp"));
            dialog.selectFile(preset);
            return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                       ? dialog.selectedFiles().first()
                       : QString();
        };
    if (!hooks_.ShowSettings)
        hooks_.ShowSettings = [this](TSetForm& form) {
            form.adjustSize();
            form.move(geometry().center() - form.rect().center());
            form.exec();
        };

    StartUp(options.LanguageFolders);
    CreatePropDialogs();
    StartUpWindowSide(options.HIDLayer);
    CreatePreviewCommands();
    Retranslate();

    // The enabling rules run each time the event loop is about to wait: that is when it is idle.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TMForm::UpdateActions);
    UpdateActions();
}

TMForm::~TMForm()
{
    // Pages and views go before the screens they show.
    if (PGscreen)
        DestroyAllPages();
    delete powerFailView_;
    powerFailView_ = nullptr;
    // The switch is the program's: the next window starts with it off.
    TScreenView::SetPanelColours(false);
    TColorBox::SetPanelColours(false);
}

void TMForm::StartUp(const QStringList& languageFolders)
{
    // 1. Numbers are written and read with "." whatever the system locale says.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");

    // 2, 3. The settings file and the settings dialog; its colour box takes "GridColor".
    setForm_ = new TSetForm(this);
    setForm_->cxColor->SetColor(
        TColor(settings_.ReadInteger(SecSettings, QStringLiteral("GridColor"), 0xC0C0C0)));

    // 5. The language files. The saved choice is active before any window text is set and before a
    // project is loaded (step 15), so that nothing shown at start-up speaks another language.
    TLocalization& localization = TLocalization::Instance();
    localization.Scan(languageFolders);
    for (const TLanguage& l : localization.Languages())
        setForm_->cbLanguage->addItem(l.Name);
    // 15 (the language entry, an index naming no entry selects none).
    const qint64 language = settings_.ReadInteger(SecSettings, QStringLiteral("Language"), 0);
    setForm_->cbLanguage->setCurrentIndex(
        language >= 0 && language < qint64(localization.Count()) ? int(language) : -1);
    ActivateLanguage(setForm_->cbLanguage->currentIndex());

    CreateActions();
    CreateMenus();
    CreateToolBar();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    Label1 = new QLabel(QStringLiteral("-"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    {
        QPalette pal = Label1->palette();
        pal.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x00));
        Label1->setPalette(pal);
    }
    column->addWidget(Label1);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(CreatePalette());
    row->addWidget(CreateDesignArea(), 1);
    column->addLayout(row, 1);
    setCentralWidget(central);

    // 6. The screen list.
    project_.Screens().OnFileNotFound = [this](TElement* e, QString& file) { FileNotFound(e, file); };
    project_.Screens().GridColor = setForm_->cxColor->Color();
    connect(setForm_, &TSetForm::GridChanged, this, [this](int step) {
        project_.Screens().SetGridStep(quint8(step));
        project_.PowerFail().GridStep = quint8(step);
        project_.PowerFail().Invalidate();
    });
    connect(setForm_, &TSetForm::ShowGridClicked, this, [this](bool on) { SetGridShown(on); });
    connect(setForm_, &TSetForm::ColorPicked, this, [this](TColor color) {
        project_.Screens().GridColor = color;
        if (TLCD* s = ActiveScreen())
            s->Invalidate();
    });
    connect(setForm_, &TSetForm::LanguageChanged, this, [this](int index) { ApplyLanguage(index); });

    // 7. One page, as "Add screen" adds one, without marking the project modified.
    AddScreenPage(false);

    // 8. The power-fail screen: 240 x 320 at zoom 1, outside the list, one DRO at most.
    project_.PowerFail().OnDragOver = [this](TElement*, const QObject* source, QPoint) {
        return AcceptOnPowerFail(DragKind(source));
    };
    project_.PowerFail().OnDragDrop = [this](TElement*, const QObject* source, QPoint point) {
        DropOnPowerFail(DragKind(source), point);
    };
    project_.PowerFail().OnDblClick = [this](TElement* e) {
        if (e && propDialogs_)
            propDialogs_->PowerFailProperties(project_.PowerFail(), *e);
    };
    powerFailView_ = new TScreenView(&project_.PowerFail(), canvas_);
    powerFailView_->setObjectName(QStringLiteral("PowerFail"));
    project_.PowerFail().SetModified(false); // creating a screen sets its layout, which is no change of the design
    ArrangeDesignArea();

    // 9. The window's place and size.
    const int left = int(settings_.ReadInteger(SecWindow, QStringLiteral("Left"), 390));
    const int top = int(settings_.ReadInteger(SecWindow, QStringLiteral("Top"), 128));
    const int width = int(settings_.ReadInteger(SecWindow, QStringLiteral("Width"), 948));
    const int height = int(settings_.ReadInteger(SecWindow, QStringLiteral("Height"), 692));
    move(left, top);
    resize(width, height);

    // 10, 11. The budget's size is fixed; grid step and visibility go into the settings dialog.
    setForm_->SetGridStep(
        int(qBound(qint64(1), settings_.ReadInteger(SecSettings, QStringLiteral("Grid"), 5), qint64(100))));
    setForm_->SetShowGrid(settings_.ReadBool(SecSettings, QStringLiteral("ShowGrid"), true));
    // 12. The download folder.
    downloadFolder_ = settings_.ReadString(SecSettings, QStringLiteral("Download"), programFolder_);
    // 13. The grid button follows the grid's visibility.
    acGrid->setChecked(setForm_->ShowGrid());
    // 14. The frame list's height.
    lvHeight_ = int(
        qBound(qint64(0), settings_.ReadInteger(SecWindow, QStringLiteral("LVHeight"), 145), qint64(10000)));
    splitter_->setSizes({qMax(100, height - lvHeight_), lvHeight_});
    // 15. The last project (the language entry was read with the language files).
    project_.SetFileName(settings_.ReadString(SecSettings, QStringLiteral("LasFile"), QString()));
    // 16. The budget.
    ShowBudget();
    // 17. The last project, when it still exists; the out-of-screen notice waits for the first show.
    if (!project_.FileName().isEmpty() && !QFileInfo(project_.FileName()).isFile())
        project_.SetFileName(QString());
    if (!project_.FileName().isEmpty()) {
        const QString file = project_.FileName();
        if (!LoadIntoWindow(file))
            project_.SetFileName(QString());
        ShowFileName();
    }
    // 18. The splash picture.
    splashFile_ = settings_.ReadString(SecSettings, QStringLiteral("BkgFile"), QString());
    if (!splashFile_.isEmpty() && QFileInfo(splashFile_).isFile()) {
        Guard([this] {
            const QImage picture = LoadPictureFile(splashFile_);
            if (!picture.isNull())
                SetSplashPicture(picture, splashFile_);
        });
    }
    // 19. The grid on every screen.
    project_.Screens().SetGridStep(quint8(setForm_->GridStep()));
    project_.Screens().SetShowGrid(setForm_->ShowGrid());
    project_.PowerFail().GridStep = quint8(setForm_->GridStep());
    project_.PowerFail().ShowGrid = setForm_->ShowGrid();
    project_.PowerFail().Invalidate();
    // 20. File dialogs start in the program folder.
    dialogFolder_ = programFolder_;
}

void TMForm::CreateActions()
{
    auto make = [this](QAction*& action, const char* name, const char* caption, const char* hint,
                       const QString& sign, QColor tile) {
        action = new QAction(ToolIcon(sign, tile), QString(), this);
        action->setObjectName(QString::fromLatin1(name));
        actionTexts_.push_back({action, caption, hint});
    };
    const QColor file(0x35, 0x6A, 0xB0), screen(0x2E, 0x8B, 0x57), element(0xB0, 0x60, 0x20),
        view(0x60, 0x60, 0x90), splash(0x90, 0x30, 0x90), power(0xB0, 0x30, 0x30), tools(0x50, 0x50, 0x50);
    make(acNew, "acNew", QT_TR_NOOP("New project"), QT_TR_NOOP("New"), QStringLiteral("N"), file);
    make(acOpen, "acOpen", QT_TR_NOOP("Open project"), QT_TR_NOOP("Open"), QStringLiteral("O"), file);
    make(acSave, "acSave", QT_TR_NOOP("Save project"), QT_TR_NOOP("Save"), QStringLiteral("S"), file);
    make(acGenerate, "acGenerate", QT_TR_NOOP("Generate"), nullptr, QStringLiteral("G"), file);
    make(acDownload, "acDownload", QT_TR_NOOP("Download to MCU"), nullptr, QStringLiteral("D"), file);
    make(acAddScreen, "acAddScreen", QT_TR_NOOP("Add screen"), nullptr, QStringLiteral("+"), screen);
    make(acDelScreen, "acDelScreen", QT_TR_NOOP("Delete screen"), nullptr, QStringLiteral("-"), screen);
    make(acSCRleft, "acSCRleft", QT_TR_NOOP("Move left"), QT_TR_NOOP("Move screen left"), QStringLiteral("<"),
         screen);
    make(acSCRright, "acSCRright", QT_TR_NOOP("Move right"), QT_TR_NOOP("Move screen right"),
         QStringLiteral(">"), screen);
    make(acLoadBkg, "acLoadBkg", QT_TR_NOOP("Load background"), nullptr, QStringLiteral("B"), screen);
    make(acUnLoadBkg, "acUnLoadBkg", QT_TR_NOOP("Clear background"), nullptr, QStringLiteral("xB"), screen);
    make(acDelElement, "acDelElement", QT_TR_NOOP("Delete element"), nullptr, QStringLiteral("X"), element);
    make(acToBack, "acToBack", QT_TR_NOOP("To back"), nullptr, QStringLiteral("Bk"), element);
    make(acToFront, "acToFront", QT_TR_NOOP("To front"), nullptr, QStringLiteral("Fr"), element);
    make(acShProp, "acShProp", QT_TR_NOOP("Element properties"), nullptr, QStringLiteral("P"), element);
    make(acCopyProp, "acCopyProp", QT_TR_NOOP("Copy properties"), nullptr, QStringLiteral("C"), element);
    make(acGetBkgColor, "acGetBkgColor", QT_TR_NOOP("Get background color"), nullptr, QStringLiteral("cB"),
         element);
    make(acGetFgColor, "acGetFgColor", QT_TR_NOOP("Get foreground color"), nullptr, QStringLiteral("cF"),
         element);
    make(acZoomIn, "acZoomIn", QT_TR_NOOP("Zoom in"), nullptr, QStringLiteral("Z+"), view);
    make(acZoomOut, "acZoomOut", QT_TR_NOOP("Zoom out"), nullptr, QStringLiteral("Z-"), view);
    make(acZoomOne, "acZoomOne", QT_TR_NOOP("100%"), nullptr, QStringLiteral("1:1"), view);
    make(acShowOrder, "acShowOrder", QT_TR_NOOP("Show elements order"), nullptr, QStringLiteral("#"), view);
    make(acGrid, "acGrid", QT_TR_NOOP("Grid"), nullptr, QStringLiteral("::"), view);
    make(acLoadLCDbkg, "acLoadLCDbkg", QT_TR_NOOP("Load splash image"), nullptr, QStringLiteral("Sp"),
         splash);
    make(acLoadGIF, "acLoadGIF", QT_TR_NOOP("Load animated GIF"), nullptr, QStringLiteral("GIF"), splash);
    make(acUnLoadGIF, "acUnLoadGIF", QT_TR_NOOP("Clear animated GIF"), nullptr, QStringLiteral("xG"), splash);
    make(acLoadPWR, "acLoadPWR", QT_TR_NOOP("Load power screen image"), nullptr, QStringLiteral("Pw"), power);
    make(acDelPWRelement, "acDelPWRelement", QT_TR_NOOP("Delete Power fail DRO"), nullptr,
         QStringLiteral("xP"), power);
    make(acSettings, "acSettings", QT_TR_NOOP("Settings"), nullptr, QStringLiteral("St"), tools);
    make(acCalc, "acCalc", QT_TR_NOOP("RGB calculator"), nullptr, QStringLiteral("RGB"), tools);
    make(acPanelColors, "acPanelColors", QT_TR_NOOP("Panel colours"), nullptr, QStringLiteral("565"), view);
    make(acPreviewSet, "acPreviewSet", QT_TR_NOOP("Preview SD-card set..."), nullptr, QStringLiteral("Pv"),
         tools);
    acExit = new QAction(this);
    acExit->setObjectName(QStringLiteral("acExit"));
    actionTexts_.push_back({acExit, QT_TR_NOOP("Exit"), nullptr});
    acAbout = new QAction(this);
    acAbout->setObjectName(QStringLiteral("acAbout"));
    actionTexts_.push_back({acAbout, QT_TR_NOOP("About"), nullptr});

    for (QAction* a : {acCopyProp, acGetBkgColor, acGetFgColor, acShowOrder, acGrid, acPanelColors})
        a->setCheckable(true);
    pickGroup_ = new QActionGroup(this);
    pickGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : {acCopyProp, acGetBkgColor, acGetFgColor})
        pickGroup_->addAction(a);

    connect(acNew, &QAction::triggered, this, [this] {
        if (AskSaveAndGoOn())
            Guard([this] { NewProject(); });
    });
    connect(acOpen, &QAction::triggered, this, [this] {
        if (!AskSaveAndGoOn())
            return;
        const QString file = hooks_.OpenProjectName();
        if (!file.isEmpty())
            OpenProjectFile(file);
    });
    connect(acSave, &QAction::triggered, this, [this] { SaveProjectCommand(); });
    connect(acAddScreen, &QAction::triggered, this, [this] { AddScreenPage(true); });
    connect(acDelScreen, &QAction::triggered, this, [this] { DeleteScreenPage(); });
    connect(acSCRleft, &QAction::triggered, this, [this] { MoveScreenPage(-1); });
    connect(acSCRright, &QAction::triggered, this, [this] { MoveScreenPage(+1); });
    connect(acDelElement, &QAction::triggered, this, [this] {
        TLCD* s = ActiveScreen();
        if (!s || !s->SelectedElement)
            return;
        s->DeleteElement(s->SelectedElement);
        ShowBudget();
        StatusLine(nullptr);
    });
    connect(acToBack, &QAction::triggered, this, [this] {
        if (TLCD* s = ActiveScreen(); s && s->SelectedElement)
            s->MoveToBottom(s->SelectedElement);
    });
    connect(acToFront, &QAction::triggered, this, [this] {
        if (TLCD* s = ActiveScreen(); s && s->SelectedElement)
            s->MoveToTop(s->SelectedElement);
    });
    connect(acZoomIn, &QAction::triggered, this, [this] { SetZoom(project_.Screens().Zoom + 1); });
    connect(acZoomOut, &QAction::triggered, this, [this] {
        if (project_.Screens().Zoom > 1)
            SetZoom(project_.Screens().Zoom - 1);
    });
    connect(acZoomOne, &QAction::triggered, this, [this] { SetZoom(1); });
    connect(acShowOrder, &QAction::toggled, this, [this](bool on) {
        project_.Screens().SetShowOrder(on);
        project_.PowerFail().SetShowOrder(on);
    });
    connect(acGrid, &QAction::triggered, this, [this](bool on) { SetGridShown(on); });
    connect(acDelPWRelement, &QAction::triggered, this, [this] {
        if (project_.PowerFail().SelectedElement) {
            project_.PowerFail().DeleteElement(project_.PowerFail().SelectedElement);
            project_.PowerFail().SelectElement(nullptr);
        }
    });
    connect(acSettings, &QAction::triggered, this, [this] {
        hooks_.ShowSettings(*setForm_);
        settings_.WriteInteger(SecSettings, QStringLiteral("GridColor"), qint64(setForm_->cxColor->Color()));
    });
    connect(acExit, &QAction::triggered, this, &QWidget::close);

    ppElement = new QMenu(this);
    ppElement->setObjectName(QStringLiteral("ppElement"));
    ppProperties_ = ppElement->addAction(QString(), acShProp, &QAction::trigger);
    ppElement->addSeparator();
    ppToBack_ = ppElement->addAction(QString(), acToBack, &QAction::trigger);
    ppToFront_ = ppElement->addAction(QString(), acToFront, &QAction::trigger);
    connect(ppElement, &QMenu::aboutToShow, this, [this] {
        UpdateActions();
        ppProperties_->setEnabled(acShProp->isEnabled());
        ppToBack_->setEnabled(acToBack->isEnabled());
        ppToFront_->setEnabled(acToFront->isEnabled());
    });
}

void TMForm::CreateMenus()
{
    mnFile_ = menuBar()->addMenu(QString());
    mnFile_->addActions({acNew, acOpen, acSave, acGenerate});
    mnFile_->addSeparator();
    mnFile_->addAction(acExit);
    mnWork_ = menuBar()->addMenu(QString());
    mnWork_->addActions({acLoadBkg, acUnLoadBkg});
    mnWork_->addSeparator();
    mnWork_->addActions({acDelElement, acShProp, acCopyProp, acToFront, acToBack});
    mnSplash_ = menuBar()->addMenu(QString());
    mnSplash_->addActions({acLoadLCDbkg, acLoadGIF, acUnLoadGIF});
    mnPower_ = menuBar()->addMenu(QString());
    mnPower_->addAction(acLoadPWR);
    mnView_ = menuBar()->addMenu(QString());
    mnView_->addActions({acZoomIn, acZoomOut, acZoomOne});
    mnView_->addSeparator();
    mnView_->addActions({acShowOrder, acGrid, acPanelColors});
    menuBar()->addAction(QStringLiteral("|"))->setEnabled(false);
    mnTools_ = menuBar()->addMenu(QString());
    mnTools_->addActions({acSettings, acCalc});
    mnTools_->addSeparator();
    mnTools_->addActions({acPreviewSet, acDownload});
    menuBar()->addAction(acAbout);
}

void TMForm::CreateToolBar()
{
    QToolBar* bar = toolBar_ = addToolBar(QString());
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    auto gap = [bar] {
        auto* spacer = new QWidget(bar);
        spacer->setFixedWidth(8);
        bar->addWidget(spacer);
    };
    bar->addActions(
        {acNew, acOpen, acSave, acAddScreen, acDelScreen, acSCRleft, acSCRright, acGenerate, acDownload});
    gap();
    bar->addActions({acLoadBkg, acUnLoadBkg, acDelElement, acToBack, acToFront, acShProp, acCopyProp,
                     acGetBkgColor, acGetFgColor});
    gap();
    bar->addActions({acZoomIn, acZoomOut, acZoomOne, acShowOrder, acGrid});
    bar->addSeparator();
    bar->addActions({acLoadLCDbkg, acLoadGIF, acUnLoadGIF});
    gap();
    bar->addActions({acLoadPWR, acDelPWRelement});
    Panel2 = new QPushButton(bar);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAutoFillBackground(true);
    bar->addWidget(Panel2);
    const std::pair<QAction*, const char*> named[] = {{acCopyProp, "btCopyProp"},
                                                      {acGetBkgColor, "btGetBkg"},
                                                      {acGetFgColor, "btGetFg"},
                                                      {acShowOrder, "btOrder"},
                                                      {acGrid, "btGrid"}};
    for (const auto& [action, name] : named)
        if (QWidget* button = bar->widgetForAction(action))
            button->setObjectName(QString::fromLatin1(name));
}

QWidget* TMForm::CreatePalette()
{
    auto* palette = new TPalette(this);
    lbFreeElement = palette->lbFreeElement;
    rgSize = palette->rgSize;
    cxTimer = palette->cxTimer;
    connect(rgSize, &TRadioGroup::Clicked, this, &TMForm::LayoutClick);
    connect(cxTimer, &QSpinBox::valueChanged, this, [this](int ms) {
        project_.Animation().SetSpeed(ms);
        RefreshSplashPanel();
    });
    return palette;
}

QWidget* TMForm::CreateDesignArea()
{
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("Splitter1"));
    splitter_->setChildrenCollapsible(false);

    auto* upper = new QWidget(splitter_);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->setSpacing(0);
    designArea_ = new QScrollArea(upper);
    designArea_->setObjectName(QStringLiteral("ScrollBox1"));
    designArea_->setWidgetResizable(false);
    canvas_ = new QWidget;
    canvas_->setObjectName(QStringLiteral("DesignCanvas"));
    designArea_->setWidget(canvas_);
    upperLayout->addWidget(designArea_, 1);
    Label2 = new QLabel(QStringLiteral("--"), upper);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setContentsMargins(6, 2, 6, 2);
    upperLayout->addWidget(Label2);

    lbWork = new QLabel(canvas_);
    lbWork->setObjectName(QStringLiteral("lbWork"));
    PGscreen = new QTabWidget(canvas_);
    PGscreen->setObjectName(QStringLiteral("PGscreen"));
    PGscreen->setDocumentMode(false);
    connect(PGscreen, &QTabWidget::currentChanged, this, [this](int index) {
        if (!programSwitch_ && index >= 0)
            PageSwitch(index);
    });

    lbSplash = new QLabel(canvas_);
    lbSplash->setObjectName(QStringLiteral("lbSplash"));
    SplashPanel = new QFrame(canvas_);
    SplashPanel->setObjectName(QStringLiteral("SplashPanel"));
    ImgSplash = new QLabel(SplashPanel);
    ImgSplash->setObjectName(QStringLiteral("ImgSplash"));
    ITM1 = new QLabel(SplashPanel);
    ITM1->setObjectName(QStringLiteral("ITM1"));
    ITM1->setProperty(TScreenView::KindProperty, 20);
    ITM2 = new QLabel(SplashPanel);
    ITM2->setObjectName(QStringLiteral("ITM2"));
    ITM2->setProperty(TScreenView::KindProperty, 21);
    Anime = new QLabel(SplashPanel);
    Anime->setObjectName(QStringLiteral("Anime"));
    // 21. The animation preview stands in front of the other controls of the splash panel.
    Anime->raise();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (project_.Animation().Tick() >= 0)
            Anime->setPixmap(KeyedPixmap(TScreenView::AsShown(project_.Animation().PreviewPicture())));
    });
    lbPWR = new QLabel(canvas_);
    lbPWR->setObjectName(QStringLiteral("lbPWR"));

    LV = new QListWidget(splitter_);
    LV->setObjectName(QStringLiteral("LV"));
    LV->setViewMode(QListView::IconMode);
    LV->setFlow(QListView::LeftToRight);
    LV->setWrapping(false);
    LV->setIconSize(QSize(48, 48));
    LV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV->setMinimumHeight(20);
    splitter_->addWidget(upper);
    splitter_->addWidget(LV);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { lvHeight_ = LV->height(); });
    return splitter_;
}

// --- pages ----------------------------------------------------------------------------------------

int TMForm::PageCount() const
{
    return PGscreen->count();
}

TSCRTab* TMForm::Page(int index) const
{
    return qobject_cast<TSCRTab*>(PGscreen->widget(index));
}

int TMForm::ActivePageIndex() const
{
    return PGscreen->currentIndex();
}

TLCD* TMForm::ActiveScreen() const
{
    TSCRTab* page = Page(ActivePageIndex());
    return page ? page->SCR : nullptr;
}

void TMForm::SetActivePage(int index)
{
    const bool was = programSwitch_;
    programSwitch_ = true;
    PGscreen->setCurrentIndex(index);
    programSwitch_ = was;
}

void TMForm::CaptionPages()
{
    for (int i = 0; i < PGscreen->count(); ++i)
        PGscreen->setTabText(i, msg::ScreenCaption(i));
}

int TMForm::Budget() const
{
    const TLCD* s = ActiveScreen();
    return s ? ::Budget(*s) : MaxElements;
}

void TMForm::ShowBudget()
{
    lbFreeElement->setText(QString::number(Budget()));
}

void TMForm::WireWorkScreen(TLCD* screen)
{
    screen->OnDragOver = [this, screen](TElement*, const QObject* source, QPoint) {
        return AcceptOnWorkScreen(screen, DragKind(source));
    };
    screen->OnDragDrop = [this, screen](TElement*, const QObject* source, QPoint point) {
        DropOnWorkScreen(screen, DragKind(source), point);
    };
    screen->OnSelect = [this](TElement* e) { StatusLine(e); };
    screen->OnDblClick = [this, screen](TElement*) {
        if (!propDialogs_)
            return;
        if (screen->SelectedElement)
            ShowProperties();
        else
            propDialogs_->BackgroundColor(*screen);
    };
    screen->OnMouseDown = [](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {}; // copy and pick modes: later
}

TSCRTab* TMForm::AddScreenPage(bool markModified)
{
    const bool listModified = project_.Screens().Modified;
    TLCD* screen = project_.Screens().AddScreen(240, 320);
    screen->SetLandscape(rgSize->ItemIndex() == 1);
    screen->SetZoom(project_.Screens().Zoom);
    screen->GridStep = quint8(setForm_->GridStep());
    screen->ShowGrid = acGrid->isChecked();
    screen->SetShowOrder(project_.Screens().ShowOrder);
    screen->SetModified(false);
    project_.Screens().SetModified(listModified);
    WireWorkScreen(screen);
    WireCommands(screen);

    auto* page = new TSCRTab(screen);
    page->View->SetElementMenu(ppElement);
    page->View->setObjectName(QStringLiteral("SCR%1").arg(PGscreen->count()));
    const bool was = programSwitch_;
    programSwitch_ = true;
    PGscreen->addTab(page, QString());
    CaptionPages();
    PGscreen->setCurrentWidget(page);
    programSwitch_ = was;

    ShowBudget();
    ArrangeDesignArea();
    if (markModified)
        project_.MarkModified();
    return page;
}

void TMForm::DestroyAllPages()
{
    const bool was = programSwitch_;
    programSwitch_ = true;
    while (PGscreen->count() > 0) {
        QWidget* page = PGscreen->widget(PGscreen->count() - 1);
        PGscreen->removeTab(PGscreen->count() - 1);
        delete page;
    }
    programSwitch_ = was;
}

void TMForm::DeleteScreenPage()
{
    if (PageCount() <= 1)
        return;
    const int index = ActivePageIndex();
    TSCRTab* page = Page(index);
    project_.Screens().DeleteScreen(page->SCR);
    const bool was = programSwitch_;
    programSwitch_ = true;
    PGscreen->removeTab(index);
    delete page;
    PGscreen->setCurrentIndex(index < PGscreen->count() ? index : 0);
    programSwitch_ = was;
    CaptionPages();
    project_.MarkModified();
    PageSwitch(ActivePageIndex());
}

void TMForm::MoveScreenPage(int step)
{
    const int from = ActivePageIndex();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= PageCount())
        return;
    TLCD* screen = ActiveScreen();
    const bool was = programSwitch_;
    programSwitch_ = true;
    PGscreen->tabBar()->moveTab(from, to);
    PGscreen->setCurrentIndex(to);
    programSwitch_ = was;
    project_.MarkModified();
    if (project_.Screens().IndexOf(screen) == from)
        project_.Screens().MoveScreen(from, to);
    CaptionPages();
}

void TMForm::PageSwitch(int index)
{
    TSCRTab* page = Page(index);
    if (!page)
        return;
    TLCD* screen = page->SCR;
    ShowBudget();
    project_.Screens().SetLandscape(screen->Landscape);
    savedListModified_ = project_.Screens().Modified;
    savedScreenModified_ = screen->Modified;
    pageSwitching_ = true;
    rgSize->SetItemIndex(screen->Landscape ? 1 : 0);
    pageSwitching_ = false;
    // The status line is about the active screen's selection, not the last one pressed elsewhere.
    StatusLine(screen->SelectedElement);
}

void TMForm::LayoutClick(int index)
{
    TLCD* screen = ActiveScreen();
    if (!screen)
        return;
    screen->SetLandscape(index == 1);
    project_.Screens().SetLandscape(index == 1);
    ArrangeDesignArea();
    if (pageSwitching_) {
        // A page switch never changes whether the project counts as modified.
        project_.Screens().SetModified(savedListModified_);
        screen->SetModified(savedScreenModified_);
    }
}

void TMForm::ArrangeDesignArea()
{
    TLCD* active = ActiveScreen();
    TLCD* first = PageCount() > 0 ? Page(0)->SCR : nullptr;
    if (!active || !first)
        return;
    const int margin = 8;
    lbWork->adjustSize();
    lbWork->move(margin, margin);
    // The page frame: the screen at (1, 1) of the page, below the tabs.
    const int tabs = qMax(35 - 12, PGscreen->tabBar()->sizeHint().height() + 6);
    PGscreen->setFixedSize(active->DisplayWidth + 12, active->DisplayHeight + tabs + 12);
    PGscreen->move(margin, lbWork->geometry().bottom() + 3);

    const QRect pg = PGscreen->geometry();
    const QSize panel(first->PanelWidth, first->PanelHeight);
    SplashPanel->setGeometry(pg.right() + 1 + 10, pg.top() + 27, panel.width(), panel.height());
    ImgSplash->setGeometry(0, 0, panel.width(), panel.height());
    project_.Splash().SetScreenSize(panel);
    RefreshSplashPanel();
    lbSplash->adjustSize();
    lbSplash->move(SplashPanel->x(), SplashPanel->y() - 3 - lbSplash->height());

    if (powerFailView_) {
        project_.PowerFail().DisplayWidth = panel.width();
        project_.PowerFail().DisplayHeight = panel.height();
        if (project_.PowerFail().BackgroundFile.isEmpty())
            project_.PowerFail().Background = BuiltInPowerFailPicture();
        powerFailView_->move(SplashPanel->geometry().right() + 1 + 10, SplashPanel->y());
        powerFailView_->SyncSize();
        project_.PowerFail().Invalidate();
        lbPWR->adjustSize();
        lbPWR->move(powerFailView_->x(), powerFailView_->y() - 3 - lbPWR->height());
    }
    QRect all = PGscreen->geometry() | SplashPanel->geometry();
    if (powerFailView_)
        all |= powerFailView_->geometry();
    canvas_->resize(all.right() + margin, all.bottom() + margin);
}

// --- placement ------------------------------------------------------------------------------------

int TMForm::DragKind(const QObject* source)
{
    if (!source)
        return -1;
    bool ok = false;
    const int kind = source->property(TScreenView::KindProperty).toInt(&ok);
    return ok ? kind : -1;
}

bool TMForm::AcceptOnWorkScreen(TLCD* screen, int kind) const
{
    const TLCD* s = ActiveScreen() ? ActiveScreen() : screen;
    return s && CanDrop(*s, TScreenRole::Work, kind);
}

void TMForm::DropOnWorkScreen(TLCD* screen, int kind, QPoint point)
{
    if (!AcceptOnWorkScreen(screen, kind))
        return;
    if (Drop(*screen, TScreenRole::Work, kind, point))
        ShowBudget();
}

bool TMForm::AcceptOnPowerFail(int kind) const
{
    return CanDrop(project_.PowerFail(), TScreenRole::PowerFail, kind);
}

void TMForm::DropOnPowerFail(int kind, QPoint point)
{
    Drop(project_.PowerFail(), TScreenRole::PowerFail, kind, point);
}

void TMForm::StatusLine(TElement* e)
{
    Label2->setText(
        e ? QStringLiteral("X:%1 Y:%2 W:%3 H:%4").arg(e->Left).arg(e->Top).arg(e->Width).arg(e->Height)
          : QStringLiteral("--"));
}

// --- project life cycle ---------------------------------------------------------------------------

void TMForm::ShowFileName()
{
    Label1->setText(project_.FileName().isEmpty() ? QStringLiteral("-") : project_.FileName());
}

void TMForm::NewProject()
{
    const bool was = programSwitch_;
    programSwitch_ = true;
    project_.New([this](TLCD* screen) {
        for (int i = 0; i < PageCount(); ++i) {
            TSCRTab* page = Page(i);
            if (page->SCR != screen)
                continue;
            project_.Screens().DeleteScreen(screen);
            PGscreen->removeTab(i);
            delete page;
            return;
        }
    });
    PGscreen->setCurrentIndex(0);
    programSwitch_ = was;
    CaptionPages();
    ShowBudget();
    ShowFileName();
    StatusLine(nullptr);
    // The first screen keeps its layout; the control shows it, not that of a page now gone.
    ShowLayout(Page(0)->SCR->Landscape);
    ArrangeDesignArea();
}

void TMForm::FileNotFound(TElement*, QString& fileName)
{
    const QString shown = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    if (!hooks_.AskYesNo(msg::FileNotFound(shown)))
        return;
    const QString chosen = hooks_.PictureName(QFileInfo(fileName).fileName());
    if (!chosen.isEmpty())
        fileName = chosen;
}

bool TMForm::LoadIntoWindow(const QString& fileName)
{
    TLoadSteps steps;
    steps.Clear = [this] {
        while (project_.Screens().Count() > 0)
            project_.Screens().DeleteScreen(project_.Screens().Items(project_.Screens().Count() - 1));
        DestroyAllPages();
    };
    steps.NewScreen = [this] { return AddScreenPage(false)->SCR; };
    TProject::TOpenResult result;
    try {
        result = project_.Open(fileName, steps);
    } catch (const TError& e) {
        hooks_.ShowError(e.Message());
        return false;
    }
    // The window always keeps one page, even for a file without work screens.
    if (PageCount() == 0)
        AddScreenPage(false);
    project_.Screens().SetZoom(project_.Screens().Zoom);
    ShowFileName();
    ShowOpenedProject();
    startupRepaired_ = false;
    for (int i = 0; i < project_.Screens().Count(); ++i)
        if (!project_.Screens().Items(i)->Repaired.isEmpty())
            startupRepaired_ = true;
    if (!result.AnimationError.isEmpty())
        hooks_.ShowError(result.AnimationError);
    if (!result.Warnings.isEmpty())
        hooks_.ShowError(result.Warnings.join(QLatin1Char('\n')));
    return true;
}

bool TMForm::OpenProjectFile(const QString& fileName)
{
    if (!LoadIntoWindow(fileName))
        return false;
    OutOfScreenNotice();
    if (TLCD* s = ActiveScreen()) {
        s->SelectElement(nullptr);
        s->Invalidate();
    }
    StatusLine(nullptr);
    return true;
}

void TMForm::OutOfScreenNotice()
{
    if (!startupRepaired_)
        return;
    startupRepaired_ = false;
    hooks_.Notice(msg::OutsideScreen());
    project_.MarkModified();
}

void TMForm::ShowOpenedProject()
{
    // The first page, its budget and its layout, shown without counting as the user's click.
    SetActivePage(0);
    ShowBudget();
    ShowLayout(PageCount() > 0 && Page(0)->SCR->Landscape);
    ArrangeDesignArea();
    RefreshSplashPanel();
}

void TMForm::ShowLayout(bool landscape)
{
    project_.Screens().SetLandscape(landscape);
    const QSignalBlocker block(rgSize);
    rgSize->SetItemIndex(landscape ? 1 : 0);
}

void TMForm::SetSplashPicture(const QImage& picture, const QString& file)
{
    project_.Splash().SetPicture(picture, file);
    if (project_.Splash().ClockShown())
        project_.Splash().RefreshClockFields();
    RefreshSplashPanel();
}

void TMForm::RefreshSplashPanel()
{
    ImgSplash->setPixmap(QPixmap::fromImage(TScreenView::AsShown(project_.Splash().DisplayedPicture())));
    const std::pair<QLabel*, ClockField> fields[] = {{ITM1, ClockField::Hours}, {ITM2, ClockField::Minutes}};
    for (const auto& [label, field] : fields) {
        label->setGeometry(project_.Splash().FieldRect(field));
        label->setPixmap(QPixmap::fromImage(TScreenView::AsShown(project_.Splash().FieldPicture(field))));
        label->setScaledContents(true);
        label->setVisible(project_.Splash().ClockShown());
    }
    Anime->setPixmap(KeyedPixmap(TScreenView::AsShown(project_.Animation().PreviewPicture())));
    Anime->setGeometry(QRect(project_.Animation().Position(), project_.Animation().PreviewSize()));
    Anime->setVisible(project_.Animation().PreviewVisible());
    Anime->raise();
    if (project_.Animation().TimerActive()) {
        Timer1->setInterval(project_.Animation().Speed());
        if (!Timer1->isActive())
            Timer1->start();
    } else {
        Timer1->stop();
    }
    if (LV->count() != project_.Animation().FrameCount()) {
        LV->clear();
        for (const auto& frame : project_.Animation().Frames())
            LV->addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(frame.Picture)), frame.Caption));
    }
    QPalette pal = Panel2->palette();
    pal.setColor(QPalette::Button, ToQColor(project_.Splash().ClockBackColor()));
    pal.setColor(QPalette::ButtonText, ToQColor(project_.Splash().ClockDigitColor()));
    Panel2->setPalette(pal);
    ShowSplashControls();
}

void TMForm::SaveTo(const QString& fileName)
{
    project_.Save(fileName);
}

bool TMForm::SaveProjectCommand()
{
    bool saved = false;
    Guard([this, &saved] {
        if (!project_.FileName().isEmpty()) {
            SaveTo(project_.FileName());
            saved = true;
            WarnLostCharacters(false);
            return;
        }
        const QString file = hooks_.SaveProjectName();
        if (file.isEmpty())
            return;
        // The name is taken once the file is written, so a failed save leaves the project untitled.
        SaveTo(file);
        project_.SetFileName(file);
        ShowFileName();
        saved = true;
        WarnLostCharacters(false);
    });
    return saved;
}

void TMForm::WarnLostCharacters(bool generated)
{
    QStringList elements;
    auto collect = [&elements](const TLCD& screen, const QString& caption) {
        for (const auto& e : screen.Elements()) {
            const QString typed = e->LostText();
            if (typed.isEmpty())
                continue;
            const msg::TTextRole role = e->Kind == ekDRO     ? msg::TTextRole::Format
                                        : e->Kind == ekImage ? msg::TTextRole::ImageFile
                                                             : msg::TTextRole::Text;
            elements << msg::ElementWithLostText(caption, role, typed);
        }
    };
    for (int i = 0; i < project_.Screens().Count(); ++i)
        collect(*project_.Screens().Items(i), msg::ScreenCaption(i));
    collect(project_.PowerFail(), QString());
    if (!elements.isEmpty())
        hooks_.Notice(msg::LostCharacters(elements, generated));
}

bool TMForm::AskSaveAndGoOn()
{
    if (!project_.Modified())
        return true;
    switch (hooks_.AskSave(msg::ProjectNotSaved())) {
    case TSaveAnswer::Save:
        return SaveProjectCommand();
    case TSaveAnswer::Discard:
        return true;
    case TSaveAnswer::Cancel:
        break;
    }
    return false;
}

// --- view -----------------------------------------------------------------------------------------

void TMForm::SetZoom(int zoom)
{
    project_.Screens().SetZoom(quint8(qBound(1, zoom, MaxZoom)));
    ArrangeDesignArea();
}

void TMForm::SetGridShown(bool on)
{
    project_.Screens().SetShowGrid(on);
    project_.PowerFail().ShowGrid = on;
    project_.PowerFail().Invalidate();
    acGrid->setChecked(on);
    setForm_->SetShowGrid(on);
}

int TMForm::ActivateLanguage(int index)
{
    TLocalization& localization = TLocalization::Instance();
    if (index < 0 || index >= localization.Count())
        index = 0;
    localization.SetActive(localization.Languages()[index].Id);
    return index;
}

void TMForm::ApplyLanguage(int index)
{
    index = ActivateLanguage(index);
    settings_.WriteInteger(SecSettings, QStringLiteral("Language"), index);
    if (downloadForm_)
        downloadForm_->SetLanguageId(ActiveLanguage());
    // Qt delivers the language change to the windows later; this window shows its texts, page
    // captions included, at once.
    Retranslate();
}

QStringList DefaultLanguageFolders()
{
    return ProgramDataFolders();
}

void TMForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QMainWindow::changeEvent(event);
}

void TMForm::Retranslate()
{
    setWindowTitle(tr("Screen designer for Tarvolt RU"));
    for (const TActionText& t : actionTexts_) {
        const QString caption = tr(t.Caption);
        const QString hint = t.Hint ? tr(t.Hint) : caption;
        t.Action->setText(caption);
        t.Action->setToolTip(hint);
        t.Action->setStatusTip(hint);
    }
    mnFile_->setTitle(tr("File"));
    mnWork_->setTitle(tr("Work screen"));
    mnSplash_->setTitle(tr("Splash screen"));
    mnPower_->setTitle(tr("Power screen"));
    mnView_->setTitle(tr("View"));
    mnTools_->setTitle(tr("Tools"));
    toolBar_->setWindowTitle(tr("Tools"));
    ppProperties_->setText(tr("Properties"));
    ppToBack_->setText(tr("To back"));
    ppToFront_->setText(tr("To front"));
    Panel2->setText(tr("Time colors"));
    Panel2->setToolTip(tr("Time colors"));
    lbWork->setText(tr("Work screen"));
    lbSplash->setText(tr("Splash screen"));
    lbPWR->setText(tr("Power fail screen"));
    LV->setToolTip(tr("Frames of animated image"));
    if (ppDeleteItem_)
        ppDeleteItem_->setText(tr("Delete item"));
    if (pbGenerate_)
        pbGenerate_->setFormat(tr("Generate: %v / %m"));
    CaptionPages();
    // The screens' captions changed length.
    ArrangeDesignArea();
}

void TMForm::UpdateActions()
{
    TLCD* s = ActiveScreen();
    const bool selection = s && s->SelectedElement;
    acSave->setEnabled(project_.Modified());
    acZoomOut->setEnabled(s && s->Zoom > 1);
    for (QAction* a : {acDelElement, acToBack, acToFront, acShProp})
        a->setEnabled(selection);
    acDelScreen->setEnabled(PageCount() > 1);
    acSCRleft->setEnabled(ActivePageIndex() > 0);
    acSCRright->setEnabled(ActivePageIndex() >= 0 && ActivePageIndex() < PageCount() - 1);
    acDelPWRelement->setEnabled(project_.PowerFail().SelectedElement != nullptr);
    UpdateWindowSideActions();
}

// --- property dialogs -----------------------------------------------------------------------------

void TMForm::CreatePropDialogs()
{
    propDialogs_ = new TPropDialogs(this, project_.Screens(), [this] { return ActiveScreen(); });
    propDialogs_->Hooks.PictureName = [this](const QString& preset) { return hooks_.PictureName(preset); };
    propDialogs_->Hooks.Notice = [this](const QString& text) { hooks_.Notice(text); };
    propDialogs_->Hooks.ShowError = [this](const QString& text) { hooks_.ShowError(text); };
    connect(acShProp, &QAction::triggered, this, &TMForm::ShowProperties);
    connect(acCalc, &QAction::triggered, propDialogs_, &TPropDialogs::ShowCalculator);
}

void TMForm::ShowProperties()
{
    TLCD* s = ActiveScreen();
    if (s && propDialogs_ && propDialogs_->ShowProperties(*s))
        StatusLine(s->SelectedElement);
}

void TMForm::Guard(const std::function<void()>& command)
{
    try {
        command();
    } catch (const TError& e) {
        hooks_.ShowError(e.Message());
    } catch (const std::exception& e) {
        hooks_.ShowError(QString::fromLocal8Bit(e.what()));
    }
}

// --- show and exit --------------------------------------------------------------------------------

void TMForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (firstShown_)
        return;
    firstShown_ = true;
    ApplyLanguage(setForm_->cbLanguage->currentIndex());
    CaptionPages();
    if (project_.Splash().ClockShown())
        project_.Splash().RefreshClockFields();
    ArrangeDesignArea();
    OutOfScreenNotice();
}

void TMForm::closeEvent(QCloseEvent* event)
{
    // The files being written must all be in place before the window goes; it closes right after.
    if (generating_) {
        closeAfterGenerate_ = true;
        event->ignore();
        return;
    }
    if (Shutdown())
        event->accept();
    else
        event->ignore();
}

bool TMForm::Shutdown()
{
    if (shutDown_)
        return true;
    if (!AskSaveAndGoOn())
        return false;
    shutDown_ = true;
    if (LV->isVisible())
        lvHeight_ = LV->height();
    settings_.WriteInteger(SecSettings, QStringLiteral("MaxElement"), MaxElements);
    settings_.WriteInteger(SecSettings, QStringLiteral("Grid"), setForm_->GridStep());
    settings_.WriteBool(SecSettings, QStringLiteral("ShowGrid"), acGrid->isChecked());
    settings_.WriteInteger(SecWindow, QStringLiteral("Left"), x());
    settings_.WriteInteger(SecWindow, QStringLiteral("Top"), y());
    settings_.WriteInteger(SecWindow, QStringLiteral("Width"), width());
    settings_.WriteInteger(SecWindow, QStringLiteral("Height"), height());
    settings_.WriteString(SecSettings, QStringLiteral("LasFile"), project_.FileName());
    // A splash file that could not be found is written back as it was read.
    settings_.WriteString(SecSettings, QStringLiteral("BkgFile"),
                          project_.Splash().ImageFile().isEmpty() ? splashFile_ : project_.Splash().ImageFile());
    settings_.WriteInteger(SecWindow, QStringLiteral("LVHeight"), lvHeight_);
    settings_.WriteString(SecSettings, QStringLiteral("Download"), downloadFolder_);
    return true;
}
