#pragma once

#include <QDialog>
#include <QLabel>
#include <QUrl>
#include <functional>

// A line of the about box that opens an address when clicked.
class TLinkLine : public QLabel
{
    Q_OBJECT

  public:
    TLinkLine(const QString& text, QUrl url, QWidget* parent = nullptr);
    const QUrl& Url() const { return url_; }
    // A line without an address shows its text only and opens nothing.
    void SetUrl(QUrl url);

  signals:
    void Clicked(const QUrl& url);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QUrl url_;
};

// The about box: the program's title lines in bold green, the version the program was built as, a
// link line to the documentation that comes with the program (its README, opened from the disk), and
// a credit line. A clicked link goes to OpenUrl, which asks the desktop to open it unless a test
// replaces it; when the desktop cannot, Warn says so.
class TAboutForm : public QDialog
{
    Q_OBJECT

  public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* lbVersion;
    TLinkLine* lbDocs;
    // Opens an address; false when the desktop could not.
    std::function<bool(const QUrl& url)> OpenUrl;
    std::function<void(const QString& text)> Warn;

    // The version of this build, from the build's project version.
    static QString Version();
    // The README that comes with the program, as an absolute path: beside the executable (the build
    // folder, a copied folder), else in the documentation folder of the installation prefix or of
    // the system's data folders. Empty when there is none.
    static QString DocumentationFile(const QString& programFolder);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();

    QLabel *lbProgram_, *lbTitle_, *lbPurpose_, *lbCredit_;
    class QPushButton* btOK_;
};
