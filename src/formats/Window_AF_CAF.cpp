#include "formats/Window_AF_CAF.h"

#include "app/AppDelegate.h"
#include "ui_Window_AF_CAF.h"

Window_AF_CAF::Window_AF_CAF(AppDelegate &app, QWidget *parent)
    : FormatOptionsDialog(app, RecordKind::CAF, &AppDelegate::Close_Window_CAF, parent)
{
    Ui::Window_AF_CAF ui;
    ui.setupUi(this);
    bindList(ui.comboSampleSize, "i_Sample_Size");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
}
