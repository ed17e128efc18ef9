// The splash panel's controls (the clock group, the clock colours, dragging the clock fields and the
// animation preview), the picture commands and the animation commands with the frame list.

#include "document/edits.h"
#include "model/render.h"
#include "base/terror.h"
#include "base/urgb.h"
#include "widgets/colorbox.h"
#include "ui/designarea.h"
#include "ui/splashpanel.h"
#include "ui/palette.h"
#include "ui/timegroup.h"
#include "ui/umain.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTimer>

namespace {
// The frame list's look without frames.
constexpr QRgb EmptyFrameListColor = 0x808080;
constexpr int EmptyFrameListHeight = 60;
// Frames show at their own size in the list up to this side.
constexpr int MaxFrameIconSide = 96;
} // namespace

void TMForm::CreateSplashCommands()
{
    gbTime_ = findChild<TTimeGroup*>();
    Q_ASSERT(gbTime_);

    // --- the clock group and its colours
    connect(gbTime_->chTime, &QCheckBox::clicked, this, [this](bool on) {
        ChangeSplash(project_, QT_TRANSLATE_NOOP("TProject", "Clock"), [&] { project_.Splash().SetClockShown(on); });
        RefreshSplashPanel();
    });
    connect(gbTime_->chTRN, &QCheckBox::clicked, this, [this](bool on) {
        ChangeSplash(project_, QT_TRANSLATE_NOOP("TProject", "Clock transparency"), [&] { project_.Splash().SetClockTransparent(on); });
        RefreshSplashPanel();
    });
    connect(gbTime_->cxTMw, &QSpinBox::valueChanged, this, [this](int w) {
        ChangeSplash(project_, QT_TRANSLATE_NOOP("TProject", "Digit size"), [&] { project_.Splash().SetDigitWidth(w); });
        RefreshSplashPanel();
    });
    connect(gbTime_->cxTMh, &QSpinBox::valueChanged, this, [this](int h) {
        ChangeSplash(project_, QT_TRANSLATE_NOOP("TProject", "Digit size"), [&] { project_.Splash().SetDigitHeight(h); });
        RefreshSplashPanel();
    });
    connect(Panel2, &QPushButton::clicked, this, [this] {
        const QColor chosen = hooks_.PickColor(ToQColor(project_.Splash().ClockDigitColor()));
        if (!chosen.isValid())
            return;
        ChangeSplash(project_, QT_TRANSLATE_NOOP("TProject", "Clock colour"),
                     [&] { project_.Splash().SetClockDigitColor(FromQColor(chosen)); });
        RefreshSplashPanel();
    });

    // --- pictures
    connect(acLoadLCDbkg, &QAction::triggered, this, [this] {
        const QString file = hooks_.PictureName(QString());
        if (file.isEmpty())
            return;
        Guard([&] {
            project_.Splash().LoadPicture(file);
            splashFile_ = file;
        });
        RefreshSplashPanel();
    });
    connect(acLoadBkg, &QAction::triggered, this, [this] {
        TLCD* s = ActiveScreen();
        const QString file = s ? hooks_.PictureName(QString()) : QString();
        if (!file.isEmpty())
            Guard([&] { ChangeScreen(project_, *s, QT_TRANSLATE_NOOP("TProject", "Background"), [&] { s->SetBackground(file); }); });
    });
    connect(acUnLoadBkg, &QAction::triggered, this, [this] {
        if (TLCD* s = ActiveScreen()) {
            ChangeScreen(project_, *s, QT_TRANSLATE_NOOP("TProject", "Clear background"), [&] {
                s->SetBackground(QString());
                s->MarkModified();
                s->Invalidate();
            });
        }
    });
    connect(acLoadPWR, &QAction::triggered, this, [this] {
        const QString file = hooks_.PictureName(QString());
        if (!file.isEmpty())
            Guard([&] {
                ChangeScreen(project_, project_.PowerFail(), QT_TRANSLATE_NOOP("TProject", "Power screen image"),
                             [&] { project_.PowerFail().SetBackground(file); });
                project_.PowerFail().Invalidate();
            });
    });

    // --- the animation
    connect(acLoadGIF, &QAction::triggered, this, [this] { LoadGIFCommand(); });
    connect(acUnLoadGIF, &QAction::triggered, this, [this] { UnLoadGIFCommand(); });
    LV->setContextMenuPolicy(Qt::CustomContextMenu);
    LV->setSelectionMode(QAbstractItemView::SingleSelection);
    LV->setMovement(QListView::Static);
    ppFrames_ = new QMenu(this);
    ppFrames_->setObjectName(QStringLiteral("ppFrames"));
    ppDeleteItem_ = ppFrames_->addAction(QString(), this, [this] { DeleteFrameItem(); });
    connect(LV, &QListWidget::customContextMenuRequested, this,
            [this](QPoint at) { ppFrames_->popup(LV->viewport()->mapToGlobal(at)); });
    ShowFrameList();
}

void TMForm::LoadGIFCommand()
{
    const QString file = hooks_.GIFName();
    if (file.isEmpty())
        return;
    // The file is decoded completely before anything changes, so a bad one leaves the animation,
    // the preview and the frame list as they were.
    Guard([&] {
        ChangeSplash(project_, QT_TRANSLATE_NOOP("TProject", "Load animated GIF"), [&] { project_.Animation().LoadAnimation(file); });
    });
    LV->clear();
    RefreshSplashPanel();
}

void TMForm::UnLoadGIFCommand()
{
    SplashPanel->StopPreview();
    ChangeSplash(project_, QT_TRANSLATE_NOOP("TProject", "Clear animated GIF"), [&] { project_.Animation().Clear(); });
    LV->clear();
    RefreshSplashPanel();
    const QList<int> sizes = designArea_->sizes();
    if (sizes.size() == 2)
        designArea_->setSizes({sizes[0] + sizes[1] - EmptyFrameListHeight, EmptyFrameListHeight});
}

void TMForm::DeleteFrameItem()
{
    QListWidgetItem* item = LV->currentItem();
    if (!item || !item->isSelected())
        return;
    const int row = LV->row(item);
    bool deleted = false;
    ChangeSplash(project_, QT_TRANSLATE_NOOP("TProject", "Delete frame"), [&] { deleted = project_.Animation().DeleteFrame(row); });
    if (!deleted)
        return;
    // Only the removed entry goes: the others keep the pictures they show.
    delete LV->takeItem(row);
    RefreshSplashPanel();
}

void TMForm::ShowFrameList()
{
    const bool frames = project_.Animation().FrameCount() > 0;
    const QSize frame = project_.Animation().FrameSize();
    if (frames)
        LV->setIconSize(frame.boundedTo(QSize(MaxFrameIconSide, MaxFrameIconSide)).expandedTo(QSize(16, 16)));
    QPalette pal = LV->palette();
    pal.setColor(QPalette::Base, frames ? QColor(Qt::white) : QColor::fromRgb(EmptyFrameListColor));
    LV->setPalette(pal);
}

void TMForm::ShowSplashControls()
{
    if (!gbTime_)
        return; // still being built
    const QSignalBlocker blockShow(gbTime_->chTime), blockTransparent(gbTime_->chTRN),
        blockWidth(gbTime_->cxTMw), blockHeight(gbTime_->cxTMh);
    gbTime_->chTime->setChecked(project_.Splash().ClockShown());
    gbTime_->chTRN->setChecked(project_.Splash().ClockTransparent());
    gbTime_->cxTMw->setValue(project_.Splash().DigitWidth());
    gbTime_->cxTMh->setValue(project_.Splash().DigitHeight());
    gbTime_->cxTMw->setEnabled(project_.Splash().DigitSizeEditable());
    gbTime_->cxTMh->setEnabled(project_.Splash().DigitSizeEditable());
    ShowFrameList();
}
