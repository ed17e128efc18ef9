#pragma once

// The main window's actions, menus, tool bar and the element's context menu: what they are called,
// where they sit and what they look like. What they do is the window's business; it connects them.

#include <vector>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QPushButton;
class QToolBar;

class TMainActions
{
  public:
    QAction *acNew = nullptr, *acOpen = nullptr, *acSave = nullptr, *acGenerate = nullptr,
            *acDownload = nullptr, *acAddScreen = nullptr, *acDelScreen = nullptr, *acSCRleft = nullptr,
            *acSCRright = nullptr, *acLoadBkg = nullptr, *acUnLoadBkg = nullptr, *acDelElement = nullptr,
            *acToBack = nullptr, *acToFront = nullptr, *acShProp = nullptr, *acCopyProp = nullptr,
            *acGetBkgColor = nullptr, *acGetFgColor = nullptr, *acZoomIn = nullptr, *acZoomOut = nullptr,
            *acZoomOne = nullptr, *acShowOrder = nullptr, *acGrid = nullptr, *acLoadLCDbkg = nullptr,
            *acLoadGIF = nullptr, *acUnLoadGIF = nullptr, *acLoadPWR = nullptr, *acDelPWRelement = nullptr,
            *acSettings = nullptr, *acCalc = nullptr, *acExit = nullptr, *acAbout = nullptr;
    // View > Panel colours (checkable) and Tools > Preview SD-card set.
    QAction *acPanelColors = nullptr, *acPreviewSet = nullptr;
    QAction *acSaveAs = nullptr, *acNextPage = nullptr, *acPrevPage = nullptr;
    // Edit > Select All (every element of the active screen) and Deselect (Escape).
    QAction *acSelectAll = nullptr, *acDeselect = nullptr;
    // Edit > Cut, Copy, Paste and Duplicate of the selected elements (the window fills the Edit menu).
    QAction *acCut = nullptr, *acCopy = nullptr, *acPaste = nullptr, *acDuplicate = nullptr;

  protected:
    // Makes the actions, the menu bar, the tool bar (with the clock colours button) and the element
    // menu of `window`, which owns them all.
    void CreateActions(QMainWindow* window);
    // Sets the texts of everything CreateActions made in the active language.
    void RetranslateActions();

    // The element's context menu and its entries, which trigger the actions of the same name.
    QMenu* ppElement = nullptr;
    QAction *ppProperties_ = nullptr, *ppToBack_ = nullptr, *ppToFront_ = nullptr;
    // The clock colours button on the tool bar.
    QPushButton* Panel2 = nullptr;
    // File > Recent projects; the window fills it.
    QMenu* mnRecent_ = nullptr;
    // The copy and the two colour-picking modes: at most one is on.
    QActionGroup* pickGroup_ = nullptr;
    // The Edit menu, after File; the window fills it (undo and redo belong to its project).
    QMenu* mnEdit_ = nullptr;

  private:
    void CreateMenus(QMainWindow* window);
    void CreateToolBar(QMainWindow* window);

    // What the tool bar and menus show for an action; translated whenever the language changes.
    struct TActionText
    {
        QAction* Action;
        const char* Caption;
        const char* Hint; // null: the caption
    };
    std::vector<TActionText> actionTexts_;
    QMenu *mnFile_ = nullptr, *mnWork_ = nullptr, *mnSplash_ = nullptr, *mnPower_ = nullptr,
          *mnView_ = nullptr, *mnTools_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QToolBar* editBar_ = nullptr;
};
