#include "qt/words.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace murva::qt {

namespace {

constexpr const char* Context = "murva";
constexpr const char* SettingsKey = "words";

struct TSetNames {
    TWordSet Set;
    const char* Name;
    // The translation file built into the program; none for the program's own texts.
    const char* File;
};
constexpr TSetNames Sets[] = {
    {TWordSet::Kanji, "ja", nullptr},
    {TWordSet::Hiragana, "hira", ":/translations/murva_hira.qm"},
    {TWordSet::English, "en", ":/translations/murva_en.qm"},
};

const TSetNames& NamesOf(TWordSet set) {
    for (const TSetNames& names : Sets)
        if (names.Set == set) return names;
    return Sets[0];
}

// Translators are installed into the one application; so is the set they speak.
TWordSet spoken = TWordSet::Kanji;

QSettings Settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("murva"),
                     QStringLiteral("murva"));
}

} // namespace

std::optional<TWordSet> WordSetNamed(std::string_view name) {
    for (const TSetNames& names : Sets)
        if (name == names.Name) return names.Set;
    return std::nullopt;
}

QString Tr(const char* text) {
    return QCoreApplication::translate(Context, text);
}

QString Tr(const std::string& text) {
    return Tr(text.c_str());
}

Words::Words() = default;

Words::~Words() {
    for (const auto& translator : {own.get(), qtTexts.get()})
        if (translator) QCoreApplication::removeTranslator(translator);
    // Without its translators the program speaks its own texts again.
    spoken = TWordSet::Kanji;
}

TWordSet Words::Spoken() {
    return spoken;
}

void Words::Use(TWordSet set) {
    // The window shows the new words itself (MainWindow::UseWords).
    for (auto* translator : {&own, &qtTexts})
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    current = spoken = set;
    if (const char* file = NamesOf(set).File) {
        own = std::make_unique<QTranslator>();
        if (own->load(QString::fromUtf8(file)))
            QCoreApplication::installTranslator(own.get());
        else
            own.reset();
    }
    // Qt's own texts (the file dialogs' columns and messages) in Japanese for both
    // Japanese sets, from the translations installed with Qt.
    if (set != TWordSet::English) {
        qtTexts = std::make_unique<QTranslator>();
        if (qtTexts->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTexts.get());
        else
            qtTexts.reset();
    }
}

TWordSet Words::Kept() {
    const QString name = Settings().value(QString::fromUtf8(SettingsKey)).toString();
    return WordSetNamed(name.toStdString()).value_or(TWordSet::Kanji);
}

void Words::Keep(TWordSet set) {
    QSettings settings = Settings();
    settings.setValue(QString::fromUtf8(SettingsKey), QString::fromUtf8(NamesOf(set).Name));
}

} // namespace murva::qt
