#pragma once

#include "platform/ui/sspanel.h"

// pnlProgress: the panel with the gauges of a copy to the hard disk.
class CopyPanel : public SSPanel
{
    Q_OBJECT
public:
    explicit CopyPanel(QWidget *client);
};
