// From the click on the Valider picture to the list painted, for the largest list (77,520 lines), offscreen.
#include "ui/clickablelabel.h"
#include "ui/form1.h"

#include <QApplication>
#include <QListView>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_ClickToPaintedLargestList(benchmark::State& state)
{
    QStringList arguments { QStringLiteral("|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20") };
    ornal::Form1 window(arguments);
    window.show();
    QApplication::setActiveWindow(&window);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::mouseClick(window.controls().Picture10, Qt::LeftButton);
        window.controls().List1->viewport()->repaint();
    }
    state.counters["lines"] = static_cast<double>(window.game().list().size());
}
BENCHMARK(BM_ClickToPaintedLargestList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
