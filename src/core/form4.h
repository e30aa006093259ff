// Folder and file picker behind the start settings' "Durchsuchen..." buttons.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

// 0 folder into Form3.Text1, 1 report file into Form3.Text3, 2 orders file
// into Form3.Text2.
extern qint16 AuswahlModus;

class Form4 : public Form {
    Q_OBJECT
public:
    static Form4 *instance();
    static bool exists();
    ~Form4() override;

    FileListBox *File1;
    DirListBox *Dir1;
    Label *Label1;
    QLineEdit *Text1;
    QPushButton *Command1;

    // Discards the picker's state in place: hidden, its lists at the current
    // folder as a fresh load has them.
    void Unload();

    void Form_Activate() override;
    void Form_Unload(qint16 &Cancel) override;
    void Dir1_Click();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void Command1_Click();

private:
    Form4();
};
