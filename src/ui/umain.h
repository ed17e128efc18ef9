#pragma once

#include "document/tproject.h"
#include "model/tlcd.h"
#include "model/tlcdlist.h"
#include "output/animation.h"
#include "output/splash.h"
#include "project/splashsettings.h"
#include "ui/mainactions.h"
#include "ui/settingsfile.h"

#include <QImage>
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QDockWidget;
class QActionGroup;
class QLabel;
class QListWidget;
class QMenu;
class QScrollArea;
class QSpinBox;
class QSplitter;
class QTabWidget;
class TRadioGroup;
class TPropDialogs;
class TSCRTab;
class TScreenView;
class TSetForm;
class TSplashPanel;
class TDesignArea;
class TAboutForm;
class TDownloadForm;
class THIDLayer;
class TTimeGroup;
class TPreviewForm;
class QProgressBar;
class TAutosave;

// The answers to the question whether to save the project before it is dropped.
enum class TSaveAnswer { Save, Discard, Cancel };

// The questions and dialogs the main window shows. Each has a default that opens the real box; a
// test replaces them so that nothing modal ever waits for a user.
struct TFormHooks
{
    // A warning with Yes and No; true unless the answer was No.
    std::function<bool(const QString& text)> AskYesNo;
    // A warning with Save, Discard and Cancel, asked before unsaved changes would be dropped.
    std::function<TSaveAnswer(const QString& text)> AskSave;
    // A warning with OK.
    std::function<void(const QString& text)> Notice;
    // The general error handler: an error's own text.
    std::function<void(const QString& text)> ShowError;
    // File dialogs; an empty answer means cancelled.
    std::function<QString()> OpenProjectName;
    std::function<QString()> SaveProjectName;
    std::function<QString(const QString& preset)> PictureName;
    // The settings dialog, shown modally.
    std::function<void(TSetForm& form)> ShowSettings;

    // The animated GIF file dialog; empty means cancelled.
    std::function<QString()> GIFName;
    // The colour dialog opened at `initial`; an invalid colour means cancelled.
    std::function<QColor(const QColor& initial)> PickColor;
    // A warning with OK under its own caption.
    std::function<void(const QString& caption, const QString& text)> WarnWithCaption;
    // An information question with Yes and No; true for Yes.
    std::function<bool(const QString& text)> AskInfo;
    // Shows a folder in the desktop's file browser; false when the desktop could not.
    std::function<bool(const QString& folder)> OpenFolder;
    // The download window and the about box, shown modally.
    std::function<void(TDownloadForm& form)> ShowDownload;
    std::function<void(TAboutForm& form)> ShowAbout;
    // The system beep.
    std::function<void()> Beep;
    // The SD-card set preview, shown beside the main window.
    std::function<void(TPreviewForm& form)> ShowPreview;
    // The start-up question for a recovery copy, with Restore (the default) and Discard; true for
    // Restore.
    std::function<bool(const QString& text)> AskRestore;
};

// The folders searched for language files, in order: the program folder, then the installed data
// folders (ProgramDataFolders).
QStringList DefaultLanguageFolders();

struct TFormOptions
{
    QString IniPath; // empty: TSettingsFile::DefaultPath()
    TFormHooks Hooks;
    // The HID layer the download window finds the panel through; not owned. Null: the hidapi one.
    THIDLayer* HIDLayer = nullptr;
    // The folders searched for language files, in order.
    QStringList LanguageFolders = DefaultLanguageFolders();
    // Where recovery copies are kept; empty: TRecovery::DefaultFolder().
    QString RecoveryFolder;
};

// The designer's main window. It owns, for the whole run, the screen list with one page per work
// screen, the power-fail screen, the splash state and the element budget, and turns the user's
// commands into operations of the model.
class TMForm : public QMainWindow, public TMainActions
{
    Q_OBJECT

  public:
    explicit TMForm(TFormOptions options = {}, QWidget* parent = nullptr);
    ~TMForm() override;

    // --- the design ------------------------------------------------------------------------------
    TProject& Project() { return project_; }
    // The splash state as the project header holds it.
    SplashSettings GatherSplash() const { return project_.GatherSplash(); }
    TLCDList& List() { return project_.Screens(); }
    TLCD& PowerFail() { return project_.PowerFail(); }
    TScreenView* PowerFailView() const;
    int PageCount() const;
    TSCRTab* Page(int index) const;
    int ActivePageIndex() const;
    // The active page's screen, or null while there is no page.
    TLCD* ActiveScreen() const;
    // The active work screen's free budget slots.
    int Budget() const;
    const QString& CurrentFile() const { return project_.FileName(); }
    TSetForm* SetForm() const { return setForm_; }
    const TSettingsFile& Settings() const { return settings_; }
    TFormHooks& Hooks() { return hooks_; }
    // The keeper of this designer's recovery copy; null when copies are off or cannot be kept.
    TAutosave* Autosave() const { return autosave_; }
    TSplash& Splash() { return project_.Splash(); }
    TAnimation& Animation() { return project_.Animation(); }
    // Shows a splash picture without marking the project modified (the command line's --splash).
    void SetSplashPicture(const QImage& picture, const QString& file);
    // The element property dialogs and the RGB calculator.
    TPropDialogs* PropDialogs() const { return propDialogs_; }

    // Edit > Undo and Redo (their texts name the step: "Undo Move 3 elements") and the Undo History
    // dock, hidden until asked for.
    QAction *acUndo = nullptr, *acRedo = nullptr;
    QDockWidget* UndoDock() const { return undoDock_; }

    // --- commands (the actions call these) -------------------------------------------------------
    TSCRTab* AddScreenPage(bool markModified);
    void DeleteScreenPage();
    void MoveScreenPage(int step); // -1 left, +1 right
    void NewProject();
    // Opens a project without the file dialog; false (and nothing changed) when it cannot be loaded.
    bool OpenProjectFile(const QString& fileName);
    // Saves to the current file, or asks for a name (always, for Save As); true when the project was
    // written.
    bool SaveProjectCommand(bool askName = false);
    // File > Recent projects, the latest first (native separators).
    const QStringList& RecentFiles() const { return recentFiles_; }
    void OpenRecentFile(const QString& fileName);
    // Makes the page active as a click on its tab does; an index naming no page does nothing.
    void ShowPage(int index);
    // Asked by every command that would drop the open project (New, Open, Exit): while it has
    // unsaved changes, Save / Discard / Cancel. True when the command may go on: nothing unsaved, the
    // user discarded, or the project was saved. Cancel, a cancelled save dialog and a failed save give
    // false, and the window and the project stay as they were.
    bool AskSaveAndGoOn();
    void ApplyLanguage(int index);

    // The enabling rules; run whenever the application is idle.
    void UpdateActions();
    // The closing sequence: the save question, then the settings. Runs once; false (and nothing
    // written) when the user chose to stay.
    bool Shutdown();

    // The element kind a drag source carries, or -1.
    static int DragKind(const QObject* source);

    // --- splash, generate, download and the editing commands (umain_splash.cpp, umain_commands.cpp) ---
    // Generate from the window: the SD-card files of the project in the folder named after it. The
    // files are written on another thread while the window repaints and shows the progress; the
    // user's input waits until they are written. Does nothing while a Generate runs.
    void GenerateCommand();
    bool Generating() const { return generating_; }
    void DownloadCommand();
    const QString& DownloadFolder() const { return downloadFolder_; }
    TDownloadForm* DownloadForm() const { return downloadForm_; }
    TAboutForm* AboutForm() const { return aboutForm_; }
    // The element "Copy properties" pastes from, and the one a picked colour goes to; null for none.
    TElement* CopySource() const { return copySource_; }
    TElement* PickTarget() const { return pickTarget_; }
    // "Delete item" of the frame list: removes the selected frame; nothing without a selection.
    void DeleteFrameItem();

    // --- the panel's view (umain_preview.cpp) ---------------------------------------------------------
    // Shows every screen, the splash and the power-fail screen through the RGB565 round trip, and the
    // colour boxes with their 16-bit values.
    void SetPanelColours(bool on);
    // Opens the preview window on the last Generate's output (or the download folder before any).
    void PreviewSetCommand();
    TPreviewForm* PreviewForm() const { return previewForm_; }

    // --- the clipboard (umain_clipboard.cpp) -----------------------------------------------------
    // The screen Select All, Deselect, Cut, Copy, Paste and Duplicate act on: the power-fail screen
    // while its view has the focus (a click gives it), else the active work screen (null while there
    // is none).
    TLCD* EditedScreen();
    void CutCommand();
    void CopyCommand();
    void PasteCommand();
    void DuplicateCommand();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A project file dropped on the window opens as File > Open does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Sets every text of the window in the active language.
    void Retranslate();
    // Makes the language of the list entry active (an index naming no entry counts as 0), without
    // writing the settings; returns the index used.
    int ActivateLanguage(int index);
    // What the actions, menus and the element menu do.
    void ConnectActions();
    QWidget* CreatePalette();
    QWidget* CreateDesignArea();
    void StartUp(const QStringList& languageFolders);
    void CreatePropDialogs();
    // The Edit menu, the history dock, and the project's ways of adding, removing and moving pages.
    void CreateUndo();
    // Shows again what an undone or redone step may have changed beyond the screens' views.
    void ShowAfterStep();
    // Edit > Undo and Redo name the steps they would take, in the active language.
    void ShowUndoTexts();
    // The properties command (acShProp) for the active screen's selected element.
    void ShowProperties();

    void CaptionPages();
    void ShowBudget();
    void SetActivePage(int index); // without the page-switch handling
    void PageSwitch(int index);
    void LayoutClick(int index);
    // The layout control and the list take a layout set by the program, not clicked by the user.
    void ShowLayout(bool landscape);
    void ArrangeDesignArea();
    void WireWorkScreen(TLCD* screen);
    void ShowFileName();
    // Shows the splash state: picture, clock fields, animation preview, frame list, clock colours.
    void RefreshSplashPanel();

    bool AcceptOnWorkScreen(TLCD* screen, int kind) const;
    void DropOnWorkScreen(TLCD* screen, int kind, QPoint point);
    bool AcceptOnPowerFail(int kind) const;
    void DropOnPowerFail(int kind, QPoint point);
    void FileNotFound(TElement* element, QString& fileName);
    void OutOfScreenNotice();
    void StatusLine(TElement* element);
    // `open` stands in for opening the file (a recovery copy is opened under its project's name).
    bool LoadIntoWindow(const QString& fileName,
                        const std::function<TProject::TOpenResult(const TLoadSteps&)>& open = {});
    // The recovery copies (umain_recovery.cpp): offers those of designers no longer running, then
    // keeps this one's.
    void StartRecovery(const QString& folder);
    // Shows a project just opened: its first page and layout, the splash panel.
    void ShowOpenedProject();
    void SaveTo(const QString& fileName);
    // Names the elements whose texts the code page could not hold in full, after a save or a Generate.
    void WarnLostCharacters(bool generated);
    void SetZoom(int zoom);
    // Where file dialogs open: the folder of the last file chosen in one, else the project's folder,
    // else the home folder.
    QString DialogFolder() const;
    // Takes note of a file chosen in a file dialog; returns it.
    QString RememberFolder(const QString& chosenFile);
    void AddRecentFile(const QString& fileName);
    void ShowRecentFiles();
    void SetGridShown(bool on);
    // Runs a command; an error ends it and is shown by the general error handler.
    void Guard(const std::function<void()>& command);

    TSettingsFile settings_;
    TFormHooks hooks_;
    TAutosave* autosave_ = nullptr;
    // The open project: everything the user designs.
    TProject project_;

    QString programFolder_;
    QString splashFile_;
    QString downloadFolder_;
    QString dialogFolder_;
    QStringList recentFiles_;
    int lvHeight_ = 145;
    bool pageSwitching_ = false;
    bool savedListModified_ = false, savedScreenModified_ = false;
    bool firstShown_ = false;
    bool shutDown_ = false;
    bool startupRepaired_ = false;

    TSetForm* setForm_ = nullptr;
    TPropDialogs* propDialogs_ = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lbFreeElement = nullptr;
    TSplashPanel* SplashPanel = nullptr;
    TDesignArea* designArea_ = nullptr;
    TRadioGroup* rgSize = nullptr;
    QDockWidget* undoDock_ = nullptr;
    QSpinBox* cxTimer = nullptr;
    QListWidget* LV = nullptr;

    // --- window side of the splash screen, Generate, download and the editing commands ----------
    void StartUpWindowSide(THIDLayer* layer);
    void CreateSplashCommands();
    void CreateEditingCommands();
    void UpdateWindowSideActions();
    void ShowSplashControls();
    void ShowFrameList();
    void ElementSelected(TElement* element);
    void ScreenPressed(TLCD* screen);
    void EndCopyMode();
    void EndPickMode();
    void ForgetElement(const TElement* element);
    void LoadGIFCommand();
    void UnLoadGIFCommand();

    TTimeGroup* gbTime_ = nullptr;
    TDownloadForm* downloadForm_ = nullptr;
    TAboutForm* aboutForm_ = nullptr;
    QProgressBar* pbGenerate_ = nullptr;
    QMenu* ppFrames_ = nullptr;
    QAction* ppDeleteItem_ = nullptr;
    TElement* copySource_ = nullptr;
    TElement* pickTarget_ = nullptr;
    bool generating_ = false;

    // --- alignment (umain_align.cpp): Edit > Align and the element menu's Align --------------------
    void CreateAlignCommands();
    void UpdateAlignActions();
    void RetranslateAlign();
    QMenu* mnAlign_ = nullptr;
    std::vector<QAction*> alignActions_; // in AlignCommands order

    void CreatePreviewCommands();
    TPreviewForm* previewForm_ = nullptr;
    QString lastOutput_; // the folder the last Generate of this run wrote
    bool closeAfterGenerate_ = false;

    void CreateClipboardCommands();
    void UpdateClipboardActions();
    // Shows what a paste placed and, in the status line, what it left out.
    void ShowPasted(const QList<TElement*>& pasted, const QString& refused);
    // Our bytes and their picture on the system clipboard; nothing for no bytes.
    void PutOnClipboard(const QByteArray& bytes, const QImage& picture);
    bool clipboardHasElements_ = false;
};
