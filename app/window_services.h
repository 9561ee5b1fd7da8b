// The services of the main window that have windows of their own: printing, the print
// settings, the clipboard copy, the version dialog, the notice and the calendar pop-up.
#pragma once

#include "app/calendar_window.h"
#include "app/clipboard_copy.h"
#include "app/notice_window.h"
#include "app/print_dialog.h"
#include "app/printing.h"
#include "app/version_dialog.h"
