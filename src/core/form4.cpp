#include "core/form4.h"

#include "core/fensterliste.h"
#include "core/form3.h"
#include "core/sound.h"
#include "core/startup.h"
#include "platform/units.h"

#include <QDir>

using namespace platform;

qint16 AuswahlModus = 0;

namespace {
Form4 *g_form4 = nullptr;

const fensterliste::Anmeldung kImFensterMenue(QStringLiteral("Form4"), fensterliste::zugang<Form4>(&Form4::Unload));
} // namespace

Form4 *Form4::instance()
{
    if (!g_form4)
        g_form4 = new Form4();
    return g_form4;
}

bool Form4::exists() { return g_form4 != nullptr; }

Form4::~Form4()
{
    if (g_form4 == this)
        g_form4 = nullptr;
}

Form4::Form4() : Form(QStringLiteral("Form4"))
{
    setWindowTitle(QStringLiteral("Verzeichnis auswählen"));
    setFont(platform::font(QStringLiteral("MS Sans Serif"), 8.25));
    setClientSizeTwips(5916, 2472);
    QWidget *c = client();

    // The lists start where the program stands when the picker is loaded.
    const QString hier = QDir::currentPath();
    File1 = steuerelement<FileListBox>(c, QStringLiteral("File1"), 120, 120, 3012, 1800);
    File1->setPath(hier);
    Dir1 = steuerelement<DirListBox>(c, QStringLiteral("Dir1"), 3252, 120, 2532, 1800);
    Dir1->setPath(hier);

    Label1 = new Label(c);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setCaption(QStringLiteral("Pfad:"));
    place(Label1, 120, 2070, 552, 252);
    Text1 = steuerelement<QLineEdit>(c, QStringLiteral("Text1"), 720, 2016, 3852, 300);
    // It shows the last pick; nothing reads what would be typed there.
    Text1->setReadOnly(true);
    Command1 = steuerelement<QPushButton>(c, QStringLiteral("Command1"), 4740, 1992, 1044, 360, QStringLiteral("Ok"));
    setDefaultButton(Command1);

    connect(Dir1, &DirListBox::clicked, this, &Form4::Dir1_Click);
    connect(Dir1, &DirListBox::changed, this, &Form4::Dir1_Change);
    connect(File1, &FileListBox::clicked, this, &Form4::File1_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &Form4::File1_DblClick);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::Unload()
{
    hide();
    setFensterZustand(0);
    const QString hier = QDir::currentPath();
    File1->setPath(hier);
    Dir1->setPath(hier);
    Text1->clear();
}

void Form4::Form_Activate()
{
    if (AuswahlModus == 0) {
        File1->setEnabled(false);
        Dir1->setEnabled(true);
    } else if (AuswahlModus == 1 || AuswahlModus == 2) {
        Dir1->setEnabled(false);
        File1->setEnabled(true);
    }
}

void Form4::Form_Unload(qint16 &)
{
    // Closed through its frame the picker is unloaded; the next use loads it
    // afresh at the current folder.
    if (g_form4 == this)
        g_form4 = nullptr;
    deleteLater();
}

void Form4::Dir1_Click()
{
    // A single click only picks; the lists move on a double click.
    const QString r = start::ordnerMitTrenner(Dir1->entryPath(Dir1->currentRow()));
    Text1->setText(r);
    if (AuswahlModus == 0)
        Form3::instance()->Text1->setText(r);
}

void Form4::Dir1_Change()
{
    File1->setPath(Dir1->path());
    QDir::setCurrent(Dir1->path());
}

void Form4::File1_Click()
{
    const QString name = File1->fileName();
    Text1->setText(name);
    if (AuswahlModus == 1)
        Form3::instance()->Text3->setText(name);
    else if (AuswahlModus == 2)
        Form3::instance()->Text2->setText(name);
}

void Form4::File1_DblClick() { hide(); }

void Form4::Command1_Click()
{
    KlickSpielen();
    hide();
}
