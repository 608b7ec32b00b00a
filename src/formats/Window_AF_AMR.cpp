#include "formats/Window_AF_AMR.h"

#include "app/AppDelegate.h"
#include "ui_Window_AF_AMR.h"

Window_AF_AMR::Window_AF_AMR(AppDelegate &app, QWidget *parent)
    : FormatOptionsDialog(app, RecordKind::AMR, &AppDelegate::Close_Window_AMR, parent)
{
    Ui::Window_AF_AMR ui;
    ui.setupUi(this);
    bindList(ui.comboBitrate, "i_Bitrate");
}
