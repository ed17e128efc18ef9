#include "udownload.h"

#include "device/devicetools.h"
#include "device/download.h"
#include "device/panellink.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <climits>

namespace {

// The progress bar's range: fine enough for a set of any size, small enough for an int.
constexpr int kProgressSteps = 1000;

// cxDateEdit1 is empty while it holds this value (a date-time box always holds one).
const QDateTime kEmptyDateTime(QDate(2000, 1, 1), QTime(0, 0, 0));

QPushButton* Button(const char* name, QWidget* parent)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

TDownloadForm::TDownloadForm(THIDLayer* layer, QWidget* parent)
    : QDialog(parent), link_(new TPanelLink(layer, this)), download_(new TDownload(link_, this)),
      tools_(new TDeviceTools(link_, this))
{
    setObjectName(QStringLiteral("DownloadForm"));
    setFixedSize(621, 539);
    showMessage_ = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("Warning"), text);
    };
    browseFolder_ = QCoreApplication::applicationDirPath();

    tabs_ = new QTabWidget(this);
    tabs_->addTab(MakeFilesPage(), QString());
    tabs_->addTab(MakeToolsPage(), QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);

    link_->SetIdentitySource([this] { return std::pair{eVID_->text(), ePID_->text()}; });
    connect(link_, &TPanelLink::DeviceTextChanged, eDev_, &QLineEdit::setText);
    connect(link_, &TPanelLink::DeviceLost, this, [this](const QString& text) { AddLog(text, true); });
    connect(link_, &TPanelLink::DiscoveryDone, this, [this](bool has) {
        btStart_->setEnabled(has);
        btStartSelected_->setEnabled(has);
        btStartChanged_->setEnabled(has);
        ShowClaimAdvice();
        ShowLastFullWrite();
    });
    connect(download_, &TDownload::LogLine, this, &TDownloadForm::AddLog);
    connect(download_, &TDownload::Warning, this, &TDownloadForm::Warn);
    // The bar and the line below it follow the whole set, not one file: that is what a user waits for.
    connect(download_, &TDownload::ProgressVisible, this, [this](bool visible) {
        PB_->setVisible(visible);
        lbProgress_->setVisible(visible);
        btCancel_->setEnabled(visible && download_->Running());
        if (visible) {
            PB_->setRange(0, kProgressSteps);
            PB_->setValue(0);
            lbProgress_->clear();
        }
    });
    connect(download_, &TDownload::Progress, this, [this](const TDownloadProgress& p) {
        PB_->setValue(p.Total > 0 ? int(p.Done * kProgressSteps / p.Total) : kProgressSteps);
        lbProgress_->setText(DownloadProgressText(p));
    });
    connect(tools_, &TDeviceTools::Warning, this, &TDownloadForm::Warn);

    SetDownloadFolder(QString());
    Retranslate();
}

TDownloadForm::~TDownloadForm() = default;

void TDownloadForm::Retranslate()
{
    setWindowTitle(tr("Download"));
    tabs_->setTabText(0, tr("Files"));
    tabs_->setTabText(1, tr("Tools"));
    lbVID_->setText(tr("VID"));
    lbPID_->setText(tr("PID"));
    lbHex_->setText(tr("<-- hexadecimal string"));
    btRefresh_->setText(tr("Refresh"));
    eDev_->setText(link_->DeviceText());
    eDev_->setToolTip(link_->ClaimAdvice().join(QLatin1Char('\n')));
    FileList_->setHeaderLabels({tr("Name"), tr("Size"), tr("Modified")});
    btStart_->setText(tr("Write all"));
    btStart_->setToolTip(tr("Start download process"));
    btStartSelected_->setText(tr("Write selected"));
    btStartSelected_->setToolTip(tr("Start download process"));
    btStartChanged_->setText(tr("Write changed"));
    btStartChanged_->setToolTip(tr("Send only the files that differ from what was last sent to this panel"));
    ShowLastFullWrite();
    btClear_->setText(tr("Clear"));
    btCancel_->setText(tr("Cancel"));
    btCancel_->setToolTip(tr("Stop after the file being sent"));
    lbInterval_->setText(tr("Light interval"));
    lbSec_->setText(tr("sec"));
    btGetInterval_->setText(tr("Get interval"));
    btSetInterval_->setText(tr("Set interval"));
    lbDateTime_->setText(tr("Date / time"));
    btNow_->setText(tr("Now"));
    btSetDateTime_->setText(tr("Set date/time"));
}

void TDownloadForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

QWidget* TDownloadForm::MakeFilesPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    const auto hex =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]+")), page);
    eVID_ = new QLineEdit(QStringLiteral("20A0"), page);
    eVID_->setObjectName(QStringLiteral("eVID"));
    eVID_->setValidator(hex);
    ePID_ = new QLineEdit(QStringLiteral("4122"), page);
    ePID_->setObjectName(QStringLiteral("ePID"));
    ePID_->setValidator(hex);
    lbHex_ = new QLabel(page);
    lbHex_->setStyleSheet(QStringLiteral("color: green; font-weight: bold;"));
    eDev_ = new QLineEdit(linktext::NoDevice(), page);
    eDev_->setObjectName(QStringLiteral("eDev"));
    eDev_->setReadOnly(true);
    eDev_->setAlignment(Qt::AlignCenter);
    btRefresh_ = Button("btRefresh", page);

    auto* ids = new QHBoxLayout;
    ids->addWidget(lbVID_ = new QLabel(page));
    ids->addWidget(eVID_);
    ids->addWidget(lbPID_ = new QLabel(page));
    ids->addWidget(ePID_);
    ids->addWidget(lbHex_, 1);
    grid->addLayout(ids, 0, 0, 1, 2);
    grid->addWidget(eDev_, 1, 0);
    grid->addWidget(btRefresh_, 1, 1);

    cxDIR_ = new QLineEdit(page);
    cxDIR_->setObjectName(QStringLiteral("cxDIR"));
    cxDIR_->setReadOnly(true);
    auto* browse = new QToolButton(page);
    browse->setObjectName(QStringLiteral("btBrowse"));
    browse->setText(QStringLiteral("..."));
    grid->addWidget(cxDIR_, 2, 0);
    grid->addWidget(browse, 2, 1);
    lbLastFull_ = new QLabel(page);
    lbLastFull_->setObjectName(QStringLiteral("lbLastFull"));
    grid->addWidget(lbLastFull_, 8, 0, 1, 2);

    folders_ = new QFileSystemModel(page);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    folders_->setRootPath(QDir::rootPath());
    DV_ = new QTreeView(page);
    DV_->setObjectName(QStringLiteral("DV"));
    DV_->setModel(folders_);
    for (int c = 1; c < folders_->columnCount(); ++c)
        DV_->hideColumn(c);
    DV_->header()->hide();
    connect(folders_, &QFileSystemModel::directoryLoaded, this, &TDownloadForm::OnFoldersLoaded);
    connect(DV_, &QTreeView::clicked, this, [this] { pendingFolder_.clear(); });
    FileList_ = new QTreeWidget(page);
    FileList_->setObjectName(QStringLiteral("FileList"));
    FileList_->setRootIsDecorated(false);
    FileList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* split = new QSplitter(page);
    split->addWidget(DV_);
    split->addWidget(FileList_);
    split->setSizes({200, 380});
    grid->addWidget(split, 3, 0, 1, 2);

    btStart_ = Button("btStart", page);
    btStartSelected_ = Button("btStartSelected", page);
    btStartChanged_ = Button("btStartChanged", page);
    btStart_->setEnabled(false);
    btStartSelected_->setEnabled(false);
    btStartChanged_->setEnabled(false);
    btClear_ = Button("btClear", page);
    btCancel_ = Button("btCancel", page);
    btCancel_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btStart_);
    buttons->addWidget(btStartSelected_);
    buttons->addWidget(btStartChanged_);
    buttons->addWidget(btCancel_);
    buttons->addStretch(1);
    buttons->addWidget(btClear_);
    grid->addLayout(buttons, 4, 0, 1, 2);

    LB_ = new QListWidget(page);
    LB_->setObjectName(QStringLiteral("LB"));
    grid->addWidget(LB_, 5, 0, 1, 2);
    PB_ = new QProgressBar(page);
    PB_->setObjectName(QStringLiteral("PB"));
    PB_->setTextVisible(false);
    PB_->hide();
    grid->addWidget(PB_, 6, 0, 1, 2);
    lbProgress_ = new QLabel(page);
    lbProgress_->setObjectName(QStringLiteral("lbProgress"));
    lbProgress_->hide();
    grid->addWidget(lbProgress_, 7, 0, 1, 2);
    grid->setRowStretch(3, 3);
    grid->setRowStretch(5, 2);

    connect(btRefresh_, &QPushButton::clicked, this, &TDownloadForm::OnRefresh);
    connect(browse, &QToolButton::clicked, this, &TDownloadForm::OnBrowse);
    connect(btStart_, &QPushButton::clicked, this, &TDownloadForm::OnWriteAll);
    connect(btStartSelected_, &QPushButton::clicked, this, &TDownloadForm::OnWriteSelected);
    connect(btStartChanged_, &QPushButton::clicked, this, &TDownloadForm::OnWriteChanged);
    connect(btClear_, &QPushButton::clicked, LB_, &QListWidget::clear);
    connect(btCancel_, &QPushButton::clicked, this, [this] {
        download_->Cancel();
        btCancel_->setEnabled(false);
    });
    connect(DV_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { FillFileList(folders_->filePath(current)); });
    return page;
}

QWidget* TDownloadForm::MakeToolsPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    cxInterval_ = new QSpinBox(page);
    cxInterval_->setObjectName(QStringLiteral("cxInterval"));
    cxInterval_->setRange(0, INT_MAX);
    cxInterval_->setSingleStep(10);
    btGetInterval_ = Button("btGetInterval", page);
    btSetInterval_ = Button("btSetInterval", page);
    grid->addWidget(lbInterval_ = new QLabel(page), 0, 0);
    grid->addWidget(cxInterval_, 0, 1);
    grid->addWidget(lbSec_ = new QLabel(page), 0, 2);
    grid->addWidget(btGetInterval_, 0, 3);
    grid->addWidget(btSetInterval_, 0, 4);

    cxDateEdit1_ = new QDateTimeEdit(page);
    cxDateEdit1_->setObjectName(QStringLiteral("cxDateEdit1"));
    cxDateEdit1_->setCalendarPopup(true);
    cxDateEdit1_->setDisplayFormat(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    cxDateEdit1_->setMinimumDateTime(kEmptyDateTime);
    cxDateEdit1_->setSpecialValueText(QStringLiteral(" "));
    cxDateEdit1_->setDateTime(kEmptyDateTime);
    btNow_ = Button("btNow", page);
    btSetDateTime_ = Button("btSetDateTime", page);
    grid->addWidget(lbDateTime_ = new QLabel(page), 1, 0);
    grid->addWidget(cxDateEdit1_, 1, 1, 1, 2);
    grid->addWidget(btNow_, 1, 3);
    grid->addWidget(btSetDateTime_, 1, 4);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);

    connect(btGetInterval_, &QPushButton::clicked, this, &TDownloadForm::OnGetInterval);
    connect(btSetInterval_, &QPushButton::clicked, this, &TDownloadForm::OnSetInterval);
    connect(btNow_, &QPushButton::clicked, this, &TDownloadForm::OnNow);
    connect(btSetDateTime_, &QPushButton::clicked, this, &TDownloadForm::OnSetDateTime);
    return page;
}

void TDownloadForm::SetDownloadFolder(const QString& folder)
{
    cxDIR_->setText(folder);
    ShowFolder(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder);
    ShowLastFullWrite();
}

void TDownloadForm::ShowLastFullWrite()
{
    if (!lbLastFull_)
        return;
    if (cxDIR_->text().isEmpty() || !link_->CurrentDevice()) {
        lbLastFull_->clear();
        return;
    }
    const QDateTime when = download_->WrittenInFull(cxDIR_->text());
    lbLastFull_->setText(when.isValid()
                             ? tr("Last written in full to this panel: %1")
                                   .arg(QLocale::system().toString(when.toLocalTime(), QLocale::ShortFormat))
                             : tr("Not yet written in full to this panel"));
}

QString TDownloadForm::DownloadFolder() const
{
    return cxDIR_->text();
}

void TDownloadForm::SetLanguageId(int id)
{
    download_->SetLanguageId(id);
}

void TDownloadForm::ShowFolder(const QString& folder)
{
    pendingFolder_ = QDir::fromNativeSeparators(folder);
    const QModelIndex index = folders_->index(folder);
    if (index.isValid()) {
        DV_->setCurrentIndex(index); // fills FileList through currentChanged
        DV_->scrollTo(index);
    }
    FillFileList(folder);
}

void TDownloadForm::OnFoldersLoaded(const QString& path)
{
    // The folder model reads the tree in the background and rows above the shown folder keep
    // arriving: keep it in view until the user picks a folder in the tree.
    if (pendingFolder_.isEmpty() || !pendingFolder_.startsWith(path))
        return;
    const QModelIndex index = folders_->index(pendingFolder_);
    if (index.isValid())
        DV_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TDownloadForm::FillFileList(const QString& folder)
{
    FileList_->clear();
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    const QLocale locale = QLocale::system();
    for (const QFileInfo& f : files) {
        auto* item =
            new QTreeWidgetItem(FileList_, {f.fileName(), locale.formattedDataSize(f.size()),
                                            locale.toString(f.lastModified(), QLocale::ShortFormat)});
        item->setData(0, Qt::UserRole, f.filePath());
    }
}

void TDownloadForm::AddLog(const QString& line, bool select)
{
    LB_->addItem(line);
    if (select)
        LB_->setCurrentRow(LB_->count() - 1);
}

void TDownloadForm::Warn(const QString& text)
{
    if (showMessage_)
        showMessage_(text);
}

void TDownloadForm::ShowClaimAdvice()
{
    const QStringList advice = link_->ClaimAdvice();
    eDev_->setToolTip(advice.join(QLatin1Char('\n')));
    // Every pass that meets the panel says it again; the log needs it once.
    bool shown = LB_->count() >= advice.size();
    for (qsizetype i = 0; shown && i < advice.size(); ++i)
        shown = LB_->item(LB_->count() - int(advice.size() - i))->text() == advice[i];
    if (shown)
        return;
    for (const QString& line : advice)
        AddLog(line, true);
}

bool TDownloadForm::RefuseWhileBusy()
{
    if (!link_->Busy())
        return false;
    AddLog(linktext::Busy(), true);
    return true;
}

void TDownloadForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Scrolling only takes effect in a view that has its size.
    QTimer::singleShot(0, this, [this] {
        if (DV_->currentIndex().isValid())
            DV_->scrollTo(DV_->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
}

void TDownloadForm::closeEvent(QCloseEvent* event)
{
    // Closing would leave the running command waiting inside a window that is gone.
    if (RefuseWhileBusy())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TDownloadForm::reject()
{
    if (!RefuseWhileBusy())
        QDialog::reject();
}

void TDownloadForm::OnRefresh()
{
    if (RefuseWhileBusy())
        return;
    LB_->clear();
    link_->Refresh();
}

void TDownloadForm::OnBrowse()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), browseFolder_);
    if (folder.isEmpty())
        return;
    browseFolder_ = folder;
    cxDIR_->setText(QDir::toNativeSeparators(folder));
    ShowFolder(folder);
    ShowLastFullWrite();
}

void TDownloadForm::OnWriteAll()
{
    download_->WriteAll(cxDIR_->text());
    ShowLastFullWrite();
}

void TDownloadForm::OnWriteChanged()
{
    download_->WriteChanged(cxDIR_->text());
    ShowLastFullWrite();
}

void TDownloadForm::OnWriteSelected()
{
    QStringList files;
    for (int i = 0; i < FileList_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = FileList_->topLevelItem(i);
        if (item->isSelected())
            files.append(item->data(0, Qt::UserRole).toString());
    }
    download_->WriteSelected(cxDIR_->text(), files);
}

void TDownloadForm::OnGetInterval()
{
    if (const std::optional<quint16> interval = tools_->GetInterval())
        cxInterval_->setValue(*interval);
}

void TDownloadForm::OnSetInterval()
{
    tools_->SetInterval(cxInterval_->value());
}

void TDownloadForm::OnNow()
{
    cxDateEdit1_->setDateTime(QDateTime::currentDateTime());
}

void TDownloadForm::OnSetDateTime()
{
    const QDateTime when = cxDateEdit1_->dateTime();
    tools_->SetDateTime(when == kEmptyDateTime ? QDateTime() : when);
}
