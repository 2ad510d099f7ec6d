#pragma once
// The printer: a print job of pages drawn on a canvas in device units (dots).

#include <string>

#include "platform/Canvas.h"

namespace moyo::platform {

class Printer {
 public:
  virtual ~Printer() = default;

  // Printable page width and height in dots.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  // The printer's resolution, dots per inch.
  virtual int DotsPerInch() const = 0;

  // Begins a job of one page with the given title; false when the printer cannot print.
  virtual bool BeginJob(const std::string& title) = 0;
  // Ends the page drawn so far and begins the next; false when that fails.
  virtual bool NewPage() = 0;
  // Ends the job, delivering its pages; false when they could not be delivered.
  // Safe to call when no job runs.
  virtual bool EndJob() = 0;
  // The canvas of the current page, one unit a dot; nullptr outside a job.
  virtual Canvas* PageCanvas() = 0;
};

}  // namespace moyo::platform
