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

} // namespace kestrel
