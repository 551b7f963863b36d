// The application object pelvaro runs under, in place of a handheld platform's own.
#pragma once

#include <QApplication>

class HandheldApplication : public QApplication
{
    Q_OBJECT

public:
    enum Type { Tty = 0, GuiClient = 1, GuiServer = 2 };

    HandheldApplication(int &argc, char **argv, Type type = GuiClient);
    ~HandheldApplication() override;

    // Shows `widget` as the application's one main window at its own size.
    void showMainWidget(QWidget *widget, bool noMaximize = false);
};
