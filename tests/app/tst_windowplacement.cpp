#include "app/WindowPlacement.h"

#include <QTest>
#include <limits>

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void place_data();
    void place();
    void defaultIsTopRightAndRoundTrips();
    void nearTrayIcon_data();
    void nearTrayIcon();
};

void TestWindowPlacement::place_data()
{
    // Primary screen 1280x800 with a 30-pixel panel at the bottom; a second screen,
    // 1920x1080, to its right.
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("topUp");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QRect>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("inside stays put")
        << 100.0 << 700.0 << 360.0 << 600.0 << QRect(100, 100, 360, 600);
    QTest::newRow("below the bottom moves up")
        << 100.0 << 200.0 << 360.0 << 600.0 << QRect(100, 170, 360, 600);
    QTest::newRow("off the right edge moves left")
        << 1200.0 << 800.0 << 360.0 << 600.0 << QRect(920, 0, 360, 600);
    QTest::newRow("negative position comes back")
        << -500.0 << 5000.0 << 360.0 << 600.0 << QRect(0, 0, 360, 600);
    QTest::newRow("larger than the screen shrinks")
        << 0.0 << 800.0 << 2000.0 << 2000.0 << QRect(0, 0, 1280, 770);
    QTest::newRow("fractional values round")
        << 100.4 << 699.6 << 359.5 << 600.2 << QRect(100, 100, 360, 600);
    QTest::newRow("on the second screen stays there")
        << 1500.0 << 700.0 << 360.0 << 600.0 << QRect(1500, 100, 360, 600);
    QTest::newRow("at the second screen's left edge stays on it")
        << 1280.0 << 700.0 << 360.0 << 600.0 << QRect(1280, 100, 360, 600);
    QTest::newRow("off every screen goes to the nearest")
        << 5000.0 << 700.0 << 360.0 << 600.0 << QRect(2840, 100, 360, 600);
    QTest::newRow("huge values are clamped")
        << 1e30 << -1e30 << 1e30 << -1e30 << QRect(0, 769, 1280, 1);
    QTest::newRow("most negative top")
        << 0.0 << -2147483648.0 << 360.0 << 600.0 << QRect(1280, 480, 360, 600);
    QTest::newRow("not a number counts as zero")
        << nan << nan << 1e30 << nan << QRect(0, 769, 1280, 1);
}

void TestWindowPlacement::place()
{
    QFETCH(double, x);
    QFETCH(double, topUp);
    QFETCH(double, width);
    QFETCH(double, height);
    const QRect primary(0, 0, 1280, 800);
    const QList<QRect> areas = {QRect(0, 0, 1280, 770), QRect(1280, 0, 1920, 1080)};
    QTEST(WindowPlacement::Place(x, topUp, width, height, primary, areas), "expected");
}

void TestWindowPlacement::defaultIsTopRightAndRoundTrips()
{
    const QRect primary(0, 0, 1280, 800);
    const QRect available(0, 24, 1280, 776); // a panel at the top
    const QPointF origin = WindowPlacement::DefaultPosition(primary, available, QSize(360, 600));
    const QRect placed =
        WindowPlacement::Place(origin.x(), origin.y(), 360, 600, primary, {available});
    QCOMPARE(placed, QRect(920, 24, 360, 600));
    QCOMPARE(WindowPlacement::TopUp(placed.top(), primary), origin.y());
}

void TestWindowPlacement::nearTrayIcon_data()
{
    // A 1280x800 screen; the window is 360x600.
    QTest::addColumn<QRect>("icon");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("bottom panel, right corner: above the icon, kept on screen")
        << QRect(1240, 776, 24, 24) << QRect(0, 0, 1280, 770) << QPoint(920, 170);
    QTest::newRow("bottom panel, middle: centred above the icon")
        << QRect(628, 776, 24, 24) << QRect(0, 0, 1280, 770) << QPoint(459, 170);
    QTest::newRow("top panel: below the icon")
        << QRect(1240, 0, 24, 24) << QRect(0, 30, 1280, 770) << QPoint(920, 30);
    QTest::newRow("left panel: beside the icon")
        << QRect(0, 400, 24, 24) << QRect(30, 0, 1250, 800) << QPoint(30, 111);
}

void TestWindowPlacement::nearTrayIcon()
{
    QFETCH(QRect, icon);
    QFETCH(QRect, available);
    QTEST(WindowPlacement::NearTrayIcon(icon, QSize(360, 600), available), "expected");
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
