#pragma once

#include "record/RunSummary.h"

#include <QStandardItemModel>

namespace kestrel {

// The files of a run that are not copied now, grouped by reason: one top row per reason
// with its count, and below it each file's source, destination and what happened.
class ReportModel : public QStandardItemModel {
    Q_OBJECT
  public:
    explicit ReportModel(QObject* parent = nullptr);
    void setSummary(const RunSummary& summary);
};

} // namespace kestrel
