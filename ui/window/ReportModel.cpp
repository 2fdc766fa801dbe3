#include "window/ReportModel.h"

#include "base/ShownText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLocale>

#include <map>

namespace kestrel {

namespace {

QString pathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// A cell that shows a path, whole in its tooltip however narrow the column.
QStandardItem* pathItem(const QString& path) {
    auto* item = new QStandardItem(path);
    item->setToolTip(path);
    return item;
}

// "reason (count)" in bold: the heading of the files below it.
QStandardItem* groupItem(const QString& reason, std::size_t count) {
    auto* group = new QStandardItem(
        ReportModel::tr("%1 (%2)").arg(reason, QLocale().toString(qulonglong(count))));
    QFont bold;
    bold.setBold(true);
    group->setFont(bold);
    return group;
}

} // namespace

ReportModel::ReportModel(QObject* parent) : QStandardItemModel(parent) {}

void ReportModel::setSummary(const RunSummary& summary) {
    clear();
    setHorizontalHeaderLabels({tr("File"), tr("What happened"), tr("Source"), tr("Destination")});
    // Groups in the order of the outcomes, so the same reasons always come first.
    std::map<Outcome, QList<QList<QStandardItem*>>> groups;
    for (const FileResult& result : summary.notCopiedNow) {
        const QString source = pathText(result.source);
        const QString destination = pathText(result.outcome.destPath);
        auto* name = new QStandardItem(QFileInfo(source).fileName());
        name->setToolTip(source);
        name->setData(source, SourcePathRole);
        name->setData(destination, DestinationPathRole);
        QString what = shownText(describe(result.outcome));
        if (result.atBackup)
            what = tr("at the backup: %1").arg(what);
        groups[result.outcome.outcome].append(
            {name, new QStandardItem(what), pathItem(source), pathItem(destination)});
    }
    for (const auto& [outcome, rows] : groups) {
        QStandardItem* group =
            groupItem(shownText(reasonText(outcome)), static_cast<std::size_t>(rows.size()));
        for (const QList<QStandardItem*>& row : rows)
            group->appendRow(row);
        appendRow(group);
    }
}

void ReportModel::setVerifyResult(const VerifyResult& result, const QString& root) {
    clear();
    setHorizontalHeaderLabels({tr("File"), tr("What happened"), tr("Destination")});
    const std::pair<QString, const std::vector<std::string>*> kinds[] = {
        {tr("changed since it was recorded"), &result.changed},
        {tr("missing"), &result.missing},
        {tr("could not be read"), &result.unreadable},
        {tr("recorded without an XXH3-128 hash, not checked"), &result.unchecked},
        {tr("not recorded"), &result.unrecorded},
    };
    for (const auto& [kind, paths] : kinds) {
        if (paths->empty())
            continue;
        QStandardItem* group = groupItem(kind, paths->size());
        for (const std::string& path : *paths) {
            const QString below = pathText(path);
            const QString whole = QDir(root).filePath(below);
            QStandardItem* file = pathItem(below);
            file->setData(whole, DestinationPathRole);
            group->appendRow({file, new QStandardItem(kind), pathItem(whole)});
        }
        appendRow(group);
    }
}

} // namespace kestrel
