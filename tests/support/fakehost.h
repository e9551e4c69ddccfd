#pragma once

#include "viewers/mainwindowhost.h"

#include <QList>
#include <QString>

// A main window that records what the viewers ask of it.
class FakeHost : public MainWindowHost
{
public:
    QWidget *mainWindow() override { return nullptr; }
    QString CurrentSelection() const override { return label; }
    void FocusYearButton() override { ++focusedNext; }
    void focusYearButtonAt(int index) override { focusedAt << index; }
    void enableMainWindow() override { ++enabled; }
    void closeScreenSaverPhotoWindow() override { ++saverClosed; }
    void RefreshSelection() override { ++refreshed; }

    QString label = QStringLiteral("1957");
    int focusedNext = 0;
    QList<int> focusedAt;
    int enabled = 0;
    int saverClosed = 0;
    int refreshed = 0;
};
