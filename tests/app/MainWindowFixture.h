#pragma once

#include "KeyInput.h"
#include "app/KVORMainForm.h"
#include "platform/ScriptedMessageService.h"
#include "platform/SystemSettings.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

// A shown main window over scripted messages and settings.
struct MainWindowFixture {
    MainWindowFixture() {
        Window = std::make_unique<kvor::TKVORMain>(&Messages, &Settings);
        Window->show();
        QApplication::setActiveWindow(Window.get());
        QApplication::processEvents();
    }

    template <typename T = QWidget> T* Find(const QString& name) const {
        T* found = Window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // Gives the edit the focus, replaces its text by typing, then tabs away.
    void Retype(const QString& name, const QString& typed) {
        QWidget* edit = Find(name);
        edit->setFocus(Qt::TabFocusReason);
        KeyInput::Key(edit, Qt::Key_A, Qt::ControlModifier);
        KeyInput::Key(edit, Qt::Key_Backspace);
        KeyInput::Clicks(edit, typed);
        Leave(edit);
    }

    void Leave(QWidget* from) {
        QWidget* other =
            Find(from->objectName().startsWith('P') ? "PBeepCheckBox" : "ABeepCheckBox");
        other->setFocus(Qt::TabFocusReason);
    }

    kvor::ScriptedMessageService Messages;
    kvor::ScriptedSystemSettings Settings;
    std::unique_ptr<kvor::TKVORMain> Window;
};
