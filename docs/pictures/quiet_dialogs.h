#pragma once
// The dialogs of a picture program: messages go to the error stream instead
// of a box nobody closes, and Open takes the name set beforehand.

#include <iostream>

#include "app/ui/desktop_dialogs.h"

class QuietDialogs : public vx::DesktopDialogs {
public:
    QString openName;  // empty: the standard dialog

    QString askOpenName(const QString& filter) override {
        return openName.isEmpty() ? DesktopDialogs::askOpenName(filter) : openName;
    }
    void showMessage(const QString& message) override {
        std::cerr << message.toStdString() << "\n";
    }
};
