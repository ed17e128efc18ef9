#include "ui/designarea.h"

#include "model/telement.h"
#include "document/tproject.h"
#include "output/splash.h"
#include "ui/screenview.h"
#include "ui/scrtab.h"
#include "ui/splashpanel.h"
#include "widgets/messages.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// Sets a flag for a scope and puts back what it was.
class TFlagScope
{
  public:
    explicit TFlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = was_; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

  private:
    bool& flag_;
    bool was_;
};

} // namespace

TDesignArea::TDesignArea(TProject& project, QWidget* parent)
    : QSplitter(Qt::Vertical, parent), project_(project)
{
    setObjectName(QStringLiteral("Splitter1"));
    setChildrenCollapsible(false);

    auto* upper = new QWidget(this);
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
    lbZoom = new QLabel(upper);
    lbZoom->setObjectName(QStringLiteral("lbZoom"));
    lbZoom->setContentsMargins(6, 2, 6, 2);
    lbSelection = new QLabel(upper);
    lbSelection->setObjectName(QStringLiteral("lbSelection"));
    lbSelection->setContentsMargins(6, 2, 6, 2);
    lbPointer = new QLabel(upper);
    lbPointer->setObjectName(QStringLiteral("lbPointer"));
    lbPointer->setContentsMargins(6, 2, 6, 2);
    // Wide enough for "320, 240" so that the labels beside it do not jump as the pointer moves.
    lbPointer->setMinimumWidth(lbPointer->fontMetrics().horizontalAdvance(QStringLiteral("-0000, -0000")) + 12);
    auto* statusRow = new QHBoxLayout;
    statusRow->setContentsMargins(0, 0, 0, 0);
    statusRow->addWidget(Label2, 1);
    statusRow->addWidget(lbSelection);
    statusRow->addWidget(lbPointer);
    statusRow->addWidget(lbZoom);
    upperLayout->addLayout(statusRow);
    lbPastEdge = new QLabel(upper);
    lbPastEdge->setObjectName(QStringLiteral("lbPastEdge"));
    lbPastEdge->setContentsMargins(6, 0, 6, 2);
    lbPastEdge->setWordWrap(true);
    lbPastEdge->setStyleSheet(QStringLiteral("color: %1").arg(TScreenView::PastEdgeColor.name()));
    lbPastEdge->hide();
    upperLayout->addWidget(lbPastEdge);
    designArea_->viewport()->installEventFilter(this);

    lbWork = new QLabel(canvas_);
    lbWork->setObjectName(QStringLiteral("lbWork"));
    PGscreen = new QTabWidget(canvas_);
    PGscreen->setObjectName(QStringLiteral("PGscreen"));
    PGscreen->setDocumentMode(false);
    connect(PGscreen, &QTabWidget::currentChanged, this, [this](int index) {
        if (!programSwitch_ && index >= 0)
            emit PageActivated(index);
    });

    lbSplash = new QLabel(canvas_);
    lbSplash->setObjectName(QStringLiteral("lbSplash"));
    splashPanel_ = new TSplashPanel(project_, canvas_);
    lbPWR = new QLabel(canvas_);
    lbPWR->setObjectName(QStringLiteral("lbPWR"));

    LV = new QListWidget(this);
    LV->setObjectName(QStringLiteral("LV"));
    LV->setViewMode(QListView::IconMode);
    LV->setFlow(QListView::LeftToRight);
    LV->setWrapping(false);
    LV->setIconSize(QSize(48, 48));
    LV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV->setMinimumHeight(20);
    addWidget(upper);
    addWidget(LV);
    setStretchFactor(0, 1);
    setStretchFactor(1, 0);
}

TDesignArea::~TDesignArea()
{
    // Pages and views go before the screens they show, which the project owns.
    DeleteAllPages();
    delete powerFailView_;
    powerFailView_ = nullptr;
}

int TDesignArea::PageCount() const
{
    return PGscreen->count();
}

TSCRTab* TDesignArea::Page(int index) const
{
    return qobject_cast<TSCRTab*>(PGscreen->widget(index));
}

int TDesignArea::ActivePageIndex() const
{
    return PGscreen->currentIndex();
}

TLCD* TDesignArea::ActiveScreen() const
{
    TSCRTab* page = Page(ActivePageIndex());
    return page ? page->SCR : nullptr;
}

void TDesignArea::SetActivePage(int index)
{
    const TFlagScope program(programSwitch_);
    PGscreen->setCurrentIndex(index);
}

void TDesignArea::AddPage(TSCRTab* page)
{
    page->View->setObjectName(QStringLiteral("SCR%1").arg(PGscreen->count()));
    const TFlagScope program(programSwitch_);
    PGscreen->addTab(page, QString());
    WatchPointer(page->View);
    CaptionPages();
    PGscreen->setCurrentWidget(page);
}

void TDesignArea::DeletePage(int index)
{
    const TFlagScope program(programSwitch_);
    QWidget* page = PGscreen->widget(index);
    PGscreen->removeTab(index);
    delete page;
}

void TDesignArea::MovePage(int from, int to)
{
    const TFlagScope program(programSwitch_);
    PGscreen->tabBar()->moveTab(from, to);
    PGscreen->setCurrentIndex(to);
}

void TDesignArea::DeleteAllPages()
{
    while (PGscreen->count() > 0)
        DeletePage(PGscreen->count() - 1);
}

void TDesignArea::CaptionPages()
{
    for (int i = 0; i < PGscreen->count(); ++i)
        PGscreen->setTabText(i, msg::ScreenCaption(i));
}

TScreenView* TDesignArea::CreatePowerFailView()
{
    if (!powerFailView_) {
        powerFailView_ = new TScreenView(&project_.PowerFail(), canvas_);
        powerFailView_->setObjectName(QStringLiteral("PowerFail"));
        WatchPointer(powerFailView_);
    }
    return powerFailView_;
}

void TDesignArea::WatchPointer(TScreenView* view)
{
    connect(view, &TScreenView::PointerMoved, lbPointer,
            [this](QPoint p) { lbPointer->setText(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())); });
    connect(view, &TScreenView::PointerLeft, lbPointer, [this] { lbPointer->clear(); });
}

void TDesignArea::ShowSelection(const QList<TElement*>& selection)
{
    QString text;
    if (!selection.isEmpty()) {
        QRect box;
        for (const TElement* e : selection) {
            // From the window geometry, which a drag in progress has already moved.
            const int z = e->Zoom();
            box |= QRect(e->Left / z, e->Top / z, qMax(1, e->Width / z), qMax(1, e->Height / z));
        }
        text = selection.size() == 1
                   ? tr("%1, %2  %3 × %4").arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())
                   : tr("%n elements: %1, %2  %3 × %4", nullptr, int(selection.size()))
                         .arg(box.x())
                         .arg(box.y())
                         .arg(box.width())
                         .arg(box.height());
    }
    if (lbSelection->text() != text)
        lbSelection->setText(text);
}

void TDesignArea::ShowPastEdge(const QString& text)
{
    if (lbPastEdge->text() == text)
        return;
    lbPastEdge->setText(text);
    lbPastEdge->setVisible(!text.isEmpty());
}

bool TDesignArea::Arrange()
{
    TLCD* active = ActiveScreen();
    TLCD* first = PageCount() > 0 ? Page(0)->SCR : nullptr;
    if (!active || !first)
        return false;
    const int margin = 8;
    lbWork->adjustSize();
    lbWork->move(margin, margin);
    // The page frame: the screen at (1, 1) of the page, below the tabs.
    const int tabs = qMax(35 - 12, PGscreen->tabBar()->sizeHint().height() + 6);
    PGscreen->setFixedSize(active->DisplayWidth + 12, active->DisplayHeight + tabs + 12);
    PGscreen->move(margin, lbWork->geometry().bottom() + 3);

    const QRect pg = PGscreen->geometry();
    const QSize panel(first->PanelWidth, first->PanelHeight);
    splashPanel_->setGeometry(pg.right() + 1 + 10, pg.top() + 27, panel.width(), panel.height());
    project_.Splash().SetScreenSize(panel);
    lbSplash->adjustSize();
    lbSplash->move(splashPanel_->x(), splashPanel_->y() - 3 - lbSplash->height());

    if (powerFailView_) {
        TLCD& powerFail = project_.PowerFail();
        powerFail.DisplayWidth = panel.width();
        powerFail.DisplayHeight = panel.height();
        if (powerFail.BackgroundFile.isEmpty())
            powerFail.Background = BuiltInPowerFailPicture();
        powerFailView_->move(splashPanel_->geometry().right() + 1 + 10, splashPanel_->y());
        powerFailView_->SyncSize();
        powerFail.Invalidate();
        lbPWR->adjustSize();
        lbPWR->move(powerFailView_->x(), powerFailView_->y() - 3 - lbPWR->height());
    }
    QRect all = PGscreen->geometry() | splashPanel_->geometry();
    if (powerFailView_)
        all |= powerFailView_->geometry();
    canvas_->resize(all.right() + margin, all.bottom() + margin);
    return true;
}

void TDesignArea::Retranslate()
{
    lbWork->setText(QCoreApplication::translate("TMForm", "Work screen"));
    lbSplash->setText(QCoreApplication::translate("TMForm", "Splash screen"));
    lbPWR->setText(QCoreApplication::translate("TMForm", "Power fail screen"));
    LV->setToolTip(QCoreApplication::translate("TMForm", "Frames of animated image"));
    lbSelection->setToolTip(tr("The selected elements: place and size in panel pixels"));
    lbPointer->setToolTip(tr("The pointer's place on the screen in panel pixels"));
    lbZoom->setToolTip(tr("Zoom"));
    CaptionPages();
}

void TDesignArea::ShowZoom(int zoom)
{
    lbZoom->setText(QStringLiteral("%1 %").arg(zoom * 100));
}

void TDesignArea::KeepUnderPointer(QPoint viewportPoint, int from, int to)
{
    if (from <= 0 || to <= 0)
        return;
    QScrollBar* h = designArea_->horizontalScrollBar();
    QScrollBar* v = designArea_->verticalScrollBar();
    const QPoint canvasPoint(h->value() + viewportPoint.x(), v->value() + viewportPoint.y());
    h->setValue(canvasPoint.x() * to / from - viewportPoint.x());
    v->setValue(canvasPoint.y() * to / from - viewportPoint.y());
}

bool TDesignArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == designArea_->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            if (delta != 0)
                emit ZoomAsked(delta > 0 ? +1 : -1, wheel->position().toPoint());
            return true; // Ctrl + wheel never scrolls
        }
    }
    return QSplitter::eventFilter(watched, event);
}
