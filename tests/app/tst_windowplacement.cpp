#include "app/WindowPlacement.h"

#include <QTest>

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void place_data();
    void place();
    void defaultIsTopRightAndRoundTrips();
};

void TestWindowPlacement::place_data()
{
    // Primary screen 1280x800 with a 30-pixel panel at the bottom.
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("topUp");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("inside stays put")
        << 100.0 << 700.0 << QSize(360, 600) << QRect(100, 100, 360, 600);
    QTest::newRow("below the bottom moves up")
        << 100.0 << 200.0 << QSize(360, 600) << QRect(100, 170, 360, 600);
    QTest::newRow("off the right edge moves left")
        << 1200.0 << 800.0 << QSize(360, 600) << QRect(920, 0, 360, 600);
    QTest::newRow("negative position comes back")
        << -500.0 << 5000.0 << QSize(360, 600) << QRect(0, 0, 360, 600);
    QTest::newRow("larger than the screen shrinks")
        << 0.0 << 800.0 << QSize(2000, 2000) << QRect(0, 0, 1280, 770);
}

void TestWindowPlacement::place()
{
    QFETCH(double, x);
    QFETCH(double, topUp);
    QFETCH(QSize, size);
    const QRect primary(0, 0, 1280, 800);
    const QRect available(0, 0, 1280, 770);
    QTEST(WindowPlacement::Place(x, topUp, size, primary, available), "expected");
}

void TestWindowPlacement::defaultIsTopRightAndRoundTrips()
{
    const QRect primary(0, 0, 1280, 800);
    const QRect available(0, 24, 1280, 776); // a panel at the top
    const QPointF origin = WindowPlacement::DefaultPosition(primary, available, QSize(360, 600));
    const QRect placed =
        WindowPlacement::Place(origin.x(), origin.y(), QSize(360, 600), primary, available);
    QCOMPARE(placed, QRect(920, 24, 360, 600));
    QCOMPARE(WindowPlacement::TopUp(placed.top(), primary), origin.y());
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
