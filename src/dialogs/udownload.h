#pragma once

// The download window: finds the panel, writes a folder of files to it ("Files") and reads or sets its
// light interval and clock ("Tools"). It only shows the link, the download and the device tools and
// turns clicks into their operations; every byte the panel sees is decided in src/device.

#include <QDialog>
#include <functional>

class QDateTimeEdit;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeView;
class QTreeWidget;
class QToolButton;
class TDeviceTools;
class TDownload;
class THIDLayer;
class TPanelLink;

class TDownloadForm : public QDialog
{
    Q_OBJECT
  public:
    // The layer is not started here: its owner starts it once the window exists, and the first
    // device-change notice then runs a discovery pass with the ids shown in eVID and ePID.
    explicit TDownloadForm(THIDLayer* layer, QWidget* parent = nullptr);
    ~TDownloadForm() override;

    // The download folder (cxDIR). An empty text leaves cxDIR empty and lists the program's folder.
    void SetDownloadFolder(const QString& folder);
    QString DownloadFolder() const;
    // Where the browse button's folder dialog opens; it becomes the folder the user picks.
    void SetBrowseFolder(const QString& folder) { browseFolder_ = folder; }
    QString BrowseFolder() const { return browseFolder_; }
    // 1049 words the window's own messages in Russian.
    void SetLanguageId(int id);
    // Shows the window's warnings; a message box by default.
    void SetMessageHandler(std::function<void(const QString&)> handler) { showMessage_ = std::move(handler); }

    TPanelLink& Link() { return *link_; }
    TDownload& Download() { return *download_; }

    // Shows the files of folder in FileList (and selects it in DV).
    void ShowFolder(const QString& folder);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void changeEvent(QEvent* event) override;

  private:
    // The window's texts in the active interface language, the device line included. Log lines and
    // warnings keep the language they were worded in.
    void Retranslate();
    QWidget* MakeFilesPage();
    QWidget* MakeToolsPage();
    void FillFileList(const QString& folder);
    void AddLog(const QString& line, bool select);
    void Warn(const QString& text);
    bool RefuseWhileBusy();
    // When the panel is attached but cannot be opened: what to do, in the log and as eDev's hint.
    void ShowClaimAdvice();

    void OnFoldersLoaded(const QString& path);
    void OnRefresh();
    void OnBrowse();
    void OnWriteAll();
    void OnWriteSelected();
    void OnWriteChanged();
    // When the folder was last written in full to the current panel, below the buttons.
    void ShowLastFullWrite();
    void OnGetInterval();
    void OnSetInterval();
    void OnNow();
    void OnSetDateTime();

    TPanelLink* link_;
    TDownload* download_;
    TDeviceTools* tools_;
    std::function<void(const QString&)> showMessage_;
    QString browseFolder_;
    QString pendingFolder_;

    QLineEdit* eVID_;
    QLineEdit* ePID_;
    QLineEdit* eDev_;
    QLineEdit* cxDIR_;
    QFileSystemModel* folders_;
    QTreeView* DV_;
    QTreeWidget* FileList_;
    QPushButton* btStart_;
    QPushButton* btStartSelected_;
    QPushButton* btStartChanged_;
    QListWidget* LB_;
    QProgressBar* PB_;
    QSpinBox* cxInterval_;
    QDateTimeEdit* cxDateEdit1_;

    QTabWidget* tabs_;
    QLabel* lbVID_;
    QLabel* lbPID_;
    QLabel* lbHex_;
    QPushButton* btRefresh_;
    QPushButton* btClear_;
    QPushButton* btCancel_;
    QLabel* lbProgress_;
    QLabel* lbLastFull_ = nullptr;
    QLabel* lbInterval_;
    QLabel* lbSec_;
    QPushButton* btGetInterval_;
    QPushButton* btSetInterval_;
    QLabel* lbDateTime_;
    QPushButton* btNow_;
    QPushButton* btSetDateTime_;
};
