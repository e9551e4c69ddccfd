#pragma once

#include "core/mainwindowhost.h"

#include <QList>
#include <QString>
#include <QStringList>

// A main window that records what the error reporter, viewers and panels ask
// of it: every call in order in calls ("focus", "enable", "refresh", ...).
class FakeHost : public MainWindowHost
{
public:
    QWidget *mainWindow() override { return window; }
    QString CurrentSelection() const override { return label; }
    void FocusYearButton() override { record(QStringLiteral("focus"), focusedNext); }
    void focusYearButtonAt(int index) override
    {
        calls << QStringLiteral("focus %1").arg(index);
        focusedAt << index;
    }
    void disableMainWindow() override { record(QStringLiteral("disable"), disabled); }
    void enableMainWindow() override { record(QStringLiteral("enable"), enabled); }
    void placePanel(QWidget *, int top) override { calls << QStringLiteral("place %1").arg(top); }
    void closeScreenSaverPhotoWindow() override { record(QStringLiteral("close saver"), saverClosed); }
    void RefreshScreenSaverButtons() override { record(QStringLiteral("saver buttons"), saverRefreshed); }
    void RefreshSelection() override { record(QStringLiteral("refresh"), refreshed); }

    bool showHandedBackPhoto(const QString &mediaPath) override
    {
        calls << QStringLiteral("photo ") + mediaPath;
        return photoLoads;
    }
    void setPhotoNumber(const QString &number) override { calls << QStringLiteral("number ") + number; }
    void setSelectionLabel(const QString &text) override
    {
        calls << QStringLiteral("label ") + text;
        label = text;
    }
    void setFileName(const QString &fileName) override { calls << QStringLiteral("file ") + fileName; }
    void setStatsCaption(const QString &caption) override { calls << QStringLiteral("stats ") + caption; }
    void setDetailButtonEnabled(SelectionRules::DetailButton button, bool enabled) override
    {
        calls << QStringLiteral("button %1 %2").arg(int(button)).arg(enabled ? u"on" : u"off");
    }

    QWidget *window = nullptr;
    QString label = QStringLiteral("1957");
    bool photoLoads = true;
    QStringList calls;
    int focusedNext = 0;
    QList<int> focusedAt;
    int disabled = 0;
    int enabled = 0;
    int saverClosed = 0;
    int saverRefreshed = 0;
    int refreshed = 0;

private:
    void record(const QString &call, int &count)
    {
        calls << call;
        ++count;
    }
};
