#include "base/terror.h"
#include "document/tproject.h"
#include "model/render.h"
#include "project/jsonproject.h"
#include "project/lcdfile.h"
#include "testutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <string_view>

namespace {

// The repository's own files: the example, the fixtures and the committed fuzz corpus.
QStringList RepositoryFiles()
{
    const QDir root(QStringLiteral(TARVOLT_FIXTURES "/../.."));
    QStringList files;
    for (const char* folder : {"examples", "tests/fixtures", "fuzz"}) {
        QDirIterator it(root.filePath(QLatin1String(folder)), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    files.sort();
    return files;
}

// What loading a project file and saving it gives, or nothing when the reader refuses the file.
std::optional<QByteArray> LoadAndSave(const QString& file)
{
    TLCDList list;
    TLCD powerFail;
    try {
        const TLoadResult r = LoadProject(file, list, powerFail);
        return ProjectBytes(list, powerFail, r.Splash);
    } catch (const TError&) {
        return std::nullopt;
    }
}

QByteArray ImportBytes(const QByteArray& json)
{
    TLCDList list;
    TLCD powerFail;
    const TLoadResult r = LoadProjectBytes(ProjectBytesFromJson(json, QStringLiteral("t.json")),
                                           QStringLiteral("t.json"), list, powerFail);
    return ProjectBytes(list, powerFail, r.Splash);
}

TEST(JsonProject, EveryProjectTheReaderAcceptsSurvivesExportAndImport)
{
    QStringList accepted;
    for (const QString& file : RepositoryFiles()) {
        const std::optional<QByteArray> saved = LoadAndSave(file);
        if (!saved)
            continue;
        SCOPED_TRACE(file.toStdString());
        accepted << QFileInfo(file).fileName();
        const QByteArray json = ProjectJson(*saved);
        // The text holds every byte the writer makes, and reading it back gives them all.
        EXPECT_EQ(ProjectBytesFromJson(json, QStringLiteral("t.json")), *saved);
        EXPECT_EQ(ImportBytes(json), *saved);
        EXPECT_EQ(ProjectJson(ImportBytes(json)), json);
        EXPECT_TRUE(LooksLikeProjectJson(json));
        EXPECT_FALSE(LooksLikeProjectJson(*saved));
    }
    // The example and the odd values of the committed corpus are among them.
    EXPECT_TRUE(accepted.contains(QStringLiteral("demo.lcd"))) << accepted.join(' ').toStdString();
    EXPECT_TRUE(accepted.contains(QStringLiteral("odd_values.lcd"))) << accepted.join(' ').toStdString();
    EXPECT_TRUE(accepted.contains(QStringLiteral("moved_elements.lcd"))) << accepted.join(' ').toStdString();
}

class JsonProjectFile : public testing::Test
{
  protected:
    void SetUp() override
    {
        TLCD* s = list.AddScreen(240, 320);
        TElement* dro = s->AddElement(ekDRO, 12, 34);
        dro->Format = "%5.1f";
        dro->Value = 12.25f;
        TElement* text = s->AddElement(ekText, 10, 200);
        text->SetText("\xDD\xEA\xF0\xE0\xED"); // "Экран"
        powerFail.AddElement(ekDRO, 10, 20);
        RenderScreen(*s);
        lcd = ProjectBytes(list, powerFail, splash);
        json = ProjectJson(lcd);
    }

    // `json` with the first `from` replaced by `to`; `@` in `to` marks where the error is reported,
    // and `where` is set to "line L, column C" of it.
    QByteArray Edit(const char* from, QByteArray to, QString& where) const
    {
        const qsizetype at = json.indexOf(from);
        EXPECT_GE(at, 0) << from;
        const qsizetype mark = to.indexOf('@');
        to.remove(mark, 1);
        QByteArray edited = json;
        edited.replace(at, qsizetype(strlen(from)), to);
        const QByteArray before = edited.left(at + mark);
        const qsizetype lineStart = before.lastIndexOf('\n') + 1;
        where = QStringLiteral("line %1, column %2")
                    .arg(before.count('\n') + 1)
                    .arg(QString::fromUtf8(before.mid(lineStart)).size() + 1);
        return edited;
    }

    TLCDList list;
    TLCD powerFail;
    SplashSettings splash;
    QByteArray lcd, json;
};

TEST_F(JsonProjectFile, IsReadableWithOneKeyALineAndTextsAsCharacters)
{
    EXPECT_TRUE(json.startsWith("{\n  \"version\": 1,\n  \"splash\": {\n    \"GifLoaded\": false,\n"));
    EXPECT_TRUE(json.contains("\n          \"PanelX\": 12,\n          \"PanelY\": 34,\n"));
    EXPECT_TRUE(json.contains("\"Text\": \"Экран\""));
    EXPECT_TRUE(json.contains("\"Kind\": \"DRO\""));
    EXPECT_TRUE(json.contains("\"Value\": 12.25,"));
    EXPECT_TRUE(json.contains("\"ClockBackColor\": \"0x8000000F\""));
    EXPECT_TRUE(json.endsWith("}\n"));

    // Moving an element along one axis changes one line.
    list.Items(0)->Item(0)->Left = list.Items(0)->Item(0)->PanelX = 13;
    const QList<QByteArray> a = json.split('\n'), b = ProjectJson(list, powerFail, splash).split('\n');
    ASSERT_EQ(a.size(), b.size());
    int changed = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        changed += a[i] != b[i];
    EXPECT_EQ(changed, 1);
}

TEST_F(JsonProjectFile, BadInputIsRefusedWithLineColumnAndField)
{
    struct Case
    {
        const char* name;
        const char* from;
        const char* to;
        const char* what; // after "line L, column C"
    };
    const Case cases[] = {
        {"syntax", "\"PanelX\": 12,", "\"PanelX\": 12 @\"x\"", ": expected ',' or '}'"},
        {"no value", "\"PanelX\": 12,", "\"PanelX\": @,", ": expected a value"},
        {"wrong type", "\"PanelX\": 12,", "\"PanelX\": @\"12\",",
         ": screens[0].elements[0].PanelX: expected an integer 0..65535"},
        {"fraction", "\"PanelX\": 12,", "\"PanelX\": @12.5,",
         ": screens[0].elements[0].PanelX: expected an integer 0..65535"},
        {"over the range", "\"PanelX\": 12,", "\"PanelX\": @65536,",
         ": screens[0].elements[0].PanelX: expected an integer 0..65535"},
        {"under the range", "\"PanelX\": 12,", "\"PanelX\": @-1,",
         ": screens[0].elements[0].PanelX: expected an integer 0..65535"},
        {"byte", "\"OrderNo\": 0,", "\"OrderNo\": @256,",
         ": screens[0].elements[0].OrderNo: expected an integer 0..255"},
        {"float", "\"Value\": 12.25,", "\"Value\": @1e39,",
         ": screens[0].elements[0].Value: expected a number within the range of a 32-bit float, or the bits "
         "of "
         "one as \"0xXXXXXXXX\""},
        {"flag", "\"Landscape\": false,", "\"Landscape\": @0,",
         ": screens[0].Landscape: expected true or false"},
        {"colour", "\"BackgroundColor\": \"#FFFFFF\"", "\"BackgroundColor\": @\"#FFFFF\"",
         ": screens[0].BackgroundColor: expected a colour \"#RRGGBB\" or a colour value \"0xXXXXXXXX\""},
        {"kind", "\"Kind\": \"DRO\"", "\"Kind\": @\"Dial\"",
         ": screens[0].elements[0].Kind: expected one of DRO, LED, Bar, Shift, Status, Text, Image, Shape, "
         "Clock, "
         "or an integer 0..255"},
        {"code page", "\"Экран\"", "@\"Экран 日本\"",
         ": screens[0].elements[1].Text: the project file's code page cannot hold \"日本\""},
        {"too long", "\"Format\": \"%5.1f\"", "\"Format\": @\"%5.1f%5.1f%\"",
         ": screens[0].elements[0].Format: expected a text of at most 10 characters, not 11"},
        {"unknown key", "\"PanelX\": 12,", "@\"PanelZ\": 1, \"PanelX\": 12,",
         ": screens[0].elements[0]: unknown key \"PanelZ\""},
        {"twice", "\"PanelX\": 12,", "\"PanelX\": 12, @\"PanelX\": 12,",
         ": screens[0].elements[0]: the key \"PanelX\" appears twice"},
        {"missing", "\"GifLoaded\": false,", "", ": splash: the key \"GifLoaded\" is missing"},
        {"version", "\"version\": 1", "\"version\": @2",
         ": version: this designer reads version 1 of the project's text form"},
        {"bad escape", "\"Format\": \"%5.1f\"", "\"Format\": \"%5\\@q\"", ": unknown escape in a text"},
        {"not UTF-8", "\"Format\": \"%5.1f\"", "\"Format\": \"%5@\xC3(\"", ": not UTF-8"},
        {"after", "\"version\": 1", "\"version\": 1 } @x {", ": unexpected text after the project"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString where;
        QByteArray text = Edit(c.from, c.to, where);
        if (std::string_view(c.name) == "missing") {
            // A missing key is reported where its object begins.
            where = QStringLiteral("line 3, column 13");
        }
        try {
            ProjectBytesFromJson(text, QStringLiteral("t.json"));
            ADD_FAILURE() << "accepted";
        } catch (const TError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("The project file \"t.json\" cannot be read: %1%2.")
                                       .arg(where, QString::fromUtf8(c.what)));
        }
    }

    // A file cut short ends inside something, and says so where it ends.
    for (const qsizetype keep : {qsizetype(0), qsizetype(1), json.indexOf("\"Экран") + 3, json.size() - 2}) {
        SCOPED_TRACE(keep);
        try {
            ProjectBytesFromJson(json.left(keep), QStringLiteral("t.json"));
            ADD_FAILURE() << "accepted";
        } catch (const TError& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral(": the file ends "))) << e.what();
        }
    }
}

TEST_F(JsonProjectFile, NoWorkScreenAndTooManyElementsAreRefused)
{
    QString where;
    const QByteArray none =
        json.left(json.indexOf("\"screens\": [") + 12) + "]," + json.mid(json.indexOf("\n  \"powerFail\""));
    EXPECT_THROW(ProjectBytesFromJson(none, QStringLiteral("t.json")), TError);
    try {
        ProjectBytesFromJson(none, QStringLiteral("t.json"));
    } catch (const TError& e) {
        EXPECT_TRUE(
            e.Message().endsWith(QStringLiteral("screens: a project holds 1..255 work screens, not 0.")))
            << e.what();
    }

    TLCD* s = list.Items(0);
    while (s->Count() < MaxElementsPerScreen)
        s->AddElement(ekShape, 1, 1);
    QByteArray many = ProjectJson(list, powerFail, splash);
    const qsizetype start = many.indexOf("        {\n          \"Kind\": \"Shape\"");
    const qsizetype end = many.indexOf("        }", start) + 9;
    many.insert(end, QByteArray(",\n") + many.mid(start, end - start));
    try {
        ProjectBytesFromJson(many, QStringLiteral("t.json"));
        ADD_FAILURE() << "accepted";
    } catch (const TError& e) {
        EXPECT_TRUE(e.Message().endsWith(
            QStringLiteral("screens[0].elements: a screen can hold at most 255 elements, not 256.")))
            << e.what();
    }
}

TEST_F(JsonProjectFile, TheProjectOpensEitherFormAndSavesInTheFormItCameIn)
{
    QTemporaryDir dir;
    const QString textFile = dir.filePath("p.json"), binaryFile = dir.filePath("p.lcd");
    testutil::WriteAll(textFile, "\xEF\xBB\xBF" + json);
    testutil::WriteAll(binaryFile, lcd);

    TProject text, binary;
    text.Open(textFile);
    binary.Open(binaryFile);
    EXPECT_EQ(text.Form(), TProjectForm::Json);
    EXPECT_EQ(binary.Form(), TProjectForm::Binary);
    text.Screens().Items(0)->Item(0)->Left = text.Screens().Items(0)->Item(0)->PanelX = 20;
    binary.Screens().Items(0)->Item(0)->Left = binary.Screens().Items(0)->Item(0)->PanelX = 20;
    text.Save(textFile);
    binary.Save(binaryFile);
    const QByteArray savedText = testutil::ReadAll(textFile), savedBinary = testutil::ReadAll(binaryFile);
    EXPECT_TRUE(LooksLikeProjectJson(savedText));
    EXPECT_TRUE(savedText.contains("\"PanelX\": 20,"));
    EXPECT_EQ(ProjectBytesFromJson(savedText, textFile), savedBinary);

    // A new project saves as the binary file until told otherwise.
    text.New();
    EXPECT_EQ(text.Form(), TProjectForm::Binary);
}

TEST_F(JsonProjectFile, ARefusedTextLeavesTheOpenProjectAsItWas)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.json");
    QByteArray text = json;
    text.replace("\"PanelX\": 12,", "\"PanelX\": 70000,");
    testutil::WriteAll(bad, text);
    TElement* before = list.Items(0)->Item(0);
    list.SetModified(false);
    EXPECT_THROW(LoadProject(bad, list, powerFail), TError);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0)->Item(0), before);
    EXPECT_EQ(before->PanelX, 12);
    EXPECT_FALSE(list.Modified);
}

} // namespace
