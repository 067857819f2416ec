// Settings of the main window: form storage, recent files, the side panel's start folder.
#include "app/TMainForm.h"

void TMainForm::initSettings() {}
void TMainForm::AddToRecent(const QString &, int) {}
void TMainForm::WriteStartDir() {}
void TMainForm::ReadStartDir() {}
void TMainForm::RestoreSettings() {}
void TMainForm::SaveSettings() {}
