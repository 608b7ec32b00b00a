#include "formats/Window_AF_RAW.h"

#include "app/AppDelegate.h"
#include "ui_Window_AF_RAW.h"

Window_AF_RAW::Window_AF_RAW(AppDelegate &app, QWidget *parent)
    : FormatOptionsDialog(app, RecordKind::RAW, &AppDelegate::Close_Window_RAW, parent)
{
    Ui::Window_AF_RAW ui;
    ui.setupUi(this);
    bindList(ui.comboFormat, "i_Format");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
}
