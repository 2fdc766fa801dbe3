// Each sentence the engine fills in has a translation, and a filled one is shown in it with its
// parts where the translation puts them.
#include "base/EngineTexts.h"
#include "base/ShownText.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(EngineTextsTest, EverySentenceIsShownTranslatedWithItsParts) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/translations/kestrel_de.qm")));
    QCoreApplication::installTranslator(&german);
    const std::initializer_list<std::string_view> parts = {"/media/x1", "/media/x2", "/media/x3"};
    for (const char* sentence : texts::kSentences) {
        SCOPED_TRACE(sentence);
        const std::string translation = german.translate("Engine", sentence).toStdString();
        EXPECT_FALSE(translation.empty());
        const std::string shown = shownText(texts::fillParts(sentence, parts)).toStdString();
        EXPECT_EQ(shown, texts::fillParts(translation, parts));
        for (int part = 0; part < texts::partCount(sentence); ++part)
            EXPECT_NE(shown.find(parts.begin()[part]), std::string::npos) << part + 1;
    }
    QCoreApplication::removeTranslator(&german);
    // In one pass: a part's own %2 is left as it is.
    EXPECT_EQ(texts::filled<texts::kAtCharacter>("{%2}", "3"), "{%2} at character 3");
}

} // namespace
} // namespace kestrel
