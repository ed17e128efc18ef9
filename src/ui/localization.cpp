#include "ui/localization.h"

#include "widgets/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

struct IdEntry
{
    quint32 id;
    const char* locale;
};

// The desktop's numeric language ids of the languages a translation is likely to be made for.
constexpr IdEntry IdTable[] = {
    {1026, "bg_BG"}, {1029, "cs_CZ"}, {1030, "da_DK"}, {1031, "de_DE"}, {1032, "el_GR"}, {1033, "en_US"},
    {1034, "es_ES"}, {1035, "fi_FI"}, {1036, "fr_FR"}, {1038, "hu_HU"}, {1040, "it_IT"}, {1041, "ja_JP"},
    {1042, "ko_KR"}, {1043, "nl_NL"}, {1044, "nb_NO"}, {1045, "pl_PL"}, {1046, "pt_BR"}, {1048, "ro_RO"},
    {1049, "ru_RU"}, {1050, "hr_HR"}, {1051, "sk_SK"}, {1053, "sv_SE"}, {1055, "tr_TR"}, {1058, "uk_UA"},
    {1059, "be_BY"}, {1060, "sl_SI"}, {1061, "et_EE"}, {1062, "lv_LV"}, {1063, "lt_LT"}, {1087, "kk_KZ"},
    {2052, "zh_CN"}, {2057, "en_GB"}, {2070, "pt_PT"},
};

} // namespace

quint32 LanguageIdFor(const QString& localeName)
{
    if (localeName.isEmpty())
        return 0;
    const QString name = QLocale(localeName).name(); // "ru", "ru-RU" and "ru_RU" alike
    for (const IdEntry& e : IdTable)
        if (name == QLatin1String(e.locale))
            return e.id;
    // Another country of a known language takes that language's first entry.
    const QString language = name.section('_', 0, 0);
    for (const IdEntry& e : IdTable)
        if (QLatin1String(e.locale).startsWith(language + '_'))
            return e.id;
    return 0;
}

QString LocaleNameForId(quint32 id)
{
    for (const IdEntry& e : IdTable)
        if (e.id == id)
            return QString::fromLatin1(e.locale);
    return {};
}

QString LanguageDisplayName(quint32 id)
{
    const QString locale = LocaleNameForId(id);
    if (locale.isEmpty())
        return QString::number(id);
    return QLocale::languageToString(QLocale(locale).language());
}

TLocalization::TLocalization(QObject* parent) : QObject(parent)
{
    languages_.append({BuiltInLanguageId, LanguageDisplayName(BuiltInLanguageId), QString()});
}

TLocalization::~TLocalization()
{
    if (QCoreApplication::instance())
        RemoveTranslators();
}

void TLocalization::RemoveTranslators()
{
    for (auto* t : {&translator_, &qtTranslator_}) {
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    }
}

void TLocalization::Scan(const QStringList& folders)
{
    languages_.erase(languages_.begin() + 1, languages_.end());
    QStringList seen;
    for (const QString& folder : folders) {
        QList<quint32> earlier;
        for (qsizetype i = 1; i < languages_.size(); ++i)
            earlier << languages_[i].Id;
        const QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name)) {
            const QString path = QDir::cleanPath(dir.absoluteFilePath(name));
            if (seen.contains(path))
                continue;
            seen << path;
            QTranslator probe;
            if (!probe.load(path))
                continue;
            const quint32 id = LanguageIdFor(probe.language());
            if (id == 0 || earlier.contains(id))
                continue;
            languages_.append({id, LanguageDisplayName(id), path});
        }
    }
}

void TLocalization::SetActive(quint32 id)
{
    RemoveTranslators();
    active_ = BuiltInLanguageId;
    for (const TLanguage& l : languages_) {
        if (l.Id != id || l.File.isEmpty())
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(l.File)) {
            QCoreApplication::installTranslator(translator.get());
            translator_ = std::move(translator);
            active_ = id;
            // Qt's own texts (message box buttons, file and colour dialogs) in the same language,
            // when the system has them.
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QLocale(LocaleNameForId(id)), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qt.get());
                qtTranslator_ = std::move(qt);
            }
            break;
        }
    }
    // The program's own messages choose their wording by the same id.
    SetActiveLanguage(int(active_));
    emit LanguageChanged(active_);
}

TLocalization& TLocalization::Instance()
{
    static TLocalization instance;
    return instance;
}
