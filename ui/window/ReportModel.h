#pragma once

#include "record/HashRecord.h"
#include "record/RunSummary.h"

#include <QStandardItemModel>

namespace kestrel {

// The files of a run that are not copied now, grouped by reason: one top row per reason
// with its count, and below it each file's name, what happened, source and destination.
// Or the files a check of a destination found wanting, grouped the same way.
class ReportModel : public QStandardItemModel {
    Q_OBJECT
  public:
    // The columns of a run's report; a check's has no Source, so Destination comes third.
    enum Column { FileColumn, WhatColumn, SourceColumn, DestinationColumn };
    // Where a file row's file is, held by its first column: empty where it has none.
    enum Role { SourcePathRole = Qt::UserRole + 1, DestinationPathRole };

    explicit ReportModel(QObject* parent = nullptr);
    void setSummary(const RunSummary& summary);
    // Instead, what a check of the folder root found: one top row per kind of problem, and
    // below it each file's path below root, the kind, and its path at the destination.
    void setVerifyResult(const VerifyResult& result, const QString& root);
};

} // namespace kestrel
