// File commands: open, save, save as, save all, close, close all, exit, print.
#include "app/TMainForm.h"

void TMainForm::initFileCommands() {}
void TMainForm::OpenFile(const QString &) {}
void TMainForm::mmOpenClick() {}
void TMainForm::mmSaveClick() {}
void TMainForm::mmSaveAsClick() {}
void TMainForm::mmSaveAllClick() {}
void TMainForm::mmCloseClick() {}
void TMainForm::mmCloseAllClick() {}
void TMainForm::mmExitClick() { close(); }
void TMainForm::mmPrintClick() {}
void TMainForm::mmPrinterSetupClick() {}
bool TMainForm::FormCloseQuery() { return true; }
