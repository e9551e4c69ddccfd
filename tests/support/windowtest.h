#pragma once

#include <QObject>
#include <QString>
#include <QTest>

// Thrown after failing the test when a control is missing.
struct MissingControl
{
};

// A control of a window by its designed name, as a user or a screen reader
// finds it; fails the test when there is none.
template<typename Control = QWidget>
Control *control(const QObject *window, const QString &name)
{
    auto *found = window->findChild<Control *>(name);
    if (!found) {
        QTest::qFail(qPrintable(QStringLiteral("no control ") + name), __FILE__, __LINE__);
        throw MissingControl{};
    }
    return found;
}

class SSCommand;
// The year button cmdYR(index) of the main window.
SSCommand *yearButton(const QObject *mainWindow, int index);

// A click as a real mouse gives it: the press, the repaints and other events
// it sets off, then the release. QTest::mouseClick and click() leave out the
// events in between, where a repaint may move the focus.
void realClick(QWidget *control, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint());

// A double-click as a real mouse gives it: press, release, the second press
// (a double-click event), release.
void realDoubleClick(QWidget *control);
