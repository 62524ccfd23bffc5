// The input files used last (loaded or saved), most recent first, kept in
// the user's settings so that File > Recent input files lists them in the
// next session too.
#pragma once

#include <QString>
#include <QStringList>

namespace qelvorn::ui {

constexpr int kRecentInputFiles = 5;

// The list with path in front: an earlier entry of the same file is
// dropped, and the list is cut to max entries.
QStringList WithRecent(QStringList list, const QString& path, int max = kRecentInputFiles);

// The list kept in the settings (QSettings of the application).
QStringList RecentInputFiles();
void AddRecentInputFile(const QString& path);
void RemoveRecentInputFile(const QString& path);

}  // namespace qelvorn::ui
