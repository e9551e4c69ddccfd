#include "platform/base/mediafs.h"
#include "platform/base/settingsstore.h"
#include "platform/richtext/rtfreader.h"
#include "platform/ui/controls.h"
#include "platform/ui/richtextbox.h"
#include "platform/ui/spinbutton.h"
#include "platform/ui/sscommand.h"
#include "platform/ui/sspanel.h"
#include "platform/ui/stretchedimage.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>

class TestWidgets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void panelGaugeClampsAndNamesItself()
    {
        SSPanel panel;
        panel.setCaption(QStringLiteral("Copying photos"));
        QCOMPARE(panel.accessibleName(), QStringLiteral("Copying photos"));
        panel.setFloodEnabled(true);
        panel.setFloodPercent(140);
        QCOMPARE(panel.floodPercent(), 100);
        QCOMPARE(panel.accessibleName(), QStringLiteral("100%"));
        panel.setFloodPercent(-3);
        QCOMPARE(panel.floodPercent(), 0);
        panel.setFloodEnabled(false);
        QCOMPARE(panel.accessibleName(), QStringLiteral("Copying photos"));
    }

    void spinHalvesSignalAndAreNamed()
    {
        SpinButton spin(Qt::Horizontal);
        spin.resize(41, 20);
        spin.show();
        QSignalSpy up(&spin, &SpinButton::SpinUp), down(&spin, &SpinButton::SpinDown);
        QCOMPARE(spin.upButton()->accessibleName(), QStringLiteral("Up"));
        QVERIFY(spin.downButton()->x() < spin.upButton()->x()); // Down on the left
        QTest::mouseClick(spin.upButton(), Qt::LeftButton);
        QTest::mouseClick(spin.downButton(), Qt::LeftButton);
        QTest::mouseClick(spin.downButton(), Qt::LeftButton);
        QCOMPARE(up.size(), 1);
        QCOMPARE(down.size(), 2);
        spin.setHalfNames(QStringLiteral("Forward"), QStringLiteral("Back"));
        QCOMPARE(spin.downButton()->accessibleName(), QStringLiteral("Back"));
    }

    // Return and Enter press the button with the focus; Escape in a panel
    // presses its Close, unless that cannot be pressed now.
    void keysPressTheButtonsAUserMeans()
    {
        QWidget window;
        SSPanel *panel = makePanel(&window, QStringLiteral("pnlSound"), QString(), Twips{ 0, 0, 3000, 3000 });
        SSCommand *play = makeButton(panel, QStringLiteral("SSCommand2(0)"), QStringLiteral("Play"), Twips{ 0, 0, 900, 300 });
        SSCommand *close = makeButton(panel, QStringLiteral("SSCommand1"), QStringLiteral("Close"), Twips{ 0, 600, 900, 300 });
        panel->setEscapeButton(close);
        window.show();
        QSignalSpy played(play, &QPushButton::clicked), closed(close, &QPushButton::clicked);
        play->setFocus();
        QTest::keyClick(play, Qt::Key_Return);
        QTRY_COMPARE(played.size(), 1);
        QTest::keyClick(play, Qt::Key_Enter);
        QTRY_COMPARE(played.size(), 2);
        QTest::keyClick(play, Qt::Key_Escape); // passed on from the button to its panel
        QCOMPARE(closed.size(), 1);
        close->setEnabled(false);
        QTest::keyClick(play, Qt::Key_Escape);
        close->setEnabled(true);
        close->hide();
        QTest::keyClick(play, Qt::Key_Escape);
        QCOMPARE(closed.size(), 1);
        QCOMPARE(played.size(), 2);
    }

    void stretchedImageReportsButtonsAndFillsItsBox()
    {
        QWidget parent;
        StretchedImage *image = makeImage(&parent, QStringLiteral("Image4"), Twips{ 120, 360, 11640, 7440 });
        QCOMPARE(image->geometry(), QRect(8, 24, 776, 496));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        image->setImage(picture);
        QVERIFY(image->hasImage());
        const QImage shown = image->grab().toImage();
        QCOMPARE(shown.size(), QSize(776, 496));
        QCOMPARE(QColor(shown.pixel(775, 495)), QColor(Qt::red)); // stretched to the corner

        QSignalSpy pressed(image, &StretchedImage::mousePressed), clicked(image, &StretchedImage::clicked);
        QTest::mouseClick(image, Qt::RightButton);
        QTest::mouseClick(image, Qt::LeftButton);
        QCOMPARE(pressed.size(), 2);
        QCOMPARE(pressed.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(clicked.size(), 1);
    }

    void aDisabledButtonLooksDisabledWhateverItsCaptionColour()
    {
        SSCommand button(QStringLiteral("1957"));
        button.resize(48, 25);
        button.setCaptionColor(QColor(255, 0, 0));
        auto redPixels = [&] {
            const QImage shown = button.grab().toImage();
            int red = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const QColor c = shown.pixelColor(x, y);
                    red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
                }
            return red;
        };
        QVERIFY(redPixels() > 0);
        button.setEnabled(false);
        QCOMPARE(redPixels(), 0);
        QCOMPARE(button.captionColor(), QColor(255, 0, 0)); // enabled again, it is red again
    }

    void aCaptionTooWideIsCutShortOnOneLine()
    {
        SSPanel panel;
        panel.resize(61, 20); // panYear
        panel.setCaption(QStringLiteral("Vireon Postage Stamps "));
        QVERIFY(panel.captionCutShort());
        QCOMPARE(panel.accessibleName(), QStringLiteral("Vireon Postage Stamps "));
        // One line: nothing is drawn in the panel's lower part below the text line.
        const QImage shown = panel.grab().toImage();
        const int lineBottom = (20 + panel.fontMetrics().height()) / 2 + 1;
        const QColor back = shown.pixelColor(30, 19 - 2);
        for (int y = lineBottom; y < 18; ++y)
            for (int x = 3; x < 58; ++x)
                QCOMPARE(shown.pixelColor(x, y), back);
        QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), panel.mapToGlobal(QPoint(5, 5)));
        panel.show();
        QApplication::sendEvent(&panel, &tip);
        QCOMPARE(QToolTip::text(), QStringLiteral("Vireon Postage Stamps "));
        panel.setCaption(QStringLiteral("1957"));
        QVERIFY(!panel.captionCutShort());
    }

    void aPhotographKeepsItsProportions()
    {
        QWidget parent;
        StretchedImage *image = makeImage(&parent, QStringLiteral("Image4"), Twips{ 120, 360, 11640, 7440 });
        image->setKeepsProportions(true);
        QImage picture(40, 30, QImage::Format_RGB32); // 4:3 in a box of about 1.56:1
        picture.fill(Qt::red);
        image->setImage(picture);
        QCOMPARE(image->pictureRect(), QRect(57, 0, 661, 496));
        const QImage shown = image->grab().toImage();
        QVERIFY(QColor(shown.pixel(10, 248)) != QColor(Qt::red)); // a margin left and right
        QCOMPARE(QColor(shown.pixel(388, 248)), QColor(Qt::red));
        picture = QImage(776, 496, QImage::Format_RGB32);
        picture.fill(Qt::red);
        image->setImage(picture);
        QCOMPARE(image->pictureRect(), image->rect()); // the box's own proportions fill it
    }

    // The details pane loads a document at every photograph step.
    void richTextBoxHoldsOneDocument()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("57desc.rtf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi Chrome and fins.}");
        file.close();
        const MediaFs fs(DriveMap({ { u'E', dir.path() } }));
        RichTextBox box;
        for (int i = 0; i < 50; ++i)
            QVERIFY(box.loadFile(fs, QStringLiteral("E:\\57DESC.RTF")));
        QVERIFY(!box.loadFile(fs, QStringLiteral("E:\\missing.rtf")));
        QCOMPARE(box.findChildren<QTextDocument *>().size(), 1);
        QCOMPARE(box.toPlainText(), QStringLiteral("Chrome and fins."));
    }

    // A document file larger than the reader takes is refused without being read.
    void hugeDocumentIsNotRead()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("colors.rtf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi ");
        if (!file.resize(qint64(32) << 30)) // sparse: takes no room on disc
            QSKIP("the file system cannot hold a sparse 32 GiB file");
        file.close();
        const MediaFs fs(DriveMap({ { u'E', dir.path() } }));
        RichTextBox box;
        QVERIFY(!box.loadFile(fs, QStringLiteral("E:\\colors.rtf")));
        QVERIFY(!fs.readAll(QStringLiteral("E:\\colors.rtf"), MaxRtfBytes));
    }

    void settingsSurviveAndFallBackToDefaults()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        {
            QtSettingsStore store;
            store.write(QStringLiteral("The Vireon Anthology"), QStringLiteral("Settings"), QStringLiteral("MainLeft"),
                        QStringLiteral("150"));
        }
        QtSettingsStore store;
        QCOMPARE(store.read("The Vireon Anthology", "Settings", "MainLeft", "0"), QStringLiteral("150"));
        QCOMPARE(store.read("The Vireon Anthology", "Settings", "MainTop", "7"), QStringLiteral("7"));
        const QString file = QtSettingsStore::fileOf(QStringLiteral("The Vireon Anthology"));
        QVERIFY(file.startsWith(config.path()));

        // A damaged file gives the defaults. (Its length differs from the
        // good file's, so that QSettings does not take it for the file it read.)
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        const char bytes[] = "\x00\xff[Settings\nMainLeft\n=\x01\x02\x03\x04\x05";
        damaged.write(bytes, sizeof(bytes) - 1);
        damaged.close();
        QCOMPARE(QtSettingsStore().read("The Vireon Anthology", "Settings", "MainLeft", "0"), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
