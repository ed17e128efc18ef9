// The SD-card set of the example project, compared file by file with the set committed under
// tests/fixtures/golden/demo: any changed byte fails the case that names its file.
//
// When the output changes on purpose, write the new set over the committed one and review the diff:
//     TARVOLT_UPDATE_GOLDEN=1 build/release/bin/test_golden

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

#include "base/terror.h"
#include "base/urgb.h"
#include "document/tproject.h"
#include "output/generate.h"
#include "testutil.h"

namespace {

const QString GoldenFolder = testutil::FixturePath(QStringLiteral("golden/demo"));
const QString ExamplesFolder = testutil::FixturePath(QStringLiteral("../../examples"));

// Every file under `folder`, as paths relative to it, sorted.
QStringList FilesUnder(const QString& folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

// The set as Generate writes it now, made once for the whole program.
struct TMadeSet
{
    QTemporaryDir work;
    QString output;
    QStringList problems;

    TMadeSet()
    {
        // A copy of the examples, so the by-products Generate leaves in the working folder land there.
        const QDir examples(ExamplesFolder);
        QDir(work.path()).mkpath(QStringLiteral("examples"));
        for (const QString& name : examples.entryList(QDir::Files))
            QFile::copy(examples.filePath(name), work.filePath(QStringLiteral("examples/") + name));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.path());
        try {
            TProject project;
            project.Splash().SetPicture(LoadPictureFile(QStringLiteral("examples/splash.jpg")),
                                        QStringLiteral("examples/splash.jpg"));
            const TProject::TOpenResult opened = project.Open(work.filePath(QStringLiteral("examples/demo.lcd")));
            problems = opened.Warnings;
            if (!opened.AnimationError.isEmpty())
                problems << opened.AnimationError;
            output = Generate(
                project.GenerateJob(QStringLiteral(TARVOLT_BIN_DIR "/res"), work.filePath(QStringLiteral("out"))));
        } catch (const TError& e) {
            problems << e.Message();
        }
        QDir::setCurrent(previous);
        if (qEnvironmentVariableIsSet("TARVOLT_UPDATE_GOLDEN") && problems.isEmpty()) {
            QDir(GoldenFolder).removeRecursively();
            for (const QString& name : FilesUnder(output)) {
                QDir().mkpath(QFileInfo(QDir(GoldenFolder).filePath(name)).path());
                QFile::copy(QDir(output).filePath(name), QDir(GoldenFolder).filePath(name));
            }
        }
    }
};

const TMadeSet& Made()
{
    static const TMadeSet made;
    return made;
}

TEST(Golden, TheExampleGeneratesWithoutAWordAndTheSameFileNames)
{
    EXPECT_TRUE(Made().problems.isEmpty()) << Made().problems.join('\n').toStdString();
    ASSERT_FALSE(Made().output.isEmpty());
    EXPECT_EQ(FilesUnder(Made().output), FilesUnder(GoldenFolder));
    EXPECT_GE(FilesUnder(GoldenFolder).size(), 30);
}

class GoldenFile : public ::testing::TestWithParam<QString>
{
};

TEST_P(GoldenFile, HasTheCommittedBytes)
{
    ASSERT_FALSE(Made().output.isEmpty());
    const QString name = GetParam();
    const QString path = QDir(Made().output).filePath(name);
    ASSERT_TRUE(QFileInfo::exists(path)) << name.toStdString() << " was not written";
    const QByteArray want = testutil::ReadAll(QDir(GoldenFolder).filePath(name));
    const QByteArray got = testutil::ReadAll(path);
    ASSERT_EQ(got.size(), want.size()) << name.toStdString();
    qsizetype first = 0;
    while (first < got.size() && got[first] == want[first])
        ++first;
    EXPECT_EQ(first, got.size()) << name.toStdString() << ": first difference at byte " << first;
}

INSTANTIATE_TEST_SUITE_P(Demo, GoldenFile, ::testing::ValuesIn(FilesUnder(GoldenFolder)),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             QString id = info.param;
                             for (QChar& c : id)
                                 if (!c.isLetterOrNumber())
                                     c = QLatin1Char('_');
                             return id.toStdString();
                         });

} // namespace
