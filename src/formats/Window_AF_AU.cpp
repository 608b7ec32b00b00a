#include "formats/Window_AF_AU.h"

#include "app/AppDelegate.h"
#include "ui_Window_AF_AU.h"

Window_AF_AU::Window_AF_AU(AppDelegate &app, QWidget *parent)
    : FormatOptionsDialog(app, RecordKind::AU, &AppDelegate::Close_Window_AU, parent)
{
    Ui::Window_AF_AU ui;
    ui.setupUi(this);
    bindList(ui.comboCodec, "i_Codec");
    bindList(ui.comboSampleRate, "i_Samplerate");
    bindList(ui.comboChannels, "i_Channels");
    bindEffects(ui.groupEffects);
}
