#include "app/TMainForm.h"
#include "app/TPrompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvel Tosk"));
    TDialogPrompts prompts;
    TMainForm form(&prompts, nullptr);
    form.show();
    return app.exec();
}
