// View options, status bar, settings and the remaining tool commands.
#include "app/TMainForm.h"

void TMainForm::initViewCommands() {}
void TMainForm::mmTOOLBARClick() {}
void TMainForm::mmStatusBarClick() {}
void TMainForm::mmSpeedClick() {}
void TMainForm::mmZALOZKYClick() {}
void TMainForm::mmMultiLineClick() {}
void TMainForm::mmTOOLEDITClick() {}
void TMainForm::mmNASTAVClick() {}
void TMainForm::mmAboutClick() {}
