#include "dialogs/uabout.h"

#include <QDesktopServices>
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
    setWindowTitle(QStringLiteral("About"));
    OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 18, 24, 14);
    column->setSpacing(6);
    auto title = [this, column](const QString& text, const char* name) {
        auto* line = new QLabel(text, this);
        line->setObjectName(QString::fromLatin1(name));
        line->setAlignment(Qt::AlignCenter);
        QFont f = line->font();
        f.setBold(true);
        line->setFont(f);
        QPalette pal = line->palette();
        pal.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x00));
        line->setPalette(pal);
        column->addWidget(line);
    };
    title(QStringLiteral("Programm"), "Label1");
    title(QStringLiteral("\"Screen designer for Tarvolt RU\""), "Label2");
    title(QStringLiteral("developed for design LCD CNC control panel"), "Label3");
    column->addSpacing(10);

    lbProduct = new TLinkLine(ProductUrl.toString(), ProductUrl, this);
    lbProduct->setObjectName(QStringLiteral("lbProduct"));
    column->addWidget(lbProduct);
    auto* credit = new QLabel(QStringLiteral("Thanks to everyone who tried it on a real panel"), this);
    credit->setObjectName(QStringLiteral("lbCredit"));
    credit->setAlignment(Qt::AlignCenter);
    column->addWidget(credit);
    lbMaker = new TLinkLine(MakerUrl.toString(), MakerUrl, this);
    lbMaker->setObjectName(QStringLiteral("lbMaker"));
    column->addWidget(lbMaker);
    for (TLinkLine* link : {lbProduct, lbMaker})
        connect(link, &TLinkLine::Clicked, this, [this](const QUrl& url) {
            if (OpenUrl)
                OpenUrl(url);
        });

    column->addSpacing(8);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}
