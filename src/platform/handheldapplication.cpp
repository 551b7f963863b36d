// The application object pelvaro runs under, in place of a handheld platform's own.
#include "platform/handheldapplication.h"

#include <QWidget>

HandheldApplication::HandheldApplication(int &argc, char **argv, Type /*type*/)
    : QApplication(argc, argv)
{
}

HandheldApplication::~HandheldApplication() = default;

void HandheldApplication::showMainWidget(QWidget *widget, bool /*noMaximize*/)
{
    widget->show();
}
