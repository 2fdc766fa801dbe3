#pragma once

#include "record/HashRecord.h"
#include "record/RunSummary.h"

#include <QStandardItemModel>

namespace kestrel {

// The files of a run that are not copied now, grouped by reason: one top row per reason
// with its count, and below it each file's source, destination and what happened. Or the
// files a check of a destination found wanting, grouped the same way.
class ReportModel : public QStandardItemModel {
    Q_OBJECT
  public:
    explicit ReportModel(QObject* parent = nullptr);
    void setSummary(const RunSummary& summary);
    // Instead, what a check of the folder root found: one top row per kind of problem, and
    // below it each file's path below root.
    void setVerifyResult(const VerifyResult& result, const QString& root);
};

} // namespace kestrel
