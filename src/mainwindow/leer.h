// Progress window of the line-end repair.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

class Leer : public Form {
    Q_OBJECT
public:
    static Leer *instance();
    ProgressBar *ProgressBar1;
    qint16 LeerAbbruch = 0;
    void Form_Unload(qint16 &Cancel) override;

private:
    Leer();
};
