// The option checkboxes: start-up defaults, enabling and what each click stores.
#include "UiTestSupport.h"

#include "PathControl.h"
#include "Preferences.h"
#include "ViewController.h"

#include <QCheckBox>

#include <sstream>

using kestrel::ViewController;
using kestrel::test::child;
using kestrel::test::preferencesOnDisk;
using kestrel::test::resetPreferences;
using Prefs = QMap<QString, QString>;

namespace {

const char* const kBoxes[] = {"chkJPG",     "chkRAW",      "chkJPGYear", "chkJPGMonth", "chkJPGDay",
                              "chkRAWYear", "chkRAWMonth", "chkRAWDay",  "chkModDate"};
const char* const kKeys[] = {"kestrelJPG",      "kestrelRAW",    "kestrelJPGYear",
                             "kestrelJPGMonth", "kestrelJPGDay", "kestrelRAWYear",
                             "kestrelRAWMonth", "kestrelRAWDay", "kestrelModDate"};
// The slot each checkbox sends when clicked.
const char* const kActions[] = {"chkJPGChecked",      "chkRAWChecked",    "chkJPGYearChecked",
                                "chkJPGMonthChecked", "chkJPGDayChecked", "chkRAWYearChecked",
                                "chkRAWMonthChecked", "chkRAWDayChecked", "chkModDatePressed"};
const char* const kJpgDates[] = {"chkJPGYear", "chkJPGMonth", "chkJPGDay"};
const char* const kRawDates[] = {"chkRAWYear", "chkRAWMonth", "chkRAWDay"};

Prefs allDefaults() {
    Prefs prefs;
    for (const char* key : kKeys)
        prefs.insert(QString::fromLatin1(key), QStringLiteral("1"));
    prefs.insert(QStringLiteral("kestrelModDate"), QStringLiteral("0"));
    return prefs;
}

// "J R": the enabled state of the JPG-side and the RAW-side date checkboxes, each "1" when
// all three are enabled, "0" when all are disabled and "?" when they differ.
QString dateEnabling(const ViewController& vc) {
    const auto side = [&vc](const char* const(&names)[3]) {
        int enabled = 0;
        for (const char* name : names)
            enabled += child<QCheckBox>(vc, name)->isEnabled() ? 1 : 0;
        return enabled == 3 ? u'1' : enabled == 0 ? u'0' : u'?';
    };
    return QString(side(kJpgDates)) + u' ' + side(kRawDates);
}

} // namespace

class OptionCheckboxesTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { resetPreferences(); }

    void startupOnEmptyPreferencesWritesTheDefaults() {
        std::ostringstream out;
        ViewController vc(out);
        const Prefs expected = allDefaults();
        QCOMPARE(preferencesOnDisk(), expected);
        for (const char* name : kBoxes)
            QCOMPARE(child<QCheckBox>(vc, name)->checkState(),
                     qstrcmp(name, "chkModDate") == 0 ? Qt::Unchecked : Qt::Checked);
        QCOMPARE(dateEnabling(vc), QStringLiteral("1 1"));
        QCOMPARE(out.str(), std::string());
    }

    void startupKeepsStoredValues_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<Qt::CheckState>("state");
        QTest::addColumn<QString>("afterStartup");
        QTest::newRow("on") << "1" << Qt::Checked << "1";
        QTest::newRow("off") << "0" << Qt::Unchecked << "0";
        QTest::newRow("true") << "true" << Qt::Unchecked << "true";
        QTest::newRow("01") << "01" << Qt::Unchecked << "01";
        QTest::newRow("1 with a space") << " 1" << Qt::Unchecked << " 1";
        QTest::newRow("empty") << "" << Qt::Unchecked << "";
    }

    // Only an absent key or the text "<nil>" gets a default; anything else stays as it is.
    void startupKeepsStoredValues() {
        QFETCH(QString, stored);
        QFETCH(Qt::CheckState, state);
        QFETCH(QString, afterStartup);
        Prefs prefs;
        for (const char* key : kKeys)
            prefs.insert(QString::fromLatin1(key), stored);
        prefs.insert(QStringLiteral("kestrelRAWDay"), QStringLiteral("<nil>"));
        prefs.insert(QStringLiteral("kestrelModDate"), QStringLiteral("<nil>"));
        resetPreferences(prefs);

        std::ostringstream out;
        ViewController vc(out);
        Prefs expected = prefs;
        for (const char* key : kKeys)
            expected[QString::fromLatin1(key)] = afterStartup;
        expected[QStringLiteral("kestrelRAWDay")] = QStringLiteral("1");
        expected[QStringLiteral("kestrelModDate")] = QStringLiteral("0");
        QCOMPARE(preferencesOnDisk(), expected);
        for (const char* name : {"chkJPG", "chkRAW", "chkJPGYear", "chkRAWMonth"})
            QCOMPARE(child<QCheckBox>(vc, name)->checkState(), state);
        QCOMPARE(child<QCheckBox>(vc, "chkRAWDay")->checkState(), Qt::Checked);
        QCOMPARE(child<QCheckBox>(vc, "chkModDate")->checkState(), Qt::Unchecked);
        QCOMPARE(dateEnabling(vc),
                 state == Qt::Checked ? QStringLiteral("1 1") : QStringLiteral("0 0"));
    }

    void enabling_data() {
        QTest::addColumn<QString>("jpg");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("atStartup");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("afterClick");
        QTest::addColumn<bool>("jpgPathEnabled");
        QTest::addColumn<bool>("rawPathEnabled");
        QTest::newRow("JPG off, RAW off before") << "1"
                                                 << "0"
                                                 << "1 1"
                                                 << "chkJPG"
                                                 << "0 1" << false << true;
        QTest::newRow("JPG off, RAW still on") << "1"
                                               << "1"
                                               << "1 1"
                                               << "chkJPG"
                                               << "1 1" << false << true;
        QTest::newRow("RAW on, both were off") << "0"
                                               << "0"
                                               << "0 0"
                                               << "chkRAW"
                                               << "1 1" << true << true;
        QTest::newRow("JPG on, both were off") << "0"
                                               << "0"
                                               << "0 0"
                                               << "chkJPG"
                                               << "1 0" << true << true;
        QTest::newRow("RAW off, JPG was off") << "0"
                                              << "1"
                                              << "1 1"
                                              << "chkRAW"
                                              << "0 0" << true << false;
        QTest::newRow("RAW off, JPG still on") << "1"
                                               << "1"
                                               << "1 1"
                                               << "chkRAW"
                                               << "1 1" << true << false;
        QTest::newRow("a date box changes no enabling") << "0"
                                                        << "1"
                                                        << "1 1"
                                                        << "chkRAWYear"
                                                        << "1 1" << true << true;
        QTest::newRow("modification date neither") << "0"
                                                   << "0"
                                                   << "0 0"
                                                   << "chkModDate"
                                                   << "0 0" << true << true;
    }

    void enabling() {
        QFETCH(QString, jpg);
        QFETCH(QString, raw);
        QFETCH(QString, atStartup);
        QFETCH(QString, clicked);
        QFETCH(QString, afterClick);
        QFETCH(bool, jpgPathEnabled);
        QFETCH(bool, rawPathEnabled);
        Prefs prefs = allDefaults();
        prefs[QStringLiteral("kestrelJPG")] = jpg;
        prefs[QStringLiteral("kestrelRAW")] = raw;
        resetPreferences(prefs);

        std::ostringstream out;
        ViewController vc(out);
        QCOMPARE(dateEnabling(vc), atStartup);
        // The form leaves both path controls enabled until a group is clicked.
        QVERIFY(vc.destinationPath->isEnabled());
        QVERIFY(vc.destinationPathRAW->isEnabled());

        vc.findChild<QCheckBox*>(clicked)->click();
        QCOMPARE(dateEnabling(vc), afterClick);
        QCOMPARE(vc.destinationPath->isEnabled(), jpgPathEnabled);
        QCOMPARE(vc.destinationPathRAW->isEnabled(), rawPathEnabled);
    }

    // A group box left half-checked counts as on for enabling but stores "0".
    void mixedStateEnablesButStoresOff() {
        Prefs prefs = allDefaults();
        prefs[QStringLiteral("kestrelJPG")] = QStringLiteral("0");
        prefs[QStringLiteral("kestrelRAW")] = QStringLiteral("0");
        resetPreferences(prefs);
        std::ostringstream out;
        ViewController vc(out);
        QCOMPARE(dateEnabling(vc), QStringLiteral("0 0"));

        vc.chkJPG->setCheckState(Qt::PartiallyChecked);
        vc.chkJPGChecked();
        QCOMPARE(dateEnabling(vc), QStringLiteral("1 0"));
        QVERIFY(vc.destinationPath->isEnabled());
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelJPG")), QStringLiteral("0"));

        vc.chkRAW->setCheckState(Qt::PartiallyChecked);
        vc.chkRAWChecked();
        QCOMPARE(dateEnabling(vc), QStringLiteral("1 1"));
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelRAW")), QStringLiteral("0"));

        // With the JPG group half-checked, turning RAW off leaves every date box enabled.
        vc.chkRAW->setCheckState(Qt::Unchecked);
        vc.setChkRAWEnabled(false);
        QCOMPARE(dateEnabling(vc), QStringLiteral("1 1"));

        vc.chkJPGDay->setCheckState(Qt::PartiallyChecked);
        vc.chkJPGDayChecked();
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelJPGDay")), QStringLiteral("0"));
        QCOMPARE(vc.chkJPGDay->checkState(), Qt::PartiallyChecked);
    }

    void eachClickWritesExactlyItsKey_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("action");
        for (std::size_t i = 0; i < std::size(kBoxes); ++i)
            QTest::newRow(kBoxes[i])
                << QString::fromLatin1(kBoxes[i]) << QString::fromLatin1(kKeys[i])
                << QString::fromLatin1(kActions[i]);
    }

    void eachClickWritesExactlyItsKey() {
        QFETCH(QString, box);
        QFETCH(QString, key);
        QFETCH(QString, action);
        std::ostringstream out;
        ViewController vc(out);
        auto* checkbox = vc.findChild<QCheckBox*>(box);
        QVERIFY(checkbox);

        Prefs expected = preferencesOnDisk();
        for (int click = 0; click < 2; ++click) {
            checkbox->click();
            expected[key] = checkbox->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
            QCOMPARE(preferencesOnDisk(), expected);
        }

        // Every click writes, also when the state did not change: remove the key behind the
        // window's back and it is back after the next action.
        const auto store = kestrel::openPreferences();
        store->remove(key);
        store->sync();
        expected.remove(key);
        QCOMPARE(preferencesOnDisk(), expected);
        QVERIFY(QMetaObject::invokeMethod(&vc, action.toLatin1().constData()));
        expected[key] = checkbox->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        QCOMPARE(preferencesOnDisk(), expected);
        QCOMPARE(out.str(), std::string());
    }
};

KESTREL_UI_TEST_MAIN(OptionCheckboxesTest)

#include "tst_window_options.moc"
