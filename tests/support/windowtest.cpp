#include "windowtest.h"

#include "platform/ui/controls.h"
#include "platform/ui/sscommand.h"

#include <QCoreApplication>

SSCommand *yearButton(const QObject *mainWindow, int index)
{
    return control<SSCommand>(mainWindow, arrayName(QStringLiteral("cmdYR"), index));
}

void realClick(QWidget *control, Qt::MouseButton button, QPoint at)
{
    const QPoint place = at.isNull() ? control->rect().center() : at;
    QTest::mousePress(control, button, {}, place);
    QCoreApplication::processEvents();
    QTest::mouseRelease(control, button, {}, place);
    QCoreApplication::processEvents();
}

void realDoubleClick(QWidget *control)
{
    const QPoint place = control->rect().center();
    QTest::mousePress(control, Qt::LeftButton, {}, place);
    QTest::mouseRelease(control, Qt::LeftButton, {}, place);
    QTest::mouseDClick(control, Qt::LeftButton, {}, place);
    QTest::mouseRelease(control, Qt::LeftButton, {}, place);
    QCoreApplication::processEvents();
}
