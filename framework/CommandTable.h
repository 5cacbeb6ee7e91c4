// Command tables: which member function of a dialog answers which notification of which control.
#pragma once

#include <windows.h>

class CDialog;

typedef void (CDialog::*CommandHandler)();

struct CommandEntry
{
    UINT notifyCode;  // BN_CLICKED, CBN_SELCHANGE, STN_CLICKED, ...
    UINT controlId;
    CommandHandler handler;  // null ends a table
};

// Turns a member function of a class derived from CDialog into a table entry's handler.
template <class Dialog>
constexpr CommandHandler Handler(void (Dialog::*function)())
{
    return static_cast<CommandHandler>(function);
}
