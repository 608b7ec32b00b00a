#include "formats/Window_AF_FLAC.h"

#include "app/AppDelegate.h"
#include "ui_Window_AF_FLAC.h"

Window_AF_FLAC::Window_AF_FLAC(AppDelegate &app, QWidget *parent)
    : FormatOptionsDialog(app, RecordKind::FLAC, &AppDelegate::Close_Window_FLAC, parent)
{
    Ui::Window_AF_FLAC ui;
    ui.setupUi(this);
    bindList(ui.comboCompression, "i_Compression_Level");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
    bindEffects(ui.groupEffects);
}
