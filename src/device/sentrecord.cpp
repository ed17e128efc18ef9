#include "device/sentrecord.h"

#include "base/atomicfile.h"
#include "device/hiddevice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr char kMagic[] = "tarvolt sent-record 1";
// A record larger than this is no record of ours (a line per file of a few hundred files).
constexpr qint64 kMaxRecordSize = qint64(16) << 20;
constexpr qint64 kReadChunk = qint64(1) << 20;

QByteArray Encoded(const QString& text)
{
    // Percent-encoding keeps every name on one line, spaces and line breaks included.
    return text.isEmpty() ? QByteArray("-") : QUrl::toPercentEncoding(text);
}

QString Decoded(const QByteArray& field)
{
    return field == "-" ? QString() : QUrl::fromPercentEncoding(field);
}

QString CanonicalFolder(const QString& folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QByteArray PanelLine(const THIDDeviceInfo& panel)
{
    return "panel " + QByteArray::number(panel.VendorId, 16).rightJustified(4, '0').toUpper() + ' ' +
           QByteArray::number(panel.ProductId, 16).rightJustified(4, '0').toUpper() + ' ' +
           Encoded(panel.SerialNumber);
}

QByteArray Time(const QDateTime& t)
{
    return t.isValid() ? t.toUTC().toString(Qt::ISODateWithMs).toLatin1() : QByteArray("-");
}

QDateTime ParseTime(const QByteArray& field, bool* ok)
{
    if (field == "-")
        return {};
    const QDateTime t = QDateTime::fromString(QString::fromLatin1(field), Qt::ISODateWithMs);
    *ok = *ok && t.isValid();
    return t;
}

} // namespace

bool HashFile(const QString& path, TSentFile* out, QString* why)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = file.errorString();
        return false;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 size = 0;
    while (true) {
        const QByteArray chunk = file.read(kReadChunk);
        if (chunk.isEmpty())
            break;
        hash.addData(chunk);
        size += chunk.size();
    }
    if (file.error() != QFile::NoError) {
        if (why)
            *why = file.errorString();
        return false;
    }
    out->Size = size;
    out->Sha256 = hash.result();
    return true;
}

QString TSentRecord::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tarvolt-designer/sent");
}

QString TSentRecord::FileFor(const QString& recordFolder, const QString& folder, const THIDDeviceInfo& panel)
{
    const QByteArray key = CanonicalFolder(folder).toUtf8() + '\n' + PanelLine(panel);
    const QByteArray name = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32);
    return QDir(recordFolder).filePath(QString::fromLatin1(name) + QStringLiteral(".txt"));
}

TSentRecord::TLoad TSentRecord::Load(const QString& fileName, const QString& folder,
                                     const THIDDeviceInfo& panel, QString* why)
{
    Files.clear();
    Written = WrittenInFull = QDateTime();
    QFile file(fileName);
    if (!QFileInfo::exists(fileName))
        return TLoad::Missing;
    const auto damaged = [&](const QString& reason) {
        Files.clear();
        Written = WrittenInFull = QDateTime();
        *why = reason;
        return TLoad::Damaged;
    };
    if (!QFileInfo(fileName).isFile() || QFileInfo(fileName).size() > kMaxRecordSize ||
        !file.open(QIODevice::ReadOnly))
        return damaged(QStringLiteral("it cannot be read"));
    const QByteArray bytes = file.read(kMaxRecordSize);

    // The last line holds the SHA-256 of everything before it: a record cut short or changed shows.
    const qsizetype sumAt = bytes.lastIndexOf("\nsum ");
    if (sumAt < 0 || !bytes.endsWith('\n'))
        return damaged(QStringLiteral("it is cut short"));
    const QByteArray body = bytes.left(sumAt + 1);
    const QByteArray sum = bytes.mid(sumAt + 5).trimmed();
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() != sum)
        return damaged(QStringLiteral("its check sum does not match"));

    const QList<QByteArray> lines = body.split('\n');
    if (lines.isEmpty() || lines[0] != kMagic)
        return damaged(QStringLiteral("it is not a record of this version"));
    bool ok = true;
    bool sawFolder = false, sawPanel = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.isEmpty())
            continue;
        const QList<QByteArray> f = line.split(' ');
        if (f[0] == "folder" && f.size() == 2) {
            sawFolder = Decoded(f[1]) == CanonicalFolder(folder);
        } else if (f[0] == "panel") {
            sawPanel = line == PanelLine(panel);
        } else if (f[0] == "written" && f.size() == 2) {
            Written = ParseTime(f[1], &ok);
        } else if (f[0] == "full" && f.size() == 2) {
            WrittenInFull = ParseTime(f[1], &ok);
        } else if (f[0] == "file" && f.size() == 4) {
            TSentFile sent;
            bool sizeOk = false;
            sent.Size = f[1].toLongLong(&sizeOk);
            sent.Sha256 = QByteArray::fromHex(f[2]);
            if (!sizeOk || sent.Size < 0 || sent.Sha256.size() != 32)
                return damaged(QStringLiteral("line %1 is not a file's entry").arg(i + 1));
            Files.insert(Decoded(f[3]), sent);
        } else {
            return damaged(QStringLiteral("line %1 is not understood").arg(i + 1));
        }
    }
    if (!ok)
        return damaged(QStringLiteral("a time in it is not valid"));
    if (!sawFolder || !sawPanel)
        return damaged(QStringLiteral("it names another folder or panel"));
    return TLoad::Loaded;
}

void TSentRecord::Save(const QString& fileName, const QString& folder, const THIDDeviceInfo& panel) const
{
    QByteArray body = QByteArray(kMagic) + '\n';
    body += "folder " + Encoded(CanonicalFolder(folder)) + '\n';
    body += PanelLine(panel) + '\n';
    body += "written " + Time(Written) + '\n';
    body += "full " + Time(WrittenInFull) + '\n';
    for (auto it = Files.cbegin(); it != Files.cend(); ++it)
        body += "file " + QByteArray::number(it->Size) + ' ' + it->Sha256.toHex() + ' ' + Encoded(it.key()) +
                '\n';
    body += "sum " + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + '\n';
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    WriteFileAtomic(fileName, body);
}
