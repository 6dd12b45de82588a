#include "app/AboutBox.h"

#include "VarelioVersion.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace varelio::app {

void ShowAboutBox(QWidget* parent)
{
    QDialog box(parent);
    box.setWindowTitle(QStringLiteral("About Varelio"));
    box.setModal(true);

    auto* layout = new QVBoxLayout(&box);
    auto* name = new QLabel(QStringLiteral("<b>Varelio</b>"), &box);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    name->setFont(big);
    layout->addWidget(name);
    layout->addWidget(new QLabel(QStringLiteral("Version " VARELIO_VERSION), &box));
    layout->addWidget(new QLabel(
        QStringLiteral("Computes a Vedic birth chart and tells whether a person is Manglik,\n"
                       "counting the house of Mars from the ascendant and from the Moon."),
        &box));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}

}  // namespace varelio::app
