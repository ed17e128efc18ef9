#include "ui/umain.h"

#include "base/datafolders.h"
#include "base/terror.h"
#include "dialogs/udownload.h"
#include "document/recovery.h"
#include "dialogs/uproperties.h"
#include "dialogs/usettings.h"
#include "document/edits.h"
#include "model/editing.h"
#include "model/elementcommands.h"
#include "model/placement.h"
#include "model/render.h"
#include "project/jsonproject.h"
#include "project/lcdfile.h"
#include "ui/designarea.h"
#include "ui/designersettings.h"
#include "ui/localization.h"
#include "ui/palette.h"
#include "ui/screenview.h"
#include "ui/scrtab.h"
#include "ui/splashpanel.h"
#include "widgets/colorbox.h"
#include "widgets/messages.h"
#include "widgets/radiogroup.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
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
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QScopeGuard>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUndoView>
#include <QUrl>
#include <QVBoxLayout>
#include <clocale>
#include <optional>

namespace {

// The largest zoom factor: a portrait screen is then 1920 x 2560 window pixels, which the view still
// renders at once on every change.
constexpr int MaxZoom = 8;

} // namespace

// --- construction ---------------------------------------------------------------------------------

TMForm::TMForm(TFormOptions options, QWidget* parent)
    : QMainWindow(parent),
      settings_(options.IniPath.isEmpty() ? TSettingsFile::DefaultPath() : options.IniPath),
      hooks_(std::move(options.Hooks))
{
    setObjectName(QStringLiteral("MForm"));
    setAcceptDrops(true);
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
            return RememberFolder(QFileDialog::getOpenFileName(
                this, tr("Open project"), DialogFolder(),
                tr("Screen project (*.lcd *.json);;Screen project (*.lcd);;Screen project as text (*.json)")));
        };
    if (!hooks_.SaveProjectName)
        hooks_.SaveProjectName = [this]() -> QString {
            const QString binary = tr("Screen project (*.lcd)"), text = tr("Screen project as text (*.json)");
            QFileDialog dialog(this, tr("Save project"), DialogFolder(), binary + QStringLiteral(";;") + text);
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            // The form offered first is the project's own; the name's extension decides the form saved.
            const bool json = project_.Form() == TProjectForm::Json;
            dialog.selectNameFilter(json ? text : binary);
            dialog.setDefaultSuffix(json ? QStringLiteral("json") : QStringLiteral("lcd"));
            connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, text](const QString& filter) {
                dialog.setDefaultSuffix(filter == text ? QStringLiteral("json") : QStringLiteral("lcd"));
            });
            if (!project_.FileName().isEmpty())
                dialog.selectFile(QFileInfo(project_.FileName()).fileName());
            return RememberFolder(dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                                      ? dialog.selectedFiles().first()
                                      : QString());
        };
    if (!hooks_.PictureName)
        hooks_.PictureName = [this](const QString& preset) -> QString {
            QFileDialog dialog(this, tr("Picture"), DialogFolder(), tr("BMP, JPEG (*.bmp *.jpg *.jpeg)"));
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setDefaultSuffix(QStringLiteral("bmp"));
            dialog.selectFile(preset);
            return RememberFolder(dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                                      ? dialog.selectedFiles().first()
                                      : QString());
        };
    if (!hooks_.ShowSettings)
        hooks_.ShowSettings = [this](TSetForm& form) {
            form.adjustSize();
            form.move(geometry().center() - form.rect().center());
            form.exec();
        };

    StartUp(options.LanguageFolders);
    CreatePropDialogs();
    CreateUndo();
    CreateAlignCommands();
    StartUpWindowSide(options.HIDLayer);
    CreatePreviewCommands();
    CreateClipboardCommands();
    Retranslate();
    StartRecovery(options.RecoveryFolder);

    // The enabling rules run each time the event loop is about to wait: that is when it is idle.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TMForm::UpdateActions);
    UpdateActions();
    // What start-up made is where undo stops.
    if (!project_.Modified())
        project_.SetModified(false);
}

TMForm::~TMForm()
{
    // The project empties its stack as it goes; nothing of the window is shown from then on.
    disconnect(&project_.UndoStack(), nullptr, this, nullptr);
    disconnect(&project_, nullptr, this, nullptr);
    // Pages and views go before the screens they show, which the project (a member) owns.
    delete designArea_;
    designArea_ = nullptr;
    // The switch is the program's: the next window starts with it off.
    TScreenView::SetPanelColours(false);
    TColorBox::SetPanelColours(false);
}

void TMForm::StartUp(const QStringList& languageFolders)
{
    // Numbers in files and boxes are written and read with "." whatever the system locale says.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");

    const TDesignerSettings saved = TDesignerSettings::Read(settings_, programFolder_);
    setForm_ = new TSetForm(this);
    setForm_->cxColor->SetColor(saved.GridColor);

    // The saved language is active before any window text is set and before a project is loaded, so
    // that nothing shown at start-up speaks another language.
    TLocalization& localization = TLocalization::Instance();
    localization.Scan(languageFolders);
    for (const TLanguage& l : localization.Languages())
        setForm_->cbLanguage->addItem(l.Name);
    const qint64 language = saved.Language;
    setForm_->cbLanguage->setCurrentIndex(
        language >= 0 && language < qint64(localization.Count()) ? int(language) : -1);
    ActivateLanguage(setForm_->cbLanguage->currentIndex());

    CreateActions(this);
    ConnectActions();

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

    // The window always shows one page; the first is no change of the design.
    AddScreenPage(false);

    // The power-fail screen is outside the list and takes one DRO at most.
    project_.PowerFail().OnDragOver = [this](TElement*, const QObject* source, QPoint) {
        return AcceptOnPowerFail(DragKind(source));
    };
    project_.PowerFail().OnDragDrop = [this](TElement*, const QObject* source, QPoint point) {
        DropOnPowerFail(DragKind(source), point);
    };
    project_.PowerFail().OnDblClick = [this](TElement* e) {
        if (e && propDialogs_)
            ChangeElements(project_, project_.PowerFail(), {e}, QT_TRANSLATE_NOOP("TProject", "Properties"),
                           [&] { propDialogs_->PowerFailProperties(project_.PowerFail(), *e); });
    };
    designArea_->CreatePowerFailView()->SetProject(&project_);
    project_.PowerFail().SetModified(
        false); // creating a screen sets its layout, which is no change of the design
    ArrangeDesignArea();

    move(saved.Window.topLeft());
    resize(saved.Window.size());
    // The element budget's size is fixed; the grid's step and visibility live in the settings dialog.
    setForm_->SetGridStep(saved.Grid);
    setForm_->SetShowGrid(saved.ShowGrid);
    downloadFolder_ = saved.DownloadFolder;
    acGrid->setChecked(setForm_->ShowGrid());
    lvHeight_ = saved.FrameListHeight;
    designArea_->setSizes({qMax(100, saved.Window.height() - lvHeight_), lvHeight_});
    project_.SetUndoLimit(saved.UndoLimit);
    project_.SetFileName(saved.LastFile);
    ShowBudget();
    // The last project, when it still exists. Its out-of-screen notice waits for the first show, when
    // the window is there to carry it.
    if (!project_.FileName().isEmpty() && !QFileInfo(project_.FileName()).isFile())
        project_.SetFileName(QString());
    if (!project_.FileName().isEmpty()) {
        const QString file = project_.FileName();
        if (!LoadIntoWindow(file))
            project_.SetFileName(QString());
        ShowFileName();
    }
    splashFile_ = saved.SplashFile;
    if (!splashFile_.isEmpty() && QFileInfo(splashFile_).isFile()) {
        Guard([this] {
            const QImage picture = LoadPictureFile(splashFile_);
            if (!picture.isNull())
                SetSplashPicture(picture, splashFile_);
        });
    }
    // The grid as the settings have it, on every screen the project brought.
    project_.Screens().SetGridStep(quint8(setForm_->GridStep()));
    project_.Screens().SetShowGrid(setForm_->ShowGrid());
    project_.PowerFail().GridStep = quint8(setForm_->GridStep());
    project_.PowerFail().ShowGrid = setForm_->ShowGrid();
    project_.PowerFail().Invalidate();
    recentFiles_ = saved.RecentFiles;
    ShowRecentFiles();
    designArea_->ShowZoom(project_.Screens().Zoom);
}

void TMForm::ConnectActions()
{
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
    connect(acSaveAs, &QAction::triggered, this, [this] { SaveProjectCommand(true); });
    connect(acNextPage, &QAction::triggered, this, [this] { ShowPage(ActivePageIndex() + 1); });
    connect(acPrevPage, &QAction::triggered, this, [this] { ShowPage(ActivePageIndex() - 1); });
    connect(acAddScreen, &QAction::triggered, this, [this] { AddScreen(project_); });
    connect(acDelScreen, &QAction::triggered, this, [this] { DeleteScreenPage(); });
    connect(acSCRleft, &QAction::triggered, this, [this] { MoveScreenPage(-1); });
    connect(acSCRright, &QAction::triggered, this, [this] { MoveScreenPage(+1); });
    connect(acDelElement, &QAction::triggered, this, [this] {
        TLCD* s = ActiveScreen();
        if (!s || Selection(*s).isEmpty())
            return;
        DeleteElements(project_, *s, Selection(*s));
        ShowBudget();
        StatusLine(nullptr);
    });
    connect(acSelectAll, &QAction::triggered, this, [this] {
        TLCD* s = EditedScreen();
        if (!s)
            return;
        QList<TElement*> all;
        for (const auto& e : s->Elements())
            all.append(e.get());
        SetSelection(*s, all);
        StatusLine(s->SelectedElement);
    });
    connect(acDeselect, &QAction::triggered, this, [this] {
        if (acCopyProp->isChecked())
            EndCopyMode();
        if (acGetBkgColor->isChecked() || acGetFgColor->isChecked())
            EndPickMode();
        if (TLCD* s = EditedScreen()) {
            SetSelection(*s, {});
            StatusLine(nullptr);
        }
    });
    connect(acToBack, &QAction::triggered, this, [this] {
        if (TLCD* s = ActiveScreen(); s && s->SelectedElement)
            SendToBack(project_, *s->SelectedElement);
    });
    connect(acToFront, &QAction::triggered, this, [this] {
        if (TLCD* s = ActiveScreen(); s && s->SelectedElement)
            BringToFront(project_, *s->SelectedElement);
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
            DeleteElements(project_, project_.PowerFail(), {project_.PowerFail().SelectedElement});
            project_.PowerFail().SelectElement(nullptr);
        }
    });
    connect(acSettings, &QAction::triggered, this, [this] {
        hooks_.ShowSettings(*setForm_);
        TDesignerSettings::WriteGridColor(settings_, setForm_->cxColor->Color());
    });
    connect(acExit, &QAction::triggered, this, &QWidget::close);

    connect(ppElement, &QMenu::aboutToShow, this, [this] {
        UpdateActions();
        ppProperties_->setEnabled(acShProp->isEnabled());
        ppToBack_->setEnabled(acToBack->isEnabled());
        ppToFront_->setEnabled(acToFront->isEnabled());
    });
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
    // The palette's groups keep their size in a low window; it scrolls instead.
    palette->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("PaletteScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    scroll->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    scroll->setWidget(palette);
    scroll->setWidgetResizable(true);
    return scroll;
}

QWidget* TMForm::CreateDesignArea()
{
    designArea_ = new TDesignArea(project_, this);
    Label2 = designArea_->StatusLine();
    LV = designArea_->FrameList();
    SplashPanel = designArea_->SplashPanel();
    connect(SplashPanel, &TSplashPanel::ClockMoved, this, &TMForm::RefreshSplashPanel);
    connect(designArea_, &TDesignArea::PageActivated, this, &TMForm::PageSwitch);
    connect(designArea_, &TDesignArea::ZoomAsked, this, [this](int step, QPoint at) {
        const int from = project_.Screens().Zoom;
        SetZoom(from + step);
        designArea_->KeepUnderPointer(at, from, project_.Screens().Zoom);
    });
    connect(designArea_, &QSplitter::splitterMoved, this, [this] { lvHeight_ = LV->height(); });
    return designArea_;
}

// --- pages ----------------------------------------------------------------------------------------

int TMForm::PageCount() const
{
    return designArea_->PageCount();
}

TSCRTab* TMForm::Page(int index) const
{
    return designArea_->Page(index);
}

int TMForm::ActivePageIndex() const
{
    return designArea_->ActivePageIndex();
}

TLCD* TMForm::ActiveScreen() const
{
    return designArea_->ActiveScreen();
}

void TMForm::SetActivePage(int index)
{
    designArea_->SetActivePage(index);
}

TScreenView* TMForm::PowerFailView() const
{
    return designArea_->PowerFailView();
}

void TMForm::CaptionPages()
{
    designArea_->CaptionPages();
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
    screen->OnSelect = [this](TElement* e) { ElementSelected(e); };
    screen->OnDblClick = [this, screen](TElement* sender) {
        if (!propDialogs_)
            return;
        // A double press on a member of a group edits the group: it selects no single element.
        if (sender)
            ShowProperties();
        else
            ChangeScreen(project_, *screen, QT_TRANSLATE_NOOP("TProject", "Background colour"),
                         [&] { propDialogs_->BackgroundColor(*screen); });
    };
    // A press anywhere on the screen ends the copy mode and gives the picking mode its colour.
    screen->OnMouseDown = [this, screen](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
        ScreenPressed(screen);
    };
    connect(screen, &TLCD::ElementDestroying, this, [this](TElement* e) { ForgetElement(e); });
}

TSCRTab* TMForm::AddScreenPage(bool markModified)
{
    // Making the page is no change of the design; a command that adds a screen records its own.
    const TProject::TEdit edit(project_);
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

    auto* page = new TSCRTab(screen);
    page->View->SetElementMenu(ppElement);
    page->View->SetProject(&project_);
    designArea_->AddPage(page);

    ShowBudget();
    ArrangeDesignArea();
    // A page added without a step: the saved state is out of undo's reach.
    if (markModified)
        project_.SetModified(true);
    return page;
}

void TMForm::DeleteScreenPage()
{
    if (PageCount() <= 1)
        return;
    DeleteScreen(project_, ActivePageIndex());
    PageSwitch(ActivePageIndex());
}

void TMForm::MoveScreenPage(int step)
{
    const int from = ActivePageIndex();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= PageCount())
        return;
    MoveScreen(project_, from, to);
}

void TMForm::ShowPage(int index)
{
    if (index < 0 || index >= PageCount() || index == ActivePageIndex())
        return;
    // As a click on the page's tab does.
    SetActivePage(index);
    PageSwitch(index);
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
    // A page switch shows the page's layout, which changes nothing of the design.
    std::optional<TProject::TEdit> quiet;
    if (pageSwitching_) {
        quiet.emplace(project_);
        screen->SetLandscape(index == 1);
    } else if (screen->Landscape != (index == 1)) {
        ChangeScreen(project_, *screen,
                     index == 1 ? QT_TRANSLATE_NOOP("TProject", "Landscape") : QT_TRANSLATE_NOOP("TProject", "Portrait"),
                     [&] { screen->SetLandscape(index == 1); });
    }
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
    // The splash screen takes the first work screen's size.
    if (designArea_->Arrange())
        RefreshSplashPanel();
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
    if (DropElement(project_, *screen, kind, point))
        ShowBudget();
}

bool TMForm::AcceptOnPowerFail(int kind) const
{
    return CanDrop(project_.PowerFail(), TScreenRole::PowerFail, kind);
}

void TMForm::DropOnPowerFail(int kind, QPoint point)
{
    DropElement(project_, project_.PowerFail(), kind, point);
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
    project_.New([this](TLCD* screen) {
        for (int i = 0; i < PageCount(); ++i) {
            if (Page(i)->SCR != screen)
                continue;
            project_.Screens().DeleteScreen(screen);
            designArea_->DeletePage(i);
            return;
        }
    });
    SetActivePage(0);
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

bool TMForm::LoadIntoWindow(const QString& fileName,
                            const std::function<TProject::TOpenResult(const TLoadSteps&)>& open)
{
    TLoadSteps steps;
    steps.Clear = [this] {
        while (project_.Screens().Count() > 0)
            project_.Screens().DeleteScreen(project_.Screens().Items(project_.Screens().Count() - 1));
        designArea_->DeleteAllPages();
    };
    steps.NewScreen = [this] { return AddScreenPage(false)->SCR; };
    TProject::TOpenResult result;
    try {
        result = open ? open(steps) : project_.Open(fileName, steps);
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
    AddRecentFile(fileName);
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
    QStringList moved;
    for (int i = 0; i < project_.Screens().Count(); ++i)
        for (const TElement* e : project_.Screens().Items(i)->Repaired)
            moved << msg::ScreenCaption(i) + QStringLiteral(": ") + msg::ElementName(*e);
    hooks_.Notice(msg::OutsideScreenMoved(moved));
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
    SplashPanel->Show();
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

bool TMForm::SaveProjectCommand(bool askName)
{
    bool saved = false;
    Guard([this, &saved, askName] {
        if (!askName && !project_.FileName().isEmpty()) {
            SaveTo(project_.FileName());
            saved = true;
            WarnLostCharacters(false);
            return;
        }
        const QString file = hooks_.SaveProjectName();
        if (file.isEmpty())
            return;
        // The name is taken once the file is written, so a failed save leaves the project untitled.
        // The name's extension gives the form; a failed save keeps the form the project had.
        const TProjectForm form = project_.Form();
        project_.SetForm(ProjectFormForName(file));
        try {
            SaveTo(file);
        } catch (...) {
            project_.SetForm(form);
            throw;
        }
        project_.SetFileName(file);
        ShowFileName();
        AddRecentFile(file);
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
    designArea_->ShowZoom(project_.Screens().Zoom);
}

QString TMForm::DialogFolder() const
{
    if (!dialogFolder_.isEmpty() && QFileInfo(dialogFolder_).isDir())
        return dialogFolder_;
    if (!project_.FileName().isEmpty())
        return QFileInfo(project_.FileName()).absolutePath();
    return QDir::homePath();
}

QString TMForm::RememberFolder(const QString& chosenFile)
{
    if (!chosenFile.isEmpty())
        dialogFolder_ = QFileInfo(chosenFile).absolutePath();
    return chosenFile;
}

void TMForm::AddRecentFile(const QString& fileName)
{
    const QString file = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    recentFiles_.removeAll(file);
    recentFiles_.prepend(file);
    while (recentFiles_.size() > TDesignerSettings::MaxRecentFiles)
        recentFiles_.removeLast();
    TDesignerSettings::WriteRecentFiles(settings_, recentFiles_);
    ShowRecentFiles();
}

void TMForm::ShowRecentFiles()
{
    mnRecent_->clear();
    for (int i = 0; i < recentFiles_.size(); ++i) {
        const QString file = recentFiles_[i];
        QAction* entry = mnRecent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(file).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        entry->setToolTip(file);
        entry->setStatusTip(file);
        connect(entry, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
    }
    mnRecent_->setEnabled(!recentFiles_.isEmpty());
}

void TMForm::OpenRecentFile(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile()) {
        hooks_.ShowError(msg::RecentFileGone(fileName));
        recentFiles_.removeAll(fileName);
        TDesignerSettings::WriteRecentFiles(settings_, recentFiles_);
        ShowRecentFiles();
        return;
    }
    if (AskSaveAndGoOn())
        OpenProjectFile(fileName);
}

namespace {

// The project file a drag brings, or nothing: one local file whose name ends in ".lcd".
QString DroppedProject(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().first();
    if (!url.isLocalFile())
        return {};
    const QString file = url.toLocalFile();
    return file.endsWith(QStringLiteral(".lcd"), Qt::CaseInsensitive) ? file : QString();
}

} // namespace

void TMForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedProject(event->mimeData()).isEmpty() && !generating_)
        event->acceptProposedAction();
    else
        QMainWindow::dragEnterEvent(event);
}

void TMForm::dropEvent(QDropEvent* event)
{
    const QString file = DroppedProject(event->mimeData());
    if (file.isEmpty() || generating_) {
        QMainWindow::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    // The question and the project's messages come after the drop has ended, so that the desktop's
    // drag is not held by a modal box.
    QTimer::singleShot(0, this, [this, file] {
        if (AskSaveAndGoOn())
            OpenProjectFile(file);
    });
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
    TDesignerSettings::WriteLanguage(settings_, index);
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
    RetranslateActions();
    designArea_->Retranslate();
    RetranslateAlign();
    if (ppDeleteItem_)
        ppDeleteItem_->setText(tr("Delete item"));
    if (pbGenerate_)
        pbGenerate_->setFormat(tr("Generate: %v / %m"));
    CaptionPages();
    RetranslateSteps(project_.UndoStack());
    ShowUndoTexts();
    // The screens' captions changed length.
    ArrangeDesignArea();
}

void TMForm::UpdateActions()
{
    TLCD* s = ActiveScreen();
    const bool selection = s && s->SelectedElement;
    const QList<TElement*> selected = s ? Selection(*s) : QList<TElement*>();
    acSave->setEnabled(project_.Modified());
    acZoomOut->setEnabled(s && s->Zoom > 1);
    acZoomIn->setEnabled(s && s->Zoom < MaxZoom);
    acNextPage->setEnabled(ActivePageIndex() >= 0 && ActivePageIndex() < PageCount() - 1);
    acPrevPage->setEnabled(ActivePageIndex() > 0);
    for (QAction* a : {acToBack, acToFront})
        a->setEnabled(selection);
    acDelElement->setEnabled(!selected.isEmpty());
    designArea_->ShowSelection(selected);
    QStringList pastEdge;
    for (TLCD* screen : {s, &project_.PowerFail()})
        if (screen)
            for (const auto& e : screen->Elements())
                if (PastEdge(*e))
                    pastEdge << msg::ElementName(*e);
    designArea_->ShowPastEdge(msg::PastEdge(pastEdge));
    acShProp->setEnabled(OneKind(selected));
    acDelScreen->setEnabled(PageCount() > 1);
    acSCRleft->setEnabled(ActivePageIndex() > 0);
    acSCRright->setEnabled(ActivePageIndex() >= 0 && ActivePageIndex() < PageCount() - 1);
    acDelPWRelement->setEnabled(project_.PowerFail().SelectedElement != nullptr);
    UpdateWindowSideActions();
    UpdateClipboardActions();
    UpdateAlignActions();
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
    if (!s || !propDialogs_)
        return;
    const QList<TElement*> selection = Selection(*s);
    if (selection.isEmpty() || !OneKind(selection))
        return;
    TElement& first = *selection.first();
    const TElementData before = first.Data();
    bool changed = false;
    ChangeElements(project_, *s, selection, QT_TRANSLATE_NOOP("TProject", "Properties"), [&] {
        // The live previews of the bar and LED windows show on the element the window edits.
        TElement* const selected = s->SelectedElement;
        s->SelectedElement = &first;
        const auto restore = qScopeGuard([&] { s->SelectedElement = selected; });
        changed = propDialogs_->ShowProperties(*s, first);
        if (changed)
            for (TElement* other : selection.mid(1))
                ApplyChangedFields(*other, before, first.Data());
    });
    if (changed)
        StatusLine(&first);
}

void TMForm::CreateUndo()
{
    QUndoStack& stack = project_.UndoStack();
    acUndo = new QAction(this);
    acUndo->setObjectName(QStringLiteral("acUndo"));
    acUndo->setShortcut(QKeySequence::Undo);
    connect(acUndo, &QAction::triggered, &stack, &QUndoStack::undo);
    acRedo = new QAction(this);
    acRedo->setObjectName(QStringLiteral("acRedo"));
    acRedo->setShortcuts(QKeySequence::Redo); // every key the desktop knows: Ctrl+Shift+Z and Ctrl+Y
    connect(acRedo, &QAction::triggered, &stack, &QUndoStack::redo);
    for (auto changed : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(&stack, changed, this, &TMForm::ShowUndoTexts);
    connect(&stack, &QUndoStack::canUndoChanged, acUndo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, acRedo, &QAction::setEnabled);

    undoDock_ = new QDockWidget(this);
    undoDock_->setObjectName(QStringLiteral("UndoDock"));
    auto* view = new QUndoView(&stack, undoDock_);
    view->setObjectName(QStringLiteral("UndoView"));
    undoDock_->setWidget(view);
    addDockWidget(Qt::RightDockWidgetArea, undoDock_);
    undoDock_->hide();
    QAction* history = undoDock_->toggleViewAction();
    history->setObjectName(QStringLiteral("acUndoHistory"));
    mnEdit_->addActions({acUndo, acRedo});
    mnEdit_->addSeparator();
    mnEdit_->addActions({acSelectAll, acDeselect});
    mnEdit_->addSeparator();
    mnEdit_->addAction(history);
    acUndo->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"), QIcon(QStringLiteral(":/icons/actions/undo.svg"))));
    acRedo->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"), QIcon(QStringLiteral(":/icons/actions/redo.svg"))));

    // The pages follow the screens a step adds, removes or moves.
    project_.InsertScreen = [this](int index) {
        TSCRTab* page = AddScreenPage(false);
        const int last = PageCount() - 1;
        if (index < last) {
            designArea_->MovePage(last, index);
            project_.Screens().MoveScreen(last, index);
            CaptionPages();
        }
        SetActivePage(index);
        return page->SCR;
    };
    project_.RemoveScreen = [this](TLCD* screen) {
        const int index = project_.Screens().IndexOf(screen);
        if (index < 0)
            return;
        project_.Screens().DeleteScreen(screen);
        designArea_->DeletePage(index);
        SetActivePage(index < PageCount() ? index : 0);
        CaptionPages();
    };
    project_.ReorderScreen = [this](int from, int to) {
        designArea_->MovePage(from, to);
        project_.Screens().MoveScreen(from, to);
        CaptionPages();
    };
    connect(&project_, &TProject::StepReplayed, this, &TMForm::ShowAfterStep);
    ShowUndoTexts();
}

void TMForm::ShowUndoTexts()
{
    if (!acUndo)
        return; // still being built
    const QUndoStack& stack = project_.UndoStack();
    acUndo->setText(stack.canUndo() ? tr("Undo %1").arg(stack.undoText()) : tr("Undo"));
    acRedo->setText(stack.canRedo() ? tr("Redo %1").arg(stack.redoText()) : tr("Redo"));
    acUndo->setEnabled(stack.canUndo());
    acRedo->setEnabled(stack.canRedo());
    undoDock_->setWindowTitle(tr("Undo History"));
    if (auto* view = undoDock_->findChild<QUndoView*>())
        view->setEmptyLabel(tr("<empty>"));
}

void TMForm::ShowAfterStep()
{
    ShowBudget();
    if (TLCD* s = ActiveScreen()) {
        ShowLayout(s->Landscape);
        StatusLine(s->SelectedElement);
    }
    ArrangeDesignArea();
    RefreshSplashPanel();
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
    // Saved, or the changes were given up: the recovery copy has done its work.
    if (autosave_)
        autosave_->Closed();
    if (LV->isVisible())
        lvHeight_ = LV->height();
    TDesignerSettings kept;
    kept.Grid = setForm_->GridStep();
    kept.ShowGrid = acGrid->isChecked();
    kept.Window = QRect(x(), y(), width(), height());
    kept.LastFile = project_.FileName();
    // A splash file that could not be found is written back as it was read.
    kept.SplashFile = project_.Splash().ImageFile().isEmpty() ? splashFile_ : project_.Splash().ImageFile();
    kept.FrameListHeight = lvHeight_;
    kept.DownloadFolder = downloadFolder_;
    kept.WriteAtExit(settings_, MaxElements);
    return true;
}
