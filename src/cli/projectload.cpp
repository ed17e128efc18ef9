#include "projectload.h"

#include "commands.h"

std::unique_ptr<TCliProject> LoadCliProject(const QString& fileName,
                                            const std::function<void(TProject&)>& prepare)
{
    auto p = std::make_unique<TCliProject>();
    if (prepare)
        prepare(p->Project);
    p->Result = p->Project.Open(fileName);
    return p;
}

QStringList ProjectWarnings(const TCliProject& project)
{
    QStringList warnings = project.Result.Missing + project.Result.Warnings;
    if (!project.Result.AnimationError.isEmpty())
        warnings << QStringLiteral("%1 (used by the splash animation)").arg(project.Result.AnimationError);
    return warnings;
}

void PrintWarnings(const char* command, const QStringList& warnings)
{
    for (const QString& w : warnings)
        Err() << "tarvolt-cli " << command << ": warning: " << w << '\n';
    Err().flush();
}

TConvertedProject LoadProjectForConversion(const QString& fileName)
{
    TLCDList list;
    TLCD powerFail;
    // The splash settings as the file holds them: a GIF that is not at hand is kept all the same.
    const TLoadResult result = LoadProject(fileName, list, powerFail);
    return {ProjectBytes(list, powerFail, result.Splash), result.Form};
}
