#include "ui/frmdisplay.h"

void frmDisplay::cmdPrint_Click() {
    // Wired by the reading-file work.
}
