#include "device/download.h"
#include "test_device_support.h"
#include "testutil.h"

#include <QDirIterator>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using devtest::Pattern;
using devtest::Settle;
using devtest::TPanelRig;

namespace {

struct TRun
{
    QStringList log;
    QStringList warnings;
    QList<int> ranges;
    int steps = 0;
    QList<bool> visible;
};

void Watch(TDownload& d, TRun& run)
{
    QObject::connect(&d, &TDownload::LogLine, [&run](const QString& line, bool) { run.log.append(line); });
    QObject::connect(&d, &TDownload::Warning, [&run](const QString& t) { run.warnings.append(t); });
    QObject::connect(&d, &TDownload::ProgressRange, [&run](int max) { run.ranges.append(max); });
    QObject::connect(&d, &TDownload::ProgressStep, [&run] { ++run.steps; });
    QObject::connect(&d, &TDownload::ProgressVisible, [&run](bool v) { run.visible.append(v); });
}

struct TFile
{
    const char* path; // under the download folder, '/' separated
    int size;
};

// Relative path -> contents of every file under root.
QMap<QString, QByteArray> Tree(const QString& root)
{
    QMap<QString, QByteArray> tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = QDir(root).relativeFilePath(path);
        tree.insert(rel, it.fileInfo().isDir() ? QByteArray("<dir>") : testutil::ReadAll(path));
    }
    return tree;
}

} // namespace

TEST(DeviceDownload, WriteAllExchangeOrder)
{
    struct Case
    {
        const char* name;
        std::vector<TFile> files;
        const char* received;
        int writeErrors;
    };
    const Case cases[] = {
        {"empty folder", {}, "80 85 31", 0},
        {"empty file", {{"a.bin", 0}}, "80 82:\\a.bin 83 85 31", 0},
        {"250 bytes", {{"a.bin", 250}}, "80 82:\\a.bin 84:100 84:100 84:50 83 85 31", 0},
        {"300 bytes", {{"a.bin", 300}}, "80 82:\\a.bin 84:100 84:100 84:100 83 85 31", 0},
        {"hidden file", {{".hidden", 1}}, "80 82:\\.hidden 84:1 83 85 31", 0},
        {"one folder level, as Generate writes",
         {{"00/01.elm", 43}, {"logo.bin", 7}},
         "80 81:00 82:\\00\\01.elm 84:43 83 82:\\logo.bin 84:7 83 85 31",
         0},
        // A folder is announced by its own name only; the panel makes it at its root, so the file two
        // levels down finds no folder of its path there and each of its data reports fails.
        {"nested folders", {{"01/02/c.bin", 5}}, "80 81:01 81:02 82:\\01\\02\\c.bin 84:5 83 85 31", 1},
    };
    for (const Case& c : cases) {
        TPanelRig rig;
        for (const TFile& f : c.files)
            rig.WriteOut(QString::fromLatin1(f.path), Pattern(f.size, f.size));
        TDownload download(&rig.link);
        TRun run;
        Watch(download, run);
        EXPECT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Done) << c.name;
        EXPECT_EQ(rig.Received(), QString::fromLatin1(c.received)) << c.name;
        EXPECT_EQ(run.log.last(), QStringLiteral("Done")) << c.name;
        EXPECT_EQ(run.log.count(QStringLiteral("write error")), c.writeErrors) << c.name;
        EXPECT_EQ(download.Problems(), c.writeErrors) << c.name;
        EXPECT_TRUE(run.warnings.isEmpty()) << c.name;
        EXPECT_EQ(run.visible, (QList<bool>{true, false})) << c.name;
        for (const TFile& f : c.files) {
            if (c.writeErrors == 0) {
                EXPECT_EQ(testutil::ReadAll(rig.sd.path() + QLatin1Char('/') + QLatin1String(f.path)),
                          Pattern(f.size, f.size))
                    << c.name << ' ' << f.path;
            }
        }
        EXPECT_FALSE(rig.link.Busy());
    }
}

TEST(DeviceDownload, ReportBytesOfTheTransferCommands)
{
    TPanelRig rig;
    rig.WriteOut(QStringLiteral("01/b.bin"), Pattern(150));
    rig.link.ReportBuffer().fill('\xEE'); // what a cleared buffer must not show
    TDownload download(&rig.link);
    ASSERT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Done);
    const QList<QByteArray>& r = rig.panel->Reports();
    ASSERT_EQ(rig.Received(), QStringLiteral("80 81:01 82:\\01\\b.bin 84:100 84:50 83 85 31"));
    const int L = rig.panel->OutputReportLength();
    for (const QByteArray& report : r) {
        ASSERT_EQ(report.size(), L);
        EXPECT_EQ(report.at(0), '\x01');
    }
    // Cleared: begin, make-dir and open have zeroes behind their names.
    EXPECT_EQ(r[0].mid(2), QByteArray(L - 2, '\0'));
    EXPECT_EQ(r[1].mid(2), QByteArray("01") + QByteArray(L - 4, '\0'));
    EXPECT_EQ(r[2].mid(2), QByteArray("\\01\\b.bin") + QByteArray(L - 11, '\0'));
    // Data: count, then the file's bytes in order; the short report keeps the rest of the one before.
    EXPECT_EQ(quint8(r[3].at(2)), 100);
    EXPECT_EQ(r[3].mid(3, 100), Pattern(150).left(100));
    EXPECT_EQ(quint8(r[4].at(2)), 50);
    EXPECT_EQ(r[4].mid(3, 50), Pattern(150).mid(100));
    EXPECT_EQ(r[4].mid(53, 50), Pattern(150).mid(50, 50));
    // Not cleared: close, end and finish carry the last data report behind their code.
    for (int i = 5; i < 8; ++i)
        EXPECT_EQ(r[i].mid(2), r[4].mid(2)) << i;
    EXPECT_EQ(quint8(r[5].at(1)), 0x83);
    EXPECT_EQ(quint8(r[6].at(1)), 0x85);
    EXPECT_EQ(quint8(r[7].at(1)), 0x31);
}

TEST(DeviceDownload, LogAndProgress)
{
    TPanelRig rig;
    rig.WriteOut(QStringLiteral("01/b.bin"), Pattern(250));
    rig.WriteOut(QStringLiteral("e.bin"), {});
    TDownload download(&rig.link);
    TRun run;
    Watch(download, run);
    ASSERT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Done);
    EXPECT_EQ(run.log,
              (QStringList{"Create dir: 01", "Save file: \\01\\b.bin", "Save file: \\e.bin", "Done"}));
    EXPECT_EQ(run.ranges, (QList<int>{2, 0}));
    EXPECT_EQ(run.steps, 2);
}

TEST(DeviceDownload, FolderTextEndingInASeparator)
{
    TPanelRig rig;
    rig.WriteOut(QStringLiteral("a.bin"), Pattern(3));
    rig.WriteOut(QStringLiteral("01/b.bin"), Pattern(3));
    TDownload download(&rig.link);
    ASSERT_EQ(download.WriteAll(rig.out.path() + QLatin1Char('/')), TDownload::TOutcome::Done);
    EXPECT_EQ(rig.Received(), QStringLiteral("80 81:01 82:01\\b.bin 84:3 83 82:a.bin 84:3 83 85 31"));
}

TEST(DeviceDownload, MissingFolderSendsLikeAnEmptyOne)
{
    TPanelRig rig;
    TDownload download(&rig.link);
    ASSERT_EQ(download.WriteAll(rig.out.path() + QStringLiteral("/none")), TDownload::TOutcome::Done);
    EXPECT_EQ(rig.Received(), QStringLiteral("80 85 31"));
}

TEST(DeviceDownload, EmptyFolderTextIsRefused)
{
    struct Case
    {
        int language;
        const char* text;
    };
    const Case cases[] = {{0, "Please select a directory with downloading files"},
                          {1049, "Выберите папку с загружаемыми файлами"}};
    for (const Case& c : cases) {
        TPanelRig rig;
        TDownload download(&rig.link);
        download.SetLanguageId(c.language);
        TRun run;
        Watch(download, run);
        EXPECT_EQ(download.WriteAll(QString()), TDownload::TOutcome::Refused);
        EXPECT_EQ(run.warnings, QStringList{QString::fromUtf8(c.text)});
        EXPECT_TRUE(rig.panel->Reports().isEmpty());
    }
}

TEST(DeviceDownload, WriteSelected)
{
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.path() + QStringLiteral("/x.bin");
    testutil::WriteAll(outside, Pattern(2));
    QString outsideName = outside;
    outsideName.replace(QLatin1Char('/'), QLatin1Char('\\'));

    struct Case
    {
        const char* name;
        QStringList files;
        QString received;
    };
    const Case cases[] = {
        {"nothing selected", {}, QStringLiteral("80 85 31")},
        {"files in the folder, no folders made",
         {QStringLiteral("01/b.bin"), QStringLiteral("a.bin")},
         QStringLiteral("80 82:\\01\\b.bin 84:4 83 82:\\a.bin 84:1 83 85 31")},
        {"a file outside the folder keeps its full path",
         {outside},
         QStringLiteral("80 82:") + outsideName + QStringLiteral(" 84:2 83 85 31")},
    };
    for (const Case& c : cases) {
        TPanelRig rig;
        rig.WriteOut(QStringLiteral("a.bin"), Pattern(1));
        rig.WriteOut(QStringLiteral("01/b.bin"), Pattern(4));
        QStringList paths;
        for (const QString& f : c.files)
            paths.append(f.startsWith(QLatin1Char('/')) ? f : rig.OutPath(f));
        TDownload download(&rig.link);
        TRun run;
        Watch(download, run);
        EXPECT_EQ(download.WriteSelected(rig.out.path(), paths), TDownload::TOutcome::Done) << c.name;
        EXPECT_EQ(rig.Received(), c.received) << c.name;
        EXPECT_EQ(run.log.last(), QStringLiteral("Done")) << c.name;
    }
}

TEST(DeviceDownload, StatusZeroAnswersAreLoggedAndTheTransferGoesOn)
{
    TPanelRig rig;
    rig.panel->SetAnswerStatusZero(true);
    rig.WriteOut(QStringLiteral("a.bin"), Pattern(250));
    rig.WriteOut(QStringLiteral("b.bin"), Pattern(1));
    TDownload download(&rig.link);
    TRun run;
    Watch(download, run);
    EXPECT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Done);
    EXPECT_EQ(rig.Received(),
              QStringLiteral("80 82:\\a.bin 84:100 84:100 84:50 83 82:\\b.bin 84:1 83 85 31"));
    EXPECT_EQ(run.log, (QStringList{"Save file: \\a.bin", "write error", "write error", "write error",
                                    "Save file: \\b.bin", "write error", "Done"}));
    EXPECT_EQ(download.Problems(), 4);
}

TEST(DeviceDownload, TheTransferEndsWhenThePanelStopsWorking)
{
    enum Fault { FailWrites, Silent, Unplug };
    struct Case
    {
        const char* name;
        Fault fault;
        int afterReports;     // the fault starts once the panel has taken this many reports
        const char* received; // what the panel got in all
        const char* lastLine; // the log's last line
        bool warned;
    };
    const Case cases[] = {
        {"failed first write", FailWrites, 0, "", "Save file: \\a.bin", true},
        {"failed data write", FailWrites, 3, "80 82:\\a.bin 84:100", "Save file: \\a.bin", true},
        {"no answer at once", Silent, 0, "80", "no answer from the panel", false},
        {"no answer to data", Silent, 2, "80 82:\\a.bin 84:100", "no answer from the panel", false},
        {"unplugged during data", Unplug, 4, "80 82:\\a.bin 84:100 84:100",
         "no answer from the panel: it was unplugged", false},
    };
    for (const Case& c : cases) {
        TPanelRig rig;
        rig.link.SetReplyTimeout(100);
        rig.WriteOut(QStringLiteral("a.bin"), Pattern(250));
        TVirtualPanel* panel = rig.panel;
        auto apply = [&] {
            switch (c.fault) {
            case FailWrites:
                panel->SetFailWrites(true);
                break;
            case Silent:
                panel->SetSilent(true);
                break;
            case Unplug:
                rig.layer.Unplug(panel);
                break;
            }
        };
        if (c.afterReports == 0 && c.fault != Unplug)
            apply();
        else
            panel->SetOnReport([&](const QByteArray&) {
                if (panel->Reports().size() == c.afterReports)
                    apply();
            });
        TDownload download(&rig.link);
        TRun run;
        Watch(download, run);
        EXPECT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Failed) << c.name;
        EXPECT_EQ(rig.Received(), QString::fromLatin1(c.received)) << c.name;
        if (c.fault != FailWrites) {
            ASSERT_FALSE(run.log.isEmpty()) << c.name;
            EXPECT_EQ(run.log.last(), QString::fromLatin1(c.lastLine)) << c.name;
        }
        EXPECT_EQ(!run.warnings.isEmpty(), c.warned) << c.name;
        EXPECT_FALSE(run.log.contains(QStringLiteral("Done"))) << c.name;
        EXPECT_FALSE(download.LastError().isEmpty()) << c.name;
        EXPECT_FALSE(rig.link.Busy()) << c.name;
        Settle();
        if (c.fault == Unplug) {
            EXPECT_EQ(rig.link.DeviceText(), QStringLiteral("no device"));
        }
    }
}

TEST(DeviceDownload, AFileThatCannotBeOpenedEndsTheTransferBeforeThePanelOpensIt)
{
    TPanelRig rig;
    rig.WriteOut(QStringLiteral("a.bin"), Pattern(5));
    // A link to nowhere cannot be opened, whoever runs the test.
    ASSERT_EQ(
        ::symlink("/nonexistent/target", rig.OutPath(QStringLiteral("b.bin")).toLocal8Bit().constData()), 0);
    rig.WriteOut(QStringLiteral("c.bin"), Pattern(5));
    TDownload download(&rig.link);
    TRun run;
    Watch(download, run);
    EXPECT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Failed);
    EXPECT_EQ(rig.Received(), QStringLiteral("80 82:\\a.bin 84:5 83 85 31"));
    ASSERT_EQ(run.warnings.size(), 1);
    EXPECT_TRUE(run.warnings.first().startsWith(QStringLiteral("Cannot open file \"") + rig.OutPath("b.bin") +
                                                QStringLiteral("\". ")))
        << run.warnings.first().toStdString();
    EXPECT_FALSE(run.log.contains(QStringLiteral("Done")));
    EXPECT_EQ(testutil::ReadAll(rig.sd.path() + QStringLiteral("/a.bin")), Pattern(5));
    EXPECT_FALSE(QFile::exists(rig.sd.path() + QStringLiteral("/b.bin")));

    // The same for a selected file that has gone.
    rig.panel->ClearReports();
    EXPECT_EQ(download.WriteSelected(rig.out.path(), {rig.OutPath(QStringLiteral("gone.bin"))}),
              TDownload::TOutcome::Failed);
    EXPECT_EQ(rig.Received(), QStringLiteral("80 85 31"));
}

TEST(DeviceDownload, NamesThePanelCannotTakeAreRefusedAndTheRestIsSent)
{
    TPanelRig rig; // output reports of 129 bytes: names of at most 126 bytes
    const QString longest = QString(122, QLatin1Char('n')) + QStringLiteral(".b"); // "\" + 124 = 125 bytes
    const QString tooLong = QString(130, QLatin1Char('m'));
    rig.WriteOut(longest, Pattern(1));
    rig.WriteOut(tooLong, Pattern(1));
    rig.WriteOut(QStringLiteral("back\\slash"), Pattern(1));
    rig.WriteOut(QStringLiteral("\u4E2D.bin"), Pattern(1));
    rig.WriteOut(QStringLiteral("Экран.bin"), Pattern(1));
    ASSERT_EQ(::mkfifo(rig.OutPath(QStringLiteral("fifo")).toLocal8Bit().constData(), 0600), 0);
    TDownload download(&rig.link);
    TRun run;
    Watch(download, run);
    EXPECT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Done);
    EXPECT_EQ(download.Problems(), 4);
    const QString received = rig.Received();
    EXPECT_TRUE(received.contains(QStringLiteral("82:\\") + longest)) << received.toStdString();
    EXPECT_TRUE(received.contains(QStringLiteral("82:\\Экран.bin"))) << received.toStdString();
    EXPECT_EQ(received.count(QStringLiteral("82:")), 2) << received.toStdString();
    EXPECT_EQ(run.log.filter(QStringLiteral("Skipped file")).size(), 4) << run.log.join('\n').toStdString();
    // The Cyrillic name travels in the one-byte code page.
    bool found = false;
    for (const QByteArray& r : rig.panel->Reports())
        found = found || r.mid(2).startsWith(QByteArray("\\\xDD\xEA\xF0\xE0\xED.bin\0", 11));
    EXPECT_TRUE(found);
    EXPECT_EQ(testutil::ReadAll(rig.sd.path() + QStringLiteral("/Экран.bin")), Pattern(1));
}

TEST(DeviceDownload, ASecondCommandWhileOneRunsIsRefused)
{
    TPanelRig rig;
    rig.WriteOut(QStringLiteral("a.bin"), Pattern(150));
    TDownload download(&rig.link);
    TDownload second(&rig.link);
    TRun run;
    Watch(second, run);
    TDownload::TOutcome inner = TDownload::TOutcome::Done;
    bool refreshed = true;
    rig.panel->SetOnReport([&](const QByteArray& r) {
        if (quint8(r.at(1)) == panel::cmdFileData && rig.panel->Reports().size() == 3) {
            inner = second.WriteAll(rig.out.path());
            refreshed = rig.link.Refresh();
        }
    });
    EXPECT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Done);
    EXPECT_EQ(inner, TDownload::TOutcome::Refused);
    EXPECT_FALSE(refreshed);
    EXPECT_EQ(run.log, QStringList{linktext::Busy()});
    EXPECT_EQ(rig.Received(), QStringLiteral("80 82:\\a.bin 84:100 84:50 83 85 31"));
}

TEST(DeviceDownload, RelativeNames)
{
    struct Case
    {
        const char* folder;
        const char* path;
        const char* relative;
    };
    const Case cases[] = {
        {"/w/proj", "/w/proj/01/b.bin", "/01/b.bin"},
        {"/w/proj/", "/w/proj/a.bin", "a.bin"},
        {"/w/proj", "/x/a.bin", "/x/a.bin"},
        {"proj", "/w/proj/a.bin", "/a.bin"},           // first occurrence, wherever it is
        {"/w/Proj", "/w/proj/a.bin", "/w/proj/a.bin"}, // case counts
        {"", "/w/a.bin", "/w/a.bin"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TDownload::RelativeName(QString::fromLatin1(c.folder), QString::fromLatin1(c.path)),
                  QString::fromLatin1(c.relative))
            << c.folder << ' ' << c.path;
}

TEST(DeviceDownloadCli, DownloadMakesTheSdTreeEqualTheFolder)
{
    QTemporaryDir work;
    const QString out = work.path() + QStringLiteral("/OUT");
    const QString sd = work.path() + QStringLiteral("/SD");
    const std::vector<TFile> files = {{"logo.bin", 153600}, {"lcdconfig", 1}, {"00/01bkg.bin", 250},
                                      {"00/01.elm", 43},    {"01/01.elm", 0}, {".hidden", 300},
                                      {"01/bar1.bin", 999}, {"tm.bin", 100}};
    for (const TFile& f : files) {
        const QString path = out + QLatin1Char('/') + QLatin1String(f.path);
        QDir().mkpath(QFileInfo(path).path());
        testutil::WriteAll(path, Pattern(f.size, f.size));
    }
    QDir().mkpath(out + QStringLiteral("/02")); // an empty screen folder

    QProcess cli;
    cli.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"),
              {QStringLiteral("download"), out, QStringLiteral("--virtual-panel"), sd});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.last(), QStringLiteral("Done"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Save file: \\00\\01bkg.bin")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Create dir: 02")));
    EXPECT_EQ(Tree(sd), Tree(out));
}

TEST(DeviceDownloadCli, FailuresExitWithOneAndAReason)
{
    QTemporaryDir work;
    const QString out = work.path() + QStringLiteral("/OUT");
    QDir().mkpath(out);
    testutil::WriteAll(out + QStringLiteral("/a.bin"), Pattern(5));
    ASSERT_EQ(::symlink("/nonexistent", (out + QStringLiteral("/b.bin")).toLocal8Bit().constData()), 0);
    const QString sd = work.path() + QStringLiteral("/SD");
    struct Case
    {
        QStringList args;
        const char* reason;
    };
    const Case cases[] = {
        {{"download", out, "--virtual-panel", sd}, "Cannot open file"},
        {{"download", out, "--virtual-panel", sd, "--vid", "1234"}, "no device matches vendor id 1234"},
        {{"download", work.path() + "/none", "--virtual-panel", sd}, "is not a folder"},
        {{"download", out, "--virtual-panel", sd, "--timeout", "x"}, "--timeout"},
        {{"device", "set-interval", "65536", "--virtual-panel", sd}, "0 to 65535"},
        {{"device", "set-time", "9 March", "--virtual-panel", sd}, "YYYY-MM-DDTHH:MM:SS"},
        {{"device", "get-interval", "--virtual-panel", sd, "--pid", "1"}, "no device matches"},
    };
    for (const Case& c : cases) {
        QProcess cli;
        cli.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"), c.args);
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 1) << c.args.join(' ').toStdString();
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        EXPECT_TRUE(err.contains(QLatin1String(c.reason))) << err.toStdString();
    }
}

TEST(DeviceDownloadCli, DeviceCommands)
{
    QTemporaryDir sd;
    struct Case
    {
        QStringList args;
        const char* output;
    };
    const Case cases[] = {
        {{"device", "get-interval", "--virtual-panel", sd.path()}, "60\n"},
        {{"device", "set-interval", "120", "--virtual-panel", sd.path()}, ""},
        {{"device", "set-time", "2011-03-09T14:05:30", "--virtual-panel", sd.path()},
         "2011-03-09T14:05:30\n"},
    };
    for (const Case& c : cases) {
        QProcess cli;
        cli.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"), c.args);
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(cli.readAllStandardOutput()), QString::fromLatin1(c.output));
    }
}

TEST(DeviceDownload, ProgressCountsTheWholeSet)
{
    TPanelRig rig;
    rig.WriteOut(QStringLiteral("01/b.bin"), Pattern(250));
    rig.WriteOut(QStringLiteral("a.bin"), Pattern(100));
    rig.WriteOut(QStringLiteral("e.bin"), {});
    TDownload download(&rig.link);
    std::vector<TDownloadProgress> seen;
    QObject::connect(&download, &TDownload::Progress, [&](const TDownloadProgress& p) { seen.push_back(p); });
    ASSERT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Done);

    // Per file: one word as it opens, one per data report, one as it is closed.
    QStringList words;
    for (const TDownloadProgress& p : seen) {
        EXPECT_EQ(p.Total, 350);
        EXPECT_EQ(p.FilesTotal, 3);
        words << QStringLiteral("%1 %2%3").arg(p.File).arg(p.Done).arg(
            p.FileFinished ? QStringLiteral(" closed") : QString());
    }
    EXPECT_EQ(words, (QStringList{"\\01\\b.bin 0", "\\01\\b.bin 100", "\\01\\b.bin 200", "\\01\\b.bin 250",
                                  "\\01\\b.bin 250 closed", "\\a.bin 250", "\\a.bin 350",
                                  "\\a.bin 350 closed", "\\e.bin 350", "\\e.bin 350 closed"}));
    EXPECT_EQ(seen.back().FilesDone, 3);
}

TEST(DeviceDownload, ProgressText)
{
    struct Case
    {
        qint64 done, total;
        double rate;
        qint64 left;
        const char* text;
    };
    const Case cases[] = {
        {0, 4400000, 0, -1, "\\00\\01bkg.bin: 0 bytes of 4.2 MB"},
        {1258291, 4613734, 25907, 129, "\\00\\01bkg.bin: 1.2 MB of 4.4 MB, 25.3 kB/s, 2:09 left"},
        {10, 100000000, 10, 3725, "\\00\\01bkg.bin: 10 bytes of 95.4 MB, 10 bytes/s, 1:02:05 left"},
    };
    for (const Case& c : cases) {
        TDownloadProgress p;
        p.File = QStringLiteral("\\00\\01bkg.bin");
        p.Done = c.done;
        p.Total = c.total;
        p.BytesPerSecond = c.rate;
        p.SecondsLeft = c.left;
        EXPECT_EQ(DownloadProgressText(p).toStdString(), std::string(c.text));
    }
}

TEST(DeviceDownload, CancelFinishesTheFileBeingSentThenEndsTheTransfer)
{
    TPanelRig rig;
    const std::vector<TFile> files = {{"a.bin", 150}, {"b.bin", 1000}, {"c.bin", 20}, {"d/e.bin", 5}};
    for (const TFile& f : files)
        rig.WriteOut(QString::fromLatin1(f.path), Pattern(f.size, f.size));
    TDownload download(&rig.link);
    TRun run;
    Watch(download, run);
    // Cancel while b.bin is half sent.
    int dataReports = 0;
    rig.panel->SetOnReport([&](const QByteArray& r) {
        if (quint8(r.at(1)) == panel::cmdFileData && ++dataReports == 5)
            download.Cancel();
    });
    EXPECT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Cancelled);
    EXPECT_EQ(run.log, (QStringList{"Save file: \\a.bin", "Save file: \\b.bin", "Cancelled"}));
    EXPECT_TRUE(rig.Received().endsWith(QStringLiteral("82:\\b.bin 84:100 84:100 84:100 84:100 84:100 84:100 "
                                                       "84:100 84:100 84:100 84:100 83 85 31")))
        << rig.Received().toStdString();
    // The card holds exactly the files finished before the cancel, byte for byte.
    auto sd = Tree(rig.sd.path());
    EXPECT_EQ(sd.keys(), (QStringList{"a.bin", "b.bin"}));
    EXPECT_EQ(sd.value("a.bin"), Pattern(150, 150));
    EXPECT_EQ(sd.value("b.bin"), Pattern(1000, 1000));
    EXPECT_FALSE(run.visible.isEmpty());
    EXPECT_FALSE(run.visible.last());
    EXPECT_FALSE(download.Running());

    // The next command starts afresh: a cancel asked for before it does not carry over.
    rig.panel->SetOnReport({});
    download.Cancel();
    EXPECT_EQ(download.WriteAll(rig.out.path()), TDownload::TOutcome::Done);
    EXPECT_EQ(Tree(rig.sd.path()), Tree(rig.out.path()));
}

TEST(DeviceDownloadCli, CtrlCFinishesTheFileBeingSentThenEndsTheTransfer)
{
    QTemporaryDir work;
    const QString out = work.path() + QStringLiteral("/OUT");
    const QString sd = work.path() + QStringLiteral("/SD");
    QDir().mkpath(out);
    testutil::WriteAll(out + QStringLiteral("/a.bin"), Pattern(300, 1));
    // Large enough that the interrupt arrives while it is sent: tens of thousands of exchanges.
    testutil::WriteAll(out + QStringLiteral("/b.bin"), Pattern(5'000'000, 2));
    testutil::WriteAll(out + QStringLiteral("/c.bin"), Pattern(10, 3));

    QProcess cli;
    cli.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"),
              {QStringLiteral("download"), out, QStringLiteral("--virtual-panel"), sd});
    QByteArray printed;
    while (!printed.contains("Save file: \\b.bin\n") && cli.waitForReadyRead(60000))
        printed += cli.readAllStandardOutput();
    ASSERT_TRUE(printed.contains("Save file: \\b.bin\n")) << printed.toStdString();
    ::kill(pid_t(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(120000));
    printed += cli.readAllStandardOutput();
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 130) << cli.readAllStandardError().toStdString();

    const QStringList lines = QString::fromUtf8(printed).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.last(), QStringLiteral("Cancelled"));
    EXPECT_FALSE(lines.contains(QStringLiteral("Save file: \\c.bin")));
    // Without a terminal, one plain progress line per file sent.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const QString& l) {
        return l.startsWith(QStringLiteral("\\a.bin: 300 bytes of 4.8 MB"));
    })) << printed.toStdString();
    const QMap<QString, QByteArray> card = Tree(sd);
    EXPECT_EQ(card.keys(), (QStringList{"a.bin", "b.bin"}));
    EXPECT_EQ(card.value("a.bin"), Pattern(300, 1));
    EXPECT_EQ(card.value("b.bin"), Pattern(5'000'000, 2));
}

TEST(DeviceDownloadCli, ChangedSendsWhatDiffersFromTheLastDownload)
{
    QTemporaryDir work;
    const QString out = work.path() + QStringLiteral("/OUT");
    const QString sd = work.path() + QStringLiteral("/SD");
    QDir().mkpath(out + QStringLiteral("/00"));
    testutil::WriteAll(out + QStringLiteral("/00/01.elm"), Pattern(52, 1));
    testutil::WriteAll(out + QStringLiteral("/logo.bin"), Pattern(300, 2));
    const auto run = [&] {
        QProcess cli;
        cli.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"),
                  {QStringLiteral("download"), out, QStringLiteral("--changed"),
                   QStringLiteral("--virtual-panel"), sd});
        EXPECT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        // The progress lines (a file's name, then how far) aside.
        lines.removeIf(
            [](const QString& l) { return l.startsWith('\\') && l.contains(QLatin1String(" of ")); });
        return lines;
    };
    EXPECT_EQ(
        run().first(),
        QStringLiteral("No record of an earlier download of this folder to this panel: writing every file"));
    testutil::WriteAll(out + QStringLiteral("/logo.bin"), Pattern(300, 3));
    EXPECT_EQ(run(), (QStringList{"Save file: \\logo.bin", "Done", "1 file(s) unchanged and skipped"}));
    EXPECT_EQ(Tree(sd), Tree(out));
}
