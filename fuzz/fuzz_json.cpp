// The reader of the project's text form on arbitrary bytes. A TError is a correct refusal. Beyond
// not crashing, it keeps two promises checked here: what it accepts is a whole project file, and the
// text written for that file reads back to the same bytes, and so does the text of what a load and a
// save of it give.

#include "base/terror.h"
#include "fuzzcommon.h"
#include "model/tlcdlist.h"
#include "project/jsonproject.h"
#include "project/lcdfile.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace {

const QString Name = QStringLiteral("fuzz.json");

QByteArray ReadOrFinding(const QByteArray& json, const char* what)
{
    try {
        return ProjectBytesFromJson(json, Name);
    } catch (const TError&) {
        Finding(what);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray bytes;
    try {
        bytes = ProjectBytesFromJson(text, Name);
    } catch (const TError&) {
        return 0;
    }
    try {
        CheckProjectBytes(bytes, Name);
    } catch (const TError&) {
        Finding("the text form was read into a damaged project file");
    }
    if (ReadOrFinding(ProjectJson(bytes), "the text written for an accepted project is refused") != bytes)
        Finding("the text written for an accepted project reads back to other bytes");

    TLCDList list;
    TLCD powerFail;
    QByteArray saved;
    try {
        const TLoadResult loaded = LoadProjectBytes(bytes, Name, list, powerFail);
        saved = ProjectBytes(list, powerFail, loaded.Splash);
    } catch (const TError&) {
        Finding("an accepted text does not load and save");
    }
    if (ReadOrFinding(ProjectJson(saved), "the text of a saved project is refused") != saved)
        Finding("export and import of a saved project change its bytes");
    return 0;
}
