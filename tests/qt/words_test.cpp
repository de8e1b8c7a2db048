// The words: every text of the program has its ひらがな and English forms, each written in
// its own script, and the window speaks the set chosen in the ことば menu at once.

#include "qt/words.h"
#include "ui/texts.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

namespace murva {
namespace {

using test::WindowTest;

// Every text the program shows, as the かんじ set writes it.
QStringList ProgramTexts() {
    QFile file(QStringLiteral(MURVA_SOURCE_DIR "/src/ui/texts.h"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString source = QString::fromUtf8(file.readAll());
    const QRegularExpression marked(R"re(QT_TRANSLATE_NOOP\("murva",\s*"((?:[^"\\]|\\.)*)"\))re");
    QStringList texts;
    for (const QRegularExpressionMatch& m : marked.globalMatch(source))
        texts << m.captured(1)
                     .replace(QStringLiteral("\\\""), QStringLiteral("\""))
                     .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    return texts;
}

bool IsIdeograph(char32_t c) {
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || c == 0x3005;
}
bool IsJapanese(char32_t c) {
    return IsIdeograph(c) || (c >= 0x3000 && c <= 0x30FF) || (c >= 0xFF00 && c <= 0xFFEF);
}
template <class Rule> QString Offending(const QString& text, Rule rule) {
    QString found;
    for (const char32_t c : text.toUcs4())
        if (rule(c)) found += QString::fromUcs4(&c, 1);
    return found;
}

TEST(WordsTest, EveryTextHasItsFormInEachSetWrittenInItsOwnScript) {
    const QStringList texts = ProgramTexts();
    ASSERT_GT(texts.size(), 100);
    const struct {
        const char* File;
        bool (*Foreign)(char32_t);
    } sets[] = {{":/translations/murva_hira.qm", IsIdeograph},
                {":/translations/murva_en.qm", IsJapanese}};
    for (const auto& set : sets) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QString::fromUtf8(set.File))) << set.File;
        for (const QString& text : texts) {
            // The ことば menu names each set in its own words, in every set.
            if (text == texts::LanguageMenu || text == texts::KanjiSet ||
                text == texts::HiraganaSet || text == texts::EnglishSet)
                continue;
            SCOPED_TRACE(std::string(set.File) + ": " + text.toStdString());
            const QString shown = translator.translate("murva", text.toUtf8().constData());
            EXPECT_FALSE(shown.trimmed().isEmpty());
            EXPECT_EQ(Offending(shown, set.Foreign), QString());
            EXPECT_EQ(shown.contains(QStringLiteral("%1")), text.contains(QStringLiteral("%1")));
            // A file filter keeps its patterns: every other part after a '|'.
            const QStringList parts = text.split('|'), shownParts = shown.split('|');
            ASSERT_EQ(shownParts.size(), parts.size());
            for (qsizetype i = 1; i < parts.size(); i += 2)
                EXPECT_EQ(shownParts[i], parts[i]);
        }
    }
}

// The ことば menu keeps its name and turns every text into the set chosen, at once; the
// choice is kept for the next start.
TEST_F(WindowTest, TheWordsMenuSpeaksTheChosenSetAtOnceAndKeepsIt) {
    QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    const auto shown = [this](const char* name) {
        return window->findChild<QAction*>(QString::fromUtf8(name))->text() +
               Find<QAbstractButton>("SameSpeedBtn")->text() + Find("DeleteBtn")->toolTip();
    };
    const struct {
        const char* Item;
        qt::TWordSet Set;
        bool (*Foreign)(char32_t);
    } sets[] = {{"Words2", qt::TWordSet::English, IsJapanese},
                {"Words1", qt::TWordSet::Hiragana, IsIdeograph},
                {"Words0", qt::TWordSet::Kanji, [](char32_t) { return false; }}};
    for (const auto& set : sets) {
        SCOPED_TRACE(set.Item);
        window->findChild<QAction*>(QString::fromUtf8(set.Item))->trigger();
        EXPECT_TRUE(window->findChild<QAction*>(QString::fromUtf8(set.Item))->isChecked());
        EXPECT_EQ(window->findChild<QAction*>("LanguageMenu")->text(), "ことば / Language");
        EXPECT_EQ(Offending(shown("FileMenu") + shown("JPG1"), set.Foreign), QString());
        EXPECT_EQ(qt::Words::Kept(), set.Set);
    }
    EXPECT_EQ(shown("JPG1"), "画像をJPGに変換ずっとおなじはやさけす");
}

} // namespace
} // namespace murva
