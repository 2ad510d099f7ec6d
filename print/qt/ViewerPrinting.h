#pragma once
// What the viewer needs for printing: the process's print settings and the
// print button's work on the system printer.

#include <QWidget>
#include <string>

#include "print/PrintSource.h"
#include "print/TZelStatus.h"

namespace moyo {

// The process's print settings over the user's settings store, made on first
// use; the module's initialisation calls it once before any form exists.
TZelStatus& ProcessZelStatus();

// Where a print goes when no system printer is configured: a PDF file named
// for the moment in the user's documents folder (UTF-8).
std::string FallbackPdfPath();

// The print button's work after the level check (printBtnClick): the options
// dialog over owner, then source printed on the system printer (or a PDF
// file). Whether something was printed.
bool PrintFromViewer(QWidget* owner, const TPrintSource& source);

}  // namespace moyo
