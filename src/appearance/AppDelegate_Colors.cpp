// The colours dialog and how the list colours are applied. (Being built.)
#include "app/AppDelegate.h"

void AppDelegate::setUpAppearance() {}
void AppDelegate::OnUserToolbarColors() {}
void AppDelegate::OK_Window_Colors() {}
void AppDelegate::Cancel_Window_Colors() {}
void AppDelegate::TimerSetAlternatingRowsRoutine() {}
QColor AppDelegate::cellTextColor() const { return colorTableForeground; }
