// Text tools: find and replace, go to line, case, date and time, conversion, T602, spelling.
#include "app/TMainForm.h"

void TMainForm::initTextCommands() {}
void TMainForm::mmFindClick() {}
void TMainForm::mmFindAgainClick() {}
void TMainForm::mmReplaceClick() {}
void TMainForm::mmGOTOClick() {}
void TMainForm::Vloitdatumaas1Click() {}
void TMainForm::UpperItem1Click() {}
void TMainForm::LowerItem1Click() {}
void TMainForm::InvertItem1Click() {}
void TMainForm::mmKonverzeClick() {}
void TMainForm::KonverzezT6021Click() {}
void TMainForm::mmSpellClick() {}
