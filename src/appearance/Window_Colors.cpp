#include "appearance/Window_Colors.h"

#include "app/AppDelegate.h"
#include "app/PreferenceKeys.h"
#include "appearance/ColorWell.h"
#include "platform/Prompts.h"
#include "ui_Window_Colors.h"

Window_Colors::Window_Colors(AppDelegate *controller, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::Window_Colors>()), m_controller(controller)
{
    m_ui->setupUi(this);
    colorSpectrumBackground = m_ui->colorSpectrumBackground;
    colorSpectrumForeground = m_ui->colorSpectrumForeground;
    colorListBackground = m_ui->colorListBackground;
    colorListForeground = m_ui->colorListForeground;
    check_Alternating_Rows = m_ui->check_Alternating_Rows;
    btnOriginal = m_ui->btnOriginal;

    IPrompts *prompts = controller->services().prompts;
    for (ColorWell *well : {colorSpectrumBackground, colorSpectrumForeground, colorListBackground, colorListForeground})
        well->setChooser([prompts](const QColor &current, const QString &title) {
            return prompts->chooseColor(current, title);
        });

    connect(m_ui->btnOK, &QPushButton::clicked, this, &Window_Colors::OnOK);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &Window_Colors::OnCancel);
    connect(btnOriginal, &QPushButton::clicked, this, &Window_Colors::OnOriginal);
    windowDidLoad();
}

Window_Colors::~Window_Colors() = default;

void Window_Colors::windowDidLoad()
{
    colorSpectrumBackground->setColor(m_controller->colorBackground);
    colorSpectrumForeground->setColor(m_controller->colorSpectrum);
    colorListBackground->setColor(m_controller->colorTableBackground);
    colorListForeground->setColor(m_controller->colorTableForeground);
    check_Alternating_Rows->setChecked(m_controller->b_List_Alternating_Rows == 1);
}

void Window_Colors::OnOK()
{
    if (m_controller)
        m_controller->OK_Window_Colors();
}

void Window_Colors::OnCancel()
{
    if (m_controller)
        m_controller->Cancel_Window_Colors();
}

void Window_Colors::reject()
{
    OnCancel();
}

void Window_Colors::OnOriginal()
{
    // Only the dialog's controls change: OK applies and stores them like any
    // other choice, Cancel leaves the settings and the store as they were.
    colorListBackground->setColor(defaultcolors::tableBackground());
    colorListForeground->setColor(defaultcolors::tableForeground());
    check_Alternating_Rows->setChecked(false);
    colorSpectrumBackground->setColor(defaultcolors::background());
    colorSpectrumForeground->setColor(defaultcolors::spectrum());
}
