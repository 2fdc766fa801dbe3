// The two destination folders: what the window shows at start-up and what a pick stores.
#include "UiTestSupport.h"

#include "PathControl.h"
#include "ViewController.h"

#include <QDir>
#include <QMenu>
#include <QToolButton>

#include <sstream>

using kestrel::PathControl;
using kestrel::ViewController;
using kestrel::test::lines;
using kestrel::test::preferencesOnDisk;
using kestrel::test::resetPreferences;

namespace {

// The texts of the component buttons that the control shows, left to right.
QStringList shownComponents(const PathControl& control) {
    QStringList texts;
    const auto buttons = control.findChildren<QToolButton*>(QStringLiteral("pathComponent"));
    for (const QToolButton* button : buttons)
        if (button->isVisibleTo(&control))
            texts.append(button->text());
    return texts;
}

} // namespace

class DestinationsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        resetPreferences();
        QVERIFY(cards_.isValid());
    }

    // An absent folder shows as "<nil>" below the current folder, and stays absent.
    void startupWithoutFolders() {
        std::ostringstream out;
        ViewController vc(out);
        const QString nil = QDir::current().absoluteFilePath(QStringLiteral("<nil>"));
        QCOMPARE(vc.destinationPath->path(), nil);
        QCOMPARE(vc.destinationPathRAW->path(), nil);
        QCOMPARE(vc.destinationPath->componentPaths().last(), nil);
        QCOMPARE(shownComponents(*vc.destinationPath).last(), QStringLiteral("<nil>"));
        const auto prefs = preferencesOnDisk();
        QVERIFY(!prefs.contains(QStringLiteral("kestrelImportPath")));
        QVERIFY(!prefs.contains(QStringLiteral("kestrelImportPathRAW")));
        QCOMPARE(out.str(), std::string());
    }

    void startupShowsStoredFolders() {
        const QString jpg = cards_.filePath(QStringLiteral("Mes photos/Été 2016"));
        const QString raw = cards_.filePath(QStringLiteral("raw"));
        resetPreferences({{QStringLiteral("kestrelImportPath"), jpg},
                          {QStringLiteral("kestrelImportPathRAW"), raw}});
        std::ostringstream out;
        ViewController vc(out);
        QCOMPARE(vc.destinationPath->path(), jpg);
        QCOMPARE(vc.destinationPathRAW->path(), raw);
        QCOMPARE(shownComponents(*vc.destinationPath).last(), QStringLiteral("Été 2016"));
    }

    // A click on a component stores and prints that folder, decoded, and the control then
    // shows what was stored.
    void clickedComponentIsStoredAndPrinted() {
        const QString parent = cards_.filePath(QStringLiteral("Mes photos"));
        const QString jpg = parent + QStringLiteral("/Été 2016");
        const QString raw = cards_.filePath(QStringLiteral("raw files/日本"));
        QVERIFY(QDir().mkpath(jpg));
        QVERIFY(QDir().mkpath(raw));
        resetPreferences({{QStringLiteral("kestrelImportPath"), jpg},
                          {QStringLiteral("kestrelImportPathRAW"), raw}});
        std::ostringstream out;
        ViewController vc(out);

        const auto buttons =
            vc.destinationPath->findChildren<QToolButton*>(QStringLiteral("pathComponent"));
        const auto parentButton = std::find_if(buttons.begin(), buttons.end(), [](QToolButton* b) {
            return b->isVisibleTo(b->parentWidget()) && b->text() == QStringLiteral("Mes photos");
        });
        QVERIFY(parentButton != buttons.end());
        (*parentButton)->click();
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelImportPath")), parent);
        QCOMPARE(vc.destinationPath->path(), parent);
        QCOMPARE(shownComponents(*vc.destinationPath).last(), QStringLiteral("Mes photos"));

        const int last = static_cast<int>(vc.destinationPathRAW->componentPaths().size()) - 1;
        vc.destinationPathRAW->clickComponent(last);
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelImportPathRAW")), raw);

        QCOMPARE(lines(out.str()), (QStringList{parent, raw}));
        QCOMPARE(out.str(), parent.toStdString() + "\n" + raw.toStdString() + "\n");
        QVERIFY(out.str().find('%') == std::string::npos);
    }

    // The root component stores "/" and a folder chosen in the dialog is stored without
    // its trailing "/".
    void rootAndChosenFolders() {
        const QString chosen = cards_.filePath(QStringLiteral("chosen one"));
        QVERIFY(QDir().mkpath(chosen));
        std::ostringstream out;
        ViewController vc(out);
        vc.destinationPath->clickComponent(0);
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelImportPath")),
                 QStringLiteral("/"));
        QCOMPARE(vc.destinationPath->path(), QStringLiteral("/"));
        vc.destinationPathRAW->selectFolder(chosen + u'/');
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelImportPathRAW")), chosen);
        QCOMPARE(vc.destinationPathRAW->path(), chosen);
        QCOMPARE(lines(out.str()), (QStringList{QStringLiteral("/"), chosen}));
        // The JPG control was not touched by the RAW pick.
        QCOMPARE(vc.destinationPath->path(), QStringLiteral("/"));
    }

    // An action with no clicked component stores and prints nothing.
    void actionWithoutClickDoesNothing() {
        std::ostringstream out;
        ViewController vc(out);
        const auto before = preferencesOnDisk();
        vc.destPathSelected(vc.destinationPath);
        vc.destPathRAWSelected(vc.destinationPathRAW);
        vc.destPathSelected(nullptr);
        QCOMPARE(preferencesOnDisk(), before);
        QCOMPARE(out.str(), std::string());
    }

    // A deep folder hides its upper components in the "…" menu, where they can still be
    // picked, and a long name is shortened so that it cannot widen the window.
    void deepFolderUpperComponentsInMenu() {
        const QString longName(300, u'x');
        const QString deep = cards_.filePath(QStringLiteral("a/b/c/d/") + longName);
        resetPreferences({{QStringLiteral("kestrelImportPath"), deep}});
        std::ostringstream out;
        ViewController vc(out);
        const QStringList shown = shownComponents(*vc.destinationPath);
        QCOMPARE(shown.mid(0, 2), (QStringList{QStringLiteral("c"), QStringLiteral("d")}));
        QCOMPARE(shown.size(), 3);
        QVERIFY(shown.last().contains(u'…') && shown.last().size() < 100);
        QVERIFY(vc.minimumSizeHint().width() < 1200);

        auto* more = vc.destinationPath->findChild<QToolButton*>(QStringLiteral("pathMore"));
        QVERIFY(more && more->isVisibleTo(vc.destinationPath));
        const auto actions = more->menu()->actions();
        QCOMPARE(actions.first()->text(), QStringLiteral("b"));
        actions.first()->trigger();
        QCOMPARE(preferencesOnDisk().value(QStringLiteral("kestrelImportPath")),
                 cards_.filePath(QStringLiteral("a/b")));
        QCOMPARE(lines(out.str()), QStringList{cards_.filePath(QStringLiteral("a/b"))});
    }

  private:
    QTemporaryDir cards_;
};

KESTREL_UI_TEST_MAIN(DestinationsTest)

#include "tst_window_destinations.moc"
