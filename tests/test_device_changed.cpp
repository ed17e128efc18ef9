// "Write changed": only the files whose bytes differ from what the record says was sent to this panel
// from this folder go, and the card ends up as the folder is.

#include "device/download.h"
#include "device/sentrecord.h"
#include "model/tlcdlist.h"
#include "output/animation.h"
#include "output/generate.h"
#include "output/splash.h"
#include "test_device_support.h"
#include "testutil.h"

#include <QDirIterator>
#include <functional>
#include <gtest/gtest.h>

using devtest::Pattern;
using devtest::TPanelRig;

namespace {

QMap<QString, QByteArray> Tree(const QString& root)
{
    QMap<QString, QByteArray> tree;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        tree.insert(QDir(root).relativeFilePath(path), testutil::ReadAll(path));
    }
    return tree;
}

// A panel, a folder like an output folder and the records in a folder of the test's own.
struct TChangedRig : TPanelRig
{
    QTemporaryDir records;
    TDownload download{&link};
    QStringList log;

    explicit TChangedRig(TVirtualPanel::Options options = {}) : TPanelRig(options)
    {
        download.SetRecordFolder(records.path());
        QObject::connect(&download, &TDownload::LogLine, [this](const QString& line, bool) { log << line; });
        WriteOut(QStringLiteral("lcdconfig"), Pattern(1));
        WriteOut(QStringLiteral("logo.bin"), Pattern(450, 1));
        WriteOut(QStringLiteral("00/01.elm"), Pattern(52, 2));
        WriteOut(QStringLiteral("00/01bkg.bin"), Pattern(300, 3));
        WriteOut(QStringLiteral("01/01.elm"), Pattern(95, 4));
        WriteOut(QStringLiteral("01/01bkg.bin"), Pattern(300, 5));
    }

    // Runs one command and returns what the panel was sent, in the words of devtest::Exchanges.
    QString Changed(TDownload::TOutcome expected = TDownload::TOutcome::Done)
    {
        panel->ClearReports();
        log.clear();
        EXPECT_EQ(download.WriteChanged(out.path()), expected);
        return Received();
    }
    QString RecordFile() const { return TSentRecord::FileFor(records.path(), out.path(), panel->Info()); }
};

} // namespace

TEST(WriteChanged, WithoutARecordEverythingGoesThenOnlyWhatChanged)
{
    TChangedRig rig;
    EXPECT_FALSE(rig.download.WrittenInFull(rig.out.path()).isValid());
    const QString first = rig.Changed();
    EXPECT_EQ(
        rig.log.first(),
        QStringLiteral("No record of an earlier download of this folder to this panel: writing every file"));
    EXPECT_EQ(first.count(QStringLiteral("82:")), 6);
    EXPECT_EQ(Tree(rig.sd.path()), Tree(rig.out.path()));
    EXPECT_TRUE(rig.download.WrittenInFull(rig.out.path()).isValid());

    // Nothing changed: nothing but the transfer's frame.
    EXPECT_EQ(rig.Changed(), QStringLiteral("80 85 31"));
    EXPECT_EQ(rig.log, (QStringList{"Done", "6 file(s) unchanged and skipped"}));

    // One screen's table edited, a new screen folder with a file, one file gone from the folder.
    rig.WriteOut(QStringLiteral("01/01.elm"), Pattern(95, 40));
    rig.WriteOut(QStringLiteral("02/01.elm"), Pattern(9, 6));
    QFile::remove(rig.OutPath(QStringLiteral("logo.bin")));
    EXPECT_EQ(rig.Changed(),
              QStringLiteral("80 81:01 82:\\01\\01.elm 84:95 83 81:02 82:\\02\\01.elm 84:9 83 85 31"));
    EXPECT_EQ(rig.log, (QStringList{"Not on the PC any more, still on the card: \\logo.bin", "Create dir: 01",
                                    "Save file: \\01\\01.elm", "Create dir: 02", "Save file: \\02\\01.elm",
                                    "Done", "4 file(s) unchanged and skipped"}));
    auto card = Tree(rig.sd.path());
    EXPECT_EQ(card.take(QStringLiteral("logo.bin")), Pattern(450, 1)); // the panel cannot delete
    EXPECT_EQ(card, Tree(rig.out.path()));
    EXPECT_EQ(rig.Changed(), QStringLiteral("80 85 31"));
}

TEST(WriteChanged, AFileAnsweredWithStatusZeroIsSentAgainNextTime)
{
    TChangedRig rig;
    rig.Changed();
    rig.WriteOut(QStringLiteral("00/01bkg.bin"), Pattern(300, 30));
    rig.WriteOut(QStringLiteral("01/01bkg.bin"), Pattern(300, 50));
    // The second data report of 00/01bkg.bin is answered with status 0.
    int data = 0;
    rig.panel->SetOnReport([&](const QByteArray& r) {
        if (quint8(r.at(1)) == panel::cmdFileData)
            rig.panel->SetAnswerStatusZero(++data == 1);
    });
    rig.Changed();
    EXPECT_TRUE(rig.log.contains(QStringLiteral("write error")));
    EXPECT_EQ(rig.download.Problems(), 1);
    rig.panel->SetOnReport({});
    rig.panel->SetAnswerStatusZero(false);
    // The file that did not reach the panel whole goes again; the one that did, does not.
    EXPECT_EQ(rig.Changed(), QStringLiteral("80 81:00 82:\\00\\01bkg.bin 84:100 84:100 84:100 83 85 31"));
    EXPECT_EQ(Tree(rig.sd.path()), Tree(rig.out.path()));
}

TEST(WriteChanged, ACancelLeavesTheUnfinishedFilesToTheNextWrite)
{
    TChangedRig rig;
    int opened = 0;
    rig.panel->SetOnReport([&](const QByteArray& r) {
        if (quint8(r.at(1)) == panel::cmdOpenFile && ++opened == 3)
            rig.download.Cancel();
    });
    rig.Changed(TDownload::TOutcome::Cancelled);
    rig.panel->SetOnReport({});
    EXPECT_EQ(rig.log.last(), QStringLiteral("Cancelled"));
    EXPECT_FALSE(rig.download.WrittenInFull(rig.out.path()).isValid());
    // Three files went whole; the other three go now, and then the card is the folder.
    EXPECT_EQ(rig.Changed().count(QStringLiteral("82:")), 3);
    EXPECT_EQ(rig.log.last(), QStringLiteral("3 file(s) unchanged and skipped"));
    EXPECT_EQ(Tree(rig.sd.path()), Tree(rig.out.path()));
}

TEST(WriteChanged, ARecordThatIsDamagedOrOfAnotherPanelSendsEverything)
{
    struct Case
    {
        const char* name;
        std::function<void(QByteArray&)> damage;
    };
    const Case cases[] = {
        {"cut short", [](QByteArray& b) { b.chop(20); }},
        {"a byte changed", [](QByteArray& b) { b[b.indexOf("file ") + 5] = '9'; }},
        {"another version", [](QByteArray& b) { b.replace("sent-record 1", "sent-record 2"); }},
        {"empty", [](QByteArray& b) { b.clear(); }},
    };
    for (const Case& c : cases) {
        TChangedRig rig;
        rig.Changed();
        QByteArray bytes = testutil::ReadAll(rig.RecordFile());
        c.damage(bytes);
        testutil::WriteAll(rig.RecordFile(), bytes);
        EXPECT_EQ(rig.Changed().count(QStringLiteral("82:")), 6) << c.name;
        EXPECT_TRUE(rig.log.first().startsWith(QStringLiteral("Warning: the record of earlier downloads")))
            << c.name << ": " << rig.log.first().toStdString();
        // The complete write that followed left a good record again.
        EXPECT_EQ(rig.Changed(), QStringLiteral("80 85 31")) << c.name;
    }

    // Write all keeps the record too, and another panel (another card) has a record of its own.
    TChangedRig rig;
    ASSERT_EQ(rig.download.WriteAll(rig.out.path()), TDownload::TOutcome::Done);
    EXPECT_EQ(rig.Changed(), QStringLiteral("80 85 31"));
    QTemporaryDir otherCard;
    rig.layer.Unplug(rig.panel);
    rig.panel = rig.layer.Plug(otherCard.path());
    devtest::Settle();
    EXPECT_EQ(rig.Changed().count(QStringLiteral("82:")), 6);
    EXPECT_EQ(Tree(otherCard.path()), Tree(rig.out.path()));
}

TEST(WriteChanged, WriteSelectedUpdatesTheRecordOfWhatItSent)
{
    TChangedRig rig;
    rig.Changed();
    // Sent by "Write selected", the new bytes are what the card holds; bringing the old bytes back
    // must send them again.
    const QByteArray old = testutil::ReadAll(rig.OutPath(QStringLiteral("logo.bin")));
    rig.WriteOut(QStringLiteral("logo.bin"), Pattern(450, 9));
    ASSERT_EQ(rig.download.WriteSelected(rig.out.path(), {rig.OutPath(QStringLiteral("logo.bin"))}),
              TDownload::TOutcome::Done);
    EXPECT_EQ(rig.Changed(), QStringLiteral("80 85 31"));
    rig.WriteOut(QStringLiteral("logo.bin"), old);
    EXPECT_EQ(rig.Changed(), QStringLiteral("80 82:\\logo.bin 84:100 84:100 84:100 84:100 84:50 83 85 31"));
    EXPECT_EQ(Tree(rig.sd.path()), Tree(rig.out.path()));
}

TEST(WriteChanged, AfterAGenerateOnlyTheEditedScreensFilesGo)
{
    TPanelRig rig;
    QTemporaryDir records, work;
    TDownload download(&rig.link);
    download.SetRecordFolder(records.path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path()); // the screen listing lands here
    TLCDList list;
    TLCD powerFail;
    TSplash splash;
    TAnimation animation;
    list.AddScreen(240, 320)->AddElement(ekDRO, 10, 10);
    TElement* dro = list.AddScreen(240, 320)->AddElement(ekDRO, 10, 10);
    list.Items(1)->AddElement(ekText, 10, 100);
    TGenerateJob job;
    job.ProjectFile = work.filePath(QStringLiteral("demo.lcd"));
    job.Screens = &list;
    job.PowerFail = &powerFail;
    job.Splash = &splash;
    job.Animation = &animation;
    const QString out = Generate(job);
    ASSERT_EQ(download.WriteChanged(out), TDownload::TOutcome::Done);

    struct Case
    {
        const char* name;
        std::function<void()> edit;
        const char* sent;
    };
    TElement* text = list.Items(1)->Item(1);
    const Case cases[] = {
        {"a readout moved", [&] { dro->PanelX += 8; }, "82:\\01\\01.elm"},
        {"a text moved", [&] { text->PanelY += 8; }, "82:\\01\\01bkg.bin 82:\\01\\01bkg.bmp"},
        {"nothing", [] {}, ""},
    };
    for (const Case& c : cases) {
        c.edit();
        for (const auto& e : list.Items(1)->Elements())
            e->ApplyZoom();
        Generate(job);
        rig.panel->ClearReports();
        ASSERT_EQ(download.WriteChanged(out), TDownload::TOutcome::Done) << c.name;
        QStringList opened;
        for (const QString& word : rig.Received().split(' '))
            if (word.startsWith(QLatin1String("82:")))
                opened << word;
        EXPECT_EQ(opened.join(' '), QLatin1String(c.sent)) << c.name;
    }
    QDir::setCurrent(previous);
}
