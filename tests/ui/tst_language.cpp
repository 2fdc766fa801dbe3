// The window in the language the user reads, chosen from the environment as kestrel starts.
#include "UiTestSupport.h"
#include "base/Translations.h"

#include <QPushButton>

#include <array>
#include <sstream>

using kestrel::test::child;

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG; the folder button, Cancel, and Qt's own Cancel.
    void windowSpeaksTheUsersLanguage() {
        const std::array<const char*, 7> rows[] = {
            {"", "", "", "de_DE.UTF-8", "&Ordner importieren…", "Abbre&chen", "Abbrechen"},
            {"", "", "", "fr_FR.UTF-8", "Importer un d&ossier…", "A&nnuler", "Annuler"},
            {"fr_CA:de", "", "", "de_DE.UTF-8", "Importer un d&ossier…", "A&nnuler", "Annuler"},
            {"xx:pt", "", "de_AT.UTF-8@euro", "fr_FR", "&Ordner importieren…", "Abbre&chen",
             "Abbrechen"},
            {"en_GB:de", "fr_BE", "", "", "Import F&older…", "&Cancel", "Cancel"},
            {"de", "", "", "C.UTF-8", "Import F&older…", "&Cancel", "Cancel"}};
        for (const auto& row : rows) {
            for (int i = 0; const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
                qputenv(name, row[i++]);
            kestrel::installTranslations();
            std::ostringstream out;
            const kestrel::ViewController vc(out);
            QCOMPARE((QStringList{child<QPushButton>(vc, "btnChooseFolder")->text(),
                                  child<QPushButton>(vc, "btnCancel")->text(),
                                  QCoreApplication::translate("QPlatformTheme", "Cancel")}),
                     (QStringList{QString::fromUtf8(row[4]), QString::fromUtf8(row[5]),
                                  QString::fromUtf8(row[6])}));
        }
    }
};

KESTREL_UI_TEST_MAIN(LanguageTest)
#include "tst_language.moc"
