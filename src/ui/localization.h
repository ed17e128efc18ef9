#pragma once

// The interface language. Language files ("*.lng", compiled Qt translations) each supply the texts of
// every window for one language id; ids are the desktop's numeric language ids (English 1033,
// Russian 1049), kept so that settings and messages keep their meaning.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

inline constexpr quint32 BuiltInLanguageId = 1033; // English, the texts in the code
inline constexpr quint32 RussianLanguageId = 1049;

// The numeric id of a locale's language (0 when the table has none), and back.
quint32 LanguageIdFor(const QString& localeName);
QString LocaleNameForId(quint32 id); // e.g. "ru_RU"; empty when unknown

// The name of a language in the language list: the locale's language name, or the id in decimal
// when there is none.
QString LanguageDisplayName(quint32 id);

struct TLanguage
{
    quint32 Id = BuiltInLanguageId;
    QString Name;
    QString File; // empty for the built-in language
};

class TLocalization : public QObject
{
    Q_OBJECT

public:
    explicit TLocalization(QObject* parent = nullptr);
    ~TLocalization() override;

    // Finds the language files in the folders, in order; a file that is no translation, or whose
    // language has no id, is skipped, and so is a language that an earlier folder supplied (a build
    // or a copy of the program keeps its own files when the package is installed too). The list
    // starts with the built-in language.
    void Scan(const QStringList& folders);

    const QList<TLanguage>& Languages() const { return languages_; }
    int Count() const { return int(languages_.size()); }

    // Makes `id` the active language: the first file that supplies it is installed, or the built-in
    // language when none does. Every window re-translates on the LanguageChange event Qt sends.
    void SetActive(quint32 id);
    quint32 ActiveId() const { return active_; }

    // The one instance the application uses; the program's own messages ask it for the active id.
    static TLocalization& Instance();

signals:
    void LanguageChanged(quint32 id);

private:
    void RemoveTranslators();

    QList<TLanguage> languages_;
    quint32 active_ = BuiltInLanguageId;
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QTranslator> qtTranslator_;
};
