#pragma once

#include "mediacopy.h"
#include "platform/ui/sspanel.h"

#include <QElapsedTimer>

class MainWindowHost;
class QLabel;
class QLineEdit;
class SSCommand;
struct Platform;
struct Session;

// pnlProgress: the panel that copies the disc's photographs or movies into
// the program folder, with a gauge for the file and one for the whole job.
class CopyPanel : public SSPanel
{
    Q_OBJECT
public:
    // top: where the panel opens, in the main window's pixels.
    CopyPanel(Platform &platform, Session &session, MainWindowHost &host, int top, QWidget *client);

    void mnuCopy_Click();
    void mnuCopyMovies_Click();
    // Prepares the panel for CopyKind, checks the free space and shows the
    // panel, or refuses.
    void OpenCopyPanel();
    void cmdCopy_Click();
    void cmdCancel_Click();
    // The main window is closing: a running job stops after its chunk.
    void stopJob() { m_stopped = true; }

private:
    // The free bytes of the volume that holds ProgramFolder, or nothing
    // (after "Internal GetDisk error!").
    qint64 GetDiskFree();
    // Both copy every file of the kind; the number of files that failed.
    int CopyPhotos();
    int CopyMovies();
    // Copies the names from the folder of the disc into the same folder of
    // ProgramFolder; the number of files that failed.
    int copyFiles(const QStringList &names, const QString &folder);
    CopyFailure CopyMediaFile(const QString &source, const QString &destination);
    void finishJob(int failed, int total);

    Platform &m_platform;
    Session &m_session;
    MainWindowHost &m_host;
    const int m_top;
    QLabel *m_Label2;
    QLabel *m_Label1;
    QLineEdit *m_Text1;
    SSPanel *m_ProgressGuage;
    QLabel *m_Image1;
    SSPanel *m_ProgressGuage2;
    SSCommand *m_cmdCopy;
    SSCommand *m_cmdCancel;
    // Counts down from the job's total by a chunk at a time (64 bits: a
    // job of large movies must not overflow it).
    qint64 RemainingBytes = 0;
    bool CopyDeclined = false;
    QElapsedTimer m_repaintClock;
    bool m_stopped = false;
};
