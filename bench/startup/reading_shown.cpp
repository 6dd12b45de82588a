// Time from pressing "&Get My Manglik Reading" to the reading window's first
// paint, on a real display (run under Xvfb by measure.sh). The worked example
// is calculated, then Back, again and again; the last reading can be left on
// screen for a screenshot.
//
//   reading_shown [runs] [hold-seconds]
#include "app/Dialogs.h"
#include "app/Application.h"
#include "app/InputWindow.h"
#include "app/ReadingView.h"
#include "app/ReadingWindow.h"
#include "tests/support/SampleBirths.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace varelio;
using namespace varelio::app;

namespace {

FormValues WorkedExample() { return samples::DelhiForm(); }

class FirstPaint final : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int holdSeconds = argc > 2 ? std::atoi(argv[2]) : 0;

    QtDialogs dialogs;
    Application program(dialogs);
    program.start();
    QApplication::processEvents();
    QPushButton* calculate = program.inputWindow().findChild<QPushButton*>(QStringLiteral("cmdCalculate"));

    std::vector<double> driverMs, shownMs;
    for (int run = 0; run < runs; ++run) {
        program.inputWindow().setFormValues(WorkedExample());
        QApplication::processEvents();

        QElapsedTimer clock;
        clock.start();
        calculate->click();  // the driver runs inside the click
        const double driver = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        ReadingWindow* frame = program.readingWindow();
        if (!frame) {
            std::fprintf(stderr, "no reading window opened\n");
            return 1;
        }
        FirstPaint watch;
        frame->readingView().installEventFilter(&watch);
        while (!watch.painted && clock.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        const double shown = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        frame->readingView().removeEventFilter(&watch);
        driverMs.push_back(driver);
        shownMs.push_back(shown);
        if (run + 1 < runs) {
            program.back();
            QApplication::processEvents();
        }
    }

    auto report = [](const char* what, std::vector<double> values) {
        std::sort(values.begin(), values.end());
        std::printf("%-34s median %7.2f ms  min %7.2f  max %7.2f  (n=%zu)\n", what, values[values.size() / 2],
                    values.front(), values.back(), values.size());
    };
    report("press to driver done", driverMs);
    report("press to reading window painted", shownMs);
    std::fflush(stdout);

    if (holdSeconds > 0) {
        QTimer::singleShot(holdSeconds * 1000, &application, &QCoreApplication::quit);
        return QApplication::exec();
    }
    return 0;
}
