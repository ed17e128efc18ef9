#include "ui/upreview.h"

#include "model/elementkind.h"
#include "base/terror.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

TPreviewForm::TPreviewForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PreviewForm"));
    auto* layout = new QVBoxLayout(this);

    auto* folderRow = new QHBoxLayout;
    lbFolder_ = new QLabel(this);
    eFolder = new QLineEdit(this);
    eFolder->setObjectName(QStringLiteral("eFolder"));
    eFolder->setReadOnly(true);
    btFolder = new QPushButton(this);
    btFolder->setObjectName(QStringLiteral("btFolder"));
    btReload = new QPushButton(this);
    btReload->setObjectName(QStringLiteral("btReload"));
    folderRow->addWidget(lbFolder_);
    folderRow->addWidget(eFolder, 1);
    folderRow->addWidget(btFolder);
    folderRow->addWidget(btReload);
    layout->addLayout(folderRow);

    PGpages = new QTabWidget(this);
    PGpages->setObjectName(QStringLiteral("PGpages"));
    PGpages->setMinimumSize(340, 360);
    layout->addWidget(PGpages, 1);

    auto* controls = new QHBoxLayout;
    tbValue = new QSlider(Qt::Horizontal, this);
    tbValue->setObjectName(QStringLiteral("tbValue"));
    tbValue->setRange(0, 100);
    lbValue = new QLabel(this);
    lbValue->setObjectName(QStringLiteral("lbValue"));
    lbValue->setMinimumWidth(90);
    chLeds = new QCheckBox(this);
    chLeds->setObjectName(QStringLiteral("chLeds"));
    eTime = new QTimeEdit(QTime(12, 0), this);
    eTime->setObjectName(QStringLiteral("eTime"));
    eTime->setDisplayFormat(QStringLiteral("HH:mm"));
    controls->addWidget(lbValue);
    controls->addWidget(tbValue, 1);
    controls->addWidget(chLeds);
    controls->addWidget(eTime);
    layout->addLayout(controls);

    lbFindings_ = new QLabel(this);
    LVfindings = new QListWidget(this);
    LVfindings->setObjectName(QStringLiteral("LVfindings"));
    LVfindings->setMaximumHeight(120);
    layout->addWidget(lbFindings_);
    layout->addWidget(LVfindings);

    tmFrames = new QTimer(this);
    tmFrames->setObjectName(QStringLiteral("tmFrames"));

    ChooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(this, tr("SD-card set"), start);
    };
    connect(btFolder, &QPushButton::clicked, this, [this] {
        const QString folder = ChooseFolder ? ChooseFolder(folder_) : QString();
        if (!folder.isEmpty())
            OpenFolder(folder);
    });
    connect(btReload, &QPushButton::clicked, this, [this] { OpenFolder(folder_); });
    connect(tbValue, &QSlider::valueChanged, this, [this] { Redraw(); });
    connect(chLeds, &QCheckBox::toggled, this, [this] { Redraw(); });
    connect(eTime, &QTimeEdit::timeChanged, this, [this] { Redraw(); });
    connect(tmFrames, &QTimer::timeout, this, &TPreviewForm::NextFrame);

    Retranslate();
    Rebuild();
}

void TPreviewForm::Retranslate()
{
    setWindowTitle(tr("Preview SD-card set"));
    lbFolder_->setText(tr("Folder:"));
    btFolder->setText(tr("Folder..."));
    btReload->setText(tr("Reload"));
    chLeds->setText(tr("LEDs on"));
    lbFindings_->setText(tr("Check:"));
    for (int i = 0; i < PGpages->count(); ++i) {
        const int screens = int(set_.Screens.size());
        PGpages->setTabText(i, i < screens    ? tr("Screen %1").arg(i + 1)
                               : i == screens ? tr("Splash")
                                              : tr("Power fail"));
    }
    if (LVfindings->count() == 1 && set_.Findings.empty() && !folder_.isEmpty())
        LVfindings->item(0)->setText(tr("The set is whole."));
    lbValue->setText(tr("Value: %1").arg(tbValue->value()));
}

void TPreviewForm::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

void TPreviewForm::OpenFolder(const QString& folder)
{
    folder_ = folder;
    eFolder->setText(QDir::toNativeSeparators(folder));
    set_ = ReadPanelSet(TFolderSource(folder));
    frame_ = 0;
    Rebuild();
}

TPanelState TPreviewForm::State() const
{
    TPanelState s;
    s.Value = float(tbValue->value());
    s.LedsOn = chLeds->isChecked();
    s.Hours = eTime->time().hour();
    s.Minutes = eTime->time().minute();
    s.Frame = frame_;
    return s;
}

int TPreviewForm::PageCount() const
{
    return PGpages->count();
}

bool TPreviewForm::AnimationPlaying() const
{
    return tmFrames->isActive();
}

void TPreviewForm::NextFrame()
{
    if (!set_.Animation || set_.Animation->Frames.empty())
        return;
    frame_ = (frame_ + 1) % int(set_.Animation->Frames.size());
    DrawPage(int(set_.Screens.size())); // only the splash page moves
}

void TPreviewForm::Rebuild()
{
    const int shown = PGpages->currentIndex();
    while (PGpages->count() > 0) {
        QWidget* page = PGpages->widget(0);
        PGpages->removeTab(0);
        delete page;
    }
    pageLabels_.clear();
    const int pages = folder_.isEmpty() ? 0 : int(set_.Screens.size()) + 2;
    for (int i = 0; i < pages; ++i) {
        auto* page = new QWidget;
        auto* label = new QLabel(page);
        label->setObjectName(QStringLiteral("lbPage%1").arg(i));
        label->move(1, 1);
        label->setWordWrap(true);
        PGpages->addTab(page, QString());
        pageLabels_.push_back(label);
    }
    if (shown >= 0 && shown < pages)
        PGpages->setCurrentIndex(shown);

    // DROs and bars are worth seeing up to the largest bar's maximum.
    int top = 100;
    for (const TPanelScreen& s : set_.Screens)
        for (const TPanelRecord& r : s.Records)
            if (r.Kind == ekBar)
                top = std::max(top, int(r.MaxVal));
    tbValue->setRange(0, top);

    LVfindings->clear();
    if (!folder_.isEmpty()) {
        const QStringList report = CheckReport(set_);
        LVfindings->addItems(report);
        if (report.isEmpty())
            LVfindings->addItem(QString());
    }

    tmFrames->stop();
    if (set_.Animation && set_.Problems(TSetPart::Splash).isEmpty() && set_.Animation->Speed > 0 &&
        set_.Animation->Frames.size() > 1) {
        tmFrames->setInterval(set_.Animation->Speed);
        tmFrames->start();
    }
    Retranslate();
    Redraw();
}

void TPreviewForm::Redraw()
{
    lbValue->setText(tr("Value: %1").arg(tbValue->value()));
    const int pages = int(pageLabels_.size());
    images_.assign(size_t(pages), QImage());
    refusals_.assign(size_t(pages), QString());
    for (int i = 0; i < pages; ++i)
        DrawPage(i);
}

void TPreviewForm::DrawPage(int index)
{
    if (index < 0 || index >= int(pageLabels_.size()))
        return;
    const int screens = int(set_.Screens.size());
    const TPanelState state = State();
    images_[size_t(index)] = QImage();
    refusals_[size_t(index)].clear();
    try {
        images_[size_t(index)] = index < screens    ? RenderPanelScreen(set_, index, state)
                                 : index == screens ? RenderPanelSplash(set_, state)
                                                    : RenderPanelPowerFail(set_, state);
    } catch (const TError& e) {
        refusals_[size_t(index)] = e.Message();
    }
    QLabel* label = pageLabels_[size_t(index)];
    const QImage& image = images_[size_t(index)];
    if (!image.isNull()) {
        label->setPixmap(QPixmap::fromImage(image));
        label->resize(image.size());
    } else {
        label->setPixmap(QPixmap());
        label->setText(refusals_[size_t(index)]);
        label->resize(320, 200);
    }
}
