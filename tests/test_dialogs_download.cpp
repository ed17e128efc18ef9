#include "device/download.h"
#include "dialogs/udownload.h"
#include "test_device_support.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using devtest::Pattern;
using devtest::Settle;

namespace {

struct TFormRig
{
    QTemporaryDir out;
    QTemporaryDir sd;
    TVirtualHIDLayer layer;
    TVirtualPanel* panel = layer.Plug(sd.path());
    TDownloadForm form{&layer};
    QStringList messages;

    // failure: what claiming the panel fails with, when its text is not empty.
    explicit TFormRig(THIDOpenError failure = {})
    {
        panel->SetOpenFailure(std::move(failure));
        form.SetMessageHandler([this](const QString& text) { messages.append(text); });
        form.Link().SetReplyTimeout(300);
        layer.Start();
        Settle();
    }

    template <typename T> T* Find(const char* name) const
    {
        T* w = form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Click(const char* name) const { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    QStringList Log() const
    {
        QStringList lines;
        const auto* lb = Find<QListWidget>("LB");
        for (int i = 0; i < lb->count(); ++i)
            lines.append(lb->item(i)->text());
        return lines;
    }
    void WriteOut(const QString& rel, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(out.path() + '/' + rel).path());
        QFile f(out.path() + '/' + rel);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

} // namespace

TEST(DialogsDownload, WindowAndDiscovery)
{
    TFormRig rig;
    EXPECT_EQ(rig.form.windowTitle(), QStringLiteral("Download"));
    EXPECT_EQ(rig.form.size(), QSize(621, 539));
    EXPECT_EQ(rig.Find<QLineEdit>("eDev")->text(), rig.panel->Info().ProductString);
    EXPECT_TRUE(rig.Find<QPushButton>("btStart")->isEnabled());
    EXPECT_TRUE(rig.Find<QPushButton>("btStartSelected")->isEnabled());
    EXPECT_FALSE(rig.Find<QProgressBar>("PB")->isVisibleTo(&rig.form));

    // The id boxes take hexadecimal digits only.
    auto* vid = rig.Find<QLineEdit>("eVID");
    vid->clear();
    QTest::keyClicks(vid, QStringLiteral("20g0G"));
    EXPECT_EQ(vid->text(), QStringLiteral("200"));

    // Refresh with ids that match nothing: "no device", but the panel stays current.
    vid->setText(QStringLiteral("1234"));
    rig.Find<QListWidget>("LB")->addItem(QStringLiteral("old line"));
    rig.Click("btRefresh");
    EXPECT_EQ(rig.Find<QLineEdit>("eDev")->text(), QStringLiteral("no device"));
    EXPECT_TRUE(rig.Find<QPushButton>("btStart")->isEnabled());
    EXPECT_TRUE(rig.Log().isEmpty());

    // Unplugging: the notice's pass leaves no device and disables the write buttons.
    vid->setText(QStringLiteral("20a0"));
    rig.layer.Unplug(rig.panel);
    Settle();
    EXPECT_EQ(rig.Find<QLineEdit>("eDev")->text(), QStringLiteral("no device"));
    EXPECT_FALSE(rig.Find<QPushButton>("btStart")->isEnabled());
    EXPECT_FALSE(rig.Find<QPushButton>("btStartSelected")->isEnabled());
    rig.Click("btGetInterval");
    ASSERT_EQ(rig.messages.size(), 1);
    EXPECT_TRUE(rig.messages.first().contains(QStringLiteral("no device")));
    EXPECT_TRUE(rig.panel->Reports().isEmpty());
}

TEST(DialogsDownload, APanelThisUserMayNotOpenIsNamedWithWhatToDo)
{
    TFormRig rig({QStringLiteral("no permission to read and write /dev/hidraw3"), true});
    const QString product = rig.panel->Info().ProductString;
    auto* dev = rig.Find<QLineEdit>("eDev");
    EXPECT_EQ(dev->text(), product + QStringLiteral(": no permission to open it"));
    EXPECT_FALSE(rig.Find<QPushButton>("btStart")->isEnabled());
    EXPECT_FALSE(rig.Find<QPushButton>("btStartSelected")->isEnabled());
    const QStringList advice = rig.form.Link().ClaimAdvice();
    ASSERT_EQ(advice.size(), 2);
    EXPECT_TRUE(advice[0].contains(QStringLiteral("/dev/hidraw3")));
    EXPECT_EQ(rig.Log(), advice);
    EXPECT_EQ(dev->toolTip(), advice.join('\n'));

    // Another notice meets the panel again: the log says it once.
    QTemporaryDir sd2;
    TVirtualPanel::Options other;
    other.VendorId = 0x1234;
    rig.layer.Plug(sd2.path(), other);
    Settle();
    EXPECT_EQ(rig.Log(), advice);
    rig.Click("btRefresh");
    EXPECT_EQ(rig.Log(), advice);

    // The rule installed: Refresh claims the panel.
    rig.panel->SetOpenFailure({});
    rig.Click("btRefresh");
    EXPECT_EQ(dev->text(), product);
    EXPECT_TRUE(dev->toolTip().isEmpty());
    EXPECT_TRUE(rig.Log().isEmpty());
    EXPECT_TRUE(rig.Find<QPushButton>("btStart")->isEnabled());
}

TEST(DialogsDownload, WriteAllAndWriteSelected)
{
    TFormRig rig;
    rig.WriteOut(QStringLiteral("00/01bkg.bin"), Pattern(250));
    rig.WriteOut(QStringLiteral("logo.bin"), Pattern(300));
    rig.WriteOut(QStringLiteral("lcdconfig"), Pattern(1));

    rig.Click("btStart");
    EXPECT_EQ(rig.messages, QStringList{QStringLiteral("Please select a directory with downloading files")});
    EXPECT_TRUE(rig.panel->Reports().isEmpty());

    rig.form.SetDownloadFolder(rig.out.path());
    EXPECT_EQ(rig.Find<QLineEdit>("cxDIR")->text(), rig.out.path());
    rig.Click("btStart");
    EXPECT_EQ(rig.Log(), (QStringList{"Create dir: 00", "Save file: \\00\\01bkg.bin",
                                      "Save file: \\lcdconfig", "Save file: \\logo.bin", "Done"}));
    EXPECT_EQ(rig.Find<QListWidget>("LB")->currentRow(), 4);
    EXPECT_FALSE(rig.Find<QProgressBar>("PB")->isVisibleTo(&rig.form));
    for (const char* rel : {"00/01bkg.bin", "logo.bin", "lcdconfig"}) {
        QFile a(rig.out.path() + '/' + rel), b(rig.sd.path() + '/' + rel);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << rel;
        EXPECT_EQ(a.readAll(), b.readAll()) << rel;
    }

    // Write selected: the selected files of FileList, in list order, no folders.
    auto* list = rig.Find<QTreeWidget>("FileList");
    ASSERT_EQ(list->topLevelItemCount(), 2); // files only, sorted by name
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("lcdconfig"));
    list->topLevelItem(1)->setSelected(true);
    rig.panel->ClearReports();
    rig.Click("btStartSelected");
    EXPECT_EQ(rig.Log().last(), QStringLiteral("Done"));
    EXPECT_EQ(devtest::Exchanges(rig.panel->Reports()),
              QStringLiteral("80 82:\\logo.bin 84:100 84:100 84:100 83 85 31"));
    rig.Click("btClear");
    EXPECT_TRUE(rig.Log().isEmpty());
}

TEST(DialogsDownload, ToolsPage)
{
    TFormRig rig;
    rig.panel->SetInterval(300);
    rig.Click("btGetInterval");
    EXPECT_EQ(rig.Find<QSpinBox>("cxInterval")->value(), 300);
    rig.Find<QSpinBox>("cxInterval")->setValue(120);
    rig.Click("btSetInterval");
    EXPECT_EQ(rig.panel->Interval(), 120);

    // An empty date-time box sends nothing.
    rig.panel->ClearReports();
    rig.Click("btSetDateTime");
    EXPECT_EQ(rig.messages.size(), 1);
    EXPECT_TRUE(rig.panel->Reports().isEmpty());

    auto* edit = rig.Find<QDateTimeEdit>("cxDateEdit1");
    rig.Click("btNow");
    EXPECT_LE(qAbs(edit->dateTime().secsTo(QDateTime::currentDateTime())), 60);
    edit->setDateTime(QDateTime(QDate(2011, 12, 31), QTime(23, 59, 59)));
    rig.Click("btSetDateTime");
    EXPECT_EQ(rig.panel->LastDateTime(), QDateTime(QDate(2011, 12, 31), QTime(23, 59, 59)));
    EXPECT_EQ(rig.messages.size(), 1);
}

TEST(DialogsDownload, RefreshAndClosingWaitForTheRunningCommand)
{
    TFormRig rig;
    rig.WriteOut(QStringLiteral("a.bin"), Pattern(500));
    rig.form.SetDownloadFolder(rig.out.path());
    rig.form.show();
    rig.panel->SetAnswerDelay(2);
    bool tried = false;
    rig.panel->SetOnReport([&](const QByteArray& r) {
        if (quint8(r.at(1)) == panel::cmdFileData && !tried) {
            tried = true;
            // Clicked while the panel's answer is awaited.
            QTimer::singleShot(0, &rig.form, [&] {
                rig.Click("btRefresh");
                rig.form.close();
                rig.Click("btStart");
            });
        }
    });
    rig.Click("btStart");
    EXPECT_TRUE(tried);
    EXPECT_TRUE(rig.form.isVisible());
    const QStringList log = rig.Log();
    EXPECT_EQ(log.count(linktext::Busy()), 3) << log.join('\n').toStdString();
    EXPECT_EQ(log.last(), QStringLiteral("Done"));
    EXPECT_EQ(devtest::Exchanges(rig.panel->Reports()).count(QStringLiteral("80")), 1);
    rig.form.close();
    EXPECT_FALSE(rig.form.isVisible());
}

TEST(DialogsDownload, ProgressOverTheWholeSetAndCancel)
{
    TFormRig rig;
    rig.WriteOut(QStringLiteral("a.bin"), Pattern(300));
    rig.WriteOut(QStringLiteral("b.bin"), Pattern(700));
    rig.WriteOut(QStringLiteral("c.bin"), Pattern(50));
    rig.form.SetDownloadFolder(rig.out.path());
    auto* cancel = rig.Find<QPushButton>("btCancel");
    auto* bar = rig.Find<QProgressBar>("PB");
    auto* text = rig.Find<QLabel>("lbProgress");
    EXPECT_FALSE(cancel->isEnabled());

    // Looked at while b.bin is being sent.
    int dataReports = 0;
    bool cancelEnabled = false;
    int value = -1;
    QString line;
    rig.panel->SetOnReport([&](const QByteArray& r) {
        if (quint8(r.at(1)) != panel::cmdFileData || ++dataReports != 6)
            return;
        cancelEnabled = cancel->isEnabled();
        QTimer::singleShot(0, &rig.form, [&] {
            value = bar->value();
            line = text->text();
            rig.Click("btCancel");
        });
    });
    rig.Click("btStart");
    EXPECT_TRUE(cancelEnabled);
    EXPECT_EQ(bar->maximum(), 1000);
    // The bar and the line say the same: the bytes of the set sent so far, of 1050. A download that
    // has run for a while (a slow machine) also names the rate and the time left.
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^\\\\b\\.bin: (\\d+) bytes of 1\\.0 kB(, [^,]+/s, [0-9:]+ left)?$"))
            .match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    const int done = m.captured(1).toInt();
    EXPECT_TRUE(done > 300 && done < 1000) << done;
    EXPECT_EQ(value, done * 1000 / 1050);
    EXPECT_EQ(rig.Log(), (QStringList{"Save file: \\a.bin", "Save file: \\b.bin", "Cancelled"}));
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_FALSE(bar->isVisibleTo(&rig.form));
    EXPECT_FALSE(text->isVisibleTo(&rig.form));
    EXPECT_TRUE(QFileInfo::exists(rig.sd.path() + QStringLiteral("/b.bin")));
    EXPECT_FALSE(QFileInfo::exists(rig.sd.path() + QStringLiteral("/c.bin")));
}

TEST(DialogsDownload, WriteChangedAndWhenTheFolderWasLastWrittenInFull)
{
    TFormRig rig;
    QTemporaryDir records;
    rig.form.Download().SetRecordFolder(records.path());
    rig.WriteOut(QStringLiteral("00/01.elm"), Pattern(52));
    rig.WriteOut(QStringLiteral("logo.bin"), Pattern(300));
    rig.form.SetDownloadFolder(rig.out.path());
    auto* last = rig.Find<QLabel>("lbLastFull");
    EXPECT_EQ(last->text(), QStringLiteral("Not yet written in full to this panel"));
    EXPECT_TRUE(rig.Find<QPushButton>("btStartChanged")->isEnabled());

    rig.Click("btStartChanged");
    EXPECT_EQ(
        rig.Log().first(),
        QStringLiteral("No record of an earlier download of this folder to this panel: writing every file"));
    EXPECT_TRUE(last->text().startsWith(QStringLiteral("Last written in full to this panel: ")))
        << last->text().toStdString();

    rig.WriteOut(QStringLiteral("00/01.elm"), Pattern(52, 1));
    rig.Click("btClear");
    rig.panel->ClearReports();
    rig.Click("btStartChanged");
    EXPECT_EQ(rig.Log(), (QStringList{"Create dir: 00", "Save file: \\00\\01.elm", "Done",
                                      "1 file(s) unchanged and skipped"}));
    EXPECT_EQ(devtest::Exchanges(rig.panel->Reports()),
              QStringLiteral("80 81:00 82:\\00\\01.elm 84:52 83 85 31"));

    rig.layer.Unplug(rig.panel);
    Settle();
    EXPECT_FALSE(rig.Find<QPushButton>("btStartChanged")->isEnabled());
    EXPECT_TRUE(last->text().isEmpty());
}
