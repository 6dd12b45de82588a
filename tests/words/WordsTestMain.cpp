// The catalogue's tests run with English's counted forms installed, as the
// windows run (app/StartUp), so words::Translated says what words::English says.
#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTranslator english;
    if (!english.load(QStringLiteral(":/varelio/translations/varelio_en.qm"))) {
        std::fprintf(stderr, "varelio_en.qm is not among the resources\n");
        return 1;
    }
    QCoreApplication::installTranslator(&english);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
