#include "ui/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace qelvorn::ui {

namespace {

const char* const kKey = "recentInputFiles";

void Store(const QStringList& list) {
    QSettings settings;
    settings.setValue(kKey, list);
}

}  // namespace

QStringList WithRecent(QStringList list, const QString& path, int max) {
    // The same file under another spelling of its path is the same entry.
    const QString full = QFileInfo(path).absoluteFilePath();
    list.removeIf([&](const QString& p) { return QFileInfo(p).absoluteFilePath() == full; });
    list.prepend(full);
    while (list.size() > max) list.removeLast();
    return list;
}

QStringList RecentInputFiles() {
    QStringList list = QSettings().value(kKey).toStringList();
    list.removeAll(QString());
    while (list.size() > kRecentInputFiles) list.removeLast();
    return list;
}

void AddRecentInputFile(const QString& path) { Store(WithRecent(RecentInputFiles(), path)); }

void RemoveRecentInputFile(const QString& path) {
    QStringList list = RecentInputFiles();
    list.removeAll(path);
    Store(list);
}

}  // namespace qelvorn::ui
