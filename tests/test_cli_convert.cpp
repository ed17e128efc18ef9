#include "base/urgb.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using testutil::ReadAll;
using testutil::WriteAll;

namespace {

struct TRun
{
    int Status = -1;
    QByteArray Out, Err;
};

class CliConvert : public testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir("runtime"));
        QFile::setPermissions(dir.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    TRun Run(const QStringList& args) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", Path("runtime")); // keeps Qt's start-up notes off stderr
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TARVOLT_BIN_DIR "/tarvolt-cli"), QStringList{"convert"} + args);
        TRun run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished(5000);
            ADD_FAILURE() << "tarvolt-cli did not finish";
            return run;
        }
        run.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.Out = process.readAllStandardOutput();
        run.Err = process.readAllStandardError();
        return run;
    }

    // A picture whose pixels nearly all differ.
    static QImage Pattern(int w, int h)
    {
        QImage img(w, h, QImage::Format_RGB888);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y, qRgb((x * 13) & 0xFF, (y * 3) & 0xFF, (x + y) & 0xFF));
        return img;
    }

    // Checks that the 16-bit file holds `picture`, top row first, little-endian.
    static void ExpectFileHolds(const QByteArray& bytes, const QImage& picture)
    {
        ASSERT_EQ(bytes.size(), qsizetype(picture.width()) * picture.height() * 2);
        const uchar* p = reinterpret_cast<const uchar*>(bytes.constData());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x, p += 2) {
                const QRgb rgb = picture.pixel(x, y);
                const TColor color =
                    TColor(qRed(rgb)) | (TColor(qGreen(rgb)) << 8) | (TColor(qBlue(rgb)) << 16);
                ASSERT_EQ(qFromLittleEndian<quint16>(p), ColorTo16bit(color)) << x << "," << y;
            }
    }

    QTemporaryDir dir;
};

TEST_F(CliConvert, WritesEveryPixelTopRowFirst)
{
    const QImage picture = Pattern(240, 320);
    ASSERT_TRUE(picture.save(Path("screen.bmp"), "BMP"));
    const TRun run = Run({Path("screen.bmp"), "-o", Path("screen.bin")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Err, "");
    const QByteArray bytes = ReadAll(Path("screen.bin"));
    EXPECT_EQ(bytes.size(), 153600);
    ExpectFileHolds(bytes, picture);
}

TEST_F(CliConvert, StretchesToTheGivenSize)
{
    const QImage picture = Pattern(120, 160);
    ASSERT_TRUE(picture.save(Path("small.bmp"), "BMP"));
    const TRun run = Run({"--size", "240x320", Path("small.bmp"), "-o", Path("big.bin")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    ExpectFileHolds(ReadAll(Path("big.bin")), ScaledCopy(picture, 240, 320));
}

TEST_F(CliConvert, FailuresGiveOneLineAndWriteNothing)
{
    ASSERT_TRUE(Pattern(8, 8).save(Path("ok.bmp"), "BMP"));
    ASSERT_TRUE(Pattern(8, 8).save(Path("other.png"), "PNG"));
    WriteAll(Path("bad.jpg"), "this is not a JPEG");
    const QString out = Path("out.bin");
    const QString missingFolder = Path("nowhere/out.bin");

    struct Case
    {
        QStringList args;
        QString named;
        const char* reason;
    };
    const Case cases[] = {
        {{Path("missing.bmp"), "-o", out}, "missing.bmp", "no such file"},
        {{Path("other.png"), "-o", out}, "other.png", "not a BMP or JPEG"},
        {{Path("bad.jpg"), "-o", out}, "bad.jpg", "JPEG error #"},
        {{Path("ok.bmp"), "-o", missingFolder}, "nowhere", "Cannot create file"},
        {{Path("ok.bmp")}, "ok.bmp", "-o"},
        {{Path("ok.bmp"), "-o"}, "-o", "needs a value"},
        {{Path("ok.bmp"), "-o", out, "--size", "0x320"}, "0x320", "--size"},
        {{Path("ok.bmp"), "-o", out, "--size", "240*320"}, "240*320", "--size"},
        {{Path("ok.bmp"), "-o", out, "--size", "99999x99999"}, "99999x99999", "--size"},
        {{Path("ok.bmp"), "-o", out, "--colour"}, "--colour", "unknown option"},
        {{Path("ok.bmp"), Path("other.png"), "-o", out}, "other.png", "unexpected argument"},
        {{}, "IMAGE", "no IMAGE"},
    };
    for (const Case& c : cases) {
        const TRun run = Run(c.args);
        const QString err = QString::fromUtf8(run.Err);
        const QString what = c.args.join(' ');
        EXPECT_EQ(run.Status, 1) << what.toStdString();
        EXPECT_EQ(err.count('\n'), 1) << what.toStdString() << ": " << err.toStdString();
        EXPECT_TRUE(err.endsWith('\n')) << what.toStdString();
        EXPECT_TRUE(err.contains(c.named) && err.contains(c.reason))
            << what.toStdString() << ": " << err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << what.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"bad.jpg", "ok.bmp", "other.png", "runtime"}));
}

TEST_F(CliConvert, FailureKeepsTheOldOutputFile)
{
    WriteAll(Path("bad.bmp"), "BM but nothing after it");
    WriteAll(Path("old.bin"), "previous contents");
    const TRun run = Run({Path("bad.bmp"), "-o", Path("old.bin")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains("Bitmap image is not valid")) << run.Err.toStdString();
    EXPECT_EQ(ReadAll(Path("old.bin")), "previous contents");
}

} // namespace
