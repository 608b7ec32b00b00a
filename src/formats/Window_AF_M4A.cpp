#include "formats/Window_AF_M4A.h"

#include "app/AppDelegate.h"
#include "ui_Window_AF_M4A.h"

Window_AF_M4A::Window_AF_M4A(AppDelegate &app, QWidget *parent)
    : FormatOptionsDialog(app, RecordKind::M4A, &AppDelegate::Close_Window_M4A, parent)
{
    Ui::Window_AF_M4A ui;
    ui.setupUi(this);
    bindList(ui.comboSampleRate, "i_Sample_Rate");
    bindList(ui.comboChannels, "i_Channels");
    bindList(ui.comboBitrate, "i_Bitrate");
}
