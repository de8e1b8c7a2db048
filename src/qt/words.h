#pragma once
// The words the program speaks: one of three sets, chosen in the ことば menu and kept in
// the user's settings. The かんじ set is the program's own texts; the ひらがな and English
// sets are Qt translation files built into the program, looked up by the かんじ text. Qt's
// own dialogs follow: Japanese for the first two, English for the third.

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QTranslator;

namespace murva::qt {

enum class TWordSet { Kanji, Hiragana, English };

// "ja", "hira" or "en", as the command line names a set.
std::optional<TWordSet> WordSetNamed(std::string_view name);

// A text of the program in the chosen set; any other text (a file name, a number) as it is.
QString Tr(const std::string& text);
QString Tr(const char* text);

class Words {
public:
    Words();
    ~Words();
    Words(const Words&) = delete;
    Words& operator=(const Words&) = delete;

    // Speaks the set from now on: every widget gets a LanguageChange event.
    void Use(TWordSet set);
    TWordSet Current() const { return current; }
    // The set the program speaks now, as the last Use chose it: for words that are data
    // (the names of ready materials).
    static TWordSet Spoken();

    // The set kept in the settings ($XDG_CONFIG_HOME/murva/), かんじ when none is.
    static TWordSet Kept();
    static void Keep(TWordSet set);

private:
    TWordSet current = TWordSet::Kanji;
    std::unique_ptr<QTranslator> own, qtTexts;
};

} // namespace murva::qt
