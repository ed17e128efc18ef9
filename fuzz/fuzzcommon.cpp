#include "fuzzcommon.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <algorithm>
#include <cstdlib>

namespace {

void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "Qt: %s\n", qPrintable(message));
}

} // namespace

void StartFuzzApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHandler);
    // The application keeps references to argc and argv; libFuzzer's own arguments stay out of Qt's
    // reach.
    static int argc = 1;
    static char name[] = "tarvolt-fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed; the pointer keeps it reachable, so the leak check at exit does not count it.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

QString FuzzScratchFolder()
{
    // Removed by its destructor at a normal exit; an aborted run leaves it behind, so scripts/fuzz.sh
    // points TMPDIR at a folder of its own and removes that.
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tarvolt-fuzz-XXXXXX"));
    return folder.isValid() ? folder.path() : QString();
}

void Finding(const char* what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

const QStringList& SetFuzzNames()
{
    static const QStringList names = [] {
        QStringList n{"lcdconfig", "logo.bin", "tm.bin", "anime.bin", "pwr.bin", "pwrfail.bin", "n01.bin"};
        for (int d = 0; d <= 9; ++d)
            n << QStringLiteral("n%1.bin").arg(d);
        for (int i = 0; i < 4; ++i)
            n << QString::asprintf("a%.2d.bin", i);
        for (const char* folder : {"00", "01"}) {
            n << QStringLiteral("%1/01.elm").arg(folder) << QStringLiteral("%1/01bkg.bin").arg(folder);
            for (int r = 0; r < 3; ++r)
                for (const char* seg : {"R", "Y", "G", "Bkg"})
                    n << QString::asprintf("%s/i%.2d%s.bin", folder, r, seg);
        }
        n << "02/01.elm" << "stray.txt" << "00/stray.bin";
        return n;
    }();
    return names;
}

TMemorySource DecodeSetInput(QByteArrayView input)
{
    TMemorySource set;
    const auto* b = reinterpret_cast<const uchar*>(input.data());
    qsizetype at = 0;
    while (at + 6 <= input.size()) {
        const QString& name = SetFuzzNames()[b[at] % SetFuzzNames().size()];
        const qint64 size = std::min<qint64>(b[at + 1] | (b[at + 2] << 8) | (b[at + 3] << 16), MaxSetFuzzFileSize);
        const qsizetype n = b[at + 4] | (b[at + 5] << 8);
        at += 6;
        if (at + n > input.size())
            break;
        QByteArray content(qsizetype(size), '\0');
        if (n > 0)
            for (qsizetype i = 0; i < content.size(); ++i)
                content[i] = char(b[at + i % n]);
        set.Files[name] = content;
        at += n;
    }
    return set;
}

QByteArray EncodeSetFile(const QString& name, const QByteArray& content)
{
    const int index = int(SetFuzzNames().indexOf(name));
    if (index < 0 || content.size() > MaxSetFuzzFileSize)
        return {};
    qsizetype period = content.size();
    for (qsizetype p = 1; p < content.size() && p <= 0xFFFF; ++p) {
        if (content.size() % p != 0)
            continue;
        bool repeats = true;
        for (qsizetype i = p; i < content.size() && repeats; ++i)
            repeats = content[i] == content[i % p];
        if (repeats) {
            period = p;
            break;
        }
    }
    if (period > 0xFFFF)
        return {};
    QByteArray out;
    const qint64 size = content.size();
    out.append(char(index));
    out.append(char(size & 0xFF));
    out.append(char((size >> 8) & 0xFF));
    out.append(char((size >> 16) & 0xFF));
    out.append(char(period & 0xFF));
    out.append(char(period >> 8));
    out.append(content.left(period));
    return out;
}
