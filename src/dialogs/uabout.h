#pragma once

#include <QDialog>
#include <QLabel>
#include <QUrl>
#include <functional>

// A line of the about box that opens a web address when clicked.
class TLinkLine : public QLabel
{
    Q_OBJECT

  public:
    TLinkLine(const QString& text, QUrl url, QWidget* parent = nullptr);
    const QUrl& Url() const { return url_; }

  signals:
    void Clicked(const QUrl& url);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QUrl url_;
};

// The about box: the program's title lines in bold green, a link line to the product's page, a credit
// line and a link line to the maker's page. A clicked link goes to OpenUrl, which opens the system's
// default browser unless a test replaces it.
class TAboutForm : public QDialog
{
    Q_OBJECT

  public:
    explicit TAboutForm(QWidget* parent = nullptr);

    TLinkLine* lbProduct;
    TLinkLine* lbMaker;
    std::function<void(const QUrl& url)> OpenUrl;

    static const QUrl ProductUrl;
    static const QUrl MakerUrl;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();

    QLabel *lbProgram_, *lbTitle_, *lbPurpose_, *lbCredit_;
    class QPushButton* btOK_;
};
