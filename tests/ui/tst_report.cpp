// The report under the status line: its columns, the text it copies and the folder a
// double-click on a file opens.
#include "UiTestSupport.h"

#include "window/ReportModel.h"
#include "window/ReportView.h"

#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QUrl>

using kestrel::CopyOutcome;
using kestrel::Outcome;
using namespace Qt::StringLiterals;

class ReportTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    // Long enough that the paths cannot all be shown whole.
    const QString card_ = dir_.filePath(u"CARD 1/DCIM/100CANON_and_a_long_folder_name"_s);
    const QString dest_ = dir_.filePath(u"Photos/JPG/2016/07/21/and_a_long_folder_name"_s);
    kestrel::ReportModel model_;
    kestrel::ReportView view_;
    QList<QUrl> opened_;

    // A press and release first, as a real double-click has.
    void doubleClick(const QModelIndex& index) {
        const QPoint at = view_.visualRect(index).center();
        QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view_.viewport(), Qt::LeftButton, {}, at);
    }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }

  private slots:
    // A run with a name taken at the destination, and two files of a format left on the card.
    void init() {
        kestrel::RunSummary run;
        const auto at = [](const QString& folder, const char* name) {
            return folder.toStdString() + name;
        };
        run.add(at(card_, "/B.JPG"), CopyOutcome(Outcome::NameTaken, 0, at(dest_, "/B.JPG")));
        const CopyOutcome left(Outcome::LeftOnCard, 0, {}, "kestrel does not import .CR3 files");
        run.addLeftOnCard(at(card_, "/C.CR3"), left);
        run.addLeftOnCard(at(card_, "/D.CR3"), left);
        model_.setSummary(run);
        view_.setModel(&model_);
        view_.openUrl = [this](const QUrl& folder) { opened_.append(folder); };
        view_.resize(776, 300);
        view_.show();
        view_.showReport();
        QVERIFY(QTest::qWaitForWindowExposed(&view_));
    }

    // The name and what happened show whole, each in a column of its own; the paths share
    // the rest, elided in the middle and whole in their tooltips.
    void columnsFitTheWidth() {
        QCOMPARE(view_.textElideMode(), Qt::ElideMiddle);
        QStringList headers;
        for (int column = 0; column < model_.columnCount(); ++column)
            headers << model_.headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headers,
                 QStringList({u"File"_s, u"What happened"_s, u"Source"_s, u"Destination"_s}));
        QCOMPARE(model_.index(0, 2, model_.index(0, 0)).data(Qt::ToolTipRole).toString(),
                 card_ + u"/B.JPG"_s);
        const auto& view = static_cast<const QAbstractItemView&>(view_);
        QHeaderView* head = view_.header();
        QVERIFY(head->sectionSize(0) >= view.sizeHintForColumn(0) &&
                head->sectionSize(1) >= view.sizeHintForColumn(1));
        QVERIFY(head->sectionSize(2) < view.sizeHintForColumn(2) &&
                head->length() <= view_.viewport()->width());
        // A column sized by hand keeps its width when the window changes size.
        head->resizeSection(0, 300);
        view_.resize(700, 300);
        QTRY_VERIFY_WITH_TIMEOUT(view_.viewport()->width() < 700, kestrel::test::kPatience);
        QCOMPARE(head->sectionSize(0), 300);
    }

    // Each file is copied under its reason: every row when none is selected, a selected
    // file with its heading, a selected heading with its files.
    void copiesRowsAsText() {
        const QString taken = u"a different file has this name (1)\nB.JPG\ta different file has "
                              u"this name\t%1/B.JPG\t%2/B.JPG\n"_s.arg(card_, dest_);
        const QString left = u"not imported with the current options (2)\n"_s;
        const QString cr3 = u"%1.CR3\tkestrel does not import .CR3 files\t%2/%1.CR3\n"_s;
        const QString all = taken + left + cr3.arg(u"C"_s, card_) + cr3.arg(u"D"_s, card_);
        QTest::keyClick(&view_, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), all);
        const auto rows = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
        view_.selectionModel()->select(model_.index(1, 0, model_.index(1, 0)), rows);
        QTest::keyClick(&view_, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), left + cr3.arg(u"D"_s, card_));
        view_.selectionModel()->select(model_.index(0, 0), rows);
        QCOMPARE(view_.actions().size(), 2);
        view_.actions().at(0)->trigger(); // Copy
        QCOMPARE(clipboard(), taken);
        view_.actions().at(1)->trigger(); // Copy All
        QCOMPARE(clipboard(), all);
    }

    // A file opens its folder on the card; once the card is gone, its copy's folder; with
    // neither, nothing.
    void doubleClickOpensTheFilesFolder() {
        const QModelIndex taken = model_.index(0, 1, model_.index(0, 0));
        QVERIFY(QDir().mkpath(card_) && QDir().mkpath(dest_));
        doubleClick(taken);
        QVERIFY(QDir(dir_.filePath(u"CARD 1"_s)).removeRecursively());
        doubleClick(taken);
        doubleClick(model_.index(0, 0, model_.index(1, 0)));
        QCOMPARE(opened_, QList<QUrl>({QUrl::fromLocalFile(card_), QUrl::fromLocalFile(dest_)}));
    }
};

KESTREL_UI_TEST_MAIN(ReportTest)
#include "tst_report.moc"
