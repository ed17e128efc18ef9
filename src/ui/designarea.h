#pragma once

// The design area: the work screens as pages of a tab widget, the splash screen and the power-fail
// screen side by side on one scrolled canvas, the status line below them and the animation's frame
// list under a splitter. It lays them out and keeps the pages; what a page switch means for the
// project is the window's business.

#include <QSplitter>

#include <QList>

class QLabel;
class QListWidget;
class QScrollArea;
class QTabWidget;
class TElement;
class TLCD;
class TProject;
class TSCRTab;
class TScreenView;
class TSplashPanel;

class TDesignArea : public QSplitter
{
    Q_OBJECT

  public:
    TDesignArea(TProject& project, QWidget* parent);
    ~TDesignArea() override;

    int PageCount() const;
    TSCRTab* Page(int index) const;
    int ActivePageIndex() const;
    // The active page's screen, or null while there is no page.
    TLCD* ActiveScreen() const;

    // Page changes made by the program: none of them emits PageActivated.
    void SetActivePage(int index);
    // Adds the page at the end and makes it the active one.
    void AddPage(TSCRTab* page);
    // Takes the page out of the tab widget and deletes it.
    void DeletePage(int index);
    void MovePage(int from, int to);
    void DeleteAllPages();
    // "Screen N" on every page's tab.
    void CaptionPages();

    // The power-fail screen's view; made once, after the first page.
    TScreenView* CreatePowerFailView();
    TScreenView* PowerFailView() const { return powerFailView_; }
    TSplashPanel* SplashPanel() const { return splashPanel_; }
    QLabel* StatusLine() const { return Label2; }
    // Beside the status line, in panel pixels: the selected elements' place and size (their
    // bounding box when several are selected), and the pointer's position over a screen.
    void ShowSelection(const QList<TElement*>& selection);
    // Below the canvas, in the warning colour: which elements reach past the screens' edges.
    void ShowPastEdge(const QString& text);
    // Shows the zoom factor beside the status line.
    void ShowZoom(int zoom);
    // Scrolls so that the canvas point that was under `viewportPoint` at zoom `from` is under it again
    // at zoom `to`.
    void KeepUnderPointer(QPoint viewportPoint, int from, int to);
    QListWidget* FrameList() const { return LV; }

    // Places the active page, the splash screen (at the first work screen's size) and the power-fail
    // screen beside each other, and sizes the canvas to hold them; false while there is no page.
    bool Arrange();
    void Retranslate();

  signals:
    // The user made another page active.
    void PageActivated(int index);
    // Ctrl + wheel over the canvas: zoom in (+1) or out (-1) about that point of the viewport.
    void ZoomAsked(int step, QPoint viewportPoint);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void WatchPointer(TScreenView* view);

    TProject& project_;
    QScrollArea* designArea_ = nullptr;
    QWidget* canvas_ = nullptr;
    QTabWidget* PGscreen = nullptr;
    TSplashPanel* splashPanel_ = nullptr;
    TScreenView* powerFailView_ = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lbZoom = nullptr;
    QLabel* lbSelection = nullptr;
    QLabel* lbPointer = nullptr;
    QLabel* lbPastEdge = nullptr;
    QLabel* lbWork = nullptr;
    QLabel* lbSplash = nullptr;
    QLabel* lbPWR = nullptr;
    QListWidget* LV = nullptr;
    bool programSwitch_ = false;
};
