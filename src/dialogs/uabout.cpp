#include "dialogs/uabout.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

// Neutral addresses: the program has no web page of its own yet.
const QUrl TAboutForm::ProductUrl(QStringLiteral("https://example.com/screen-designer"));
const QUrl TAboutForm::MakerUrl(QStringLiteral("https://example.com/"));

TLinkLine::TLinkLine(const QString& text, QUrl url, QWidget* parent)
    : QLabel(text, parent), url_(std::move(url))
{
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    setPalette(pal);
    setToolTip(url_.toString());
}

void TLinkLine::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked(url_);
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 18, 24, 14);
    column->setSpacing(6);
    auto title = [this, column](const char* name) {
        auto* line = new QLabel(this);
        line->setObjectName(QString::fromLatin1(name));
        line->setAlignment(Qt::AlignCenter);
        QFont f = line->font();
        f.setBold(true);
        line->setFont(f);
        QPalette pal = line->palette();
        pal.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x00));
        line->setPalette(pal);
        column->addWidget(line);
        return line;
    };
    lbProgram_ = title("Label1");
    lbTitle_ = title("Label2");
    lbPurpose_ = title("Label3");
    column->addSpacing(10);

    lbProduct = new TLinkLine(ProductUrl.toString(), ProductUrl, this);
    lbProduct->setObjectName(QStringLiteral("lbProduct"));
    column->addWidget(lbProduct);
    lbCredit_ = new QLabel(this);
    lbCredit_->setObjectName(QStringLiteral("lbCredit"));
    lbCredit_->setAlignment(Qt::AlignCenter);
    column->addWidget(lbCredit_);
    lbMaker = new TLinkLine(MakerUrl.toString(), MakerUrl, this);
    lbMaker->setObjectName(QStringLiteral("lbMaker"));
    column->addWidget(lbMaker);
    for (TLinkLine* link : {lbProduct, lbMaker})
        connect(link, &TLinkLine::Clicked, this, [this](const QUrl& url) {
            if (OpenUrl)
                OpenUrl(url);
        });

    column->addSpacing(8);
    btOK_ = new QPushButton(this);
    btOK_->setDefault(true);
    connect(btOK_, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(btOK_, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);
    Retranslate();
}

void TAboutForm::Retranslate()
{
    setWindowTitle(tr("About"));
    lbProgram_->setText(tr("Programm"));
    lbTitle_->setText(QStringLiteral("\"%1\"").arg(tr("Screen designer for Tarvolt RU")));
    lbPurpose_->setText(tr("developed for design LCD CNC control panel"));
    lbCredit_->setText(tr("Thanks to everyone who tried it on a real panel"));
    btOK_->setText(tr("OK"));
}

void TAboutForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}
