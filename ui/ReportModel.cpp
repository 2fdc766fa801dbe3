#include "ReportModel.h"

#include <QFile>

#include <map>

namespace kestrel {

namespace {
QString pathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
} // namespace

ReportModel::ReportModel(QObject* parent) : QStandardItemModel(0, 3, parent) {
    setHorizontalHeaderLabels({tr("File"), tr("Destination"), tr("What happened")});
}

void ReportModel::setSummary(const RunSummary& summary) {
    removeRows(0, rowCount());
    // Groups in the order of the outcomes, so the same reasons always come first.
    std::map<Outcome, QStandardItem*> groups;
    for (const FileResult& result : summary.notCopiedNow) {
        QStandardItem*& group = groups[result.outcome.outcome];
        if (group == nullptr)
            group = new QStandardItem(QString::fromUtf8(reasonText(result.outcome.outcome)));
        auto* source = new QStandardItem(pathText(result.source));
        source->setToolTip(source->text());
        group->appendRow({source, new QStandardItem(pathText(result.outcome.destPath)),
                          new QStandardItem(QString::fromStdString(describe(result.outcome)))});
    }
    for (const auto& [outcome, group] : groups) {
        group->setText(tr("%1 (%2)").arg(group->text()).arg(group->rowCount()));
        group->setEditable(false);
        appendRow(group);
    }
}

void ReportModel::setVerifyResult(const VerifyResult& result, const QString& root) {
    removeRows(0, rowCount());
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
        auto* group = new QStandardItem(tr("%1 (%2)").arg(kind).arg(paths->size()));
        group->setEditable(false);
        for (const std::string& path : *paths) {
            auto* file = new QStandardItem(pathText(path));
            file->setToolTip(file->text());
            group->appendRow({file, new QStandardItem(root), new QStandardItem(kind)});
        }
        appendRow(group);
    }
}

} // namespace kestrel
