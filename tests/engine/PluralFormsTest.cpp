// Counted texts take the plural forms and the digit groups of the reader's language; the final
// message's English keeps its plain digits.
#include "TestSupport.h"
#include "base/Translations.h"
#include "record/RunSummary.h"
#include "record/Verdict.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(PluralFormsTest, VerdictsAndFinalMessagesCountInTheReadersLanguage) {
    struct Row {
        const char* locale;
        bool stopped;
        std::int32_t left; // files not copied
        const char* verdict;
        const char* finished;
    };
    const Row rows[] = {
        {"en_US.UTF-8", false, 1, "Do not format the card yet: 1 file is only on the card.",
         "copying of 3 files finished. 1 not copied. 1 copy read back differently and was "
         "copied again."},
        {"en_US.UTF-8", false, 1234,
         "Do not format the card yet: 1,234 files are only on the card.",
         "copying of 3 files finished. 1234 not copied. 1 copy read back differently and was "
         "copied again."},
        {"de_DE.UTF-8", false, 1,
         "Formatieren Sie die Speicherkarte noch nicht: 1 Datei ist nur auf der Karte.",
         "Kopieren von 3 Dateien beendet. 1 nicht kopiert. 1 Kopie las sich anders zurück und "
         "wurde erneut kopiert."},
        {"de_DE.UTF-8", false, 1234,
         "Formatieren Sie die Speicherkarte noch nicht: 1.234 Dateien sind nur auf der Karte.",
         "Kopieren von 3 Dateien beendet. 1.234 nicht kopiert. 1 Kopie las sich anders zurück "
         "und wurde erneut kopiert."},
        // French counts 0 in the singular.
        {"fr_FR.UTF-8", true, 0,
         "Ne formatez pas encore la carte\u00a0: l'importation a été interrompue et 0 fichier "
         "n'est que sur la carte.",
         nullptr},
        {"fr_FR.UTF-8", false, 1234,
         "Ne formatez pas encore la carte\u00a0: 1\u202f234 fichiers ne sont que sur la carte.",
         nullptr},
    };
    for (const Row& row : rows) {
        const test::EnvScope language("LC_ALL", row.locale);
        installTranslations();
        // As the programs read it from the environment when they start.
        QLocale::setDefault(QLocale(QString::fromLatin1(row.locale).section(u'.', 0, 0)));
        RunSummary summary;
        summary.matched = 3;
        summary.stopped = row.stopped;
        summary.notCopied = row.left;
        summary.copiedAgain = 1;
        EXPECT_EQ(verdictSentence(summary).toStdString(), row.verdict) << row.locale;
        if (row.finished != nullptr) {
            EXPECT_EQ(finishedMessage(summary), row.finished) << row.locale;
        }
    }
    QLocale::setDefault(QLocale::system());
    installTranslations();
}

} // namespace
} // namespace kestrel
