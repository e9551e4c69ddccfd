#pragma once

#include "core/session.h"
#include "main/startup.h"
#include "platform/base/mediafs.h"
#include "platform/base/singleinstance.h"
#include "platform/base/platformbundle.h"
#include "support/fakes.h"
#include "support/scripteddialogs.h"
#include "support/recordingmediacontrol.h"
#include "support/testprinter.h"

#include <QTemporaryDir>

// Every service replaced by a double, over a disc in E: ("<disc>"); printed
// jobs go to "<printed>" as PDF files.
struct TestServices
{
    TestServices(const QString &disc, const QString &printed, QSize screenPixels = QSize(800, 600));

    MediaFs fs;
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    FakeScreen screen;
    FakeDesktop desktop;
    std::shared_ptr<MediaLog> media;
    TestPrinter printer;
    MemoryClipboard clipboard;
    FakeEventPump events;
    Platform platform;
    Session session;
};

// One start of the program against a disc in E: ("<dir>/disc") and a program
// folder ("<dir>/program").
struct Harness : TestServices
{
    explicit Harness(const QTemporaryDir &dir, QSize screenPixels = QSize(800, 600));

    SingleInstance instance;
    Startup startup;
};

// Creates an empty file and its folders.
void touchFile(const QString &file);
// Writes a small JPEG photograph and its folders.
void writePhoto(const QString &file, QSize size = QSize(64, 48));
