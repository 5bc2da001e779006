// The live plot draws each value as it comes and the whole run only when its axes change.

#include <QTest>

#include <cmath>

#include "core/CTzLabDoc.h"
#include "tests/gui/GuiTestRegistry.h"
#include "ui/LivePlot.h"

namespace lx::test {

class LivePlotTest : public QObject {
    Q_OBJECT

private slots:
    void anHourOfValuesRedrawsTheWholeRunOnlyWhenTheAxesGrow() {
        CTzLabDoc method;
        ChannelSetup& setup = method.m_ChannelSetup;
        setup.stopTime = 1.0;  // one minute shown at first; the axis follows a longer run
        LivePlot plot;
        plot.resize(800, 400);
        plot.SetSource(&method);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        const int before = plot.FullRedraws();
        const int count = 20 * 60 * 60;
        for (int k = 0; k < count; ++k) {
            // A peak of 50 mV at 30 minutes takes the level axis beyond its first limit once.
            const double t = (k - 36000) / 400.0;
            const auto value = std::int32_t(2000 + 50000 * std::exp(-t * t));
            method.m_Samples.SetAt(std::size_t(k), value);
            plot.AddPoint(k, value);
            if (k % 600 == 0)
                QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        plot.repaint();
        // The time axis doubles from 1 to 64 minutes (6 times), the level axis settles on the
        // first value and widens by a quarter at a time on the peak's flank: tens of whole
        // redraws for 72,000 values.
        const int redraws = plot.FullRedraws() - before;
        QVERIFY2(redraws >= 7 && redraws <= 30, qPrintable(QString::number(redraws)));
        QCOMPARE(plot.PointCount(), count);
        QVERIFY(plot.View().m_TimeMax >= 60.0);
        QVERIFY(plot.View().m_SignalMax >= 52000);

        // A fixed axis never moves, whatever comes.
        setup.fixX = setup.fixY = 1;
        plot.Reset();
        const PlotView fixed = plot.View();
        for (int k = 0; k < 5000; ++k)
            plot.AddPoint(k, 2000000);
        QCOMPARE(plot.View(), fixed);
    }

    // While a stopped run is filed its samples are in the record, not the channel's; the plot
    // may be redrawn meanwhile (a question of the filing, a resize).
    void aRunWhoseSamplesLeftRedrawsWithoutThem() {
        CTzLabDoc method;
        LivePlot plot;
        plot.resize(400, 300);
        plot.SetSource(&method);
        for (int k = 0; k < 1000; ++k) {
            method.m_Samples.SetAt(std::size_t(k), 1000 + k);
            plot.AddPoint(k, 1000 + k);
        }
        const SampleArray filed = std::move(method.m_Samples);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        const int before = plot.FullRedraws();
        plot.resize(500, 300);
        plot.repaint();
        QVERIFY(plot.FullRedraws() > before);
        QCOMPARE(filed.At(999), 1999);
    }
};

static RegisterGuiTest<LivePlotTest> registration;

}  // namespace lx::test

#include "LivePlotTest.moc"
