// The sheet of a job's names and folders: its live example, its refusal of a pattern it
// cannot use, and what OK and Cancel store.
#include "UiTestSupport.h"

#include "window/NamesSheet.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <sstream>

using kestrel::NamesSheet;
using kestrel::ViewController;
using namespace kestrel::test;
using namespace Qt::StringLiterals;

namespace {

const QString kNameSuggestion = u"{taken:%Y%m%d-%H%M%S}_{job}_{seq:4}{ext}"_s;

// The sheet the window's button opens.
NamesSheet* openSheet(ViewController& vc) {
    child<QPushButton>(vc, "btnNames")->click();
    for (NamesSheet* sheet : vc.findChildren<NamesSheet*>())
        if (sheet->isVisible())
            return sheet;
    return nullptr;
}

// Types text into the field called name, in place of what it held.
void retype(QWidget& sheet, const char* name, const QString& text) {
    auto* edit = child<QLineEdit>(sheet, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestNames : public QObject {
    Q_OBJECT
  private slots:
    // A pattern "-" is off, "=" is switched on and left as suggested.
    void example_data() {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("folders");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("usable");
        QTest::newRow("suggested") << u"="_s << u"="_s
                                   << u"DCIM/100CANON/IMG_0001.JPG → JPG/2026/2026-12-08 wedding/"
                                      "20261208-101500_wedding_0001.JPG\nDCIM/100CANON/IMG_0001.CR2"
                                      " → RAW/2026/2026-12-08 wedding/20261208-101500_wedding_0001"
                                      ".CR2"_s
                                   << true;
        QTest::newRow("names, date folders")
            << u"{name}_{camera}{ext:lower}"_s << u"-"_s
            << u"→ JPG/2026/12/08/IMG_0001_Canon EOS R5.jpg"_s << true;
        QTest::newRow("folders only")
            << u"-"_s << u"{card}/{job}"_s << u"CR2 → EOS_DIGITAL/wedding/IMG_0001.CR2"_s << true;
        QTest::newRow("unknown field")
            << u"IMG_{seq:4}{jbo}{ext}"_s << u"-"_s
            << u"File names: unknown field {jbo} at character 12"_s << false;
        QTest::newRow("bad folder") << u"="_s << u"{tag}//x"_s
                                    << u"Folders: an empty folder name at character 7"_s << false;
        QTest::newRow("emptied") << u""_s << u"-"_s
                                 << u"File names: type a pattern, or switch renaming off"_s
                                 << false;
    }
    void example() {
        QFETCH(QString, names);
        QFETCH(QString, folders);
        resetPreferences();
        std::ostringstream out;
        ViewController vc(out);
        NamesSheet* sheet = openSheet(vc);
        QVERIFY(sheet && sheet->windowModality() == Qt::WindowModal);
        for (const auto& [box, edit, text] : {std::tuple{"chkRename", "editNamePattern", names},
                                              {"chkFolders", "editFolderPattern", folders}}) {
            if (text != u"-"_s)
                child<QCheckBox>(*sheet, box)->click();
            if (text != u"-"_s && text != u"="_s)
                retype(*sheet, edit, text);
        }
        QTest::keyClicks(child<QLineEdit>(*sheet, "editJob"), u"wedding"_s);
        const QString shown = child<QLabel>(*sheet, "lblExample")->text();
        QFETCH(QString, expected);
        QVERIFY2(shown.contains(expected), qPrintable(shown));
        QFETCH(bool, usable);
        QCOMPARE(
            child<QDialogButtonBox>(*sheet, "buttons")->button(QDialogButtonBox::Ok)->isEnabled(),
            usable);
    }

    // The values shown come from the preferences; Cancel stores nothing, OK every value.
    void storing() {
        resetPreferences({{u"kestrelFolderPattern"_s, u"{tag}"_s}});
        std::ostringstream out;
        ViewController vc(out);
        auto* line = child<QLabel>(vc, "lblJob");
        QCOMPARE(line->text(), u"Filed in {tag}"_s);
        QMap<QString, QString> prefs = preferencesOnDisk();
        QVERIFY(!prefs.contains(u"kestrelNamePattern"_s));
        NamesSheet* sheet = openSheet(vc);
        QVERIFY(child<QCheckBox>(*sheet, "chkFolders")->isChecked());
        QCOMPARE(child<QLineEdit>(*sheet, "editFolderPattern")->text(), u"{tag}"_s);
        retype(*sheet, "editCreator", u"Ann Lee"_s);
        sheet->reject();
        QCOMPARE(preferencesOnDisk(), prefs);

        sheet = openSheet(vc);
        QCOMPARE(child<QLineEdit>(*sheet, "editCreator")->text(), QString());
        child<QCheckBox>(*sheet, "chkRename")->click();
        child<QCheckBox>(*sheet, "chkFolders")->click();
        const std::pair<const char*, QString> typed[] = {{"editJob", u"wedding"_s},
                                                         {"editCreator", u"Ann Lee"_s},
                                                         {"editCopyright", u"© 2026 Ann"_s},
                                                         {"editCredit", u"Studio Lee"_s},
                                                         {"editKeywords", u" rings , vows,"_s},
                                                         {"editDescription", u" first dance "_s}};
        for (const auto& [name, text] : typed)
            retype(*sheet, name, text);
        child<QRadioButton>(*sheet, "radioSidecarNameExt")->click();
        child<QDialogButtonBox>(*sheet, "buttons")->button(QDialogButtonBox::Ok)->click();
        for (const auto& [key, value] : {std::pair{"NamePattern", kNameSuggestion},
                                         {"FolderPattern", QString()},
                                         {"Job", u"wedding"_s},
                                         {"Creator", u"Ann Lee"_s},
                                         {"Copyright", u"© 2026 Ann"_s},
                                         {"Credit", u"Studio Lee"_s},
                                         {"Keywords", u"rings, vows"_s},
                                         {"Description", u" first dance "_s},
                                         {"SidecarNames", u"name.ext"_s}})
            prefs.insert(u"kestrel"_s + QLatin1String(key), value);
        QCOMPARE(preferencesOnDisk(), prefs);
        QCOMPARE(line->text(), u"Job “wedding”: renamed by "_s + kNameSuggestion);
    }
};

KESTREL_UI_TEST_MAIN(TestNames)
#include "tst_names.moc"
