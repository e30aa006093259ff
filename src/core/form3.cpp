#include "core/form3.h"

Form3 *Form3::instance()
{
    static Form3 *f = new Form3();
    return f;
}

Form3::Form3() : Form(QStringLiteral("Form3"))
{
    MMControl1 = new MMControl(QStringLiteral("MMControl1"), this);
    MMControl2 = new MMControl(QStringLiteral("MMControl2"), this);
    MMControl3 = new MMControl(QStringLiteral("MMControl3"), this);
    MMControl4 = new MMControl(QStringLiteral("MMControl4"), this);
    MMControl5 = new MMControl(QStringLiteral("MMControl5"), this);
    MMControl6 = new MMControl(QStringLiteral("MMControl6"), this);
    MMControl7 = new MMControl(QStringLiteral("MMControl7"), this);
    MMControl8 = new MMControl(QStringLiteral("MMControl8"), this);
    ProgressBar1 = new ProgressBar(client());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
}
