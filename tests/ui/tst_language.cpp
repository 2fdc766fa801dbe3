// The window in the language the user reads, chosen from the environment as kestrel starts.
#include "UiTestSupport.h"
#include "base/FaultPoints.h"
#include "base/Translations.h"
#include "browse/BrowseModel.h"
#include "browse/BrowseWindow.h"
#include "window/ReportModel.h"

#include <QDir>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItem>
#include <QTemporaryDir>

#include <cerrno>
#include <clocale>

#include <array>
#include <sstream>

using kestrel::test::child;
using namespace Qt::StringLiterals;

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

    // An import with a file of a type not imported and a copy that fails, checks of a copy
    // changed since and of a record that cannot be read, and imports refused are told in the
    // user's language, which the C library speaks too: what is shown holds none of the common
    // English words (in English, all of them), and French sets : ; ? ! apart from a word.
    void sessionIsToldInTheUsersLanguage() {
        for (const char* locale : {"C.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
            const QTemporaryDir dir;
            const QString card = dir.filePath(u"card"_s), dest = dir.filePath(u"dest"_s);
            for (const char* name : {"/A.JPG", "/B.JPG", "/C.CR3"})
                kestrel::test::writePhoto(card + QLatin1String(name), name);
            QVERIFY(QDir().mkpath(dest));
            kestrel::test::resetPreferences(
                {{u"kestrelImportPath"_s, dest}, {u"kestrelRAW"_s, u"0"_s}});
            const kestrel::test::EnvScope list("LANGUAGE", nullptr), all("LC_ALL", locale);
            QVERIFY(std::setlocale(LC_ALL, "") && (kestrel::installTranslations(), true));
            std::ostringstream out;
            kestrel::ViewController vc(out);
            QStringList shown;
            vc.showProblem = [&](const QString& text) { shown << text; };
            const auto run = [&](bool started) {
                QVERIFY(started && kestrel::test::runEnds(vc));
                for (const char* name : {"lblInfo", "lblDetail", "lblProgress"})
                    shown << child<QLabel>(vc, name)->text();
                for (const int column : {0, int(kestrel::ReportModel::WhatColumn)})
                    for (const QStandardItem* item :
                         vc.report->findItems({}, Qt::MatchContains | Qt::MatchRecursive, column))
                        shown << item->text();
            };
            using kestrel::faults::Call;
            for (const Call call : {Call::Write, Call::CopyFileRange, Call::Sendfile})
                kestrel::faults::failNext(call, ENOSPC);
            run(vc.runImport(card.toStdString()));
            kestrel::faults::clear();
            const std::vector<std::string> copies = kestrel::test::filesBelow(dest.toStdString());
            QCOMPARE(copies.size(), 1u);
            kestrel::test::writePhoto(dest + u'/' + QString::fromStdString(copies[0]), "changed");
            QVERIFY(QFile::link(dest + u"/ascmhl"_s, card + u"/ascmhl"_s));
            for (const QString& root : {dest, card})
                run(vc.runVerify(root.toStdString()));
            vc.uDefs->setValue(u"kestrelFolderPattern"_s, u"{bogus}"_s);
            run(vc.runImport(card.toStdString()));
            vc.uDefs->remove(u"kestrelFolderPattern"_s);
            vc.uDefs->setValue(u"kestrelImportPath"_s, dir.filePath(u"gone"_s));
            run(vc.runImport(card.toStdString()));
            const QString text = shown.join(u"\n "_s).remove(card).remove(dest) + u' ';
            for (const char* word : {" the ", " is ", " not ", " was ", " file", " copied",
                                     " cannot", " of ", "finished", " left", " space", "changed"})
                QVERIFY2(text.contains(QLatin1String(word), Qt::CaseInsensitive) ==
                             (*locale == 'C'),
                         qPrintable(QLatin1String(word) + u'\n' + text));
            QVERIFY2(*locale != 'f' || !text.contains(QRegularExpression(u"\\w[:;?!]\\s"_s)),
                     qPrintable(text));
        }
    }
    // Every text of the window and of its names sheet, its menus, tooltips and accessible
    // names among them, in German and French (in English, the words looked for are there).
    void everyTextOfTheWindowIsTranslated() {
        for (const char* locale : {"C.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
            const kestrel::test::EnvScope list("LANGUAGE", nullptr), all("LC_ALL", locale);
            kestrel::installTranslations();
            const QTemporaryDir card;
            for (const char* name : {"/A.JPG", "/B.CR3"})
                kestrel::test::writePhoto(card.path() + QLatin1String(name), name);
            kestrel::test::resetPreferences({{u"kestrelImportPath"_s, card.path()}});
            std::ostringstream out;
            kestrel::ViewController vc(out);
            vc.show();
            child<QPushButton>(vc, "btnNames")->click();
            kestrel::BrowseWindow* grid = vc.browseFolder(card.path());
            QSignalSpy surveyed(grid, &kestrel::BrowseWindow::surveyed);
            QVERIFY(surveyed.wait(kestrel::test::kPatience));
            QStringList shown;
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                for (const int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole),
                                       int(Qt::AccessibleDescriptionRole),
                                       int(kestrel::BrowseModel::ReasonRole)})
                    shown << grid->model()->index(row).data(role).toString().remove(card.path());
            QWidgetList widgets = QApplication::topLevelWidgets();
            for (const QWidget* top : QApplication::topLevelWidgets())
                widgets += top->findChildren<QWidget*>();
            for (const QWidget* widget : std::as_const(widgets)) {
                shown << widget->toolTip() << widget->accessibleName() << widget->windowTitle()
                      << widget->property("text").toString()
                      << widget->property("title").toString()
                      << widget->property("placeholderText").toString();
                for (const QAction* action : widget->actions())
                    shown << action->text() << action->toolTip();
            }
            const QString text = shown.join(u"\n "_s) + u' ';
            for (const char* word : {" the ", " is ", " not ", " was ", " file", " copied",
                                     " of ", " folder", " and ", " to ", " with "})
                QVERIFY2(text.contains(QLatin1String(word), Qt::CaseInsensitive) ==
                             (*locale == 'C'),
                         qPrintable(QLatin1String(word) + u'\n' + text));
        }
    }
    void cleanup() { std::setlocale(LC_ALL, "C.UTF-8"); }
};

KESTREL_UI_TEST_MAIN(LanguageTest)
#include "tst_language.moc"
