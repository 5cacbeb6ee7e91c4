// Command tables: which member function of a dialog answers which notification of which control.
#pragma once

#include <windows.h>

#include <stddef.h>

class CDialog;

// A member function of a class derived from CDialog, with or without the ID of the control whose
// notification it answers (one handler may serve several controls of the same kind).
struct CommandTarget
{
    typedef void (CDialog::*Plain)();
    typedef void (CDialog::*WithControl)(UINT controlId);

    template <class Dialog>
    constexpr CommandTarget(void (Dialog::*function)()) : plain(static_cast<Plain>(function))
    {}
    template <class Dialog>
    constexpr CommandTarget(void (Dialog::*function)(UINT))
        : withControl(static_cast<WithControl>(function))
    {}
    constexpr CommandTarget(std::nullptr_t) {}

    Plain plain = nullptr;
    WithControl withControl = nullptr;
};

struct CommandEntry
{
    UINT notifyCode;  // BN_CLICKED, CBN_SELCHANGE, STN_CLICKED, ...
    UINT controlId;
    CommandTarget target;  // nullptr ends a table
};
