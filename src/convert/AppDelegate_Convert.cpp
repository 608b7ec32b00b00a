// The Convert command and the end of a run. (Being built.)
#include "app/AppDelegate.h"

void AppDelegate::setUpConvert() {}
void AppDelegate::OnUserToolbarConvert() {}
void AppDelegate::Close_Window_Convert() {}
