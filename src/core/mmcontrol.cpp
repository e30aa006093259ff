#include "core/mmcontrol.h"

// Silent until the sound players land with the start settings window.
MMControl::MMControl(const QString &name, QObject *parent) : QObject(parent) { setObjectName(name); }
void MMControl::Command(const QString &) {}
int MMControl::Mode() const { return kNotOpen; }
