// The icon resource the windows will show: present under its documented
// name in a program that only links the library, the drawing the packaging
// installs, and an SVG document.
#include "resources/ApplicationIcon.h"

#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace varelio {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ApplicationIcon, IsTheInstalledDrawingAsAResource) {
    const QByteArray resource = Contents(QString::fromLatin1(kApplicationIconResource));
    ASSERT_FALSE(resource.isEmpty()) << kApplicationIconResource << " is not compiled in";
    EXPECT_EQ(resource, Contents(QStringLiteral(VARELIO_ICON_SOURCE)));

    QXmlStreamReader xml(resource);
    ASSERT_TRUE(xml.readNextStartElement()) << xml.errorString().toStdString();
    EXPECT_EQ(xml.name(), QLatin1String("svg"));
    EXPECT_EQ(xml.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg"));
    EXPECT_FALSE(xml.attributes().value("viewBox").isEmpty());
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

}  // namespace
}  // namespace varelio
