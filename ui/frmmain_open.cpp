#include "ui/frmmain.h"

void frmMain::cmdOpen_Click() {
    // Wired by the reading-file work.
}
