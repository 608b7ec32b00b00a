#include "formats/Window_AF_WAV.h"

#include "app/AppDelegate.h"
#include "ui_Window_AF_WAV.h"

Window_AF_WAV::Window_AF_WAV(AppDelegate &app, QWidget *parent)
    : FormatOptionsDialog(app, RecordKind::WAV, &AppDelegate::Close_Window_WAV, parent)
{
    Ui::Window_AF_WAV ui;
    ui.setupUi(this);
    bindList(ui.comboFormat, "i_Format");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
    bindEffects(ui.groupEffects);
}
