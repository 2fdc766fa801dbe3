// The window in the language the user reads, chosen from the environment as kestrel starts.
#include "UiTestSupport.h"
#include "base/FaultPoints.h"
#include "base/Translations.h"
#include "window/ReportModel.h"

#include <QLabel>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <cerrno>

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

    // A run with a file of a type not imported and a copy that fails says so in German: the
    // status line, the verdict and the report's reasons hold none of the common English words.
    void failedImportIsReportedInGerman() {
        const QTemporaryDir dir;
        const QString card = dir.filePath(u"card"_s), dest = dir.filePath(u"dest"_s);
        for (const char* name : {"/A.JPG", "/B.JPG", "/C.CR3"})
            kestrel::test::writePhoto(card + QLatin1String(name), name);
        QVERIFY(QDir().mkpath(dest));
        kestrel::test::resetPreferences(
            {{u"kestrelImportPath"_s, dest}, {u"kestrelRAW"_s, u"0"_s}});
        const kestrel::test::EnvScope language("LC_ALL", "de_DE.UTF-8");
        kestrel::installTranslations();
        std::ostringstream out;
        kestrel::ViewController vc(out);
        using kestrel::faults::Call;
        for (const Call call : {Call::Write, Call::CopyFileRange, Call::Sendfile})
            kestrel::faults::failNext(call, ENOSPC);
        QVERIFY(vc.runImport(card.toStdString()) && kestrel::test::runEnds(vc));
        kestrel::faults::clear();
        QStringList shown{child<QLabel>(vc, "lblInfo")->text(),
                          child<QLabel>(vc, "lblDetail")->text()};
        for (int group = 0; group < vc.report->rowCount(); ++group) {
            const QModelIndex heading = vc.report->index(group, 0);
            shown << heading.data().toString();
            for (int row = 0; row < vc.report->rowCount(heading); ++row)
                shown << vc.report->index(row, kestrel::ReportModel::WhatColumn, heading)
                             .data()
                             .toString();
        }
        QVERIFY2(vc.report->rowCount() == 2, qPrintable(shown.join(u'\n')));
        const QString text = shown.join(u'\n').remove(card).remove(dest) + u' ';
        for (const char* word : {" the ", " is ", " not ", " was ", " file", " copied", " cannot",
                                 " of ", "finished", "disk", " left", " space"})
            QVERIFY2(!text.contains(QLatin1String(word), Qt::CaseInsensitive), qPrintable(text));
    }
};

KESTREL_UI_TEST_MAIN(LanguageTest)
#include "tst_language.moc"
