#include "dialogs/uabout.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
// Where an installation keeps the program's documentation, below a prefix or a data folder.
const QString DocFolder = QStringLiteral("doc/tarvolt-designer");
const QString DocName = QStringLiteral("README.md");
} // namespace

TLinkLine::TLinkLine(const QString& text, QUrl url, QWidget* parent) : QLabel(text, parent)
{
    setAlignment(Qt::AlignCenter);
    SetUrl(std::move(url));
}

void TLinkLine::SetUrl(QUrl url)
{
    url_ = std::move(url);
    const bool link = url_.isValid();
    setCursor(link ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QFont f = font();
    f.setUnderline(link);
    setFont(f);
    QPalette pal;
    if (link)
        pal.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    setPalette(pal);
    setToolTip(url_.isLocalFile() ? QDir::toNativeSeparators(url_.toLocalFile()) : url_.toString());
}

void TLinkLine::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (url_.isValid() && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked(url_);
}

QString TAboutForm::Version()
{
    return QStringLiteral(TARVOLT_VERSION);
}

QString TAboutForm::DocumentationFile(const QString& programFolder)
{
    const QDir program(programFolder);
    QStringList candidates{
        program.filePath(DocName),
        program.filePath(QStringLiteral("../share/") + DocFolder + QLatin1Char('/') + DocName)};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << QDir(data).filePath(DocFolder + QLatin1Char('/') + DocName);
    for (const QString& file : candidates)
        if (QFileInfo(file).isFile())
            return QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    return QString();
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    Warn = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };

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

    lbVersion = new QLabel(this);
    lbVersion->setObjectName(QStringLiteral("lbVersion"));
    lbVersion->setAlignment(Qt::AlignCenter);
    column->addWidget(lbVersion);
    const QString docs = DocumentationFile(QCoreApplication::applicationDirPath());
    lbDocs = new TLinkLine(QString(), docs.isEmpty() ? QUrl() : QUrl::fromLocalFile(docs), this);
    lbDocs->setObjectName(QStringLiteral("lbDocs"));
    column->addWidget(lbDocs);
    connect(lbDocs, &TLinkLine::Clicked, this, [this](const QUrl& url) {
        if (OpenUrl && !OpenUrl(url) && Warn)
            Warn(tr("The desktop could not open %1.").arg(QDir::toNativeSeparators(url.toLocalFile())));
    });
    lbCredit_ = new QLabel(this);
    lbCredit_->setObjectName(QStringLiteral("lbCredit"));
    lbCredit_->setAlignment(Qt::AlignCenter);
    column->addWidget(lbCredit_);

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
    lbVersion->setText(tr("Version %1").arg(Version()));
    lbDocs->setText(lbDocs->Url().isValid()
                        ? tr("Documentation (README)")
                        : tr("The documentation (README) is not installed with this copy"));
    lbCredit_->setText(tr("Thanks to everyone who tried it on a real panel"));
    btOK_->setText(tr("OK"));
}

void TAboutForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}
