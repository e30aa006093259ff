// Start settings window: owns the eight sound players and the progress bar
// of the load at start.
#pragma once

#include "core/controls.h"
#include "core/form.h"
#include "core/mmcontrol.h"

class Form3 : public Form {
    Q_OBJECT
public:
    static Form3 *instance();

    MMControl *MMControl1;
    MMControl *MMControl2;
    MMControl *MMControl3;
    MMControl *MMControl4;
    MMControl *MMControl5;
    MMControl *MMControl6;
    MMControl *MMControl7;
    MMControl *MMControl8;
    ProgressBar *ProgressBar1;

private:
    Form3();
};
