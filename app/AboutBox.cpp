#include "app/AboutBox.h"

#include "VarelioVersion.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include <dlfcn.h>

namespace varelio::app {

namespace {

// The translators' context of the About box's words.
class AboutWords {
    Q_DECLARE_TR_FUNCTIONS(AboutBox)
};

}  // namespace

bool CreditGeoNames(PlaceFinder::State state, const char* library)
{
    switch (state) {
        case PlaceFinder::State::Ready: return true;
        case PlaceFinder::State::Absent: return false;
        case PlaceFinder::State::NotLoaded:
        case PlaceFinder::State::Loading: break;
    }
    // Opening the library reads no cities. It is never closed again, as the
    // finder does not close it (GLib-based libraries are not safe to unload),
    // and the finder's own opening later finds it loaded.
    return dlopen(library, RTLD_NOW | RTLD_LOCAL) != nullptr;
}

std::unique_ptr<QDialog> MakeAboutBox(QWidget* parent, bool creditGeoNames)
{
    auto box = std::make_unique<QDialog>(parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setWindowTitle(AboutWords::tr("About Varelio"));
    box->setModal(true);

    auto* layout = new QVBoxLayout(box.get());
    auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(AboutWords::tr("Varelio").toHtmlEscaped()), box.get());
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    name->setFont(big);
    layout->addWidget(name);
    auto addLine = [&](const QString& text) {
        auto* line = new QLabel(text, box.get());
        line->setTextFormat(Qt::PlainText);
        layout->addWidget(line);
    };
    addLine(AboutWords::tr("Version %1").arg(QStringLiteral(VARELIO_VERSION)));
    addLine(AboutWords::tr("Computes a Vedic birth chart and tells whether a person is Manglik,\n"
                           "counting the house of Mars from the ascendant and from the Moon."));
    addLine(AboutWords::tr("This program is free software under the GNU General Public License, version 3 or later."));
    if (creditGeoNames)
        addLine(AboutWords::tr("Places from GeoNames (geonames.org), CC BY 4.0"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box.get());
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);
    layout->addWidget(buttons);
    return box;
}

void ShowAboutBox(QWidget* parent, PlaceFinder::State state)
{
    MakeAboutBox(parent, CreditGeoNames(state))->exec();
}

}  // namespace varelio::app
