// Input file list operations of the controller. (Being built.)
#include "app/AppDelegate.h"

void AppDelegate::setUpFileList() {}
void AppDelegate::OnUserToolbarAddVideos() {}
void AppDelegate::OnUserToolbarAddFolder() {}
void AppDelegate::addPaths(const QStringList &) {}
QString AppDelegate::GetMediaFileDuration(const QString &) { return QString(); }
qint64 AppDelegate::Return_Seconds_From_Duration_Str(const QString &) { return 0; }
void AppDelegate::refreshTableVideoFiles() {}
void AppDelegate::sortDescriptorsDidChange(int) {}
void AppDelegate::OnUserToolbarRemove() {}
void AppDelegate::OnUserToolbarClear() {}
bool AppDelegate::isAdding() const { return false; }
