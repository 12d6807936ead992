#include "ui/frmdisplay.h"

#include "ui/frmsave.h"

void frmDisplay::cmdPrint_Click() {
    frmSave::showModal(this, shownValues());
}
