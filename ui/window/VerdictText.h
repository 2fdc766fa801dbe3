#pragma once

#include <QCoreApplication>
#include <QString>

namespace kestrel {

struct RunSummary;
struct VerifyResult;

// The sentences that sum up a run for the window: the verdict of an import (of a whole
// source or of chosen files) and the status line and verdict of a check of a folder.
class VerdictText {
    Q_DECLARE_TR_FUNCTIONS(kestrel::VerdictText)
  public:
    // What an import did, with the problems of its hash records and report after it.
    static QString ofImport(const RunSummary& summary);
    // Of the chosen files, then of the files not chosen.
    static QString ofSelection(const RunSummary& summary);
    // "Checked 12 recorded files at ROOT."
    static QString checkedLine(const VerifyResult& result, const QString& root);
    // Whether the folder root still holds what its record says.
    static QString ofVerify(const VerifyResult& result, const QString& root);
};

} // namespace kestrel
