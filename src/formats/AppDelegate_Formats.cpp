// Output format selection and the options dialogs. (Being built.)
#include "app/AppDelegate.h"

#include <QComboBox>

void AppDelegate::setUpFormats() {}

void AppDelegate::FillComboboxOutputFormats()
{
    for (const OutputFormat &format : formats::all())
        comboboxOutputFormat->addItem(format.item);
}

void AppDelegate::OnComboOutputFormat() {}
void AppDelegate::OnUserFormatOptions() {}
void AppDelegate::Close_Window_AIFF() {}
void AppDelegate::Close_Window_AMR() {}
void AppDelegate::Close_Window_AU() {}
void AppDelegate::Close_Window_CAF() {}
void AppDelegate::Close_Window_FLAC() {}
void AppDelegate::Close_Window_MP3() {}
void AppDelegate::Close_Window_OGG() {}
void AppDelegate::Close_Window_RAW() {}
void AppDelegate::Close_Window_SPX() {}
void AppDelegate::Close_Window_WAV() {}
void AppDelegate::Close_Window_WMA() {}
void AppDelegate::Close_Window_M4A() {}
