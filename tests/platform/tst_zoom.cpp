#include "platform/base/zoom.h"
#include "platform/ui/stretchedimage.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The offscreen window system with one screen of this size.
QByteArray offscreenOf(QSize size, const QTemporaryDir &dir)
{
    const QString config
        = dir.filePath(QStringLiteral("screens-%1x%2.json").arg(size.width()).arg(size.height()));
    QFile file(config);
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral(R"({"screens":[{"width":%1,"height":%2}]})")
                   .arg(size.width())
                   .arg(size.height())
                   .toUtf8());
    return "offscreen:configfile=" + config.toLocal8Bit();
}
}

// Each case creates its own application object, as the program does after probing.
class TestZoom : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QByteArray m_program = "tst_zoom";
    char *m_argv[2] = { m_program.data(), nullptr };

private Q_SLOTS:
    void factorByScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("zoom");
        QTest::newRow("800 x 600, the design's own") << QSize(800, 600) << 1.0;
        QTest::newRow("1024 x 768, the design only just fits") << QSize(1024, 768) << 1.0;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.5;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 3.0;
        QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 2.0;
        QTest::newRow("1280 x 1024, the width decides") << QSize(1280, 1024) << 1.25;
        QTest::newRow("640 x 480, smaller than the design") << QSize(640, 480) << 1.0;
        QTest::newRow("no screen") << QSize() << 1.0;
        QTest::newRow("a wall of screens") << QSize(30000, 20000) << 8.0;
    }
    void factorByScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(double, zoom);
        QCOMPARE(zoomForScreen(screen), zoom);
    }

    void desktopScalingIsReplacedByTheZoom_data()
    {
        QTest::addColumn<QByteArray>("desktopFactor");
        QTest::newRow("none") << QByteArray();
        QTest::newRow("150 %") << QByteArray("1.5");
        QTest::newRow("200 %") << QByteArray("2");
    }
    void desktopScalingIsReplacedByTheZoom()
    {
        QFETCH(QByteArray, desktopFactor);
        qputenv("QT_QPA_PLATFORM", offscreenOf(QSize(1920, 1080), m_dir));
        if (!desktopFactor.isEmpty())
            qputenv("QT_SCALE_FACTOR", desktopFactor);
        const std::optional<ScreenProbe> screen = probePrimaryScreen(1, m_argv);
        QVERIFY(screen);
        QCOMPARE(screen->devicePixels(), QSize(1920, 1080));

        applyZoom(zoomForScreen(screen->devicePixels()), *screen);
        int argc = 1;
        QApplication app(argc, m_argv);
        // The window rules see the design's pixels: 1920 x 1080 at 1.5.
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(1280, 720));
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.5);
    }

    void photographsStaySharpWhenZoomed()
    {
        qputenv("QT_QPA_PLATFORM", offscreenOf(QSize(1920, 1080), m_dir));
        applyZoom(1.5, ScreenProbe { QSize(1920, 1080), 1 });
        int argc = 1;
        QApplication app(argc, m_argv);
        // One-pixel stripes at the zoomed size: any scaling on the way blurs them.
        QImage photo(150, 75, QImage::Format_RGB32);
        for (int x = 0; x < photo.width(); ++x)
            for (int y = 0; y < photo.height(); ++y)
                photo.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 80));
        StretchedImage image;
        image.resize(100, 50);
        image.setImage(photo);
        const QPixmap shown = image.grab();
        QCOMPARE(shown.devicePixelRatio(), 1.5);
        QImage pixels = shown.toImage().convertToFormat(QImage::Format_RGB32);
        pixels.setDevicePixelRatio(1);
        QCOMPARE(pixels, photo);
    }
};

QTEST_APPLESS_MAIN(TestZoom)
#include "tst_zoom.moc"
